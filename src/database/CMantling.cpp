#include "CMantling.h"

#include "ArchiveFields.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CMantling, CListItem)

void CMantling::Serialize(CArchive& ar)
{
    CListItem::Serialize(ar);
    ar.Float(emissivity);
    SerializeDword(ar, colour);
    // Read back as stored, even outside the three known kinds.
    ar.Word(kind);
}

bool CMantling::Edit()
{
    return platform::editors().Edit(*this);
}

std::unique_ptr<CListItem> CMantling::Clone() const
{
    return std::make_unique<CMantling>(*this);
}

bool CMantling::IsEqual(const CListItem& other) const
{
    return other.IsKindOf(classInfo) && static_cast<const CMantling&>(other).emissivity == emissivity;
}
