#include "TankTempInput.h"

#include "database/CMantling.h"
#include "database/CVeske.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int differenceTooSmall = 62526;
constexpr int chooseCladding = 62533;
constexpr int chooseProduct = 62535;
constexpr int mediumAboveMax = 62559;
constexpr int ambientAboveMax = 62560;
constexpr int thicknessWord = 61253;

// The button that opens the insulation's dialog takes the focus.
constexpr const char* insulationFocus = "layer1";
constexpr const char* liquidFocus = "liquid";
constexpr const char* claddingFocus = "cladding";

} // namespace

TankMedium MediumOf(const TankTempInput& in, const CVeske* liquid)
{
    if (in.mediumSource == 0 && liquid)
        return {liquid->density, liquid->specificHeatCapacity, liquid->freezingPoint};
    return {in.density, in.heatCapacity, in.freezingPoint};
}

bool CheckTankTempInput(const TankTempInput& in, const CMantling* cladding, const CVeske* liquid, InputCheck& check)
{
    namespace f = tankFields;

    // The insulation: a product, and a thickness it is made in that is more
    // than nothing (a user's product may allow 0 mm; a tank with no
    // insulation has no shape factor).
    const CIsolasjon& layer = in.insulation;
    if (!check.Require(layer.HasProduct(), chooseProduct, insulationFocus))
        return false;
    float minThickness = 0, maxThickness = 0;
    layer.Product()->GetThicknessRange(minThickness, maxThickness);
    if (!check.Range(insulationFocus, thicknessWord, layer.Thickness(),
                     std::max(std::min(minThickness, maxThickness), 0.1f), std::max(minThickness, maxThickness)))
        return false;
    const float maxTemperature = layer.Product()->maxTemperature;
    if (maxTemperature < in.startTemperature) {
        if (!check.Warn(true, mediumAboveMax))
            return false;
    } else if (!check.Warn(maxTemperature < in.ambientTemperature, ambientAboveMax)) {
        return false;
    }

    switch (in.tankShape) {
    case 1:
        if (!check.Range(f::diameter, in) || !check.Range(f::length, in))
            return false;
        break;
    case 2:
        if (!check.Range(f::diameter, in))
            return false;
        break;
    default:
        if (!check.Range(f::height, in) || !check.Range(f::width, in) || !check.Range(f::depth, in))
            return false;
        break;
    }

    if (in.surroundings != Surroundings::GivenCoefficient) {
        if (in.ownEmissivity) {
            if (!check.Range(f::emissivity, in))
                return false;
        } else if (!check.Require(cladding != nullptr, chooseCladding, claddingFocus)) {
            return false;
        }
    }
    if (in.surroundings == Surroundings::Outdoors && !check.Range(f::windSpeed, in))
        return false;
    // A coefficient of 0 would leave the tank without any heat exchange.
    if (in.surroundings == Surroundings::GivenCoefficient && !check.Range(f::outerCoefficient, in))
        return false;

    if (in.mediumSource == 1) {
        if (!check.Range(f::density, in) || !check.Range(f::heatCapacity, in) || !check.Range(f::freezingPoint, in))
            return false;
    } else {
        // A liquid whose values are no numbers (a damaged database) is no
        // liquid to calculate with.
        const bool usable = liquid && std::isfinite(liquid->density) && std::isfinite(liquid->specificHeatCapacity) &&
                            std::isfinite(liquid->freezingPoint);
        if (!check.Require(usable, tankTexts::chooseLiquid, liquidFocus))
            return false;
    }
    const float freezing = MediumOf(in, liquid).freezingPoint;

    if (!check.Range(f::startTemp, in, freezing, 2000.0f))
        return false;
    if (in.givenFinalTemperature) {
        if (!check.Range(f::finalTemp, in, freezing, 2000.0f) ||
            !check.Require(in.startTemperature > in.finalTemperature, tankTexts::startBelowFinal, f::startTemp.name))
            return false;
        // Only a temperature strictly between the two is ever reached.
        const bool between = (in.finalTemperature > in.ambientTemperature && in.finalTemperature < in.startTemperature) ||
                             (in.finalTemperature < in.ambientTemperature && in.finalTemperature > in.startTemperature);
        if (!check.Require(between, tankTexts::finalNotBetween, f::finalTemp.name))
            return false;
    }
    return check.Require(std::fabs(in.startTemperature - in.ambientTemperature) >= 0.1f, differenceTooSmall,
                         f::startTemp.name);
}
