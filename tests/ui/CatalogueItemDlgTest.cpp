#include "UiTestSupport.h"
#include "database/CAbsorpsjon.h"
#include "database/CDataBase.h"
#include "database/CMantling.h"
#include "database/CRormaterial.h"
#include "database/CTillegg2.h"
#include "database/CVeske.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "ui/CAbsorpsjonDlg.h"
#include "ui/CAbsorpsjonTykkelseDlg.h"
#include "ui/CMantlingDlg.h"
#include "ui/CRordimensjonDlg.h"
#include "ui/CRormaterialDlg.h"
#include "ui/CTillegg2Dlg.h"
#include "ui/CTilleggslengdeDlg.h"
#include "ui/CVeskeDlg.h"
#include "ui/ChoiceBoxController.h"
#include "ui/Editors.h"
#include "ui/ListBoxController.h"
#include "ui/QtEditorService.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

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

// Presses OK and gives the messages it showed; the prompter starts afresh.
std::vector<std::string> pressOk(QWidget* dialog, platform::ScriptedPrompter& prompter)
{
    prompter.Clear();
    dialogButton(dialog, QDialogButtonBox::Ok)->click();
    return prompter.Texts();
}

using Texts = std::vector<std::string>;

struct ItemDialogTest : ::testing::Test {
    ItemDialogTest()
    {
        RegisterEditors(editors);
        database.MakeCurrent();
    }

    platform::ScriptedPrompter prompter;
    QtEditorService editors;
    platform::ScopedServices services{{.prompter = &prompter, .editors = &editors}};
    CDataBase database;
};

} // namespace

TEST_F(ItemDialogTest, CladdingEmissivityFollowsTheScrollBarInItsSteps)
{
    CMantling cladding(CMantling::insideOuterSurface);
    cladding.name = "Plåt";
    cladding.emissivity = 0.94f;
    CMantlingDlg dialog(cladding);
    dialog.show();
    QScrollBar* bar = dialog.EmissivityBar();
    EXPECT_EQ(dialog.EmissivityField()->text(), "0.94");
    EXPECT_EQ(bar->value(), 94);

    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(dialog.EmissivityField()->text(), "0.99");
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(dialog.EmissivityField()->text(), "1.00");
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(dialog.EmissivityField()->text(), "0.80");
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(dialog.EmissivityField()->text(), "0.75");
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(dialog.EmissivityField()->text(), "0.00");
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(dialog.EmissivityField()->text(), "1.00");
    bar->setSliderPosition(37);
    EXPECT_EQ(dialog.EmissivityField()->text(), "0.37");

    // Typing does not move the bar; the typed value is what counts.
    dialog.EmissivityField()->setText("0.123");
    EXPECT_EQ(bar->value(), 37);

    // The colour chooser starts at the current colour; OK repaints the swatch.
    unsigned offered = 0;
    CCatalogueItemDlg::chooseColour = [&](unsigned& colour, QWidget*) {
        offered = colour;
        colour = 0x00336699;
        return true;
    };
    dialog.ColourButton()->click();
    EXPECT_EQ(offered, 0x00C0C0C0u);
    EXPECT_EQ(dialog.Swatch()->palette().color(QPalette::Window), QColor(0x99, 0x66, 0x33));
    KeepScreenshot(dialog.grab().toImage(), "cladding-dialog.png");

    // The range, then the name; each keeps the dialog open.
    dialog.EmissivityField()->setText("1.01");
    EXPECT_EQ(pressOk(&dialog, prompter), Texts{"Skriv in ett tal mellan 0 och 1."});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.EmissivityField());
    dialog.EmissivityField()->setText("0.123");
    dialog.NameField()->clear();
    EXPECT_EQ(pressOk(&dialog, prompter), Texts{"Blanka namn är otillåtet!"});
    // Names are checked in the list of the cladding's own kind.
    auto other = std::make_unique<CMantling>(CMantling::insideOuterSurface);
    other->name = "Puts";
    database.lists[CDataBase::insideOuterSurfaces].push_back(std::move(other));
    auto elsewhere = std::make_unique<CMantling>(CMantling::outerCladding);
    elsewhere->name = "Aluminium";
    database.lists[CDataBase::outerCladdings].push_back(std::move(elsewhere));
    dialog.NameField()->setText("Puts");
    EXPECT_EQ(pressOk(&dialog, prompter), Texts{"Detta namn är redan använt."});
    dialog.NameField()->setText("Aluminium");
    EXPECT_TRUE(pressOk(&dialog, prompter).empty());
    EXPECT_FALSE(dialog.isVisible());
    dialog.Apply(cladding);
    EXPECT_EQ(cladding.name, "Aluminium");
    EXPECT_FLOAT_EQ(cladding.emissivity, 0.123f);
    EXPECT_EQ(cladding.colour, 0x00336699u);
    EXPECT_EQ(cladding.kind, CMantling::insideOuterSurface);
}

TEST_F(ItemDialogTest, LiquidAndDimensionFieldsAreCheckedInOrder)
{
    // A name longer than a field takes can only come from a data file: it
    // shows whole, typing cannot make it longer, and OK refuses it.
    CVeske liquid;
    liquid.name = std::string(61, 'x');
    CVeskeDlg dialog(liquid);
    dialog.show();
    EXPECT_EQ(dialog.NameField()->text().size(), 61);
    dialog.NameField()->end(false);
    TypeText(dialog.NameField(), "y");
    EXPECT_EQ(dialog.NameField()->text().size(), 61);
    EXPECT_EQ(dialog.DensityField()->text(), "999");
    EXPECT_EQ(dialog.HeatField()->text(), "4180");
    EXPECT_EQ(dialog.FreezingField()->text(), "0");
    dialog.DensityField()->setText("0.5");
    dialog.HeatField()->setText("abc");
    dialog.FreezingField()->setText("-274");
    EXPECT_EQ(pressOk(&dialog, prompter), Texts{"Använd inte fler än 60 tecken."});
    dialog.NameField()->setText("Glykol 30%");
    EXPECT_EQ(pressOk(&dialog, prompter), Texts{"Skriv in ett tal mellan 1 och 10000."});
    EXPECT_EQ(dialog.focusWidget(), dialog.DensityField());
    dialog.DensityField()->setText("1040");
    EXPECT_EQ(pressOk(&dialog, prompter), Texts{"Skriv in ett tal."});
    dialog.HeatField()->setText("3600");
    EXPECT_EQ(pressOk(&dialog, prompter), Texts{"Skriv in ett tal mellan -273 och 200."});
    dialog.FreezingField()->setText("-15");
    EXPECT_TRUE(pressOk(&dialog, prompter).empty());
    dialog.Apply(liquid);
    EXPECT_EQ(liquid.name, "Glykol 30%");
    EXPECT_FLOAT_EQ(liquid.density, 1040.0f);
    EXPECT_FLOAT_EQ(liquid.specificHeatCapacity, 3600.0f);
    EXPECT_FLOAT_EQ(liquid.freezingPoint, -15.0f);

    CRordimensjon dimension;
    CRordimensjonDlg dimensionDialog(dimension);
    dimensionDialog.show();
    dimensionDialog.DiameterField()->setText("0.9");
    EXPECT_EQ(pressOk(&dimensionDialog, prompter), Texts{"Skriv in ett tal mellan 1 och 10000."});
    dimensionDialog.DiameterField()->setText("10000");
    dimensionDialog.WallField()->setText("0.09");
    EXPECT_EQ(pressOk(&dimensionDialog, prompter), Texts{"Skriv in ett tal mellan 0.1 och 1000."});
    dimensionDialog.WallField()->setText("0.1");
    EXPECT_TRUE(pressOk(&dimensionDialog, prompter).empty());
}

TEST_F(ItemDialogTest, FittingLengthsStaySortedByLengthAndTheNameFollowsTheRange)
{
    CTillegg2 fitting;
    fitting.name = "Ventil";
    CTillegg2Dlg dialog(fitting);
    dialog.show();

    auto addLength = [&](const char* length, const char* min, const char* max) {
        runEditor<CTilleggslengdeDlg>(dialog.NewButton(), [&](CTilleggslengdeDlg& editor) {
            editor.LengthField()->setText(length);
            editor.MinField()->setText(min);
            editor.MaxField()->setText(max);
            dialogButton(&editor, QDialogButtonBox::Ok)->click();
        });
    };
    // An empty list cannot be updated or deleted, nor confirmed.
    prompter.Clear();
    dialog.UpdateButton()->click();
    dialog.DeleteButton()->click();
    EXPECT_EQ(prompter.Texts(), Texts(2, "Listan är tom!"));
    EXPECT_EQ(pressOk(&dialog, prompter), Texts{"Du måste uppge en tilläggslängd!"});
    EXPECT_EQ(dialog.focusWidget(), dialog.NewButton());

    addLength("3", "10", "50");
    addLength("1", "51", "100");
    addLength("2", "200", "101"); // the wrong way round is taken as typed
    EXPECT_EQ(lines(dialog.Box()), (QStringList{"51 - 100 mm", "200 - 101 mm", "10 - 50 mm"}));

    // The lengths' own ranges.
    prompter.Clear();
    runEditor<CTilleggslengdeDlg>(dialog.NewButton(), [&](CTilleggslengdeDlg& editor) {
        EXPECT_EQ(editor.LengthField()->text(), "1");
        editor.LengthField()->setText("1000.5");
        editor.MaxField()->setText("10001");
        EXPECT_EQ(pressOk(&editor, prompter), Texts{"Skriv in ett tal mellan 0 och 1000."});
        editor.LengthField()->setText("1000");
        EXPECT_EQ(pressOk(&editor, prompter), Texts{"Skriv in ett tal mellan 0 och 10000."});
    });
    EXPECT_EQ(dialog.Box()->count(), 3);

    // An update goes back to its sorted place, the name to its new range.
    dialog.Box()->setCurrentRow(0);
    runEditor<CTilleggslengdeDlg>(dialog.UpdateButton(), [&](CTilleggslengdeDlg& editor) {
        editor.LengthField()->setText("5");
        editor.MinField()->setText("51.4");
        dialogButton(&editor, QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(lines(dialog.Box()), (QStringList{"200 - 101 mm", "10 - 50 mm", "51 - 100 mm"}));
    EXPECT_EQ(dialog.Box()->currentItem()->text(), "51 - 100 mm");

    EXPECT_TRUE(pressOk(&dialog, prompter).empty());
    dialog.Apply(fitting);
    ASSERT_EQ(fitting.lengths.size(), 3u);
    EXPECT_FLOAT_EQ(fitting.lengths[2]->equivalentLength, 5.0f);
    EXPECT_FLOAT_EQ(fitting.lengths[2]->minPipeDiameter, 51.4f);
    EXPECT_FLOAT_EQ(fitting.EquivalentLength(5.0f), 2.0f);
}

TEST_F(ItemDialogTest, PipeDimensionsStaySortedAndOneInUseStays)
{
    CRormaterial material;
    material.name = "Stål";
    for (auto [name, diameter] : {std::pair{"DN 50", 60.3f}, std::pair{"DN 20", 26.9f}}) {
        auto dimension = std::make_unique<CRordimensjon>();
        dimension->name = name;
        dimension->outerDiameter = diameter;
        material.dimensions.push_back(std::move(dimension));
    }
    CItem user;
    material.dimensions[0]->AddDependent(&user);
    CRormaterialDlg dialog(material);
    dialog.show();
    EXPECT_EQ(lines(dialog.Box()), (QStringList{"DN 50", "DN 20"})); // as the file has them

    runEditor<CRordimensjonDlg>(dialog.NewButton(), [&](CRordimensjonDlg& editor) {
        editor.NameField()->setText("DN 20");
        editor.DiameterField()->setText("42.4");
        EXPECT_EQ(pressOk(&editor, prompter), Texts{"Detta namn är redan använt."});
        editor.NameField()->setText("DN 32");
        EXPECT_TRUE(pressOk(&editor, prompter).empty());
    });
    EXPECT_EQ(lines(dialog.Box()), (QStringList{"DN 32", "DN 50", "DN 20"}));

    dialog.Box()->setCurrentRow(1);
    prompter.Clear();
    dialog.DeleteButton()->click();
    EXPECT_EQ(prompter.Texts(), Texts{"Man kan inte ta bort en dimension som är vald i en beräkningsmodul"});
    EXPECT_EQ(dialog.Box()->count(), 3);

    // The material's own fields, in order.
    dialog.ConductivityField()->setText("0.0009");
    dialog.CoefficientField()->setText("-1.5");
    EXPECT_EQ(pressOk(&dialog, prompter), Texts{"Skriv in ett tal mellan 0.001 och 1000."});
    dialog.ConductivityField()->setText("380");
    EXPECT_EQ(pressOk(&dialog, prompter), Texts{"Skriv in ett tal mellan -1 och 1."});
    dialog.CoefficientField()->setText("-0.05");
    dialog.MinField()->setText("101");
    EXPECT_EQ(pressOk(&dialog, prompter), Texts{"Skriv in ett tal mellan -200 och 100."});
    dialog.MinField()->setText("-200");
    EXPECT_TRUE(pressOk(&dialog, prompter).empty());
    dialog.Apply(material);
    EXPECT_FLOAT_EQ(material.WallConductivity(100.0f), 375.0f);
    ASSERT_EQ(material.dimensions.size(), 3u);
    EXPECT_EQ(material.dimensions[0]->name, "DN 32");
    // The copy that replaced the used dimension told its user.
    EXPECT_EQ(material.dimensions[1]->Dependents(), std::vector<CItem*>{&user});
    material.dimensions[1]->RemoveDependent(&user);
}

TEST_F(ItemDialogTest, PipeMaterialWithoutDimensionsIsRefused)
{
    CRormaterial material;
    material.name = "Koppar";
    CRormaterialDlg dialog(material);
    dialog.show();
    EXPECT_EQ(pressOk(&dialog, prompter), Texts{"Man måste lägga in minst en tjocklek!"});
    EXPECT_EQ(dialog.focusWidget(), dialog.NewButton());
}

TEST_F(ItemDialogTest, AbsorptionThicknessesSortByThicknessAndNamesMustDiffer)
{
    CAbsorpsjon product(CAbsorpsjon::rectangularDuct);
    product.name = "Ljudabsorbent";
    product.colour1 = 0x00112233;
    CAbsorpsjonDlg dialog(product);
    dialog.show();
    EXPECT_TRUE(dialog.VerticalButton()->isEnabled());

    auto addThickness = [&](const char* thickness) {
        prompter.Clear();
        runEditor<CAbsorpsjonTykkelseDlg>(dialog.NewButton(), [&](CAbsorpsjonTykkelseDlg& editor) {
            editor.ThicknessField()->setText(thickness);
            dialogButton(&editor, QDialogButtonBox::Ok)->click();
        });
        return prompter.Texts();
    };
    EXPECT_TRUE(addThickness("100").empty());
    EXPECT_TRUE(addThickness("30").empty());
    EXPECT_TRUE(addThickness("50").empty());
    EXPECT_EQ(lines(dialog.Box()), (QStringList{"30.0", "50.0", "100.0"}));
    EXPECT_EQ(addThickness("50"), Texts{"Detta namn är redan använt."});
    EXPECT_EQ(addThickness("50.04"), Texts{"Detta namn är redan använt."});
    EXPECT_EQ(addThickness("2000.5"), Texts{"Skriv in ett tal mellan 0 och 2000."});
    EXPECT_EQ(dialog.Box()->count(), 3);

    prompter.Clear();
    runEditor<CAbsorpsjonTykkelseDlg>(dialog.NewButton(), [&](CAbsorpsjonTykkelseDlg& editor) {
        editor.ThicknessField()->setText("75");
        editor.FactorField(4)->setText("1.2");
        EXPECT_EQ(pressOk(&editor, prompter), Texts{"Skriv in ett tal mellan 0 och 1."});
        EXPECT_EQ(editor.focusWidget(), editor.FactorField(4));
        editor.FactorField(4)->setText("0.9");
        EXPECT_TRUE(pressOk(&editor, prompter).empty());
    });
    EXPECT_EQ(lines(dialog.Box()), (QStringList{"30.0", "50.0", "75.0", "100.0"}));
    KeepScreenshot(dialog.grab().toImage(), "absorption-dialog.png");

    // An update keeps its own name, and goes to its new place.
    dialog.Box()->setCurrentRow(0);
    runEditor<CAbsorpsjonTykkelseDlg>(dialog.UpdateButton(), [&](CAbsorpsjonTykkelseDlg& editor) {
        editor.ThicknessField()->setText("120");
        EXPECT_TRUE(pressOk(&editor, prompter).empty());
    });
    EXPECT_EQ(lines(dialog.Box()), (QStringList{"50.0", "75.0", "100.0", "120.0"}));

    // Pictures come without their folder.
    CCatalogueItemDlg::choosePicture = [](QWidget*) { return std::string("/bilder/absorbent/vertikal.jpg"); };
    dialog.VerticalButton()->click();
    EXPECT_EQ(dialog.VerticalField()->text(), "vertikal.jpg");

    // Deleting every thickness leaves nothing to confirm.
    for (int i = 0; i < 4; ++i)
        dialog.DeleteButton()->click();
    EXPECT_EQ(pressOk(&dialog, prompter), Texts{"Man måste lägga in minst en tjocklek!"});
    addThickness("40");
    EXPECT_TRUE(pressOk(&dialog, prompter).empty());
    dialog.Apply(product);
    EXPECT_EQ(product.verticalPicture, "vertikal.jpg");
    ASSERT_EQ(product.thicknesses.size(), 1u);
    EXPECT_EQ(product.thicknesses[0]->name, "40.0");
    EXPECT_EQ(product.colour1, 0x00112233u);
    EXPECT_EQ(product.kind, CAbsorpsjon::rectangularDuct);
}

TEST_F(ItemDialogTest, AbsorptionProductForCircularDuctsHasOnePicture)
{
    CAbsorpsjon product(CAbsorpsjon::circularDuct);
    product.name = "Rörabsorbent";
    auto thickness = std::make_unique<CAbsorpsjonTykkelse>();
    CItem user;
    thickness->AddDependent(&user);
    product.thicknesses.push_back(std::move(thickness));
    CAbsorpsjonDlg dialog(product);
    dialog.show();
    EXPECT_FALSE(dialog.VerticalButton()->isEnabled());
    EXPECT_FALSE(dialog.VerticalField()->isEnabled());
    EXPECT_FALSE(dialog.HorizontalButton()->isEnabled());
    EXPECT_FALSE(dialog.HorizontalField()->isEnabled());
    EXPECT_TRUE(dialog.FourSidesButton()->isEnabled());
    EXPECT_EQ(dialog.FourSidesButton()->text(), QString::fromUtf8("Välj produktbild"));

    prompter.Clear();
    dialog.DeleteButton()->click();
    EXPECT_EQ(prompter.Texts(), Texts{"Man kan inte ta bort en tjocklek som är vald i en beräkningsmodul"});
    EXPECT_EQ(dialog.Box()->count(), 1);

    // Names are checked among the products for circular ducts only.
    auto rectangular = std::make_unique<CAbsorpsjon>(CAbsorpsjon::rectangularDuct);
    rectangular->name = "Annan";
    database.lists[CDataBase::rectangularAbsorbers].push_back(std::move(rectangular));
    auto circular = std::make_unique<CAbsorpsjon>(CAbsorpsjon::circularDuct);
    circular->name = "Tagen";
    database.lists[CDataBase::circularAbsorbers].push_back(std::move(circular));
    dialog.NameField()->setText("Tagen");
    EXPECT_EQ(pressOk(&dialog, prompter), Texts{"Detta namn är redan använt."});
    dialog.NameField()->setText("Annan");
    EXPECT_TRUE(pressOk(&dialog, prompter).empty());
    dialog.Apply(product);
    product.thicknesses[0]->RemoveDependent(&user);
}

TEST_F(ItemDialogTest, ListBoxControllerPutsAnUpdatedItemBackInItsPlace)
{
    ItemList<CVeske> liquids;
    for (const char* name : {"Vatten", "Glykol", "Olja"}) {
        liquids.push_back(std::make_unique<CVeske>());
        liquids.back()->name = name;
    }
    QListWidget box;
    ListBoxController controller;
    controller.Attach(liquids, &box);
    EXPECT_EQ(lines(&box), (QStringList{"Vatten", "Glykol", "Olja"}));

    // While its editor is open the item is out of the list.
    std::size_t sizeWhileEditing = 0;
    bool confirm = true;
    editors.Register(CVeske::classInfo.name, [&](CItem& item, QWidget*) {
        sizeWhileEditing = liquids.size();
        static_cast<CListItem&>(item).name = "Brine";
        return confirm;
    });
    box.setCurrentRow(1);
    EXPECT_TRUE(controller.Update());
    EXPECT_EQ(sizeWhileEditing, 2u);
    EXPECT_EQ(lines(&box), (QStringList{"Vatten", "Brine", "Olja"}));
    EXPECT_EQ(liquids[1]->name, "Brine");
    EXPECT_EQ(box.currentRow(), 1);

    // With nothing selected the first line is used.
    box.clearSelection();
    box.setCurrentRow(-1);
    EXPECT_EQ(controller.Selected(), liquids[0].get());
    EXPECT_EQ(box.currentRow(), 0);

    // A cancelled new item is dropped; a confirmed one is appended.
    confirm = false;
    EXPECT_FALSE(controller.New(std::make_unique<CVeske>()));
    EXPECT_EQ(liquids.size(), 3u);
    confirm = true;
    EXPECT_TRUE(controller.New(std::make_unique<CVeske>()));
    ASSERT_EQ(liquids.size(), 4u);
    EXPECT_EQ(lines(&box).last(), "Brine");
    EXPECT_EQ(box.currentRow(), 3);

    // Delete asks with the name and keeps the item on Cancel.
    prompter.Clear();
    prompter.QueueAnswer(platform::Answer::Cancel);
    box.setCurrentRow(2);
    EXPECT_FALSE(controller.Delete());
    EXPECT_EQ(prompter.Texts(), Texts{"\"Olja\" raderas nu!"});
    EXPECT_EQ(liquids.size(), 4u);
    EXPECT_TRUE(controller.Delete());
    EXPECT_EQ(lines(&box), (QStringList{"Vatten", "Brine", "Brine"}));
}

TEST_F(ItemDialogTest, ChoiceBoxOffersTheCurrentItemEvenWhenTheListLacksIt)
{
    ItemList<CVeske> liquids;
    for (const char* name : {"Vatten", "Glykol"}) {
        liquids.push_back(std::make_unique<CVeske>());
        liquids.back()->name = name;
        liquids.back()->description = std::string("om ") + name;
    }
    CVeske gone;
    gone.name = "Saltlake";
    gone.description = "borttagen";
    QComboBox box;
    QLabel text;
    ChoiceBoxController controller;
    controller.Init(liquids, &box, &text, &gone);
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(box.currentText(), "Saltlake");
    EXPECT_EQ(text.text(), "borttagen");
    EXPECT_EQ(liquids.size(), 2u) << "the shared list stays as it was";
    CListItem* chosen = controller.Selected();
    ASSERT_NE(chosen, nullptr);
    EXPECT_NE(chosen, &gone);
    EXPECT_EQ(chosen->name, "Saltlake");

    EXPECT_TRUE(controller.SelectName("Glykol"));
    EXPECT_EQ(controller.Selected(), liquids[1].get());
    EXPECT_EQ(text.text(), "om Glykol");
    EXPECT_FALSE(controller.SelectName("Olja"));
    controller.Enable(false);
    EXPECT_FALSE(box.isEnabled());
    EXPECT_FALSE(text.isEnabled());

    controller.Init(liquids, &box, &text, liquids[0].get());
    EXPECT_EQ(box.count(), 2);
    EXPECT_EQ(controller.Selected(), liquids[0].get());
}
