#pragma once

#include <array>
#include <vector>

class CGraphicsItem;

// The result pages of the eight modules, one list of page items each, in the
// document's module order; the active one is the page the view shows. The
// lists do not own their items: modules own theirs, the document the headers
// and the footer. An item that is destroyed leaves the lists by itself.
class CPageLists {
public:
    static constexpr int pageCount = 8;
    using Page = std::vector<CGraphicsItem*>;

    CPageLists() = default;
    CPageLists(const CPageLists&) = delete;
    CPageLists& operator=(const CPageLists&) = delete;
    ~CPageLists();

    // Show-on-page: appends the item unless the page already shows it.
    void Add(int page, CGraphicsItem* item);
    // Remove-from-page.
    void Remove(int page, CGraphicsItem* item);
    bool Shows(int page, const CGraphicsItem* item) const;
    // Makes the page the active one and refreshes each of its items (the
    // header takes the current time, the project texts and the picture).
    void Activate(int page);

    int ActivePage() const { return active_; }
    Page& Items(int page) { return pages_.at(std::size_t(page)); }
    const Page& Items(int page) const { return pages_.at(std::size_t(page)); }
    Page& ActiveItems() { return Items(active_); }
    const Page& ActiveItems() const { return Items(active_); }

    // Takes the item off every page; called as the item is destroyed.
    void Forget(CGraphicsItem* item);

private:
    static bool valid(int page) { return page >= 0 && page < pageCount; }
    bool showsAnywhere(const CGraphicsItem* item) const;

    std::array<Page, pageCount> pages_;
    int active_ = 0;
};
