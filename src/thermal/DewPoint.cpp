#include "DewPoint.h"

#include <cmath>

namespace thermal {

float DewPoint(float temperature, float humidity)
{
    const float factor = std::pow(humidity, 0.1247f);
    return float(double(factor) * (double(temperature) + 109.8) - 109.8);
}

} // namespace thermal
