// The frost protection module's calculation against hand calculations.
//
// The pipes here have a given outer coefficient (no radiation), so the
// steady balance at the insulation's surface closes by hand: the model below
// writes the formulas of the module out in double precision and finds the
// surface temperature by bisection, independently of the program's secant.

#include "ModuleCatalogue.h"
#include "PageDocument.h"
#include "database/CProduktBeskrivelse.h"
#include "doc/CVekDoc.h"
#include "doc/StringTable.h"
#include "modules/CFrostModul.h"
#include "report/PageModel.h"
#include "report/ResultPages.h"

#include <cmath>
#include <cstdlib>
#include <limits>

using namespace module_test;

namespace {

constexpr double pi = 3.1415927;

// λ(T) = c·T + d of the insulation, W/(m·K).
struct Curve {
    double c = 0;
    double d = 0.04;
    double at(double t) const { return c * t + d; }
    double integral(double t1, double t2) const { return c / 2 * (t2 * t2 - t1 * t1) + d * (t2 - t1); }
};

// Standing water in an insulated pipe, as the module describes it.
struct Model {
    double diameter = 0.022; // m, outer
    double wall = 0.0012;    // m
    double thickness = 0.02; // m of insulation
    double wallLambda = 380; // W/(m·K) at 0 °C
    Curve insulation;
    double ho = 8;           // W/m²K, given
    double start = 8;        // °C
    double ambient = -20;    // °C

    double inner() const { return diameter - 2 * wall; }
    double outer() const { return diameter + 2 * thickness; }
    double g() const { return std::log(outer() / diameter) / (2 * pi); }
    double po() const { return pi * outer(); }
    double waterArea() const { return pi * inner() * inner() / 4; }
    double r() const { return (ambient - start) / ambient; }
    // The logarithmic mean of a cooling from the start towards 0 °C.
    double mean() const
    {
        return start > 0.0001 ? ambient + (start - ambient) * (1 - 1 / r()) / std::log(r()) : 0.0;
    }
    // Layer flow minus surface flow at the surface temperature ts, W/m.
    double imbalance(double ts) const
    {
        const double wallShare = (wall / wallLambda) / (thickness / insulation.d + wall / wallLambda);
        const double face = mean() - (mean() - ts) * wallShare;
        return insulation.integral(ts, face) / g() - ho * po() * (ts - ambient);
    }
    // UA', W/(m·K): the balance found by bisection between the mean water
    // temperature and the ambient, where the imbalance changes sign.
    double conductance() const
    {
        double lo = ambient, hi = mean();
        for (int i = 0; i < 200; ++i) {
            const double mid = (lo + hi) / 2;
            if ((imbalance(lo) < 0) == (imbalance(mid) < 0))
                lo = mid;
            else
                hi = mid;
        }
        const double ts = (lo + hi) / 2;
        return ho * po() * (ts - ambient) / (mean() - ambient);
    }
    // The water's time constant, h.
    double tau() const { return 4182.0 * 1000.0 * waterArea() / (conductance() * 3600); }
    double coolingTime() const { return tau() * std::log(r()); }
    // While freezing: the insulation at Ta/2 in series with the surface.
    double frozenU() const { return 1 / (g() / insulation.at(ambient / 2) + 1 / (ho * po())); }
    // All the water to ice, h.
    double fullFreeze() const
    {
        return 334000.0 * 920.0 * waterArea() / (frozenU() * 3600 * std::fabs(ambient));
    }
    double endTemperature(double hours) const { return ambient + (start - ambient) * std::exp(-hours / tau()); }
};

double Number(const std::string& cell)
{
    return std::strtod(cell.c_str(), nullptr);
}

std::string Unit(const std::string& cell)
{
    const std::size_t space = cell.find(' ');
    return space == std::string::npos ? std::string() : cell.substr(space + 1);
}

std::vector<std::string> Captions(const CTabell& table)
{
    std::vector<std::string> captions;
    for (int r = 1; r < table.Rows(); ++r)
        captions.push_back(table.Cell(r, 0));
    return captions;
}

std::vector<std::string> Texts(std::initializer_list<int> ids)
{
    std::vector<std::string> texts;
    for (int id : ids)
        texts.push_back(LoadString(id));
    return texts;
}

std::string Cell(const CTabell& table, const std::string& caption)
{
    for (int r = 1; r < table.Rows(); ++r)
        if (table.Cell(r, 0) == caption)
            return table.Cell(r, 1);
    ADD_FAILURE() << "no row " << caption;
    return {};
}

std::string Cell(const CTabell& table, int captionId)
{
    return Cell(table, LoadString(captionId));
}

// The printed value within half its last digit of the hand value.
void ExpectPrinted(const CTabell& table, int captionId, double expected, double halfDigit, const std::string& unit)
{
    const std::string cell = Cell(table, captionId);
    EXPECT_NEAR(Number(cell), expected, halfDigit + 1e-9) << LoadString(captionId) << ": " << cell;
    EXPECT_EQ(Unit(cell), unit) << LoadString(captionId);
}

// Every cell of the page's tables as one text, to look for what may never show.
std::string AllCells(const CFrostModul& m)
{
    return m.resultTable.ClipboardText() + m.inputTable.ClipboardText();
}

const int frostCaption = 62740;
const int riseCaption = 62741;
const std::string riseWarning = "Varning: Vattentemperaturen blir högre än 24 °C efter 8 timmars stillestånd.";

} // namespace

class FrostCalculation : public ModuleTest {
protected:
    FrostCalculation() { PageModel::Get().Reset(); }

    // The model's pipe in the module: the copper 22 × 1.2 mm dimension, the
    // "Rörskål" product with the model's curve, the coefficient given.
    void Setup(CFrostModul& m, const Model& model)
    {
        CIsoProdukt* product = Product(1);
        product->a = product->b = 0.0f;
        product->c = float(model.insulation.c);
        product->d = float(model.insulation.d);
        Material(1)->conductivityAtZero = float(model.wallLambda);
        m.Pipe().SetMaterial(Material(1), true);
        m.Pipe().SetDimension(*Material(1)->dimensions[1]);
        m.TakePipeValues();
        m.ownPipeDimension = true;
        m.pipeDiameter = float(model.diameter * 1000);
        m.wallThickness = float(model.wall * 1000);
        m.insulation.SetCatalogueProduct(product);
        m.insulation.catalogueThickness = float(model.thickness * 1000);
        m.surroundings = Surroundings::GivenCoefficient;
        m.outerCoefficient = float(model.ho);
        m.startTemperature = float(model.start);
        m.ambientTemperature = float(model.ambient);
    }
};

// Frost mode: the four times and the heating power of a 22 mm copper pipe
// with 20 mm of insulation at −20 °C, each from the formulas.
TEST_F(FrostCalculation, FrostTimesAndHeatingPower)
{
    // Do = 62 mm, G = ln(62/22)/2π = 0.16490, Aw = π·0.0196²/4 = 3.017e-4 m²;
    // r = 28/20, the mean water temperature 3.78 °C. With λ = 0.04 and
    // ho = 8: UA' = 0.2099 W/mK, τ = 1.670 h, tc = τ·ln 1.4 = 0.56 h;
    // Uf = 0.2099, tF = 334000·920·Aw/(Uf·3600·20) = 6.13 h, a quarter of
    // it 1.53 h; Uf·20 = 4.20 W/m. Class 6: 0.8·0.022 + 0.12 = 0.14 W/mK.
    const Model model;
    CFrostModul m;
    Setup(m, model);
    ASSERT_TRUE(m.Calculate());
    EXPECT_TRUE(prompter.Texts().empty());
    const CTabell& t = m.resultTable;
    EXPECT_EQ(t.name, "Frysskydd rör");
    EXPECT_EQ(t.Cell(0, 1), "Resultat");
    EXPECT_EQ(Captions(t), Texts({62742, 62743, 62744, 62745, 62441, 31, 28}));
    ExpectPrinted(t, 62742, model.coolingTime(), 0.05, "h");
    ExpectPrinted(t, 62743, model.fullFreeze() * 0.25, 0.05, "h");
    ExpectPrinted(t, 62744, model.coolingTime() + model.fullFreeze() * 0.25, 0.05, "h");
    ExpectPrinted(t, 62745, model.frozenU() * 20, 0.05, "W/m");
    EXPECT_EQ(Cell(t, 62441), "8.0 W/m²K");
    ExpectPrinted(t, 31, model.conductance(), 0.005, "W/mK");
    EXPECT_EQ(Cell(t, 28), "0.14 W/mK");
    // The hand values of the comment, so the model itself is held too.
    EXPECT_NEAR(model.coolingTime(), 0.562, 0.001);
    EXPECT_NEAR(model.fullFreeze(), 6.13, 0.01);

    // All the water may freeze: the freezing time is the whole 334000·920·Aw
    // over Uf·3600·|Ta|.
    m.freezeFraction = 100.0f;
    ASSERT_TRUE(m.Calculate());
    ExpectPrinted(m.resultTable, 62743, model.fullFreeze(), 0.05, "h");

    // Water at 0 °C has no cooling: 0.0 h, and the total is the freezing alone.
    Model cold = model;
    cold.start = 0;
    m.startTemperature = 0.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(Cell(m.resultTable, 62742), "0.0 h");
    EXPECT_EQ(Cell(m.resultTable, 62744), Cell(m.resultTable, 62743));
    ExpectPrinted(m.resultTable, 62743, cold.fullFreeze(), 0.05, "h");
    // A conductance with the water at 0 °C throughout: Tm = 0.
    ExpectPrinted(m.resultTable, 31, cold.conductance(), 0.005, "W/mK");

    // A conductivity that falls with the temperature: the freezing uses λ at
    // Ta/2 = −15 °C, 7.5 % below λ(0), and the balance the curve between
    // the faces. A 60 mm pipe with 40 mm at −30 °C, all the water.
    Model curved;
    curved.insulation.c = 0.0002;
    curved.diameter = 0.06;
    curved.wall = 0.002;
    curved.thickness = 0.04;
    curved.ambient = -30;
    curved.start = 12;
    CFrostModul warm;
    Setup(warm, curved);
    warm.freezeFraction = 100.0f;
    ASSERT_TRUE(warm.Calculate());
    ExpectPrinted(warm.resultTable, 62743, curved.fullFreeze(), 0.05, "h");
    ExpectPrinted(warm.resultTable, 62742, curved.coolingTime(), 0.05, "h");
    ExpectPrinted(warm.resultTable, 62745, curved.frozenU() * 30, 0.05, "W/m");
    ExpectPrinted(warm.resultTable, 31, curved.conductance(), 0.005, "W/mK");
    // λ(0) would have made the freezing 7.5 % shorter: well apart at this print.
    Model constant = curved;
    constant.insulation.c = 0;
    ASSERT_GT(curved.fullFreeze() - constant.fullFreeze(), 0.5);

    // The input table, row by row.
    EXPECT_EQ(m.inputTable.name, "Frysskydd rör");
    EXPECT_EQ(Captions(m.inputTable), Texts({62748, 62749, 62430, 62521, 62750, 62751, 62395, 62397, 62404}));
    EXPECT_EQ(Cell(m.inputTable, 62748), "22.0 mm");
    EXPECT_EQ(Cell(m.inputTable, 62749), "1.2 mm");
    EXPECT_EQ(Cell(m.inputTable, 62430), "Rörskål");
    EXPECT_EQ(Cell(m.inputTable, 62521), "20.0 mm");
    EXPECT_EQ(Cell(m.inputTable, 62750), "0.0 °C");
    EXPECT_EQ(Cell(m.inputTable, 62751), "100 %");
    EXPECT_EQ(Cell(m.inputTable, 62395), "-20.0 °C");
    EXPECT_EQ(Cell(m.inputTable, 62397), "Givet utvändigt värmeövergangstal");
    EXPECT_EQ(Cell(m.inputTable, 62404), "8.0");
}

// Temperature rise: the water after the standstill, and the warning when it
// passes 24 °C after exactly 8 hours.
TEST_F(FrostCalculation, TemperatureRiseAndTheEightHourWarning)
{
    // 10 °C water in 28 °C air: the same pipe has τ = 1.7 h, so after 8 h
    // the water is nearly 28 °C.
    Model model;
    model.start = 10;
    model.ambient = 28;
    CFrostModul m;
    Setup(m, model);
    m.calculationMode = 1;
    m.standstillTime = 8.0f;
    ASSERT_GT(model.endTemperature(8), 24.0);
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{riseWarning});
    EXPECT_TRUE(m.resultsValid);
    const CTabell& t = m.resultTable;
    EXPECT_EQ(t.name, "Temperaturhöjning");
    const std::string after8 = "Vattentemperatur efter 8 timmars stillestånd";
    EXPECT_EQ(Captions(t), (std::vector<std::string>{after8, LoadString(62441), LoadString(31), LoadString(28)}));
    const std::string cell = Cell(t, after8);
    EXPECT_NEAR(Number(cell), model.endTemperature(8), 0.05) << cell;
    EXPECT_EQ(Unit(cell), "°C");
    ExpectPrinted(t, 31, model.conductance(), 0.005, "W/mK");
    // The input table has no freezing share in this mode.
    EXPECT_EQ(m.inputTable.name, "Temperaturhöjning");
    EXPECT_EQ(Captions(m.inputTable), Texts({62748, 62749, 62430, 62521, 62750, 62395, 62397, 62404}));

    // 7.9 hours never warn, whatever the temperature.
    prompter.Clear();
    m.standstillTime = 7.9f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_TRUE(prompter.Texts().empty());
    const std::string after79 = "Vattentemperatur efter 8 timmars stillestånd";
    EXPECT_NEAR(Number(Cell(m.resultTable, after79)), model.endTemperature(7.9), 0.05);
    m.standstillTime = 24.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_NEAR(Number(Cell(m.resultTable, "Vattentemperatur efter 24 timmars stillestånd")),
                model.endTemperature(24), 0.05);

    // Eight hours that stay below 24 °C: a 33.7 mm steel pipe under 200 mm.
    Model slow;
    slow.diameter = 0.0337;
    slow.wall = 0.0032;
    slow.thickness = 0.2;
    slow.start = 10;
    slow.ambient = 28;
    ASSERT_LT(slow.endTemperature(8), 24.0);
    CFrostModul cool;
    Setup(cool, slow);
    cool.calculationMode = 1;
    prompter.Clear();
    ASSERT_TRUE(cool.Calculate());
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_NEAR(Number(Cell(cool.resultTable, after8)), slow.endTemperature(8), 0.05);
}

// The checks of the dialog, made again by the calculation on what a
// document brings, with the dialog's messages.
TEST_F(FrostCalculation, RefusesWhatTheDialogRefuses)
{
    const auto refusal = [&](CFrostModul& m) {
        prompter.Clear();
        EXPECT_FALSE(m.Calculate());
        EXPECT_FALSE(m.resultsValid);
        const std::vector<std::string> texts = prompter.Texts();
        return texts.size() == 1 ? texts[0] : std::string("(") + std::to_string(texts.size()) + " messages)";
    };
    const std::string frostAmbient = "Omgivningstemperaturen måste vara lägre än 0 °C vid frysberäkningar";
    const std::string riseAmbient =
        "Omgivningstemperaturen måste vara högre än 24 °C vid beräkning av temperaturhöjning";
    const std::string riseStart =
        "Starttemperaturen måste vara lägre än omgivningstemperaturen vid beräkning av temperaturhöjning.";

    CFrostModul m;
    Setup(m, Model{});
    // The ambient temperature's bounds in frost mode: −60 … −0.1 °C.
    for (float ambient : {-0.1f, -60.0f}) {
        m.ambientTemperature = ambient;
        EXPECT_TRUE(m.Calculate()) << ambient;
    }
    m.ambientTemperature = -0.05f;
    EXPECT_EQ(refusal(m), frostAmbient);
    m.ambientTemperature = 0.0f;
    EXPECT_EQ(refusal(m), frostAmbient);
    m.ambientTemperature = -60.1f;
    EXPECT_EQ(refusal(m), "Omgivningstemp. [°C]: Skriv in ett tal mellan -60 och 60.");

    // And in temperature-rise mode: 24.1 … 60 °C.
    m.calculationMode = 1;
    for (float ambient : {24.1f, 60.0f}) {
        m.ambientTemperature = ambient;
        EXPECT_TRUE(m.Calculate()) << ambient;
    }
    m.ambientTemperature = 24.05f;
    EXPECT_EQ(refusal(m), riseAmbient);
    m.ambientTemperature = -20.0f;
    EXPECT_EQ(refusal(m), riseAmbient);
    m.ambientTemperature = 60.5f;
    EXPECT_EQ(refusal(m), "Omgivningstemp. [°C]: Skriv in ett tal mellan -60 och 60.");

    // Water as warm as the air, or warmer, has no logarithmic mean.
    m.ambientTemperature = 28.0f;
    for (float start : {28.0f, 35.0f}) {
        m.startTemperature = start;
        EXPECT_EQ(refusal(m), riseStart) << start;
    }
    m.startTemperature = 27.9f;
    EXPECT_TRUE(m.Calculate());
    // In frost mode a warm start is what the mode is for.
    m.calculationMode = 0;
    m.ambientTemperature = -20.0f;
    m.startTemperature = 60.0f;
    EXPECT_TRUE(m.Calculate());
    m.startTemperature = 8.0f;

    // No insulation, or an inner diameter under 1 mm.
    m.insulation.catalogueThickness = 0.0f;
    EXPECT_EQ(refusal(m), "Värdet för tjockleken måste ligga mellan 10.00 och 1000.00");
    m.insulation.catalogueThickness = 20.0f;
    m.wallThickness = 10.6f;
    EXPECT_EQ(refusal(m), "Godstjocklek/diameter ger innvändig rördiameter under 1 mm.");
    m.wallThickness = 10.5f;
    EXPECT_TRUE(m.Calculate());
    m.wallThickness = 1.2f;

    // No product, no cladding, wind and coefficient out of their ranges.
    m.insulation.SetCatalogueProduct(nullptr);
    EXPECT_EQ(refusal(m), "Du måste välja en isolerprodukt.");
    m.insulation.SetCatalogueProduct(Product(1));
    m.surroundings = Surroundings::Outdoors;
    EXPECT_EQ(refusal(m), "Du måste välja en ytbeklädnad.");
    m.ownEmissivity = true;
    m.emissivity = 1.5f;
    EXPECT_EQ(refusal(m), "Värdet för emissiviteten måste ligga mellan 0.00 och 1.00");
    m.emissivity = 0.9f;
    m.windSpeed = 0.0f;
    EXPECT_EQ(refusal(m), "Värdet för vindhastigheten måste ligga mellan 0.10 och 50.00");
    m.windSpeed = 3.0f;
    EXPECT_TRUE(m.Calculate());
    m.surroundings = Surroundings::GivenCoefficient;
    m.outerCoefficient = 0.05f;
    EXPECT_EQ(refusal(m), "Värdet för det utvändiga värmeövergångstalet måste ligga mellan 0.10 och 10000.00");
    m.outerCoefficient = 8.0f;
    // A start above the product's limit only warns in the dialog.
    Product(1)->maxTemperature = 5.0f;
    EXPECT_TRUE(m.Calculate());
    Product(1)->maxTemperature = 600.0f;

    // Any stored number may be no number at all: every field is refused by
    // name, NaN and the infinities alike, and nothing reaches the page.
    const float notNumbers[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                                -std::numeric_limits<float>::infinity()};
    for (const frostFields::Field* field : frostFields::all) {
        for (float bad : notNumbers) {
            SCOPED_TRACE(std::string(field->name) + " = " + std::to_string(bad));
            CFrostModul broken;
            Setup(broken, Model{});
            broken.*(field->value) = bad;
            EXPECT_EQ(refusal(broken), std::string(field->label) + " Skriv in ett tal.");
        }
    }
    CFrostModul noThickness;
    Setup(noThickness, Model{});
    noThickness.insulation.catalogueThickness = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(refusal(noThickness), "Värdet för tjockleken måste ligga mellan 10.00 och 1000.00");
}

// Values of the catalogue that make no sense give no numbers either; a
// start of −0 prints as 0.
TEST_F(FrostCalculation, NoPageShowsNanInfinityOrNegativeZero)
{
    // A product that conducts nothing: no heat leaves, the time constant is
    // infinite.
    CFrostModul m;
    Setup(m, Model{});
    Product(1)->c = 0.0f;
    Product(1)->d = 0.0f;
    prompter.Clear();
    EXPECT_FALSE(m.Calculate());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Beräkningen gav inget giltigt resultat. Kontrollera "
                                                         "isolerproduktens och rörmaterialets värden i databasen."});
    // A pipe material of no conductivity.
    Setup(m, Model{});
    Material(1)->conductivityAtZero = 0.0f;
    prompter.Clear();
    EXPECT_FALSE(m.Calculate());
    EXPECT_EQ(prompter.Texts().size(), 1u);

    Setup(m, Model{});
    m.startTemperature = -0.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(Cell(m.inputTable, 62750), "0.0 °C");
    for (int mode : {0, 1}) {
        m.calculationMode = mode;
        m.ambientTemperature = mode == 0 ? -0.1f : 24.1f;
        ASSERT_TRUE(m.Calculate());
        const std::string text = AllCells(m);
        for (const char* never : {"nan", "inf", "-0.0", "-0,0", "-0 "})
            EXPECT_EQ(text.find(never), std::string::npos) << never << " in\n" << text;
    }
}

// On the document's page: result table, input table and drawing from
// (20, 65) mm; cleared by a failure; calculated again on reopening.
TEST_F(FrostCalculation, PageFailuresAndReopening)
{
    PageParts<CFrostModul> parts;
    CVekDoc doc(parts);
    doc.NewDocument();
    auto& m = static_cast<CFrostModul&>(doc.Module(CFrostModul::pageIndex));
    CPageLists& lists = ResultPages::Of(doc)->Lists();
    const int page = CFrostModul::pageIndex;
    const auto shown = [&] {
        return lists.Shows(page, &m.resultTable) + lists.Shows(page, &m.inputTable) +
               lists.Shows(page, &m.installationSpace);
    };
    EXPECT_EQ(shown(), 0);

    // Outdoors in the wind under a cladding, as the program is used.
    Setup(m, Model{});
    m.surroundings = Surroundings::Outdoors;
    m.windSpeed = 4.0f;
    m.SetCladding(Cladding(CDataBase::outerCladdings, 1));
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(shown(), 3);
    const PageModel& model = PageModel::Get();
    EXPECT_EQ(m.resultTable.rect.left, model.XUnits(20));
    EXPECT_EQ(m.resultTable.rect.top, model.YUnits(65));
    EXPECT_EQ(m.inputTable.rect.left, model.XUnits(20));
    EXPECT_EQ(m.inputTable.rect.top, model.YUnits(m.resultTable.Bottom() + 10));
    EXPECT_EQ(m.installationSpace.rect.top, model.YUnits(m.inputTable.Bottom() + 10));
    EXPECT_EQ(m.installationSpace.Kind(), CInsulationSpace::pipe);
    EXPECT_EQ(m.installationSpace.Diameter(), 62);
    EXPECT_EQ(Cell(m.inputTable, 62391), "PVC");
    EXPECT_EQ(Cell(m.inputTable, 62393), "0.90");
    EXPECT_EQ(Cell(m.inputTable, 62397), "Ute (påtvingad konvektion)");
    EXPECT_EQ(Cell(m.inputTable, 62401), "4.0 m/s");
    // Wind and radiation make the surface coefficient; the heating power is
    // Uf·|Ta| with that coefficient (printed to a tenth, hence the band).
    const double ho = Number(Cell(m.resultTable, 62441));
    EXPECT_GT(ho, 10.0);
    Model windy;
    windy.ho = ho;
    EXPECT_NEAR(Number(Cell(m.resultTable, 62745)), windy.frozenU() * 20, 0.06);

    // A sheet just high enough for the input table has no room for the
    // drawing: it starts the next sheet at (20 + 202, 65) mm.
    struct Sheet : platform::DefaultPrinter {
        float height = 0;
        std::optional<platform::SheetSize> SheetSizeMm() const override { return platform::SheetSize{202, height}; }
    } lowSheet;
    lowSheet.height = std::ceil(m.inputTable.Bottom() + 11);
    PageModel::Get().SetDefaultPrinter(&lowSheet);
    PageModel::Get().ReadSheetSize();
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.inputTable.rect.left, model.XUnits(20));
    EXPECT_EQ(m.installationSpace.rect.left, model.XUnits(222));
    EXPECT_EQ(m.installationSpace.rect.top, model.YUnits(65));
    PageModel::Get().Reset();

    // Saved with results, reopened: calculated again to the same tables.
    ASSERT_TRUE(m.Calculate());
    const std::string resultText = m.resultTable.ClipboardText();
    const std::string inputText = m.inputTable.ClipboardText();
    const auto bytes = doc.Store();
    doc.NewDocument();
    EXPECT_EQ(shown(), 0);
    doc.Load(bytes);
    auto& reopened = static_cast<CFrostModul&>(doc.Module(page));
    EXPECT_TRUE(reopened.resultsValid);
    EXPECT_EQ(reopened.resultTable.ClipboardText(), resultText);
    EXPECT_EQ(reopened.inputTable.ClipboardText(), inputText);

    // A refused input leaves only the header and the footer.
    reopened.ambientTemperature = 5.0f;
    EXPECT_FALSE(reopened.Calculate());
    EXPECT_EQ(lists.Items(page).size(), 2u);
    const auto failed = doc.Store();
    doc.Load(failed);
    EXPECT_FALSE(static_cast<CFrostModul&>(doc.Module(page)).resultsValid);
    EXPECT_EQ(lists.Items(page).size(), 2u);
}

TEST_F(FrostCalculation, ProductPictureFollowsTheOrientation)
{
    CFrostModul m;
    const ProductPicture horizontal = m.GetProductPicture();
    m.vertical = 1;
    const ProductPicture vertical = m.GetProductPicture();
    EXPECT_TRUE(horizontal.file.empty());
    EXPECT_NE(horizontal.builtin, vertical.builtin);
    settings.SetString("Files", "Pictures", "/bilder/");
    Product(1)->pictures[CIsoProdukt::verticalSlotOffset] = "ror-v.jpg";
    m.insulation.SetCatalogueProduct(Product(1));
    EXPECT_EQ(m.GetProductPicture().file, "/bilder/ror-v.jpg");
    m.vertical = 0;
    EXPECT_TRUE(m.GetProductPicture().file.empty());
}
