#pragma once

#include "Choices.h"

#include <string>

// The insulation requirements the program knows: the U-value that class 6
// allows, shown beside the computed one, and the allowed heat loss of the
// insulation classes 1 to 7.

namespace thermal {

// The object's diameter for the requirement rules, m, from dimensions in
// mm: the pipe's outer diameter, the duct's diameter, a rectangular duct's
// perimeter over π (π = 3.1415 here); −1 for surfaces and tanks.
float EquivalentDiameter(ObjectKind objectKind, float pipeOuterDiameter, float ductDiameter, float height, float width);

// The U-value class 6 allows: W/(m·K) for D > 0, W/(m²·K) for D ≤ 0.
float RequirementUValue(float D);
// The same as the result table shows it: "%.2f W/mK", or "0.22 W/m²K" for surfaces.
std::string RequirementUValueText(float D);

// The heat loss allowed for class index 0 … 6 (class 1 … 7) with
// ΔT = |Tm − Ta|, negative for a cold medium. Uninsulated supports of pipes
// and ducts insulated outside lower it to 0.8 (outdoors) or 0.866 of the
// value, so that the found heat loss times 1.25 or 1.15 meets it.
float ClassHeatLoss(int classIndex, ObjectKind objectKind, float D, float mediumTemp, float ambientTemp, bool supports,
                    Surroundings surroundings);

struct ClassRequirement {
    int insulationClass = 0;   // 0: no insulation needed, else 1 … 6
    float allowedHeatLoss = 0; // W/m or W/m², negative for a cold medium; 0 for class 0
};

// The class the degree-hours ΔT · hours · spill factor call for, and the heat
// loss that class allows.
ClassRequirement RequiredClassHeatLoss(ObjectKind objectKind, float D, float mediumTemp, float ambientTemp,
                                       float operatingHours, float spillFactor);

} // namespace thermal
