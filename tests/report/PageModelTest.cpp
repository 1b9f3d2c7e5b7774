#include "ReportTestSupport.h"

#include "report/CFooter.h"
#include "report/CHeader.h"
#include "report/CPageLists.h"
#include "report/CTabell.h"
#include "report/CText.h"
#include "report/Pagination.h"

#include <memory>

using platform::FontRole;
using Op = platform::RecordingCanvas::Op;

namespace {

// Counts refreshes, to see which page an activation reaches.
class CountingItem : public CGraphicsItem {
public:
    void Refresh() override { ++refreshed; }
    int refreshed = 0;
};

// A table of a header and the given number of caption rows, 170 mm wide.
std::unique_ptr<CTabell> table(int captionRows, float x, float y)
{
    auto t = std::make_unique<CTabell>();
    std::vector<std::string> captions;
    for (int i = 0; i < captionRows; ++i)
        captions.push_back("Rad " + std::to_string(i + 1));
    t->Define(x, y, 4, 2, "%.1f", {62311, 62312}, {}, {}, 170);
    t->SetContentWithCaptions({62311, 62312}, captions, {}, x, y, -1);
    return t;
}

} // namespace

using PageModelTest = ReportTest;

TEST_F(PageModelTest, ConvertsBetweenMillimetresAndScreenOrPrinterUnits)
{
    PageModel& m = PageModel::Get();
    // 0.254 mm per unit, rounded half up.
    EXPECT_EQ(m.XUnits(20), 79);    // 78.74
    EXPECT_EQ(m.YUnits(65), 256);   // 255.91
    EXPECT_EQ(m.XUnits(202), 795);  // 795.28
    EXPECT_EQ(m.YUnits(0.5f), 2);   // 1.97
    EXPECT_FLOAT_EQ(m.XMm(100), 25.4f);
    EXPECT_EQ(m.Font(FontRole::Normal).height, 10);
    EXPECT_EQ(m.Font(FontRole::Large).height, 20);
    EXPECT_EQ(m.Font(FontRole::Bold).weight, 700);
    EXPECT_EQ(m.Font(FontRole::Normal).face, "Arial");

    // Dots of 0.1 mm across and 0.05 mm down: each axis keeps its own scale.
    const platform::RecordingCanvas printer = Printer(2020, 5940);
    m.BeginPrinting(printer);
    EXPECT_TRUE(m.Printing());
    EXPECT_EQ(m.XUnits(20), 200);
    EXPECT_EQ(m.YUnits(65), 1300);
    EXPECT_FLOAT_EQ(m.XMm(2220), 222);
    // Fonts keep their physical height: 10 × 0.254 ÷ 0.05 = 50.8, 20 → 101.6.
    EXPECT_EQ(m.Font(FontRole::Normal).height, 51);
    EXPECT_EQ(m.Font(FontRole::Large).height, 102);
    // The printer measures while it prints.
    EXPECT_EQ(m.Extent(FontRole::Normal, "ab").width, 2 * 31);

    m.EndPrinting();
    EXPECT_FALSE(m.Printing());
    EXPECT_EQ(m.XUnits(20), 79);
    EXPECT_EQ(m.Font(FontRole::Large).height, 20);
    EXPECT_EQ(m.Extent(FontRole::Normal, "ab").width, 12);
}

TEST_F(PageModelTest, SheetComesFromTheDefaultPrinterOrFallsBack)
{
    PageModel& m = PageModel::Get();
    platform::FixedDefaultPrinter defaultPrinter;
    m.SetDefaultPrinter(&defaultPrinter);

    m.ReadSheetSize(); // no printer at all
    EXPECT_EQ(m.Sheet(), (platform::SheetSize{202, 297}));

    defaultPrinter.sheet = platform::SheetSize{210, 297};
    m.ReadSheetSize();
    EXPECT_EQ(m.Sheet(), (platform::SheetSize{210, 297}));

    // A driver that reports nothing usable must not give a zero sheet.
    defaultPrinter.sheet = platform::SheetSize{0, 0};
    m.ReadSheetSize();
    EXPECT_EQ(m.Sheet(), (platform::SheetSize{202, 297}));

    // A printer chosen during a job takes effect when the job ends.
    platform::RecordingCanvas printer = Printer();
    printer.resolution = {0, 0}; // nothing sensible: scales stay, nothing divides by zero
    m.BeginPrinting(printer);
    EXPECT_EQ(m.XUnits(20), 79);
    defaultPrinter.sheet = platform::SheetSize{216, 279};
    m.EndPrinting();
    EXPECT_EQ(m.Sheet(), (platform::SheetSize{216, 279}));
}

TEST_F(PageModelTest, PageListsShowEachItemOnceAndForgetDestroyedItems)
{
    CPageLists pages;
    CountingItem a, b;
    pages.Add(2, &a);
    pages.Add(2, &b);
    pages.Add(2, &a); // already shown
    pages.Add(5, &a);
    pages.Add(8, &a); // no such page
    pages.Add(-1, &a);
    EXPECT_EQ(pages.Items(2), (CPageLists::Page{&a, &b}));
    EXPECT_TRUE(pages.Shows(5, &a));

    pages.Activate(2);
    EXPECT_EQ(pages.ActivePage(), 2);
    EXPECT_EQ(a.refreshed, 1);
    EXPECT_EQ(b.refreshed, 1);
    pages.Activate(9); // ignored
    EXPECT_EQ(pages.ActivePage(), 2);

    pages.Remove(2, &a);
    EXPECT_EQ(pages.Items(2), CPageLists::Page{&b});
    EXPECT_TRUE(pages.Shows(5, &a));

    {
        auto shortLived = std::make_unique<CountingItem>();
        pages.Add(2, shortLived.get());
        pages.Add(3, shortLived.get());
    }
    EXPECT_EQ(pages.Items(2), CPageLists::Page{&b});
    EXPECT_TRUE(pages.Items(3).empty());

    // Lists that go first leave their items with nothing to tell.
    auto item = std::make_unique<CountingItem>();
    {
        CPageLists other;
        other.Add(0, item.get());
    }
    item.reset();
}

TEST_F(PageModelTest, ExtentSetsTheSheetCountAndRoundsUpForScrolling)
{
    CHeader header(0);
    CFooter footer;
    CPageLists::Page page{&header, &footer};
    const PageExtent extent = UpdatePageExtent(page);
    EXPECT_EQ(extent, (PageExtent{748, 1165})); // header right 190 mm, footer bottom 296 mm
    EXPECT_EQ(PageModel::Get().SheetCount(), 1);
    // 190 mm → 200 mm, 295.9 mm → 300 mm; a whole 200 mm goes to 300 mm.
    EXPECT_EQ(ScrollExtent(extent), (PageExtent{787, 1181}));

    // A table on the second sheet reaching past half of it: two sheets.
    // Anything reaching onto the second sheet, however narrow, gives the
    // second sheet its header and footer.
    CText note;
    note.Set("Not", {}, 222, 65);
    page.push_back(&note);
    UpdatePageExtent(page);
    EXPECT_EQ(PageModel::Get().SheetCount(), 2);
    auto third = table(2, 222 + 202, 65);
    page.push_back(third.get());
    UpdatePageExtent(page);
    EXPECT_EQ(PageModel::Get().SheetCount(), 3);

    // On 0.1 mm dots a whole 200 mm still goes up to the next 100 mm.
    const platform::RecordingCanvas printer = Printer();
    PageModel::Get().BeginPrinting(printer);
    EXPECT_EQ(ScrollExtent({2000, 2970}), (PageExtent{3000, 3000}));
}

TEST_F(PageModelTest, PlacingAnItemMovesItToTheNextSheetWhenItWouldPassTheBottom)
{
    auto small = table(2, 0, 0);
    const float below = PlaceOnPage(*small, 20, 65);
    EXPECT_EQ(small->rect.left, 79);
    EXPECT_EQ(small->rect.top, 256);
    EXPECT_NEAR(below, small->Bottom() + 10, 1e-4);

    // 40 rows of 18 units (10 + the 2 mm gap) and a gap: 728 units, 185 mm;
    // from y = 110 its bottom plus 10 mm would pass 297 mm.
    auto tall = table(39, 0, 0);
    const float next = PlaceOnPage(*tall, 20, 110);
    EXPECT_EQ(tall->rect.left, PageModel::Get().XUnits(222));
    EXPECT_EQ(tall->rect.top, 256);
    EXPECT_NEAR(next, tall->Bottom() + 10, 1e-4);
}

TEST_F(PageModelTest, PrintingPaginatesOntoASecondSheetAndNumbersTheSheets)
{
    platform::FixedDefaultPrinter none;
    PageModel::Get().SetDefaultPrinter(&none);
    PageModel::Get().ReadSheetSize();

    CHeader header(0);
    CFooter footer;
    auto first = table(2, 20, 65);
    auto tall = table(39, 20, 120); // 40 rows of 4.5 mm on paper: 182 mm
    CText before, after;            // equal positions: the list order decides
    before.Set("Före", {}, 0, 0);
    after.Set("Efter", {}, 0, 0);
    CPageLists pages;
    for (CGraphicsItem* item : std::vector<CGraphicsItem*>{&footer, tall.get(), &before, &header, first.get(), &after})
        pages.Add(0, item);

    const platform::RecordingCanvas printer = Printer();
    const PageExtent extent = BeginPrintLayout(pages.ActiveItems(), printer);

    EXPECT_EQ(pages.ActiveItems(),
              (CPageLists::Page{&before, &after, &header, first.get(), tall.get(), &footer}));
    // Each text is 25 + 25 dots (a title and the empty line): 5 mm, then 10 mm space.
    EXPECT_EQ(before.rect.top, 650);
    EXPECT_EQ(after.rect.top, 800);
    // First table at 95 mm: 3 rows of 45 dots + 20 = 155 dots, bottom 110.5 mm.
    EXPECT_EQ(first->rect.left, 200);
    EXPECT_EQ(first->rect.top, 950);
    EXPECT_EQ(first->rect.bottom, 1105);
    // The tall table would end at 120.5 + 182 = 302.5 mm, below 287 mm: it
    // goes to the second sheet at (222, 65) mm.
    EXPECT_EQ(tall->rect.left, 2220);
    EXPECT_EQ(tall->rect.top, 650);
    EXPECT_EQ(tall->rect.bottom, 650 + 40 * 45 + 20);
    // Header and footer stay where they are, in printer units.
    EXPECT_EQ(header.rect, (platform::Rect{200, 70, 1900, 550}));
    EXPECT_EQ(footer.rect, (platform::Rect{200, 2870, 1900, 2960}));

    EXPECT_EQ(extent.width, 2220 + 1700);
    EXPECT_EQ(PageModel::Get().SheetCount(), 2);

    // Each sheet is drawn with its own part of the page visible.
    platform::RecordingCanvas sheet1 = Printer(), sheet2 = Printer();
    footer.Draw(sheet1, {0, 0, 2020, 2970});
    footer.Draw(sheet2, {2020, 0, 4040, 2970});
    const auto* one = sheet1.FindText("Sida 1/2");
    const auto* two = sheet2.FindText("Sida 2/2");
    ASSERT_TRUE(one && two);
    EXPECT_EQ(sheet1.FindText("Sida 2/2"), nullptr);
    EXPECT_EQ(two->points[0], (platform::Point{1900, 2890})); // right edge 190 mm, 289 mm down
    EXPECT_EQ(two->align.h, platform::HAlign::Right);
    EXPECT_EQ(two->font.height, 25);

    // Back on screen the page is laid out again in screen units, and the
    // tall table again does not fit below the others.
    EndPrintLayout(pages.ActiveItems());
    EXPECT_EQ(header.rect, (platform::Rect{79, 28, 748, 217}));
    EXPECT_EQ(before.rect.top, 256);
    EXPECT_EQ(tall->rect.left, 874);
    EXPECT_EQ(tall->rect.top, 256);
    EXPECT_EQ(PageModel::Get().SheetCount(), 2);
}
