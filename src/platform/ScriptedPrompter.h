#pragma once

#include "Prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace platform {

// Records every message and answers from a queue; with the queue empty it
// gives the default answer of the buttons shown.
class ScriptedPrompter final : public Prompter {
public:
    struct Message {
        std::string text;
        Buttons buttons;
        Icon icon;
    };

    Answer Ask(const std::string& text, Buttons buttons, Icon icon) override;

    void QueueAnswer(Answer answer) { answers_.push_back(answer); }
    const std::vector<Message>& Messages() const { return messages_; }
    std::vector<std::string> Texts() const;
    void Clear() { messages_.clear(); answers_.clear(); }

private:
    std::deque<Answer> answers_;
    std::vector<Message> messages_;
};

} // namespace platform
