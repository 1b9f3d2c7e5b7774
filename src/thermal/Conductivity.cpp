#include "Conductivity.h"

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

float WallConductivityAt(const PipeWall& wall, float t)
{
    return wall.slope * t + wall.conductivity0;
}

} // namespace thermal
