#pragma once

#include "CIsolasjon.h"
#include "doc/InputCheck.h"
#include "thermal/Choices.h"

// The frost protection module's own input: standing water in an insulated
// pipe, either cooling towards freezing or warming in warm surroundings.
// The module holds it; its dialog edits a copy. The cladding and the pipe
// material stay with the module, which stands in their dependents.
struct FrostInput {
    static constexpr int frostMode = 0;
    static constexpr int temperatureRiseMode = 1;

    int calculationMode = frostMode;
    float standstillTime = 8.0f;       // h, temperature rise
    float startTemperature = 8.0f;     // °C, the water at the start
    float ambientTemperature = -20.0f; // °C
    float freezeFraction = 25.0f;      // %, the share of the water that may freeze
    bool ownPipeDimension = false;
    float pipeDiameter = 32.0f; // mm, outer
    float wallThickness = 2.0f; // mm
    float pipeEmissivity = 0.5f;
    CIsolasjon insulation{0, true};
    Surroundings surroundings = Surroundings::Indoors;
    float windSpeed = 2.0f;        // m/s
    float outerCoefficient = 5.0f; // W/m²K, when given
    bool ownEmissivity = false;
    float emissivity = 0.94f;
    int vertical = 0;

    bool FrostMode() const { return calculationMode != temperatureRiseMode; }
};

namespace frostFields {

using Field = NumberField<FrostInput>;
using I = FrostInput;

inline constexpr Field emissivity{"emissivity", "Egendef. emissivitet:", "%.2f", &I::emissivity, -3.0e38f, 3.0e38f,
                                  61265, nullptr, 0.0f, 1.0f};
inline constexpr Field standstillTime{"standstillTime", "Tidsintervall med stillestånd [h]:", "%.1f",
                                      &I::standstillTime, 1.0f, 100.0f};
inline constexpr Field pipeDiameter{"pipeDiameter", "Diameter [mm]:", "%.1f", &I::pipeDiameter, 1.0f, 1500.0f};
inline constexpr Field wallThickness{"pipeWall", "Godstjocklek [mm]:", "%.1f", &I::wallThickness, 0.1f, 100.0f};
inline constexpr Field pipeEmissivity{"pipeEmissivity", "Emissivitet rör:", "%.2f", &I::pipeEmissivity, 0.0f, 1.0f};
inline constexpr Field ambientTemperature{"ambientTemp", "Omgivningstemp. [°C]:", "%.1f", &I::ambientTemperature,
                                          -60.0f, 60.0f};
inline constexpr Field windSpeed{"windSpeed", "Vindhastighet [m/s]:", "%.1f", &I::windSpeed, -3.0e38f, 3.0e38f,
                                 62254, nullptr, 0.1f, 50.0f};
inline constexpr Field outerCoefficient{"coefficient", "[W/m²K]:", "%.1f", &I::outerCoefficient, -3.0e38f, 3.0e38f,
                                        62255, nullptr, 0.1f, 10000.0f};
inline constexpr Field startTemperature{"startTemp", "Starttemperatur [°C]:", "%.1f", &I::startTemperature, 0.0f,
                                        100.0f};
inline constexpr Field freezeFraction{"freezeFraction", "Frysningsgrad [%]:", "%.0f", &I::freezeFraction, 0.0f,
                                      100.0f};

// In the order the dialog exchanges them.
inline constexpr const Field* all[] = {&emissivity,         &standstillTime, &pipeDiameter,
                                       &wallThickness,      &pipeEmissivity, &ambientTemperature,
                                       &windSpeed,          &outerCoefficient, &startTemperature,
                                       &freezeFraction};

} // namespace frostFields

// The dialog's checks on OK in their order, also run by the calculation on
// what a document brought; the fields' own ranges come first (ExchangeAll).
// hasCladding tells whether a cladding is chosen.
bool CheckFrostInput(const FrostInput& input, bool hasCladding, InputCheck& check);
