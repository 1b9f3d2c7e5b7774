#include "ScriptedReplacementChooser.h"

namespace platform {

int ScriptedReplacementChooser::Choose(const std::string& message, const std::vector<std::string>& names,
                                       ReplacementSource source)
{
    requests_.push_back({message, names, source});
    if (answers_.empty())
        return 0;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

} // namespace platform
