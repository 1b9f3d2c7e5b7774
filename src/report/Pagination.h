#pragma once

#include "CPageLists.h"
#include "platform/Canvas.h"

class CGraphicsItem;

// The largest right and bottom edge of a page's items, in device units.
struct PageExtent {
    int width = 0;
    int height = 0;
    friend bool operator==(const PageExtent&, const PageExtent&) = default;
};

// Where items stack on a page, in mm.
inline constexpr float pageLeft = 20;
inline constexpr float pageTop = 65;
inline constexpr float itemSpacing = 10;

// The extent of the page; it also sets the page model's sheet count, the
// sheets the header and footer repeat over: trunc(extent width ÷ sheet
// width) + 1, the sheets across of a print job.
PageExtent UpdatePageExtent(const CPageLists::Page& items);
// The extent for scrolling: each side rounded up to the next multiple of
// 100 mm strictly above it.
PageExtent ScrollExtent(const PageExtent& extent);

// Places an item at (x, y) mm; when its bottom plus the spacing would pass
// the sheet's bottom it goes to the top of the next sheet to the right
// instead. Returns where the next item goes: its bottom plus the spacing.
// The modules stack their result items with it.
float PlaceOnPage(CGraphicsItem& item, float x, float y);

// Lays a page out over the sheets: sorted by left then top edge (ties keep
// their order), every item but the header and the footer stacked from
// (20, 65) mm, flowing onto the next sheet to the right.
void Paginate(CPageLists::Page& items);

// The page on printer sheets: printer units and fonts, pagination, then
// BeginPrint on every item. Returns the extent in printer dots.
PageExtent BeginPrintLayout(CPageLists::Page& items, const platform::Canvas& printer);
// Back to the screen: screen units, the default printer's sheet read again,
// EndPrint on every item and pagination in screen units.
PageExtent EndPrintLayout(CPageLists::Page& items);
