#include "ReportTestSupport.h"

#include <limits>

#include "report/CInsulationSpace.h"

using platform::Point;
using platform::Rect;
using Op = platform::RecordingCanvas::Op;
using Distances = CInsulationSpace::Distances;

namespace {

// The value column as drawn: label and value of each line.
std::vector<std::pair<std::string, std::string>> drawnLines(CInsulationSpace& space)
{
    platform::RecordingCanvas canvas;
    space.Draw(canvas, {0, 0, 100000, 100000});
    std::vector<std::pair<std::string, std::string>> lines;
    const auto texts = canvas.Calls(Op::Text);
    for (std::size_t i = 1; i + 1 < texts.size(); i += 2)
        lines.emplace_back(texts[i]->text, texts[i + 1]->text);
    return lines;
}

} // namespace

using InsulationSpaceTest = ReportTest;

TEST_F(InsulationSpaceTest, DistancesFollowTheStepsOfEachKind)
{
    CInsulationSpace space;
    space.SetDimensions(CInsulationSpace::pipe, 0.1143f, 0, 0);
    EXPECT_EQ(space.Diameter(), 114);
    EXPECT_EQ(space.Distance(), (Distances{50, 50, 107, 164, 107}));
    EXPECT_EQ(drawnLines(space), (std::vector<std::pair<std::string, std::string>>{
                                     {"a:", "50 mm"}, {"b:", "50 mm"}, {"c:", "107 mm"}, {"d:", "164 mm"},
                                     {"e:", "107 mm"}, {"Ø:", "114 mm"}}));

    // Each step's upper boundary belongs to it.
    space.SetDimensions(CInsulationSpace::pipe, 0.160f, 0, 0);
    EXPECT_EQ(space.Distance().a, 50);
    space.SetDimensions(CInsulationSpace::pipe, 0.161f, 0, 0);
    EXPECT_EQ(space.Distance(), (Distances{100, 50, 130, 261, 180}));
    EXPECT_EQ(CInsulationSpace::DistancesFor(0, 800, 0, 0).a, 200);
    EXPECT_EQ(CInsulationSpace::DistancesFor(0, 801, 0, 0), (Distances{300, 100, 500, 1101, 700}));
    EXPECT_EQ(CInsulationSpace::DistancesFor(1, 300, 0, 0).a, 200);
    EXPECT_EQ(CInsulationSpace::DistancesFor(1, 301, 0, 0).a, 300);

    space.SetDimensions(CInsulationSpace::circularDuct, 1.0f, 0, 0);
    EXPECT_EQ(space.Distance(), (Distances{500, 150, 650, 1500, 1000}));

    space.SetDimensions(CInsulationSpace::rectangularDuct, 0, 0.8f, 0.4f);
    EXPECT_EQ(space.Width(), 800);
    EXPECT_EQ(space.Height(), 400);
    EXPECT_EQ(space.Distance(), (Distances{500, 300, 500, 1300, 900}));
    const auto lines = drawnLines(space);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[5], (std::pair<std::string, std::string>{"B:", "800 mm"}));
    EXPECT_EQ(lines[6], (std::pair<std::string, std::string>{"H:", "400 mm"}));
    EXPECT_EQ(CInsulationSpace::DistancesFor(2, 0, 700, 1200).a, 300);
    EXPECT_EQ(CInsulationSpace::DistancesFor(2, 0, 700, 1201).b, 500);

    // Kinds the drawing has no picture for change nothing.
    space.SetDimensions(3, 0.5f, 0.5f, 0.5f);
    EXPECT_EQ(space.Kind(), CInsulationSpace::rectangularDuct);
    EXPECT_EQ(space.Width(), 800);

    // Sizes no module passes (below zero, absurdly large, not a number)
    // become 0 mm instead of overflowing: the lowest step.
    space.SetDimensions(CInsulationSpace::pipe, -0.2f, 0, 0);
    EXPECT_EQ(space.Diameter(), 0);
    space.SetDimensions(CInsulationSpace::pipe, 1e30f, 0, 0);
    EXPECT_EQ(space.Diameter(), 0);
    space.SetDimensions(CInsulationSpace::pipe, std::numeric_limits<float>::quiet_NaN(), 0, 0);
    EXPECT_EQ(space.Diameter(), 0);
    EXPECT_EQ(space.Distance().a, 50);
}

TEST_F(InsulationSpaceTest, LayoutAndDrawing)
{
    CInsulationSpace space;
    space.SetDimensions(CInsulationSpace::pipe, 0.1143f, 0, 0);
    space.SetPosition(20, 65);
    // Title and lines 10 units + 1.2 mm (5 units) high; picture 72 × 48 mm
    // (283 × 189); text column 2 mm (8) to its right, as wide as "a:  1000 mm".
    EXPECT_EQ(space.TitleHeight(), 15);
    EXPECT_EQ(space.LineHeight(), 15);
    EXPECT_EQ(space.PictureRect(), (Rect{79, 271, 362, 460}));
    EXPECT_EQ(space.TextColumn(), 370);
    EXPECT_EQ(space.rect, (Rect{79, 256, 370 + 66, 256 + 15 + 189}));

    platform::RecordingCanvas canvas;
    space.Draw(canvas, {0, 200, 1000, 1000});
    const auto* title = canvas.FindText("Minsta utrymme för montering av isolering");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->points[0], (Point{79, 56}));
    EXPECT_EQ(title->font.weight, 700);
    const auto pictures = canvas.Calls(Op::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0]->text, "space-0");
    EXPECT_EQ(pictures[0]->rect, (Rect{79, 71, 362, 260}));
    const auto* c = canvas.FindText("c:");
    EXPECT_EQ(c->points[0], (Point{370, 71 + 30}));
    const auto* value = canvas.FindText("107 mm");
    EXPECT_EQ(value->points[0], (Point{436, 71 + 30}));
    EXPECT_EQ(value->align.h, platform::HAlign::Right);

    EXPECT_EQ(space.helpTopic, "::/html/resutrymme.htm");
}
