#include "ReportTestSupport.h"

#include "report/CTabell.h"

using platform::Point;
using platform::Rect;
using Op = platform::RecordingCanvas::Op;

namespace {

// Heat loss results: "Värmeförlustberäkning" | "Resultat", rows
// "Utvändig yttemperatur" and "Värmeförlust".
void defineResults(CTabell& table)
{
    table.Define(20, 65, 4, 2, "%.1f", {62311, 62312}, {62317, 62315}, {}, 170);
    table.SetTexts({"24.6 °C", "31.2 W/m"});
}

} // namespace

using TableTest = ReportTest;

TEST_F(TableTest, DefineBuildsTheGridAndWidensTheFirstColumnTo170mm)
{
    CTabell table;
    defineResults(table);
    EXPECT_EQ(table.name, "Värmeförlustberäkning");
    EXPECT_EQ(table.Columns(), 2);
    EXPECT_EQ(table.Rows(), 3);
    EXPECT_EQ(table.Cell(1, 0), "Utvändig yttemperatur");
    EXPECT_EQ(table.Cell(2, 1), "31.2 W/m");

    // Measured: 21 and 8 characters of 6 units and a 4 mm (16 unit) gap,
    // 190 units; 170 mm are 669 units, so the first column takes the rest.
    EXPECT_EQ(table.ColumnWidths(), (std::vector<std::uint16_t>{669 - 16 - 48, 48}));
    EXPECT_EQ(table.rect.left, 79);
    EXPECT_EQ(table.rect.right - table.rect.left, 669);
    EXPECT_NEAR(PageModel::Get().XMm(table.rect.Width()), 170, 0.254);
    // Rows of 10 units and 2 mm (8 unit) gaps: 3 × 18 + 8.
    EXPECT_EQ(table.RowHeight(), 10);
    EXPECT_EQ(table.rect.bottom, 256 + 62);
    EXPECT_NEAR(table.Bottom(), 318 * 0.254, 1e-4);

    // A table wider than the minimum keeps its measured widths.
    CTabell wide;
    wide.Define(20, 65, 4, 2, "%.1f", {62311, 62312}, {62317}, {}, 10);
    EXPECT_EQ(wide.rect.right - wide.rect.left, 126 + 16 + 48);

    // Numbers go through the number format; the id lists end at a 0.
    CTabell numbers;
    numbers.Define(20, 65, 4, 2, "%.2f", {62311, 62312, 0, 62315}, {62317, 0, 62315}, {3.14159f, 3, 99}, 170);
    EXPECT_EQ(numbers.Columns(), 2);
    EXPECT_EQ(numbers.Rows(), 2);
    EXPECT_EQ(numbers.Cell(1, 1), "3.14");
}

TEST_F(TableTest, ContentVariantsKeepThePositionOnMinusOne)
{
    CTabell table;
    defineResults(table);
    table.SetPosition(20, 110);
    table.SetContent({62311, 62312}, {62315}, {"1.0 W/m"}, -1, -1, -1);
    EXPECT_EQ(table.X(), 20);
    EXPECT_EQ(table.Y(), 110);
    EXPECT_EQ(table.rect.top, 433);
    EXPECT_EQ(table.Rows(), 2);
    EXPECT_EQ(table.Cell(1, 1), "1.0 W/m");

    table.SetContent({62311, 62312}, {62315}, {}, 0, -1, -1);
    EXPECT_EQ(table.X(), 0); // 0 is a position
    EXPECT_EQ(table.Y(), 110);
    EXPECT_EQ(table.Cell(1, 1), ""); // rebuilt: the old text is gone

    // Captions as texts; fewer texts than cells leave the rest empty, more
    // are not used.
    table.SetContentWithCaptions({62311, 62312, 62315}, {"Alt. 1", "Alt. 2"}, {"a", "b", "c"}, 20, 65, 2);
    EXPECT_EQ(table.Rows(), 3);
    EXPECT_EQ(table.Cell(2, 0), "Alt. 2");
    EXPECT_EQ(table.Cell(2, 1), "c");
    EXPECT_EQ(table.Cell(2, 2), "");
    EXPECT_EQ(table.HighlightRow(), 2);
    table.SetContentFromArrays({62311, 62312}, {"x"}, {"1", "2", "3"}, -1, -1, -1);
    EXPECT_EQ(table.Cell(1, 1), "1");
    EXPECT_EQ(table.Rows(), 2);

    // Without any column there is no row to hold a caption.
    table.SetContentWithCaptions({}, {"x"}, {"1"}, -1, -1, -1);
    EXPECT_EQ(table.Rows(), 1);
    EXPECT_EQ(table.rect.Width(), 0);
    table.Draw(screen, everything);
    EXPECT_EQ(table.ClipboardText(), "Värmeförlustberäkning\n\n");
}

TEST_F(TableTest, DrawsRulesTextsAndTheHighlightedRow)
{
    CTabell table;
    defineResults(table);
    table.Draw(screen, {0, 200, 1000, 1000});
    const int top = 256 - 200;

    // Rules at every 18 units plus half a gap: thick, thin, thick.
    const auto lines = screen.Calls(Op::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]->points, (std::vector<Point>{{79, top + 22}, {748, top + 22}}));
    EXPECT_EQ(lines[1]->points[0].y, top + 40);
    EXPECT_EQ(lines[2]->points[0].y, top + 58);
    EXPECT_EQ(lines[0]->pen.width, 2);
    EXPECT_EQ(lines[1]->pen.width, 1);
    EXPECT_EQ(lines[2]->pen.width, 2);

    // The caption column is left-aligned, values right-aligned at the
    // column's right edge; the header row is bold.
    const auto* header = screen.FindText("Resultat");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->points[0], (Point{748, top + 8}));
    EXPECT_EQ(header->align.h, platform::HAlign::Right);
    EXPECT_EQ(header->font.weight, 700);
    const auto* caption = screen.FindText("Värmeförlust");
    EXPECT_EQ(caption->points[0], (Point{79, top + 8 + 36}));
    EXPECT_EQ(caption->align.h, platform::HAlign::Left);
    EXPECT_EQ(caption->font.weight, 400);
    EXPECT_EQ(screen.FindText("31.2 W/m")->points[0], (Point{748, top + 44}));
    EXPECT_TRUE(screen.Calls(Op::Fill).empty()); // highlight −1: no row
    table.SetContent({62311, 62312}, {62317, 62315}, {"1", "2"}, -1, -1, 0);
    screen.Clear();
    table.Draw(screen, everything);
    EXPECT_TRUE(screen.Calls(Op::Fill).empty()); // the header row is never highlighted

    table.SetContent({62311, 62312}, {62317, 62315}, {"1", "2"}, -1, -1, 2);
    table.selected = true;
    screen.Clear();
    table.Draw(screen, everything);
    const auto fills = screen.Calls(Op::Fill);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0]->rect, table.rect);
    EXPECT_EQ(fills[0]->fill, 0xC0FFFFu);
    EXPECT_EQ(fills[1]->rect, (Rect{79, 256 + 8 + 36, 748, 256 + 8 + 36 + 10}));
    EXPECT_EQ(fills[1]->fill, 0x00FFFFu);

    // On paper: no selection, the highlight stays; out of view nothing.
    platform::RecordingCanvas paper = Printer();
    table.Draw(paper, everything);
    ASSERT_EQ(paper.Calls(Op::Fill).size(), 1u);
    EXPECT_EQ(paper.Calls(Op::Fill)[0]->fill, 0x00FFFFu);
    screen.Clear();
    table.Draw(screen, {0, 400, 1000, 1000});
    EXPECT_TRUE(screen.Calls().empty());
}

TEST_F(TableTest, ClipboardTextPadsColumnsAndUsesDecimalCommasInValues)
{
    CTabell table;
    table.Define(20, 65, 4, 2, "%.1f", {62311, 62312}, {62317, 62315}, {}, 170);
    table.SetTexts({"24.6 °C", "1.5-2.5 W/m"});
    // Padded to the longest text of the column in characters, not bytes:
    // "Värmeförlustberäkning" is 21 characters (24 bytes).
    EXPECT_EQ(table.ClipboardText(), "Värmeförlustberäkning\n"
                                     "Värmeförlustberäkning\tResultat\n"
                                     "Utvändig yttemperatur\t24,6 °C\n"
                                     "Värmeförlust         \t1,5-2.5 W/m\n");

    // Captions keep their points.
    table.SetContentWithCaptions({62311, 62312}, {"Alt. 1"}, {"3.5"}, -1, -1, -1);
    EXPECT_EQ(table.ClipboardText(), "Värmeförlustberäkning\n"
                                     "Värmeförlustberäkning\tResultat\n"
                                     "Alt. 1               \t3,5\n");

    // The comma goes to the first point between digits, not to an
    // abbreviation's point before the number.
    table.SetContentWithCaptions({62311, 62312}, {"Rördimension:"}, {"D.: 48.3 mm; T: 3.2 mm"}, -1, -1, -1);
    EXPECT_EQ(table.ClipboardText(), "Värmeförlustberäkning\n"
                                     "Värmeförlustberäkning\tResultat\n"
                                     "Rördimension:        \tD.: 48,3 mm; T: 3.2 mm\n");
}
