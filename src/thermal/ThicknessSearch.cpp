#include "ThicknessSearch.h"

#include "Conductivity.h"
#include "LayerModel.h"
#include "Messages.h"
#include "SurfaceTransfer.h"

#include <cmath>

namespace thermal {

namespace {

constexpr float maxThickness = 2.0f;      // m
constexpr float minThickness = 0.00005f;  // m; below it the bare object is as good
constexpr float firstStep = 0.02f;        // m

// +1 when heat flows out of the medium, −1 for a cold medium: a target is
// met on the side of the bare value that lies towards the ambient.
float HeatFlowSide(const Inputs& in)
{
    return in.mediumTemp > in.ambientTemp ? 1.0f : -1.0f;
}

// Inside insulation thicker than half a side closes the duct; a thickness
// that is no number closes it as well, so that the search cannot slip past
// the test.
bool ClosesDuct(const Inputs& in, float s)
{
    return in.objectKind == ObjectKind::RectangularDuctInside && !(2.0f * s <= in.height && 2.0f * s <= in.width);
}

// The failure a secant step to s runs into, 0 when it may be taken.
int StepFailure(const Inputs& in, float s)
{
    if (s > maxThickness)
        return thicknessTooLarge;
    if (ClosesDuct(in, s))
        return insulationFillsDuct;
    if (!std::isfinite(s))
        return thicknessTooLarge;
    return 0;
}

// Every thickness the search reports meets the limits, however it got
// there: the start estimate and the fixed first step are no secant steps.
int ResultFailure(const Inputs& in, float s, const HeatFlow& at)
{
    if (ClosesDuct(in, s))
        return insulationFillsDuct;
    if (!(s <= maxThickness) || !std::isfinite(at.heatFlow) || !std::isfinite(at.surfaceTemp))
        return thicknessTooLarge;
    return 0;
}

// A start estimate that is no positive number (a target at the ambient
// temperature, or a heat loss of zero) would need endless insulation.
bool StartUsable(float s)
{
    return s > 0.0f && std::isfinite(s);
}

ThicknessResult Fail(ThicknessResult result, int failure)
{
    result.ok = false;
    result.failure = failure;
    return result;
}

ThicknessResult Finish(ThicknessResult result, const Inputs& in, const StandardThicknessLookup& nextStandard)
{
    if (nextStandard) {
        result.standardThickness = nextStandard(result.thickness);
        if (result.standardThickness > 0.0f)
            result.standard = StandardThicknessHeatFlow(in, result.standardThickness);
    }
    result.ok = true;
    return result;
}

ThicknessResult BareSuffices(ThicknessResult result, const Inputs& in, const StandardThicknessLookup& nextStandard)
{
    result.bareSuffices = true;
    result.thickness = 0.0f;
    result.needed = result.bare;
    return Finish(result, in, nextStandard);
}

} // namespace

ThicknessResult ThicknessForSurfaceTemperature(const Inputs& in, float tsg, const StandardThicknessLookup& nextStandard)
{
    const float tm = in.mediumTemp;
    const float ta = in.ambientTemp;
    ThicknessResult result;

    float s = (tm - tsg) / (tsg - ta) * 0.036f / 10.0f;
    // ho stays at its value for the target temperature and the start geometry.
    const float ho = SurfaceCoefficient(in, OneLayerGeometry(in, s).convectionSize, tsg);

    result.bare = BareSurface(in);
    if (HeatFlowSide(in) * (tsg - result.bare.surfaceTemp) > 0.0f)
        return BareSuffices(result, in, nextStandard);
    if (!StartUsable(s))
        return Fail(result, thicknessTooLarge);

    float sPrevious = 0;
    float dPrevious = 0;
    float sEvaluated = s;
    OneLayer layer;
    LayerState state;
    bool bareAgain = false;
    for (int round = 0; round < 100; ++round) {
        layer = SetUpOneLayer(in, s);
        state = EvaluateOneLayer(in, layer, tsg, ho);
        sEvaluated = s;
        result.rounds = round + 1;
        const float d = state.layerFlow - state.surfaceFlow;
        if (std::fabs(d) < 0.1f)
            break;
        if (round == 0) {
            sPrevious = s;
            dPrevious = d;
            s = s + firstStep;
            continue;
        }
        float sNew = s + (s - sPrevious) * d / (dPrevious - d);
        if (const int failure = StepFailure(in, sNew))
            return Fail(result, failure);
        if (sNew < minThickness) {
            if (s < minThickness) {
                bareAgain = true;
                break;
            }
            sNew = s / 2.0f;
        }
        sPrevious = s;
        dPrevious = d;
        s = sNew;
    }

    result.thickness = sEvaluated;
    if (bareAgain) {
        result.needed = result.bare;
    } else {
        result.needed.surfaceTemp = tsg;
        result.needed.heatFlow = state.layerFlow;
        result.needed.outerCoefficient = ho;
        result.needed.innerCoefficient = layer.innerCoefficient;
    }
    result.needed.rounds = result.rounds;
    if (const int failure = ResultFailure(in, result.thickness, result.needed))
        return Fail(result, failure);
    return Finish(result, in, nextStandard);
}

ThicknessResult ThicknessForHeatLoss(const Inputs& in, float qg, const StandardThicknessLookup& nextStandard)
{
    const float tm = in.mediumTemp;
    const float ta = in.ambientTemp;
    ThicknessResult result;

    // Start from the plane or cylinder formula without surface resistance,
    // in magnitudes: a cold medium's target is negative.
    const float lambdaMean = ConductivityAt(in.layer1.conductivity, (tm + ta) / 2.0f);
    const float dT = std::fabs(tm - ta);
    const float target = std::fabs(qg);
    float s;
    if (IsRound(in.objectKind))
        s = (std::exp(dT * twoPi * lambdaMean / target) - 1.0f) * in.diameter / 2.0f;
    else if (IsRectangular(in.objectKind))
        s = dT * lambdaMean * (2.0f * (in.height + in.width)) / target;
    else
        s = dT * lambdaMean / target;
    const float u = lambdaMean / s;
    float ts = (u * tm + 10.0f * ta) / (u + 10.0f);

    result.bare = BareSurface(in);
    if (std::fabs(qg) > std::fabs(result.bare.heatFlow))
        return BareSuffices(result, in, nextStandard);
    if (!StartUsable(s))
        return Fail(result, thicknessTooLarge);

    // Two secants take turns: on the thickness with the surface temperature
    // held until the layer carries the target, then on the surface
    // temperature with the thickness held until the surface balances. Each
    // phase keeps its own remembered pair, and entering a phase starts with
    // its fixed step.
    bool thicknessPhase = true;
    bool thicknessStepped = false;
    float sPrevious = 0;
    float ePrevious = 0;
    float tsPrevious = 0;
    float dPrevious = 0;
    float sEvaluated = s;
    float tsEvaluated = ts;
    OneLayer layer = SetUpOneLayer(in, s);
    LayerState state;
    bool bareAgain = false;
    for (int round = 0; round < 100; ++round) {
        if (layer.geometry.thickness != s)
            layer = SetUpOneLayer(in, s);
        state = EvaluateOneLayer(in, layer, ts);
        sEvaluated = s;
        tsEvaluated = ts;
        result.rounds = round + 1;
        const float e = state.layerFlow - qg;
        const float d = state.layerFlow - state.surfaceFlow;

        if (thicknessPhase) {
            if (std::fabs(e) < 0.1f) {
                if (std::fabs(d) < 0.1f)
                    break;
                thicknessPhase = false;
                tsPrevious = ts;
                dPrevious = d;
                ts = ts + 3.0f;
                if (std::fabs(ts - ta) < 0.1f)
                    ts = ts - 1.0f;
            } else if (!thicknessStepped) {
                thicknessStepped = true;
                sPrevious = s;
                ePrevious = e;
                s = s + firstStep;
            } else {
                float sNew = s + (s - sPrevious) * e / (ePrevious - e);
                if (const int failure = StepFailure(in, sNew))
                    return Fail(result, failure);
                if (sNew < minThickness) {
                    if (s < minThickness) {
                        bareAgain = true;
                        break;
                    }
                    sNew = s / 2.0f;
                }
                sPrevious = s;
                ePrevious = e;
                s = sNew;
            }
        } else {
            if (std::fabs(d) < 0.1f) {
                if (std::fabs(e) < 0.1f)
                    break;
                thicknessPhase = true;
                thicknessStepped = true;
                sPrevious = s;
                ePrevious = e;
                s = s + firstStep;
            } else {
                const float tsNew = ts + (ts - tsPrevious) * d / (dPrevious - d);
                tsPrevious = ts;
                dPrevious = d;
                ts = tsNew;
            }
        }
    }

    result.thickness = sEvaluated;
    if (bareAgain) {
        result.needed = result.bare;
    } else {
        result.needed.surfaceTemp = tsEvaluated;
        result.needed.heatFlow = state.layerFlow;
        result.needed.outerCoefficient = state.outerCoefficient;
        result.needed.innerCoefficient = layer.innerCoefficient;
    }
    result.needed.rounds = result.rounds;
    if (const int failure = ResultFailure(in, result.thickness, result.needed))
        return Fail(result, failure);
    return Finish(result, in, nextStandard);
}

} // namespace thermal
