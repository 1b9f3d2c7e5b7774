#include "CSegment.h"

#include "LongTables.h"
#include "doc/StringTable.h"
#include "report/ObjectPictures.h"

#include <algorithm>

namespace {

constexpr int nameRow = 63001;      // "Sektionsnamn"
constexpr int typeRow = 62359;      // "Rör-/kanaltyp"
constexpr int typeTexts[] = {62360, 62361, 62362, 62410};
constexpr int diameterRow = 62364;
constexpr int heightRow = 62366;
constexpr int widthRow = 62368;
constexpr int materialRow = 68;
constexpr int dimensionRow = 69;
constexpr int dimensionFormat = 70; // "D.: %.1f mm; T: %.1f mm"
constexpr int bareEmissivityRow = 22;
constexpr int lengthRow = 62370;
constexpr int layer1ThicknessRow = 62379;
constexpr int layer2ThicknessRow = 62380;
constexpr int layer1CatalogueRow = 62387;
constexpr int layer2CatalogueRow = 62388;
constexpr int layer1UserRow = 62389;
constexpr int layer2UserRow = 62390;
constexpr int catalogueProductRow = 62430;
constexpr int userProductRow = 62431;
constexpr int thicknessRow = 62521;
constexpr int uninsulatedRow = 63020;
constexpr int firstPointRow = 14; // "1. Lambdavärde/temperatur" … "4. …"
constexpr int pointFormat = 18;
constexpr int claddingRow = 62391;
constexpr int ownCladdingText = 62392;
constexpr int emissivityRow = 62393;
constexpr int innerCladdingRow = 62396;
constexpr int ambientRow = 62395;
constexpr int surroundingsRow = 62397;
constexpr int surroundingsTexts[] = {62398, 62399, 62400};
constexpr int windRow = 62401;
constexpr int coefficientRow = 62404;
constexpr int fittingRow = 62405;
constexpr int flowRow = 62447;
constexpr int supportsRow = 19;
constexpr int yesText = 20;
constexpr int noText = 21;

constexpr int millimetreFormat = 62457;
constexpr int metreFormat = 62371;
constexpr int twoDecimalsFormat = 62394;
constexpr int oneDecimalFormat = 62403;
constexpr int temperatureFormat = 62466;
constexpr int windFormat = 62402;

constexpr int sectionCaption = 63009; // "Sektion"
constexpr int inputCaption = 62408;   // "Indata"

// The input table's rows as they are added: a caption and its value.
struct Rows {
    void Add(int captionId, std::vector<std::string> value) { Add(LoadString(captionId), std::move(value)); }
    void Add(std::string caption, std::vector<std::string> value)
    {
        captions.push_back(std::move(caption));
        values.push_back(value.empty() ? std::string() : std::move(value.front()));
    }
    std::vector<std::string> captions;
    std::vector<std::string> values;
};

void AddPoints(Rows& rows, const CIsoProdukt* product)
{
    const auto* own = dynamic_cast<const CEgendefIsoProdukt*>(product);
    if (!own)
        return;
    for (int i = 0; i < CEgendefIsoProdukt::pointCount; ++i)
        rows.Add(firstPointRow + i, {Sprintf(LoadString(pointFormat), double(own->conductivities[std::size_t(i)]),
                                            double(own->temperatures[std::size_t(i)]))});
}

std::string NameOf(const CListItem* item)
{
    return item ? item->name : std::string();
}

} // namespace

CIsoProdukt* CSegment::ChosenLayer1Product() const
{
    switch (insulationSource) {
    case catalogueProduct:
        return product_;
    case userDefinedProduct:
        return userProduct_;
    default:
        return nullptr;
    }
}

CIsoProdukt* CSegment::ChosenLayer2Product() const
{
    if (!BothLayers())
        return nullptr;
    return layer2Source == 0 ? layer2Product_ : static_cast<CIsoProdukt*>(layer2UserProduct_);
}

float CSegment::MaxUsableTemperature() const
{
    const CIsoProdukt* product = ChosenLayer1Product();
    return Insulated() && product ? product->maxTemperature : 10000.0f;
}

float CSegment::SurfaceEmissivity() const
{
    if (!Insulated())
        return bareEmissivity;
    // With the coefficient given radiation plays no part; the typed value stands.
    if (ownEmissivity || surroundings == Surroundings::GivenCoefficient || !cladding_)
        return emissivity;
    return cladding_->emissivity;
}

float CSegment::FittingLength() const
{
    if (!CountsFittings())
        return 0.0f;
    float total = 0;
    for (const auto& fitting : fittings)
        total += fitting->EquivalentLength(RoundDiameter());
    return total;
}

SectionChoices CSegment::Choices(std::vector<std::string> otherNames) const
{
    SectionChoices c;
    c.layer1 = ChosenLayer1Product();
    c.layer2 = layer2Source == 0 ? layer2Product_ : static_cast<CIsoProdukt*>(layer2UserProduct_);
    c.hasCladding = cladding_ != nullptr;
    c.name = name;
    c.otherNames = std::move(otherNames);
    return c;
}

thermal::SectionInputs CSegment::BalanceInputs(float inletTemp, float volumetricHeatCapacity) const
{
    thermal::SectionInputs in;
    in.kind = ObjectKind(sectionType);
    in.layers = !Insulated() ? 0 : BothLayers() ? 2 : 1;
    in.inletTemp = inletTemp;
    in.ambientTemp = ambientTemperature;
    in.length = length;
    in.volumeFlow = VolumeFlow();
    in.area = CrossSection();
    in.volumetricHeatCapacity = volumetricHeatCapacity;
    in.diameter = RoundDiameter() / 1000.0f;
    in.height = ductHeight / 1000.0f;
    in.width = ductWidth / 1000.0f;
    in.s1 = Layer1Thickness() / 1000.0f;
    in.s2 = Layer2Thickness() / 1000.0f;
    if (const CIsoProdukt* p = ChosenLayer1Product())
        p->GetCoefficients(in.layer1.a, in.layer1.b, in.layer1.c, in.layer1.d);
    if (const CIsoProdukt* p = ChosenLayer2Product())
        p->GetCoefficients(in.layer2.a, in.layer2.b, in.layer2.c, in.layer2.d);
    in.wall = pipe_.Wall(wallThickness);
    in.surroundings = surroundings;
    in.vertical = vertical == 1;
    in.windSpeed = windSpeed;
    in.outerCoefficient = outerCoefficient;
    in.emissivity = SurfaceEmissivity();
    in.bareEmissivity = bareEmissivity;
    in.innerCoefficientGiven = innerCoefficientGiven;
    in.innerCoefficient = innerCoefficient;
    in.supports = uninsulatedSupports;
    in.fittingLength = FittingLength();
    return in;
}

std::string CSegment::Description() const
{
    // Every thickness carries its unit once, whichever product it is for.
    std::string product = LoadString(uninsulatedRow);
    std::string thicknessText = "0 mm";
    if (Insulated()) {
        product = NameOf(ChosenLayer1Product());
        thicknessText = Sprintf(std::string("%.0f mm"), double(Layer1Thickness()));
    }
    const std::string flowText = FlowText();
    std::string text;
    switch (sectionType) {
    case pipeline:
        text = Sprintf(std::string("Sektionstyp: Rör\nProdukt: %s\nTjocklek: %s\nDiameter: %.1f mm\nRörlängd: %.2f "
                                   "m\nOmgivningstemp.: %.1f °C\nFlöde: %s"),
                       product.c_str(), thicknessText.c_str(), double(pipeDiameter), double(length),
                       double(ambientTemperature), flowText.c_str());
        break;
    case circularDuct:
        text = Sprintf(std::string("Sektionstyp: Cirkulär kanal\nProdukt: %s\nTjocklek: %s\nDiameter: %.1f "
                                   "mm\nKanallängd: %.2f m\nOmgivningstemp.: %.1f °C\nFlöde: %s"),
                       product.c_str(), thicknessText.c_str(), double(ductDiameter), double(length),
                       double(ambientTemperature), flowText.c_str());
        break;
    default:
        text = Sprintf(std::string("Sektionstyp: %s\nProdukt: %s\nTjocklek: %s\nHöjd: %.1f mm\nBredd: %.1f "
                                   "mm\nKanallängd: %.2f m\nOmgivningstemp.: %.1f °C\nFlöde: %s"),
                       sectionType == rectangularDuct ? "Rekt. kanal, utv. isolering" : "Rekt. kanal, inv. isolering",
                       product.c_str(), thicknessText.c_str(), double(ductHeight), double(ductWidth), double(length),
                       double(ambientTemperature), flowText.c_str());
        break;
    }
    if (BothLayers())
        text += Sprintf(std::string("\nProdukt 2. lag: %s\nTjocklek 2. lag: %.1f mm"), NameOf(ChosenLayer2Product()).c_str(),
                        double(Layer2Thickness()));
    return text;
}

std::string CSegment::FlowText() const
{
    // A pipeline's liquid flows are small: two decimals.
    switch (flowUnit) {
    case FlowUnit::CubicMetresPerHour:
        return FormatValue(IsPipeline() ? 63022 : 62579, flow);
    case FlowUnit::LitresPerSecond:
        return FormatValue(IsPipeline() ? 63023 : 62580, flow);
    default:
        return FormatValue(62425, flow);
    }
}

ProductPicture CSegment::Picture() const
{
    ProductPicture picture;
    const bool upright = vertical == 1;
    picture.builtin = objectpictures::ForKind(sectionType, upright);
    const int slot = sectionType + (upright ? CIsoProdukt::verticalSlotOffset : 0);
    if (insulationSource == catalogueProduct && product_ && !product_->pictures[std::size_t(slot)].empty())
        picture.file = product_->PicturePath(sectionType, upright);
    return picture;
}

void CSegment::FillInputTable()
{
    Rows rows;
    rows.Add(nameRow, {name});
    rows.Add(typeRow, {LoadString(typeTexts[std::clamp(sectionType, 0, 3)])});
    if (IsRectangular()) {
        rows.Add(heightRow, {FormatValue(millimetreFormat, ductHeight)});
        rows.Add(widthRow, {FormatValue(millimetreFormat, ductWidth)});
    } else {
        rows.Add(diameterRow, {FormatValue(millimetreFormat, RoundDiameter())});
    }
    if (IsPipeline()) {
        rows.Add(materialRow, {NameOf(pipe_.Material())});
        rows.Add(dimensionRow, {Sprintf(LoadString(dimensionFormat), double(pipeDiameter), double(wallThickness))});
    }
    rows.Add(bareEmissivityRow, {FormatValue(twoDecimalsFormat, bareEmissivity)});
    rows.Add(lengthRow, {FormatValue(metreFormat, length)});

    if (!Insulated()) {
        rows.Add(uninsulatedRow, {});
    } else if (BothLayers()) {
        rows.Add(layer1ThicknessRow, {FormatValue(millimetreFormat, Layer1Thickness())});
        rows.Add(layer2ThicknessRow, {FormatValue(millimetreFormat, Layer2Thickness())});
        const bool user1 = insulationSource == userDefinedProduct;
        rows.Add(user1 ? layer1UserRow : layer1CatalogueRow, {NameOf(ChosenLayer1Product())});
        if (user1)
            AddPoints(rows, ChosenLayer1Product());
        const bool user2 = layer2Source == 1;
        rows.Add(user2 ? layer2UserRow : layer2CatalogueRow, {NameOf(ChosenLayer2Product())});
        if (user2)
            AddPoints(rows, ChosenLayer2Product());
    } else {
        const bool user = insulationSource == userDefinedProduct;
        rows.Add(user ? userProductRow : catalogueProductRow, {NameOf(ChosenLayer1Product())});
        rows.Add(thicknessRow, {FormatValue(millimetreFormat, Layer1Thickness())});
        if (user)
            AddPoints(rows, ChosenLayer1Product());
    }

    if (surroundings != Surroundings::GivenCoefficient && Insulated()) {
        rows.Add(claddingRow, {ownEmissivity || !cladding_ ? LoadString(ownCladdingText) : cladding_->name});
        rows.Add(emissivityRow, {FormatValue(twoDecimalsFormat, SurfaceEmissivity())});
    }
    if (InsideInsulated() && innerCladdingEnabled && innerCladding_)
        rows.Add(innerCladdingRow, {innerCladding_->name});
    rows.Add(ambientRow, {FormatValue(temperatureFormat, ambientTemperature)});
    rows.Add(surroundingsRow, {LoadString(surroundingsTexts[std::clamp(int(surroundings), 0, 2)])});
    if (surroundings == Surroundings::Outdoors)
        rows.Add(windRow, {FormatValue(windFormat, windSpeed)});
    else if (surroundings == Surroundings::GivenCoefficient)
        rows.Add(coefficientRow, {FormatValue(oneDecimalFormat, outerCoefficient)});
    if (CountsFittings())
        for (const auto& fitting : fittings)
            rows.Add(fittingRow, {fitting->name});
    rows.Add(flowRow, {FlowText()});
    rows.Add(supportsRow, {LoadString(uninsulatedSupports ? yesText : noText)});

    // As many rows as the section has: two layers of the user's products and
    // a long list of fittings make the table longer than most.
    FillAcrossSheets(sectionTable, continuedTables, {sectionCaption, inputCaption}, rows.captions, rows.values, 1);
}

std::vector<CTabell*> CSegment::PageTables()
{
    std::vector<CTabell*> tables{&sectionTable};
    for (const auto& table : continuedTables)
        tables.push_back(table.get());
    return tables;
}
