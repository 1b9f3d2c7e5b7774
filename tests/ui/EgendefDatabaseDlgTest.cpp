#include "UiTestSupport.h"
#include "database/CDataBase.h"
#include "database/CEgendefDatabase.h"
#include "doc/CArchive.h"
#include "doc/FileIO.h"
#include "platform/MemorySettings.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "ui/CCurveButton.h"
#include "ui/CEgendefDatabaseDlg.h"
#include "ui/CEgendefIsoProduktDlg.h"
#include "ui/CIsoTykkelseDlg.h"
#include "ui/Editors.h"
#include "ui/QtEditorService.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

QPushButton* dialogButton(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    return dialog->findChild<QDialogButtonBox*>()->button(which);
}

QStringList lines(const QListWidget* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->item(i)->text();
    return texts;
}

void retype(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    TypeText(field, text);
}

std::unique_ptr<CEgendefIsoProdukt> userProduct(const std::string& name)
{
    auto product = std::make_unique<CEgendefIsoProdukt>();
    product->name = name;
    product->thicknesses.push_back(std::make_unique<CIsoTykkelse>(50.0f));
    product->FitCoefficients();
    return product;
}

// Stands in for a module that uses a product: it remembers what it was told.
class ProductUser final : public CItem {
public:
    void Changed(CItem* item) override { told = item; }
    CItem* told = nullptr;
};

// A user database whose file lies in a folder of the test's own, reached as
// the program reaches it: through the "Database File" setting.
struct UserDatabaseEditorTest : ::testing::Test {
    UserDatabaseEditorTest()
    {
        settings.SetString("Files", "Database File", folder.File("tekvar.dat"));
        RegisterEditors(editors);
        database.MakeCurrent();
        users.Load();
        users.MakeCurrent();
    }

    std::string userFile() const { return folder.File("egendef.dat"); }

    // Reads the file back the way the program does at start.
    std::vector<std::string> storedNames()
    {
        CEgendefDatabase reread;
        reread.Load();
        std::vector<std::string> names;
        for (const auto& product : reread.products)
            names.push_back(product->name);
        return names;
    }

    // Opens the editor through the database's Edit, runs the steps on it,
    // then presses the button; the answer of Edit.
    bool editWith(std::function<void(CEgendefDatabaseDlg&)> steps, QDialogButtonBox::StandardButton button)
    {
        WhenModalShows([&](QWidget* shown) {
            auto* dialog = qobject_cast<CEgendefDatabaseDlg*>(shown);
            ASSERT_NE(dialog, nullptr);
            steps(*dialog);
            dialogButton(dialog, button)->click();
            if (dialog->isVisible()) {
                // A question kept it open: the test has checked that, now leave.
                prompter.QueueAnswer(platform::Answer::Ok);
                dialogButton(dialog, QDialogButtonBox::Cancel)->click();
            }
        });
        return users.Edit();
    }

    // Runs "Ny produkt..." or "Uppdatera produkt..." with the product editor
    // answered by the action.
    static void runProductEditor(QPushButton* button, std::function<void(CEgendefIsoProduktDlg&)> action)
    {
        WhenModalShows([&](QWidget* shown) {
            auto* editor = qobject_cast<CEgendefIsoProduktDlg*>(shown);
            ASSERT_NE(editor, nullptr);
            action(*editor);
            if (editor->isVisible())
                dialogButton(editor, QDialogButtonBox::Cancel)->click();
        });
        button->click();
    }

    TempFolder folder;
    platform::MemorySettings settings;
    platform::ScriptedPrompter prompter;
    QtEditorService editors;
    platform::ScopedServices services{{.prompter = &prompter, .settings = &settings, .editors = &editors}};
    CDataBase database;
    CEgendefDatabase users;
};

} // namespace

TEST_F(UserDatabaseEditorTest, NewProductFromFourPointsIsWrittenOnOkAndReadBack)
{
    ASSERT_TRUE(users.products.empty());
    users.products.push_back(userProduct("Öljemantel"));
    users.products.push_back(userProduct("bergull"));

    QStringList shown;
    const bool confirmed = editWith(
        [&](CEgendefDatabaseDlg& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Egendefinierade isoleringsprodukter");
            runProductEditor(dialog.NewButton(), [&](CEgendefIsoProduktDlg& editor) {
                editor.NameField()->setText(QStringLiteral("Cellglas"));
                const char* points[4][2] = {{"-20", "0.038"}, {"10", "0.041"}, {"50", "0.047"}, {"100", "0.055"}};
                for (int i = 0; i < 4; ++i) {
                    retype(editor.TemperatureField(i), points[i][0]);
                    retype(editor.ConductivityField(i), points[i][1]);
                }
                ASSERT_TRUE(editor.Thicknesses()->Box()->count() == 0);
                WhenModalShows([](QWidget* thickness) {
                    retype(qobject_cast<CIsoTykkelseDlg*>(thickness)->ThicknessField(), "40");
                    dialogButton(thickness, QDialogButtonBox::Ok)->click();
                });
                editor.Thicknesses()->NewButton()->click();
                dialogButton(&editor, QDialogButtonBox::Ok)->click();
            });
            shown = lines(dialog.Box());
            EXPECT_TRUE(dialog.IsChanged());
        },
        QDialogButtonBox::Ok);

    EXPECT_TRUE(confirmed);
    // Sorted as a Swede reads: case aside, Ö after the other letters.
    EXPECT_EQ(shown, QStringList({"bergull", "Cellglas", QString::fromUtf8("Öljemantel")}));
    ASSERT_EQ(prompter.Texts(), std::vector<std::string>{"Godta förändringar, och uppdatera databasen?"});
    EXPECT_EQ(prompter.Messages()[0].icon, platform::Icon::Question);
    // The list keeps its own order; the new product comes last.
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Öljemantel", "bergull", "Cellglas"}));

    CEgendefDatabase reread;
    reread.Load();
    ASSERT_EQ(reread.products.size(), 3u);
    const CEgendefIsoProdukt& stored = *reread.products[2];
    EXPECT_EQ(stored.temperatures, (CEgendefIsoProdukt::Points{-20.0f, 10.0f, 50.0f, 100.0f}));
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(stored.ConductivityAt(stored.temperatures[i]), stored.conductivities[i], 2e-6) << i;
    ASSERT_EQ(stored.thicknesses.size(), 1u);
    EXPECT_EQ(stored.thicknesses[0]->name, "40.0");
}

TEST_F(UserDatabaseEditorTest, QuestionsOfOkAndCancelAndNothingWrittenWithoutChanges)
{
    users.products.push_back(userProduct("Egen A"));

    // No change: OK asks nothing and Edit confirms; the file is written.
    EXPECT_TRUE(editWith([](CEgendefDatabaseDlg&) {}, QDialogButtonBox::Ok));
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_TRUE(std::filesystem::exists(userFile()));
    std::filesystem::remove(userFile());

    // A deletion, then Cancel: the question, answered Cancel, keeps the
    // dialog open; the second Cancel answered OK leaves without changes.
    // The prompter answers every message from the queue, notices too.
    prompter.QueueAnswer(platform::Answer::Ok);     // "Egen A" raderas nu!
    prompter.QueueAnswer(platform::Answer::Ok);     // Listan är tom!
    prompter.QueueAnswer(platform::Answer::Ok);     // Listan är tom!
    prompter.QueueAnswer(platform::Answer::Cancel); // Ignorera förändringar?
    const bool confirmed = editWith(
        [&](CEgendefDatabaseDlg& dialog) {
            dialog.DeleteButton()->click();
            EXPECT_EQ(dialog.Box()->count(), 0);
            // With the list empty, the buttons say so.
            dialog.UpdateButton()->click();
            dialog.DeleteButton()->click();
        },
        QDialogButtonBox::Cancel);
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(prompter.Texts(),
              (std::vector<std::string>{"\"Egen A\" raderas nu!", "Listan är tom!", "Listan är tom!",
                                        "Ignorera förändringar i databasen?", "Ignorera förändringar i databasen?"}));
    ASSERT_EQ(users.products.size(), 1u);
    EXPECT_EQ(users.products[0]->name, "Egen A");
    EXPECT_FALSE(std::filesystem::exists(userFile()));

    // OK after a change, answered Cancel, keeps the dialog open; answered OK
    // (by editWith's retreat through Cancel) the changes are dropped.
    prompter.Clear();
    prompter.QueueAnswer(platform::Answer::Ok);
    prompter.QueueAnswer(platform::Answer::Cancel);
    EXPECT_FALSE(editWith([](CEgendefDatabaseDlg& dialog) { dialog.DeleteButton()->click(); },
                          QDialogButtonBox::Ok));
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{"\"Egen A\" raderas nu!",
                                                          "Godta förändringar, och uppdatera databasen?",
                                                          "Ignorera förändringar i databasen?"}));
    EXPECT_EQ(users.products.size(), 1u);
}

TEST_F(UserDatabaseEditorTest, AProductInUseCannotBeDeletedAndARenameReachesItsUser)
{
    users.products.push_back(userProduct("Egen A"));
    users.products.push_back(userProduct("Egen B"));
    ProductUser module;
    users.products[1]->AddDependent(&module);

    const bool confirmed = editWith(
        [&](CEgendefDatabaseDlg& dialog) {
            dialog.Box()->setCurrentRow(1);
            dialog.DeleteButton()->click();
            EXPECT_EQ(lines(dialog.Box()), QStringList({"Egen A", "Egen B"}));
            EXPECT_FALSE(dialog.IsChanged());
            // A rename in the product editor; the old name is its own to keep or leave.
            runProductEditor(dialog.UpdateButton(), [](CEgendefIsoProduktDlg& editor) {
                EXPECT_EQ(editor.NameField()->text(), "Egen B");
                editor.NameField()->setText(QStringLiteral("Egen A"));
                dialogButton(&editor, QDialogButtonBox::Ok)->click();
                EXPECT_TRUE(editor.isVisible()) << "another user product has that name";
                editor.NameField()->setText(QStringLiteral("Egen C"));
                dialogButton(&editor, QDialogButtonBox::Ok)->click();
            });
            EXPECT_EQ(lines(dialog.Box()), QStringList({"Egen A", "Egen C"}));
        },
        QDialogButtonBox::Ok);

    EXPECT_TRUE(confirmed);
    EXPECT_EQ(prompter.Texts(),
              (std::vector<std::string>{"Man kan inte ta bort ett element som används!", "Detta namn är redan använt.",
                                        "Godta förändringar, och uppdatera databasen?"}));
    ASSERT_EQ(users.products.size(), 2u);
    EXPECT_EQ(users.products[1]->name, "Egen C");
    EXPECT_EQ(module.told, users.products[1].get()) << "the module now points at the renamed product";
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Egen A", "Egen C"}));
}

TEST_F(UserDatabaseEditorTest, ScreenshotOfTheUserProductEditorWithItsCurve)
{
    CEgendefIsoProdukt product;
    product.name = "Mineralull egen";
    product.usageFlags[0] = true;
    product.thicknesses.push_back(std::make_unique<CIsoTykkelse>(30.0f));
    product.thicknesses.push_back(std::make_unique<CIsoTykkelse>(50.0f));
    CEgendefIsoProduktDlg dialog(product);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    const QImage image = dialog.grab().toImage();
    // The curve control lies inside the dialog and shows the blue curve.
    const QRect curve = dialog.Curve()->geometry();
    EXPECT_TRUE(dialog.rect().contains(curve));
    int blue = 0;
    for (int y = curve.top(); y <= curve.bottom(); ++y)
        for (int x = curve.left(); x <= curve.right(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.blue() > 200 && c.red() < 60 && c.green() < 60)
                ++blue;
    EXPECT_GT(blue, 400) << "21 segments across 500 px and four squares";

    const QString folder = qEnvironmentVariable("TEKVAR_SCREENSHOTS");
    KeepScreenshot(image, QStringLiteral("egendef-isoprodukt.png"));
    if (!folder.isEmpty()) {
        EXPECT_TRUE(QFile::exists(folder + "/egendef-isoprodukt.png"));
    }
}
