#pragma once

#include "doc/InputCheck.h"

#include <cstddef>

class CVeske;

// The flowing-medium module's own input: the run type, the medium and the
// inlet, the energy and condensation options, with their defaults. The
// module holds it; its dialog edits a copy. The chosen liquid and the
// sections stay with the module.
struct FlowInput {
    // The run holds at most this many sections.
    static constexpr std::size_t maxSections = 25;

    int runType = 0;       // 0 pipeline, 1 circular duct, 2 rectangular duct outside, 3 inside
    int mediumSource = 0;  // 0 a liquid of the database, 1 the user's own medium
    float heatCapacity = 4180.0f; // J/(kg·K), own medium
    float density = 999.0f;       // kg/m³, own medium
    float freezingPoint = 0.0f;   // °C, own medium
    float inletTemperature = 40.0f;
    bool energyCostEnabled = false;
    float operatingHours = 8760.0f; // h/year
    float energyPrice = 60.0f;      // öre/kWh
    bool condensationCheck = false;
    float relativeHumidity = 60.0f; // %
    int nextSectionNumber = 1;

    bool IsPipeline() const { return runType == 0; }
    // Ducts carry air; only they can be checked for condensation.
    bool ChecksCondensation() const { return !IsPipeline() && condensationCheck; }
};

// The medium of a pipeline: the liquid's values or the user's own.
struct MediumProperties {
    float density = 0;
    float heatCapacity = 0;
    float freezingPoint = 0;
};

MediumProperties MediumOf(const FlowInput& input, const CVeske* liquid);

namespace flowFields {

using Field = NumberField<FlowInput>;
using I = FlowInput;

inline constexpr int inletWord = 62426; // "Inloppstemperatur"

inline constexpr Field inletTemperature{"inletTemp", "Inloppstemp. i första sektion [°C]:", "%.1f",
                                        &I::inletTemperature, -273.0f, 2000.0f, inletWord};
inline constexpr Field density{"density", "Densitet [kg/m³]:", "%.0f", &I::density, -3.0e38f, 3.0e38f, 0,
                               "densiteten", 1.0f, 2500.0f};
inline constexpr Field heatCapacity{"heatCapacity", "Värmekapacitet [J/kgK]:", "%.0f", &I::heatCapacity, -3.0e38f,
                                    3.0e38f, 0, "värmekapaciteten", 1.0f, 5000.0f};
inline constexpr Field freezingPoint{"freezingPoint", "Fryspunkt [°C]:", "%.1f", &I::freezingPoint, -3.0e38f,
                                     3.0e38f, 0, "fryspunkten", -273.0f, 200.0f};
inline constexpr Field operatingHours{"operatingHours", "Driftstid [h/år]:", "%.0f", &I::operatingHours, -3.0e38f,
                                      3.0e38f, 0, "driftstiden", 1.0f, 8760.0f};
inline constexpr Field energyPrice{"energyPrice", "Energipris [öre/kWh]:", "%.2f", &I::energyPrice, -3.0e38f,
                                   3.0e38f, 0, "energiprisen", 0.01f, 200.0f};
inline constexpr Field relativeHumidity{"relativeHumidity", "Relativ luftfuktighet vid inlopp [%]:", "%.0f",
                                        &I::relativeHumidity, -3.0e38f, 3.0e38f, 62486, nullptr, 1.0f, 99.0f};

// In the order the dialog exchanges them.
inline constexpr const Field* all[] = {&density, &heatCapacity, &freezingPoint, &inletTemperature,
                                       &operatingHours, &energyPrice, &relativeHumidity};

} // namespace flowFields

// The dialog's checks on OK in their order, also run by the calculation on
// what a document brought. The fields' own ranges come first (ExchangeAll).
bool CheckFlowInput(const FlowInput& input, const CVeske* liquid, std::size_t sectionCount, InputCheck& check);
