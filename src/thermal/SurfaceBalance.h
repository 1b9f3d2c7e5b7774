#pragma once

#include <cmath>

namespace thermal {

// The surface balance every layered calculation solves: the outer surface
// temperature Ts at which the flow through the insulation (qL) equals the
// flow from the surface (qS). A secant on Ts: the first step moves 3 K (2 K
// when 3 K would land within 0.1 K of the ambient, where the radiation
// coefficient has no quotient), later steps follow the secant through the
// last two imbalances.

struct Flows {
    float layer = 0;   // qL
    float surface = 0; // qS
};

struct BalanceOptions {
    float medium = 0;  // Tm
    float ambient = 0; // Ta
    // Stop with qS when the surface sits within 0.05 K of the medium: the
    // insulation then holds back nothing measurable and qL is all noise.
    bool stopNearMedium = true;
    // Stop with qL once the imbalance changes by less than this between
    // rounds. A change of exactly zero always stops: the secant has no slope.
    float stallLimit = 0.0f;
    int maxRounds = 100;
};

struct BalanceOutcome {
    float surfaceTemp = 0; // the Ts the last flows were evaluated at
    float heatFlow = 0;
    int rounds = 0; // evaluations made
    bool converged = false;
};

// evaluate(Ts) returns the two flows at Ts; whatever else it works out (the
// coefficients, the inner face) it keeps itself, and what it kept last
// belongs to the returned surface temperature. After maxRounds the last
// evaluation stands, without a message.
template <class Evaluate>
BalanceOutcome BalanceSurface(float ts, const BalanceOptions& options, Evaluate&& evaluate)
{
    BalanceOutcome outcome;
    float tsPrevious = 0;
    float dPrevious = 0;
    for (int round = 0; round < options.maxRounds; ++round) {
        const Flows flows = evaluate(ts);
        outcome.surfaceTemp = ts;
        outcome.heatFlow = flows.layer;
        outcome.rounds = round + 1;
        const float d = flows.layer - flows.surface;
        if (std::fabs(d) < 0.1f) {
            outcome.converged = true;
            return outcome;
        }
        if (round == 0) {
            tsPrevious = ts;
            dPrevious = d;
            ts = ts + 3.0f;
            if (std::fabs(ts - options.ambient) < 0.1f)
                ts = ts - 1.0f;
            continue;
        }
        if (dPrevious == d || std::fabs(dPrevious - d) < options.stallLimit)
            return outcome;
        const float tsNew = ts + (ts - tsPrevious) * d / (dPrevious - d);
        if (options.stopNearMedium && std::fabs(tsNew - options.medium) < 0.05f
            && std::fabs(ts - options.medium) < 0.05f) {
            outcome.heatFlow = flows.surface;
            return outcome;
        }
        tsPrevious = ts;
        dPrevious = d;
        ts = tsNew;
    }
    return outcome;
}

} // namespace thermal
