#include "ReportTestSupport.h"

#include "doc/CVekDoc.h"
#include "report/CGraph.h"
#include "report/CTabell.h"
#include "report/Pagination.h"
#include "report/PrintJob.h"
#include "report/ResultPages.h"

#include <memory>

using Op = platform::RecordingCanvas::Op;

namespace {

// A module that shows a picture once it has one, and writes nothing.
class CPictureModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CPictureModul)

public:
    void Serialize(CArchive&) override {}
    ProductPicture GetProductPicture() const override { return picture; }
    ProductPicture picture;
};
TEKVAR_IMPLEMENT_CLASS(CPictureModul, CVekModul)

class CNoDescriptions : public CDocumentPart {
    TEKVAR_DECLARE_CLASS(CNoDescriptions)

public:
    void Serialize(CArchive&) override {}
    void Reset() override {}
    std::unique_ptr<CDocumentPart> Copy() const override { return std::make_unique<CNoDescriptions>(); }
};
TEKVAR_IMPLEMENT_CLASS(CNoDescriptions, CItem)

class PagedParts : public DocumentParts {
public:
    std::unique_ptr<CVekModul> CreateModule(int) override { return std::make_unique<CPictureModul>(); }
    std::unique_ptr<DocumentPages> CreatePages(CVekDoc& doc) override { return std::make_unique<ResultPages>(doc); }
    std::unique_ptr<CDocumentPart> CreateDescriptions() override { return std::make_unique<CNoDescriptions>(); }
};

class ResultPagesTest : public ReportTest {
protected:
    PagedParts parts;
};

// Records every sheet a print job starts and keeps the canvas's calls per sheet.
class RecordingSheets final : public SheetOutput {
public:
    explicit RecordingSheets(platform::RecordingCanvas canvas, int failAt = 0) : canvas_(std::move(canvas)), failAt_(failAt) {}
    platform::Canvas& Canvas() override { return canvas_; }
    bool NewSheet() override
    {
        if (sheets > 0)
            texts.push_back(canvas_.Texts());
        canvas_.Clear();
        ++sheets;
        return sheets != failAt_;
    }
    bool Finish() override
    {
        texts.push_back(canvas_.Texts());
        return true;
    }
    int sheets = 0;
    std::vector<std::vector<std::string>> texts;

private:
    platform::RecordingCanvas canvas_;
    int failAt_;
};

bool has(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

TEST_F(ResultPagesTest, TheDocumentOwnsAHeaderPerPageAndOneFooterOnEveryPage)
{
    CVekDoc doc(parts);
    ResultPages* pages = ResultPages::Of(doc);
    ASSERT_NE(pages, nullptr);
    for (int i = 0; i < ModuleCount; ++i) {
        const CPageLists::Page& items = pages->Lists().Items(i);
        ASSERT_EQ(items.size(), 2u) << i;
        EXPECT_EQ(items[0], &pages->Header(i));
        EXPECT_EQ(items[1], &pages->Footer());
        EXPECT_EQ(pages->Header(i).Module(), i);
    }
    EXPECT_EQ(pages->Header(6).Title(), "Ljuddämpning");

    // A document without pages (a test's) still works.
    class NoPages : public PagedParts {
        std::unique_ptr<DocumentPages> CreatePages(CVekDoc&) override { return nullptr; }
    } bare;
    CVekDoc plain(bare);
    EXPECT_EQ(ResultPages::Of(plain), nullptr);
    plain.OnViewModule(3);
    EXPECT_EQ(plain.ActiveModule(), 3);
}

TEST_F(ResultPagesTest, SwitchingModulesActivatesTheirPageAndRefreshesItsHeader)
{
    CVekDoc doc(parts);
    ResultPages& pages = *ResultPages::Of(doc);
    pages.SetTime(LocalTime{2026, 3, 4, 9, 7});
    doc.Project().projectName = "Kulvert Norr";
    doc.Project().responsible = "Eva Ek";
    static_cast<CPictureModul&>(doc.Module(2)).picture = {268, {}};

    doc.OnViewModule(2);
    EXPECT_EQ(pages.Lists().ActivePage(), 2);
    EXPECT_TRUE(doc.IsModified());
    const auto& lines = pages.Header(2).Lines();
    EXPECT_EQ(lines[1], "Datum/tid : 2026-03-04 09.07");
    EXPECT_EQ(lines[2], "Projektnamn : Kulvert Norr");
    EXPECT_EQ(lines[3], "Ansvarig person : Eva Ek");
    EXPECT_EQ(pages.Header(2).ModulePicture().resource, "picture-268");
    // Only the active page's header was refreshed.
    EXPECT_EQ(pages.Header(0).Lines()[2], "");
    EXPECT_EQ(pages.Header(0).ModulePicture().resource, "module-0");

    // The next minute shows on the next switch; a tab click refreshes too.
    pages.SetTime(LocalTime{2026, 3, 4, 9, 8});
    doc.SetActiveModule(0);
    EXPECT_EQ(pages.Lists().ActivePage(), 0);
    EXPECT_EQ(pages.Header(0).Lines()[1], "Datum/tid : 2026-03-04 09.08");
    EXPECT_EQ(pages.Header(0).ModulePicture().resource, "module-0");

    // The file-name line is written as the header draws.
    ASSERT_TRUE(doc.SaveDocument(::testing::TempDir() + "sidor.tkv"));
    platform::RecordingCanvas canvas;
    pages.Header(0).Draw(canvas, everything);
    EXPECT_NE(canvas.FindText("Filnamn: " + ::testing::TempDir() + "sidor.tkv"), nullptr);
}

TEST_F(ResultPagesTest, AModulesItemsLeaveThePagesWithTheModule)
{
    auto doc = std::make_unique<CVekDoc>(parts);
    ResultPages& pages = *ResultPages::Of(*doc);
    {
        CTabell table;
        pages.Lists().Add(1, &table);
        EXPECT_EQ(pages.Lists().Items(1).size(), 3u);
    }
    EXPECT_EQ(pages.Lists().Items(1).size(), 2u);
    // The pages go with the document, items still on them or not.
    auto graph = std::make_unique<CGraph>();
    pages.Lists().Add(1, graph.get());
    doc.reset();
    graph.reset();
}

TEST_F(ResultPagesTest, APrintJobSplitsThePageIntoSheetsAndNumbersThem)
{
    CVekDoc doc(parts);
    ResultPages& pages = *ResultPages::Of(doc);
    doc.OnViewModule(0);

    // Two tables. On paper a row is 2.5 mm of text and 2 mm of gap: the first
    // (4 rows) takes 65 … 85 mm, the second (51 rows, 231.5 mm) would end at
    // 326.5 mm under it and so starts the second sheet.
    CTabell first;
    CTabell second;
    std::vector<std::string> few(3, "Rad");
    std::vector<std::string> many(50, "Rad");
    first.Define(20, 65, 4, 2, "%.1f", {62311, 62312}, {}, {}, 170);
    first.SetContentWithCaptions({62311, 62312}, few, {"1.5", "2.5", "3.5"}, -1, -1, -1);
    second.Define(20, 65, 4, 2, "%.1f", {62408, 62312}, {}, {}, 170);
    second.SetContentWithCaptions({62408, 62312}, many, {}, -1, -1, -1);
    pages.Lists().Add(0, &first);
    pages.Lists().Add(0, &second);
    const float next = PlaceOnPage(first, 20, 65);
    PlaceOnPage(second, 20, next);

    // Printer dots of 0.1 mm: 2020 across, 2970 down.
    RecordingSheets sheets(Printer());
    EXPECT_EQ(PrintItems(pages.Lists().ActiveItems(), sheets), 2);
    EXPECT_TRUE(sheets.Finish());
    ASSERT_EQ(sheets.texts.size(), 2u);
    EXPECT_TRUE(has(sheets.texts[0], "Sida 1/2"));
    EXPECT_TRUE(has(sheets.texts[0], "Värmeförlustberäkning"));
    EXPECT_FALSE(has(sheets.texts[0], "Indata"));
    EXPECT_TRUE(has(sheets.texts[1], "Sida 2/2"));
    EXPECT_TRUE(has(sheets.texts[1], "Indata"));
    // The header repeats on the second sheet.
    EXPECT_TRUE(has(sheets.texts[1], "Tekvar®"));

    // Back on the screen: screen units, and the second table still on sheet two.
    EXPECT_FALSE(PageModel::Get().Printing());
    EXPECT_EQ(second.rect.left, PageModel::Get().XUnits(222));

    // An output that fails stops the job and reports it; the layout is
    // back on the screen all the same.
    RecordingSheets failing(Printer(), 2);
    EXPECT_EQ(PrintItems(pages.Lists().ActiveItems(), failing), 0);
    EXPECT_FALSE(PageModel::Get().Printing());
}

TEST(SheetImagePath, NumbersTheFurtherSheetsBeforeTheExtension)
{
    EXPECT_EQ(SheetImagePath("/tmp/sida.png", 1), "/tmp/sida.png");
    EXPECT_EQ(SheetImagePath("/tmp/sida.png", 2), "/tmp/sida-2.png");
    EXPECT_EQ(SheetImagePath("/tmp/a.b/sida", 3), "/tmp/a.b/sida-3");
}
