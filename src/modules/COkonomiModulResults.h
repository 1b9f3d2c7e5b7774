#pragma once

#include "EconomyCosts.h"
#include "thermal/Messages.h"

#include <vector>

class COkonomiIsolasjon;

// One row of the economy module's tables: the bare object, an alternative
// or the class 6 requirement, per metre or square metre.
struct EconomyRow {
    const COkonomiIsolasjon* alternative = nullptr; // none for the bare object and the requirement
    bool requirement = false;
    float uValue = 0;           // W/mK or W/m²K
    float heatFlow = 0;         // W/m or W/m², negative for a cold medium
    float outerCoefficient = 0; // W/m²K; not shown for the requirement
    AnnualCost cost;
    float investment = 0; // kr per year: the installed cost over the present-value factor
    float total = 0;      // the energy cost plus the investment
};

// What one calculation found: the bare object first, the alternatives in
// list order, the requirement last; `best` indexes the cheapest row.
struct EconomyResults {
    PresentValueFactors factors;
    std::vector<EconomyRow> rows;
    int best = 0;
    // What the kernel raised on the way, for all rows together.
    thermal::Notices notices;
};

// The U-value class 6 of EN 12828 allows the object, W/(m·K), or W/(m²·K)
// for a surface; dimensions in mm.
float EconomyRequirementUValue(int objectKind, float pipeDiameter, float ductDiameter, float height, float width);
