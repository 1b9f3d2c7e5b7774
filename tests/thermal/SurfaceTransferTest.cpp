#include "thermal/Conductivity.h"
#include "thermal/SurfaceTransfer.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace thermal;

namespace {

struct ConvectionRow {
    const char* source;
    bool natural;
    bool vertical;
    float dT, D;
    bool plane;
    float H, v;
    double expected;
    double tolerance;
};

// Hand calculations; L is the characteristic length, the branch is chosen by
// L³·dT > 10 (free) or v·L > 8, v·D > 0.00855 (forced).
const ConvectionRow convectionRows[] = {
    // free, horizontal pipe D 0.1, dT 10: 0.001·10 = 0.01 ≤ 10 laminar; 1.25·(10/0.1)^0.25 = 1.25·3.16228
    {"free pipe laminar", true, false, 10, 0.1f, false, 1, 0, 3.95285, 1e-4},
    // free, vertical plane 3 m, dT 10: 27·10 > 10 turbulent; 1.74·10^0.33333 = 1.74·2.154418
    {"free vertical plane turbulent", true, true, 10, 0.1f, true, 3, 0, 3.74869, 1e-4},
    // the exponent is the decimal 0.33333: 1.74·1000^0.33333 = 17.39960, a true cube root would give 17.4
    {"free decimal exponent", true, true, 1000, 0.1f, true, 3, 0, 17.39960, 5e-5},
    // free, horizontal plane: L = 1 whatever H; dT 20: 20 > 10, 1.21·20^0.33333 = 1.21·2.714391
    {"free horizontal plane turbulent", true, false, 20, 0.1f, true, 0.1f, 0, 3.28441, 1e-4},
    // dT 10 on a horizontal plane: 1·10 is not above 10, laminar 1.25·(10/1)^0.25 = 1.25·1.778279
    {"free horizontal plane at the limit", true, false, 10, 0.1f, true, 5, 0, 2.22285, 1e-4},
    // forced, pipe D 0.1, v 0.05: 0.005 ≤ 0.00855; 0.0081/0.1 + 3.14·√0.5 = 0.081 + 2.22032
    {"wind pipe slow", false, false, 10, 0.1f, false, 1, 0.05f, 2.30132, 1e-4},
    // forced, pipe D 0.1, v 0.1: 0.01 > 0.00855; 8.9·0.1^0.9/0.1^0.1 = 8.9·0.125893/0.794328
    {"wind pipe just turbulent", false, false, 10, 0.1f, false, 1, 0.1f, 1.41055, 1e-4},
    // forced, pipe D 0.1, v 2: 0.2 > 0.00855; 8.9·2^0.9/0.1^0.1 = 8.9·1.866066/0.794328
    {"wind pipe", false, false, 10, 0.1f, false, 1, 2, 20.90822, 2e-4},
    // vertical pipe in wind: orientation plays no part
    {"wind vertical pipe", false, true, 10, 0.1f, false, 1, 2, 20.90822, 2e-4},
    // forced, vertical plane H 2, v 5: 10 > 8; 5.76·(625/2)^0.2 = 5.76·3.154787
    {"wind vertical plane", false, true, 10, 0.1f, true, 2, 5, 18.17157, 2e-4},
    // forced, horizontal plane (L = 1), v 5: 5 ≤ 8; 3.96·√5 = 3.96·2.236068
    {"wind horizontal plane slow", false, false, 10, 0.1f, true, 2, 5, 8.85483, 1e-4},
    // v 9: 9 > 8; 5.76·(9⁴/1)^0.2 = 5.76·5.799546
    {"wind horizontal plane", false, false, 10, 0.1f, true, 2, 9, 33.40539, 3e-4},
};

} // namespace

TEST(SurfaceTransfer, ConvectionFollowsTheCorrelationOfEachRegime)
{
    for (const ConvectionRow& row : convectionRows)
        EXPECT_NEAR(ConvectionCoefficient(row.natural, row.vertical, row.dT, row.D, row.plane, row.H, row.v),
                    row.expected, row.tolerance)
            << row.source;
}

TEST(SurfaceTransfer, RadiationAndItsLimitWhereTheTemperaturesMeet)
{
    // 0.9·5.67·(3.2315⁴ − 2.9315⁴)/30 = 0.9·5.67·(109.0477 − 73.8515)/30
    EXPECT_NEAR(RadiationCoefficient(0.9f, 50, 20), 5.98687, 2e-4);
    // The same exchange seen from the other side.
    EXPECT_NEAR(RadiationCoefficient(0.9f, 20, 50), 5.98687, 2e-4);
    // Ts = Ta: 4·0.9·5.67·2.9315³/100 = 4·0.9·5.67·25.1924/100
    const float limit = RadiationCoefficient(0.9f, 20, 20);
    EXPECT_NEAR(limit, 5.14227, 1e-4);
    EXPECT_TRUE(std::isfinite(limit));
    // …and it joins the quotient on either side, which rises by about 0.026 W/m²K per K of Ts.
    EXPECT_NEAR(RadiationCoefficient(0.9f, 20.1f, 20), limit, 0.005);
    EXPECT_NEAR(RadiationCoefficient(0.9f, 19.9f, 20), limit, 0.005);
}

TEST(SurfaceTransfer, OuterCoefficientAddsRadiationUnlessItIsGiven)
{
    // Indoors, horizontal pipe 0.1 m at 30 °C in 20 °C:
    // 3.95285 + 0.9·5.67·(3.0315⁴ − 2.9315⁴)/10 = 3.95285 + 0.9·5.67·(84.4560 − 73.8515)/10
    EXPECT_NEAR(OuterCoefficient(Surroundings::Indoors, 0, 30, 20, 0.1f, false, 1, 2, 0.9f, 99), 9.36428, 2e-4);
    // Cold surface, dT taken as a magnitude:
    // 1.25·(10/0.1)^0.25 + 0.9·5.67·(2.8315⁴ − 2.9315⁴)/(10 − 20) = 3.95285 + 0.9·5.67·(64.2786 − 73.8515)/(−10)
    EXPECT_NEAR(OuterCoefficient(Surroundings::Indoors, 0, 10, 20, 0.1f, false, 1, 2, 0.9f, 99), 8.83793, 2e-4);
    // Outdoors: the wind correlation, 20.90822 + 5.41143
    EXPECT_NEAR(OuterCoefficient(Surroundings::Outdoors, 0, 30, 20, 0.1f, false, 1, 2, 0.9f, 99), 26.31965, 3e-4);
    // Given: the typed value, no radiation, whatever the temperatures.
    EXPECT_EQ(OuterCoefficient(Surroundings::GivenCoefficient, 0, 300, 20, 0.1f, false, 1, 2, 0.9f, 7.5f), 7.5f);
    EXPECT_EQ(OuterCoefficient(Surroundings::GivenCoefficient, 1, 20, 20, 0.1f, true, 1, 2, 0.9f, 7.5f), 7.5f);
}

TEST(SurfaceTransfer, DuctAirCoefficientAndItsLowerBound)
{
    // Tm 20: ν = 15.45e-6, λair = 0.025628; w = 0.1/0.04 = 2.5; Re = 0.2·2.5/15.45e-6 = 32362.5;
    // 0.0207·0.025628·32362.5^0.8/0.2 = 0.0207·0.025628·4055.5/0.2
    EXPECT_NEAR(DuctInnerCoefficient(20, 0.1f, 0.04f, 0.2f), 10.7569, 2e-3);
    // A thousandth of a litre per second gives 0.001 W/m²K by the formula: raised to 2.5.
    EXPECT_EQ(DuctInnerCoefficient(20, 1e-6f, 0.04f, 0.2f), 2.5f);
    EXPECT_EQ(DuctInnerCoefficient(20, 0.0f, 0.04f, 0.2f), 2.5f);
}

TEST(SurfaceTransfer, FlowHelpers)
{
    EXPECT_FLOAT_EQ(VolumeFlow(FlowUnit::CubicMetresPerHour, 3600, 0.5f), 1.0f); // m³/h
    EXPECT_FLOAT_EQ(VolumeFlow(FlowUnit::LitresPerSecond, 1000, 0.5f), 1.0f); // l/s
    EXPECT_FLOAT_EQ(VolumeFlow(FlowUnit::MetresPerSecond, 2, 0.5f), 1.0f);    // m/s through 0.5 m²
    EXPECT_EQ(VolumeFlow(FlowUnit(3), 2, 0.5f), 0.0f);

    // (315/1000)²·3.1415927/4
    EXPECT_NEAR(FlowArea(ObjectKind::Pipe, 315, 0, 0, 0), 0.0779311, 1e-7);
    EXPECT_NEAR(FlowArea(ObjectKind::CircularDuct, 315, 0, 0, 50), 0.0779311, 1e-7);
    EXPECT_NEAR(FlowArea(ObjectKind::RectangularDuctOutside, 0, 400, 300, 50), 0.12, 1e-7);
    // inside 50 mm of insulation: ((100 − 600)/1000)·((100 − 400)/1000) = 0.5·0.3
    EXPECT_NEAR(FlowArea(ObjectKind::RectangularDuctInside, 0, 600, 400, 50), 0.15, 1e-7);
    EXPECT_EQ(FlowArea(ObjectKind::SurfaceOutside, 315, 600, 400, 50), 0.0f);
    EXPECT_EQ(FlowArea(ObjectKind::Tank, 315, 600, 400, 50), 0.0f);
}

TEST(Conductivity, PolynomialItsIntegralAndThePipeWall)
{
    const Conductivity product{1.51e-9f, 1.31e-7f, 1.74e-4f, 0.034f};
    EXPECT_FLOAT_EQ(ConductivityAt(product, 0), 0.034f);
    // 1.51e-9·1e6 + 1.31e-7·1e4 + 1.74e-4·100 + 0.034 = 0.00151 + 0.00131 + 0.0174 + 0.034
    EXPECT_NEAR(ConductivityAt(product, 100), 0.05422, 1e-6);
    // 1.51e-9/4·1e8 + 1.31e-7/3·1e6 + 1.74e-4/2·1e4 + 0.034·100 = 0.03775 + 0.043667 + 0.87 + 3.4
    EXPECT_NEAR(ConductivityIntegral(product, 0, 100), 4.351417, 2e-5);
    // Reversed faces, reversed flow.
    EXPECT_NEAR(ConductivityIntegral(product, 100, 0), -4.351417, 2e-5);
    // A constant λ integrates to λ·(T2 − T1) exactly.
    EXPECT_FLOAT_EQ(ConductivityIntegral({0, 0, 0, 0.04f}, 25, 75), 2.0f);

    // A copper-like wall: 380 − 0.05·100
    EXPECT_FLOAT_EQ(WallConductivityAt({0.002f, 380.0f, -0.05f}, 100), 375.0f);
}
