#pragma once

#include "ui/FileChooser.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Runs the action on the next modal dialog as soon as it shows, so a test can
// drive a dialog that its code under test opens with exec(). The action must
// close the dialog. Fails the test when no dialog shows within two seconds.
void WhenModalShows(std::function<void(QWidget* dialog)> action);

// Types the text into the widget key by key, as QTest::keyClicks does for
// ASCII, but for any letter (å, ä, ö).
void TypeText(QWidget* widget, const QString& text);

// The dialog's child of that object name; the test fails when it has none.
template <class W = QWidget>
W* Child(QWidget& dialog, const char* name)
{
    auto* child = dialog.findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}
inline QLineEdit* Edit(QWidget& dialog, const char* name) { return Child<QLineEdit>(dialog, name); }
inline QAbstractButton* Button(QWidget& dialog, const char* name) { return Child<QAbstractButton>(dialog, name); }
inline QComboBox* Combo(QWidget& dialog, const char* name) { return Child<QComboBox>(dialog, name); }
// The text a field, label or button shows.
inline QString Text(QWidget& dialog, const char* name)
{
    QWidget* child = Child(dialog, name);
    return child ? child->property("text").toString() : QString();
}

// Types the text into the named field as a user does, over what it held. A
// disabled field takes no keys, but its text is exchanged all the same, so
// it is set.
void Type(QWidget& dialog, const char* name, const char* text);

// Answers the main window's file questions from a queue, as a user would.
class ScriptedFileChooser final : public FileChooser {
public:
    std::string ChooseOpen(QWidget*) override
    {
        ++openQuestions;
        return next();
    }
    std::string ChooseSave(QWidget*, const std::string& proposed) override
    {
        proposals.push_back(proposed);
        return next();
    }

    std::deque<std::string> answers; // an empty text cancels
    int openQuestions = 0;
    std::vector<std::string> proposals;

private:
    std::string next()
    {
        if (answers.empty())
            return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// The text of a PDF by pdftotext, sheets separated by form feeds.
std::string PdfText(const std::string& pdf);
// The sheets of such a text.
std::vector<std::string> PdfPages(const std::string& text);
inline bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// A folder of its own for a test's files, removed afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Keeps a picture of a widget for looking at by eye, in the folder named by
// TEKVAR_SCREENSHOTS when it is set.
void KeepScreenshot(const QImage& image, const QString& name);

// Readable failure messages for the Qt values the tests compare.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{';
    for (const QString& text : texts) {
        PrintTo(text, out);
        *out << (&text == &texts.last() ? "" : ", ");
    }
    *out << '}';
}

inline void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height() << ')';
}

inline void PrintTo(const QPoint& point, std::ostream* out)
{
    *out << "QPoint(" << point.x() << ", " << point.y() << ')';
}
