#include "ReportTestSupport.h"

#include "platform/RecordingServices.h"
#include "platform/Services.h"
#include "report/CGraph.h"

#include <algorithm>

using platform::Point;
using platform::Rect;
using Op = platform::RecordingCanvas::Op;

namespace {

constexpr platform::Colour blue = 0xFF0000;

// The sound module's graph: plot 125 × 60 mm at (20, 65) mm. On screen that
// is 492 × 236 units; the y caption "[dB/m] " is 42 units wide, so the plot
// origin lies at (42, 2 × 11 + 236) from the top-left corner (79, 256).
void setSoundGraph(CGraph& graph, bool markers = true)
{
    graph.Set(20, 65, 125, 60, 62286, 62309, 62308, {62310, 0, 62311}, {blue},
              {"%.0f", "%.0f", "%.0f", "%.1f"}, markers);
}

std::vector<std::string> labels(std::initializer_list<const char*> texts)
{
    return {texts.begin(), texts.end()};
}

// Solid black lines: the axes and the tick marks.
std::vector<const platform::RecordingCanvas::Call*> axisLines(const platform::RecordingCanvas& canvas)
{
    std::vector<const platform::RecordingCanvas::Call*> found;
    for (const auto* call : LinesWith(canvas, 2, platform::PenStyle::Solid))
        if (call->pen.colour == platform::black)
            found.push_back(call);
    return found;
}

} // namespace

using GraphTest = ReportTest;

TEST_F(GraphTest, GivenStepsTickEveryStepAndLabelEveryIntervalFromTheMinimum)
{
    CGraph graph;
    setSoundGraph(graph);
    graph.SetSteps(10, 10, 1, 2);
    graph.SetData({0, 0, 100, 100}, {{0, 50, 100}}, {{0, 25, 100}});

    const GraphTicks& x = graph.XTicks();
    ASSERT_EQ(x.values.size(), 10u); // 0 … 90: the maximum gets none
    EXPECT_FLOAT_EQ(x.values[9], 90);
    EXPECT_EQ(x.labels, labels({"", "10", "20", "30", "40", "50", "60", "70", "80", "90"}));
    // 42 + trunc(492 × value ÷ 100)
    EXPECT_EQ(x.pixels[1], 42 + 49);
    EXPECT_EQ(x.pixels[3], 42 + 147);
    const GraphTicks& y = graph.YTicks();
    EXPECT_EQ(y.labels, labels({"", "", "20", "", "40", "", "60", "", "80", ""}));
    EXPECT_EQ(y.pixels[1], 258 - 23);
    EXPECT_EQ(y.pixels[9], 258 - 212);

    const CKurve& curve = graph.Curve(0);
    EXPECT_EQ(curve.xPixels, (std::vector<std::int16_t>{42, 42 + 246, 42 + 492}));
    EXPECT_EQ(curve.yPixels, (std::vector<std::int16_t>{258, 258 - 59, 258 - 236}));
    EXPECT_EQ(graph.ZeroX(), 42);
    EXPECT_EQ(graph.ZeroY(), 258);
    EXPECT_TRUE(graph.ZeroLine());

    // The count is a float quotient: 1 ÷ 0.1f gives ten ticks, 0 … 0.9.
    graph.SetSteps(0.1f, 10, 1, 1);
    graph.SetData({0, 0, 1, 100}, {}, {});
    ASSERT_EQ(graph.XTicks().values.size(), 10u);
    EXPECT_NEAR(graph.XTicks().values[9], 0.9f, 1e-6);

    // Interval 0 labels the minimum only.
    graph.SetSteps(10, 10, 0, 0);
    graph.SetData({0, 0, 100, 100}, {}, {});
    EXPECT_EQ(graph.XTicks().labels[0], "0");
    EXPECT_EQ(std::count(graph.XTicks().labels.begin(), graph.XTicks().labels.end(), ""), 9);
    EXPECT_EQ(graph.Curve(0).PointCount(), 0); // no arrays: the curve is emptied

    // A step far below one unit gives no more ticks than the plot has units.
    graph.SetSteps(1e-9f, -1, 1, 1);
    graph.SetData({0, 0, 100, 100}, {}, {});
    EXPECT_LE(graph.XTicks().values.size(), 492u);
    EXPECT_TRUE(graph.YTicks().values.empty());

    // Set goes back to automatic steps: 236 ÷ (2 × 11) = 10 y ticks of 10,
    // 492 ÷ (6 × 6) = 13 x ticks of 100/13, each labelled from the second.
    setSoundGraph(graph);
    graph.SetData({0, 0, 100, 100}, {}, {});
    EXPECT_EQ(graph.YTicks().labels, labels({"", "10", "20", "30", "40", "50", "60", "70", "80", "90"}));
    ASSERT_EQ(graph.XTicks().values.size(), 13u);
    EXPECT_EQ(graph.XTicks().labels[1], "8");
}

TEST_F(GraphTest, DrawsGridAxesTicksCurvesAndLegend)
{
    CGraph graph;
    setSoundGraph(graph);
    graph.SetSteps(10, 10, 1, 2);
    graph.SetData({0, 0, 100, 100}, {{0, 50, 100}}, {{0, 25, 100}});
    ASSERT_EQ(graph.CurveCount(), 1); // the names end at the 0
    // Caption, plot and x caption: 42 + 492 + 30; the legend (37 characters
    // and one more) is narrower. Below the plot: 1 curve + 4 lines of 11.
    EXPECT_EQ(graph.rect, (Rect{79, 256, 79 + 564, 256 + 236 + 55}));
    graph.Draw(screen, everything);

    const auto* title = screen.FindText("Beräknad ljuddämpning");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->op, Op::TextInRect);
    EXPECT_EQ(title->rect, graph.rect);
    EXPECT_EQ(title->align, (platform::TextAlign{platform::HAlign::Centre, platform::VAlign::Top}));
    EXPECT_EQ(screen.FindText("[dB/m] ")->points[0], (Point{79 + 42, 256 + 11}));
    EXPECT_EQ(screen.FindText(" [Hz]")->points[0], (Point{643, 256 + 258}));

    EXPECT_EQ(LinesWith(screen, 1, platform::PenStyle::Dotted).size(), 20u);
    // Both axes, and marks at every tick at least a line (y) or four
    // characters (x) away from zero: all but the first of each.
    const auto axes = axisLines(screen);
    ASSERT_EQ(axes.size(), 2u + 9 + 9);
    EXPECT_EQ(axes[0]->points, (std::vector<Point>{{121, 514}, {121, 278}}));
    EXPECT_EQ(axes[1]->points, (std::vector<Point>{{121, 514}, {613, 514}}));
    EXPECT_EQ(axes[2]->points, (std::vector<Point>{{117, 256 + 235}, {125, 256 + 235}}));
    const auto* label20 = screen.FindText("20");
    ASSERT_NE(label20, nullptr);
    EXPECT_EQ(label20->points[0], (Point{79 + 42 - 8, 256 + 258 - 47}));
    EXPECT_EQ(label20->align, (platform::TextAlign{platform::HAlign::Right, platform::VAlign::Centre}));
    const auto* label10 = screen.FindText("10"); // only on the x axis
    ASSERT_NE(label10, nullptr);
    EXPECT_EQ(label10->points[0], (Point{79 + 42 + 49, 514 + 4}));

    const auto polylines = screen.Calls(Op::Polyline);
    ASSERT_EQ(polylines.size(), 1u);
    EXPECT_EQ(polylines[0]->points, (std::vector<Point>{{121, 514}, {367, 455}, {613, 278}}));
    EXPECT_EQ(polylines[0]->pen.colour, blue);
    // A 2 mm (8 unit) square on each point and one in the legend.
    const auto markers = screen.Calls(Op::Rectangle);
    ASSERT_EQ(markers.size(), 4u);
    EXPECT_EQ(markers[1]->rect, (Rect{363, 451, 371, 459}));
    EXPECT_TRUE(markers[1]->filled);
    EXPECT_EQ(markers[1]->fill, blue);
    // The legend: a 4 mm line one line below the captions under the plot,
    // its name 1 mm higher at the line's end.
    const auto* legend = screen.FindText("Ljuddämpning som funktion av frekvens");
    ASSERT_NE(legend, nullptr);
    EXPECT_EQ(legend->points[0], (Point{121 + 16, 256 + 280 - 4}));
    EXPECT_EQ(markers[3]->rect, (Rect{125, 532, 133, 540}));

    // Selected: a light yellow background on screen, none on paper.
    graph.selected = true;
    screen.Clear();
    graph.Draw(screen, everything);
    ASSERT_EQ(screen.Calls(Op::Fill).size(), 1u);
    EXPECT_EQ(screen.Calls(Op::Fill)[0]->fill, 0x00C0FFFFu);
    platform::RecordingCanvas paper = Printer();
    graph.Draw(paper, everything);
    EXPECT_TRUE(paper.Calls(Op::Fill).empty());
    // Out of view nothing is drawn.
    screen.Clear();
    graph.Draw(screen, {700, 0, 900, 900});
    EXPECT_TRUE(screen.Calls().empty());
}

TEST_F(GraphTest, RangeWithoutZeroHasNoXAxisNorXTickMarks)
{
    CGraph graph;
    setSoundGraph(graph);
    graph.SetSteps(10, 10, 1, 1);
    graph.SetData({0, 5, 100, 60}, {{0, 100}}, {{5, 60}});
    EXPECT_FALSE(graph.ZeroLine());
    // Five ticks from 5; zero lies 21 units below the plot.
    EXPECT_EQ(graph.YTicks().labels, labels({"", "15", "25", "35", "45"}));
    EXPECT_EQ(graph.ZeroY(), 258 + 21);

    graph.Draw(screen, everything);
    for (const auto* line : axisLines(screen)) {
        const bool horizontalAcrossPlot = line->points[0].y == line->points[1].y &&
                                          line->points[1].x - line->points[0].x == 492;
        const bool verticalMark = line->points[0].x == line->points[1].x && line->points[1].y - line->points[0].y == 8;
        EXPECT_FALSE(horizontalAcrossPlot);
        EXPECT_FALSE(verticalMark);
    }
    EXPECT_EQ(axisLines(screen).size(), 1u + 5); // the y axis and its marks
    for (const char* label : {"10", "50", "90"})
        EXPECT_NE(screen.FindText(label), nullptr) << label;
}

TEST_F(GraphTest, OnePointCurveAndDegenerateRange)
{
    CGraph graph;
    setSoundGraph(graph);
    graph.SetData({0, 0, 10, 10}, {{5}}, {{5, 7}});
    ASSERT_EQ(graph.Curve(0).PointCount(), 1);
    graph.Draw(screen, everything);
    EXPECT_TRUE(screen.Calls(Op::Polyline).empty());
    ASSERT_EQ(screen.Calls(Op::Rectangle).size(), 2u); // the point and the legend
    EXPECT_EQ(screen.Calls(Op::Rectangle)[0]->rect, (Rect{79 + 42 + 246 - 4, 256 + 258 - 118 - 4, 371, 400}));

    setSoundGraph(graph, false);
    graph.SetData({0, 0, 10, 10}, {{5}}, {{5}});
    screen.Clear();
    graph.Draw(screen, everything);
    EXPECT_TRUE(screen.Calls(Op::Polyline).empty());
    EXPECT_TRUE(screen.Calls(Op::Rectangle).empty());

    // xmin = xmax: no pixels and no x ticks, nothing divided by zero.
    graph.SetData({3, 0, 3, 10}, {{3, 3}}, {{1, 2}});
    EXPECT_TRUE(graph.Curve(0).xPixels.empty());
    EXPECT_TRUE(graph.XTicks().values.empty());
    EXPECT_FALSE(graph.YTicks().values.empty());
    screen.Clear();
    graph.Draw(screen, everything);
    EXPECT_TRUE(screen.Calls(Op::Polyline).empty());
}

TEST_F(GraphTest, PrintingRescalesTheCurvesAndBack)
{
    CGraph graph;
    setSoundGraph(graph);
    graph.SetData({0, 0, 100, 100}, {{50}}, {{25}});
    EXPECT_EQ(graph.Curve(0).xPixels[0], 42 + 246);

    // 0.1 mm dots: plot 1250 × 600, the caption 7 × 15 wide, lines 25 + 2.
    const platform::RecordingCanvas printer = Printer();
    PageModel::Get().BeginPrinting(printer);
    graph.BeginPrint(printer);
    EXPECT_EQ(graph.rect.left, 200);
    EXPECT_EQ(graph.Origin(), (Point{105, 54 + 600}));
    EXPECT_EQ(graph.Curve(0).xPixels[0], 105 + 625);
    EXPECT_EQ(graph.Curve(0).yPixels[0], 654 - 150);

    PageModel::Get().EndPrinting();
    graph.EndPrint();
    EXPECT_EQ(graph.Curve(0).xPixels[0], 42 + 246);
    EXPECT_EQ(graph.Curve(0).yPixels[0], 258 - 59);
}

TEST_F(GraphTest, ClipboardTextHasTabsAndDecimalCommas)
{
    CGraph graph;
    // A long legend name widens the graph beyond plot and captions.
    graph.Set(20, 65, 20, 60, "T", "y", "x", {std::string(50, 'k')}, {}, {}, false);
    EXPECT_EQ(graph.rect.Width(), 51 * 6);
    graph.Set(20, 65, 100, 50, "T", "Tid [h]", "Temp", {"K", "L"}, {}, {"%.0f", "%.0f", "%.1f", "%.2f"}, false);
    graph.SetData({0, 0, 2, 30}, {{0.5f, 1.5f}}, {{20.25f, 21}});
    EXPECT_EQ(graph.ClipboardText(), "T\n"
                                     "K\n"
                                     "Temp\t0,5\t1,5\n"
                                     "Tid [h]\t20,25\t21,00\n"
                                     "L\n"
                                     "Temp\t\n"
                                     "Tid [h]\t\n");

    // A value that rounds to zero from below is a zero, on the axis and in the copy.
    graph.Set(20, 65, 100, 50, "T", "y", "x", {"K"}, {}, {"%.1f", "%.1f", "%.1f", "%.1f"}, false);
    graph.SetSteps(0.1f, 1.0f, 1, 1);
    graph.SetData({-0.3f, -2, 0.2f, 2}, {{-0.04f, 0.1f}}, {{-0.02f, -1.5f}});
    EXPECT_EQ(graph.ClipboardText(), "T\nK\nx\t0,0\t0,1\ny\t0,0\t-1,5\n");
    const std::vector<std::string>& ticks = graph.XTicks().labels;
    EXPECT_NE(std::find(ticks.begin(), ticks.end(), "0.0"), ticks.end());
    EXPECT_EQ(std::find(ticks.begin(), ticks.end(), "-0.0"), ticks.end());

    platform::RecordingClipboard clipboard;
    platform::ScopedServices services({.clipboard = &clipboard});
    graph.CopyToClipboard();
    ASSERT_EQ(clipboard.texts.size(), 1u);
    EXPECT_EQ(clipboard.texts[0], graph.ClipboardText());
}
