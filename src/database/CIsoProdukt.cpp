#include "CIsoProdukt.h"

#include "ArchiveFields.h"
#include "Pictures.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CIsoProdukt, CListItem)

CIsoProdukt::CIsoProdukt(const CIsoProdukt& other)
    : CListItem(other),
      usageFlags(other.usageFlags),
      pictures(other.pictures),
      maxTemperature(other.maxTemperature),
      a(other.a),
      b(other.b),
      c(other.c),
      d(other.d),
      minThickness(other.minThickness),
      maxThickness(other.maxThickness),
      insulationColour(other.insulationColour),
      surfaceColour(other.surfaceColour)
{
    CopyList(thicknesses, other.thicknesses);
}

CIsoProdukt& CIsoProdukt::operator=(const CIsoProdukt& other)
{
    if (this != &other) {
        CListItem::operator=(other);
        usageFlags = other.usageFlags;
        pictures = other.pictures;
        maxTemperature = other.maxTemperature;
        a = other.a;
        b = other.b;
        c = other.c;
        d = other.d;
        CopyList(thicknesses, other.thicknesses);
        minThickness = other.minThickness;
        maxThickness = other.maxThickness;
        insulationColour = other.insulationColour;
        surfaceColour = other.surfaceColour;
    }
    return *this;
}

void CIsoProdukt::Serialize(CArchive& ar)
{
    CListItem::Serialize(ar);
    ar.Float(maxTemperature);
    ar.Float(minThickness);
    ar.Float(maxThickness);
    ar.Float(a);
    ar.Float(b);
    ar.Float(c);
    ar.Float(d);
    SerializeDword(ar, insulationColour);
    SerializeDword(ar, surfaceColour);
    for (bool& flag : usageFlags)
        ar.Bool(flag);
    for (std::string& picture : pictures)
        ar.Text(picture);
    if (ar.IsLoading())
        ClearList(thicknesses);
    SerializeList(ar, thicknesses);
}

bool CIsoProdukt::Edit()
{
    return platform::editors().Edit(*this);
}

std::unique_ptr<CListItem> CIsoProdukt::Clone() const
{
    return std::make_unique<CIsoProdukt>(*this);
}

bool CIsoProdukt::IsEqual(const CListItem& other) const
{
    if (!other.IsKindOf(classInfo))
        return false;
    const auto& product = static_cast<const CIsoProdukt&>(other);
    return ListsEqual(thicknesses, product.thicknesses) && maxTemperature == product.maxTemperature &&
           a == product.a && b == product.b && c == product.c && d == product.d &&
           minThickness == product.minThickness && maxThickness == product.maxThickness;
}

float CIsoProdukt::NextStandardThickness(float t, std::string& text) const
{
    const float wanted = t * 1000.0f;
    float best = -1.0f;
    // The list is kept ascending, but a data file is not trusted to be.
    for (const auto& standard : thicknesses)
        if (standard->thickness >= wanted && (best < 0.0f || standard->thickness < best))
            best = standard->thickness;
    text = best < 0.0f ? LoadString(62460) : Sprintf("%.1f", double(best));
    return best;
}

float CIsoProdukt::ConductivityAt(float temperature) const
{
    const float t = temperature;
    return a * t * t * t + b * t * t + c * t + d;
}

void CIsoProdukt::GetCoefficients(float& outA, float& outB, float& outC, float& outD) const
{
    outA = a;
    outB = b;
    outC = c;
    outD = d;
}

const ItemList<CIsoTykkelse>& CIsoProdukt::GetThicknessRange(float& outMin, float& outMax) const
{
    outMin = minThickness;
    outMax = maxThickness;
    return thicknesses;
}

bool CIsoProdukt::IsUsableFor(ObjectKind kind) const
{
    return IsUsableFor(int(kind));
}

bool CIsoProdukt::IsUsableFor(int kind) const
{
    return kind >= 0 && kind < ObjectKindCount && usageFlags[std::size_t(kind)];
}

std::string CIsoProdukt::PicturePath(int slot, bool vertical) const
{
    const int index = vertical ? slot + verticalSlotOffset : slot;
    if (slot < 0 || index >= pictureCount)
        return {};
    return PictureFolder() + pictures[std::size_t(index)];
}
