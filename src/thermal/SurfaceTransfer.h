#pragma once

#include "Choices.h"

// Heat transfer at the surfaces of an insulated or bare object: free or
// forced convection of air after the simplified correlations for air,
// long-wave radiation, and the coefficient of air flowing inside a duct.

namespace thermal {

inline constexpr float pi = 3.1415927f;
inline constexpr float twoPi = 6.2831855f;

// Convective coefficient hcv, W/(m²·K). natural: free convection (indoors),
// otherwise forced by wind of v m/s. D is the outer diameter (or larger side)
// of a pipe or duct; a plane uses its height H when vertical and 1 m when
// horizontal. dT = |Ts − Ta|.
float ConvectionCoefficient(bool natural, bool vertical, float dT, float D, bool plane, float H, float v);

// Radiative coefficient hr, W/(m²·K), between a surface at ts and
// surroundings at ta (°C). Where ts equals ta the quotient has no value and
// its limit, the derivative of the radiated flux, stands in.
float RadiationCoefficient(float emissivity, float ts, float ta);

// Outer coefficient ho at surface temperature ts: convection plus radiation
// indoors and outdoors; the given coefficient, without radiation, when it is
// given. orientation 1 is vertical.
float OuterCoefficient(Surroundings surroundings, int orientation, float ts, float ta, float D, bool plane, float H,
                       float v, float emissivity, float givenCoefficient);

// Coefficient of air at tm (°C) flowing through a duct, W/(m²·K); never below
// 2.5, which is also what still air gives.
float DuctInnerCoefficient(float tm, float volumeFlow, float area, float hydraulicDiameter);

// Volume flow, m³/s, from the flow as entered; a velocity passes the free
// area (m²). A unit outside the enumeration gives 0.
float VolumeFlow(FlowUnit unit, float value, float area);

// Free cross-section of the air, m², from dimensions in mm: the pipe or
// duct diameter for round objects, height × width for a rectangular duct
// insulated outside, the opening left inside insulation innerThickness thick
// for one insulated inside; 0 for surfaces and tanks.
float FlowArea(ObjectKind objectKind, float diameter, float height, float width, float innerThickness);

} // namespace thermal
