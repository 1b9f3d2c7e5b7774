#pragma once

#include "CArchive.h"
#include "ClassInfo.h"

#include <memory>
#include <string>
#include <vector>

// The root of every persistent item.
class CItem {
public:
    static const ClassInfo classInfo;

    CItem() = default;
    CItem(const CItem&) = default;
    CItem& operator=(const CItem&) = default;
    virtual ~CItem() = default;

    virtual const ClassInfo& GetClass() const { return classInfo; }
    bool IsKindOf(const ClassInfo& info) const { return GetClass().IsDerivedFrom(info); }

    virtual void Serialize(CArchive& ar);
    // Opens the item's editor; true when the user confirmed.
    virtual bool Edit();
    // Re-points the receiver's reference to the given item.
    virtual void Changed(CItem* item);
    bool EditDefault() { return Edit(); }
};

// An item kept in a list and known by its name. Items that refer to it
// register as its dependents so that an edit of the list can reach them.
class CListItem : public CItem {
    TEKVAR_DECLARE_CLASS(CListItem)

public:
    CListItem() = default;
    CListItem(const CListItem& other);
    CListItem& operator=(const CListItem& other);

    void Serialize(CArchive& ar) override;

    virtual void NotifyDependents();
    virtual std::unique_ptr<CListItem> Clone() const;
    virtual std::unique_ptr<CListItem> CreateNew() const;
    virtual bool IsEqual(const CListItem& other) const;

    CItem* AddDependent(CItem* item);
    void RemoveDependent(CItem* item);
    const std::vector<CItem*>& Dependents() const { return dependents_; }

    std::string name;
    std::string description;

private:
    std::vector<CItem*> dependents_; // not owned
};
