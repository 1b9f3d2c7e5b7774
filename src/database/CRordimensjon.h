#pragma once

#include "doc/CItem.h"

// A standard dimension of a pipe material. The name is free text, usually
// the nominal size; dimensions compare by name.
class CRordimensjon : public CListItem {
    TEKVAR_DECLARE_CLASS(CRordimensjon)

public:
    CRordimensjon();

    // The record has the wall thickness before the diameter.
    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;

    float outerDiameter = 32.0f; // mm
    float wallThickness = 2.0f;  // mm
};
