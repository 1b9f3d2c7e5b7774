#pragma once

// The plain values every thermal calculation starts from. A module fills one
// Inputs from its fields (dimensions converted from mm to m) and hands it to
// the kernel's routines; later modules reuse the same pieces with their own
// variants of the balances.

namespace thermal {

// The insulated object, numbered as documents store it.
namespace kind {
inline constexpr int pipe = 0;
inline constexpr int circularDuct = 1;
inline constexpr int ductOutside = 2;    // rectangular duct insulated outside
inline constexpr int ductInside = 3;     // rectangular duct insulated inside
inline constexpr int surfaceOutside = 4; // flat surface insulated outside
inline constexpr int surfaceInside = 5;  // flat surface insulated inside
inline constexpr int tank = 6;           // a tank wall counts as a vertical flat surface
} // namespace kind

// Pipes and circular ducts: cylindrical layers.
constexpr bool IsRound(int objectKind) { return objectKind == kind::pipe || objectKind == kind::circularDuct; }
constexpr bool IsRectangular(int objectKind)
{
    return objectKind == kind::ductOutside || objectKind == kind::ductInside;
}
// Ducts carry air, whose inner coefficient holds back part of the temperature difference.
constexpr bool IsDuct(int objectKind) { return objectKind == kind::circularDuct || IsRectangular(objectKind); }
// Surfaces and tanks: heat flow per square metre.
constexpr bool IsPlane(int objectKind) { return !IsRound(objectKind) && !IsRectangular(objectKind); }

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
    int surroundings = 0; // 0 indoors (free convection), 1 outdoors (wind), 2 coefficient given
    int orientation = 0;  // 0 horizontal, 1 vertical
    float windSpeed = 2.0f;        // m/s, outdoors
    float givenCoefficient = 5.0f; // W/(m²·K), used unchanged with surroundings 2
    float emissivity = 0.94f;      // of the insulated surface: typed in or the cladding's
    float bareEmissivity = 0.5f;   // of the uninsulated pipe or duct
};

struct Inputs {
    int objectKind = kind::pipe;
    float mediumTemp = 50.0f;  // Tm, °C
    float ambientTemp = 20.0f; // Ta, °C
    // Di: the outer diameter of the pipe (kind 0) or the diameter of the duct (kind 1), m.
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
