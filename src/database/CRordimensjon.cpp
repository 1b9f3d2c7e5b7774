#include "CRordimensjon.h"

#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CRordimensjon, CListItem)

CRordimensjon::CRordimensjon()
{
    name = "50.0";
}

void CRordimensjon::Serialize(CArchive& ar)
{
    CListItem::Serialize(ar);
    ar.Float(wallThickness);
    ar.Float(outerDiameter);
}

bool CRordimensjon::Edit()
{
    return platform::editors().Edit(*this);
}

std::unique_ptr<CListItem> CRordimensjon::Clone() const
{
    return std::make_unique<CRordimensjon>(*this);
}
