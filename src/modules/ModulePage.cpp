#include "ModulePage.h"

#include "doc/CVekDoc.h"
#include "report/CGraphicsItem.h"
#include "report/PageModel.h"
#include "report/ResultPages.h"

namespace {

// The page lists of the current document; none while a document is being
// put together or for one without result pages.
CPageLists* PageListsOfDocument()
{
    CVekDoc* doc = CVekDoc::Current();
    if (!doc)
        return nullptr;
    ResultPages* pages = ResultPages::Of(*doc);
    return pages ? &pages->Lists() : nullptr;
}

} // namespace

void PageFlow::Place(CGraphicsItem& item)
{
    if (x_ == pageLeft && y_ == pageTop) {
        item.SetPosition(x_, y_);
        y_ = item.Bottom() + itemSpacing;
        return;
    }
    y_ = PlaceOnPage(item, x_, y_);
    const PageModel& model = PageModel::Get();
    if (item.rect.left >= model.XUnits(x_ + model.Sheet().width))
        x_ += model.Sheet().width;
}

void ShowOnPage(int page, const std::vector<CGraphicsItem*>& items)
{
    if (CPageLists* lists = PageListsOfDocument())
        for (CGraphicsItem* item : items)
            lists->Add(page, item);
}

void RemoveFromPage(int page, const std::vector<CGraphicsItem*>& items)
{
    if (CPageLists* lists = PageListsOfDocument())
        for (CGraphicsItem* item : items)
            lists->Remove(page, item);
}
