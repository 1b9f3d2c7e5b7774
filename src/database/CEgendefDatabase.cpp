#include "CEgendefDatabase.h"

#include "DataFiles.h"
#include "Reconciliation.h"
#include "doc/FileIO.h"

TEKVAR_IMPLEMENT_ABSTRACT_CLASS(CEgendefDatabase, CItem)

namespace {

CEgendefDatabase* currentDatabase = nullptr;

// The same explanation as for a maker's product, shown by the user database's own dialog.
constexpr int missingProductMessage = 61232;

} // namespace

CEgendefDatabase::~CEgendefDatabase()
{
    if (currentDatabase == this)
        currentDatabase = nullptr;
}

CEgendefDatabase* CEgendefDatabase::Current()
{
    return currentDatabase;
}

void CEgendefDatabase::MakeCurrent()
{
    currentDatabase = this;
}

const ItemList<CEgendefIsoProdukt>& CEgendefDatabase::SystemProducts()
{
    static const ItemList<CEgendefIsoProdukt> none;
    return currentDatabase ? currentDatabase->VisibleProducts() : none;
}

CEgendefDatabase::WorkingListScope::WorkingListScope(CEgendefDatabase& database,
                                                     const ItemList<CEgendefIsoProdukt>& working)
    : database_(database), outer_(database.working_)
{
    database_.working_ = &working;
}

CEgendefDatabase::WorkingListScope::~WorkingListScope()
{
    database_.working_ = outer_;
}

bool CEgendefDatabase::Load()
{
    filePath = UserDatabaseFilePath(DatabaseFilePath());
    unread_ = false;

    std::vector<std::uint8_t> bytes;
    if (const FileError error = ReadWholeFile(filePath, bytes); error != FileError::None) {
        // Passed over in silence; a file that is there but could not be
        // read is still kept before it is written over.
        unread_ = error != FileError::NotFound;
        return false;
    }
    ItemList<CEgendefIsoProdukt> read;
    try {
        CArchive ar(bytes);
        SerializeList(ar, read);
    } catch (const ArchiveError&) {
        unread_ = true;
        TellDatabaseReadFailure(filePath);
    }
    TakeList(products, read, false);
    return !unread_;
}

bool CEgendefDatabase::Save()
{
    CArchive ar;
    SerializeList(ar, products);
    // A failed write is said: the user's own products would be lost unseen.
    if ((unread_ && !KeepUnreadFile(filePath)) || WriteFileSafely(filePath, ar.Bytes()) != FileError::None) {
        TellDatabaseWriteFailure(filePath);
        return false;
    }
    unread_ = false;
    return true;
}

bool CEgendefDatabase::Edit()
{
    CEgendefDatabase working;
    working.filePath = filePath;
    CopyList(working.products, products);
    {
        WorkingListScope scope(*this, working.products);
        if (!platform::editors().Edit(working))
            return false;
    }
    TakeList(products, working.products, true);
    Save();
    return true;
}

void CEgendefDatabase::WriteReference(CArchive& ar, const CListItem* item)
{
    WriteCatalogueReference(ar, item);
}

CEgendefIsoProdukt* CEgendefDatabase::ReadReference(CArchive& ar)
{
    return ResolveReference(products, ReadCatalogueReference(ar), missingProductMessage,
                            platform::ReplacementSource::UserDatabase);
}

CEgendefIsoProdukt* CEgendefDatabase::ReadEmbedded(CArchive& ar, CEgendefIsoProdukt& copy)
{
    copy.Serialize(ar);
    return ResolveEmbedded(products, copy, missingProductMessage, platform::ReplacementSource::UserDatabase);
}
