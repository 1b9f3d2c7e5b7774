#include "CItem.h"

#include <algorithm>


const ClassInfo CItem::classInfo{"CItem", 1, nullptr, nullptr};
static const ClassRegistrar registrarCItem(CItem::classInfo);

TEKVAR_IMPLEMENT_CLASS(CListItem, CItem)

void CItem::Serialize(CArchive&) {}

bool CItem::Edit()
{
    return false;
}

void CItem::Changed(CItem*) {}

CListItem::CListItem(const CListItem& other)
    : CItem(other), name(other.name), description(other.description), dependents_(other.dependents_)
{
}

CListItem& CListItem::operator=(const CListItem& other)
{
    if (this != &other) {
        name = other.name;
        description = other.description;
        dependents_ = other.dependents_;
    }
    return *this;
}

void CListItem::Serialize(CArchive& ar)
{
    ar.Text(name);
    ar.Text(description);
    if (ar.IsLoading())
        dependents_.clear(); // rebuilt as the references are read
}

void CListItem::NotifyDependents()
{
    // A dependent may re-register while it is told; walk a copy.
    const std::vector<CItem*> told = dependents_;
    for (CItem* item : told)
        item->Changed(this);
}

std::unique_ptr<CListItem> CListItem::Clone() const
{
    return std::make_unique<CListItem>(*this);
}

std::unique_ptr<CListItem> CListItem::CreateNew() const
{
    return nullptr;
}

bool CListItem::IsEqual(const CListItem& other) const
{
    return name == other.name;
}

CItem* CListItem::AddDependent(CItem* item)
{
    auto it = std::find(dependents_.begin(), dependents_.end(), item);
    if (it != dependents_.end())
        return *it;
    dependents_.push_back(item);
    return item;
}

void CListItem::RemoveDependent(CItem* item)
{
    auto it = std::find(dependents_.begin(), dependents_.end(), item);
    if (it != dependents_.end())
        dependents_.erase(it);
}
