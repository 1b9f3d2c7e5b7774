#pragma once

#include <string>
#include <vector>

// The cubic λ(T) = a·T³ + b·T² + c·T + d of a product from the conductivity
// declared for its class at a few temperatures. Three points give the
// quadratic through them and four the cubic through them, both with the
// program's own fit; more points give the least-squares cubic. A curve that
// misses any declared point by more than the tolerance is refused.
class ConductivityFit {
public:
    struct Point {
        float temperature; // °C
        float lambda;      // W/(m·K)
    };
    struct Cubic {
        float a, b, c, d;
    };

    static constexpr double tolerance = 0.01; // relative

    // `context` names the product in messages.
    static Cubic Fit(const std::vector<Point>& points, const std::string& context);
    // The relative deviation of the cubic from each point, evaluated in
    // single precision as the program does.
    static double WorstDeviation(const Cubic& cubic, const std::vector<Point>& points);
};
