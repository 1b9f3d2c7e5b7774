#pragma once

#include "CEgendefIsoProdukt.h"
#include "doc/ItemList.h"

#include <string>

// The user's own insulation products, kept in "egendef.dat" beside the
// reference database.
class CEgendefDatabase : public CItem {
    TEKVAR_DECLARE_CLASS(CEgendefDatabase)

public:
    // Touches no file; Load reads the one the settings lead to.
    CEgendefDatabase() = default;
    ~CEgendefDatabase() override;
    CEgendefDatabase(const CEgendefDatabase&) = delete;
    CEgendefDatabase& operator=(const CEgendefDatabase&) = delete;

    // The user database the whole program works with; none before one is made current.
    static CEgendefDatabase* Current();
    void MakeCurrent();
    // The user products as the program sees them now: the editor's working
    // copy while it is open, otherwise the current database's list.
    static const ItemList<CEgendefIsoProdukt>& SystemProducts();
    const ItemList<CEgendefIsoProdukt>& VisibleProducts() const { return working_ ? *working_ : products; }

    // While it lives, the working copy stands in for the products wherever
    // the program looks them up.
    class WorkingListScope {
    public:
        WorkingListScope(CEgendefDatabase& database, const ItemList<CEgendefIsoProdukt>& working);
        ~WorkingListScope();
        WorkingListScope(const WorkingListScope&) = delete;
        WorkingListScope& operator=(const WorkingListScope&) = delete;

    private:
        CEgendefDatabase& database_;
        const ItemList<CEgendefIsoProdukt>* outer_;
    };

    // Derives the path from the settings and reads the file, for a database
    // that no module refers to yet. A missing file just means no products
    // and says nothing; a damaged one shows the read message and leaves the
    // products read before the damage. False when not all was read.
    bool Load();
    // False after the write message; the products keep their contents.
    bool Save();
    // The editor works on a copy; OK puts it in place and writes the file.
    bool Edit() override;

    static void WriteReference(CArchive& ar, const CListItem* item);
    CEgendefIsoProdukt* ReadReference(CArchive& ar);
    CEgendefIsoProdukt* ReadEmbedded(CArchive& ar, CEgendefIsoProdukt& copy);

    ItemList<CEgendefIsoProdukt> products;
    std::string filePath;

private:
    const ItemList<CEgendefIsoProdukt>* working_ = nullptr;
    bool unread_ = false; // the file holds more than could be read
};
