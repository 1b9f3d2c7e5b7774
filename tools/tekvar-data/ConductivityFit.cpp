#include "ConductivityFit.h"

#include "DataError.h"
#include "database/CEgendefIsoProdukt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

// Least squares on T/100, which keeps the normal equations well conditioned
// for temperatures up to several hundred degrees.
constexpr double scale = 100.0;

ConductivityFit::Cubic leastSquares(const std::vector<ConductivityFit::Point>& points)
{
    std::array<std::array<double, 5>, 4> m{};
    for (const auto& p : points) {
        const double x = p.temperature / scale;
        const std::array<double, 4> powers{x * x * x, x * x, x, 1.0};
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j)
                m[i][j] += powers[i] * powers[j];
            m[i][4] += powers[i] * p.lambda;
        }
    }
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int row = col + 1; row < 4; ++row)
            if (std::abs(m[row][col]) > std::abs(m[pivot][col]))
                pivot = row;
        std::swap(m[col], m[pivot]);
        for (int row = 0; row < 4; ++row) {
            if (row == col)
                continue;
            const double factor = m[row][col] / m[col][col];
            for (int k = col; k < 5; ++k)
                m[row][k] -= factor * m[col][k];
        }
    }
    std::array<double, 4> x{};
    for (int i = 0; i < 4; ++i)
        x[i] = m[i][4] / m[i][i];
    return {float(x[0] / (scale * scale * scale)), float(x[1] / (scale * scale)), float(x[2] / scale),
            float(x[3])};
}

} // namespace

double ConductivityFit::WorstDeviation(const Cubic& k, const std::vector<Point>& points)
{
    double worst = 0;
    for (const auto& p : points) {
        const float t = p.temperature;
        const float lambda = k.a * t * t * t + k.b * t * t + k.c * t + k.d;
        worst = std::max(worst, std::abs(double(lambda) - p.lambda) / p.lambda);
    }
    return worst;
}

ConductivityFit::Cubic ConductivityFit::Fit(const std::vector<Point>& points, const std::string& context)
{
    if (points.size() < 3)
        throw DataError(context + ": at least three declared conductivities are needed for a curve");
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!(points[i].lambda > 0))
            throw DataError(context + ": a declared conductivity must be above zero");
        for (std::size_t j = 0; j < i; ++j)
            if (points[i].temperature == points[j].temperature)
                throw DataError(context + ": two declared conductivities at the same temperature");
    }

    Cubic k{};
    if (points.size() <= 4) {
        CEgendefIsoProdukt::Points temperatures{}, lambdas{};
        for (std::size_t i = 0; i < points.size(); ++i) {
            temperatures[i] = points[i].temperature;
            lambdas[i] = points[i].lambda;
        }
        if (!CEgendefIsoProdukt::FitCoefficients(temperatures, lambdas, points.size() == 3, k.a, k.b, k.c, k.d))
            throw DataError(context + ": no curve passes through the declared conductivities");
    } else {
        k = leastSquares(points);
    }

    const double worst = WorstDeviation(k, points);
    if (!(worst <= tolerance)) {
        char percent[32];
        std::snprintf(percent, sizeof percent, "%.2f", worst * 100);
        throw DataError(context + ": the fitted curve misses a declared conductivity by " + percent +
                        " % (at most 1 % allowed)");
    }
    return k;
}
