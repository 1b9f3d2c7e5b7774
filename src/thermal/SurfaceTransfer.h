#pragma once

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
// for surroundings 0 (indoors) and 1 (outdoors); the given coefficient,
// without radiation, for surroundings 2. orientation 1 is vertical.
float OuterCoefficient(int surroundings, int orientation, float ts, float ta, float D, bool plane, float H, float v,
                       float emissivity, float givenCoefficient);

// Coefficient of air at tm (°C) flowing through a duct, W/(m²·K); never below
// 2.5, which is also what still air gives.
float DuctInnerCoefficient(float tm, float volumeFlow, float area, float hydraulicDiameter);
// The same correlation, 0.0207·λair·Re^0.8/dh, without the lower bound.
float DuctAirCoefficient(float tm, float volumeFlow, float area, float hydraulicDiameter);

// Volume flow, m³/s, from the flow as entered: unit 0 m³/h, 1 l/s, 2 m/s
// through the free area (m²). Any other unit gives 0.
float VolumeFlow(int unit, float value, float area);

// Free cross-section of the air, m², from dimensions in mm: the pipe or
// duct diameter for kinds 0 and 1, height × width for kind 2, the opening
// left inside insulation innerThickness thick for kind 3; 0 for surfaces.
float FlowArea(int objectKind, float diameter, float height, float width, float innerThickness);

} // namespace thermal
