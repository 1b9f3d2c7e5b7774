#include "InternalCondensationInput.h"

#include "thermal/DewPoint.h"
#include "thermal/SurfaceTransfer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int differenceTooSmall = 62527;
constexpr int chooseCladding = 62533;
constexpr int chooseProduct = 62535;
constexpr int inletAboveMax = 62559;
constexpr int ambientAboveMax = 62560;

} // namespace

float InternalCondensationInput::FreeArea() const
{
    if (Circular()) {
        const float d = ductDiameter / 1000.0f;
        return thermal::pi * d * d / 4.0f;
    }
    return height / 1000.0f * (width / 1000.0f);
}

float InternalCondensationInput::VolumeFlow() const
{
    return thermal::VolumeFlow(flowUnit, flow, FreeArea());
}

float InternalCondensationInput::DewPoint() const
{
    return thermal::DewPoint(inletTemperature, relativeHumidity / 100.0f);
}

float InternalCondensationInput::CoolingLength() const
{
    if (!supports)
        return ductLength;
    return ductLength * (surroundings == Surroundings::Outdoors ? 1.25f : 1.15f);
}

bool CheckInternalCondensationInput(const InternalCondensationInput& in, bool hasOuterCladding, InputCheck& check)
{
    namespace f = internalCondensationFields;

    if (!check.Require(in.insulation.HasProduct(), chooseProduct, "layer1"))
        return false;
    if (!in.insulation.UsesUserProduct()) {
        const float maxTemperature = in.insulation.Product()->maxTemperature;
        if (maxTemperature < in.inletTemperature) {
            if (!check.Warn(true, inletAboveMax))
                return false;
        } else if (!check.Warn(maxTemperature < in.ambientTemperature, ambientAboveMax)) {
            return false;
        }
    }

    if (in.Circular()) {
        if (!check.Range(f::ductDiameter, in))
            return false;
    } else if (!check.Range(f::height, in) || !check.Range(f::width, in)) {
        return false;
    }

    if (in.surroundings != Surroundings::GivenCoefficient) {
        if (in.surfaceSource) {
            if (!check.Range(f::surfaceEmissivity, in))
                return false;
        } else if (!check.Require(hasOuterCladding, chooseCladding, "cladding")) {
            return false;
        }
    }

    const f::FlowRange range = f::flowRanges[std::clamp(int(in.flowUnit), 0, FlowUnitCount - 1)];
    if (!check.Range(f::flow, in, range.low, range.high))
        return false;

    if (in.surroundings == Surroundings::Outdoors && !check.Range(f::windSpeed, in))
        return false;
    if (in.surroundings == Surroundings::GivenCoefficient && !check.Range(f::givenCoefficient, in))
        return false;
    if (in.innerCoefficientGiven && !check.Range(f::givenInnerCoefficient, in))
        return false;

    return check.Require(std::fabs(in.inletTemperature - in.ambientTemperature) >= 0.1f, differenceTooSmall,
                         f::inletTemperature.name);
}
