// The pieces every module dialog is built from: number rows declared once,
// and the shared groups of controls, each in a small dialog of its own.

#include "HeatLossCatalogue.h"
#include "UiTestSupport.h"
#include "database/CKlima.h"
#include "database/CKlimasted.h"
#include "modules/CIsolasjon.h"
#include "modules/CTilleggsutstyr.h"
#include "ui/CKlimaDlg.h"
#include "ui/DialogGroups.h"
#include "ui/FieldRows.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// An input with one field of each kind of range.
struct Sample {
    float temperature = 20;
    float speed = 2;
    float coefficient = 5;
    float emissivity = 0.9f;
    float diameter = 32;
    float wall = 2;
    float bareEmissivity = 0.5f;
    float hours = 8760, price = 60, co2 = 750;
    Surroundings surroundings = Surroundings::Indoors;
    bool typed = false;
    bool innerUsed = false;
    bool own = false;
    bool twoLayers = false;
};

using Field = NumberField<Sample>;
constexpr Field temperature{"temperature", "Omgivningstemperatur [°C]:", "%.1f", &Sample::temperature, -60, 500};
constexpr Field speed{"speed", "Vindhastighet [m/s]:", "%.1f", &Sample::speed};
constexpr Field coefficient{"coefficient", "[W/m²K]:", "%.1f", &Sample::coefficient};
constexpr Field emissivity{"emissivity", "Egendef. emissivitet:", "%.2f", &Sample::emissivity};
constexpr Field diameter{"diameter", "Rördiameter [mm]:", "%.1f", &Sample::diameter, 1, 10000};
constexpr Field wall{"wall", "Godstjocklek [mm]:", "%.1f", &Sample::wall};
constexpr Field bareEmissivity{"bare", "Emissivitet:", "%.2f", &Sample::bareEmissivity, 0, 1};
constexpr Field hours{"hours", "Driftstid [h/år]:", "%.0f", &Sample::hours};
constexpr Field price{"price", "Energipris [öre/kWh]:", "%.1f", &Sample::price};
constexpr Field co2{"co2", "CO2-utsläpp [g/kWh]:", "%.0f", &Sample::co2};
constexpr const Field* all[] = {&temperature, &speed, &coefficient, &emissivity, &diameter,
                                &wall, &bareEmissivity, &hours, &price, &co2};

struct DialogGroupsTest : HeatLossCatalogueTest {
    QLineEdit* Edit(const char* name) { return dialog.findChild<QLineEdit*>(name); }
    QAbstractButton* Button(const char* name) { return dialog.findChild<QAbstractButton*>(name); }
    QComboBox* Box(const char* name) { return dialog.findChild<QComboBox*>(name); }
    std::vector<std::string> Store()
    {
        prompter.Clear();
        stored = rows.StoreAll();
        return prompter.Texts();
    }

    QDialog dialog;
    Sample sample;
    FieldRows rows{&dialog, all, sample};
    QGridLayout* grid = new QGridLayout(&dialog);
    int changes = 0;
    std::function<void()> changed = [this] { ++changes; };
    bool stored = false;
};

using Texts = std::vector<std::string>;

} // namespace

TEST(FieldRows, ParseTakesPlainNumbersWithPointOrCommaOnly)
{
    float value = 7;
    for (const char* text : {"12", "-3,5", " 0.25 ", "1e3", "+4"})
        EXPECT_TRUE(ParseNumber(QString::fromUtf8(text), value)) << text;
    EXPECT_FLOAT_EQ(value, 4.0f);
    for (const char* text : {"", "abc", "1,2,3", "inf", "nan", "0x10", "12 mm", "1e50", "--1"})
        EXPECT_FALSE(ParseNumber(QString::fromUtf8(text), value)) << text;
    EXPECT_FLOAT_EQ(value, 4.0f) << "a refused text leaves the value";
}

TEST_F(DialogGroupsTest, RowsShowStoreAndRefuseInTheirOrder)
{
    NumberRow& t = rows[temperature];
    EXPECT_EQ(t.Edit()->objectName(), QStringLiteral("temperature"));
    EXPECT_EQ(t.Edit()->text(), QStringLiteral("20.0"));
    EXPECT_EQ(t.Label()->text(), QString::fromUtf8("Omgivningstemperatur [°C]:"));
    EXPECT_EQ(t.Label()->buddy(), t.Edit());
    t.SetEnabled(false);
    EXPECT_FALSE(t.Label()->isEnabled());
    EXPECT_FALSE(t.Edit()->isEnabled());
    t.SetEnabled(true);
    dialog.show();

    // The first field that fails stops the exchange; later ones keep their value.
    rows[temperature].Edit()->setText(QStringLiteral("abc"));
    rows[diameter].Edit()->setText(QStringLiteral("0"));
    EXPECT_EQ(Store(), Texts{"Skriv in ett tal."});
    EXPECT_FALSE(stored);
    EXPECT_EQ(dialog.focusWidget(), rows[temperature].Edit());
    rows[temperature].Edit()->setText(QStringLiteral("-12,5"));
    EXPECT_EQ(Store(), Texts{"Skriv in ett tal mellan 1 och 10000."});
    EXPECT_EQ(dialog.focusWidget(), rows[diameter].Edit());
    EXPECT_FLOAT_EQ(sample.temperature, -12.5f);
    EXPECT_FLOAT_EQ(sample.diameter, 32.0f);
    rows[diameter].Edit()->setText(QStringLiteral("48.3"));
    EXPECT_EQ(Store(), Texts{});
    EXPECT_TRUE(stored);
    EXPECT_FLOAT_EQ(sample.diameter, 48.3f);

    // While typing: the number shown, or the fallback.
    rows[wall].Edit()->setText(QStringLiteral("x"));
    EXPECT_FLOAT_EQ(rows[wall].Typed(9), 9.0f);
    rows[wall].Show(3.25f);
    EXPECT_EQ(rows[wall].Edit()->text(), QStringLiteral("3.2"));
    EXPECT_FLOAT_EQ(rows[wall].Typed(9), 3.2f) << "what is shown, not what was given";

    // A refused check names its field among the dialog's children.
    InputCheck check;
    check.Require(false, 62533, "diameter");
    prompter.Clear();
    EXPECT_FALSE(RefuseCheck(&dialog, check));
    EXPECT_EQ(prompter.Texts(), Texts{"Du måste välja en ytbeklädnad."});
    EXPECT_EQ(dialog.focusWidget(), rows[diameter].Edit());
}

TEST_F(DialogGroupsTest, SurroundingsEnableTheirValueAndTakeAClimateLocation)
{
    CKlima climate;
    climate.locations.push_back(std::make_unique<CKlimasted>());
    climate.locations[0]->name = "Luleå";
    climate.locations[0]->annualMeanTemperature = 1.6f;
    climate.locations[0]->annualMeanWindSpeed = 3.1f;
    climate.locations[0]->UpdateDisplayText();
    SetClimateLocations(&climate);

    SurroundingsGroup group(&dialog, sample.surroundings, rows[speed], rows[coefficient], rows[temperature], changed);
    grid->addWidget(group.Box(), 0, 0);
    group.UpdateStates();
    EXPECT_FALSE(Edit("speed")->isEnabled());
    EXPECT_FALSE(Button("climate")->isEnabled());
    EXPECT_FALSE(Edit("coefficient")->isEnabled());

    Button("surroundings1")->click();
    EXPECT_EQ(changes, 1);
    group.UpdateStates();
    EXPECT_TRUE(Edit("speed")->isEnabled());
    EXPECT_TRUE(Button("climate")->isEnabled());
    WhenModalShows([](QWidget* d) {
        auto* list = d->findChild<QTreeWidget*>("locations");
        list->setCurrentItem(list->topLevelItem(0));
        static_cast<QDialog*>(d)->accept();
    });
    Button("climate")->click();
    EXPECT_EQ(Edit("temperature")->text(), QStringLiteral("1.6"));
    EXPECT_EQ(Edit("speed")->text(), QStringLiteral("3.1"));

    Button("surroundings2")->click();
    group.UpdateStates();
    EXPECT_FALSE(Edit("speed")->isEnabled());
    EXPECT_TRUE(Edit("coefficient")->isEnabled());
    group.Store();
    EXPECT_EQ(sample.surroundings, Surroundings::GivenCoefficient);
    SetClimateLocations(nullptr);
}

TEST_F(DialogGroupsTest, CladdingOffersItsListAndShowsTheChosenEmissivity)
{
    CMantling* outer = Cladding(CDataBase::outerCladdings, 1);
    CMantling* inner = nullptr;
    CladdingGroup group(&dialog, sample.typed, outer, rows[emissivity], changed);
    group.AddInner(sample.innerUsed, inner);
    grid->addWidget(group.Box(), 0, 0);
    QComboBox* claddings = Box("cladding");
    ASSERT_EQ(claddings->count(), 2);
    EXPECT_EQ(claddings->currentText(), QStringLiteral("PVC"));

    group.UpdateStates(false);
    EXPECT_TRUE(claddings->isEnabled());
    EXPECT_FALSE(Edit("emissivity")->isEnabled());
    EXPECT_FALSE(Button("innerCladdingUsed")->isEnabled());
    claddings->setCurrentIndex(0);
    emit claddings->activated(0);
    EXPECT_EQ(Edit("emissivity")->text(), QStringLiteral("0.30"));

    // Inside insulation: its own list, which holds none of the other's surfaces.
    group.SetInsideList(true);
    group.UpdateStates(true);
    ASSERT_EQ(claddings->count(), 1);
    EXPECT_EQ(claddings->currentIndex(), -1);
    EXPECT_TRUE(Button("innerCladdingUsed")->isEnabled());
    EXPECT_FALSE(Box("innerCladding")->isEnabled());
    Button("innerCladdingUsed")->click();
    EXPECT_TRUE(Box("innerCladding")->isEnabled());
    Box("innerCladding")->setCurrentIndex(0);
    Button("emissivityTyped")->click();
    EXPECT_EQ(changes, 1);
    group.UpdateStates(true);
    EXPECT_FALSE(claddings->isEnabled());
    EXPECT_TRUE(Edit("emissivity")->isEnabled());

    group.Store();
    EXPECT_TRUE(sample.typed);
    EXPECT_EQ(outer, nullptr);
    EXPECT_TRUE(sample.innerUsed);
    EXPECT_EQ(inner, Cladding(CDataBase::innerCladdings, 0));
}

TEST_F(DialogGroupsTest, PipeFillsItsValuesFromTheChosenMaterialAndDimension)
{
    CRormaterial* material = Material(0);
    const CRordimensjon* dimension = material->dimensions[1].get();
    PipeGroup group(&dialog, material, dimension, sample.own, rows[diameter], rows[wall], rows[bareEmissivity],
                    changed);
    group.PlaceIn(grid, 0);
    EXPECT_EQ(Box("pipeMaterial")->currentText(), QString::fromUtf8("Stål"));
    EXPECT_EQ(Box("pipeDimension")->currentText(), QStringLiteral("40"));
    group.UpdateStates(true);
    EXPECT_TRUE(Box("pipeDimension")->isEnabled());
    EXPECT_FALSE(Edit("diameter")->isEnabled());

    // Another material: its emissivity and its first dimension.
    Box("pipeMaterial")->setCurrentIndex(1);
    emit Box("pipeMaterial")->activated(1);
    EXPECT_EQ(Edit("bare")->text(), QStringLiteral("0.05"));
    EXPECT_EQ(Box("pipeDimension")->currentText(), QStringLiteral("22"));
    EXPECT_EQ(Edit("diameter")->text(), QStringLiteral("22.0"));
    EXPECT_EQ(Edit("wall")->text(), QStringLiteral("1.2"));

    Button("ownDimension")->click();
    EXPECT_EQ(changes, 1);
    group.UpdateStates(true);
    EXPECT_FALSE(Box("pipeDimension")->isEnabled());
    EXPECT_TRUE(Edit("diameter")->isEnabled());
    group.UpdateStates(false);
    EXPECT_FALSE(Box("pipeMaterial")->isEnabled());
    EXPECT_FALSE(Button("ownDimension")->isEnabled());
    EXPECT_FALSE(Edit("wall")->isEnabled());

    group.Store();
    EXPECT_EQ(material, Material(1));
    EXPECT_EQ(dimension, Material(1)->dimensions[0].get());
    EXPECT_TRUE(sample.own);
}

TEST_F(DialogGroupsTest, LayersSummariseTheirProductsAndOfferTheSecondLayer)
{
    CIsolasjon layer1(0, true), layer2(0, true);
    layer1.SetCatalogueProduct(Product(1));
    layer1.catalogueThickness = 40;
    LayersGroup group(&dialog, layer1, changed);
    group.AddSecondLayer(layer2, sample.twoLayers);
    grid->addWidget(group.Box(), 0, 0);
    auto summary = [&](const char* name) { return dialog.findChild<QLabel*>(name)->text(); };

    group.UpdateStates(true, true);
    EXPECT_EQ(summary("layer1Summary"), QString::fromUtf8("Produkt:\nRörskål\nTjocklek: 40.0 mm"));
    EXPECT_EQ(summary("layer2Summary"), QString());
    EXPECT_FALSE(Button("layer2")->isEnabled());
    Button("twoLayers")->click();
    EXPECT_EQ(changes, 1);
    group.UpdateStates(true, true);
    EXPECT_TRUE(Button("layer2")->isEnabled());
    // A searched thickness is not shown, and the second layer is not offered.
    group.UpdateStates(false, false);
    EXPECT_EQ(summary("layer1Summary"), QString::fromUtf8("Produkt:\nRörskål"));
    EXPECT_FALSE(Button("twoLayers")->isEnabled());
    EXPECT_FALSE(Button("layer2")->isEnabled());

    group.SetObjectKind(4);
    EXPECT_EQ(layer1.objectKind, 4);
    EXPECT_EQ(layer2.objectKind, 4);
    group.Store();
    EXPECT_TRUE(sample.twoLayers);
}

TEST_F(DialogGroupsTest, EnergyRowsFollowWhatIsCalculated)
{
    EnergyGroup group(rows[hours], rows[price], rows[co2]);
    group.PlaceIn(grid, 0);
    group.UpdateStates(true, false);
    EXPECT_TRUE(Edit("hours")->isEnabled());
    EXPECT_FALSE(Edit("price")->isEnabled());
    EXPECT_FALSE(Edit("co2")->isEnabled());
    group.UpdateStates(true, true);
    EXPECT_TRUE(Edit("co2")->isEnabled());
    EXPECT_EQ(Edit("price")->text(), QStringLiteral("60.0"));
}

TEST_F(DialogGroupsTest, FittingsAreAddedUpdatedAndRemovedThroughTheirList)
{
    // A fitting of the dialog's type: "Ventil" in the test catalogue.
    const auto valves = [&](int count) {
        auto fitting = std::make_unique<CTilleggsutstyr>();
        fitting->SetFittingType(Fitting(0));
        fitting->count = count;
        fitting->UpdateName("");
        return fitting;
    };
    // The fitting dialog answered with the valve and a count.
    const auto answerCount = [](const char* count) {
        WhenModalShows([count](QWidget* shown) {
            QComboBox* type = Combo(*shown, "type");
            type->setCurrentIndex(type->findText(QStringLiteral("Ventil")));
            Type(*shown, "count", count);
            static_cast<QDialog*>(shown)->accept();
            // A refused answer would leave the dialog open.
            if (shown->isVisible())
                static_cast<QDialog*>(shown)->reject();
        });
    };
    const auto lines = [](QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    };

    ItemList<CTilleggsutstyr> fittings;
    bool used = false;
    FittingsGroup group(&dialog, "Tilläggsarmatur:", "fittingsUsed", used, fittings, FittingsGroup::NewGoes::Last);
    group.PlaceIn(grid, 0);
    auto* list = dialog.findChild<QListWidget*>("fittings");
    ASSERT_NE(list, nullptr);

    // The check box while fittings are possible, the rest only when ticked.
    group.UpdateStates(false);
    EXPECT_FALSE(Button("fittingsUsed")->isEnabled());
    EXPECT_FALSE(list->isEnabled());
    group.UpdateStates(true);
    EXPECT_TRUE(Button("fittingsUsed")->isEnabled());
    EXPECT_FALSE(Button("newFitting")->isEnabled());
    Button("fittingsUsed")->click();
    group.UpdateStates(true);
    EXPECT_TRUE(group.Used());
    for (const char* name : {"newFitting", "updateFitting", "removeFitting"})
        EXPECT_TRUE(Button(name)->isEnabled()) << name;

    // An empty list has nothing to update or remove.
    prompter.Clear();
    Button("updateFitting")->click();
    Button("removeFitting")->click();
    EXPECT_EQ(prompter.Texts(), (Texts{"Listan är tom!", "Listan är tom!"}));

    // New ones go last here, selected; a cancelled one is not added.
    answerCount("2");
    Button("newFitting")->click();
    list->setCurrentRow(0);
    answerCount("3");
    Button("newFitting")->click();
    EXPECT_EQ(lines(list), (QStringList{"Ventil; 2 stk", "Ventil; 3 stk"}));
    EXPECT_EQ(list->currentRow(), 1);
    WhenModalShows([](QWidget* shown) { static_cast<QDialog*>(shown)->reject(); });
    Button("newFitting")->click();
    ASSERT_EQ(fittings.size(), 2u);
    EXPECT_EQ(fittings[1]->count, 3);

    // Update acts on the selected line, or on the first when none is.
    list->setCurrentRow(-1);
    answerCount("5");
    Button("updateFitting")->click();
    EXPECT_EQ(lines(list), (QStringList{"Ventil; 5 stk", "Ventil; 3 stk"}));
    EXPECT_EQ(fittings[0]->count, 5);
    answerCount("4");
    list->setCurrentRow(1); // as the double click's first press does
    emit list->itemDoubleClicked(list->item(1));
    EXPECT_EQ(fittings[1]->count, 4);

    // Removal asks first and keeps the entry on Cancel.
    prompter.Clear();
    prompter.QueueAnswer(platform::Answer::Cancel);
    list->setCurrentRow(1);
    Button("removeFitting")->click();
    EXPECT_EQ(prompter.Texts(), Texts{"\"Ventil; 4 stk\" raderas nu!"});
    EXPECT_EQ(fittings.size(), 2u);
    Button("removeFitting")->click();
    EXPECT_EQ(lines(list), QStringList{"Ventil; 5 stk"});
    ASSERT_EQ(fittings.size(), 1u);
    EXPECT_EQ(fittings[0]->count, 5);

    // A run's section puts a new fitting after the selected one.
    QDialog other;
    auto* otherGrid = new QGridLayout(&other);
    ItemList<CTilleggsutstyr> sectionFittings;
    sectionFittings.push_back(valves(1));
    sectionFittings.push_back(valves(2));
    bool sectionUsed = true;
    FittingsGroup section(&other, "Tilläggsarmatur", "fittingsEnabled", sectionUsed, sectionFittings,
                          FittingsGroup::NewGoes::AfterSelected);
    section.PlaceIn(otherGrid, 0);
    section.UpdateStates(true);
    auto* sectionList = other.findChild<QListWidget*>("fittings");
    EXPECT_EQ(lines(sectionList), (QStringList{"Ventil; 1 stk", "Ventil; 2 stk"}));
    sectionList->setCurrentRow(0);
    answerCount("7");
    other.findChild<QAbstractButton*>("newFitting")->click();
    EXPECT_EQ(lines(sectionList), (QStringList{"Ventil; 1 stk", "Ventil; 7 stk", "Ventil; 2 stk"}));
    EXPECT_EQ(sectionList->currentRow(), 1);
    ASSERT_EQ(sectionFittings.size(), 3u);
    EXPECT_EQ(sectionFittings[1]->count, 7);
}
