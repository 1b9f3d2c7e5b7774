#include "CatalogueLinks.h"

#include "database/Reconciliation.h"
#include "doc/CVekDoc.h"

#include <algorithm>

bool ReadingLegacyReferences()
{
    const CVekDoc* doc = CVekDoc::Current();
    return doc && !doc->CurrentReferences();
}

CListItem* ReadDatabaseReference(CArchive& ar, int list)
{
    if (CDataBase* database = CDataBase::Current())
        return database->ReadReference(ar, list);
    ReadCatalogueReference(ar);
    return nullptr;
}

CListItem* ReadDatabaseReferenceOrCopy(CArchive& ar, int list, CListItem& copy)
{
    if (!ReadingLegacyReferences())
        return ReadDatabaseReference(ar, list);
    if (CDataBase* database = CDataBase::Current())
        return database->ReadEmbedded(ar, list, copy);
    copy.Serialize(ar);
    return nullptr;
}

CEgendefIsoProdukt* ReadUserProductReference(CArchive& ar)
{
    if (CEgendefDatabase* database = CEgendefDatabase::Current())
        return database->ReadReference(ar);
    ReadCatalogueReference(ar);
    return nullptr;
}

bool InDatabaseList(const CListItem* item, int list)
{
    const auto& items = CDataBase::SystemList(list);
    return std::any_of(items.begin(), items.end(), [item](const auto& entry) { return entry.get() == item; });
}

bool InUserProducts(const CListItem* item)
{
    const auto& items = CEgendefDatabase::SystemProducts();
    return std::any_of(items.begin(), items.end(), [item](const auto& entry) { return entry.get() == item; });
}
