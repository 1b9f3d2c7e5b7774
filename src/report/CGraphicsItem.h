#pragma once

#include "doc/CItem.h"
#include "doc/ItemList.h"
#include "platform/Canvas.h"

#include <string>
#include <vector>

class CPageLists;

// A page item: something drawn on a module's result page. It is placed in
// mm and keeps its rectangle in the device units in force (screen or
// printer). Page items are rebuilt by their module on every calculation and
// never written to documents; their record is the plain list item's.
class CGraphicsItem : public CListItem {
    TEKVAR_DECLARE_CLASS(CGraphicsItem)

public:
    CGraphicsItem() = default;
    // An item knows the page lists that show it; copies would not.
    CGraphicsItem(const CGraphicsItem&) = delete;
    CGraphicsItem& operator=(const CGraphicsItem&) = delete;
    // Leaves every page that still shows it, so no page keeps a dead item.
    ~CGraphicsItem() override;

    // Selects the item when the point (client coordinates plus the view's
    // origin) lies in its rectangle; returns whether it does.
    virtual bool HitTest(platform::Point point, platform::Point origin);
    virtual bool Contains(platform::Point point) const;
    // Shows the item's help topic when the point lies on it.
    virtual bool OpenHelp(platform::Point point, platform::Point origin);
    // Puts ClipboardText on the clipboard; only copyable items have one.
    virtual void CopyToClipboard();
    virtual std::string ClipboardText() const { return {}; }
    virtual void Refresh() {}
    // Draws the item shifted by the visible rectangle's top-left, when it
    // intersects the visible rectangle at all.
    virtual void Draw(platform::Canvas& canvas, const platform::Rect& visible);
    // Lay the item out again in printer units, and in screen units after.
    virtual void BeginPrint(const platform::Canvas& printer);
    virtual void EndPrint() {}
    // Places the item's top-left corner (mm) and lays it out again.
    virtual void SetPosition(float x, float y);

    // The bottom edge in mm, for stacking items on a page.
    float Bottom() const;

    ItemList<CListItem> subItems;
    platform::Rect rect;
    std::string helpTopic;
    bool copyable = false;
    bool selected = false;

private:
    friend class CPageLists;
    std::vector<CPageLists*> shownBy_;
};

// The decimal point of a formatted number as the clipboard text of a table
// or graph writes it: the first "." becomes ",".
std::string DecimalComma(std::string text);
// Characters of a UTF-8 text, for padding clipboard columns.
std::size_t TextLength(const std::string& text);
