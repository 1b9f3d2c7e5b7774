#include "UiTestSupport.h"
#include "doc/CVekDoc.h"
#include "modules/StandardDocumentParts.h"
#include "platform/MemorySettings.h"
#include "platform/RecordingServices.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "ui/CAboutDlg.h"
#include "ui/CMainFrame.h"
#include "ui/CNewDocDlg.h"
#include "ui/CTitleDlg.h"
#include "ui/ShellPictures.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using platform::Answer;

namespace {

void clickOk(QDialog& dialog)
{
    auto* box = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

struct StartupTest : ::testing::Test {
    StartupTest()
    {
        frame.SetInfoDialogs({.gettingStarted = [this] { shown.push_back("getting started"); },
                              .welcome = [this] { shown.push_back("welcome"); },
                              .about = [this] { shown.push_back("about"); }});
    }

    std::string settingOf(const char* key) const { return settings.GetString("Settings", key, "(none)"); }

    std::string writeDocument(const std::string& projectName)
    {
        platform::ScriptedPrompter quiet;
        platform::ScopedServices services({.prompter = &quiet});
        CVekDoc other(parts);
        other.NewDocument();
        other.Project().projectName = projectName;
        const std::string path = folder.File("doc.tkv");
        EXPECT_TRUE(other.SaveDocument(path));
        return path;
    }

    platform::MemorySettings settings;
    platform::ScriptedPrompter prompter;
    platform::RecordingHelp help;
    platform::ScopedServices services{{.prompter = &prompter, .settings = &settings, .help = &help}};
    TempFolder folder;
    StandardDocumentParts parts;
    CVekDoc doc{parts};
    CMainFrame frame{doc};
    std::vector<std::string> shown;
};

} // namespace

TEST_F(StartupTest, TheWelcomeShowsOnlyWithoutAFileAndWhileAskedFor)
{
    // Nothing stored: both dialogs show, the getting-started one first.
    frame.StartUp("");
    EXPECT_EQ(shown, (std::vector<std::string>{"getting started", "welcome"}));

    shown.clear();
    settings.SetString("Settings", "HelpWindow", "No");
    settings.SetString("Settings", "NewDocWindow", "No");
    frame.StartUp("");
    EXPECT_TRUE(shown.empty());

    // A file on the command line is opened instead of the welcome, whatever
    // the setting says.
    const std::string path = writeDocument("Pannrum 3");
    settings.SetString("Settings", "HelpWindow", "Yes");
    frame.StartUp(path);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(doc.Project().projectName, "Pannrum 3");
}

TEST_F(StartupTest, NewCommandShowsGettingStartedOnlyForANewDocumentWhileAskedFor)
{
    QAction* newCommand = frame.CommandAction(CMainFrame::commandFileNew);
    newCommand->trigger();
    EXPECT_EQ(shown, std::vector<std::string>{"getting started"});

    // The user keeps the modified document: no new one, no dialog.
    doc.SetModified(true);
    prompter.QueueAnswer(Answer::Cancel);
    newCommand->trigger();
    EXPECT_EQ(shown.size(), 1u);

    settings.SetString("Settings", "NewDocWindow", "No");
    doc.SetModified(false);
    newCommand->trigger();
    EXPECT_EQ(shown.size(), 1u);

    frame.CommandAction(CMainFrame::commandAppAbout)->trigger();
    EXPECT_EQ(shown.back(), "about");
}

TEST(StartupDialogs, WelcomeShowsTheSeasonAndWritesItsBoxOnOk)
{
    platform::MemorySettings settings;
    platform::RecordingHelp help;
    platform::ScopedServices services({.settings = &settings, .help = &help});

    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(SeasonOfMonth(month), month <= 3 || month == 12 ? Season::winter : Season::summer) << month;
    EXPECT_NE(LandscapePicture(Season::winter, {200, 120}), LandscapePicture(Season::summer, {200, 120}));

    CTitleDlg winter(QDate(2026, 3, 31));
    EXPECT_TRUE(winter.ShowsWinter());
    CTitleDlg summer(QDate(2026, 4, 1));
    EXPECT_FALSE(summer.ShowsWinter());
    CTitleDlg december(QDate(2026, 12, 1));
    EXPECT_TRUE(december.ShowsWinter());

    winter.show();
    QTest::keyClick(&winter, Qt::Key_F1);
    EXPECT_EQ(help.topics, std::vector<std::string>{"::/html/contents.htm"});
    winter.DontShowBox()->setChecked(true);
    clickOk(winter);
    EXPECT_EQ(winter.result(), QDialog::Accepted);
    EXPECT_EQ(settings.GetString("Settings", "HelpWindow", ""), "No");

    KeepScreenshot(summer.grab().toImage(), QStringLiteral("welcome-summer.png"));
    KeepScreenshot(december.grab().toImage(), QStringLiteral("welcome-winter.png"));
    summer.show();
    clickOk(summer);
    EXPECT_EQ(settings.GetString("Settings", "HelpWindow", ""), "Yes");
}

TEST(StartupDialogs, GettingStartedBoxFollowsItsSetting)
{
    platform::MemorySettings settings;
    platform::ScopedServices services({.settings = &settings});

    CNewDocDlg first;
    EXPECT_FALSE(first.DontShowBox()->isChecked()) << "shown while nothing is stored";
    EXPECT_EQ(first.windowTitle(), QString::fromUtf8("Hur man kommer igång"));
    first.show();
    first.DontShowBox()->setChecked(true);
    clickOk(first);
    EXPECT_EQ(settings.GetString("Settings", "NewDocWindow", ""), "No");

    CNewDocDlg second;
    EXPECT_TRUE(second.DontShowBox()->isChecked());
    KeepScreenshot(second.grab().toImage(), QStringLiteral("getting-started.png"));
    second.show();
    second.DontShowBox()->setChecked(false);
    clickOk(second);
    EXPECT_EQ(settings.GetString("Settings", "NewDocWindow", ""), "Yes");
}

TEST(StartupDialogs, AboutBoxesRoundTripBothSettingsOnOkOnly)
{
    platform::MemorySettings settings;
    platform::ScopedServices services({.settings = &settings});
    settings.SetString("Settings", "HelpWindow", "Yes");
    settings.SetString("Settings", "NewDocWindow", "No");

    {
        CAboutDlg about;
        EXPECT_TRUE(about.WelcomeBox()->isChecked());
        EXPECT_FALSE(about.GettingStartedBox()->isChecked());
        EXPECT_TRUE(about.Information()->text().contains("4.01"));
        EXPECT_EQ(about.WelcomeBox()->text(), QString::fromUtf8("Visa dialogruta med välkomstbild vid uppstart"));
        KeepScreenshot(about.grab().toImage(), QStringLiteral("about.png"));
        about.show();
        about.WelcomeBox()->setChecked(false);
        about.GettingStartedBox()->setChecked(true);
        about.reject();
    }
    EXPECT_EQ(settings.GetString("Settings", "HelpWindow", ""), "Yes") << "Cancel writes nothing";
    EXPECT_EQ(settings.GetString("Settings", "NewDocWindow", ""), "No");

    {
        CAboutDlg about;
        about.show();
        about.WelcomeBox()->setChecked(false);
        about.GettingStartedBox()->setChecked(true);
        clickOk(about);
    }
    EXPECT_EQ(settings.GetString("Settings", "HelpWindow", ""), "No");
    EXPECT_EQ(settings.GetString("Settings", "NewDocWindow", ""), "Yes");

    CAboutDlg again;
    EXPECT_FALSE(again.WelcomeBox()->isChecked());
    EXPECT_TRUE(again.GettingStartedBox()->isChecked());
}
