#pragma once

#include <string>

namespace platform {

// The per-user settings: texts and integers by section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& fallback) const = 0;
    virtual int GetInt(const std::string& section, const std::string& key, int fallback) const = 0;
    virtual void SetString(const std::string& section, const std::string& key, const std::string& value) = 0;
    virtual void SetInt(const std::string& section, const std::string& key, int value) = 0;
};

} // namespace platform
