#include "CTilleggsutstyr.h"

#include "CatalogueLinks.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CTilleggsutstyr, CListItem)

CTilleggsutstyr::CTilleggsutstyr(const CTilleggsutstyr& other)
    : CListItem(other), count(other.count), ownDefined(other.ownDefined), ownLength(other.ownLength)
{
    SetFittingType(other.fittingType_);
}

CTilleggsutstyr& CTilleggsutstyr::operator=(const CTilleggsutstyr& other)
{
    if (this != &other) {
        CListItem::operator=(other);
        count = other.count;
        ownDefined = other.ownDefined;
        ownLength = other.ownLength;
        SetFittingType(other.fittingType_);
    }
    return *this;
}

CTilleggsutstyr::~CTilleggsutstyr()
{
    SetFittingType(nullptr);
}

void CTilleggsutstyr::SetFittingType(CTillegg2* type)
{
    Relink<CTillegg2>(this, fittingType_, type);
}

void CTilleggsutstyr::Serialize(CArchive& ar)
{
    ar.Text(name);
    ar.Long(count);
    ar.Bool(ownDefined);
    ar.Float(ownLength);
    if (ar.IsStoring())
        CDataBase::WriteReference(ar, fittingType_);
    else
        SetFittingType(ReadDatabaseReferenceAs<CTillegg2>(ar, CDataBase::fittings));
}

bool CTilleggsutstyr::Edit()
{
    return platform::editors().Edit(*this);
}

std::unique_ptr<CListItem> CTilleggsutstyr::Clone() const
{
    return std::make_unique<CTilleggsutstyr>(*this);
}

void CTilleggsutstyr::Changed(CItem* item)
{
    if (item && item->IsKindOf(CTillegg2::classInfo))
        SetFittingType(static_cast<CTillegg2*>(item));
}

float CTilleggsutstyr::EquivalentLength(float pipeDiameter) const
{
    if (ownDefined)
        return float(count) * ownLength;
    if (!fittingType_)
        return 0.0f;
    return fittingType_->EquivalentLength(pipeDiameter) * float(count);
}

std::string CTilleggsutstyr::ListText(const std::string& label, int count)
{
    return Sprintf(std::string("%s; %d stk"), label.c_str(), count);
}

void CTilleggsutstyr::UpdateName(const std::string& ownName)
{
    name = ListText(ownDefined || !fittingType_ ? ownName : fittingType_->name, count);
}

std::string CTilleggsutstyr::OwnName() const
{
    const std::string suffix = Sprintf(std::string("; %d stk"), count);
    if (name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        return name.substr(0, name.size() - suffix.size());
    return name;
}

bool CTilleggsutstyr::SameAs(const CTilleggsutstyr& other) const
{
    return name == other.name && count == other.count && ownDefined == other.ownDefined &&
           ownLength == other.ownLength && fittingType_ == other.fittingType_;
}
