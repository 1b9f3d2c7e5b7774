#pragma once

#include "platform/SettingsStore.h"

#include <QSettings>

// The per-user settings of the program, kept by QSettings under the company
// "Norlam" and the application "Tekvar". A section and a key make the QSettings
// key "Section/Key".
class QtSettingsStore final : public platform::SettingsStore {
public:
    QtSettingsStore();
    // Settings kept in the given INI file instead (tests).
    explicit QtSettingsStore(const QString& iniFile);

    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback) const override;
    int GetInt(const std::string& section, const std::string& key, int fallback) const override;
    void SetString(const std::string& section, const std::string& key, const std::string& value) override;
    void SetInt(const std::string& section, const std::string& key, int value) override;

private:
    QSettings settings_;
};
