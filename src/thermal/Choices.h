#pragma once

// The choices a document stores as numbers, each with one typed name. The
// numbers are those of the files; a reader checks a stored number against
// the count before it casts.

// The insulated object. The number also indexes a product's usage flags and
// pictures.
enum class ObjectKind : int {
    Pipe = 0,
    CircularDuct = 1,
    RectangularDuctOutside = 2, // rectangular duct insulated outside
    RectangularDuctInside = 3,  // rectangular duct insulated inside
    SurfaceOutside = 4,         // flat surface insulated outside
    SurfaceInside = 5,          // flat surface insulated inside
    Tank = 6,
};
inline constexpr int ObjectKindCount = 7;

// Insulated on the inside: the insulation narrows a duct's free area, and the
// outer surface layer comes from the list of surfaces for inside insulation.
constexpr bool IsInsideInsulated(ObjectKind kind)
{
    return kind == ObjectKind::RectangularDuctInside || kind == ObjectKind::SurfaceInside;
}
// Ducts carry air, whose inner coefficient holds back part of the temperature difference.
constexpr bool IsDuct(ObjectKind kind)
{
    return kind == ObjectKind::CircularDuct || kind == ObjectKind::RectangularDuctOutside ||
           kind == ObjectKind::RectangularDuctInside;
}
constexpr bool IsFlatSurface(ObjectKind kind)
{
    return kind == ObjectKind::SurfaceOutside || kind == ObjectKind::SurfaceInside;
}

// What decides the outer surface coefficient.
enum class Surroundings : int {
    Indoors = 0,          // free convection
    Outdoors = 1,         // forced convection by the wind
    GivenCoefficient = 2, // the coefficient is typed in
};
inline constexpr int SurroundingsCount = 3;

// The unit a duct's air flow is typed in.
enum class FlowUnit : int {
    CubicMetresPerHour = 0,
    LitresPerSecond = 1,
    MetresPerSecond = 2,
};
inline constexpr int FlowUnitCount = 3;
