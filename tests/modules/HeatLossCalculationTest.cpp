// The heat loss module's calculation against hand calculations.
//
// Every object here has a product with a constant λ and a given outer
// coefficient (8 W/m²K, no radiation), so each balance is linear in the
// surface temperature and closes by hand: with A the layer's conductance and
// B the surface's, both per metre (per m² for a surface),
//   q = A·B/(A + B) · (Tin − Ta),   Ts = Ta + q/B.
// The model below writes those formulas out in double precision; the
// searches are solved with a bisection on it, independently of the
// program's secant steps.

#include "ModuleCatalogue.h"
#include "PageDocument.h"
#include "database/CIsoTykkelse.h"
#include "database/CProduktBeskrivelse.h"
#include "doc/CVekDoc.h"
#include "doc/StringTable.h"
#include "modules/CVarmeTapModul.h"
#include "report/PageModel.h"
#include "report/ResultPages.h"

#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>

using namespace module_test;

namespace {

constexpr double pi = 3.1415927;
constexpr double lambda1 = 0.04;  // W/mK, layer 1
constexpr double lambda2 = 0.035; // W/mK, layer 2
constexpr double ho = 8.0;        // W/m²K, given
constexpr double wallLambda = 50.0;

// The objects: a 60.3 × 2.9 mm pipe, 20 m; a 400 × 300 mm duct (height ×
// width) with 500 l/s, 10 m; a 10 m² surface. 80 °C inside, 20 °C around.
constexpr double tMedium = 80.0;
constexpr double tAmbient = 20.0;

// Air inside a duct at 80 °C (ν, λair after the duct correlation).
double DuctAirCoefficient(double flow, double area, double dh)
{
    const double nu = (13.45 + 0.1 * tMedium) * 1e-6;
    const double lambdaAir = (24.1 + 0.0764 * tMedium) * 0.001;
    const double re = dh * (flow / area) / nu;
    return std::max(2.5, 0.0207 * lambdaAir * std::pow(re, 0.8) / dh);
}

struct Balance {
    double ts = 0;
    double q = 0;
};

// One layer s metres thick, balanced at the surface.
struct Model {
    int kind = 0;
    // Layer flow at surface temperature ts, and the surface flow.
    double layerFlow(double s, double ts) const
    {
        switch (kind) {
        case 0: {
            const double di = 0.0603;
            const double g = std::log((di + 2 * s) / di) / (2 * pi);
            const double rw = 0.0029 / wallLambda;
            const double f = rw / (s / lambda1 + rw);
            const double tin = tMedium - (tMedium - ts) * f;
            return lambda1 * (tin - ts) / g;
        }
        case 2: {
            const double h = 0.4, b = 0.3;
            const double po = 2 * (h + 2 * s) + 2 * (b + 2 * s);
            const double hi = DuctAirCoefficient(0.5, h * b, 4 * h * b / (2 * (h + b)));
            const double share = (1 / hi) / (s / lambda1 + 1 / ho);
            const double tin = (tMedium + share * tAmbient) / (1 + share);
            return lambda1 * (tin - ts) / (s / po);
        }
        default:
            return lambda1 * (tMedium - ts) / s;
        }
    }
    double outerPerimeter(double s) const
    {
        switch (kind) {
        case 0:
            return pi * (0.0603 + 2 * s);
        case 2:
            return 2 * (0.4 + 2 * s) + 2 * (0.3 + 2 * s);
        default:
            return 1.0;
        }
    }
    double surfaceFlow(double s, double ts) const { return ho * outerPerimeter(s) * (ts - tAmbient); }
    // Both flows are linear in ts: the balance is where their difference,
    // evaluated at two points, crosses zero.
    Balance at(double s) const
    {
        const double d0 = layerFlow(s, tAmbient) - surfaceFlow(s, tAmbient);
        const double d1 = layerFlow(s, tMedium) - surfaceFlow(s, tMedium);
        Balance r;
        r.ts = tAmbient + (tMedium - tAmbient) * d0 / (d0 - d1);
        r.q = surfaceFlow(s, r.ts);
        return r;
    }
};

// The s in (lo, hi) where f changes sign.
double Bisect(const std::function<double(double)>& f, double lo, double hi)
{
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        if ((f(lo) < 0) == (f(mid) < 0))
            lo = mid;
        else
            hi = mid;
    }
    return (lo + hi) / 2;
}

// The number a cell starts with.
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

// The value cell of the row with the caption, column 1 or 2.
std::string Cell(const CTabell& table, int captionId, int column = 1)
{
    for (int r = 1; r < table.Rows(); ++r)
        if (table.Cell(r, 0) == LoadString(captionId))
            return table.Cell(r, column);
    ADD_FAILURE() << "no row " << LoadString(captionId);
    return {};
}

bool HasRow(const CTabell& table, int captionId)
{
    for (int r = 1; r < table.Rows(); ++r)
        if (table.Cell(r, 0) == LoadString(captionId))
            return true;
    return false;
}

void ExpectNear(const CTabell& table, int captionId, double expected, double tolerance, const std::string& unit,
                int column = 1)
{
    const std::string cell = Cell(table, captionId, column);
    EXPECT_NEAR(Number(cell), expected, tolerance) << LoadString(captionId) << ": " << cell;
    EXPECT_EQ(Unit(cell), unit) << LoadString(captionId);
}

} // namespace

class HeatLossCalculation : public ModuleTest {
protected:
    HeatLossCalculation()
    {
        PageModel::Get().Reset();
        for (std::size_t i = 0; i < 2; ++i) {
            CIsoProdukt* p = Product(i);
            p->a = p->b = p->c = 0.0f;
            p->d = i == 0 ? float(lambda1) : float(lambda2);
            for (float t : {30.0f, 50.0f, 60.0f, 80.0f, 120.0f})
                p->thicknesses.push_back(std::make_unique<CIsoTykkelse>(t));
        }
        Material(0)->conductivityAtZero = float(wallLambda);
        Material(0)->temperatureCoefficient = 0.0f;
    }

    // kind 0, 2 or 4 as described above, 80 °C in 20 °C, the given coefficient.
    void Setup(CVarmeTapModul& m, int kind)
    {
        m.objectKind = ObjectKind(kind);
        m.layer1.objectKind = kind;
        m.layer2.objectKind = kind;
        m.mediumTemp = float(tMedium);
        m.ambientTemp = float(tAmbient);
        m.surroundings = Surroundings::GivenCoefficient;
        m.givenCoefficient = float(ho);
        m.layer1.SetCatalogueProduct(Product(0));
        m.layer2.SetCatalogueProduct(Product(1));
        m.Pipe().SetMaterial(Material(0), true);
        m.ownDimension = true;
        m.pipeOuterDiameter = 60.3f;
        m.pipeWall = 2.9f;
        m.height = 400.0f;
        m.width = 300.0f;
        m.flowUnit = FlowUnit::LitresPerSecond;
        m.flow = 500.0f;
        m.length = kind == 0 ? 20.0f : 10.0f;
        m.area = 10.0f;
    }

    // The standard thickness (mm) at or above s metres, −1 above the largest.
    static double NextStandard(double s)
    {
        for (double t : {30.0, 50.0, 60.0, 80.0, 120.0})
            if (t >= s * 1000 - 1e-6)
                return t;
        return -1;
    }

    // Checks the comparison table of a search: the needed column against the
    // model at the searched thickness, the standard column exactly.
    void ExpectSearch(const CVarmeTapModul& m, const Model& model, double s, bool surfaceTarget)
    {
        const CTabell& t = m.resultTable;
        const std::string perUnit = m.objectKind == ObjectKind::SurfaceOutside ? "W/m²" : "W/m";
        const std::string uUnit = m.objectKind == ObjectKind::SurfaceOutside ? "W/m²K" : "W/mK";
        const double standard = NextStandard(s);
        ASSERT_GT(standard, 0);
        ASSERT_EQ(t.Columns(), 3);
        EXPECT_EQ(t.Cell(0, 1), "Nödv. isolertjocklek");
        EXPECT_EQ(t.Cell(0, 2), "Std. isolertjocklek");
        ExpectNear(t, 62521, s * 1000, 0.6, "mm");
        EXPECT_EQ(Cell(t, 62521, 2), Sprintf(std::string("%.1f mm"), standard));
        const Balance need = model.at(s);
        const Balance atStandard = model.at(standard / 1000);
        ExpectNear(t, 62317, surfaceTarget ? Number(Cell(t, 62317)) : need.ts, 0.1, "°C");
        ExpectNear(t, 62315, need.q, 0.2, perUnit);
        ExpectNear(t, 62317, atStandard.ts, 0.051, "°C", 2);
        ExpectNear(t, 62315, atStandard.q, 0.051, perUnit, 2);
        EXPECT_EQ(Cell(t, 62450), "8.0 W/m²K");
        EXPECT_EQ(Cell(t, 62450, 2), "8.0 W/m²K");
        EXPECT_EQ(Cell(t, 62448, 2), "");
        ExpectNear(t, 31, atStandard.q / (tMedium - tAmbient), 0.0051, uUnit, 2);
    }
};

// Criterion 0 with one layer, every row in order.
TEST_F(HeatLossCalculation, GivenThicknessPipeDuctAndSurface)
{
    {
        // Pipe, 40 mm: Do = 0.1403 m, G = ln(0.1403/0.0603)/2π = 0.13440,
        // f = Rw/(s/λ + Rw) with Rw = 0.0029/50; A = λ(1 − f)/G = 0.29760,
        // B = 8·π·0.1403 = 3.5262: q = A·B/(A + B)·60 = 16.47 W/m,
        // Ts = 20 + q/B = 24.67 °C, Q = 20 m · q = 329 W.
        // Bare: Kw = 50/0.0029, ten rounds of T = (Kw·80 + 8·20)/(Kw + 8)
        // = 79.972 °C, q = 8·π·0.0603·59.972 = 90.89 W/m, 1818 W.
        // Fittings: 3 × 0.5 m = 1.5 m of bare pipe = 136 W; 329 + 136 = 466 W.
        // Quantity π·0.1403·20 = 8.82 m²; U = 16.47/60 = 0.27 W/mK;
        // class 6 allows 0.8·0.0603 + 0.12 = 0.17 W/mK.
        CVarmeTapModul m;
        Setup(m, 0);
        m.layer1.catalogueThickness = 40.0f;
        m.fittingsUsed = true;
        auto fitting = std::make_unique<CTilleggsutstyr>();
        fitting->ownDefined = true;
        fitting->count = 3;
        fitting->ownLength = 0.5f;
        fitting->UpdateName("Egen ventil");
        m.fittings.push_back(std::move(fitting));
        ASSERT_TRUE(m.Calculate());
        EXPECT_TRUE(m.resultsValid);
        const CTabell& t = m.resultTable;
        EXPECT_EQ(t.name, "Värmeförlustberäkning");
        EXPECT_EQ(Captions(t), Texts({62317, 62315, 62450, 62451, 12, 13, 62448, 62593, 62646, 31, 28}));
        EXPECT_EQ(Cell(t, 62317), "24.7 °C");
        EXPECT_EQ(Cell(t, 62315), "16.5 W/m");
        EXPECT_EQ(Cell(t, 62450), "8.0 W/m²K");
        EXPECT_EQ(Cell(t, 62451), "329 W");
        EXPECT_EQ(Cell(t, 12), "136 W");
        EXPECT_EQ(Cell(t, 13), "466 W");
        EXPECT_EQ(Cell(t, 62448), "90.9 W/m");
        EXPECT_EQ(Cell(t, 62593), "1818 W");
        EXPECT_EQ(Cell(t, 62646), "8.82 m²");
        EXPECT_EQ(Cell(t, 31), "0.27 W/mK");
        EXPECT_EQ(Cell(t, 28), "0.17 W/mK");
        // The fitting is listed among the input.
        EXPECT_EQ(Cell(m.inputTable, 62405), "Egen ventil; 3 stk");
        EXPECT_EQ(Cell(m.inputTable, 69), "D.: 60.3 mm; T: 2.9 mm");

        // Without the check the fittings add nothing and are not listed.
        m.fittingsUsed = false;
        ASSERT_TRUE(m.Calculate());
        EXPECT_FALSE(HasRow(m.resultTable, 12));
        EXPECT_FALSE(HasRow(m.inputTable, 62405));
    }
    {
        // Duct 400 × 300 mm, 50 mm, 0.5 m³/s: inner hydraulic diameter
        // 4·0.12/1.4 = 0.3429 m, w = 4.167 m/s, Re = 66 600, hi = 13.18 W/m²K;
        // share (1/hi)/(s/λ + 1/ho) puts the inner face at 76.86 °C.
        // Po = 1.8 m, A = λ·Po/s = 1.44, B = 8·1.8 = 14.4: q = 74.44 W/m,
        // Ts = 25.17 °C, 744 W. Bare: hi with dh = 0.4 m = 12.78 W/m²K,
        // u = 8/12.78, Ts = (80 + u·20)/(1 + u) = 56.90 °C, q = 8·1.4·36.90
        // = 413.25 W/m, 4133 W. Quantity (2·0.5 + 2·0.4)·10 = 18 m².
        // D = 2·0.7/3.1415 = 0.4456 m ≥ 0.4001: 3.1415·D·0.22 = 0.31 W/mK.
        CVarmeTapModul m;
        Setup(m, 2);
        ASSERT_TRUE(m.Calculate());
        const CTabell& t = m.resultTable;
        EXPECT_EQ(Captions(t), Texts({62317, 62315, 62450, 62451, 62442, 62448, 62593, 62646, 31, 28}));
        EXPECT_EQ(Cell(t, 62317), "25.2 °C");
        EXPECT_EQ(Cell(t, 62315), "74.4 W/m");
        EXPECT_EQ(Cell(t, 62451), "744 W");
        EXPECT_EQ(Cell(t, 62442), "13.2 W/m²K");
        EXPECT_EQ(Cell(t, 62448), "413.3 W/m");
        EXPECT_EQ(Cell(t, 62593), "4133 W");
        EXPECT_EQ(Cell(t, 62646), "18.00 m²");
        EXPECT_EQ(Cell(t, 31), "1.24 W/mK");
        EXPECT_EQ(Cell(t, 28), "0.31 W/mK");
        EXPECT_EQ(Cell(m.inputTable, 61221), "500 l/s");
    }
    {
        // Surface, 50 mm, 10 m², with energy: q = 60/(0.05/0.04 + 1/8)
        // = 43.64 W/m², Ts = 20 + q/8 = 25.45 °C, 436 W; bare 8·60 = 480 W/m²,
        // 4800 W. E = 436.36·8760/1000 = 3823 kWh, ·60/100 = 2294 kr;
        // Eb = 42048 kWh, 25229 kr; CO2 (42048 − 3822.5)·750/1000 = 28669 kg.
        CVarmeTapModul m;
        Setup(m, 4);
        m.energyCalc = true;
        ASSERT_TRUE(m.Calculate());
        const CTabell& t = m.resultTable;
        EXPECT_EQ(Captions(t), Texts({62317, 62315, 62450, 62451, 62444, 62445, 62448, 62593, 62594, 62595, 62677,
                                      31, 28}));
        EXPECT_EQ(Cell(t, 62317), "25.5 °C");
        EXPECT_EQ(Cell(t, 62315), "43.6 W/m²");
        EXPECT_EQ(Cell(t, 62451), "436 W");
        EXPECT_EQ(Cell(t, 62444), "3823 kWh/år");
        EXPECT_EQ(Cell(t, 62445), "2294 kr/år");
        EXPECT_EQ(Cell(t, 62448), "480.0 W/m²");
        EXPECT_EQ(Cell(t, 62593), "4800 W");
        EXPECT_EQ(Cell(t, 62594), "42048 kWh/år");
        EXPECT_EQ(Cell(t, 62595), "25229 kr/år");
        EXPECT_EQ(Cell(t, 62677), "28669 kg");
        EXPECT_EQ(Cell(t, 31), "0.73 W/m²K");
        EXPECT_EQ(Cell(t, 28), "0.22 W/m²K");

        // The input table, row by row.
        EXPECT_EQ(Captions(m.inputTable),
                  Texts({62359, 62372, 22, 62374, 62379, 62387, 62409, 62395, 62397, 62404, 62411, 62413, 62676, 19}));
        EXPECT_EQ(Cell(m.inputTable, 62359), "Yta, utvändig isolering");
        EXPECT_EQ(Cell(m.inputTable, 62372), "10.00 m²");
        EXPECT_EQ(Cell(m.inputTable, 62374), "Given isolertjocklek");
        EXPECT_EQ(Cell(m.inputTable, 62379), "50.0 mm");
        EXPECT_EQ(Cell(m.inputTable, 62387), "Lamell");
        EXPECT_EQ(Cell(m.inputTable, 62397), "Givet utvändigt värmeövergangstal");
        EXPECT_EQ(Cell(m.inputTable, 62404), "8.0");
        EXPECT_EQ(Cell(m.inputTable, 62411), "8760 h/år");
        EXPECT_EQ(Cell(m.inputTable, 62413), "60.0 öre/kWh");
        EXPECT_EQ(Cell(m.inputTable, 62676), "750 g/kWh");
        EXPECT_EQ(Cell(m.inputTable, 19), "Nej");
    }
}

// Uninsulated supports add 15 % (the coefficient is not wind) to pipes and
// ducts insulated outside, and nothing to ducts insulated inside or surfaces.
TEST_F(HeatLossCalculation, SupportsFactorOnlyForPipesAndDuctsOutside)
{
    const auto heatLoss = [&](int kind, bool supports) {
        CVarmeTapModul m;
        Setup(m, kind);
        m.supports = supports;
        EXPECT_TRUE(m.Calculate());
        return Number(Cell(m.resultTable, 62315));
    };
    // 50 mm on the pipe and the duct, times 1.15.
    EXPECT_EQ(heatLoss(0, true), Number(Sprintf(std::string("%.1f"), Model{0}.at(0.05).q * 1.15)));
    EXPECT_EQ(heatLoss(2, true), Number(Sprintf(std::string("%.1f"), Model{2}.at(0.05).q * 1.15)));
    EXPECT_EQ(heatLoss(3, true), heatLoss(3, false));
    EXPECT_EQ(heatLoss(4, true), heatLoss(4, false));
    EXPECT_EQ(heatLoss(5, true), heatLoss(5, false));

    // Outdoors it is 25 %, for a surface still nothing.
    CVarmeTapModul m;
    Setup(m, 0);
    m.surroundings = Surroundings::Outdoors;
    // Outdoors the radiation counts, so the surface needs an emissivity.
    m.emissivityTyped = true;
    ASSERT_TRUE(m.Calculate());
    const double without = Number(Cell(m.resultTable, 62315));
    m.supports = true;
    ASSERT_TRUE(m.Calculate());
    EXPECT_NEAR(Number(Cell(m.resultTable, 62315)), without * 1.25, 0.15);
    EXPECT_EQ(Cell(m.inputTable, 19), "Ja");
}

// Criteria 1 and 2 for the three objects: the searched thickness against
// the bisection of the model, compared with the next standard thickness.
TEST_F(HeatLossCalculation, SearchesForSurfaceTemperatureAndHeatLoss)
{
    struct Case {
        int kind;
        int criterion;
        double target; // °C or W/m, W/m²
    };
    // Surface: Ts = 25 °C needs s = λ·55/(8·5) = 55 mm; q = 30 W/m² needs
    // 60/(s/λ + 1/8) = 30, s = 75 mm. The others by bisection.
    for (const Case c : {Case{0, 1, 25.0}, Case{0, 2, 12.0}, Case{2, 1, 24.0}, Case{2, 2, 60.0}, Case{4, 1, 25.0},
                         Case{4, 2, 30.0}}) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << ", criterion " << c.criterion);
        CVarmeTapModul m;
        Setup(m, c.kind);
        m.criterion = Criterion(c.criterion);
        m.givenSurfaceTemp = float(c.target);
        m.givenHeatLoss = float(c.target);
        ASSERT_TRUE(m.Calculate());
        const Model model{c.kind};
        const double s = c.criterion == 1
            ? Bisect([&](double x) { return model.layerFlow(x, c.target) - model.surfaceFlow(x, c.target); }, 0.001,
                     1.0)
            : Bisect([&](double x) { return model.at(x).q - c.target; }, 0.001, 1.0);
        if (c.kind == 4) {
            EXPECT_NEAR(s, c.criterion == 1 ? 0.055 : 0.075, 1e-9);
        }
        ExpectSearch(m, model, s, c.criterion == 1);
        if (c.criterion == 1) {
            EXPECT_EQ(Cell(m.resultTable, 62317), Sprintf(std::string("%.1f °C"), c.target));
        }
        // Class 6 stands beside a heat loss search's standard thickness only.
        EXPECT_EQ(HasRow(m.resultTable, 28), c.criterion == 2);
        EXPECT_EQ(HasRow(m.resultTable, 62442), c.kind == 2);
    }

    // Without a standard thickness that large, the two-column table: a
    // surface at 22 °C needs λ·58/(8·2) = 145 mm.
    CVarmeTapModul m;
    Setup(m, 4);
    m.criterion = Criterion::GivenSurfaceTemp;
    m.givenSurfaceTemp = 22.0f;
    ASSERT_TRUE(m.Calculate());
    const CTabell& t = m.resultTable;
    ASSERT_EQ(t.Columns(), 2);
    EXPECT_EQ(Captions(t), Texts({62452, 62458, 62315, 62450, 62448, 31, 28}));
    // The search stops within 0.1 W/m² of the balance: ±0.9 mm here.
    ExpectNear(t, 62452, 145.0, 1.0, "mm");
    EXPECT_EQ(Cell(t, 62458), "Större än största std. tjocklek");
    ExpectNear(t, 62315, 16.0, 0.15, "W/m²");
    EXPECT_EQ(Cell(t, 28), "0.22 W/m²K");

    // A user's product has no standard thicknesses: two columns, no such row.
    m.layer1.source = CIsolasjon::userSource;
    UserProduct(0)->a = UserProduct(0)->b = UserProduct(0)->c = 0.0f;
    UserProduct(0)->d = float(lambda1);
    m.layer1.SetUserProduct(UserProduct(0));
    m.givenSurfaceTemp = 25.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(Captions(m.resultTable), Texts({62452, 62315, 62450, 62448, 31, 28}));
    ExpectNear(m.resultTable, 62452, 55.0, 0.6, "mm");
    EXPECT_EQ(Cell(m.inputTable, 62389), "Egen A");
    EXPECT_TRUE(HasRow(m.inputTable, 14));
}

// Criteria 3 and 4: the allowed heat loss of the class, then the search.
TEST_F(HeatLossCalculation, InsulationClasses)
{
    {
        // Surface, class 6: U = 0.22, q = 60·0.22 = 13.2 W/m²,
        // s = λ·(60/13.2 − 1/8) = 176.8 mm, beyond 120 mm: two columns with
        // the total 13.2·10 = 132 W. Supports do not count for a surface.
        CVarmeTapModul m;
        Setup(m, 4);
        m.criterion = Criterion::GivenClass;
        m.givenClass = 5;
        m.supports = true;
        ASSERT_TRUE(m.Calculate());
        EXPECT_NEAR(m.givenHeatLoss, 13.2f, 1e-4f);
        const CTabell& t = m.resultTable;
        EXPECT_EQ(Captions(t), Texts({62452, 62458, 62317, 62315, 62450, 62448, 62451, 31}));
        ExpectNear(t, 62452, 176.8, 0.6, "mm");
        ExpectNear(t, 62317, 21.65, 0.06, "°C");
        ExpectNear(t, 62315, 13.2, 0.15, "W/m²");
        ExpectNear(t, 62451, 132.0, 1.6, "W");
        EXPECT_EQ(Cell(m.inputTable, 62374), "Given isoleringsklass: 6");
    }
    {
        // Pipe, class 6 with supports indoors: allowed (0.8·0.0603 + 0.12)·60
        // = 10.09 W/m, lowered to 0.866 of it for the search = 8.742 W/m; the
        // total counts the found heat loss times 1.15 again, 20 m of it.
        CVarmeTapModul m;
        Setup(m, 0);
        m.criterion = Criterion::GivenClass;
        m.givenClass = 5;
        m.supports = true;
        ASSERT_TRUE(m.Calculate());
        const double allowed = (0.8 * 0.0603 + 0.12) * 60 * 0.866;
        EXPECT_NEAR(m.givenHeatLoss, allowed, 1e-4);
        const Model model{0};
        const double s = Bisect([&](double x) { return model.at(x).q - allowed; }, 0.001, 1.0);
        const CTabell& t = m.resultTable;
        if (NextStandard(s) > 0) {
            ASSERT_EQ(t.Columns(), 3);
            ExpectNear(t, 62521, s * 1000, 0.6, "mm");
            // The needed column shows the heat loss with the supports' share.
            ExpectNear(t, 62315, allowed * 1.15, 0.2, "W/m");
        }
    }
    {
        // Surface, criterion 4: 60 K · 8760 h = 525 600 degree-hours, class 5:
        // U = 0.35, q = 21 W/m², s = λ·(60/21 − 1/8) = 109.3 mm, standard 120:
        // 60/(0.12/0.04 + 1/8) = 19.2 W/m², Ts = 22.4 °C, U 0.32.
        CVarmeTapModul m;
        Setup(m, 4);
        m.criterion = Criterion::RequiredClass;
        ASSERT_TRUE(m.Calculate());
        EXPECT_EQ(m.computedClass, 5);
        const CTabell& t = m.resultTable;
        ASSERT_EQ(t.Columns(), 3);
        ExpectNear(t, 62521, 109.3, 0.6, "mm");
        EXPECT_EQ(Cell(t, 62521, 2), "120.0 mm");
        EXPECT_EQ(Cell(t, 62315, 2), "19.2 W/m²");
        EXPECT_EQ(Cell(t, 62317, 2), "22.4 °C");
        EXPECT_EQ(Cell(t, 31, 2), "0.32 W/m²K");
        EXPECT_EQ(Cell(t, 67, 1), "");
        EXPECT_EQ(Cell(t, 67, 2), "5");
        EXPECT_EQ(Cell(m.inputTable, 62374), "Isoleringsklass enlight EN 12828");
        EXPECT_EQ(Cell(m.inputTable, 65), "1.00");

        // A spill factor of 0.03 gives 15 768 degree-hours, class 0: the bare
        // surface, 480 W/m² · 10 m² = 4800 W, U = 8.
        m.spillFactor = 0.03f;
        ASSERT_TRUE(m.Calculate());
        EXPECT_EQ(m.computedClass, 0);
        EXPECT_EQ(Captions(m.resultTable), Texts({62317, 62452, 62450, 62451, 31, 28}));
        EXPECT_EQ(Cell(m.resultTable, 62317), "80.0 °C");
        EXPECT_EQ(Cell(m.resultTable, 62452), "0.0 mm");
        EXPECT_EQ(Cell(m.resultTable, 62451), "4800 W");
        EXPECT_EQ(Cell(m.resultTable, 31), "8.00 W/m²K");
    }
    {
        // Pipe, criterion 4: class 5 takes 1.1·D + 0.14 = 0.2063 W/mK, 12.38 W/m.
        CVarmeTapModul m;
        Setup(m, 0);
        m.criterion = Criterion::RequiredClass;
        ASSERT_TRUE(m.Calculate());
        const double allowed = (1.1 * 0.0603 + 0.14) * 60;
        EXPECT_NEAR(m.givenHeatLoss, allowed, 1e-4);
        const Model model{0};
        const double s = Bisect([&](double x) { return model.at(x).q - allowed; }, 0.001, 1.0);
        ExpectSearch(m, model, s, false);
        EXPECT_EQ(Cell(m.resultTable, 67, 2), "5");
    }
}

// Two layers: the temperature between them above layer 2's maximum gives
// the notice and the results stand.
TEST_F(HeatLossCalculation, TwoLayersWithTheInterfaceNotice)
{
    CVarmeTapModul m;
    Setup(m, 0);
    m.twoLayers = true;
    m.layer1.catalogueThickness = 20.0f;
    m.layer2.catalogueThickness = 30.0f;
    Product(1)->maxTemperature = 40.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{LoadString(62587)});
    EXPECT_TRUE(m.resultsValid);

    // Series conductances per metre: K1 = 2π·0.04/ln(0.1003/0.0603),
    // K2 = 2π·0.035/ln(0.1603/0.1003), surface 8·π·0.1603; the wall's share
    // f = Rw/(s2/λ2 + s1/λ1 + Rw) lowers the inner face a little.
    const double d1 = 0.1003, d2 = 0.1603;
    const double k1 = 2 * pi * lambda1 / std::log(d1 / 0.0603);
    const double k2 = 2 * pi * lambda2 / std::log(d2 / d1);
    const double ks = ho * pi * d2;
    const double rw = 0.0029 / wallLambda;
    const double f = rw / (0.03 / lambda2 + 0.02 / lambda1 + rw);
    double ts = tAmbient, q = 0, tin = tMedium;
    for (int i = 0; i < 50; ++i) {
        tin = tMedium - (tMedium - ts) * f;
        q = (tin - tAmbient) / (1 / k1 + 1 / k2 + 1 / ks);
        ts = tAmbient + q / ks;
    }
    const double tint = tin - q / k1;
    const CTabell& t = m.resultTable;
    EXPECT_EQ(Captions(t), Texts({62317, 62318, 62315, 62450, 62451, 62448, 62593, 62644, 62645, 31, 28}));
    ExpectNear(t, 62317, ts, 0.051, "°C");
    ExpectNear(t, 62318, tint, 0.15, "°C");
    ExpectNear(t, 62315, q, 0.051, "W/m");
    // Outer faces: π·0.1003·20 = 6.30 m², π·0.1603·20 = 10.07 m².
    EXPECT_EQ(Cell(t, 62644), "6.30 m²");
    EXPECT_EQ(Cell(t, 62645), "10.07 m²");
    EXPECT_EQ(Cell(m.inputTable, 62380), "30.0 mm");
    EXPECT_EQ(Cell(m.inputTable, 62388), "Rörskål");

    // Below the maximum there is no notice.
    prompter.Clear();
    Product(1)->maxTemperature = 600.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_TRUE(prompter.Texts().empty());
}

// On the document's page: the items stacked from (20, 65) mm, gone again
// after a failed calculation, back with the same tables after reopening.
TEST_F(HeatLossCalculation, PageFailuresAndReopening)
{
    PageParts<CVarmeTapModul> parts;
    CVekDoc doc(parts);
    doc.NewDocument();
    auto& m = static_cast<CVarmeTapModul&>(doc.Module(0));
    CPageLists& lists = ResultPages::Of(doc)->Lists();
    const auto shown = [&] {
        return lists.Shows(0, &m.resultTable) + lists.Shows(0, &m.inputTable) + lists.Shows(0, &m.drawing);
    };
    EXPECT_EQ(shown(), 0);

    Setup(m, 0);
    m.layer1.catalogueThickness = 40.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(shown(), 3);
    const PageModel& model = PageModel::Get();
    EXPECT_EQ(m.resultTable.rect.left, model.XUnits(20));
    EXPECT_EQ(m.resultTable.rect.top, model.YUnits(65));
    EXPECT_EQ(m.inputTable.rect.top, model.YUnits(m.resultTable.Bottom() + 10));
    // On a 202 × 297 mm sheet the drawing fits under the input table.
    EXPECT_EQ(m.drawing.rect.left, model.XUnits(20));
    EXPECT_EQ(m.drawing.rect.top, model.YUnits(m.inputTable.Bottom() + 10));

    // On a sheet 230 mm high it would pass the bottom: it starts the next
    // sheet at (20 + 202, 65) mm instead.
    struct Sheet : platform::DefaultPrinter {
        std::optional<platform::SheetSize> SheetSizeMm() const override { return platform::SheetSize{202, 230}; }
    } lowSheet;
    PageModel::Get().SetDefaultPrinter(&lowSheet);
    PageModel::Get().ReadSheetSize();
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.inputTable.rect.left, model.XUnits(20));
    EXPECT_EQ(m.drawing.rect.left, model.XUnits(222));
    EXPECT_EQ(m.drawing.rect.top, model.YUnits(65));
    PageModel::Get().Reset();
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.drawing.Diameter(), 140);
    EXPECT_EQ(m.drawing.Kind(), CInsulationSpace::pipe);

    // Saved with results, reopened: calculated again to the same tables.
    const std::string resultText = m.resultTable.ClipboardText();
    const std::string inputText = m.inputTable.ClipboardText();
    const auto bytes = doc.Store();
    doc.NewDocument();
    EXPECT_EQ(shown(), 0);
    doc.Load(bytes);
    auto& reopened = static_cast<CVarmeTapModul&>(doc.Module(0));
    EXPECT_TRUE(reopened.resultsValid);
    EXPECT_EQ(reopened.resultTable.ClipboardText(), resultText);
    EXPECT_EQ(reopened.inputTable.ClipboardText(), inputText);
    EXPECT_TRUE(lists.Shows(0, &reopened.resultTable));
    EXPECT_TRUE(lists.Shows(0, &reopened.drawing));

    // A surface needs no drawing.
    reopened.objectKind = ObjectKind::SurfaceOutside;
    ASSERT_TRUE(reopened.Calculate());
    EXPECT_FALSE(lists.Shows(0, &reopened.drawing));
    EXPECT_TRUE(lists.Shows(0, &reopened.resultTable));

    // A surface temperature 0.1 K above the ambient needs 3 m: 62513, and
    // the page keeps only its header and footer.
    reopened.criterion = Criterion::GivenSurfaceTemp;
    reopened.givenSurfaceTemp = 20.1f;
    prompter.Clear();
    EXPECT_FALSE(reopened.Calculate());
    EXPECT_FALSE(reopened.resultsValid);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{LoadString(62513)});
    EXPECT_EQ(lists.Items(0).size(), 2u);

    // A duct insulated inside that the insulation would fill: 62540.
    Setup(reopened, 0);
    ASSERT_TRUE(reopened.Calculate());
    Setup(reopened, 3);
    reopened.height = 100.0f;
    reopened.width = 100.0f;
    reopened.criterion = Criterion::GivenHeatLoss;
    reopened.givenHeatLoss = 1.0f;
    prompter.Clear();
    EXPECT_FALSE(reopened.Calculate());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{LoadString(62540)});
    EXPECT_EQ(lists.Items(0).size(), 2u);

    // Saved without results, nothing is calculated on reading.
    const auto failed = doc.Store();
    doc.Load(failed);
    EXPECT_FALSE(static_cast<CVarmeTapModul&>(doc.Module(0)).resultsValid);
    EXPECT_EQ(lists.Items(0).size(), 2u);
}

// A document may hold what the dialog never lets through. It is refused
// with the dialog's message and leaves an empty page; a stored negative
// zero prints as a zero.
TEST_F(HeatLossCalculation, StoredValuesTheDialogWouldRefuse)
{
    PageParts<CVarmeTapModul> parts;
    CVekDoc doc(parts);
    doc.NewDocument();
    auto& m = static_cast<CVarmeTapModul&>(doc.Module(0));
    CPageLists& lists = ResultPages::Of(doc)->Lists();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();

    struct Case {
        std::function<void(CVarmeTapModul&)> spoil;
        std::string message;
    };
    const Case cases[] = {
        {[&](CVarmeTapModul& x) { x.mediumTemp = nan; }, "Medietemperatur [°C]: Skriv in ett tal."},
        {[&](CVarmeTapModul& x) { x.ambientTemp = 1e30f; },
         "Omgivningstemperatur [°C]: Skriv in ett tal mellan -60 och 500."},
        // Not used by this calculation, and still no number.
        {[&](CVarmeTapModul& x) { x.windSpeed = inf; }, "Vindhastighet [m/s]: Skriv in ett tal."},
        {[&](CVarmeTapModul& x) { x.givenCoefficient = 0.0f; },
         "Värdet för det utvändiga värmeövergångstalet måste ligga mellan 0.10 och 10000.00"},
        {[&](CVarmeTapModul& x) { x.length = nan; }, "Längd rör/kanal [m]: Skriv in ett tal."},
        {[&](CVarmeTapModul& x) { x.layer1.catalogueThickness = nan; },
         "Värdet för tjockleken måste ligga mellan 10.00 och 1000.00"},
        {[&](CVarmeTapModul& x) { x.ambientTemp = x.mediumTemp; }, LoadString(62526)},
        {[&](CVarmeTapModul& x) {
             x.surroundings = Surroundings::Indoors;
             x.emissivityTyped = false;
         },
         LoadString(62533)},
    };
    for (const Case& c : cases) {
        m.SetDefaults();
        Setup(m, 0);
        ASSERT_TRUE(m.Calculate()) << c.message;
        c.spoil(m);
        prompter.Clear();
        EXPECT_FALSE(m.Calculate()) << c.message;
        EXPECT_FALSE(m.resultsValid);
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(lists.Items(0).size(), 2u) << "only the header and the footer stay";
    }

    Setup(m, 0);
    m.energyCalc = true;
    m.co2Factor = -0.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(Cell(m.inputTable, 62676), "0 g/kWh");
    for (const CTabell* table : {&m.resultTable, &m.inputTable})
        for (const char* bad : {"nan", "inf", "-0 ", "-0.0", "-0,0"})
            EXPECT_EQ(table->ClipboardText().find(bad), std::string::npos) << bad;
}

// A duct insulated inside: the air typed as a speed passes the same free
// area as the volume it stands for, whichever criterion; a standard
// thickness that would close the duct is not offered for comparison.
TEST_F(HeatLossCalculation, InsideInsulatedDuctFlowAndStandardThickness)
{
    const auto resultFor = [&](Criterion criterion, bool twoLayers, FlowUnit unit, float flow) {
        CVarmeTapModul m;
        Setup(m, 3);
        m.criterion = criterion;
        m.twoLayers = twoLayers;
        m.layer1.catalogueThickness = 30.0f;
        m.layer2.catalogueThickness = 50.0f;
        m.givenHeatLoss = 30.0f;
        m.flowUnit = unit;
        m.flow = flow;
        EXPECT_TRUE(m.Calculate());
        return m.resultTable.ClipboardText();
    };
    // 400 × 300 mm: 80 mm of insulation inside leaves 240 × 140 mm.
    const float speed = 5.5f;
    EXPECT_EQ(resultFor(Criterion::GivenThickness, true, FlowUnit::MetresPerSecond, speed),
              resultFor(Criterion::GivenThickness, true, FlowUnit::CubicMetresPerHour, speed * 0.24f * 0.14f * 3600));
    EXPECT_EQ(resultFor(Criterion::GivenThickness, false, FlowUnit::MetresPerSecond, speed),
              resultFor(Criterion::GivenThickness, false, FlowUnit::CubicMetresPerHour, speed * 0.34f * 0.24f * 3600));
    // A searched thickness is not known: the whole duct.
    EXPECT_EQ(resultFor(Criterion::GivenHeatLoss, false, FlowUnit::MetresPerSecond, speed),
              resultFor(Criterion::GivenHeatLoss, false, FlowUnit::CubicMetresPerHour, speed * 0.4f * 0.3f * 3600));

    // 600 × 160 mm: a heat loss that needs about 70 mm rounds up to the
    // 80 mm standard, which would close the duct.
    CVarmeTapModul m;
    Setup(m, 3);
    m.height = 600.0f;
    m.width = 160.0f;
    m.layer1.catalogueThickness = 70.0f;
    ASSERT_TRUE(m.Calculate());
    const float lossAt70 = float(Number(Cell(m.resultTable, 62315)));
    m.criterion = Criterion::GivenHeatLoss;
    m.givenHeatLoss = lossAt70;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.resultTable.Columns(), 2);
    ExpectNear(m.resultTable, 62452, 70.0, 0.6, "mm");
    EXPECT_EQ(Cell(m.resultTable, 62458), "80.0 mm ryms inte i kanalen");
    EXPECT_EQ(m.resultTable.ClipboardText().find("nan"), std::string::npos);
    // A wider duct takes the standard thickness and compares.
    m.width = 161.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.resultTable.Columns(), 3);
}
