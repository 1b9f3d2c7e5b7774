#pragma once

#include "CIsolasjon.h"
#include "PipeSelection.h"
#include "database/CMantling.h"
#include "doc/CVekModul.h"

// The module for insulation against external condensation.
class CUtvendigKondensModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CUtvendigKondensModul)

public:
    // Marks the layout that stores the pipe; older records go without it.
    static constexpr int formatMarker = 0x0400;

    CUtvendigKondensModul();
    ~CUtvendigKondensModul() override;
    CUtvendigKondensModul(const CUtvendigKondensModul&) = delete;
    CUtvendigKondensModul& operator=(const CUtvendigKondensModul&) = delete;

    void Serialize(CArchive& ar) override;
    void SetDefaults() override;
    // A cladding for inside the insulation becomes the inner cladding, any
    // other cladding the outer one; a pipe material or dimension is followed.
    void Changed(CItem* item) override;

    CMantling* OuterCladding() const { return outerCladding; }
    CMantling* InnerCladding() const { return innerCladding; }
    void SetOuterCladding(CMantling* cladding);
    void SetInnerCladding(CMantling* cladding);

    float mediumTemperature = 0.0f;   // °C
    float ambientTemperature = 20.0f; // °C
    float relativeHumidity = 50.0f;   // %
    float ductDiameter = 50.0f;       // mm
    float height = 200.0f;            // mm
    float width = 200.0f;             // mm
    int surroundings = 0;             // 0 indoors, 1 outdoors, 2 given coefficient
    float windSpeed = 2.0f;           // m/s
    float givenCoefficient = 5.0f;    // W/(m²·K)
    int surfaceSource = 0;            // 0 cladding from the database, 1 typed-in emissivity
    float surfaceEmissivity = 0.94f;
    CIsolasjon insulation;
    int innerCladdingEnabled = 0;
    int objectKind = 0; // 0 … 5
    int orientation = 0; // 0 horizontal, 1 vertical
    // `pipeMaterial` and the module's own `pipeDimension` record (kind 0).
    PipeSelection pipe;
    int ownPipeDimension = 0;
    float pipeDiameter = 32.0f; // mm
    float wallThickness = 2.0f; // mm
    float bareEmissivity = 0.5f;

private:
    CMantling* outerCladding = nullptr;
    CMantling* innerCladding = nullptr;
};
