#pragma once

#include "doc/InputCheck.h"

#include <array>
#include <string>

class CAbsorpsjon;
class CAbsorpsjonTykkelse;

// The sound attenuation module's own input: the duct and the user's own
// lining, with their defaults. The module holds it; its dialog edits a copy.
// The catalogue product and its thickness stay with the module, which stands
// in their dependents.
struct SoundInput {
    static constexpr int bandCount = 6; // 125, 250, 500, 1000, 2000, 4000 Hz

    float userThickness = 50.0f; // mm
    float width = 400.0f;        // mm
    float height = 400.0f;       // mm
    float ductDiameter = 400.0f; // mm
    std::array<float, bandCount> userFactors{0.25f, 0.65f, 0.95f, 1.0f, 1.0f, 1.0f};
    int productSource = 0; // 0 database product, 1 the user's own
    std::string userProductName;
    int ductType = 0; // 0 circular, 1 rectangular, 2 lined top and bottom, 3 lined at the sides

    bool UsesUserProduct() const { return productSource == 1; }
};

// The octave bands the attenuation is given for, Hz.
inline constexpr std::array<float, SoundInput::bandCount> soundBands{125.0f, 250.0f, 500.0f,
                                                                      1000.0f, 2000.0f, 4000.0f};

namespace soundFields {

using Field = NumberField<SoundInput>;
using I = SoundInput;

// Any number passes the exchange; the checks on OK hold the ranges.
inline constexpr Field ductDiameter{"ductDiameter", "Diameter [mm]:", "%.1f", &I::ductDiameter, -3.0e38f, 3.0e38f,
                                    61244, nullptr, 1.0f, 3000.0f};
inline constexpr Field height{"height", "Höjd [mm]:", "%.1f", &I::height, -3.0e38f, 3.0e38f, 61249, nullptr, 1.0f,
                              3000.0f};
inline constexpr Field width{"width", "Bredd [mm]:", "%.1f", &I::width, -3.0e38f, 3.0e38f, 61246, nullptr, 1.0f,
                             3000.0f};
inline constexpr Field userThickness{"userThickness", "Tjocklek [mm]:", "%.1f", &I::userThickness, -3.0e38f,
                                     3.0e38f, 62261, nullptr, 1.0f, 500.0f};

// In the order the dialog exchanges them; the factors follow.
inline constexpr const Field* all[] = {&ductDiameter, &height, &width, &userThickness};

// The user's six absorption factors live in one array, so they are declared
// by band rather than as member fields.
struct FactorField {
    const char* name;
    const char* label;
};
inline constexpr FactorField factors[SoundInput::bandCount] = {
    {"factor125", "125 Hz :"},   {"factor250", "250 Hz :"},   {"factor500", "500 Hz :"},
    {"factor1000", "1000 Hz :"}, {"factor2000", "2000 Hz :"}, {"factor4000", "4000 Hz :"}};
inline constexpr const char* factorFormat = "%.2f";
inline constexpr int factorWordId = 62265; // "ljuddämpningen"
inline constexpr float factorLow = 0.0f;
inline constexpr float factorHigh = 1.0f;

// The name of the user's product, in characters.
inline constexpr int userProductNameLimit = 60;

} // namespace soundFields

// Every number field and factor exchanged as the dialog exchanges them:
// what is no finite number is refused, whether in use or not (a document may
// bring anything); so is too long a name for the user's product.
bool ExchangeSoundInput(const SoundInput& input, InputCheck& check);

// The dialog's checks on OK in their order, also run by the calculation on
// what a document brought. With the maker's product, `thickness` is the one
// chosen (none when the product offers none).
bool CheckSoundInput(const SoundInput& input, const CAbsorpsjon* product, const CAbsorpsjonTykkelse* thickness,
                     InputCheck& check);

// The free cross-section of a lined duct, in m and m²: the acoustic cross
// dimension d, the lined perimeter and the free area.
struct LinedSection {
    float d = 0;
    float perimeter = 0;
    float area = 0;
    // Whether sound has a free cross-section to pass through.
    bool IsOpen() const { return d > 0.0f && area > 0.0f; }
};

// The section a lining `lining` mm thick leaves in the duct of the type;
// an unknown type leaves none.
LinedSection LinedSectionOf(int ductType, float diameter, float height, float width, float lining);

// The lining's correction factor K at f/fc, held between 0.077 and 1.05.
float AttenuationCorrection(float frequencyRatio);

struct SoundAttenuation {
    float criticalFrequency = 0; // Hz
    std::array<float, SoundInput::bandCount> perBand{}; // dB/m
};

// The attenuation per metre in each band of a section lined with absorption
// factors `factors`.
SoundAttenuation AttenuationOf(const LinedSection& section,
                               const std::array<float, SoundInput::bandCount>& factors);

// The tick step of the attenuation axis whose top is ymax: 1, 2, 5 or 10
// below 200, and from there on 20, 50, 100, 200, 500, … so the axis never
// gets more than 20 ticks.
float AttenuationAxisStep(float ymax);
