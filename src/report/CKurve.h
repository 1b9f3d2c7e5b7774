#pragma once

#include "doc/CItem.h"
#include "platform/Canvas.h"

#include <cstdint>
#include <vector>

// One curve of a graph; its name is the legend text.
class CKurve : public CListItem {
    TEKVAR_DECLARE_CLASS(CKurve)

public:
    int PointCount() const { return int(x.size()); }

    std::vector<float> x;
    std::vector<float> y;
    // The points in device units relative to the graph's top-left corner;
    // empty while the graph's range is degenerate.
    std::vector<std::int16_t> xPixels;
    std::vector<std::int16_t> yPixels;
    platform::Colour colour = platform::black;
};
