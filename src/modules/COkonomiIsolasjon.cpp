#include "COkonomiIsolasjon.h"

#include "CatalogueLinks.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(COkonomiIsolasjon, CListItem)

namespace {
constexpr int displayTextFormat = 62328;

bool insulatedInside(int objectKind)
{
    return objectKind == 3 || objectKind == 5;
}
} // namespace

COkonomiIsolasjon::COkonomiIsolasjon(const COkonomiIsolasjon& other)
    : CListItem(other),
      productSource(other.productSource),
      objectKind(other.objectKind),
      makerThickness(other.makerThickness),
      userThickness(other.userThickness),
      cost(other.cost),
      surfaceSource(other.surfaceSource),
      surfaceEmissivity(other.surfaceEmissivity),
      innerCladdingEnabled(other.innerCladdingEnabled)
{
    takeReferences(other);
}

COkonomiIsolasjon& COkonomiIsolasjon::operator=(const COkonomiIsolasjon& other)
{
    if (this != &other) {
        CListItem::operator=(other);
        productSource = other.productSource;
        objectKind = other.objectKind;
        makerThickness = other.makerThickness;
        userThickness = other.userThickness;
        cost = other.cost;
        surfaceSource = other.surfaceSource;
        surfaceEmissivity = other.surfaceEmissivity;
        innerCladdingEnabled = other.innerCladdingEnabled;
        takeReferences(other);
    }
    return *this;
}

COkonomiIsolasjon::~COkonomiIsolasjon()
{
    releaseAll();
}

void COkonomiIsolasjon::releaseAll()
{
    SetMakerProduct(nullptr);
    SetUserProduct(nullptr);
    SetOuterCladding(nullptr);
    SetInnerCladding(nullptr);
}

void COkonomiIsolasjon::takeReferences(const COkonomiIsolasjon& other)
{
    SetMakerProduct(other.makerProduct);
    SetUserProduct(other.userProduct);
    SetOuterCladding(other.outerCladding);
    SetInnerCladding(other.innerCladding);
}

void COkonomiIsolasjon::SetMakerProduct(CIsoProdukt* product)
{
    Relink(this, makerProduct, product);
}

void COkonomiIsolasjon::SetUserProduct(CEgendefIsoProdukt* product)
{
    Relink(this, userProduct, product);
}

void COkonomiIsolasjon::SetOuterCladding(CMantling* cladding)
{
    Relink(this, outerCladding, cladding);
}

void COkonomiIsolasjon::SetInnerCladding(CMantling* cladding)
{
    Relink(this, innerCladding, cladding);
}

void COkonomiIsolasjon::Serialize(CArchive& ar)
{
    ar.Text(name);
    ar.Word(objectKind);
    ar.Word(productSource);
    ar.Float(userThickness);
    ar.Float(makerThickness);
    ar.Float(cost);
    // Two reserved values, always written as zero.
    std::int32_t reserved = 0;
    ar.Long(reserved);
    reserved = 0;
    ar.Long(reserved);
    ar.Word(surfaceSource);
    ar.Word(innerCladdingEnabled);
    ar.Float(surfaceEmissivity);
    if (ar.IsStoring()) {
        CDataBase::WriteReference(ar, makerProduct);
        CDataBase::WriteReference(ar, outerCladding);
        CDataBase::WriteReference(ar, innerCladding);
        CEgendefDatabase::WriteReference(ar, userProduct);
    } else {
        SetMakerProduct(ReadDatabaseReferenceAs<CIsoProdukt>(ar, CDataBase::insulationProducts));
        SetOuterCladding(ReadDatabaseReferenceAs<CMantling>(
            ar, insulatedInside(objectKind) ? CDataBase::insideOuterSurfaces : CDataBase::outerCladdings));
        SetInnerCladding(ReadDatabaseReferenceAs<CMantling>(ar, CDataBase::innerCladdings));
        SetUserProduct(ReadUserProductReference(ar));
    }
}

bool COkonomiIsolasjon::Edit()
{
    return platform::editors().Edit(*this);
}

void COkonomiIsolasjon::Changed(CItem* item)
{
    if (!item)
        return;
    // A user product is a kind of insulation product, so it is asked first.
    if (item->IsKindOf(CEgendefIsoProdukt::classInfo))
        SetUserProduct(static_cast<CEgendefIsoProdukt*>(item));
    else if (item->IsKindOf(CIsoProdukt::classInfo))
        SetMakerProduct(static_cast<CIsoProdukt*>(item));
    else
        TakeReplacedCladding(item, *this, &COkonomiIsolasjon::SetOuterCladding);
}

std::unique_ptr<CListItem> COkonomiIsolasjon::Clone() const
{
    return std::make_unique<COkonomiIsolasjon>(*this);
}

CIsoProdukt* COkonomiIsolasjon::Product() const
{
    return productSource == 1 ? userProduct : makerProduct;
}

float COkonomiIsolasjon::Thickness() const
{
    return productSource == 1 ? userThickness : makerThickness;
}

float COkonomiIsolasjon::SurfaceEmissivity() const
{
    if (surfaceSource == 1)
        return surfaceEmissivity;
    return outerCladding ? outerCladding->emissivity : 0.0f;
}

std::string COkonomiIsolasjon::Unit(int objectKind)
{
    return objectKind == 4 || objectKind == 5 ? "m²" : "m";
}

std::string COkonomiIsolasjon::DisplayText() const
{
    const CIsoProdukt* product = Product();
    if (!product)
        return {};
    const std::string thickness = Sprintf("%.0fmm", double(Thickness()));
    return Sprintf(LoadString(displayTextFormat), product->name.c_str(), thickness.c_str(), double(cost),
                   Unit(objectKind).c_str());
}
