#include "Pagination.h"

#include "CFooter.h"
#include "CGraphicsItem.h"
#include "CHeader.h"
#include "PageModel.h"

#include <algorithm>
#include <cmath>

PageExtent UpdatePageExtent(const CPageLists::Page& items)
{
    PageExtent extent;
    for (const CGraphicsItem* item : items) {
        extent.width = std::max(extent.width, item->rect.right);
        extent.height = std::max(extent.height, item->rect.bottom);
    }
    // Every sheet the page reaches gets its header and footer, as many as a
    // print job prints (whole sheets across plus one). Rounding instead
    // would leave a sheet that is reached by less than half its width
    // without them, numbered "Sida 1/1".
    PageModel& model = PageModel::Get();
    const int sheetWidth = model.SheetWidthUnits();
    if (sheetWidth > 0)
        model.SetSheetCount(extent.width / sheetWidth + 1);
    return extent;
}

PageExtent ScrollExtent(const PageExtent& extent)
{
    const PageModel& model = PageModel::Get();
    auto roundUp = [](float mm) { return float((std::floor(mm / 100) + 1) * 100); };
    return {model.XUnits(roundUp(model.XMm(extent.width))), model.YUnits(roundUp(model.YMm(extent.height)))};
}

float PlaceOnPage(CGraphicsItem& item, float x, float y)
{
    const PageModel& model = PageModel::Get();
    item.SetPosition(x, y);
    float next = item.Bottom() + itemSpacing;
    if (next > model.Sheet().height) {
        item.SetPosition(x + model.Sheet().width, pageTop);
        next = item.Bottom() + itemSpacing;
    }
    return next;
}

void Paginate(CPageLists::Page& items)
{
    std::stable_sort(items.begin(), items.end(), [](const CGraphicsItem* a, const CGraphicsItem* b) {
        if (a->rect.left != b->rect.left)
            return a->rect.left < b->rect.left;
        return a->rect.top < b->rect.top;
    });

    const PageModel& model = PageModel::Get();
    float x = pageLeft;
    float y = pageTop;
    for (CGraphicsItem* item : items) {
        if (item->IsKindOf(CHeader::classInfo) || item->IsKindOf(CFooter::classInfo))
            continue;
        item->SetPosition(x, y);
        y = item->Bottom() + itemSpacing;
        if (y > model.Sheet().height) {
            x += model.Sheet().width;
            item->SetPosition(x, pageTop);
            y = item->Bottom() + itemSpacing;
        }
    }
}

PageExtent BeginPrintLayout(CPageLists::Page& items, const platform::Canvas& printer)
{
    PageModel::Get().BeginPrinting(printer);
    Paginate(items);
    for (CGraphicsItem* item : items)
        item->BeginPrint(printer);
    return UpdatePageExtent(items);
}

PageExtent EndPrintLayout(CPageLists::Page& items)
{
    PageModel::Get().EndPrinting();
    for (CGraphicsItem* item : items)
        item->EndPrint();
    Paginate(items);
    return UpdatePageExtent(items);
}
