#include "CVeske.h"

#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CVeske, CListItem)

void CVeske::Serialize(CArchive& ar)
{
    CListItem::Serialize(ar);
    ar.Float(density);
    ar.Float(specificHeatCapacity);
    ar.Float(freezingPoint);
}

bool CVeske::Edit()
{
    return platform::editors().Edit(*this);
}

std::unique_ptr<CListItem> CVeske::Clone() const
{
    return std::make_unique<CVeske>(*this);
}

bool CVeske::IsEqual(const CListItem& other) const
{
    if (&other.GetClass() != &classInfo)
        return false;
    const auto& liquid = static_cast<const CVeske&>(other);
    return density == liquid.density && specificHeatCapacity == liquid.specificHeatCapacity &&
           freezingPoint == liquid.freezingPoint;
}
