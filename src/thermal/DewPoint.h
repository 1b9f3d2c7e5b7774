#pragma once

#include <cmath>

namespace thermal {

// Dew point of air, °C, at temperature t (°C) and relative humidity phi as a
// fraction (0 … 1): Td = phi^0.1247 · (t + 109.8) − 109.8, the program's
// fit of the saturation curve over water.
inline float DewPoint(float temperature, float relativeHumidity)
{
    return std::pow(relativeHumidity, 0.1247f) * (temperature + 109.8f) - 109.8f;
}

} // namespace thermal
