#include "SurfaceTransfer.h"

#include "Inputs.h"

#include <cmath>

namespace thermal {

float ConvectionCoefficient(bool natural, bool vertical, float dT, float D, bool plane, float H, float v)
{
    if (natural) {
        const float L = plane ? (vertical ? H : 1.0f) : D;
        if (L * L * L * dT > 10.0f)
            return (vertical ? 1.74f : 1.21f) * std::pow(dT, 0.33333f);
        return (vertical ? 1.32f : 1.25f) * std::pow(dT / L, 0.25f);
    }
    if (plane) {
        const float L = vertical ? H : 1.0f;
        if (v * L > 8.0f)
            return 5.76f * std::pow(v * v * v * v / L, 0.2f);
        return 3.96f * std::pow(v / L, 0.5f);
    }
    if (v * D > 0.00855f)
        return 8.9f * std::pow(v, 0.9f) / std::pow(D, 0.1f);
    return 0.0081f / D + 3.14f * std::pow(v / D, 0.5f);
}

float RadiationCoefficient(float emissivity, float ts, float ta)
{
    const float xs = (ts + 273.15f) / 100.0f;
    if (ts == ta)
        return 4.0f * emissivity * 5.67f * xs * xs * xs / 100.0f;
    const float xa = (ta + 273.15f) / 100.0f;
    return emissivity * 5.67f * (xs * xs * xs * xs - xa * xa * xa * xa) / (ts - ta);
}

float OuterCoefficient(Surroundings surroundings, int orientation, float ts, float ta, float D, bool plane, float H,
                       float v, float emissivity, float givenCoefficient)
{
    if (surroundings == Surroundings::GivenCoefficient)
        return givenCoefficient;
    const bool natural = surroundings == Surroundings::Indoors;
    const float hcv = ConvectionCoefficient(natural, orientation == 1, std::fabs(ts - ta), D, plane, H, v);
    return hcv + RadiationCoefficient(emissivity, ts, ta);
}

float DuctInnerCoefficient(float tm, float volumeFlow, float area, float hydraulicDiameter)
{
    const float nu = (13.45f + 0.1f * tm) * 1e-6f;
    const float lambdaAir = (24.1f + 0.0764f * tm) * 0.001f;
    const float w = volumeFlow / area;
    const float re = hydraulicDiameter * w / nu;
    const float hi = 0.0207f * lambdaAir * std::pow(re, 0.8f) / hydraulicDiameter;
    return hi < 2.5f ? 2.5f : hi;
}

float VolumeFlow(FlowUnit unit, float value, float area)
{
    switch (unit) {
    case FlowUnit::CubicMetresPerHour:
        return value / 3600.0f;
    case FlowUnit::LitresPerSecond:
        return value / 1000.0f;
    case FlowUnit::MetresPerSecond:
        return value * area;
    }
    return 0.0f;
}

float FlowArea(ObjectKind objectKind, float diameter, float height, float width, float innerThickness)
{
    switch (objectKind) {
    case ObjectKind::Pipe:
    case ObjectKind::CircularDuct:
        return (diameter / 1000.0f) * (diameter / 1000.0f) * pi / 4.0f;
    case ObjectKind::RectangularDuctOutside:
        return height / 1000.0f * (width / 1000.0f);
    case ObjectKind::RectangularDuctInside:
        return ((2.0f * innerThickness - height) / 1000.0f) * ((2.0f * innerThickness - width) / 1000.0f);
    default:
        return 0.0f;
    }
}

} // namespace thermal
