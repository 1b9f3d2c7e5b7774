#include "CIsoTykkelse.h"

#include "doc/StringTable.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CIsoTykkelse, CListItem)

CIsoTykkelse::CIsoTykkelse()
{
    SetThickness(25.0f);
}

CIsoTykkelse::CIsoTykkelse(float mm)
{
    SetThickness(mm);
}

void CIsoTykkelse::SetThickness(float mm)
{
    thickness = mm;
    name = Sprintf("%.1f", double(mm));
}

void CIsoTykkelse::Serialize(CArchive& ar)
{
    ar.Text(name);
    ar.Float(thickness);
}

bool CIsoTykkelse::Edit()
{
    return platform::editors().Edit(*this);
}

std::unique_ptr<CListItem> CIsoTykkelse::Clone() const
{
    return std::make_unique<CIsoTykkelse>(*this);
}

bool CIsoTykkelse::IsEqual(const CListItem& other) const
{
    return &other.GetClass() == &classInfo && static_cast<const CIsoTykkelse&>(other).thickness == thickness;
}
