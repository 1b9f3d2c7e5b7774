#pragma once

#include "CIsolasjon.h"
#include "doc/InputCheck.h"

class CMantling;
class CVeske;

// The tank temperature module's own input: the numbers, flags and choices
// it stores, with their defaults. The module holds it; its dialog edits a
// copy. The cladding and the liquid stay with the module, which stands in
// their dependents.
struct TankTempInput {
    static constexpr int tankObjectKind = 6;

    int tankShape = 0;          // 0 box, 1 cylinder, 2 sphere
    float tankDiameter = 5.0f;  // m, cylinder and sphere; inside
    float tankLength = 5.0f;    // m, cylinder length (height)
    float tankWidth = 5.0f;     // m, box
    float tankHeight = 5.0f;    // m, box
    float tankDepth = 5.0f;     // m, box
    int mediumSource = 0;       // 0 liquid from the database, 1 user-defined
    float heatCapacity = 4180.0f; // J/(kg·K), user-defined medium
    float density = 999.0f;       // kg/m³, user-defined medium
    float freezingPoint = 0.0f;   // °C, user-defined medium
    float startTemperature = 50.0f; // °C
    float finalTemperature = 25.0f; // °C, when given
    float storageTime = 500.0f;     // h, when given
    bool givenFinalTemperature = false;
    float ambientTemperature = 10.0f; // °C
    Surroundings surroundings = Surroundings::Indoors;
    float windSpeed = 2.0f;           // m/s
    float outerCoefficient = 5.0f;    // W/(m²·K)
    bool ownEmissivity = false;
    float emissivity = 0.94f;
    CIsolasjon insulation{tankObjectKind, true};
};

// Density, heat capacity and freezing point of the stored liquid: the
// chosen liquid's, or the user's own.
struct TankMedium {
    float density = 0;       // kg/m³
    float heatCapacity = 0;  // J/(kg·K)
    float freezingPoint = 0; // °C
};
// The liquid's values with the database source (none without a liquid:
// the user's fields), the typed ones otherwise.
TankMedium MediumOf(const TankTempInput& input, const CVeske* liquid);

namespace tankFields {

using Field = NumberField<TankTempInput>;
using I = TankTempInput;

inline constexpr Field diameter{"diameter", "Diameter [m]:", "%.2f", &I::tankDiameter, -3.0e38f, 3.0e38f, 61244,
                                nullptr, 0.1f, 100.0f};
inline constexpr Field length{"length", "Längd [m]:", "%.2f", &I::tankLength, -3.0e38f, 3.0e38f, 61248, nullptr,
                              0.1f, 100.0f};
inline constexpr Field width{"width", "Bredd [m]:", "%.2f", &I::tankWidth, -3.0e38f, 3.0e38f, 61246, nullptr, 0.1f,
                             100.0f};
inline constexpr Field height{"height", "Höjd [m]:", "%.2f", &I::tankHeight, -3.0e38f, 3.0e38f, 61249, nullptr,
                              0.1f, 100.0f};
inline constexpr Field depth{"depth", "Djup [m]:", "%.2f", &I::tankDepth, -3.0e38f, 3.0e38f, 0, "djubet", 0.1f,
                             100.0f};
inline constexpr Field ambientTemp{"ambientTemp", "Omgivningstemp. [°C]:", "%.1f", &I::ambientTemperature, -60.0f,
                                   500.0f};
inline constexpr Field windSpeed{"windSpeed", "Vindhastighet [m/s]:", "%.1f", &I::windSpeed, -3.0e38f, 3.0e38f,
                                 62254, nullptr, 0.1f, 50.0f};
inline constexpr Field outerCoefficient{"coefficient", "[W/m²K]:", "%.1f", &I::outerCoefficient, -3.0e38f, 3.0e38f,
                                        62255, nullptr, 0.1f, 10000.0f};
inline constexpr Field emissivity{"emissivity", "Egendef. emissivitet:", "%.2f", &I::emissivity, -3.0e38f, 3.0e38f,
                                  61265, nullptr, 0.0f, 1.0f};
inline constexpr Field density{"density", "Densitet [kg/m³]:", "%.0f", &I::density, -3.0e38f, 3.0e38f, 0,
                               "densiteten", 1.0f, 2500.0f};
inline constexpr Field heatCapacity{"heatCapacity", "Specifik värmekapasitet [J/kgK]:", "%.0f", &I::heatCapacity,
                                    -3.0e38f, 3.0e38f, 0, "värmekapaciteten", 1.0f, 5000.0f};
inline constexpr Field freezingPoint{"freezingPoint", "Fryspunkt [°C]:", "%.1f", &I::freezingPoint, -3.0e38f,
                                     3.0e38f, 0, "fryspunkten", -273.0f, 200.0f};
// The start and final temperature run from the medium's freezing point up.
inline constexpr Field startTemp{"startTemp", "Starttemperatur [°C]:", "%.1f", &I::startTemperature, -3.0e38f,
                                 3.0e38f, 0, "starttemperaturen", 0.0f, 2000.0f};
inline constexpr Field storageTime{"storageTime", "Förvaringstid [h]:", "%.1f", &I::storageTime, 1.0f, 8760.0f};
inline constexpr Field finalTemp{"finalTemp", "Temperatur efter förvaringstid [°C]:", "%.1f", &I::finalTemperature,
                                 -3.0e38f, 3.0e38f, 0, "Temperatur efter förvaring", 0.0f, 2000.0f};

// In the order the dialog exchanges them.
inline constexpr const Field* all[] = {&diameter, &length, &width, &height, &depth, &ambientTemp, &windSpeed,
                                       &outerCoefficient, &emissivity, &density, &heatCapacity, &freezingPoint,
                                       &startTemp, &storageTime, &finalTemp};

} // namespace tankFields

// Texts of the tank module that its dialog and its calculation share.
namespace tankTexts {
inline constexpr const char* chooseLiquid = "Du måste välja ett medie i rullgardinen med vätskor.";
inline constexpr const char* startBelowFinal = "Starttemperaturen är lägre enn temperatur efter förvaring";
// A final temperature outside (ambient, start) is never reached.
inline constexpr const char* finalNotBetween =
    "Temperaturen efter förvaring måste ligga mellan omgivningstemperaturen och starttemperaturen.";
} // namespace tankTexts

// The dialog's checks on OK in their order, also run by the calculation on
// what a document brought. The fields' own ranges come first
// (ExchangeAll); cladding and liquid are the chosen catalogue items.
bool CheckTankTempInput(const TankTempInput& input, const CMantling* cladding, const CVeske* liquid,
                        InputCheck& check);
