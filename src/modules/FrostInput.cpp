#include "FrostInput.h"

#include <algorithm>

namespace {

constexpr int chooseCladding = 62533;
constexpr int chooseProduct = 62535;
constexpr int startAboveMax = 62559;
constexpr int thicknessWord = 61253;
constexpr int innerDiameterTooSmall = 62753;
constexpr int frostNeedsFrost = 62754;
constexpr int riseNeedsWarmth = 62755;
constexpr int riseNeedsColderStart = 62757;

} // namespace

bool CheckFrostInput(const FrostInput& in, bool hasCladding, InputCheck& check)
{
    namespace f = frostFields;

    // Without an own dimension the pipe comes from the dimension list. The
    // test is written so that a diameter or wall that is no number fails it.
    const char* pipeFocus = in.ownPipeDimension ? f::pipeDiameter.name : "pipeDimension";
    if (!check.Require(in.pipeDiameter - 2.0f * in.wallThickness >= 1.0f, innerDiameterTooSmall, pipeFocus))
        return false;

    // The layer dialog keeps the thickness within what the product allows; a
    // document need not, and no insulation at all would divide by zero.
    const CIsolasjon& layer = in.insulation;
    if (!check.Require(layer.HasProduct(), chooseProduct, "layer1"))
        return false;
    float min = 0, max = 0;
    layer.Product()->GetThicknessRange(min, max);
    if (!check.Range("layer1", thicknessWord, layer.Thickness(), std::max(std::min(min, max), 0.1f),
                     std::max(min, max)))
        return false;
    if (!check.Warn(layer.Product()->maxTemperature < in.startTemperature, startAboveMax))
        return false;

    if (in.surroundings != Surroundings::GivenCoefficient) {
        if (in.ownEmissivity) {
            if (!check.Range(f::emissivity, in))
                return false;
        } else if (!check.Require(hasCladding, chooseCladding, "cladding")) {
            return false;
        }
    }
    if (in.surroundings == Surroundings::Outdoors && !check.Range(f::windSpeed, in))
        return false;
    if (in.surroundings == Surroundings::GivenCoefficient && !check.Range(f::outerCoefficient, in))
        return false;

    if (in.FrostMode())
        return check.Require(in.ambientTemperature <= -0.1f, frostNeedsFrost, f::ambientTemperature.name);
    if (!check.Require(in.ambientTemperature >= 24.1f, riseNeedsWarmth, f::ambientTemperature.name))
        return false;
    // The mean water temperature takes the logarithm of (Ta − Tw0)/Ta: water
    // as warm as the surroundings has no rise to compute.
    return check.Require(in.startTemperature < in.ambientTemperature, riseNeedsColderStart, f::startTemperature.name);
}
