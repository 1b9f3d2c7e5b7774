#include "CKanalTempModul.h"

#include "LongTables.h"
#include "TableRows.h"
#include "doc/CVekDoc.h"
#include "doc/StringTable.h"
#include "platform/Services.h"
#include "report/ObjectPictures.h"
#include "report/PageModel.h"
#include "report/Pagination.h"
#include "report/ResultPages.h"
#include "thermal/DewPoint.h"
#include "thermal/RequirementClasses.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int maxTemperatureQuestion = 63034;
constexpr int condensationQuestion = 63035;
constexpr int freezingMessage = 63036;
constexpr int unusableResult = 63037;

// Captions.
constexpr int sectionNameCaption = 63001;
constexpr int outletCaption = 63002;
constexpr int heatLossCaption = 62315;
constexpr int outerCaption = 62441;
constexpr int innerCaption = 62442;
constexpr int uValueCaption = 31;
constexpr int limitCaption = 63003;
constexpr int totalsCaption = 63004;
constexpr int resultCaption = 62312;
constexpr int totalLossRow = 62451;
constexpr int averageLossRow = 63006;
constexpr int energyRow = 62444;
constexpr int energyCostRow = 62445;
constexpr int quantityCaption = 62646;
constexpr int totalQuantityRow = 63007;
constexpr int layer1Suffix = 63018;
constexpr int layer2Suffix = 63019;
constexpr int inputTableCaption = 63008;
constexpr int inputCaption = 62408;
constexpr int mediumRow = 63010;
constexpr int ownMediumText = 63011;
constexpr int airText = 63012;
constexpr int densityRow = 63013;
constexpr int heatCapacityRow = 63014;
constexpr int freezingRow = 63015;
constexpr int inletRow = 62426;
constexpr int priceRow = 62413;
constexpr int hoursRow = 62411;

// Formats.
constexpr int temperatureFormat = 62466; // "%.1f °C"
constexpr int sectionLossFormat = 63021; // "%.1f W"
constexpr int coefficientFormat = 62459; // "%.1f W/m²K"
constexpr int uFormat = 62705;           // "%.2f W/mK"
constexpr int wattFormat = 62701;        // "%.0f W"
constexpr int perMetreFormat = 62385;    // "%.1f W/m"
constexpr int energyFormat = 62702;      // "%.0f kWh/år"
constexpr int costFormat = 62703;        // "%.0f kr/år"
constexpr int areaFormat = 62467;        // "%.2f m²"
constexpr int densityFormat = 63016;     // "%.0f kg/m³"
constexpr int heatCapacityFormat = 63017; // "%.0f J/kgK"
constexpr int priceFormat = 62414;       // "%.1f öre/kWh"
constexpr int hoursFormat = 62412;       // "%.0f h/år"

// What a cell shows where a section exchanged no heat and so has no
// surface coefficient or U-value.
const char* const noValue = "-";

CPageLists* PageListsOfDocument()
{
    CVekDoc* doc = CVekDoc::Current();
    if (!doc)
        return nullptr;
    ResultPages* pages = ResultPages::Of(*doc);
    return pages ? &pages->Lists() : nullptr;
}

bool AllFinite(std::initializer_list<float> values)
{
    return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
}

} // namespace

ProductPicture CKanalTempModul::GetProductPicture() const
{
    ProductPicture picture;
    picture.builtin = objectpictures::horizontal[std::clamp(runType, 0, 3)];
    return picture;
}

bool CKanalTempModul::Calculate()
{
    std::vector<SectionRow> rows;
    float totalLoss = 0;
    float totalLength = 0;
    if (!inputUsable() || !run(rows, totalLoss, totalLength)) {
        clearPage();
        resultsValid = false;
        return false;
    }
    fillTables(rows, totalLoss, totalLength);
    fillInputTable();
    for (const auto& section : sections)
        section->FillInputTable();
    showResults();
    resultsValid = true;
    return true;
}

// A document may come from elsewhere: the module and every section are
// checked as their dialogs check, NaN included, and refused with the
// dialog's message (a section's preceded by its name) rather than shown as
// numbers that mean nothing.
bool CKanalTempModul::inputUsable() const
{
    InputCheck check;
    if (!ExchangeAll(check, flowFields::all, static_cast<const FlowInput&>(*this)) ||
        !CheckFlowInput(*this, medium_, sections.size(), check)) {
        platform::prompter().Tell(check.Message());
        return false;
    }
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const auto& section = sections[i];
        std::vector<std::string> others;
        for (const auto& other : sections)
            if (other != section)
                others.push_back(other->name);
        InputCheck sectionCheck;
        const SectionInput& input = *section;
        if (!ExchangeAll(sectionCheck, sectionFields::thicknesses, input) ||
            !ExchangeAll(sectionCheck, sectionFields::all, input) ||
            !CheckSectionInput(input, section->Choices(std::move(others)), sectionCheck)) {
            // The message says which section; one without a name by its place.
            const std::string which = section->name.empty() ? Sprintf(std::string("Sektion nr %d"), int(i + 1))
                                                            : section->name;
            platform::prompter().Tell(which + ": " + sectionCheck.Message());
            return false;
        }
    }
    return true;
}

bool CKanalTempModul::run(std::vector<SectionRow>& rows, float& totalLoss, float& totalLength)
{
    platform::Prompter& prompter = platform::prompter();
    const MediumProperties medium = MediumOf(*this, medium_);
    const bool pipeline = IsPipeline();
    const float volumetricHeatCapacity = pipeline ? medium.density * medium.heatCapacity : 0.0f;
    const bool dewCheck = ChecksCondensation();
    const float dewPoint = dewCheck ? thermal::DewPoint(inletTemperature, relativeHumidity / 100.0f) : 0.0f;

    float t = inletTemperature;
    for (const auto& section : sections) {
        const CSegment& s = *section;
        if (t > s.MaxUsableTemperature() &&
            prompter.Ask(FormatMessage(maxTemperatureQuestion, {s.name}), platform::Buttons::OkCancel,
                         platform::Icon::Exclamation) != platform::Answer::Ok)
            return false;

        const float inlet = t;
        const thermal::SectionResult r = thermal::SectionHeatBalance(s.BalanceInputs(inlet, volumetricHeatCapacity));
        const float meanDifference = (inlet + r.outletTemp) / 2.0f - s.ambientTemperature;
        const float u = r.heatLoss / s.length / meanDifference;
        // A value that is no number is a failed calculation, never a cell.
        if (!AllFinite({r.outletTemp, r.heatLoss, r.outerCoefficient, r.innerCoefficient}) ||
            (r.exchanges && !std::isfinite(u))) {
            prompter.Tell(FormatMessage(unusableResult, {s.name}));
            return false;
        }

        SectionRow row;
        row.name = s.name;
        row.results = {FormatValue(temperatureFormat, r.outletTemp), FormatValue(sectionLossFormat, r.heatLoss),
                       r.exchanges ? FormatValue(coefficientFormat, r.outerCoefficient) : std::string(noValue)};
        if (!pipeline)
            row.results.push_back(FormatValue(coefficientFormat, r.innerCoefficient));
        row.uDefined = r.exchanges;
        row.uValue = u;
        row.limit = thermal::RequirementUValue(s.CharacteristicDiameter());
        totalLoss += r.heatLoss;
        totalLength += s.length;
        t = r.outletTemp;

        if (dewCheck && dewPoint > t &&
            prompter.Ask(Sprintf(LoadString(condensationQuestion), s.name.c_str(), double(t), double(dewPoint)),
                         platform::Buttons::YesNo, platform::Icon::Question) == platform::Answer::Yes)
            return false;
        if (pipeline && medium.freezingPoint > t) {
            prompter.Tell(FormatMessage(freezingMessage, {s.name}));
            return false;
        }
        rows.push_back(std::move(row));
    }
    return true;
}

void CKanalTempModul::fillTables(const std::vector<SectionRow>& rows, float totalLoss, float totalLength)
{
    const bool pipeline = IsPipeline();
    TableRows results(pipeline ? 3 : 4);
    TableRows uValues(2);
    for (const SectionRow& row : rows) {
        results.Add(row.name, row.results);
        uValues.Add(row.name, {row.uDefined ? FormatValue(uFormat, row.uValue) : std::string(noValue),
                               FormatValue(uFormat, row.limit)});
    }
    std::vector<int> resultHeader{sectionNameCaption, outletCaption, heatLossCaption, outerCaption};
    if (!pipeline)
        resultHeader.push_back(innerCaption);
    results.Fill(resultTable, resultHeader);
    uValues.Fill(uValueTable, {sectionNameCaption, uValueCaption, limitCaption});

    // The dialog holds every length at 0.1 m or more.
    TableRows totals(1);
    totals.Add(totalLossRow, {FormatValue(wattFormat, totalLoss)});
    totals.Add(averageLossRow, {FormatValue(perMetreFormat, totalLoss / totalLength)});
    if (energyCostEnabled) {
        const float energy = totalLoss * operatingHours / 1000.0f;
        totals.Add(energyRow, {FormatValue(energyFormat, energy)});
        totals.Add(energyCostRow, {FormatValue(costFormat, energy * energyPrice / 100.0f)});
        totals.Fill(totalsTable, {totalsCaption, resultCaption});
    } else {
        totals.Fill(totalsTable, {totalLossRow, resultCaption});
    }

    std::vector<std::string> captions;
    std::vector<std::string> areas;
    const auto addArea = [&](std::string caption, float area) {
        captions.push_back(std::move(caption));
        areas.push_back(FormatValue(areaFormat, area));
    };
    float totalArea = 0;
    for (const auto& section : sections) {
        const float area1 = section->Layer1Area();
        if (section->BothLayers()) {
            const float area2 = section->Layer2Area();
            addArea(section->name + LoadString(layer1Suffix), area1);
            addArea(section->name + LoadString(layer2Suffix), area2);
            totalArea += area1 + area2;
        } else {
            addArea(section->name, area1);
            totalArea += area1;
        }
    }
    addArea(LoadString(totalQuantityRow), totalArea);
    // Two layers on each of 25 sections make more rows than a sheet holds.
    quantityTable.SetPosition(pageLeft, pageTop);
    FillAcrossSheets(quantityTable, continuedQuantityTables, {sectionNameCaption, quantityCaption}, captions, areas, 1);
}

void CKanalTempModul::fillInputTable()
{
    TableRows rows(1);
    if (IsPipeline()) {
        const MediumProperties medium = MediumOf(*this, medium_);
        const bool own = mediumSource == 1 || !medium_;
        rows.Add(mediumRow, {own ? LoadString(ownMediumText) : medium_->name});
        rows.Add(densityRow, {FormatValue(densityFormat, medium.density)});
        rows.Add(heatCapacityRow, {FormatValue(heatCapacityFormat, medium.heatCapacity)});
        rows.Add(freezingRow, {FormatValue(temperatureFormat, medium.freezingPoint)});
    } else {
        rows.Add(mediumRow, {LoadString(airText)});
    }
    rows.Add(inletRow, {FormatValue(temperatureFormat, inletTemperature)});
    if (energyCostEnabled) {
        rows.Add(priceRow, {FormatValue(priceFormat, energyPrice)});
        rows.Add(hoursRow, {FormatValue(hoursFormat, operatingHours)});
    }
    rows.Fill(inputTable, {inputTableCaption, inputCaption});
}

void CKanalTempModul::showResults()
{
    // Every table in turn from the top of the first sheet; one that would
    // pass a sheet's bottom starts the next sheet to the right, and the
    // tables after it follow it there.
    const PageModel& model = PageModel::Get();
    float x = pageLeft;
    float y = pageTop;
    std::vector<CGraphicsItem*> items{&resultTable, &uValueTable, &totalsTable, &quantityTable};
    for (const auto& table : continuedQuantityTables)
        items.push_back(table.get());
    items.push_back(&inputTable);
    for (const auto& section : sections)
        for (CTabell* table : section->PageTables())
            items.push_back(table);
    for (CGraphicsItem* item : items) {
        y = PlaceOnPage(*item, x, y);
        if (item->rect.left >= model.XUnits(x + model.Sheet().width))
            x += model.Sheet().width;
    }

    CPageLists* lists = PageListsOfDocument();
    if (!lists)
        return;
    for (CGraphicsItem* item : items)
        lists->Add(pageIndex, item);
}

void CKanalTempModul::clearPage()
{
    CPageLists* lists = PageListsOfDocument();
    if (!lists)
        return;
    for (CGraphicsItem* item : {&resultTable, &uValueTable, &totalsTable, &quantityTable, &inputTable})
        lists->Remove(pageIndex, item);
    for (const auto& table : continuedQuantityTables)
        lists->Remove(pageIndex, table.get());
    for (const auto& section : sections)
        for (CTabell* table : section->PageTables())
            lists->Remove(pageIndex, table);
}
