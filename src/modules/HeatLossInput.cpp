#include "HeatLossInput.h"

#include "thermal/SurfaceTransfer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int differenceTooSmall = 62526;
constexpr int chooseCladding = 62533;
constexpr int chooseProduct = 62535;
constexpr int tooThickInside = 62540;
constexpr int mediumAboveMax = 62559;
constexpr int ambientAboveMax = 62560;
constexpr int thicknessWord = 61253;

// A layer in use needs a product and, when its thickness is given, one its
// product allows and more than nothing (the layer dialog holds it there; a
// document need not).
bool checkLayer(const CIsolasjon& layer, bool thicknessGiven, const char* field, InputCheck& check)
{
    if (!check.Require(layer.HasProduct(), chooseProduct, field))
        return false;
    if (!thicknessGiven)
        return true;
    float min = 0, max = 0;
    layer.Product()->GetThicknessRange(min, max);
    return check.Range(field, thicknessWord, layer.Thickness(), std::max(std::min(min, max), 0.1f),
                       std::max(min, max));
}

} // namespace

float HeatLossInput::InsideThickness() const
{
    if (objectKind != ObjectKind::RectangularDuctInside || !ThicknessGiven())
        return 0.0f;
    return layer1.Thickness() + (BothLayers() ? layer2.Thickness() : 0.0f);
}

float HeatLossInput::FreeFlowArea() const
{
    return thermal::FlowArea(objectKind, diameter, height, width, InsideThickness());
}

float HeatLossInput::VolumeFlow() const
{
    return thermal::VolumeFlow(flowUnit, flow, FreeFlowArea());
}

bool HeatLossInput::FitsInside(float thickness) const
{
    return objectKind != ObjectKind::RectangularDuctInside || (2 * thickness < width && 2 * thickness < height);
}

bool CheckHeatLossInput(const HeatLossInput& in, bool hasOuterCladding, InputCheck& check)
{
    namespace f = heatLossFields;
    const ObjectKind k = in.objectKind;
    const Criterion c = in.criterion;

    if (!checkLayer(in.layer1, in.ThicknessGiven(), "layer1", check) ||
        !check.Warn(in.layer1.Product()->maxTemperature < in.mediumTemp, mediumAboveMax))
        return false;
    if (!in.BothLayers()) {
        if (!check.Warn(!in.layer1.UsesUserProduct() && in.layer1.Product()->maxTemperature < in.ambientTemp,
                        ambientAboveMax))
            return false;
    } else if (!checkLayer(in.layer2, true, "layer2", check) ||
               !check.Warn(in.layer2.Product()->maxTemperature < in.ambientTemp, ambientAboveMax)) {
        return false;
    }

    switch (k) {
    case ObjectKind::Pipe: {
        // Without an own dimension the pipe comes from the dimension list.
        const char* focus = in.ownDimension ? f::pipeOuterDiameter.name : "pipeDimension";
        if (!check.Range(focus, f::pipeOuterDiameter.wordId, in.pipeOuterDiameter, 1.0f, 1500.0f))
            return false;
        break;
    }
    case ObjectKind::CircularDuct:
        if (!check.Range(f::diameter, in, 1.0f, 3000.0f))
            return false;
        break;
    case ObjectKind::RectangularDuctOutside:
    case ObjectKind::RectangularDuctInside:
        if (!check.Range(f::height, in) || !check.Range(f::width, in))
            return false;
        if (k == ObjectKind::RectangularDuctInside) {
            if (!check.Require(in.FitsInside(in.InsideThickness()), tooThickInside, f::width.name))
                return false;
        }
        break;
    default:
        break;
    }

    if (IsFlatSurface(k)) {
        if (!check.Range(f::area, in))
            return false;
    } else if (c == Criterion::GivenThickness && !check.Range(f::length, in)) {
        return false;
    }

    if (!check.Range(f::typedEmissivity, in))
        return false;
    if (in.energyCalc && !check.Range(f::energyPrice, in))
        return false;
    if ((in.energyCalc || c == Criterion::RequiredClass) && (!check.Range(f::operatingHours, in) || !check.Range(f::spillFactor, in)))
        return false;

    if (in.surroundings == Surroundings::Outdoors && !check.Range(f::windSpeed, in))
        return false;
    if (in.surroundings == Surroundings::GivenCoefficient && !check.Range(f::givenCoefficient, in))
        return false;

    if (c == Criterion::GivenSurfaceTemp) {
        const float low = std::min(in.mediumTemp, in.ambientTemp) + 0.1f;
        const float high = std::max(in.mediumTemp, in.ambientTemp) - 0.1f;
        if (!check.Range(f::givenSurfaceTemp, in, low, high))
            return false;
    } else if (c == Criterion::GivenHeatLoss) {
        const bool warmer = in.mediumTemp >= in.ambientTemp;
        if (!check.Range(f::givenHeatLoss, in, warmer ? 1.0f : -500.0f, warmer ? 500.0f : -1.0f))
            return false;
    }

    if (!check.Require(std::fabs(in.mediumTemp - in.ambientTemp) >= 0.1f, differenceTooSmall, f::mediumTemp.name))
        return false;
    return check.Require(in.surroundings == Surroundings::GivenCoefficient || in.emissivityTyped || hasOuterCladding, chooseCladding, "cladding");
}
