#include "HeatLossCatalogue.h"
#include "UiTestSupport.h"
#include "database/CKlima.h"
#include "database/CKlimasted.h"
#include "database/CVeske.h"
#include "modules/CKanalTempModul.h"
#include "modules/CSegment.h"
#include "ui/CKanalTempDlg.h"
#include "ui/CKlimaDlg.h"
#include "ui/CSegmentDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <cstdlib>
#include <functional>

namespace {

using Texts = std::vector<std::string>;
using platform::Answer;

// The heat loss dialogs' catalogue with two liquids; Rörskål and the
// user's product serve every section type.
struct FlowDlgTest : HeatLossCatalogueTest {
    FlowDlgTest()
    {
        for (auto [name, density, heat, freezing] :
             {std::tuple{"Vatten", 999.0f, 4180.0f, 0.0f}, std::tuple{"Glykol 30 %", 1040.0f, 3700.0f, -14.0f}}) {
            auto liquid = std::make_unique<CVeske>();
            liquid->name = name;
            liquid->density = density;
            liquid->specificHeatCapacity = heat;
            liquid->freezingPoint = freezing;
            database.lists[CDataBase::liquids].push_back(std::move(liquid));
        }
    }
    CVeske* Liquid(std::size_t i) { return Item<CVeske>(CDataBase::liquids, i); }

    static void Choose(QWidget& dialog, const char* name, const char* text)
    {
        QComboBox* box = Combo(dialog, name);
        box->setCurrentIndex(box->findText(QString::fromUtf8(text)));
        emit box->activated(box->currentIndex());
    }
    static void TypeThickness(QWidget& dialog, const char* name, const char* text)
    {
        Combo(dialog, name)->setEditText(QString::fromUtf8(text));
    }
    static QWidget* Focused(QWidget& dialog)
    {
        QWidget* w = dialog.focusWidget();
        // An editable box's own line edit takes the focus for it.
        if (w && qobject_cast<QComboBox*>(w->parentWidget()))
            return w->parentWidget();
        return w;
    }

    Texts PressOk(QDialog& dialog, std::initializer_list<Answer> answers = {})
    {
        prompter.Clear();
        for (Answer answer : answers)
            prompter.QueueAnswer(answer);
        dialog.accept();
        return prompter.Texts();
    }

    // A section of the type at its defaults, as "Ny sektion..." makes one.
    static CSegmentDlg::Values NewSection(int type, std::vector<std::string> others = {})
    {
        auto section = CSegment::CreateFromTemplate(nullptr, type, 1);
        return CSegmentDlg::ValuesOf(*section, std::move(others));
    }
};

// Fills a section dialog that "Ny sektion..." opened so that it passes.
void Complete(QWidget* d, const char* length = "10")
{
    auto* product = d->findChild<QComboBox*>("product");
    product->setCurrentIndex(product->findText(QString::fromUtf8("Rörskål")));
    d->findChild<QAbstractButton*>("emissivityTyped")->click();
    auto* l = d->findChild<QLineEdit*>("length");
    l->setText(QString::fromUtf8(length));
    static_cast<QDialog*>(d)->accept();
}

} // namespace

// The section dialog's checks on OK in their order, each with its message
// and the field it puts the focus on.
TEST_F(FlowDlgTest, SectionChecksInTheirOrder)
{
    CSegmentDlg dialog(NewSection(CSegment::pipeline, {"Sektion 2"}));
    dialog.show();

    // The thicknesses are read first, then the fields' own ranges.
    TypeThickness(dialog, "thickness", "abc");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal."});
    EXPECT_EQ(Focused(dialog), Combo(dialog, "thickness"));
    TypeThickness(dialog, "thickness", "5");
    Type(dialog, "length", "0,05");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal mellan 0.1 och 2000."});
    EXPECT_EQ(Focused(dialog), Edit(dialog, "length"));
    Type(dialog, "length", "25");

    EXPECT_EQ(PressOk(dialog), Texts{"Du måste välja en isolerprodukt."});
    EXPECT_EQ(Focused(dialog), Combo(dialog, "product"));
    Choose(dialog, "product", "Kallrör"); // stands 15 °C, the room is 20 °C
    const std::string warm = "Varning: Omgivningstemperaturen är högre än isolerproduktens max. temperatur.";
    EXPECT_EQ(PressOk(dialog, {Answer::Cancel}), Texts{warm});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(PressOk(dialog), (Texts{warm, "Värdet för tjockleken måste ligga mellan 10.00 och 100.00"}));
    EXPECT_EQ(Focused(dialog), Combo(dialog, "thickness"));
    Choose(dialog, "product", "Rörskål");
    TypeThickness(dialog, "thickness", "40");

    // The second layer, the same three.
    Button(dialog, "twoLayers")->click();
    Button(dialog, "layer2Source1")->click();
    EXPECT_EQ(PressOk(dialog), Texts{"Du måste välja en isolerprodukt."});
    EXPECT_EQ(Focused(dialog), Combo(dialog, "layer2UserProduct"));
    Choose(dialog, "layer2UserProduct", "Egen isolering");
    TypeThickness(dialog, "layer2UserThickness", "1");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för tjockleken måste ligga mellan 10.00 och 1000.00"});
    EXPECT_EQ(Focused(dialog), Combo(dialog, "layer2UserThickness"));
    TypeThickness(dialog, "layer2UserThickness", "30");

    // The pipe, the flow, the surface, the surroundings.
    Button(dialog, "ownDimension")->click();
    Type(dialog, "pipeDiameter", "2000");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för diameteren måste ligga mellan 1.00 och 1500.00"});
    EXPECT_EQ(Focused(dialog), Edit(dialog, "pipeDiameter"));
    Type(dialog, "pipeDiameter", "60,3");
    Type(dialog, "flow", "0,001");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för flödet måste ligga mellan 0.01 och 360000.00"});
    EXPECT_EQ(Focused(dialog), Edit(dialog, "flow"));
    Type(dialog, "flow", "2");
    EXPECT_EQ(PressOk(dialog), Texts{"Du måste välja en ytbeklädnad."});
    EXPECT_EQ(Focused(dialog), Combo(dialog, "cladding"));
    Button(dialog, "emissivityTyped")->click();
    Type(dialog, "emissivity", "1,5");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för emissiviteten måste ligga mellan 0.00 och 1.00"});
    EXPECT_EQ(Focused(dialog), Edit(dialog, "emissivity"));
    Type(dialog, "emissivity", "0,9");
    Button(dialog, "surroundings1")->click();
    Type(dialog, "windSpeed", "0");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för vindhastigheten måste ligga mellan 0.10 och 50.00"});
    EXPECT_EQ(Focused(dialog), Edit(dialog, "windSpeed"));
    Button(dialog, "surroundings2")->click();
    Type(dialog, "coefficient", "0");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för det utvändiga värmeövergångstalet måste ligga mellan 0.10 och 10000.00"});
    EXPECT_EQ(Focused(dialog), Edit(dialog, "coefficient"));
    Type(dialog, "coefficient", "8");

    // The name: not blank, not another section's.
    Edit(dialog, "name")->clear();
    EXPECT_EQ(PressOk(dialog), Texts{"Blanka namn är otillåtet!"});
    EXPECT_EQ(Focused(dialog), Edit(dialog, "name"));
    Type(dialog, "name", "Sektion 2");
    EXPECT_EQ(PressOk(dialog), Texts{"Detta namn är redan använt."});
    Type(dialog, "name", "Matarledning");
    EXPECT_TRUE(PressOk(dialog).empty());
    EXPECT_FALSE(dialog.isVisible());

    const CSegmentDlg::Values& v = dialog.Result();
    EXPECT_EQ(v.name, "Matarledning");
    EXPECT_EQ(v.product, Product(1));
    EXPECT_EQ(v.thickness, 40.0f);
    EXPECT_TRUE(v.BothLayers());
    EXPECT_EQ(v.layer2UserProduct, userDatabase.products[0].get());
    EXPECT_EQ(v.layer2UserThickness, 30.0f);
    EXPECT_EQ(v.pipeDiameter, 60.3f);
    EXPECT_EQ(v.surroundings, Surroundings::GivenCoefficient);
    EXPECT_EQ(v.outerCoefficient, 8.0f);
    EXPECT_EQ(v.flow, 2.0f);
    EXPECT_TRUE(v.ownEmissivity);
}

// Ducts: the dimensions by type, inside insulation that fills the duct, and
// an inner coefficient below 0.1, which would leave nothing to divide by.
TEST_F(FlowDlgTest, DuctSectionChecks)
{
    {
        CSegmentDlg::Values values = NewSection(CSegment::circularDuct);
        values.product = Product(1);
        values.ownEmissivity = true;
        CSegmentDlg dialog(std::move(values));
        dialog.show();
        EXPECT_FALSE(Edit(dialog, "height")->isEnabled());
        EXPECT_FALSE(Combo(dialog, "pipeMaterial")->isEnabled());
        EXPECT_FALSE(Button(dialog, "fittingsEnabled")->isEnabled());
        Type(dialog, "diameter", "3500");
        EXPECT_EQ(PressOk(dialog), Texts{"Värdet för diameteren måste ligga mellan 1.00 och 3000.00"});
        EXPECT_EQ(Focused(dialog), Edit(dialog, "diameter"));
        Type(dialog, "diameter", "315");
        Button(dialog, "innerCoefficientGiven")->click();
        Type(dialog, "innerCoefficient", "0");
        EXPECT_EQ(PressOk(dialog),
                  Texts{"Värdet för det invendiga värmeövergångstalet måste ligga mellan 0.10 och 10000.00"});
        EXPECT_EQ(Focused(dialog), Edit(dialog, "innerCoefficient"));
        Type(dialog, "innerCoefficient", "0,1");
        EXPECT_TRUE(PressOk(dialog).empty());
        EXPECT_EQ(dialog.Result().innerCoefficient, 0.1f);
    }
    {
        CSegmentDlg::Values values = NewSection(CSegment::insideInsulatedDuct);
        values.product = Product(1);
        values.ownEmissivity = true;
        CSegmentDlg dialog(std::move(values));
        dialog.show();
        EXPECT_FALSE(Button(dialog, "twoLayers")->isEnabled());
        EXPECT_FALSE(Button(dialog, "supports")->isEnabled());
        EXPECT_FALSE(Edit(dialog, "diameter")->isEnabled());
        Type(dialog, "height", "6000");
        EXPECT_EQ(PressOk(dialog), Texts{"Värdet för höjden måste ligga mellan 1.00 och 5000.00"});
        EXPECT_EQ(Focused(dialog), Edit(dialog, "height"));
        Type(dialog, "height", "120");
        Type(dialog, "width", "0");
        EXPECT_EQ(PressOk(dialog), Texts{"Värdet för bredden måste ligga mellan 1.00 och 5000.00"});
        Type(dialog, "width", "300");
        TypeThickness(dialog, "thickness", "60");
        EXPECT_EQ(PressOk(dialog), Texts{"Isolertjockleken blir för stor med given kanaldimension och invändig isolering."});
        TypeThickness(dialog, "thickness", "50");
        EXPECT_TRUE(PressOk(dialog).empty());
    }
}

// The controls follow the choices; the flow follows its unit; the cladding
// list follows the surface; "Redigera produkter..." keeps the choice.
TEST_F(FlowDlgTest, SectionStatesConversionsAndLists)
{
    CSegmentDlg::Values values = NewSection(CSegment::pipeline);
    values.ownPipeDimension = true;
    values.pipeDiameter = 100.0f;
    values.flowUnit = FlowUnit::LitresPerSecond;
    values.flow = 1.0f;
    values.cladding = Cladding(CDataBase::outerCladdings, 1);
    CSegmentDlg dialog(std::move(values));
    dialog.show();

    // The source groups, the second layer and the cladding by the source.
    EXPECT_TRUE(Combo(dialog, "product")->isEnabled());
    EXPECT_FALSE(Combo(dialog, "userProduct")->isEnabled());
    EXPECT_FALSE(Combo(dialog, "layer2Product")->isEnabled());
    Button(dialog, "twoLayers")->click();
    EXPECT_TRUE(Combo(dialog, "layer2Product")->isEnabled());
    EXPECT_FALSE(Combo(dialog, "layer2UserProduct")->isEnabled());
    EXPECT_EQ(Combo(dialog, "cladding")->currentText(), QStringLiteral("PVC"));
    Button(dialog, "source2")->click();
    EXPECT_FALSE(Button(dialog, "twoLayers")->isEnabled());
    EXPECT_FALSE(Combo(dialog, "cladding")->isEnabled());
    // Uninsulated: the list of surfaces of inside insulation, nothing chosen.
    EXPECT_EQ(Combo(dialog, "cladding")->itemText(0), QStringLiteral("Puts"));
    EXPECT_EQ(Combo(dialog, "cladding")->currentIndex(), -1);
    Button(dialog, "source1")->click();
    EXPECT_EQ(Combo(dialog, "cladding")->itemText(0), QStringLiteral("Plåt"));
    EXPECT_EQ(Combo(dialog, "cladding")->currentIndex(), -1);
    EXPECT_TRUE(Combo(dialog, "userProduct")->isEnabled());
    EXPECT_FALSE(Combo(dialog, "product")->isEnabled());

    // 1 l/s is 3.600 m³/h and back 1.0000 (not above 1: four decimals); in m/s through Ø 100 mm
    // (A = 0.0078540 m²) 1 l/s is 0.12732 m/s.
    EXPECT_EQ(Child<QLabel>(dialog, "flowLabel")->text(), QStringLiteral("Flöde [liter/s]:"));
    Button(dialog, "flowUnit0")->click();
    EXPECT_EQ(Edit(dialog, "flow")->text(), QStringLiteral("3.600"));
    EXPECT_EQ(Child<QLabel>(dialog, "flowLabel")->text(), QString::fromUtf8("Flöde [m³/h]:"));
    Button(dialog, "flowUnit1")->click();
    EXPECT_EQ(Edit(dialog, "flow")->text(), QStringLiteral("1.0000"));
    Button(dialog, "flowUnit2")->click();
    EXPECT_EQ(Edit(dialog, "flow")->text(), QStringLiteral("0.1273"));
    // The pipe as typed now, not as it was: Ø 200 mm has four times the area.
    Type(dialog, "pipeDiameter", "200");
    Button(dialog, "flowUnit0")->click();
    EXPECT_EQ(Edit(dialog, "flow")->text(), QStringLiteral("14.40"));

    // A material brings its first dimension and its emissivity.
    Button(dialog, "ownDimension")->click();
    EXPECT_FALSE(Edit(dialog, "pipeDiameter")->isEnabled());
    Choose(dialog, "pipeMaterial", "Koppar");
    EXPECT_EQ(Edit(dialog, "pipeDiameter")->text(), QStringLiteral("22.0"));
    EXPECT_EQ(Edit(dialog, "pipeWall")->text(), QStringLiteral("1.2"));
    EXPECT_EQ(Edit(dialog, "bareEmissivity")->text(), QStringLiteral("0.05"));
    EXPECT_TRUE(Edit(dialog, "bareEmissivity")->isEnabled());

    // The user's products are edited and offered again, the choice kept.
    Choose(dialog, "userProduct", "Egen isolering");
    WhenModalShows([](QWidget* d) { static_cast<QDialog*>(d)->accept(); });
    Button(dialog, "editProducts")->click();
    EXPECT_EQ(Combo(dialog, "userProduct")->currentText(), QStringLiteral("Egen isolering"));

    // The fittings: the list with its buttons only while ticked.
    EXPECT_FALSE(Child(dialog, "fittings")->isEnabled());
    Button(dialog, "fittingsEnabled")->click();
    EXPECT_TRUE(Child(dialog, "fittings")->isEnabled());
    WhenModalShows([](QWidget* d) {
        auto* type = d->findChild<QComboBox*>("type");
        type->setCurrentIndex(type->findText(QStringLiteral("Ventil")));
        static_cast<QDialog*>(d)->accept();
    });
    Button(dialog, "newFitting")->click();
    auto* list = Child<QListWidget>(dialog, "fittings");
    ASSERT_EQ(list->count(), 1);
    prompter.Clear();
    prompter.QueueAnswer(Answer::Cancel);
    Button(dialog, "removeFitting")->click();
    EXPECT_EQ(prompter.Texts(), Texts{"\"Ventil; 1 stk\" raderas nu!"});
    EXPECT_EQ(list->count(), 1);
    Button(dialog, "removeFitting")->click();
    EXPECT_EQ(list->count(), 0);
}

TEST_F(FlowDlgTest, ClimateLocationFillsAmbientAndWind)
{
    CKlima climate;
    climate.locations.push_back(std::make_unique<CKlimasted>());
    climate.locations[0]->name = "Luleå";
    climate.locations[0]->annualMeanTemperature = 1.9f;
    climate.locations[0]->annualMeanWindSpeed = 3.8f;
    climate.locations[0]->UpdateDisplayText();
    SetClimateLocations(&climate);
    CSegmentDlg::Values values = NewSection(CSegment::pipeline);
    values.surroundings = Surroundings::Outdoors;
    CSegmentDlg dialog(std::move(values));
    ASSERT_TRUE(Button(dialog, "climate")->isEnabled());
    WhenModalShows([](QWidget* d) {
        auto* list = d->findChild<QTreeWidget*>("locations");
        list->setCurrentItem(list->topLevelItem(0));
        static_cast<QDialog*>(d)->accept();
    });
    Button(dialog, "climate")->click();
    EXPECT_EQ(Edit(dialog, "ambientTemp")->text(), QStringLiteral("1.9"));
    EXPECT_EQ(Edit(dialog, "windSpeed")->text(), QStringLiteral("3.8"));
    SetClimateLocations(nullptr);
}

// The module dialog's section list: new after the selected one from it as
// a template, a copy that must be renamed, an update that keeps its place,
// a removal after its question, and the limit of 25.
TEST_F(FlowDlgTest, SectionListOperations)
{
    CKanalTempDlg::Values values = CKanalTempDlg::ValuesOf(CKanalTempModul());
    CKanalTempDlg dialog(std::move(values));
    dialog.show();
    auto* list = Child<QListWidget>(dialog, "sections");

    EXPECT_EQ(PressOk(dialog), Texts{"Varning: Sektionslistan är tom, kan inte utföra beräkning utan sektioner!"});
    EXPECT_EQ(Focused(dialog), list);

    WhenModalShows([](QWidget* d) { Complete(d, "12"); });
    Button(dialog, "newSection")->click();
    WhenModalShows([](QWidget* d) { static_cast<QDialog*>(d)->reject(); });
    Button(dialog, "newSection")->click(); // cancelled: nothing added, the number not used
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(dialog.Result().nextSectionNumber, 2);
    EXPECT_EQ(Child<QLabel>(dialog, "description")->text(),
              QString::fromUtf8("Sektionstyp: Rör\nProdukt: Rörskål\nTjocklek: 50 mm\nDiameter: 21.3 mm\n"
                                "Rörlängd: 12.00 m\nOmgivningstemp.: 20.0 °C\nFlöde: 100.00 m³/h"));
    EXPECT_EQ(dialog.Picture().resource, "picture-261");

    // From the selected one: its length and product come along.
    list->setCurrentRow(0);
    WhenModalShows([](QWidget* d) {
        EXPECT_EQ(d->findChild<QLineEdit*>("name")->text(), QStringLiteral("Sektion 2"));
        EXPECT_EQ(d->findChild<QLineEdit*>("length")->text(), QStringLiteral("12.00"));
        EXPECT_EQ(d->findChild<QComboBox*>("product")->currentText(), QString::fromUtf8("Rörskål"));
        static_cast<QDialog*>(d)->accept();
    });
    Button(dialog, "newSection")->click();
    list->setCurrentRow(0);
    WhenModalShows([](QWidget* d) { Complete(d); });
    Button(dialog, "newSection")->click(); // after the first: between 1 and 2
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Sektion 3"));
    EXPECT_EQ(list->currentRow(), 1);

    // A copy keeps the name until it is changed; it goes to the end.
    list->setCurrentRow(0);
    WhenModalShows([this](QWidget* d) {
        prompter.Clear();
        static_cast<QDialog*>(d)->accept();
        EXPECT_EQ(prompter.Texts(), Texts{"Detta namn är redan använt."});
        auto* name = d->findChild<QLineEdit*>("name");
        name->setText(QStringLiteral("Kopia"));
        static_cast<QDialog*>(d)->accept();
    });
    Button(dialog, "copySection")->click();
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("Kopia"));
    EXPECT_EQ(dialog.Result().nextSectionNumber, 5);

    // Updated in place; its own name is free to keep.
    list->setCurrentRow(1);
    WhenModalShows([](QWidget* d) {
        d->findChild<QLineEdit*>("length")->setText(QStringLiteral("33"));
        static_cast<QDialog*>(d)->accept();
    });
    Button(dialog, "updateSection")->click();
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Sektion 3"));
    EXPECT_EQ(dialog.Result().sections[1]->length, 33.0f);
    WhenModalShows([](QWidget* d) {
        d->findChild<QLineEdit*>("length")->setText(QStringLiteral("44"));
        static_cast<QDialog*>(d)->reject();
    });
    Button(dialog, "updateSection")->click();
    EXPECT_EQ(dialog.Result().sections[1]->length, 33.0f);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Sektion 3"));

    // Removed after the question.
    prompter.Clear();
    prompter.QueueAnswer(Answer::Cancel);
    Button(dialog, "removeSection")->click();
    EXPECT_EQ(prompter.Texts(), Texts{"\"Sektion 3\" raderas nu!"});
    EXPECT_EQ(list->count(), 4);
    Button(dialog, "removeSection")->click();
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Sektion 2"));

    // Full at 25: neither a new section nor a copy.
    CKanalTempDlg::Values& v = dialog.Result();
    while (v.sections.size() < 25)
        v.sections.push_back(CloneItem(*v.sections[0]));
    prompter.Clear();
    Button(dialog, "newSection")->click();
    Button(dialog, "copySection")->click();
    const std::string full = "Du kan inte lägga in fler sektioner.\n(intern begränsning i programmet)";
    EXPECT_EQ(prompter.Texts(), (Texts{full, full}));
    EXPECT_EQ(v.sections.size(), 25u);
}

// Between a pipeline and a duct the sections cannot stay: asked first.
// Among the ducts they stay.
TEST_F(FlowDlgTest, RunTypeChangeWarning)
{
    CKanalTempModul module;
    module.SetMedium(Liquid(1));
    module.sections.push_back(CSegment::CreateFromTemplate(nullptr, 0, 1));
    module.nextSectionNumber = 2;
    CKanalTempDlg dialog(CKanalTempDlg::ValuesOf(module));
    dialog.show();
    EXPECT_EQ(Combo(dialog, "medium")->currentText(), QStringLiteral("Glykol 30 %"));

    prompter.QueueAnswer(Answer::Cancel);
    Button(dialog, "runType1")->click();
    EXPECT_EQ(prompter.Texts(), Texts{"Varning: Alla sektioner blir raderade!"});
    EXPECT_TRUE(Button(dialog, "runType0")->isChecked());
    EXPECT_EQ(Child<QListWidget>(dialog, "sections")->count(), 1);
    EXPECT_TRUE(Combo(dialog, "medium")->isEnabled());

    prompter.Clear();
    Button(dialog, "runType1")->click();
    EXPECT_EQ(prompter.Texts(), Texts{"Varning: Alla sektioner blir raderade!"});
    EXPECT_EQ(Child<QListWidget>(dialog, "sections")->count(), 0);
    EXPECT_EQ(dialog.Result().nextSectionNumber, 1);
    EXPECT_TRUE(Child<QLabel>(dialog, "description")->text().isEmpty());
    EXPECT_EQ(Combo(dialog, "medium")->currentIndex(), -1);
    EXPECT_FALSE(Combo(dialog, "medium")->isEnabled());
    EXPECT_TRUE(Button(dialog, "condensationCheck")->isEnabled());

    // A new section is a duct of the run's type; among ducts it stays.
    WhenModalShows([](QWidget* d) { Complete(d); });
    Button(dialog, "newSection")->click();
    ASSERT_EQ(dialog.Result().sections.size(), 1u);
    EXPECT_EQ(dialog.Result().sections[0]->sectionType, 1);
    prompter.Clear();
    Button(dialog, "runType2")->click();
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_EQ(dialog.Result().sections.size(), 1u);

    // Back to a pipeline: the liquid is chosen again.
    Button(dialog, "runType0")->click();
    EXPECT_EQ(Combo(dialog, "medium")->currentText(), QStringLiteral("Glykol 30 %"));
}

// The module dialog's checks on OK in their order; the medium's values and
// the humidity's scroll bar; Cancel leaves the module as it was.
TEST_F(FlowDlgTest, ModuleChecksMediumAndCancel)
{
    CKanalTempModul module;
    module.sections.push_back(CSegment::CreateFromTemplate(nullptr, 0, 1));
    CKanalTempDlg dialog(CKanalTempDlg::ValuesOf(module));
    dialog.show();

    Button(dialog, "energyCostEnabled")->click();
    Type(dialog, "energyPrice", "0");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för energiprisen måste ligga mellan 0.01 och 200.00"});
    EXPECT_EQ(Focused(dialog), Edit(dialog, "energyPrice"));
    Type(dialog, "energyPrice", "80");
    Type(dialog, "operatingHours", "9000");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för driftstiden måste ligga mellan 1.00 och 8760.00"});
    Type(dialog, "operatingHours", "5000");

    EXPECT_EQ(PressOk(dialog), Texts{"Du måste välja ett medie i rullgardinen med vätskor."});
    EXPECT_EQ(Focused(dialog), Combo(dialog, "medium"));
    EXPECT_FALSE(Edit(dialog, "density")->isEnabled());
    Choose(dialog, "medium", "Glykol 30 %");
    EXPECT_EQ(Edit(dialog, "density")->text(), QStringLiteral("1040"));
    EXPECT_EQ(Edit(dialog, "heatCapacity")->text(), QStringLiteral("3700"));
    EXPECT_EQ(Edit(dialog, "freezingPoint")->text(), QStringLiteral("-14.0"));
    Type(dialog, "inletTemp", "-14");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för Inloppstemperatur måste ligga mellan -13.90 och 2000.00"});
    EXPECT_EQ(Focused(dialog), Edit(dialog, "inletTemp"));

    Button(dialog, "mediumSource1")->click();
    EXPECT_FALSE(Combo(dialog, "medium")->isEnabled());
    Type(dialog, "density", "3000");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för densiteten måste ligga mellan 1.00 och 2500.00"});
    Type(dialog, "density", "1000");
    Type(dialog, "heatCapacity", "0");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för värmekapaciteten måste ligga mellan 1.00 och 5000.00"});
    Type(dialog, "heatCapacity", "4000");
    Type(dialog, "freezingPoint", "-300");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för fryspunkten måste ligga mellan -273.00 och 200.00"});
    Type(dialog, "freezingPoint", "-20");
    EXPECT_TRUE(PressOk(dialog).empty());
    EXPECT_EQ(dialog.Result().density, 1000.0f);
    EXPECT_EQ(dialog.Result().inletTemperature, -14.0f);

    // A duct run: the air's range and the humidity with its scroll bar.
    CKanalTempModul ducts;
    ducts.runType = 2;
    ducts.sections.push_back(CSegment::CreateFromTemplate(nullptr, 2, 1));
    CKanalTempDlg duct(CKanalTempDlg::ValuesOf(ducts));
    duct.show();
    EXPECT_FALSE(Child(duct, "humidityScroll")->isEnabled());
    Button(duct, "condensationCheck")->click();
    auto* scroll = Child<QScrollBar>(duct, "humidityScroll");
    EXPECT_EQ(scroll->value(), 60);
    scroll->setValue(75);
    EXPECT_EQ(Edit(duct, "relativeHumidity")->text(), QStringLiteral("75"));
    Type(duct, "relativeHumidity", "42");
    EXPECT_EQ(scroll->value(), 42);
    Type(duct, "relativeHumidity", "100");
    EXPECT_EQ(PressOk(duct), Texts{"Värdet för Relativ luftfuktighet måste ligga mellan 1.00 och 99.00"});
    Type(duct, "relativeHumidity", "42");
    Type(duct, "inletTemp", "-150");
    EXPECT_EQ(PressOk(duct), Texts{"Värdet för Inloppstemperatur måste ligga mellan -100.00 och 1000.00"});
    Type(duct, "inletTemp", "30");
    EXPECT_TRUE(PressOk(duct).empty());
    EXPECT_EQ(duct.Result().relativeHumidity, 42.0f);

    // Cancel: sections added in the dialog are gone, the number is as it was.
    CKanalTempModul kept;
    kept.nextSectionNumber = 7;
    WhenModalShows([](QWidget* d) {
        WhenModalShows([](QWidget* s) { Complete(s); });
        d->findChild<QAbstractButton*>("newSection")->click();
        EXPECT_EQ(static_cast<CKanalTempDlg*>(d)->Result().nextSectionNumber, 8);
        static_cast<QDialog*>(d)->reject();
    });
    EXPECT_FALSE(kept.Edit());
    EXPECT_EQ(kept.nextSectionNumber, 7);
    EXPECT_TRUE(kept.sections.empty());
}

// Both dialogs as the user sees them, kept for looking at.
TEST_F(FlowDlgTest, DialogsAsShown)
{
    CKanalTempModul module;
    module.SetMedium(Liquid(0));
    auto section = CSegment::CreateFromTemplate(nullptr, 0, 1);
    section->SetProduct(Product(1));
    section->thickness = 40.0f;
    module.sections.push_back(std::move(section));
    CKanalTempDlg dialog(CKanalTempDlg::ValuesOf(module));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QImage image = dialog.grab().toImage();
    EXPECT_GT(image.width(), 600);
    KeepScreenshot(image, QStringLiteral("flow-dialog.png"));
    EXPECT_FALSE(Child<QLabel>(dialog, "picture")->pixmap().isNull());

    CSegmentDlg::Values values = CSegmentDlg::ValuesOf(*module.sections[0], {});
    values.twoLayers = true;
    values.fittingsEnabled = true;
    CSegmentDlg sectionDialog(std::move(values));
    sectionDialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sectionDialog));
    const QImage sectionImage = sectionDialog.grab().toImage();
    EXPECT_GT(sectionImage.width(), 600);
    KeepScreenshot(sectionImage, QStringLiteral("section-dialog.png"));
}

// A run of five sections built in the dialogs as a user builds it: glycol,
// one section with two layers, one with valves, one outdoors. OK calculates.
TEST_F(FlowDlgTest, RunOfFiveSectionsFromTheDialogs)
{
    CKanalTempModul module;
    const auto section = [](std::function<void(QWidget*)> extra) {
        return [extra](QWidget* d) {
            auto* product = d->findChild<QComboBox*>("product");
            product->setCurrentIndex(product->findText(QString::fromUtf8("Rörskål")));
            d->findChild<QComboBox*>("thickness")->setEditText(QStringLiteral("40"));
            auto* cladding = d->findChild<QComboBox*>("cladding");
            cladding->setCurrentIndex(cladding->findText(QStringLiteral("PVC")));
            d->findChild<QLineEdit*>("length")->setText(QStringLiteral("20"));
            d->findChild<QLineEdit*>("flow")->setText(QStringLiteral("0,5"));
            extra(d);
            static_cast<QDialog*>(d)->accept();
        };
    };
    const std::vector<std::function<void(QWidget*)>> sections = {
        [](QWidget*) {},
        [](QWidget* d) {
            d->findChild<QAbstractButton*>("twoLayers")->click();
            auto* layer2 = d->findChild<QComboBox*>("layer2Product");
            layer2->setCurrentIndex(layer2->findText(QStringLiteral("Lamell")));
            d->findChild<QComboBox*>("layer2Thickness")->setEditText(QStringLiteral("30"));
        },
        [](QWidget* d) {
            d->findChild<QAbstractButton*>("fittingsEnabled")->click();
            WhenModalShows([](QWidget* f) {
                auto* type = f->findChild<QComboBox*>("type");
                type->setCurrentIndex(type->findText(QStringLiteral("Ventil")));
                f->findChild<QLineEdit*>("count")->setText(QStringLiteral("2"));
                static_cast<QDialog*>(f)->accept();
            });
            d->findChild<QAbstractButton*>("newFitting")->click();
        },
        [](QWidget* d) {
            d->findChild<QAbstractButton*>("surroundings1")->click();
            d->findChild<QLineEdit*>("windSpeed")->setText(QStringLiteral("3"));
            d->findChild<QLineEdit*>("ambientTemp")->setText(QStringLiteral("-5"));
        },
        [](QWidget*) {},
    };
    WhenModalShows([&](QWidget* d) {
        auto* liquids = d->findChild<QComboBox*>("medium");
        liquids->setCurrentIndex(liquids->findText(QStringLiteral("Glykol 30 %")));
        emit liquids->activated(liquids->currentIndex());
        d->findChild<QLineEdit*>("inletTemp")->setText(QStringLiteral("60"));
        auto* list = d->findChild<QListWidget*>("sections");
        for (const auto& extra : sections) {
            WhenModalShows(section(extra));
            d->findChild<QAbstractButton*>("newSection")->click();
            list->setCurrentRow(list->count() - 1);
        }
        static_cast<QDialog*>(d)->accept();
    });
    ASSERT_TRUE(module.Edit());
    EXPECT_TRUE(prompter.Texts().empty()) << prompter.Texts().front();
    ASSERT_TRUE(module.resultsValid);
    ASSERT_EQ(module.sections.size(), 5u);
    EXPECT_EQ(module.Medium(), Liquid(1));
    EXPECT_EQ(module.nextSectionNumber, 6);
    EXPECT_TRUE(module.sections[1]->BothLayers());
    EXPECT_EQ(module.sections[2]->fittings.size(), 1u);
    EXPECT_EQ(module.sections[3]->surroundings, Surroundings::Outdoors);
    const CTabell& t = module.resultTable;
    ASSERT_EQ(t.Rows(), 6);
    // The glycol cools section by section; the valves and the wind cost most.
    double previous = 60.0;
    for (int r = 1; r <= 5; ++r) {
        const double outlet = std::strtod(t.Cell(r, 1).c_str(), nullptr);
        EXPECT_LT(outlet, previous) << r;
        EXPECT_GT(outlet, 50.0) << r;
        previous = outlet;
    }
    EXPECT_EQ(t.Cell(4, 0), "Sektion 4");
    EXPECT_EQ(module.inputTable.Cell(1, 1), "Glykol 30 %");
}
