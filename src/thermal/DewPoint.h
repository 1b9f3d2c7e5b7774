#pragma once

namespace thermal {

// The dew point of air at `temperature` (°C) and relative humidity
// `humidity` (0 … 1), °C: Td = φ^0.1247 · (T + 109.8) − 109.8, a power fit to
// the saturation pressure of water vapour that the program uses for every
// temperature. 0.1247 is taken as a float, 109.8 in double precision.
float DewPoint(float temperature, float humidity);

} // namespace thermal
