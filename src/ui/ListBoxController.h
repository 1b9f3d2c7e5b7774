#pragma once

#include "doc/ItemList.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

class QListWidget;
class QListWidgetItem;

// Keeps a list box in step with the working copy of a list that an editor
// dialog edits, and runs the New, Copy, Update and Delete commands on it.
// Each command opens the item's own editor through its Edit, so the items'
// dialogs are reached the same way everywhere.
//
// The box shows the items' names either in the list's order or sorted
// alphabetically (the list itself then keeps its own order). A list that is
// kept ascending by a value (thicknesses, lengths, dimensions) gives that
// value with SetListOrder: New and Update then put an item at its place.
class ListBoxController {
public:
    enum class BoxOrder { List, Alphabetical };
    using SortKey = std::function<float(const CListItem&)>;

    ListBoxController() = default;
    ~ListBoxController();
    ListBoxController(const ListBoxController&) = delete;
    ListBoxController& operator=(const ListBoxController&) = delete;

    // Shows the list's names in the box. The list must outlive the
    // controller's use of it; attaching again switches to another list.
    template <class T>
    void Attach(ItemList<T>& list, QListWidget* box, BoxOrder order = BoxOrder::List)
    {
        attach(std::make_unique<Access<T>>(list), box, order);
    }
    // New and Update keep the list ascending by the key: an item goes in
    // before the first one whose key is larger. Without a key New appends
    // and Update puts the item back where it was.
    void SetListOrder(SortKey key) { key_ = std::move(key); }

    QListWidget* Box() const { return box_; }
    int Count() const;
    // Fills the box from the list again, keeping the selected item selected.
    void Refill();

    // The item of the selected line. An empty list gives none, after
    // "Listan är tom!" when tellEmpty; with no line selected the first line
    // is selected and used.
    CListItem* Selected(bool tellEmpty = true);
    template <class T>
    T* SelectedAs(bool tellEmpty = true)
    {
        return static_cast<T*>(Selected(tellEmpty));
    }
    // Selects the line of the item; false when the item is not in the list.
    bool Select(const CListItem* item);

    // Opens the new item's editor; on OK the item joins the list and its line
    // is selected, on Cancel it is deleted. True on OK.
    bool New(std::unique_ptr<CListItem> item);
    // Edits a copy of the selected item and adds it like New. The copy starts
    // with no dependents: nothing uses it yet. True on OK.
    bool Copy();
    // Takes the selected item out of the list while its editor is open (so
    // that its own name does not count as taken), then puts it back, confirmed
    // or not. True when the editor was confirmed.
    bool Update();
    // Asks '"<name>" raderas nu!' and deletes the selected item on OK. With
    // inUseMessage, an item that something uses is refused with that message
    // instead. True when the item was deleted.
    bool Delete(int inUseMessage = 0);
    bool Delete(const std::string& inUseText);

    // Gives the copy no dependents, nor its own items (a product's
    // thicknesses, a fitting's lengths, a material's dimensions): they would
    // otherwise be told about edits meant for the original.
    static void ForgetDependents(CListItem& copy);

private:
    // The typed list behind the controller, seen as a list of CListItem.
    class ListAccess {
    public:
        virtual ~ListAccess() = default;
        virtual std::size_t Size() const = 0;
        virtual CListItem* At(std::size_t index) const = 0;
        virtual void Insert(std::size_t index, std::unique_ptr<CListItem> item) = 0;
        virtual std::unique_ptr<CListItem> Take(std::size_t index) = 0;
    };

    template <class T>
    class Access final : public ListAccess {
    public:
        explicit Access(ItemList<T>& list) : list_(list) {}
        std::size_t Size() const override { return list_.size(); }
        CListItem* At(std::size_t index) const override { return list_[index].get(); }
        void Insert(std::size_t index, std::unique_ptr<CListItem> item) override
        {
            if (!item || !item->IsKindOf(T::classInfo))
                throw std::logic_error("item of another class for this list");
            list_.insert(list_.begin() + std::ptrdiff_t(index), std::unique_ptr<T>(static_cast<T*>(item.release())));
        }
        std::unique_ptr<CListItem> Take(std::size_t index) override
        {
            std::unique_ptr<CListItem> item(list_[index].release());
            list_.erase(list_.begin() + std::ptrdiff_t(index));
            return item;
        }

    private:
        ItemList<T>& list_;
    };

    void attach(std::unique_ptr<ListAccess> access, QListWidget* box, BoxOrder order);
    // The list position of the item, or the list's size when it is absent.
    std::size_t indexOf(const CListItem* item) const;
    // Where the item goes in the list: by the key, or at the given position.
    std::size_t listPlace(const CListItem& item, std::size_t fallback) const;
    // Where its line goes in the box.
    int boxRow(const CListItem& item, std::size_t listIndex) const;
    // Puts the item into the list and its line into the box, selected.
    CListItem* insert(std::unique_ptr<CListItem> item, std::size_t fallback);
    QListWidgetItem* lineOf(const CListItem* item) const;
    void removeLine(const CListItem* item);
    bool tellIfEmpty(bool tellEmpty) const;

    std::unique_ptr<ListAccess> list_;
    QListWidget* box_ = nullptr;
    BoxOrder order_ = BoxOrder::List;
    SortKey key_;
};

// The alphabetical order of the database editor's list boxes: letters
// without regard to case, with å, ä and ö after z as in Swedish.
bool NameLess(const std::string& a, const std::string& b);
