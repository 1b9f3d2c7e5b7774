#include "CondensationTables.h"

#include "database/CMantling.h"
#include "doc/CVekModul.h"

#include <cmath>

namespace {

constexpr int catalogueProductCaption = 62430;
constexpr int userProductCaption = 62431;
constexpr int claddingCaption = 62391;
constexpr int ownSurfaceText = 62392;
constexpr int emissivityCaption = 62393;
constexpr int twoDecimalsFormat = 62394;
constexpr int surroundingsCaption = 62397;
constexpr int surroundingsTexts[3] = {62398, 62399, 62400};
constexpr int windCaption = 62401;
constexpr int windFormat = 62402;
constexpr int oneDecimalFormat = 62403;

} // namespace

bool AllFinite(std::initializer_list<float> values)
{
    for (float value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

void AddProductRows(TableRows& rows, const CIsolasjon& insulation)
{
    const CIsoProdukt* product = insulation.Product();
    const std::string name = product ? product->name : std::string();
    if (!insulation.UsesUserProduct()) {
        rows.Add(catalogueProductCaption, {name});
        return;
    }
    rows.Add(userProductCaption, {name});
    for (auto& [caption, value] : insulation.ConductivityRows())
        rows.Add(caption, {value});
}

void AddSurfaceRows(TableRows& rows, Surroundings surroundings, const CMantling* cladding, bool emissivityTyped,
                    float emissivity)
{
    if (surroundings == Surroundings::GivenCoefficient)
        return;
    rows.Add(claddingCaption, {emissivityTyped || !cladding ? LoadString(ownSurfaceText) : cladding->name});
    rows.Add(emissivityCaption, {FormatValue(twoDecimalsFormat, emissivity)});
}

void AddSurroundingsRows(TableRows& rows, Surroundings surroundings, float windSpeed, float givenCoefficient,
                         int givenCaption)
{
    switch (surroundings) {
    case Surroundings::Indoors:
        rows.Add(surroundingsCaption, {LoadString(surroundingsTexts[0])});
        break;
    case Surroundings::Outdoors:
        rows.Add(surroundingsCaption, {LoadString(surroundingsTexts[1])});
        rows.Add(windCaption, {FormatValue(windFormat, windSpeed)});
        break;
    default:
        rows.Add(surroundingsCaption, {LoadString(surroundingsTexts[2])});
        rows.Add(givenCaption, {FormatValue(oneDecimalFormat, givenCoefficient)});
        break;
    }
}
