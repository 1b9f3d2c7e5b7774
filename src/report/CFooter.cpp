#include "CFooter.h"

#include "PageModel.h"
#include "doc/StringTable.h"

TEKVAR_IMPLEMENT_CLASS(CFooter, CGraphicsItem)

CFooter::CFooter()
    : lines_{"Norlam AB, Teknisk Isolering, Box 100, 101 20 Stockholm",
             "E-post: teknisk.isolering@norlam.example"}
{
    helpTopic = "::/html/footer.htm";
    layout();
}

void CFooter::Refresh()
{
    layout();
}

void CFooter::BeginPrint(const platform::Canvas&)
{
    layout();
}

void CFooter::EndPrint()
{
    layout();
}

void CFooter::layout()
{
    const PageModel& m = PageModel::Get();
    const float h = m.Sheet().height;
    firstLine_ = {m.XUnits(20), m.YUnits(h - 8)};
    secondLine_ = {firstLine_.x, firstLine_.y + m.Metrics(platform::FontRole::Footer).height};
    frame_ = {m.XUnits(20), m.YUnits(h - 10), m.XUnits(190), m.YUnits(h - 1)};
    rect = frame_;
}

bool CFooter::Contains(platform::Point point) const
{
    const PageModel& m = PageModel::Get();
    for (int k = 0; k < m.SheetCount(); ++k)
        if (frame_.Moved(k * m.SheetWidthUnits(), 0).Contains(point))
            return true;
    return false;
}

void CFooter::Draw(platform::Canvas& canvas, const platform::Rect& visible)
{
    const PageModel& m = PageModel::Get();
    const int sheets = m.SheetCount();
    for (int k = 0; k < sheets; ++k) {
        const int shift = k * m.SheetWidthUnits();
        if (!frame_.Moved(shift, 0).Intersects(visible))
            continue;
        const int dx = shift - visible.left;
        const int dy = -visible.top;
        canvas.SelectFont(m.Font(platform::FontRole::Footer));
        canvas.DrawText({firstLine_.x + dx, firstLine_.y + dy}, lines_[0]);
        canvas.DrawText({secondLine_.x + dx, secondLine_.y + dy}, lines_[1]);
        canvas.DrawText({frame_.right + dx, firstLine_.y + dy}, Sprintf("Sida %d/%d", k + 1, sheets),
                        {platform::HAlign::Right, platform::VAlign::Top});
        canvas.SetPen({platform::black, m.YUnits(0.5f), platform::PenStyle::Solid});
        canvas.DrawLine({frame_.left + dx, frame_.top + dy}, {frame_.right + dx, frame_.top + dy});
    }
}
