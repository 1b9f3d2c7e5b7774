#include "EconomyInput.h"

#include "thermal/SurfaceTransfer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int atLeastOneAlternative = 61228;
constexpr int tooManyAlternatives = 62502;
constexpr int chooseProduct = 62535;
constexpr int chooseCladding = 62533;
constexpr int tooThickInside = 62540;
constexpr int mediumAboveMax = 62559;
constexpr int ambientAboveMax = 62560;
constexpr int differenceTooSmall = 62526;
constexpr int thicknessWord = 61253;
constexpr int emissivityWord = 61265;
constexpr int costWord = 62324;

constexpr const char* alternativeList = "alternatives";

} // namespace

float EconomyInput::FreeFlowArea(float thickness) const
{
    return thermal::FlowArea(ObjectKind(objectKind), ductDiameter, height, width, objectKind == 3 ? thickness : 0.0f);
}

float EconomyInput::VolumeFlow(float thickness) const
{
    return thermal::VolumeFlow(FlowUnit(flowUnit), flow, FreeFlowArea(thickness));
}

void AlternativeThicknessBounds(const CIsoProdukt& product, float& low, float& high)
{
    float min = 0, max = 0;
    product.GetThicknessRange(min, max);
    low = std::max(std::min(min, max), 0.1f);
    high = std::max(min, max);
}

bool CheckAlternative(const COkonomiIsolasjon& alternative, const AlternativeFocus& focus, InputCheck& check)
{
    const CIsoProdukt* product = alternative.Product();
    if (!check.Require(product != nullptr, chooseProduct, focus.product))
        return false;
    float low = 0, high = 0;
    AlternativeThicknessBounds(*product, low, high);
    if (!check.Range(focus.thickness, thicknessWord, alternative.Thickness(), low, high))
        return false;
    if (alternative.surfaceSource == 1) {
        if (!check.Range(focus.emissivity, emissivityWord, alternative.surfaceEmissivity, 0.0f, 1.0f))
            return false;
    } else if (!check.Require(alternative.OuterCladding() != nullptr, chooseCladding, focus.cladding)) {
        return false;
    }
    return check.Range(focus.cost, costWord, alternative.cost, 1.0f, 20000.0f);
}

bool CheckEconomyInput(const EconomyInput& in, const ItemList<COkonomiIsolasjon>& alternatives, InputCheck& check)
{
    namespace f = economyFields;
    const int k = in.objectKind;

    if (!check.Require(!alternatives.empty(), atLeastOneAlternative, alternativeList) ||
        !check.Require(alternatives.size() <= maxEconomyAlternatives, tooManyAlternatives, alternativeList))
        return false;

    for (const auto& alternative : alternatives) {
        const AlternativeFocus inList{alternativeList, alternativeList, alternativeList, alternativeList,
                                      alternativeList};
        if (!CheckAlternative(*alternative, inList, check))
            return false;
        const float maxTemperature = alternative->Product()->maxTemperature;
        if (maxTemperature < in.mediumTemperature) {
            if (!check.Warn(true, mediumAboveMax))
                return false;
        } else if (!check.Warn(maxTemperature < in.ambientTemperature, ambientAboveMax)) {
            return false;
        }
        if (k == 3) {
            const float t = alternative->Thickness();
            if (!check.Require(!(in.width <= 2 * t || 2 * t >= in.height), tooThickInside, alternativeList))
                return false;
        }
    }

    switch (k) {
    case 1:
        if (!check.Range(f::ductDiameter, in))
            return false;
        break;
    case 2:
    case 3:
        if (!check.Range(f::height, in) || !check.Range(f::width, in))
            return false;
        break;
    case 4:
    case 5:
        // A vertical surface's height sets its free convection.
        if (in.orientation == 1 && !check.Range(f::height, in))
            return false;
        break;
    default:
        break;
    }

    if (in.surroundings == Surroundings::Outdoors && !check.Range(f::windSpeed, in))
        return false;
    if (in.surroundings == Surroundings::GivenCoefficient && !check.Range(f::givenCoefficient, in))
        return false;

    return check.Require(std::fabs(in.mediumTemperature - in.ambientTemperature) >= 0.1f, differenceTooSmall,
                         f::mediumTemperature.name);
}
