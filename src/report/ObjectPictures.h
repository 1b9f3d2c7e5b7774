#pragma once

// Numbers of the program's built-in 320 × 320 object pictures, as a
// module's GetProductPicture names them (ProductPicture::builtin) and as
// the canvas draws them ("picture-N").
namespace objectpictures {

// Pipe, circular duct, rectangular duct insulated outside and inside, flat
// surface insulated outside and inside (object kinds 0 to 5).
inline constexpr int horizontal[6] = {261, 262, 263, 266, 264, 265};
inline constexpr int vertical[6] = {275, 276, 274, 273, 271, 272};
// The tank shapes.
inline constexpr int tankBox = 267;
inline constexpr int tankCylinder = 268;
inline constexpr int tankSphere = 269;
// The sound module's duct types: a lined rectangular duct (types 1 to 3) and
// a lined circular duct (type 0).
inline constexpr int soundRectangular = 277;
inline constexpr int soundCircular = 278;

// The picture of an object kind 0 … 5 in its orientation; -1 for any other kind.
inline constexpr int ForKind(int kind, bool isVertical)
{
    if (kind < 0 || kind > 5)
        return -1;
    return isVertical ? vertical[kind] : horizontal[kind];
}

} // namespace objectpictures
