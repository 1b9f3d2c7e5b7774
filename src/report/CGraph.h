#pragma once

#include "CGraphicsItem.h"
#include "CKurve.h"

#include <cstdint>
#include <string>
#include <vector>

struct GraphRange {
    float xmin = 0;
    float ymin = 0;
    float xmax = 0;
    float ymax = 0;
};

// printf formats for one float each.
struct GraphFormats {
    std::string xTick = "%.0f";
    std::string yTick = "%.0f";
    std::string xValue = "%.1f"; // clipboard
    std::string yValue = "%.1f"; // clipboard
};

// Ticks of one axis, in value order from the axis minimum.
struct GraphTicks {
    std::vector<float> values;
    std::vector<std::int16_t> pixels;  // relative to the graph's top-left
    std::vector<std::string> labels;   // empty for a tick without label
};

// A graph of one or more curves in a plot area with title, axis captions,
// ticks with labels, a dotted grid and a legend. Its data can be copied as
// tab-separated text for a spreadsheet.
class CGraph : public CGraphicsItem {
    TEKVAR_DECLARE_CLASS(CGraph)

public:
    CGraph();

    // Replaces the curves by empty ones with these names and colours,
    // switches to automatic ticks and lays out. Position and plot size in mm.
    void Set(float x, float y, float width, float height, std::string title, std::string yCaption,
             std::string xCaption, const std::vector<std::string>& curveNames,
             const std::vector<platform::Colour>& colours, GraphFormats formats, bool markers);
    // The same with string ids; curve ids end at the first 0 if there is one.
    void Set(float x, float y, float width, float height, int titleId, int yCaptionId, int xCaptionId,
             const std::vector<int>& curveIds, const std::vector<platform::Colour>& colours, GraphFormats formats,
             bool markers);
    // The points of each curve, replacing earlier ones (a curve without
    // arrays is left empty; x and y pair up to the shorter of the two).
    void SetData(const GraphRange& range, const std::vector<std::vector<float>>& x,
                 const std::vector<std::vector<float>>& y);
    // Given tick steps and label intervals; they count from the next SetData
    // or layout on.
    void SetSteps(float xStep, float yStep, int xLabelInterval, int yLabelInterval);

    std::string ClipboardText() const override;
    void Draw(platform::Canvas& canvas, const platform::Rect& visible) override;
    void BeginPrint(const platform::Canvas& printer) override;
    void EndPrint() override;
    void SetPosition(float x, float y) override;

    int CurveCount() const { return int(subItems.size()); }
    const CKurve& Curve(int index) const { return static_cast<const CKurve&>(*subItems.at(std::size_t(index))); }
    const GraphRange& Range() const { return range_; }
    const GraphTicks& XTicks() const { return xTicks_; }
    const GraphTicks& YTicks() const { return yTicks_; }
    // Device units relative to the top-left corner.
    platform::Point Origin() const { return origin_; }
    platform::Size PlotSize() const { return {plotWidth_, plotHeight_}; }
    int ZeroX() const { return zeroX_; }
    int ZeroY() const { return zeroY_; }
    int LineHeight() const { return lineHeight_; }
    bool ZeroLine() const { return zeroLine_; }

    static constexpr platform::Colour selectionColour = 0x00C0FFFF;

private:
    CKurve& curve(std::size_t index) { return static_cast<CKurve&>(*subItems[index]); }
    void layout();
    void computePixels();
    GraphTicks ticks(float min, float max, int length, bool vertical, float givenStep, int automaticCount,
                     int labelInterval, const std::string& format) const;

    float x_ = 0;
    float y_ = 0;
    float plotWidthMm_ = 0;
    float plotHeightMm_ = 0;
    GraphRange range_;
    std::string yCaption_;
    std::string xCaption_;
    GraphFormats formats_;
    bool markers_ = false;
    bool givenSteps_ = false;
    float xStep_ = 0;
    float yStep_ = 0;
    int xLabelInterval_ = 1;
    int yLabelInterval_ = 1;

    // Derived, device units.
    int plotWidth_ = 0;
    int plotHeight_ = 0;
    platform::Point origin_;
    int zeroX_ = 0;
    int zeroY_ = 0;
    int averageCharWidth_ = 0;
    int lineHeight_ = 0;
    GraphTicks xTicks_;
    GraphTicks yTicks_;
    bool zeroLine_ = false;
};
