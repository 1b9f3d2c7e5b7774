#include "CTilleggslengde.h"

#include "doc/StringTable.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CTilleggslengde, CListItem)

CTilleggslengde::CTilleggslengde()
{
    UpdateName();
}

void CTilleggslengde::UpdateName()
{
    name = Sprintf("%.0f - %.0f mm", double(minPipeDiameter), double(maxPipeDiameter));
}

void CTilleggslengde::Serialize(CArchive& ar)
{
    CListItem::Serialize(ar);
    ar.Float(equivalentLength);
    ar.Float(minPipeDiameter);
    ar.Float(maxPipeDiameter);
}

bool CTilleggslengde::Edit()
{
    return platform::editors().Edit(*this);
}

std::unique_ptr<CListItem> CTilleggslengde::Clone() const
{
    return std::make_unique<CTilleggslengde>(*this);
}

bool CTilleggslengde::IsEqual(const CListItem& other) const
{
    if (&other.GetClass() != &classInfo)
        return false;
    const auto& length = static_cast<const CTilleggslengde&>(other);
    return equivalentLength == length.equivalentLength && minPipeDiameter == length.minPipeDiameter &&
           maxPipeDiameter == length.maxPipeDiameter;
}
