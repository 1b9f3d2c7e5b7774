#pragma once

#include "SettingsStore.h"

#include <map>
#include <string>
#include <utility>

namespace platform {

// A settings store held in memory; what tests and headless runs use.
class MemorySettings final : public SettingsStore {
public:
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback) const override;
    int GetInt(const std::string& section, const std::string& key, int fallback) const override;
    void SetString(const std::string& section, const std::string& key, const std::string& value) override;
    void SetInt(const std::string& section, const std::string& key, int value) override;

    bool Contains(const std::string& section, const std::string& key) const;

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

} // namespace platform
