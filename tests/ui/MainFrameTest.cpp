#include "UiTestSupport.h"
#include "doc/CVekDoc.h"
#include "modules/StandardDocumentParts.h"
#include "database/Catalogue.h"
#include "ui/CKlimaDlg.h"
#include "ui/CKostnadDlg.h"
#include "platform/MemorySettings.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "ui/CMainFrame.h"
#include "ui/CProjectDlg.h"
#include "ui/CVekView.h"
#include "ui/Editors.h"
#include "ui/QtEditorService.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <fstream>

using platform::Answer;
using Texts = std::vector<std::string>;

namespace {

QString menuText(const QAction* action)
{
    QString text = action->text();
    if (!action->shortcut().isEmpty())
        text += QLatin1Char('\t') + action->shortcut().toString(QKeySequence::PortableText);
    return text;
}

struct MainFrameTest : ::testing::Test {
    MainFrameTest()
    {
        RegisterEditors(editors);
        auto scripted = std::make_unique<ScriptedFileChooser>();
        files = scripted.get();
        frame.SetFileChooser(std::move(scripted));
        frame.OnFileNew();
        // Whatever the document said while it was made (its data files are
        // not in the test's folder) is not what the tests look at.
        prompter.Clear();
    }

    void show()
    {
        frame.showNormal();
        frame.setGeometry(40, 40, 1000, 700);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }

    void clickTab(int index)
    {
        QTabBar* tabs = frame.ModuleTabs();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }

    QString title() const { return frame.windowTitle(); }

    std::vector<int> checkedModules() const
    {
        std::vector<int> checked;
        for (int i = 0; i < ModuleCount; ++i)
            if (frame.ModuleAction(i)->isChecked())
                checked.push_back(i);
        return checked;
    }

    QStringList fileMenuTexts() const
    {
        QStringList texts;
        for (const QAction* action : frame.menuBar()->actions().first()->menu()->actions())
            if (!action->isSeparator())
                texts << menuText(action);
        return texts;
    }

    // A document file as the program writes it, with a project name to know it by.
    std::string writeDocument(const std::string& name, const std::string& projectName)
    {
        platform::ScriptedPrompter quiet;
        platform::ScopedServices services({.prompter = &quiet});
        CVekDoc other(parts);
        other.NewDocument();
        other.Project().projectName = projectName;
        const std::string path = folder.File(name);
        EXPECT_TRUE(other.SaveDocument(path));
        return path;
    }

    platform::MemorySettings settings;
    platform::ScriptedPrompter prompter;
    QtEditorService editors;
    platform::ScopedServices services{{.prompter = &prompter, .settings = &settings, .editors = &editors}};
    TempFolder folder;
    StandardDocumentParts parts;
    CVekDoc doc{parts};
    CMainFrame frame{doc};
    ScriptedFileChooser* files = nullptr;
};

} // namespace

TEST_F(MainFrameTest, MenusCarryTheirExactTextsShortcutsAndPrompts)
{
    const std::vector<std::pair<QString, QStringList>> expected = {
        {"&Arkiv",
         {"&Nytt\tCtrl+N", QString::fromUtf8("&Öppna...\tCtrl+O"), "S&para\tCtrl+S", "Spara so&m...",
          "&Skriv &ut...\tCtrl+P", QString::fromUtf8("Förhands&granska"), QString::fromUtf8("Skrivar&inställning..."),
          "&Avsluta"}},
        {"&Redigera",
         {"&Kopiera till Urklipp\tCtrl+C", "&Projektinformation..", "&Indata...",
          "&Beskrivningstexter AMA VVS  KYL 12...", "&Databas..."}},
        {"Vi&sa",
         {"&Knapprader", QString::fromUtf8("&Värmeförlust"), QString::fromUtf8("Temperaturändring i &rör/kanaler"),
          "Temperatur i &tank", QString::fromUtf8("&Utvändig kondens"), QString::fromUtf8("&Invändig kondens"),
          "&Frysskydd", QString::fromUtf8("&Ljuddämpning"), "&Ekonomisk isolering"}},
        {QString::fromUtf8("&Hjälp"), {QString::fromUtf8("&Innehåll\tF1"), QString::fromUtf8("&Om Tekvar®...")}},
    };
    const QList<QAction*> menus = frame.menuBar()->actions();
    ASSERT_EQ(menus.size(), qsizetype(expected.size()));
    for (std::size_t m = 0; m < expected.size(); ++m) {
        EXPECT_EQ(menus[qsizetype(m)]->text(), expected[m].first);
        QStringList texts;
        for (const QAction* action : menus[qsizetype(m)]->menu()->actions())
            if (!action->isSeparator())
                texts << menuText(action);
        EXPECT_EQ(texts, expected[m].second);
    }

    const std::pair<int, const char*> prompts[] = {
        {32782, "Redigera indatavärden"},
        {32783, "Redigera databas"},
        {32784, "Redigera projektinformation"},
        {32799, "Redigera beskrivningstekster"},
        {32794, "Akivera värmeforlustmodul"},
        {32790, "Akivera modul för temperaturändring i rör/kanaler"},
        {32792, "Akivera modul för temperaturändring i tank"},
        {32795, "Akivera modul för utvändig kondens"},
        {32796, "Akivera modul för invendig kondens"},
        {32787, "Akivera modul för frysskydd"},
        {32788, "Akivera modul för ljuddämpning"},
        {32789, "Akivera modul för ekonomisk isolering"},
    };
    for (const auto& [command, prompt] : prompts) {
        ASSERT_NE(frame.CommandAction(command), nullptr) << command;
        EXPECT_EQ(frame.CommandAction(command)->statusTip(), QString::fromUtf8(prompt)) << command;
    }

    QStringList tabs;
    for (int i = 0; i < frame.ModuleTabs()->count(); ++i)
        tabs << frame.ModuleTabs()->tabText(i);
    EXPECT_EQ(tabs, QStringList({QString::fromUtf8("Värmeförlust"), QString::fromUtf8("Strömmande medie"),
                                 "Tanktemperatur", "Utv. kondensering", "Inv. kondensering",
                                 QString::fromUtf8("Frostskydd/Uppvärmning"), QString::fromUtf8("Ljuddämpning"),
                                 "Ekonomi"}));
}

TEST_F(MainFrameTest, CommandsWithoutTheirPartYetAreDisabledAndInputFollowsTheEditors)
{
    // Copy waits for a selected table or graph.
    for (int command : {57634})
        EXPECT_FALSE(frame.CommandAction(command)->isEnabled()) << command;
    for (int command : {57600, 57601, 57603, 57604, 57607, 57609, 57606, 57665, 32783, 32784, 59392, 57666, 57664, 32799})
        EXPECT_TRUE(frame.CommandAction(command)->isEnabled()) << command;

    // "Indata..." is on exactly for a module whose editor exists. The test
    // takes module 2's editor as its own and, for the command's off state, a
    // module without one: with none registered for its class name.
    QAction* input = frame.CommandAction(CVekDoc::commandEditInput);
    EXPECT_TRUE(input->isEnabled());
    int opened = 0;
    {
        QtEditorService some;
        some.Register(GetModuleInfo(2).className, [&](CItem&, QWidget*) {
            ++opened;
            return false;
        });
        platform::ScopedServices someEditors({.prompter = &prompter, .settings = &settings, .editors = &some});
        frame.ModuleAction(3)->trigger();
        EXPECT_FALSE(input->isEnabled());
        frame.ModuleAction(2)->trigger();
        EXPECT_TRUE(input->isEnabled());
        input->trigger();
        EXPECT_EQ(opened, 1);
        frame.ModuleAction(3)->trigger();
        EXPECT_FALSE(input->isEnabled());
        input->trigger();
        EXPECT_EQ(opened, 1) << "a disabled command stays without effect";
    }

    // While a module's input is edited, "Ortsdata..." and "Kostnadsdata..."
    // reach the document's climate locations and cost list, and only then.
    auto* catalogue = dynamic_cast<Catalogue*>(doc.Catalogue());
    ASSERT_NE(catalogue, nullptr);
    editors.Register(GetModuleInfo(7).className, [&](CItem&, QWidget*) {
        EXPECT_EQ(CostData(), &catalogue->costs);
        EXPECT_EQ(ClimateLocations(), &catalogue->climate);
        ++opened;
        return false;
    });
    frame.ModuleAction(7)->trigger();
    input->trigger();
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(CostData(), nullptr);
    EXPECT_EQ(ClimateLocations(), nullptr);

    // Without the project's editor its command is off too.
    QtEditorService none;
    platform::ScopedServices noEditors({.prompter = &prompter, .settings = &settings, .editors = &none});
    CMainFrame bare(doc);
    EXPECT_FALSE(bare.CommandAction(CVekDoc::commandEditProject)->isEnabled());
    EXPECT_FALSE(bare.CommandAction(CVekDoc::commandEditDatabase)->isEnabled());
}

TEST_F(MainFrameTest, TabClickAndViewMenuLeadToTheSameState)
{
    show();
    EXPECT_EQ(checkedModules(), std::vector<int>{0});
    EXPECT_FALSE(doc.IsModified());

    clickTab(5);
    const int activeByTab = doc.ActiveModule();
    const std::vector<int> checkedByTab = checkedModules();
    const int tabByTab = frame.ModuleTabs()->currentIndex();
    EXPECT_TRUE(doc.IsModified());

    prompter.QueueAnswer(Answer::No);
    frame.OnFileNew();
    EXPECT_EQ(frame.ModuleTabs()->currentIndex(), 0) << "a new document shows the first module";
    EXPECT_EQ(checkedModules(), std::vector<int>{0});
    EXPECT_FALSE(doc.IsModified());

    frame.ModuleAction(5)->trigger();
    EXPECT_EQ(doc.ActiveModule(), activeByTab);
    EXPECT_EQ(checkedModules(), checkedByTab);
    EXPECT_EQ(frame.ModuleTabs()->currentIndex(), tabByTab);
    EXPECT_EQ(activeByTab, 5);
    EXPECT_EQ(checkedByTab, std::vector<int>{5});
    EXPECT_TRUE(doc.IsModified());

    // Choosing the shown module again keeps its check mark.
    frame.ModuleAction(5)->trigger();
    EXPECT_EQ(checkedModules(), std::vector<int>{5});
}

TEST_F(MainFrameTest, ToolbarCommandShowsAndHidesTheToolbar)
{
    show();
    QAction* toolbar = frame.CommandAction(CMainFrame::commandViewToolbar);
    EXPECT_TRUE(toolbar->isChecked());
    toolbar->trigger();
    EXPECT_FALSE(frame.ToolBar()->isVisible());
    EXPECT_FALSE(toolbar->isChecked());
    toolbar->trigger();
    EXPECT_TRUE(frame.ToolBar()->isVisible());
    EXPECT_TRUE(toolbar->isChecked());

    // The buttons are the menu commands themselves, so they are on and off
    // with them; each has its tooltip, a status-bar text and a picture.
    QList<QAction*> buttons;
    for (QAction* action : frame.ToolBar()->actions())
        if (!action->isSeparator())
            buttons << action;
    const int commands[] = {57600, 57601, 57603, 57607, 57609, 57634, 32782, 32784, 32783, 57666};
    ASSERT_EQ(buttons.size(), qsizetype(std::size(commands)));
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        EXPECT_EQ(buttons[qsizetype(i)], frame.CommandAction(commands[i])) << commands[i];
        EXPECT_FALSE(buttons[qsizetype(i)]->toolTip().isEmpty()) << commands[i];
        EXPECT_FALSE(buttons[qsizetype(i)]->statusTip().isEmpty()) << commands[i];
        EXPECT_FALSE(buttons[qsizetype(i)]->icon().isNull()) << commands[i];
    }
    EXPECT_EQ(frame.CommandAction(32782)->toolTip(), "Indata...");

    // A module without its input dialog has its "Indata..." button off: with
    // editors where only the heat loss module has one.
    {
        QtEditorService some;
        some.Register(GetModuleInfo(0).className, [](CItem&, QWidget*) { return false; });
        platform::ScopedServices someEditors({.prompter = &prompter, .settings = &settings, .editors = &some});
        frame.ModuleAction(3)->trigger();
        auto* inputButton = frame.ToolBar()->widgetForAction(frame.CommandAction(32782));
        ASSERT_NE(inputButton, nullptr);
        EXPECT_FALSE(inputButton->isEnabled());
        frame.ModuleAction(0)->trigger();
        EXPECT_TRUE(inputButton->isEnabled());
    }

    // Hovering a button puts its text in the status bar.
    QTest::mouseMove(frame.ToolBar()->widgetForAction(frame.CommandAction(57601)));
    QTRY_COMPARE(frame.statusBar()->currentMessage(), QString::fromUtf8("Öppna ett befintligt dokument"));
    KeepScreenshot(frame.grab().toImage(), QStringLiteral("main-window.png"));
}

TEST_F(MainFrameTest, SaveAsNamesTheDocumentInTheTitle)
{
    EXPECT_EQ(title(), QString::fromUtf8("NyFil - Tekvar®"));

    files->answers = {""};
    EXPECT_FALSE(frame.OnFileSave()) << "cancelled in the save dialog";
    EXPECT_EQ(files->proposals, Texts{"NyFil.tkv"});
    EXPECT_EQ(title(), QString::fromUtf8("NyFil - Tekvar®"));

    const std::string path = folder.File("kylrör.tkv");
    files->answers = {path};
    EXPECT_TRUE(frame.OnFileSave());
    EXPECT_EQ(title(), QString::fromUtf8("kylrör.tkv - Tekvar®"));
    EXPECT_EQ(doc.PathName(), path);
    EXPECT_TRUE(std::ifstream(path).good());

    // Saving a named document asks for no name; "Spara som" proposes the current one.
    frame.ModuleAction(1)->trigger();
    EXPECT_TRUE(frame.OnFileSave());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(files->proposals.size(), 2u);
    files->answers = {folder.File("kopia.tkv")};
    EXPECT_TRUE(frame.OnFileSaveAs());
    EXPECT_EQ(files->proposals.back(), path);
    EXPECT_EQ(title(), QString::fromUtf8("kopia.tkv - Tekvar®"));
    EXPECT_EQ(prompter.Texts(), Texts{});
}

TEST_F(MainFrameTest, AModifiedDocumentIsOfferedForSavingBeforeItIsReplaced)
{
    frame.ModuleAction(3)->trigger();
    ASSERT_TRUE(doc.IsModified());

    // Cancel keeps everything as it was.
    prompter.QueueAnswer(Answer::Cancel);
    frame.OnFileNew();
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0].text, "Spara förändringar i NyFil?");
    EXPECT_EQ(prompter.Messages()[0].buttons, platform::Buttons::YesNoCancel);
    EXPECT_EQ(prompter.Messages()[0].icon, platform::Icon::Question);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.ActiveModule(), 3);

    // Yes, then cancelling the save dialog, also keeps it.
    prompter.QueueAnswer(Answer::Yes);
    files->answers = {""};
    frame.OnFileNew();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.ActiveModule(), 3);

    // Yes and a name saves it, then starts the new document.
    const std::string path = folder.File("sparad.tkv");
    prompter.QueueAnswer(Answer::Yes);
    files->answers = {path};
    frame.OnFileNew();
    EXPECT_TRUE(std::ifstream(path).good());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.ActiveModule(), 0);
    EXPECT_EQ(title(), QString::fromUtf8("NyFil - Tekvar®"));

    // No gives the changes up; an unmodified document asks nothing.
    frame.ModuleAction(6)->trigger();
    prompter.Clear();
    prompter.QueueAnswer(Answer::No);
    frame.OnFileNew();
    frame.OnFileNew();
    EXPECT_EQ(prompter.Texts(), Texts{"Spara förändringar i NyFil?"});
    EXPECT_EQ(doc.ActiveModule(), 0);
}

TEST_F(MainFrameTest, AFailedSaveKeepsTheDocumentOpen)
{
    frame.ModuleAction(4)->trigger();
    prompter.QueueAnswer(Answer::Yes);
    const std::string unreachable = folder.File("saknas/mapp/x.tkv");
    files->answers = {unreachable};
    frame.OnFileNew();
    ASSERT_EQ(prompter.Texts().size(), 2u);
    EXPECT_NE(prompter.Texts()[1].find(unreachable), std::string::npos) << prompter.Texts()[1];
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.ActiveModule(), 4);
    EXPECT_EQ(title(), QString::fromUtf8("NyFil - Tekvar®"));
}

TEST_F(MainFrameTest, AFailedOpenShowsWhyAndLeavesTheDocumentAsItWas)
{
    const std::string good = writeDocument("bra.tkv", "Kylrör");
    files->answers = {good};
    frame.OnFileOpen();
    ASSERT_EQ(doc.Project().projectName, "Kylrör");
    frame.ModuleAction(2)->trigger();

    const std::string missing = folder.File("borta.tkv");
    const std::string garbage = folder.File("skräp.tkv");
    std::ofstream(garbage) << "inget dokument";
    struct Case {
        std::string path;
        std::string message;
    };
    const Case cases[] = {
        {missing, missing + "\nKan inte hitta denna filen.\nKontrollera sökväg och filnamn."},
        {garbage, "Ett fel uppstod vid läsning av " + garbage + "."},
    };
    for (const Case& c : cases) {
        prompter.Clear();
        prompter.QueueAnswer(Answer::No);
        files->answers = {c.path};
        frame.OnFileOpen();
        EXPECT_EQ(prompter.Texts(), (Texts{"Spara förändringar i bra.tkv?", c.message}));
        EXPECT_EQ(title(), QString::fromUtf8("bra.tkv - Tekvar®"));
        EXPECT_EQ(doc.PathName(), good);
        EXPECT_EQ(doc.ActiveModule(), 2);
        EXPECT_EQ(doc.Project().projectName, "Kylrör");
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(frame.RecentFiles().Files(), Texts{good});
    }

    // Opening the document that is open keeps it, changes and all, without asking.
    prompter.Clear();
    files->answers = {good};
    frame.OnFileOpen();
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(MainFrameTest, RecentFilesFollowSavesAndOpensAndLoseFilesThatAreGone)
{
    const std::string a = writeDocument("a.tkv", "A");
    const std::string b = folder.File("b & c.tkv");
    files->answers = {a};
    frame.OnFileOpen();
    files->answers = {b};
    frame.OnFileSaveAs();
    EXPECT_EQ(frame.RecentFiles().Files(), (Texts{b, a}));
    EXPECT_EQ(settings.GetString("Recent File List", "File1", ""), b);
    EXPECT_EQ(settings.GetString("Recent File List", "File2", ""), a);

    QStringList texts = fileMenuTexts();
    const qsizetype exit = texts.indexOf("&Avsluta");
    ASSERT_GE(exit, 2);
    EXPECT_TRUE(texts[exit - 2].startsWith("&1 ") && texts[exit - 2].endsWith("b && c.tkv")) << texts[exit - 2].toStdString();
    EXPECT_TRUE(texts[exit - 1].startsWith("&2 ") && texts[exit - 1].endsWith("a.tkv")) << texts[exit - 1].toStdString();

    frame.OnOpenRecentFile(1);
    EXPECT_EQ(doc.Project().projectName, "A");
    EXPECT_EQ(frame.RecentFiles().Files(), (Texts{a, b}));

    // Cancelling the save question is no reason to forget a file.
    frame.ModuleAction(1)->trigger();
    prompter.QueueAnswer(Answer::Cancel);
    frame.OnOpenRecentFile(1);
    EXPECT_EQ(frame.RecentFiles().Files(), (Texts{a, b}));

    std::filesystem::remove(b);
    prompter.Clear();
    prompter.QueueAnswer(Answer::No);
    frame.OnOpenRecentFile(1);
    EXPECT_EQ(prompter.Texts(),
              (Texts{"Spara förändringar i a.tkv?", b + "\nKan inte hitta denna filen.\nKontrollera sökväg och filnamn."}));
    EXPECT_EQ(frame.RecentFiles().Files(), Texts{a});
    EXPECT_EQ(settings.GetString("Recent File List", "File2", "?"), "");
    EXPECT_EQ(fileMenuTexts().filter(QStringLiteral("b && c")).size(), 0);

    // A new window finds the list where the last one left it.
    CMainFrame next(doc);
    EXPECT_EQ(next.RecentFiles().Files(), Texts{a});
}

TEST_F(MainFrameTest, ClosingAsksForAModifiedDocumentAndCanBeCancelled)
{
    show();
    frame.ModuleAction(1)->trigger();
    prompter.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_FALSE(settings.Contains("Window", "show")) << "the placement is written only when the window goes";

    prompter.QueueAnswer(Answer::No);
    EXPECT_TRUE(frame.close());
    EXPECT_TRUE(settings.Contains("Window", "show"));
    EXPECT_EQ(prompter.Texts().size(), 2u);
}

TEST_F(MainFrameTest, ProjectCommandEditsTheProjectThroughItsDialog)
{
    WhenModalShows([](QWidget* dialog) {
        auto* project = qobject_cast<CProjectDlg*>(dialog);
        ASSERT_NE(project, nullptr);
        TypeText(project->ResponsibleField(), QString::fromUtf8("Åsa Ek"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    frame.CommandAction(CVekDoc::commandEditProject)->trigger();
    EXPECT_EQ(doc.Project().responsible, "Åsa Ek");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(MainFrameTest, ShowsTheModuleTabsOverAWhitePage)
{
    show();
    clickTab(1);
    const QImage shot = frame.grab().toImage();
    KeepScreenshot(shot, QStringLiteral("huvudfonster.png"));

    const CVekView* view = frame.View();
    // The paper is the viewport: the scroll bars of a long page lie beside it.
    const QRect page(view->viewport()->mapTo(&frame, QPoint(0, 0)), view->viewport()->size());
    ASSERT_GT(page.width(), 500);
    ASSERT_GT(page.height(), 300);
    for (const QPoint& point : {page.topLeft() + QPoint(2, 2), page.center(), page.bottomRight() - QPoint(2, 2)})
        EXPECT_EQ(shot.pixelColor(point * shot.devicePixelRatio()), QColor(Qt::white)) << point.x() << "," << point.y();

    // The tabs sit between the toolbar and the page, all of them readable.
    const QTabBar* tabs = frame.ModuleTabs();
    EXPECT_GE(tabs->mapTo(&frame, QPoint(0, 0)).y(), frame.ToolBar()->geometry().bottom());
    EXPECT_LE(tabs->mapTo(&frame, QPoint(0, tabs->height())).y(), page.top());
    EXPECT_LE(tabs->tabRect(ModuleCount - 1).right(), tabs->width());
}
