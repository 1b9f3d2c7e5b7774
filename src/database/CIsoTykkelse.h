#pragma once

#include "doc/CItem.h"

// A standard thickness of an insulation product. Its name is the thickness
// written with "%.1f", so two thicknesses that print alike count as one.
class CIsoTykkelse : public CListItem {
    TEKVAR_DECLARE_CLASS(CIsoTykkelse)

public:
    CIsoTykkelse();
    explicit CIsoTykkelse(float thickness);

    // The record holds the name and the thickness, not the description.
    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;
    // Equal when the other is a standard thickness of the same size.
    bool IsEqual(const CListItem& other) const override;

    // Sets the thickness and the name that goes with it.
    void SetThickness(float mm);

    float thickness = 25.0f; // mm
};
