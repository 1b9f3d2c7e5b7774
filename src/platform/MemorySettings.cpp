#include "MemorySettings.h"

#include <charconv>

namespace platform {

std::string MemorySettings::GetString(const std::string& section, const std::string& key,
                                      const std::string& fallback) const
{
    auto it = values_.find({section, key});
    return it == values_.end() ? fallback : it->second;
}

int MemorySettings::GetInt(const std::string& section, const std::string& key, int fallback) const
{
    auto it = values_.find({section, key});
    if (it == values_.end())
        return fallback;
    int value = fallback;
    const std::string& text = it->second;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

void MemorySettings::SetString(const std::string& section, const std::string& key, const std::string& value)
{
    values_[{section, key}] = value;
}

void MemorySettings::SetInt(const std::string& section, const std::string& key, int value)
{
    values_[{section, key}] = std::to_string(value);
}

bool MemorySettings::Contains(const std::string& section, const std::string& key) const
{
    return values_.count({section, key}) != 0;
}

} // namespace platform
