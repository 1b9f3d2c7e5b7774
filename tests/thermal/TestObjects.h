#pragma once

#include "thermal/Inputs.h"

// The objects of the validation tables. Their products have a constant λ and,
// unless a test changes it, the outer coefficient is given (8 W/m²K, no
// radiation): the balances are then linear and close by hand.

namespace thermal_test {

inline thermal::Conductivity ConstantLambda(float lambda)
{
    return {0.0f, 0.0f, 0.0f, lambda};
}

inline constexpr float lambda1 = 0.04f;  // layer 1, W/mK
inline constexpr float lambda2 = 0.035f; // layer 2, W/mK
inline constexpr float givenHo = 8.0f;   // W/m²K

// The pipe: DN 50 steel, 60.3 × 2.9 mm, λw = 50 W/mK; the circular duct: Ø 315 mm
// with 0.2 m³/s; the rectangular duct insulated outside: 400 × 300 mm with
// 0.5 m³/s; insulated inside: 600 × 400 mm with 0.5 m³/s; surfaces and the
// tank: 1 m high.
inline thermal::Inputs Object(ObjectKind objectKind, float mediumTemp, float ambientTemp)
{
    thermal::Inputs in;
    in.objectKind = objectKind;
    in.mediumTemp = mediumTemp;
    in.ambientTemp = ambientTemp;
    in.layer1.conductivity = ConstantLambda(lambda1);
    in.layer2.conductivity = ConstantLambda(lambda2);
    in.surface.surroundings = Surroundings::GivenCoefficient;
    in.surface.givenCoefficient = givenHo;
    in.surface.emissivity = 0.9f;
    in.surface.bareEmissivity = 0.9f;
    switch (objectKind) {
    case ObjectKind::Pipe:
        in.diameter = 0.0603f;
        in.wall = {0.0029f, 50.0f, 0.0f};
        break;
    case ObjectKind::CircularDuct:
        in.diameter = 0.315f;
        in.flow = 0.2f;
        break;
    case ObjectKind::RectangularDuctOutside:
        in.height = 0.4f;
        in.width = 0.3f;
        in.flow = 0.5f;
        break;
    case ObjectKind::RectangularDuctInside:
        in.height = 0.6f;
        in.width = 0.4f;
        in.flow = 0.5f;
        break;
    default:
        in.height = 1.0f;
        break;
    }
    return in;
}

// Free convection and radiation instead of the given coefficient.
inline thermal::Inputs Indoors(thermal::Inputs in, int orientation = 0)
{
    in.surface.surroundings = Surroundings::Indoors;
    in.surface.orientation = orientation;
    return in;
}

} // namespace thermal_test
