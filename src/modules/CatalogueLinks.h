#pragma once

#include "database/CDataBase.h"
#include "database/CEgendefDatabase.h"
#include "database/CEgendefIsoProdukt.h"
#include "database/CMantling.h"

#include <string>

// How the modules and their items hold catalogue items: they point at the
// item and stand in its dependents, so that a database edit reaches them,
// and they store the item's name in documents.

// Points the slot at the item, leaving the old item's dependents and joining
// the new one's.
template <class T>
void Relink(CItem* owner, T*& slot, T* item)
{
    if (slot == item)
        return;
    if (slot)
        slot->RemoveDependent(owner);
    slot = item;
    if (slot)
        slot->AddDependent(owner);
}

// True while a document of the oldest format is read: its modules hold full
// copies of the catalogue items they used instead of their names.
bool ReadingLegacyReferences();

// The item of database list `list` that the stored name refers to; none
// without a database.
CListItem* ReadDatabaseReference(CArchive& ar, int list);
// The same for a reference that older documents stored as a full copy of
// the item; `copy` is an empty item of the list's class.
CListItem* ReadDatabaseReferenceOrCopy(CArchive& ar, int list, CListItem& copy);
CEgendefIsoProdukt* ReadUserProductReference(CArchive& ar);

template <class T>
T* ReadDatabaseReferenceAs(CArchive& ar, int list)
{
    return ItemCast<T>(ReadDatabaseReference(ar, list));
}

template <class T>
T* ReadDatabaseReferenceOrCopyAs(CArchive& ar, int list, T& copy)
{
    return ItemCast<T>(ReadDatabaseReferenceOrCopy(ar, list, copy));
}

// The first item of a database list, or none.
template <class T>
T* FirstCatalogueItem(int list)
{
    const auto items = CDataBase::SystemItems<T>(list);
    return items.empty() ? nullptr : items[0];
}

// Whether the item is still one of the program's database list `list`; an
// item that a database edit is replacing no longer is.
bool InDatabaseList(const CListItem* item, int list);
bool InUserProducts(const CListItem* item);

// A cladding from a database edit goes to the place of its kind: the inner
// cladding, or the outer one. False when the item is no cladding.
template <class Owner, class SetOuter>
bool TakeReplacedCladding(CItem* item, Owner& owner, SetOuter setOuter)
{
    if (!item || !item->IsKindOf(CMantling::classInfo))
        return false;
    auto* cladding = static_cast<CMantling*>(item);
    if (cladding->kind == CMantling::innerCladding)
        owner.SetInnerCladding(cladding);
    else
        (owner.*setOuter)(cladding);
    return true;
}
