#pragma once

#include <string>

namespace platform {

// Shows a topic of the program's help, such as "::/html/contents.htm".
class HelpService {
public:
    virtual ~HelpService() = default;
    // False when no help viewer could be started.
    virtual bool ShowTopic(const std::string& topic) = 0;
};

} // namespace platform
