#include "CFrostModul.h"

#include "TableRows.h"
#include "doc/StringTable.h"

namespace {

// Table captions.
constexpr int frostCaption = 62740;
constexpr int riseCaption = 62741;
constexpr int resultCaption = 62312;
constexpr int inputCaption = 62408;

// Result rows.
constexpr int coolingTimeRow = 62742;
constexpr int freezeTimeRow = 62743;
constexpr int totalTimeRow = 62744;
constexpr int heatingPowerRow = 62745;
constexpr int waterTemperatureRow = 62746; // "Vattentemperatur efter %.0f timmars stillestånd"
constexpr int outerCoefficientRow = 62441;
constexpr int uValueRow = 31;
constexpr int requirementRow = 28;

// Input rows.
constexpr int pipeDiameterRow = 62748;
constexpr int wallThicknessRow = 62749;
constexpr int catalogueProductRow = 62430;
constexpr int userProductRow = 62431;
constexpr int thicknessRow = 62521;
constexpr int claddingRow = 62391;
constexpr int ownCladdingText = 62392;
constexpr int emissivityRow = 62393;
constexpr int startTemperatureRow = 62750;
constexpr int freezeFractionRow = 62751;
constexpr int ambientRow = 62395;
constexpr int surroundingsRow = 62397;
constexpr int indoorsText = 62398;
constexpr int outdoorsText = 62399;
constexpr int givenText = 62400;
constexpr int windRow = 62401;
constexpr int coefficientRow = 62404;

// Formats.
constexpr int hoursFormat = 62747;         // "%.1f h"
constexpr int perMetreFormat = 62385;      // "%.1f W/m"
constexpr int coefficientFormat = 62459;   // "%.1f W/m²K"
constexpr int uPerMetreFormat = 62705;     // "%.2f W/mK"
constexpr int temperatureFormat = 62466;   // "%.1f °C"
constexpr int millimetreFormat = 62457;    // "%.1f mm"
constexpr int twoDecimalsFormat = 62394;   // "%.2f"
constexpr int oneDecimalFormat = 62403;    // "%.1f"
constexpr int windFormat = 62402;          // "%.1f m/s"
constexpr int percentFormat = 62752;       // "%.0f %%"

// The rows of one column of values. Numbers are cleared of a negative zero
// (FormatValue does it for its own); names stay as they are.
class Rows {
public:
    void Add(int captionId, std::string text) { rows_.Add(captionId, {std::move(text)}); }
    void AddNumber(std::string caption, std::string number)
    {
        rows_.Add(std::move(caption), {WithoutNegativeZero(std::move(number))});
    }
    void AddNumber(int captionId, int formatId, float value)
    {
        rows_.Add(captionId, {FormatValue(formatId, value)});
    }
    void Fill(CTabell& table, int captionId, int headerId) const { rows_.Fill(table, {captionId, headerId}); }

private:
    TableRows rows_{1};
};

} // namespace

void CFrostModul::fillResultTable(const Results& results)
{
    Rows rows;
    if (FrostMode()) {
        rows.AddNumber(coolingTimeRow, hoursFormat, results.coolingTime);
        rows.AddNumber(freezeTimeRow, hoursFormat, results.freezeTime);
        rows.AddNumber(totalTimeRow, hoursFormat, results.coolingTime + results.freezeTime);
        rows.AddNumber(heatingPowerRow, perMetreFormat, results.heatingPower);
    } else {
        rows.AddNumber(Sprintf(LoadString(waterTemperatureRow), double(standstillTime)),
                       FormatValue(temperatureFormat, results.endTemperature));
    }
    rows.AddNumber(outerCoefficientRow, coefficientFormat, results.outerCoefficient);
    rows.AddNumber(uValueRow, uPerMetreFormat, results.uValue);
    rows.AddNumber(requirementRow, uPerMetreFormat, results.requirement);
    rows.Fill(resultTable, FrostMode() ? frostCaption : riseCaption, resultCaption);
}

void CFrostModul::fillInputTable()
{
    Rows rows;
    rows.AddNumber(pipeDiameterRow, millimetreFormat, pipeDiameter);
    rows.AddNumber(wallThicknessRow, millimetreFormat, wallThickness);

    const CIsoProdukt* product = insulation.Product();
    const std::string productName = product ? product->name : std::string();
    rows.Add(insulation.UsesUserProduct() ? userProductRow : catalogueProductRow, productName);
    rows.AddNumber(thicknessRow, millimetreFormat, insulation.Thickness());
    if (insulation.UsesUserProduct())
        for (auto& [caption, value] : insulation.ConductivityRows())
            rows.AddNumber(caption, value);

    if (surroundings != Surroundings::GivenCoefficient) {
        const bool own = ownEmissivity || !cladding_;
        rows.Add(claddingRow, own ? LoadString(ownCladdingText) : cladding_->name);
        rows.AddNumber(emissivityRow, twoDecimalsFormat, InsulatedEmissivity());
    }
    rows.AddNumber(startTemperatureRow, temperatureFormat, startTemperature);
    if (FrostMode())
        rows.AddNumber(freezeFractionRow, percentFormat, freezeFraction);
    rows.AddNumber(ambientRow, temperatureFormat, ambientTemperature);
    switch (surroundings) {
    case Surroundings::Indoors:
        rows.Add(surroundingsRow, LoadString(indoorsText));
        break;
    case Surroundings::Outdoors:
        rows.Add(surroundingsRow, LoadString(outdoorsText));
        rows.AddNumber(windRow, windFormat, windSpeed);
        break;
    case Surroundings::GivenCoefficient:
        rows.Add(surroundingsRow, LoadString(givenText));
        rows.AddNumber(coefficientRow, oneDecimalFormat, outerCoefficient);
        break;
    }
    rows.Fill(inputTable, FrostMode() ? frostCaption : riseCaption, inputCaption);
}
