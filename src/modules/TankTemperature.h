#pragma once

#include "TankTempInput.h"
#include "thermal/Choices.h"
#include "thermal/Inputs.h"

#include <string>
#include <vector>

// The temperature of a liquid stored in an insulated tank over time. The
// liquid is one well-mixed body with a single time constant τ behind an
// insulation shell whose conduction a shape factor describes:
//   T(θ) = Ta + (T0 − Ta)·exp(−θ/τ),  τ = cp·ρ·V/(U·3600·A) hours,
// with U the overall coefficient per square metre of envelope. Thin
// insulation (s/λ0 < 0.25 m²K/W) takes a flat-wall conductance; thicker
// insulation balances the conduction through the shell against the surface
// with a secant on the surface temperature.

namespace tank {

enum Shape : int { box = 0, cylinder = 1, sphere = 2 };

// Inside dimensions, m.
struct Dimensions {
    float diameter = 0;
    float length = 0;
    float width = 0;
    float height = 0;
    float depth = 0;
};

struct Geometry {
    float area = 0;             // A, m², the outside of the insulation
    float volume = 0;           // V, m³, inside
    float shapeFactor = 0;      // S, m: the shell conducts S·λ W/K
    float convectionHeight = 0; // Hc, m, the height free convection runs along
};

// The geometry of a shape with insulation s metres thick.
Geometry TankGeometry(int shape, const Dimensions& size, float s);

// What decides the outer coefficient of the tank, counted as a vertical
// plane of the convection height.
struct OuterSurface {
    Surroundings surroundings = Surroundings::Indoors;
    float windSpeed = 2.0f;
    float givenCoefficient = 5.0f;
    float emissivity = 0.94f;
};

struct Problem {
    Geometry geometry;
    thermal::Conductivity conductivity; // of the insulation product
    float thickness = 0;                // s, m
    TankMedium medium;
    OuterSurface surface;
    float startTemp = 0;   // T0, °C
    float ambientTemp = 0; // Ta, °C
    bool finalGiven = false;
    float storageTime = 0; // t, h, when the final temperature is not given
    float finalTemp = 0;   // T1, °C, when it is
};

struct Result {
    bool thin = false;          // the thin-insulation form was used
    float endTemp = 0;          // the liquid at the end of the storage time, °C
    float time = 0;             // h to reach the final temperature
    float surfaceTemp = 0;      // °C
    float outerCoefficient = 0; // ho, W/(m²·K)
    float energy = 0;           // kWh
    float startHeatLoss = 0;    // Q0, W
    float uValue = 0;           // Q0/A/(T0 − Ta), W/(m²·K)
    float timeConstant = 0;     // τ, h
    bool frozen = false;        // the freezing point came before the end of the storage time
    float freezeTime = 0;       // h, when frozen
    // The temperature curve over the storage time (or up to the freezing
    // time); empty when the final temperature is given.
    std::vector<float> curveTime;
    std::vector<float> curveTemp;
    // False when the stepping to the final temperature gave up.
    bool reached = true;
};

// The whole calculation; the caller has checked the input as the dialog does.
Result Calculate(const Problem& problem);

// Whether every number of the result is one (a page never shows others).
bool IsFinite(const Result& result);

// Liquid temperature after θ hours for time constant τ; exactly T0 at θ = 0.
float TemperatureAt(float t0, float ta, float tau, float theta);
// Mean liquid temperature over t hours.
float MeanTemperature(float t0, float ta, float tau, float t);

// The curve's axes: x from 0 to te + te/8 with a step by te, y around the
// points with a step by their spread. A curve that ends at once (te = 0)
// gets the axis of 8 hours.
struct CurveScale {
    float xmax = 0;
    float ymin = 0;
    float ymax = 0;
    float xStep = 0;
    float yStep = 0;
};
CurveScale ScaleCurve(const std::vector<float>& temperatures, float te);

// A formatted value as a page shows it: a value that rounds to zero has no
// minus sign.
std::string Shown(const char* format, float value);

} // namespace tank
