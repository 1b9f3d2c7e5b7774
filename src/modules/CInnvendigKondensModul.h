#pragma once

#include "CIsolasjon.h"
#include "database/CMantling.h"
#include "doc/CVekModul.h"

// The module for insulation against condensation inside ducts.
class CInnvendigKondensModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CInnvendigKondensModul)

public:
    CInnvendigKondensModul();
    ~CInnvendigKondensModul() override;
    CInnvendigKondensModul(const CInnvendigKondensModul&) = delete;
    CInnvendigKondensModul& operator=(const CInnvendigKondensModul&) = delete;

    void Serialize(CArchive& ar) override;
    void SetDefaults() override;
    // Any cladding becomes the outer cladding.
    void Changed(CItem* item) override;

    CMantling* OuterCladding() const { return outerCladding; }
    void SetOuterCladding(CMantling* cladding);

    float ductDiameter = 50.0f;       // mm
    float height = 200.0f;            // mm
    float width = 200.0f;             // mm
    float ductLength = 10.0f;         // m
    float inletTemperature = 40.0f;   // °C
    float relativeHumidity = 50.0f;   // %
    float flow = 100.0f;              // in flowUnit
    int flowUnit = 0;                 // 0 m³/h, 1 l/s, 2 m/s
    float ambientTemperature = 20.0f; // °C
    int surroundings = 0;             // 0 indoors, 1 outdoors, 2 given coefficient
    float windSpeed = 2.0f;           // m/s
    float givenCoefficient = 5.0f;    // W/(m²·K)
    int innerCoefficientGiven = 0;
    float givenInnerCoefficient = 10.0f; // W/(m²·K)
    int surfaceSource = 0;               // 0 cladding from the database, 1 typed-in emissivity
    float surfaceEmissivity = 0.94f;
    CIsolasjon insulation;
    int ductShape = 0;   // 0 circular (object kind 1), 1 rectangular (object kind 2)
    int orientation = 0; // 0 horizontal, 1 vertical
    int supports = 0;    // uninsulated hangers counted as added length

private:
    CMantling* outerCladding = nullptr;
};
