#pragma once

#include "doc/CItem.h"

// One thickness with its cost in the single insulation choice of the first
// economy layout; read only to convert such documents.
class COkoTykkelse : public CListItem {
    TEKVAR_DECLARE_CLASS(COkoTykkelse)

public:
    // The record holds the name but not the description.
    void Serialize(CArchive& ar) override;
    std::unique_ptr<CListItem> Clone() const override;

    float thickness = 100.0f; // mm
    float cost = 100.0f;      // kr per m or m²
};
