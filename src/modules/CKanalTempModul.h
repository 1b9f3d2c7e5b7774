#pragma once

#include "CSegment.h"
#include "database/CVeske.h"
#include "doc/CVekModul.h"
#include "doc/ItemList.h"

// The module for temperature change of a flowing medium along a run of sections.
class CKanalTempModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CKanalTempModul)

public:
    // Written after the medium; older records have the run type there.
    static constexpr std::uint16_t formatMarker = 255;
    static constexpr std::size_t maxSections = 25;

    CKanalTempModul();
    ~CKanalTempModul() override;
    CKanalTempModul(const CKanalTempModul&) = delete;
    CKanalTempModul& operator=(const CKanalTempModul&) = delete;

    void Serialize(CArchive& ar) override;
    void SetDefaults() override;
    // A liquid takes the place of the medium.
    void Changed(CItem* item) override;

    CVeske* Medium() const { return medium_; }
    void SetMedium(CVeske* liquid);

    int runType = 0;
    int mediumSource = 0;
    float heatCapacity = 4180.0f; // J/(kg·K)
    float density = 999.0f;       // kg/m³
    float freezingPoint = 0.0f;   // °C
    float inletTemperature = 40.0f;
    bool energyCostEnabled = false;
    float operatingHours = 8760.0f;
    float energyPrice = 60.0f;
    bool condensationCheck = false;
    float relativeHumidity = 60.0f; // %
    int nextSectionNumber = 1;
    ItemList<CSegment> sections;

private:
    CVeske* medium_ = nullptr;
};
