#include "LayerModel.h"

#include "Conductivity.h"
#include "SurfaceTransfer.h"

#include <algorithm>
#include <cmath>

namespace thermal {

LayerGeometry OneLayerGeometry(const Inputs& in, float s)
{
    LayerGeometry g;
    g.thickness = s;
    const float h = in.height;
    const float b = in.width;
    switch (in.objectKind) {
    case ObjectKind::Pipe:
    case ObjectKind::CircularDuct: {
        const float di = in.diameter;
        const float dout = di + 2.0f * s;
        g.outerPerimeter = pi * dout;
        g.innerPerimeter = pi * di;
        g.factor = std::log(dout / di) / twoPi;
        g.convectionSize = dout;
        break;
    }
    case ObjectKind::RectangularDuctOutside:
        g.outerPerimeter = 2.0f * (h + 2.0f * s) + 2.0f * (b + 2.0f * s);
        g.innerPerimeter = 2.0f * h + 2.0f * b;
        g.factor = s / g.outerPerimeter;
        g.convectionSize = std::max(h + 2.0f * s, b + 2.0f * s);
        break;
    case ObjectKind::RectangularDuctInside:
        g.outerPerimeter = 2.0f * h + 2.0f * b;
        g.innerPerimeter = 2.0f * (h - 2.0f * s) + 2.0f * (b - 2.0f * s);
        g.factor = s / g.outerPerimeter;
        g.convectionSize = std::max(h, b);
        break;
    default:
        g.factor = s;
        g.convectionSize = h;
        break;
    }
    return g;
}

TwoLayerGeometry TwoLayerGeometryOf(const Inputs& in, float s1, float s2)
{
    TwoLayerGeometry g;
    const float h = in.height;
    const float b = in.width;
    switch (in.objectKind) {
    case ObjectKind::Pipe:
    case ObjectKind::CircularDuct:
        g.innerDiameter = in.diameter;
        g.interfaceDiameter = g.innerDiameter + 2.0f * s1;
        g.outerDiameter = g.interfaceDiameter + 2.0f * s2;
        g.outerPerimeter = pi * g.outerDiameter;
        g.interfacePerimeter = pi * g.interfaceDiameter;
        g.innerPerimeter = pi * g.innerDiameter;
        g.factor2 = std::log(g.outerDiameter / g.interfaceDiameter) / twoPi;
        g.convectionSize = g.outerDiameter;
        break;
    case ObjectKind::RectangularDuctOutside: {
        const float grow = 2.0f * (s1 + s2);
        g.outerPerimeter = 2.0f * (h + grow) + 2.0f * (b + grow);
        g.interfacePerimeter = 2.0f * (h + 2.0f * s1) + 2.0f * (b + 2.0f * s1);
        g.innerPerimeter = 2.0f * h + 2.0f * b;
        g.factor2 = s2 / g.outerPerimeter;
        g.convectionSize = std::max(h + grow, b + grow);
        break;
    }
    case ObjectKind::RectangularDuctInside: {
        const float shrink = 2.0f * (s1 + s2);
        g.outerPerimeter = 2.0f * h + 2.0f * b;
        g.interfacePerimeter = 2.0f * (h - 2.0f * s2) + 2.0f * (b - 2.0f * s2);
        g.innerPerimeter = 2.0f * (h - shrink) + 2.0f * (b - shrink);
        g.factor2 = s2 / g.outerPerimeter;
        g.convectionSize = std::max(h, b);
        break;
    }
    default:
        g.factor2 = s2;
        g.convectionSize = h;
        break;
    }
    return g;
}

float FreeArea(const Inputs& in, float s)
{
    switch (in.objectKind) {
    case ObjectKind::Pipe:
    case ObjectKind::CircularDuct:
        return in.diameter * in.diameter * pi / 4.0f;
    case ObjectKind::RectangularDuctOutside:
        return in.height * in.width;
    case ObjectKind::RectangularDuctInside:
        return (2.0f * s - in.height) * (2.0f * s - in.width);
    default:
        return 0.0f;
    }
}

float InsulatedDuctCoefficient(const Inputs& in, float freeAreaThickness, float innerPerimeter)
{
    if (!IsDuct(in.objectKind))
        return 0.0f;
    const float area = FreeArea(in, freeAreaThickness);
    const float dh = in.objectKind == ObjectKind::CircularDuct ? in.diameter : 4.0f * area / innerPerimeter;
    return DuctInnerCoefficient(in.mediumTemp, in.flow, area, dh);
}

float SurfaceCoefficient(const Inputs& in, float convectionSize, float ts)
{
    const Surface& s = in.surface;
    return OuterCoefficient(s.surroundings, s.orientation, ts, in.ambientTemp, convectionSize, IsPlane(in.objectKind),
                            in.height, s.windSpeed, s.emissivity, s.givenCoefficient);
}

float SurfaceFlow(const Inputs& in, float outerPerimeter, float ho, float ts)
{
    if (IsPlane(in.objectKind))
        return ho * (ts - in.ambientTemp);
    return ho * outerPerimeter * (ts - in.ambientTemp);
}

float LayerFlow(const Conductivity& k, float factor, float ts, float tInner)
{
    return ConductivityIntegral(k, ts, tInner) / factor;
}

OneLayer SetUpOneLayer(const Inputs& in, float s)
{
    OneLayer layer;
    layer.geometry = OneLayerGeometry(in, s);
    layer.meanConductivity = ConductivityAt(in.layer1.conductivity, (in.mediumTemp + in.ambientTemp) / 2.0f);
    if (in.objectKind == ObjectKind::Pipe)
        layer.wallResistance = in.wall.thickness / WallConductivityAt(in.wall, in.mediumTemp);
    layer.innerCoefficient = InsulatedDuctCoefficient(in, s, layer.geometry.innerPerimeter);
    return layer;
}

float InnerFaceTemperature(const Inputs& in, const OneLayer& layer, float ts, float ho)
{
    const float tm = in.mediumTemp;
    const LayerGeometry& g = layer.geometry;
    if (in.objectKind == ObjectKind::Pipe) {
        const float f = layer.wallResistance / (g.thickness / layer.meanConductivity + layer.wallResistance);
        return tm - (tm - ts) * f;
    }
    if (!IsDuct(in.objectKind))
        return tm;
    const float lambda = layer.meanConductivity;
    const float hi = layer.innerCoefficient;
    float ri, rl, ro;
    if (in.objectKind == ObjectKind::CircularDuct) {
        ri = 1.0f / (hi * g.innerPerimeter);
        rl = std::log((in.diameter + 2.0f * g.thickness) / in.diameter) / (lambda * twoPi);
        ro = 1.0f / (ho * g.outerPerimeter);
    } else {
        ri = 1.0f / hi;
        rl = g.thickness / lambda;
        ro = 1.0f / ho;
    }
    const float share = ri / (rl + ro);
    return (tm + share * in.ambientTemp) / (1.0f + share);
}

LayerState EvaluateOneLayer(const Inputs& in, const OneLayer& layer, float ts, float ho)
{
    LayerState state;
    state.outerCoefficient = ho;
    state.innerFaceTemp = InnerFaceTemperature(in, layer, ts, ho);
    state.layerFlow = LayerFlow(in.layer1.conductivity, layer.geometry.factor, ts, state.innerFaceTemp);
    state.surfaceFlow = SurfaceFlow(in, layer.geometry.outerPerimeter, ho, ts);
    return state;
}

LayerState EvaluateOneLayer(const Inputs& in, const OneLayer& layer, float ts)
{
    return EvaluateOneLayer(in, layer, ts, SurfaceCoefficient(in, layer.geometry.convectionSize, ts));
}

} // namespace thermal
