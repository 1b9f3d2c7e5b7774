#include "CUtvendigKondensModul.h"

#include "CondensationTables.h"
#include "doc/StringTable.h"
#include "thermal/RequirementClasses.h"

namespace {

// Captions of the tables.
constexpr int tableCaption = 62332; // "Isolering mot utvändig kondens"
constexpr int resultCaption = 62312;
constexpr int inputCaption = 62408;
constexpr int neededCaption = 62522;
constexpr int standardCaption = 62523;

// Row captions.
constexpr int neededThicknessRow = 62452;
constexpr int standardThicknessRow = 62458;
constexpr int thicknessRow = 62521;
constexpr int surfaceTempRow = 62317;
constexpr int dewPointRow = 62334;
constexpr int outerCoefficientRow = 62450;
constexpr int heatLossRow = 62322;
constexpr int uValueRow = 31;
constexpr int requirementRow = 28;

// Formats.
constexpr int millimetreFormat = 62457;     // "%.1f mm"
constexpr int temperatureFormat = 62466;    // "%.1f °C"
constexpr int coefficientFormat = 62459;    // "%.1f W/m²K"
constexpr int perMetreFormat = 62385;       // "%.1f W/m"
constexpr int perSquareMetreFormat = 62453; // "%.1f W/m²"
constexpr int uPerMetreFormat = 62705;      // "%.2f W/mK"
constexpr int uPerSquareMetreFormat = 62706; // "%.2f W/m²K"
constexpr int doesNotFitFormat = 62721;     // "%.1f mm ryms inte i kanalen"

// "Rörledning" … "Yta invändig isolering" by object kind.
constexpr int kindTexts[] = {62360, 62361, 62362, 62410, 62363, 62427};
constexpr int diameterFormat = 62365;     // "%.1f mm"
constexpr int humidityFormat = 62487;     // "%.1f %%"

} // namespace

bool CUtvendigKondensModul::fillResultTable(const thermal::OuterDewPointResult& found, float dewPoint,
                                            const thermal::Inputs& in)
{
    const bool flat = FlatSurface();
    const int flowFormat = flat ? perSquareMetreFormat : perMetreFormat;
    const int uFormat = flat ? uPerSquareMetreFormat : uPerMetreFormat;
    const float dT = mediumTemperature - ambientTemperature;
    const float D = thermal::EquivalentDiameter(objectKind, pipeDiameter, ductDiameter, height, width);
    const float needed = found.thickness * 1000.0f; // mm
    drawnOutline_ = found.outline;

    // The next standard thickness of a maker's product, when insulation is
    // needed at all.
    const CIsoProdukt* product = insulation.UsesUserProduct() ? nullptr : insulation.Product();
    std::string standardText;
    float standard = -1.0f;
    if (product && found.insulated)
        standard = product->NextStandardThickness(found.thickness, standardText);
    // Lining a duct with it would close the duct: the comparison is left out
    // and the row says why.
    if (standard > 0.0f && objectKind == thermal::kind::ductInside &&
        (2.0f * standard >= width || 2.0f * standard >= height)) {
        standardText = ShownValue(doesNotFitFormat, standard);
        standard = -1.0f;
    }

    if (standard > 0.0f) {
        const thermal::OuterSurfaceState atStandard = thermal::OuterDewPointStandard(in, standard);
        if (!AllFinite({needed, dewPoint, found.outerCoefficient, found.heatFlow, atStandard.surfaceTemp,
                        atStandard.outerCoefficient, atStandard.heatFlow}))
            return false;
        drawnOutline_ = atStandard.outline;
        TableRows rows(2);
        rows.Add(thicknessRow, {ShownValue(millimetreFormat, needed), ShownValue(millimetreFormat, standard)});
        rows.Add(surfaceTempRow,
                 {ShownValue(temperatureFormat, dewPoint), ShownValue(temperatureFormat, atStandard.surfaceTemp)});
        rows.Add(dewPointRow, {ShownValue(temperatureFormat, dewPoint), ShownValue(temperatureFormat, dewPoint)});
        rows.Add(outerCoefficientRow, {ShownValue(coefficientFormat, found.outerCoefficient),
                                       ShownValue(coefficientFormat, atStandard.outerCoefficient)});
        rows.Add(heatLossRow,
                 {ShownValue(flowFormat, found.heatFlow), ShownValue(flowFormat, atStandard.heatFlow)});
        rows.Add(uValueRow,
                 {ShownValue(uFormat, found.heatFlow / dT), ShownValue(uFormat, atStandard.heatFlow / dT)});
        rows.Add(requirementRow, {{}, thermal::RequirementUValueText(D)});
        rows.Fill(resultTable, {tableCaption, neededCaption, standardCaption});
        return true;
    }

    if (!AllFinite({needed, dewPoint, found.outerCoefficient, found.heatFlow}))
        return false;
    TableRows rows(1);
    rows.Add(neededThicknessRow, {ShownValue(millimetreFormat, needed)});
    if (product && found.insulated)
        rows.Add(standardThicknessRow, {standardText});
    rows.Add(dewPointRow, {ShownValue(temperatureFormat, dewPoint)});
    rows.Add(outerCoefficientRow, {ShownValue(coefficientFormat, found.outerCoefficient)});
    rows.Add(heatLossRow, {ShownValue(flowFormat, found.heatFlow)});
    rows.Add(uValueRow, {ShownValue(uFormat, found.heatFlow / dT)});
    rows.Add(requirementRow, {thermal::RequirementUValueText(D)});
    rows.Fill(resultTable, {tableCaption, resultCaption});
    return true;
}

void CUtvendigKondensModul::fillInputTable()
{
    TableRows rows(1);
    rows.Add(62359, {LoadString(kindTexts[objectKind])});
    switch (objectKind) {
    case thermal::kind::pipe:
    case thermal::kind::circularDuct:
        rows.Add(62364, {ShownValue(diameterFormat, objectKind == thermal::kind::pipe ? pipeDiameter : ductDiameter)});
        break;
    case thermal::kind::ductOutside:
    case thermal::kind::ductInside:
        rows.Add(62366, {ShownValue(diameterFormat, height)});
        rows.Add(62368, {ShownValue(diameterFormat, width)});
        break;
    default:
        if (Vertical())
            rows.Add(34, {ShownValue(diameterFormat, height)});
        break;
    }
    AddProductRows(rows, insulation);
    AddSurfaceRows(rows, surroundings, outerCladding, surfaceSource, InsulatedEmissivity());
    if (InsideInsulated() && innerCladdingEnabled && innerCladding)
        rows.Add(62396, {innerCladding->name});
    rows.Add(62409, {ShownValue(temperatureFormat, mediumTemperature)});
    rows.Add(62395, {ShownValue(temperatureFormat, ambientTemperature)});
    rows.Add(62486, {ShownValue(humidityFormat, relativeHumidity)});
    AddSurroundingsRows(rows, surroundings, windSpeed, givenCoefficient, 62404);
    rows.Fill(inputTable, {tableCaption, inputCaption});
}
