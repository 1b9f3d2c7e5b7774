#include "CIsolasjon.h"

#include "report/ObjectPictures.h"

#include "CatalogueLinks.h"
#include "RecordChecks.h"
#include "thermal/Choices.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CIsolasjon, CItem)

namespace {
constexpr int summaryText = 62537;
constexpr int summaryWithThicknessText = 62538;
constexpr int firstPointCaption = 14;
constexpr int pointFormat = 18;
} // namespace

CIsolasjon::CIsolasjon(int objectKind, bool askThickness) : objectKind(objectKind), askThickness(askThickness) {}

CIsolasjon::CIsolasjon(const CIsolasjon& other)
    : CItem(other),
      source(other.source),
      objectKind(other.objectKind),
      askThickness(other.askThickness),
      userThickness(other.userThickness),
      catalogueThickness(other.catalogueThickness)
{
    SetCatalogueProduct(other.catalogueProduct_);
    SetUserProduct(other.userProduct_);
}

CIsolasjon& CIsolasjon::operator=(const CIsolasjon& other)
{
    if (this != &other) {
        source = other.source;
        objectKind = other.objectKind;
        askThickness = other.askThickness;
        userThickness = other.userThickness;
        catalogueThickness = other.catalogueThickness;
        SetCatalogueProduct(other.catalogueProduct_);
        SetUserProduct(other.userProduct_);
    }
    return *this;
}

CIsolasjon::~CIsolasjon()
{
    SetCatalogueProduct(nullptr);
    SetUserProduct(nullptr);
}

void CIsolasjon::SetCatalogueProduct(CIsoProdukt* product)
{
    Relink<CIsoProdukt>(this, catalogueProduct_, product);
}

void CIsolasjon::SetUserProduct(CEgendefIsoProdukt* product)
{
    Relink<CEgendefIsoProdukt>(this, userProduct_, product);
}

void CIsolasjon::Reset()
{
    source = catalogueSource;
    userThickness = defaultThickness;
    catalogueThickness = defaultThickness;
    SetCatalogueProduct(nullptr);
    SetUserProduct(nullptr);
}

thermal::LayerProduct LayerProductOf(const CIsoProdukt* product, bool userProduct)
{
    thermal::LayerProduct layer;
    if (product) {
        product->GetCoefficients(layer.conductivity.a, layer.conductivity.b, layer.conductivity.c,
                                 layer.conductivity.d);
        layer.catalogue = !userProduct;
        layer.maxTemperature = product->maxTemperature;
    }
    return layer;
}

CIsoProdukt* CIsolasjon::Product() const
{
    return source == userSource ? userProduct_ : catalogueProduct_;
}

float CIsolasjon::Thickness() const
{
    return source == userSource ? userThickness : catalogueThickness;
}

std::string CIsolasjon::Summary(bool withThickness) const
{
    const CIsoProdukt* product = Product();
    if (!product)
        return {};
    if (withThickness)
        return Sprintf(LoadString(summaryWithThicknessText), product->name.c_str(), double(Thickness()));
    return Sprintf(LoadString(summaryText), product->name.c_str());
}

std::vector<std::pair<std::string, std::string>> CIsolasjon::ConductivityRows() const
{
    std::vector<std::pair<std::string, std::string>> rows;
    if (source != userSource || !userProduct_)
        return rows;
    for (int i = 0; i < CEgendefIsoProdukt::pointCount; ++i)
        rows.emplace_back(LoadString(firstPointCaption + i),
                          Sprintf(LoadString(pointFormat), double(userProduct_->conductivities[std::size_t(i)]),
                                  double(userProduct_->temperatures[std::size_t(i)])));
    return rows;
}

bool CIsolasjon::SameAs(const CIsolasjon& other) const
{
    return source == other.source && objectKind == other.objectKind && askThickness == other.askThickness &&
           userThickness == other.userThickness && catalogueThickness == other.catalogueThickness &&
           catalogueProduct_ == other.catalogueProduct_ && userProduct_ == other.userProduct_;
}

void CIsolasjon::Serialize(CArchive& ar)
{
    // Two reserved words, always zero.
    std::int32_t reserved = 0;
    ar.Long(reserved);
    reserved = 0;
    ar.Long(reserved);
    ar.Word(source);
    ar.Float(catalogueThickness);
    ar.Float(userThickness);
    ar.Word(objectKind);
    ar.Word(askThickness);
    RequireChoice(ar, source, 2, "insulation source");
    RequireChoice(ar, objectKind, ObjectKindCount, "object kind");
    if (ar.IsStoring()) {
        CDataBase::WriteReference(ar, catalogueProduct_);
        CEgendefDatabase::WriteReference(ar, userProduct_);
    } else {
        SetCatalogueProduct(ReadDatabaseReferenceAs<CIsoProdukt>(ar, CDataBase::insulationProducts));
        SetUserProduct(ReadUserProductReference(ar));
    }
}

bool CIsolasjon::Edit()
{
    return platform::editors().Edit(*this);
}

void CIsolasjon::Changed(CItem* item)
{
    if (!item)
        return;
    if (item->IsKindOf(CEgendefIsoProdukt::classInfo))
        SetUserProduct(static_cast<CEgendefIsoProdukt*>(item));
    else if (item->IsKindOf(CIsoProdukt::classInfo))
        SetCatalogueProduct(static_cast<CIsoProdukt*>(item));
}

ProductPicture LayerPicture(const CIsolasjon& layer1, int objectKind, bool vertical)
{
    ProductPicture picture;
    picture.builtin = objectpictures::ForKind(objectKind, vertical);
    const CIsoProdukt* product = layer1.UsesUserProduct() ? nullptr : layer1.CatalogueProduct();
    const int slot = objectKind + (vertical ? CIsoProdukt::verticalSlotOffset : 0);
    if (product && objectKind >= 0 && slot < CIsoProdukt::pictureCount && !product->pictures[std::size_t(slot)].empty())
        picture.file = product->PicturePath(objectKind, vertical);
    return picture;
}
