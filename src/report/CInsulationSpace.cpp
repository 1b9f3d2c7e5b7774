#include "CInsulationSpace.h"

#include "PageModel.h"
#include "doc/StringTable.h"

#include <algorithm>

TEKVAR_IMPLEMENT_CLASS(CInsulationSpace, CGraphicsItem)

namespace {

// The widest value line sets the text column's width.
constexpr const char* sampleLine = "a:  1000 mm";

// trunc(1000 · metres + 0.5). Nonsense sizes (negative, beyond 1000 km or
// not a number) count as 0 rather than overflowing the conversion.
int wholeMillimetres(float metres)
{
    const float mm = 1000 * metres + 0.5f;
    return mm >= 0 && mm < 1e9f ? int(mm) : 0;
}

struct Step {
    int upTo; // largest diameter of the step, mm
    int a;
    int b;
};

constexpr Step pipeSteps[] = {{160, 50, 50}, {300, 100, 50}, {500, 150, 50}, {800, 200, 100}};
constexpr Step pipeLast = {0, 300, 100};
constexpr Step ductSteps[] = {{160, 100, 50}, {300, 200, 100}, {500, 300, 100}, {800, 400, 100}};
constexpr Step ductLast = {0, 500, 150};

template <std::size_t N>
Step stepFor(int diameter, const Step (&steps)[N], const Step& last)
{
    for (const Step& step : steps)
        if (diameter <= step.upTo)
            return step;
    return last;
}

} // namespace

CInsulationSpace::CInsulationSpace()
{
    name = "Minsta utrymme för montering av isolering";
    helpTopic = "::/html/resutrymme.htm";
    distances_ = DistancesFor(kind_, diameter_, width_, height_);
    layout();
}

CInsulationSpace::Distances CInsulationSpace::DistancesFor(int kind, int diameter, int width, int height)
{
    Distances d;
    if (kind == rectangularDuct) {
        d.a = width <= 700 ? 300 : 500;
        d.b = height <= 1200 ? 300 : 500;
        d.c = height / 2 + d.b;
        d.d = width + d.a;
        d.e = width / 2 + d.a;
        return d;
    }
    const Step step = kind == circularDuct ? stepFor(diameter, ductSteps, ductLast)
                                           : stepFor(diameter, pipeSteps, pipeLast);
    d.a = step.a;
    d.b = step.b;
    d.c = diameter / 2 + d.b;
    d.d = diameter + d.a;
    d.e = diameter / 2 + d.a;
    return d;
}

void CInsulationSpace::SetDimensions(int kind, float d1, float d2, float d3)
{
    if (kind != pipe && kind != circularDuct && kind != rectangularDuct)
        return;
    kind_ = kind;
    diameter_ = wholeMillimetres(d1);
    width_ = wholeMillimetres(d2);
    height_ = wholeMillimetres(d3);
    distances_ = DistancesFor(kind_, diameter_, width_, height_);
    layout();
}

void CInsulationSpace::SetPosition(float x, float y)
{
    x_ = x;
    y_ = y;
    layout();
}

void CInsulationSpace::BeginPrint(const platform::Canvas&)
{
    layout();
}

void CInsulationSpace::EndPrint()
{
    layout();
}

void CInsulationSpace::layout()
{
    const PageModel& m = PageModel::Get();
    rect.left = m.XUnits(x_);
    rect.top = m.YUnits(y_);
    titleHeight_ = m.Extent(platform::FontRole::Bold, name).height + m.YUnits(1.2f);
    const platform::Size sample = m.Extent(platform::FontRole::Normal, sampleLine);
    lineHeight_ = sample.height + m.YUnits(1.2f);
    const int lines = kind_ == rectangularDuct ? 7 : 6;
    pictureRect_.left = rect.left;
    pictureRect_.top = rect.top + titleHeight_;
    pictureRect_.right = pictureRect_.left + m.XUnits(72);
    pictureRect_.bottom = pictureRect_.top + m.YUnits(48);
    textColumn_ = pictureRect_.right + m.XUnits(2);
    rect.right = textColumn_ + sample.width;
    rect.bottom = rect.top + titleHeight_ + std::max(pictureRect_.Height(), lines * lineHeight_);
}

void CInsulationSpace::Draw(platform::Canvas& canvas, const platform::Rect& visible)
{
    if (!rect.Intersects(visible))
        return;
    const PageModel& m = PageModel::Get();
    const int dx = -visible.left;
    const int dy = -visible.top;

    canvas.SelectFont(m.Font(platform::FontRole::Bold));
    canvas.DrawText({rect.left + dx, rect.top + dy}, name);
    canvas.DrawPicture(platform::PictureRef::Resource("space-" + std::to_string(kind_)), pictureRect_.Moved(dx, dy));

    std::vector<std::pair<const char*, int>> lines = {
        {"a:", distances_.a}, {"b:", distances_.b}, {"c:", distances_.c}, {"d:", distances_.d}, {"e:", distances_.e}};
    if (kind_ == rectangularDuct) {
        lines.emplace_back("B:", width_);
        lines.emplace_back("H:", height_);
    } else {
        lines.emplace_back("Ø:", diameter_);
    }
    canvas.SelectFont(m.Font(platform::FontRole::Normal));
    int y = rect.top + titleHeight_ + dy;
    for (const auto& [label, value] : lines) {
        canvas.DrawText({textColumn_ + dx, y}, label);
        canvas.DrawText({rect.right + dx, y}, Sprintf("%d mm", value), {platform::HAlign::Right, platform::VAlign::Top});
        y += lineHeight_;
    }
}
