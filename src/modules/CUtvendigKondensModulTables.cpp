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
constexpr int doesNotFitFormat = 62720;     // "%.1f mm ryms inte i kanalen"

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
    if (standard > 0.0f && objectKind == ObjectKind::RectangularDuctInside &&
        (2.0f * standard >= width || 2.0f * standard >= height)) {
        standardText = FormatValue(doesNotFitFormat, standard);
        standard = -1.0f;
    }

    if (standard > 0.0f) {
        const thermal::OuterSurfaceState atStandard = thermal::OuterDewPointStandard(in, standard);
        if (!AllFinite({needed, dewPoint, found.outerCoefficient, found.heatFlow, atStandard.surfaceTemp,
                        atStandard.outerCoefficient, atStandard.heatFlow}))
            return false;
        drawnOutline_ = atStandard.outline;
        TableRows rows(2);
        rows.Add(thicknessRow, {FormatValue(millimetreFormat, needed), FormatValue(millimetreFormat, standard)});
        rows.Add(surfaceTempRow,
                 {FormatValue(temperatureFormat, dewPoint), FormatValue(temperatureFormat, atStandard.surfaceTemp)});
        rows.Add(dewPointRow, {FormatValue(temperatureFormat, dewPoint), FormatValue(temperatureFormat, dewPoint)});
        rows.Add(outerCoefficientRow, {FormatValue(coefficientFormat, found.outerCoefficient),
                                       FormatValue(coefficientFormat, atStandard.outerCoefficient)});
        rows.Add(heatLossRow,
                 {FormatValue(flowFormat, found.heatFlow), FormatValue(flowFormat, atStandard.heatFlow)});
        rows.Add(uValueRow,
                 {FormatValue(uFormat, found.heatFlow / dT), FormatValue(uFormat, atStandard.heatFlow / dT)});
        rows.Add(requirementRow, {{}, thermal::RequirementUValueText(D)});
        rows.Fill(resultTable, {tableCaption, neededCaption, standardCaption});
        return true;
    }

    if (!AllFinite({needed, dewPoint, found.outerCoefficient, found.heatFlow}))
        return false;
    TableRows rows(1);
    rows.Add(neededThicknessRow, {FormatValue(millimetreFormat, needed)});
    if (product && found.insulated)
        rows.Add(standardThicknessRow, {standardText});
    rows.Add(dewPointRow, {FormatValue(temperatureFormat, dewPoint)});
    rows.Add(outerCoefficientRow, {FormatValue(coefficientFormat, found.outerCoefficient)});
    rows.Add(heatLossRow, {FormatValue(flowFormat, found.heatFlow)});
    rows.Add(uValueRow, {FormatValue(uFormat, found.heatFlow / dT)});
    rows.Add(requirementRow, {thermal::RequirementUValueText(D)});
    rows.Fill(resultTable, {tableCaption, resultCaption});
    return true;
}

void CUtvendigKondensModul::fillInputTable()
{
    TableRows rows(1);
    rows.Add(62359, {LoadString(kindTexts[int(objectKind)])});
    switch (objectKind) {
    case ObjectKind::Pipe:
    case ObjectKind::CircularDuct:
        rows.Add(62364, {FormatValue(diameterFormat, objectKind == ObjectKind::Pipe ? pipeDiameter : ductDiameter)});
        break;
    case ObjectKind::RectangularDuctOutside:
    case ObjectKind::RectangularDuctInside:
        rows.Add(62366, {FormatValue(diameterFormat, height)});
        rows.Add(62368, {FormatValue(diameterFormat, width)});
        break;
    default:
        if (Vertical())
            rows.Add(34, {FormatValue(diameterFormat, height)});
        break;
    }
    AddProductRows(rows, insulation);
    AddSurfaceRows(rows, surroundings, outerCladding, surfaceSource, InsulatedEmissivity());
    if (InsideInsulated() && innerCladdingEnabled && innerCladding)
        rows.Add(62396, {innerCladding->name});
    rows.Add(62409, {FormatValue(temperatureFormat, mediumTemperature)});
    rows.Add(62395, {FormatValue(temperatureFormat, ambientTemperature)});
    rows.Add(62486, {FormatValue(humidityFormat, relativeHumidity)});
    AddSurroundingsRows(rows, surroundings, windSpeed, givenCoefficient, 62404);
    rows.Fill(inputTable, {tableCaption, inputCaption});
}
