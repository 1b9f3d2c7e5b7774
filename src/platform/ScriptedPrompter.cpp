#include "ScriptedPrompter.h"

namespace platform {

Answer ScriptedPrompter::Ask(const std::string& text, Buttons buttons, Icon icon)
{
    messages_.push_back({text, buttons, icon});
    if (answers_.empty())
        return DefaultAnswer(buttons);
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::vector<std::string> ScriptedPrompter::Texts() const
{
    std::vector<std::string> texts;
    for (const Message& message : messages_)
        texts.push_back(message.text);
    return texts;
}

} // namespace platform
