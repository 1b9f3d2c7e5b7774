#include "HeatLossCatalogue.h"
#include "UiTestSupport.h"
#include "modules/CInnvendigKondensModul.h"
#include "modules/CUtvendigKondensModul.h"
#include "ui/CInnvendigKondensDlg.h"
#include "ui/CUtvendigKondensDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <array>

namespace {

using Texts = std::vector<std::string>;

const std::string mediumWarning = "Varning: Medietemperaturen är högre än isolerproduktens max. temperatur.";
const std::string ambientWarning = "Varning: Omgivningstemperaturen är högre än isolerproduktens max. temperatur.";
const std::string chooseProduct = "Du måste välja en isolerprodukt.";

// Modules that count their calculations instead of making them.
class CountingExternal : public CUtvendigKondensModul {
public:
    bool Calculate() override
    {
        ++calculations;
        return true;
    }
    int calculations = 0;
};

class CountingInternal : public CInnvendigKondensModul {
public:
    bool Calculate() override
    {
        ++calculations;
        return true;
    }
    int calculations = 0;
};

struct CondensationDlgTest : HeatLossCatalogueTest {
    // Chooses the product in the insulation dialog that "Välj isolerprodukt" opens.
    static void ChooseProduct(QWidget& dialog, const char* name)
    {
        WhenModalShows([name](QWidget* layerDialog) {
            auto* products = layerDialog->findChild<QComboBox*>("catalogueProducts");
            products->setCurrentIndex(products->findText(QString::fromUtf8(name)));
            Close(layerDialog);
        });
        Button(dialog, "layer1")->click();
    }
    // OK, and Cancel when OK was refused, so that a refusal fails the test
    // instead of leaving the dialog open.
    static void Close(QWidget* dialog)
    {
        static_cast<QDialog*>(dialog)->accept();
        if (dialog->isVisible())
            static_cast<QDialog*>(dialog)->reject();
    }
    // Presses OK and gives the messages it showed.
    Texts PressOk(QDialog& dialog, std::initializer_list<platform::Answer> answers = {})
    {
        prompter.Clear();
        for (platform::Answer answer : answers)
            prompter.QueueAnswer(answer);
        dialog.accept();
        return prompter.Texts();
    }
    CUtvendigKondensDlg::Values External()
    {
        CUtvendigKondensModul module;
        module.SetDefaults();
        return CUtvendigKondensDlg::ValuesOf(module);
    }
    CInnvendigKondensDlg::Values Internal()
    {
        CInnvendigKondensModul module;
        module.SetDefaults();
        return CInnvendigKondensDlg::ValuesOf(module);
    }
};

} // namespace

TEST_F(CondensationDlgTest, ExternalOkChecksInTheirOrderWithMessageAndFocus)
{
    CUtvendigKondensDlg dialog(External());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Isolering mot utvändig kondens"));
    // Every field is exchanged, enabled or not; an own pipe dimension and,
    // further on, a circular duct make the refused ones focusable.
    Button(dialog, "ownDimension")->click();

    // First the exchange of every field, each with its own range.
    const struct {
        const char* field;
        const char* bad;
        const char* message;
        const char* good;
    } exchange[] = {
        {"pipeDiameter", "0", "Skriv in ett tal mellan 1 och 10000.", "21.3"},
        {"pipeWall", "0,05", "Skriv in ett tal mellan 0.1 och 1000.", "2.6"},
        {"mediumTemp", "abc", "Skriv in ett tal.", "5"},
        {"mediumTemp", "60", "Skriv in ett tal mellan -273 och 50.", "5"},
        {"ambientTemp", "600", "Skriv in ett tal mellan -60 och 500.", "25"},
        {"humidity", "0", "Skriv in ett tal mellan 1 och 99.", "70"},
        {"bareEmissivity", "1.5", "Skriv in ett tal mellan 0 och 1.", "0.55"},
        {"diameter", "", "Skriv in ett tal.", "0"},
    };
    for (const auto& step : exchange) {
        SCOPED_TRACE(step.field);
        if (std::string(step.field) == "diameter")
            Button(dialog, "kind1")->click();
        Type(dialog, step.field, step.bad);
        EXPECT_EQ(PressOk(dialog), Texts{step.message});
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, step.field));
        Type(dialog, step.field, step.good);
    }

    // The product, asked for by "Välj isolerprodukt".
    EXPECT_EQ(Button(dialog, "layer1")->text(), QString::fromUtf8("Välj isolerprodukt"));
    EXPECT_EQ(PressOk(dialog), Texts{chooseProduct});
    EXPECT_EQ(dialog.focusWidget(), Button(dialog, "layer1"));

    ChooseProduct(dialog, "Kallrör");
    EXPECT_EQ(Text(dialog, "layer1Summary"), QString::fromUtf8("Produkt:\nKallrör"));
    // Kallrör stands 15 °C: the medium at 5 °C is fine, the 25 °C around it not.
    EXPECT_EQ(PressOk(dialog, {platform::Answer::Cancel}), Texts{ambientWarning});
    EXPECT_TRUE(dialog.isVisible());
    Type(dialog, "mediumTemp", "20");
    EXPECT_EQ(PressOk(dialog, {platform::Answer::Cancel}), Texts{mediumWarning});
    Type(dialog, "mediumTemp", "5");
    const auto after = [](const std::string& text) { return Texts{ambientWarning, text}; };
    EXPECT_EQ(PressOk(dialog), after("Värdet för diameteren måste ligga mellan 1.00 och 3000.00"));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "diameter"));
    Type(dialog, "diameter", "315");

    // A duct lined inside is not held against the product's hidden 50 mm:
    // 100 × 100 mm passes the dialog; the calculation checks the thickness
    // it finds.
    Button(dialog, "kind3")->click();
    EXPECT_EQ(Text(dialog, "layer1Summary"), QString());
    ChooseProduct(dialog, "Rörskål");
    Type(dialog, "height", "0");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för höjden måste ligga mellan 1.00 och 5000.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "height"));
    Type(dialog, "height", "100");
    Type(dialog, "width", "6000");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för bredden måste ligga mellan 1.00 och 5000.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "width"));
    Type(dialog, "width", "100");
    EXPECT_EQ(dialog.Result().insulation.catalogueThickness, 50.0f);

    // The surface: a typed emissivity in its range, or a cladding.
    Button(dialog, "emissivityTyped")->click();
    Type(dialog, "emissivity", "1.2");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för emissiviteten måste ligga mellan 0.00 och 1.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "emissivity"));
    Button(dialog, "fromDatabase")->click();
    EXPECT_EQ(PressOk(dialog), Texts{"Du måste välja en ytbeklädnad."});
    EXPECT_EQ(dialog.focusWidget(), Child(dialog, "cladding"));
    auto* cladding = dialog.findChild<QComboBox*>("cladding");
    cladding->setCurrentIndex(0);
    emit cladding->activated(0);
    EXPECT_EQ(Edit(dialog, "emissivity")->text(), QStringLiteral("0.80"));

    // The wind outdoors, the given coefficient.
    Button(dialog, "surroundings1")->click();
    Type(dialog, "windSpeed", "0");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för vindhastigheten måste ligga mellan 0.10 och 50.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "windSpeed"));
    Type(dialog, "windSpeed", "3");
    Button(dialog, "surroundings2")->click();
    Type(dialog, "coefficient", "0");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för det utvändiga värmeövergångstalet måste ligga mellan 0.10 och "
                                     "10000.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "coefficient"));
    Type(dialog, "coefficient", "8");

    // Last, the difference the U-value divides by.
    Type(dialog, "mediumTemp", "25.05");
    EXPECT_EQ(PressOk(dialog), Texts{"Beräkningen utförs bara när det minst är 0.1°C skillnad på medietemperatur och "
                                     "omgivningstemperatur."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "mediumTemp"));
    Type(dialog, "mediumTemp", "-5");
    EXPECT_EQ(PressOk(dialog), Texts{});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    const CUtvendigKondensDlg::Values& v = dialog.Result();
    EXPECT_EQ(v.objectKind, ObjectKind::RectangularDuctInside);
    EXPECT_EQ(v.insulation.objectKind, 3);
    EXPECT_EQ(v.insulation.CatalogueProduct(), Product(1));
    EXPECT_EQ(v.outerCladding, Cladding(CDataBase::insideOuterSurfaces, 0));
    EXPECT_FALSE(v.surfaceSource);
    EXPECT_EQ(v.surroundings, Surroundings::GivenCoefficient);
    EXPECT_FLOAT_EQ(v.mediumTemperature, -5.0f);
    EXPECT_FLOAT_EQ(v.relativeHumidity, 70.0f);
    EXPECT_FLOAT_EQ(v.height, 100.0f);
    EXPECT_FLOAT_EQ(v.windSpeed, 3.0f);
    EXPECT_FLOAT_EQ(v.givenCoefficient, 8.0f);
}

TEST_F(CondensationDlgTest, ExternalVerticalSurfaceHasAHeight)
{
    CUtvendigKondensDlg::Values values = External();
    values.objectKind = ObjectKind::SurfaceOutside;
    values.insulation.objectKind = 4;
    values.insulation.SetCatalogueProduct(Product(1));
    values.surfaceSource = true;
    values.height = 0;
    CUtvendigKondensDlg dialog(std::move(values));
    dialog.show();
    // Lying flat, its height plays no part.
    EXPECT_EQ(PressOk(dialog), Texts{});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.setResult(0);
    dialog.show();
    Button(dialog, "vertical")->click();
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för höjden måste ligga mellan 1.00 och 5000.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "height"));
}

TEST_F(CondensationDlgTest, ExternalControlStatesAndChoices)
{
    CUtvendigKondensDlg::Values values = External();
    values.insulation.SetCatalogueProduct(Product(1));
    CUtvendigKondensDlg dialog(std::move(values));
    auto on = [&](const char* name) { return Child(dialog, name)->isEnabled(); };
    auto* cladding = dialog.findChild<QComboBox*>("cladding");

    for (int k = 0; k < 6; ++k) {
        for (const char* orientation : {"horizontal", "vertical"}) {
            Button(dialog, ("kind" + std::to_string(k)).c_str())->click();
            Button(dialog, orientation)->click();
            const bool vertical = std::string(orientation) == "vertical";
            SCOPED_TRACE("kind " + std::to_string(k) + (vertical ? ", vertical" : ""));
            EXPECT_EQ(on("diameter"), k == 1);
            EXPECT_EQ(on("height"), k == 2 || k == 3 || vertical);
            EXPECT_EQ(on("width"), k == 2 || k == 3);
            EXPECT_EQ(on("pipeMaterial"), k == 0);
            EXPECT_EQ(on("ownDimension"), k == 0);
            EXPECT_EQ(on("pipeDimension"), k == 0);
            EXPECT_FALSE(on("pipeDiameter"));
            EXPECT_FALSE(on("pipeWall"));
            EXPECT_EQ(on("innerCladdingUsed"), k == 3 || k == 5);
            EXPECT_FALSE(on("innerCladding"));
            // Objects insulated inside take their surface from their own list.
            EXPECT_EQ(cladding->count(), k == 3 || k == 5 ? 1 : 2);
            EXPECT_EQ(dialog.Picture().resource,
                      "picture-" + std::to_string(vertical ? std::array{275, 276, 274, 273, 271, 272}[k]
                                                           : std::array{261, 262, 263, 266, 264, 265}[k]));
        }
    }
    // A kind's products are its own: choosing another kind drops the product.
    EXPECT_EQ(dialog.Result().insulation.Product(), nullptr);
    EXPECT_EQ(dialog.Result().insulation.objectKind, 5);

    Button(dialog, "innerCladdingUsed")->click();
    EXPECT_TRUE(on("innerCladding"));
    Button(dialog, "kind0")->click();
    Button(dialog, "ownDimension")->click();
    EXPECT_FALSE(on("pipeDimension"));
    EXPECT_TRUE(on("pipeDiameter"));
    EXPECT_TRUE(on("pipeWall"));
    EXPECT_FALSE(on("windSpeed"));
    EXPECT_FALSE(on("climate"));
    EXPECT_FALSE(on("coefficient"));
    Button(dialog, "surroundings1")->click();
    EXPECT_TRUE(on("windSpeed"));
    Button(dialog, "surroundings2")->click();
    EXPECT_FALSE(on("windSpeed"));
    EXPECT_TRUE(on("coefficient"));
    EXPECT_TRUE(on("cladding"));
    EXPECT_FALSE(on("emissivity"));
    Button(dialog, "emissivityTyped")->click();
    EXPECT_FALSE(on("cladding"));
    EXPECT_TRUE(on("emissivity"));

    // The humidity's scroll bar writes whole per cents.
    auto* bar = dialog.findChild<QScrollBar*>("humidityBar");
    EXPECT_EQ(bar->value(), 50);
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 99);
    EXPECT_EQ(bar->pageStep(), 10);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(Edit(dialog, "humidity")->text(), QStringLiteral("60"));
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Edit(dialog, "humidity")->text(), QStringLiteral("59"));

    // A pipe material brings its emissivity and first dimension, a dimension its sizes.
    Button(dialog, "ownDimension")->click();
    auto* material = dialog.findChild<QComboBox*>("pipeMaterial");
    material->setCurrentIndex(1);
    emit material->activated(1);
    EXPECT_EQ(Edit(dialog, "bareEmissivity")->text(), QStringLiteral("0.05"));
    EXPECT_EQ(Edit(dialog, "pipeDiameter")->text(), QStringLiteral("22.0"));
    EXPECT_EQ(Edit(dialog, "pipeWall")->text(), QStringLiteral("1.2"));
}

TEST_F(CondensationDlgTest, ExternalEditorTakesTheValuesAndCalculates)
{
    CountingExternal module;
    module.SetDefaults();
    module.insulation.SetCatalogueProduct(Product(1));
    module.SetOuterCladding(Cladding(CDataBase::outerCladdings, 0));
    WhenModalShows([](QWidget* d) {
        auto* edit = d->findChild<QLineEdit*>("mediumTemp");
        edit->setText(QStringLiteral("4"));
        d->findChild<QAbstractButton*>("vertical")->click();
        auto* own = d->findChild<QAbstractButton*>("emissivityTyped");
        own->click();
        Close(d);
    });
    ASSERT_TRUE(module.Edit());
    EXPECT_EQ(module.calculations, 1);
    EXPECT_FLOAT_EQ(module.mediumTemperature, 4.0f);
    EXPECT_EQ(module.orientation, 1);
    EXPECT_TRUE(module.surfaceSource);
    EXPECT_EQ(module.insulation.CatalogueProduct(), Product(1));
    EXPECT_EQ(module.OuterCladding(), Cladding(CDataBase::outerCladdings, 0));
}

TEST_F(CondensationDlgTest, InternalOkChecksInTheirOrderWithMessageAndFocus)
{
    CInnvendigKondensDlg dialog(Internal());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Isolering mot invändig kondens"));
    // Its field takes the focus when refused.
    Button(dialog, "innerCoefficientGiven")->click();

    const struct {
        const char* field;
        const char* bad;
        const char* message;
        const char* good;
    } exchange[] = {
        {"diameter", "x", "Skriv in ett tal.", "4000"},
        // A duct has a length: the heat loss is per metre of it.
        {"length", "0", "Skriv in ett tal mellan 0.1 och 1000.", "12"},
        {"inletTemp", "0", "Skriv in ett tal mellan 0.1 och 100.", "40"},
        {"flow", "", "Skriv in ett tal.", "400000"},
        {"humidity", "99.5", "Skriv in ett tal mellan 1 och 99.", "50"},
        {"ambientTemp", "-70", "Skriv in ett tal mellan -60 och 500.", "5"},
        {"innerCoefficient", "abc", "Skriv in ett tal.", "0"},
    };
    for (const auto& step : exchange) {
        SCOPED_TRACE(step.field);
        Type(dialog, step.field, step.bad);
        EXPECT_EQ(PressOk(dialog), Texts{step.message});
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, step.field));
        Type(dialog, step.field, step.good);
    }

    EXPECT_EQ(PressOk(dialog), Texts{chooseProduct});
    EXPECT_EQ(dialog.focusWidget(), Button(dialog, "layer1"));
    ChooseProduct(dialog, "Kallrör");
    EXPECT_EQ(PressOk(dialog, {platform::Answer::Cancel}), Texts{mediumWarning});
    EXPECT_TRUE(dialog.isVisible());
    Type(dialog, "inletTemp", "12");
    Type(dialog, "ambientTemp", "20");
    EXPECT_EQ(PressOk(dialog, {platform::Answer::Cancel}), Texts{ambientWarning});
    Type(dialog, "ambientTemp", "5");
    ChooseProduct(dialog, "Rörskål");

    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för diameteren måste ligga mellan 1.00 och 3000.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "diameter"));
    Type(dialog, "diameter", "250");
    EXPECT_EQ(PressOk(dialog), Texts{"Du måste välja en ytbeklädnad."});
    EXPECT_EQ(dialog.focusWidget(), Child(dialog, "cladding"));
    Button(dialog, "emissivityTyped")->click();
    Type(dialog, "emissivity", "-0.1");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för emissiviteten måste ligga mellan 0.00 och 1.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "emissivity"));
    Type(dialog, "emissivity", "0.9");

    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för flödet måste ligga mellan 0.01 och 360000.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "flow"));
    Type(dialog, "flow", "1080");

    Button(dialog, "surroundings1")->click();
    Type(dialog, "windSpeed", "60");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för vindhastigheten måste ligga mellan 0.10 och 50.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "windSpeed"));
    Type(dialog, "windSpeed", "4");

    // The inner coefficient is checked when it is given.
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för det invendiga värmeövergångstalet måste ligga mellan 0.10 och "
                                     "10000.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "innerCoefficient"));
    Type(dialog, "innerCoefficient", "12");

    Type(dialog, "inletTemp", "5.05");
    EXPECT_EQ(PressOk(dialog), Texts{"Beräkningen utförs bara när det minst är 0.1°C skillnad på inloppstemperatur och "
                                     "omgivningstemperatur."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "inletTemp"));
    Type(dialog, "inletTemp", "22");
    EXPECT_EQ(PressOk(dialog), Texts{});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    const CInnvendigKondensDlg::Values& v = dialog.Result();
    EXPECT_EQ(v.insulation.CatalogueProduct(), Product(1));
    EXPECT_EQ(v.surroundings, Surroundings::Outdoors);
    EXPECT_TRUE(v.surfaceSource);
    EXPECT_TRUE(v.innerCoefficientGiven);
    EXPECT_FLOAT_EQ(v.givenInnerCoefficient, 12.0f);
    EXPECT_FLOAT_EQ(v.ductLength, 12.0f);
    EXPECT_FLOAT_EQ(v.flow, 1080.0f);
    EXPECT_FLOAT_EQ(v.inletTemperature, 22.0f);
    EXPECT_FLOAT_EQ(v.ductDiameter, 250.0f);
}

TEST_F(CondensationDlgTest, InternalStatesFlowUnitsAndEditor)
{
    CInnvendigKondensDlg::Values values = Internal();
    values.insulation.SetCatalogueProduct(Product(1));
    values.ductShape = 1;
    values.insulation.objectKind = 2;
    values.height = 500;
    values.width = 200;
    values.flowUnit = FlowUnit::LitresPerSecond;
    values.flow = 1;
    CInnvendigKondensDlg dialog(std::move(values));
    auto on = [&](const char* name) { return Child(dialog, name)->isEnabled(); };
    EXPECT_FALSE(on("diameter"));
    EXPECT_TRUE(on("height"));
    EXPECT_TRUE(on("width"));
    EXPECT_FALSE(on("innerCoefficient"));
    EXPECT_EQ(dialog.Picture().resource, "picture-263");
    Button(dialog, "vertical")->click();
    EXPECT_EQ(dialog.Picture().resource, "picture-274");
    EXPECT_EQ(Text(dialog, "layer1Summary"), QString::fromUtf8("Produkt:\nRörskål"));
    EXPECT_EQ(Text(dialog, "supports"), QStringLiteral("Oisolerade upphängningar"));

    // 1 l/s through 200 × 500 mm: 3.6 m³/h, 0.01 m/s.
    auto* label = dialog.findChild<QLabel*>("flowLabel");
    EXPECT_EQ(label->text(), QStringLiteral("Flöde [liter/s]:"));
    Button(dialog, "flowUnit0")->click();
    EXPECT_EQ(Edit(dialog, "flow")->text(), QStringLiteral("3.600"));
    EXPECT_EQ(label->text(), QString::fromUtf8("Flöde [m³/h]:"));
    Button(dialog, "flowUnit2")->click();
    EXPECT_EQ(Edit(dialog, "flow")->text(), QStringLiteral("0.010000"));
    EXPECT_EQ(label->text(), QStringLiteral("Flöde [m/s]:"));
    // A circular duct of 200 mm: π·0.01 m², the speed stays and the volume
    // follows, with four decimals above 0.1.
    Button(dialog, "shape0")->click();
    Type(dialog, "diameter", "200");
    Button(dialog, "flowUnit1")->click();
    EXPECT_EQ(Edit(dialog, "flow")->text(), QStringLiteral("0.3142"));
    EXPECT_TRUE(on("diameter"));
    EXPECT_FALSE(on("height"));
    // The shape's products are its own: the product is chosen again.
    EXPECT_EQ(Text(dialog, "layer1Summary"), QString());
    EXPECT_EQ(dialog.Picture().resource, "picture-276");

    Button(dialog, "innerCoefficientGiven")->click();
    EXPECT_TRUE(on("innerCoefficient"));
    EXPECT_FALSE(on("windSpeed"));
    Button(dialog, "surroundings1")->click();
    EXPECT_TRUE(on("windSpeed"));
    EXPECT_TRUE(on("cladding"));
    EXPECT_FALSE(on("emissivity"));
    EXPECT_EQ(Text(dialog, "emissivityTyped"), QStringLiteral("Egendefinierat ytskikt"));
    Button(dialog, "emissivityTyped")->click();
    EXPECT_TRUE(on("emissivity"));

    // The humidity bar writes one decimal.
    auto* bar = dialog.findChild<QScrollBar*>("humidityBar");
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(Edit(dialog, "humidity")->text(), QStringLiteral("40.0"));

    // Through the editor: the module takes the values and calculates.
    CountingInternal module;
    module.SetDefaults();
    module.insulation.SetCatalogueProduct(Product(1));
    WhenModalShows([](QWidget* d) {
        d->findChild<QAbstractButton*>("shape1")->click();
        d->findChild<QAbstractButton*>("supports")->click();
        d->findChild<QLineEdit*>("length")->setText(QStringLiteral("7,5"));
        static_cast<QDialog*>(d)->reject();
    });
    EXPECT_FALSE(module.Edit());
    EXPECT_EQ(module.calculations, 0);
    WhenModalShows([](QWidget* d) {
        d->findChild<QAbstractButton*>("supports")->click();
        d->findChild<QAbstractButton*>("emissivityTyped")->click();
        d->findChild<QLineEdit*>("length")->setText(QStringLiteral("7,5"));
        Close(d);
    });
    ASSERT_TRUE(module.Edit());
    EXPECT_EQ(module.calculations, 1);
    EXPECT_TRUE(module.supports);
    EXPECT_FLOAT_EQ(module.ductLength, 7.5f);
    EXPECT_EQ(module.insulation.CatalogueProduct(), Product(1));
}

// Both dialogs as the user sees them, kept for looking at.
TEST_F(CondensationDlgTest, DialogsRender)
{
    CUtvendigKondensDlg::Values outer = External();
    outer.insulation.SetCatalogueProduct(Product(1));
    outer.mediumTemperature = 5;
    outer.ambientTemperature = 25;
    outer.relativeHumidity = 70;
    CUtvendigKondensDlg external(std::move(outer));
    external.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&external));
    const QImage first = external.grab().toImage();
    EXPECT_GT(first.width(), 600);
    KeepScreenshot(first, QStringLiteral("external-condensation-dialog.png"));

    CInnvendigKondensDlg::Values inner = Internal();
    inner.insulation.SetCatalogueProduct(Product(1));
    CInnvendigKondensDlg internal(std::move(inner));
    internal.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&internal));
    const QImage second = internal.grab().toImage();
    EXPECT_GT(second.width(), 600);
    KeepScreenshot(second, QStringLiteral("internal-condensation-dialog.png"));
}
