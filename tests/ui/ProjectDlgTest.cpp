#include "UiTestSupport.h"
#include "doc/CProject.h"
#include "doc/CVekDoc.h"
#include "modules/StandardDocumentParts.h"
#include "platform/RecordingServices.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "ui/CProjectDlg.h"
#include "ui/Editors.h"
#include "ui/LimitedTextEdit.h"
#include "ui/QtEditorService.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QPushButton* dialogButton(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    return dialog->findChild<QDialogButtonBox*>()->button(which);
}

} // namespace

TEST(ProjectDlg, TypingStopsAtEachFieldsLimit)
{
    CProjectDlg dialog;
    dialog.show();
    QTest::keyClicks(dialog.ResponsibleField(), QString(70, QLatin1Char('a')));
    QTest::keyClicks(dialog.ProjectNameField(), QString(61, QLatin1Char('b')));
    QTest::keyClicks(dialog.ReferenceField(), QString(300, QLatin1Char('c')));
    // In the file a line break takes two characters, so after 250 characters
    // and a break only three more fit.
    QTest::keyClicks(dialog.CommentField(), QString(250, QLatin1Char('d')));
    QTest::keyClick(dialog.CommentField(), Qt::Key_Return);
    QTest::keyClicks(dialog.CommentField(), QStringLiteral("efghij"));

    const CProjectDlg::Values values = dialog.project();
    EXPECT_EQ(values.responsible, std::string(60, 'a'));
    EXPECT_EQ(values.projectName, std::string(60, 'b'));
    EXPECT_EQ(values.reference, std::string(255, 'c'));
    EXPECT_EQ(values.comment, std::string(250, 'd') + "\r\nefg");

    // A break typed when one character is left does not fit at all.
    LimitedTextEdit* reference = dialog.ReferenceField();
    reference->SetText(std::string(254, 'x'));
    reference->moveCursor(QTextCursor::End);
    QTest::keyClick(reference, Qt::Key_Return);
    EXPECT_EQ(reference->Text(), std::string(254, 'x'));

    // A paste into the middle keeps what fits of it and all the text around it,
    // and undo takes the paste back as a whole.
    reference->SetText(std::string(250, 'x'));
    QTextCursor cursor = reference->textCursor();
    cursor.setPosition(100);
    reference->setTextCursor(cursor);
    QGuiApplication::clipboard()->setText(QStringLiteral("0123456789"));
    reference->paste();
    EXPECT_EQ(reference->Text(), std::string(100, 'x') + "01234" + std::string(150, 'x'));
    reference->undo();
    EXPECT_EQ(reference->Text(), std::string(250, 'x'));

    // Pasting over a selection frees its characters first; pasted line ends
    // of any kind become line breaks of two characters.
    cursor.setPosition(0);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    reference->setTextCursor(cursor);
    QGuiApplication::clipboard()->setText(QStringLiteral("ab\r\ncd\nefghijklmn"));
    reference->paste();
    EXPECT_EQ(reference->Text(), "ab\r\ncd\r\nefghijk" + std::string(240, 'x'));

    // A text set as a whole is cut at its end.
    dialog.CommentField()->SetText(std::string(200, 'y') + "\r\n" + std::string(100, 'z'));
    EXPECT_EQ(dialog.CommentField()->Text(), std::string(200, 'y') + "\r\n" + std::string(53, 'z'));
}

TEST(ProjectDlg, ShowsTheProjectsTextsAndHandsTheEditedOnesOut)
{
    CProject project;
    project.responsible = "Åsa Ek";
    project.projectName = "Kylrör hus B";
    project.reference = "Ritning 12\r\nRev. C";
    project.comment = "";

    CProjectDlg dialog;
    dialog.setProject(project);
    EXPECT_EQ(dialog.windowTitle(), "Projektinformation");
    EXPECT_EQ(dialog.ResponsibleField()->text(), QString::fromUtf8("Åsa Ek"));
    EXPECT_EQ(dialog.ReferenceField()->toPlainText(), "Ritning 12\nRev. C") << "shown as two lines";
    EXPECT_EQ(dialog.project().reference, "Ritning 12\r\nRev. C");

    dialog.CommentField()->setPlainText(QStringLiteral("rad 1\nrad 2"));
    EXPECT_EQ(dialog.project().comment, "rad 1\r\nrad 2");
    EXPECT_EQ(dialog.project().projectName, "Kylrör hus B");
    // F1 in a field of several lines reaches the dialog's help too.
    platform::RecordingHelp help;
    platform::ScopedServices services({.help = &help});
    QTest::keyClick(dialog.CommentField(), Qt::Key_F1);
    EXPECT_EQ(help.topics, std::vector<std::string>{"::/html/prosjekt.htm"});
}

namespace {

struct ProjectEditorTest : ::testing::Test {
    ProjectEditorTest()
    {
        RegisterEditors(editors);
        doc.NewDocument();
        doc.Project().responsible = "Åsa Ek";
        doc.Project().projectName = "Kylrör";
    }

    // Opens the project's editor through the document's command, types a new
    // project name and leaves the dialog with the given button.
    std::string editWith(QDialogButtonBox::StandardButton button)
    {
        std::string shownName;
        WhenModalShows([&](QWidget* dialog) {
            auto* projectDialog = qobject_cast<CProjectDlg*>(dialog);
            ASSERT_NE(projectDialog, nullptr);
            shownName = projectDialog->ProjectNameField()->text().toStdString();
            projectDialog->ProjectNameField()->selectAll();
            TypeText(projectDialog->ProjectNameField(), QString::fromUtf8("Värmerör"));
            dialogButton(dialog, button)->click();
        });
        doc.OnEditProject();
        return shownName;
    }

    platform::ScriptedPrompter prompter;
    QtEditorService editors;
    platform::ScopedServices services{{.prompter = &prompter, .editors = &editors}};
    StandardDocumentParts parts;
    CVekDoc doc{parts};
};

} // namespace

TEST_F(ProjectEditorTest, CancelLeavesTheProjectAndTheDocumentUntouched)
{
    EXPECT_EQ(editWith(QDialogButtonBox::Cancel), "Kylrör");
    EXPECT_EQ(doc.Project().projectName, "Kylrör");
    EXPECT_EQ(doc.Project().responsible, "Åsa Ek");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ProjectEditorTest, OkCopiesTheTextsBackAndMarksTheDocumentModified)
{
    EXPECT_EQ(editWith(QDialogButtonBox::Ok), "Kylrör");
    EXPECT_EQ(doc.Project().projectName, "Värmerör");
    EXPECT_EQ(doc.Project().responsible, "Åsa Ek");
    EXPECT_TRUE(doc.IsModified());
}

TEST(ProjectDlg, LaysEveryLabelBesideItsFieldWithinTheDialog)
{
    CProject project;
    project.responsible = "Åsa Ek";
    project.projectName = "Kylrör hus B";
    project.reference = "Ritning 12\r\nRev. C";
    project.comment = "Isolering enligt beskrivning";
    CProjectDlg dialog;
    dialog.setProject(project);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    QStringList texts;
    for (const QLabel* label : labels)
        texts << label->text();
    EXPECT_EQ(texts, QStringList({QString::fromUtf8("Beräkningen är utförd av :"), "Projektnamn :", "Referens :",
                                  "Kommentar :"}));

    const QWidget* fields[] = {dialog.ResponsibleField(), dialog.ProjectNameField(), dialog.ReferenceField(),
                               dialog.CommentField()};
    QRect previous;
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const QRect label = labels[i]->geometry();
        const QRect field = fields[i]->geometry();
        EXPECT_EQ(labels[i]->buddy(), fields[i]);
        EXPECT_TRUE(dialog.rect().contains(field));
        EXPECT_LT(label.right(), field.left()) << "label left of its field";
        EXPECT_GE(field.top(), previous.bottom()) << "fields one below the other";
        EXPECT_GE(label.width(), labels[i]->sizeHint().width()) << "label not cut";
        previous = field;
    }
    EXPECT_GE(dialog.ReferenceField()->height(), 3 * dialog.fontMetrics().lineSpacing());
    const QStringList buttons = {dialogButton(&dialog, QDialogButtonBox::Ok)->text(),
                                 dialogButton(&dialog, QDialogButtonBox::Cancel)->text(),
                                 dialogButton(&dialog, QDialogButtonBox::Help)->text()};
    EXPECT_EQ(buttons, QStringList({"OK", "Avbryt", QString::fromUtf8("Hjälp")}));

    KeepScreenshot(dialog.grab().toImage(), QStringLiteral("projektinformation.png"));
}
