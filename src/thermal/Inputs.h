#pragma once

#include "Choices.h"

// The plain values every thermal calculation starts from. A module fills one
// Inputs from its fields (dimensions converted from mm to m) and hands it to
// the kernel's routines; later modules reuse the same pieces with their own
// variants of the balances.

namespace thermal {

// Pipes and circular ducts: cylindrical layers.
constexpr bool IsRound(ObjectKind kind) { return kind == ObjectKind::Pipe || kind == ObjectKind::CircularDuct; }
constexpr bool IsRectangular(ObjectKind kind)
{
    return kind == ObjectKind::RectangularDuctOutside || kind == ObjectKind::RectangularDuctInside;
}
// Surfaces and tanks (a tank wall counts as a vertical flat surface): heat
// flow per square metre.
constexpr bool IsPlane(ObjectKind kind) { return !IsRound(kind) && !IsRectangular(kind); }

// λ(T) = a·T³ + b·T² + c·T + d of an insulation product, W/(m·K), T in °C.
struct Conductivity {
    float a = 0;
    float b = 0;
    float c = 0;
    float d = 0;
};

// The product of one insulation layer.
struct LayerProduct {
    Conductivity conductivity;
    // Only a maker's product carries a maximum temperature that the
    // calculation warns about; a user's own product never warns.
    bool catalogue = false;
    float maxTemperature = 0; // °C
};

// The wall of a pipe: λw(T) = conductivity0 + slope·T.
struct PipeWall {
    float thickness = 0;        // m
    float conductivity0 = 1.0f; // W/(m·K) at 0 °C
    float slope = 0.001f;       // W/(m·K²)
};

// What decides the outer surface coefficient.
struct Surface {
    Surroundings surroundings = Surroundings::Indoors;
    int orientation = 0; // 0 horizontal, 1 vertical
    float windSpeed = 2.0f;        // m/s, outdoors
    float givenCoefficient = 5.0f; // W/(m²·K), used unchanged when given
    float emissivity = 0.94f;      // of the insulated surface: typed in or the cladding's
    float bareEmissivity = 0.5f;   // of the uninsulated pipe or duct
};

struct Inputs {
    ObjectKind objectKind = ObjectKind::Pipe;
    float mediumTemp = 50.0f;  // Tm, °C
    float ambientTemp = 20.0f; // Ta, °C
    // Di: the outer diameter of the pipe or the diameter of the circular duct, m.
    float diameter = 0;
    // The sides of a rectangular duct, m; for a vertical surface or a tank
    // wall the height is the one free convection runs along.
    float height = 0;
    float width = 0;
    LayerProduct layer1; // inner
    LayerProduct layer2; // outer, two-layer insulation only
    PipeWall wall;       // pipes only
    Surface surface;
    float flow = 0;        // m³/s of air through a duct (VolumeFlow)
    bool supports = false; // uninsulated supports of pipes and ducts
};

} // namespace thermal
