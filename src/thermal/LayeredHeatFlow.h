#pragma once

#include "Inputs.h"
#include "Messages.h"

// Steady heat flow from the medium through one or two insulation layers (and
// a pipe's wall) to the surroundings, and the same for the bare object. The
// surface temperature comes from the balance of SurfaceBalance.h; the
// iterations never fail, after 100 rounds the last estimate stands.

namespace thermal {

struct HeatFlow {
    float surfaceTemp = 0;      // Ts, °C
    float heatFlow = 0;         // q, W/m (W/m² for surfaces and tanks); negative for a cold medium
    float outerCoefficient = 0; // ho, W/(m²·K)
    float innerCoefficient = 0; // hi of the duct air, ducts only
    float interfaceTemp = 0;    // Tint between the layers, two layers only
    int rounds = 0;             // iteration rounds used
    Notices notices;            // raised on the way; the result stands
};

// The uninsulated object with the bare emissivity.
HeatFlow BareSurface(const Inputs& in);

// Layer 1, s metres thick, with the uninsulated supports' share.
HeatFlow OneLayerHeatFlow(const Inputs& in, float s);

// Layer 1 at a standard thickness given in mm: the form the comparison with
// a needed thickness uses, without the supports' share and without the stop
// at a surface as warm as the medium.
HeatFlow StandardThicknessHeatFlow(const Inputs& in, float thicknessMm);

// Layer 1 (s1, inner) and layer 2 (s2, outer). Raises interfaceAboveMaximum
// when layer 2 is a maker's product and the temperature between the layers
// is above its maximum.
HeatFlow TwoLayerHeatFlow(const Inputs& in, float s1, float s2);

// What uninsulated supports add to the heat flow of pipes and ducts
// insulated outside: 1.25 outdoors, 1.15 otherwise; 1 without supports or
// for other objects.
float SupportsFactor(const Inputs& in);

} // namespace thermal
