#pragma once

#include "Choices.h"
#include "Inputs.h"

// The heat balance of one section of a run of pipe or duct: the medium
// enters at one temperature and leaves cooler (or warmer) after exchanging
// heat with surroundings at a fixed temperature over the section's length,
// T(x) = Ta + (Tin − Ta)·exp(−x·UA'/(V̇·ρc)). The conductance per metre UA'
// comes from a surface balance of the section's own form: for ducts the
// inner face sees the mean of the inlet and a provisional outlet
// temperature, and the supports lengthen the section instead of scaling a
// heat flow. Add-on fittings follow the section as lengths of bare pipe.

namespace thermal {

// The air properties below turn unphysical outside this range (the
// viscosity reaches zero at about −134.5 °C, ρ·c at about 1591 °C); a duct
// run keeps its air within it.
inline constexpr float airLowestTemperature = -100.0f;  // °C
inline constexpr float airHighestTemperature = 1000.0f; // °C

// ρ·c of air at t (°C), J/(m³·K), by the program's three-piece fit.
float AirVolumetricHeatCapacity(float t);

// The coefficient of air at tm flowing through a duct, W/(m²·K), without
// the lower bound of DuctInnerCoefficient: the fittings' own balance uses it so.
float UnboundedDuctInnerCoefficient(float tm, float volumeFlow, float area, float hydraulicDiameter);

struct SectionInputs {
    ObjectKind kind = ObjectKind::Pipe; // pipe, circular duct, rectangular duct outside or inside
    int layers = 1;                     // 0 uninsulated, 1 or 2
    float inletTemp = 40.0f;            // Tin, °C
    float ambientTemp = 20.0f;          // Ta, °C
    float length = 10.0f;               // m
    float volumeFlow = 0.0f;            // V̇, m³/s
    float area = 0.0f;                  // the free cross-section A, m²
    // ρ·c of a liquid in a pipe, J/(m³·K); ducts carry air and ignore it.
    float volumetricHeatCapacity = 0.0f;
    float diameter = 0.0f; // the pipe's outer diameter or the circular duct's diameter, m
    float height = 0.0f;   // H of a rectangular duct, m
    float width = 0.0f;    // W, m
    float s1 = 0.0f;       // layer thicknesses, m
    float s2 = 0.0f;
    Conductivity layer1;
    Conductivity layer2;
    PipeWall wall;          // pipes only
    Surroundings surroundings = Surroundings::Indoors;
    bool vertical = false;
    float windSpeed = 2.0f;
    float outerCoefficient = 5.0f; // used unchanged when given
    float emissivity = 0.94f;      // of the insulated surface (and of the fittings)
    float bareEmissivity = 0.5f;   // of the uninsulated pipe or duct
    bool innerCoefficientGiven = false;
    float innerCoefficient = 10.0f; // ducts, when given
    bool supports = false;          // uninsulated supports
    float fittingLength = 0.0f;     // Le: the add-on fittings as metres of bare pipe
};

struct SectionResult {
    float outletTemp = 0;        // Tout, °C
    float heatLoss = 0;          // Q, W, the fittings' share included; negative for a cold medium
    float outerCoefficient = 0;  // ho of the last pass, W/(m²·K)
    float innerCoefficient = 0;  // hi, ducts only
    // False when the inlet lies within 0.1 K of the ambient: nothing flows
    // and no outer coefficient is worked out.
    bool exchanges = false;
};

SectionResult SectionHeatBalance(const SectionInputs& in);

} // namespace thermal
