#include "QtClipboard.h"

#include "QtText.h"

#include <QClipboard>
#include <QGuiApplication>

void QtClipboard::SetText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(ToQString(text));
}
