#include "CText.h"

#include "PageModel.h"
#include "doc/StringTable.h"

#include <algorithm>

TEKVAR_IMPLEMENT_CLASS(CText, CGraphicsItem)

CText::CText()
{
    layout();
}

void CText::Set(int titleId, const std::vector<int>& lineIds, float x, float y)
{
    std::vector<std::string> lines;
    for (int id : lineIds)
        lines.push_back(LoadString(id));
    Set(LoadString(titleId), std::move(lines), x, y);
}

void CText::Set(std::string title, std::vector<std::string> lines, float x, float y)
{
    name = std::move(title);
    lines_ = std::move(lines);
    x_ = x;
    y_ = y;
    layout();
}

void CText::SetPosition(float x, float y)
{
    x_ = x;
    y_ = y;
    layout();
}

void CText::BeginPrint(const platform::Canvas&)
{
    layout();
}

void CText::EndPrint()
{
    layout();
}

void CText::layout()
{
    const PageModel& m = PageModel::Get();
    const platform::Size title = m.Extent(platform::FontRole::Bold, name);
    titleHeight_ = title.height;
    lineHeight_ = m.Metrics(platform::FontRole::Normal).height;
    int width = title.width;
    for (const std::string& line : lines_)
        width = std::max(width, m.Extent(platform::FontRole::Normal, line).width);
    rect.left = m.XUnits(x_);
    rect.top = m.YUnits(y_);
    rect.right = rect.left + width;
    rect.bottom = rect.top + titleHeight_ + (LineCount() + 1) * lineHeight_;
}

void CText::Draw(platform::Canvas& canvas, const platform::Rect& visible)
{
    if (!rect.Intersects(visible))
        return;
    const PageModel& m = PageModel::Get();
    const int left = rect.left - visible.left;
    const int top = rect.top - visible.top;
    canvas.SelectFont(m.Font(platform::FontRole::Bold));
    canvas.DrawText({left, top}, name);
    canvas.SelectFont(m.Font(platform::FontRole::Normal));
    int y = top + titleHeight_ + lineHeight_;
    for (const std::string& line : lines_) {
        canvas.DrawText({left, y}, line);
        y += lineHeight_;
    }
}
