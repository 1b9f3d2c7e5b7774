#include "CTankTempModul.h"

#include "TableRows.h"
#include "doc/CVekDoc.h"
#include "doc/StringTable.h"
#include "platform/Services.h"
#include "report/PageModel.h"
#include "report/Pagination.h"
#include "report/ResultPages.h"
#include "thermal/RequirementClasses.h"

namespace {

constexpr int tableCaption = 62760; // "Temperatur i tank"
constexpr int resultCaption = 62312;
constexpr int inputCaption = 62408;

constexpr const char* freezingNotice = "Mediets fryspunkt uppnås innan förvaringstiden har löpt ut!";
// A result that is no number is never shown.
constexpr const char* noResult =
    "Beräkningen ger inget giltigt resultat med dessa indata. Kontrollera isolerprodukten och mediets data.";

constexpr const char* temperatureFormat = "%.1f °C";
constexpr const char* hoursFormat = "%.1f h";
constexpr const char* metreFormat = "%.2f m";

// Graph.
constexpr float graphWidth = 125.0f;
constexpr float graphHeight = 70.0f;
constexpr platform::Colour curveColour = 0xFF0000;

CPageLists* PageListsOfDocument()
{
    CVekDoc* doc = CVekDoc::Current();
    if (!doc)
        return nullptr;
    ResultPages* pages = ResultPages::Of(*doc);
    return pages ? &pages->Lists() : nullptr;
}

} // namespace

tank::Problem CTankTempModul::CalculationProblem() const
{
    tank::Problem p;
    p.thickness = insulation.Thickness() / 1000.0f;
    p.geometry = tank::TankGeometry(tankShape, {tankDiameter, tankLength, tankWidth, tankHeight, tankDepth},
                                    p.thickness);
    if (const CIsoProdukt* product = insulation.Product())
        product->GetCoefficients(p.conductivity.a, p.conductivity.b, p.conductivity.c, p.conductivity.d);
    p.medium = MediumOf(*this, medium_);
    p.surface.surroundings = surroundings;
    p.surface.windSpeed = windSpeed;
    p.surface.givenCoefficient = outerCoefficient;
    p.surface.emissivity = SurfaceEmissivity();
    p.startTemp = startTemperature;
    p.ambientTemp = ambientTemperature;
    p.finalGiven = givenFinalTemperature;
    p.storageTime = storageTime;
    p.finalTemp = finalTemperature;
    return p;
}

bool CTankTempModul::Calculate()
{
    bool ok = inputUsable();
    tank::Problem problem;
    tank::Result result;
    if (ok) {
        problem = CalculationProblem();
        result = tank::Calculate(problem);
        ok = tank::IsFinite(result);
        if (!ok)
            platform::prompter().Tell(noResult);
    }
    if (!ok) {
        clearPage();
        resultsValid = false;
        return false;
    }
    // Once for the whole calculation; it goes on regardless.
    if (result.frozen)
        platform::prompter().Tell(freezingNotice);
    fillResultTable(result, problem.geometry);
    fillGraph(result);
    fillInputTable();
    showResults();
    resultsValid = true;
    return true;
}

// A document may come from elsewhere or have lost its product or liquid to a
// database edit: it is checked as the dialog checks, and refused with the
// dialog's message.
bool CTankTempModul::inputUsable() const
{
    InputCheck check;
    if (ExchangeAll(check, tankFields::all, static_cast<const TankTempInput&>(*this)) &&
        CheckTankTempInput(*this, cladding_, medium_, check))
        return true;
    platform::prompter().Tell(check.Message());
    return false;
}

void CTankTempModul::fillResultTable(const tank::Result& r, const tank::Geometry& g)
{
    using tank::Shown;
    TableRows rows(1);
    if (givenFinalTemperature)
        rows.Add("Förvaringstid till given sluttemperatur [h]", {Shown(hoursFormat, r.time)});
    else
        rows.Add("Vätsketemp. efter förvaringstid [°C]", {Shown(temperatureFormat, r.endTemp)});
    rows.Add("Yttemperatur efter förvaringstid [°C]", {Shown(temperatureFormat, r.surfaceTemp)});
    rows.Add("Utvändigt värmeövergångstal", {Shown("%.1f W/m²K", r.outerCoefficient)});
    rows.Add("Tankens omslutningsarea", {Shown("%.2f m²", g.area)});
    rows.Add("Tankens volym", {Shown("%.3f m³", g.volume)});
    rows.Add("Energiändring under förvaringstiden [kWh]", {Shown("%.1f kWh", r.energy)});
    rows.Add("Värmeförlust i startögonblicket", {Shown("%.0f W", r.startHeatLoss)});
    rows.Add("U-värde (beräknad)", {Shown("%.2f W/m²K", r.uValue)});
    rows.Add("U-värde enligt class 6 i EN 12828", {Shown("%.2f W/m²K", thermal::RequirementUValue(-1.0f))});
    if (r.frozen)
        rows.Add("Mediets fryspunkt uppnås efter", {Shown(hoursFormat, r.freezeTime)});
    rows.Fill(resultTable, {tableCaption, resultCaption});
}

void CTankTempModul::fillGraph(const tank::Result& r)
{
    temperatureGraph.Set(pageLeft, pageTop, graphWidth, graphHeight, LoadString(tableCaption), "    [°C]  ", " [h]",
                         {"Medietemperatur under förvaringstiden"}, {curveColour}, {"%.0f", "%.0f", "%.0f", "%.1f"},
                         false);
    if (givenFinalTemperature)
        return;
    const float te = r.curveTime.empty() ? 0.0f : r.curveTime.back();
    const tank::CurveScale scale = tank::ScaleCurve(r.curveTemp, te);
    temperatureGraph.SetSteps(scale.xStep, scale.yStep, 1, 1);
    temperatureGraph.SetData({0.0f, scale.ymin, scale.xmax, scale.ymax}, {r.curveTime}, {r.curveTemp});
}

void CTankTempModul::fillInputTable()
{
    using tank::Shown;
    TableRows rows(1);
    switch (tankShape) {
    case tank::cylinder:
        rows.Add("Utformning tank", {"Cylindrisk"});
        rows.Add("Diameter", {Shown(metreFormat, tankDiameter)});
        rows.Add("Längd (höjd)", {Shown(metreFormat, tankLength)});
        break;
    case tank::sphere:
        rows.Add("Utformning tank", {"Sfärisk (kula)"});
        rows.Add("Diameter", {Shown(metreFormat, tankDiameter)});
        break;
    default:
        rows.Add("Utformning tank", {"Rektangulär (kub)"});
        rows.Add("Höjd", {Shown(metreFormat, tankHeight)});
        rows.Add("Bredd", {Shown(metreFormat, tankWidth)});
        rows.Add("Djup", {Shown(metreFormat, tankDepth)});
        break;
    }

    const CIsoProdukt* product = insulation.Product();
    const std::string productName = product ? product->name : std::string();
    if (insulation.UsesUserProduct()) {
        rows.Add(62431, {productName});
        for (auto& [caption, value] : insulation.ConductivityRows())
            rows.Add(caption, {value});
    } else {
        rows.Add(62430, {productName});
    }
    rows.Add("Isolertjocklek", {Shown("%.1f mm", insulation.Thickness())});

    if (surroundings != Surroundings::GivenCoefficient) {
        const bool own = ownEmissivity || !cladding_;
        rows.Add(62391, {own ? LoadString(62392) : cladding_->name});
        rows.Add(62393, {Shown("%.2f", SurfaceEmissivity())});
    }

    const TankMedium liquid = MediumOf(*this, medium_);
    rows.Add("Medie", {mediumSource == 0 && medium_ ? medium_->name : std::string("Egendefinierat medie")});
    rows.Add("Densitet medie", {Shown("%.0f kg/m³", liquid.density)});
    rows.Add("Specifik värmekapacitet medie", {Shown("%.0f J/kgK", liquid.heatCapacity)});
    rows.Add("Fryspunkt medie", {Shown(temperatureFormat, liquid.freezingPoint)});
    rows.Add("Medietemperatur i startögonblicket", {Shown(temperatureFormat, startTemperature)});
    if (givenFinalTemperature)
        rows.Add("Given sluttemperatur", {Shown(temperatureFormat, finalTemperature)});
    else
        rows.Add("Förvaringstid", {Shown(hoursFormat, storageTime)});

    rows.Add(62395, {Shown(temperatureFormat, ambientTemperature)});
    switch (surroundings) {
    case Surroundings::Indoors:
        rows.Add(62397, {LoadString(62398)});
        break;
    case Surroundings::Outdoors:
        rows.Add(62397, {LoadString(62399)});
        rows.Add(62401, {Shown("%.1f m/s", windSpeed)});
        break;
    default:
        rows.Add(62397, {LoadString(62400)});
        rows.Add(62404, {Shown("%.1f", outerCoefficient)});
        break;
    }
    rows.Fill(inputTable, {tableCaption, inputCaption});
}

void CTankTempModul::showResults()
{
    // The result table at the top of the first sheet, the curve below it and
    // the input table below the curve's place, which counts also when the
    // curve is not shown; an item that would pass the bottom of its sheet
    // starts the next one.
    const PageModel& model = PageModel::Get();
    resultTable.SetPosition(pageLeft, pageTop);
    float x = pageLeft;
    float y = resultTable.Bottom() + itemSpacing;
    const auto stack = [&](CGraphicsItem& item) {
        y = PlaceOnPage(item, x, y);
        if (item.rect.left >= model.XUnits(x + model.Sheet().width))
            x += model.Sheet().width;
    };
    stack(temperatureGraph);
    stack(inputTable);

    CPageLists* lists = PageListsOfDocument();
    if (!lists)
        return;
    lists->Add(pageIndex, &resultTable);
    lists->Add(pageIndex, &inputTable);
    if (givenFinalTemperature)
        lists->Remove(pageIndex, &temperatureGraph);
    else
        lists->Add(pageIndex, &temperatureGraph);
}

void CTankTempModul::clearPage()
{
    if (CPageLists* lists = PageListsOfDocument()) {
        lists->Remove(pageIndex, &resultTable);
        lists->Remove(pageIndex, &inputTable);
        lists->Remove(pageIndex, &temperatureGraph);
    }
}
