#include "UiTestSupport.h"

#include "doc/CVekDoc.h"
#include "modules/StandardDocumentParts.h"
#include "platform/MemorySettings.h"
#include "platform/RecordingCanvas.h"
#include "platform/RecordingServices.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "report/CGraph.h"
#include "report/CTabell.h"
#include "report/CText.h"
#include "report/PageModel.h"
#include "report/Pagination.h"
#include "report/ResultPages.h"
#include "ui/CMainFrame.h"
#include "ui/CVekView.h"
#include "ui/PrintCommands.h"
#include "ui/QtCanvas.h"
#include "ui/QtSheetOutputs.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>

namespace {

// Pixels of the selection's light yellow (0xC0FFFF: red and green full,
// blue 192) in a region of an image.
int yellowIn(const QImage& image, const QRect& region)
{
    int count = 0;
    const QRect inside = region.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 250 && c.green() > 250 && c.blue() > 180 && c.blue() < 205)
                ++count;
        }
    return count;
}

QRect qrect(const platform::Rect& r)
{
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

void send(QWidget* widget, QEvent& event)
{
    QApplication::sendEvent(widget, &event);
}

void key(CVekView& view, Qt::Key which)
{
    QKeyEvent press(QEvent::KeyPress, which, Qt::NoModifier);
    send(&view, press);
}

void wheel(CVekView& view, int delta)
{
    QWheelEvent event(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    send(view.viewport(), event);
}

void mouse(CVekView& view, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), view.viewport()->mapToGlobal(QPointF(at)), button, button, Qt::NoModifier);
    send(view.viewport(), event);
}

// A point inside an item's rectangle, in the view's client coordinates.
QPoint onItem(const CVekView& view, const CGraphicsItem& item, int dx = 6, int dy = 6)
{
    const platform::Rect visible = view.VisibleRect();
    return QPoint(item.rect.left + dx - visible.left, item.rect.top + dy - visible.top);
}

// A result page as a module builds it: two tables, a graph and a text,
// stacked from (20, 65) mm on the heat loss page; the sheet is the 202 ×
// 297 mm one of a desktop without printers.
class ViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PageModel::Get().Reset();
        PageModel::Get().SetScreenMeasure(&screen);
        PageModel::Get().SetDefaultPrinter(&noPrinter);
        PageModel::Get().ReadSheetSize();
        doc = std::make_unique<CVekDoc>(parts);
        pages = ResultPages::Of(*doc);
        doc->Project().projectName = "Fjärrvärme Östra";

        input.Define(20, 65, 4, 2, "%.1f", {62311, 62408}, {}, {}, 170);
        input.SetContentWithCaptions({62311, 62408}, {"Rörets ytterdiameter [mm]", "Medietemperatur [°C]"},
                                     {"48.3", "80.0"}, -1, -1, -1);
        input.helpTopic = "indatatabell";
        graph.Set(20, 65, 125, 55, "Värmeförlust som funktion av isolertjocklek", "[W/m] ", " [mm]", {"Lag 1"},
                  {0xFF0000}, {"%.0f", "%.0f", "%.0f", "%.1f"}, true);
        graph.SetSteps(20, 10, 1, 1);
        graph.SetData({0, 0, 160, 60}, {{20, 40, 60, 80, 100}}, {{52.5f, 34.1f, 27.3f, 23.0f, 20.4f}});
        graph.helpTopic = "resgraf";
        note.Set("Anmärkning", {"Värdena gäller inomhus."}, 20, 65);
        for (CGraphicsItem* item : std::initializer_list<CGraphicsItem*>{&input, &graph, &note})
            pages->Lists().Add(0, item);
        float y = pageTop;
        for (CGraphicsItem* item : std::initializer_list<CGraphicsItem*>{&input, &graph, &note})
            y = PlaceOnPage(*item, pageLeft, y);
    }

    void TearDown() override
    {
        doc.reset();
        PageModel::Get().Reset();
    }

    // A table that needs a second sheet: the page prints on two.
    void addLongTable()
    {
        std::vector<std::string> captions;
        std::vector<std::string> values;
        for (int i = 1; i <= 45; ++i) {
            captions.push_back("Sektion " + std::to_string(i));
            values.push_back(std::to_string(100 - i) + ".5");
        }
        sections.Define(20, 65, 4, 2, "%.1f", {62311, 62312}, {}, {}, 170);
        sections.SetContentWithCaptions({62311, 62312}, captions, values, -1, -1, -1);
        pages->Lists().Add(0, &sections);
        PlaceOnPage(sections, pageLeft, note.Bottom() + itemSpacing);
    }

    // The view's page model keeps the desktop's default printer; the tests
    // take the sheet of a desktop without one whatever this machine has.
    void noDefaultPrinter()
    {
        PageModel::Get().SetDefaultPrinter(&noPrinter);
        PageModel::Get().ReadSheetSize();
    }

    // A shown view whose client area is the size asked for, its bars always
    // there so that the client size does not depend on the page.
    void sized(CVekView& view, int width, int height)
    {
        noDefaultPrinter();
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        view.show();
        doc->OnViewModule(0);
        clientSize(view, width, height);
    }

    static void clientSize(CVekView& view, int width, int height)
    {
        for (int i = 0; i < 3 && view.viewport()->size() != QSize(width, height); ++i) {
            view.resize(view.size() + QSize(width, height) - view.viewport()->size());
            QCoreApplication::processEvents();
        }
        ASSERT_EQ(view.viewport()->size(), QSize(width, height));
    }

    platform::ScriptedPrompter prompter;
    platform::MemorySettings settings;
    platform::RecordingClipboard clipboard;
    platform::RecordingHelp help;
    platform::ScopedServices services{
        {.prompter = &prompter, .settings = &settings, .help = &help, .clipboard = &clipboard}};
    QtTextMeasure screen;
    platform::FixedDefaultPrinter noPrinter;
    StandardDocumentParts parts;
    std::unique_ptr<CVekDoc> doc;
    ResultPages* pages = nullptr;
    CTabell input;
    CGraph graph;
    CText note;
    CTabell sections;
    TempFolder folder;
};

} // namespace

TEST_F(ViewTest, ScrollsByBarsKeysAndWheelWithinThePage)
{
    CVekView view(*doc);
    sized(view, 400, 300);
    // The page reaches 190 mm right and 296 mm down (the footer): 200 × 300
    // mm for scrolling, less the client area.
    const int width = PageModel::Get().XUnits(200);
    const int height = PageModel::Get().YUnits(300);
    EXPECT_EQ(width, 787);
    EXPECT_EQ(height, 1181);
    QScrollBar* v = view.verticalScrollBar();
    QScrollBar* h = view.horizontalScrollBar();
    EXPECT_EQ(v->maximum(), height - 300);
    EXPECT_EQ(h->maximum(), width - 400);

    // Page Down a client height at a time, never past the end.
    key(view, Qt::Key_PageDown);
    EXPECT_EQ(v->value(), 300);
    key(view, Qt::Key_PageDown);
    key(view, Qt::Key_PageDown);
    EXPECT_EQ(v->value(), 881);
    key(view, Qt::Key_PageUp);
    EXPECT_EQ(v->value(), 581);
    // The arrows move an eighth of the client area.
    key(view, Qt::Key_Up);
    EXPECT_EQ(v->value(), 581 - 300 / 8);
    key(view, Qt::Key_Right);
    EXPECT_EQ(h->value(), 400 / 8);
    key(view, Qt::Key_Left);
    key(view, Qt::Key_Left);
    EXPECT_EQ(h->value(), 0);
    // Home and End page horizontally.
    key(view, Qt::Key_End);
    EXPECT_EQ(h->value(), width - 400);
    key(view, Qt::Key_Home);
    EXPECT_EQ(h->value(), 0);
    EXPECT_EQ(view.VisibleRect(), (platform::Rect{0, 544, 400, 844}));

    // The wheel: a notch away from the user shows 120 units higher up.
    wheel(view, 120);
    EXPECT_EQ(v->value(), 544 - 120);
    wheel(view, -240);
    EXPECT_EQ(v->value(), 544 + 120);
    v->setValue(50);
    wheel(view, 120);
    EXPECT_EQ(v->value(), 0);
    wheel(view, -2400);
    EXPECT_EQ(v->value(), 881);

    // A taller window: the position comes back onto the page.
    clientSize(view, 400, 700);
    EXPECT_EQ(v->maximum(), height - 700);
    EXPECT_EQ(v->value(), height - 700);
    EXPECT_EQ(view.VisibleRect().bottom, height);

    // A window larger than the page has nothing to scroll.
    clientSize(view, 900, 1300);
    EXPECT_EQ(v->maximum(), 0);
    EXPECT_EQ(h->maximum(), 0);
    key(view, Qt::Key_PageDown);
    key(view, Qt::Key_End);
    wheel(view, -120);
    EXPECT_EQ(v->value(), 0);
    EXPECT_EQ(h->value(), 0);
}

TEST_F(ViewTest, EachModuleKeepsItsScrollPosition)
{
    CVekView view(*doc);
    sized(view, 400, 300);
    view.verticalScrollBar()->setValue(500);
    view.horizontalScrollBar()->setValue(120);
    mouse(view, QEvent::MouseButtonPress, onItem(view, graph));
    ASSERT_EQ(view.SelectedItem(), &graph);

    doc->OnViewModule(3);
    EXPECT_EQ(view.VisibleRect().left, 0);
    EXPECT_EQ(view.VisibleRect().top, 0);
    EXPECT_EQ(view.SavedPosition(0), (platform::Point{120, 500}));
    // The switch cleared the selection, also on the page left behind.
    EXPECT_FALSE(graph.selected);
    view.verticalScrollBar()->setValue(200);

    // A tab click switches as the menu does.
    doc->SetActiveModule(0);
    EXPECT_EQ(view.VisibleRect().left, 120);
    EXPECT_EQ(view.VisibleRect().top, 500);
    EXPECT_EQ(view.SavedPosition(3), (platform::Point{0, 200}));
    doc->OnViewModule(3);
    EXPECT_EQ(view.VisibleRect().top, 200);
    // An update without a switch leaves the position alone.
    doc->RefreshViews(0);
    EXPECT_EQ(view.VisibleRect().top, 200);
}

TEST_F(ViewTest, AClickSelectsTheTopmostItemAndShowsItsFillOnScreenOnly)
{
    CVekView view(*doc);
    sized(view, 820, 1200);
    mouse(view, QEvent::MouseButtonPress, onItem(view, graph));
    EXPECT_EQ(view.SelectedItem(), &graph);
    EXPECT_TRUE(graph.selected);
    EXPECT_TRUE(view.CanCopy());
    const QImage shot = view.grab().toImage();
    KeepScreenshot(shot, "vy-markerad.png");
    // The graph's whole rectangle is light yellow behind its drawing, the
    // table above it stays white.
    EXPECT_GT(yellowIn(shot, qrect(graph.rect)), graph.rect.Width() * graph.rect.Height() / 3);
    EXPECT_EQ(yellowIn(shot, qrect(input.rect)), 0);

    // Printed (and previewed) without it.
    const std::string png = folder.File("markerad.png");
    QtSheetOutputs outputs;
    auto images = outputs.OpenImages(png);
    ASSERT_EQ(view.Print(*images), 1);
    ASSERT_TRUE(images->Finish());
    const QImage paper(QString::fromStdString(png));
    ASSERT_FALSE(paper.isNull());
    EXPECT_EQ(yellowIn(paper, paper.rect()), 0);
    // Still selected on screen afterwards, where the print layout left it.
    EXPECT_TRUE(graph.selected);
    EXPECT_GT(yellowIn(view.grab().toImage(), qrect(graph.rect)), 0);

    // Scrolled, the click is taken in page units.
    clientSize(view, 400, 300);
    view.verticalScrollBar()->setValue(100);
    mouse(view, QEvent::MouseButtonPress, onItem(view, input));
    EXPECT_EQ(view.SelectedItem(), &input);
    EXPECT_FALSE(graph.selected);

    // Empty paper between the header frame (55 mm) and the first item
    // (65 mm) clears the selection.
    view.verticalScrollBar()->setValue(0);
    mouse(view, QEvent::MouseButtonPress, QPoint(PageModel::Get().XUnits(100), PageModel::Get().YUnits(60)));
    EXPECT_EQ(view.SelectedItem(), nullptr);
    EXPECT_FALSE(view.CanCopy());

    // A recalculation replaces the items: nothing stays selected.
    mouse(view, QEvent::MouseButtonPress, onItem(view, graph));
    ASSERT_EQ(view.SelectedItem(), &graph);
    {
        CGraph rebuilt;
        rebuilt.Set(20, 65, 125, 55, "Ny", "[W/m] ", " [mm]", {"Lag 1"}, {0xFF0000}, {"%.0f", "%.0f", "%.0f", "%.1f"},
                    true);
        pages->Lists().Remove(0, &graph);
        pages->Lists().Add(0, &rebuilt);
        doc->RefreshViews(0);
        EXPECT_EQ(view.SelectedItem(), nullptr);
    }
}

TEST_F(ViewTest, CopyIsOnlyForASelectedTableOrGraph)
{
    platform::ScriptedEditors editors;
    platform::ScopedServices withEditors({.prompter = &prompter,
                                          .settings = &settings,
                                          .editors = &editors,
                                          .help = &help,
                                          .clipboard = &clipboard});
    CMainFrame frame(*doc);
    CVekView& view = *frame.View();
    noDefaultPrinter();
    doc->OnViewModule(0);
    QAction* copy = frame.CommandAction(CMainFrame::commandEditCopy);
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_EQ(copy->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));

    mouse(view, QEvent::MouseButtonPress, onItem(view, graph));
    EXPECT_TRUE(copy->isEnabled());
    copy->trigger();
    ASSERT_EQ(clipboard.texts.size(), 1u);
    EXPECT_EQ(clipboard.texts[0], graph.ClipboardText());
    EXPECT_TRUE(Contains(clipboard.texts[0], "Lag 1"));

    mouse(view, QEvent::MouseButtonPress, onItem(view, input));
    EXPECT_TRUE(copy->isEnabled());
    copy->trigger();
    ASSERT_EQ(clipboard.texts.size(), 2u);
    EXPECT_EQ(clipboard.texts[1], input.ClipboardText());
    EXPECT_TRUE(Contains(clipboard.texts[1], "48,3"));

    // The header and a text block have nothing to copy.
    mouse(view, QEvent::MouseButtonPress, QPoint(PageModel::Get().XUnits(100), PageModel::Get().YUnits(40)));
    EXPECT_EQ(view.SelectedItem(), &pages->Header(0));
    EXPECT_FALSE(copy->isEnabled());
    mouse(view, QEvent::MouseButtonPress, onItem(view, note));
    EXPECT_EQ(view.SelectedItem(), &note);
    EXPECT_FALSE(copy->isEnabled());
    copy->trigger();
    view.OnEditCopy();
    EXPECT_EQ(clipboard.texts.size(), 2u);

    // A module switch drops the selection, and with it the command.
    mouse(view, QEvent::MouseButtonPress, onItem(view, graph));
    EXPECT_TRUE(copy->isEnabled());
    frame.ModuleAction(1)->trigger();
    EXPECT_FALSE(copy->isEnabled());
}

TEST_F(ViewTest, DoubleClickOpensTheItemsHelpAndTheHandShowsOverItems)
{
    CVekView view(*doc);
    sized(view, 820, 1200);
    mouse(view, QEvent::MouseButtonDblClick, onItem(view, graph));
    mouse(view, QEvent::MouseButtonDblClick, onItem(view, input));
    mouse(view, QEvent::MouseButtonDblClick, QPoint(PageModel::Get().XUnits(100), PageModel::Get().YUnits(40)));
    mouse(view, QEvent::MouseButtonDblClick, QPoint(PageModel::Get().XUnits(100), PageModel::Get().YUnits(292)));
    // Empty paper opens nothing.
    mouse(view, QEvent::MouseButtonDblClick, QPoint(PageModel::Get().XUnits(100), PageModel::Get().YUnits(60)));
    EXPECT_EQ(help.topics, (std::vector<std::string>{"resgraf", "indatatabell", "::/html/resvarmetap.htm",
                                                     "::/html/footer.htm"}));

    mouse(view, QEvent::MouseMove, onItem(view, graph, 30, 30));
    EXPECT_TRUE(view.Hovering());
    EXPECT_EQ(view.HoverRect(), graph.rect);
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::PointingHandCursor);
    mouse(view, QEvent::MouseMove, onItem(view, input));
    EXPECT_EQ(view.HoverRect(), input.rect);
    mouse(view, QEvent::MouseMove, QPoint(PageModel::Get().XUnits(100), PageModel::Get().YUnits(60)));
    EXPECT_FALSE(view.Hovering());
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ViewTest, PrintsThePageOverSheetsAndReturnsToTheScreen)
{
    CVekView view(*doc);
    sized(view, 400, 300);
    const std::string single = folder.File("en.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(single));
        printer.setFullPage(true);
        printer.setPageSize(QPageSize(QPageSize::A4));
        ASSERT_TRUE(view.Print(printer));
    }
    std::vector<std::string> sheets = PdfPages(PdfText(single));
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_TRUE(Contains(sheets[0], "Sida 1/1"));
    EXPECT_TRUE(Contains(sheets[0], "Projektnamn : Fjärrvärme Östra"));

    // The long table goes to a second sheet: two across, one down.
    addLongTable();
    doc->RefreshViews(0);
    const std::string twice = folder.File("tva.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(twice));
        printer.setFullPage(true);
        printer.setPageSize(QPageSize(QPageSize::A4));
        ASSERT_TRUE(view.Print(printer));
    }
    sheets = PdfPages(PdfText(twice));
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_TRUE(Contains(sheets[0], "Sida 1/2"));
    EXPECT_TRUE(Contains(sheets[1], "Sida 2/2"));
    EXPECT_TRUE(Contains(sheets[1], "Sektion 45"));
    EXPECT_FALSE(Contains(sheets[0], "Sektion 45"));
    // Back on the screen: screen units, the table on the second sheet, the
    // view able to scroll to it.
    EXPECT_FALSE(view.IsPrinting());
    EXPECT_FALSE(PageModel::Get().Printing());
    EXPECT_EQ(sections.rect.left, PageModel::Get().XUnits(202 + 20));
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), PageModel::Get().XUnits(400) - 400);

    // A printer that cannot be written to fails, and says so.
    QPrinter broken(QPrinter::HighResolution);
    broken.setOutputFormat(QPrinter::PdfFormat);
    broken.setOutputFileName(QString::fromStdString(folder.File("saknas/ut.pdf")));
    EXPECT_FALSE(view.Print(broken));
    EXPECT_FALSE(view.IsPrinting());
}

TEST_F(ViewTest, PrintCommandsUseTheDialogsAndTheirPrinter)
{
    addLongTable();
    CVekView view(*doc);
    sized(view, 400, 300);
    PrintCommands commands(view, &view);
    // Only the print commands' own messages count here.
    prompter.Clear();
    QPrinter& printer = commands.Printer();
    EXPECT_TRUE(printer.fullPage());

    // The preview shows the same two sheets.
    int previewed = -1;
    WhenModalShows([&](QWidget* dialog) {
        if (auto* widget = dialog->findChild<QPrintPreviewWidget*>())
            previewed = widget->pageCount();
        dialog->close();
    });
    commands.OnFilePrintPreview();
    EXPECT_EQ(previewed, 2);
    EXPECT_FALSE(PageModel::Get().Printing());

    // Cancelling the printer dialog prints nothing.
    const std::string pdf = folder.File("kommando.pdf");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    WhenModalShows([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_FALSE(commands.OnFilePrint());
    EXPECT_TRUE(prompter.Messages().empty());

    // Accepted, the page goes to the printer the dialog chose.
    WhenModalShows([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_TRUE(commands.OnFilePrint());
    EXPECT_EQ(PdfPages(PdfText(pdf)).size(), 2u);
    EXPECT_TRUE(prompter.Messages().empty());

    // A file the printer cannot write is reported with its name.
    const std::string missing = folder.File("saknas/kommando.pdf");
    printer.setOutputFileName(QString::fromStdString(missing));
    WhenModalShows([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(commands.OnFilePrint());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Ett fel uppstod vid skrivning till " + missing + "."});

    // The paper chosen in the setup is the next job's; the page is laid out
    // on the whole sheet whatever the setup did.
    WhenModalShows([&](QWidget* dialog) {
        printer.setPageSize(QPageSize(QPageSize::A3));
        static_cast<QDialog*>(dialog)->reject();
    });
    commands.OnFilePrintSetup();
    EXPECT_TRUE(printer.fullPage());
    const std::string a3 = folder.File("a3.pdf");
    printer.setOutputFileName(QString::fromStdString(a3));
    printer.setFullPage(false);
    WhenModalShows([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_TRUE(commands.OnFilePrint());
    EXPECT_TRUE(printer.fullPage());
    // A3 is tall enough for the long table under the others: one sheet.
    const std::vector<std::string> sheets = PdfPages(PdfText(a3));
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_TRUE(Contains(sheets[0], "Sida 1/1"));
    EXPECT_TRUE(Contains(sheets[0], "Sektion 45"));
}
