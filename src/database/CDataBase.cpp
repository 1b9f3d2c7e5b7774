#include "CDataBase.h"

#include "CAbsorpsjon.h"
#include "CIsoProdukt.h"
#include "CMantling.h"
#include "CRormaterial.h"
#include "CTillegg2.h"
#include "CVeske.h"
#include "DataFiles.h"
#include "Reconciliation.h"
#include "doc/FileIO.h"

#include <stdexcept>

TEKVAR_IMPLEMENT_ABSTRACT_CLASS(CDataBase, CItem)

namespace {

CDataBase* currentDatabase = nullptr;

const CDataBase::ListInfo listInfo[CDataBase::listCount] = {
    {"Isoleringsprodukter", 61232, &CIsoProdukt::classInfo, -1},
    {"Absorptionsprodukter för rektangulär kanal", 61230, &CAbsorpsjon::classInfo, CAbsorpsjon::rectangularDuct},
    {"Absorptionsprodukter för cirkulär kanal", 61230, &CAbsorpsjon::classInfo, CAbsorpsjon::circularDuct},
    {"Utvändig ytbeklädnad vid normal isolering", 61235, &CMantling::classInfo, CMantling::outerCladding},
    {"Utvändig ytskikt vid invändig isolering", 61235, &CMantling::classInfo, CMantling::insideOuterSurface},
    {"Invändig ytbeklädnad vid invändig isolering", 61235, &CMantling::classInfo, CMantling::innerCladding},
    {"Tilläggsarmatur för rör", 61234, &CTillegg2::classInfo, -1},
    {"Vätskor", 61231, &CVeske::classInfo, -1},
    {"Rörmaterialer och dimensioner", 61247, &CRormaterial::classInfo, -1},
};

std::size_t checkedIndex(int list)
{
    if (list < 0 || list >= CDataBase::listCount)
        throw std::out_of_range("database list index");
    return std::size_t(list);
}

// Only items of the list's class are taken, so that everyone who looks at the
// list can treat its items as that class.
void readList(CArchive& ar, ItemList<CListItem>& list, const ClassInfo& itemClass)
{
    const std::uint32_t count = ar.ReadCount();
    for (std::uint32_t i = 0; i < count; ++i) {
        std::unique_ptr<CItem> item = ar.ReadOwnedObject(itemClass);
        list.emplace_back(static_cast<CListItem*>(item.release()));
    }
}

} // namespace

const CDataBase::ListInfo& CDataBase::Info(int list)
{
    return listInfo[checkedIndex(list)];
}

CDataBase::~CDataBase()
{
    if (currentDatabase == this)
        currentDatabase = nullptr;
}

CDataBase* CDataBase::Current()
{
    return currentDatabase;
}

void CDataBase::MakeCurrent()
{
    currentDatabase = this;
}

const ItemList<CListItem>& CDataBase::SystemList(int list)
{
    static const ItemList<CListItem> none;
    if (!currentDatabase) {
        checkedIndex(list);
        return none;
    }
    return currentDatabase->VisibleList(list);
}

const ItemList<CListItem>& CDataBase::VisibleList(int list) const
{
    const std::size_t index = checkedIndex(list);
    return working_ ? (*working_)[index] : lists[index];
}

CDataBase::WorkingListsScope::WorkingListsScope(CDataBase& database, const Lists& working)
    : database_(database), outer_(database.working_)
{
    database_.working_ = &working;
}

CDataBase::WorkingListsScope::~WorkingListsScope()
{
    database_.working_ = outer_;
}

bool CDataBase::Load()
{
    filePath = DatabaseFilePath();
    unread_ = false;

    std::vector<std::uint8_t> bytes;
    if (const FileError error = ReadWholeFile(filePath, bytes); error != FileError::None) {
        unread_ = error != FileError::NotFound;
        TellDatabaseReadFailure(filePath);
        return false;
    }
    Lists read;
    try {
        CArchive ar(bytes);
        for (int i = 0; i < listCount; ++i)
            readList(ar, read[std::size_t(i)], *listInfo[i].itemClass);
    } catch (const ArchiveError&) {
        unread_ = true;
    }
    for (std::size_t i = 0; i < read.size(); ++i)
        TakeList(lists[i], read[i], false);
    if (unread_)
        TellDatabaseReadFailure(filePath);
    return !unread_;
}

bool CDataBase::Save()
{
    CArchive ar;
    for (auto& list : lists)
        SerializeList(ar, list);
    if ((unread_ && !KeepUnreadFile(filePath)) || WriteFileSafely(filePath, ar.Bytes()) != FileError::None) {
        TellDatabaseWriteFailure(filePath);
        return false;
    }
    unread_ = false;
    return true;
}

bool CDataBase::Edit()
{
    CDataBase working;
    working.activeList = activeList;
    working.filePath = filePath;
    for (std::size_t i = 0; i < lists.size(); ++i)
        CopyList(working.lists[i], lists[i]);
    {
        WorkingListsScope scope(*this, working.lists);
        if (!platform::editors().Edit(working))
            return false;
    }
    activeList = working.activeList;
    // The copies carry the dependents of their originals: each module is
    // re-pointed to the copy before the original is deleted.
    for (std::size_t i = 0; i < lists.size(); ++i)
        TakeList(lists[i], working.lists[i], true);
    Save();
    return true;
}

std::unique_ptr<CListItem> CDataBase::CreateItem(int list)
{
    switch (ListIndex(checkedIndex(list))) {
    case insulationProducts:
        return std::make_unique<CIsoProdukt>();
    case rectangularAbsorbers:
    case circularAbsorbers:
        return std::make_unique<CAbsorpsjon>(listInfo[list].kind);
    case outerCladdings:
    case insideOuterSurfaces:
    case innerCladdings:
        return std::make_unique<CMantling>(listInfo[list].kind);
    case fittings:
        return std::make_unique<CTillegg2>();
    case liquids:
        return std::make_unique<CVeske>();
    case pipeMaterials:
        return std::make_unique<CRormaterial>();
    }
    return nullptr;
}

void CDataBase::WriteReference(CArchive& ar, const CListItem* item)
{
    WriteCatalogueReference(ar, item);
}

CListItem* CDataBase::ReadReference(CArchive& ar, int list)
{
    const std::size_t index = checkedIndex(list);
    const std::string name = ReadCatalogueReference(ar);
    return ResolveReference(lists[index], name, listInfo[index].missingMessage,
                            platform::ReplacementSource::Database);
}

CListItem* CDataBase::ReadEmbedded(CArchive& ar, int list, CListItem& copy)
{
    const std::size_t index = checkedIndex(list);
    copy.Serialize(ar);
    return ResolveEmbedded(lists[index], copy, listInfo[index].missingMessage,
                           platform::ReplacementSource::Database);
}
