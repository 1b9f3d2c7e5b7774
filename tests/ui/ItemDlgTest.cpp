#include "doc/CItem.h"
#include "platform/RecordingServices.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "ui/CItemDlg.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A dialog of the kind every catalogue editor is: a name that must be new,
// and a width within its range.
class WidthDlg : public CItemDlg {
public:
    explicit WidthDlg(std::vector<const CListItem*> others)
        : CItemDlg("::/html/bredd.htm"), others_(std::move(others))
    {
        name = new QLineEdit(this);
        width = new QLineEdit(this);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(name);
        layout->addWidget(width);
        buttons = CreateButtonBox();
        layout->addWidget(buttons);
    }

    QLineEdit* name;
    QLineEdit* width;
    QDialogButtonBox* buttons;
    float value = 0;

protected:
    bool Validate() override
    {
        return ValidateName(name, others_) && ReadNumber(width, value) && CheckRange(width, 61246, value, 10, 2000);
    }

private:
    std::vector<const CListItem*> others_;
};

struct ItemDlgTest : ::testing::Test {
    ItemDlgTest()
    {
        taken.name = "Stål";
        dialog.show();
    }

    void pressOk() { dialog.buttons->button(QDialogButtonBox::Ok)->click(); }

    platform::ScriptedPrompter prompter;
    platform::RecordingHelp help;
    platform::ScopedServices services{{.prompter = &prompter, .help = &help}};
    CListItem taken;
    WidthDlg dialog{{&taken}};
};

} // namespace

TEST_F(ItemDlgTest, OkChecksTheFieldsInOrderAndStaysOnTheFirstThatFails)
{
    struct Step {
        const char* name;
        const char* width;
        const char* message; // none: the dialog closes
        QLineEdit* WidthDlg::*focus;
    };
    const Step steps[] = {
        {"", "abc", "Blanka namn är otillåtet!", &WidthDlg::name},
        {"Stål", "abc", "Detta namn är redan använt.", &WidthDlg::name},
        {"Koppar", "abc", "Skriv in ett tal.", &WidthDlg::width},
        {"Koppar", "0x20", "Skriv in ett tal.", &WidthDlg::width},
        {"Koppar", "9.99", "Värdet för bredden måste ligga mellan 10.00 och 2000.00", &WidthDlg::width},
        {"Koppar", "2000,5", "Värdet för bredden måste ligga mellan 10.00 och 2000.00", &WidthDlg::width},
        {"Koppar", " 12,5 ", nullptr, nullptr},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.width);
        prompter.Clear();
        dialog.name->setText(QString::fromUtf8(step.name));
        dialog.width->setText(QString::fromUtf8(step.width));
        dialog.name->setFocus();
        pressOk();
        if (step.message) {
            EXPECT_EQ(prompter.Texts(), std::vector<std::string>{step.message});
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(dialog.result(), QDialog::Rejected);
            EXPECT_EQ(dialog.focusWidget(), dialog.*step.focus);
        } else {
            EXPECT_TRUE(prompter.Texts().empty());
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
            EXPECT_FLOAT_EQ(dialog.value, 12.5f);
        }
    }
}

TEST_F(ItemDlgTest, HelpButtonAndF1OpenTheDialogsTopicOrSayTheViewerCannotStart)
{
    dialog.buttons->button(QDialogButtonBox::Help)->click();
    QTest::keyClick(dialog.width, Qt::Key_F1);
    EXPECT_EQ(help.topics, (std::vector<std::string>{"::/html/bredd.htm", "::/html/bredd.htm"}));
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_TRUE(dialog.isVisible());

    help.available = false;
    QTest::keyClick(dialog.name, Qt::Key_F1);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Kan inte starta hjälpprogrammet."});
    EXPECT_TRUE(dialog.isVisible()) << "help never closes the dialog";
}
