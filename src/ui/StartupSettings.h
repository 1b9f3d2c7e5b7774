#pragma once

#include "platform/Services.h"

#include <string>

// The two settings of the informational dialogs, section "Settings": each
// "Yes" or "No", "Yes" when missing.
namespace startup {

inline constexpr const char* section = "Settings";
inline constexpr const char* welcomeKey = "HelpWindow";       // the welcome dialog at start-up
inline constexpr const char* gettingStartedKey = "NewDocWindow"; // the getting-started dialog on "&Nytt"

inline bool IsOn(const char* key)
{
    return platform::settings().GetString(section, key, "Yes") == "Yes";
}

inline void Set(const char* key, bool on)
{
    platform::settings().SetString(section, key, on ? "Yes" : "No");
}

} // namespace startup
