#include "QtSettingsStore.h"

#include "QtText.h"

namespace {

QString settingsKey(const std::string& section, const std::string& key)
{
    return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

} // namespace

QtSettingsStore::QtSettingsStore() : settings_(QStringLiteral("Norlam"), QStringLiteral("Tekvar"))
{
}

QtSettingsStore::QtSettingsStore(const QString& iniFile) : settings_(iniFile, QSettings::IniFormat)
{
}

std::string QtSettingsStore::GetString(const std::string& section, const std::string& key,
                                       const std::string& fallback) const
{
    const QVariant value = settings_.value(settingsKey(section, key));
    return value.isValid() ? ToStdString(value.toString()) : fallback;
}

int QtSettingsStore::GetInt(const std::string& section, const std::string& key, int fallback) const
{
    const QVariant value = settings_.value(settingsKey(section, key));
    if (!value.isValid())
        return fallback;
    // An entry edited by hand into something that is no number reads as missing.
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : fallback;
}

void QtSettingsStore::SetString(const std::string& section, const std::string& key, const std::string& value)
{
    settings_.setValue(settingsKey(section, key), ToQString(value));
}

void QtSettingsStore::SetInt(const std::string& section, const std::string& key, int value)
{
    settings_.setValue(settingsKey(section, key), value);
}
