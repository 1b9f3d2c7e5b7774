#pragma once

#include "COkonomiIsolasjon.h"
#include "doc/InputCheck.h"
#include "doc/ItemList.h"

// The economy module's own input: the object, its temperatures and
// surroundings and the economic data, with their defaults. The module holds
// it; its dialog edits a copy. The alternatives and the pipe material stay
// with the module, which stands in their dependents.
struct EconomyInput {
    float mediumTemperature = 50.0f;  // °C
    float ambientTemperature = 10.0f; // °C
    float ductDiameter = 100.0f;      // mm
    float height = 200.0f;            // mm, rectangular duct or vertical surface
    float width = 200.0f;             // mm
    Surroundings surroundings = Surroundings::Indoors;
    float windSpeed = 2.0f;           // m/s
    float givenCoefficient = 5.0f;    // W/(m²·K)
    float operatingHours = 8760.0f;   // h/year
    float energyPrice = 60.0f;        // öre/kWh
    float interestRate = 7.0f;        // %, real
    float priceIncrease = 0.0f;       // %, real annual energy price increase
    float depreciationTime = 20.0f;   // years
    int objectKind = 0;
    int flowUnit = 0;                 // 0 m³/h, 1 l/s, 2 m/s
    float flow = 10.0f;
    int orientation = 0;              // 0 horizontal, 1 vertical
    float co2Factor = 750.0f;         // g/kWh
    float bareEmissivity = 0.5f;
    bool ownPipeDimension = false;
    float pipeDiameter = 32.0f;       // mm, outer
    float wallThickness = 2.0f;       // mm

    bool IsFlat() const { return objectKind == 4 || objectKind == 5; }
    bool IsDuct() const { return objectKind >= 1 && objectKind <= 3; }
    // The duct's free area, m², with insulation `thickness` mm inside a duct
    // insulated inside; the unit conversion of the dialog and each
    // alternative's air flow use it.
    float FreeFlowArea(float thickness) const;
    // The flow in m³/s through that area.
    float VolumeFlow(float thickness) const;
};

namespace economyFields {

using Field = NumberField<EconomyInput>;
using I = EconomyInput;
constexpr float unbounded = 3.0e38f;

inline constexpr Field pipeDiameter{"pipeDiameter", "Rördiameter [mm]:", "%.1f", &I::pipeDiameter, 1.0f, 10000.0f};
inline constexpr Field wallThickness{"pipeWall", "Godstjocklek [mm]:", "%.1f", &I::wallThickness, 0.1f, 1000.0f};
inline constexpr Field bareEmissivity{"bareEmissivity", "Emisivitet oisolerad:", "%.2f", &I::bareEmissivity, 0.0f,
                                      1.0f};
inline constexpr Field ductDiameter{"diameter", "Diameter [mm]:", "%.1f", &I::ductDiameter, -unbounded, unbounded,
                                    61244, nullptr, 1.0f, 3000.0f};
inline constexpr Field height{"height", "Höjd [mm]:", "%.1f", &I::height, -unbounded, unbounded, 61249, nullptr,
                              1.0f, 5000.0f};
inline constexpr Field width{"width", "Bredd [mm]:", "%.1f", &I::width, -unbounded, unbounded, 61246, nullptr, 1.0f,
                             5000.0f};
inline constexpr Field mediumTemperature{"mediumTemp", "Medietemp.[°C]:", "%.1f", &I::mediumTemperature, -273.0f,
                                         2000.0f};
inline constexpr Field flow{"flow", "Flöde [m³/h]:", "%.1f", &I::flow, 0.0f, 1000000.0f};
inline constexpr Field ambientTemperature{"ambientTemp", "Omgivningstemp. [°C]:", "%.1f", &I::ambientTemperature,
                                          -60.0f, 500.0f};
inline constexpr Field windSpeed{"windSpeed", "Vindhastighet [m/s]:", "%.1f", &I::windSpeed, -unbounded, unbounded,
                                 62254, nullptr, 0.1f, 50.0f};
inline constexpr Field givenCoefficient{"coefficient", "[W/m²K]:", "%.1f", &I::givenCoefficient, -unbounded,
                                        unbounded, 62255, nullptr, 0.1f, 10000.0f};
inline constexpr Field energyPrice{"energyPrice", "Energipris [öre/kWh]:", "%.2f", &I::energyPrice, 0.01f, 200.0f};
inline constexpr Field operatingHours{"operatingHours", "Driftstid [h/år]:", "%.0f", &I::operatingHours, 1.0f,
                                      8760.0f};
inline constexpr Field co2Factor{"co2Factor", "CO2-utsläpp [g/kWh]:", "%.0f", &I::co2Factor, 0.0f, 5000.0f};
inline constexpr Field depreciationTime{"depreciationTime", "Avskrivningstid [år]:", "%.1f", &I::depreciationTime,
                                        0.1f, 100.0f};
inline constexpr Field priceIncrease{"priceIncrease", "Energiprisökning [%]:", "%.2f", &I::priceIncrease, 0.0f,
                                     100.0f};
inline constexpr Field interestRate{"interestRate", "Real kalkylränta [%]:", "%.2f", &I::interestRate, 0.0f, 100.0f};

// In the order the dialog exchanges them.
inline constexpr const Field* all[] = {&pipeDiameter,     &wallThickness,  &bareEmissivity, &ductDiameter,
                                       &height,           &width,          &mediumTemperature, &flow,
                                       &ambientTemperature, &windSpeed,    &givenCoefficient, &energyPrice,
                                       &operatingHours,   &co2Factor,      &depreciationTime, &priceIncrease,
                                       &interestRate};

} // namespace economyFields

// The most alternatives a module holds.
inline constexpr std::size_t maxEconomyAlternatives = 25;

// The thicknesses (mm) an alternative may have with the product: its
// minimum to its maximum, never below 0.1 mm, for no layer is thinner.
void AlternativeThicknessBounds(const CIsoProdukt& product, float& low, float& high);

// The fields a refusal about an alternative puts the focus on.
struct AlternativeFocus {
    const char* product;
    const char* thickness;
    const char* emissivity;
    const char* cladding;
    const char* cost;
};

// The alternative dialog's checks on what an alternative holds, in its
// order: a product, a thickness the product allows, a surface and a cost.
// The module runs them on every alternative, which a document may have
// brought or a database edit changed.
bool CheckAlternative(const COkonomiIsolasjon& alternative, const AlternativeFocus& focus, InputCheck& check);

// The dialog's checks on OK in their order, also run by the calculation on
// what a document brought. The fields' own ranges come first (ExchangeAll);
// the refusals about an alternative name the list ("alternatives").
bool CheckEconomyInput(const EconomyInput& input, const ItemList<COkonomiIsolasjon>& alternatives,
                       InputCheck& check);
