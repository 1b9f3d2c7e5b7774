#include "UiTestSupport.h"
#include "platform/MemorySettings.h"
#include "platform/RecordingServices.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "report/CHeader.h"
#include "doc/CVekDoc.h"
#include "modules/StandardDocumentParts.h"
#include "ui/CMainFrame.h"
#include "ui/CProjectDlg.h"
#include "ui/HelpWindow.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace {

const QString helpFolder = QStringLiteral(TEKVAR_SOURCE_TREE "/help/html");

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every topic the program's code names: the "::/html/..." texts anywhere in
// the sources, the bare topic names handed to the missing-value dialogs, and
// the page headers' topics. Read from the sources at test time, so that a
// dialog or table added later without its page fails here.
std::set<std::string> topicsInTheCode()
{
    std::set<std::string> topics;
    const QRegularExpression full(QStringLiteral("::/html/[A-Za-z_0-9]+\\.htm"));
    const QRegularExpression bare(QStringLiteral("BorteDlg\\(\"([A-Za-z_0-9]+)\""));
    for (const auto& entry : std::filesystem::recursive_directory_iterator(TEKVAR_SOURCE_TREE "/src")) {
        const auto ext = entry.path().extension();
        if (ext != ".cpp" && ext != ".h")
            continue;
        const QString text = QString::fromStdString(readFile(entry.path()));
        for (auto it = full.globalMatch(text); it.hasNext();)
            topics.insert(it.next().captured(0).toStdString());
        for (auto it = bare.globalMatch(text); it.hasNext();)
            topics.insert(it.next().captured(1).toStdString());
    }
    for (int module = 0; module < ModuleCount; ++module)
        topics.insert(CHeader(module).helpTopic);
    return topics;
}

// The dialogs and page items of the modules name these topics; some of
// them are not in the code yet, and their pages must not wait for them.
const char* const moduleTopics[] = {
    "12228_tabell", "energikostnad_restabell", "frost_inputtabell", "frost_restabell", "innvkondens",
    "innvkondens_inputtabell", "innvkondens_restabell", "isokostnad", "isokostnader", "isomengde_tabell", "kanal",
    "kanal_inputtabell", "okoiso_energikosttabell", "okoiso_tabell", "okoiso_varmetaptabell", "okoisolering",
    "okonomi", "segment", "segment_inputtabell", "tank", "tank_inputtabell", "tank_kurve", "tank_restabell",
    "utvkondens", "utvkondens_inputtabell", "utvkondens_restabell", "vvsamadlg", "frost",
};

} // namespace

TEST(HelpTopics, EveryTopicTheProgramOpensHasItsPageAndEveryLinkLeadsToAPage)
{
    const std::set<std::string> topics = topicsInTheCode();
    // The scan itself must find what is surely there.
    for (const char* known : {"::/html/varmetap.htm", "::/html/prosjekt.htm", "dbverdiborte", "::/html/resvarmetap.htm"})
        EXPECT_TRUE(topics.contains(known)) << known;
    EXPECT_GT(topics.size(), 30u);

    std::set<std::string> all = topics;
    for (const char* topic : moduleTopics)
        all.insert(topic);
    std::set<QString> pageFiles;
    for (const std::string& topic : all) {
        const HelpPage page = HelpPageOf(topic);
        pageFiles.insert(page.file);
        EXPECT_TRUE(QFileInfo::exists(helpFolder + "/" + page.file)) << topic << " has no page " << page.file.toStdString();
    }

    // Links between pages, and anchors into them, lead somewhere.
    const QRegularExpression link(QStringLiteral("href=\"([^\":#]*)(?:#([^\"]*))?\""));
    const QDir dir(helpFolder);
    const QStringList files = dir.entryList({QStringLiteral("*.htm")}, QDir::Files);
    EXPECT_GE(files.size(), qsizetype(pageFiles.size()));
    for (const QString& file : files) {
        const QString text = QString::fromStdString(readFile((helpFolder + "/" + file).toStdString()));
        EXPECT_TRUE(text.contains(QStringLiteral("<title>"))) << file.toStdString();
        for (auto it = link.globalMatch(text); it.hasNext();) {
            const auto match = it.next();
            const QString target = match.captured(1).isEmpty() ? file : match.captured(1);
            ASSERT_TRUE(QFileInfo::exists(dir.filePath(target))) << file.toStdString() << " links to " << target.toStdString();
            if (!match.captured(2).isEmpty()) {
                const QString targetText = QString::fromStdString(readFile(dir.filePath(target).toStdString()));
                EXPECT_TRUE(targetText.contains(QStringLiteral("name=\"%1\"").arg(match.captured(2))))
                    << file.toStdString() << " links to a missing anchor " << match.captured(0).toStdString();
            }
        }
    }
}

TEST(HelpTopics, TopicsNameTheirPageFile)
{
    EXPECT_EQ(HelpPageOf("::/html/varmetap.htm").file, "varmetap.htm");
    EXPECT_EQ(HelpPageOf("dbverdiborte").file, "dbverdiborte.htm");
    const HelpPage anchored = HelpPageOf("::/html/contents.htm#daggpunkt");
    EXPECT_EQ(anchored.file, "contents.htm");
    EXPECT_EQ(anchored.anchor, "daggpunkt");
    EXPECT_EQ(HelpPageOf("::/html/Rordimensjondlg.htm").file, "Rordimensjondlg.htm") << "names keep their case";
    EXPECT_EQ(HelpPageOf("").file, "contents.htm");
}

TEST(HelpWindowTest, OpensTopicsGoesBackAndForthAndSearchesAllPages)
{
    HelpWindow window(helpFolder);
    window.show();
    EXPECT_FALSE(window.ShowTopic("::/html/no_such_page.htm"));

    ASSERT_TRUE(window.ShowTopic("::/html/contents.htm"));
    EXPECT_EQ(window.ShownFile(), "contents.htm");
    EXPECT_TRUE(window.Browser()->toPlainText().contains(QString::fromUtf8("Så gör man en beräkning")));
    EXPECT_FALSE(window.BackButton()->isEnabled());

    ASSERT_TRUE(window.ShowTopic("::/html/varmetap.htm"));
    EXPECT_EQ(window.ShownFile(), "varmetap.htm");
    EXPECT_TRUE(window.windowTitle().startsWith(QString::fromUtf8("Värmeförlust")));
    ASSERT_TRUE(window.ShowTopic("dbverdiborte"));
    EXPECT_EQ(window.ShownFile(), "dbverdiborte.htm");

    EXPECT_TRUE(window.BackButton()->isEnabled());
    QTest::mouseClick(window.BackButton(), Qt::LeftButton);
    EXPECT_EQ(window.ShownFile(), "varmetap.htm");
    EXPECT_TRUE(window.ForwardButton()->isEnabled());
    QTest::mouseClick(window.ForwardButton(), Qt::LeftButton);
    EXPECT_EQ(window.ShownFile(), "dbverdiborte.htm");

    // The condensation pages are found by the dew point, in any case, and
    // every word must be on a found page.
    const QStringList dewPoint = window.Search(QStringLiteral("DAGGPUNKT"));
    EXPECT_TRUE(dewPoint.contains("utvkondens.htm"));
    EXPECT_TRUE(dewPoint.contains("innvkondens.htm"));
    EXPECT_FALSE(dewPoint.contains("lyd.htm"));
    const QStringList both = window.Search(QString::fromUtf8("daggpunkt kanalväggens"));
    EXPECT_EQ(both, QStringList{"innvkondens.htm"});
    EXPECT_TRUE(window.Search(QStringLiteral("   ")).isEmpty());
    EXPECT_TRUE(window.Search(QStringLiteral("xyzzy")).isEmpty());

    // Typed into the box, the results list the pages by title and open them.
    TypeText(window.SearchBox(), QStringLiteral("daggpunkt"));
    QTest::keyClick(window.SearchBox(), Qt::Key_Return);
    ASSERT_TRUE(window.Results()->isVisible());
    ASSERT_EQ(window.Results()->count(), dewPoint.size());
    QStringList titles;
    for (int i = 0; i < window.Results()->count(); ++i)
        titles << window.Results()->item(i)->text();
    EXPECT_TRUE(titles.contains(QStringLiteral("Isolering mot utvändig kondens")));
    const int row = int(dewPoint.indexOf("innvkondens.htm"));
    window.Results()->setCurrentRow(row);
    EXPECT_EQ(window.ShownFile(), "innvkondens.htm");

    window.resize(900, 600);
    KeepScreenshot(window.grab().toImage(), QStringLiteral("help-window.png"));
}

TEST(HelpWindowTest, DialogsF1AndTheHelpMenuOpenTheirTopics)
{
    platform::RecordingHelp help;
    platform::ScriptedPrompter prompter;
    platform::MemorySettings settings;
    platform::ScopedServices services({.prompter = &prompter, .settings = &settings, .help = &help});

    CProjectDlg dialog;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_F1);
    ASSERT_EQ(help.topics, std::vector<std::string>{"::/html/prosjekt.htm"});
    dialog.reject();

    StandardDocumentParts parts;
    CVekDoc doc(parts);
    CMainFrame frame(doc);
    // What the document said about its data files is not looked at here.
    prompter.Clear();
    frame.CommandAction(CMainFrame::commandHelpContents)->trigger();
    EXPECT_EQ(help.topics.back(), "::/html/contents.htm");
    EXPECT_TRUE(prompter.Texts().empty());

    // A help that cannot start says so.
    help.available = false;
    frame.CommandAction(CMainFrame::commandHelpContents)->trigger();
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Kan inte starta hjälpprogrammet."});
}

TEST(HelpWindowTest, TheServiceShowsOneWindowOnTheAskedPage)
{
    QtHelpService service(helpFolder);
    EXPECT_FALSE(service.ShowTopic("::/html/no_such_page.htm"));
    ASSERT_TRUE(service.ShowTopic("::/html/lyd_kurve.htm"));
    HelpWindow* window = service.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->ShownFile(), "lyd_kurve.htm");
    ASSERT_TRUE(service.ShowTopic("::/html/okonomi.htm"));
    EXPECT_EQ(service.Window(), window);
    EXPECT_EQ(window->ShownFile(), "okonomi.htm");
    EXPECT_EQ(window->windowModality(), Qt::NonModal);

    // Asked from a modal dialog's "Hjälp", the help must take input, so it
    // comes up modal itself; asked from the main window again, it is not.
    QDialog dialog;
    WhenModalShows([&](QWidget* shown) {
        EXPECT_TRUE(service.ShowTopic("::/html/prosjekt.htm"));
        EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
        EXPECT_TRUE(window->isVisible());
        static_cast<QDialog*>(shown)->reject();
    });
    dialog.exec();
    ASSERT_TRUE(service.ShowTopic("::/html/contents.htm"));
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
}
