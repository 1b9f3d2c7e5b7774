#pragma once

#include "CIsoProdukt.h"

#include <array>

// A product of the user's own, defined by three or four measured points of
// its conductivity; the cubic passes through them exactly.
class CEgendefIsoProdukt : public CIsoProdukt {
    TEKVAR_DECLARE_CLASS(CEgendefIsoProdukt)

public:
    static constexpr int pointCount = 4;
    using Points = std::array<float, pointCount>;

    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;
    // The product's comparison and, in addition, the measured points and the mode.
    bool IsEqual(const CListItem& other) const override;

    // The cubic through the four points, or with a = 0 the quadratic through
    // the first three. False when two of the points used share a temperature:
    // no curve passes through both, and the coefficients are left as they were.
    static bool FitCoefficients(const Points& temperatures, const Points& conductivities, bool threePoints,
                                float& outA, float& outB, float& outC, float& outD);
    // Fits a, b, c, d to the product's own points.
    bool FitCoefficients();

    Points temperatures{0.0f, 35.0f, 70.0f, 125.0f};      // °C
    Points conductivities{0.034f, 0.044f, 0.059f, 0.077f}; // W/(m·K)
    bool threePointMode = false;
};
