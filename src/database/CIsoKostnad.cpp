#include "CIsoKostnad.h"

#include "doc/StringTable.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CIsoKostnad, CListItem)

void CIsoKostnad::Serialize(CArchive& ar)
{
    ar.Text(name);
    ar.Text(displayText);
    ar.Float(cost);
}

bool CIsoKostnad::Edit()
{
    return platform::editors().Edit(*this);
}

std::unique_ptr<CListItem> CIsoKostnad::Clone() const
{
    return std::make_unique<CIsoKostnad>(*this);
}

bool CIsoKostnad::IsEqual(const CListItem& other) const
{
    return &other.GetClass() == &classInfo && cost == static_cast<const CIsoKostnad&>(other).cost;
}

void CIsoKostnad::UpdateDisplayText(const std::string& unit)
{
    displayText = name + Sprintf("\t%.1f kr/%s", double(cost), unit.c_str());
}
