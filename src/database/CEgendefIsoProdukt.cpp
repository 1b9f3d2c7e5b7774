#include "CEgendefIsoProdukt.h"

#include "platform/Services.h"

#include <cmath>

TEKVAR_IMPLEMENT_CLASS(CEgendefIsoProdukt, CIsoProdukt)

namespace {

using Matrix3 = std::array<std::array<double, 3>, 3>;
using Matrix4 = std::array<std::array<double, 4>, 4>;

double determinant(const Matrix3& m)
{
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// Expanded by the cofactors of the first row.
double determinant(const Matrix4& m)
{
    double sum = 0.0;
    for (int column = 0; column < 4; ++column) {
        Matrix3 minor{};
        for (int row = 1; row < 4; ++row)
            for (int col = 0, k = 0; col < 4; ++col)
                if (col != column)
                    minor[std::size_t(row - 1)][std::size_t(k++)] = m[std::size_t(row)][std::size_t(col)];
        const double cofactor = determinant(minor) * m[0][std::size_t(column)];
        sum += column % 2 == 0 ? cofactor : -cofactor;
    }
    return sum;
}

// Cramer's rule: the determinant with column j replaced by the right-hand side,
// divided by the determinant of the system.
template <class Matrix, std::size_t N>
bool solve(const Matrix& system, const std::array<double, N>& rhs, std::array<double, N>& solution)
{
    const double det = determinant(system);
    if (det == 0.0 || !std::isfinite(det))
        return false;
    for (std::size_t j = 0; j < N; ++j) {
        Matrix replaced = system;
        for (std::size_t i = 0; i < N; ++i)
            replaced[i][j] = rhs[i];
        solution[j] = determinant(replaced) / det;
        if (!std::isfinite(solution[j]))
            return false;
    }
    return true;
}

bool distinct(const CEgendefIsoProdukt::Points& temperatures, int used)
{
    for (int i = 0; i < used; ++i)
        for (int j = i + 1; j < used; ++j)
            if (temperatures[std::size_t(i)] == temperatures[std::size_t(j)])
                return false;
    return true;
}

} // namespace

void CEgendefIsoProdukt::Serialize(CArchive& ar)
{
    CIsoProdukt::Serialize(ar);
    for (std::size_t i = 0; i < pointCount; ++i) {
        ar.Float(temperatures[i]);
        ar.Float(conductivities[i]);
    }
    ar.Bool(threePointMode);
}

bool CEgendefIsoProdukt::Edit()
{
    return platform::editors().Edit(*this);
}

std::unique_ptr<CListItem> CEgendefIsoProdukt::Clone() const
{
    return std::make_unique<CEgendefIsoProdukt>(*this);
}

bool CEgendefIsoProdukt::IsEqual(const CListItem& other) const
{
    if (!other.IsKindOf(classInfo) || !CIsoProdukt::IsEqual(other))
        return false;
    const auto& product = static_cast<const CEgendefIsoProdukt&>(other);
    return temperatures == product.temperatures && conductivities == product.conductivities &&
           threePointMode == product.threePointMode;
}

bool CEgendefIsoProdukt::FitCoefficients(const Points& temperatures, const Points& conductivities, bool threePoints,
                                         float& outA, float& outB, float& outC, float& outD)
{
    // Equal temperatures make the determinant zero in exact arithmetic; the
    // cofactor sums need not round to exactly zero, so they are refused here.
    if (!distinct(temperatures, threePoints ? 3 : 4))
        return false;

    if (threePoints) {
        Matrix3 system{};
        std::array<double, 3> rhs{};
        for (std::size_t i = 0; i < 3; ++i) {
            const double t = temperatures[i];
            system[i] = {t * t, t, 1.0};
            rhs[i] = conductivities[i];
        }
        std::array<double, 3> x{};
        if (!solve(system, rhs, x))
            return false;
        outA = 0.0f;
        outB = float(x[0]);
        outC = float(x[1]);
        outD = float(x[2]);
        return true;
    }

    Matrix4 system{};
    std::array<double, 4> rhs{};
    for (std::size_t i = 0; i < 4; ++i) {
        const double t = temperatures[i];
        system[i] = {t * t * t, t * t, t, 1.0};
        rhs[i] = conductivities[i];
    }
    std::array<double, 4> x{};
    if (!solve(system, rhs, x))
        return false;
    outA = float(x[0]);
    outB = float(x[1]);
    outC = float(x[2]);
    outD = float(x[3]);
    return true;
}

bool CEgendefIsoProdukt::FitCoefficients()
{
    return FitCoefficients(temperatures, conductivities, threePointMode, a, b, c, d);
}
