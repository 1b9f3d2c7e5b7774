#include "SectionBalance.h"

#include "Conductivity.h"
#include "SurfaceBalance.h"
#include "SurfaceTransfer.h"

#include <cmath>

namespace thermal {

namespace {

// Temperatures within 0.1 K exchange nothing. A difference typed as 0.1
// arrives as the nearest floats, which may lie a hair above it.
bool NoDifference(float t1, float t2)
{
    return std::fabs(t1 - t2) <= 0.1f + 1e-4f;
}

bool isPipe(ObjectKind kind)
{
    return kind == ObjectKind::Pipe;
}

bool isRound(ObjectKind kind)
{
    return kind == ObjectKind::Pipe || kind == ObjectKind::CircularDuct;
}

bool insideInsulated(ObjectKind kind)
{
    return kind == ObjectKind::RectangularDuctInside;
}

// Heat the stream carries per kelvin, W/K.
float StreamCapacity(const SectionInputs& in, float t)
{
    const float rhoC = isPipe(in.kind) ? in.volumetricHeatCapacity : AirVolumetricHeatCapacity(t);
    return in.volumeFlow * rhoC;
}

// The medium at `length` along a stretch with conductance ua (W/(m·K)) per metre.
float StreamOutlet(float tin, float ta, float length, float ua, float capacity)
{
    return ta + (tin - ta) * std::exp(-length * ua / capacity);
}

// Supports lengthen the insulated section: 25 % outdoors, 15 % otherwise.
float EffectiveLength(const SectionInputs& in)
{
    if (!in.supports)
        return in.length;
    return in.length * (in.surroundings == Surroundings::Outdoors ? 1.25f : 1.15f);
}

// ho at surface temperature ts for a surface of convection size d: the
// given coefficient, or convection plus radiation with the emissivity.
float OuterAt(const SectionInputs& in, float d, float ts, float emissivity)
{
    if (in.surroundings == Surroundings::GivenCoefficient)
        return in.outerCoefficient;
    const float ta = in.ambientTemp;
    return ConvectionCoefficient(in.surroundings == Surroundings::Indoors, in.vertical, std::fabs(ts - ta), d, false,
                                 0.0f, in.windSpeed)
        + RadiationCoefficient(emissivity, ts, ta);
}

float InnerCoefficient(const SectionInputs& in, float hydraulicDiameter)
{
    if (in.innerCoefficientGiven)
        return in.innerCoefficient;
    return DuctInnerCoefficient(in.inletTemp, in.volumeFlow, in.area, hydraulicDiameter);
}

// The hydraulic diameter each variant gives the duct's air: the diameter
// of a circular duct; for a rectangular one 4·A over the perimeter that
// variant takes (the bare duct's, the insulation's outer face for one layer
// outside, the free opening for one layer inside, the duct's own for two).
float HydraulicDiameter(const SectionInputs& in, int layers)
{
    if (isRound(in.kind))
        return in.diameter;
    const float own = 2.0f * in.width + 2.0f * in.height;
    float perimeter = own;
    if (layers == 1)
        perimeter = insideInsulated(in.kind) ? 2.0f * (in.width - 2.0f * in.s1) + 2.0f * (in.height - 2.0f * in.s1)
                                             : 8.0f * in.s1 + own;
    return 4.0f * in.area / perimeter;
}

BalanceOptions SectionOptions(const SectionInputs& in)
{
    // No stop for a surface near the medium and none for a stalled
    // imbalance: only the balance itself (or an imbalance that no longer
    // changes at all, where the secant has no slope) ends the passes.
    BalanceOptions options;
    options.medium = in.inletTemp;
    options.ambient = in.ambientTemp;
    options.stopNearMedium = false;
    options.stallLimit = 0.0f;
    return options;
}

// What the passes of a variant leave: the conductance per metre and the
// coefficients of the last pass.
struct Conductance {
    float perMetre = 0;
    float outer = 0;
    float inner = 0;
};

// The inner face of a duct's insulation: the mean of the inlet and the
// provisional outlet, lowered by the air film's share of the resistances.
struct DuctFace {
    float mean = 0;
    float face = 0;
};

DuctFace DuctInnerFace(const SectionInputs& in, float ri, float layers, float ro, float capacity, float length)
{
    const float r = ri + layers + ro;
    const float tp = in.ambientTemp + (in.inletTemp - in.ambientTemp) * std::exp(-length / (capacity * r));
    DuctFace f;
    f.mean = (in.inletTemp + tp) / 2.0f;
    f.face = f.mean - (ri / r) * (f.mean - in.ambientTemp);
    return f;
}

Conductance OneLayer(const SectionInputs& in, float capacity, float leff)
{
    const float tin = in.inletTemp;
    const float ta = in.ambientTemp;
    const float s = in.s1;
    const bool round = isRound(in.kind);
    const float w = in.width;
    const float h = in.height;

    float di = in.diameter;
    float dout = 0, po = 0, pi_ = 0, g = 0, dh = 0, d = 0;
    if (round) {
        dout = di + 2.0f * s;
        po = pi * dout;
        pi_ = pi * di;
        g = std::log(dout / di) / (2.0f * pi);
        dh = di;
        d = dout;
    } else if (!insideInsulated(in.kind)) {
        po = 8.0f * s + 2.0f * w + 2.0f * h;
        pi_ = 2.0f * w + 2.0f * h;
        // The outer perimeter of the insulation, as the section's form has it.
        dh = 4.0f * in.area / po;
        d = po / pi;
        g = s / po;
    } else {
        po = 2.0f * w + 2.0f * h;
        pi_ = 2.0f * (w - 2.0f * s) + 2.0f * (h - 2.0f * s);
        dh = 4.0f * in.area / pi_;
        d = po / pi;
        g = s / po;
    }

    const float lambdaM = ConductivityAt(in.layer1, (tin + ta) / 2.0f);
    const float rw = isPipe(in.kind) ? in.wall.thickness / WallConductivityAt(in.wall, tin) : 0.0f;
    const float k = lambdaM / s;
    const float ts0 = (k * tin + 10.0f * ta) / (k + 10.0f);

    Conductance c;
    const bool duct = !isPipe(in.kind);
    if (duct)
        c.inner = InnerCoefficient(in, dh);
    const float hi = c.inner;

    float qS = 0;
    float mean = tin;
    const auto evaluate = [&](float ts) {
        c.outer = OuterAt(in, d, ts, in.emissivity);
        float tf = 0;
        if (duct) {
            float ri, rl, ro;
            if (round) {
                ri = 1.0f / (hi * pi_);
                rl = std::log(dout / di) / (lambdaM * twoPi);
                ro = 1.0f / (c.outer * po);
            } else {
                ri = 1.0f / hi;
                rl = s / lambdaM;
                ro = 1.0f / c.outer;
            }
            if (!(lambdaM > 0.0f))
                rl = 0.0f;
            const DuctFace f = DuctInnerFace(in, ri, rl, ro, capacity, leff);
            mean = f.mean;
            tf = f.face;
        } else {
            const float share = rw / (s / lambdaM + rw);
            tf = tin - (tin - ts) * share;
        }
        qS = c.outer * po * (ts - ta);
        return Flows{ConductivityIntegral(in.layer1, ts, tf) / g, qS};
    };
    BalanceSurface(ts0, SectionOptions(in), evaluate);
    c.perMetre = qS / ((duct ? mean : tin) - ta);
    return c;
}

Conductance TwoLayers(const SectionInputs& in, float capacity, float leff)
{
    const float tin = in.inletTemp;
    const float ta = in.ambientTemp;
    const float s1 = in.s1;
    const float s2 = in.s2;
    const bool round = isRound(in.kind);
    const float w = in.width;
    const float h = in.height;

    const float di = in.diameter;
    float d1 = 0, dout = 0, po = 0, pi_ = 0, g2 = 0, dh = 0, d = 0;
    if (round) {
        d1 = di + 2.0f * s1;
        dout = d1 + 2.0f * s2;
        po = pi * dout;
        pi_ = pi * di;
        dh = di;
        d = dout;
        g2 = std::log(dout / d1) / (2.0f * pi);
    } else {
        const float t = 2.0f * (s1 + s2);
        po = 2.0f * (t + w) + 2.0f * (t + h);
        pi_ = 2.0f * w + 2.0f * h;
        dh = 4.0f * in.area / pi_;
        d = po / 3.14f;
        g2 = s2 / po;
    }

    const float e = 0.036f / (s1 + s2);
    const float ts0 = (e * tin + 10.0f * ta) / (e + 10.0f);
    const float rw = isPipe(in.kind) ? in.wall.thickness / WallConductivityAt(in.wall, tin) : 0.0f;

    Conductance c;
    const bool duct = !isPipe(in.kind);
    float lambda1Mid = 0;
    float lambda2Mid = 0;
    if (duct) {
        c.inner = InnerCoefficient(in, dh);
        const float dT = tin - ta;
        const float wsum = s1 + s2 + 0.008f;
        lambda1Mid = ConductivityAt(in.layer1, tin - (s1 / 2.0f + 0.004f) * dT / wsum);
        lambda2Mid = ConductivityAt(in.layer2, ta + (s2 / 2.0f + 0.004f) * dT / wsum);
    }
    const float hi = c.inner;

    // The first pass takes each product's conductivity at 0 °C.
    float lambda1 = in.layer1.d;
    float lambda2 = in.layer2.d;
    int passes = 0;
    float tint = 0;
    float tf = 0;
    float qS = 0;
    float qL = 0;
    float mean = tin;
    const auto evaluate = [&](float ts) {
        if (passes++ > 0) {
            lambda1 = ConductivityAt(in.layer1, (tint + tf) / 2.0f);
            lambda2 = ConductivityAt(in.layer2, (tint + ts) / 2.0f);
        }
        const float k1 = round ? twoPi * lambda1 / std::log(d1 / di) : lambda1 / s1;
        const float k2 = round ? twoPi * lambda2 / std::log(dout / d1) : lambda2 / s2;
        c.outer = OuterAt(in, d, ts, in.emissivity);
        if (duct) {
            float ri, r1, r2, ro;
            if (round) {
                ri = 1.0f / (hi * pi_);
                r1 = std::log(d1 / di) / (lambda1Mid * twoPi);
                r2 = std::log(dout / d1) / (lambda2Mid * twoPi);
                ro = 1.0f / (c.outer * po);
            } else {
                ri = 1.0f / hi;
                r1 = s1 / lambda1Mid;
                r2 = s2 / lambda2Mid;
                ro = 1.0f / c.outer;
            }
            const DuctFace f = DuctInnerFace(in, ri, r1 + r2, ro, capacity, leff);
            mean = f.mean;
            tf = f.face;
        } else {
            const float share = rw / (s1 / lambda1 + s2 / lambda2 + rw);
            tf = tin - (tin - ts) * share;
        }
        const float surface = round ? c.outer * po : c.outer;
        const float ko = k2 * surface / (k2 + surface);
        tint = (tf * k1 + ta * ko) / (k1 + ko);
        qL = ConductivityIntegral(in.layer2, ts, tint) / g2;
        qS = c.outer * po * (ts - ta);
        return Flows{qL, qS};
    };
    BalanceSurface(ts0, SectionOptions(in), evaluate);
    // Ducts take the flow through the layers, pipes the one from the surface.
    c.perMetre = duct ? qL / (mean - ta) : qS / (tin - ta);
    return c;
}

Conductance Bare(const SectionInputs& in, float capacity)
{
    const float tin = in.inletTemp;
    const float ta = in.ambientTemp;
    const bool round = isRound(in.kind);
    float de = 0, po = 0, dh = 0;
    if (round) {
        de = in.diameter;
        po = pi * de;
        dh = de;
    } else {
        po = 2.0f * in.width + 2.0f * in.height;
        de = po / pi;
        dh = 4.0f * in.area / po;
    }

    Conductance c;
    float ts = tin;
    if (isPipe(in.kind)) {
        const float kw = WallConductivityAt(in.wall, tin) / in.wall.thickness;
        ts = (kw * tin + 10.0f * ta) / (kw + 10.0f);
    }
    c.outer = OuterAt(in, de, ts, in.bareEmissivity);
    const float q = c.outer * po * (ts - ta);
    if (isPipe(in.kind)) {
        c.perMetre = q / (tin - ta);
        return c;
    }
    c.inner = InnerCoefficient(in, dh);
    const float r = round ? 1.0f / (c.inner * pi * de) + 1.0f / (c.outer * po) : 1.0f / c.inner + 1.0f / c.outer;
    const float tp = StreamOutlet(tin, ta, in.length, 1.0f / r, capacity);
    c.perMetre = q / ((tin + tp) / 2.0f - ta);
    return c;
}

// The fittings after the section: Le metres of bare pipe or duct at the
// section's outlet temperature.
void AddFittings(const SectionInputs& in, SectionResult& r)
{
    const float le = in.fittingLength;
    const float ta = in.ambientTemp;
    const float tf0 = r.outletTemp;
    if (!(le > 0.0f) || NoDifference(tf0, ta))
        return;

    const bool round = isRound(in.kind);
    const float po = round ? pi * in.diameter : 2.0f * in.width + 2.0f * in.height;
    const float d = round ? in.diameter : po / pi;
    const float capacity = StreamCapacity(in, tf0);

    float ua = 0;
    if (isPipe(in.kind)) {
        // One pass at the medium's temperature: qS/(Tf0 − Ta) is ho·Po.
        ua = OuterAt(in, d, tf0, in.emissivity) * po;
    } else {
        const float dh = HydraulicDiameter(in, 0);
        const float hi = in.innerCoefficientGiven ? in.innerCoefficient
                                                  : UnboundedDuctInnerCoefficient(tf0, in.volumeFlow, in.area, dh);
        float ho = 0;
        BalanceOptions options = SectionOptions(in);
        options.medium = tf0;
        BalanceSurface((tf0 + ta) / 2.0f, options, [&](float ts) {
            ho = OuterAt(in, d, ts, in.emissivity);
            return Flows{po * hi * (tf0 - ts), ho * po * (ts - ta)};
        });
        ua = hi * ho * po / (hi + ho);
    }
    const float tout = StreamOutlet(tf0, ta, le, ua, capacity);
    r.heatLoss += capacity * (tf0 - tout);
    r.outletTemp = tout;
}

} // namespace

float AirVolumetricHeatCapacity(float t)
{
    if (t < 150.0f)
        return 1000.0f * (1.308f - 0.0035f * t);
    if (t < 400.0f)
        return 1000.0f * (0.985f - 0.0011f * t);
    return 1000.0f * (0.732f - 0.00046f * t);
}

float UnboundedDuctInnerCoefficient(float tm, float volumeFlow, float area, float hydraulicDiameter)
{
    const float nu = (13.45f + 0.1f * tm) * 1e-6f;
    const float lambdaAir = (24.1f + 0.0764f * tm) * 0.001f;
    const float re = hydraulicDiameter * (volumeFlow / area) / nu;
    return 0.0207f * lambdaAir * std::pow(re, 0.8f) / hydraulicDiameter;
}

SectionResult SectionHeatBalance(const SectionInputs& in)
{
    const float tin = in.inletTemp;
    const float ta = in.ambientTemp;
    SectionResult r;
    r.outletTemp = tin;
    if (NoDifference(tin, ta)) {
        // Nothing to exchange; a duct's air still has its coefficient.
        if (!isPipe(in.kind))
            r.innerCoefficient = InnerCoefficient(in, HydraulicDiameter(in, in.layers));
        return r;
    }

    const float capacity = StreamCapacity(in, tin);
    Conductance c;
    float length = EffectiveLength(in);
    if (in.layers == 0) {
        c = Bare(in, capacity);
        length = in.length;
    } else if (in.layers == 2) {
        c = TwoLayers(in, capacity, length);
    } else {
        c = OneLayer(in, capacity, length);
    }
    r.exchanges = true;
    r.outerCoefficient = c.outer;
    r.innerCoefficient = c.inner;
    r.outletTemp = StreamOutlet(tin, ta, length, c.perMetre, capacity);
    r.heatLoss = capacity * (tin - r.outletTemp);
    AddFittings(in, r);
    return r;
}

} // namespace thermal
