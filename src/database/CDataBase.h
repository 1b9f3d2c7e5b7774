#pragma once

#include "ItemView.h"
#include "doc/ItemList.h"

#include <array>
#include <memory>
#include <string>

// The maker's reference database of "tekvar.dat": nine lists of catalogue
// items that the modules choose from and refer to by name.
class CDataBase : public CItem {
    TEKVAR_DECLARE_CLASS(CDataBase)

public:
    static constexpr int listCount = 9;
    // The list index: the file order and the index every caller uses.
    enum ListIndex : int {
        insulationProducts = 0,   // CIsoProdukt
        rectangularAbsorbers = 1, // CAbsorpsjon of kind 0
        circularAbsorbers = 2,    // CAbsorpsjon of kind 1
        outerCladdings = 3,       // CMantling of kind 0
        insideOuterSurfaces = 4,  // CMantling of kind 1
        innerCladdings = 5,       // CMantling of kind 2
        fittings = 6,             // CTillegg2
        liquids = 7,              // CVeske
        pipeMaterials = 8,        // CRormaterial
    };
    using Lists = std::array<ItemList<CListItem>, listCount>;

    struct ListInfo {
        const char* label;          // the list's name in the database editor
        int missingMessage;         // text id; %s is the name no longer found
        const ClassInfo* itemClass; // what the list holds
        int kind;                   // the kind of its absorption products or claddings; −1 for others
    };
    static const ListInfo& Info(int list);

    // Touches no file; Load reads the one named in the settings.
    CDataBase() = default;
    ~CDataBase() override;
    CDataBase(const CDataBase&) = delete;
    CDataBase& operator=(const CDataBase&) = delete;

    // The database the whole program works with; none before one is made current.
    static CDataBase* Current();
    void MakeCurrent();
    // List i as the program sees it now: the database editor's working copy
    // while the editor is open, otherwise the current database's list (an
    // empty list when there is no current database).
    static const ItemList<CListItem>& SystemList(int list);
    template <class T>
    static ItemView<T> SystemItems(int list)
    {
        return ItemView<T>(SystemList(list));
    }
    // This database's list i, or the working copy standing in for it.
    const ItemList<CListItem>& VisibleList(int list) const;

    // While it lives, the working copies stand in for the database's lists
    // wherever the program looks them up, so that the item editors check
    // names against what the database editor shows.
    class WorkingListsScope {
    public:
        WorkingListsScope(CDataBase& database, const Lists& working);
        ~WorkingListsScope();
        WorkingListsScope(const WorkingListsScope&) = delete;
        WorkingListsScope& operator=(const WorkingListsScope&) = delete;

    private:
        CDataBase& database_;
        const Lists* outer_;
    };

    // Takes the path from the settings and reads the file into the lists,
    // for a database that no module refers to yet. False after the read
    // message; a damaged file leaves the items read before the damage.
    bool Load();
    // Writes the nine lists. False after the write message; the lists keep
    // their contents.
    bool Save();
    // The database editor works on copies of the lists. OK puts them in
    // place (the modules that used the replaced items are told), remembers
    // the list shown and writes the file.
    bool Edit() override;

    // A new item for list i with its defaults and the list's kind.
    static std::unique_ptr<CListItem> CreateItem(int list);

    // A document's reference: the item's name, or the text for none.
    static void WriteReference(CArchive& ar, const CListItem* item);
    // The item of list i that a reference names; none for the text for none
    // or when the list is empty; the user's replacement when the name is gone.
    CListItem* ReadReference(CArchive& ar, int list);
    // For documents that hold a full copy of the item: the copy reads its
    // record and is resolved like a reference; a changed copy is reported.
    // Always an item of the list (or none), never the copy.
    CListItem* ReadEmbedded(CArchive& ar, int list, CListItem& copy);

    template <class T>
    T* ReadReferenceAs(CArchive& ar, int list)
    {
        return ItemCast<T>(ReadReference(ar, list));
    }
    template <class T>
    T* ReadEmbeddedAs(CArchive& ar, int list, T& copy)
    {
        return ItemCast<T>(ReadEmbedded(ar, list, copy));
    }

    int activeList = 0; // the list the editor showed last; never stored
    Lists lists;
    std::string filePath;

private:
    const Lists* working_ = nullptr;
    bool unread_ = false; // the file holds more than could be read
};
