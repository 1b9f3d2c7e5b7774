// The condensation modules' calculations against hand calculations.
//
// The products have a constant λ and, unless a test says otherwise, the
// outer coefficient is given, so that every balance is linear and the
// searches can be solved here with a bisection in double precision,
// independently of the program's secant steps. Dew points come from the
// formula Td = φ^0.1247·(T + 109.8) − 109.8 written out below.

#include "ModuleCatalogue.h"
#include "PageDocument.h"
#include "database/CIsoTykkelse.h"
#include "database/CProduktBeskrivelse.h"
#include "doc/CVekDoc.h"
#include "doc/StringTable.h"
#include "modules/CInnvendigKondensModul.h"
#include "modules/CUtvendigKondensModul.h"
#include "modules/CondensationTables.h"
#include "report/PageModel.h"
#include "report/ResultPages.h"

#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <regex>

using namespace module_test;

namespace {

constexpr double pi = 3.1415927;
constexpr double lambda = 0.04; // W/mK, Product(0)
constexpr double ho = 8.0;      // W/m²K, given
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
constexpr float infinite = std::numeric_limits<float>::infinity();

double DewPoint(double t, double phi)
{
    return std::pow(phi, 0.1247) * (t + 109.8) - 109.8;
}

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

double Number(const std::string& cell)
{
    return std::strtod(cell.c_str(), nullptr);
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

std::string Cell(const CTabell& table, int captionId, int column = 1)
{
    for (int r = 1; r < table.Rows(); ++r)
        if (table.Cell(r, 0) == LoadString(captionId))
            return table.Cell(r, column);
    ADD_FAILURE() << "no row " << LoadString(captionId);
    return {};
}

// What no page may show: "nan", "inf" or a negative zero, however written.
std::vector<std::string> Forbidden(const CTabell& table)
{
    static const std::regex forbidden(R"((^|[^\w])(-?(nan|inf)|-0([,.]0+)?)(?![\w,.]))", std::regex::icase);
    std::vector<std::string> found;
    for (int r = 0; r < table.Rows(); ++r)
        for (int c = 0; c < table.Columns(); ++c)
            if (std::regex_search(table.Cell(r, c), forbidden))
                found.push_back(table.Cell(r, c));
    return found;
}

} // namespace

class CondensationCalculation : public ModuleTest {
protected:
    CondensationCalculation()
    {
        PageModel::Get().Reset();
        // Product 0: λ 0.04 in 20, 30 and 40 mm; product 1 the same λ in
        // 100 and 150 mm only.
        for (std::size_t i = 0; i < 2; ++i) {
            CIsoProdukt* p = Product(i);
            p->a = p->b = p->c = 0.0f;
            p->d = float(lambda);
            const std::vector<float> standard = i == 0 ? std::vector<float>{20, 30, 40} : std::vector<float>{100, 150};
            for (float t : standard)
                p->thicknesses.push_back(std::make_unique<CIsoTykkelse>(t));
        }
        Material(0)->conductivityAtZero = 50.0f;
        Material(0)->temperatureCoefficient = 0.0f;
    }

    // A chilled-water pipe, DN 25 steel (33.7 × 3.2 mm), 5 °C in 25 °C at
    // 70 %, ho given.
    void Setup(CUtvendigKondensModul& m, int kind)
    {
        m.SetDefaults();
        m.objectKind = ObjectKind(kind);
        m.insulation.objectKind = kind;
        m.insulation.SetCatalogueProduct(Product(0));
        m.mediumTemperature = 5.0f;
        m.ambientTemperature = 25.0f;
        m.relativeHumidity = 70.0f;
        m.surroundings = Surroundings::GivenCoefficient;
        m.givenCoefficient = float(ho);
        m.pipe.SetMaterial(Material(0), true);
        m.pipe.SetDimension(*Material(0)->dimensions[1]);
        m.TakePipeValues();
        m.ductDiameter = 315.0f;
        m.height = 400.0f;
        m.width = 300.0f;
    }

    // Warm humid air through a Ø 250 mm duct, 15 m, 1080 m³/h; hi and ho given.
    void Setup(CInnvendigKondensModul& m)
    {
        m.SetDefaults();
        m.insulation.SetCatalogueProduct(Product(0));
        m.ductDiameter = 250.0f;
        m.ductLength = 15.0f;
        m.flow = 1080.0f;
        m.inletTemperature = 40.0f;
        m.relativeHumidity = 50.0f;
        m.ambientTemperature = 5.0f;
        m.surroundings = Surroundings::GivenCoefficient;
        m.givenCoefficient = float(ho);
        m.innerCoefficientGiven = true;
        m.givenInnerCoefficient = 10.0f;
    }
};

// The cold pipe: the thickness found holds the surface at the dew point,
// 19.1 °C for 25 °C at 70 %, and the next standard thickness is compared.
TEST_F(CondensationCalculation, ColdPipeSurfaceAtTheDewPointAndTheStandardThickness)
{
    CUtvendigKondensModul m;
    Setup(m, 0);
    ASSERT_TRUE(m.Calculate());
    EXPECT_TRUE(m.resultsValid);
    EXPECT_TRUE(prompter.Texts().empty());

    // By hand: the layer's flow λ(Ti − Td)/G with the wall's share of the
    // difference, J = Rw/(s/λ + Rw), against ho·π·Do·(Td − Ta).
    const double td = DewPoint(25, 0.7);
    const double di = 0.0337, rw = 0.0032 / 50.0;
    const auto residual = [&](double s) {
        const double doo = di + 2 * s;
        const double ti = 5 - (5 - td) * rw / (s / lambda + rw);
        return lambda * (ti - td) / (std::log(doo / di) / (2 * pi)) - ho * pi * doo * (td - 25);
    };
    const double s = Bisect(residual, 1e-6, 1.0);
    const double q = ho * pi * (di + 2 * s) * (td - 25);

    const CTabell& t = m.resultTable;
    EXPECT_EQ(t.name, "Isolering mot utvändig kondens");
    ASSERT_EQ(t.Columns(), 3);
    EXPECT_EQ(t.Cell(0, 1), "Nödv. isolertjocklek");
    EXPECT_EQ(t.Cell(0, 2), "Std. isolertjocklek");
    EXPECT_EQ(Captions(t), Texts({62521, 62317, 62334, 62450, 62322, 31, 28}));
    // The search stops within 0.1 W/m, 0.1 mm here; the cell rounds to 0.05 mm more.
    EXPECT_NEAR(Number(Cell(t, 62521)), s * 1000, 0.15);
    EXPECT_EQ(Cell(t, 62521, 2), "20.0 mm");
    EXPECT_EQ(Cell(t, 62317), "19.1 °C");
    EXPECT_EQ(Cell(t, 62334), "19.1 °C");
    EXPECT_EQ(Cell(t, 62334, 2), "19.1 °C");
    EXPECT_EQ(Cell(t, 62450), "8.0 W/m²K");
    EXPECT_NEAR(Number(Cell(t, 62322)), q, 0.051);
    EXPECT_NEAR(Number(Cell(t, 31)), q / (5 - 25), 0.0051);
    EXPECT_EQ(Cell(t, 28), "");
    // Class 6 allows 0.8·0.0337 + 0.12 = 0.15 W/mK.
    EXPECT_EQ(Cell(t, 28, 2), "0.15 W/mK");

    // 20 mm: the balance is linear, Ts = (A·Tm + B·Ta)/(A + B) with A the
    // layer's conductance (λ at 15 °C for the wall's share) and B = 8·π·Do.
    const double doo = di + 0.04;
    const double f = rw / (0.02 / lambda + rw);
    const double A = lambda * (1 - f) / (std::log(doo / di) / (2 * pi)), B = ho * pi * doo;
    const double ts = (A * 5 + B * 25) / (A + B);
    EXPECT_NEAR(Number(Cell(t, 62317, 2)), ts, 0.051);
    EXPECT_NEAR(Number(Cell(t, 62322, 2)), B * (ts - 25), 0.051);
    EXPECT_NEAR(Number(Cell(t, 31, 2)), B * (ts - 25) / -20, 0.0051);
    // The standard thickness keeps the surface warmer than the dew point.
    EXPECT_GT(ts, td);

    // The drawing shows the pipe with 20 mm: 73.7 mm, a = b = 50.
    EXPECT_EQ(m.spaceDrawing.Kind(), CInsulationSpace::pipe);
    EXPECT_EQ(m.spaceDrawing.Diameter(), 74);

    const CTabell& in = m.inputTable;
    EXPECT_EQ(Captions(in), Texts({62359, 62364, 62430, 62409, 62395, 62486, 62397, 62404}));
    EXPECT_EQ(Cell(in, 62359), "Rörledning");
    EXPECT_EQ(Cell(in, 62364), "33.7 mm");
    EXPECT_EQ(Cell(in, 62430), "Lamell");
    EXPECT_EQ(Cell(in, 62486), "70.0 %");
    EXPECT_EQ(Cell(in, 62397), "Givet utvändigt värmeövergangstal");
    EXPECT_EQ(Cell(in, 62404), "8.0");

    // A user's product gets no standard thickness: the two-column table.
    m.insulation.source = CIsolasjon::userSource;
    m.insulation.SetUserProduct(UserProduct(0));
    UserProduct(0)->a = UserProduct(0)->b = UserProduct(0)->c = 0.0f;
    UserProduct(0)->d = float(lambda);
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.resultTable.Columns(), 2);
    EXPECT_EQ(Captions(m.resultTable), Texts({62452, 62334, 62450, 62322, 31, 28}));
    EXPECT_NEAR(Number(Cell(m.resultTable, 62452)), s * 1000, 0.15);
    EXPECT_EQ(Cell(m.inputTable, 62431), "Egen A");
    // The drawing then shows the needed thickness.
    EXPECT_EQ(m.spaceDrawing.Diameter(), int(1000 * (di + 2 * s) + 0.5));
}

// A medium at or above the dew point needs 0.0 mm, whatever the object, and
// shows the bare object's coefficient and flow without a standard row.
TEST_F(CondensationCalculation, MediumAtOrAboveTheDewPointNeedsNoInsulation)
{
    for (int kind = 0; kind <= 5; ++kind) {
        SCOPED_TRACE(kind);
        CUtvendigKondensModul m;
        Setup(m, kind);
        for (float tm : {m.DewPoint(), 22.0f, 40.0f}) {
            m.mediumTemperature = tm;
            ASSERT_TRUE(m.Calculate());
            const CTabell& t = m.resultTable;
            EXPECT_EQ(t.Columns(), 2);
            EXPECT_EQ(Captions(t), Texts({62452, 62334, 62450, 62322, 31, 28}));
            EXPECT_EQ(Cell(t, 62452), "0.0 mm");
            EXPECT_EQ(Cell(t, 62450), "8.0 W/m²K");
            // ho·P·(Tm − Ta); the bare steel wall holds back a few thousandths of a kelvin.
            const double perimeter = kind == 0 ? pi * 0.0337 : kind == 1 ? pi * 0.315 : kind <= 3 ? 1.4 : 1.0;
            const double q = ho * perimeter * (tm - 25);
            EXPECT_NEAR(Number(Cell(t, 62322)), q, 0.051 + 1e-4 * std::fabs(q));
            // Class 6: 0.8·D + 0.12 for D = 0.0337 and 0.315 m; for the
            // rectangular ducts D = 2·(0.4 + 0.3)/3.1415 = 0.4456 m is past
            // 0.4001, so 3.1415·D·0.22; surfaces 0.22 W/m²K.
            const char* requirement[6] = {"0.15 W/mK", "0.37 W/mK", "0.31 W/mK", "0.31 W/mK", "0.22 W/m²K",
                                          "0.22 W/m²K"};
            EXPECT_EQ(Cell(t, 28), requirement[kind]);
        }
        if (kind == 1) {
            EXPECT_EQ(m.spaceDrawing.Diameter(), 315);
        } else if (kind == 2) {
            EXPECT_EQ(m.spaceDrawing.Width(), 300);
            EXPECT_EQ(m.spaceDrawing.Height(), 400);
        }
    }
}

// More than the largest standard thickness: the two-column table says so;
// a standard thickness that would close a duct lined inside is left out and
// the row says why.
TEST_F(CondensationCalculation, StandardThicknessLargestAndTooThickForTheDuct)
{
    // A horizontal cold surface at −30 °C: s = λ(Tm − Td)/(ho(Td − Ta)), 42 mm.
    CUtvendigKondensModul m;
    Setup(m, 4);
    m.mediumTemperature = -30.0f;
    ASSERT_TRUE(m.Calculate());
    const double td = DewPoint(25, 0.7);
    const double s = lambda * (-30 - td) / (ho * (td - 25));
    const CTabell& t = m.resultTable;
    EXPECT_EQ(t.Columns(), 2);
    EXPECT_EQ(Captions(t), Texts({62452, 62458, 62334, 62450, 62322, 31, 28}));
    EXPECT_NEAR(Number(Cell(t, 62452)), s * 1000, 0.1);
    EXPECT_EQ(Cell(t, 62458), "Större än största std. tjocklek");
    // q = ho·(Td − Ta) = 8·(19.136 − 25); U = q/(Tm − Ta) = −46.91/−55.
    EXPECT_EQ(Cell(t, 62322), "-46.9 W/m²");
    EXPECT_EQ(Cell(t, 31), "0.85 W/m²K");
    EXPECT_EQ(Cell(t, 28), "0.22 W/m²K");

    // A 200 × 200 mm duct lined inside, 10 °C air: a few mm are needed. 20 mm
    // fits, 100 mm of product 1 would close it.
    m.objectKind = ObjectKind(3);
    m.height = m.width = 200.0f;
    m.mediumTemperature = 10.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.resultTable.Columns(), 3);
    EXPECT_EQ(Cell(m.resultTable, 62521, 2), "20.0 mm");
    m.insulation.SetCatalogueProduct(Product(1));
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.resultTable.Columns(), 2);
    EXPECT_EQ(Cell(m.resultTable, 62458), "100.0 mm ryms inte i kanalen");
    // G = s/Po and qo = ho·Po·(Td − Ta): the perimeter cancels, as for a plane.
    const double needed = lambda * (10 - td) / (ho * (td - 25));
    EXPECT_NEAR(Number(Cell(m.resultTable, 62452)), needed * 1000, 0.1);
    // No drawing for ducts lined inside.
    EXPECT_TRUE(prompter.Texts().empty());
}

// Failures: the message once, no results.
TEST_F(CondensationCalculation, ExternalRefusals)
{
    PageParts<CUtvendigKondensModul, CInnvendigKondensModul> parts;
    CVekDoc doc(parts);
    doc.NewDocument();
    auto& m = static_cast<CUtvendigKondensModul&>(doc.Module(3));
    CPageLists& lists = ResultPages::Of(doc)->Lists();
    const auto refuses = [&](const std::string& message) {
        prompter.Clear();
        EXPECT_FALSE(m.Calculate());
        EXPECT_FALSE(m.resultsValid);
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{message});
        EXPECT_FALSE(lists.Shows(3, &m.resultTable));
        EXPECT_FALSE(lists.Shows(3, &m.inputTable));
        EXPECT_FALSE(lists.Shows(3, &m.spaceDrawing));
        Setup(m, 0);
        ASSERT_TRUE(m.Calculate());
        EXPECT_TRUE(lists.Shows(3, &m.resultTable));
    };
    Setup(m, 0);
    ASSERT_TRUE(m.Calculate());
    EXPECT_TRUE(lists.Shows(3, &m.spaceDrawing));

    // −10 °C air in a 100 × 100 mm duct lined inside at 90 %: 83 mm would close it.
    m.objectKind = ObjectKind(3);
    m.height = m.width = 100.0f;
    m.mediumTemperature = -10.0f;
    m.ambientTemperature = 20.0f;
    m.relativeHumidity = 90.0f;
    refuses(LoadString(62540));

    // Equal temperatures leave no difference to divide by.
    m.mediumTemperature = 25.05f;
    refuses(LoadString(62526));

    // A horizontal surface at −200 °C under air at 99 %: metres of insulation.
    m.objectKind = ObjectKind(4);
    m.mediumTemperature = -200.0f;
    m.relativeHumidity = 99.0f;
    refuses(LoadString(62513));

    // A vertical surface is checked for its height, a horizontal one is not.
    m.objectKind = ObjectKind(5);
    m.orientation = 1;
    m.height = 0.0f;
    refuses("Värdet för höjden måste ligga mellan 1.00 och 5000.00");
    m.objectKind = ObjectKind(5);
    m.height = 0.0f;
    EXPECT_TRUE(m.Calculate());

    // λ = 0.04 + 0.001·T is zero at −40 °C: at −150 °C the insulation's mean
    // would have a negative λ and look as if none were needed.
    Product(1)->c = 0.001f;
    m.insulation.SetCatalogueProduct(Product(1));
    m.mediumTemperature = -150.0f;
    refuses("Isolerproduktens lambdavärde blir noll eller negativt mellan -150.0 °C och 25.0 °C, avbryter "
            "beräkningen.");
    // Above the dew point the product's λ plays no part.
    m.insulation.SetCatalogueProduct(Product(1));
    m.mediumTemperature = 40.0f;
    EXPECT_TRUE(m.Calculate());
    Product(1)->c = 0.0f;

    // Without a product or a cladding the dialog's messages.
    m.insulation.SetCatalogueProduct(nullptr);
    refuses("Du måste välja en isolerprodukt.");
    m.surroundings = Surroundings::Indoors;
    refuses("Du måste välja en ytbeklädnad.");
}

// A document may hold anything: each number the dialog exchanges is refused
// as the dialog would refuse it, NaN and infinities included.
TEST_F(CondensationCalculation, StoredValuesAreCheckedAsTheDialogChecksThem)
{
    for (const auto* field : externalCondensationFields::all) {
        for (float bad : {notANumber, infinite, -infinite}) {
            SCOPED_TRACE(field->name);
            CUtvendigKondensModul m;
            Setup(m, 1);
            m.*(field->value) = bad;
            prompter.Clear();
            EXPECT_FALSE(m.Calculate());
            EXPECT_FALSE(m.resultsValid);
            EXPECT_EQ(prompter.Texts(), std::vector<std::string>{std::string(field->label) + " Skriv in ett tal."});
        }
    }
    for (const auto* field : internalCondensationFields::all) {
        for (float bad : {notANumber, infinite}) {
            SCOPED_TRACE(field->name);
            CInnvendigKondensModul m;
            Setup(m);
            m.*(field->value) = bad;
            prompter.Clear();
            EXPECT_FALSE(m.Calculate());
            EXPECT_EQ(prompter.Texts(), std::vector<std::string>{std::string(field->label) + " Skriv in ett tal."});
        }
    }

    // Out of the exchange's range, and out of a named range.
    CUtvendigKondensModul m;
    Setup(m, 1);
    m.relativeHumidity = 100.0f;
    EXPECT_FALSE(m.Calculate());
    EXPECT_EQ(prompter.Texts().back(), "Rel luftfuktighet [%]: Skriv in ett tal mellan 1 och 99.");
    m.relativeHumidity = 50.0f;
    m.ductDiameter = 0.5f;
    EXPECT_FALSE(m.Calculate());
    EXPECT_EQ(prompter.Texts().back(), "Värdet för diameteren måste ligga mellan 1.00 och 3000.00");

    // A duct without length has no heat loss per metre.
    CInnvendigKondensModul duct;
    Setup(duct);
    duct.ductLength = 0.0f;
    EXPECT_FALSE(duct.Calculate());
    EXPECT_EQ(prompter.Texts().back(), "Längd [m]: Skriv in ett tal mellan 0.1 och 1000.");
    duct.ductLength = 15.0f;
    duct.flowUnit = FlowUnit::MetresPerSecond;
    duct.flow = 60.0f;
    EXPECT_FALSE(duct.Calculate());
    EXPECT_EQ(prompter.Texts().back(), "Värdet för flödet måste ligga mellan 0.00 och 50.00");
    duct.flow = 5.0f;
    duct.ambientTemperature = 39.95f;
    EXPECT_FALSE(duct.Calculate());
    EXPECT_EQ(prompter.Texts().back(), LoadString(62527));
}

// Values that round to zero show no sign, and no cell is ever nan or inf.
TEST_F(CondensationCalculation, NoCellShowsANegativeZeroOrNoNumber)
{
    // 4.96 °C at 70 %: the dew point is −0.03 °C.
    CUtvendigKondensModul m;
    Setup(m, 4);
    m.ambientTemperature = 4.96f;
    m.mediumTemperature = -10.0f;
    ASSERT_LT(m.DewPoint(), 0.0f);
    ASSERT_GT(m.DewPoint(), -0.05f);
    for (int kind = 0; kind <= 5; ++kind) {
        m.objectKind = ObjectKind(kind);
        for (float tm : {-10.0f, m.DewPoint(), 4.8f, 30.0f}) {
            m.mediumTemperature = tm;
            ASSERT_TRUE(m.Calculate());
            EXPECT_EQ(Forbidden(m.resultTable), std::vector<std::string>{});
            EXPECT_EQ(Forbidden(m.inputTable), std::vector<std::string>{});
            EXPECT_EQ(Cell(m.resultTable, 62334), "0.0 °C");
        }
    }

    CInnvendigKondensModul duct;
    Setup(duct);
    for (float ta : {5.0f, 39.5f, 45.0f}) {
        duct.ambientTemperature = ta;
        ASSERT_TRUE(duct.Calculate());
        EXPECT_EQ(Forbidden(duct.resultTable), std::vector<std::string>{});
        EXPECT_EQ(Forbidden(duct.inputTable), std::vector<std::string>{});
    }
}

namespace {

// The duct of Setup with thickness s, by hand: the layer's conductance
// A = 2πλ/ln(Do/D) and the surface's B = ho·π·Do put the surface at
// Ts = (A·Tin + B·Ta)/(A + B); then U' = 1/((Tin − Ta)/qi + 1/(hi·π·D)),
// Tout = Ta + (Tin − Ta)·exp(−L·U'/(V·ρc)), Tsi = Tout − (Tout − Ta)·U'/(hi·π·D).
struct Duct {
    double d = 0.25, length = 15, flow = 0.3, tin = 40, ta = 5, hi = 10;
    struct At {
        double outlet, wall, loss;
    };
    At at(double s) const
    {
        At r;
        const double rc = flow * (1.29 - 0.00346 * tin) * 1000;
        double u;
        if (s > 0) {
            const double A = 2 * pi * lambda / std::log((d + 2 * s) / d), B = ho * pi * (d + 2 * s);
            const double ts = (A * tin + B * ta) / (A + B);
            u = 1 / ((tin - ta) / (A * (tin - ts)) + 1 / (hi * pi * d));
        } else {
            u = pi * d / (1 / hi + 1 / ho);
        }
        r.outlet = ta + (tin - ta) * std::exp(-length * u / rc);
        r.wall = r.outlet - (r.outlet - ta) * u / (hi * pi * d);
        r.loss = rc * (tin - r.outlet);
        return r;
    }
};

} // namespace

// Warm air at 40 °C and 50 % through a duct in 5 °C: the wall at the outlet
// at the dew point, 27.6 °C; the given inner coefficient in both columns.
TEST_F(CondensationCalculation, InnerWallAtTheDewPointWithTheStandardThickness)
{
    CInnvendigKondensModul m;
    Setup(m);
    ASSERT_TRUE(m.Calculate());
    EXPECT_TRUE(prompter.Texts().empty());
    const Duct duct;
    const double td = DewPoint(40, 0.5);
    const double s = Bisect([&](double x) { return duct.at(x).wall - td; }, 1e-6, 1.0);
    const double slope = (duct.at(s + 1e-4).wall - duct.at(s - 1e-4).wall) / 2e-4;
    const Duct::At need = duct.at(s);

    const CTabell& t = m.resultTable;
    EXPECT_EQ(t.name, "Isolering mot invändig kondens ");
    ASSERT_EQ(t.Columns(), 3);
    EXPECT_EQ(Captions(t), Texts({62521, 62441, 62442, 62334, 62322, 62488, 62539, 62646, 31, 28}));
    // The search stops within 0.1 K of the dew point.
    const double found = Number(Cell(t, 62521)) / 1000;
    EXPECT_NEAR(found, s, 0.1 / std::fabs(slope) + 0.00005);
    EXPECT_EQ(Cell(t, 62334), "27.6 °C");
    EXPECT_NEAR(Number(Cell(t, 62539)), td, 0.15);
    EXPECT_NEAR(Number(Cell(t, 62488)), need.outlet, 0.05 + std::fabs(duct.at(found).outlet - need.outlet));
    EXPECT_EQ(Cell(t, 62441), "8.0 W/m²K");
    EXPECT_EQ(Cell(t, 62442), "10.0 W/m²K");
    EXPECT_EQ(Cell(t, 62442, 2), "10.0 W/m²K");
    EXPECT_EQ(Cell(t, 28), "-");
    // 0.8·0.25 + 0.12 = 0.32 W/mK.
    EXPECT_EQ(Cell(t, 28, 2), "0.32 W/mK");

    // The standard column at 20 mm, by the same hand calculation.
    EXPECT_EQ(Cell(t, 62521, 2), "20.0 mm");
    const Duct::At standard = duct.at(0.02);
    EXPECT_NEAR(Number(Cell(t, 62488, 2)), standard.outlet, 0.051);
    EXPECT_NEAR(Number(Cell(t, 62539, 2)), standard.wall, 0.051);
    EXPECT_NEAR(Number(Cell(t, 62322, 2)), standard.loss / 15, 0.051);
    EXPECT_NEAR(Number(Cell(t, 31, 2)), standard.loss / 15 / ((40 + standard.outlet) / 2 - 5), 0.0051);
    // π·(0.25 + 0.04)·15 = 13.67 m².
    EXPECT_EQ(Cell(t, 62646, 2), "13.67 m²");
    EXPECT_GT(standard.wall, td);

    const CTabell& in = m.inputTable;
    EXPECT_EQ(Captions(in), Texts({62489, 62364, 62542, 62430, 62395, 62397, 62441, 62442, 19, 62447, 62426, 62486}));
    EXPECT_EQ(Cell(in, 62489), "Cirkulär kanal");
    EXPECT_EQ(Cell(in, 62542), "15.00 m");
    EXPECT_EQ(Cell(in, 62442), "10.0");
    EXPECT_EQ(Cell(in, 62447), "1080 m³/h");
    EXPECT_EQ(Cell(in, 19), "Nej");
}

// The dew point of the air below the surroundings: nothing condenses, no
// insulation, and the uninsulated supports lengthen the cooling by 15 %
// indoors or with a given coefficient and by 25 % outdoors.
TEST_F(CondensationCalculation, BareDuctAndTheSupportsOnTheCoolingLength)
{
    CInnvendigKondensModul m;
    Setup(m);
    m.inletTemperature = 22.0f;
    m.relativeHumidity = 60.0f; // Td 13.9 °C
    m.ambientTemperature = 15.0f;
    m.flow = 360.0f;
    m.ductLength = 10.0f;
    m.givenCoefficient = 5.0f;
    ASSERT_TRUE(m.Calculate());
    const CTabell& t = m.resultTable;
    EXPECT_EQ(t.Columns(), 2);
    EXPECT_EQ(Captions(t), Texts({62452, 62441, 62442, 62334, 62322, 62488, 31, 28}));
    EXPECT_EQ(Cell(t, 62452), "0.0 mm");
    EXPECT_EQ(Cell(t, 62334), "13.9 °C");

    // U' = π·0.25/(1/10 + 1/5); Tout = 15 + 7·exp(−L·U'/(0.1·ρc)) with ρc at 22 °C.
    const double u = pi * 0.25 / (0.1 + 0.2);
    const double rc = 0.1 * (1.29 - 0.00346 * 22) * 1000;
    const auto expect = [&](double length) {
        const double outlet = 15 + 7 * std::exp(-length * u / rc);
        const double perMetre = rc * (22 - outlet) / 10;
        EXPECT_NEAR(Number(Cell(m.resultTable, 62488)), outlet, 0.051);
        EXPECT_NEAR(Number(Cell(m.resultTable, 62322)), perMetre, 0.051);
        EXPECT_NEAR(Number(Cell(m.resultTable, 31)), perMetre / ((22 + outlet) / 2 - 15), 0.0051);
    };
    expect(10);
    m.supports = true;
    ASSERT_TRUE(m.Calculate());
    expect(11.5);
    EXPECT_EQ(Cell(m.inputTable, 19), "Ja");

    // Outdoors, 2 m/s: ho = 8.9·2^0.9/0.25^0.1 + 0.9·5.67·(x22⁴ − x15⁴)/7, and 25 % more length.
    m.surroundings = Surroundings::Outdoors;
    m.windSpeed = 2.0f;
    m.surfaceSource = true;
    m.surfaceEmissivity = 0.9f;
    ASSERT_TRUE(m.Calculate());
    const double xs = (22 + 273.15) / 100, xa = (15 + 273.15) / 100;
    const double outdoor = 8.9 * std::pow(2.0, 0.9) / std::pow(0.25, 0.1)
        + 0.9 * 5.67 * (std::pow(xs, 4) - std::pow(xa, 4)) / 7;
    EXPECT_NEAR(Number(Cell(m.resultTable, 62441)), outdoor, 0.051);
    const double uOut = pi * 0.25 / (0.1 + 1 / outdoor);
    const double outlet = 15 + 7 * std::exp(-12.5 * uOut / rc);
    EXPECT_NEAR(Number(Cell(m.resultTable, 62488)), outlet, 0.051);
    EXPECT_NEAR(Number(Cell(m.resultTable, 62322)), rc * (22 - outlet) / 10, 0.051);
    EXPECT_EQ(Cell(m.inputTable, 62401), "2.0 m/s");
    EXPECT_EQ(Cell(m.inputTable, 62393), "0.90");
}

// The exhaust duct of a bathroom fan: 22 °C and 60 % through a 0 °C attic,
// the inner coefficient from the air flow; and a product whose λ reaches
// zero between the temperatures is refused.
TEST_F(CondensationCalculation, ExhaustDuctThroughAColdAttic)
{
    CInnvendigKondensModul m;
    Setup(m);
    m.ductDiameter = 125.0f;
    m.ductLength = 8.0f;
    m.flowUnit = FlowUnit::LitresPerSecond;
    m.flow = 30.0f;
    m.inletTemperature = 22.0f;
    m.relativeHumidity = 60.0f;
    m.ambientTemperature = 0.0f;
    m.innerCoefficientGiven = false;
    ASSERT_TRUE(m.Calculate());
    const CTabell& t = m.resultTable;
    EXPECT_EQ(Cell(t, 62334), "13.9 °C");
    EXPECT_NEAR(Number(Cell(t, 62539)), DewPoint(22, 0.6), 0.15);
    // 0.03 m³/s through Ø 125 mm at 22 °C: ν = (13.45 + 0.1·22)·1e-6,
    // λair = (24.1 + 0.0764·22)·0.001, hi = 0.0207·λair·Re^0.8/D.
    const double re = 0.125 * (0.03 / (pi * 0.125 * 0.125 / 4)) / ((13.45 + 2.2) * 1e-6);
    const double hi = 0.0207 * (24.1 + 0.0764 * 22) * 0.001 * std::pow(re, 0.8) / 0.125;
    EXPECT_NEAR(Number(Cell(t, 62442)), hi, 0.051);
    EXPECT_EQ(Cell(m.inputTable, 62447), "30 l/s");

    // λ = 0.04 − 0.002·T is zero at 20 °C, inside 0 … 22 °C.
    Product(0)->c = -0.002f;
    EXPECT_FALSE(m.Calculate());
    EXPECT_EQ(prompter.Texts().back(),
              "Isolerproduktens lambdavärde blir noll eller negativt mellan 0.0 °C och 22.0 °C, avbryter beräkningen.");
    Product(0)->c = 0.0f;
}

// On the document's pages 3 and 4, gone after a failure, calculated again
// to the same tables after reopening.
TEST_F(CondensationCalculation, PagesAndReopening)
{
    PageParts<CUtvendigKondensModul, CInnvendigKondensModul> parts;
    CVekDoc doc(parts);
    doc.NewDocument();
    auto& outer = static_cast<CUtvendigKondensModul&>(doc.Module(3));
    auto& inner = static_cast<CInnvendigKondensModul&>(doc.Module(4));
    CPageLists& lists = ResultPages::Of(doc)->Lists();
    EXPECT_EQ(lists.Items(3).size(), 2u);
    EXPECT_EQ(lists.Items(4).size(), 2u);

    Setup(outer, 2);
    Setup(inner);
    ASSERT_TRUE(outer.Calculate());
    ASSERT_TRUE(inner.Calculate());
    EXPECT_TRUE(lists.Shows(3, &outer.resultTable) && lists.Shows(3, &outer.inputTable));
    EXPECT_TRUE(lists.Shows(3, &outer.spaceDrawing));
    EXPECT_TRUE(lists.Shows(4, &inner.resultTable) && lists.Shows(4, &inner.inputTable));
    const PageModel& model = PageModel::Get();
    EXPECT_EQ(outer.resultTable.rect.top, model.YUnits(65));
    EXPECT_EQ(outer.inputTable.rect.top, model.YUnits(outer.resultTable.Bottom() + 10));
    EXPECT_EQ(outer.spaceDrawing.rect.top, model.YUnits(outer.inputTable.Bottom() + 10));
    EXPECT_EQ(inner.inputTable.rect.top, model.YUnits(inner.resultTable.Bottom() + 10));
    EXPECT_EQ(outer.spaceDrawing.Kind(), CInsulationSpace::rectangularDuct);

    // Kinds 3 to 5 have no drawing.
    outer.objectKind = ObjectKind(5);
    ASSERT_TRUE(outer.Calculate());
    EXPECT_FALSE(lists.Shows(3, &outer.spaceDrawing));
    outer.objectKind = ObjectKind(2);
    ASSERT_TRUE(outer.Calculate());

    const std::string outerText = outer.resultTable.ClipboardText() + outer.inputTable.ClipboardText();
    const std::string innerText = inner.resultTable.ClipboardText() + inner.inputTable.ClipboardText();
    const auto bytes = doc.Store();
    doc.NewDocument();
    EXPECT_EQ(lists.Items(3).size(), 2u);
    doc.Load(bytes);
    auto& outerAgain = static_cast<CUtvendigKondensModul&>(doc.Module(3));
    auto& innerAgain = static_cast<CInnvendigKondensModul&>(doc.Module(4));
    EXPECT_TRUE(outerAgain.resultsValid);
    EXPECT_TRUE(innerAgain.resultsValid);
    EXPECT_EQ(outerAgain.resultTable.ClipboardText() + outerAgain.inputTable.ClipboardText(), outerText);
    EXPECT_EQ(innerAgain.resultTable.ClipboardText() + innerAgain.inputTable.ClipboardText(), innerText);
    EXPECT_TRUE(lists.Shows(3, &outerAgain.spaceDrawing));

    // A failure clears the page and is saved without results.
    innerAgain.ambientTemperature = innerAgain.inletTemperature;
    prompter.Clear();
    EXPECT_FALSE(innerAgain.Calculate());
    EXPECT_EQ(lists.Items(4).size(), 2u);
    doc.Load(doc.Store());
    EXPECT_FALSE(static_cast<CInnvendigKondensModul&>(doc.Module(4)).resultsValid);
    EXPECT_EQ(lists.Items(4).size(), 2u);
}
