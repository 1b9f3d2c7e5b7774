#include "RequirementClasses.h"

#include "Inputs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace thermal {

namespace {

// U = slope·D + offset of class index 0 … 6.
struct Line {
    float slope;
    float offset;
};

constexpr Line pipeClasses[7] = {
    {3.3f, 0.22f}, {2.6f, 0.2f}, {2.0f, 0.18f}, {1.5f, 0.16f}, {1.1f, 0.14f}, {0.8f, 0.12f}, {0.7f, 0.11f},
};
constexpr Line ductClasses[7] = {
    {1.53f, 0.46f}, {0.86f, 0.3f}, {0.85f, 0.2f}, {0.77f, 0.15f}, {0.55f, 0.13f}, {0.47f, 0.11f}, {0.7f, 0.11f},
};
constexpr float surfaceClasses[7] = {1.17f, 0.88f, 0.66f, 0.49f, 0.35f, 0.22f, 0.21f};

// Degree-hours from which class 1 … 6 applies.
constexpr float classLimits[6] = {19400.0f, 47000.0f, 97000.0f, 194000.0f, 389000.0f, 778000.0f};

float AllowedFlow(float u, float mediumTemp, float ambientTemp)
{
    const float q = std::fabs(mediumTemp - ambientTemp) * u;
    return ambientTemp > mediumTemp ? -q : q;
}

} // namespace

float EquivalentDiameter(ObjectKind objectKind, float pipeOuterDiameter, float ductDiameter, float height, float width)
{
    switch (objectKind) {
    case ObjectKind::Pipe:
        return pipeOuterDiameter / 1000.0f;
    case ObjectKind::CircularDuct:
        return ductDiameter / 1000.0f;
    case ObjectKind::RectangularDuctOutside:
    case ObjectKind::RectangularDuctInside:
        return 2.0f * (height + width) / 3.1415f / 1000.0f;
    default:
        return -1.0f;
    }
}

float RequirementUValue(float D)
{
    if (D <= 0.0f)
        return 0.22f;
    if (D >= 0.4001f)
        return 3.1415f * D * 0.22f;
    return 0.8f * D + 0.12f;
}

std::string RequirementUValueText(float D)
{
    if (D <= 0.0f)
        return "0.22 W/m²K";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f W/mK", double(RequirementUValue(D)));
    return text;
}

float ClassHeatLoss(int classIndex, ObjectKind objectKind, float D, float mediumTemp, float ambientTemp, bool supports,
                    Surroundings surroundings)
{
    // A class index from outside 0 … 6 (a damaged document) takes the nearest class.
    const int index = std::clamp(classIndex, 0, 6);
    float u;
    if (objectKind == ObjectKind::Pipe)
        u = pipeClasses[index].slope * D + pipeClasses[index].offset;
    else if (IsDuct(objectKind))
        u = ductClasses[index].slope * D + ductClasses[index].offset;
    else
        u = surfaceClasses[index];
    float q = AllowedFlow(u, mediumTemp, ambientTemp);
    const bool supported = objectKind == ObjectKind::Pipe || objectKind == ObjectKind::CircularDuct
        || objectKind == ObjectKind::RectangularDuctOutside;
    if (supports && supported)
        q *= surroundings == Surroundings::Outdoors ? 0.8f : 0.866f;
    return q;
}

ClassRequirement RequiredClassHeatLoss(ObjectKind objectKind, float D, float mediumTemp, float ambientTemp,
                                       float operatingHours, float spillFactor)
{
    const float degreeHours = std::fabs(mediumTemp - ambientTemp) * operatingHours * spillFactor;
    ClassRequirement requirement;
    requirement.insulationClass = 6;
    for (int i = 0; i < 6; ++i) {
        if (degreeHours < classLimits[i]) {
            requirement.insulationClass = i;
            break;
        }
    }
    if (requirement.insulationClass == 0)
        return requirement;
    // Class n takes the rule of class index n − 1: the pipe rule for every
    // object but a surface.
    const int index = requirement.insulationClass - 1;
    const float u = IsPlane(objectKind) ? surfaceClasses[index]
                                        : pipeClasses[index].slope * D + pipeClasses[index].offset;
    requirement.allowedHeatLoss = AllowedFlow(u, mediumTemp, ambientTemp);
    return requirement;
}

} // namespace thermal
