#pragma once

#include "doc/CVekModul.h"

#include <cstdlib>
#include <string>

// A number as the flowing-medium page prints it, in a format of the string
// table. A value that rounds to zero never carries a minus sign: a cold
// section's loss of −0.04 W reads 0.0 W.
inline std::string FlowCell(int formatId, float value)
{
    std::string text = FormatValue(formatId, value);
    if (!text.empty() && text[0] == '-' && std::strtod(text.c_str() + 1, nullptr) == 0.0)
        text.erase(0, 1);
    return text;
}
