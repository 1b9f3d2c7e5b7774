#include "UiTestSupport.h"

#include <array>
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <random>

void WhenModalShows(std::function<void(QWidget* dialog)> action)
{
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    constexpr int interval = 5;
    QObject::connect(timer, &QTimer::timeout, [timer, waited, action = std::move(action)] {
        if (QWidget* dialog = QApplication::activeModalWidget(); dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
            return;
        }
        *waited += interval;
        if (*waited > 2000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no dialog was shown";
        }
    });
    timer->start(interval);
}

void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar letter : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

void Type(QWidget& dialog, const char* name, const char* text)
{
    QLineEdit* edit = Edit(dialog, name);
    if (!edit)
        return;
    if (!edit->isEnabled()) {
        edit->setText(QString::fromUtf8(text));
        return;
    }
    edit->clear();
    TypeText(edit, QString::fromUtf8(text));
}

TempFolder::TempFolder()
{
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("tekvar-ui-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void KeepScreenshot(const QImage& image, const QString& name)
{
    const QString folder = qEnvironmentVariable("TEKVAR_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    image.save(QDir(folder).filePath(name));
}

std::string PdfText(const std::string& pdf)
{
    const std::string command = "pdftotext -layout -enc UTF-8 '" + pdf + "' - 2>/dev/null";
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer{};
        while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
            text.append(buffer.data(), n);
        pclose(pipe);
    }
    return text;
}

std::vector<std::string> PdfPages(const std::string& text)
{
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (std::size_t feed = text.find('\f'); feed != std::string::npos; feed = text.find('\f', start)) {
        pages.push_back(text.substr(start, feed - start));
        start = feed + 1;
    }
    return pages;
}
