#include "CAbsorpsjonTykkelse.h"

#include "doc/StringTable.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CAbsorpsjonTykkelse, CListItem)

CAbsorpsjonTykkelse::CAbsorpsjonTykkelse()
{
    SetThickness(50.0f);
}

void CAbsorpsjonTykkelse::SetThickness(float mm)
{
    thickness = mm;
    name = Sprintf("%.1f", double(mm));
}

void CAbsorpsjonTykkelse::Serialize(CArchive& ar)
{
    CListItem::Serialize(ar);
    ar.Float(thickness);
    for (float& factor : factors)
        ar.Float(factor);
}

bool CAbsorpsjonTykkelse::Edit()
{
    return platform::editors().Edit(*this);
}

std::unique_ptr<CListItem> CAbsorpsjonTykkelse::Clone() const
{
    return std::make_unique<CAbsorpsjonTykkelse>(*this);
}

bool CAbsorpsjonTykkelse::ValuesDiffer(const CAbsorpsjonTykkelse& other) const
{
    return thickness != other.thickness || factors != other.factors;
}
