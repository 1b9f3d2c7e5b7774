#include "UiTestSupport.h"
#include "database/CProduktBeskrivelse.h"
#include "doc/CProject.h"
#include "doc/CVekDoc.h"
#include "modules/StandardDocumentParts.h"
#include "platform/MemorySettings.h"
#include "platform/RecordingServices.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "ui/CMainFrame.h"
#include "ui/CProduktBeskrivelseDlg.h"
#include "ui/CRedigerBeskrivelseDlg.h"
#include "ui/CodeTreePicture.h"
#include "ui/Editors.h"
#include "ui/LimitedTextEdit.h"
#include "ui/QtEditorService.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void clickBox(CodeTreePicture* tree, int index)
{
    QTest::mouseClick(tree, Qt::LeftButton, {}, tree->AreaOf(index).center());
}

void press(QDialog* dialog, QDialogButtonBox::StandardButton which)
{
    auto* box = dialog->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box->button(which), Qt::LeftButton);
}

// The shipped texts in a file of the test's own, named by the settings.
struct DescriptionTest : ::testing::Test {
    DescriptionTest()
    {
        RegisterEditors(editors);
        std::filesystem::copy_file(TEKVAR_BUILT_DATA "/tekvar.ama", amaPath);
        settings.SetString("Files", "VVSAMA File", amaPath);
        EXPECT_TRUE(texts.Load());
        project.projectName = "Sjukhuset etapp 2";
        project.responsible = "K. Lind";
    }

    TempFolder folder;
    std::string amaPath = folder.File("tekvar.ama");
    platform::MemorySettings settings;
    platform::ScriptedPrompter prompter;
    platform::RecordingClipboard clipboard;
    QtEditorService editors;
    platform::ScopedServices services{
        {.prompter = &prompter, .settings = &settings, .editors = &editors, .clipboard = &clipboard}};
    CProduktBeskrivelse texts;
    CProject project;
};

} // namespace

TEST_F(DescriptionTest, TheCodeTreesChooseTheTextShownWithTheProject)
{
    texts.Reset();
    CProduktBeskrivelseDlg dialog(texts, &project);
    dialog.show();
    EXPECT_TRUE(dialog.TextField()->toPlainText().isEmpty()) << "a new document has no text chosen";
    for (QPushButton* button : {dialog.PrintButton(), dialog.CopyButton(), dialog.EditButton()})
        EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(dialog.GroupTree()->BoxCount(), 6);
    EXPECT_EQ(dialog.GroupTree()->Chosen(), 0);
    EXPECT_EQ(dialog.CodeTree()->BoxCount(), 2) << "RBA has two codes";

    // RBB, third code: text 4.
    clickBox(dialog.GroupTree(), 1);
    EXPECT_EQ(dialog.CodeTree()->BoxCount(), 5);
    EXPECT_EQ(dialog.CodeTree()->Chosen(), -1);
    clickBox(dialog.CodeTree(), 2);
    EXPECT_EQ(texts.selectedGroup, 1);
    EXPECT_EQ(texts.selectedCode, 2);
    EXPECT_EQ(texts.selectedText, 4);
    EXPECT_EQ(dialog.CodeTree()->Chosen(), 2);
    const CVVSAMATekst& four = texts.texts[4];
    ASSERT_FALSE(four.heading.empty());
    QString body = QString::fromStdString(four.body);
    body.replace("\r\n", "\n");
    const QString expected = QString::fromUtf8("Tekvar® Beskrivningstext AMA VVS & Kyl 22\n\nProjektnamn:\tSjukhuset etapp 2\n"
                                               "Ansvarig person:\tK. Lind\n\n") +
                             QString::fromStdString(four.heading) + "\n\n" + body;
    EXPECT_EQ(dialog.TextField()->toPlainText(), expected);
    for (QPushButton* button : {dialog.PrintButton(), dialog.CopyButton(), dialog.EditButton()})
        EXPECT_TRUE(button->isEnabled());
    KeepScreenshot(dialog.grab().toImage(), QStringLiteral("description-dialog.png"));

    // "Kopiera" takes all of it, or the part selected.
    QTest::mouseClick(dialog.CopyButton(), Qt::LeftButton);
    ASSERT_EQ(clipboard.texts.size(), 1u);
    EXPECT_EQ(QString::fromStdString(clipboard.texts[0]), expected);
    QTextCursor cursor = dialog.TextField()->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    dialog.TextField()->setTextCursor(cursor);
    QTest::mouseClick(dialog.CopyButton(), Qt::LeftButton);
    ASSERT_EQ(clipboard.texts.size(), 2u);
    EXPECT_EQ(QString::fromStdString(clipboard.texts[1]), QString::fromUtf8("Tekvar"));

    // Another group clears the code and the text; the same group keeps them.
    clickBox(dialog.GroupTree(), 3);
    EXPECT_EQ(texts.selectedGroup, 3);
    EXPECT_EQ(texts.selectedCode, -1);
    EXPECT_EQ(texts.selectedText, -1);
    EXPECT_TRUE(dialog.TextField()->toPlainText().isEmpty());
    EXPECT_EQ(dialog.CodeTree()->BoxCount(), 10);
    EXPECT_FALSE(dialog.CopyButton()->isEnabled());
    clickBox(dialog.CodeTree(), 9);
    EXPECT_EQ(texts.selectedText, 22);
    clickBox(dialog.GroupTree(), 3);
    EXPECT_EQ(texts.selectedText, 22);
}

TEST_F(DescriptionTest, TheMenuCommandKeepsTheChoiceAlsoWhenCancelled)
{
    StandardDocumentParts parts;
    CVekDoc doc(parts);
    CMainFrame frame(doc);
    frame.OnFileNew();
    doc.Project().projectName = "Kontorshus";
    auto& shared = dynamic_cast<CProduktBeskrivelse&>(doc.Descriptions());
    QAction* command = frame.CommandAction(CVekDoc::commandEditDescriptions);
    EXPECT_EQ(command->text(), QString::fromUtf8("&Beskrivningstexter AMA VVS  KYL 12..."));
    ASSERT_TRUE(command->isEnabled());

    WhenModalShows([](QWidget* widget) {
        auto* dialog = qobject_cast<CProduktBeskrivelseDlg*>(widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->TextField()->toPlainText().isEmpty());
        clickBox(dialog->GroupTree(), 2);
        clickBox(dialog->CodeTree(), 1);
        EXPECT_TRUE(dialog->TextField()->toPlainText().contains(QStringLiteral("Projektnamn:\tKontorshus")));
        press(dialog, QDialogButtonBox::Cancel);
    });
    command->trigger();
    EXPECT_EQ(shared.selectedGroup, 2);
    EXPECT_EQ(shared.selectedCode, 1);
    EXPECT_EQ(shared.selectedText, 8);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DescriptionTest, AnEditedTextIsWrittenOnlyOnOkAndALongerFileKeepsItsTail)
{
    const std::string tail = "old tail beyond the texts";
    {
        std::ofstream out(amaPath, std::ios::binary | std::ios::app);
        out << tail;
    }
    const std::string before = bytesOf(amaPath);
    texts.ChooseGroup(1);
    texts.ChooseCode(0);
    ASSERT_EQ(texts.selectedText, 2);

    auto editThenClose = [](QDialogButtonBox::StandardButton close) {
        return [close](QWidget* widget) {
            auto* dialog = qobject_cast<CProduktBeskrivelseDlg*>(widget);
            ASSERT_NE(dialog, nullptr);
            WhenModalShows([](QWidget* inner) {
                auto* edit = qobject_cast<CRedigerBeskrivelseDlg*>(inner);
                ASSERT_NE(edit, nullptr);
                EXPECT_EQ(edit->HeadingField()->maxLength(), 256);
                EXPECT_EQ(edit->BodyField()->Limit(), 2048);
                edit->HeadingField()->setText(QString::fromUtf8("RBB.1 Värmeisolering, ändrad"));
                edit->BodyField()->SetText("Rad ett\r\nRad tv\xC3\xA5");
                press(edit, QDialogButtonBox::Ok);
            });
            QTest::mouseClick(dialog->EditButton(), Qt::LeftButton);
            EXPECT_TRUE(dialog->TextField()->toPlainText().endsWith(QString::fromUtf8("Rad ett\nRad två")));
            press(dialog, close);
        };
    };

    WhenModalShows(editThenClose(QDialogButtonBox::Cancel));
    EXPECT_TRUE(texts.Edit());
    EXPECT_EQ(texts.texts[2].heading, "RBB.1 Värmeisolering, ändrad") << "the edit stays in memory";
    EXPECT_TRUE(bytesOf(amaPath) == before) << "Cancel writes nothing";

    WhenModalShows(editThenClose(QDialogButtonBox::Ok));
    EXPECT_TRUE(texts.Edit());
    const std::string after = bytesOf(amaPath);
    EXPECT_TRUE(after != before);
    EXPECT_EQ(after.size(), before.size()) << "the same texts but one, no longer than before";
    ASSERT_GE(after.size(), tail.size());
    EXPECT_EQ(after.substr(after.size() - tail.size()), tail);

    CProduktBeskrivelse reread;
    ASSERT_TRUE(reread.Load());
    EXPECT_EQ(reread.texts[2].heading, "RBB.1 Värmeisolering, ändrad");
    EXPECT_EQ(reread.texts[2].body, "Rad ett\r\nRad två");
    EXPECT_EQ(reread.texts[3], texts.texts[3]);
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST_F(DescriptionTest, PrintsTheTextOnOnePageWithinItsMargins)
{
    texts.ChooseGroup(5);
    texts.ChooseCode(0);
    const QString text = QString::fromStdString(CProduktBeskrivelseDlg::ShownText(texts, &project)).replace("\r\n", "\n");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string pdf = folder.File("text.pdf");
    printer.setOutputFileName(QString::fromStdString(pdf));
    CProduktBeskrivelseDlg::PrintText(printer, text);
    const std::vector<std::string> pages = PdfPages(PdfText(pdf));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(Contains(pages[0], "Sjukhuset etapp 2"));
    EXPECT_TRUE(Contains(pages[0], texts.texts[45].heading));
}
