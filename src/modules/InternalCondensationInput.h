#pragma once

#include "CIsolasjon.h"
#include "doc/InputCheck.h"
#include "thermal/Choices.h"

// The internal condensation module's own input, with the defaults of a new
// document. The module holds it; its dialog edits a copy. The outer cladding
// stays with the module, which stands in its dependents.
struct InternalCondensationInput {
    float ductDiameter = 50.0f;       // mm
    float height = 200.0f;            // mm
    float width = 200.0f;             // mm
    float ductLength = 10.0f;         // m
    float inletTemperature = 40.0f;   // °C
    float relativeHumidity = 50.0f;   // % of the entering air
    float flow = 100.0f;              // in flowUnit
    FlowUnit flowUnit = FlowUnit::CubicMetresPerHour;
    float ambientTemperature = 20.0f; // °C
    Surroundings surroundings = Surroundings::Indoors;
    float windSpeed = 2.0f;           // m/s
    float givenCoefficient = 5.0f;    // W/(m²·K)
    bool innerCoefficientGiven = false;
    float givenInnerCoefficient = 10.0f; // W/(m²·K)
    // false: the outer cladding from the database; true: the typed emissivity.
    bool surfaceSource = false;
    float surfaceEmissivity = 0.94f;
    // Its thickness is never asked: the module finds it.
    CIsolasjon insulation{1, false};
    int ductShape = 0;   // 0 circular, 1 rectangular
    int orientation = 0; // 0 horizontal, 1 vertical
    bool supports = false; // uninsulated hangers, counted as added length

    bool Circular() const { return ductShape != 1; }
    // The object kind the products are offered for: circular duct or
    // rectangular duct insulated outside.
    ObjectKind InsulatedKind() const { return Circular() ? ObjectKind::CircularDuct : ObjectKind::RectangularDuctOutside; }
    // The duct's free area, m²: one rule for the dialog's unit conversion and
    // for the calculation.
    float FreeArea() const;
    // The air flow, m³/s.
    float VolumeFlow() const;
    // The dew point of the entering air, °C.
    float DewPoint() const;
    // The length the air cools along, m: uninsulated supports add a share,
    // 25 % outdoors and 15 % otherwise.
    float CoolingLength() const;
};

namespace internalCondensationFields {

using Field = NumberField<InternalCondensationInput>;
using I = InternalCondensationInput;

inline constexpr Field ductDiameter{"diameter", "Diameter [mm]:", "%.1f", &I::ductDiameter, -3.0e38f, 3.0e38f,
                                    61244, nullptr, 1.0f, 3000.0f};
inline constexpr Field height{"height", "Höjd [mm]:", "%.1f", &I::height, -3.0e38f, 3.0e38f, 61249, nullptr, 1.0f,
                              5000.0f};
inline constexpr Field width{"width", "Bredd [mm]:", "%.1f", &I::width, -3.0e38f, 3.0e38f, 61246, nullptr, 1.0f,
                             5000.0f};
// The per-metre results divide by the length, so a duct has some.
inline constexpr Field ductLength{"length", "Längd [m]:", "%.2f", &I::ductLength, 0.1f, 1000.0f};
inline constexpr Field inletTemperature{"inletTemp", "Inloppstemperatur [°C):", "%.1f", &I::inletTemperature, 0.1f,
                                        100.0f};
// The dialog shows the flow with as many decimals as its size needs; the
// range depends on the unit.
inline constexpr Field flow{"flow", "Flöde [m³/h]:", "%g", &I::flow, -3.0e38f, 3.0e38f, 61252};
inline constexpr Field relativeHumidity{"humidity", "Rel luftfuktighet [%]:", "%.1f", &I::relativeHumidity, 1.0f,
                                        99.0f};
inline constexpr Field ambientTemperature{"ambientTemp", "Omgivningstemp. [°C]:", "%.1f", &I::ambientTemperature,
                                          -60.0f, 500.0f};
inline constexpr Field windSpeed{"windSpeed", "Vindhastighet [m/s]:", "%.1f", &I::windSpeed, -3.0e38f, 3.0e38f,
                                 62254, nullptr, 0.1f, 50.0f};
inline constexpr Field givenCoefficient{"coefficient", "[W/m²K]:", "%.1f", &I::givenCoefficient, -3.0e38f, 3.0e38f,
                                        62255, nullptr, 0.1f, 10000.0f};
inline constexpr Field givenInnerCoefficient{"innerCoefficient", "[W/m²K]:", "%.1f", &I::givenInnerCoefficient,
                                             -3.0e38f, 3.0e38f, 62258, nullptr, 0.1f, 10000.0f};
inline constexpr Field surfaceEmissivity{"emissivity", "Emissivitet:", "%.2f", &I::surfaceEmissivity, -3.0e38f,
                                         3.0e38f, 61265, nullptr, 0.0f, 1.0f};

// In the order the dialog exchanges them.
inline constexpr const Field* all[] = {&ductDiameter,     &height,    &width,           &ductLength,
                                       &inletTemperature, &flow,      &relativeHumidity, &ambientTemperature,
                                       &windSpeed,        &givenCoefficient, &givenInnerCoefficient,
                                       &surfaceEmissivity};

// The flow's range in its unit (m³/h, l/s, m/s).
struct FlowRange {
    float low;
    float high;
};
inline constexpr FlowRange flowRanges[3] = {{0.01f, 360000.0f}, {0.01f, 100000.0f}, {0.001f, 50.0f}};

} // namespace internalCondensationFields

// The dialog's checks on OK in their order, also run by the calculation on
// what a document brought; the fields' own ranges (ExchangeAll) come first.
// hasOuterCladding tells whether a cladding is chosen.
bool CheckInternalCondensationInput(const InternalCondensationInput& input, bool hasOuterCladding,
                                    InputCheck& check);
