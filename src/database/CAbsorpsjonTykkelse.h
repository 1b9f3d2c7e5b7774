#pragma once

#include "doc/CItem.h"

#include <array>

// A standard thickness of an absorption product with its practical absorption
// factors in the octave bands 125 … 4000 Hz. Its name is the thickness
// written with "%.1f".
class CAbsorpsjonTykkelse : public CListItem {
    TEKVAR_DECLARE_CLASS(CAbsorpsjonTykkelse)

public:
    static constexpr int bandCount = 6; // 125, 250, 500, 1000, 2000, 4000 Hz

    CAbsorpsjonTykkelse();

    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;

    // True when the thickness or any factor is not exactly the other's.
    bool ValuesDiffer(const CAbsorpsjonTykkelse& other) const;
    // Sets the thickness and the name that goes with it.
    void SetThickness(float mm);
    // The factor of band 0 (125 Hz) … 5 (4000 Hz).
    float Factor(int band) const { return factors.at(std::size_t(band)); }

    float thickness = 50.0f; // mm
    std::array<float, bandCount> factors{0.25f, 0.65f, 0.95f, 1.0f, 1.0f, 1.0f};
};
