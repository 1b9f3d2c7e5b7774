#include "CGraphicsItem.h"

#include "CPageLists.h"
#include "PageModel.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CGraphicsItem, CListItem)

CGraphicsItem::~CGraphicsItem()
{
    // Forget removes the back link too, so walk a copy.
    const std::vector<CPageLists*> lists = shownBy_;
    for (CPageLists* pages : lists)
        pages->Forget(this);
}

bool CGraphicsItem::HitTest(platform::Point point, platform::Point origin)
{
    selected = rect.Contains({point.x + origin.x, point.y + origin.y});
    return selected;
}

bool CGraphicsItem::Contains(platform::Point point) const
{
    return rect.Contains(point);
}

bool CGraphicsItem::OpenHelp(platform::Point point, platform::Point origin)
{
    if (!Contains({point.x + origin.x, point.y + origin.y}))
        return false;
    platform::help().ShowTopic(helpTopic);
    return true;
}

void CGraphicsItem::CopyToClipboard()
{
    if (copyable)
        platform::clipboard().SetText(ClipboardText());
}

void CGraphicsItem::Draw(platform::Canvas&, const platform::Rect&) {}

void CGraphicsItem::BeginPrint(const platform::Canvas&) {}

void CGraphicsItem::SetPosition(float, float) {}

float CGraphicsItem::Bottom() const
{
    return PageModel::Get().YMm(rect.bottom);
}

std::string DecimalComma(std::string text)
{
    // Only a point between digits is a decimal point: in "D.: 48.3 mm" the
    // abbreviation keeps its point and the number takes the comma.
    const auto digit = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    for (std::size_t point = text.find('.'); point != std::string::npos; point = text.find('.', point + 1)) {
        if (point > 0 && digit(point - 1) && digit(point + 1)) {
            text[point] = ',';
            break;
        }
    }
    return text;
}

std::size_t TextLength(const std::string& text)
{
    std::size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}
