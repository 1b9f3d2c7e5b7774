#pragma once

#include "COkonomiIsolasjon.h"
#include "PipeSelection.h"
#include "doc/CVekModul.h"
#include "doc/ItemList.h"

class COkoIsolasjon;

// The module for economic insulation thickness: the annual cost of up to 25
// insulation alternatives for one object.
class COkonomiModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(COkonomiModul)

public:
    static constexpr int maxAlternatives = 25;
    // Marks the present layout; a record without it ends before the pipe.
    static constexpr int formatMarker = 297;

    COkonomiModul() : pipe(*this) {}
    ~COkonomiModul() override;
    COkonomiModul(const COkonomiModul&) = delete;
    COkonomiModul& operator=(const COkonomiModul&) = delete;

    void Serialize(CArchive& ar) override;
    void SetDefaults() override;
    void Changed(CItem* item) override;

    float mediumTemperature = 50.0f;  // °C
    float ambientTemperature = 10.0f; // °C
    float ductDiameter = 100.0f;      // mm
    float height = 200.0f;            // mm
    float width = 200.0f;             // mm
    int surroundings = 0;             // 0 indoors, 1 outdoors, 2 given coefficient
    float windSpeed = 2.0f;           // m/s
    float givenCoefficient = 5.0f;    // W/(m²·K)
    float operatingHours = 8760.0f;   // h/year
    float energyPrice = 60.0f;        // öre/kWh
    float interestRate = 7.0f;        // %
    float priceIncrease = 0.0f;       // %, real annual energy price increase
    float depreciationTime = 20.0f;   // years
    ItemList<COkonomiIsolasjon> alternatives;
    int objectKind = 0;
    int flowUnit = 0;                 // 0 m³/h, 1 l/s, 2 m/s
    float flow = 10.0f;
    int orientation = 0;              // 0 horizontal, 1 vertical
    float co2Factor = 750.0f;         // g/kWh
    float bareEmissivity = 0.5f;
    // `pipeMaterial` and the module's own `pipeDimension` record (kind 0).
    PipeSelection pipe;
    int ownPipeDimension = 0;
    float pipeDiameter = 32.0f;       // mm
    float wallThickness = 2.0f;       // mm

private:
    void serializeFields(CArchive& ar);
    void serializePipe(CArchive& ar);
    void readFirstLayout(CArchive& ar, COkoIsolasjon& leading);
};
