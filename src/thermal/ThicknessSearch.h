#pragma once

#include "Inputs.h"
#include "LayeredHeatFlow.h"

#include <functional>

// The single-layer thickness that gives a surface temperature or a heat
// loss: a secant on the thickness over the balances of LayerModel.h, with
// the object's bare values and the comparison at the product's next
// standard thickness that the result tables show.

namespace thermal {

// The product's first standard thickness (mm) at or above a thickness in
// metres, or −1 when none is that thick.
using StandardThicknessLookup = std::function<float(float thickness)>;

struct ThicknessResult {
    bool ok = false;
    // thicknessTooLarge or insulationFillsDuct when !ok, 0 otherwise; the
    // caller shows the message.
    int failure = 0;
    // The bare object already meets the target: thickness 0 and the bare values.
    bool bareSuffices = false;
    float thickness = 0; // needed thickness s, m
    // At the needed thickness: Ts (the target itself in the search for a
    // surface temperature), q, ho and hi; the bare values when none is needed.
    HeatFlow needed;
    HeatFlow bare;
    // From the lookup, when one was given; standard is evaluated when it is > 0.
    float standardThickness = -1; // mm
    HeatFlow standard;
    int rounds = 0;
};

// The thickness at which the surface settles at surfaceTemp (°C), for layer 1.
// Fails with thicknessTooLarge when it passes 2 m and with insulationFillsDuct
// when inside insulation would close the duct.
ThicknessResult ThicknessForSurfaceTemperature(const Inputs& in, float surfaceTemp,
                                               const StandardThicknessLookup& nextStandard = {});

// The thickness at which the heat flow is heatLoss (W/m, W/m² for surfaces;
// negative when the medium is colder than the surroundings). Failures as above.
ThicknessResult ThicknessForHeatLoss(const Inputs& in, float heatLoss,
                                     const StandardThicknessLookup& nextStandard = {});

} // namespace thermal
