#include "HeatLossCatalogue.h"
#include "UiTestSupport.h"
#include "database/CKlima.h"
#include "database/CKlimasted.h"
#include "database/CProduktBeskrivelse.h"
#include "database/CVeske.h"
#include "doc/CVekDoc.h"
#include "modules/CTankTempModul.h"
#include "report/PageModel.h"
#include "report/ResultPages.h"
#include "ui/CKlimaDlg.h"
#include "ui/CTankTempDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <cstdlib>

namespace {

class CountingTank : public CTankTempModul {
public:
    bool Calculate() override
    {
        ++calculations;
        return true;
    }
    int calculations = 0;
};

// The heat loss dialogs' catalogue with tank products and liquids.
struct TankDlgTest : HeatLossCatalogueTest {
    TankDlgTest()
    {
        tankProduct("Tankmatta", 250.0f);
        tankProduct("Varmvattenmatta", 40.0f);
        liquid("Vatten", 999.8f, 4217.0f, 0.0f);
        liquid("Glykol", 1045.0f, 3720.0f, -16.0f);
    }

    CIsoProdukt* TankProduct(std::size_t i) { return Product(3 + i); }
    CVeske* Liquid(std::size_t i) { return Item<CVeske>(CDataBase::liquids, i); }

    CTankTempDlg::Values Defaults()
    {
        CTankTempModul module;
        return CTankTempDlg::ValuesOf(module);
    }
    // Everything chosen that the checks ask for.
    CTankTempDlg::Values Complete()
    {
        CTankTempDlg::Values v = Defaults();
        v.insulation.SetCatalogueProduct(TankProduct(0));
        v.insulation.catalogueThickness = 100.0f;
        v.cladding = Cladding(CDataBase::outerCladdings, 0);
        v.liquid = Liquid(0);
        return v;
    }

    std::vector<std::string> PressOk(CTankTempDlg& dialog, std::initializer_list<platform::Answer> answers = {})
    {
        prompter.Clear();
        for (platform::Answer answer : answers)
            prompter.QueueAnswer(answer);
        dialog.accept();
        return prompter.Texts();
    }

private:
    void tankProduct(const std::string& name, float maxTemperature)
    {
        auto p = std::make_unique<CIsoProdukt>();
        p->name = name;
        p->maxTemperature = maxTemperature;
        p->usageFlags[std::size_t(CTankTempModul::tankObjectKind)] = true;
        for (float t : {50.0f, 100.0f})
            p->thicknesses.push_back(std::make_unique<CIsoTykkelse>(t));
        p->minThickness = 20.0f;
        p->maxThickness = 200.0f;
        database.lists[CDataBase::insulationProducts].push_back(std::move(p));
    }
    void liquid(const std::string& name, float density, float heat, float freezing)
    {
        auto v = std::make_unique<CVeske>();
        v->name = name;
        v->density = density;
        v->specificHeatCapacity = heat;
        v->freezingPoint = freezing;
        database.lists[CDataBase::liquids].push_back(std::move(v));
    }
};

using Texts = std::vector<std::string>;

class Placeholder : public CVekModul {
public:
    void Serialize(CArchive&) override {}
};

// A document of the tank module and its result page.
class TankParts : public DocumentParts {
public:
    std::unique_ptr<CVekModul> CreateModule(int index) override
    {
        if (index == CTankTempModul::pageIndex)
            return std::make_unique<CTankTempModul>();
        return std::make_unique<Placeholder>();
    }
    std::unique_ptr<DocumentPages> CreatePages(CVekDoc& doc) override { return std::make_unique<ResultPages>(doc); }
    std::unique_ptr<CDocumentPart> CreateDescriptions() override { return std::make_unique<CProduktBeskrivelse>(); }
};

std::string Range(const std::string& word, const char* low, const char* high)
{
    return "Värdet för " + word + " måste ligga mellan " + low + " och " + high;
}

} // namespace

TEST_F(TankDlgTest, OkChecksInTheirOrderWithMessageAndFocus)
{
    CTankTempDlg dialog(Defaults());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Temperatur över tid i tank"));

    // The framework's exchange comes first, in the fields' order.
    Type(dialog, "width", "abc");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "width"));
    Type(dialog, "width", "0");
    Type(dialog, "ambientTemp", "600");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal mellan -60 och 500."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "ambientTemp"));
    Type(dialog, "ambientTemp", "10");
    // The storage time is exchanged even while the final temperature is chosen.
    Button(dialog, "finalGiven")->click();
    Type(dialog, "storageTime", "9000");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal mellan 1 och 8760."});
    EXPECT_TRUE(dialog.isVisible());
    Type(dialog, "storageTime", "48");

    EXPECT_EQ(PressOk(dialog), Texts{"Du måste välja en isolerprodukt."});
    EXPECT_EQ(dialog.focusWidget(), Button(dialog, "layer1"));

    // A product that stands 40 °C only, chosen in the layer's own dialog,
    // which offers the tank products alone.
    WhenModalShows([](QWidget* layerDialog) {
        auto* products = layerDialog->findChild<QComboBox*>("catalogueProducts");
        EXPECT_EQ(products->count(), 2);
        products->setCurrentIndex(products->findText(QStringLiteral("Varmvattenmatta")));
        layerDialog->findChild<QComboBox*>("catalogueThickness")->setEditText(QStringLiteral("100"));
        static_cast<QDialog*>(layerDialog)->accept();
    });
    Button(dialog, "layer1")->click();
    EXPECT_EQ(Text(dialog, "layer1Summary"),
              QString::fromUtf8("Produkt:\nVarmvattenmatta\nTjocklek: 100.0 mm"));

    // 50 °C in the tank: the medium's warning, and the ambient's is not asked.
    const std::string mediumWarning = "Varning: Medietemperaturen är högre än isolerproduktens max. temperatur.";
    EXPECT_EQ(PressOk(dialog, {platform::Answer::Cancel}), Texts{mediumWarning});
    EXPECT_TRUE(dialog.isVisible());
    const Texts warned{mediumWarning};
    auto after = [&](const std::string& text) {
        Texts all = warned;
        all.push_back(text);
        return all;
    };

    // A box: height, width, depth.
    Type(dialog, "height", "101");
    EXPECT_EQ(PressOk(dialog), after(Range("höjden", "0.10", "100.00")));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "height"));
    Type(dialog, "height", "2");
    EXPECT_EQ(PressOk(dialog), after(Range("bredden", "0.10", "100.00")));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "width"));
    Type(dialog, "width", "3");
    Type(dialog, "depth", "0.05");
    EXPECT_EQ(PressOk(dialog), after(Range("djubet", "0.10", "100.00")));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "depth"));
    Type(dialog, "depth", "4");
    // A cylinder asks for its diameter and length instead.
    Button(dialog, "shape1")->click();
    Type(dialog, "diameter", "0");
    EXPECT_EQ(PressOk(dialog), after(Range("diameteren", "0.10", "100.00")));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "diameter"));
    Type(dialog, "diameter", "2,2");
    Type(dialog, "length", "200");
    EXPECT_EQ(PressOk(dialog), after(Range("längden", "0.10", "100.00")));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "length"));
    Type(dialog, "length", "2.63");

    // The outer surface: a typed emissivity, or a cladding.
    Button(dialog, "emissivityTyped")->click();
    Type(dialog, "emissivity", "1.5");
    EXPECT_EQ(PressOk(dialog), after(Range("emissiviteten", "0.00", "1.00")));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "emissivity"));
    Button(dialog, "fromDatabase")->click();
    EXPECT_EQ(PressOk(dialog), after("Du måste välja en ytbeklädnad."));
    EXPECT_EQ(dialog.focusWidget(), Child(dialog, "cladding"));
    // A given coefficient needs neither; it must be 0.1 at least.
    Button(dialog, "surroundings2")->click();
    Type(dialog, "coefficient", "0");
    EXPECT_EQ(PressOk(dialog), after(Range("det utvändiga värmeövergångstalet", "0.10", "10000.00")));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "coefficient"));
    Type(dialog, "coefficient", "0.1");
    Button(dialog, "surroundings1")->click();
    auto* cladding = dialog.findChild<QComboBox*>("cladding");
    cladding->setCurrentIndex(1);
    Type(dialog, "windSpeed", "60");
    EXPECT_EQ(PressOk(dialog), after(Range("vindhastigheten", "0.10", "50.00")));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "windSpeed"));
    Type(dialog, "windSpeed", "4");

    // The medium.
    EXPECT_EQ(PressOk(dialog), after("Du måste välja ett medie i rullgardinen med vätskor."));
    EXPECT_EQ(dialog.focusWidget(), Child(dialog, "liquid"));
    Button(dialog, "mediumOwn")->click();
    Type(dialog, "density", "0");
    EXPECT_EQ(PressOk(dialog), after(Range("densiteten", "1.00", "2500.00")));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "density"));
    Type(dialog, "density", "1000");
    Type(dialog, "heatCapacity", "6000");
    EXPECT_EQ(PressOk(dialog), after(Range("värmekapaciteten", "1.00", "5000.00")));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "heatCapacity"));
    Type(dialog, "heatCapacity", "4000");
    Type(dialog, "freezingPoint", "-300");
    EXPECT_EQ(PressOk(dialog), after(Range("fryspunkten", "-273.00", "200.00")));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "freezingPoint"));
    Type(dialog, "freezingPoint", "-2");

    // The temperatures run from the freezing point up.
    Type(dialog, "startTemp", "-3");
    EXPECT_EQ(PressOk(dialog), Texts{Range("starttemperaturen", "-2.00", "2000.00")});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "startTemp"));
    Type(dialog, "startTemp", "30");
    Type(dialog, "finalTemp", "-2.5");
    EXPECT_EQ(PressOk(dialog), Texts{Range("Temperatur efter förvaring", "-2.00", "2000.00")});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "finalTemp"));
    Type(dialog, "finalTemp", "30");
    EXPECT_EQ(PressOk(dialog), Texts{"Starttemperaturen är lägre enn temperatur efter förvaring"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "startTemp"));
    // Below the ambient temperature the liquid never gets.
    Type(dialog, "finalTemp", "10");
    EXPECT_EQ(PressOk(dialog),
              Texts{"Temperaturen efter förvaring måste ligga mellan omgivningstemperaturen och starttemperaturen."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "finalTemp"));
    Type(dialog, "finalTemp", "20");

    // 30 °C is below the product's 40 °C, 45 °C around it is not.
    Type(dialog, "ambientTemp", "45");
    Type(dialog, "finalTemp", "25");
    EXPECT_EQ(PressOk(dialog, {platform::Answer::Cancel}),
              Texts{"Varning: Omgivningstemperaturen är högre än isolerproduktens max. temperatur."});
    EXPECT_TRUE(dialog.isVisible());
    // Start and ambient within 0.1 K: no U-value can come of it.
    Button(dialog, "storageGiven")->click();
    Type(dialog, "ambientTemp", "30.05");
    EXPECT_EQ(PressOk(dialog), Texts{"Beräkningen utförs bara när det minst är 0.1°C skillnad på medietemperatur och "
                                     "omgivningstemperatur."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "startTemp"));
    Type(dialog, "ambientTemp", "10");
    Button(dialog, "finalGiven")->click();
    EXPECT_EQ(PressOk(dialog), Texts{});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    const CTankTempDlg::Values& v = dialog.Result();
    EXPECT_EQ(v.tankShape, 1);
    EXPECT_FLOAT_EQ(v.tankDiameter, 2.2f);
    EXPECT_FLOAT_EQ(v.tankLength, 2.63f);
    EXPECT_EQ(v.surroundings, Surroundings::Outdoors);
    EXPECT_FLOAT_EQ(v.windSpeed, 4.0f);
    EXPECT_FALSE(v.ownEmissivity);
    EXPECT_EQ(v.cladding, Cladding(CDataBase::outerCladdings, 1));
    EXPECT_EQ(v.mediumSource, 1);
    EXPECT_FLOAT_EQ(v.density, 1000.0f);
    EXPECT_FLOAT_EQ(v.heatCapacity, 4000.0f);
    EXPECT_FLOAT_EQ(v.freezingPoint, -2.0f);
    EXPECT_FLOAT_EQ(v.startTemperature, 30.0f);
    EXPECT_TRUE(v.givenFinalTemperature);
    EXPECT_FLOAT_EQ(v.finalTemperature, 25.0f);
    EXPECT_EQ(v.insulation.CatalogueProduct(), TankProduct(1));
    EXPECT_FLOAT_EQ(v.insulation.catalogueThickness, 100.0f);
}

TEST_F(TankDlgTest, InsulationThicknessAndStoredValuesAreCheckedToo)
{
    {
        // A user's product may allow 0 mm; a tank needs some insulation.
        CTankTempDlg::Values values = Complete();
        userDatabase.products[0]->minThickness = 0.0f;
        userDatabase.products[0]->maxThickness = 300.0f;
        values.insulation.source = CIsolasjon::userSource;
        values.insulation.SetUserProduct(userDatabase.products[0].get());
        values.insulation.userThickness = 0.0f;
        CTankTempDlg dialog(std::move(values));
        dialog.show();
        EXPECT_EQ(PressOk(dialog), Texts{Range("tjockleken", "0.10", "300.00")});
        EXPECT_EQ(dialog.focusWidget(), Button(dialog, "layer1"));
        dialog.Result().insulation.userThickness = 20.0f;
        EXPECT_EQ(PressOk(dialog), Texts{});
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    {
        // A sphere needs only its diameter; the box's sides may be anything.
        CTankTempDlg::Values values = Complete();
        values.tankShape = 2;
        values.tankWidth = 0.0f;
        values.tankDiameter = 120.0f;
        CTankTempDlg dialog(std::move(values));
        dialog.show();
        EXPECT_EQ(PressOk(dialog), Texts{Range("diameteren", "0.10", "100.00")});
        Type(dialog, "diameter", "3");
        EXPECT_EQ(PressOk(dialog), Texts{});
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    {
        // Heating toward a warmer room: a final temperature between the two
        // is still refused, since the start must lie above it.
        CTankTempDlg::Values values = Complete();
        values.givenFinalTemperature = true;
        values.startTemperature = 5.0f;
        values.ambientTemperature = 20.0f;
        values.finalTemperature = 15.0f;
        CTankTempDlg dialog(std::move(values));
        EXPECT_EQ(PressOk(dialog), Texts{"Starttemperaturen är lägre enn temperatur efter förvaring"});
    }
}

TEST_F(TankDlgTest, ControlStatesFollowShapeSourceAndChoices)
{
    CTankTempDlg dialog(Defaults());
    auto on = [&](const char* name) { return Child(dialog, name)->isEnabled(); };

    for (int shape = 0; shape < 3; ++shape) {
        Button(dialog, ("shape" + std::to_string(shape)).c_str())->click();
        SCOPED_TRACE("shape " + std::to_string(shape));
        EXPECT_EQ(on("diameter"), shape != 0);
        EXPECT_EQ(on("length"), shape == 1);
        EXPECT_EQ(on("width"), shape == 0);
        EXPECT_EQ(on("height"), shape == 0);
        EXPECT_EQ(on("depth"), shape == 0);
    }

    EXPECT_TRUE(on("liquid"));
    EXPECT_FALSE(on("density"));
    EXPECT_FALSE(on("heatCapacity"));
    EXPECT_FALSE(on("freezingPoint"));
    Button(dialog, "mediumOwn")->click();
    EXPECT_FALSE(on("liquid"));
    EXPECT_TRUE(on("density"));
    EXPECT_TRUE(on("heatCapacity"));
    EXPECT_TRUE(on("freezingPoint"));

    EXPECT_TRUE(on("storageTime"));
    EXPECT_FALSE(on("finalTemp"));
    Button(dialog, "finalGiven")->click();
    EXPECT_FALSE(on("storageTime"));
    EXPECT_TRUE(on("finalTemp"));

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

    // The tank's captions on the shared groups.
    EXPECT_EQ(Button(dialog, "layer1")->text(), QString::fromUtf8("Välj isolerprodukt"));
    EXPECT_EQ(Button(dialog, "fromDatabase")->text(), QStringLiteral("Databas"));
    QStringList titles;
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>())
        titles.push_back(box->title());
    for (const char* title : {"Tanktyp", "Dimensioner", "Isolering", "Omgivning", "Ytbeklädnad", "Medie", "Andra data"})
        EXPECT_TRUE(titles.contains(QString::fromUtf8(title))) << title;
    EXPECT_FALSE(titles.contains(QString::fromUtf8("Utvändig ytbeklädnad (ytskikt)")));
}

TEST_F(TankDlgTest, ChoicesFillTheirFields)
{
    CTankTempDlg dialog(Defaults());
    auto* liquids = dialog.findChild<QComboBox*>("liquid");
    ASSERT_EQ(liquids->count(), 2);
    EXPECT_EQ(liquids->currentIndex(), -1);
    liquids->setCurrentIndex(1);
    emit liquids->activated(1);
    EXPECT_EQ(Edit(dialog, "density")->text(), QStringLiteral("1045"));
    EXPECT_EQ(Edit(dialog, "heatCapacity")->text(), QStringLiteral("3720"));
    EXPECT_EQ(Edit(dialog, "freezingPoint")->text(), QStringLiteral("-16.0"));

    auto* cladding = dialog.findChild<QComboBox*>("cladding");
    cladding->setCurrentIndex(1);
    emit cladding->activated(1);
    EXPECT_EQ(Edit(dialog, "emissivity")->text(), QStringLiteral("0.90"));

    // The glycol's freezing point holds the start temperature, not the
    // rounded field: -16.0 °C.
    dialog.Result().insulation.SetCatalogueProduct(TankProduct(0));
    Type(dialog, "startTemp", "-17");
    EXPECT_EQ(PressOk(dialog), Texts{Range("starttemperaturen", "-16.00", "2000.00")});
    Type(dialog, "startTemp", "-15");
    EXPECT_EQ(PressOk(dialog), Texts{});
    EXPECT_EQ(dialog.Result().liquid, Liquid(1));
    EXPECT_EQ(dialog.Result().mediumSource, 0);
    EXPECT_EQ(dialog.Result().cladding, Cladding(CDataBase::outerCladdings, 1));

    // A dialog opened on a chosen liquid shows its values.
    CTankTempDlg::Values values = Complete();
    values.liquid = Liquid(1);
    values.density = 1.0f;
    CTankTempDlg opened(std::move(values));
    EXPECT_EQ(Edit(opened, "density")->text(), QStringLiteral("1045"));
}

TEST_F(TankDlgTest, OkHandsTheValuesToTheModuleWhichCalculates)
{
    CountingTank module;
    WhenModalShows([](QWidget* d) {
        d->findChild<QLineEdit*>("startTemp")->setText(QStringLiteral("80"));
        static_cast<QDialog*>(d)->reject();
    });
    EXPECT_FALSE(module.Edit());
    EXPECT_FLOAT_EQ(module.startTemperature, 50.0f);
    EXPECT_EQ(module.calculations, 0);

    WhenModalShows([this](QWidget* d) {
        auto* dialog = static_cast<CTankTempDlg*>(d);
        dialog->findChild<QLineEdit*>("startTemp")->setText(QStringLiteral("60"));
        dialog->findChild<QAbstractButton*>("shape2")->click();
        dialog->Result().insulation.SetCatalogueProduct(TankProduct(0));
        dialog->findChild<QComboBox*>("liquid")->setCurrentIndex(0);
        dialog->findChild<QComboBox*>("cladding")->setCurrentIndex(0);
        dialog->accept();
    });
    EXPECT_TRUE(module.Edit());
    EXPECT_EQ(module.calculations, 1);
    EXPECT_FLOAT_EQ(module.startTemperature, 60.0f);
    EXPECT_EQ(module.tankShape, 2);
    EXPECT_EQ(module.insulation.CatalogueProduct(), TankProduct(0));
    EXPECT_EQ(module.insulation.objectKind, CTankTempModul::tankObjectKind);
    EXPECT_EQ(module.Medium(), Liquid(0));
    EXPECT_EQ(module.Cladding(), Cladding(CDataBase::outerCladdings, 0));
    bool registered = false;
    for (const CItem* dependent : Liquid(0)->Dependents())
        registered = registered || dependent == &module;
    EXPECT_TRUE(registered);
}

TEST_F(TankDlgTest, PictureFollowsTheShapeAndTheProduct)
{
    CTankTempDlg::Values values = Complete();
    CTankTempDlg dialog(values);
    EXPECT_EQ(dialog.Picture().resource, "picture-267");
    Button(dialog, "shape1")->click();
    EXPECT_EQ(dialog.Picture().resource, "picture-268");
    Button(dialog, "shape2")->click();
    EXPECT_EQ(dialog.Picture().resource, "picture-269");

    // The product's own picture of a cylinder stands in slot 7.
    settings.SetString("Files", "Pictures", "/bilder/");
    TankProduct(0)->pictures[7] = "tank-cylinder.jpg";
    EXPECT_EQ(TankPicture(values.insulation, 1).file, "/bilder/tank-cylinder.jpg");
    EXPECT_TRUE(TankPicture(values.insulation, 0).file.empty());
    values.insulation.source = CIsolasjon::userSource;
    EXPECT_TRUE(TankPicture(values.insulation, 1).file.empty());

    // The whole dialog as the user sees it, kept for looking at.
    Button(dialog, "shape1")->click();
    Button(dialog, "surroundings1")->click();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QImage image = dialog.grab().toImage();
    EXPECT_GT(image.width(), 600);
    KeepScreenshot(image, QStringLiteral("tank-dialog.png"));
}

TEST_F(TankDlgTest, ClimateLocationsFillAmbientAndWind)
{
    CKlima climate;
    climate.locations.push_back(std::make_unique<CKlimasted>());
    climate.locations[0]->name = "Luleå";
    climate.locations[0]->annualMeanTemperature = 1.6f;
    climate.locations[0]->annualMeanWindSpeed = 3.1f;
    climate.locations[0]->UpdateDisplayText();
    SetClimateLocations(&climate);

    CTankTempDlg::Values values = Defaults();
    values.surroundings = Surroundings::Outdoors;
    CTankTempDlg dialog(std::move(values));
    ASSERT_TRUE(Button(dialog, "climate")->isEnabled());
    WhenModalShows([](QWidget* d) {
        auto* list = d->findChild<QTreeWidget*>("locations");
        list->setCurrentItem(list->topLevelItem(0));
        static_cast<QDialog*>(d)->accept();
    });
    Button(dialog, "climate")->click();
    EXPECT_EQ(Edit(dialog, "ambientTemp")->text(), QStringLiteral("1.6"));
    EXPECT_EQ(Edit(dialog, "windSpeed")->text(), QStringLiteral("3.1"));
    SetClimateLocations(nullptr);
}

TEST_F(TankDlgTest, AUserEntersATankAndSeesBothAnswers)
{
    PageModel::Get().Reset();
    TankParts parts;
    CVekDoc doc(parts);
    doc.NewDocument();
    auto& m = static_cast<CTankTempModul&>(doc.Module(CTankTempModul::pageIndex));
    CPageLists& lists = ResultPages::Of(doc)->Lists();
    const int page = CTankTempModul::pageIndex;

    // A 10 m³ cylinder of water at 60 °C outdoors under 100 mm, for two days.
    WhenModalShows([this](QWidget* d) {
        auto* dialog = static_cast<CTankTempDlg*>(d);
        Button(*dialog, "shape1")->click();
        Type(*dialog, "diameter", "2,2");
        Type(*dialog, "length", "2,63");
        WhenModalShows([](QWidget* layerDialog) {
            auto* products = layerDialog->findChild<QComboBox*>("catalogueProducts");
            products->setCurrentIndex(products->findText(QStringLiteral("Tankmatta")));
            layerDialog->findChild<QComboBox*>("catalogueThickness")->setEditText(QStringLiteral("100"));
            static_cast<QDialog*>(layerDialog)->accept();
        });
        Button(*dialog, "layer1")->click();
        Button(*dialog, "surroundings1")->click();
        Type(*dialog, "ambientTemp", "5");
        Type(*dialog, "windSpeed", "4");
        auto* cladding = dialog->findChild<QComboBox*>("cladding");
        cladding->setCurrentIndex(0);
        emit cladding->activated(0);
        auto* liquids = dialog->findChild<QComboBox*>("liquid");
        liquids->setCurrentIndex(0);
        emit liquids->activated(0);
        Type(*dialog, "startTemp", "60");
        Type(*dialog, "storageTime", "48");
        dialog->accept();
    });
    prompter.Clear();
    ASSERT_TRUE(m.Edit());
    EXPECT_TRUE(prompter.Texts().empty());
    ASSERT_TRUE(m.resultsValid);
    EXPECT_TRUE(lists.Shows(page, &m.resultTable));
    EXPECT_TRUE(lists.Shows(page, &m.temperatureGraph));
    EXPECT_TRUE(lists.Shows(page, &m.inputTable));
    EXPECT_EQ(m.resultTable.Cell(1, 0), "Vätsketemp. efter förvaringstid [°C]");
    const double after48 = std::strtod(m.resultTable.Cell(1, 1).c_str(), nullptr);
    EXPECT_LT(after48, 60.0);
    EXPECT_GT(after48, 55.0);
    EXPECT_EQ(m.resultTable.Cell(5, 1), "9.997 m³");
    EXPECT_FLOAT_EQ(m.temperatureGraph.Curve(0).x.back(), 48.0f);

    // Then the time until it has cooled to 40 °C.
    WhenModalShows([this](QWidget* d) {
        auto* dialog = static_cast<CTankTempDlg*>(d);
        EXPECT_EQ(Edit(*dialog, "diameter")->text(), QStringLiteral("2.20"));
        Button(*dialog, "finalGiven")->click();
        Type(*dialog, "finalTemp", "40");
        dialog->accept();
    });
    ASSERT_TRUE(m.Edit());
    ASSERT_TRUE(m.resultsValid);
    EXPECT_FALSE(lists.Shows(page, &m.temperatureGraph));
    EXPECT_EQ(m.resultTable.Cell(1, 0), "Förvaringstid till given sluttemperatur [h]");
    // Longer than two days: 48 h took it only to the temperature above.
    EXPECT_GT(std::strtod(m.resultTable.Cell(1, 1).c_str(), nullptr), 48.0 * (60 - 40) / (60 - after48));
}
