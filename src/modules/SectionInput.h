#pragma once

#include "doc/InputCheck.h"
#include "thermal/Choices.h"

#include <string>
#include <vector>

class CIsoProdukt;

// One section's own input: its numbers, flags and choices with the defaults
// of a section made without a template. The section holds it; its dialog
// edits a copy. The products, claddings, pipe and fittings stay with the
// section, which stands in the dependents of the catalogue items.
struct SectionInput {
    int sectionType = 0;         // 0 pipeline, 1 circular duct, 2 rectangular outside, 3 rectangular inside
    float ductHeight = 200.0f;   // mm
    float ductWidth = 200.0f;    // mm
    float ductDiameter = 100.0f; // mm
    float length = 10.0f;        // m
    int insulationSource = 0;    // 0 catalogue product, 1 user's product, 2 uninsulated
    float thickness = 50.0f;     // mm, layer 1 with a catalogue product
    float userThickness = 50.0f; // mm, layer 1 with a user's product
    bool twoLayers = false;
    int layer2Source = 0;        // 0 catalogue, 1 user's product
    float layer2Thickness = 50.0f;
    float layer2UserThickness = 50.0f;
    float ambientTemperature = 20.0f; // °C
    Surroundings surroundings = Surroundings::Indoors;
    float windSpeed = 2.0f;           // m/s
    float outerCoefficient = 5.0f;    // W/(m²·K)
    bool innerCoefficientGiven = false;
    float innerCoefficient = 10.0f; // W/(m²·K)
    FlowUnit flowUnit = FlowUnit::CubicMetresPerHour;
    float flow = 100.0f;
    bool ownEmissivity = false;
    float emissivity = 0.94f;
    bool innerCladdingEnabled = false;
    bool fittingsEnabled = false;
    int vertical = 0;
    bool uninsulatedSupports = false;
    bool ownPipeDimension = false;
    float pipeDiameter = 32.0f; // mm
    float wallThickness = 2.0f; // mm
    float bareEmissivity = 0.5f;

    bool IsPipeline() const { return sectionType == 0; }
    bool IsDuct() const { return sectionType != 0; }
    bool IsRectangular() const { return sectionType == 2 || sectionType == 3; }
    bool InsideInsulated() const { return sectionType == 3; }
    bool Insulated() const { return insulationSource != 2; }
    // Two layers count only on an insulated section that is not insulated
    // inside; the dialog offers the second layer nowhere else.
    bool BothLayers() const { return twoLayers && Insulated() && !InsideInsulated(); }
    // The fittings count on every type but the duct insulated inside.
    bool CountsFittings() const { return fittingsEnabled && !InsideInsulated(); }
    // Thicknesses of the chosen sources, mm; 0 for a layer not there.
    float Layer1Thickness() const;
    float Layer2Thickness() const;
    // The round section's diameter, mm: a pipeline is sized by its pipe.
    float RoundDiameter() const { return IsPipeline() ? pipeDiameter : ductDiameter; }
    // The free cross-section the medium flows through, m².
    float CrossSection() const;
    // The flow in m³/s.
    float VolumeFlow() const;
    // The diameter the class limits are read at, m: a round section's own,
    // a rectangular one's perimeter over π (3.1415, as the limits have it).
    float CharacteristicDiameter() const;
    // Insulation areas over the length, m²; 0 for a layer not there.
    float Layer1Area() const;
    float Layer2Area() const;
};

namespace sectionFields {

using Field = NumberField<SectionInput>;
using I = SectionInput;

inline constexpr Field pipeDiameter{"pipeDiameter", "Rördiameter [mm]:", "%.1f", &I::pipeDiameter, 1.0f, 10000.0f,
                                    61244, nullptr, 1.0f, 1500.0f};
inline constexpr Field wallThickness{"pipeWall", "Godstjocklek [mm]:", "%.1f", &I::wallThickness, 0.1f, 1000.0f};
inline constexpr Field bareEmissivity{"bareEmissivity", "Emissivitet oisolerad:", "%.2f", &I::bareEmissivity, 0.0f,
                                      1.0f};
inline constexpr Field ductDiameter{"diameter", "Diameter [mm]:", "%.1f", &I::ductDiameter, -3.0e38f, 3.0e38f, 61244,
                                    nullptr, 1.0f, 3000.0f};
inline constexpr Field ductHeight{"height", "Höjd [mm]:", "%.1f", &I::ductHeight, -3.0e38f, 3.0e38f, 61249, nullptr,
                                  1.0f, 5000.0f};
inline constexpr Field ductWidth{"width", "Bredd [mm]:", "%.1f", &I::ductWidth, -3.0e38f, 3.0e38f, 61246, nullptr,
                                 1.0f, 5000.0f};
inline constexpr Field length{"length", "Längd rör/kanal [m]:", "%.2f", &I::length, 0.1f, 2000.0f};
inline constexpr Field flow{"flow", "Flöde [m³/h]:", "%.2f", &I::flow, -3.0e38f, 3.0e38f, 61252};
inline constexpr Field ambientTemperature{"ambientTemp", "Omgivningstemperatur [°C]:", "%.1f",
                                          &I::ambientTemperature, -60.0f, 500.0f};
inline constexpr Field windSpeed{"windSpeed", "Vindhastighet [m/s]:", "%.1f", &I::windSpeed, -3.0e38f, 3.0e38f,
                                 62254, nullptr, 0.1f, 50.0f};
inline constexpr Field outerCoefficient{"coefficient", "Utv. värmeöverg.tal [W/m²K]:", "%.1f",
                                        &I::outerCoefficient, -3.0e38f, 3.0e38f, 62255, nullptr, 0.1f, 10000.0f};
inline constexpr Field innerCoefficient{"innerCoefficient", "Inv. värmeöverg.tal [W/m²K]:", "%.1f",
                                        &I::innerCoefficient, -3.0e38f, 3.0e38f, 62258, nullptr, 0.1f, 10000.0f};
inline constexpr Field emissivity{"emissivity", "Egendefinierad emissivitet:", "%.2f", &I::emissivity, -3.0e38f,
                                  3.0e38f, 61265, nullptr, 0.0f, 1.0f};

// The edits of the dialog, in the order it exchanges them.
inline constexpr const Field* all[] = {&pipeDiameter, &wallThickness, &bareEmissivity, &ductDiameter, &ductHeight,
                                       &ductWidth, &length, &flow, &ambientTemperature, &windSpeed,
                                       &outerCoefficient, &innerCoefficient, &emissivity};

// The thickness boxes, read before any other check.
inline constexpr Field thickness{"thickness", "Isolertjocklek [mm]:", "%.1f", &I::thickness, -3.0e38f, 3.0e38f, 61253};
inline constexpr Field userThickness{"userThickness", "Isolertjocklek [mm]:", "%.1f", &I::userThickness, -3.0e38f,
                                     3.0e38f, 61253};
inline constexpr Field layer2Thickness{"layer2Thickness", "Isolertjocklek [mm]:", "%.1f", &I::layer2Thickness,
                                       -3.0e38f, 3.0e38f, 61253};
inline constexpr Field layer2UserThickness{"layer2UserThickness", "Isolertjocklek [mm]:", "%.1f",
                                           &I::layer2UserThickness, -3.0e38f, 3.0e38f, 61253};
inline constexpr const Field* thicknesses[] = {&thickness, &userThickness, &layer2Thickness, &layer2UserThickness};

} // namespace sectionFields

// What the checks need besides the numbers: the products of the chosen
// sources, whether a cladding is chosen, and the section's name with the
// names of the run's other sections.
struct SectionChoices {
    const CIsoProdukt* layer1 = nullptr;
    const CIsoProdukt* layer2 = nullptr;
    bool hasCladding = false;
    std::string name;
    std::vector<std::string> otherNames;
};

// The section dialog's checks on OK in their order (after the thickness
// boxes are read), also run by the calculation on what a document brought.
bool CheckSectionInput(const SectionInput& input, const SectionChoices& choices, InputCheck& check);

// The flow's range by unit: m³/h, l/s, m/s.
struct FlowRange {
    float low;
    float high;
};
FlowRange FlowRangeOf(FlowUnit flowUnit);
