#include "CSegment.h"

#include "CatalogueLinks.h"
#include "RecordChecks.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CSegment, CListItem)

CSegment::CSegment(int type)
{
    sectionType = type;
    setDefaultPipe();
    defineTable();
}

CSegment::CSegment(const CSegment& other) : CListItem(other)
{
    defineTable();
    copyFrom(other);
}

CSegment& CSegment::operator=(const CSegment& other)
{
    if (this != &other) {
        CListItem::operator=(other);
        copyFrom(other);
    }
    return *this;
}

CSegment::~CSegment()
{
    SetProduct(nullptr);
    SetUserProduct(nullptr);
    SetLayer2Product(nullptr);
    SetLayer2UserProduct(nullptr);
    SetCladding(nullptr);
    SetInnerCladding(nullptr);
}

void CSegment::defineTable()
{
    // "Sektion", "Indata"; the calculation gives it its rows.
    sectionTable.Define(20.0f, 160.0f, 4.0f, 2.0f, "%.1f", {63009, 62408}, {63008}, {}, 170.0f);
    sectionTable.helpTopic = "::/html/segment_inputtabell.htm";
}

void CSegment::copyFrom(const CSegment& other)
{
    static_cast<SectionInput&>(*this) = other;
    CopyList(fittings, other.fittings);
    SetProduct(other.product_);
    SetUserProduct(other.userProduct_);
    SetLayer2Product(other.layer2Product_);
    SetLayer2UserProduct(other.layer2UserProduct_);
    SetCladding(other.cladding_);
    SetInnerCladding(other.innerCladding_);
    pipe_.CopyFrom(other.pipe_);
}

void CSegment::setDefaultPipe()
{
    pipe_.SetDefaults();
    TakePipeValues();
}

void CSegment::TakePipeValues()
{
    pipeDiameter = pipe_.Record().outerDiameter;
    wallThickness = pipe_.Record().wallThickness;
    bareEmissivity = pipe_.Emissivity();
}

void CSegment::relinkAll()
{
    CListItem* items[] = {product_, userProduct_, layer2Product_, layer2UserProduct_, cladding_, innerCladding_};
    for (CListItem* item : items)
        if (item)
            item->AddDependent(this);
}

void CSegment::SetProduct(CIsoProdukt* item)
{
    Relink<CIsoProdukt>(this, product_, item);
    relinkAll();
}

void CSegment::SetUserProduct(CEgendefIsoProdukt* item)
{
    Relink<CEgendefIsoProdukt>(this, userProduct_, item);
    relinkAll();
}

void CSegment::SetLayer2Product(CIsoProdukt* item)
{
    Relink<CIsoProdukt>(this, layer2Product_, item);
    relinkAll();
}

void CSegment::SetLayer2UserProduct(CEgendefIsoProdukt* item)
{
    Relink<CEgendefIsoProdukt>(this, layer2UserProduct_, item);
    relinkAll();
}

void CSegment::SetCladding(CMantling* item)
{
    Relink<CMantling>(this, cladding_, item);
    relinkAll();
}

void CSegment::SetInnerCladding(CMantling* item)
{
    Relink<CMantling>(this, innerCladding_, item);
    relinkAll();
}

int CSegment::CladdingList() const
{
    return sectionType == insideInsulatedDuct ? CDataBase::insideOuterSurfaces : CDataBase::outerCladdings;
}

std::unique_ptr<CSegment> CSegment::CreateFromTemplate(const CSegment* templ, int type, int number)
{
    auto section = std::make_unique<CSegment>(type);
    section->name = Sprintf(std::string("Sektion %d"), number);
    if (!templ)
        return section;
    CSegment& s = *section;
    s.ductHeight = templ->ductHeight;
    s.ductWidth = templ->ductWidth;
    s.ductDiameter = templ->ductDiameter;
    s.length = templ->length;
    s.insulationSource = templ->insulationSource;
    s.thickness = templ->thickness;
    s.userThickness = templ->userThickness;
    s.ambientTemperature = templ->ambientTemperature;
    s.surroundings = templ->surroundings;
    s.windSpeed = templ->windSpeed;
    s.outerCoefficient = templ->outerCoefficient;
    s.innerCoefficient = templ->innerCoefficient;
    s.innerCoefficientGiven = templ->innerCoefficientGiven;
    s.flowUnit = templ->flowUnit;
    s.flow = templ->flow;
    s.ownEmissivity = templ->ownEmissivity;
    s.emissivity = templ->emissivity;
    s.fittingsEnabled = templ->fittingsEnabled;
    CopyList(s.fittings, templ->fittings);
    s.vertical = templ->vertical;
    s.uninsulatedSupports = templ->uninsulatedSupports;
    s.pipeDiameter = templ->pipeDiameter;
    s.wallThickness = templ->wallThickness;
    s.bareEmissivity = templ->bareEmissivity;
    if (templ->sectionType == type) {
        s.SetProduct(templ->product_);
        s.SetUserProduct(templ->userProduct_);
        s.SetCladding(templ->cladding_);
        s.innerCladdingEnabled = templ->innerCladdingEnabled;
        s.SetInnerCladding(templ->innerCladding_);
        s.twoLayers = templ->twoLayers;
        s.layer2Source = templ->layer2Source;
        s.SetLayer2Product(templ->layer2Product_);
        s.SetLayer2UserProduct(templ->layer2UserProduct_);
        s.layer2Thickness = templ->layer2Thickness;
        s.layer2UserThickness = templ->layer2UserThickness;
        s.pipe_.CopyFrom(templ->pipe_);
        s.ownPipeDimension = templ->ownPipeDimension;
    }
    // Otherwise the section keeps what a section without a template has: no
    // products or claddings, one layer, and the first pipe material.
    return section;
}

std::unique_ptr<CListItem> CSegment::CreateNew() const
{
    auto section = CreateFromTemplate(this, sectionType, 0);
    section->name.clear();
    return section;
}

std::unique_ptr<CListItem> CSegment::Clone() const
{
    return std::make_unique<CSegment>(*this);
}

bool CSegment::Edit()
{
    return platform::editors().Edit(*this);
}

template <class T>
void CSegment::replaceProduct(T*& first, T*& second, T* item, int list)
{
    // An item still in the catalogue is not being replaced; when a database
    // edit replaces both layers' products, each new one arrives on its own
    // and must find the layer it belongs to.
    auto replaced = [&](const T* current) {
        if (!current || current == item)
            return false;
        return list < 0 ? !InUserProducts(current) : !InDatabaseList(current, list);
    };
    const bool firstReplaced = replaced(first);
    const bool secondReplaced = replaced(second);
    bool toFirst = true;
    bool toSecond = false;
    if (firstReplaced && secondReplaced) {
        if (first == second)
            toSecond = true;
        else if (second->name == item->name && first->name != item->name)
            toFirst = false, toSecond = true;
    } else if (secondReplaced) {
        toFirst = false, toSecond = true;
    }
    if (toFirst)
        Relink<T>(this, first, item);
    if (toSecond)
        Relink<T>(this, second, item);
    relinkAll();
}

void CSegment::Changed(CItem* item)
{
    if (!item)
        return;
    if (item->IsKindOf(CEgendefIsoProdukt::classInfo)) {
        replaceProduct<CEgendefIsoProdukt>(userProduct_, layer2UserProduct_, static_cast<CEgendefIsoProdukt*>(item), -1);
    } else if (item->IsKindOf(CIsoProdukt::classInfo)) {
        replaceProduct<CIsoProdukt>(product_, layer2Product_, static_cast<CIsoProdukt*>(item),
                                    CDataBase::insulationProducts);
    } else if (!TakeReplacedCladding(item, *this, &CSegment::SetCladding)) {
        pipe_.Changed(item);
    }
}

void CSegment::Serialize(CArchive& ar)
{
    ar.Text(name);
    ar.Word(sectionType);
    ar.Float(ductWidth);
    ar.Float(ductHeight);
    ar.Float(innerCoefficient);
    ar.Word(innerCoefficientGiven);
    ar.Float(ambientTemperature);
    WordChoice(ar, surroundings, SurroundingsCount, "surroundings");
    ar.Float(windSpeed);
    ar.Float(outerCoefficient);
    ar.Float(thickness);
    ar.Float(ductDiameter);
    ar.Float(length);
    ar.Word(ownEmissivity);
    ar.Word(insulationSource);
    ar.Word(fittingsEnabled);
    WordChoice(ar, flowUnit, FlowUnitCount, "flow unit");
    ar.Float(flow);
    ar.Float(emissivity);
    ar.Float(userThickness);
    ar.Word(innerCladdingEnabled);
    ar.Bool(twoLayers);
    ar.Long(layer2Source);
    ar.Float(layer2Thickness);
    ar.Float(layer2UserThickness);

    std::int32_t reserved = 0;
    ar.Long(reserved);
    reserved = 0;
    ar.Long(reserved);
    std::int32_t marker = formatMarker;
    ar.Long(marker);
    const bool current = marker == formatMarker;
    if (current) {
        ar.Long(vertical);
    } else {
        // An older record: the marker's place holds the orientation.
        vertical = marker;
    }
    ar.Bool(uninsulatedSupports);
    if (current) {
        ar.Float(bareEmissivity);
        ar.Float(pipeDiameter);
        ar.Float(wallThickness);
        ar.Bool(ownPipeDimension);
        pipe_.SerializeRecord(ar);
    }

    RequireChoice(ar, sectionType, 4, "section type");
    RequireChoice(ar, insulationSource, 3, "insulation source");
    RequireChoice(ar, layer2Source, 2, "layer 2 source");
    RequireChoice(ar, vertical, 2, "orientation");

    if (ar.IsStoring()) {
        CDataBase::WriteReference(ar, layer2Product_);
        CEgendefDatabase::WriteReference(ar, layer2UserProduct_);
        CDataBase::WriteReference(ar, product_);
        CEgendefDatabase::WriteReference(ar, userProduct_);
        CDataBase::WriteReference(ar, cladding_);
        CDataBase::WriteReference(ar, innerCladding_);
    } else {
        SetLayer2Product(ReadDatabaseReferenceAs<CIsoProdukt>(ar, CDataBase::insulationProducts));
        SetLayer2UserProduct(ReadUserProductReference(ar));
        SetProduct(ReadDatabaseReferenceAs<CIsoProdukt>(ar, CDataBase::insulationProducts));
        SetUserProduct(ReadUserProductReference(ar));
        SetCladding(ReadDatabaseReferenceAs<CMantling>(ar, CladdingList()));
        SetInnerCladding(ReadDatabaseReferenceAs<CMantling>(ar, CDataBase::innerCladdings));
        // The record does not name its material: take the one whose
        // dimensions hold the stored dimension, so that the wall's
        // conductivity is the one the user chose.
        if (current)
            pipe_.RestoreMaterialFromRecord();
    }

    if (ar.IsLoading())
        ClearList(fittings);
    SerializeList(ar, fittings);
}

bool CSegment::SameAs(const CSegment& other) const
{
    if (fittings.size() != other.fittings.size())
        return false;
    for (std::size_t i = 0; i < fittings.size(); ++i)
        if (!fittings[i]->SameAs(*other.fittings[i]))
            return false;
    return name == other.name && sectionType == other.sectionType && ductHeight == other.ductHeight &&
           ductWidth == other.ductWidth && ductDiameter == other.ductDiameter && length == other.length &&
           insulationSource == other.insulationSource && thickness == other.thickness &&
           userThickness == other.userThickness && twoLayers == other.twoLayers &&
           layer2Source == other.layer2Source && layer2Thickness == other.layer2Thickness &&
           layer2UserThickness == other.layer2UserThickness && ambientTemperature == other.ambientTemperature &&
           surroundings == other.surroundings && windSpeed == other.windSpeed &&
           outerCoefficient == other.outerCoefficient && innerCoefficientGiven == other.innerCoefficientGiven &&
           innerCoefficient == other.innerCoefficient && flowUnit == other.flowUnit && flow == other.flow &&
           ownEmissivity == other.ownEmissivity && emissivity == other.emissivity &&
           innerCladdingEnabled == other.innerCladdingEnabled && fittingsEnabled == other.fittingsEnabled &&
           vertical == other.vertical && uninsulatedSupports == other.uninsulatedSupports &&
           ownPipeDimension == other.ownPipeDimension && pipeDiameter == other.pipeDiameter &&
           wallThickness == other.wallThickness && bareEmissivity == other.bareEmissivity &&
           product_ == other.product_ && userProduct_ == other.userProduct_ &&
           layer2Product_ == other.layer2Product_ && layer2UserProduct_ == other.layer2UserProduct_ &&
           cladding_ == other.cladding_ && innerCladding_ == other.innerCladding_ && pipe_.SameAs(other.pipe_);
}
