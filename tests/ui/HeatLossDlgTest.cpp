#include "HeatLossCatalogue.h"
#include "UiTestSupport.h"
#include "database/CKlima.h"
#include "database/CKlimasted.h"
#include "modules/CVarmeTapModul.h"
#include "ui/CKlimaDlg.h"
#include "ui/CVarmetapDlg.h"
#include "ui/QtPictures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <cmath>

namespace {

// A heat loss module that counts its calculations instead of making them.
class CountingHeatLoss : public CVarmeTapModul {
public:
    bool Calculate() override
    {
        ++calculations;
        return true;
    }
    int calculations = 0;
};

struct HeatLossDlgTest : HeatLossCatalogueTest {
    CVarmetapDlg::Values Defaults()
    {
        CVarmeTapModul module;
        return CVarmetapDlg::ValuesOf(module);
    }

    // Presses OK and gives the messages it showed.
    std::vector<std::string> PressOk(CVarmetapDlg& dialog, std::initializer_list<platform::Answer> answers = {})
    {
        prompter.Clear();
        for (platform::Answer answer : answers)
            prompter.QueueAnswer(answer);
        dialog.accept();
        return prompter.Texts();
    }
};

using Texts = std::vector<std::string>;

} // namespace

TEST_F(HeatLossDlgTest, OkChecksInTheirOrderWithMessageAndFocus)
{
    CVarmetapDlg dialog(Defaults());
    dialog.show();

    // The framework's exchange of the fields comes first.
    Type(dialog, "mediumTemp", "abc");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "mediumTemp"));
    Type(dialog, "mediumTemp", "3000");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal mellan -273 och 2000."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "mediumTemp"));
    Type(dialog, "mediumTemp", "20");
    Type(dialog, "flow", "2000000");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal mellan 0 och 1000000."});
    Type(dialog, "flow", "10");

    // An own pipe of 2000 mm passes the exchange (up to 10000 mm) but not
    // the pipe check further on.
    Button(dialog, "ownDimension")->click();
    Type(dialog, "pipeDiameter", "2000");
    Type(dialog, "length", "0");
    // The typed emissivity is checked whichever choice is made; typed here so
    // that its field can take the focus.
    Button(dialog, "emissivityTyped")->click();
    Type(dialog, "emissivity", "1,5");
    Button(dialog, "energyCalc")->click();
    Type(dialog, "energyPrice", "0");
    Button(dialog, "surroundings1")->click();
    Type(dialog, "windSpeed", "0");

    EXPECT_EQ(PressOk(dialog), Texts{"Du måste välja en isolerprodukt."});
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
    EXPECT_EQ(Text(dialog, "layer1Summary"),
              QString::fromUtf8("Produkt:\nKallrör\nTjocklek: 25.0 mm"));

    const std::string mediumWarning = "Varning: Medietemperaturen är högre än isolerproduktens max. temperatur.";
    const std::string ambientWarning = "Varning: Omgivningstemperaturen är högre än isolerproduktens max. temperatur.";
    EXPECT_EQ(PressOk(dialog, {platform::Answer::Cancel}), Texts{mediumWarning});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(PressOk(dialog, {platform::Answer::Ok, platform::Answer::Cancel}), (Texts{mediumWarning, ambientWarning}));
    EXPECT_TRUE(dialog.isVisible());

    const Texts warnings{mediumWarning, ambientWarning};
    auto after = [&](const std::string& text) {
        Texts all = warnings;
        all.push_back(text);
        return all;
    };
    EXPECT_EQ(PressOk(dialog), after("Värdet för diameteren måste ligga mellan 1.00 och 1500.00"));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "pipeDiameter"));
    Type(dialog, "pipeDiameter", "48.3");
    EXPECT_EQ(PressOk(dialog), after("Värdet för rörlängden måste ligga mellan 0.10 och 1000.00"));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "length"));
    Type(dialog, "length", "12");
    EXPECT_EQ(PressOk(dialog), after("Värdet för emissiviteten måste ligga mellan 0.00 och 1.00"));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "emissivity"));
    Type(dialog, "emissivity", "0.9");
    Button(dialog, "fromDatabase")->click();
    EXPECT_EQ(PressOk(dialog), after("Värdet för energiprisen måste ligga mellan 0.01 och 200.00"));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "energyPrice"));
    Type(dialog, "energyPrice", "80");
    Type(dialog, "operatingHours", "9000");
    EXPECT_EQ(PressOk(dialog), after("Värdet för driftstiden måste ligga mellan 1.00 och 8760.00"));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "operatingHours"));
    Type(dialog, "operatingHours", "5000");
    EXPECT_EQ(PressOk(dialog), after("Värdet för vindhastigheten måste ligga mellan 0.10 och 50.00"));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "windSpeed"));
    Type(dialog, "windSpeed", "3");
    EXPECT_EQ(PressOk(dialog), after("Beräkningen utförs bara när det minst är 0.1°C skillnad på medietemperatur och "
                                     "omgivningstemperatur."));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "mediumTemp"));
    Type(dialog, "mediumTemp", "20.1");
    EXPECT_EQ(PressOk(dialog), after("Du måste välja en ytbeklädnad."));
    EXPECT_EQ(dialog.focusWidget(), Child(dialog, "cladding"));
    EXPECT_TRUE(dialog.isVisible());

    // A typed emissivity needs no cladding.
    Button(dialog, "emissivityTyped")->click();
    EXPECT_EQ(PressOk(dialog), warnings);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    const CVarmetapDlg::Values& v = dialog.Result();
    EXPECT_FLOAT_EQ(v.mediumTemp, 20.1f);
    EXPECT_FLOAT_EQ(v.pipeOuterDiameter, 48.3f);
    EXPECT_FLOAT_EQ(v.length, 12.0f);
    EXPECT_FLOAT_EQ(v.typedEmissivity, 0.9f);
    EXPECT_FLOAT_EQ(v.energyPrice, 80.0f);
    EXPECT_FLOAT_EQ(v.operatingHours, 5000.0f);
    EXPECT_FLOAT_EQ(v.windSpeed, 3.0f);
    EXPECT_EQ(v.surroundings, Surroundings::Outdoors);
    EXPECT_TRUE(v.energyCalc);
    EXPECT_TRUE(v.emissivityTyped);
    EXPECT_TRUE(v.ownDimension);
    EXPECT_EQ(v.layer1.CatalogueProduct(), Product(2));
    EXPECT_FLOAT_EQ(v.layer1.catalogueThickness, 25.0f);
}

TEST_F(HeatLossDlgTest, CriterionKindAndLayerChecks)
{
    const std::string pleaseChoose = "Du måste välja en isolerprodukt.";
    {
        // Given surface temperature: strictly between the two temperatures.
        CVarmetapDlg::Values values = Defaults();
        values.layer1.SetCatalogueProduct(Product(1));
        values.criterion = Criterion::GivenSurfaceTemp;
        values.mediumTemp = 80;
        values.givenSurfaceTemp = 80;
        values.outerCladding = Cladding(CDataBase::outerCladdings, 0);
        CVarmetapDlg dialog(std::move(values));
        dialog.show();
        EXPECT_EQ(PressOk(dialog), Texts{"Värdet för yttemperaturen måste ligga mellan 20.10 och 79.90"});
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "surfaceTemp"));
        Type(dialog, "surfaceTemp", "79.9");
        EXPECT_EQ(PressOk(dialog), Texts{});
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    {
        // Given heat loss with the ambient warmer than the medium: negative.
        CVarmetapDlg::Values values = Defaults();
        values.layer1.SetCatalogueProduct(Product(1));
        values.criterion = Criterion::GivenHeatLoss;
        values.mediumTemp = 5;
        values.outerCladding = Cladding(CDataBase::outerCladdings, 1);
        CVarmetapDlg dialog(std::move(values));
        dialog.show();
        EXPECT_EQ(PressOk(dialog), Texts{"Värdet för värmeförlusten måste ligga mellan -500.00 och -1.00"});
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "heatLoss"));
    }
    {
        // A duct insulated inside: the insulation must leave an opening.
        CVarmetapDlg::Values values = Defaults();
        values.objectKind = ObjectKind::RectangularDuctInside;
        values.layer1.objectKind = 3;
        values.layer1.SetCatalogueProduct(Product(1));
        values.layer1.catalogueThickness = 60;
        values.width = 120;
        values.height = 400;
        values.height = 6000;
        values.outerCladding = Cladding(CDataBase::insideOuterSurfaces, 0);
        CVarmetapDlg dialog(std::move(values));
        dialog.show();
        EXPECT_EQ(PressOk(dialog), Texts{"Värdet för höjden måste ligga mellan 1.00 och 5000.00"});
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "height"));
        Type(dialog, "height", "400");
        // Objects insulated inside take their outer surface from their own list.
        auto* cladding = dialog.findChild<QComboBox*>("cladding");
        ASSERT_EQ(cladding->count(), 1);
        EXPECT_EQ(cladding->currentText(), QStringLiteral("Puts"));
        EXPECT_EQ(PressOk(dialog),
                  Texts{"Isolertjockleken blir för stor med given kanaldimension och invändig isolering."});
        Type(dialog, "width", "121");
        EXPECT_EQ(PressOk(dialog), Texts{});
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    {
        // Two layers at the given thickness: layer 2 needs a product, and its
        // temperature limit is held against the ambient.
        CVarmetapDlg::Values values = Defaults();
        values.layer1.SetCatalogueProduct(Product(1));
        values.twoLayers = true;
        values.emissivityTyped = true;
        CVarmetapDlg dialog(std::move(values));
        dialog.show();
        EXPECT_EQ(PressOk(dialog), Texts{pleaseChoose});
        EXPECT_EQ(dialog.focusWidget(), Button(dialog, "layer2"));
        dialog.Result().layer2.SetCatalogueProduct(Product(2));
        EXPECT_EQ(PressOk(dialog, {platform::Answer::Cancel}),
                  Texts{"Varning: Omgivningstemperaturen är högre än isolerproduktens max. temperatur."});
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        // With one layer only layer 1 counts; its 600 °C stand both temperatures.
        Button(dialog, "twoLayers")->click();
        EXPECT_EQ(PressOk(dialog), Texts{});
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    {
        // A layer set to the user's products without one chosen cannot be calculated either.
        CVarmetapDlg::Values values = Defaults();
        values.layer1.SetCatalogueProduct(Product(1));
        values.layer1.source = CIsolasjon::userSource;
        values.emissivityTyped = true;
        CVarmetapDlg dialog(std::move(values));
        EXPECT_EQ(PressOk(dialog), Texts{pleaseChoose});
    }
}

TEST_F(HeatLossDlgTest, ControlStatesFollowKindCriterionAndChoices)
{
    CVarmetapDlg dialog(Defaults());
    auto on = [&](const char* name) { return Child(dialog, name)->isEnabled(); };
    auto* classes = dialog.findChild<QComboBox*>("givenClass");

    for (int k = 0; k < 6; ++k) {
        Button(dialog, ("kind" + std::to_string(k)).c_str())->click();
        const bool duct = k >= 1 && k <= 3;
        const bool flat = k >= 4;
        EXPECT_EQ(on("criterion4"), !duct) << k;
        EXPECT_EQ(on("criterion3"), k != 2 && k != 3) << k;
        EXPECT_EQ(classes->count(), duct ? 6 : 7) << k;
        for (int c = 0; c < 5; ++c) {
            QAbstractButton* criterion = Button(dialog, ("criterion" + std::to_string(c)).c_str());
            if (!criterion->isEnabled())
                continue;
            criterion->click();
            SCOPED_TRACE("kind " + std::to_string(k) + ", criterion " + std::to_string(c));
            EXPECT_EQ(on("diameter"), k == 1);
            EXPECT_EQ(on("width"), k == 2 || k == 3);
            EXPECT_EQ(on("height"), k == 2 || k == 3);
            EXPECT_EQ(on("pipeMaterial"), k == 0);
            EXPECT_EQ(on("ownDimension"), k == 0);
            EXPECT_EQ(on("pipeDimension"), k == 0);
            EXPECT_FALSE(on("pipeDiameter"));
            EXPECT_EQ(on("length"), !flat && (c == 0 || c == 3));
            EXPECT_EQ(on("area"), flat && (c == 0 || c == 3));
            EXPECT_EQ(on("surfaceTemp"), c == 1);
            EXPECT_EQ(on("heatLoss"), c == 2);
            EXPECT_EQ(on("givenClass"), c == 3);
            EXPECT_EQ(on("spillFactor"), c == 4);
            EXPECT_EQ(on("twoLayers"), c == 0);
            EXPECT_FALSE(on("layer2"));
            EXPECT_EQ(on("fittingsUsed"), k == 0 && c == 0);
            EXPECT_FALSE(on("fittings"));
            EXPECT_EQ(on("supports"), !flat && k != 3 && (c == 0 || c == 3));
            EXPECT_EQ(on("energyCalc"), c == 0);
            EXPECT_EQ(on("operatingHours"), c == 4);
            EXPECT_FALSE(on("energyPrice"));
            EXPECT_EQ(on("innerCladdingUsed"), k == 3 || k == 5);
            EXPECT_EQ(on("flow"), duct);
            EXPECT_EQ(on("flowUnit2"), duct);
        }
        Button(dialog, "criterion0")->click();
    }

    // The heat loss label follows the object: per metre or per square metre.
    Button(dialog, "criterion2")->click();
    auto* heatLoss = Edit(dialog, "heatLoss");
    QLabel* label = nullptr;
    for (QLabel* l : dialog.findChildren<QLabel*>())
        if (l->buddy() == heatLoss)
            label = l;
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8("Värmeförlust [W/m²]:"));
    Button(dialog, "kind0")->click();
    EXPECT_EQ(label->text(), QString::fromUtf8("Värmeförlust [W/m]:"));

    // A vertical surface has a height.
    Button(dialog, "kind4")->click();
    EXPECT_FALSE(on("height"));
    Button(dialog, "vertical")->click();
    EXPECT_TRUE(on("height"));

    // Class 7 becomes class 6 on a duct; a criterion the kind lacks falls back to 0.
    Button(dialog, "kind0")->click();
    Button(dialog, "criterion3")->click();
    classes->setCurrentIndex(6);
    Button(dialog, "kind1")->click();
    EXPECT_EQ(classes->currentIndex(), 5);
    EXPECT_TRUE(Button(dialog, "criterion3")->isChecked());
    Button(dialog, "kind2")->click();
    EXPECT_TRUE(Button(dialog, "criterion0")->isChecked());

    // The check boxes and radio groups.
    Button(dialog, "kind0")->click();
    Button(dialog, "criterion0")->click();
    Button(dialog, "ownDimension")->click();
    EXPECT_FALSE(on("pipeDimension"));
    EXPECT_TRUE(on("pipeDiameter"));
    EXPECT_TRUE(on("pipeWall"));
    Button(dialog, "twoLayers")->click();
    EXPECT_TRUE(on("layer2"));
    Button(dialog, "fittingsUsed")->click();
    EXPECT_TRUE(on("fittings"));
    EXPECT_TRUE(on("newFitting"));
    EXPECT_TRUE(on("removeFitting"));
    Button(dialog, "energyCalc")->click();
    EXPECT_TRUE(on("operatingHours"));
    EXPECT_TRUE(on("energyPrice"));
    EXPECT_TRUE(on("co2Factor"));
    EXPECT_FALSE(on("windSpeed"));
    EXPECT_FALSE(on("coefficient"));
    Button(dialog, "surroundings1")->click();
    EXPECT_TRUE(on("windSpeed"));
    EXPECT_FALSE(on("climate")) << "no climate locations are open";
    Button(dialog, "surroundings2")->click();
    EXPECT_FALSE(on("windSpeed"));
    EXPECT_TRUE(on("coefficient"));
    EXPECT_TRUE(on("cladding"));
    EXPECT_FALSE(on("emissivity"));
    Button(dialog, "emissivityTyped")->click();
    EXPECT_FALSE(on("cladding"));
    EXPECT_TRUE(on("emissivity"));
    Button(dialog, "kind5")->click();
    EXPECT_FALSE(on("innerCladding"));
    Button(dialog, "innerCladdingUsed")->click();
    EXPECT_TRUE(on("innerCladding"));
}

TEST_F(HeatLossDlgTest, FlowUnitConvertsTheValueWithFewerDecimalsTheLargerItIs)
{
    EXPECT_EQ(FlowText(1234.4f), QStringLiteral("1234"));
    EXPECT_EQ(FlowText(1000.0f), QStringLiteral("1000.0"));
    EXPECT_EQ(FlowText(100.0f), QStringLiteral("100.00"));
    EXPECT_EQ(FlowText(10.0f), QStringLiteral("10.000"));
    EXPECT_EQ(FlowText(1.0f), QStringLiteral("1.0000"));
    EXPECT_EQ(FlowText(0.1f), QStringLiteral("0.10000"));
    EXPECT_EQ(FlowText(0.01f), QStringLiteral("0.010000"));

    // A 200 × 500 mm duct: 0.1 m² free area.
    CVarmetapDlg::Values values = Defaults();
    values.objectKind = ObjectKind::RectangularDuctOutside;
    values.width = 200;
    values.height = 500;
    values.flowUnit = FlowUnit::LitresPerSecond;
    values.flow = 1;
    CVarmetapDlg dialog(std::move(values));
    QLabel* label = dialog.findChild<QLabel*>("flowLabel");
    EXPECT_EQ(label->text(), QStringLiteral("Flöde [liter/s]:"));
    Button(dialog, "flowUnit0")->click();
    EXPECT_EQ(Edit(dialog, "flow")->text(), QStringLiteral("3.600"));
    EXPECT_EQ(label->text(), QString::fromUtf8("Flöde [m³/h]:"));
    Button(dialog, "flowUnit1")->click();
    EXPECT_EQ(Edit(dialog, "flow")->text(), QStringLiteral("1.0000"));
    // 1 l/s through 0.1 m² is 0.01 m/s.
    Button(dialog, "flowUnit2")->click();
    EXPECT_EQ(Edit(dialog, "flow")->text(), QStringLiteral("0.010000"));
    EXPECT_EQ(label->text(), QStringLiteral("Flöde [m/s]:"));
    Button(dialog, "flowUnit0")->click();
    EXPECT_EQ(Edit(dialog, "flow")->text(), QStringLiteral("3.600"));
    // The area is that of the dimensions now in the fields: 0.5 m².
    Type(dialog, "width", "1000");
    Button(dialog, "flowUnit2")->click();
    EXPECT_EQ(Edit(dialog, "flow")->text(), QStringLiteral("0.002000"));
    Button(dialog, "flowUnit1")->click();
    EXPECT_EQ(Edit(dialog, "flow")->text(), QStringLiteral("1.0000"));

    // Inside insulation narrows the opening: (400 − 100) × (600 − 100) mm.
    CVarmetapDlg::Values inside = Defaults();
    inside.objectKind = ObjectKind::RectangularDuctInside;
    inside.width = 400;
    inside.height = 600;
    inside.layer1.catalogueThickness = 50;
    inside.flowUnit = FlowUnit::CubicMetresPerHour;
    inside.flow = 540;
    CVarmetapDlg insideDialog(std::move(inside));
    Button(insideDialog, "flowUnit2")->click();
    EXPECT_EQ(Edit(insideDialog, "flow")->text(), QStringLiteral("1.0000"));
}

TEST_F(HeatLossDlgTest, ChoicesFillTheirFields)
{
    CVarmetapDlg dialog(Defaults());
    auto* material = dialog.findChild<QComboBox*>("pipeMaterial");
    auto* dimension = dialog.findChild<QComboBox*>("pipeDimension");
    EXPECT_EQ(material->currentText(), QString::fromUtf8("Stål"));
    EXPECT_EQ(dimension->currentText(), QStringLiteral("15"));
    EXPECT_EQ(Edit(dialog, "pipeDiameter")->text(), QStringLiteral("21.3"));

    dimension->setCurrentIndex(1);
    emit dimension->activated(1);
    EXPECT_EQ(Edit(dialog, "pipeDiameter")->text(), QStringLiteral("48.3"));
    EXPECT_EQ(Edit(dialog, "pipeWall")->text(), QStringLiteral("3.2"));

    material->setCurrentIndex(1);
    emit material->activated(1);
    EXPECT_EQ(Edit(dialog, "bareEmissivity")->text(), QStringLiteral("0.05"));
    EXPECT_EQ(dimension->count(), 1);
    EXPECT_EQ(Edit(dialog, "pipeDiameter")->text(), QStringLiteral("22.0"));
    EXPECT_EQ(Edit(dialog, "pipeWall")->text(), QStringLiteral("1.2"));

    auto* cladding = dialog.findChild<QComboBox*>("cladding");
    cladding->setCurrentIndex(1);
    emit cladding->activated(1);
    EXPECT_EQ(Edit(dialog, "emissivity")->text(), QStringLiteral("0.90"));
    EXPECT_EQ(PressOk(dialog), Texts{"Du måste välja en isolerprodukt."});
    dialog.Result().layer1.SetCatalogueProduct(Product(0));
    EXPECT_EQ(PressOk(dialog), Texts{});
    EXPECT_EQ(dialog.Result().pipeMaterial, Material(1));
    EXPECT_EQ(dialog.Result().pipeDimension, Material(1)->dimensions[0].get());
    EXPECT_FLOAT_EQ(dialog.Result().bareEmissivity, 0.05f);
    EXPECT_EQ(dialog.Result().outerCladding, Cladding(CDataBase::outerCladdings, 1));
}

TEST_F(HeatLossDlgTest, FittingListNewUpdateAndRemove)
{
    CVarmetapDlg::Values values = Defaults();
    values.fittingsUsed = true;
    CVarmetapDlg dialog(std::move(values));
    auto* list = dialog.findChild<QListWidget*>("fittings");

    prompter.Clear();
    Button(dialog, "updateFitting")->click();
    Button(dialog, "removeFitting")->click();
    EXPECT_EQ(prompter.Texts(), (Texts{"Listan är tom!", "Listan är tom!"}));

    // An own fitting, three units of half a metre.
    WhenModalShows([](QWidget* d) {
        d->findChild<QCheckBox*>("ownDefined")->click();
        auto* name = d->findChild<QLineEdit*>("name");
        TypeText(name, QStringLiteral("Filter"));
        d->findChild<QLineEdit*>("length")->setText(QStringLiteral("0,5"));
        d->findChild<QLineEdit*>("count")->setText(QStringLiteral("3"));
        static_cast<QDialog*>(d)->accept();
    });
    Button(dialog, "newFitting")->click();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Filter; 3 stk"));
    ASSERT_EQ(dialog.Result().fittings.size(), 1u);
    EXPECT_FLOAT_EQ(dialog.Result().fittings[0]->EquivalentLength(48.3f), 1.5f);

    // A catalogue type, cancelled: nothing is added.
    WhenModalShows([](QWidget* d) { static_cast<QDialog*>(d)->reject(); });
    Button(dialog, "newFitting")->click();
    EXPECT_EQ(list->count(), 1);

    // A catalogue type without one chosen is refused, then chosen.
    WhenModalShows([this](QWidget* d) {
        prompter.Clear();
        static_cast<QDialog*>(d)->accept();
        EXPECT_EQ(prompter.Texts(), Texts{"Du måste välja en tilläggsarmatur."});
        EXPECT_TRUE(d->isVisible());
        auto* type = d->findChild<QComboBox*>("type");
        type->setCurrentIndex(type->findText(QStringLiteral("Ventil")));
        d->findChild<QLineEdit*>("count")->setText(QStringLiteral("2"));
        static_cast<QDialog*>(d)->accept();
    });
    Button(dialog, "newFitting")->click();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Ventil; 2 stk"));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(dialog.Result().fittings[1]->FittingType(), Fitting(0));

    // Update the selected one in place.
    WhenModalShows([](QWidget* d) {
        d->findChild<QLineEdit*>("count")->setText(QStringLiteral("0"));
        static_cast<QDialog*>(d)->accept();
    });
    Button(dialog, "updateFitting")->click();
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Ventil; 0 stk"));
    EXPECT_EQ(dialog.Result().fittings[1]->count, 0);

    // Removing asks first; Cancel keeps the entry.
    list->setCurrentRow(0);
    prompter.Clear();
    prompter.QueueAnswer(platform::Answer::Cancel);
    Button(dialog, "removeFitting")->click();
    EXPECT_EQ(prompter.Texts(), Texts{"\"Filter; 3 stk\" raderas nu!"});
    EXPECT_EQ(list->count(), 2);
    Button(dialog, "removeFitting")->click();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Ventil; 0 stk"));
    ASSERT_EQ(dialog.Result().fittings.size(), 1u);
    EXPECT_EQ(dialog.Result().fittings[0]->name, "Ventil; 0 stk");
}

TEST_F(HeatLossDlgTest, OkHandsTheValuesToTheModuleWhichCalculates)
{
    CountingHeatLoss module;
    module.fittings.push_back(std::make_unique<CTilleggsutstyr>());
    module.fittings[0]->ownDefined = true;
    module.fittings[0]->UpdateName("Gammal");
    const CTilleggsutstyr* before = module.fittings[0].get();

    // Cancel leaves everything as it was.
    WhenModalShows([](QWidget* d) {
        auto* medium = d->findChild<QLineEdit*>("mediumTemp");
        medium->setText(QStringLiteral("80"));
        static_cast<QDialog*>(d)->reject();
    });
    EXPECT_FALSE(module.Edit());
    EXPECT_FLOAT_EQ(module.mediumTemp, 50.0f);
    EXPECT_EQ(module.calculations, 0);

    // A 48.3 mm steel pipe at 80 °C indoors with 40 mm of a pipe section.
    CVarmetapDlg::Values* seen = nullptr;
    WhenModalShows([&](QWidget* d) {
        auto* dialog = static_cast<CVarmetapDlg*>(d);
        seen = &dialog->Result();
        dialog->findChild<QLineEdit*>("mediumTemp")->setText(QStringLiteral("80"));
        auto* dimension = dialog->findChild<QComboBox*>("pipeDimension");
        dimension->setCurrentIndex(1);
        emit dimension->activated(1);
        dialog->Result().layer1.SetCatalogueProduct(Product(1));
        dialog->Result().layer1.catalogueThickness = 40;
        auto* cladding = dialog->findChild<QComboBox*>("cladding");
        cladding->setCurrentIndex(0);
        dialog->accept();
    });
    EXPECT_TRUE(module.Edit());
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(module.calculations, 1);
    EXPECT_FLOAT_EQ(module.mediumTemp, 80.0f);
    EXPECT_FLOAT_EQ(module.pipeOuterDiameter, 48.3f);
    EXPECT_FLOAT_EQ(module.pipeWall, 3.2f);
    EXPECT_EQ(module.Pipe().CatalogueDimension(), Material(0)->dimensions[1].get());
    EXPECT_EQ(module.layer1.CatalogueProduct(), Product(1));
    EXPECT_FLOAT_EQ(module.layer1.Thickness(), 40.0f);
    EXPECT_EQ(module.OuterCladding(), Cladding(CDataBase::outerCladdings, 0));
    // The module now stands among the users of what it refers to.
    bool registered = false;
    for (const CItem* dependent : Cladding(CDataBase::outerCladdings, 0)->Dependents())
        registered = registered || dependent == &module;
    EXPECT_TRUE(registered);
    // The fittings are the dialog's copies.
    ASSERT_EQ(module.fittings.size(), 1u);
    EXPECT_NE(module.fittings[0].get(), before);
    EXPECT_EQ(module.fittings[0]->name, "Gammal; 1 stk");
}

TEST_F(HeatLossDlgTest, PictureShowsTheProductOrTheObject)
{
    CVarmetapDlg::Values values = Defaults();
    CIsolasjon layer(0, true);
    EXPECT_EQ(CVarmetapDlg::PictureFor(layer, 0, false).resource, "picture-261");
    EXPECT_EQ(CVarmetapDlg::PictureFor(layer, 4, true).resource, "picture-271");
    EXPECT_TRUE(CVarmetapDlg::PictureFor(layer, 0, false).file.empty());

    settings.SetString("Files", "Pictures", "/bilder/");
    Product(1)->pictures[2] = "kanal.jpg";
    Product(1)->pictures[2 + CIsoProdukt::verticalSlotOffset] = "kanal-v.jpg";
    layer.SetCatalogueProduct(Product(1));
    EXPECT_EQ(CVarmetapDlg::PictureFor(layer, 2, false).file, "/bilder/kanal.jpg");
    EXPECT_EQ(CVarmetapDlg::PictureFor(layer, 2, true).file, "/bilder/kanal-v.jpg");
    // No picture for pipes: the program's own.
    EXPECT_TRUE(CVarmetapDlg::PictureFor(layer, 0, false).file.empty());
    // A user's product has no pictures.
    layer.source = CIsolasjon::userSource;
    EXPECT_TRUE(CVarmetapDlg::PictureFor(layer, 2, false).file.empty());

    // The dialog follows the kind and orientation.
    values.layer1.SetCatalogueProduct(Product(1));
    values.layer1.catalogueThickness = 40;
    values.outerCladding = Cladding(CDataBase::outerCladdings, 0);
    values.mediumTemp = 80;
    values.pipeOuterDiameter = 48.3f;
    values.pipeWall = 3.2f;
    CVarmetapDlg dialog(std::move(values));
    EXPECT_EQ(dialog.Picture().resource, "picture-261");
    Button(dialog, "kind2")->click();
    EXPECT_EQ(dialog.Picture().resource, "picture-263");
    Button(dialog, "vertical")->click();
    EXPECT_EQ(dialog.Picture().resource, "picture-274");

    // The whole dialog as the user sees it, kept for looking at.
    Button(dialog, "horizontal")->click();
    Button(dialog, "kind0")->click();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QImage image = dialog.grab().toImage();
    EXPECT_GT(image.width(), 600);
    KeepScreenshot(image, QStringLiteral("heat-loss-dialog.png"));
    const QImage picture = dialog.findChild<QLabel*>("picture")->pixmap().toImage();
    ASSERT_FALSE(picture.isNull());
    // Something is drawn on the white.
    bool drawn = false;
    for (int y = 0; y < picture.height() && !drawn; y += 4)
        for (int x = 0; x < picture.width() && !drawn; x += 4)
            drawn = picture.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_TRUE(drawn);
}

TEST_F(HeatLossDlgTest, ClimateLocationsFillAmbientAndWind)
{
    CKlima climate;
    climate.locations.push_back(std::make_unique<CKlimasted>());
    climate.locations[0]->name = "Kiruna";
    climate.locations[0]->annualMeanTemperature = -1.2f;
    climate.locations[0]->annualMeanWindSpeed = 3.4f;
    climate.locations[0]->UpdateDisplayText();
    SetClimateLocations(&climate);

    CVarmetapDlg::Values values = Defaults();
    values.surroundings = Surroundings::Outdoors;
    CVarmetapDlg dialog(std::move(values));
    ASSERT_TRUE(Button(dialog, "climate")->isEnabled());
    WhenModalShows([](QWidget* d) {
        auto* list = d->findChild<QTreeWidget*>("locations");
        list->setCurrentItem(list->topLevelItem(0));
        static_cast<QDialog*>(d)->accept();
    });
    Button(dialog, "climate")->click();
    EXPECT_EQ(Edit(dialog, "ambientTemp")->text(), QStringLiteral("-1.2"));
    EXPECT_EQ(Edit(dialog, "windSpeed")->text(), QStringLiteral("3.4"));
    SetClimateLocations(nullptr);
}
