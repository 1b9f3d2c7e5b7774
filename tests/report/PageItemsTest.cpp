#include "ReportTestSupport.h"

#include "platform/RecordingServices.h"
#include "platform/Services.h"
#include "report/CFooter.h"
#include "report/CHeader.h"
#include "report/CPageLists.h"
#include "report/CText.h"
#include "report/Pagination.h"

using platform::FontRole;
using platform::Point;
using platform::Rect;
using Op = platform::RecordingCanvas::Op;

namespace {

PageHeaderValues project()
{
    PageHeaderValues values;
    values.projectName = "Kv. Lärkan 4";
    values.responsible = "A. Berg";
    values.pathName = "/home/berg/Lärkan.tkv";
    values.time = LocalTime{2024, 3, 5, 9, 7};
    return values;
}

} // namespace

using HeaderTest = ReportTest;

TEST_F(HeaderTest, RefreshTakesTimeProjectAndPictureFromItsSource)
{
    CHeader header(3);
    EXPECT_EQ(header.Title(), "Isolering mot utvändig kondens");
    EXPECT_EQ(header.helpTopic, "::/html/resutvkondens.htm");
    EXPECT_EQ(header.ModulePicture(), platform::PictureRef::Resource("module-3"));
    EXPECT_EQ(CHeader(4).Title(), "Isolering mot invändig kondens");

    PageHeaderValues values = project();
    values.picture.builtin = 6;
    header.SetSource(&values);
    CPageLists pages;
    pages.Add(3, &header);
    pages.Activate(3);
    EXPECT_EQ(header.Lines()[0], "Programversion : 4.01");
    EXPECT_EQ(header.Lines()[1], "Datum/tid : 2024-03-05 09.07");
    EXPECT_EQ(header.Lines()[2], "Projektnamn : Kv. Lärkan 4");
    EXPECT_EQ(header.Lines()[3], "Ansvarig person : A. Berg");
    EXPECT_EQ(header.ModulePicture(), platform::PictureRef::Resource("picture-6"));

    // Coming back to the page a minute later shows the new minute; a module
    // without product picture leaves the last one in place.
    values.time = LocalTime{2024, 3, 5, 9, 8};
    values.picture = {};
    values.projectName = "100% färdig";
    pages.Activate(0);
    pages.Activate(3);
    EXPECT_EQ(header.Lines()[1], "Datum/tid : 2024-03-05 09.08");
    EXPECT_EQ(header.Lines()[2], "Projektnamn : 100% färdig");
    EXPECT_EQ(header.ModulePicture(), platform::PictureRef::Resource("picture-6"));

    values.picture = {-1, "/bilder/rör.jpg"};
    header.Refresh();
    EXPECT_EQ(header.ModulePicture(), (platform::PictureRef{"", "/bilder/rör.jpg"}));

    // Without a source the lines are there, just empty of project data.
    CHeader bare(0);
    bare.Refresh();
    EXPECT_EQ(bare.Lines()[2], "Projektnamn : ");
    EXPECT_EQ(bare.Lines()[1].rfind("Datum/tid : 20", 0), 0u);
}

TEST_F(HeaderTest, DrawsItsLayoutOnEverySheetInView)
{
    PageHeaderValues values = project();
    CHeader header(0);
    header.SetSource(&values);
    header.Refresh();
    EXPECT_EQ(header.rect, (Rect{79, 28, 748, 217}));

    header.Draw(screen, everything);
    // The file name is taken as the page is drawn.
    const auto* file = screen.FindText("Filnamn: /home/berg/Lärkan.tkv");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->points[0], (Point{79, 217}));
    EXPECT_EQ(file->font.role, FontRole::Normal);
    const auto* product = screen.FindText("Tekvar®");
    ASSERT_NE(product, nullptr);
    EXPECT_EQ(product->points[0], (Point{295, 43})); // (75, 11) mm
    EXPECT_EQ(product->font.height, 20);
    EXPECT_EQ(screen.FindText("Värmeförlustberäkning")->points[0], (Point{295, 75}));
    EXPECT_EQ(screen.FindText("Teknisk Isolering")->font.weight, 700);
    EXPECT_EQ(screen.FindText("Ansvarig person : A. Berg")->points[0], (Point{79, 197}));

    const auto pictures = screen.Calls(Op::Picture);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0]->text, "logo");
    EXPECT_EQ(pictures[0]->rect, (Rect{79, 35, 276, 102}));
    EXPECT_EQ(pictures[1]->text, "module-0");
    EXPECT_EQ(pictures[1]->rect, (Rect{630, 118, 748, 236}));

    // Frame top and separator, 0.8 mm = 3 units wide.
    const auto lines = screen.Calls(Op::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->points, (std::vector<Point>{{79, 28}, {748, 28}}));
    EXPECT_EQ(lines[1]->points, (std::vector<Point>{{79, 114}, {748, 114}}));
    EXPECT_EQ(lines[0]->pen.width, 3);

    // Over two sheets, a view of the second sheet draws one header,
    // shifted by the sheet width (795 units).
    PageModel::Get().SetSheetCount(2);
    screen.Clear();
    header.Draw(screen, {795, 0, 1590, 1169});
    ASSERT_EQ(screen.Calls(Op::Picture).size(), 2u);
    EXPECT_EQ(screen.FindText("Tekvar®")->points[0], (Point{295, 43}));
    screen.Clear();
    header.Draw(screen, {0, 0, 1590, 1169});
    EXPECT_EQ(screen.Calls(Op::Picture).size(), 4u);
    EXPECT_EQ(screen.Calls(Op::Line)[2]->points[0], (Point{79 + 795, 28}));

    // Its frame on either sheet opens its help; below it nothing does.
    platform::RecordingHelp help;
    platform::ScopedServices services({.help = &help});
    EXPECT_TRUE(header.OpenHelp({100, 50}, {795, 0}));
    EXPECT_FALSE(header.OpenHelp({100, 250}, {795, 0}));
    EXPECT_FALSE(header.OpenHelp({100, 50}, {1590, 0}));
    EXPECT_EQ(help.topics, std::vector<std::string>{"::/html/resvarmetap.htm"});
}

TEST_F(HeaderTest, FooterFollowsTheSheetHeightAndNumbersEachSheet)
{
    CFooter footer;
    // 297 mm: first line at 289 mm, frame from 287 to 296 mm.
    EXPECT_EQ(footer.rect, (Rect{79, 1130, 748, 1165}));
    footer.Draw(screen, everything);
    const auto texts = screen.Calls(Op::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0]->points[0], (Point{79, 1138}));
    EXPECT_EQ(texts[1]->points[0], (Point{79, 1148})); // one footer text height lower
    EXPECT_EQ(texts[2]->text, "Sida 1/1");
    EXPECT_EQ(texts[2]->points[0], (Point{748, 1138}));
    EXPECT_EQ(texts[0]->font.role, FontRole::Footer);
    const auto lines = screen.Calls(Op::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->points, (std::vector<Point>{{79, 1130}, {748, 1130}}));
    EXPECT_EQ(lines[0]->pen.width, 2);

    // Out of view it is not drawn.
    screen.Clear();
    footer.Draw(screen, {0, 0, 800, 1000});
    EXPECT_TRUE(screen.Calls().empty());

    platform::FixedDefaultPrinter letter;
    letter.sheet = platform::SheetSize{216, 279};
    PageModel::Get().SetDefaultPrinter(&letter);
    PageModel::Get().ReadSheetSize();
    footer.Refresh();
    EXPECT_EQ(footer.rect.top, 1059); // 269 mm
}

TEST_F(HeaderTest, TextBlockIsTitleEmptyLineAndLines)
{
    CText text;
    text.Set(62564, {62563, 62565}, 20, 65);
    EXPECT_EQ(text.name, "Resultatens giltighet är beroende av följande villkor:");
    ASSERT_EQ(text.LineCount(), 2);
    // Title height plus three line heights: 10 + 3 × 10.
    EXPECT_EQ(text.rect.top, 256);
    EXPECT_EQ(text.rect.bottom, 256 + 40);
    // The widest is the title: 54 characters of 6 units.
    EXPECT_EQ(text.rect.right - text.rect.left, 54 * 6);

    text.Draw(screen, {0, 200, 1000, 1000});
    const auto texts = screen.Calls(Op::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0]->points[0], (Point{79, 56}));
    EXPECT_EQ(texts[0]->font.role, FontRole::Bold);
    EXPECT_EQ(texts[1]->points[0], (Point{79, 76}));
    EXPECT_EQ(texts[1]->text, "1. Dämpningen avser endast raka kanaler.");
    EXPECT_EQ(texts[2]->points[0], (Point{79, 86}));
    EXPECT_EQ(texts[2]->font.role, FontRole::Normal);

    text.SetPosition(30, 100);
    EXPECT_EQ(text.rect, (Rect{118, 394, 118 + 54 * 6, 394 + 40}));

    // Lines count in the width as well, and no lines leave the empty line.
    text.Set("Not", {"kort", "åtta tkn"}, 0, 0);
    EXPECT_EQ(text.rect.right, 8 * 6);
    text.Set("Not", {}, 0, 0);
    EXPECT_EQ(text.rect.bottom, 20);
}
