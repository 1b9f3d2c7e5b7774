#include "SoundInput.h"

#include "database/CAbsorpsjon.h"
#include "doc/StringTable.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int tooThickLining = 62520;
constexpr int chooseProduct = 62536;
constexpr int noThicknesses = 61254;
constexpr int tooLong = 61716;
constexpr int thicknessWord = 61253;
constexpr float pi = 3.1415927f;
constexpr float speedOfSound = 340.0f; // m/s in air at room temperature
constexpr float unbounded = 3.0e38f;
// The ranges the thickness editor holds a catalogue thickness to.
constexpr float catalogueThicknessMax = 2000.0f;

std::size_t characters(const std::string& utf8)
{
    return std::size_t(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

} // namespace

bool ExchangeSoundInput(const SoundInput& in, InputCheck& check)
{
    namespace f = soundFields;
    if (!ExchangeAll(check, f::all, in))
        return false;
    for (int i = 0; i < SoundInput::bandCount; ++i)
        if (!check.Exchange(f::factors[i].name, f::factors[i].label, in.userFactors[std::size_t(i)], -unbounded,
                            unbounded))
            return false;
    // The name belongs to the user's product and is shown only with it.
    if (in.UsesUserProduct() && characters(in.userProductName) > std::size_t(f::userProductNameLimit))
        return check.Refuse(FormatMessage(tooLong, {std::to_string(f::userProductNameLimit)}), "userProductName");
    return true;
}

bool CheckSoundInput(const SoundInput& in, const CAbsorpsjon* product, const CAbsorpsjonTykkelse* thickness,
                     InputCheck& check)
{
    namespace f = soundFields;
    float lining = 0;
    if (in.UsesUserProduct()) {
        if (!check.Range(f::userThickness, in))
            return false;
        for (int i = 0; i < SoundInput::bandCount; ++i)
            if (!check.Range(f::factors[i].name, f::factorWordId, in.userFactors[std::size_t(i)], f::factorLow,
                             f::factorHigh))
                return false;
        lining = in.userThickness;
    } else {
        if (!check.Require(product != nullptr, chooseProduct, "product") ||
            !check.Require(thickness != nullptr, noThicknesses, "product"))
            return false;
        // The catalogue's values come from a data file that may have been
        // written by anything; they are held to the thickness editor's ranges.
        if (!check.Range("thickness", thicknessWord, thickness->thickness, 0.0f, catalogueThicknessMax))
            return false;
        for (int i = 0; i < SoundInput::bandCount; ++i)
            if (!check.Range("thickness", f::factorWordId, thickness->Factor(i), f::factorLow, f::factorHigh))
                return false;
        lining = thickness->thickness;
    }

    float limiting = 0;
    const char* limitingField = f::ductDiameter.name;
    if (in.ductType == 0) {
        if (!check.Range(f::ductDiameter, in))
            return false;
        limiting = in.ductDiameter;
    } else {
        if (!check.Range(f::height, in) || !check.Range(f::width, in))
            return false;
        const bool byHeight = in.ductType == 2 || (in.ductType == 1 && in.height <= in.width);
        limiting = byHeight ? in.height : in.width;
        limitingField = byHeight ? f::height.name : f::width.name;
    }
    // The dialog's own test, and the section itself: no free cross-section
    // would divide by nothing.
    const LinedSection section = LinedSectionOf(in.ductType, in.ductDiameter, in.height, in.width, lining);
    return check.Require(limiting > 2 * lining && section.IsOpen(), tooThickLining, limitingField);
}

LinedSection LinedSectionOf(int ductType, float diameter, float height, float width, float lining)
{
    LinedSection s;
    const float freeHeight = (height - 2 * lining) / 1000.0f;
    const float freeWidth = (width - 2 * lining) / 1000.0f;
    switch (ductType) {
    case 0:
        s.d = (diameter - 2 * lining) / 1000.0f;
        s.perimeter = pi * s.d;
        s.area = pi * (s.d / 2) * (s.d / 2);
        break;
    case 1:
        s.d = std::min(freeHeight, freeWidth);
        s.perimeter = 2 * (freeHeight + freeWidth);
        s.area = freeHeight * freeWidth;
        break;
    case 2: // lined top and bottom
        s.d = freeHeight;
        s.perimeter = 2 * width / 1000.0f;
        s.area = freeHeight * width / 1000.0f;
        break;
    case 3: // lined at the sides
        s.d = freeWidth;
        s.perimeter = 2 * height / 1000.0f;
        s.area = freeWidth * height / 1000.0f;
        break;
    default:
        break;
    }
    return s;
}

float AttenuationCorrection(float x)
{
    // The program's empirical fit of the lining's efficiency against f/fc,
    // used as written: a parabola with its minimum near x = 21, clipped to
    // 0.077 … 1.05 (so it rises again past x ≈ 34).
    float k = 0.004108f * x * x - 0.1725f * x + 1.194f;
    if (k > 1.05f)
        k = 1.05f;
    else if (k < 0.077f)
        k = 0.077f;
    return k;
}

SoundAttenuation AttenuationOf(const LinedSection& section, const std::array<float, SoundInput::bandCount>& factors)
{
    SoundAttenuation result;
    result.criticalFrequency = speedOfSound / (2 * section.d);
    for (std::size_t i = 0; i < soundBands.size(); ++i) {
        const float k = AttenuationCorrection(soundBands[i] / result.criticalFrequency);
        result.perBand[i] = k * section.perimeter * std::pow(factors[i], 1.4f) / section.area;
    }
    return result;
}

float AttenuationAxisStep(float ymax)
{
    if (ymax < 20.0f)
        return 1.0f;
    if (ymax < 40.0f)
        return 2.0f;
    if (ymax < 80.0f)
        return 5.0f;
    if (ymax < 200.0f)
        return 10.0f;
    // 20, 50, 100, 200, 500, …: the top stays below 20 steps.
    const float mantissas[3] = {1.0f, 2.0f, 5.0f};
    float decade = 10.0f;
    int m = 1;
    float step = 20.0f;
    while (!(ymax < 20.0f * step) && std::isfinite(step)) {
        if (++m == 3) {
            m = 0;
            decade *= 10.0f;
        }
        step = mantissas[m] * decade;
    }
    return step;
}
