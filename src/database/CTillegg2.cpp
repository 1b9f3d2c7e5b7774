#include "CTillegg2.h"

#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CTillegg2, CListItem)

CTillegg2::CTillegg2(const CTillegg2& other) : CListItem(other)
{
    CopyList(lengths, other.lengths);
}

CTillegg2& CTillegg2::operator=(const CTillegg2& other)
{
    if (this != &other) {
        CListItem::operator=(other);
        CopyList(lengths, other.lengths);
    }
    return *this;
}

void CTillegg2::Serialize(CArchive& ar)
{
    CListItem::Serialize(ar);
    if (ar.IsLoading())
        ClearList(lengths);
    SerializeList(ar, lengths);
}

bool CTillegg2::Edit()
{
    return platform::editors().Edit(*this);
}

std::unique_ptr<CListItem> CTillegg2::Clone() const
{
    return std::make_unique<CTillegg2>(*this);
}

bool CTillegg2::IsEqual(const CListItem& other) const
{
    return &other.GetClass() == &classInfo && ListsEqual(lengths, static_cast<const CTillegg2&>(other).lengths);
}

float CTillegg2::EquivalentLength(float diameter) const
{
    // The dialog refuses a type without lengths, but a data file may hold one.
    if (lengths.empty())
        return 0.0f;
    for (const auto& length : lengths)
        if (length->Covers(diameter))
            return length->equivalentLength;
    if (diameter < lengths.front()->minPipeDiameter)
        return lengths.front()->equivalentLength;
    return lengths.back()->equivalentLength;
}
