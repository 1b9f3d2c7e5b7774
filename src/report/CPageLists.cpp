#include "CPageLists.h"

#include "CGraphicsItem.h"

#include <algorithm>

CPageLists::~CPageLists()
{
    for (Page& page : pages_)
        for (CGraphicsItem* item : page)
            std::erase(item->shownBy_, this);
}

void CPageLists::Add(int page, CGraphicsItem* item)
{
    if (!valid(page) || !item || Shows(page, item))
        return;
    pages_[std::size_t(page)].push_back(item);
    if (std::find(item->shownBy_.begin(), item->shownBy_.end(), this) == item->shownBy_.end())
        item->shownBy_.push_back(this);
}

void CPageLists::Remove(int page, CGraphicsItem* item)
{
    if (!valid(page) || !item)
        return;
    std::erase(pages_[std::size_t(page)], item);
    if (!showsAnywhere(item))
        std::erase(item->shownBy_, this);
}

bool CPageLists::Shows(int page, const CGraphicsItem* item) const
{
    if (!valid(page))
        return false;
    const Page& items = pages_[std::size_t(page)];
    return std::find(items.begin(), items.end(), item) != items.end();
}

void CPageLists::Activate(int page)
{
    if (!valid(page))
        return;
    active_ = page;
    const Page items = pages_[std::size_t(page)];
    for (CGraphicsItem* item : items)
        item->Refresh();
}

void CPageLists::Forget(CGraphicsItem* item)
{
    for (Page& page : pages_)
        std::erase(page, item);
    std::erase(item->shownBy_, this);
}

bool CPageLists::showsAnywhere(const CGraphicsItem* item) const
{
    for (const Page& page : pages_)
        if (std::find(page.begin(), page.end(), item) != page.end())
            return true;
    return false;
}
