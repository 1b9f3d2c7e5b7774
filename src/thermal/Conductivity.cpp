#include "Conductivity.h"

#include <algorithm>
#include <cmath>

namespace thermal {

float ConductivityAt(const Conductivity& k, float t)
{
    return k.a * t * t * t + k.b * t * t + k.c * t + k.d;
}

float ConductivityIntegral(const Conductivity& k, float t1, float t2)
{
    return k.a / 4.0f * (t2 * t2 * t2 * t2 - t1 * t1 * t1 * t1) + k.b / 3.0f * (t2 * t2 * t2 - t1 * t1 * t1)
        + k.c / 2.0f * (t2 * t2 - t1 * t1) + k.d * (t2 - t1);
}

bool ConductivityPositiveBetween(const Conductivity& k, float t1, float t2)
{
    if (std::isnan(t1) || std::isnan(t2))
        return false;
    const double low = std::min(t1, t2);
    const double high = std::max(t1, t2);
    const auto lambda = [&k](double t) { return ((double(k.a) * t + k.b) * t + k.c) * t + k.d; };
    if (!(lambda(low) > 0.0) || !(lambda(high) > 0.0))
        return false;
    // Between the ends λ is lowest where its slope 3a·T² + 2b·T + c is zero.
    const auto positiveAt = [&](double t) { return !(t > low && t < high) || lambda(t) > 0.0; };
    const double a = 3.0 * k.a, b = 2.0 * k.b, c = k.c;
    if (a == 0.0)
        return b == 0.0 || positiveAt(-c / b);
    const double discriminant = b * b - 4.0 * a * c;
    if (discriminant < 0.0)
        return true;
    const double root = std::sqrt(discriminant);
    return positiveAt((-b - root) / (2.0 * a)) && positiveAt((-b + root) / (2.0 * a));
}

float WallConductivityAt(const PipeWall& wall, float t)
{
    return wall.slope * t + wall.conductivity0;
}

} // namespace thermal
