#include "ExternalCondensationInput.h"

#include "thermal/DewPoint.h"

#include <cmath>

namespace {

constexpr int differenceTooSmall = 62526;
constexpr int chooseCladding = 62533;
constexpr int chooseProduct = 62535;
constexpr int mediumAboveMax = 62559;
constexpr int ambientAboveMax = 62560;

} // namespace

float ExternalCondensationInput::DewPoint() const
{
    return thermal::DewPoint(ambientTemperature, relativeHumidity / 100.0f);
}

bool CheckExternalCondensationInput(const ExternalCondensationInput& in, bool hasOuterCladding, InputCheck& check)
{
    namespace f = externalCondensationFields;

    // A user's product without a product has no conductivity either.
    if (!check.Require(in.insulation.HasProduct(), chooseProduct, "layer1"))
        return false;
    if (!in.insulation.UsesUserProduct()) {
        const float maxTemperature = in.insulation.Product()->maxTemperature;
        if (maxTemperature < in.mediumTemperature) {
            if (!check.Warn(true, mediumAboveMax))
                return false;
        } else if (!check.Warn(maxTemperature < in.ambientTemperature, ambientAboveMax)) {
            return false;
        }
    }

    // The duct insulated inside is not checked against a thickness here: the
    // module finds the thickness, and the calculation refuses one that
    // closes the duct.
    switch (in.objectKind) {
    case ObjectKind::CircularDuct:
        if (!check.Range(f::ductDiameter, in))
            return false;
        break;
    case ObjectKind::RectangularDuctOutside:
    case ObjectKind::RectangularDuctInside:
        if (!check.Range(f::height, in) || !check.Range(f::width, in))
            return false;
        break;
    default:
        // Free convection along a vertical surface runs over its height.
        if (in.FlatSurface() && in.Vertical() && !check.Range(f::height, in))
            return false;
        break;
    }

    if (in.surroundings != Surroundings::GivenCoefficient) {
        if (in.surfaceSource) {
            if (!check.Range(f::surfaceEmissivity, in))
                return false;
        } else if (!check.Require(hasOuterCladding, chooseCladding, "cladding")) {
            return false;
        }
    }
    if (in.surroundings == Surroundings::Outdoors && !check.Range(f::windSpeed, in))
        return false;
    if (in.surroundings == Surroundings::GivenCoefficient && !check.Range(f::givenCoefficient, in))
        return false;

    // The U-value divides by the difference.
    return check.Require(std::fabs(in.mediumTemperature - in.ambientTemperature) >= 0.1f, differenceTooSmall,
                         f::mediumTemperature.name);
}
