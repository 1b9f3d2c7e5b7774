#pragma once

#include <string>

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void SetText(const std::string& text) = 0;
};

} // namespace platform
