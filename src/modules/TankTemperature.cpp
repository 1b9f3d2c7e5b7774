#include "TankTemperature.h"

#include "doc/CVekModul.h"
#include "doc/StringTable.h"
#include "thermal/Conductivity.h"
#include "thermal/SurfaceBalance.h"
#include "thermal/SurfaceTransfer.h"

#include <algorithm>
#include <cmath>

namespace tank {

namespace {

constexpr float pi = 3.1415927f;
// While cooling, the flux through the shell is never taken below this: a
// trial surface temperature above the liquid's would otherwise turn the
// overall coefficient negative.
constexpr float fluxFloor = 0.1f; // W/m²
constexpr int rounds = 100;
constexpr int innerPasses = 10;
// The stepping to a final temperature moves in hundredths of the first
// estimate of the time; this many steps is ten thousand times that estimate,
// which only a conductivity curve without sense comes near.
constexpr long maxSteps = 1000000;

// The balance of the shell and the surface for one calculation.
class Model {
public:
    explicit Model(const Problem& p)
        : p_(p), ta_(p.ambientTemp), t0_(p.startTemp), cooling_(p.startTemp > p.ambientTemp)
    {
        const Geometry& g = p.geometry;
        capacity_ = p.medium.heatCapacity * p.medium.density * g.volume / (3600.0f * g.area);
        perArea_ = g.shapeFactor / g.area;
        // The shell alone, without the surface in series, bounds the overall
        // coefficient from above.
        const thermal::Conductivity& k = p.conductivity;
        const float lambda = std::max({thermal::ConductivityAt(k, ta_), thermal::ConductivityAt(k, t0_),
                                       thermal::ConductivityAt(k, (ta_ + t0_) / 2.0f)});
        uLimit_ = perArea_ * lambda;
    }

    bool Cooling() const { return cooling_; }
    float Ambient() const { return ta_; }
    float Start() const { return t0_; }

    // τ in hours for the overall coefficient u.
    float Tau(float u) const { return capacity_ / u; }

    float OuterCoefficient(float ts) const
    {
        const OuterSurface& s = p_.surface;
        if (s.surroundings == Surroundings::GivenCoefficient)
            return s.givenCoefficient;
        // The tank counts as a vertical plane of its convection height.
        const float hc = p_.geometry.convectionHeight;
        const float convection = thermal::ConvectionCoefficient(s.surroundings == Surroundings::Indoors, true,
                                                                std::fabs(ts - ta_), hc, true, hc, s.windSpeed);
        return convection + thermal::RadiationCoefficient(s.emissivity, ts, ta_);
    }

    // The flux through the shell per m² of envelope between the surface and
    // the liquid, held at the floor while cooling.
    float Flux(float ts, float tm) const
    {
        const float q = perArea_ * thermal::ConductivityIntegral(p_.conductivity, ts, tm);
        return cooling_ && q < fluxFloor ? fluxFloor : q;
    }

    // The overall coefficient q/(Tm − Ta). A quotient that is no positive
    // number (a trial surface on the wrong side of the liquid while
    // heating, a liquid settled at the ambient temperature) leaves u as it
    // was; the shell's own conductance caps it, so that a floored flux over
    // a vanishing difference cannot run it up without end.
    float NextU(float u, float q, float tm) const
    {
        const float difference = tm - ta_;
        if (difference == 0.0f)
            return u;
        const float candidate = q / difference;
        if (!(candidate > 0.0f) || !std::isfinite(candidate))
            return u;
        return uLimit_ > 0.0f ? std::min(candidate, uLimit_) : candidate;
    }

private:
    const Problem& p_;
    float ta_;
    float t0_;
    bool cooling_;
    float capacity_ = 0; // cp·ρ·V/(3600·A): τ = capacity/U hours
    float perArea_ = 0;  // S/A
    float uLimit_ = 0;
};

struct Pass {
    float u = 0;
    float surfaceTemp = 0;
    float outerCoefficient = 0;
};

// The full form's iteration over t hours from a first surface temperature,
// outer coefficient and overall coefficient: the secant on the surface
// temperature, with the mean liquid temperature and U brought up to date at
// every trial.
Pass FullIteration(const Model& m, float t, float ts, float ho, float u)
{
    const float ta = m.Ambient();
    const float t0 = m.Start();
    float tm = 0;
    float q = 0;
    bool first = true;
    thermal::BalanceOptions options;
    options.medium = t0;
    options.ambient = ta;
    options.stopNearMedium = false;
    options.maxRounds = rounds;
    const thermal::BalanceOutcome outcome = thermal::BalanceSurface(ts, options, [&](float trial) {
        if (first) {
            tm = MeanTemperature(t0, ta, m.Tau(u), t);
            first = false;
        } else {
            for (int pass = 0; pass < innerPasses; ++pass) {
                u = m.NextU(u, q, tm);
                tm = MeanTemperature(t0, ta, m.Tau(u), t);
                q = m.Flux(trial, tm);
            }
        }
        ho = m.OuterCoefficient(trial);
        q = m.Flux(trial, tm);
        u = m.NextU(u, q, tm);
        return thermal::Flows{q, (trial - ta) * ho};
    });
    return {u, outcome.surfaceTemp, ho};
}

// The heat flux through the shell at the first moment, per m² of envelope,
// with the liquid at its start temperature.
float StartFlux(const Model& m, float s)
{
    const float ta = m.Ambient();
    const float t0 = m.Start();
    const float r = 0.036f / s;
    thermal::BalanceOptions options;
    options.medium = t0;
    options.ambient = ta;
    options.stopNearMedium = false;
    options.maxRounds = rounds;
    const float ts = (r * t0 + 10.0f * ta) / (r + 10.0f);
    return thermal::BalanceSurface(ts, options, [&](float trial) {
               return thermal::Flows{m.Flux(trial, t0), (trial - ta) * m.OuterCoefficient(trial)};
           })
        .heatFlow;
}

// The first multiple of dt at which the liquid has reached t1; false when it
// has not within the steps allowed.
bool StepTo(const Model& m, float tau, float t1, float dt, float& theta)
{
    const float ta = m.Ambient();
    const float t0 = m.Start();
    for (long k = 0; k <= maxSteps; ++k) {
        theta = float(k) * dt;
        const float t = TemperatureAt(t0, ta, tau, theta);
        if (m.Cooling() ? !(t > t1) : !(t < t1))
            return true;
    }
    return false;
}

// The freezing test and the curve of a given storage time.
void FinishStorage(const Problem& p, Result& r)
{
    const float ta = p.ambientTemp;
    const float t0 = p.startTemp;
    const float tf = p.medium.freezingPoint;
    float te = p.storageTime;
    if (tf > r.endTemp) {
        const float theta = -r.timeConstant * std::log((tf - ta) / (t0 - ta));
        // Starting at the freezing point is freezing at once.
        r.freezeTime = theta > 0.0f ? theta : 0.0f;
        r.frozen = true;
        r.endTemp = tf;
        te = r.freezeTime;
    }
    r.curveTime.clear();
    r.curveTemp.clear();
    for (int k = 0; k < 10; ++k) {
        const float theta = float(k) * te / 9.0f;
        r.curveTime.push_back(theta);
        r.curveTemp.push_back(TemperatureAt(t0, ta, r.timeConstant, theta));
    }
}

} // namespace

Geometry TankGeometry(int shape, const Dimensions& size, float s)
{
    Geometry g;
    switch (shape) {
    case cylinder: {
        const float d = size.diameter;
        const float l = size.length;
        const float outer = d + 2.0f * s;
        g.area = 2.0f * pi * outer * outer / 4.0f + pi * outer * (l + 2.0f * s);
        g.volume = pi * d * d * l / 4.0f;
        g.shapeFactor = 2.0f * pi * (d * d / (4.0f * s) + l / std::log(outer / d) + 0.54f * d);
        g.convectionHeight = l + 2.0f * s;
        break;
    }
    case sphere: {
        const float d = size.diameter;
        const float outer = d + 2.0f * s;
        g.area = pi * outer * outer;
        g.volume = pi * d * d * d / 6.0f;
        g.shapeFactor = 2.0f * pi / (1.0f / d - 1.0f / outer);
        g.convectionHeight = outer;
        break;
    }
    default: {
        const float h = size.height;
        const float w = size.width;
        const float p = size.depth;
        const float ho = h + 2.0f * s;
        const float wo = w + 2.0f * s;
        const float po = p + 2.0f * s;
        g.area = 2.0f * (ho * wo + ho * po + wo * po);
        g.volume = h * w * p;
        g.shapeFactor = 2.0f * (w * h + w * p + h * p) / s + 2.16f * (h + w + p) + 1.2f * s;
        g.convectionHeight = ho;
        break;
    }
    }
    return g;
}

float TemperatureAt(float t0, float ta, float tau, float theta)
{
    if (theta == 0.0f)
        return t0;
    return ta + (t0 - ta) * std::exp(-theta / tau);
}

float MeanTemperature(float t0, float ta, float tau, float t)
{
    // (τ/t)·(1 − exp(−t/τ)), written so that it keeps its digits for a long
    // time constant and comes out 1 for an endless one, 0 for none.
    const float x = t / tau;
    float share;
    if (x == 0.0f)
        share = 1.0f;
    else if (std::isinf(x))
        share = 0.0f;
    else
        share = -std::expm1(-x) / x;
    return ta + (t0 - ta) * share;
}

Result Calculate(const Problem& p)
{
    const Model m(p);
    const Geometry& g = p.geometry;
    const float s = p.thickness;
    const float d = p.conductivity.d;
    const float ta = p.ambientTemp;
    const float t0 = p.startTemp;
    const float t1 = p.finalTemp;
    const float heat = p.medium.heatCapacity * p.medium.density * g.volume; // J/K
    Result r;
    r.thin = s / d < 0.25f;

    if (r.thin) {
        const float w = d / s;
        if (p.finalGiven) {
            const float ts0 = (w * t0 + 10.0f * ta) / (w + 10.0f);
            const float ho = m.OuterCoefficient(ts0);
            const float u = 1.0f / (g.area / (d * g.shapeFactor) + 1.0f / ho);
            r.timeConstant = m.Tau(u);
            r.time = -std::log((t1 - ta) / (t0 - ta)) * heat / (g.area * u) / 3600.0f;
            r.outerCoefficient = ho;
            r.surfaceTemp = (w * t1 + ho * ta) / (w + ho);
            r.energy = heat * (t0 - t1) / 3600000.0f;
        } else {
            float ho = 10.0f;
            float ts = 0;
            for (int i = 0; i < rounds; ++i) {
                const float u = 1.0f / (s / d + 1.0f / ho);
                r.timeConstant = m.Tau(u);
                const float previous = ts;
                ts = (w * MeanTemperature(t0, ta, r.timeConstant, p.storageTime) + ho * ta) / (ho + w);
                ho = m.OuterCoefficient(ts);
                if (i >= 1 && std::fabs(ts - previous) <= 0.1f)
                    break;
            }
            r.endTemp = TemperatureAt(t0, ta, r.timeConstant, p.storageTime);
            r.outerCoefficient = ho;
            r.surfaceTemp = (w * r.endTemp + ho * ta) / (w + ho);
            FinishStorage(p, r);
            // With its sign: negative when the liquid was heated.
            r.energy = heat * (t0 - r.endTemp) / 3600000.0f;
        }
    } else {
        const float r0 = d / s;
        const float ts0 = (r0 * t0 + 10.0f * ta) / (r0 + 10.0f);
        if (p.finalGiven) {
            const float ho0 = m.OuterCoefficient(ts0);
            const float u0 = 1.0f / (g.area / (d * g.shapeFactor) + 1.0f / ho0);
            const float tau0 = heat / (g.area * u0); // s
            const float theta0 = -tau0 * std::log((t1 - ta) / (t0 - ta)) / 3600.0f;
            const Pass pass = FullIteration(m, theta0, ts0, ho0, u0);
            r.timeConstant = m.Tau(pass.u);
            r.reached = StepTo(m, r.timeConstant, t1, theta0 / 100.0f, r.time);
            r.surfaceTemp = pass.surfaceTemp;
            r.outerCoefficient = pass.outerCoefficient;
            r.energy = heat * (t0 - t1) / 3600000.0f;
        } else {
            const Pass pass = FullIteration(m, p.storageTime, ts0, 10.0f, 1.0f / (s / d + 1.0f / 10.0f));
            r.timeConstant = m.Tau(pass.u);
            r.endTemp = TemperatureAt(t0, ta, r.timeConstant, p.storageTime);
            r.surfaceTemp = pass.surfaceTemp;
            r.outerCoefficient = pass.outerCoefficient;
            FinishStorage(p, r);
            r.energy = std::fabs(heat * (t0 - r.endTemp)) / 3600000.0f;
        }
    }

    r.startHeatLoss = StartFlux(m, s) * g.area;
    r.uValue = r.startHeatLoss / g.area / (t0 - ta);
    return r;
}

bool IsFinite(const Result& r)
{
    const float values[] = {r.endTemp, r.time,   r.surfaceTemp, r.outerCoefficient, r.energy,
                            r.startHeatLoss, r.uValue, r.timeConstant, r.freezeTime};
    if (!r.reached || !(r.timeConstant > 0.0f))
        return false;
    for (float v : values)
        if (!std::isfinite(v))
            return false;
    for (float v : r.curveTime)
        if (!std::isfinite(v))
            return false;
    for (float v : r.curveTemp)
        if (!std::isfinite(v))
            return false;
    return true;
}

CurveScale ScaleCurve(const std::vector<float>& temperatures, float te)
{
    CurveScale scale;
    // A curve that ends at once (a start at the freezing point) stands on
    // an axis of 0 to 9 h, as if it ran for 8 h, so that the axis has hours
    // to read.
    const float end = te > 0.0f ? te : 8.0f;
    scale.xmax = end + end / 8.0f;
    const float xSteps[][2] = {{20, 1},     {40, 2},     {80, 5},      {160, 10},   {320, 20},
                               {640, 50},   {1280, 100}, {2540, 200},  {5080, 500}};
    scale.xStep = 1000.0f;
    for (const auto& [below, step] : xSteps)
        if (end < below) {
            scale.xStep = step;
            break;
        }

    float low = temperatures.empty() ? 0.0f : temperatures.front();
    float high = low;
    for (float t : temperatures) {
        low = std::min(low, t);
        high = std::max(high, t);
    }
    const float spread = high - low;
    const float ySteps[][2] = {{20, 2}, {50, 5}, {100, 10}, {200, 20}, {500, 50}};
    scale.yStep = 100.0f;
    for (const auto& [below, step] : ySteps)
        if (spread < below) {
            scale.yStep = step;
            break;
        }
    scale.ymin = (std::trunc(low / scale.yStep) - 1.0f) * scale.yStep;
    scale.ymax = (std::trunc(high / scale.yStep) + 1.0f) * scale.yStep;
    return scale;
}

std::string Shown(const char* format, float value)
{
    return WithoutNegativeZero(Sprintf(format, double(value)));
}

} // namespace tank
