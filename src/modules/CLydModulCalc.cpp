#include "CLydModul.h"

#include "TableRows.h"
#include "doc/CVekDoc.h"
#include "doc/StringTable.h"
#include "platform/Services.h"
#include "report/ObjectPictures.h"
#include "report/PageModel.h"
#include "report/Pagination.h"
#include "report/ResultPages.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int tableCaption = 62286; // "Beräknad ljuddämpning"
constexpr int resultCaption = 62312;
constexpr int inputCaption = 62408;
constexpr int resultRows[8] = {62274, 62275, 62276, 62280, 62281, 62282, 62301, 62300};
constexpr int tooThickLining = 62520;

constexpr int attenuationFormat = 62287; // "%.1f dB/m"
constexpr int frequencyFormat = 62491;   // "%.0f Hz"
constexpr int dimensionFormat = 62492;   // "%.1f mm"

// "Cirkulär", "Rektangulär", "Horisontell", "Vertikal".
constexpr int typeTexts[4] = {62302, 62303, 62304, 62305};
constexpr int firstFactorRow = 62552; // "Absorptionsfaktor 125 Hz", one per band

// The graph's frequency axis and its ticks.
constexpr float axisFrequencyMax = 4250.0f;
constexpr float frequencyStep = 250.0f;
constexpr float leastAxisTop = 5.0f;

// The page lists of the document the module belongs to; none while the
// document is being put together or for a module without one.
CPageLists* PageListsOfDocument()
{
    CVekDoc* doc = CVekDoc::Current();
    if (!doc)
        return nullptr;
    ResultPages* pages = ResultPages::Of(*doc);
    return pages ? &pages->Lists() : nullptr;
}

// A zero as the tables print it: never "-0.0".
float Unsigned(float value)
{
    return value == 0.0f ? 0.0f : value;
}

} // namespace

ProductPicture SoundPicture(const CAbsorpsjon* product, bool userProduct, int ductType)
{
    ProductPicture picture;
    picture.builtin = ductType == 0 ? objectpictures::soundCircular : objectpictures::soundRectangular;
    if (userProduct || !product)
        return picture;
    const std::string& file = ductType == 3   ? product->verticalPicture
                              : ductType == 2 ? product->horizontalPicture
                                              : product->fourSidesPicture;
    if (!file.empty())
        picture.file = product->PicturePath(ductType);
    return picture;
}

ProductPicture CLydModul::GetProductPicture() const
{
    return SoundPicture(product, UsesUserProduct(), ductType);
}

bool CLydModul::Calculate()
{
    // A document may come from elsewhere or have lost its product to a
    // database edit: it is checked as the dialog checks, and refused with
    // the dialog's message.
    InputCheck check;
    bool ok = ExchangeSoundInput(*this, check) && CheckSoundInput(*this, product, productThickness, check);
    std::string message = check.Message();

    const float lining = LiningThickness();
    std::array<float, bandCount> factors{};
    for (int i = 0; i < bandCount; ++i)
        factors[std::size_t(i)] = LiningFactor(i);
    const LinedSection section = LinedSectionOf(ductType, ductDiameter, height, width, lining);
    SoundAttenuation attenuation;
    if (ok) {
        attenuation = AttenuationOf(section, factors);
        ok = std::isfinite(attenuation.criticalFrequency) &&
             std::all_of(attenuation.perBand.begin(), attenuation.perBand.end(),
                         [](float value) { return std::isfinite(value); });
        if (!ok)
            message = LoadString(tooThickLining);
    }
    if (!ok) {
        platform::prompter().Tell(message);
        resultTexts = {};
        clearPage();
        resultsValid = false;
        return false;
    }

    for (std::size_t i = 0; i < attenuation.perBand.size(); ++i)
        resultTexts[i] = FormatValue(attenuationFormat, attenuation.perBand[i]);
    resultTexts[6] = FormatValue(frequencyFormat, attenuation.criticalFrequency);
    resultTexts[7] = FormatValue(dimensionFormat, section.d * 1000.0f);
    fillInputTable(lining, factors);
    showResults(attenuation);
    resultsValid = true;
    return true;
}

void CLydModul::fillInputTable(float lining, const std::array<float, bandCount>& factors)
{
    TableRows rows(1);
    rows.Add(62296, {LoadString(typeTexts[std::clamp(ductType, 0, 3)])});
    if (ductType == 0) {
        rows.Add(62544, {FormatValue(62365, ductDiameter)});
    } else {
        rows.Add(62368, {FormatValue(62369, width)});
        rows.Add(62366, {FormatValue(62367, height)});
    }
    if (UsesUserProduct())
        rows.Add(62299, {userProductName});
    else
        rows.Add(62297, {product ? product->name : std::string()});
    rows.Add(62509, {FormatValue(62381, Unsigned(lining))});
    for (int i = 0; i < bandCount; ++i)
        rows.Add(firstFactorRow + i, {FormatValue(62551, Unsigned(factors[std::size_t(i)]))});
    rows.Fill(inputTable, {tableCaption, inputCaption});
}

void CLydModul::showResults(const SoundAttenuation& attenuation)
{
    // The axis reaches a sixth above the largest attenuation, and at least
    // that far above 5 dB/m.
    float ymax = std::max(*std::max_element(attenuation.perBand.begin(), attenuation.perBand.end()), leastAxisTop);
    ymax = ymax + ymax / 6.0f;
    graph.SetSteps(frequencyStep, AttenuationAxisStep(ymax), 2, 2);
    graph.SetData({0.0f, 0.0f, axisFrequencyMax, ymax}, {{soundBands.begin(), soundBands.end()}},
                  {{attenuation.perBand.begin(), attenuation.perBand.end()}});

    resultTable.SetContent({tableCaption, resultCaption}, {std::begin(resultRows), std::end(resultRows)},
                           {resultTexts.begin(), resultTexts.end()}, -1.0f, -1.0f, -1);

    // The graph stands at the top of the first sheet; the result table, the
    // notes and the input follow below it and move to the next sheet when
    // they would pass the bottom of this one.
    const PageModel& model = PageModel::Get();
    float x = pageLeft;
    float y = pageTop;
    const auto stack = [&](CGraphicsItem& item) {
        y = PlaceOnPage(item, x, y);
        if (item.rect.left >= model.XUnits(x + model.Sheet().width))
            x += model.Sheet().width;
    };
    stack(graph);
    stack(resultTable);
    stack(notes);
    stack(inputTable);

    CPageLists* lists = PageListsOfDocument();
    if (!lists)
        return;
    lists->Add(pageIndex, &inputTable);
    lists->Add(pageIndex, &resultTable);
    lists->Add(pageIndex, &graph);
    lists->Add(pageIndex, &notes);
}

void CLydModul::clearPage()
{
    if (CPageLists* lists = PageListsOfDocument()) {
        lists->Remove(pageIndex, &inputTable);
        lists->Remove(pageIndex, &resultTable);
        lists->Remove(pageIndex, &graph);
        lists->Remove(pageIndex, &notes);
    }
}
