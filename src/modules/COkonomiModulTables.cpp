#include "COkonomiModul.h"

#include "TableRows.h"
#include "doc/StringTable.h"

namespace {

// Captions of the tables.
constexpr int alternativeCaption = 62350; // "Isolertjocklek/pris"
constexpr int uValueCaption = 33;
constexpr int heatLossCaption = 62351;
constexpr int outerCoefficientCaption = 62501;
constexpr int co2Caption = 62679;
constexpr int energyCostCaption = 62352;
constexpr int investmentCaption = 62353;
constexpr int totalCaption = 62354;
constexpr int inputCaption = 62498; // "Ekonomisk isolering"
constexpr int inputValueCaption = 62408;

// Row captions.
constexpr int bareRow = 62510;        // "Oisolerad (emissivitet = %.2f)"
constexpr int requirementRow = 28;    // "U-värde enligt class 6 i EN 12828"

// Formats, per metre and per square metre.
constexpr int heatFlowFormat[2] = {62385, 62386}; // "%.1f W/m", "%.1f W/m²"
constexpr int costFormat[2] = {62499, 62500};     // "%.2f kr/m", "%.2f kr/m²"
constexpr int co2Format[2] = {62681, 62680};      // "%.1f kg/m", "%.0f kg/m²"
constexpr int uValueFormat[2] = {62705, 62706};   // "%.2f W/mK", "%.2f W/m²K"
constexpr int coefficientFormat = 62459;          // "%.1f W/m²K"

// The input table.
constexpr int kindTexts[] = {62360, 62361, 62362, 62410, 62363, 62427};
constexpr int surroundingsTexts[] = {62398, 62399, 62400};
constexpr int flowFormats[] = {62579, 62580, 62425}; // m³/h, l/s, m/s
constexpr int millimetreFormat = 62365;
constexpr int temperatureFormat = 62466;
constexpr int windFormat = 62402;
constexpr int coefficientValueFormat = 62403;
constexpr int hoursFormat = 62412;
constexpr int priceFormat = 62414;
constexpr int co2FactorFormat = 62675;
constexpr int yearsFormat = 62494;
constexpr int percentFormat = 62496;

const std::string notApplicable = "-";

} // namespace

void COkonomiModul::fillTables(const EconomyResults& results)
{
    const int unit = IsFlat() ? 1 : 0;
    TableRows heatLoss(3);
    TableRows costs(4);
    for (const EconomyRow& row : results.rows) {
        std::string caption;
        if (row.requirement)
            caption = LoadString(requirementRow);
        else if (row.alternative)
            // As the alternative dialog names it, with the product's present name.
            caption = row.alternative->DisplayText();
        else
            caption = Sprintf(LoadString(bareRow), double(bareEmissivity));

        heatLoss.Add(caption, {FormatValue(uValueFormat[unit], row.uValue), FormatValue(heatFlowFormat[unit], row.heatFlow),
                               row.requirement ? notApplicable : FormatValue(coefficientFormat, row.outerCoefficient)});
        std::vector<std::string> values{FormatValue(co2Format[unit], row.cost.co2),
                                        FormatValue(costFormat[unit], row.cost.energyCost)};
        if (row.requirement) {
            values.push_back(notApplicable);
            values.push_back(notApplicable);
        } else {
            values.push_back(FormatValue(costFormat[unit], row.investment));
            values.push_back(FormatValue(costFormat[unit], row.total));
        }
        costs.Add(caption, std::move(values));
    }
    heatLoss.Fill(heatLossTable, {alternativeCaption, uValueCaption, heatLossCaption, outerCoefficientCaption});
    // The header is row 0 of the table.
    costs.Fill(costTable, {alternativeCaption, co2Caption, energyCostCaption, investmentCaption, totalCaption},
               results.best + 1);
}

void COkonomiModul::fillInputTable()
{
    TableRows rows(1);
    rows.Add(62359, {LoadString(kindTexts[objectKind])});
    switch (objectKind) {
    case 0:
    case 1:
        rows.Add(62364, {FormatValue(millimetreFormat, objectKind == 0 ? pipeDiameter : ductDiameter)});
        break;
    case 2:
    case 3:
        rows.Add(62366, {FormatValue(millimetreFormat, height)});
        rows.Add(62368, {FormatValue(millimetreFormat, width)});
        break;
    default:
        if (orientation == 1)
            rows.Add(34, {FormatValue(millimetreFormat, height)});
        break;
    }
    rows.Add(62409, {FormatValue(temperatureFormat, mediumTemperature)});
    rows.Add(62395, {FormatValue(temperatureFormat, ambientTemperature)});
    rows.Add(62397, {LoadString(surroundingsTexts[int(surroundings)])});
    if (surroundings == Surroundings::Outdoors)
        rows.Add(62401, {FormatValue(windFormat, windSpeed)});
    else if (surroundings == Surroundings::GivenCoefficient)
        rows.Add(62404, {FormatValue(coefficientValueFormat, givenCoefficient)});
    rows.Add(62411, {FormatValue(hoursFormat, operatingHours)});
    rows.Add(62413, {FormatValue(priceFormat, energyPrice)});
    rows.Add(62676, {FormatValue(co2FactorFormat, co2Factor)});
    rows.Add(62493, {FormatValue(yearsFormat, depreciationTime)});
    rows.Add(62495, {FormatValue(percentFormat, priceIncrease)});
    rows.Add(62497, {FormatValue(percentFormat, interestRate)});
    if (IsDuct())
        rows.Add(61221, {FormatValue(flowFormats[flowUnit], flow)});
    rows.Fill(inputTable, {inputCaption, inputValueCaption});
}
