// The flowing-medium module's calculation: the run, its questions and its
// page, against hand calculations.
//
// Most sections here have a product of constant λ and a given outer
// coefficient, so that each section's conductance per metre UA' is a
// constant worked out below and the medium follows
//   T(x) = Ta + (Tin − Ta)·exp(−x·UA'/(V̇·ρc)).

#include "ModuleCatalogue.h"
#include "PageDocument.h"
#include "database/CProduktBeskrivelse.h"
#include "doc/CVekDoc.h"
#include "doc/StringTable.h"
#include "modules/CKanalTempModul.h"
#include "report/PageModel.h"
#include "report/ResultPages.h"
#include "thermal/SurfaceTransfer.h"

#include <cmath>
#include <cstdlib>
#include <limits>

using namespace module_test;
using platform::Answer;

namespace {

constexpr double pi = 3.1415927;

// The 60.3 × 2.9 mm pipe with λw = 50 W/mK under 40 mm of λ = 0.04 W/mK,
// ho = 8 W/m²K: the layer with the wall's share in series with the surface.
double PipeConductance()
{
    const double di = 0.0603, dout = di + 0.08;
    const double g = std::log(dout / di) / (2 * pi);
    const double rw = 0.0029 / 50.0;
    const double f = rw / (1.0 + rw);
    const double a = 0.04 * (1 - f) / g;
    const double b = 8.0 * pi * dout;
    return a * b / (a + b); // 0.27443 W/mK
}

// Ø 315 mm duct, 50 mm of λ = 0.04, hi = 12 and ho = 8 given: 1/R per metre.
double DuctConductance()
{
    const double di = 0.315, dout = 0.415;
    return 1 / (1 / (12.0 * pi * di) + std::log(dout / di) / (0.04 * 2 * pi) + 1 / (8.0 * pi * dout));
}

double AirRhoC(double t)
{
    return 1000 * (1.308 - 0.0035 * t); // below 150 °C
}

double Profile(double tin, double ta, double x, double ua, double capacity)
{
    return ta + (tin - ta) * std::exp(-x * ua / capacity);
}

double Number(const std::string& cell)
{
    return std::strtod(cell.c_str(), nullptr);
}

std::vector<std::string> Column(const CTabell& table, int column)
{
    std::vector<std::string> cells;
    for (int r = 1; r < table.Rows(); ++r)
        cells.push_back(table.Cell(r, column));
    return cells;
}

std::string Row(const CTabell& table, const std::string& caption, int column = 1)
{
    for (int r = 1; r < table.Rows(); ++r)
        if (table.Cell(r, 0) == caption)
            return table.Cell(r, column);
    ADD_FAILURE() << "no row " << caption;
    return {};
}

std::string Row(const CTabell& table, int captionId, int column = 1)
{
    return Row(table, LoadString(captionId), column);
}

bool HasRow(const CTabell& table, int captionId)
{
    for (int r = 1; r < table.Rows(); ++r)
        if (table.Cell(r, 0) == LoadString(captionId))
            return true;
    return false;
}

std::vector<std::string> Texts(std::initializer_list<int> ids)
{
    std::vector<std::string> texts;
    for (int id : ids)
        texts.push_back(LoadString(id));
    return texts;
}

} // namespace

class FlowCalculation : public ModuleTest {
protected:
    FlowCalculation()
    {
        PageModel::Get().Reset();
        CIsoProdukt* p = Product(0);
        p->a = p->b = p->c = 0.0f;
        p->d = 0.04f;
        Material(0)->conductivityAtZero = 50.0f;
        Material(0)->temperatureCoefficient = 0.0f;
        doc.NewDocument();
    }
    ~FlowCalculation() override { PageModel::Get().Reset(); }

    CKanalTempModul& Module() { return static_cast<CKanalTempModul&>(doc.Module(CKanalTempModul::pageIndex)); }
    CPageLists& Lists() { return ResultPages::Of(doc)->Lists(); }
    // The module's items on its page, header and footer left out.
    std::size_t ShownItems() { return Lists().Items(CKanalTempModul::pageIndex).size() - 2; }

    // The insulated pipe above, 20 °C around, the given coefficient.
    CSegment& AddPipe(CKanalTempModul& m, float length, float flowM3h = 0.5f)
    {
        auto s = std::make_unique<CSegment>(CSegment::pipeline);
        s->name = "Sektion " + std::to_string(m.sections.size() + 1);
        s->SetProduct(Product(0));
        s->thickness = 40.0f;
        s->Pipe().SetMaterial(Material(0), true);
        s->ownPipeDimension = true;
        s->pipeDiameter = 60.3f;
        s->wallThickness = 2.9f;
        s->surroundings = Surroundings::GivenCoefficient;
        s->outerCoefficient = 8.0f;
        s->length = length;
        s->flowUnit = FlowUnit::CubicMetresPerHour;
        s->flow = flowM3h;
        m.sections.push_back(std::move(s));
        return *m.sections.back();
    }

    // The Ø 315 mm duct above with 0.05 m³/s (180 m³/h).
    CSegment& AddDuct(CKanalTempModul& m, float length)
    {
        auto s = std::make_unique<CSegment>(CSegment::circularDuct);
        s->name = "Sektion " + std::to_string(m.sections.size() + 1);
        s->SetProduct(Product(0));
        s->thickness = 50.0f;
        s->ductDiameter = 315.0f;
        s->surroundings = Surroundings::GivenCoefficient;
        s->outerCoefficient = 8.0f;
        s->innerCoefficientGiven = true;
        s->innerCoefficient = 12.0f;
        s->ambientTemperature = 0.0f;
        s->length = length;
        s->flowUnit = FlowUnit::CubicMetresPerHour;
        s->flow = 180.0f;
        m.sections.push_back(std::move(s));
        return *m.sections.back();
    }

    PageParts<CKanalTempModul> parts;
    CVekDoc doc{parts};
};

// Glycol through five pipe sections: each outlet on the run's exponential,
// each section's loss what the glycol gives up between its ends, the totals,
// U-values and class limits by hand.
TEST_F(FlowCalculation, PipelineRunFollowsTheProfileAndBalancesTheEnergy)
{
    CKanalTempModul& m = Module();
    m.SetMedium(Liquid(1)); // glycol: 1050 kg/m³, 3600 J/kgK, −20 °C
    m.inletTemperature = 80.0f;
    for (int k = 0; k < 5; ++k)
        AddPipe(m, 40.0f, 0.2f);
    m.energyCostEnabled = true;
    ASSERT_TRUE(m.Calculate());
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_TRUE(m.resultsValid);

    // ṁc = 0.2/3600 · 1050 · 3600 = 210 W/K; ℓ = 210/0.27443 = 765 m.
    const double ua = PipeConductance();
    const double capacity = 0.2 / 3600 * 1050 * 3600;
    const CTabell& t = m.resultTable;
    ASSERT_EQ(t.Columns(), 4);
    EXPECT_EQ(t.Cell(0, 0), "Sektionsnamn");
    EXPECT_EQ(t.Cell(0, 1), "Utloppstemp.");
    EXPECT_EQ(t.Cell(0, 3), "Utv. övergång");
    double total = 0;
    for (int k = 1; k <= 5; ++k) {
        const double in = Profile(80, 20, 40.0 * (k - 1), ua, capacity);
        const double out = Profile(80, 20, 40.0 * k, ua, capacity);
        EXPECT_EQ(t.Cell(k, 0), "Sektion " + std::to_string(k));
        EXPECT_NEAR(Number(t.Cell(k, 1)), out, 0.051) << t.Cell(k, 1);
        EXPECT_NEAR(Number(t.Cell(k, 2)), capacity * (in - out), 0.2) << t.Cell(k, 2);
        EXPECT_EQ(t.Cell(k, 3), "8.0 W/m²K");
        // U = Q/L/(mean − Ta), close to UA'; D = 0.0603 m: 0.8·D + 0.12.
        const double u = capacity * (in - out) / 40 / ((in + out) / 2 - 20);
        EXPECT_EQ(m.uValueTable.Cell(k, 1), Sprintf(std::string("%.2f W/mK"), u));
        EXPECT_EQ(m.uValueTable.Cell(k, 2), "0.17 W/mK");
        total += capacity * (in - out);
    }
    // 200 m lose 60·(1 − e^(−0.2614)) K of 210 W/K: 2902 W, 14.5 W/m;
    // 2902 W · 8760 h = 25 423 kWh, at 60 öre 15 254 kr.
    const CTabell& totals = m.totalsTable;
    EXPECT_EQ(Column(totals, 0), Texts({62451, 63006, 62444, 62445}));
    EXPECT_NEAR(Number(Row(totals, 62451)), total, 1.0);
    EXPECT_NEAR(Number(Row(totals, 63006)), total / 200, 0.051);
    EXPECT_NEAR(Number(Row(totals, 62444)), total * 8.76, 10);
    EXPECT_NEAR(Number(Row(totals, 62445)), total * 8.76 * 0.6, 6);

    // The module's input names the liquid and its values.
    EXPECT_EQ(Column(m.inputTable, 0), Texts({63010, 63013, 63014, 63015, 62426, 62413, 62411}));
    EXPECT_EQ(Column(m.inputTable, 1), (std::vector<std::string>{"Glykol", "1050 kg/m³", "3600 J/kgK", "-20.0 °C",
                                                                 "80.0 °C", "60.0 öre/kWh", "8760 h/år"}));

    // The user's own medium instead: water's values typed in.
    m.mediumSource = 1;
    m.density = 999.0f;
    m.heatCapacity = 4180.0f;
    m.freezingPoint = 0.0f;
    ASSERT_TRUE(m.Calculate());
    const double water = 0.2 / 3600 * 999 * 4180;
    EXPECT_NEAR(Number(m.resultTable.Cell(5, 1)), Profile(80, 20, 200, ua, water), 0.051);
    EXPECT_EQ(Row(m.inputTable, 63010), "Egendefinierat medie");
}

// A duct run takes the air's ρ·c at each section's inlet and shows the
// inner coefficient; U-values against the duct limits.
TEST_F(FlowCalculation, DuctRunTakesTheAirOfEachInlet)
{
    CKanalTempModul& m = Module();
    m.runType = 1;
    m.inletTemperature = 40.0f;
    AddDuct(m, 30.0f);
    AddDuct(m, 30.0f);
    ASSERT_TRUE(m.Calculate());
    const double ua = DuctConductance(); // 0.7834 W/mK
    const double t1 = Profile(40, 0, 30, ua, 0.05 * AirRhoC(40));
    const double t2 = Profile(t1, 0, 30, ua, 0.05 * AirRhoC(t1));
    const CTabell& t = m.resultTable;
    ASSERT_EQ(t.Columns(), 5);
    EXPECT_EQ(t.Cell(0, 4), "Inv. övergång");
    EXPECT_NEAR(Number(t.Cell(1, 1)), t1, 0.051);
    EXPECT_NEAR(Number(t.Cell(2, 1)), t2, 0.051);
    EXPECT_NEAR(Number(t.Cell(1, 2)), 0.05 * AirRhoC(40) * (40 - t1), 0.2);
    EXPECT_NEAR(Number(t.Cell(2, 2)), 0.05 * AirRhoC(t1) * (t1 - t2), 0.2);
    EXPECT_EQ(t.Cell(2, 4), "12.0 W/m²K");
    // D = 0.315 m: 0.8·0.315 + 0.12 = 0.37 W/mK.
    EXPECT_EQ(m.uValueTable.Cell(1, 2), "0.37 W/mK");
    EXPECT_EQ(Column(m.inputTable, 0), Texts({63010, 62426}));
    EXPECT_EQ(Row(m.inputTable, 63010), "Luft");
    // Without energy the totals have two rows under "Total värmeförlust".
    EXPECT_EQ(m.totalsTable.Cell(0, 0), "Total värmeförlust");
    EXPECT_EQ(m.totalsTable.Rows(), 3);
}

// A section whose inlet is within 0.1 K of its surroundings passes the
// medium on unchanged, adds nothing but its length, and shows no outer
// coefficient and no U-value.
TEST_F(FlowCalculation, SectionAtItsAmbientPassesTheMediumOn)
{
    CKanalTempModul& m = Module();
    m.SetMedium(Liquid(0));
    m.inletTemperature = 20.0f;
    AddPipe(m, 50.0f);
    CSegment& second = AddPipe(m, 150.0f);
    second.ambientTemperature = 10.0f;
    ASSERT_TRUE(m.Calculate());
    const CTabell& t = m.resultTable;
    EXPECT_EQ(t.Cell(1, 1), "20.0 °C");
    EXPECT_EQ(t.Cell(1, 2), "0.0 W");
    EXPECT_EQ(t.Cell(1, 3), "-");
    EXPECT_EQ(m.uValueTable.Cell(1, 1), "-");
    const double capacity = 0.5 / 3600 * 999 * 4180;
    const double loss = capacity * (20 - Profile(20, 10, 150, PipeConductance(), capacity));
    EXPECT_NEAR(Number(t.Cell(2, 2)), loss, 0.2);
    // The average spreads the loss over both lengths.
    EXPECT_NEAR(Number(Row(m.totalsTable, 63006)), loss / 200, 0.051);
}

// Water at 5 °C outdoors at −20 °C: ℓ = 580/0.27443 = 2113 m, so it
// reaches 0 °C after 2113·ln(25/20) = 471 m, in the second of three 300 m
// sections. The first was computed; the message names the second, and
// nothing of the module is left on the page, the section tables included.
TEST_F(FlowCalculation, FreezingStopsTheRunAndClearsThePage)
{
    CKanalTempModul& m = Module();
    m.SetMedium(Liquid(0));
    m.inletTemperature = 5.0f;
    for (int k = 0; k < 3; ++k)
        AddPipe(m, 300.0f).ambientTemperature = 30.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(ShownItems(), 5u + 3u);

    for (auto& s : m.sections)
        s->ambientTemperature = -20.0f;
    prompter.Clear();
    EXPECT_FALSE(m.Calculate());
    EXPECT_FALSE(m.resultsValid);
    EXPECT_EQ(prompter.Texts(),
              std::vector<std::string>{
                  "Medietemperaturen sjunker under fryspunkten i sektionen \"Sektion 2\", avbryter beräkningen."});
    EXPECT_EQ(ShownItems(), 0u);
    for (auto& s : m.sections)
        EXPECT_FALSE(Lists().Shows(CKanalTempModul::pageIndex, &s->sectionTable));
}

// 20 °C air at 60 % has its dew point at 12.0 °C. Through the duct into 0 °C
// (ℓ ≈ 79 m) it leaves the first 30 m section at 13.7 °C and the second
// below 12 °C: the question names the second with both temperatures. Yes
// stops the run; No goes on and asks again for the third.
TEST_F(FlowCalculation, CondensationQuestionWithYesAndNo)
{
    CKanalTempModul& m = Module();
    m.runType = 1;
    m.inletTemperature = 20.0f;
    m.condensationCheck = true;
    m.relativeHumidity = 60.0f;
    for (int k = 0; k < 3; ++k)
        AddDuct(m, 30.0f);
    const double ua = DuctConductance();
    const double t1 = Profile(20, 0, 30, ua, 0.05 * AirRhoC(20));
    const double t2 = Profile(t1, 0, 30, ua, 0.05 * AirRhoC(t1));
    const double t3 = Profile(t2, 0, 30, ua, 0.05 * AirRhoC(t2));
    ASSERT_GT(t1, 12.0);
    const auto question = [](const char* name, double t) {
        return Sprintf(std::string("Varning: Kondensrisk i segment %s (utloppstemp: %.1f°C, daggpunktstemp: "
                                   "12.0°C), Avbryt beräkning?"),
                       name, t);
    };

    prompter.QueueAnswer(Answer::Yes);
    EXPECT_FALSE(m.Calculate());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{question("Sektion 2", t2)});
    EXPECT_EQ(prompter.Messages()[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(ShownItems(), 0u);

    prompter.Clear();
    prompter.QueueAnswer(Answer::No);
    prompter.QueueAnswer(Answer::No);
    EXPECT_TRUE(m.Calculate());
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{question("Sektion 2", t2), question("Sektion 3", t3)}));
    EXPECT_EQ(ShownItems(), 5u + 3u);

    // Without the check, or at a humidity whose dew point stays below, nobody asks.
    prompter.Clear();
    m.relativeHumidity = 30.0f; // dew point 1.9 °C
    EXPECT_TRUE(m.Calculate());
    m.relativeHumidity = 60.0f;
    m.condensationCheck = false;
    EXPECT_TRUE(m.Calculate());
    EXPECT_TRUE(prompter.Texts().empty());
}

// Medium hotter than layer 1's product stands: asked per section before it
// is computed. Cancel stops the run; OK computes it.
TEST_F(FlowCalculation, MaximumTemperatureQuestion)
{
    CKanalTempModul& m = Module();
    m.SetMedium(Liquid(0));
    m.inletTemperature = 300.0f; // Lamell stands 250 °C
    AddPipe(m, 10.0f);
    AddPipe(m, 10.0f).SetProduct(Product(1)); // Rörskål stands 600 °C
    const std::string question =
        "Varning: Inloppstemperaturen i sektionen Sektion 1 är högre än isolerproduktens max. temperatur.";

    prompter.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(m.Calculate());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{question});
    EXPECT_EQ(prompter.Messages()[0].buttons, platform::Buttons::OkCancel);
    EXPECT_EQ(ShownItems(), 0u);

    prompter.Clear();
    EXPECT_TRUE(m.Calculate());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{question});

    // An uninsulated section stands anything.
    m.sections[0]->insulationSource = CSegment::uninsulated;
    prompter.Clear();
    EXPECT_TRUE(m.Calculate());
    EXPECT_TRUE(prompter.Texts().empty());
}

// An own fitting of 3 × 0.5 m adds the loss of 1.5 m of bare pipe at the
// section's outlet with the cladding's emissivity. An uninsulated pipe
// without a cladding takes its own bare emissivity for its fittings.
TEST_F(FlowCalculation, FittingsAddBarePipeWithTheSurfacesEmissivity)
{
    CKanalTempModul& m = Module();
    m.SetMedium(Liquid(0));
    m.inletTemperature = 80.0f;
    CSegment& s = AddPipe(m, 20.0f);
    s.surroundings = Surroundings::Indoors;
    s.SetCladding(Cladding(CDataBase::outerCladdings, 0)); // Plåt, ε = 0.3
    auto fitting = std::make_unique<CTilleggsutstyr>();
    fitting->ownDefined = true;
    fitting->count = 3;
    fitting->ownLength = 0.5f;
    fitting->UpdateName("Egen ventil");
    s.fittings.push_back(std::move(fitting));

    const double capacity = 0.5 / 3600 * 999 * 4180;
    const auto fittingLoss = [&](double emissivity) {
        ASSERT_TRUE(m.Calculate());
        const double tf0 = Number(m.resultTable.Cell(1, 1));
        const double without = Number(m.resultTable.Cell(1, 2));
        s.fittingsEnabled = true;
        ASSERT_TRUE(m.Calculate());
        s.fittingsEnabled = false;
        // At Tf0: free convection on D = 0.0603 m plus radiation.
        const double hcv = thermal::ConvectionCoefficient(true, false, float(tf0 - 20), 0.0603f, false, 0, 0);
        const double xs = (tf0 + 273.15) / 100, xa = 2.9315;
        const double hr = emissivity * 5.67 * (std::pow(xs, 4) - std::pow(xa, 4)) / (tf0 - 20);
        const double tout = Profile(tf0, 20, 1.5, (hcv + hr) * pi * 0.0603, capacity);
        EXPECT_NEAR(Number(m.resultTable.Cell(1, 2)) - without, capacity * (tf0 - tout), 0.3) << emissivity;
        EXPECT_NEAR(Number(m.resultTable.Cell(1, 1)), tout, 0.051);
    };
    fittingLoss(0.3);
    ASSERT_TRUE(m.Calculate());
    EXPECT_FALSE(HasRow(m.sections[0]->sectionTable, 62405));
    s.fittingsEnabled = true;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(Row(m.sections[0]->sectionTable, 62405), "Egen ventil; 3 stk");
    s.fittingsEnabled = false;

    // Uninsulated, no cladding at all: the bare emissivity, Stål's 0.55.
    s.insulationSource = CSegment::uninsulated;
    s.SetCladding(nullptr);
    s.bareEmissivity = 0.55f;
    fittingLoss(0.55);
}

// The quantities: one row per layer and section, the sum last.
TEST_F(FlowCalculation, QuantityTableRows)
{
    CKanalTempModul& m = Module();
    m.runType = 1;
    m.inletTemperature = 40.0f;
    // Ø 315 mm, 10 m, 30 + 20 mm: layer 1 π·(0.06 + 0.315)·10 = 11.78 m²,
    // layer 2 π·(0.10 + 0.315)·10 = 13.04 m².
    CSegment& round = AddDuct(m, 10.0f);
    round.thickness = 30.0f;
    round.twoLayers = true;
    round.SetLayer2Product(Product(0));
    round.layer2Thickness = 20.0f;
    // 400 × 300 mm outside, 50 mm, 10 m: (2·0.4 + 2·0.5)·10 = 18.00 m².
    CSegment& rect = AddDuct(m, 10.0f);
    rect.sectionType = CSegment::rectangularDuct;
    rect.ductHeight = 400.0f;
    rect.ductWidth = 300.0f;
    // 400 × 300 mm inside, uninsulated: 0.00 m².
    CSegment& bare = AddDuct(m, 10.0f);
    bare.sectionType = CSegment::insideInsulatedDuct;
    bare.ductHeight = 400.0f;
    bare.ductWidth = 300.0f;
    bare.insulationSource = CSegment::uninsulated;
    ASSERT_TRUE(m.Calculate());
    const CTabell& q = m.quantityTable;
    EXPECT_EQ(Column(q, 0), (std::vector<std::string>{"Sektion 1 (isolerlag 1)", "Sektion 1 (isolerlag 2)",
                                                      "Sektion 2", "Sektion 3", "Total isoleringsmängd"}));
    EXPECT_EQ(Column(q, 1), (std::vector<std::string>{"11.78 m²", "13.04 m²", "18.00 m²", "0.00 m²", "42.82 m²"}));
    EXPECT_EQ(q.Cell(0, 1), "Beräknad mängd isolering");
}

// The section input tables row by row: two layers of a user's product and a
// catalogue product (both thickness rows and the user product's points), a
// duct insulated inside without insulation, and a pipe with more fittings
// than the table had room for once.
TEST_F(FlowCalculation, SectionInputTables)
{
    CKanalTempModul& m = Module();
    m.runType = 1;
    m.inletTemperature = 40.0f;
    CSegment& round = AddDuct(m, 10.0f);
    round.insulationSource = CSegment::userDefinedProduct;
    round.SetUserProduct(UserProduct(0));
    round.userThickness = 30.0f;
    round.twoLayers = true;
    round.SetLayer2Product(Product(0));
    round.layer2Thickness = 20.0f;
    round.surroundings = Surroundings::Outdoors;
    round.windSpeed = 3.0f;
    round.SetCladding(Cladding(CDataBase::outerCladdings, 1));
    round.flowUnit = FlowUnit::LitresPerSecond;
    round.flow = 50.0f;
    CSegment& inside = AddDuct(m, 10.0f);
    inside.sectionType = CSegment::insideInsulatedDuct;
    inside.insulationSource = CSegment::uninsulated;
    inside.innerCladdingEnabled = true;
    inside.SetInnerCladding(Cladding(CDataBase::innerCladdings, 0));
    inside.uninsulatedSupports = true;
    ASSERT_TRUE(m.Calculate());

    const CTabell& a = m.sections[0]->sectionTable;
    EXPECT_EQ(a.Cell(0, 0), "Sektion");
    EXPECT_EQ(Column(a, 0), Texts({63001, 62359, 62364, 22, 62370, 62379, 62380, 62389, 14, 15, 16, 17, 62388, 62391,
                                   62393, 62395, 62397, 62401, 62447, 19}));
    EXPECT_EQ(Column(a, 1),
              (std::vector<std::string>{"Sektion 1", "Cirkulär kanal", "315.0 mm", "0.55", "10.00 m", "30.0 mm",
                                        "20.0 mm", "Egen A", "0.034 W/mK / 0 °C", "0.044 W/mK / 35 °C",
                                        "0.059 W/mK / 70 °C", "0.077 W/mK / 125 °C", "Lamell", "PVC", "0.90",
                                        "0.0 °C", "Ute (påtvingad konvektion)", "3.0 m/s", "50 l/s", "Nej"}));

    const CTabell& b = m.sections[1]->sectionTable;
    EXPECT_EQ(Column(b, 0),
              Texts({63001, 62359, 62366, 62368, 22, 62370, 63020, 62396, 62395, 62397, 62404, 62447, 19}));
    EXPECT_EQ(Row(b, 62359), "Rektangulär kanal, invändig isolering");
    EXPECT_EQ(Row(b, 62396), "Inre folie");
    EXPECT_EQ(Row(b, 62447), "180 m³/h");
    EXPECT_EQ(Row(b, 19), "Ja");
}

// A pipe section with two layers of the user's products and 30 fittings
// needs 54 rows: its table grows past 32 and goes on in a second table
// where one sheet would not hold it. 25 such sections spread over as many
// sheets as they need, every table within one sheet, none over another,
// none in the footer.
TEST_F(FlowCalculation, TwentyFiveSectionsSpreadOverSheetsWithNothingCut)
{
    CKanalTempModul& m = Module();
    m.SetMedium(Liquid(0));
    m.inletTemperature = 80.0f;
    for (int k = 0; k < 25; ++k) {
        CSegment& s = AddPipe(m, 10.0f);
        s.insulationSource = CSegment::userDefinedProduct;
        s.SetUserProduct(UserProduct(0));
        s.userThickness = 30.0f;
        s.twoLayers = true;
        s.layer2Source = 1;
        s.SetLayer2UserProduct(UserProduct(1));
        s.layer2UserThickness = 30.0f;
        s.fittingsEnabled = true;
        for (int f = 0; f < (k == 0 ? 30 : 2); ++f) {
            auto fitting = std::make_unique<CTilleggsutstyr>();
            fitting->SetFittingType(Fitting(f % 2));
            fitting->UpdateName("");
            s.fittings.push_back(std::move(fitting));
        }
    }
    ASSERT_TRUE(m.Calculate());
    const CSegment& busy = *m.sections[0];
    ASSERT_EQ(busy.continuedTables.size(), 1u);
    EXPECT_EQ(busy.sectionTable.Rows() - 1 + busy.continuedTables[0]->Rows() - 1, 54);
    EXPECT_EQ(busy.continuedTables[0]->Cell(0, 0), "Sektion");
    EXPECT_TRUE(m.sections[1]->continuedTables.empty());
    EXPECT_EQ(m.resultTable.Rows(), 26);

    const PageModel& model = PageModel::Get();
    const auto& items = Lists().Items(CKanalTempModul::pageIndex);
    // 25 sections of two layers: 51 quantity rows, more than a sheet holds too.
    ASSERT_EQ(m.continuedQuantityTables.size(), 1u);
    ASSERT_EQ(items.size(), 2u + 5u + 25u + 2u);
    ASSERT_EQ(model.Sheet().width, 202.0f);
    const int sheetWidth = model.SheetWidthUnits();
    const int top = model.YUnits(65);
    const int footer = model.YUnits(297 - 10);
    int sheets = 0;
    std::vector<const CGraphicsItem*> tables;
    for (const CGraphicsItem* item : items)
        if (item->IsKindOf(CTabell::classInfo))
            tables.push_back(item);
    ASSERT_EQ(tables.size(), 32u);
    for (const CGraphicsItem* a : tables) {
        const int sheet = a->rect.left / sheetWidth;
        sheets = std::max(sheets, sheet + 1);
        EXPECT_EQ(a->rect.left, model.XUnits(20.0f + 202.0f * float(sheet))) << a->name;
        EXPECT_LE(a->rect.right, model.XUnits(202.0f * float(sheet + 1))) << a->name;
        EXPECT_GE(a->rect.top, top) << a->name;
        EXPECT_LE(a->rect.bottom, footer) << a->name;
        for (const CGraphicsItem* b : tables)
            if (a != b) {
                EXPECT_FALSE(a->rect.left < b->rect.right && b->rect.left < a->rect.right &&
                             a->rect.top < b->rect.bottom && b->rect.top < a->rect.bottom)
                    << a->name << " over " << b->name;
            }
    }
    EXPECT_GE(sheets, 14);
    // The tables follow one another sheet by sheet in their order.
    const CGraphicsItem* previous = nullptr;
    for (CTabell* table : {&m.resultTable, &m.uValueTable, &m.totalsTable, &m.quantityTable, &m.inputTable}) {
        if (previous) {
            EXPECT_TRUE(table->rect.left > previous->rect.left ||
                        (table->rect.left == previous->rect.left && table->rect.top > previous->rect.top));
        }
        previous = table;
    }
}

// Documents come from anywhere: a stored value the dialogs would refuse,
// NaN and infinities included, is refused with the dialog's message before
// anything reaches the page.
TEST_F(FlowCalculation, StoredInputIsCheckedAsTheDialogsCheck)
{
    CKanalTempModul& m = Module();
    m.SetMedium(Liquid(0));
    m.inletTemperature = 40.0f;
    AddPipe(m, 10.0f);
    ASSERT_TRUE(m.Calculate());
    const auto refusal = [&](const std::function<void()>& spoil) {
        CKanalTempModul& mm = Module();
        spoil();
        prompter.Clear();
        EXPECT_FALSE(mm.Calculate());
        EXPECT_FALSE(mm.resultsValid);
        EXPECT_EQ(ShownItems(), 0u);
        const std::string text = prompter.Texts().empty() ? std::string() : prompter.Texts().front();
        // Put right again for the next case.
        return text;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    CSegment& s = *m.sections[0];

    // A duct's inner coefficient of 0 would divide by zero in every later section.
    m.runType = 1;
    s.sectionType = CSegment::circularDuct;
    s.innerCoefficientGiven = true;
    EXPECT_EQ(refusal([&] { s.innerCoefficient = 0.0f; }),
              "Sektion 1: Värdet för det invendiga värmeövergångstalet måste ligga mellan 0.10 och 10000.00");
    EXPECT_EQ(refusal([&] { s.innerCoefficient = nan; }), "Sektion 1: Inv. värmeöverg.tal [W/m²K]: Skriv in ett tal.");
    s.innerCoefficient = 10.0f;
    ASSERT_TRUE(m.Calculate());

    // The air's properties hold from −100 to 1000 °C.
    EXPECT_EQ(refusal([&] { m.inletTemperature = -150.0f; }),
              "Värdet för Inloppstemperatur måste ligga mellan -100.00 och 1000.00");
    EXPECT_EQ(refusal([&] { m.inletTemperature = 1600.0f; }),
              "Värdet för Inloppstemperatur måste ligga mellan -100.00 och 1000.00");
    m.inletTemperature = 1000.0f;
    prompter.QueueAnswer(Answer::Ok); // above Lamell's 250 °C
    EXPECT_TRUE(m.Calculate());
    m.inletTemperature = 40.0f;

    // Every field, NaN and infinity: the field's own check or the named one.
    EXPECT_EQ(refusal([&] { s.length = nan; }), "Sektion 1: Längd rör/kanal [m]: Skriv in ett tal.");
    s.length = 10.0f;
    EXPECT_EQ(refusal([&] { s.flow = inf; }), "Sektion 1: Flöde [m³/h]: Skriv in ett tal.");
    s.flow = 0.005f;
    EXPECT_EQ(refusal([] {}), "Sektion 1: Värdet för flödet måste ligga mellan 0.01 och 360000.00");
    s.flow = 180.0f;
    EXPECT_EQ(refusal([&] { s.thickness = nan; }), "Sektion 1: Isolertjocklek [mm]: Skriv in ett tal.");
    s.thickness = 50.0f;
    EXPECT_EQ(refusal([&] { s.ductDiameter = 0.5f; }),
              "Sektion 1: Värdet för diameteren måste ligga mellan 1.00 och 3000.00");
    s.ductDiameter = 315.0f;
    EXPECT_EQ(refusal([&] { m.relativeHumidity = nan; }),
              "Relativ luftfuktighet vid inlopp [%]: Skriv in ett tal.");
    m.relativeHumidity = 60.0f;
    EXPECT_EQ(refusal([&] { m.energyCostEnabled = true, m.energyPrice = 0.0f; }),
              "Värdet för energiprisen måste ligga mellan 0.01 och 200.00");
    m.energyCostEnabled = false;
    EXPECT_EQ(refusal([&] { s.SetProduct(nullptr); }), "Sektion 1: Du måste välja en isolerprodukt.");
    s.SetProduct(Product(0));
    // A section without a name is named by its place in the run.
    EXPECT_EQ(refusal([&] { s.name.clear(); }), "Sektion nr 1: Blanka namn är otillåtet!");
    s.name = "Sektion 1";
    ASSERT_TRUE(m.Calculate());

    // The pipeline's checks: the liquid and the inlet above its freezing point.
    m.runType = 0;
    s.sectionType = CSegment::pipeline;
    EXPECT_EQ(refusal([&] { m.SetMedium(nullptr); }), "Du måste välja ett medie i rullgardinen med vätskor.");
    m.SetMedium(Liquid(1));
    EXPECT_EQ(refusal([&] { m.inletTemperature = -20.0f; }),
              "Värdet för Inloppstemperatur måste ligga mellan -19.90 och 2000.00");
    m.inletTemperature = 40.0f;
    EXPECT_EQ(refusal([&] { m.mediumSource = 1, m.density = nan; }), "Densitet [kg/m³]: Skriv in ett tal.");
    m.density = 3000.0f;
    EXPECT_EQ(refusal([] {}), "Värdet för densiteten måste ligga mellan 1.00 och 2500.00");
    m.mediumSource = 0;
    m.density = 999.0f;
    ASSERT_TRUE(m.Calculate());

    // No sections at all, or more than the dialog lets in.
    ClearList(m.sections);
    EXPECT_EQ(refusal([] {}), "Varning: Sektionslistan är tom, kan inte utföra beräkning utan sektioner!");
    for (int k = 0; k < 26; ++k)
        AddPipe(m, 10.0f);
    EXPECT_EQ(refusal([] {}), "Du kan inte lägga in fler sektioner.\n(intern begränsning i programmet)");
}

// A catalogue value that is no number gives no number on the page either:
// the run stops with a message naming the section.
TEST_F(FlowCalculation, ResultThatIsNoNumberStopsTheRun)
{
    CKanalTempModul& m = Module();
    m.SetMedium(Liquid(0));
    m.inletTemperature = 40.0f;
    AddPipe(m, 10.0f);
    AddPipe(m, 10.0f).SetProduct(Product(1));
    ASSERT_TRUE(m.Calculate());
    Product(1)->d = std::numeric_limits<float>::quiet_NaN();
    Product(1)->a = Product(1)->b = Product(1)->c = 0.0f;
    prompter.Clear();
    EXPECT_FALSE(m.Calculate());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Beräkningen i sektionen \"Sektion 2\" gav inget användbart "
                                                         "resultat, avbryter beräkningen."});
    EXPECT_EQ(ShownItems(), 0u);
}

// Saved with results and opened again: calculated again to the same page,
// a copper pipe still copper though the record names only its dimension.
// A cold run's loss that rounds to nothing never reads "-0.0".
TEST_F(FlowCalculation, ReopenedDocumentCalculatesAgain)
{
    CKanalTempModul& m = Module();
    m.SetMedium(Liquid(0));
    m.inletTemperature = 19.95f;
    AddPipe(m, 1.0f, 50.0f).ambientTemperature = 20.07f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.resultTable.Cell(1, 2), "0.0 W");
    m.inletTemperature = 40.0f;
    // A copper pipe: the record names no material, only its dimension.
    CSegment& copper = AddPipe(m, 10.0f);
    copper.Pipe().SetMaterial(Material(1), false);
    copper.Pipe().SetDimension(*Material(1)->dimensions[1]);
    copper.ownPipeDimension = false;
    copper.TakePipeValues();
    ASSERT_TRUE(m.Calculate());
    const std::string text = m.resultTable.ClipboardText() + m.sections[0]->sectionTable.ClipboardText() +
                             m.sections[1]->sectionTable.ClipboardText();
    const auto bytes = doc.Store();
    doc.NewDocument();
    EXPECT_EQ(ShownItems(), 0u);
    doc.Load(bytes);
    CKanalTempModul& reopened = Module();
    EXPECT_TRUE(reopened.resultsValid);
    EXPECT_EQ(reopened.resultTable.ClipboardText() + reopened.sections[0]->sectionTable.ClipboardText() +
                  reopened.sections[1]->sectionTable.ClipboardText(),
              text);
    EXPECT_EQ(reopened.sections[1]->Pipe().Material(), Material(1));
    EXPECT_EQ(Row(reopened.sections[1]->sectionTable, 68), "Koppar");
    EXPECT_EQ(ShownItems(), 7u);
    EXPECT_EQ(reopened.GetProductPicture().builtin, 261);
}
