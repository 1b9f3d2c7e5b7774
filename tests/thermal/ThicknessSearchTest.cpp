#include "TestObjects.h"

#include "thermal/LayeredHeatFlow.h"
#include "thermal/Messages.h"
#include "thermal/ThicknessSearch.h"

#include "doc/StringTable.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace thermal;
using namespace thermal_test;

namespace {

class ThicknessSearch : public ::testing::Test {
protected:
    platform::ScriptedPrompter prompter;
    platform::ScopedServices services{{&prompter}};

    // The search failed with the message's number as its code and left the
    // showing to its caller: the prompter the fixture installs stays empty.
    void ExpectFailure(const ThicknessResult& r, int id)
    {
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.failure, id);
        EXPECT_TRUE(prompter.Messages().empty());
    }
    void ExpectSilentSuccess(const ThicknessResult& r)
    {
        EXPECT_TRUE(r.ok);
        EXPECT_EQ(r.failure, 0);
        EXPECT_TRUE(prompter.Messages().empty());
    }
};

struct SearchRow {
    const char* source;
    ObjectKind objectKind;
    float tm, ta, target;
    double thickness, tolerance;
};

// Surface-temperature search with ho given (8 W/m²K): the thickness at which the series solution
// puts the surface at the target. The search stops at |qL − qS| < 0.1, which allows the thickness
// 0.1 over the slope of qL − qS.
const SearchRow surfaceRows[] = {
    // Plane: λ(Tm − Tsg)/s = ho·(Tsg − Ta) → s = 0.04·50/(8·10) = 0.025; slope λ·50/s² = 3200 W/m²/m.
    {"surface hot", ObjectKind::SurfaceOutside, 80, 20, 30, 0.025, 5e-5},
    // cold: s = 0.04·(5 − 22)/(8·(22 − 25)) = 0.028333
    {"surface cold", ObjectKind::SurfaceInside, 5, 25, 22, 0.028333, 5e-5},
    // Pipe: λ(1 − f(s))(Tm − Tsg)/G(s) = 8·π·(Di + 2s)·(Tsg − Ta) solved by bisection: s = 0.037679, slope −561.
    {"pipe hot", ObjectKind::Pipe, 80, 20, 25, 0.037679, 2e-4},
    // cold: s = 0.032023, slope 239.
    {"pipe cold", ObjectKind::Pipe, 5, 25, 23, 0.032023, 5e-4},
    // Circular duct: Ta + ΔT·Ro/(Ri + Rl(s) + Ro(s)) = Tsg by bisection, hi 9.0950: s = 0.107319, slope −285.
    {"circular duct hot", ObjectKind::CircularDuct, 80, 20, 22, 0.107319, 4e-4},
    // cold, hi 10.3980: s = 0.010550, slope 3356. The bare duct is at 13.70 °C, colder than the target.
    {"circular duct cold", ObjectKind::CircularDuct, 5, 25, 20, 0.010550, 5e-5},
};

// Heat-loss search with ho given. It ends with the layer carrying the target within 0.1 and the
// surface balanced within 0.1; the true flow at the thickness found is then within 0.2 of the target.
const SearchRow heatLossRows[] = {
    // Plane: ΔT/(s/λ + 1/ho) = q → s = 0.04·(60/40 − 0.125) = 0.055; slope 667 W/m²/m.
    {"surface hot", ObjectKind::SurfaceOutside, 80, 20, 40, 0.055, 3e-4},
    // s = 0.04·(20/10 − 0.125) = 0.075; slope 250.
    {"tank cold", ObjectKind::Tank, 5, 25, -10, 0.075, 8e-4},
    // Pipe: the closed form of the table (Ts = (A·Tm + B·Ta)/(A + B)) by bisection: s = 0.070654, slope −90.
    {"pipe hot", ObjectKind::Pipe, 80, 20, 12, 0.070654, 2.5e-3},
    // the cold pipe with a third of the difference and a third of the target: same thickness, slope 30.
    {"pipe cold", ObjectKind::Pipe, 5, 25, -4, 0.070654, 7e-3},
    // 400 × 300 duct: Po(s)·ΔT/(1/hi + s/λ + 1/ho) = q, hi 13.1770: s = 0.096046, slope −296.
    {"duct outside hot", ObjectKind::RectangularDuctOutside, 80, 20, 50, 0.096046, 8e-4},
    // cold, hi 15.0649: s = 0.071095, slope 173.
    {"duct outside cold", ObjectKind::RectangularDuctOutside, 5, 25, -20, 0.071095, 1.2e-3},
};

} // namespace

TEST_F(ThicknessSearch, SurfaceTemperatureAgreesWithTheHandCalculation)
{
    for (const SearchRow& row : surfaceRows) {
        SCOPED_TRACE(row.source);
        const Inputs in = Object(row.objectKind, row.tm, row.ta);
        const ThicknessResult r = ThicknessForSurfaceTemperature(in, row.target);
        ExpectSilentSuccess(r);
        EXPECT_FALSE(r.bareSuffices);
        EXPECT_NEAR(r.thickness, row.thickness, row.tolerance);
        EXPECT_EQ(r.needed.surfaceTemp, row.target);
        EXPECT_EQ(r.needed.outerCoefficient, givenHo);
        // The object insulated with the thickness found settles at the target.
        const HeatFlow check = OneLayerHeatFlow(in, r.thickness);
        EXPECT_NEAR(check.surfaceTemp, row.target, 0.05);
        EXPECT_NEAR(check.heatFlow, r.needed.heatFlow, 0.2);
    }
}

TEST_F(ThicknessSearch, HeatLossAgreesWithTheHandCalculation)
{
    for (const SearchRow& row : heatLossRows) {
        SCOPED_TRACE(row.source);
        const Inputs in = Object(row.objectKind, row.tm, row.ta);
        const ThicknessResult r = ThicknessForHeatLoss(in, row.target);
        ExpectSilentSuccess(r);
        EXPECT_GT(r.thickness, 0.0f);
        EXPECT_NEAR(r.thickness, row.thickness, row.tolerance);
        EXPECT_NEAR(r.needed.heatFlow, row.target, 0.1);
        const HeatFlow check = OneLayerHeatFlow(in, r.thickness);
        EXPECT_NEAR(check.heatFlow, row.target, 0.2);
        EXPECT_NEAR(check.surfaceTemp, r.needed.surfaceTemp, 0.05);
    }
}

// Free convection and radiation, a temperature-dependent product, hot and cold media: the thickness
// found must give the target when the object is calculated with it.
TEST_F(ThicknessSearch, ThicknessFoundMeetsItsTargetIndoors)
{
    const Conductivity wool{1.51e-9f, 1.31e-7f, 1.74e-4f, 0.034f};
    struct Row {
        const char* source;
        ObjectKind objectKind;
        float tm, ta, surfaceTemp, heatLoss;
    };
    const Row rows[] = {
        {"pipe hot", ObjectKind::Pipe, 80, 20, 25, 12},
        {"pipe cold", ObjectKind::Pipe, 5, 25, 23, -4},
        {"circular duct hot", ObjectKind::CircularDuct, 60, 20, 23, 20},
        {"circular duct cold", ObjectKind::CircularDuct, 10, 30, 27, -8},
        {"duct outside cold", ObjectKind::RectangularDuctOutside, 12, 28, 25, -15},
        {"duct inside hot", ObjectKind::RectangularDuctInside, 60, 20, 25, 40},
        {"surface cold", ObjectKind::SurfaceOutside, -20, 22, 19, -10},
        {"tank hot", ObjectKind::Tank, 90, 10, 15, 30},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.source);
        const int orientation = row.objectKind >= ObjectKind::SurfaceOutside ? 1 : 0;
        Inputs in = Indoors(Object(row.objectKind, row.tm, row.ta), orientation);
        in.layer1.conductivity = wool;

        const ThicknessResult byTemp = ThicknessForSurfaceTemperature(in, row.surfaceTemp);
        ExpectSilentSuccess(byTemp);
        EXPECT_GT(byTemp.thickness, 0.0f);
        // The search holds ho at its value for the start thickness; the full calculation takes ho at the
        // final outer diameter, which moves the surface a few hundredths of a kelvin on round objects.
        EXPECT_NEAR(OneLayerHeatFlow(in, byTemp.thickness).surfaceTemp, row.surfaceTemp,
                    IsRound(row.objectKind) ? 0.1 : 0.05);

        const ThicknessResult byLoss = ThicknessForHeatLoss(in, row.heatLoss);
        ExpectSilentSuccess(byLoss);
        EXPECT_GT(byLoss.thickness, 0.0f);
        EXPECT_NEAR(byLoss.needed.heatFlow, row.heatLoss, 0.1);
        const HeatFlow check = OneLayerHeatFlow(in, byLoss.thickness);
        EXPECT_NEAR(check.heatFlow, row.heatLoss, 0.2);
        EXPECT_NEAR(check.surfaceTemp, byLoss.needed.surfaceTemp, 0.05);
    }
}

TEST_F(ThicknessSearch, BareObjectThatMeetsTheTargetNeedsNoInsulation)
{
    std::vector<float> asked;
    const StandardThicknessLookup smallest = [&](float s) {
        asked.push_back(s);
        return 20.0f;
    };

    // The bare circular duct is at 51.92 °C (hot) and 13.70 °C (cold); a target on the ambient's side
    // of it is met without insulation.
    const Inputs hot = Object(ObjectKind::CircularDuct, 80, 20);
    const ThicknessResult r = ThicknessForSurfaceTemperature(hot, 55, smallest);
    ExpectSilentSuccess(r);
    EXPECT_TRUE(r.bareSuffices);
    EXPECT_EQ(r.thickness, 0.0f);
    EXPECT_NEAR(r.needed.surfaceTemp, 51.9216, 2e-3);
    EXPECT_NEAR(r.needed.heatFlow, 252.717, 0.02);
    EXPECT_EQ(r.needed.innerCoefficient, r.bare.innerCoefficient);
    // A catalogue product still shows its smallest standard thickness with its results.
    ASSERT_EQ(asked, std::vector<float>{0.0f});
    EXPECT_EQ(r.standardThickness, 20.0f);
    EXPECT_FLOAT_EQ(r.standard.heatFlow, StandardThicknessHeatFlow(hot, 20).heatFlow);

    const ThicknessResult cold = ThicknessForSurfaceTemperature(Object(ObjectKind::CircularDuct, 5, 25), 10);
    ExpectSilentSuccess(cold);
    EXPECT_TRUE(cold.bareSuffices);
    EXPECT_NEAR(cold.needed.surfaceTemp, 13.6966, 2e-3);

    // Heat loss: a target larger in magnitude than the bare loss (825.6 W/m² on the indoor surface).
    const Inputs wall = Indoors(Object(ObjectKind::SurfaceOutside, 80, 20), 1);
    const ThicknessResult loss = ThicknessForHeatLoss(wall, 900);
    ExpectSilentSuccess(loss);
    EXPECT_TRUE(loss.bareSuffices);
    EXPECT_EQ(loss.thickness, 0.0f);
    EXPECT_EQ(loss.needed.surfaceTemp, 80.0f);
    EXPECT_NEAR(loss.needed.heatFlow, 825.553, 0.05);
    const ThicknessResult coldLoss = ThicknessForHeatLoss(Indoors(Object(ObjectKind::SurfaceOutside, 5, 25), 1), -400);
    ExpectSilentSuccess(coldLoss);
    EXPECT_TRUE(coldLoss.bareSuffices);
    EXPECT_LT(coldLoss.needed.heatFlow, 0.0f);
}

// A cold medium has the bare surface below the ambient and a negative target: the tests of the
// search must look from the side of the heat flow and take magnitudes.
TEST_F(ThicknessSearch, ColdMediaGetAPositiveThicknessThatMeetsTheTarget)
{
    // A cold pipe's bare surface sits within a degree of the medium: every reachable target surface
    // temperature is warmer than it.
    const Inputs pipe = Indoors(Object(ObjectKind::Pipe, 5, 25));
    ASSERT_LT(BareSurface(pipe).surfaceTemp, 6.0f);
    const ThicknessResult byTemp = ThicknessForSurfaceTemperature(pipe, 22);
    ExpectSilentSuccess(byTemp);
    EXPECT_FALSE(byTemp.bareSuffices);
    EXPECT_GT(byTemp.thickness, 0.005f);
    EXPECT_LT(byTemp.needed.heatFlow, 0.0f);
    EXPECT_NEAR(OneLayerHeatFlow(pipe, byTemp.thickness).surfaceTemp, 22, 0.1);

    // The start thickness of the heat-loss search from a negative target.
    const ThicknessResult byLoss = ThicknessForHeatLoss(pipe, -5);
    ExpectSilentSuccess(byLoss);
    EXPECT_GT(byLoss.thickness, 0.005f);
    EXPECT_NEAR(OneLayerHeatFlow(pipe, byLoss.thickness).heatFlow, -5, 0.2);
}

TEST_F(ThicknessSearch, StandardThicknessIsEvaluatedBesideTheNeededOne)
{
    const Inputs in = Object(ObjectKind::Pipe, 80, 20);
    std::vector<float> asked;
    const auto standards = [&](float s) {
        asked.push_back(s);
        return s <= 0.08f ? 80.0f : -1.0f;
    };
    const ThicknessResult r = ThicknessForHeatLoss(in, 12, standards);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], r.thickness);
    EXPECT_EQ(r.standardThickness, 80.0f);
    const HeatFlow expected = StandardThicknessHeatFlow(in, 80);
    EXPECT_EQ(r.standard.heatFlow, expected.heatFlow);
    EXPECT_EQ(r.standard.surfaceTemp, expected.surfaceTemp);
    // A thicker standard loses less.
    EXPECT_LT(r.standard.heatFlow, r.needed.heatFlow);

    // No standard thickness large enough: nothing to compare with.
    const ThicknessResult beyond = ThicknessForHeatLoss(in, 8, standards);
    ASSERT_TRUE(beyond.ok);
    EXPECT_EQ(beyond.standardThickness, -1.0f);
    EXPECT_EQ(beyond.standard.rounds, 0);
    // A user's product: no lookup at all.
    EXPECT_EQ(ThicknessForHeatLoss(in, 12).standardThickness, -1.0f);
}

TEST_F(ThicknessSearch, ThicknessBeyondTwoMetresFails)
{
    // A secant step past 2 m: surface at 20.2 °C in 20 °C air behind λ 0.1 needs
    // 0.1·59.8/(8·0.2) = 3.74 m; the search starts at 59.8/0.2·0.0036 = 1.08 m.
    Inputs wall = Object(ObjectKind::SurfaceOutside, 80, 20);
    wall.layer1.conductivity = ConstantLambda(0.1f);
    ExpectFailure(ThicknessForSurfaceTemperature(wall, 20.2f), thicknessTooLarge);

    // A start already past 2 m that meets the target at once: λ/ho = 0.036/10 makes the start
    // estimate exact, 599·0.0036 = 2.16 m for a surface at 20.1 °C. It is no result to report.
    wall.layer1.conductivity = ConstantLambda(0.036f);
    wall.surface.givenCoefficient = 10;
    ExpectFailure(ThicknessForSurfaceTemperature(wall, 20.1f), thicknessTooLarge);

    // 1 W/m² through a wall with 60 K across: the plane formula starts at 60·0.04/1 = 2.4 m, where
    // layer and surface already agree.
    ExpectFailure(ThicknessForHeatLoss(Object(ObjectKind::SurfaceOutside, 80, 20), 1), thicknessTooLarge);
    ExpectFailure(ThicknessForHeatLoss(Indoors(Object(ObjectKind::SurfaceOutside, 80, 20), 1), 1), thicknessTooLarge);
    ExpectFailure(ThicknessForHeatLoss(Object(ObjectKind::SurfaceOutside, 5, 25), -0.3f), thicknessTooLarge);

    // A small pipe, Ø 20 mm: the cylinder formula gives (e^(60·2π·0.04/2) − 1)·0.01 = 18.8 m for 2 W/m…
    Inputs small = Object(ObjectKind::Pipe, 80, 20);
    small.diameter = 0.02f;
    ExpectFailure(ThicknessForHeatLoss(small, 2), thicknessTooLarge);
    // …and e^(60·2π·0.04/0.1) overflows a float: no number at all.
    ExpectFailure(ThicknessForHeatLoss(small, 0.1f), thicknessTooLarge);
    // The same limits for a cold pipe and its negative target.
    ExpectFailure(ThicknessForHeatLoss(Object(ObjectKind::Pipe, 5, 25), -0.2f), thicknessTooLarge);

    // Just inside the limit still succeeds: 60·0.04/1.25 − 0.04/8 = 1.915 m.
    const ThicknessResult near = ThicknessForHeatLoss(Object(ObjectKind::SurfaceOutside, 80, 20), 1.25f);
    ExpectSilentSuccess(near);
    EXPECT_NEAR(near.thickness, 1.915, 0.02);
}

TEST_F(ThicknessSearch, InsideInsulationThatClosesTheDuctFails)
{
    // 200 × 200 duct, 0.1 m³/s at 60 °C: 5 W/m needs about 0.04·40·0.8/5 = 0.26 m, more than half a
    // side. Past half a side the hydraulic diameter turns negative and the flows are no numbers; the
    // search must still end with the duct message rather than a thickness.
    Inputs square = Object(ObjectKind::RectangularDuctInside, 60, 20);
    square.height = 0.2f;
    square.width = 0.2f;
    square.flow = 0.1f;
    ExpectFailure(ThicknessForHeatLoss(square, 5), insulationFillsDuct);
    // Surface 1 K above the ambient: about 0.24 m.
    ExpectFailure(ThicknessForSurfaceTemperature(Indoors(square), 21), insulationFillsDuct);

    // Without flow the numbers stay finite and the search comes to rest at a thickness larger than
    // half the 200 mm side of a 200 × 1000 duct.
    Inputs flat = square;
    flat.width = 1.0f;
    flat.flow = 0;
    ExpectFailure(ThicknessForHeatLoss(flat, 20), insulationFillsDuct);

    // A target the duct has room for: 0.8·40/(1/hi + s/0.04 + 1/ho) = 40 gives about 24 mm.
    const ThicknessResult fits = ThicknessForHeatLoss(Indoors(square), 40);
    ExpectSilentSuccess(fits);
    EXPECT_GT(fits.thickness, 0.02f);
    EXPECT_LT(2 * fits.thickness, 0.2f);
}

TEST(ThermalMessages, TextsAreThoseOfTheStringTable)
{
    for (int id : {thicknessTooLarge, insulationFillsDuct, interfaceAboveMaximum}) {
        EXPECT_FALSE(MessageText(id).empty());
        EXPECT_EQ(std::string(MessageText(id)), LoadString(id)) << id;
    }
    EXPECT_TRUE(MessageText(62460).empty());
    for (int id : noticeIds)
        EXPECT_FALSE(MessageText(id).empty()) << id;
}

TEST(ThermalMessages, NoticesGatherOverARun)
{
    Notices run;
    EXPECT_TRUE(run.Empty());
    EXPECT_FALSE(run.Has(interfaceAboveMaximum));

    Notices step;
    step.Raise(interfaceAboveMaximum);
    EXPECT_TRUE(step.Has(interfaceAboveMaximum));
    // A failure's number is no notice: raising it leaves the set as it was.
    step.Raise(thicknessTooLarge);
    EXPECT_FALSE(step.Has(thicknessTooLarge));

    // Twenty-five steps raising the same notice leave it in the run once.
    for (int i = 0; i < 25; ++i)
        run |= i % 2 == 0 ? step : Notices{};
    EXPECT_EQ(run, step);
    EXPECT_FALSE(run.Empty());
}
