#include "CVarmeTapModul.h"

#include "TableRows.h"
#include "doc/StringTable.h"

namespace {

constexpr int tableCaption = 62311;
constexpr int inputCaption = 62408;

// "Rörledning" … "Yta invändig isolering" by object kind.
constexpr int kindTexts[] = {62360, 62361, 62362, 62410, 62363, 62427};
// "Given isolertjocklek", "Given yttemperatur", "Given värmeförlust".
constexpr int criterionTexts[] = {62375, 62376, 62377};
constexpr int givenClassText = 64;
constexpr int classRequirementText = 63;

constexpr int millimetreFormat = 62457; // "%.1f mm"
constexpr int metreFormat = 62371;      // "%.2f m"
constexpr int areaFormat = 62467;       // "%.2f m²"
constexpr int temperatureFormat = 62466;
constexpr int twoDecimalsFormat = 62394;
constexpr int oneDecimalFormat = 62403;
constexpr int windFormat = 62402;
constexpr int hoursFormat = 62412;
constexpr int priceFormat = 62414;
constexpr int co2Format = 62675;
constexpr int dimensionFormat = 70; // "D.: %.1f mm; T: %.1f mm"
// Flow by unit: m³/h, l/s, m/s.
constexpr int flowFormats[] = {62579, 62580, 62425};

void AddLayer(TableRows& rows, const CIsolasjon& layer, int catalogueCaption, int userCaption)
{
    const CIsoProdukt* product = layer.Product();
    const std::string name = product ? product->name : std::string();
    if (!layer.UsesUserProduct()) {
        rows.Add(catalogueCaption, {name});
        return;
    }
    rows.Add(userCaption, {name});
    for (auto& [caption, value] : layer.ConductivityRows())
        rows.Add(caption, {value});
}

} // namespace

void CVarmeTapModul::fillInputTable()
{
    TableRows rows(1);
    const ObjectKind kind = objectKind;
    rows.Add(62359, {LoadString(kindTexts[int(kind)])});

    switch (kind) {
    case ObjectKind::Pipe:
    case ObjectKind::CircularDuct:
        rows.Add(62364, {FormatValue(millimetreFormat, kind == ObjectKind::Pipe ? pipeOuterDiameter : diameter)});
        rows.Add(62370, {FormatValue(metreFormat, length)});
        break;
    case ObjectKind::RectangularDuctOutside:
    case ObjectKind::RectangularDuctInside:
        rows.Add(62366, {FormatValue(millimetreFormat, height)});
        rows.Add(62368, {FormatValue(millimetreFormat, width)});
        rows.Add(62370, {FormatValue(metreFormat, length)});
        break;
    default:
        rows.Add(62372, {FormatValue(areaFormat, area)});
        if (orientation == 1)
            rows.Add(34, {FormatValue(millimetreFormat, height)});
        break;
    }
    if (kind == ObjectKind::Pipe) {
        rows.Add(68, {pipe_.Material() ? pipe_.Material()->name : std::string()});
        rows.Add(69, {Sprintf(LoadString(dimensionFormat), double(pipeOuterDiameter), double(pipeWall))});
    }
    rows.Add(22, {FormatValue(twoDecimalsFormat, bareEmissivity)});

    const bool flat = isSurface();
    switch (criterion) {
    case Criterion::GivenThickness:
        rows.Add(62374, {LoadString(criterionTexts[0])});
        rows.Add(62379, {FormatValue(millimetreFormat, layer1.Thickness())});
        if (twoLayers)
            rows.Add(62380, {FormatValue(millimetreFormat, layer2.Thickness())});
        break;
    case Criterion::GivenSurfaceTemp:
        rows.Add(62374, {LoadString(criterionTexts[1])});
        rows.Add(62382, {FormatValue(temperatureFormat, givenSurfaceTemp)});
        break;
    case Criterion::GivenHeatLoss:
        rows.Add(62374, {LoadString(criterionTexts[2])});
        rows.Add(62384, {FormatValue(flat ? 62386 : 62385, givenHeatLoss)});
        break;
    case Criterion::GivenClass:
        rows.Add(62374, {Sprintf(LoadString(givenClassText), givenClass + 1)});
        break;
    default:
        rows.Add(62374, {LoadString(classRequirementText)});
        break;
    }

    AddLayer(rows, layer1, 62387, 62389);
    if (BothLayers())
        AddLayer(rows, layer2, 62388, 62390);

    if (surroundings != Surroundings::GivenCoefficient) {
        const bool own = emissivityTyped || !outerCladding_;
        rows.Add(62391, {own ? LoadString(62392) : outerCladding_->name});
        rows.Add(62393, {FormatValue(twoDecimalsFormat, InsulatedEmissivity())});
    }
    if (UsesInsideOuterList() && innerCladdingUsed && innerCladding_)
        rows.Add(62396, {innerCladding_->name});

    rows.Add(62409, {FormatValue(temperatureFormat, mediumTemp)});
    rows.Add(62395, {FormatValue(temperatureFormat, ambientTemp)});

    switch (surroundings) {
    case Surroundings::Indoors:
        rows.Add(62397, {LoadString(62398)});
        break;
    case Surroundings::Outdoors:
        rows.Add(62397, {LoadString(62399)});
        rows.Add(62401, {FormatValue(windFormat, windSpeed)});
        break;
    default:
        rows.Add(62397, {LoadString(62400)});
        rows.Add(62404, {FormatValue(oneDecimalFormat, givenCoefficient)});
        break;
    }

    if (!flat && fittingsUsed && (criterion == Criterion::GivenThickness || criterion == Criterion::GivenSurfaceTemp))
        for (const auto& fitting : fittings)
            rows.Add(62405, {fitting->name});

    if (energyCalc || criterion == Criterion::RequiredClass)
        rows.Add(62411, {FormatValue(hoursFormat, operatingHours)});
    if (energyCalc) {
        rows.Add(62413, {FormatValue(priceFormat, energyPrice)});
        rows.Add(62676, {FormatValue(co2Format, co2Factor)});
    }
    if (IsDuct(kind))
        rows.Add(61221, {FormatValue(flowFormats[int(flowUnit)], flow)});
    rows.Add(19, {LoadString(supports ? 20 : 21)});
    if (criterion == Criterion::RequiredClass)
        rows.Add(65, {FormatValue(twoDecimalsFormat, spillFactor)});

    rows.Fill(inputTable, {tableCaption, inputCaption});
}
