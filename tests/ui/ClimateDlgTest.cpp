#include "UiTestSupport.h"
#include "database/CKlima.h"
#include "database/CKlimasted.h"
#include "platform/MemorySettings.h"
#include "platform/RecordingServices.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "ui/CKlimaDlg.h"
#include "ui/CKlimastedDlg.h"
#include "ui/Editors.h"
#include "ui/QtEditorService.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Texts = std::vector<std::string>;

struct ClimateDlgTest : ::testing::Test {
    ClimateDlgTest()
    {
        RegisterEditors(editors);
        settings.SetString("Files", "Climate File", folder.File("tekvar.ort"));
        climate.filePath = folder.File("tekvar.ort");
        add("Stockholm", 6.6f, 3.8f);
        add("Göteborg", 7.9f, 4.2f);
    }
    void add(const char* name, float temperature, float wind)
    {
        auto location = std::make_unique<CKlimasted>();
        location->name = name;
        location->annualMeanTemperature = temperature;
        location->annualMeanWindSpeed = wind;
        location->UpdateDisplayText();
        climate.locations.push_back(std::move(location));
    }
    static QTreeWidget* List(QWidget* d) { return d->findChild<QTreeWidget*>("locations"); }
    static QStringList Lines(QWidget* d)
    {
        QStringList lines;
        QTreeWidget* list = List(d);
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            lines << list->topLevelItem(i)->data(0, Qt::UserRole + 1).toString();
        return lines;
    }
    static void Click(QWidget* d, const char* name) { d->findChild<QPushButton*>(name)->click(); }
    static void Choose(QWidget* d, int row) { List(d)->setCurrentItem(List(d)->topLevelItem(row)); }
    // Fills the location dialog that opens next and presses OK there.
    static void AnswerLocation(const QString& name, const QString& temperature, const QString& wind)
    {
        WhenModalShows([=](QWidget* d) {
            auto* location = static_cast<CKlimastedDlg*>(d);
            location->NameField()->setText(name);
            location->TemperatureField()->setText(temperature);
            location->WindField()->setText(wind);
            location->accept();
        });
    }

    TempFolder folder;
    platform::ScriptedPrompter prompter;
    platform::MemorySettings settings;
    QtEditorService editors;
    platform::RecordingHelp help;
    platform::ScopedServices services{{.prompter = &prompter, .settings = &settings, .editors = &editors, .help = &help}};
    CKlima climate;
};

} // namespace

TEST_F(ClimateDlgTest, AddingKirunaShowsItsLineAndWritesTheFileOnOk)
{
    WhenModalShows([&](QWidget* d) {
        // Sorted by the line; the list itself keeps its order.
        EXPECT_EQ(Lines(d), (QStringList{QString::fromUtf8("Göteborg\t7.9\t4.2"), QStringLiteral("Stockholm\t6.6\t3.8")}));
        EXPECT_EQ(List(d)->topLevelItem(0)->text(1), QStringLiteral("7.9"));
        AnswerLocation(QStringLiteral("Kiruna"), QStringLiteral("-1,2"), QStringLiteral("3.4"));
        Click(d, "new");
        EXPECT_EQ(Lines(d).at(1), QStringLiteral("Kiruna\t-1.2\t3.4"));
        EXPECT_EQ(List(d)->currentItem()->text(0), QStringLiteral("Kiruna"));
        static_cast<QDialog*>(d)->accept();
    });
    ASSERT_TRUE(climate.Edit());
    ASSERT_EQ(climate.locations.size(), 3u);
    EXPECT_EQ(climate.locations[2]->name, "Kiruna");
    ASSERT_NE(climate.selected, nullptr);
    EXPECT_EQ(climate.selected->name, "Kiruna");
    EXPECT_FLOAT_EQ(climate.selected->annualMeanTemperature, -1.2f);

    // The file holds the new list.
    CKlima reread;
    ASSERT_TRUE(reread.Load());
    ASSERT_EQ(reread.locations.size(), 3u);
    EXPECT_EQ(reread.locations[2]->displayText, "Kiruna\t-1.2\t3.4");
}

TEST_F(ClimateDlgTest, OkWithoutChangesWritesNothingAndNeedsAChoice)
{
    WhenModalShows([&](QWidget* d) {
        prompter.Clear();
        static_cast<QDialog*>(d)->accept();
        EXPECT_EQ(prompter.Texts(), Texts{"Du måste välja ort i listan."});
        EXPECT_TRUE(d->isVisible());
        Choose(d, 1);
        static_cast<QDialog*>(d)->accept();
    });
    ASSERT_TRUE(climate.Edit());
    EXPECT_EQ(climate.selected, climate.locations[0].get());
    EXPECT_FALSE(std::filesystem::exists(climate.filePath));
}

TEST_F(ClimateDlgTest, DeletingAsksAndCancelAsksToIgnoreTheChanges)
{
    WhenModalShows([&](QWidget* d) {
        prompter.Clear();
        Click(d, "delete");
        Click(d, "update");
        EXPECT_EQ(prompter.Texts(), (Texts{"Du måste välja ort i listan.", "Du måste välja ort i listan."}));

        prompter.Clear();
        Choose(d, 0);
        prompter.QueueAnswer(platform::Answer::Cancel);
        Click(d, "delete");
        EXPECT_EQ(Lines(d).size(), 2);
        Click(d, "delete");
        EXPECT_EQ(prompter.Texts(), (Texts{"\"Göteborg\" raderas nu!", "\"Göteborg\" raderas nu!"}));
        EXPECT_EQ(Lines(d), QStringList{QStringLiteral("Stockholm\t6.6\t3.8")});

        // OK without choosing another location.
        prompter.Clear();
        static_cast<QDialog*>(d)->accept();
        EXPECT_EQ(prompter.Texts(), Texts{"Du måste välja ort i listan."});

        prompter.Clear();
        prompter.QueueAnswer(platform::Answer::Cancel);
        static_cast<QDialog*>(d)->reject();
        EXPECT_EQ(prompter.Texts(), Texts{"Ignorera förändringar i ortslistan?"});
        EXPECT_TRUE(d->isVisible());
        static_cast<QDialog*>(d)->reject();
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_FALSE(climate.Edit());
    EXPECT_EQ(climate.locations.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(climate.filePath));
}

TEST_F(ClimateDlgTest, UpdateMovesTheLocationToTheEndAndChecksTheName)
{
    WhenModalShows([&](QWidget* d) {
        Choose(d, 1); // Stockholm
        WhenModalShows([&](QWidget* l) {
            auto* location = static_cast<CKlimastedDlg*>(l);
            prompter.Clear();
            location->NameField()->setText(QString::fromUtf8("Göteborg"));
            location->accept();
            location->NameField()->clear();
            location->accept();
            location->NameField()->setText(QStringLiteral("Sthlm"));
            location->TemperatureField()->setText(QStringLiteral("70"));
            location->accept();
            location->TemperatureField()->setText(QStringLiteral("x"));
            location->accept();
            EXPECT_EQ(prompter.Texts(), (Texts{"Detta namn är redan använt.", "Blanka namn är otillåtet!",
                                               "Skriv in ett tal mellan -60 och 60.", "Skriv in ett tal."}));
            EXPECT_TRUE(location->isVisible());
            location->TemperatureField()->setText(QStringLiteral("7"));
            location->accept();
        });
        Click(d, "update");
        EXPECT_EQ(Lines(d), (QStringList{QString::fromUtf8("Göteborg\t7.9\t4.2"), QStringLiteral("Sthlm\t7.0\t3.8")}));
        EXPECT_EQ(List(d)->currentItem()->text(0), QStringLiteral("Sthlm"));

        // Cancelled in its dialog, the location still moves to the end.
        Choose(d, 0);
        WhenModalShows([](QWidget* l) { static_cast<QDialog*>(l)->reject(); });
        Click(d, "update");
        static_cast<QDialog*>(d)->accept();
    });
    ASSERT_TRUE(climate.Edit());
    ASSERT_EQ(climate.locations.size(), 2u);
    EXPECT_EQ(climate.locations[0]->name, "Sthlm");
    EXPECT_EQ(climate.locations[1]->name, "Göteborg");
    EXPECT_EQ(climate.selected, climate.locations[1].get());
    CKlima reread;
    ASSERT_TRUE(reread.Load());
    ASSERT_EQ(reread.locations.size(), 2u);
    EXPECT_EQ(reread.locations[1]->name, "Göteborg");
}
