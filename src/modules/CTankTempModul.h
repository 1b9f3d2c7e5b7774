#pragma once

#include "CIsolasjon.h"
#include "database/CMantling.h"
#include "database/CVeske.h"
#include "doc/CVekModul.h"

// The module for temperature over time of a liquid in a tank.
class CTankTempModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CTankTempModul)

public:
    // Written after the references; older records have the shape there.
    static constexpr std::uint16_t formatMarker = 255;
    static constexpr int tankObjectKind = 6;

    CTankTempModul();
    ~CTankTempModul() override;
    CTankTempModul(const CTankTempModul&) = delete;
    CTankTempModul& operator=(const CTankTempModul&) = delete;

    void Serialize(CArchive& ar) override;
    void SetDefaults() override;
    // A cladding becomes the cladding, a liquid the medium.
    void Changed(CItem* item) override;

    CMantling* Cladding() const { return cladding_; }
    CVeske* Medium() const { return medium_; }
    void SetCladding(CMantling* cladding);
    void SetMedium(CVeske* liquid);

    int tankShape = 0;          // 0 box, 1 cylinder, 2 sphere
    float tankDiameter = 5.0f;  // m
    float tankLength = 5.0f;    // m
    float tankWidth = 5.0f;     // m
    float tankHeight = 5.0f;    // m
    float tankDepth = 5.0f;     // m
    int mediumSource = 0;
    float heatCapacity = 4180.0f;
    float density = 999.0f;
    float freezingPoint = 0.0f;
    float startTemperature = 50.0f;
    float finalTemperature = 25.0f;
    float storageTime = 500.0f; // h
    bool givenFinalTemperature = false;
    float ambientTemperature = 10.0f;
    int surroundings = 0;
    float windSpeed = 2.0f;
    float outerCoefficient = 5.0f;
    bool ownEmissivity = false;
    float emissivity = 0.94f;
    CIsolasjon insulation{tankObjectKind, true};

private:
    CMantling* cladding_ = nullptr;
    CVeske* medium_ = nullptr;
};
