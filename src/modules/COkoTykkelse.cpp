#include "COkoTykkelse.h"

TEKVAR_IMPLEMENT_CLASS(COkoTykkelse, CListItem)

void COkoTykkelse::Serialize(CArchive& ar)
{
    ar.Text(name);
    ar.Float(thickness);
    ar.Float(cost);
}

std::unique_ptr<CListItem> COkoTykkelse::Clone() const
{
    return std::make_unique<COkoTykkelse>(*this);
}
