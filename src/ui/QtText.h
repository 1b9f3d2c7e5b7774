#pragma once

#include <QString>

#include <string>

// The model keeps its texts in UTF-8; Qt keeps them in UTF-16.
inline QString ToQString(const std::string& text)
{
    return QString::fromStdString(text);
}

inline std::string ToStdString(const QString& text)
{
    return text.toStdString();
}
