#include "UiTestSupport.h"
#include "doc/CProject.h"
#include "ui/FileChooser.h"
#include "ui/QtEditorService.h"
#include "ui/QtPrompter.h"
#include "ui/QtSettingsStore.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

using platform::Answer;
using platform::Buttons;
using platform::Icon;

TEST(QtSettingsStore, KeepsSectionAndKeyAsOneSettingsPathAcrossRuns)
{
    TempFolder folder;
    const QString file = QString::fromStdString(folder.File("tekvar.ini"));
    {
        QtSettingsStore store(file);
        store.SetInt("Window", "left", -12);
        store.SetString("Recent File List", "File1", "/hem/ärende/rör.tkv");
        store.SetString("Window", "top", "inget tal");
    }
    // Another run of the program, and any other reader of the same settings.
    QtSettingsStore store(file);
    EXPECT_EQ(store.GetInt("Window", "left", 0), -12);
    EXPECT_EQ(store.GetString("Recent File List", "File1", ""), "/hem/ärende/rör.tkv");
    EXPECT_EQ(store.GetInt("Window", "top", 77), 77) << "a value that is no number reads as missing";
    EXPECT_EQ(store.GetInt("Window", "right", 5), 5);
    EXPECT_EQ(store.GetString("Settings", "HelpWindow", "Yes"), "Yes");
    QSettings raw(file, QSettings::IniFormat);
    EXPECT_EQ(raw.value("Window/left").toInt(), -12);
    EXPECT_EQ(raw.value("Recent File List/File1").toString(), QString::fromUtf8("/hem/ärende/rör.tkv"));
}

namespace {

struct BoxCase {
    Buttons buttons;
    Icon icon;
    QMessageBox::StandardButton press; // NoButton: press Escape
    Answer answer;
    QMessageBox::Icon shownIcon;
    QStringList labels;
};

} // namespace

TEST(QtPrompter, ShowsTheButtonsAndIconAskedForAndAnswersWithTheButtonPressed)
{
    const BoxCase cases[] = {
        {Buttons::Ok, Icon::Exclamation, QMessageBox::Ok, Answer::Ok, QMessageBox::Warning, {"OK"}},
        {Buttons::OkCancel, Icon::Stop, QMessageBox::Cancel, Answer::Cancel, QMessageBox::Critical, {"OK", "Avbryt"}},
        {Buttons::YesNo, Icon::Question, QMessageBox::No, Answer::No, QMessageBox::Question, {"Ja", "Nej"}},
        {Buttons::YesNoCancel, Icon::Information, QMessageBox::Yes, Answer::Yes, QMessageBox::Information,
         {"Ja", "Nej", "Avbryt"}},
        {Buttons::YesNoCancel, Icon::Question, QMessageBox::NoButton, Answer::Cancel, QMessageBox::Question,
         {"Ja", "Nej", "Avbryt"}},
        {Buttons::YesNo, Icon::None, QMessageBox::NoButton, Answer::No, QMessageBox::NoIcon, {"Ja", "Nej"}},
    };
    QtPrompter prompter;
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(int(&c - cases));
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList labels;
        WhenModalShows([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            for (QAbstractButton* button : box->buttons())
                labels << button->text();
            if (c.press == QMessageBox::NoButton)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(c.press)->click();
        });
        EXPECT_EQ(prompter.Ask("Spara förändringar i NyFil?", c.buttons, c.icon), c.answer);
        EXPECT_EQ(title, "Tekvar");
        EXPECT_EQ(text, QString::fromUtf8("Spara förändringar i NyFil?"));
        EXPECT_EQ(icon, c.shownIcon);
        labels.sort();
        QStringList expected = c.labels;
        expected.sort();
        EXPECT_EQ(labels, expected);
    }
}

TEST(QtPrompter, EnterGivesTheDefaultAnswer)
{
    QtPrompter prompter;
    for (Buttons buttons : {Buttons::Ok, Buttons::OkCancel, Buttons::YesNo, Buttons::YesNoCancel}) {
        WhenModalShows([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
        EXPECT_EQ(prompter.Ask("?", buttons, Icon::Question), platform::DefaultAnswer(buttons));
    }
}

TEST(QtEditorService, EditsOnlyTheClassesItHasAnEditorFor)
{
    QtEditorService editors;
    CProject project;
    CListItem other;
    EXPECT_FALSE(editors.CanEdit(project));
    EXPECT_FALSE(editors.Edit(project));

    // An editor of a base class must not open on a derived item.
    editors.Register("CItem", [](CItem&, QWidget*) { return true; });
    EXPECT_FALSE(editors.CanEdit(project));

    std::vector<CItem*> edited;
    bool confirm = true;
    editors.Register("CProject", [&](CItem& item, QWidget*) {
        edited.push_back(&item);
        static_cast<CProject&>(item).projectName = "Ny";
        return confirm;
    });
    EXPECT_TRUE(editors.CanEdit(project));
    EXPECT_FALSE(editors.CanEdit(other));
    EXPECT_TRUE(editors.Edit(project));
    confirm = false;
    EXPECT_FALSE(editors.Edit(project));
    EXPECT_FALSE(editors.Edit(other));
    EXPECT_EQ(edited, (std::vector<CItem*>{&project, &project}));
    EXPECT_EQ(project.projectName, "Ny");
}

TEST(QtFileChooser, OffersOnlyDocumentsAndSavesUnderTheirExtension)
{
    TempFolder folder;
    QtFileChooser chooser;
    QStringList filters;
    QString startFolder;
    WhenModalShows([&](QWidget* shown) {
        auto* dialog = qobject_cast<QFileDialog*>(shown);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        startFolder = dialog->directory().absolutePath();
        dialog->selectFile(QString::fromUtf8("kylrör"));
        static_cast<QDialog*>(dialog)->accept(); // as the Save or Open button does
    });
    const std::string saved = chooser.ChooseSave(nullptr, folder.File("NyFil.tkv"));
    // The open dialog below would wait on a file that is not there.
    ASSERT_EQ(saved, folder.File("kylrör.tkv"));
    EXPECT_EQ(filters, QStringList{"TekvarDok (*.tkv)"});
    EXPECT_EQ(startFolder.toStdString(), std::filesystem::path(folder.File("")).parent_path().string());

    std::ofstream(saved) << "x";
    WhenModalShows([&](QWidget* shown) {
        auto* dialog = qobject_cast<QFileDialog*>(shown);
        ASSERT_NE(dialog, nullptr);
        startFolder = dialog->directory().absolutePath();
        dialog->selectFile(QString::fromUtf8("kylrör.tkv"));
        static_cast<QDialog*>(dialog)->accept(); // as the Save or Open button does
    });
    EXPECT_EQ(chooser.ChooseOpen(nullptr), saved);
    EXPECT_EQ(startFolder.toStdString(), std::filesystem::path(saved).parent_path().string())
        << "opens where the last dialog ended";
}
