#include "CInnvendigKondensModul.h"

#include "CondensationTables.h"
#include "KernelMessages.h"
#include "ModulePage.h"
#include "doc/StringTable.h"
#include "platform/Services.h"
#include "thermal/Conductivity.h"
#include "thermal/Messages.h"
#include "thermal/RequirementClasses.h"

#include <algorithm>

namespace {

constexpr int conductivityNotPositive = 62725; // λ ≤ 0 between %.1f and %.1f °C

// Captions of the tables.
constexpr int tableCaption = 62336; // "Isolering mot invändig kondens "
constexpr int resultCaption = 62312;
constexpr int inputCaption = 62408;
constexpr int neededCaption = 62522;
constexpr int standardCaption = 62523;

// Row captions.
constexpr int neededThicknessRow = 62452;
constexpr int standardThicknessRow = 62458;
constexpr int thicknessRow = 62521;
constexpr int outerCoefficientRow = 62441;
constexpr int innerCoefficientRow = 62442;
constexpr int dewPointRow = 62334;
constexpr int heatLossRow = 62322;
constexpr int outletTempRow = 62488;
constexpr int innerSurfaceRow = 62539;
constexpr int quantityRow = 62646;
constexpr int uValueRow = 31;
constexpr int requirementRow = 28;

// Formats.
constexpr int millimetreFormat = 62457;  // "%.1f mm"
constexpr int temperatureFormat = 62466; // "%.1f °C"
constexpr int coefficientFormat = 62459; // "%.1f W/m²K"
constexpr int perMetreFormat = 62385;    // "%.1f W/m"
constexpr int uFormat = 62705;           // "%.2f W/mK"
constexpr int areaFormat = 62467;        // "%.2f m²"
constexpr int metreFormat = 62371;       // "%.2f m"
constexpr int oneDecimalFormat = 62403;  // "%.1f"
constexpr int humidityFormat = 62487;    // "%.1f %%"
// Flow by unit: m³/h, l/s, m/s.
constexpr int flowFormats[3] = {62579, 62580, 62425};

} // namespace

float CInnvendigKondensModul::InsulatedEmissivity() const
{
    if (surfaceSource || surroundings == Surroundings::GivenCoefficient || !outerCladding)
        return surfaceEmissivity;
    return outerCladding->emissivity;
}

thermal::DuctCondensationInputs CInnvendigKondensModul::ThermalInputs() const
{
    thermal::DuctCondensationInputs d;
    thermal::Inputs& in = d.duct;
    in.objectKind = InsulatedKind();
    in.mediumTemp = inletTemperature;
    in.ambientTemp = ambientTemperature;
    in.diameter = ductDiameter / 1000.0f;
    in.height = height / 1000.0f;
    in.width = width / 1000.0f;
    in.layer1 = insulation.KernelProduct();
    in.surface.surroundings = surroundings;
    in.surface.orientation = orientation;
    in.surface.windSpeed = windSpeed;
    in.surface.givenCoefficient = givenCoefficient;
    in.surface.emissivity = InsulatedEmissivity();
    in.flow = VolumeFlow();
    d.dewPoint = DewPoint();
    d.coolingLength = CoolingLength();
    d.givenInnerCoefficient = innerCoefficientGiven ? givenInnerCoefficient : 0.0f;
    return d;
}

bool CInnvendigKondensModul::Calculate()
{
    if (!inputUsable()) {
        clearPage();
        resultsValid = false;
        return false;
    }
    const thermal::DuctCondensationInputs in = ThermalInputs();
    // The insulation lies between the air and the surroundings, and its
    // first thickness takes λ at 0 °C: a conductivity curve that reaches
    // zero anywhere there would make a thin layer look enough.
    const float ta = ambientTemperature;
    const float tin = inletTemperature;
    const bool needsInsulation = (tin - ta) / (in.dewPoint - ta) > 1.0001f;
    const float low = std::min({ta, tin, 0.0f});
    const float high = std::max({ta, tin, 0.0f});
    if (needsInsulation && !thermal::ConductivityPositiveBetween(in.duct.layer1.conductivity, low, high)) {
        platform::prompter().Tell(Sprintf(LoadString(conductivityNotPositive), double(low), double(high)));
        return fail(0);
    }

    const thermal::InnerDewPointResult found = thermal::ThicknessForInnerDewPoint(in);
    if (found.failure != 0)
        return fail(found.failure);
    if (!fillResultTable(found, in))
        return fail(thermal::thicknessTooLarge);
    fillInputTable();
    showResults();
    resultsValid = true;
    return true;
}

bool CInnvendigKondensModul::fail(int kernelFailure)
{
    ShowKernelMessages({}, kernelFailure);
    clearPage();
    resultsValid = false;
    return false;
}

// A document is checked as the dialog checks and refused with its message.
bool CInnvendigKondensModul::inputUsable() const
{
    InputCheck check;
    const InternalCondensationInput& input = *this;
    if (ExchangeAll(check, internalCondensationFields::all, input) &&
        CheckInternalCondensationInput(input, outerCladding != nullptr, check))
        return true;
    platform::prompter().Tell(check.Message());
    return false;
}

bool CInnvendigKondensModul::fillResultTable(const thermal::InnerDewPointResult& found,
                                             const thermal::DuctCondensationInputs& in)
{
    const thermal::DuctCooling& needed = found.needed;
    const float ta = ambientTemperature;
    const float tin = inletTemperature;
    const float D = thermal::EquivalentDiameter(InsulatedKind(), 0.0f, ductDiameter, height, width);
    // Per metre of the real duct; the supports only lengthen the cooling.
    const auto perMetre = [this](const thermal::DuctCooling& c) { return c.heatLoss / ductLength; };
    const auto uValue = [&](const thermal::DuctCooling& c) { return perMetre(c) / ((tin + c.outletTemp) / 2.0f - ta); };
    // The insulation's outer face over the duct's length.
    const auto quantity = [&](const thermal::DuctCooling& c) {
        const float s = c.thickness;
        if (Circular())
            return CylinderSurface(in.duct.diameter + 2.0f * s, ductLength);
        return RectangleSurface(in.duct.height + 2.0f * s, in.duct.width + 2.0f * s, ductLength);
    };
    const auto finite = [&](const thermal::DuctCooling& c) {
        return AllFinite({c.thickness, c.outerCoefficient, c.innerCoefficient, c.outletTemp, c.innerSurfaceTemp,
                          perMetre(c), uValue(c), quantity(c)});
    };
    if (!finite(needed) || !AllFinite({in.dewPoint}))
        return false;

    const CIsoProdukt* product = insulation.UsesUserProduct() ? nullptr : insulation.Product();
    std::string standardText;
    float standard = -1.0f;
    if (product && found.insulated)
        standard = product->NextStandardThickness(needed.thickness, standardText);

    if (standard > 0.0f) {
        const thermal::DuctCooling atStandard = thermal::DuctCoolingAt(in, standard / 1000.0f, needed.surfaceTemp);
        if (!finite(atStandard))
            return false;
        const auto both = [](int format, float a, float b) {
            return std::vector<std::string>{FormatValue(format, a), FormatValue(format, b)};
        };
        TableRows rows(2);
        rows.Add(thicknessRow, both(millimetreFormat, needed.thickness * 1000.0f, standard));
        rows.Add(outerCoefficientRow, both(coefficientFormat, needed.outerCoefficient, atStandard.outerCoefficient));
        rows.Add(innerCoefficientRow, both(coefficientFormat, needed.innerCoefficient, atStandard.innerCoefficient));
        rows.Add(dewPointRow, both(temperatureFormat, in.dewPoint, in.dewPoint));
        rows.Add(heatLossRow, both(perMetreFormat, perMetre(needed), perMetre(atStandard)));
        rows.Add(outletTempRow, both(temperatureFormat, needed.outletTemp, atStandard.outletTemp));
        rows.Add(innerSurfaceRow, both(temperatureFormat, needed.innerSurfaceTemp, atStandard.innerSurfaceTemp));
        rows.Add(quantityRow, both(areaFormat, quantity(needed), quantity(atStandard)));
        rows.Add(uValueRow, both(uFormat, uValue(needed), uValue(atStandard)));
        rows.Add(requirementRow, {"-", thermal::RequirementUValueText(D)});
        rows.Fill(resultTable, {tableCaption, neededCaption, standardCaption});
        return true;
    }

    TableRows rows(1);
    rows.Add(neededThicknessRow, {FormatValue(millimetreFormat, needed.thickness * 1000.0f)});
    if (product && found.insulated)
        rows.Add(standardThicknessRow, {standardText});
    rows.Add(outerCoefficientRow, {FormatValue(coefficientFormat, needed.outerCoefficient)});
    rows.Add(innerCoefficientRow, {FormatValue(coefficientFormat, needed.innerCoefficient)});
    rows.Add(dewPointRow, {FormatValue(temperatureFormat, in.dewPoint)});
    rows.Add(heatLossRow, {FormatValue(perMetreFormat, perMetre(needed))});
    rows.Add(outletTempRow, {FormatValue(temperatureFormat, needed.outletTemp)});
    if (found.insulated)
        rows.Add(innerSurfaceRow, {FormatValue(temperatureFormat, needed.innerSurfaceTemp)});
    rows.Add(uValueRow, {FormatValue(uFormat, uValue(needed))});
    rows.Add(requirementRow, {thermal::RequirementUValueText(D)});
    rows.Fill(resultTable, {tableCaption, resultCaption});
    return true;
}

void CInnvendigKondensModul::fillInputTable()
{
    TableRows rows(1);
    rows.Add(62489, {LoadString(Circular() ? 62361 : 62362)});
    if (Circular()) {
        rows.Add(62364, {FormatValue(millimetreFormat, ductDiameter)});
    } else {
        rows.Add(62366, {FormatValue(millimetreFormat, height)});
        rows.Add(62368, {FormatValue(millimetreFormat, width)});
    }
    rows.Add(62542, {FormatValue(metreFormat, ductLength)});
    AddProductRows(rows, insulation);
    AddSurfaceRows(rows, surroundings, outerCladding, surfaceSource, InsulatedEmissivity());
    rows.Add(62395, {FormatValue(temperatureFormat, ambientTemperature)});
    AddSurroundingsRows(rows, surroundings, windSpeed, givenCoefficient, outerCoefficientRow);
    if (innerCoefficientGiven)
        rows.Add(innerCoefficientRow, {FormatValue(oneDecimalFormat, givenInnerCoefficient)});
    rows.Add(19, {LoadString(supports ? 20 : 21)});
    rows.Add(62447, {FormatValue(flowFormats[std::clamp(int(flowUnit), 0, FlowUnitCount - 1)], flow)});
    rows.Add(62426, {FormatValue(temperatureFormat, inletTemperature)});
    rows.Add(62486, {FormatValue(humidityFormat, relativeHumidity)});
    rows.Fill(inputTable, {tableCaption, inputCaption});
}

void CInnvendigKondensModul::showResults()
{
    PageFlow flow;
    flow.Place(resultTable);
    flow.Place(inputTable);
    ShowOnPage(pageIndex, {&resultTable, &inputTable});
}

void CInnvendigKondensModul::clearPage()
{
    RemoveFromPage(pageIndex, {&resultTable, &inputTable});
}
