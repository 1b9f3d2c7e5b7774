#pragma once

#include "Inputs.h"

namespace thermal {

// λ(T), W/(m·K); defined for every T, no clamping to the product's range.
float ConductivityAt(const Conductivity& k, float temperature);

// ∫ λ(T) dT from t1 to t2, W/m. Divided by a layer's geometry factor it is the
// heat flow through the layer between face temperatures t1 and t2 (positive
// when t2 is the warmer face).
float ConductivityIntegral(const Conductivity& k, float t1, float t2);

// Whether λ stays above zero at every temperature from t1 to t2: a cubic
// fitted to a product's points can turn down far outside them. False when
// either end is no number.
bool ConductivityPositiveBetween(const Conductivity& k, float t1, float t2);

// λw(T) of a pipe wall, W/(m·K).
float WallConductivityAt(const PipeWall& wall, float temperature);

} // namespace thermal
