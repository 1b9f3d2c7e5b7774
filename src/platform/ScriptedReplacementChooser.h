#pragma once

#include "ReplacementChooser.h"

#include <deque>
#include <string>
#include <vector>

namespace platform {

// Records every request and answers from a queue of indices; with the queue
// empty it takes the preselected first name.
class ScriptedReplacementChooser final : public ReplacementChooser {
public:
    struct Request {
        std::string message;
        std::vector<std::string> names;
        ReplacementSource source;
    };

    int Choose(const std::string& message, const std::vector<std::string>& names,
               ReplacementSource source) override;

    void QueueAnswer(int index) { answers_.push_back(index); }
    const std::vector<Request>& Requests() const { return requests_; }

private:
    std::deque<int> answers_;
    std::vector<Request> requests_;
};

} // namespace platform
