#pragma once

#include <string>
#include <vector>

namespace platform {

// Which catalogue a missing value was to come from; the two have their own
// dialog and help topic.
enum class ReplacementSource { Database, UserDatabase };

// Asks the user to replace a catalogue value that a document names but the
// catalogue no longer holds. The dialog has no way out without a choice.
class ReplacementChooser {
public:
    virtual ~ReplacementChooser() = default;
    // Shows the message above a choice of the names (never empty), the first
    // one preselected, and returns the index of the chosen name.
    virtual int Choose(const std::string& message, const std::vector<std::string>& names,
                       ReplacementSource source) = 0;
};

} // namespace platform
