#pragma once

#include "platform/ReplacementChooser.h"

// Asks for a missing catalogue value in the missing-value dialog of the
// catalogue it was to come from, over the active window.
class QtReplacementChooser final : public platform::ReplacementChooser {
public:
    int Choose(const std::string& message, const std::vector<std::string>& names,
               platform::ReplacementSource source) override;
};
