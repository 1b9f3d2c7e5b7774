#include "UiTestSupport.h"
#include "database/CDataBase.h"
#include "database/CMantling.h"
#include "database/CVeske.h"
#include "database/Catalogue.h"
#include "doc/CVekDoc.h"
#include "database/CIsoProdukt.h"
#include "modules/CVarmeTapModul.h"
#include "modules/StandardDocumentParts.h"
#include "platform/MemorySettings.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "ui/CDatabaseDlg.h"
#include "ui/CMantlingDlg.h"
#include "ui/CVeskeDlg.h"
#include "ui/Editors.h"
#include "ui/ListBoxController.h"
#include "ui/QtEditorService.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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

void selectLine(QListWidget* box, const QString& text)
{
    const auto found = box->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    box->setCurrentItem(found.first());
}

// Presses the button that opens an item editor and lets the action answer
// it; an editor the action left open is cancelled.
template <class Dialog>
void runEditor(QPushButton* button, std::function<void(Dialog&)> action)
{
    WhenModalShows([&](QWidget* shown) {
        auto* editor = qobject_cast<Dialog*>(shown);
        ASSERT_NE(editor, nullptr);
        action(*editor);
        if (editor->isVisible())
            dialogButton(editor, QDialogButtonBox::Cancel)->click();
    });
    button->click();
}

std::vector<std::uint8_t> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Stands in for a calculation module that uses an outer cladding: it follows
// the cladding through database edits and counts its calculations.
class CladdingModule final : public CVekModul {
public:
    ~CladdingModule() override { Use(nullptr); }
    void Use(CMantling* item)
    {
        if (cladding)
            cladding->RemoveDependent(this);
        cladding = item;
        if (cladding)
            cladding->AddDependent(this);
    }
    void Changed(CItem* item) override
    {
        if (item && item->IsKindOf(CMantling::classInfo))
            Use(static_cast<CMantling*>(item));
    }
    bool Calculate() override
    {
        ++calculations;
        return resultsValid = true;
    }
    CMantling* cladding = nullptr;
    int calculations = 0;
};

// The program's catalogue with modules that show what a database edit did
// to them.
class TestParts final : public DocumentParts {
public:
    std::unique_ptr<DocumentCatalogue> CreateCatalogue() override { return standard.CreateCatalogue(); }
    std::unique_ptr<CVekModul> CreateModule(int) override { return std::make_unique<CladdingModule>(); }
    std::unique_ptr<CDocumentPart> CreateDescriptions() override { return standard.CreateDescriptions(); }
    StandardDocumentParts standard;
};

// A document over a copy of the shipped database in a folder of the test's own.
struct DatabaseEditorTest : ::testing::Test {
    DatabaseEditorTest()
    {
        std::filesystem::copy_file(TEKVAR_BUILT_DATA "/tekvar.dat", folder.File("tekvar.dat"));
        settings.SetString("Files", "Database File", folder.File("tekvar.dat"));
        settings.SetString("Files", "Climate File", TEKVAR_BUILT_DATA "/tekvar.ort");
        settings.SetString("Files", "Cost File", TEKVAR_BUILT_DATA "/tekvar.cst");
        settings.SetString("Files", "VVSAMA File", TEKVAR_BUILT_DATA "/tekvar.ama");
        RegisterEditors(editors);
        doc = std::make_unique<CVekDoc>(parts);
        database = &dynamic_cast<Catalogue&>(*doc->Catalogue()).database;
        prompter.Clear();
    }

    CladdingModule& module(int index) { return static_cast<CladdingModule&>(doc->Module(index)); }
    CListItem* cladding(int index) { return database->lists[CDataBase::outerCladdings].at(std::size_t(index)).get(); }

    // Runs "Databas..." with the steps on the dialog, then presses the button.
    void editWith(std::function<void(CDatabaseDlg&)> steps, QDialogButtonBox::StandardButton button)
    {
        WhenModalShows([&](QWidget* shown) {
            auto* dialog = qobject_cast<CDatabaseDlg*>(shown);
            ASSERT_NE(dialog, nullptr);
            steps(*dialog);
            dialogButton(dialog, button)->click();
            if (dialog->isVisible()) {
                prompter.QueueAnswer(platform::Answer::Ok);
                dialogButton(dialog, QDialogButtonBox::Cancel)->click();
            }
        });
        doc->OnEditDatabase();
    }

    TempFolder folder;
    platform::MemorySettings settings;
    platform::ScriptedPrompter prompter;
    QtEditorService editors;
    platform::ScopedServices services{{.prompter = &prompter, .settings = &settings, .editors = &editors}};
    TestParts parts;
    std::unique_ptr<CVekDoc> doc;
    CDataBase* database = nullptr;
};

} // namespace

TEST(ListBoxOrder, NamesSortWithoutCaseAndSwedishLettersLast)
{
    EXPECT_TRUE(NameLess("aluminium", "Betong"));
    EXPECT_TRUE(NameLess("Zink", "Åtta"));
    EXPECT_TRUE(NameLess("Åtta", "ärg"));
    EXPECT_TRUE(NameLess("Ärg", "Öl"));
    EXPECT_FALSE(NameLess("Öl", "Zink"));
    EXPECT_TRUE(NameLess("Rör", "Röra"));
    // Names equal but for case still have one order, either way round.
    EXPECT_NE(NameLess("abc", "ABC"), NameLess("ABC", "abc"));
}

TEST_F(DatabaseEditorTest, EditsAListAndOkWritesTheFileAndRecalculatesTheValidModules)
{
    const std::size_t claddings = database->lists[CDataBase::outerCladdings].size();
    ASSERT_GE(claddings, 3u);
    auto* used = static_cast<CMantling*>(cladding(0));
    const std::string usedName = used->name;
    const std::string unusedName = cladding(1)->name;
    module(0).Use(used);
    module(0).resultsValid = true;
    module(2).resultsValid = true;

    editWith(
        [&](CDatabaseDlg& dialog) {
            EXPECT_EQ(dialog.ShownList(), 0);
            EXPECT_TRUE(dialog.ListButton(0)->isChecked());
            dialog.ListButton(CDataBase::outerCladdings)->click();
            EXPECT_EQ(dialog.ShownList(), int(CDataBase::outerCladdings));
            QStringList shown = lines(dialog.Box());
            ASSERT_EQ(std::size_t(shown.size()), claddings);
            for (qsizetype i = 1; i < shown.size(); ++i)
                EXPECT_FALSE(NameLess(shown[i].toStdString(), shown[i - 1].toStdString())) << i;

            // The cladding the module uses cannot go.
            selectLine(dialog.Box(), QString::fromStdString(usedName));
            dialog.DeleteButton()->click();
            EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Man kan inte ta bort ett element som används!"});
            EXPECT_EQ(dialog.Box()->count(), int(claddings));
            EXPECT_FALSE(dialog.IsChanged());
            prompter.Clear();

            // A new cladding with a name already taken is refused; then named anew.
            runEditor<CMantlingDlg>(dialog.NewButton(), [&](CMantlingDlg& editor) {
                EXPECT_EQ(editor.EmissivityField()->text(), "0.94");
                editor.NameField()->setText(QString::fromStdString(unusedName));
                dialogButton(&editor, QDialogButtonBox::Ok)->click();
                EXPECT_TRUE(editor.isVisible());
                EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Detta namn är redan använt."});
                editor.NameField()->setText(QString::fromUtf8("Ärgad koppar"));
                editor.EmissivityField()->setText("0,6");
                dialogButton(&editor, QDialogButtonBox::Ok)->click();
            });
            EXPECT_TRUE(dialog.IsChanged());
            EXPECT_EQ(dialog.Box()->currentItem()->text(), QString::fromUtf8("Ärgad koppar"));
            EXPECT_EQ(dialog.Box()->count(), int(claddings) + 1);

            // A copy starts with the original's name, which is taken.
            selectLine(dialog.Box(), QString::fromStdString(usedName));
            prompter.Clear();
            runEditor<CMantlingDlg>(dialog.CopyButton(), [&](CMantlingDlg& editor) {
                EXPECT_EQ(editor.NameField()->text().toStdString(), usedName);
                dialogButton(&editor, QDialogButtonBox::Ok)->click();
                EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Detta namn är redan använt."});
                editor.NameField()->setText("Kopia");
                dialogButton(&editor, QDialogButtonBox::Ok)->click();
            });

            // The used cladding renamed: its own name does not count as taken.
            selectLine(dialog.Box(), QString::fromStdString(usedName));
            runEditor<CMantlingDlg>(dialog.UpdateButton(), [&](CMantlingDlg& editor) {
                dialogButton(&editor, QDialogButtonBox::Ok)->click();
                EXPECT_FALSE(editor.isVisible());
            });
            runEditor<CMantlingDlg>(dialog.UpdateButton(), [&](CMantlingDlg& editor) {
                editor.NameField()->setText("Omdöpt");
                dialogButton(&editor, QDialogButtonBox::Ok)->click();
            });
            EXPECT_EQ(dialog.Box()->currentItem()->text(), QString::fromUtf8("Omdöpt"));
            shown = lines(dialog.Box());
            EXPECT_FALSE(shown.contains(QString::fromStdString(usedName)));
            for (qsizetype i = 1; i < shown.size(); ++i)
                EXPECT_FALSE(NameLess(shown[i].toStdString(), shown[i - 1].toStdString())) << i;

            // An unused one goes after its question.
            selectLine(dialog.Box(), QString::fromStdString(unusedName));
            prompter.Clear();
            dialog.DeleteButton()->click();
            ASSERT_EQ(prompter.Messages().size(), 1u);
            EXPECT_EQ(prompter.Messages()[0].text, "\"" + unusedName + "\" raderas nu!");
            EXPECT_EQ(prompter.Messages()[0].buttons, platform::Buttons::OkCancel);
            EXPECT_FALSE(lines(dialog.Box()).contains(QString::fromStdString(unusedName)));
            prompter.Clear();
        },
        QDialogButtonBox::Ok);

    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0].text, "Godta förändringar, och uppdatera databasen?");
    EXPECT_EQ(prompter.Messages()[0].icon, platform::Icon::Question);
    EXPECT_EQ(database->activeList, int(CDataBase::outerCladdings));

    // The renamed cladding is the database's own item now, and the module
    // follows it; only the modules that had valid results calculated.
    const auto& list = database->lists[CDataBase::outerCladdings];
    CMantling* renamed = static_cast<CMantling*>(FindByName(list, "Omdöpt"));
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(module(0).cladding, renamed);
    EXPECT_EQ(renamed->Dependents(), std::vector<CItem*>{&module(0)});
    // The copy does not stand in for its original.
    CListItem* copy = FindByName(list, "Kopia");
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->Dependents().empty());
    EXPECT_EQ(module(0).calculations, 1);
    EXPECT_EQ(module(1).calculations, 0);
    EXPECT_EQ(module(2).calculations, 1);

    // What was written is what a fresh start reads.
    CDataBase reread;
    reread.Load();
    std::vector<std::string> names;
    for (const auto& item : reread.lists[CDataBase::outerCladdings])
        names.push_back(item->name);
    std::vector<std::string> expected;
    for (const auto& item : list)
        expected.push_back(item->name);
    EXPECT_EQ(names, expected);
    const auto* added = static_cast<const CMantling*>(FindByName(reread.lists[CDataBase::outerCladdings], "Ärgad koppar"));
    ASSERT_NE(added, nullptr);
    EXPECT_FLOAT_EQ(added->emissivity, 0.6f);
    EXPECT_EQ(added->kind, CMantling::outerCladding);
    EXPECT_EQ(FindByName(reread.lists[CDataBase::outerCladdings], unusedName), nullptr);
    for (int i = 0; i < CDataBase::listCount; ++i) {
        if (i != CDataBase::outerCladdings) {
            EXPECT_TRUE(ListsEqual(reread.lists[std::size_t(i)], database->lists[std::size_t(i)])) << i;
        }
    }
}

TEST_F(DatabaseEditorTest, CancelAsksBeforeDroppingChangesAndEmptyListsSayNothingIsThere)
{
    const std::vector<std::uint8_t> before = fileBytes(folder.File("tekvar.dat"));
    module(0).resultsValid = true;
    const std::size_t liquids = database->lists[CDataBase::liquids].size();
    ASSERT_GE(liquids, 1u);

    editWith(
        [&](CDatabaseDlg& dialog) {
            dialog.ListButton(CDataBase::liquids)->click();
            // Deleting every liquid is allowed: no module uses one.
            for (std::size_t i = 0; i < liquids; ++i)
                dialog.DeleteButton()->click();
            EXPECT_EQ(dialog.Box()->count(), 0);
            prompter.Clear();
            dialog.UpdateButton()->click();
            dialog.CopyButton()->click();
            dialog.DeleteButton()->click();
            EXPECT_EQ(prompter.Texts(), std::vector<std::string>(3, "Listan är tom!"));
            prompter.Clear();

            // Cancel asks; answering Cancel keeps the dialog open.
            prompter.QueueAnswer(platform::Answer::Cancel);
            dialogButton(&dialog, QDialogButtonBox::Cancel)->click();
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Ignorera förändringar i databasen?"});
            prompter.Clear();
            // So does OK.
            prompter.QueueAnswer(platform::Answer::Cancel);
            dialogButton(&dialog, QDialogButtonBox::Ok)->click();
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Godta förändringar, och uppdatera databasen?"});
            prompter.QueueAnswer(platform::Answer::Ok);
        },
        QDialogButtonBox::Cancel);

    EXPECT_EQ(database->lists[CDataBase::liquids].size(), liquids);
    EXPECT_EQ(database->activeList, 0);
    EXPECT_EQ(module(0).calculations, 0);
    EXPECT_EQ(fileBytes(folder.File("tekvar.dat")), before);

    // Without changes neither button asks.
    prompter.Clear();
    editWith([](CDatabaseDlg&) {}, QDialogButtonBox::Ok);
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST_F(DatabaseEditorTest, NameChecksSeeTheEditorsWorkingCopies)
{
    const std::string firstLiquid = database->lists[CDataBase::liquids].at(0)->name;
    editWith(
        [&](CDatabaseDlg& dialog) {
            dialog.ListButton(CDataBase::liquids)->click();
            // Once deleted in the editor, its name is free again.
            selectLine(dialog.Box(), QString::fromStdString(firstLiquid));
            dialog.DeleteButton()->click();
            prompter.Clear();
            runEditor<CVeskeDlg>(dialog.NewButton(), [&](CVeskeDlg& editor) {
                editor.NameField()->setText(QString::fromStdString(firstLiquid));
                editor.DensityField()->setText("1030");
                dialogButton(&editor, QDialogButtonBox::Ok)->click();
                EXPECT_FALSE(editor.isVisible());
            });
            EXPECT_TRUE(prompter.Texts().empty());
        },
        QDialogButtonBox::Ok);
    auto* liquid = static_cast<CVeske*>(FindByName(database->lists[CDataBase::liquids], firstLiquid));
    ASSERT_NE(liquid, nullptr);
    EXPECT_FLOAT_EQ(liquid->density, 1030.0f);
}

// The program's own heat loss module over the same database copy.
TEST_F(DatabaseEditorTest, RenamingAProductTheDocumentUsesKeepsTheModuleOnIt)
{
    StandardDocumentParts standard;
    CVekDoc real(standard);
    CDataBase& realDatabase = dynamic_cast<Catalogue&>(*real.Catalogue()).database;
    auto& heatLoss = dynamic_cast<CVarmeTapModul&>(real.Module(0));
    auto& products = realDatabase.lists[CDataBase::insulationProducts];
    ASSERT_GE(products.size(), 2u);
    auto* product = static_cast<CIsoProdukt*>(products[1].get());
    heatLoss.layer1.SetCatalogueProduct(product);
    heatLoss.SetOuterCladding(static_cast<CMantling*>(realDatabase.lists[CDataBase::outerCladdings].at(0).get()));
    const std::string oldName = product->name;
    prompter.Clear();

    // The product's own editor stands aside: only the new name matters here.
    editors.Register(CIsoProdukt::classInfo.name, [](CItem& item, QWidget*) {
        static_cast<CListItem&>(item).name = "Omdöpt produkt";
        return true;
    });
    WhenModalShows([&](QWidget* shown) {
        auto* dialog = qobject_cast<CDatabaseDlg*>(shown);
        ASSERT_NE(dialog, nullptr);
        dialog->ShowList(CDataBase::insulationProducts);
        selectLine(dialog->Box(), QString::fromStdString(oldName));
        dialog->UpdateButton()->click();
        EXPECT_TRUE(lines(dialog->Box()).contains(QString::fromUtf8("Omdöpt produkt")));
        dialogButton(dialog, QDialogButtonBox::Ok)->click();
    });
    real.OnEditDatabase();

    CListItem* renamed = FindByName(realDatabase.lists[CDataBase::insulationProducts], "Omdöpt produkt");
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(FindByName(realDatabase.lists[CDataBase::insulationProducts], oldName), nullptr);
    EXPECT_EQ(heatLoss.layer1.CatalogueProduct(), renamed);
    // The cladding was copied and put back like every other item; the
    // module follows its copy.
    EXPECT_EQ(heatLoss.OuterCladding(), realDatabase.lists[CDataBase::outerCladdings].at(0).get());
}

TEST_F(DatabaseEditorTest, LooksLikeADatabaseEditor)
{
    editWith(
        [&](CDatabaseDlg& dialog) {
            dialog.ListButton(CDataBase::pipeMaterials)->click();
            dialog.Box()->setCurrentRow(1);
            const QImage image = dialog.grab().toImage();
            EXPECT_GT(image.width(), 400);
            KeepScreenshot(image, "database-dialog.png");
        },
        QDialogButtonBox::Cancel);
}
