#pragma once

#include "report/Pagination.h"

#include <vector>

class CGraphicsItem;

// A module's result items on its page of the current document.

// Stacks items down the page from (20, 65) mm: an item that would pass the
// bottom of its sheet starts the next sheet to the right instead, so no item
// crosses a sheet's edge. The first item stands at the top whatever its size.
class PageFlow {
public:
    void Place(CGraphicsItem& item);

private:
    float x_ = pageLeft;
    float y_ = pageTop;
};

// Puts the items on the module's page list, in this order; does nothing
// while no document with result pages is current.
void ShowOnPage(int page, const std::vector<CGraphicsItem*>& items);
// Takes the items off the page list.
void RemoveFromPage(int page, const std::vector<CGraphicsItem*>& items);
