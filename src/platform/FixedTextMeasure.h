#pragma once

#include "Canvas.h"

#include <string_view>

namespace platform {

// Text metrics by a fixed rule, so that layouts can be checked to the unit
// without any font installed; the page layout also falls back to it while
// no screen has told its own metrics:
//   height               = the font's height
//   average char width   = 0.6 × height, rounded to a whole unit
//   width of a text      = average char width × its number of characters
//                          (UTF-8 code points, so "ö" and "Ø" count once)
//   external leading     = height ÷ 10, truncated
class FixedTextMeasure : public TextMeasure {
public:
    static int CharWidth(const Font& font) { return (6 * font.height + 5) / 10; }
    static int Characters(std::string_view text)
    {
        int count = 0;
        for (unsigned char c : text)
            if ((c & 0xC0) != 0x80)
                ++count;
        return count;
    }

    Size Extent(const Font& font, std::string_view text) const override
    {
        return {CharWidth(font) * Characters(text), font.height};
    }
    FontMetrics Metrics(const Font& font) const override { return {font.height, CharWidth(font), font.height / 10}; }
};

} // namespace platform
