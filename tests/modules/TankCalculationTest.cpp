// The tank temperature module against hand calculations.
//
// Most cases have a product with a constant λ and a given outer coefficient
// (no radiation). The shell then conducts S·λ/A per m² of envelope and the
// surface ho in series, so the overall coefficient is a constant
//   U = 1/(A/(S·λ) + 1/ho)          (thick insulation, the full form)
//   U = 1/(s/λ + 1/ho)              (thin insulation, storage time given)
// and the liquid follows T(t) = Ta + (T0 − Ta)·exp(−t/τ) with
// τ = cp·ρ·V/(3600·A·U) hours. The formulas are written out below in double
// precision, apart from the program's iterations.

#include "ModuleCatalogue.h"
#include "PageDocument.h"
#include "database/CProduktBeskrivelse.h"
#include "doc/CVekDoc.h"
#include "modules/CTankTempModul.h"
#include "report/PageModel.h"
#include "report/ResultPages.h"

#include <cmath>
#include <cstdlib>
#include <limits>

using namespace module_test;

namespace {

constexpr double pi = 3.14159265358979;
constexpr double lambda = 0.04; // W/mK, constant
constexpr double ho = 8.0;      // W/m²K, given
// Water of the test catalogue.
constexpr double cp = 4180.0;
constexpr double rho = 999.0;

const std::string freezingNotice = "Mediets fryspunkt uppnås innan förvaringstiden har löpt ut!";

double Number(const std::string& cell)
{
    return std::strtod(cell.c_str(), nullptr);
}

// The value of the row with the caption.
std::string Cell(const CTabell& table, const std::string& caption)
{
    for (int r = 1; r < table.Rows(); ++r)
        if (table.Cell(r, 0) == caption)
            return table.Cell(r, 1);
    ADD_FAILURE() << "no row " << caption;
    return {};
}

bool HasRow(const CTabell& table, const std::string& caption)
{
    for (int r = 1; r < table.Rows(); ++r)
        if (table.Cell(r, 0) == caption)
            return true;
    return false;
}

void ExpectNear(const CTabell& table, const std::string& caption, double expected, double tolerance,
                const std::string& unit)
{
    const std::string cell = Cell(table, caption);
    EXPECT_NEAR(Number(cell), expected, tolerance) << caption << ": " << cell;
    const std::size_t space = cell.find(' ');
    EXPECT_EQ(space == std::string::npos ? std::string() : cell.substr(space + 1), unit) << caption;
}

// No page text may hold a value that is no number or a negative zero.
void ExpectClean(const std::string& text)
{
    for (const char* bad : {"nan", "inf", "-0,0", "-0.0", "-0\t", "-0\n"})
        EXPECT_EQ(text.find(bad), std::string::npos) << bad << " in\n" << text;
}

// A box as the program lays it out: inside H × W × P, s thick.
struct BoxModel {
    double h, w, p, s;
    double Area() const { return 2 * ((h + 2 * s) * (w + 2 * s) + (h + 2 * s) * (p + 2 * s) + (w + 2 * s) * (p + 2 * s)); }
    double Volume() const { return h * w * p; }
    double Shape() const { return 2 * (w * h + w * p + h * p) / s + 2.16 * (h + w + p) + 1.2 * s; }
    // The full form's constant U and the time constant, h.
    double U() const { return 1 / (Area() / (Shape() * lambda) + 1 / ho); }
    double Tau(double u) const { return cp * rho * Volume() / (3600 * Area() * u); }
};

double Decay(double t0, double ta, double tau, double t)
{
    return ta + (t0 - ta) * std::exp(-t / tau);
}

} // namespace

class TankCalculation : public ModuleTest {
protected:
    TankCalculation()
    {
        PageModel::Get().Reset();
        // Product 0 conducts a constant 0.04 W/mK; product 1 keeps the
        // catalogue's temperature-dependent default curve.
        CIsoProdukt* p = Product(0);
        p->a = p->b = p->c = 0.0f;
        p->d = float(lambda);
        for (CIsoProdukt* product : {Product(0), Product(1)}) {
            product->minThickness = 5.0f;
            product->maxThickness = 300.0f;
        }
    }

    // A 2 × 3 × 4 m box (height, width, depth) of water, 100 mm of the
    // constant product, the coefficient given: 60 °C in 10 °C for 500 h.
    void Setup(CTankTempModul& m)
    {
        m.SetDefaults();
        m.tankShape = 0;
        m.tankHeight = 2.0f;
        m.tankWidth = 3.0f;
        m.tankDepth = 4.0f;
        m.insulation.SetCatalogueProduct(Product(0));
        m.insulation.catalogueThickness = 100.0f;
        m.surroundings = Surroundings::GivenCoefficient;
        m.outerCoefficient = float(ho);
        m.SetMedium(Liquid(0));
        m.startTemperature = 60.0f;
        m.ambientTemperature = 10.0f;
        m.storageTime = 500.0f;
    }

    // Calculates, expecting success and no message but the notices given.
    void Calculated(CTankTempModul& m, std::vector<std::string> notices = {})
    {
        prompter.Clear();
        ASSERT_TRUE(m.Calculate());
        EXPECT_TRUE(m.resultsValid);
        EXPECT_EQ(prompter.Texts(), notices);
        ExpectClean(m.resultTable.ClipboardText());
        ExpectClean(m.inputTable.ClipboardText());
        ExpectClean(m.temperatureGraph.ClipboardText());
    }

    // Calculates, expecting a refusal with exactly this message.
    void Refused(CTankTempModul& m, const std::string& message)
    {
        prompter.Clear();
        m.resultsValid = true;
        EXPECT_FALSE(m.Calculate());
        EXPECT_FALSE(m.resultsValid);
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{message});
    }
};

TEST_F(TankCalculation, ShapeFactorsAreasAndVolumes)
{
    // The box of 2 × 3 × 4 m with 100 mm: 2·26/0.1 + 2.16·9 + 0.12.
    const tank::Geometry box = tank::TankGeometry(tank::box, {0, 0, 3.0f, 2.0f, 4.0f}, 0.1f);
    EXPECT_NEAR(box.shapeFactor, 539.56, 0.005);
    EXPECT_NEAR(box.area, 2 * (2.2 * 3.2 + 2.2 * 4.2 + 3.2 * 4.2), 1e-4);
    EXPECT_NEAR(box.volume, 24.0, 1e-5);
    EXPECT_NEAR(box.convectionHeight, 2.2, 1e-6);

    // A sphere is two concentric shells: S = 4π·r1·r2/(r2 − r1).
    for (const auto& [d, s] : {std::pair{2.0, 0.1}, std::pair{0.5, 0.2}, std::pair{10.0, 0.05}}) {
        const tank::Geometry sphere = tank::TankGeometry(tank::sphere, {float(d), 0, 0, 0, 0}, float(s));
        const double r1 = d / 2, r2 = d / 2 + s;
        EXPECT_NEAR(sphere.shapeFactor, 4 * pi * r1 * r2 / (r2 - r1), 1e-4 * sphere.shapeFactor) << d;
        EXPECT_NEAR(sphere.area, 4 * pi * r2 * r2, 1e-4) << d;
        EXPECT_NEAR(sphere.volume, 4.0 / 3 * pi * r1 * r1 * r1, 1e-4) << d;
        EXPECT_NEAR(sphere.convectionHeight, d + 2 * s, 1e-6) << d;
    }

    // A cylinder 2 m across and 3 m long: ends as flat disks, the mantle as a
    // cylindrical shell, and the edges.
    const tank::Geometry cylinder = tank::TankGeometry(tank::cylinder, {2.0f, 3.0f, 0, 0, 0}, 0.1f);
    EXPECT_NEAR(cylinder.shapeFactor, 2 * pi * (4 / 0.4 + 3 / std::log(2.2 / 2) + 0.54 * 2), 0.01);
    EXPECT_NEAR(cylinder.area, 2 * pi * 2.2 * 2.2 / 4 + pi * 2.2 * 3.2, 1e-4);
    EXPECT_NEAR(cylinder.volume, pi * 4 * 3 / 4, 1e-5);
    EXPECT_NEAR(cylinder.convectionHeight, 3.2, 1e-6);
}

TEST_F(TankCalculation, ConstantUFollowsTheExponentialDecay)
{
    CTankTempModul m;
    Setup(m);
    Calculated(m);
    const BoxModel box{2, 3, 4, 0.1};
    const double u = box.U();
    const double tau = box.Tau(u);
    EXPECT_FALSE(tank::Calculate(m.CalculationProblem()).thin);

    // Every point of the curve, at k/9 of the storage time.
    ASSERT_EQ(m.temperatureGraph.CurveCount(), 1);
    const CKurve& curve = m.temperatureGraph.Curve(0);
    ASSERT_EQ(curve.PointCount(), 10);
    for (int k = 0; k < 10; ++k) {
        const double t = 500.0 * k / 9;
        EXPECT_NEAR(curve.x[std::size_t(k)], t, 1e-3) << k;
        EXPECT_NEAR(curve.y[std::size_t(k)], Decay(60, 10, tau, t), 0.1) << k;
    }
    EXPECT_EQ(curve.y[0], 60.0f);

    const CTabell& t = m.resultTable;
    const double end = Decay(60, 10, tau, 500);
    ExpectNear(t, "Vätsketemp. efter förvaringstid [°C]", end, 0.06, "°C");
    // The last surface temperature stands at the mean liquid temperature.
    const double mean = 10 + 50 * tau / 500 * (1 - std::exp(-500 / tau));
    ExpectNear(t, "Yttemperatur efter förvaringstid [°C]", 10 + u * (mean - 10) / ho, 0.06, "°C");
    EXPECT_EQ(Cell(t, "Utvändigt värmeövergångstal"), "8.0 W/m²K");
    ExpectNear(t, "Tankens omslutningsarea", box.Area(), 0.0051, "m²");
    EXPECT_EQ(Cell(t, "Tankens volym"), "24.000 m³");
    ExpectNear(t, "Energiändring under förvaringstiden [kWh]", cp * rho * 24 * (60 - end) / 3.6e6, 0.002 * 431, "kWh");
    ExpectNear(t, "Värmeförlust i startögonblicket", u * box.Area() * 50, 1.0, "W");
    ExpectNear(t, "U-värde (beräknad)", u, 0.0051, "W/m²K");
    EXPECT_EQ(Cell(t, "U-värde enligt class 6 i EN 12828"), "0.22 W/m²K");
    EXPECT_FALSE(HasRow(t, "Mediets fryspunkt uppnås efter"));
    EXPECT_EQ(t.Cell(0, 0), "Temperatur i tank");
    EXPECT_EQ(t.Cell(0, 1), "Resultat");

    // The axes: 500 h is below 640, in steps of 50 to 562.5; 44.5 … 60 °C
    // spread less than 20 K, in steps of 2 from 42 to 62.
    const GraphRange& range = m.temperatureGraph.Range();
    EXPECT_FLOAT_EQ(range.xmin, 0.0f);
    EXPECT_FLOAT_EQ(range.xmax, 562.5f);
    EXPECT_FLOAT_EQ(range.ymin, 42.0f);
    EXPECT_FLOAT_EQ(range.ymax, 62.0f);
    const GraphTicks& x = m.temperatureGraph.XTicks();
    ASSERT_EQ(x.values.size(), 11u);
    EXPECT_EQ(x.labels[1], "50");
    EXPECT_EQ(x.labels[10], "500");
    EXPECT_EQ(m.temperatureGraph.YTicks().labels[1], "44");
    EXPECT_EQ(m.temperatureGraph.name, "Temperatur i tank");
    EXPECT_EQ(curve.name, "Medietemperatur under förvaringstiden");
    EXPECT_EQ(curve.colour, platform::Colour(0xFF0000));
}

TEST_F(TankCalculation, ThinInsulationBelowAQuarterSquareMetreKelvinPerWatt)
{
    // s/λ = 0.008/0.04 = 0.2 m²K/W: the thin form, with the flat-wall U.
    CTankTempModul m;
    Setup(m);
    m.tankHeight = m.tankWidth = m.tankDepth = 5.0f;
    m.insulation.catalogueThickness = 8.0f;
    EXPECT_TRUE(tank::Calculate(m.CalculationProblem()).thin);
    Calculated(m);
    const BoxModel box{5, 5, 5, 0.008};
    const double u = 1 / (0.008 / lambda + 1 / ho);
    const double tau = box.Tau(u);
    const double end = Decay(60, 10, tau, 500);
    const double w = lambda / 0.008;
    const CTabell& t = m.resultTable;
    ExpectNear(t, "Vätsketemp. efter förvaringstid [°C]", end, 0.06, "°C");
    ExpectNear(t, "Yttemperatur efter förvaringstid [°C]", (w * end + ho * 10) / (w + ho), 0.06, "°C");
    ExpectNear(t, "Energiändring under förvaringstiden [kWh]", cp * rho * 125 * (60 - end) / 3.6e6, 1.0, "kWh");
    EXPECT_NEAR(m.temperatureGraph.Curve(0).y[5], Decay(60, 10, tau, 500.0 * 5 / 9), 0.05);

    // The final temperature given: the time in closed form, with the
    // shell's shape factor in U.
    m.givenFinalTemperature = true;
    m.finalTemperature = 30.0f;
    Calculated(m);
    const double uFinal = 1 / (box.Area() / (lambda * box.Shape()) + 1 / ho);
    const double time = std::log(50.0 / 20.0) * cp * rho * 125 / (box.Area() * uFinal) / 3600;
    ExpectNear(m.resultTable, "Förvaringstid till given sluttemperatur [h]", time, 0.06, "h");
    ExpectNear(m.resultTable, "Yttemperatur efter förvaringstid [°C]", (w * 30 + ho * 10) / (w + ho), 0.06, "°C");
    ExpectNear(m.resultTable, "Energiändring under förvaringstiden [kWh]", cp * rho * 125 * 30 / 3.6e6, 0.5, "kWh");

    // 12 mm is 0.3 m²K/W: the full form, whose U has the shape factor.
    m.givenFinalTemperature = false;
    m.insulation.catalogueThickness = 12.0f;
    EXPECT_FALSE(tank::Calculate(m.CalculationProblem()).thin);
    Calculated(m);
    const BoxModel thick{5, 5, 5, 0.012};
    ExpectNear(m.resultTable, "Vätsketemp. efter förvaringstid [°C]", Decay(60, 10, thick.Tau(thick.U()), 500), 0.06,
               "°C");
}

TEST_F(TankCalculation, HeatingShowsTheEnergyPositiveInTheFullFormAndNegativeInTheThin)
{
    CTankTempModul m;
    Setup(m);
    m.startTemperature = 5.0f;
    m.ambientTemperature = 20.0f;
    Calculated(m);
    const BoxModel box{2, 3, 4, 0.1};
    const double full = Decay(5, 20, box.Tau(box.U()), 500);
    ExpectNear(m.resultTable, "Vätsketemp. efter förvaringstid [°C]", full, 0.06, "°C");
    ExpectNear(m.resultTable, "Energiändring under förvaringstiden [kWh]", cp * rho * 24 * (full - 5) / 3.6e6, 0.2,
               "kWh");
    // The start's heat flows into the tank: negative, over a negative difference.
    ExpectNear(m.resultTable, "Värmeförlust i startögonblicket", -box.U() * box.Area() * 15, 1.0, "W");
    ExpectNear(m.resultTable, "U-värde (beräknad)", box.U(), 0.0051, "W/m²K");

    m.insulation.catalogueThickness = 8.0f;
    Calculated(m);
    const BoxModel thin{2, 3, 4, 0.008};
    const double end = Decay(5, 20, thin.Tau(1 / (0.008 / lambda + 1 / ho)), 500);
    ExpectNear(m.resultTable, "Energiändring under förvaringstiden [kWh]", cp * rho * 24 * (5 - end) / 3.6e6, 0.2,
               "kWh");
    EXPECT_EQ(Cell(m.resultTable, "Energiändring under förvaringstiden [kWh]").front(), '-');
}

TEST_F(TankCalculation, FreezingPointReachedOnceEndsTheCurve)
{
    CTankTempModul m;
    Setup(m);
    m.startTemperature = 5.0f;
    m.ambientTemperature = -10.0f;
    m.storageTime = 2000.0f;
    Calculated(m, {freezingNotice});
    const BoxModel box{2, 3, 4, 0.1};
    const double tau = box.Tau(box.U());
    // Water at 0 °C: τ·ln(15/10) hours.
    const double frozen = tau * std::log(15.0 / 10.0);
    ASSERT_LT(frozen, 2000.0);
    const CTabell& t = m.resultTable;
    EXPECT_EQ(Cell(t, "Vätsketemp. efter förvaringstid [°C]"), "0.0 °C");
    ExpectNear(t, "Mediets fryspunkt uppnås efter", frozen, 0.6, "h");
    EXPECT_EQ(t.Cell(t.Rows() - 1, 0), "Mediets fryspunkt uppnås efter");
    ExpectNear(t, "Energiändring under förvaringstiden [kWh]", cp * rho * 24 * 5 / 3.6e6, 0.05, "kWh");
    const CKurve& curve = m.temperatureGraph.Curve(0);
    ASSERT_EQ(curve.PointCount(), 10);
    EXPECT_NEAR(curve.x.back(), frozen, 0.6);
    EXPECT_NEAR(curve.y.back(), 0.0, 0.05);
    EXPECT_NEAR(m.temperatureGraph.Range().xmax, frozen * 9 / 8, 0.7);

    // Not reached: no notice and no row.
    m.storageTime = 400.0f;
    Calculated(m);
    EXPECT_FALSE(HasRow(m.resultTable, "Mediets fryspunkt uppnås efter"));
    EXPECT_FLOAT_EQ(m.temperatureGraph.Curve(0).x.back(), 400.0f);

    // A start at the freezing point freezes at once: 0.0 h, never "-0.0",
    // and the curve still has an axis of hours to read, 0 to 9 h.
    m.startTemperature = 0.0f;
    Calculated(m, {freezingNotice});
    EXPECT_EQ(Cell(m.resultTable, "Mediets fryspunkt uppnås efter"), "0.0 h");
    EXPECT_EQ(Cell(m.resultTable, "Vätsketemp. efter förvaringstid [°C]"), "0.0 °C");
    const GraphRange& range = m.temperatureGraph.Range();
    EXPECT_GT(range.xmax, range.xmin);
    EXPECT_GT(range.ymax, range.ymin);
    const GraphTicks& x = m.temperatureGraph.XTicks();
    ASSERT_FALSE(x.values.empty());
    EXPECT_FLOAT_EQ(range.xmax, 9.0f);
    EXPECT_EQ(x.labels.back(), "8");
    for (float y : m.temperatureGraph.Curve(0).y)
        EXPECT_EQ(y, 0.0f);
}

TEST_F(TankCalculation, StorageTimeAndFinalTemperatureAgree)
{
    // The catalogue's default curve and free convection with radiation: U
    // changes with the temperatures, the two forms iterate over different
    // times, and still meet within the final form's step of 1 %.
    CTankTempModul m;
    Setup(m);
    m.insulation.SetCatalogueProduct(Product(1));
    m.surroundings = Surroundings::Indoors;
    m.SetCladding(Cladding(CDataBase::outerCladdings, 1));
    m.givenFinalTemperature = true;
    for (float final : {50.0f, 30.0f, 12.0f}) {
        m.finalTemperature = final;
        m.givenFinalTemperature = true;
        const tank::Result toFinal = tank::Calculate(m.CalculationProblem());
        m.givenFinalTemperature = false;
        m.storageTime = toFinal.time;
        const tank::Result stored = tank::Calculate(m.CalculationProblem());
        // The time the storage form's own τ takes to the final temperature.
        const double time = stored.timeConstant * std::log(50.0 / (final - 10.0));
        EXPECT_NEAR(toFinal.time, time, 0.015 * time) << final;
        EXPECT_LE(stored.endTemp, final + 0.1) << final;
        m.storageTime = toFinal.time * 0.98f;
        EXPECT_GT(tank::Calculate(m.CalculationProblem()).endTemp, final - 0.1) << final;
    }
}

TEST_F(TankCalculation, HeatingOverAYearStaysPositiveAndSettlesAtTheAmbient)
{
    // A 5 m cube, 20 mm of the shipped lamella mat's curve, water at 5 °C in
    // 20 °C air for 8760 h. The first surface temperature lies below the
    // year's mean liquid temperature, so the first flux has the wrong sign.
    CIsoProdukt* mat = Product(1);
    mat->a = -1.87524e-10f;
    mat->b = 4.03202e-07f;
    mat->c = 0.000103139f;
    mat->d = 0.0379013f;
    CTankTempModul m;
    Setup(m);
    m.tankHeight = m.tankWidth = m.tankDepth = 5.0f;
    m.insulation.SetCatalogueProduct(mat);
    m.insulation.catalogueThickness = 20.0f;
    m.surroundings = Surroundings::Indoors;
    m.SetCladding(Cladding(CDataBase::outerCladdings, 1));
    m.startTemperature = 5.0f;
    m.ambientTemperature = 20.0f;
    m.storageTime = 8760.0f;

    const double r = 0.0379013 / 0.02;
    const double firstSurface = (r * 5 + 10 * 20) / (r + 10);
    const BoxModel box{5, 5, 5, 0.02};
    const double firstTau = cp * rho * 125 / (3600 * box.Area() / (0.02 / 0.0379013 + 0.1));
    EXPECT_GT(20 - 15 * firstTau / 8760, firstSurface) << "the case no longer starts on the wrong side";

    Calculated(m);
    const tank::Result r8760 = tank::Calculate(m.CalculationProblem());
    ASSERT_TRUE(tank::IsFinite(r8760));
    // U between nothing and the shell's own conductance.
    const double u = cp * rho * 125 / (3600 * box.Area() * r8760.timeConstant);
    EXPECT_GT(u, 0.0);
    EXPECT_LT(u, box.Shape() / box.Area() * 0.0379013 * 1.1);
    EXPECT_EQ(Cell(m.resultTable, "Vätsketemp. efter förvaringstid [°C]"), "20.0 °C");
    ExpectNear(m.resultTable, "Energiändring under förvaringstiden [kWh]", cp * rho * 125 * 15 / 3.6e6, 1.0, "kWh");
    const CKurve& curve = m.temperatureGraph.Curve(0);
    EXPECT_EQ(curve.y.front(), 5.0f);
    for (int k = 1; k < curve.PointCount(); ++k)
        EXPECT_GE(curve.y[std::size_t(k)], curve.y[std::size_t(k - 1)]) << k;
    EXPECT_NEAR(curve.y.back(), 20.0, 0.05);
}

TEST_F(TankCalculation, FluxFloorNeverRunsTheCoefficientAway)
{
    // A 0.1 m box under 100 mm over a year: the liquid is at the ambient
    // within days, the flux goes below 0.1 W/m² and is held there.
    CTankTempModul m;
    Setup(m);
    m.tankHeight = m.tankWidth = m.tankDepth = 0.1f;
    m.insulation.SetCatalogueProduct(Product(1));
    m.surroundings = Surroundings::Indoors;
    m.SetCladding(Cladding(CDataBase::outerCladdings, 1));
    m.startTemperature = 50.0f;
    m.storageTime = 8760.0f;
    Calculated(m);
    const tank::Result r = tank::Calculate(m.CalculationProblem());
    EXPECT_TRUE(std::isfinite(r.timeConstant));
    EXPECT_GT(r.timeConstant, 0.0f);
    // Never faster than the shell alone, at the conductivity of 50 °C.
    const BoxModel box{0.1, 0.1, 0.1, 0.1};
    const CIsoProdukt* p = Product(1);
    const double shell = box.Shape() / box.Area() * (p->a * 125000 + p->b * 2500 + p->c * 50 + p->d);
    EXPECT_GE(r.timeConstant, box.Tau(shell) * 0.999);
    const CKurve& curve = m.temperatureGraph.Curve(0);
    EXPECT_EQ(curve.y.front(), 50.0f);
    EXPECT_EQ(Cell(m.resultTable, "Vätsketemp. efter förvaringstid [°C]"), "10.0 °C");
    for (std::size_t k = 1; k < curve.y.size(); ++k)
        EXPECT_NEAR(curve.y[k], 10.0, 0.05);

    // The same to a final temperature 0.1 K above the ambient: a time, not a
    // run-away stepping.
    m.givenFinalTemperature = true;
    m.finalTemperature = 10.1f;
    Calculated(m);
    const double hours = Number(Cell(m.resultTable, "Förvaringstid till given sluttemperatur [h]"));
    EXPECT_GT(hours, 0.0);
    EXPECT_LT(hours, 24 * 14.0);
}

TEST_F(TankCalculation, StoredValuesAreCheckedAsTheDialogChecks)
{
    CTankTempModul m;
    Setup(m);
    Calculated(m);
    const std::string notANumber = "Skriv in ett tal.";

    // Each field that is no number, or endless, is refused by its label.
    for (const tankFields::Field* field : tankFields::all) {
        for (float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
            Setup(m);
            const float kept = m.*(field->value);
            m.*(field->value) = bad;
            Refused(m, std::string(field->label) + " " + notANumber);
            m.*(field->value) = kept;
        }
    }
    Setup(m);
    m.ambientTemperature = 600.0f;
    Refused(m, "Omgivningstemp. [°C]: Skriv in ett tal mellan -60 och 500.");
    Setup(m);
    m.storageTime = 0.0f;
    Refused(m, "Förvaringstid [h]: Skriv in ett tal mellan 1 och 8760.");

    // The named checks, with the dialog's words.
    Setup(m);
    m.tankDepth = 1e30f;
    Refused(m, "Värdet för djubet måste ligga mellan 0.10 och 100.00");
    Setup(m);
    m.mediumSource = 1;
    m.density = 0.0f;
    Refused(m, "Värdet för densiteten måste ligga mellan 1.00 och 2500.00");
    Setup(m);
    m.SetMedium(nullptr);
    Refused(m, "Du måste välja ett medie i rullgardinen med vätskor.");
    Setup(m);
    Liquid(0)->freezingPoint = std::numeric_limits<float>::quiet_NaN();
    Refused(m, "Du måste välja ett medie i rullgardinen med vätskor.");
    Liquid(0)->freezingPoint = 0.0f;
    Setup(m);
    m.insulation.SetCatalogueProduct(nullptr);
    Refused(m, "Du måste välja en isolerprodukt.");
    Setup(m);
    m.surroundings = Surroundings::Indoors;
    Refused(m, "Du måste välja en ytbeklädnad.");
    Setup(m);
    m.startTemperature = -1.0f;
    m.ambientTemperature = -5.0f;
    Refused(m, "Värdet för starttemperaturen måste ligga mellan 0.00 och 2000.00");
}

TEST_F(TankCalculation, InputsWithoutAnAnswerAreRefused)
{
    CTankTempModul m;
    const std::string between =
        "Temperaturen efter förvaring måste ligga mellan omgivningstemperaturen och starttemperaturen.";
    // A final temperature at or below the ambient is never reached.
    for (float final : {10.0f, 9.0f}) {
        Setup(m);
        m.givenFinalTemperature = true;
        m.finalTemperature = final;
        Refused(m, between);
    }
    Setup(m);
    m.givenFinalTemperature = true;
    m.finalTemperature = 60.0f;
    Refused(m, "Starttemperaturen är lägre enn temperatur efter förvaring");

    // Start and ambient within 0.1 K.
    Setup(m);
    m.ambientTemperature = 59.95f;
    Refused(m, "Beräkningen utförs bara när det minst är 0.1°C skillnad på medietemperatur och omgivningstemperatur.");

    // A given outer coefficient of 0 leaves no heat exchange at all.
    Setup(m);
    m.outerCoefficient = 0.0f;
    Refused(m, "Värdet för det utvändiga värmeövergångstalet måste ligga mellan 0.10 och 10000.00");

    // No insulation: a user's product may allow 0 mm, the tank may not.
    Setup(m);
    UserProduct(0)->minThickness = 0.0f;
    UserProduct(0)->maxThickness = 200.0f;
    m.insulation.source = CIsolasjon::userSource;
    m.insulation.SetUserProduct(UserProduct(0));
    m.insulation.userThickness = 0.0f;
    Refused(m, "Värdet för tjockleken måste ligga mellan 0.10 och 200.00");

    // A curve that conducts less than nothing gives no result worth a page.
    Setup(m);
    Product(0)->d = -0.01f;
    Refused(m, "Beräkningen ger inget giltigt resultat med dessa indata. Kontrollera isolerprodukten och mediets data.");
}

TEST_F(TankCalculation, InputTableForEachShapeAndSource)
{
    CTankTempModul m;
    Setup(m);
    m.surroundings = Surroundings::Outdoors;
    m.windSpeed = 4.0f;
    m.ownEmissivity = true;
    m.emissivity = 0.35f;
    Calculated(m);
    std::vector<std::pair<std::string, std::string>> rows;
    for (int r = 0; r < m.inputTable.Rows(); ++r)
        rows.emplace_back(m.inputTable.Cell(r, 0), m.inputTable.Cell(r, 1));
    const std::vector<std::pair<std::string, std::string>> box = {
        {"Temperatur i tank", "Indata"},
        {"Utformning tank", "Rektangulär (kub)"},
        {"Höjd", "2.00 m"},
        {"Bredd", "3.00 m"},
        {"Djup", "4.00 m"},
        {"Isolerprodukt (NORLAM)", "Lamell"},
        {"Isolertjocklek", "100.0 mm"},
        {"Utvändig ytbeklädnad (ytskikt)", "Egendefinierat"},
        {"Emissivitet", "0.35"},
        {"Medie", "Vatten"},
        {"Densitet medie", "999 kg/m³"},
        {"Specifik värmekapacitet medie", "4180 J/kgK"},
        {"Fryspunkt medie", "0.0 °C"},
        {"Medietemperatur i startögonblicket", "60.0 °C"},
        {"Förvaringstid", "500.0 h"},
        {"Omgivningstemperatur", "10.0 °C"},
        {"Omgivning", "Ute (påtvingad konvektion)"},
        {"Vindhastighet", "4.0 m/s"},
    };
    EXPECT_EQ(rows, box);

    // A cylinder of glycol given by hand under a user's product, to a final
    // temperature, with the coefficient given.
    UserProduct(1)->a = UserProduct(1)->b = UserProduct(1)->c = 0.0f;
    UserProduct(1)->d = 0.04f;
    m.tankShape = 1;
    m.tankDiameter = 2.5f;
    m.tankLength = 7.5f;
    m.insulation.source = CIsolasjon::userSource;
    m.insulation.SetUserProduct(UserProduct(1));
    m.insulation.userThickness = 65.0f;
    m.mediumSource = 1;
    m.density = 1080.0f;
    m.heatCapacity = 3500.0f;
    m.freezingPoint = -15.0f;
    m.givenFinalTemperature = true;
    m.finalTemperature = 12.0f;
    m.surroundings = Surroundings::GivenCoefficient;
    m.outerCoefficient = 9.0f;
    Calculated(m);
    rows.clear();
    for (int r = 1; r < m.inputTable.Rows(); ++r)
        rows.emplace_back(m.inputTable.Cell(r, 0), m.inputTable.Cell(r, 1));
    std::vector<std::pair<std::string, std::string>> cylinder = {
        {"Utformning tank", "Cylindrisk"}, {"Diameter", "2.50 m"}, {"Längd (höjd)", "7.50 m"},
        {"Isolerprodukt (Egendef.)", "Egen B"}};
    for (auto& row : m.insulation.ConductivityRows())
        cylinder.push_back(row);
    const std::vector<std::pair<std::string, std::string>> rest = {
        {"Isolertjocklek", "65.0 mm"},
        {"Medie", "Egendefinierat medie"},
        {"Densitet medie", "1080 kg/m³"},
        {"Specifik värmekapacitet medie", "3500 J/kgK"},
        {"Fryspunkt medie", "-15.0 °C"},
        {"Medietemperatur i startögonblicket", "60.0 °C"},
        {"Given sluttemperatur", "12.0 °C"},
        {"Omgivningstemperatur", "10.0 °C"},
        {"Omgivning", "Givet utvändigt värmeövergangstal"},
        {"Värmeövergångstal", "9.0"},
    };
    cylinder.insert(cylinder.end(), rest.begin(), rest.end());
    EXPECT_EQ(rows, cylinder);
    EXPECT_EQ(m.insulation.ConductivityRows().size(), 4u);

    // A sphere with the liquid's values, not the fields'.
    m.tankShape = 2;
    m.mediumSource = 0;
    m.SetMedium(Liquid(1));
    m.startTemperature = 40.0f;
    Calculated(m);
    EXPECT_EQ(m.inputTable.Cell(1, 1), "Sfärisk (kula)");
    EXPECT_EQ(Cell(m.inputTable, "Medie"), "Glykol");
    EXPECT_EQ(Cell(m.inputTable, "Densitet medie"), "1050 kg/m³");
    EXPECT_EQ(Cell(m.inputTable, "Fryspunkt medie"), "-20.0 °C");
    EXPECT_FALSE(HasRow(m.inputTable, "Längd (höjd)"));
}

TEST_F(TankCalculation, PageItemsPlacementAndReopening)
{
    PageParts<CTankTempModul> parts;
    CVekDoc doc(parts);
    doc.NewDocument();
    auto& m = static_cast<CTankTempModul&>(doc.Module(CTankTempModul::pageIndex));
    CPageLists& lists = ResultPages::Of(doc)->Lists();
    const int page = CTankTempModul::pageIndex;
    EXPECT_FALSE(lists.Shows(page, &m.resultTable));

    Setup(m);
    Calculated(m);
    EXPECT_TRUE(lists.Shows(page, &m.resultTable));
    EXPECT_TRUE(lists.Shows(page, &m.temperatureGraph));
    EXPECT_TRUE(lists.Shows(page, &m.inputTable));
    const PageModel& model = PageModel::Get();
    EXPECT_EQ(m.resultTable.rect.left, model.XUnits(20));
    EXPECT_EQ(m.resultTable.rect.top, model.YUnits(65));
    EXPECT_EQ(m.temperatureGraph.rect.left, model.XUnits(20));
    EXPECT_EQ(m.temperatureGraph.rect.top, model.YUnits(m.resultTable.Bottom() + 10));
    // Below the curve when it fits the sheet, else at the top of the next.
    const float below = m.temperatureGraph.Bottom() + 10;
    const float height = m.inputTable.Bottom() - float(model.YMm(m.inputTable.rect.top));
    if (below + height + 10 <= model.Sheet().height) {
        EXPECT_EQ(m.inputTable.rect.top, model.YUnits(below));
    } else {
        EXPECT_EQ(m.inputTable.rect.left, model.XUnits(20 + model.Sheet().width));
        EXPECT_EQ(m.inputTable.rect.top, model.YUnits(65));
    }
    const platform::Rect inputPlace = m.inputTable.rect;

    // The final temperature: no curve, and the input table keeps its place.
    m.givenFinalTemperature = true;
    Calculated(m);
    EXPECT_FALSE(lists.Shows(page, &m.temperatureGraph));
    EXPECT_TRUE(lists.Shows(page, &m.inputTable));
    EXPECT_EQ(m.inputTable.rect.top, inputPlace.top);
    EXPECT_EQ(m.inputTable.rect.left, inputPlace.left);

    // Saved with results and read again: calculated to the same tables.
    m.givenFinalTemperature = false;
    Calculated(m);
    const std::string results = m.resultTable.ClipboardText();
    const std::string curve = m.temperatureGraph.ClipboardText();
    const auto bytes = doc.Store();
    doc.NewDocument();
    EXPECT_FALSE(lists.Shows(page, &m.resultTable));
    doc.Load(bytes);
    auto& reopened = static_cast<CTankTempModul&>(doc.Module(CTankTempModul::pageIndex));
    EXPECT_TRUE(reopened.resultsValid);
    EXPECT_EQ(reopened.resultTable.ClipboardText(), results);
    EXPECT_EQ(reopened.temperatureGraph.ClipboardText(), curve);
    EXPECT_TRUE(lists.Shows(page, &reopened.temperatureGraph));

    // A refusal clears the page.
    reopened.ambientTemperature = 60.0f;
    prompter.Clear();
    EXPECT_FALSE(reopened.Calculate());
    EXPECT_EQ(lists.Items(page).size(), 2u);
    EXPECT_EQ(reopened.GetProductPicture().builtin, 267);
    reopened.tankShape = 2;
    EXPECT_EQ(reopened.GetProductPicture().builtin, 269);
}
