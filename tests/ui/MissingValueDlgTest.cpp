#include "UiTestSupport.h"
#include "platform/RecordingServices.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "ui/CDatabaseverdiBorteDlg.h"
#include "ui/QtReplacementChooser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> liquids{"Vatten", "Etylenglykol 30 %", "Propylenglykol 25 %", "Kalciumklorid 20 %"};
const std::string explanation = "Vätskan Glykol är borttagen från databasen efter att filen blev sparad.";

struct MissingValueDlgTest : ::testing::Test {
    platform::ScriptedPrompter prompter;
    platform::RecordingHelp help;
    platform::ScopedServices services{{.prompter = &prompter, .help = &help}};
};

} // namespace

TEST_F(MissingValueDlgTest, ShowsTheNamesSortedWithTheListsFirstItemChosen)
{
    CDatabaseverdiBorteDlg dialog(explanation, liquids);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Databasvärde saknas "));
    EXPECT_EQ(dialog.findChild<QLabel*>("explanation")->text().toStdString(), explanation);

    auto* choice = dialog.findChild<QComboBox*>("choice");
    ASSERT_EQ(choice->count(), 4);
    EXPECT_EQ(choice->itemText(0), QStringLiteral("Etylenglykol 30 %"));
    EXPECT_EQ(choice->itemText(3), QStringLiteral("Vatten"));
    // The preselection is the list's first item, not the first line.
    EXPECT_EQ(choice->currentText(), QStringLiteral("Vatten"));
    EXPECT_EQ(dialog.Chosen(), 0);

    // The index handed back is the item's place in the list.
    choice->setCurrentIndex(choice->findText(QStringLiteral("Propylenglykol 25 %")));
    EXPECT_EQ(dialog.Chosen(), 2);

    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    EXPECT_EQ(buttons->buttons().size(), 1) << "only OK: there is no way out without a choice";
}

TEST_F(MissingValueDlgTest, EscapeAndClosingExplainAndKeepTheDialogOpen)
{
    CDatabaseverdiBorteDlg dialog(explanation, liquids);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>(2, "Man måste välja ett värde i rullgardinen och trycka OK för att komma vidare"));

    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(help.topics, std::vector<std::string>{"dbverdiborte"});
    CEgendefDatabaseverdiBorteDlg own(explanation, liquids);
    EXPECT_EQ(own.HelpTopic(), "egenedefdbverdiborte");

    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(MissingValueDlgTest, TheChooserReturnsWhatTheUserPicked)
{
    QtReplacementChooser chooser;
    for (auto source : {platform::ReplacementSource::Database, platform::ReplacementSource::UserDatabase}) {
        WhenModalShows([source](QWidget* dialog) {
            EXPECT_EQ(dynamic_cast<CEgendefDatabaseverdiBorteDlg*>(dialog) != nullptr,
                      source == platform::ReplacementSource::UserDatabase);
            auto* choice = dialog->findChild<QComboBox*>("choice");
            choice->setCurrentIndex(choice->findText(QStringLiteral("Kalciumklorid 20 %")));
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        EXPECT_EQ(chooser.Choose(explanation, liquids, source), 3);
    }
}
