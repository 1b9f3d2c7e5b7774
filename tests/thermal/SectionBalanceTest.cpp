// The section heat balance against closed forms worked out by hand.
//
// With a product of constant λ and the outer (and, for ducts, inner)
// coefficient given, every variant has a conductance per metre UA' that does
// not depend on the temperatures, and the medium follows
//   T(x) = Ta + (Tin − Ta)·exp(−x·UA'/(V̇·ρc)).
// The expected values below are written out from the geometry in double
// precision, independently of the program's secant passes.

#include "thermal/DewPoint.h"
#include "thermal/SectionBalance.h"
#include "thermal/SurfaceTransfer.h"

#include <gtest/gtest.h>

#include <cmath>

using thermal::SectionHeatBalance;
using thermal::SectionInputs;
using thermal::SectionResult;

namespace {

constexpr double pi = 3.1415927;
constexpr double waterRhoC = 999.0 * 4180.0; // J/(m³·K)

// DN 50 steel, 60.3 × 2.9 mm with λw = 50 W/mK, 40 mm of λ = 0.04 W/mK,
// ho = 8 W/m²K given, 0.5 m³/h of water.
SectionInputs Pipe(float tin, float ta, float length)
{
    SectionInputs in;
    in.kind = ObjectKind::Pipe;
    in.inletTemp = tin;
    in.ambientTemp = ta;
    in.length = length;
    in.volumeFlow = 0.5f / 3600.0f;
    in.volumetricHeatCapacity = float(waterRhoC);
    in.diameter = 0.0603f;
    in.s1 = 0.04f;
    in.layer1 = {0, 0, 0, 0.04f};
    in.wall = {0.0029f, 50.0f, 0.0f};
    in.surroundings = Surroundings::GivenCoefficient;
    in.outerCoefficient = 8.0f;
    return in;
}

// The pipe's UA' by hand: the layer with the wall's share in series with the surface.
double PipeConductance()
{
    const double di = 0.0603, dout = di + 0.08;
    const double g = std::log(dout / di) / (2 * pi);
    const double rw = 0.0029 / 50.0;
    const double f = rw / (0.04 / 0.04 + rw);
    const double a = 0.04 * (1 - f) / g;
    const double b = 8.0 * pi * dout;
    return a * b / (a + b);
}

double Profile(double tin, double ta, double x, double ua, double capacity)
{
    return ta + (tin - ta) * std::exp(-x * ua / capacity);
}

double AirRhoC(double t)
{
    if (t < 150)
        return 1000 * (1.308 - 0.0035 * t);
    if (t < 400)
        return 1000 * (0.985 - 0.0011 * t);
    return 1000 * (0.732 - 0.00046 * t);
}

// A product as the catalogue has them, λ rising with temperature.
thermal::Conductivity MineralWool()
{
    return {1.51e-9f, 1.31e-7f, 1.74e-4f, 0.034f};
}

} // namespace

// Five pipe sections of 100 m in a row, each starting where the last ended:
// the outlets lie on the one exponential of the whole run, and each
// section's heat loss is what the water gives up between its ends.
TEST(SectionBalance, PipelineRunFollowsTheExponentialProfile)
{
    const double ua = PipeConductance(); // 0.27443 W/mK
    const double capacity = 0.5 / 3600 * waterRhoC;
    for (const auto [tin, ta] : {std::pair{80.0f, 20.0f}, std::pair{5.0f, 25.0f}}) {
        float t = tin;
        for (int k = 1; k <= 5; ++k) {
            const SectionResult r = SectionHeatBalance(Pipe(t, ta, 100.0f));
            const double expected = Profile(tin, ta, 100.0 * k, ua, capacity);
            EXPECT_NEAR(r.outletTemp, expected, 0.05) << "section " << k << " from " << tin;
            const double given = capacity * (Profile(tin, ta, 100.0 * (k - 1), ua, capacity) - expected);
            EXPECT_NEAR(r.heatLoss, given, 0.5) << "section " << k;
            EXPECT_EQ(r.outerCoefficient, 8.0f);
            EXPECT_TRUE(r.exchanges);
            t = r.outletTemp;
        }
        // The warm run cools by 2.77 K per 100 m at first; the cold one warms.
        EXPECT_EQ(t < tin, tin > ta);
    }
}

// Ducts carry air whose ρ·c is taken at the section's inlet. With both
// coefficients given the circular duct's UA' is 1/R of its series
// resistances per metre; the rectangular duct's provisional outlet uses R
// per m² unscaled, but its UA' comes out as Po/R all the same.
TEST(SectionBalance, DuctsUseTheAirOfTheirInlet)
{
    {
        // Ø 315 mm, 50 mm, hi = 12, ho = 8, 0.2 m³/s at 60 °C into 10 °C.
        SectionInputs in;
        in.kind = ObjectKind::CircularDuct;
        in.inletTemp = 60.0f;
        in.ambientTemp = 10.0f;
        in.length = 50.0f;
        in.volumeFlow = 0.2f;
        in.area = float(pi * 0.315 * 0.315 / 4);
        in.diameter = 0.315f;
        in.s1 = 0.05f;
        in.layer1 = {0, 0, 0, 0.04f};
        in.surroundings = Surroundings::GivenCoefficient;
        in.outerCoefficient = 8.0f;
        in.innerCoefficientGiven = true;
        in.innerCoefficient = 12.0f;
        const double di = 0.315, dout = 0.415;
        const double r = 1 / (12.0 * pi * di) + std::log(dout / di) / (0.04 * 2 * pi) + 1 / (8.0 * pi * dout);
        const double capacity = 0.2 * AirRhoC(60.0); // 1000·(1.308 − 0.21) = 1098 J/(m³K)
        const SectionResult res = SectionHeatBalance(in);
        EXPECT_NEAR(res.outletTemp, Profile(60, 10, 50, 1 / r, capacity), 0.01);
        EXPECT_NEAR(res.heatLoss, capacity * (60 - Profile(60, 10, 50, 1 / r, capacity)), 0.5);
        EXPECT_EQ(res.innerCoefficient, 12.0f);

        // The same duct hotter than 150 °C and 400 °C takes the other pieces of ρ·c.
        for (float hot : {250.0f, 600.0f}) {
            in.inletTemp = hot;
            const double cap = 0.2 * AirRhoC(hot);
            EXPECT_NEAR(SectionHeatBalance(in).outletTemp, Profile(hot, 10, 50, 1 / r, cap), 0.02) << hot;
        }
    }
    {
        // 400 × 300 mm insulated outside with 50 mm, 0.5 m³/s at 40 °C into
        // 0 °C. The inner coefficient is the duct correlation with the
        // hydraulic diameter over the insulation's outer perimeter:
        // Po = 8·0.05 + 1.4 = 1.8 m, dh = 4·0.12/1.8 = 0.2667 m,
        // ν = 17.45e-6, λair = 0.027156, w = 4.1667 m/s, Re = 63 670,
        // hi = 0.0207·λair·Re^0.8/dh = 14.3 W/m²K.
        SectionInputs in;
        in.kind = ObjectKind::RectangularDuctOutside;
        in.inletTemp = 40.0f;
        in.ambientTemp = 0.0f;
        in.length = 80.0f;
        in.volumeFlow = 0.5f;
        in.area = 0.12f;
        in.height = 0.4f;
        in.width = 0.3f;
        in.s1 = 0.05f;
        in.layer1 = {0, 0, 0, 0.04f};
        in.surroundings = Surroundings::GivenCoefficient;
        in.outerCoefficient = 8.0f;
        const double dh = 4 * 0.12 / 1.8;
        const double nu = (13.45 + 0.1 * 40) * 1e-6;
        const double re = dh * (0.5 / 0.12) / nu;
        const double hi = 0.0207 * (24.1 + 0.0764 * 40) * 0.001 * std::pow(re, 0.8) / dh;
        const double r = 1 / hi + 0.05 / 0.04 + 1 / 8.0;
        const double capacity = 0.5 * AirRhoC(40.0);
        const SectionResult res = SectionHeatBalance(in);
        EXPECT_NEAR(res.innerCoefficient, hi, 0.01);
        EXPECT_NEAR(res.outletTemp, Profile(40, 0, 80, 1.8 / r, capacity), 0.01);
    }
}

// Uninsulated sections are worked out in one step: the pipe's surface sits
// behind its wall (Kw = λw/sw with sw in metres), the duct's at the inlet.
TEST(SectionBalance, BareSectionsInOneStep)
{
    {
        SectionInputs in = Pipe(80.0f, 20.0f, 30.0f);
        in.layers = 0;
        in.supports = true; // a bare section has no supports to count
        const double kw = 50.0 / 0.0029;
        const double ts = (kw * 80 + 10 * 20) / (kw + 10);
        const double ua = 8.0 * pi * 0.0603 * (ts - 20) / 60;
        const double capacity = 0.5 / 3600 * waterRhoC;
        const SectionResult r = SectionHeatBalance(in);
        EXPECT_NEAR(r.outletTemp, Profile(80, 20, 30, ua, capacity), 0.01);
        EXPECT_GT(ts, 79.96);
    }
    {
        // 400 × 300 mm bare, hi = 20 and ho = 8 given: R = 1/20 + 1/8 per
        // m² gives the provisional outlet, q = ho·Po·(Tin − Ta) the conductance.
        SectionInputs in;
        in.kind = ObjectKind::RectangularDuctOutside;
        in.layers = 0;
        in.inletTemp = 40.0f;
        in.ambientTemp = 0.0f;
        in.length = 20.0f;
        in.volumeFlow = 0.5f;
        in.area = 0.12f;
        in.height = 0.4f;
        in.width = 0.3f;
        in.surroundings = Surroundings::GivenCoefficient;
        in.outerCoefficient = 8.0f;
        in.innerCoefficientGiven = true;
        in.innerCoefficient = 20.0f;
        const double capacity = 0.5 * AirRhoC(40.0);
        const double tp = Profile(40, 0, 20, 1 / (1 / 20.0 + 1 / 8.0), capacity);
        const double ua = 8.0 * 1.4 * 40 / ((40 + tp) / 2);
        EXPECT_NEAR(SectionHeatBalance(in).outletTemp, Profile(40, 0, 20, ua, capacity), 0.01);
    }
}

// Two equal layers of one product make the same section as one layer of
// their sum, though the two-layer form takes its own start value, its own
// convection dimension (Po/3.14) and hydraulic diameter, and for ducts the
// flow through the layers instead of the one from the surface. The ducts
// carry air at ordinary speeds (6 m/s): a slow stream's air film would
// show that the one-layer form of a rectangular duct takes its hydraulic
// diameter over the insulation's outer perimeter.
TEST(SectionBalance, TwoLayersAgreeWithOneLayerOfTheirSum)
{
    SectionInputs pipe = Pipe(150.0f, 10.0f, 200.0f);
    pipe.surroundings = Surroundings::Indoors;
    pipe.emissivity = 0.3f;

    SectionInputs round;
    round.kind = ObjectKind::CircularDuct;
    round.inletTemp = 120.0f;
    round.ambientTemp = 10.0f;
    round.length = 100.0f;
    round.volumeFlow = 0.2f;
    round.area = float(pi * 0.2 * 0.2 / 4);
    round.diameter = 0.2f;
    round.emissivity = 0.3f;

    SectionInputs rect = round;
    rect.kind = ObjectKind::RectangularDuctOutside;
    rect.area = 0.08f;
    rect.volumeFlow = 0.5f;
    rect.height = 0.4f;
    rect.width = 0.2f;
    rect.surroundings = Surroundings::Outdoors;
    rect.windSpeed = 3.0f;

    for (SectionInputs in : {pipe, round, rect}) {
        in.layer1 = in.layer2 = MineralWool();
        in.layers = 1;
        in.s1 = 0.05f;
        const SectionResult one = SectionHeatBalance(in);
        in.layers = 2;
        in.s1 = in.s2 = 0.025f;
        const SectionResult two = SectionHeatBalance(in);
        // Each run loses several kelvin, so agreement within 0.1 K says something.
        EXPECT_GT(in.inletTemp - one.outletTemp, 3.0f) << int(in.kind);
        EXPECT_NEAR(two.outletTemp, one.outletTemp, 0.1) << int(in.kind);
    }
}

// Within 0.1 K of the surroundings nothing is exchanged, fittings included;
// just beyond it the balance runs.
TEST(SectionBalance, InletAtTheAmbientExchangesNothing)
{
    for (float tin : {20.1f, 19.9f, 20.0f}) {
        SectionInputs in = Pipe(tin, 20.0f, 100.0f);
        in.fittingLength = 5.0f;
        const SectionResult r = SectionHeatBalance(in);
        EXPECT_EQ(r.outletTemp, tin);
        EXPECT_EQ(r.heatLoss, 0.0f);
        EXPECT_FALSE(r.exchanges);
    }
    const SectionResult r = SectionHeatBalance(Pipe(20.2f, 20.0f, 100.0f));
    EXPECT_TRUE(r.exchanges);
    EXPECT_GT(r.heatLoss, 0.0f);
    EXPECT_LT(r.outletTemp, 20.2f);
}

// Uninsulated supports lengthen an insulated section by 15 % indoors or
// with a given coefficient and by 25 % outdoors: the exponent of the
// profile, ln((Tin − Ta)/(Tout − Ta)), grows by that factor.
TEST(SectionBalance, SupportsLengthenTheInsulatedSection)
{
    const auto exponent = [](SectionInputs in) {
        const SectionResult r = SectionHeatBalance(in);
        return std::log((in.inletTemp - in.ambientTemp) / (r.outletTemp - in.ambientTemp));
    };
    SectionInputs given = Pipe(80.0f, 20.0f, 300.0f);
    SectionInputs indoors = given;
    indoors.surroundings = Surroundings::Indoors;
    SectionInputs outdoors = given;
    outdoors.surroundings = Surroundings::Outdoors;
    outdoors.windSpeed = 4.0f;
    const std::pair<SectionInputs, double> cases[] = {{given, 1.15}, {indoors, 1.15}, {outdoors, 1.25}};
    for (const auto& [in, factor] : cases) {
        SectionInputs supported = in;
        supported.supports = true;
        EXPECT_NEAR(exponent(supported) / exponent(in), factor, 2e-3) << int(in.surroundings);
    }
}

// Fittings are Le metres of bare pipe after the section, at its outlet
// temperature and with the surface's emissivity; for a duct the air film
// and the surface in series.
TEST(SectionBalance, FittingsAddTheirLengthOfBarePipeAtTheOutlet)
{
    {
        SectionInputs in = Pipe(80.0f, 20.0f, 50.0f);
        in.surroundings = Surroundings::Indoors;
        in.emissivity = 0.3f;
        const SectionResult without = SectionHeatBalance(in);
        in.fittingLength = 1.5f;
        const SectionResult with = SectionHeatBalance(in);
        // At Tf0 over Ta = 20 °C on D = 0.0603 m: free convection and
        // radiation with ε = 0.3, hr = ε·5.67·(T⁴ − Ta⁴)/(T − Ta) in hundreds of K.
        const double tf0 = without.outletTemp;
        const double hcv = thermal::ConvectionCoefficient(true, false, float(tf0 - 20), 0.0603f, false, 0, 0);
        const double xs = (tf0 + 273.15) / 100, xa = 293.15 / 100;
        const double hr = 0.3 * 5.67 * (std::pow(xs, 4) - std::pow(xa, 4)) / (tf0 - 20);
        const double capacity = 0.5 / 3600 * waterRhoC;
        const double tout = Profile(tf0, 20, 1.5, (hcv + hr) * pi * 0.0603, capacity);
        EXPECT_NEAR(with.outletTemp, tout, 0.005);
        EXPECT_NEAR(with.heatLoss - without.heatLoss, capacity * (tf0 - tout), 0.05);
        EXPECT_GT(with.heatLoss - without.heatLoss, 1.5 * 0.9 * (hcv + hr) * pi * 0.0603 * (tf0 - 20));
    }
    {
        // A circular duct with hi = 12 and ho = 8 given: UA' = hi·ho·Po/(hi + ho),
        // with ρ·c of the air at the section's outlet.
        SectionInputs in;
        in.kind = ObjectKind::CircularDuct;
        in.inletTemp = 60.0f;
        in.ambientTemp = 10.0f;
        in.length = 50.0f;
        in.volumeFlow = 0.05f;
        in.area = float(pi * 0.315 * 0.315 / 4);
        in.diameter = 0.315f;
        in.s1 = 0.05f;
        in.layer1 = {0, 0, 0, 0.04f};
        in.surroundings = Surroundings::GivenCoefficient;
        in.outerCoefficient = 8.0f;
        in.innerCoefficientGiven = true;
        in.innerCoefficient = 12.0f;
        const double tf0 = SectionHeatBalance(in).outletTemp;
        in.fittingLength = 4.0f;
        const double ua = 12.0 * 8.0 * pi * 0.315 / 20.0;
        EXPECT_NEAR(SectionHeatBalance(in).outletTemp, Profile(tf0, 10, 4, ua, 0.05 * AirRhoC(tf0)), 0.005);
    }
}

// ρ·c of air stays positive over the range a duct run is held to, and the
// dew point of 20 °C air at 60 % is 12.0 °C.
TEST(SectionBalance, AirPropertiesAndDewPoint)
{
    for (float t = thermal::airLowestTemperature; t <= thermal::airHighestTemperature; t += 10.0f) {
        EXPECT_GT(thermal::AirVolumetricHeatCapacity(t), 250.0f) << t;
    }
    EXPECT_NEAR(thermal::DewPoint(20.0f, 0.6f), 12.0f, 0.05f);
    EXPECT_NEAR(thermal::DewPoint(20.0f, 1.0f), 20.0f, 1e-4f);
    // 0.3^0.1247 = 0.86059: 0.86059 · 129.8 − 109.8 = 1.905 °C.
    EXPECT_NEAR(thermal::DewPoint(20.0f, 0.3f), 1.905f, 0.005f);
}
