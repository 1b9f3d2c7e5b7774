#include "HeatLossCatalogue.h"
#include "UiTestSupport.h"
#include "doc/StringTable.h"
#include "modules/CFrostModul.h"
#include "ui/CFrostDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace {

class CountingFrost : public CFrostModul {
public:
    bool Calculate() override
    {
        ++calculations;
        return true;
    }
    int calculations = 0;
};

using Texts = std::vector<std::string>;

const std::string chooseProduct = "Du måste välja en isolerprodukt.";
const std::string startWarning = "Varning: Medietemperaturen är högre än isolerproduktens max. temperatur.";
const std::string frostAmbient = "Omgivningstemperaturen måste vara lägre än 0 °C vid frysberäkningar";
const std::string riseAmbient = "Omgivningstemperaturen måste vara högre än 24 °C vid beräkning av temperaturhöjning";
const std::string riseStart =
    "Starttemperaturen måste vara lägre än omgivningstemperaturen vid beräkning av temperaturhöjning.";

struct FrostDlgTest : HeatLossCatalogueTest {
    CFrostDlg::Values Defaults()
    {
        CFrostModul module;
        return CFrostDlg::ValuesOf(module);
    }
    // The defaults with a product and a cladding, so that only the check
    // under test refuses.
    CFrostDlg::Values Complete()
    {
        CFrostDlg::Values values = Defaults();
        values.insulation.SetCatalogueProduct(Product(1));
        values.insulation.catalogueThickness = 20.0f;
        values.cladding = Cladding(CDataBase::outerCladdings, 1);
        return values;
    }

    // Presses OK and gives the messages it showed.
    Texts PressOk(CFrostDlg& dialog, std::initializer_list<platform::Answer> answers = {})
    {
        prompter.Clear();
        for (platform::Answer answer : answers)
            prompter.QueueAnswer(answer);
        dialog.accept();
        return prompter.Texts();
    }
};

} // namespace

TEST_F(FrostDlgTest, OkChecksInTheirOrderWithMessageAndFocus)
{
    CFrostDlg dialog(Defaults());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Frysskydd/temperaturhöjning rör"));

    // The framework's exchange of the fields comes first, in their order;
    // the standstill time is exchanged though frost mode disables it.
    Type(dialog, "standstillTime", "0,5");
    Type(dialog, "startTemp", "abc");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal mellan 1 och 100."});
    Type(dialog, "standstillTime", "8");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "startTemp"));
    Type(dialog, "startTemp", "101");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal mellan 0 och 100."});
    Type(dialog, "startTemp", "20");
    Type(dialog, "freezeFraction", "-1");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal mellan 0 och 100."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "freezeFraction"));
    Type(dialog, "freezeFraction", "30");

    // An own pipe whose wall leaves less than 1 mm inside.
    Button(dialog, "ownDimension")->click();
    Type(dialog, "pipeDiameter", "10");
    Type(dialog, "pipeWall", "4,6");
    EXPECT_EQ(PressOk(dialog), Texts{"Godstjocklek/diameter ger innvändig rördiameter under 1 mm."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "pipeDiameter"));
    Type(dialog, "pipeDiameter", "22");
    Type(dialog, "pipeWall", "1");

    EXPECT_EQ(PressOk(dialog), Texts{chooseProduct});
    EXPECT_EQ(dialog.focusWidget(), Button(dialog, "layer1"));
    // A product that stands 15 °C only, chosen in the layer's own dialog.
    WhenModalShows([](QWidget* layerDialog) {
        auto* products = layerDialog->findChild<QComboBox*>("catalogueProducts");
        products->setCurrentIndex(products->findText(QStringLiteral("Kallrör")));
        auto* thickness = layerDialog->findChild<QComboBox*>("catalogueThickness");
        thickness->setEditText(QStringLiteral("25"));
        static_cast<QDialog*>(layerDialog)->accept();
    });
    Button(dialog, "layer1")->click();
    EXPECT_EQ(Child<QLabel>(dialog, "layer1Summary")->text(),
              QString::fromUtf8("Produkt:\nKallrör\nTjocklek: 25.0 mm"));

    // 20 °C water under a 15 °C product: Cancel stays, OK goes on.
    EXPECT_EQ(PressOk(dialog, {platform::Answer::Cancel}), Texts{startWarning});
    EXPECT_TRUE(dialog.isVisible());
    const auto after = [&](const std::string& text) { return Texts{startWarning, text}; };
    EXPECT_EQ(PressOk(dialog), after("Du måste välja en ytbeklädnad."));
    EXPECT_EQ(dialog.focusWidget(), Child(dialog, "cladding"));
    Button(dialog, "emissivityTyped")->click();
    Type(dialog, "emissivity", "1,5");
    EXPECT_EQ(PressOk(dialog), after("Värdet för emissiviteten måste ligga mellan 0.00 och 1.00"));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "emissivity"));
    Type(dialog, "emissivity", "0.9");

    Button(dialog, "surroundings1")->click();
    Type(dialog, "windSpeed", "0");
    EXPECT_EQ(PressOk(dialog), after("Värdet för vindhastigheten måste ligga mellan 0.10 och 50.00"));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "windSpeed"));
    Type(dialog, "windSpeed", "4");
    // A given coefficient needs no cladding or emissivity, only its range.
    Button(dialog, "surroundings2")->click();
    Type(dialog, "emissivity", "7");
    Type(dialog, "coefficient", "0");
    EXPECT_EQ(PressOk(dialog),
              after("Värdet för det utvändiga värmeövergångstalet måste ligga mellan 0.10 och 10000.00"));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "coefficient"));
    Type(dialog, "coefficient", "12");
    Type(dialog, "emissivity", "0.9");
    Button(dialog, "surroundings1")->click();

    // Frost needs frost: −0.05 °C is refused, −0.1 °C taken.
    Type(dialog, "ambientTemp", "-0,05");
    EXPECT_EQ(PressOk(dialog), after(frostAmbient));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "ambientTemp"));
    Type(dialog, "ambientTemp", "-60.1");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal mellan -60 och 60."});
    Type(dialog, "ambientTemp", "-0.1");
    EXPECT_EQ(PressOk(dialog), Texts{startWarning});
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    const CFrostDlg::Values& v = dialog.Result();
    EXPECT_EQ(v.calculationMode, 0);
    EXPECT_FLOAT_EQ(v.standstillTime, 8.0f);
    EXPECT_FLOAT_EQ(v.startTemperature, 20.0f);
    EXPECT_FLOAT_EQ(v.freezeFraction, 30.0f);
    EXPECT_FLOAT_EQ(v.ambientTemperature, -0.1f);
    EXPECT_FLOAT_EQ(v.pipeDiameter, 22.0f);
    EXPECT_FLOAT_EQ(v.wallThickness, 1.0f);
    EXPECT_TRUE(v.ownPipeDimension);
    EXPECT_EQ(v.surroundings, Surroundings::Outdoors);
    EXPECT_FLOAT_EQ(v.windSpeed, 4.0f);
    EXPECT_FLOAT_EQ(v.outerCoefficient, 12.0f);
    EXPECT_TRUE(v.ownEmissivity);
    EXPECT_FLOAT_EQ(v.emissivity, 0.9f);
    EXPECT_EQ(v.insulation.CatalogueProduct(), Product(2));
    EXPECT_FLOAT_EQ(v.insulation.catalogueThickness, 25.0f);
}

TEST_F(FrostDlgTest, ModeSwitchWritesTheAmbientAndTheRiseChecks)
{
    CFrostDlg dialog(Complete());
    dialog.show();
    auto on = [&](const char* name) { return Child(dialog, name)->isEnabled(); };
    EXPECT_TRUE(Button(dialog, "frostMode")->isChecked());
    EXPECT_FALSE(on("standstillTime"));
    EXPECT_TRUE(on("freezeFraction"));
    EXPECT_TRUE(on("freezeFractionBar"));

    Button(dialog, "riseMode")->click();
    EXPECT_EQ(Text(dialog, "ambientTemp"), QStringLiteral("28"));
    EXPECT_TRUE(on("standstillTime"));
    EXPECT_FALSE(on("freezeFraction"));
    EXPECT_FALSE(on("freezeFractionBar"));
    Button(dialog, "frostMode")->click();
    EXPECT_EQ(Text(dialog, "ambientTemp"), QStringLiteral("-20"));
    EXPECT_FALSE(on("standstillTime"));
    // The mode already chosen keeps a typed temperature.
    Type(dialog, "ambientTemp", "-25");
    Button(dialog, "frostMode")->click();
    EXPECT_EQ(Text(dialog, "ambientTemp"), QStringLiteral("-25"));
    Button(dialog, "riseMode")->click();
    EXPECT_EQ(Text(dialog, "ambientTemp"), QStringLiteral("28"));

    // Temperature rise needs more than 24 °C around, and water colder than that.
    Type(dialog, "ambientTemp", "24,05");
    EXPECT_EQ(PressOk(dialog), Texts{riseAmbient});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "ambientTemp"));
    Type(dialog, "ambientTemp", "28");
    for (const char* start : {"30", "28"}) {
        Type(dialog, "startTemp", start);
        EXPECT_EQ(PressOk(dialog), Texts{riseStart}) << start;
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "startTemp"));
    }
    Type(dialog, "startTemp", "10");
    Type(dialog, "standstillTime", "100.5");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal mellan 1 och 100."});
    Type(dialog, "standstillTime", "8");
    Type(dialog, "ambientTemp", "24.1");
    EXPECT_EQ(PressOk(dialog), Texts{});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result().calculationMode, 1);
    EXPECT_FLOAT_EQ(dialog.Result().ambientTemperature, 24.1f);
    EXPECT_FLOAT_EQ(dialog.Result().startTemperature, 10.0f);
    // The frost share stays as it was, unused in this mode.
    EXPECT_FLOAT_EQ(dialog.Result().freezeFraction, 25.0f);
}

TEST_F(FrostDlgTest, NoInsulationIsRefused)
{
    // A document may hold a thickness the layer dialog would never give.
    CFrostDlg::Values values = Complete();
    values.insulation.catalogueThickness = 0.0f;
    CFrostDlg dialog(std::move(values));
    dialog.show();
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för tjockleken måste ligga mellan 10.00 och 200.00"});
    EXPECT_EQ(dialog.focusWidget(), Button(dialog, "layer1"));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(FrostDlgTest, ChoicesFillTheirFieldsAndTheBarFollowsTheShare)
{
    CFrostDlg dialog(Defaults());
    auto* material = Child<QComboBox>(dialog, "pipeMaterial");
    auto* dimension = Child<QComboBox>(dialog, "pipeDimension");
    EXPECT_EQ(material->currentText(), QString::fromUtf8("Stål"));
    EXPECT_EQ(Text(dialog, "pipeDiameter"), QStringLiteral("21.3"));
    EXPECT_EQ(Text(dialog, "pipeEmissivity"), QStringLiteral("0.55"));
    EXPECT_FALSE(Edit(dialog, "pipeDiameter")->isEnabled());
    material->setCurrentIndex(1);
    emit material->activated(1);
    EXPECT_EQ(Text(dialog, "pipeEmissivity"), QStringLiteral("0.05"));
    EXPECT_EQ(dimension->currentText(), QStringLiteral("22"));
    EXPECT_EQ(Text(dialog, "pipeDiameter"), QStringLiteral("22.0"));
    EXPECT_EQ(Text(dialog, "pipeWall"), QStringLiteral("1.2"));

    auto* cladding = Child<QComboBox>(dialog, "cladding");
    cladding->setCurrentIndex(1);
    emit cladding->activated(1);
    EXPECT_EQ(Text(dialog, "emissivity"), QStringLiteral("0.90"));
    EXPECT_EQ(Button(dialog, "fromDatabase")->text(), QString::fromUtf8("Val från databasen:"));
    EXPECT_EQ(Button(dialog, "layer1")->text(), QString::fromUtf8("Välj isolerprodukt"));

    // The share's bar and field.
    auto* bar = Child<QScrollBar>(dialog, "freezeFractionBar");
    EXPECT_EQ(bar->value(), 25);
    EXPECT_EQ(bar->pageStep(), 10);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(Text(dialog, "freezeFraction"), QStringLiteral("35"));
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Text(dialog, "freezeFraction"), QStringLiteral("34"));
    Type(dialog, "freezeFraction", "72,4");
    EXPECT_EQ(bar->value(), 72);
    EXPECT_EQ(Text(dialog, "freezeFraction"), QStringLiteral("72,4"));

    dialog.Result().insulation.SetCatalogueProduct(Product(0));
    dialog.Result().insulation.catalogueThickness = 30.0f;
    EXPECT_EQ(PressOk(dialog), Texts{});
    EXPECT_EQ(dialog.Result().pipeMaterial, Material(1));
    EXPECT_EQ(dialog.Result().pipeDimension, Material(1)->dimensions[0].get());
    EXPECT_FLOAT_EQ(dialog.Result().pipeEmissivity, 0.05f);
    EXPECT_FLOAT_EQ(dialog.Result().freezeFraction, 72.4f);
    EXPECT_EQ(dialog.Result().cladding, Cladding(CDataBase::outerCladdings, 1));
}

TEST_F(FrostDlgTest, OkHandsTheValuesToTheModuleWhichCalculates)
{
    CountingFrost module;
    WhenModalShows([](QWidget* d) {
        d->findChild<QLineEdit*>("startTemp")->setText(QStringLiteral("4"));
        static_cast<QDialog*>(d)->reject();
    });
    EXPECT_FALSE(module.Edit());
    EXPECT_FLOAT_EQ(module.startTemperature, 8.0f);
    EXPECT_EQ(module.calculations, 0);

    WhenModalShows([this](QWidget* d) {
        auto* dialog = static_cast<CFrostDlg*>(d);
        auto* material = dialog->findChild<QComboBox*>("pipeMaterial");
        material->setCurrentIndex(1);
        emit material->activated(1);
        dialog->Result().insulation.SetCatalogueProduct(Product(1));
        dialog->Result().insulation.catalogueThickness = 20;
        dialog->findChild<QComboBox*>("cladding")->setCurrentIndex(1);
        dialog->findChild<QAbstractButton*>("vertical")->click();
        dialog->accept();
    });
    EXPECT_TRUE(module.Edit());
    EXPECT_EQ(module.calculations, 1);
    EXPECT_FLOAT_EQ(module.pipeDiameter, 22.0f);
    EXPECT_FLOAT_EQ(module.wallThickness, 1.2f);
    EXPECT_EQ(module.Pipe().Material(), Material(1));
    EXPECT_EQ(module.Pipe().CatalogueDimension(), Material(1)->dimensions[0].get());
    EXPECT_EQ(module.insulation.CatalogueProduct(), Product(1));
    EXPECT_EQ(module.insulation.objectKind, 0);
    EXPECT_EQ(module.vertical, 1);
    EXPECT_EQ(module.Cladding(), Cladding(CDataBase::outerCladdings, 1));
    bool registered = false;
    for (const CItem* dependent : Cladding(CDataBase::outerCladdings, 1)->Dependents())
        registered = registered || dependent == &module;
    EXPECT_TRUE(registered);
}

// A 22 mm copper pipe with 20 mm of insulation outdoors at −20 °C: the hours
// until the water may burst the pipe and the power that keeps it liquid;
// then the same pipe as a cold-water pipe in a 28 °C shaft for 8 hours.
TEST_F(FrostDlgTest, FrostThenTemperatureRiseOfACopperPipe)
{
    CFrostModul module;
    WhenModalShows([this](QWidget* d) {
        auto* dialog = static_cast<CFrostDlg*>(d);
        auto* material = dialog->findChild<QComboBox*>("pipeMaterial");
        material->setCurrentIndex(1);
        emit material->activated(1);
        dialog->Result().insulation.SetCatalogueProduct(Product(1));
        dialog->Result().insulation.catalogueThickness = 20;
        auto* cladding = dialog->findChild<QComboBox*>("cladding");
        cladding->setCurrentIndex(1);
        dialog->findChild<QAbstractButton*>("surroundings1")->click();
        dialog->accept();
    });
    prompter.Clear();
    ASSERT_TRUE(module.Edit());
    ASSERT_TRUE(module.resultsValid);
    EXPECT_TRUE(prompter.Texts().empty());
    const CTabell& t = module.resultTable;
    ASSERT_EQ(t.Rows(), 8);
    EXPECT_EQ(t.Cell(1, 0), "Avkylningstid");
    EXPECT_EQ(t.Cell(3, 0), "Total tid till frostprängningsfara");
    EXPECT_EQ(t.Cell(4, 0), "Nödvändig effekt för att hindra utfrysning");
    const double total = std::strtod(t.Cell(3, 1).c_str(), nullptr);
    const double power = std::strtod(t.Cell(4, 1).c_str(), nullptr);
    // Hours, not minutes or days, and a few watts per metre.
    EXPECT_GT(total, 0.5);
    EXPECT_LT(total, 20.0);
    EXPECT_GT(power, 1.0);
    EXPECT_LT(power, 20.0);

    WhenModalShows([](QWidget* d) {
        auto* dialog = static_cast<CFrostDlg*>(d);
        dialog->findChild<QAbstractButton*>("riseMode")->click();
        dialog->findChild<QLineEdit*>("startTemp")->setText(QStringLiteral("10"));
        dialog->accept();
    });
    prompter.Clear();
    ASSERT_TRUE(module.Edit());
    EXPECT_EQ(module.ambientTemperature, 28.0f);
    EXPECT_EQ(prompter.Texts(),
              Texts{"Varning: Vattentemperaturen blir högre än 24 °C efter 8 timmars stillestånd."});
    EXPECT_EQ(module.resultTable.Cell(1, 0), "Vattentemperatur efter 8 timmars stillestånd");
    EXPECT_GT(std::strtod(module.resultTable.Cell(1, 1).c_str(), nullptr), 24.0);
}

TEST_F(FrostDlgTest, PictureFollowsTheOrientation)
{
    CFrostDlg::Values values = Complete();
    CFrostDlg dialog(std::move(values));
    EXPECT_EQ(dialog.Picture().resource, "picture-261");
    Button(dialog, "vertical")->click();
    EXPECT_EQ(dialog.Picture().resource, "picture-275");
    Button(dialog, "horizontal")->click();

    // The whole dialog as the user sees it, kept for looking at.
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    KeepScreenshot(dialog.grab().toImage(), QStringLiteral("frost-dialog.png"));
    Button(dialog, "riseMode")->click();
    KeepScreenshot(dialog.grab().toImage(), QStringLiteral("frost-dialog-rise.png"));
    // Every label shows its whole text.
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty() || label->wordWrap())
            continue;
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    }
}
