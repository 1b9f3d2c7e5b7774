// The economy module against hand calculations.
//
// The products have a constant λ and the outer coefficient is given
// (8 W/m²K, no radiation), so each balance is linear in the surface
// temperature and closes by hand, as in the heat loss tests:
//   flat surface  q = ΔT/(s/λ + 1/ho);
//   pipe          the layer and the wall in series with the surface.
// The present-value factors, the equivalent energy and the costs are written
// out from their formulas in double precision.

#include "ModuleCatalogue.h"
#include "PageDocument.h"
#include "database/CProduktBeskrivelse.h"
#include "doc/CVekDoc.h"
#include "doc/StringTable.h"
#include "modules/COkonomiModul.h"
#include "modules/EconomyCosts.h"
#include "report/PageModel.h"
#include "report/ResultPages.h"

#include <cmath>
#include <cstdlib>
#include <limits>

using namespace module_test;

namespace {

constexpr double pi = 3.1415927;
constexpr double lambda = 0.04; // W/mK
constexpr double ho = 8.0;      // W/m²K, given
constexpr double wallLambda = 50.0;

// (1 − (1 + r)^−n)/r, n for a negligible rate.
double PresentValue(double rate, double years)
{
    return rate > 0.0001 ? (1 - std::pow(1 + rate, -years)) / rate : years;
}

struct Economy {
    double interest = 7, increase = 0, years = 20, hours = 8760, price = 60, co2 = 750;
    double pvi() const { return PresentValue(interest / 100, years); }
    double pve() const
    {
        const double i = interest / 100, e = increase / 100;
        return PresentValue((i - e) / (1 + e), years);
    }
    double energy(double q) const { return std::fabs(q) * pve() * hours / (pvi() * 1000); }
    double energyCost(double q) const { return energy(q) * price / 100; }
    double emission(double q) const { return std::fabs(q) * hours / 1000 * co2 / 1000; }
    double total(double q, double cost) const { return energyCost(q) + cost / pvi(); }
};

// A flat surface, s m of the product, medium tm, ambient ta.
double FlatHeatFlow(double s, double tm, double ta)
{
    return (tm - ta) / (s / lambda + 1 / ho);
}

// A pipe of outer diameter di with a wall sw thick: the layer's flow
// λ·(Tin − Ts)/G with Tin = Tm − (Tm − Ts)·f, f = Rw/(s/λ + Rw), against the
// surface's ho·π·Do·(Ts − Ta); both are linear in Ts.
double PipeHeatFlow(double di, double sw, double s, double tm, double ta)
{
    const double dout = di + 2 * s;
    const double g = std::log(dout / di) / (2 * pi);
    const double rw = sw / wallLambda;
    const double f = rw / (s / lambda + rw);
    const double a = lambda * (1 - f) / g; // layer conductance per metre
    const double b = ho * pi * dout;       // surface conductance per metre
    return a * b / (a + b) * (tm - ta);
}

double BarePipeHeatFlow(double di, double sw, double tm, double ta)
{
    const double kw = wallLambda / sw;
    const double ts = (kw * tm + ho * ta) / (kw + ho);
    return ho * pi * di * (ts - ta);
}

// The number a cell starts with, and what follows its space.
double Number(const std::string& cell)
{
    return std::strtod(cell.c_str(), nullptr);
}

std::string Unit(const std::string& cell)
{
    const std::size_t space = cell.find(' ');
    return space == std::string::npos ? std::string() : cell.substr(space + 1);
}

void ExpectCell(const CTabell& table, int row, int column, double expected, double tolerance,
                const std::string& unit)
{
    const std::string& cell = table.Cell(row, column);
    EXPECT_NEAR(Number(cell), expected, tolerance) << "row " << row << ", column " << column << ": " << cell;
    EXPECT_EQ(Unit(cell), unit) << "row " << row << ", column " << column;
}

// No cell of the module's page is a number the page cannot show.
void ExpectShowable(const COkonomiModul& m)
{
    for (const CTabell* table : {&m.heatLossTable, &m.costTable, &m.inputTable})
        for (int r = 0; r < table->Rows(); ++r)
            for (int c = 0; c < table->Columns(); ++c) {
                const std::string& cell = table->Cell(r, c);
                EXPECT_EQ(cell.find("nan"), std::string::npos) << cell;
                EXPECT_EQ(cell.find("inf"), std::string::npos) << cell;
                const bool negativeZero = cell.size() > 1 && cell[0] == '-' && Number(cell) == 0.0;
                EXPECT_FALSE(negativeZero) << cell;
            }
}

std::string Text(int id)
{
    return LoadString(id);
}

} // namespace

class EconomyCalculation : public ModuleTest {
protected:
    EconomyCalculation()
    {
        PageModel::Get().Reset();
        for (std::size_t i = 0; i < 2; ++i) {
            CIsoProdukt* p = Product(i);
            p->a = p->b = p->c = 0.0f;
            p->d = float(lambda);
        }
        Material(0)->conductivityAtZero = float(wallLambda);
        Material(0)->temperatureCoefficient = 0.0f;
    }

    // 80 °C inside, 20 °C around, the given coefficient, no alternatives.
    void Setup(COkonomiModul& m, int kind)
    {
        m.objectKind = kind;
        m.mediumTemperature = 80.0f;
        m.ambientTemperature = 20.0f;
        m.surroundings = Surroundings::GivenCoefficient;
        m.givenCoefficient = float(ho);
        m.pipe.SetMaterial(Material(0), true);
        m.ownPipeDimension = true;
        m.pipeDiameter = 114.3f;
        m.wallThickness = 3.6f;
        ClearList(m.alternatives);
    }

    COkonomiIsolasjon& Add(COkonomiModul& m, float thickness, float cost, std::size_t product = 1)
    {
        auto alternative = std::make_unique<COkonomiIsolasjon>(m.objectKind);
        alternative->SetMakerProduct(Product(product));
        alternative->makerThickness = thickness;
        alternative->cost = cost;
        alternative->surfaceSource = 1;
        alternative->name = alternative->DisplayText();
        m.alternatives.push_back(std::move(alternative));
        return *m.alternatives.back();
    }
};

// The present-value factors and the yearly figures of one heat flow, from
// their formulas; the CO2 follows the energy actually lost.
TEST_F(EconomyCalculation, PresentValueFactorsAndAnnualCost)
{
    // 8 % over 20 years: PVi = 9.818, an annuity of 10.185 % a year.
    const PresentValueFactors eight = PresentValues(8.0f, 0.0f, 20.0f);
    EXPECT_NEAR(eight.investment, 9.818, 0.0005);
    EXPECT_NEAR(1.0 / eight.investment, 0.10185, 0.000005);
    EXPECT_FLOAT_EQ(eight.energy, eight.investment);

    // No interest spreads the investment linearly; equal rates leave the
    // energy undiscounted.
    EXPECT_FLOAT_EQ(PresentValues(0.0f, 0.0f, 15.0f).investment, 15.0f);
    EXPECT_FLOAT_EQ(PresentValues(5.0f, 5.0f, 12.5f).energy, 12.5f);
    // A price rising faster than the interest still counts n years.
    EXPECT_FLOAT_EQ(PresentValues(2.0f, 5.0f, 20.0f).energy, 20.0f);
    EXPECT_NEAR(PresentValues(2.0f, 5.0f, 20.0f).investment, PresentValue(0.02, 20), 1e-4);

    // 7 %, 2 %, 20 years: PVi = 10.594, r = 0.05/1.02, PVe = 12.566; with
    // 20 W/m, 8760 h at 60 öre/kWh: E = 20·12.566·8760/(10.594·1000)
    // = 207.8 kWh, 124.69 kr; the 175.2 kWh lost make 131.4 kg at
    // 750 g/kWh; 100 kr of insulation cost 100/10.594 = 9.44 kr a year.
    const PresentValueFactors f = PresentValues(7.0f, 2.0f, 20.0f);
    EXPECT_NEAR(f.investment, 10.594, 0.0005);
    EXPECT_NEAR(f.energy, 12.566, 0.0005);
    for (float q : {20.0f, -20.0f}) {
        const AnnualCost cost = AnnualCostOf(q, f, 8760.0f, 60.0f, 750.0f);
        EXPECT_EQ(Sprintf(std::string("%.1f"), double(cost.equivalentEnergy)), "207.8");
        EXPECT_EQ(Sprintf(std::string("%.2f"), double(cost.energyCost)), "124.69");
        EXPECT_EQ(Sprintf(std::string("%.1f"), double(cost.co2)), "131.4");
    }
    EXPECT_EQ(Sprintf(std::string("%.2f"), 100.0 / f.investment), "9.44");
    // Without the increase the energy is the actual one, and the emission the same.
    const AnnualCost flat = AnnualCostOf(20.0f, PresentValues(7.0f, 0.0f, 20.0f), 8760.0f, 60.0f, 750.0f);
    EXPECT_NEAR(flat.equivalentEnergy, 175.2, 1e-3);
    EXPECT_NEAR(flat.co2, 131.4, 1e-4);
}

// A flat surface with two alternatives, every cell of the three tables.
TEST_F(EconomyCalculation, FlatSurfaceTablesRowByRow)
{
    COkonomiModul m;
    Setup(m, 4);
    m.interestRate = 7.0f;
    m.priceIncrease = 2.0f;
    Add(m, 50.0f, 300.0f);
    Add(m, 100.0f, 500.0f);
    ASSERT_TRUE(m.Calculate());
    EXPECT_TRUE(m.resultsValid);
    ExpectShowable(m);

    Economy e;
    e.increase = 2;
    // Bare: q = ho·ΔT = 480 W/m², U = 8; 50 mm: 60/(1.25 + 0.125) = 43.64;
    // 100 mm: 60/(2.5 + 0.125) = 22.86; class 6: 0.22·60 = 13.2 W/m².
    const double q[] = {480.0, FlatHeatFlow(0.05, 80, 20), FlatHeatFlow(0.1, 80, 20), 13.2};
    const double cost[] = {0.0, 300.0, 500.0, 0.0};

    const CTabell& h = m.heatLossTable;
    ASSERT_EQ(h.Rows(), 5);
    ASSERT_EQ(h.Columns(), 4);
    EXPECT_EQ(h.name, "Isolertjocklek/pris");
    EXPECT_EQ(h.Cell(0, 1), "U-värde");
    EXPECT_EQ(h.Cell(0, 2), "Värmeförlust");
    EXPECT_EQ(h.Cell(0, 3), "Utv. värmeövergångstal");
    EXPECT_EQ(h.Cell(1, 0), "Oisolerad (emissivitet = 0.55)");
    EXPECT_EQ(h.Cell(2, 0), "Rörskål, 50mm, 300.00 kr/m²");
    EXPECT_EQ(h.Cell(3, 0), "Rörskål, 100mm, 500.00 kr/m²");
    EXPECT_EQ(h.Cell(4, 0), "U-värde enligt class 6 i EN 12828");
    for (int r = 1; r <= 4; ++r) {
        SCOPED_TRACE(r);
        ExpectCell(h, r, 1, q[r - 1] / 60, 0.0051, "W/m²K");
        ExpectCell(h, r, 2, q[r - 1], 0.051, "W/m²");
    }
    EXPECT_EQ(h.Cell(1, 3), "8.0 W/m²K");
    EXPECT_EQ(h.Cell(2, 3), "8.0 W/m²K");
    EXPECT_EQ(h.Cell(4, 1), "0.22 W/m²K");
    EXPECT_EQ(h.Cell(4, 2), "13.2 W/m²");
    EXPECT_EQ(h.Cell(4, 3), "-");

    const CTabell& c = m.costTable;
    ASSERT_EQ(c.Rows(), 5);
    ASSERT_EQ(c.Columns(), 5);
    EXPECT_EQ(c.Cell(0, 1), "CO2-utsläpp");
    EXPECT_EQ(c.Cell(0, 2), "Årlig energikost.");
    EXPECT_EQ(c.Cell(0, 3), "Årlig inv. kost");
    EXPECT_EQ(c.Cell(0, 4), "Totalkostnad");
    for (int r = 1; r <= 4; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(c.Cell(r, 0), h.Cell(r, 0));
        ExpectCell(c, r, 1, e.emission(q[r - 1]), 0.6, "kg/m²");
        ExpectCell(c, r, 2, e.energyCost(q[r - 1]), 0.0051 + 0.002 * e.energyCost(q[r - 1]) / 100, "kr/m²");
        if (r < 4) {
            ExpectCell(c, r, 3, cost[r - 1] / e.pvi(), 0.0051, "kr/m²");
            ExpectCell(c, r, 4, e.total(q[r - 1], cost[r - 1]), 0.0051 + 0.002 * e.total(q[r - 1], 0) / 100,
                       "kr/m²");
        }
    }
    EXPECT_EQ(c.Cell(1, 3), "0.00 kr/m²");
    EXPECT_EQ(c.Cell(4, 3), "-");
    EXPECT_EQ(c.Cell(4, 4), "-");
    // The thickest insulation is the cheapest here.
    ASSERT_LT(e.total(q[2], 500), e.total(q[1], 300));
    EXPECT_EQ(c.HighlightRow(), 3);
    EXPECT_EQ(h.HighlightRow(), -1);

    const CTabell& in = m.inputTable;
    std::vector<std::string> captions;
    for (int r = 1; r < in.Rows(); ++r)
        captions.push_back(in.Cell(r, 0));
    EXPECT_EQ(in.name, "Ekonomisk isolering");
    EXPECT_EQ(in.Cell(0, 1), "Indata");
    EXPECT_EQ(captions, (std::vector<std::string>{"Rör-/kanaltyp", "Medietemperatur", "Omgivningstemperatur",
                                                  "Omgivning", "Värmeövergångstal", "Driftstid", "Energipris",
                                                  "CO2-utsläpp", "Avskrivningstid", "Årlig real energiprisökning",
                                                  "Real kalkylränta"}));
    EXPECT_EQ(in.Cell(1, 1), "Yta, utvändig isolering");
    EXPECT_EQ(in.Cell(2, 1), "80.0 °C");
    EXPECT_EQ(in.Cell(4, 1), "Givet utvändigt värmeövergangstal");
    EXPECT_EQ(in.Cell(5, 1), "8.0");
    EXPECT_EQ(in.Cell(6, 1), "8760 h/år");
    EXPECT_EQ(in.Cell(7, 1), "60.0 öre/kWh");
    EXPECT_EQ(in.Cell(8, 1), "750 g/kWh");
    EXPECT_EQ(in.Cell(9, 1), "20.0 år");
    EXPECT_EQ(in.Cell(10, 1), "2.00 %");
    EXPECT_EQ(in.Cell(11, 1), "7.00 %");

    // A vertical surface lists its height; outdoors the wind.
    m.orientation = 1;
    m.height = 1500.0f;
    m.surroundings = Surroundings::Outdoors;
    m.windSpeed = 4.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.inputTable.Cell(2, 0), "Höjd:");
    EXPECT_EQ(m.inputTable.Cell(2, 1), "1500.0 mm");
    EXPECT_EQ(m.inputTable.Cell(6, 0), "Vindhastighet");
    EXPECT_EQ(m.inputTable.Cell(6, 1), "4.0 m/s");
}

// The pipe the module is made for: five thicknesses of one pipe section
// product on a DN100 pipe at 70 °C over 8000 h a year. The cheapest is the
// first lowest total, the bare pipe included, and moves with the price.
TEST_F(EconomyCalculation, CheapestOfFiveThicknessesMovesWithThePrice)
{
    COkonomiModul m;
    Setup(m, 0);
    m.mediumTemperature = 70.0f;
    m.operatingHours = 8000.0f;
    const double thickness[] = {20, 30, 40, 60, 80};
    const double cost[] = {250, 290, 340, 430, 560};
    for (std::size_t i = 0; i < 5; ++i)
        Add(m, float(thickness[i]), float(cost[i]));

    const auto expectedBest = [&](double price) {
        Economy e;
        e.hours = 8000;
        e.price = price;
        // Row 0 the bare pipe, rows 1 to 5 the alternatives.
        const double bare = BarePipeHeatFlow(0.1143, 0.0036, 70, 20);
        int best = 0;
        double lowest = e.total(bare, 0);
        for (int i = 0; i < 5; ++i) {
            const double total = e.total(PipeHeatFlow(0.1143, 0.0036, thickness[i] / 1000, 70, 20), cost[i]);
            if (lowest > total) {
                lowest = total;
                best = i + 1;
            }
        }
        return best;
    };

    for (double price : {1.0, 10.0, 150.0}) {
        SCOPED_TRACE(price);
        m.energyPrice = float(price);
        ASSERT_TRUE(m.Calculate());
        ExpectShowable(m);
        EXPECT_EQ(m.costTable.HighlightRow(), expectedBest(price) + 1);
        // The pipe's rows against the hand model.
        ExpectCell(m.heatLossTable, 1, 2, BarePipeHeatFlow(0.1143, 0.0036, 70, 20), 0.051, "W/m");
        for (int i = 0; i < 5; ++i)
            ExpectCell(m.heatLossTable, i + 2, 2, PipeHeatFlow(0.1143, 0.0036, thickness[i] / 1000, 70, 20), 0.051,
                       "W/m");
    }
    // The prices were chosen so that the choice moves: none at the lowest,
    // thicker and thicker above it.
    EXPECT_EQ(expectedBest(1.0), 0);
    EXPECT_GT(expectedBest(10.0), 0);
    EXPECT_LT(expectedBest(10.0), expectedBest(150.0));
    EXPECT_EQ(m.inputTable.Cell(2, 0), "Röret/kanalens diameter");
    EXPECT_EQ(m.inputTable.Cell(2, 1), "114.3 mm");

    // Equal totals keep the earlier row: the same insulation twice.
    ClearList(m.alternatives);
    Add(m, 40.0f, 340.0f);
    Add(m, 60.0f, 430.0f);
    Add(m, 60.0f, 430.0f).name = "Rörskål, 60mm, 430.00 kr/m (igen)";
    m.energyPrice = 60.0f;
    ASSERT_TRUE(m.Calculate());
    Economy e;
    e.hours = 8000;
    const double total60 = e.total(PipeHeatFlow(0.1143, 0.0036, 0.06, 70, 20), 430);
    ASSERT_LT(total60, e.total(PipeHeatFlow(0.1143, 0.0036, 0.04, 70, 20), 340));
    EXPECT_EQ(m.costTable.Cell(3, 4), m.costTable.Cell(4, 4));
    EXPECT_EQ(m.costTable.HighlightRow(), 3);
}

// The class 6 row: 0.8·D + 0.12 up to 0.4 m, π·D·0.22 above, with π = 3.1415.
TEST_F(EconomyCalculation, ClassSixRowAtTheStepOfTheRule)
{
    COkonomiModul m;
    Setup(m, 1);
    m.flowUnit = 1;
    m.flow = 500.0f;
    Add(m, 50.0f, 300.0f);

    // 400 mm: 0.8·0.4 + 0.12 = 0.44 W/mK, 60 K of it 26.4 W/m.
    m.ductDiameter = 400.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.heatLossTable.Cell(3, 0), Text(28));
    EXPECT_EQ(m.heatLossTable.Cell(3, 1), "0.44 W/mK");
    EXPECT_EQ(m.heatLossTable.Cell(3, 2), "26.4 W/m");
    // 400.1 mm: 3.1415·0.4001·0.22 = 0.2765 W/mK, 16.59 W/m.
    m.ductDiameter = 400.1f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.heatLossTable.Cell(3, 1), "0.28 W/mK");
    EXPECT_EQ(m.heatLossTable.Cell(3, 2), "16.6 W/m");
    Economy e;
    ExpectCell(m.costTable, 3, 2, e.energyCost(60 * 3.1415 * 0.4001 * 0.22), 0.006, "kr/m");
    EXPECT_EQ(m.inputTable.Cell(2, 1), "400.1 mm");
    EXPECT_EQ(m.inputTable.Cell(m.inputTable.Rows() - 1, 0), "Flöde");
    EXPECT_EQ(m.inputTable.Cell(m.inputTable.Rows() - 1, 1), "500 l/s");

    // A rectangular duct takes the perimeter over π: 2·(200 + 428.3)/3141.5
    // = 0.4 m; the pipe its outer diameter; surfaces 0.22.
    EXPECT_FLOAT_EQ(EconomyRequirementUValue(2, 0, 0, 200.0f, 428.3f), 0.8f * (2.0f * 628.3f / 3141.5f) + 0.12f);
    EXPECT_NEAR(EconomyRequirementUValue(3, 0, 0, 1000.0f, 1000.0f), 3.1415 * (4000.0 / 3141.5) * 0.22, 1e-5);
    EXPECT_FLOAT_EQ(EconomyRequirementUValue(0, 60.3f, 0, 0, 0), 0.8f * 0.0603f + 0.12f);
    EXPECT_FLOAT_EQ(EconomyRequirementUValue(5, 60.3f, 0, 0, 0), 0.22f);
}

// The bare duct: the perimeter over π sets the outer convection and serves
// as the hydraulic diameter of the air inside.
TEST_F(EconomyCalculation, BareRectangularDuct)
{
    COkonomiModul m;
    Setup(m, 2);
    m.height = 400.0f;
    m.width = 300.0f;
    m.flowUnit = 2;
    m.flow = 4.0f; // m/s through 0.12 m²: 0.48 m³/s
    Add(m, 50.0f, 300.0f);
    ASSERT_TRUE(m.Calculate());

    const double perimeter = 1.4, dh = perimeter / pi, tm = 80;
    const double nu = (13.45 + 0.1 * tm) * 1e-6;
    const double lambdaAir = (24.1 + 0.0764 * tm) * 0.001;
    const double re = dh * 4.0 / nu;
    const double hi = 0.0207 * lambdaAir * std::pow(re, 0.8) / dh;
    const double u = ho / hi;
    const double ts = (tm + u * 20) / (1 + u);
    const double q = ho * perimeter * (ts - 20);
    ExpectCell(m.heatLossTable, 1, 2, q, 0.051, "W/m");
    ExpectCell(m.heatLossTable, 1, 1, q / 60, 0.0051, "W/mK");
    EXPECT_EQ(m.inputTable.Cell(m.inputTable.Rows() - 1, 1), "4.00 m/s");
    // 2·(0.4 + 0.3)/3.1415 = 0.4456 m: 3.1415·0.4456·0.22 = 0.31 W/mK.
    EXPECT_EQ(m.heatLossTable.Cell(3, 1), "0.31 W/mK");
}

// A cold medium: every heat flow negative, the requirement's too, every
// U-value and every cost positive.
TEST_F(EconomyCalculation, ColdMedium)
{
    COkonomiModul m;
    Setup(m, 4);
    m.mediumTemperature = 5.0f;
    Add(m, 50.0f, 300.0f);
    ASSERT_TRUE(m.Calculate());
    ExpectShowable(m);
    const CTabell& h = m.heatLossTable;
    for (int r = 1; r <= 3; ++r) {
        SCOPED_TRACE(r);
        EXPECT_GT(Number(h.Cell(r, 1)), 0.0) << h.Cell(r, 1);
        EXPECT_LT(Number(h.Cell(r, 2)), 0.0) << h.Cell(r, 2);
        for (int c = 1; c < m.costTable.Columns(); ++c) {
            if (m.costTable.Cell(r, c) != "-") {
                EXPECT_GE(Number(m.costTable.Cell(r, c)), 0.0) << m.costTable.Cell(r, c);
            }
        }
    }
    // −15 K · 0.22 W/m²K; the surface at 50 mm: −15/(1.25 + 0.125).
    EXPECT_EQ(h.Cell(3, 1), "0.22 W/m²K");
    EXPECT_EQ(h.Cell(3, 2), "-3.3 W/m²");
    ExpectCell(h, 2, 2, FlatHeatFlow(0.05, 5, 20), 0.051, "W/m²");
    Economy e;
    ExpectCell(m.costTable, 3, 2, e.energyCost(3.3), 0.0051, "kr/m²");
}

// Inputs the dialog would have refused, as a document may bring them: the
// dialog's message, no page and no results, also after a good calculation.
TEST_F(EconomyCalculation, StoredInputIsCheckedAsTheDialogChecks)
{
    PageParts<COkonomiModul> parts;
    CVekDoc doc(parts);
    doc.NewDocument();
    auto& m = static_cast<COkonomiModul&>(doc.Module(COkonomiModul::pageIndex));
    CPageLists& lists = ResultPages::Of(doc)->Lists();
    const auto shown = [&] {
        return lists.Shows(7, &m.heatLossTable) + lists.Shows(7, &m.costTable) + lists.Shows(7, &m.inputTable);
    };

    const auto refused = [&](const std::function<void()>& change, const std::string& message) {
        m.SetDefaults();
        Setup(m, 4);
        Add(m, 50.0f, 300.0f);
        EXPECT_TRUE(m.Calculate());
        EXPECT_EQ(shown(), 3);
        change();
        prompter.Clear();
        EXPECT_FALSE(m.Calculate());
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{message});
        EXPECT_FALSE(m.resultsValid);
        EXPECT_EQ(shown(), 0);
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();

    refused([&] { m.energyPrice = nan; }, "Energipris [öre/kWh]: Skriv in ett tal.");
    refused([&] { m.interestRate = 150.0f; }, "Real kalkylränta [%]: Skriv in ett tal mellan 0 och 100.");
    // Not used indoors, but a number all the same.
    refused([&] { m.windSpeed = inf; }, "Vindhastighet [m/s]: Skriv in ett tal.");
    refused([&] { ClearList(m.alternatives); }, Text(61228));
    refused([&] { m.alternatives[0]->cost = nan; },
            "Värdet för kostnad isolering måste ligga mellan 1.00 och 20000.00");
    refused([&] { m.alternatives[0]->makerThickness = 5.0f; },
            "Värdet för tjockleken måste ligga mellan 10.00 och 1000.00");
    refused([&] { m.alternatives[0]->surfaceEmissivity = nan; },
            "Värdet för emissiviteten måste ligga mellan 0.00 och 1.00");
    refused([&] { m.alternatives[0]->surfaceSource = 0; }, Text(62533));
    // An alternative converted without its user product.
    refused([&] { m.alternatives[0]->productSource = 1; }, Text(62535));
    refused([&] { m.ambientTemperature = 79.95f; m.mediumTemperature = 80.0f; }, Text(62526));
    refused([&] { m.surroundings = Surroundings::Outdoors; m.windSpeed = 0.0f; },
            "Värdet för vindhastigheten måste ligga mellan 0.10 och 50.00");
    // A vertical surface needs a height to have convection along.
    refused([&] { m.orientation = 1; m.height = 0.0f; }, "Värdet för höjden måste ligga mellan 1.00 och 5000.00");
    refused(
        [&] {
            while (m.alternatives.size() < 26)
                Add(m, float(20 + m.alternatives.size()), 300.0f);
        },
        Text(62502));

    // A duct insulated inside that 2·s would close: 62540 at exactly the height.
    refused(
        [&] {
            Setup(m, 3);
            m.height = 100.0f;
            m.width = 300.0f;
            Add(m, 50.0f, 300.0f);
        },
        Text(62540));
    m.alternatives[0]->makerThickness = 49.9f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(shown(), 3);
    // The same across the width.
    m.height = 300.0f;
    m.width = 99.8f;
    prompter.Clear();
    EXPECT_FALSE(m.Calculate());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{Text(62540)});

    // A horizontal surface has no height to check.
    Setup(m, 5);
    Add(m, 50.0f, 300.0f);
    m.height = 0.0f;
    EXPECT_TRUE(m.Calculate());
}

// A perfect insulator loses nothing: its row is computed, no sign on the
// zeros, and the calculation is complete.
TEST_F(EconomyCalculation, AlternativeWithoutHeatFlow)
{
    COkonomiModul m;
    Setup(m, 4);
    m.mediumTemperature = 5.0f;
    Product(0)->d = 0.0f;
    Add(m, 50.0f, 300.0f, 0);
    Add(m, 50.0f, 300.0f);
    ASSERT_TRUE(m.Calculate());
    EXPECT_TRUE(m.resultsValid);
    ExpectShowable(m);
    EXPECT_EQ(m.heatLossTable.Cell(2, 1), "0.00 W/m²K");
    EXPECT_EQ(m.heatLossTable.Cell(2, 2), "0.0 W/m²");
    EXPECT_EQ(m.costTable.Cell(2, 1), "0 kg/m²");
    EXPECT_EQ(m.costTable.Cell(2, 2), "0.00 kr/m²");
    EXPECT_EQ(m.costTable.Cell(2, 4), m.costTable.Cell(2, 3));
    EXPECT_EQ(m.costTable.HighlightRow(), 2);

    // A product whose conductivity is no number gives no page at all.
    Product(0)->d = std::numeric_limits<float>::quiet_NaN();
    prompter.Clear();
    EXPECT_FALSE(m.Calculate());
    EXPECT_FALSE(m.resultsValid);
    ASSERT_EQ(prompter.Texts().size(), 1u);
    EXPECT_TRUE(prompter.Texts()[0].starts_with("Beräkningen gav inget giltigt resultat"));
}

// 25 alternatives make 27 rows in both tables; the page flows over the
// sheets, and reopening the document calculates the same tables again.
TEST_F(EconomyCalculation, PageWithTwentyFiveAlternatives)
{
    PageParts<COkonomiModul> parts;
    CVekDoc doc(parts);
    doc.NewDocument();
    auto& m = static_cast<COkonomiModul&>(doc.Module(COkonomiModul::pageIndex));
    Setup(m, 0);
    for (int i = 0; i < 25; ++i)
        Add(m, float(20 + 4 * i), float(200 + 15 * i));
    ASSERT_TRUE(m.Calculate());
    ExpectShowable(m);
    EXPECT_EQ(m.heatLossTable.Rows(), 28);
    EXPECT_EQ(m.costTable.Rows(), 28);
    EXPECT_EQ(m.costTable.Cell(27, 0), Text(28));

    const PageModel& model = PageModel::Get();
    EXPECT_EQ(m.heatLossTable.rect.left, model.XUnits(20));
    EXPECT_EQ(m.heatLossTable.rect.top, model.YUnits(65));
    // Each table as tall as the first goes below it when it fits, else at
    // the top of the next sheet to the right; the input table follows.
    const float sheetHeight = model.Sheet().height;
    const float costTop = m.heatLossTable.Bottom() + 10;
    const bool costFits = costTop + (m.heatLossTable.Bottom() - 65) + 10 <= sheetHeight;
    EXPECT_EQ(m.costTable.rect.left, model.XUnits(costFits ? 20 : 20 + model.Sheet().width));
    EXPECT_EQ(m.costTable.rect.top, model.YUnits(costFits ? costTop : 65));
    EXPECT_EQ(m.inputTable.rect.left, m.costTable.rect.left);
    EXPECT_EQ(m.inputTable.rect.top, model.YUnits(m.costTable.Bottom() + 10));
    CPageLists& lists = ResultPages::Of(doc)->Lists();
    EXPECT_TRUE(lists.Shows(7, &m.costTable));

    const std::string costText = m.costTable.ClipboardText();
    const auto bytes = doc.Store();
    doc.NewDocument();
    EXPECT_FALSE(lists.Shows(7, &static_cast<COkonomiModul&>(doc.Module(7)).costTable));
    doc.Load(bytes);
    auto& reopened = static_cast<COkonomiModul&>(doc.Module(7));
    EXPECT_TRUE(reopened.resultsValid);
    EXPECT_EQ(reopened.costTable.ClipboardText(), costText);
    EXPECT_TRUE(lists.Shows(7, &reopened.inputTable));

    // The page header shows the object.
    EXPECT_EQ(reopened.GetProductPicture().builtin, 261);
    reopened.objectKind = 3;
    reopened.orientation = 1;
    EXPECT_EQ(reopened.GetProductPicture().builtin, 273);
    EXPECT_TRUE(reopened.GetProductPicture().file.empty());
}
