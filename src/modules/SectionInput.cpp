#include "SectionInput.h"

#include "database/CIsoProdukt.h"
#include "thermal/SurfaceTransfer.h"

#include <algorithm>

namespace {

constexpr int chooseCladding = 62533;
constexpr int chooseProduct = 62535;
constexpr int tooThickInside = 62540;
constexpr int ambientAboveMax = 62560;
constexpr int blankName = 61209;
constexpr int nameTaken = 61210;
constexpr int thicknessWord = 61253;
constexpr int diameterWord = 61244;
constexpr int flowWord = 61252;

// A layer in use needs a product, is warned about when the surroundings are
// warmer than the product stands, and needs a thickness the product is made
// in (and more than nothing, which a document may hold).
bool checkLayer(const CIsoProdukt* product, float thickness, float ambient, const char* productField,
                const char* thicknessField, InputCheck& check)
{
    if (!check.Require(product != nullptr, chooseProduct, productField) ||
        !check.Warn(product->maxTemperature < ambient, ambientAboveMax))
        return false;
    float min = 0, max = 0;
    product->GetThicknessRange(min, max);
    return check.Range(thicknessField, thicknessWord, thickness, std::max(std::min(min, max), 0.1f),
                       std::max(min, max));
}

} // namespace

float SectionInput::Layer1Thickness() const
{
    switch (insulationSource) {
    case 0:
        return thickness;
    case 1:
        return userThickness;
    default:
        return 0.0f;
    }
}

float SectionInput::Layer2Thickness() const
{
    if (!BothLayers())
        return 0.0f;
    return layer2Source == 0 ? layer2Thickness : layer2UserThickness;
}

float SectionInput::CrossSection() const
{
    switch (sectionType) {
    case 2:
        return ductWidth / 1000.0f * (ductHeight / 1000.0f);
    case 3: {
        // The opening left inside the insulation.
        const float s = Layer1Thickness();
        return (2.0f * s - ductWidth) / 1000.0f * ((2.0f * s - ductHeight) / 1000.0f);
    }
    default: {
        const float d = RoundDiameter() / 1000.0f;
        return thermal::pi * d * d / 4.0f;
    }
    }
}

float SectionInput::VolumeFlow() const
{
    switch (flowUnit) {
    case FlowUnit::CubicMetresPerHour:
        return flow / 3600.0f;
    case FlowUnit::LitresPerSecond:
        return flow / 1000.0f;
    default:
        return CrossSection() * flow;
    }
}

float SectionInput::CharacteristicDiameter() const
{
    if (IsRectangular())
        return 2.0f * (ductHeight + ductWidth) / 3.1415f / 1000.0f;
    return RoundDiameter() / 1000.0f;
}

float SectionInput::Layer1Area() const
{
    if (!Insulated())
        return 0.0f;
    const float s = Layer1Thickness() / 1000.0f;
    const float w = ductWidth / 1000.0f;
    const float h = ductHeight / 1000.0f;
    switch (sectionType) {
    case 2:
        return (2.0f * (w + 2.0f * s) + 2.0f * (h + 2.0f * s)) * length;
    case 3:
        return (2.0f * w + 2.0f * h) * length;
    default:
        return thermal::pi * (2.0f * s + RoundDiameter() / 1000.0f) * length;
    }
}

float SectionInput::Layer2Area() const
{
    if (!BothLayers())
        return 0.0f;
    const float s1 = Layer1Thickness() / 1000.0f;
    const float t = s1 + Layer2Thickness() / 1000.0f;
    const float w = ductWidth / 1000.0f;
    const float h = ductHeight / 1000.0f;
    switch (sectionType) {
    case 2:
        return (2.0f * (w + 2.0f * t) + 2.0f * (h + 2.0f * t)) * length;
    case 3:
        return (2.0f * (w - 2.0f * s1) + 2.0f * (h - 2.0f * s1)) * length;
    default:
        return thermal::pi * (2.0f * t + RoundDiameter() / 1000.0f) * length;
    }
}

FlowRange FlowRangeOf(FlowUnit flowUnit)
{
    switch (flowUnit) {
    case FlowUnit::CubicMetresPerHour:
        return {0.01f, 360000.0f};
    case FlowUnit::LitresPerSecond:
        return {0.01f, 100000.0f};
    default:
        return {0.001f, 50.0f};
    }
}

bool CheckSectionInput(const SectionInput& in, const SectionChoices& choices, InputCheck& check)
{
    namespace f = sectionFields;

    if (in.Insulated()) {
        const bool catalogue = in.insulationSource == 0;
        if (!checkLayer(choices.layer1, in.Layer1Thickness(), in.ambientTemperature,
                        catalogue ? "product" : "userProduct",
                        catalogue ? f::thickness.name : f::userThickness.name, check))
            return false;
        if (in.BothLayers()) {
            const bool catalogue2 = in.layer2Source == 0;
            if (!checkLayer(choices.layer2, in.Layer2Thickness(), in.ambientTemperature,
                            catalogue2 ? "layer2Product" : "layer2UserProduct",
                            catalogue2 ? f::layer2Thickness.name : f::layer2UserThickness.name, check))
                return false;
        }
    }

    switch (in.sectionType) {
    case 0: {
        // Without an own dimension the pipe comes from the dimension list.
        const char* focus = in.ownPipeDimension ? f::pipeDiameter.name : "pipeDimension";
        if (!check.Range(focus, diameterWord, in.pipeDiameter, 1.0f, 1500.0f))
            return false;
        break;
    }
    case 1:
        if (!check.Range(f::ductDiameter, in))
            return false;
        break;
    default: {
        if (!check.Range(f::ductHeight, in) || !check.Range(f::ductWidth, in))
            return false;
        const float s = in.Layer1Thickness();
        if (in.InsideInsulated() &&
            !check.Require(!(2.0f * s >= in.ductWidth || 2.0f * s >= in.ductHeight), tooThickInside,
                           f::ductWidth.name))
            return false;
        break;
    }
    }

    const FlowRange flow = FlowRangeOf(in.flowUnit);
    if (!check.Range(f::flow.name, flowWord, in.flow, flow.low, flow.high))
        return false;

    if (in.Insulated() && in.surroundings != Surroundings::GivenCoefficient) {
        if (in.ownEmissivity) {
            if (!check.Range(f::emissivity, in))
                return false;
        } else if (!check.Require(choices.hasCladding, chooseCladding, "cladding")) {
            return false;
        }
    }
    if (in.surroundings == Surroundings::Outdoors && !check.Range(f::windSpeed, in))
        return false;
    if (in.surroundings == Surroundings::GivenCoefficient && !check.Range(f::outerCoefficient, in))
        return false;
    // Below 0.1 the air film would hold back everything, and at 0 nothing
    // is left to divide by.
    if (in.IsDuct() && in.innerCoefficientGiven && !check.Range(f::innerCoefficient, in))
        return false;

    if (!check.Require(!choices.name.empty(), blankName, "name"))
        return false;
    const bool taken = std::find(choices.otherNames.begin(), choices.otherNames.end(), choices.name) !=
                       choices.otherNames.end();
    return check.Require(!taken, nameTaken, "name");
}
