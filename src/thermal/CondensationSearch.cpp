#include "CondensationSearch.h"

#include "Conductivity.h"
#include "LayerModel.h"
#include "LayeredHeatFlow.h"
#include "Messages.h"
#include "SurfaceBalance.h"
#include "SurfaceTransfer.h"

#include <cmath>

namespace thermal {

namespace {

constexpr float maxThickness = 2.0f; // m
constexpr float firstStep = 0.02f;   // m
constexpr int maxRounds = 100;

// Above the limit, or no number at all.
bool TooThick(float s)
{
    return !(s <= maxThickness);
}

// The layer as the condensation searches see it: a rectangular duct's
// convection dimension is its outer perimeter over π, not its larger side.
LayerGeometry CondensationGeometry(const Inputs& in, float s)
{
    LayerGeometry g = OneLayerGeometry(in, s);
    if (IsRectangular(in.objectKind))
        g.convectionSize = g.outerPerimeter / pi;
    return g;
}

Outline OutlineAt(const Inputs& in, float s)
{
    Outline o;
    if (IsRound(in.objectKind))
        o.diameter = in.diameter + 2.0f * s;
    else if (in.objectKind == ObjectKind::RectangularDuctOutside) {
        o.width = in.width + 2.0f * s;
        o.height = in.height + 2.0f * s;
    } else {
        o.width = in.width;
        o.height = in.height;
    }
    return o;
}

OuterDewPointResult OuterFailure(OuterDewPointResult r, int failure)
{
    r.failure = failure;
    return r;
}

// No insulation: the object's own surface at the medium temperature, with
// the emissivity of the surface the insulation would have had; a pipe's
// wall holds back its share as for any bare pipe.
OuterDewPointResult BareObject(const Inputs& in)
{
    OuterDewPointResult r;
    r.outline = OutlineAt(in, 0.0f);
    r.converged = true;
    if (in.objectKind == ObjectKind::Pipe) {
        const HeatFlow bare = BareSurface(in);
        r.outerCoefficient = bare.outerCoefficient;
        r.heatFlow = bare.heatFlow;
        return r;
    }
    const float perimeter =
        in.objectKind == ObjectKind::CircularDuct ? pi * in.diameter : 2.0f * in.height + 2.0f * in.width;
    const float size = in.objectKind == ObjectKind::CircularDuct ? in.diameter : perimeter / pi;
    r.outerCoefficient = SurfaceCoefficient(in, size, in.mediumTemp);
    r.heatFlow = SurfaceFlow(in, perimeter, r.outerCoefficient, in.mediumTemp);
    return r;
}

} // namespace

float AirHeatCapacity(float temperature)
{
    return (1.29f - 0.00346f * temperature) * 1000.0f;
}

OuterDewPointResult ThicknessForOuterDewPoint(const Inputs& in, float td)
{
    const float tm = in.mediumTemp;
    const float ta = in.ambientTemp;
    const Conductivity& k = in.layer1.conductivity;
    // λ at the insulation's mean temperature serves the start and the pipe
    // wall's share; the flow itself integrates λ between the faces.
    const float lambda = ConductivityAt(k, (tm + td) / 2.0f);
    float wallResistance = 0; // dw/λw
    if (in.objectKind == ObjectKind::Pipe)
        wallResistance = in.wall.thickness / WallConductivityAt(in.wall, tm);

    // The plane wall with h = 10 W/m²K that holds the surface at the dew point.
    const float ratio = (tm - td) / (td - ta);
    float s = ratio * lambda / 10.0f;
    OuterDewPointResult r;
    if (std::isnan(s))
        return OuterFailure(r, thicknessTooLarge);
    if (s <= 0.0f)
        return BareObject(in);
    r.insulated = true;
    if (TooThick(s))
        return OuterFailure(r, thicknessTooLarge);

    float sPrevious = 0;
    float rPrevious = 0;
    for (int round = 0; round < maxRounds; ++round) {
        const LayerGeometry g = CondensationGeometry(in, s);
        const float h = SurfaceCoefficient(in, g.convectionSize, td);
        float tInner = tm;
        if (wallResistance > 0.0f)
            tInner = tm - (tm - td) * wallResistance / (s / lambda + wallResistance);
        const float qi = LayerFlow(k, g.factor, td, tInner);
        const float qo = SurfaceFlow(in, g.outerPerimeter, h, td);
        r.thickness = s;
        r.outerCoefficient = h;
        r.heatFlow = qo;
        r.outline = OutlineAt(in, s);
        r.rounds = round + 1;
        const float residual = qi - qo;
        if (std::fabs(residual) < 0.1f) {
            r.converged = true;
            break;
        }
        float next = s + firstStep;
        if (round > 0) {
            next = s + (s - sPrevious) * residual / (rPrevious - residual);
            if (next <= 0.0f)
                next = s / 2.0f;
        }
        if (TooThick(next))
            return OuterFailure(r, thicknessTooLarge);
        sPrevious = s;
        rPrevious = residual;
        s = next;
    }

    if (in.objectKind == ObjectKind::RectangularDuctInside && !(2.0f * r.thickness <= in.width && 2.0f * r.thickness <= in.height))
        return OuterFailure(r, insulationFillsDuct);
    if (!std::isfinite(r.heatFlow) || !std::isfinite(r.outerCoefficient))
        return OuterFailure(r, thicknessTooLarge);
    return r;
}

OuterSurfaceState OuterDewPointStandard(const Inputs& in, float thicknessMm)
{
    const float tm = in.mediumTemp;
    const float ta = in.ambientTemp;
    const float s = thicknessMm / 1000.0f;
    const Conductivity& k = in.layer1.conductivity;
    const LayerGeometry g = CondensationGeometry(in, s);
    const float lambda = ConductivityAt(k, (tm + ta) / 2.0f);
    float wallResistance = 0;
    if (in.objectKind == ObjectKind::Pipe)
        wallResistance = in.wall.thickness / WallConductivityAt(in.wall, tm);
    const float wallShare = wallResistance / (s / lambda + wallResistance);
    const float u = 1.0f / (s / lambda + wallResistance);

    BalanceOptions options;
    options.medium = tm;
    options.ambient = ta;
    options.stopNearMedium = false;
    OuterSurfaceState state;
    const BalanceOutcome outcome = BalanceSurface((u * tm + 10.0f * ta) / (u + 10.0f), options, [&](float ts) {
        state.outerCoefficient = SurfaceCoefficient(in, g.convectionSize, ts);
        state.heatFlow = SurfaceFlow(in, g.outerPerimeter, state.outerCoefficient, ts);
        const float tInner = tm - (tm - ts) * wallShare;
        return Flows{LayerFlow(k, g.factor, ts, tInner), state.heatFlow};
    });
    state.surfaceTemp = outcome.surfaceTemp;
    state.outline = OutlineAt(in, s);
    return state;
}

namespace {

// The duct's fixed quantities: its air and its inner face.
struct DuctAir {
    float area = 0;          // free area, m²
    float innerPerimeter = 0; // m
    float heatCapacityFlow = 0; // V·ρc, W/K
    float innerCoefficient = 0; // hi
};

DuctAir DuctAirOf(const DuctCondensationInputs& d)
{
    const Inputs& in = d.duct;
    DuctAir air;
    float dh;
    if (in.objectKind == ObjectKind::CircularDuct) {
        air.area = pi * in.diameter * in.diameter / 4.0f;
        air.innerPerimeter = pi * in.diameter;
        dh = in.diameter;
    } else {
        air.area = in.width * in.height;
        air.innerPerimeter = 2.0f * in.width + 2.0f * in.height;
        dh = 4.0f * air.area / air.innerPerimeter;
    }
    air.heatCapacityFlow = in.flow * AirHeatCapacity(in.mediumTemp);
    // No lower bound here: the duct's own air decides how much of the
    // difference the wall sees.
    air.innerCoefficient = d.givenInnerCoefficient > 0.0f
                               ? d.givenInnerCoefficient
                               : DuctAirCoefficient(in.mediumTemp, in.flow, air.area, dh);
    return air;
}

// The air cooling along the duct with overall conductance u per metre:
// the outlet temperature, the wall's inner face there and the loss.
void Cool(const DuctCondensationInputs& d, const DuctAir& air, float u, DuctCooling& c)
{
    const float tin = d.duct.mediumTemp;
    const float ta = d.duct.ambientTemp;
    c.innerCoefficient = air.innerCoefficient;
    c.outletTemp = ta + (tin - ta) * std::exp(-d.coolingLength * u / air.heatCapacityFlow);
    c.innerSurfaceTemp = c.outletTemp - (c.outletTemp - ta) * u / (air.innerCoefficient * air.innerPerimeter);
    c.heatLoss = air.heatCapacityFlow * (tin - c.outletTemp);
}

DuctCooling CoolingAt(const DuctCondensationInputs& d, const DuctAir& air, float s, float tsStart)
{
    const Inputs& in = d.duct;
    const float tin = in.mediumTemp;
    const float ta = in.ambientTemp;
    float outerPerimeter, factor, size;
    if (in.objectKind == ObjectKind::CircularDuct) {
        const float outer = in.diameter + 2.0f * s;
        outerPerimeter = pi * outer;
        factor = std::log(outer / in.diameter) / twoPi;
        size = outer;
    } else {
        outerPerimeter = 2.0f * (in.width + 2.0f * s) + 2.0f * (in.height + 2.0f * s);
        // Over the inner perimeter: the duct's own face carries the layer.
        factor = s / air.innerPerimeter;
        size = outerPerimeter / pi;
    }

    // The insulation's inner face is at the inlet air temperature.
    BalanceOptions options;
    options.medium = tin;
    options.ambient = ta;
    options.stopNearMedium = false;
    DuctCooling c;
    c.thickness = s;
    const BalanceOutcome outcome = BalanceSurface(tsStart, options, [&](float ts) {
        c.outerCoefficient = SurfaceCoefficient(in, size, ts);
        return Flows{LayerFlow(in.layer1.conductivity, factor, ts, tin),
                     SurfaceFlow(in, outerPerimeter, c.outerCoefficient, ts)};
    });
    c.surfaceTemp = outcome.surfaceTemp;
    const float u = 1.0f / ((tin - ta) / outcome.heatFlow + 1.0f / (air.innerCoefficient * air.innerPerimeter));
    Cool(d, air, u, c);
    return c;
}

InnerDewPointResult InnerFailure(InnerDewPointResult r, int failure)
{
    r.failure = failure;
    return r;
}

} // namespace

DuctCooling DuctCoolingAt(const DuctCondensationInputs& d, float s, float surfaceTemp)
{
    return CoolingAt(d, DuctAirOf(d), s, surfaceTemp);
}

InnerDewPointResult ThicknessForInnerDewPoint(const DuctCondensationInputs& d)
{
    const Inputs& in = d.duct;
    const float tin = in.mediumTemp;
    const float ta = in.ambientTemp;
    const DuctAir air = DuctAirOf(d);
    InnerDewPointResult r;

    // The air reaches the dew point only when it would cool below it on the
    // way to the ambient temperature.
    const float ratio = (tin - ta) / (d.dewPoint - ta);
    float s = 0;
    if (ratio > 1.0001f) {
        // A layer of λ at 0 °C without surface resistances that lets the air
        // cool exactly to the dew point at the outlet.
        const float lambda0 = in.layer1.conductivity.d;
        s = air.innerPerimeter * d.coolingLength * lambda0 / (std::log(ratio) * air.heatCapacityFlow);
        if (std::isnan(s))
            return InnerFailure(r, thicknessTooLarge);
    }
    if (!(s > 0.0f)) {
        const float size = in.objectKind == ObjectKind::CircularDuct ? in.diameter : air.innerPerimeter / pi;
        DuctCooling& c = r.needed;
        c.surfaceTemp = tin;
        c.outerCoefficient = SurfaceCoefficient(in, size, tin);
        const float u = 1.0f / (1.0f / (air.innerPerimeter * air.innerCoefficient)
                                + 1.0f / (air.innerPerimeter * c.outerCoefficient));
        Cool(d, air, u, c);
        r.converged = true;
        return r;
    }
    r.insulated = true;
    if (TooThick(s))
        return InnerFailure(r, thicknessTooLarge);

    const float k = in.layer1.conductivity.d / s;
    float ts = (k * tin + 10.0f * ta) / (k + 10.0f);
    float sPrevious = 0;
    float rPrevious = 0;
    int halvings = 0;
    for (int round = 0; round < maxRounds; ++round) {
        r.needed = CoolingAt(d, air, s, ts);
        ts = r.needed.surfaceTemp;
        r.rounds = round + 1;
        const float residual = r.needed.innerSurfaceTemp - d.dewPoint;
        if (std::fabs(residual) < 0.1f) {
            r.converged = true;
            break;
        }
        float next = s + firstStep;
        if (round > 0) {
            next = s + (s - sPrevious) * residual / (rPrevious - residual);
            if (next <= 0.0f) {
                next = s / 2.0f;
                // Thinner and thinner: the wall is as warm as it gets.
                if (++halvings > 4 && s < 0.00005f)
                    break;
            } else {
                halvings = 0;
            }
        }
        if (TooThick(next))
            return InnerFailure(r, thicknessTooLarge);
        sPrevious = s;
        rPrevious = residual;
        s = next;
    }

    const DuctCooling& c = r.needed;
    for (float value : {c.surfaceTemp, c.outerCoefficient, c.innerCoefficient, c.outletTemp, c.innerSurfaceTemp,
                        c.heatLoss})
        if (!std::isfinite(value))
            return InnerFailure(r, thicknessTooLarge);
    return r;
}

} // namespace thermal
