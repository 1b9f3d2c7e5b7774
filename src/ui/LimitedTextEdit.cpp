#include "LimitedTextEdit.h"

#include "QtText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace {

QString withLineFeeds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

// The longest start of the text that takes no more than room characters.
QString fitting(const QString& text, int room)
{
    qsizetype end = 0;
    for (int used = 0; end < text.size(); ++end) {
        used += text[end] == QLatin1Char('\n') ? 2 : 1;
        if (used > room)
            break;
    }
    return text.left(end);
}

} // namespace

LimitedTextEdit::LimitedTextEdit(int limit, QWidget* parent) : QPlainTextEdit(parent), limit_(limit)
{
    // Tab moves on to the next field, as in every other field of a dialog.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::trim);
}

int LimitedTextEdit::StoredLength(const QString& text)
{
    return int(text.size() + text.count(QLatin1Char('\n')));
}

void LimitedTextEdit::SetText(const std::string& text)
{
    setPlainText(withLineFeeds(ToQString(text)));
}

std::string LimitedTextEdit::Text() const
{
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return ToStdString(text);
}

int LimitedTextEdit::room() const
{
    // What is selected gets replaced, so its characters are free.
    const QString selected = withLineFeeds(textCursor().selectedText());
    return limit_ - StoredLength(toPlainText()) + StoredLength(selected);
}

void LimitedTextEdit::keyPressEvent(QKeyEvent* event)
{
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = lineBreak ? QStringLiteral("\n") : event->text();
    const bool inserts = lineBreak || (!typed.isEmpty() && typed.at(0).isPrint());
    if (inserts && !(event->modifiers() & Qt::ControlModifier) && StoredLength(typed) > room()) {
        QApplication::beep();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    const QString text = withLineFeeds(source->text());
    const QString fits = fitting(text, room());
    if (fits.size() < text.size())
        QApplication::beep();
    if (fits.isEmpty())
        return;
    QMimeData limited;
    limited.setText(fits);
    QPlainTextEdit::insertFromMimeData(&limited);
}

void LimitedTextEdit::trim()
{
    // Typing and pasting never pass the limit; a text set by the program may.
    if (trimming_)
        return;
    const QString text = toPlainText();
    const QString fits = fitting(text, limit_);
    if (fits.size() == text.size())
        return;
    trimming_ = true;
    QTextCursor cut(document());
    cut.setPosition(int(fits.size()));
    cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    trimming_ = false;
}
