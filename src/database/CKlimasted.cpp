#include "CKlimasted.h"

#include "doc/StringTable.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CKlimasted, CListItem)

void CKlimasted::Serialize(CArchive& ar)
{
    CListItem::Serialize(ar);
    ar.Text(displayText);
    ar.Float(annualMeanTemperature);
    ar.Float(annualMeanWindSpeed);
}

bool CKlimasted::Edit()
{
    return platform::editors().Edit(*this);
}

std::unique_ptr<CListItem> CKlimasted::Clone() const
{
    return std::make_unique<CKlimasted>(*this);
}

bool CKlimasted::IsEqual(const CListItem& other) const
{
    if (&other.GetClass() != &classInfo)
        return false;
    const auto& location = static_cast<const CKlimasted&>(other);
    return annualMeanTemperature == location.annualMeanTemperature &&
           annualMeanWindSpeed == location.annualMeanWindSpeed;
}

void CKlimasted::UpdateDisplayText()
{
    displayText = name + Sprintf("\t%.1f\t%.1f", double(annualMeanTemperature), double(annualMeanWindSpeed));
}
