#pragma once

#include "platform/HelpService.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;

// The folder of the help pages: help/html beside the program (the build
// folder), else share/tekvar/help/html beside the program's bin folder (the
// installed package). TEKVAR_HELP_DIR, when set, names it instead.
QString FindHelpFolder();

// The page file a topic names: "::/html/varmetap.htm#klasser" and
// "varmetap" both name "varmetap.htm"; the anchor is kept apart.
struct HelpPage {
    QString file;
    QString anchor;
};
HelpPage HelpPageOf(const std::string& topic);

// The program's help: one page at a time in a text browser, with the
// contents, back and forward, and a search over every page's text.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);

    // Shows the topic's page; false when the folder has no such page.
    bool ShowTopic(const std::string& topic);
    // The files of the pages holding every word of the text (case ignored),
    // the most mentions first.
    QStringList Search(const QString& text) const;
    // The file of the page shown, such as "varmetap.htm".
    QString ShownFile() const;

    QTextBrowser* Browser() const { return browser_; }
    QLineEdit* SearchBox() const { return searchBox_; }
    QListWidget* Results() const { return results_; }
    QToolButton* BackButton() const { return back_; }
    QToolButton* ForwardButton() const { return forward_; }

private:
    struct Page {
        QString file;
        QString title;
        QString text; // lower case
    };
    void readPages();
    void showSearchResults();

    QString folder_;
    std::vector<Page> pages_;
    QTextBrowser* browser_ = nullptr;
    QLineEdit* searchBox_ = nullptr;
    QListWidget* results_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
};

// The help service of the desktop program: one help window, made on the
// first topic asked for.
class QtHelpService final : public platform::HelpService {
public:
    explicit QtHelpService(QString folder = FindHelpFolder());
    ~QtHelpService() override;
    bool ShowTopic(const std::string& topic) override;
    HelpWindow* Window() const { return window_.get(); }

private:
    QString folder_;
    std::unique_ptr<HelpWindow> window_;
};
