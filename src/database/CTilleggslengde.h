#pragma once

#include "doc/CItem.h"

// The equivalent pipe length of a fitting on pipes whose outer diameter lies
// in a range. Its name is the range, "10 - 50 mm".
class CTilleggslengde : public CListItem {
    TEKVAR_DECLARE_CLASS(CTilleggslengde)

public:
    CTilleggslengde();

    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;
    bool IsEqual(const CListItem& other) const override;

    // The name for the current range.
    void UpdateName();
    bool Covers(float diameter) const { return minPipeDiameter <= diameter && diameter <= maxPipeDiameter; }

    float equivalentLength = 1.0f; // m
    float minPipeDiameter = 10.0f; // mm
    float maxPipeDiameter = 50.0f; // mm
};
