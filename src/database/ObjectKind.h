#pragma once

// The insulated object. The number is what documents store and what indexes a
// product's usage flags and pictures.
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
