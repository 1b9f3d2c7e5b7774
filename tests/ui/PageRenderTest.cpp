#include "UiTestSupport.h"

#include "app/HeadlessExport.h"
#include "doc/CVekDoc.h"
#include "doc/FileIO.h"
#include "modules/StandardDocumentParts.h"
#include "platform/MemorySettings.h"
#include "platform/RecordingCanvas.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "report/CGraph.h"
#include "report/CInsulationSpace.h"
#include "report/CTabell.h"
#include "report/CText.h"
#include "report/PageModel.h"
#include "report/Pagination.h"
#include "report/ResultPages.h"
#include "ui/CVekView.h"
#include "ui/QtCanvas.h"
#include "ui/QtDefaultPrinter.h"
#include "ui/QtPictures.h"
#include "ui/QtSheetOutputs.h"

#include <QFile>
#include <QImage>
#include <QPrinter>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <sstream>

namespace {

// How much of an image region is drawn on (not white).
double inkIn(const QImage& image, const QRect& region)
{
    int ink = 0;
    int all = 0;
    for (int y = region.top(); y <= region.bottom(); y += 2)
        for (int x = region.left(); x <= region.right(); x += 2) {
            ++all;
            if (image.pixelColor(x, y).lightness() < 200)
                ++ink;
        }
    return all ? double(ink) / all : 0;
}

void keep(const std::string& file)
{
    const QByteArray folder = qgetenv("TEKVAR_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    const QString name = QString::fromStdString(file).section('/', -1);
    QFile::remove(QString::fromUtf8(folder) + "/" + name);
    QFile::copy(QString::fromStdString(file), QString::fromUtf8(folder) + "/" + name);
}

// The result page of the heat loss module as its calculation will build it:
// an input table, a result table, a graph, the installation-space drawing
// and a text block, stacked from (20, 65) mm.
class PageRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        PageModel::Get().Reset();
        PageModel::Get().SetScreenMeasure(&screen);
        PageModel::Get().SetDefaultPrinter(&noPrinter);
        PageModel::Get().ReadSheetSize();
        doc = std::make_unique<CVekDoc>(parts);
        pages = ResultPages::Of(*doc);
        doc->Project().projectName = "Kulvert Norra industriområdet";
        doc->Project().responsible = "Eva Ek";
        doc->Module(0).resultsValid = true;

        input.Define(20, 65, 4, 2, "%.1f", {62311, 62408}, {}, {}, 170);
        input.SetContentWithCaptions({62311, 62408},
                                     {"Rörets ytterdiameter [mm]", "Medietemperatur [°C]", "Omgivningstemperatur [°C]",
                                      "Isolertjocklek [mm]"},
                                     {"114.3", "120.0", "10.0", "80"}, -1, -1, -1);
        result.Define(20, 65, 4, 2, "%.1f", {62311, 62312}, {}, {}, 170);
        result.SetContentWithCaptions({62311, 62312},
                                      {"Värmeförlust [W/m]", "Utvändig yttemperatur [°C]", "Energiförlust [kWh/år]"},
                                      {"21.35", "13.2", "187.0"}, -1, -1, 1);
        graph.Set(20, 65, 125, 55, "Värmeförlust som funktion av isolertjocklek", "[W/m] ", " [mm]",
                  {"Lag 1", "Lag 2"}, {0xFF0000, 0x0000C0}, {"%.0f", "%.0f", "%.0f", "%.1f"}, true);
        graph.SetSteps(20, 10, 1, 1);
        graph.SetData({0, 0, 160, 60}, {{20, 40, 60, 80, 100, 120, 140}, {20, 60, 100, 140}},
                      {{52.5f, 34.1f, 27.3f, 23.0f, 20.4f, 18.5f, 17.2f}, {44.0f, 25.1f, 19.0f, 15.8f}});
        space.SetDimensions(CInsulationSpace::pipe, 0.2743f, 0, 0);
        note.Set("Anmärkning", {"Värdena gäller för horisontell rörledning inomhus.",
                                "Isolering enligt produktbladets λ-värden."},
                 20, 65);
        for (CGraphicsItem* item : std::initializer_list<CGraphicsItem*>{&input, &result, &graph, &space, &note})
            pages->Lists().Add(0, item);
        float y = pageTop;
        for (CGraphicsItem* item : std::initializer_list<CGraphicsItem*>{&input, &result, &graph, &space, &note})
            y = PlaceOnPage(*item, pageLeft, y);
    }

    void TearDown() override
    {
        doc.reset();
        PageModel::Get().Reset();
    }

    // A table long enough to need a sheet of its own after the others.
    void addLongTable()
    {
        std::vector<std::string> captions;
        std::vector<std::string> values;
        for (int i = 1; i <= 40; ++i) {
            captions.push_back("Sektion " + std::to_string(i));
            values.push_back(std::to_string(100 - i) + ".5");
        }
        sections.Define(20, 65, 4, 2, "%.1f", {62311, 62312}, {}, {}, 170);
        sections.SetContentWithCaptions({62311, 62312}, captions, values, -1, -1, -1);
        sections.name = "Sektioner";
        pages->Lists().Add(0, &sections);
        PlaceOnPage(sections, pageLeft, note.Bottom() + itemSpacing);
    }

    platform::ScriptedPrompter prompter;
    platform::MemorySettings settings;
    platform::ScopedServices services{{.prompter = &prompter, .settings = &settings}};
    QtTextMeasure screen;
    platform::FixedDefaultPrinter noPrinter;
    StandardDocumentParts parts;
    std::unique_ptr<CVekDoc> doc;
    ResultPages* pages = nullptr;
    CTabell input;
    CTabell result;
    CGraph graph;
    CInsulationSpace space;
    CText note;
    CTabell sections;
    TempFolder folder;
    QtSheetOutputs outputs;
};

} // namespace

TEST_F(PageRender, APageExportsToOnePdfSheetWithHeaderTablesAndFooter)
{
    const std::string pdf = folder.File("sida.pdf");
    auto output = outputs.OpenPdf(pdf);
    ASSERT_TRUE(PrintPages(*doc, {0}, *output));
    ASSERT_TRUE(output->Finish());
    keep(pdf);

    const std::vector<std::string> sheets = PdfPages(PdfText(pdf));
    ASSERT_EQ(sheets.size(), 1u);
    const std::string& text = sheets[0];
    for (const char* expected :
         {"Tekvar®", "Teknisk Isolering", "Värmeförlustberäkning", "Programversion : 4.01",
          "Projektnamn : Kulvert Norra industriområdet", "Ansvarig person : Eva Ek", "Indata",
          "Rörets ytterdiameter [mm]", "114.3", "Energiförlust [kWh/år]", "187.0",
          "Minsta utrymme för montering av isolering", "Ø:", "274 mm", "Anmärkning", "Lag 2", "Sida 1/1",
          "Norlam AB"})
        EXPECT_TRUE(Contains(text, expected)) << expected << "\n" << text;
    // The print layout is undone: back in screen units.
    EXPECT_FALSE(PageModel::Get().Printing());
    EXPECT_EQ(input.rect.left, PageModel::Get().XUnits(20));
}

TEST_F(PageRender, AnItemPastTheSheetsBottomPrintsOnASecondSheet)
{
    addLongTable();
    const std::string pdf = folder.File("tva-sidor.pdf");
    auto output = outputs.OpenPdf(pdf);
    ASSERT_TRUE(PrintPages(*doc, {0}, *output));
    ASSERT_TRUE(output->Finish());
    keep(pdf);

    const std::vector<std::string> sheets = PdfPages(PdfText(pdf));
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_TRUE(Contains(sheets[0], "Sida 1/2"));
    EXPECT_FALSE(Contains(sheets[0], "Sektion 12"));
    EXPECT_TRUE(Contains(sheets[1], "Sida 2/2"));
    EXPECT_TRUE(Contains(sheets[1], "Sektion 12"));
    // Header and footer repeat on the second sheet.
    EXPECT_TRUE(Contains(sheets[1], "Projektnamn : Kulvert Norra industriområdet"));
    EXPECT_TRUE(Contains(sheets[1], "Norlam AB"));

    // The images of the same page: one per sheet, the second named -2.
    const std::string png = folder.File("tva-sidor.png");
    auto images = outputs.OpenImages(png);
    ASSERT_TRUE(PrintPages(*doc, {0}, *images));
    ASSERT_TRUE(images->Finish());
    const QImage first(QString::fromStdString(png));
    const QImage second(QString::fromStdString(folder.File("tva-sidor-2.png")));
    keep(png);
    keep(folder.File("tva-sidor-2.png"));
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());
    // 202 × 297 mm at 150 dots per inch.
    EXPECT_EQ(first.size(), QSize(1193, 1754));
    // Header on both (logo and lines at 20 … 70 mm, 9 … 26 mm); the long
    // table only on the second sheet, from 65 mm down.
    const QRect logo(118, 53, 295, 100);
    EXPECT_GT(inkIn(first, logo), 0.02);
    EXPECT_GT(inkIn(second, logo), 0.02);
    const QRect lowerPage(118, 1300, 1000, 300);
    EXPECT_GT(inkIn(second, lowerPage), 0.005);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder.File("tva-sidor-3.png"))));
}

TEST_F(PageRender, ThePngOfAPageHasItsDrawingsWhereTheyArePlaced)
{
    const std::string png = folder.File("sida.png");
    auto images = outputs.OpenImages(png);
    ASSERT_TRUE(PrintPages(*doc, {0}, *images));
    ASSERT_TRUE(images->Finish());
    keep(png);
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    // The installation-space picture, 72 × 48 mm below its title. The page
    // is back in screen units; its place in mm is the same on paper.
    const auto mm = [](float v) { return int(v / 25.4f * 150); };
    const platform::Rect r = space.PictureRect();
    const QRect onPaper(mm(PageModel::Get().XMm(r.left)), mm(PageModel::Get().YMm(r.top)),
                        mm(PageModel::Get().XMm(r.Width())), mm(PageModel::Get().YMm(r.Height())));
    EXPECT_GT(inkIn(image, onPaper), 0.03);
    // The gap between the header frame and the first table is empty paper.
    EXPECT_LT(inkIn(image, QRect(mm(25), mm(61.5f), mm(100), mm(2))), 0.001);
}

TEST_F(PageRender, TheViewDrawsTheActivePageOnScreen)
{
    CVekView view(*doc);
    view.resize(820, 1200);
    doc->OnViewModule(0);
    const QImage shot = view.grab().toImage();
    KeepScreenshot(shot, "vy.png");
    // Screen units are pixels: the header's logo at 20 … 70 mm, 9 … 26 mm
    // is at 79 … 276, 35 … 102; the first table from 65 mm (256) down.
    EXPECT_GT(inkIn(shot, QRect(79, 35, 197, 67)), 0.02);
    EXPECT_GT(inkIn(shot, QRect(79, 256, 600, 60)), 0.01);
    EXPECT_LT(inkIn(shot, QRect(79, 230, 600, 20)), 0.001);

    // Another module's page shows its own header and none of these items.
    doc->OnViewModule(3);
    const QImage other = view.grab().toImage();
    EXPECT_GT(inkIn(other, QRect(79, 35, 197, 67)), 0.02);
    EXPECT_LT(inkIn(other, QRect(79, 256, 600, 60)), 0.001);
}

TEST_F(PageRender, APrinterTakesTheSameSheetsOnItsOwnPaper)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string pdf = folder.File("skrivare.pdf");
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QtCanvas::Device device = QtPagedOutput::DeviceOf(printer);
    EXPECT_NEAR(device.sheet.width, 210, 0.1);
    EXPECT_NEAR(device.sheet.height, 297, 0.1);
    // A4 is 595 points wide to Qt: 9917 dots at 1200 per inch.
    EXPECT_NEAR(device.resolution.width, 210 / 25.4 * printer.resolution(), 6);

    addLongTable();
    QtPagedOutput output(printer);
    ASSERT_TRUE(PrintPages(*doc, {0}, output));
    ASSERT_TRUE(output.Finish());
    const std::vector<std::string> sheets = PdfPages(PdfText(pdf));
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_TRUE(Contains(sheets[0], "Sida 1/2"));
    EXPECT_TRUE(Contains(sheets[1], "Sektion 40"));
    // After the job the screen has the default printer's sheet again.
    EXPECT_EQ(PageModel::Get().Sheet(), platform::fallbackSheet);
}

TEST_F(PageRender, AFailedOutputIsReportedAndLeavesNoFile)
{
    const std::string pdf = folder.File("saknas/sida.pdf");
    auto output = outputs.OpenPdf(pdf);
    ASSERT_TRUE(PrintPages(*doc, {0}, *output));
    EXPECT_FALSE(output->Finish());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));

    auto images = outputs.OpenImages(folder.File("saknas/sida.png"));
    EXPECT_FALSE(PrintPages(*doc, {0}, *images) && images->Finish());
}

TEST_F(PageRender, TheTextExportHasTheTitleAndTheCopyTextsInReadingOrder)
{
    addLongTable();
    const std::string text = PagesText(*doc, 0);
    const std::string expected = "Värmeförlustberäkning\n" + input.ClipboardText() + result.ClipboardText() +
                                 graph.ClipboardText() + sections.ClipboardText();
    EXPECT_EQ(text, expected);
    EXPECT_TRUE(Contains(text, "Rörets ytterdiameter [mm]\t114,3\n"));
    // Only calculated modules, or the one asked for; the PDF prints the
    // active page when nothing is calculated.
    EXPECT_EQ(PagesText(*doc, 2), "");
    EXPECT_EQ(PagesToPrint(*doc, 0), std::vector<int>{0});
    EXPECT_EQ(PagesToPrint(*doc, 7), std::vector<int>{6});
    doc->Module(0).resultsValid = false;
    doc->OnViewModule(4);
    EXPECT_EQ(PagesToPrint(*doc, 0), std::vector<int>{4});
}

TEST_F(PageRender, TheHeadlessCommandWritesPdfAndPng)
{
    doc.reset();
    QtDefaultPrinter printer;
    const PageDevices devices{&outputs, &screen, &printer};
    std::ostringstream errors;
    auto run = [&](std::vector<std::string> args) {
        std::string error;
        auto line = ParseCommandLine(args, error);
        EXPECT_TRUE(line) << error;
        return RunExport(*line, errors, devices);
    };
    const std::string document = folder.File("projekt.tkv");
    ASSERT_EQ(run({"--new", "--export", document}), 0) << errors.str();

    const std::string pdf = folder.File("projekt.pdf");
    ASSERT_EQ(run({"--export", pdf, document}), 0) << errors.str();
    const std::string text = PdfText(pdf);
    EXPECT_EQ(PdfPages(text).size(), 1u);
    // Nothing is calculated: the active page, header and footer only, with
    // the document's path.
    EXPECT_TRUE(Contains(text, "Värmeförlustberäkning")) << text;
    EXPECT_TRUE(Contains(text, "Filnamn: " + document)) << text;
    EXPECT_TRUE(Contains(text, "Sida 1/1"));

    ASSERT_EQ(run({"--export", folder.File("sida7.png"), "--page", "7", document}), 0) << errors.str();
    EXPECT_FALSE(QImage(QString::fromStdString(folder.File("sida7.png"))).isNull());
    ASSERT_EQ(run({"--export", folder.File("sida7.pdf"), "--page", "7", document}), 0) << errors.str();
    EXPECT_TRUE(Contains(PdfText(folder.File("sida7.pdf")), "Ljuddämpning"));

    EXPECT_EQ(run({"--export", folder.File("saknas/projekt.pdf"), document}), 1);
    EXPECT_TRUE(Contains(errors.str(), "Ett fel uppstod vid skrivning till " + folder.File("saknas/projekt.pdf")));
    EXPECT_EQ(run({"--export", folder.File("projekt.svg"), document}), 2);
    EXPECT_EQ(run({"--export", folder.File("ut.pdf"), folder.File("saknas.tkv")}), 1);
}

TEST(Pictures, EveryBuiltInPictureDrawsAndFilesComeFirst)
{
    std::vector<std::string> names = {"logo", "space-0", "space-1", "space-2"};
    for (int module = 0; module < 8; ++module)
        names.push_back("module-" + std::to_string(module));
    for (int number : {261, 262, 263, 264, 265, 266, 267, 268, 269, 271, 272, 273, 274, 275, 276, 277, 278})
        names.push_back("picture-" + std::to_string(number));
    for (const std::string& name : names) {
        EXPECT_TRUE(QtPictures::IsBuiltIn(name)) << name;
        const QImage image = QtPictures::Image(platform::PictureRef::Resource(name), QSize(160, 160));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_GT(inkIn(image, image.rect()), 0.01) << name;
    }
    // All of them on one sheet, named, for looking at by eye.
    if (!qEnvironmentVariableIsEmpty("TEKVAR_SCREENSHOTS")) {
        const int cell = 260;
        const int across = 6;
        QImage sheet(across * cell, int((names.size() + across - 1) / across) * (cell + 20), QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        for (std::size_t i = 0; i < names.size(); ++i) {
            const int x = int(i % across) * cell;
            const int y = int(i / across) * (cell + 20);
            const bool space = names[i].rfind("space", 0) == 0;
            const bool logo = names[i] == "logo";
            const QRectF target(x + 10, y + 10, cell - 20, space ? (cell - 20) * 2.0 / 3 : logo ? 80 : cell - 20);
            QtPictures::Draw(painter, platform::PictureRef::Resource(names[i]), target);
            painter.setPen(Qt::gray);
            painter.drawRect(target);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(x + 10, y + cell + 8), QString::fromStdString(names[i]));
        }
        painter.end();
        KeepScreenshot(sheet, "pictures.png");
    }
    EXPECT_FALSE(QtPictures::IsBuiltIn("picture-270"));
    EXPECT_TRUE(QtPictures::Image(platform::PictureRef::Resource("picture-270"), QSize(10, 10)).isNull());

    // A product picture file wins over the built-in one; a missing file
    // falls back to it.
    TempFolder folder;
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    const std::string jpeg = folder.File("produkt.jpg");
    ASSERT_TRUE(red.save(QString::fromStdString(jpeg), "JPEG"));
    const QImage fromFile = QtPictures::Image({"picture-261", jpeg}, QSize(16, 16));
    EXPECT_GT(fromFile.pixelColor(8, 8).red(), 200);
    EXPECT_LT(fromFile.pixelColor(8, 8).green(), 60);
    const QImage fallback = QtPictures::Image({"picture-261", folder.File("borta.jpg")}, QSize(160, 160));
    EXPECT_EQ(fallback, QtPictures::Image(platform::PictureRef::Resource("picture-261"), QSize(160, 160)));
}

TEST(QtCanvasText, MeasuresArialByItsCellHeightAndDrawsTopAligned)
{
    QtTextMeasure measure;
    platform::Font normal;
    const platform::FontMetrics metrics = measure.Metrics(normal);
    // A 10-unit font: its ascent and descent fill about 10 units.
    EXPECT_GE(metrics.height, 9);
    EXPECT_LE(metrics.height, 11);
    EXPECT_GT(metrics.averageCharWidth, 2);
    platform::Font big = normal;
    big.height = 100;
    const platform::Size wide = measure.Extent(big, "Värmeförlust");
    EXPECT_NEAR(wide.height, 100, 3);
    EXPECT_GT(wide.width, measure.Extent(big, "Värme").width);
    platform::Font bold = big;
    bold.weight = 700;
    EXPECT_GT(measure.Extent(bold, "Värmeförlust").width, wide.width);
    // Widths are kept per font and text: asked again, or after another font
    // or a longer text that begins alike, a text measures as it did at first.
    EXPECT_GT(measure.Extent(big, "Värmeförlust [W]").width, wide.width);
    EXPECT_EQ(measure.Extent(big, std::string("Värmeförlust [W]").substr(0, 14)).width, wide.width);
    EXPECT_EQ(measure.Extent(big, "Värmeförlust").width, QtTextMeasure().Extent(big, "Värmeförlust").width);

    // Top-aligned text starts at its anchor; right-aligned ends there.
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(&painter);
    canvas.SelectFont(big);
    canvas.DrawText({200, 50}, "HH", {platform::HAlign::Right, platform::VAlign::Top});
    painter.end();
    int top = 200;
    int right = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 400; ++x)
            if (image.pixelColor(x, y).lightness() < 128) {
                top = std::min(top, y);
                right = std::max(right, x);
            }
    EXPECT_GE(top, 50);
    EXPECT_LT(top, 50 + 30); // the cap height sits below the ascent line
    EXPECT_LE(right, 200);
    EXPECT_GT(right, 185);
}
