#include "TestObjects.h"

#include "thermal/Conductivity.h"
#include "thermal/LayeredHeatFlow.h"
#include "thermal/Messages.h"
#include "thermal/SurfaceBalance.h"

#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

using namespace thermal;
using namespace thermal_test;

namespace {

// Constant λ and the given ho make every balance linear; the hand values
// below are the series-resistance solutions. The iteration stops once the
// two flows agree within 0.1, so q may differ by less than 0.1 and Ts by
// less than 0.1/(λ/G + ho·Po) — below 0.03 K for all these objects.
constexpr double qTolerance = 0.1;
constexpr double tTolerance = 0.03;

struct OneLayerRow {
    const char* source;
    ObjectKind objectKind;
    float tm, ta, s;
    double ts, q, hi;
};

const OneLayerRow oneLayerRows[] = {
    // Pipe, 40 mm: Do = 0.1403, G = ln(0.1403/0.0603)/2π = 0.134399; wall share f = Rw/(s/λ + Rw),
    // Rw = 0.0029/50 = 5.8e-5, f = 5.80e-5. Balance λ(1 − f)(Tm − Ts)/G = ho·π·Do·(Ts − Ta):
    // A = 0.04·(1 − f)/0.134399 = 0.29761, B = 8·π·0.1403 = 3.52612, Ts = (A·Tm + B·Ta)/(A + B), q = B·(Ts − Ta).
    {"pipe hot", ObjectKind::Pipe, 80, 20, 0.04f, 24.6699, 16.4665, 0},
    {"pipe cold", ObjectKind::Pipe, 5, 25, 0.04f, 23.4434, -5.4888, 0},
    // Circular duct Ø 315, 50 mm. Air at 80 °C: ν = 21.45e-6, λair = 0.030212, A = 0.077931, w = 2.56637,
    // Re = 37688, hi = 0.0207·0.030212·Re^0.8/0.315 = 9.0950 (at 5 °C: Re = 57950, hi = 10.3980).
    // q = ΔT/(1/(hi·π·0.315) + ln(0.415/0.315)/(2π·0.04) + 1/(8·π·0.415)) = 60/(0.11111 + 1.09700 + 0.09588);
    // Ts = Ta + q·Ro.
    {"circular duct hot", ObjectKind::CircularDuct, 80, 20, 0.05f, 24.4116, 46.0129, 9.0950},
    // cold: −20/(0.09718 + 1.09700 + 0.09588)
    {"circular duct cold", ObjectKind::CircularDuct, 5, 25, 0.05f, 23.5136, -15.5032, 10.3980},
    // 400 × 300 duct, 50 mm outside: dh = 4·0.12/1.4 = 0.342857, w = 4.1667, Re = 66600, hi = 13.1770
    // (5 °C: 15.0649); Po = 2·0.5 + 2·0.4 = 1.8; q = Po·ΔT/(1/hi + s/λ + 1/ho) = 1.8·60/1.45089; Ts = Ta + q/(ho·Po).
    {"duct outside hot", ObjectKind::RectangularDuctOutside, 80, 20, 0.05f, 25.1692, 74.4371, 13.1770},
    {"duct outside cold", ObjectKind::RectangularDuctOutside, 5, 25, 0.05f, 23.2656, -24.9761, 15.0649},
    // 600 × 400 duct, 50 mm inside: free area (0.1 − 0.6)·(0.1 − 0.4) = 0.15, Pi = 2·0.5 + 2·0.3 = 1.6,
    // dh = 0.375, w = 3.3333, Re = 58275, hi = 10.8269 (5 °C: 12.3781); Po = 2.0;
    // q = 2·60/(1/10.8269 + 1.25 + 0.125) = 120/1.46736.
    {"duct inside hot", ObjectKind::RectangularDuctInside, 80, 20, 0.05f, 25.1112, 81.7794, 10.8269},
    {"duct inside cold", ObjectKind::RectangularDuctInside, 5, 25, 0.05f, 23.2827, -27.4765, 12.3781},
    // Surfaces and tanks, per m²: q = ΔT/(s/λ + 1/ho) = 60/(1.25 + 0.125) = 43.6364; Ts = 20 + q/8.
    {"surface outside hot", ObjectKind::SurfaceOutside, 80, 20, 0.05f, 25.4545, 43.6364, 0},
    {"surface inside hot", ObjectKind::SurfaceInside, 80, 20, 0.05f, 25.4545, 43.6364, 0},
    {"tank hot", ObjectKind::Tank, 80, 20, 0.05f, 25.4545, 43.6364, 0},
    // −20/1.375
    {"surface outside cold", ObjectKind::SurfaceOutside, 5, 25, 0.05f, 23.1818, -14.5455, 0},
    {"tank cold", ObjectKind::Tank, 5, 25, 0.05f, 23.1818, -14.5455, 0},
};

struct TwoLayerRow {
    const char* source;
    ObjectKind objectKind;
    float tm, ta;
    double ts, tint, q, hi;
};

// Layer 1 30 mm (λ 0.04) inside layer 2 40 mm (λ 0.035).
const TwoLayerRow twoLayerRows[] = {
    // Pipe: D1 = 0.1203, Do = 0.2003; K1 = 2π·0.04/ln(D1/Di) = 0.36390, K2 = 2π·0.035/ln(Do/D1) = 0.43134,
    // B = 8·π·Do = 5.03409, Ko = K2·B/(K2 + B); wall share f = Rw/(s2/λ2 + s1/λ1 + Rw) = 3.06e-5,
    // Tin = Tm(1 − f) + f·Ts, Tint = (Tin·K1 + Ta·Ko)/(K1 + Ko), K2·(Tint − Ts) = B·(Ts − Ta) solved for Ts.
    {"pipe hot", ObjectKind::Pipe, 80, 20, 22.2637, 48.6826, 11.3957, 0},
    {"pipe cold", ObjectKind::Pipe, 5, 25, 24.2454, 15.4391, -3.7986, 0},
    // Circular duct: Ri = 1/(hi·π·0.315) = 0.11111, R1 = ln(0.375/0.315)/(2π·0.04) = 0.69373,
    // R2 = ln(0.455/0.375)/(2π·0.035) = 0.87931, Ro = 1/(8·π·0.455) = 0.08745;
    // q = 60/ΣR, Tint = Tm − q·(Ri + R1), Ts = Ta + q·Ro. Cold: Ri = 0.09718.
    {"circular duct hot", ObjectKind::CircularDuct, 80, 20, 22.9617, 52.7420, 33.8677, 9.0950},
    {"circular duct cold", ObjectKind::CircularDuct, 5, 25, 24.0050, 13.9995, -11.3787, 10.3980},
    // 400 × 300 outside, sides grown by 0.14: Po = 2·0.54 + 2·0.44 = 1.96; hi as for one layer;
    // q = Po·ΔT/(1/hi + 0.75 + 1.142857 + 0.125), Tint = Tm − (q/Po)·(1/hi + 0.75).
    {"duct outside hot", ObjectKind::RectangularDuctOutside, 80, 20, 23.5821, 56.3327, 56.1672, 13.1770},
    {"duct outside cold", ObjectKind::RectangularDuctOutside, 5, 25, 23.8005, 12.8338, -18.8078, 15.0649},
    // 600 × 400 inside: the free area deducts layer 1 only, (0.06 − 0.6)·(0.06 − 0.4) = 0.1836, over the
    // innermost perimeter 2·0.46 + 2·0.26 = 1.44: dh = 0.51, w = 2.7233, Re = 64750, hi = 8.6611
    // (5 °C: 9.9020); Po = 2.0; q = 2·ΔT/(1/hi + 0.75 + 1.142857 + 0.125).
    {"duct inside hot", ObjectKind::RectangularDuctInside, 80, 20, 23.5157, 55.6588, 56.2505, 8.6611},
    {"duct inside cold", ObjectKind::RectangularDuctInside, 5, 25, 23.8201, 13.0326, -18.8782, 9.9020},
    // Surfaces: q = ΔT/(0.75 + 1.142857 + 0.125) = 60/2.017857, Tint = Tm − 0.75·q, Ts = Ta + q/8.
    {"surface outside hot", ObjectKind::SurfaceOutside, 80, 20, 23.7168, 57.6991, 29.7345, 0},
    {"surface inside hot", ObjectKind::SurfaceInside, 80, 20, 23.7168, 57.6991, 29.7345, 0},
    {"tank cold", ObjectKind::Tank, 5, 25, 23.7611, 12.4336, -9.9115, 0},
};

// Outer perimeter (m) of each hand-table object under insulation of total
// thickness s; 1 for the surfaces, whose flows are per m².
double OuterPerimeter(const Inputs& in, double s)
{
    switch (in.objectKind) {
    case ObjectKind::Pipe:
    case ObjectKind::CircularDuct:
        return 3.1415927 * (in.diameter + 2 * s);
    case ObjectKind::RectangularDuctOutside:
        return 2 * (in.height + 2 * s) + 2 * (in.width + 2 * s);
    case ObjectKind::RectangularDuctInside:
        return 2.0 * in.height + 2.0 * in.width;
    default:
        return 1;
    }
}

} // namespace

TEST(LayeredHeatFlow, OneLayerAgreesWithTheHandCalculationForEveryObject)
{
    for (const OneLayerRow& row : oneLayerRows) {
        SCOPED_TRACE(row.source);
        const HeatFlow r = OneLayerHeatFlow(Object(row.objectKind, row.tm, row.ta), row.s);
        EXPECT_NEAR(r.surfaceTemp, row.ts, tTolerance);
        EXPECT_NEAR(r.heatFlow, row.q, qTolerance);
        EXPECT_NEAR(r.innerCoefficient, row.hi, 1e-3);
        EXPECT_EQ(r.outerCoefficient, givenHo);
        // A cold medium draws heat in: the surface is below the ambient.
        if (row.tm < row.ta) {
            EXPECT_LT(r.surfaceTemp, row.ta);
        }
    }
}

TEST(LayeredHeatFlow, TwoLayersAgreeWithTheHandCalculationForEveryObject)
{
    for (const TwoLayerRow& row : twoLayerRows) {
        SCOPED_TRACE(row.source);
        const HeatFlow r = TwoLayerHeatFlow(Object(row.objectKind, row.tm, row.ta), 0.03f, 0.04f);
        EXPECT_NEAR(r.surfaceTemp, row.ts, tTolerance);
        EXPECT_NEAR(r.interfaceTemp, row.tint, 0.05);
        EXPECT_NEAR(r.heatFlow, row.q, qTolerance);
        EXPECT_NEAR(r.innerCoefficient, row.hi, 1e-3);
    }
}

// Free convection, radiation and a temperature-dependent product: no hand
// solution, but every result must satisfy its own balance, with the surface
// between the ambient and the medium on the side of the heat flow.
TEST(LayeredHeatFlow, ResultsIndoorsBalanceTheSurfaceFlowForEveryObject)
{
    const Conductivity wool{1.51e-9f, 1.31e-7f, 1.74e-4f, 0.034f};
    for (int k = 0; k < ObjectKindCount; ++k) {
        const ObjectKind objectKind = ObjectKind(k);
        for (const auto& [tm, ta] : {std::pair{80.0f, 20.0f}, std::pair{5.0f, 25.0f}}) {
            SCOPED_TRACE(testing::Message() << "kind " << k << ", Tm " << tm);
            Inputs in = Indoors(Object(objectKind, tm, ta), objectKind >= ObjectKind::SurfaceOutside ? 1 : 0);
            in.layer1.conductivity = wool;
            in.layer2.conductivity = wool;

            const HeatFlow one = OneLayerHeatFlow(in, 0.05f);
            EXPECT_NEAR(one.heatFlow, one.outerCoefficient * OuterPerimeter(in, 0.05) * (one.surfaceTemp - ta), 0.1);
            EXPECT_GT((one.surfaceTemp - ta) * (tm - ta), 0.0f);
            EXPECT_LT(std::fabs(one.surfaceTemp - ta), std::fabs(tm - ta));

            const HeatFlow two = TwoLayerHeatFlow(in, 0.03f, 0.04f);
            EXPECT_NEAR(two.heatFlow, two.outerCoefficient * OuterPerimeter(in, 0.07) * (two.surfaceTemp - ta), 0.1);
            EXPECT_GT((two.interfaceTemp - two.surfaceTemp) * (tm - ta), 0.0f);
            EXPECT_GT((tm - two.interfaceTemp) * (tm - ta), 0.0f);
            if (IsPlane(objectKind)) {
                // Nothing between the medium and layer 1: layer 1 carries the same flow as layer 2.
                EXPECT_NEAR(ConductivityIntegral(wool, two.interfaceTemp, tm) / 0.03f, two.heatFlow, 0.5);
            }
        }
    }
}

TEST(LayeredHeatFlow, FlatSurfaceIndoorsSatisfiesItsBalance)
{
    // 80 °C behind 50 mm of λ 0.04 on a vertical wall 1 m high, 20 °C indoors:
    // 0.04·(80 − Ts)/0.05 = ho·(Ts − 20) within 0.1 W/m², the layer flow being λ·(Tin − Ts)/G exactly.
    Inputs in = Indoors(Object(ObjectKind::SurfaceOutside, 80, 20), 1);
    const HeatFlow r = OneLayerHeatFlow(in, 0.05f);
    EXPECT_NEAR(0.04f * (80 - r.surfaceTemp) / 0.05f, r.outerCoefficient * (r.surfaceTemp - 20), 0.1);
    EXPECT_FLOAT_EQ(r.heatFlow, 0.04f * (80 - r.surfaceTemp) / 0.05f);
    EXPECT_EQ(r.innerCoefficient, 0.0f);
}

TEST(LayeredHeatFlow, SupportsAddTheirShareToPipesAndDuctsInsulatedOutside)
{
    struct Row {
        const char* source;
        ObjectKind objectKind;
        Surroundings surroundings;
        float tm, ta;
        double factor;
    };
    const Row rows[] = {
        {"pipe indoors", ObjectKind::Pipe, Surroundings::Indoors, 80, 20, 1.15},
        {"pipe outdoors", ObjectKind::Pipe, Surroundings::Outdoors, 80, 20, 1.25},
        {"pipe, coefficient given", ObjectKind::Pipe, Surroundings::GivenCoefficient, 80, 20, 1.15},
        {"cold pipe: the negative flow grows", ObjectKind::Pipe, Surroundings::Indoors, 5, 25, 1.15},
        {"circular duct outdoors", ObjectKind::CircularDuct, Surroundings::Outdoors, 80, 20, 1.25},
        {"duct outside indoors", ObjectKind::RectangularDuctOutside, Surroundings::Indoors, 80, 20, 1.15},
        {"duct insulated inside", ObjectKind::RectangularDuctInside, Surroundings::Outdoors, 80, 20, 1.0},
        {"surface", ObjectKind::SurfaceOutside, Surroundings::Outdoors, 80, 20, 1.0},
        {"tank", ObjectKind::Tank, Surroundings::Outdoors, 80, 20, 1.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.source);
        Inputs in = Object(row.objectKind, row.tm, row.ta);
        in.surface.surroundings = row.surroundings;
        const HeatFlow without = OneLayerHeatFlow(in, 0.05f);
        const HeatFlow twoWithout = TwoLayerHeatFlow(in, 0.03f, 0.04f);
        in.supports = true;
        EXPECT_NEAR(OneLayerHeatFlow(in, 0.05f).heatFlow, row.factor * without.heatFlow, 1e-4);
        EXPECT_NEAR(TwoLayerHeatFlow(in, 0.03f, 0.04f).heatFlow, row.factor * twoWithout.heatFlow, 1e-4);
        // The comparison at a standard thickness never carries the supports.
        EXPECT_FLOAT_EQ(StandardThicknessHeatFlow(in, 50).heatFlow, without.heatFlow);
    }
}

TEST(LayeredHeatFlow, StandardFormRunsOnWhereTheMainFormStopsAtTheMediumTemperature)
{
    // Half a millimetre of λ 1000 holds back about 0.0004 K: the surface sits at the medium temperature,
    // closer than a float can resolve the layer flow (2e6 W/m²K times 8e-6 K per step).
    Inputs in = Indoors(Object(ObjectKind::SurfaceOutside, 80, 20), 1);
    in.layer1.conductivity = ConstantLambda(1000);

    const HeatFlow main = OneLayerHeatFlow(in, 0.0005f);
    EXPECT_NEAR(main.surfaceTemp, 80, 0.05);
    // Stopped with the surface flow.
    EXPECT_FLOAT_EQ(main.heatFlow, main.outerCoefficient * (main.surfaceTemp - 20));

    // The standard form goes on until the secant has no slope left and must
    // then still give a number, not the quotient 0/0.
    const HeatFlow standard = StandardThicknessHeatFlow(in, 0.5f);
    EXPECT_GT(standard.rounds, main.rounds);
    EXPECT_TRUE(std::isfinite(standard.heatFlow));
    EXPECT_NEAR(standard.surfaceTemp, 80, 0.05);
    EXPECT_NEAR(standard.heatFlow, main.heatFlow, 20);
}

TEST(LayeredHeatFlow, DuctsWithoutFlowKeepTheLowestInnerCoefficient)
{
    for (ObjectKind objectKind :
         {ObjectKind::CircularDuct, ObjectKind::RectangularDuctOutside, ObjectKind::RectangularDuctInside}) {
        SCOPED_TRACE(int(objectKind));
        Inputs in = Object(objectKind, 80, 20);
        in.flow = 0;
        EXPECT_EQ(BareSurface(in).innerCoefficient, 2.5f);
        EXPECT_EQ(OneLayerHeatFlow(in, 0.05f).innerCoefficient, 2.5f);
        EXPECT_EQ(TwoLayerHeatFlow(in, 0.03f, 0.04f).innerCoefficient, 2.5f);
    }
}

TEST(LayeredHeatFlow, InterfaceAboveLayerTwosMaximumIsReported)
{
    // The kernel shows nothing itself, whatever it reports.
    platform::ScriptedPrompter prompter;
    platform::ScopedServices services({&prompter});

    // The hot pipe of the table has 48.68 °C between the layers.
    Inputs in = Object(ObjectKind::Pipe, 80, 20);
    in.layer2.catalogue = true;
    in.layer2.maxTemperature = 45;
    const HeatFlow warned = TwoLayerHeatFlow(in, 0.03f, 0.04f);
    EXPECT_TRUE(warned.notices.Has(interfaceAboveMaximum));
    // The calculation goes on.
    EXPECT_NEAR(warned.heatFlow, 11.3957, qTolerance);

    in.layer2.maxTemperature = 50;
    EXPECT_TRUE(TwoLayerHeatFlow(in, 0.03f, 0.04f).notices.Empty());
    // A user's product has no maximum the program watches.
    in.layer2.catalogue = false;
    in.layer2.maxTemperature = 45;
    EXPECT_TRUE(TwoLayerHeatFlow(in, 0.03f, 0.04f).notices.Empty());
    // Layer 1's maximum is the dialog's business, not this notice's.
    in.layer1.catalogue = true;
    in.layer1.maxTemperature = 45;
    const HeatFlow quiet = TwoLayerHeatFlow(in, 0.03f, 0.04f);
    EXPECT_TRUE(quiet.notices.Empty());
    // The notice changes no number.
    EXPECT_EQ(quiet.heatFlow, warned.heatFlow);
    EXPECT_EQ(quiet.interfaceTemp, warned.interfaceTemp);
    EXPECT_TRUE(prompter.Messages().empty());
}

TEST(BareSurface, PipeWallAndSurfaceBalance)
{
    // Steel, given ho 10: Kw = 50/0.0029 = 17241.38, T = (Kw·80 + 10·20)/(Kw + 10) = 79.96522,
    // q = 10·π·0.0603·(T − 20) = 113.597.
    Inputs steel = Object(ObjectKind::Pipe, 80, 20);
    steel.surface.givenCoefficient = 10;
    const HeatFlow s = BareSurface(steel);
    EXPECT_NEAR(s.surfaceTemp, 79.96522, 1e-3);
    EXPECT_NEAR(s.heatFlow, 113.597, 0.01);
    EXPECT_EQ(s.outerCoefficient, 10.0f);

    // Plastic, Ø 110 × 10 mm, λw 0.2 (Kw = 20), indoors, ε 0.9. Convection takes the medium's
    // difference: hcv = 1.25·(60/0.11)^0.25 = 6.04087; radiation the surface's. The fixed point of
    // T = (20·80 + ho·20)/(20 + ho), ho = 6.04087 + hr(T) is T = 57.2119 with ho = 12.24776,
    // q = ho·π·0.11·(T − 20) = 157.500. (Convection at the surface's difference would settle at 57.954.)
    Inputs plastic = Indoors(Object(ObjectKind::Pipe, 80, 20));
    plastic.diameter = 0.11f;
    plastic.wall = {0.01f, 0.2f, 0.0f};
    const HeatFlow p = BareSurface(plastic);
    EXPECT_NEAR(p.surfaceTemp, 57.2119, 2e-3);
    EXPECT_NEAR(p.outerCoefficient, 12.24776, 1e-3);
    EXPECT_NEAR(p.heatFlow, 157.500, 0.02);

    // A wall of no thickness holds back nothing.
    plastic.wall.thickness = 0;
    EXPECT_FLOAT_EQ(BareSurface(plastic).surfaceTemp, 80.0f);
}

TEST(BareSurface, DuctsAndSurfaces)
{
    // Circular duct, given ho 8: hi = 9.0950 (as above), u = ho/hi = 0.87961,
    // Ts = (80 + u·20)/(1 + u) = 51.9216, q = 8·π·0.315·(Ts − 20) = 252.717.
    const HeatFlow c = BareSurface(Object(ObjectKind::CircularDuct, 80, 20));
    EXPECT_NEAR(c.innerCoefficient, 9.0950, 1e-3);
    EXPECT_NEAR(c.surfaceTemp, 51.9216, 2e-3);
    EXPECT_NEAR(c.heatFlow, 252.717, 0.02);

    // 400 × 300 duct: the bare duct takes the larger side as hydraulic diameter: Re = 0.4·4.1667/21.45e-6
    // = 77700, hi = 12.7769 (4·A/P would give 13.1770); Ts = 56.8975, q = 8·1.4·(Ts − 20) = 413.252.
    const HeatFlow r = BareSurface(Object(ObjectKind::RectangularDuctOutside, 80, 20));
    EXPECT_NEAR(r.innerCoefficient, 12.7769, 1e-3);
    EXPECT_NEAR(r.surfaceTemp, 56.8975, 2e-3);
    EXPECT_NEAR(r.heatFlow, 413.252, 0.02);

    // A vertical surface indoors, ε 0.9, radiation at the medium temperature:
    // hcv = 1.74·60^0.33333 = 6.81178, hr = 0.9·5.67·(3.5315⁴ − 2.9315⁴)/60 = 6.94744, q = 13.75922·60 = 825.553.
    for (ObjectKind objectKind : {ObjectKind::SurfaceOutside, ObjectKind::SurfaceInside, ObjectKind::Tank}) {
        SCOPED_TRACE(int(objectKind));
        const HeatFlow f = BareSurface(Indoors(Object(objectKind, 80, 20), 1));
        EXPECT_EQ(f.surfaceTemp, 80.0f);
        EXPECT_NEAR(f.outerCoefficient, 13.75922, 1e-3);
        EXPECT_NEAR(f.heatFlow, 825.553, 0.05);
    }

    // Cold: the bare duct draws heat in through its surface below the ambient.
    const HeatFlow cold = BareSurface(Object(ObjectKind::CircularDuct, 5, 25));
    EXPECT_LT(cold.heatFlow, 0.0f);
    EXPECT_GT(cold.surfaceTemp, 5.0f);
    EXPECT_LT(cold.surfaceTemp, 25.0f);
}

TEST(SurfaceBalance, FirstStepKeepsClearOfTheAmbient)
{
    // Starting 2.95 K below the ambient, a 3 K step would land 0.05 K above it, where radiation has no
    // quotient: the step is 2 K instead.
    std::vector<float> tried;
    BalanceOptions options;
    options.medium = 80;
    options.ambient = 20;
    BalanceSurface(17.05f, options, [&](float ts) {
        tried.push_back(ts);
        return Flows{ts - 30.0f, 0.0f}; // balanced at 30 °C
    });
    ASSERT_GE(tried.size(), 3u);
    EXPECT_FLOAT_EQ(tried[1], 19.05f);
    // A linear imbalance is solved by the first secant step.
    EXPECT_NEAR(tried[2], 30.0f, 1e-4);
}

TEST(SurfaceBalance, GivesUpAfterAHundredRoundsWithTheLastEvaluation)
{
    // Flows that never balance: the imbalance 1 + (Ts − 30)² has no root.
    int evaluations = 0;
    float last = 0;
    BalanceOptions options;
    options.medium = 80;
    options.ambient = 20;
    const BalanceOutcome outcome = BalanceSurface(25.0f, options, [&](float ts) {
        ++evaluations;
        last = ts;
        return Flows{1.0f + (ts - 30.0f) * (ts - 30.0f), 0.0f};
    });
    EXPECT_EQ(evaluations, 100);
    EXPECT_FALSE(outcome.converged);
    EXPECT_EQ(outcome.surfaceTemp, last);
    EXPECT_FLOAT_EQ(outcome.heatFlow, 1.0f + (last - 30.0f) * (last - 30.0f));
}

TEST(SurfaceBalance, StallsWhenTheImbalanceStopsChanging)
{
    // The same imbalance twice: the secant has no slope. One layer stops only then; two layers stop
    // as soon as the change falls under 0.001.
    BalanceOptions options;
    options.medium = 80;
    options.ambient = 20;
    int evaluations = 0;
    const auto constant = [&](float) {
        ++evaluations;
        return Flows{5.0f, 4.0f};
    };
    const BalanceOutcome stalled = BalanceSurface(25.0f, options, constant);
    EXPECT_EQ(evaluations, 2);
    EXPECT_TRUE(std::isfinite(stalled.surfaceTemp));
    EXPECT_EQ(stalled.heatFlow, 5.0f);

    evaluations = 0;
    options.stallLimit = 0.001f;
    const BalanceOutcome slow = BalanceSurface(25.0f, options, [&](float ts) {
        ++evaluations;
        return Flows{1.0f + 0.0001f * ts, 0.0f};
    });
    EXPECT_EQ(evaluations, 2);
    EXPECT_FLOAT_EQ(slow.surfaceTemp, 28.0f);
}
