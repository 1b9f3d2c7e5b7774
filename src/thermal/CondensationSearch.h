#pragma once

#include "Inputs.h"

// The thicknesses that keep water from condensing: on the outer surface of a
// cold object (the surface held at the dew point of the air around it) and
// on the inner wall of a duct carrying warm humid air (the wall at the
// outlet held at the dew point of the entering air). Both are secants on the
// thickness; like the other searches they report a thickness above 2 m, or
// one that is no number, as thicknessTooLarge (Messages.h) wherever it
// comes from, and never show anything themselves.

namespace thermal {

// The outer dimensions of the object as it stands, for the installation-space
// drawing, m: the diameter of a round object, the width and height of a
// rectangular duct.
struct Outline {
    float diameter = 0;
    float width = 0;
    float height = 0;
};

// The outer surface at the dew point.
struct OuterDewPointResult {
    // thicknessTooLarge, or insulationFillsDuct for a duct insulated inside
    // that the thickness would close; 0 when found.
    int failure = 0;
    // False when the medium is not below the dew point: no insulation is
    // needed and the values are those of the bare object.
    bool insulated = false;
    float thickness = 0;        // s, m
    float outerCoefficient = 0; // h at the dew point (bare: at the medium temperature), W/(m²·K)
    // q through the surface, W/m (W/m² for surfaces); negative when the
    // object takes heat up.
    float heatFlow = 0;
    Outline outline; // of the last thickness evaluated
    int rounds = 0;
    bool converged = false;
};

// The thickness of layer 1 at which the flow through the insulation, with
// its outer face at dewPoint, equals what the air gives the surface there.
// The outer coefficient is taken at the dew point for each thickness; the
// convection dimension of a rectangular duct is its perimeter over π; no
// duct air stands between the medium and the insulation (the pipe wall
// does). After 100 rounds the last thickness stands.
OuterDewPointResult ThicknessForOuterDewPoint(const Inputs& in, float dewPoint);

// The same object at a standard thickness (mm): the surface temperature
// where the flows balance, the outer coefficient there and the flow from
// the surface.
struct OuterSurfaceState {
    float surfaceTemp = 0;
    float outerCoefficient = 0;
    float heatFlow = 0;
    Outline outline;
};
OuterSurfaceState OuterDewPointStandard(const Inputs& in, float thicknessMm);

// A circular duct or a rectangular duct insulated outside (kind 1 or 2)
// carrying air: mediumTemp is the air's inlet temperature, flow its volume
// flow (m³/s).
struct DuctCondensationInputs {
    Inputs duct;
    float dewPoint = 0;      // of the entering air, °C
    float coolingLength = 0; // m, with what uninsulated supports add
    // hi, W/(m²·K); 0: from the air flow at the inlet temperature.
    float givenInnerCoefficient = 0;
};

// The duct at one thickness.
struct DuctCooling {
    float thickness = 0;        // m
    float surfaceTemp = 0;      // outer surface, °C
    float outerCoefficient = 0; // ho
    float innerCoefficient = 0; // hi
    float outletTemp = 0;       // of the air, °C
    float innerSurfaceTemp = 0; // of the wall at the outlet, °C
    float heatLoss = 0;         // the whole duct, W
};

struct InnerDewPointResult {
    int failure = 0; // thicknessTooLarge, 0 when found
    // False when the wall stays above the dew point bare: thickness 0 and
    // the bare duct's values.
    bool insulated = false;
    DuctCooling needed;
    int rounds = 0;
    bool converged = false;
};

// The outer insulation thickness at which the inner wall at the outlet sits
// at the dew point of the entering air.
InnerDewPointResult ThicknessForInnerDewPoint(const DuctCondensationInputs& in);

// The duct at thickness s (m), its surface balance starting from
// surfaceTemp (the standard thickness continues from the needed one's).
DuctCooling DuctCoolingAt(const DuctCondensationInputs& in, float s, float surfaceTemp);

// ρ·c of air at the temperature, J/(m³·K): (1.29 − 0.00346·T) × 1000.
float AirHeatCapacity(float temperature);

} // namespace thermal
