#include "CVarmeTapModul.h"

#include "TableRows.h"
#include "doc/StringTable.h"
#include "thermal/RequirementClasses.h"

namespace {

// Captions of the tables.
constexpr int tableCaption = 62311; // "Värmeförlustberäkning"
constexpr int resultCaption = 62312;
constexpr int neededCaption = 62522;
constexpr int standardCaption = 62523;

// Row captions.
constexpr int surfaceTempRow = 62317;
constexpr int interfaceTempRow = 62318;
constexpr int heatLossRow = 62315;
constexpr int outerCoefficientRow = 62450;
constexpr int totalHeatLossRow = 62451;
constexpr int fittingsHeatLossRow = 12;
constexpr int totalWithFittingsRow = 13;
constexpr int innerCoefficientRow = 62442;
constexpr int energyRow = 62444;
constexpr int energyCostRow = 62445;
constexpr int bareHeatLossRow = 62448;
constexpr int bareTotalRow = 62593;
constexpr int bareEnergyRow = 62594;
constexpr int bareEnergyCostRow = 62595;
constexpr int quantityRow = 62646;
constexpr int quantityLayer1Row = 62644;
constexpr int quantityLayer2Row = 62645;
constexpr int co2SavedRow = 62677;
constexpr int uValueRow = 31;
constexpr int requirementRow = 28;
constexpr int neededThicknessRow = 62452;
constexpr int standardThicknessRow = 62458;
constexpr int standardDoesNotFit = 62720;
constexpr int thicknessRow = 62521;
constexpr int classRow = 67;

// Formats.
constexpr int temperatureFormat = 62466;  // "%.1f °C"
constexpr int perMetreFormat = 62385;     // "%.1f W/m"
constexpr int perSquareMetreFormat = 62386; // "%.1f W/m²"
constexpr int coefficientFormat = 62459;  // "%.1f W/m²K"
constexpr int wattFormat = 62701;         // "%.0f W"
constexpr int energyFormat = 62702;       // "%.0f kWh/år"
constexpr int costFormat = 62703;         // "%.0f kr/år"
constexpr int massFormat = 62704;         // "%.0f kg"
constexpr int uPerMetreFormat = 62705;    // "%.2f W/mK"
constexpr int uPerSquareMetreFormat = 62706; // "%.2f W/m²K"
constexpr int integerFormat = 62707;      // "%d"
constexpr int millimetreFormat = 62457;   // "%.1f mm"
constexpr int areaFormat = 62467;         // "%.2f m²"

} // namespace

bool CVarmeTapModul::isSurface() const
{
    return thermal::IsPlane(objectKind);
}

float CVarmeTapModul::extent() const
{
    return isSurface() ? area : length;
}

void CVarmeTapModul::fillGivenThicknessTable(const thermal::HeatFlow& insulated, const thermal::HeatFlow& bare,
                                             const thermal::Inputs& in)
{
    const int flowFormat = isSurface() ? perSquareMetreFormat : perMetreFormat;
    const int uFormat = isSurface() ? uPerSquareMetreFormat : uPerMetreFormat;
    const float q = insulated.heatFlow;
    const float total = q * extent();
    const float bareTotal = bare.heatFlow * extent();
    const float energy = total * operatingHours / 1000.0f;
    const float bareEnergy = bareTotal * operatingHours / 1000.0f;

    TableRows rows(1);
    rows.Add(surfaceTempRow, {FormatValue(temperatureFormat, insulated.surfaceTemp)});
    if (twoLayers)
        rows.Add(interfaceTempRow, {FormatValue(temperatureFormat, insulated.interfaceTemp)});
    rows.Add(heatLossRow, {FormatValue(flowFormat, q)});
    rows.Add(outerCoefficientRow, {FormatValue(coefficientFormat, insulated.outerCoefficient)});
    rows.Add(totalHeatLossRow, {FormatValue(wattFormat, total)});
    if (in.objectKind == ObjectKind::Pipe && fittingsUsed && !fittings.empty()) {
        // Each fitting counts as so many metres of bare pipe.
        float fittingLength = 0;
        for (const auto& fitting : fittings)
            fittingLength += fitting->EquivalentLength(pipeOuterDiameter);
        const float fittingLoss = fittingLength * bare.heatFlow;
        rows.Add(fittingsHeatLossRow, {FormatValue(wattFormat, fittingLoss)});
        rows.Add(totalWithFittingsRow, {FormatValue(wattFormat, total + fittingLoss)});
    }
    if (IsDuct(in.objectKind))
        rows.Add(innerCoefficientRow, {FormatValue(coefficientFormat, insulated.innerCoefficient)});
    if (energyCalc) {
        rows.Add(energyRow, {FormatValue(energyFormat, energy)});
        rows.Add(energyCostRow, {FormatValue(costFormat, energy * energyPrice / 100.0f)});
    }
    rows.Add(bareHeatLossRow, {FormatValue(flowFormat, bare.heatFlow)});
    rows.Add(bareTotalRow, {FormatValue(wattFormat, bareTotal)});
    if (energyCalc) {
        rows.Add(bareEnergyRow, {FormatValue(energyFormat, bareEnergy)});
        rows.Add(bareEnergyCostRow, {FormatValue(costFormat, bareEnergy * energyPrice / 100.0f)});
    }
    if (!isSurface()) {
        // The area of the insulation's outer face over the length.
        const float s1 = layer1.Thickness() / 1000.0f;
        const float s2 = twoLayers ? layer2.Thickness() / 1000.0f : 0.0f;
        const auto outerFace = [&](float grownBy, float shrunkBy) {
            if (thermal::IsRound(in.objectKind))
                return CylinderSurface(in.diameter + 2.0f * grownBy, length);
            if (in.objectKind == ObjectKind::RectangularDuctInside)
                return RectangleSurface(in.height - 2.0f * shrunkBy, in.width - 2.0f * shrunkBy, length);
            return RectangleSurface(in.height + 2.0f * grownBy, in.width + 2.0f * grownBy, length);
        };
        if (twoLayers) {
            // Inside a duct layer 1 lies against the air, layer 2 against the wall.
            rows.Add(quantityLayer1Row, {FormatValue(areaFormat, outerFace(s1, s2))});
            rows.Add(quantityLayer2Row, {FormatValue(areaFormat, outerFace(s1 + s2, 0.0f))});
        } else {
            rows.Add(quantityRow, {FormatValue(areaFormat, outerFace(s1, 0.0f))});
        }
    }
    if (energyCalc)
        rows.Add(co2SavedRow, {FormatValue(massFormat, (bareEnergy - energy) * co2Factor / 1000.0f)});
    rows.Add(uValueRow, {FormatValue(uFormat, q / (mediumTemp - ambientTemp))});
    const float D = thermal::EquivalentDiameter(in.objectKind, pipeOuterDiameter, diameter, height, width);
    rows.Add(requirementRow, {thermal::RequirementUValueText(D)});
    rows.Fill(resultTable, {tableCaption, resultCaption});
}

void CVarmeTapModul::fillSearchTable(const thermal::ThicknessResult& result, float heatFlowForTotal)
{
    const int flowFormat = isSurface() ? perSquareMetreFormat : perMetreFormat;
    const int uFormat = isSurface() ? uPerSquareMetreFormat : uPerMetreFormat;
    const float dT = mediumTemp - ambientTemp;
    const bool duct = IsDuct(objectKind);
    const float D = thermal::EquivalentDiameter(objectKind, pipeOuterDiameter, diameter, height, width);
    const thermal::HeatFlow& needed = result.needed;
    const thermal::HeatFlow& standard = result.standard;

    if (result.standardThickness > 0.0f) {
        // Compared with the product's next standard thickness. The needed
        // column shows the heat loss with the supports' share of a class.
        TableRows rows(2);
        rows.Add(thicknessRow, {FormatValue(millimetreFormat, result.thickness * 1000.0f),
                                FormatValue(millimetreFormat, result.standardThickness)});
        rows.Add(surfaceTempRow,
                 {FormatValue(temperatureFormat, needed.surfaceTemp), FormatValue(temperatureFormat, standard.surfaceTemp)});
        rows.Add(heatLossRow, {FormatValue(flowFormat, heatFlowForTotal), FormatValue(flowFormat, standard.heatFlow)});
        rows.Add(outerCoefficientRow, {FormatValue(coefficientFormat, needed.outerCoefficient),
                                       FormatValue(coefficientFormat, standard.outerCoefficient)});
        rows.Add(bareHeatLossRow, {FormatValue(flowFormat, result.bare.heatFlow), {}});
        if (duct)
            rows.Add(innerCoefficientRow, {FormatValue(coefficientFormat, needed.innerCoefficient),
                                           FormatValue(coefficientFormat, standard.innerCoefficient)});
        rows.Add(uValueRow, {FormatValue(uFormat, heatFlowForTotal / dT), FormatValue(uFormat, standard.heatFlow / dT)});
        if (criterion == Criterion::GivenHeatLoss)
            rows.Add(requirementRow, {{}, thermal::RequirementUValueText(D)});
        else if (criterion == Criterion::RequiredClass)
            rows.Add(classRow, {{}, Sprintf(LoadString(integerFormat), computedClass)});
        rows.Fill(resultTable, {tableCaption, neededCaption, standardCaption});
        return;
    }

    TableRows rows(1);
    rows.Add(neededThicknessRow, {FormatValue(millimetreFormat, result.thickness * 1000.0f)});
    if (!layer1.UsesUserProduct() && layer1.Product()) {
        std::string text;
        const float standard = layer1.Product()->NextStandardThickness(result.thickness, text);
        if (standard > 0.0f && !FitsInside(standard))
            text = Sprintf(LoadString(standardDoesNotFit), double(standard));
        rows.Add(standardThicknessRow, {text});
    }
    if (criterion != Criterion::GivenSurfaceTemp)
        rows.Add(surfaceTempRow, {FormatValue(temperatureFormat, needed.surfaceTemp)});
    rows.Add(heatLossRow, {FormatValue(flowFormat, needed.heatFlow)});
    rows.Add(outerCoefficientRow, {FormatValue(coefficientFormat, needed.outerCoefficient)});
    rows.Add(bareHeatLossRow, {FormatValue(flowFormat, result.bare.heatFlow)});
    if (criterion == Criterion::GivenClass)
        rows.Add(totalHeatLossRow, {FormatValue(wattFormat, heatFlowForTotal * extent())});
    if (duct)
        rows.Add(innerCoefficientRow, {FormatValue(coefficientFormat, needed.innerCoefficient)});
    rows.Add(uValueRow, {FormatValue(uFormat, needed.heatFlow / dT)});
    if (criterion == Criterion::GivenSurfaceTemp || criterion == Criterion::GivenHeatLoss)
        rows.Add(requirementRow, {thermal::RequirementUValueText(D)});
    else if (criterion == Criterion::RequiredClass)
        rows.Add(classRow, {Sprintf(LoadString(integerFormat), computedClass)});
    rows.Fill(resultTable, {tableCaption, resultCaption});
}

void CVarmeTapModul::fillBareTable(const thermal::HeatFlow& bare)
{
    const int uFormat = isSurface() ? uPerSquareMetreFormat : uPerMetreFormat;
    const float total = bare.heatFlow * extent();
    const float energy = total * operatingHours / 1000.0f;

    TableRows rows(1);
    rows.Add(surfaceTempRow, {FormatValue(temperatureFormat, bare.surfaceTemp)});
    rows.Add(neededThicknessRow, {FormatValue(millimetreFormat, 0.0f)});
    rows.Add(outerCoefficientRow, {FormatValue(coefficientFormat, bare.outerCoefficient)});
    rows.Add(totalHeatLossRow, {FormatValue(wattFormat, total)});
    if (energyCalc) {
        rows.Add(energyRow, {FormatValue(energyFormat, energy)});
        rows.Add(energyCostRow, {FormatValue(costFormat, energy * energyPrice / 100.0f)});
    }
    if (IsDuct(objectKind))
        rows.Add(innerCoefficientRow, {FormatValue(coefficientFormat, bare.innerCoefficient)});
    rows.Add(uValueRow, {FormatValue(uFormat, bare.heatFlow / (mediumTemp - ambientTemp))});
    const float D = thermal::EquivalentDiameter(objectKind, pipeOuterDiameter, diameter, height, width);
    rows.Add(requirementRow, {thermal::RequirementUValueText(D)});
    rows.Fill(resultTable, {tableCaption, resultCaption});
}
