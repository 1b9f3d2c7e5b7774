#include "LayeredHeatFlow.h"

#include "Conductivity.h"
#include "LayerModel.h"
#include "SurfaceBalance.h"
#include "SurfaceTransfer.h"

#include <algorithm>
#include <cmath>

namespace thermal {

namespace {

// The bare pipe: the wall between the medium and the surface, ten rounds of
// the wall-and-surface balance from a start that assumes ho = 10.
HeatFlow BarePipe(const Inputs& in)
{
    const float tm = in.mediumTemp;
    const float ta = in.ambientTemp;
    const Surface& sf = in.surface;
    const float de = in.diameter;
    const float sw = in.wall.thickness;
    // A wall without thickness holds back nothing: the surface is at Tm.
    const auto behindWall = [&](float t, float ho) {
        if (!(sw > 0.0f))
            return tm;
        const float kw = WallConductivityAt(in.wall, t) / sw;
        return (kw * tm + ho * ta) / (kw + ho);
    };

    float t = behindWall(tm, 10.0f);
    float ho = 0;
    // Convection sees the medium's difference, radiation the surface estimate.
    const float dT = std::fabs(tm - ta);
    for (int round = 0; round < 10; ++round) {
        if (sf.surroundings == Surroundings::GivenCoefficient)
            ho = sf.givenCoefficient;
        else
            ho = ConvectionCoefficient(sf.surroundings == Surroundings::Indoors, sf.orientation == 1, dT, de, false,
                                       1.0f, sf.windSpeed)
                + RadiationCoefficient(sf.bareEmissivity, t, ta);
        t = behindWall(t, ho);
    }
    HeatFlow r;
    r.surfaceTemp = t;
    r.outerCoefficient = ho;
    r.heatFlow = ho * pi * de * (t - ta);
    r.rounds = 10;
    return r;
}

HeatFlow SolveOneLayer(const Inputs& in, float s, bool stopNearMedium)
{
    const OneLayer layer = SetUpOneLayer(in, s);
    const float tm = in.mediumTemp;
    const float ta = in.ambientTemp;
    const float u = 1.0f / (s / layer.meanConductivity + layer.wallResistance);
    const float ts = (u * tm + 10.0f * ta) / (u + 10.0f);

    BalanceOptions options;
    options.medium = tm;
    options.ambient = ta;
    options.stopNearMedium = stopNearMedium;
    LayerState state;
    const BalanceOutcome outcome = BalanceSurface(ts, options, [&](float t) {
        state = EvaluateOneLayer(in, layer, t);
        return Flows{state.layerFlow, state.surfaceFlow};
    });

    HeatFlow r;
    r.surfaceTemp = outcome.surfaceTemp;
    r.heatFlow = outcome.heatFlow;
    r.outerCoefficient = state.outerCoefficient;
    r.innerCoefficient = layer.innerCoefficient;
    r.rounds = outcome.rounds;
    return r;
}

} // namespace

HeatFlow BareSurface(const Inputs& in)
{
    if (in.objectKind == ObjectKind::Pipe)
        return BarePipe(in);

    const float tm = in.mediumTemp;
    const float ta = in.ambientTemp;
    const Surface& sf = in.surface;
    const bool plane = IsPlane(in.objectKind);
    const float size = in.objectKind == ObjectKind::CircularDuct ? in.diameter : std::max(in.height, in.width);

    HeatFlow r;
    r.outerCoefficient = OuterCoefficient(sf.surroundings, sf.orientation, tm, ta, size, plane, in.height,
                                          sf.windSpeed, sf.bareEmissivity, sf.givenCoefficient);
    if (plane) {
        r.surfaceTemp = tm;
        r.heatFlow = (r.surfaceTemp - ta) * r.outerCoefficient;
        return r;
    }
    r.innerCoefficient = DuctInnerCoefficient(tm, in.flow, FreeArea(in, 0.0f), size);
    const float u = r.outerCoefficient / r.innerCoefficient;
    r.surfaceTemp = (tm + u * ta) / (1.0f + u);
    const float perimeter =
        in.objectKind == ObjectKind::CircularDuct ? pi * in.diameter : 2.0f * (in.height + in.width);
    r.heatFlow = r.outerCoefficient * perimeter * (r.surfaceTemp - ta);
    return r;
}

float SupportsFactor(const Inputs& in)
{
    const bool supported = in.objectKind == ObjectKind::Pipe || in.objectKind == ObjectKind::CircularDuct
        || in.objectKind == ObjectKind::RectangularDuctOutside;
    if (!in.supports || !supported)
        return 1.0f;
    return in.surface.surroundings == Surroundings::Outdoors ? 1.25f : 1.15f;
}

HeatFlow OneLayerHeatFlow(const Inputs& in, float s)
{
    HeatFlow r = SolveOneLayer(in, s, true);
    r.heatFlow *= SupportsFactor(in);
    return r;
}

HeatFlow StandardThicknessHeatFlow(const Inputs& in, float thicknessMm)
{
    return SolveOneLayer(in, thicknessMm / 1000.0f, false);
}

HeatFlow TwoLayerHeatFlow(const Inputs& in, float s1, float s2)
{
    const TwoLayerGeometry g = TwoLayerGeometryOf(in, s1, s2);
    const ObjectKind objectKind = in.objectKind;
    const bool round = IsRound(objectKind);
    const Conductivity& k1 = in.layer1.conductivity;
    const Conductivity& k2 = in.layer2.conductivity;
    const float tm = in.mediumTemp;
    const float ta = in.ambientTemp;

    float lambda1 = ConductivityAt(k1, (tm + ta) / 2.0f);
    float lambda2 = ConductivityAt(k2, (tm + ta) / 2.0f);
    const float rw = objectKind == ObjectKind::Pipe ? in.wall.thickness / WallConductivityAt(in.wall, tm) : 0.0f;
    const float u = 1.0f / (s1 / lambda1 + s2 / lambda2 + rw);
    const float ts0 = (u * tm + 10.0f * ta) / (u + 10.0f);

    // Ducts: the inner face follows from series resistances taken with each
    // layer's λ at a fixed estimate of its middle temperature.
    float hi = 0;
    float lambda1Mid = 0;
    float lambda2Mid = 0;
    if (IsDuct(objectKind)) {
        hi = InsulatedDuctCoefficient(in, s1, g.innerPerimeter);
        const float dT = tm - ta;
        const float w = s1 + s2 + 0.008f;
        lambda1Mid = ConductivityAt(k1, tm - (s1 / 2.0f + 0.004f) * dT / w);
        lambda2Mid = ConductivityAt(k2, ta + (s2 / 2.0f + 0.004f) * dT / w);
    }

    int evaluations = 0;
    float tin = tm;
    float tint = 0;
    float ho = 0;
    const auto evaluate = [&](float ts) {
        if (evaluations++ > 0) {
            lambda1 = ConductivityAt(k1, (tint + tin) / 2.0f);
            lambda2 = ConductivityAt(k2, (tint + ts) / 2.0f);
        }
        const float conductance1 = round ? twoPi * lambda1 / std::log(g.interfaceDiameter / g.innerDiameter)
                                         : lambda1 / s1;
        const float conductance2 = round ? twoPi * lambda2 / std::log(g.outerDiameter / g.interfaceDiameter)
                                         : lambda2 / s2;
        ho = SurfaceCoefficient(in, g.convectionSize, ts);

        if (objectKind == ObjectKind::Pipe) {
            const float f = rw / (s2 / lambda2 + s1 / lambda1 + rw);
            tin = tm - (tm - ts) * f;
        } else if (IsDuct(objectKind)) {
            float ri, r1, r2, ro;
            if (round) {
                ri = 1.0f / (hi * g.innerPerimeter);
                r1 = std::log(g.interfaceDiameter / g.innerDiameter) / (lambda1Mid * twoPi);
                r2 = std::log(g.outerDiameter / g.interfaceDiameter) / (lambda2Mid * twoPi);
                ro = 1.0f / (ho * g.outerPerimeter);
            } else {
                ri = 1.0f / hi;
                r1 = s1 / lambda1Mid;
                r2 = s2 / lambda2Mid;
                ro = 1.0f / ho;
            }
            const float share = ri / (r1 + r2 + ro);
            tin = (tm + share * ta) / (1.0f + share);
        } else {
            tin = tm;
        }

        // Layer 2 in series with the surface, seen from the interface.
        const float outer = round ? conductance2 * ho * g.outerPerimeter / (conductance2 + ho * g.outerPerimeter)
                                  : conductance2 * ho / (conductance2 + ho);
        tint = (tin * conductance1 + ta * outer) / (conductance1 + outer);
        return Flows{LayerFlow(k2, g.factor2, ts, tint), SurfaceFlow(in, g.outerPerimeter, ho, ts)};
    };

    BalanceOptions options;
    options.medium = tm;
    options.ambient = ta;
    options.stallLimit = 0.001f;
    const BalanceOutcome outcome = BalanceSurface(ts0, options, evaluate);

    HeatFlow r;
    r.surfaceTemp = outcome.surfaceTemp;
    r.heatFlow = outcome.heatFlow * SupportsFactor(in);
    r.outerCoefficient = ho;
    r.innerCoefficient = hi;
    r.interfaceTemp = tint;
    r.rounds = outcome.rounds;
    if (in.layer2.catalogue && r.interfaceTemp > in.layer2.maxTemperature)
        r.notices.Raise(interfaceAboveMaximum);
    return r;
}

} // namespace thermal
