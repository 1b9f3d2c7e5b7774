#include "CGraph.h"

#include "PageModel.h"
#include "doc/CVekModul.h"
#include "doc/StringTable.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

TEKVAR_IMPLEMENT_CLASS(CGraph, CGraphicsItem)

namespace {

// trunc() of a pixel formula. Values far outside any page (a point far
// outside the axis range) are held to a size the device can take instead of
// overflowing the conversion.
int truncated(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::clamp(value, -1e8, 1e8));
}

std::int16_t pixel16(int value)
{
    return std::int16_t(std::clamp<int>(value, std::numeric_limits<std::int16_t>::min(),
                                        std::numeric_limits<std::int16_t>::max()));
}

} // namespace

CGraph::CGraph()
{
    copyable = true;
    layout();
}

void CGraph::Set(float x, float y, float width, float height, std::string title, std::string yCaption,
                 std::string xCaption, const std::vector<std::string>& curveNames,
                 const std::vector<platform::Colour>& colours, GraphFormats formats, bool markers)
{
    x_ = x;
    y_ = y;
    plotWidthMm_ = width;
    plotHeightMm_ = height;
    name = std::move(title);
    yCaption_ = std::move(yCaption);
    xCaption_ = std::move(xCaption);
    formats_ = std::move(formats);
    markers_ = markers;
    ClearList(subItems);
    for (std::size_t i = 0; i < curveNames.size(); ++i) {
        auto curve = std::make_unique<CKurve>();
        curve->name = curveNames[i];
        curve->colour = i < colours.size() ? colours[i] : platform::black;
        subItems.push_back(std::move(curve));
    }
    givenSteps_ = false;
    xLabelInterval_ = 1;
    yLabelInterval_ = 1;
    layout();
}

void CGraph::Set(float x, float y, float width, float height, int titleId, int yCaptionId, int xCaptionId,
                 const std::vector<int>& curveIds, const std::vector<platform::Colour>& colours,
                 GraphFormats formats, bool markers)
{
    std::vector<std::string> names;
    for (int id : curveIds) {
        if (id == 0)
            break;
        names.push_back(LoadString(id));
    }
    Set(x, y, width, height, LoadString(titleId), LoadString(yCaptionId), LoadString(xCaptionId), names, colours,
        std::move(formats), markers);
}

void CGraph::SetData(const GraphRange& range, const std::vector<std::vector<float>>& x,
                     const std::vector<std::vector<float>>& y)
{
    range_ = range;
    for (std::size_t i = 0; i < subItems.size(); ++i) {
        CKurve& c = curve(i);
        c.x.clear();
        c.y.clear();
        if (i < x.size() && i < y.size()) {
            const std::size_t count = std::min(x[i].size(), y[i].size());
            c.x.assign(x[i].begin(), x[i].begin() + std::ptrdiff_t(count));
            c.y.assign(y[i].begin(), y[i].begin() + std::ptrdiff_t(count));
        }
    }
    computePixels();
}

void CGraph::SetSteps(float xStep, float yStep, int xLabelInterval, int yLabelInterval)
{
    givenSteps_ = true;
    xStep_ = xStep;
    yStep_ = yStep;
    xLabelInterval_ = xLabelInterval;
    yLabelInterval_ = yLabelInterval;
}

void CGraph::SetPosition(float x, float y)
{
    x_ = x;
    y_ = y;
    layout();
}

void CGraph::BeginPrint(const platform::Canvas&)
{
    layout();
}

void CGraph::EndPrint()
{
    layout();
}

void CGraph::layout()
{
    const PageModel& m = PageModel::Get();
    rect.left = m.XUnits(x_);
    rect.top = m.YUnits(y_);
    plotWidth_ = m.XUnits(plotWidthMm_);
    plotHeight_ = m.YUnits(plotHeightMm_);

    const platform::FontMetrics normal = m.Metrics(platform::FontRole::Normal);
    averageCharWidth_ = normal.averageCharWidth;
    lineHeight_ = normal.height + normal.externalLeading;
    const int yCaptionWidth = m.Extent(platform::FontRole::Normal, yCaption_).width;
    const int xCaptionWidth = m.Extent(platform::FontRole::Normal, xCaption_).width;
    int widest = m.Extent(platform::FontRole::Bold, name).width;
    for (const auto& item : subItems)
        widest = std::max(widest, m.Extent(platform::FontRole::Normal, item->name).width + averageCharWidth_);

    // A title line and a caption line above the plot.
    origin_ = {yCaptionWidth, 2 * lineHeight_ + plotHeight_};
    rect.right = rect.left + std::max(yCaptionWidth + plotWidth_ + xCaptionWidth, widest);
    rect.bottom = rect.top + plotHeight_ + (CurveCount() + 4) * lineHeight_;
    computePixels();
}

GraphTicks CGraph::ticks(float min, float max, int length, bool vertical, float givenStep, int automaticCount,
                         int labelInterval, const std::string& format) const
{
    GraphTicks result;
    const float span = max - min;
    if (!(span != 0) || !std::isfinite(span))
        return result;
    int count = 0;
    float step = givenStep;
    if (givenSteps_) {
        // In float, as every computed value: a range of 1 in steps of 0.1
        // is ten ticks, not the nine a double quotient would give. Steps too
        // small to tell apart on the device gain nothing; more ticks than
        // units would only cost memory.
        const float n = givenStep > 0 ? span / givenStep : 0;
        count = n > 0 ? int(std::min(double(n), double(std::max(length, 0)))) : 0;
    } else {
        count = std::max(automaticCount, 0);
        if (count > 0)
            step = span / float(count);
    }
    const int origin = vertical ? origin_.y : origin_.x;
    float value = min;
    int counter = 0;
    for (int i = 0; i < count; ++i) {
        const int offset = truncated(double(float(length) * (value - min) / span));
        result.values.push_back(value);
        result.pixels.push_back(pixel16(vertical ? origin - offset : origin + offset));
        if (counter == labelInterval) {
            result.labels.push_back(WithoutNegativeZero(Sprintf(format, double(value))));
            counter = 0;
        } else {
            result.labels.emplace_back();
        }
        ++counter;
        value += step;
    }
    return result;
}

void CGraph::computePixels()
{
    const GraphRange& r = range_;
    zeroLine_ = r.ymin <= 0 && 0 <= r.ymax;
    const float xSpan = r.xmax - r.xmin;
    const float ySpan = r.ymax - r.ymin;
    const bool xUsable = xSpan != 0 && std::isfinite(xSpan);
    const bool yUsable = ySpan != 0 && std::isfinite(ySpan);

    zeroX_ = origin_.x;
    zeroY_ = origin_.y;
    if (xUsable)
        zeroX_ = origin_.x + truncated(double(float(plotWidth_) * (1 - r.xmax / xSpan)));
    if (yUsable)
        zeroY_ = origin_.y - truncated(double(float(plotHeight_) * (1 - r.ymax / ySpan)));

    for (std::size_t i = 0; i < subItems.size(); ++i) {
        CKurve& c = curve(i);
        c.xPixels.clear();
        c.yPixels.clear();
        if (!xUsable || !yUsable)
            continue;
        for (int p = 0; p < c.PointCount(); ++p) {
            const std::size_t k = std::size_t(p);
            c.xPixels.push_back(
                pixel16(origin_.x + truncated(double(float(plotWidth_) * (c.x[k] - r.xmin) / xSpan))));
            c.yPixels.push_back(
                pixel16(origin_.y - truncated(double(float(plotHeight_) * (c.y[k] - r.ymin) / ySpan))));
        }
    }

    const int xAutomatic = averageCharWidth_ > 0 ? plotWidth_ / (6 * averageCharWidth_) : 0;
    const int yAutomatic = lineHeight_ > 0 ? plotHeight_ / (2 * lineHeight_) : 0;
    xTicks_ = ticks(r.xmin, r.xmax, plotWidth_, false, xStep_, xAutomatic, xLabelInterval_, formats_.xTick);
    yTicks_ = ticks(r.ymin, r.ymax, plotHeight_, true, yStep_, yAutomatic, yLabelInterval_, formats_.yTick);
}

std::string CGraph::ClipboardText() const
{
    std::string text = name + "\n";
    for (int i = 0; i < CurveCount(); ++i) {
        const CKurve& c = Curve(i);
        text += c.name + "\n";
        text += xCaption_ + "\t";
        for (int p = 0; p < c.PointCount(); ++p) {
            if (p > 0)
                text += "\t";
            text += DecimalComma(WithoutNegativeZero(Sprintf(formats_.xValue, double(c.x[std::size_t(p)]))));
        }
        text += "\n" + yCaption_ + "\t";
        for (int p = 0; p < c.PointCount(); ++p) {
            if (p > 0)
                text += "\t";
            text += DecimalComma(WithoutNegativeZero(Sprintf(formats_.yValue, double(c.y[std::size_t(p)]))));
        }
        text += "\n";
    }
    return text;
}

void CGraph::Draw(platform::Canvas& canvas, const platform::Rect& visible)
{
    if (!rect.Intersects(visible))
        return;
    const PageModel& m = PageModel::Get();
    const platform::Rect shown = rect.Moved(-visible.left, -visible.top);
    auto at = [&](int x, int y) { return platform::Point{shown.left + x, shown.top + y}; };

    if (selected && !canvas.IsPrinter())
        canvas.FillRect(shown, selectionColour);

    canvas.SelectFont(m.Font(platform::FontRole::Bold));
    canvas.DrawTextInRect(shown, name, {platform::HAlign::Centre, platform::VAlign::Top});

    canvas.SetPen({platform::black, 1, platform::PenStyle::Dotted});
    for (std::int16_t y : yTicks_.pixels)
        canvas.DrawLine(at(origin_.x, y), at(origin_.x + plotWidth_, y));
    for (std::int16_t x : xTicks_.pixels)
        canvas.DrawLine(at(x, origin_.y), at(x, origin_.y - plotHeight_));

    const platform::Pen axisPen{platform::black, m.YUnits(0.5f), platform::PenStyle::Solid};
    canvas.SetPen(axisPen);
    canvas.SelectFont(m.Font(platform::FontRole::Normal));
    canvas.DrawText(at(zeroX_, lineHeight_), yCaption_, {platform::HAlign::Right, platform::VAlign::Top});
    canvas.DrawText({shown.right, shown.top + origin_.y}, xCaption_, {platform::HAlign::Right, platform::VAlign::Top});
    canvas.DrawLine(at(zeroX_, origin_.y), at(zeroX_, origin_.y - plotHeight_));
    if (zeroLine_)
        canvas.DrawLine(at(origin_.x, zeroY_), at(origin_.x + plotWidth_, zeroY_));

    const int markAcross = m.XUnits(2);
    for (std::size_t i = 0; i < yTicks_.pixels.size(); ++i) {
        const int y = yTicks_.pixels[i];
        if (std::abs(y - zeroY_) < lineHeight_)
            continue;
        canvas.DrawLine(at(zeroX_ - markAcross / 2, y), at(zeroX_ - markAcross / 2 + markAcross, y));
        if (!yTicks_.labels[i].empty())
            canvas.DrawText(at(origin_.x - m.XUnits(2), y), yTicks_.labels[i],
                            {platform::HAlign::Right, platform::VAlign::Centre});
    }
    const int markUp = m.YUnits(2);
    for (std::size_t i = 0; i < xTicks_.pixels.size(); ++i) {
        const int x = xTicks_.pixels[i];
        if (std::abs(x - zeroX_) < 4 * averageCharWidth_)
            continue;
        if (zeroLine_)
            canvas.DrawLine(at(x, zeroY_ - markUp / 2), at(x, zeroY_ - markUp / 2 + markUp));
        if (!xTicks_.labels[i].empty())
            canvas.DrawText(at(x, origin_.y + m.YUnits(1)), xTicks_.labels[i],
                            {platform::HAlign::Centre, platform::VAlign::Top});
    }

    const int markerWidth = m.XUnits(2);
    const int markerHeight = m.YUnits(2);
    auto marker = [&](platform::Point centre) {
        const int left = centre.x - markerWidth / 2;
        const int top = centre.y - markerHeight / 2;
        canvas.DrawRectangle({left, top, left + markerWidth, top + markerHeight});
    };
    const int legendLine = m.XUnits(4);
    for (int k = 0; k < CurveCount(); ++k) {
        const CKurve& c = Curve(k);
        canvas.SetPen({c.colour, m.YUnits(0.5f), platform::PenStyle::Solid});
        canvas.SetBrush(c.colour);
        std::vector<platform::Point> points;
        for (std::size_t p = 0; p < c.xPixels.size(); ++p)
            points.push_back(at(c.xPixels[p], c.yPixels[p]));
        if (points.size() >= 2)
            canvas.DrawPolyline(points);
        if (markers_)
            for (platform::Point p : points)
                marker(p);

        const int y = origin_.y + (2 + k) * lineHeight_;
        canvas.DrawLine(at(origin_.x, y), at(origin_.x + legendLine, y));
        if (markers_)
            marker(at(origin_.x + legendLine / 2, y));
        canvas.DrawText(at(origin_.x + legendLine, y - m.YUnits(1)), c.name);
    }
    canvas.SetNoBrush();
}
