#pragma once

#include "CIsolasjon.h"
#include "doc/InputCheck.h"
#include "thermal/Choices.h"

// What the heat loss module finds: the heat loss of a given thickness, or
// the thickness for a surface temperature, a heat loss or an insulation class.
enum class Criterion : int {
    GivenThickness = 0,
    GivenSurfaceTemp = 1,
    GivenHeatLoss = 2,
    GivenClass = 3,
    RequiredClass = 4, // the class EN 12828 asks for by the degree-hours
};
inline constexpr int CriterionCount = 5;

// The heat loss module's own input: the numbers, flags and choices it
// stores, with their defaults. The module holds it; its dialog edits a copy.
// The catalogue items it uses (claddings, the pipe) stay with the module,
// which stands in their dependents.
struct HeatLossInput {
    Criterion criterion = Criterion::GivenThickness;
    ObjectKind objectKind = ObjectKind::Pipe;
    float mediumTemp = 50.0f;       // °C
    float ambientTemp = 20.0f;      // °C
    float givenSurfaceTemp = 30.0f; // °C
    float diameter = 50.0f;         // mm, circular duct
    float width = 200.0f;           // mm
    float height = 200.0f;          // mm
    float length = 20.0f;           // m
    float area = 10.0f;             // m²
    bool twoLayers = false;
    CIsolasjon layer1{0, true};
    CIsolasjon layer2{0, true};
    Surroundings surroundings = Surroundings::Indoors;
    float windSpeed = 2.0f;         // m/s
    float givenCoefficient = 5.0f;  // W/m²K
    bool emissivityTyped = false;
    float typedEmissivity = 0.94f;
    bool innerCladdingUsed = false;
    bool fittingsUsed = false;
    float operatingHours = 8760.0f; // h/year
    float energyPrice = 60.0f;      // öre/kWh
    bool energyCalc = false;
    float givenHeatLoss = 10.0f;    // W/m or W/m²
    float co2Factor = 750.0f;       // g/kWh
    FlowUnit flowUnit = FlowUnit::CubicMetresPerHour;
    float flow = 10.0f;
    int orientation = 0;
    bool supports = false;
    float bareEmissivity = 0.5f;
    float spillFactor = 1.0f;
    int givenClass = 5;
    bool ownDimension = false;
    float pipeOuterDiameter = 32.0f; // mm
    float pipeWall = 2.0f;           // mm

    // Whether the layers' thickness is given (the first criterion) rather than searched.
    bool ThicknessGiven() const { return criterion == Criterion::GivenThickness; }
    bool BothLayers() const { return twoLayers && ThicknessGiven(); }
    // The insulation inside a duct insulated inside, mm: both layers when
    // their thickness is given, none while it is searched.
    float InsideThickness() const;
    // The duct's free area, m², the air flows through; one rule for the
    // dialog's unit conversion and for the calculation.
    float FreeFlowArea() const;
    // The flow in m³/s.
    float VolumeFlow() const;
    // Whether insulation this thick (mm) leaves an opening in a duct
    // insulated inside; anywhere else any thickness fits.
    bool FitsInside(float thickness) const;
};

namespace heatLossFields {

using Field = NumberField<HeatLossInput>;
using I = HeatLossInput;

inline constexpr Field pipeOuterDiameter{"pipeDiameter", "Rördiameter [mm]:", "%.1f", &I::pipeOuterDiameter,
                                         1.0f, 10000.0f, 61244};
inline constexpr Field pipeWall{"pipeWall", "Godstjocklek [mm]:", "%.1f", &I::pipeWall, 0.1f, 1000.0f};
inline constexpr Field mediumTemp{"mediumTemp", "Medietemperatur [°C]:", "%.1f", &I::mediumTemp, -273.0f, 2000.0f};
inline constexpr Field ambientTemp{"ambientTemp", "Omgivningstemperatur [°C]:", "%.1f", &I::ambientTemp, -60.0f,
                                   500.0f};
inline constexpr Field givenSurfaceTemp{"surfaceTemp", "Yttemperatur [°C]:", "%.1f", &I::givenSurfaceTemp,
                                        -3.0e38f, 3.0e38f, 0, "yttemperaturen"};
inline constexpr Field givenHeatLoss{"heatLoss", "Värmeförlust [W/m]:", "%.1f", &I::givenHeatLoss,
                                     -3.0e38f, 3.0e38f, 0, "värmeförlusten"};
inline constexpr Field diameter{"diameter", "Diameter [mm]:", "%.1f", &I::diameter, -3.0e38f, 3.0e38f, 61244};
inline constexpr Field height{"height", "Höjd [mm]:", "%.1f", &I::height, -3.0e38f, 3.0e38f, 61249, nullptr,
                              1.0f, 5000.0f};
inline constexpr Field width{"width", "Bredd [mm]:", "%.1f", &I::width, -3.0e38f, 3.0e38f, 61246, nullptr,
                             1.0f, 5000.0f};
inline constexpr Field length{"length", "Längd rör/kanal [m]:", "%.2f", &I::length, -3.0e38f, 3.0e38f, 0,
                              "rörlängden", 0.1f, 1000.0f};
inline constexpr Field area{"area", "Ytstorlek [m²]:", "%.2f", &I::area, -3.0e38f, 3.0e38f, 0, "ytstorleken",
                            0.1f, 1000.0f};
inline constexpr Field windSpeed{"windSpeed", "Vindhastighet [m/s]:", "%.1f", &I::windSpeed, -3.0e38f, 3.0e38f,
                                 62254, nullptr, 0.1f, 50.0f};
inline constexpr Field givenCoefficient{"coefficient", "[W/m²K]:", "%.1f", &I::givenCoefficient, -3.0e38f,
                                        3.0e38f, 62255, nullptr, 0.1f, 10000.0f};
inline constexpr Field typedEmissivity{"emissivity", "Egendef. emissivitet:", "%.2f", &I::typedEmissivity,
                                       -3.0e38f, 3.0e38f, 61265, nullptr, 0.0f, 1.0f};
inline constexpr Field operatingHours{"operatingHours", "Driftstid [h/år]:", "%.0f", &I::operatingHours,
                                      -3.0e38f, 3.0e38f, 0, "driftstiden", 1.0f, 8760.0f};
inline constexpr Field energyPrice{"energyPrice", "Energipris [öre/kWh]:", "%.1f", &I::energyPrice, -3.0e38f,
                                   3.0e38f, 0, "energiprisen", 0.01f, 200.0f};
inline constexpr Field co2Factor{"co2Factor", "CO2-utsläpp [g/kWh]:", "%.0f", &I::co2Factor, 0.0f, 5000.0f};
inline constexpr Field bareEmissivity{"bareEmissivity", "Emissivitet oisolerad rör/kanal:", "%.2f",
                                      &I::bareEmissivity, 0.0f, 1.0f};
inline constexpr Field spillFactor{"spillFactor", "Spillfaktor (0-1):", "%.2f", &I::spillFactor, 0.0f, 1.0f, 0,
                                   "Spillfaktor", 0.0f, 1.0f};
inline constexpr Field flow{"flow", "Flöde [liter/s]:", "%.1f", &I::flow, 0.0f, 1000000.0f};

// In the order the dialog exchanges them.
inline constexpr const Field* all[] = {&pipeOuterDiameter, &pipeWall, &mediumTemp, &ambientTemp, &givenSurfaceTemp,
                                       &givenHeatLoss, &diameter, &height, &width, &length, &area, &windSpeed,
                                       &givenCoefficient, &typedEmissivity, &operatingHours, &energyPrice,
                                       &co2Factor, &bareEmissivity, &spillFactor, &flow};

} // namespace heatLossFields

// The dialog's checks on OK in their order, also run by the calculation on
// what a document brought. The fields' own ranges come first
// (ExchangeAll); hasOuterCladding tells whether a cladding is chosen.
bool CheckHeatLossInput(const HeatLossInput& input, bool hasOuterCladding, InputCheck& check);
