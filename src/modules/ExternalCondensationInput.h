#pragma once

#include "CIsolasjon.h"
#include "doc/InputCheck.h"
#include "thermal/Choices.h"

// The external condensation module's own input: what it stores, with the
// defaults of a new document. The module holds it; its dialog edits a copy.
// The claddings and the pipe material stay with the module, which stands in
// their dependents.
struct ExternalCondensationInput {
    float mediumTemperature = 0.0f;   // °C
    float ambientTemperature = 20.0f; // °C
    float relativeHumidity = 50.0f;   // %
    float ductDiameter = 50.0f;       // mm
    float height = 200.0f;            // mm, also of a vertical surface
    float width = 200.0f;             // mm
    Surroundings surroundings = Surroundings::Indoors;
    float windSpeed = 2.0f;           // m/s
    float givenCoefficient = 5.0f;    // W/(m²·K)
    // false: the outer cladding from the database; true: the typed emissivity.
    bool surfaceSource = false;
    float surfaceEmissivity = 0.94f;
    // Its thickness is never asked: the module finds it.
    CIsolasjon insulation{0, false};
    bool innerCladdingEnabled = false; // objects insulated inside only
    ObjectKind objectKind = ObjectKind::Pipe; // no tank
    int orientation = 0;               // 0 horizontal, 1 vertical
    bool ownPipeDimension = false;
    float pipeDiameter = 32.0f; // mm, what the calculation uses
    float wallThickness = 2.0f; // mm
    float bareEmissivity = 0.5f;

    bool Vertical() const { return orientation == 1; }
    // Objects insulated inside take their outer surface from the list of
    // surfaces for inside insulation and may have an inner cladding.
    bool InsideInsulated() const { return IsInsideInsulated(objectKind); }
    bool FlatSurface() const { return IsFlatSurface(objectKind); }
    // The dew point of the surrounding air, °C.
    float DewPoint() const;
};

namespace externalCondensationFields {

using Field = NumberField<ExternalCondensationInput>;
using I = ExternalCondensationInput;

inline constexpr Field pipeDiameter{"pipeDiameter", "Rördiameter [mm]:", "%.1f", &I::pipeDiameter, 1.0f, 10000.0f};
inline constexpr Field wallThickness{"pipeWall", "Godstjocklek [mm]:", "%.1f", &I::wallThickness, 0.1f, 1000.0f};
inline constexpr Field mediumTemperature{"mediumTemp", "Medietemp. [°C]:", "%.1f", &I::mediumTemperature,
                                         -273.0f, 50.0f};
inline constexpr Field ambientTemperature{"ambientTemp", "Omgivningstemp. [°C]:", "%.1f", &I::ambientTemperature,
                                          -60.0f, 500.0f};
inline constexpr Field relativeHumidity{"humidity", "Rel luftfuktighet [%]:", "%.1f", &I::relativeHumidity, 1.0f,
                                        99.0f};
inline constexpr Field bareEmissivity{"bareEmissivity", "Emissivitet oisolerad:", "%.2f", &I::bareEmissivity,
                                      0.0f, 1.0f};
inline constexpr Field ductDiameter{"diameter", "Diameter [mm]:", "%.1f", &I::ductDiameter, -3.0e38f, 3.0e38f,
                                    61244, nullptr, 1.0f, 3000.0f};
inline constexpr Field height{"height", "Höjd [mm]:", "%.1f", &I::height, -3.0e38f, 3.0e38f, 61249, nullptr, 1.0f,
                              5000.0f};
inline constexpr Field width{"width", "Bredd [mm]:", "%.1f", &I::width, -3.0e38f, 3.0e38f, 61246, nullptr, 1.0f,
                             5000.0f};
inline constexpr Field surfaceEmissivity{"emissivity", "Egendef.emissivitet:", "%.2f", &I::surfaceEmissivity,
                                         -3.0e38f, 3.0e38f, 61265, nullptr, 0.0f, 1.0f};
inline constexpr Field windSpeed{"windSpeed", "Vindhastighet [m/s]:", "%.1f", &I::windSpeed, -3.0e38f, 3.0e38f,
                                 62254, nullptr, 0.1f, 50.0f};
inline constexpr Field givenCoefficient{"coefficient", "[W/m²K]:", "%.1f", &I::givenCoefficient, -3.0e38f, 3.0e38f,
                                        62255, nullptr, 0.1f, 10000.0f};

// In the order the dialog exchanges them.
inline constexpr const Field* all[] = {&pipeDiameter, &wallThickness, &mediumTemperature, &ambientTemperature,
                                       &relativeHumidity, &bareEmissivity, &ductDiameter, &height,
                                       &width, &surfaceEmissivity, &windSpeed, &givenCoefficient};

} // namespace externalCondensationFields

// The dialog's checks on OK in their order, also run by the calculation on
// what a document brought; the fields' own ranges (ExchangeAll) come first.
// hasOuterCladding tells whether a cladding is chosen.
bool CheckExternalCondensationInput(const ExternalCondensationInput& input, bool hasOuterCladding,
                                    InputCheck& check);
