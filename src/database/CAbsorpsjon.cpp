#include "CAbsorpsjon.h"

#include "ArchiveFields.h"
#include "Pictures.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CAbsorpsjon, CListItem)

CAbsorpsjon::CAbsorpsjon(const CAbsorpsjon& other)
    : CListItem(other),
      kind(other.kind),
      colour1(other.colour1),
      colour2(other.colour2),
      horizontalPicture(other.horizontalPicture),
      verticalPicture(other.verticalPicture),
      fourSidesPicture(other.fourSidesPicture)
{
    CopyList(thicknesses, other.thicknesses);
}

CAbsorpsjon& CAbsorpsjon::operator=(const CAbsorpsjon& other)
{
    if (this != &other) {
        CListItem::operator=(other);
        kind = other.kind;
        CopyList(thicknesses, other.thicknesses);
        colour1 = other.colour1;
        colour2 = other.colour2;
        horizontalPicture = other.horizontalPicture;
        verticalPicture = other.verticalPicture;
        fourSidesPicture = other.fourSidesPicture;
    }
    return *this;
}

void CAbsorpsjon::Serialize(CArchive& ar)
{
    CListItem::Serialize(ar);
    SerializeDword(ar, colour1);
    SerializeDword(ar, colour2);
    ar.Word(kind);
    ar.Text(verticalPicture);
    ar.Text(horizontalPicture);
    ar.Text(fourSidesPicture);
    if (ar.IsLoading())
        ClearList(thicknesses);
    SerializeList(ar, thicknesses);
}

bool CAbsorpsjon::Edit()
{
    return platform::editors().Edit(*this);
}

std::unique_ptr<CListItem> CAbsorpsjon::Clone() const
{
    return std::make_unique<CAbsorpsjon>(*this);
}

bool CAbsorpsjon::IsEqual(const CListItem& other) const
{
    return other.IsKindOf(classInfo) && ListsEqual(thicknesses, static_cast<const CAbsorpsjon&>(other).thicknesses);
}

std::string CAbsorpsjon::PicturePath(int ductType) const
{
    const std::string& picture = ductType == 3 ? verticalPicture : ductType == 2 ? horizontalPicture : fourSidesPicture;
    return PictureFolder() + picture;
}
