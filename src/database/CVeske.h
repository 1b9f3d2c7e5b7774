#pragma once

#include "doc/CItem.h"

// A liquid that flows in a pipe or stands in a tank.
class CVeske : public CListItem {
    TEKVAR_DECLARE_CLASS(CVeske)

public:
    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;
    bool IsEqual(const CListItem& other) const override;

    float density = 999.0f;               // kg/m³
    float specificHeatCapacity = 4180.0f; // J/(kg·K)
    float freezingPoint = 0.0f;           // °C
};
