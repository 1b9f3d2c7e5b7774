// The sound module's calculation against hand calculations: with the free
// section's acoustic dimension d, lined perimeter P and free area A,
//   fc = 340 / 2d,  K = 0.004108 x² − 0.1725 x + 1.194 (x = f/fc, held
//   between 0.077 and 1.05),  ΔL = K · P · α^1.4 / A  dB/m,
// written out below in double precision.

#include "RecordDocument.h"
#include "database/Reconciliation.h"
#include "doc/StringTable.h"
#include "report/PageModel.h"
#include "report/ResultPages.h"

#include <cmath>
#include <cstdlib>
#include <regex>

using namespace module_test;

namespace {

using Factors = std::array<double, 6>;
constexpr double bands[6] = {125, 250, 500, 1000, 2000, 4000};
const Factors defaultFactors{0.25, 0.65, 0.95, 1.0, 1.0, 1.0};

double HandK(double x)
{
    const double k = 0.004108 * x * x - 0.1725 * x + 1.194;
    return k > 1.05 ? 1.05 : k < 0.077 ? 0.077 : k;
}

// ΔL of each band for a section with acoustic dimension d and P/A.
std::array<double, 6> HandAttenuation(double d, double perimeterPerArea, const Factors& alpha)
{
    std::array<double, 6> result{};
    const double fc = 340 / (2 * d);
    for (std::size_t i = 0; i < 6; ++i)
        result[i] = HandK(bands[i] / fc) * perimeterPerArea * std::pow(alpha[i], 1.4);
    return result;
}

double Number(const std::string& cell)
{
    return std::strtod(cell.c_str(), nullptr);
}

// The value cell of the input row with the caption.
std::string InputCell(const CTabell& table, int captionId)
{
    for (int r = 1; r < table.Rows(); ++r)
        if (table.Cell(r, 0) == LoadString(captionId))
            return table.Cell(r, 1);
    ADD_FAILURE() << "no row " << LoadString(captionId);
    return {};
}

// What no page may show.
bool ShowsNoBadNumber(const std::string& text)
{
    static const std::regex bad(R"((^|[^\w])(-?(nan|inf)|-0([,.]0+)?)(?![\w,.]))", std::regex::icase);
    return !std::regex_search(text, bad);
}

class SoundParts : public RecordParts {
public:
    std::unique_ptr<CVekModul> CreateModule(int index) override
    {
        if (index == 6)
            return std::make_unique<CLydModul>();
        return RecordParts::CreateModule(index);
    }
    std::unique_ptr<DocumentPages> CreatePages(CVekDoc& doc) override { return std::make_unique<ResultPages>(doc); }
};

} // namespace

class SoundCalculation : public AbsorberTest {
protected:
    SoundCalculation() : doc(parts)
    {
        PageModel::Get().Reset();
        doc.NewDocument();
    }

    CLydModul& Module() { return static_cast<CLydModul&>(doc.Module(6)); }
    // The user's product, `lining` mm, in a duct of the type.
    CLydModul& Lined(int ductType, float lining, float width, float height, float diameter)
    {
        CLydModul& m = Module();
        m.productSource = 1;
        m.userProductName = "Egen skiva";
        m.userThickness = lining;
        m.userFactors = SoundInput{}.userFactors;
        m.ductType = ductType;
        m.width = width;
        m.height = height;
        m.ductDiameter = diameter;
        return m;
    }
    std::size_t ItemsOnPage() { return ResultPages::Of(doc)->Lists().Items(CLydModul::pageIndex).size(); }
    // A refused calculation: its one message, and the page back to header and footer.
    void ExpectRefused(const std::string& message)
    {
        prompter.Clear();
        EXPECT_FALSE(Module().Calculate());
        EXPECT_FALSE(Module().resultsValid);
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{message});
        EXPECT_EQ(ItemsOnPage(), 2u);
    }
    void ExpectBands(const CLydModul& m, const std::array<double, 6>& expected)
    {
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_NEAR(m.graph.Curve(0).y[i], expected[i], 1e-4 * std::max(1.0, expected[i])) << bands[i] << " Hz";
            EXPECT_NEAR(Number(m.resultTexts[i]), expected[i], 0.051) << m.resultTexts[i];
        }
    }

    SoundParts parts;
    CVekDoc doc;
};

// A 400 mm circular duct lined with 50 mm of the user's product and the
// default factors: d = 0.3 m, fc = 566.7 Hz, P/A = 4/d = 13.33 per m.
TEST_F(SoundCalculation, CircularDuctEveryBandTableGraphAndPage)
{
    CLydModul& m = Lined(0, 50.0f, 400.0f, 400.0f, 400.0f);
    ASSERT_TRUE(m.Calculate());
    EXPECT_TRUE(m.resultsValid);
    EXPECT_TRUE(prompter.Texts().empty());

    const CTabell& r = m.resultTable;
    ASSERT_EQ(r.Rows(), 9);
    EXPECT_EQ(r.Cell(0, 0), "Beräknad ljuddämpning");
    EXPECT_EQ(r.Cell(0, 1), "Resultat");
    const std::vector<std::string> expected{"2.0 dB/m", "7.7 dB/m", "13.0 dB/m", "12.0 dB/m",
                                            "8.5 dB/m", "2.4 dB/m", "567 Hz",    "300.0 mm"};
    const int captions[8] = {62274, 62275, 62276, 62280, 62281, 62282, 62301, 62300};
    for (int row = 1; row <= 8; ++row) {
        EXPECT_EQ(r.Cell(row, 0), LoadString(captions[row - 1]));
        EXPECT_EQ(r.Cell(row, 1), expected[std::size_t(row - 1)]);
        EXPECT_EQ(m.resultTexts[std::size_t(row - 1)], expected[std::size_t(row - 1)]);
    }
    ExpectBands(m, HandAttenuation(0.3, 4 / 0.3, defaultFactors));

    // The axis: a sixth above the largest (12.967 dB/m), in steps of 1
    // labelled every other; 0 … 4250 Hz in steps of 250.
    const CGraph& g = m.graph;
    EXPECT_EQ(Sprintf(std::string("%.2f"), double(g.Range().ymax)), "15.13");
    EXPECT_EQ(g.Range().xmax, 4250.0f);
    ASSERT_EQ(g.YTicks().values.size(), 15u);
    EXPECT_EQ(g.YTicks().values[14], 14.0f);
    EXPECT_EQ(g.YTicks().labels[2], "2");
    EXPECT_EQ(g.YTicks().labels[3], "");
    ASSERT_EQ(g.XTicks().values.size(), 17u);
    EXPECT_EQ(g.XTicks().labels[4], "1000");
    EXPECT_EQ(g.ClipboardText(), "Beräknad ljuddämpning\nLjuddämpning som funktion av frekvens\n"
                                 " [Hz]\t125\t250\t500\t1000\t2000\t4000\n"
                                 "[dB/m] \t2,0\t7,7\t13,0\t12,0\t8,5\t2,4\n");

    const CTabell& in = m.inputTable;
    EXPECT_EQ(in.Cell(0, 1), "Indata");
    EXPECT_EQ(InputCell(in, 62296), "Cirkulär");
    EXPECT_EQ(InputCell(in, 62544), "400.0 mm");
    EXPECT_EQ(InputCell(in, 62299), "Egen skiva");
    EXPECT_EQ(InputCell(in, 62509), "50.0 mm");
    EXPECT_EQ(InputCell(in, 62552), "0.25");
    EXPECT_EQ(InputCell(in, 62554), "0.95");
    EXPECT_EQ(InputCell(in, 62557), "1.00");
    EXPECT_EQ(in.Rows(), 11);
    EXPECT_EQ(m.notes.LineCount(), 6);

    // On page 6 in the order input, results, graph, notes; the graph at
    // (20, 65) mm and each item 10 mm below the one before it or at the top
    // of the next sheet.
    const auto& items = ResultPages::Of(doc)->Lists().Items(6);
    const std::vector<CGraphicsItem*> ours{&m.inputTable, &m.resultTable, &m.graph, &m.notes};
    ASSERT_EQ(items.size(), 6u);
    EXPECT_TRUE(std::equal(ours.begin(), ours.end(), items.end() - 4));
    const PageModel& model = PageModel::Get();
    EXPECT_EQ(g.rect.left, model.XUnits(20));
    EXPECT_EQ(g.rect.top, model.YUnits(65));
    const CGraphicsItem* above = &m.graph;
    for (const CGraphicsItem* item : std::vector<const CGraphicsItem*>{&m.resultTable, &m.notes, &m.inputTable}) {
        if (item->rect.left == model.XUnits(20))
            EXPECT_EQ(item->rect.top, model.YUnits(above->Bottom() + 10));
        else
            EXPECT_EQ(item->rect.top, model.YUnits(65));
        EXPECT_LE(item->Bottom() + 10, model.Sheet().height);
        above = item;
    }
}

TEST_F(SoundCalculation, RectangularAndTwoWallLinings)
{
    CLydModul& m = Lined(0, 50.0f, 400.0f, 400.0f, 400.0f);
    ASSERT_TRUE(m.Calculate());
    const auto circular = m.resultTexts;
    const auto circularCurve = m.graph.Curve(0).y;

    // All four walls of a 400 × 400 mm duct: P/A = 4/d as for the circle.
    m.ductType = 1;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.resultTexts, circular);
    EXPECT_EQ(InputCell(m.inputTable, 62368), "400.0 mm");
    EXPECT_EQ(InputCell(m.inputTable, 62366), "400.0 mm");

    // Two walls lined: half the perimeter over the same area per d.
    for (int type : {2, 3}) {
        m.ductType = type;
        ASSERT_TRUE(m.Calculate());
        EXPECT_EQ(m.resultTexts[6], "567 Hz");
        EXPECT_EQ(m.resultTexts[7], "300.0 mm");
        for (std::size_t i = 0; i < 6; ++i)
            EXPECT_NEAR(m.graph.Curve(0).y[i], circularCurve[i] / 2, 1e-5) << type;
    }
    EXPECT_EQ(InputCell(m.inputTable, 62296), "Vertikal");

    // 300 wide, 400 high: the width limits, d = 0.2 m and fc = 850 Hz;
    // P = 2·(0.3 + 0.2), A = 0.3·0.2.
    Lined(1, 50.0f, 300.0f, 400.0f, 400.0f);
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.resultTexts[7], "200.0 mm");
    EXPECT_EQ(m.resultTexts[6], "850 Hz");
    ExpectBands(m, HandAttenuation(0.2, 1.0 / 0.06, defaultFactors));
    // Lined top and bottom only, the height limits: d = 0.3, P = 0.6, A = 0.09.
    m.ductType = 2;
    ASSERT_TRUE(m.Calculate());
    ExpectBands(m, HandAttenuation(0.3, 0.6 / 0.09, defaultFactors));
}

TEST_F(SoundCalculation, CorrectionFactorClipsAndTheFormulaBetween)
{
    // 1.05 up to x ≈ 0.852 and again past x ≈ 41.14; 0.077 between the
    // roots near 8.00 and 33.99; the parabola itself elsewhere, also past
    // its minimum at x = 21.
    EXPECT_EQ(AttenuationCorrection(0.0f), 1.05f);
    EXPECT_EQ(AttenuationCorrection(0.84f), 1.05f);
    EXPECT_NEAR(AttenuationCorrection(0.86f), 1.0487, 1e-4);
    EXPECT_NEAR(AttenuationCorrection(7.9f), 0.0876, 1e-4);
    EXPECT_EQ(AttenuationCorrection(8.1f), 0.077f);
    EXPECT_EQ(AttenuationCorrection(21.0f), 0.077f);
    EXPECT_EQ(AttenuationCorrection(33.9f), 0.077f);
    EXPECT_NEAR(AttenuationCorrection(34.1f), 0.0886, 1e-4);
    EXPECT_NEAR(AttenuationCorrection(40.0f), 0.8668, 1e-4);
    EXPECT_EQ(AttenuationCorrection(41.2f), 1.05f);
    EXPECT_EQ(AttenuationCorrection(1000.0f), 1.05f);

    // A 1800 mm duct with 50 mm: d = 1.7 m puts 125 … 4000 Hz at
    // x = 1.25 … 40, from the parabola through the floor and back up.
    CLydModul& m = Lined(0, 50.0f, 400.0f, 400.0f, 1800.0f);
    ASSERT_TRUE(m.Calculate());
    ExpectBands(m, HandAttenuation(1.7, 4 / 1.7, defaultFactors));
    // Every attenuation under 5 dB/m: the axis goes to 5 + 5/6.
    EXPECT_EQ(Sprintf(std::string("%.2f"), double(m.graph.Range().ymax)), "5.83");
    EXPECT_EQ(m.graph.YTicks().values.size(), 5u);

    // 2012.5 mm: d = 1.9125 m puts 4000 Hz at x = 45, back at 1.05.
    m.ductDiameter = 2012.5f;
    ASSERT_TRUE(m.Calculate());
    ExpectBands(m, HandAttenuation(1.9125, 4 / 1.9125, defaultFactors));
    // A 102 mm duct with 50 mm: d = 2 mm, fc = 85 kHz, every band at 1.05.
    m.ductDiameter = 102.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.resultTexts[6], "85000 Hz");
    ExpectBands(m, HandAttenuation(0.002, 4 / 0.002, defaultFactors));
}

TEST_F(SoundCalculation, AxisStepsKeepTheGridReadable)
{
    // The steps below a top of 200, then 20, 50, 100, 200, 500, …
    const std::vector<std::pair<float, float>> steps{{5.83f, 1},  {19.9f, 1},   {20, 2},     {39.9f, 2},
                                                     {40, 5},     {79.9f, 5},   {80, 10},    {199.9f, 10},
                                                     {200, 20},   {399, 20},    {400, 50},   {999, 50},
                                                     {1000, 100}, {1999, 100},  {2000, 200}, {4000, 500},
                                                     {1e4f, 1000}};
    for (auto [top, step] : steps)
        EXPECT_EQ(AttenuationAxisStep(top), step) << top;
    for (float top = 5.0f; top < 1e30f; top *= 1.37f) {
        const double ticks = std::trunc(double(top) / AttenuationAxisStep(top));
        EXPECT_LE(ticks, 20) << top;
        EXPECT_GE(ticks, top < 200 ? 5 : 8) << top;
    }

    // A diameter a thousandth of a millimetre above twice the lining, which
    // the dialog lets through: d ≈ 1e-6 m and 4.2 million dB/m at the top,
    // still a grid of fewer than 20 lines.
    CLydModul& m = Lined(0, 50.0f, 400.0f, 400.0f, 100.001f);
    ASSERT_TRUE(m.Calculate());
    const float top = m.graph.Range().ymax;
    const float step = AttenuationAxisStep(top);
    EXPECT_GT(top, 4e6f);
    EXPECT_EQ(step, 500000.0f);
    EXPECT_LE(m.graph.YTicks().values.size(), 20u);
    EXPECT_TRUE(ShowsNoBadNumber(m.resultTable.ClipboardText() + m.graph.ClipboardText()));
}

TEST_F(SoundCalculation, StoredInputIsCheckedAsTheDialogChecks)
{
    CLydModul& m = Lined(0, 50.0f, 400.0f, 400.0f, 100.0f);
    // A diameter of twice the lining leaves nothing free; 1 mm more does.
    const std::string full = LoadString(62520);
    ExpectRefused(full);
    EXPECT_TRUE(m.resultTexts[0].empty());
    m.ductDiameter = 101.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(m.resultTexts[7], "1.0 mm");
    EXPECT_EQ(ItemsOnPage(), 6u);

    // Rectangular ducts by their limiting side.
    Lined(1, 50.0f, 400.0f, 100.0f, 400.0f);
    ExpectRefused(full);
    Lined(2, 50.0f, 50.0f, 101.0f, 400.0f);
    EXPECT_TRUE(m.Calculate());
    Lined(3, 50.0f, 80.0f, 400.0f, 400.0f);
    ExpectRefused(full);

    // Whatever a document holds: every field is a number, whether in use or not.
    Lined(1, 50.0f, 400.0f, 400.0f, std::nanf(""));
    ExpectRefused("Diameter [mm]: Skriv in ett tal.");
    Lined(0, 50.0f, 400.0f, 400.0f, 400.0f).userFactors[3] = std::numeric_limits<float>::infinity();
    ExpectRefused("1000 Hz : Skriv in ett tal.");
    Lined(0, std::nanf(""), 400.0f, 400.0f, 400.0f);
    ExpectRefused("Tjocklek [mm]: Skriv in ett tal.");
    Lined(0, 600.0f, 400.0f, 400.0f, 400.0f);
    ExpectRefused("Värdet för den egendefinierade tjockleken måste ligga mellan 1.00 och 500.00");
    Lined(0, 50.0f, 400.0f, 400.0f, 400.0f).userFactors[1] = 1.2f;
    ExpectRefused("Värdet för ljuddämpningen måste ligga mellan 0.00 och 1.00");
    Lined(2, 50.0f, 3001.0f, 400.0f, 400.0f);
    ExpectRefused("Värdet för bredden måste ligga mellan 1.00 och 3000.00");
    Lined(0, 50.0f, 400.0f, 400.0f, 400.0f).userProductName = std::string(61, 'x');
    ExpectRefused("Använd inte fler än 60 tecken.");

    // A factor of minus nothing is nothing.
    Lined(0, 50.0f, 400.0f, 400.0f, 400.0f).userFactors[0] = -0.0f;
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(InputCell(m.inputTable, 62552), "0.00");
    EXPECT_EQ(m.resultTexts[0], "0.0 dB/m");
    EXPECT_TRUE(ShowsNoBadNumber(m.inputTable.ClipboardText() + m.resultTable.ClipboardText()));

    // The maker's product: none chosen, or a thickness with values no
    // editor lets through.
    m.productSource = 0;
    m.SetProduct(nullptr, nullptr);
    ExpectRefused("Du måste välja en absorptionsprodukt.");
    CAbsorpsjon* product = Absorber(CDataBase::circularAbsorbers, 0);
    m.SetProduct(product, product->thicknesses[1].get());
    ASSERT_TRUE(m.Calculate());
    EXPECT_EQ(InputCell(m.inputTable, 62297), "Absorb C");
    ExpectBands(m, HandAttenuation(0.3, 4 / 0.3, {0.1, 0.4, 0.8, 0.9, 0.85, 0.7}));
    product->thicknesses[1]->factors[4] = std::nanf("");
    ExpectRefused("Värdet för ljuddämpningen måste ligga mellan 0.00 och 1.00");
}

// Documents whose product or thickness is not what was stored, read by a
// module that really calculates.
TEST_F(SoundCalculation, ReadDocumentsCalculateWithTheThicknessInUse)
{
    const auto record = [](const std::string& product, const std::string& thickness, float mm,
                           const std::array<float, 6>& factors) {
        Record r;
        r.Word(0).Word(0).Float(50).Float(400).Float(400).Float(400);
        for (float f : {0.25f, 0.65f, 0.95f, 1.0f, 1.0f, 1.0f})
            r.Float(f);
        r.Text("").Word(1).Text(product);
        return AbsorberThicknessRecord(r, thickness, mm, factors);
    };
    CLydModul& m = Module();

    // Changed values of "50.0": said, and the catalogue's are calculated with.
    Restore(m, record("Absorb C", "50.0", 50.0f, {0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f}).bytes);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{LoadString(61258)});
    EXPECT_TRUE(m.resultsValid);
    ExpectBands(m, HandAttenuation(0.3, 4 / 0.3, {0.1, 0.4, 0.8, 0.9, 0.85, 0.7}));

    // A thickness the product lost: the user picks 25 mm, which is used.
    prompter.Clear();
    chooser.QueueAnswer(0);
    Restore(m, record("Absorb C", "75.0", 75.0f, {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f}).bytes);
    ASSERT_EQ(chooser.Requests().size(), 1u);
    EXPECT_TRUE(chooser.Requests()[0].message.starts_with("Tjockleken 75.0 mm finns inte för absorptionsprodukten "
                                                          "Absorb C."));
    EXPECT_TRUE(m.resultsValid);
    EXPECT_EQ(InputCell(m.inputTable, 62509), "25.0 mm");
    EXPECT_EQ(m.resultTexts[7], "350.0 mm");
    ExpectBands(m, HandAttenuation(0.35, 4 / 0.35, {0.05, 0.4, 0.8, 0.9, 0.85, 0.7}));

    // Saved with the maker's product but none chosen: refused the same way.
    Record none;
    none.Word(0).Word(0).Float(50).Float(400).Float(400).Float(400);
    for (float f : {0.25f, 0.65f, 0.95f, 1.0f, 1.0f, 1.0f})
        none.Float(f);
    none.Text("").Word(1).Text(noCatalogueItem);
    prompter.Clear();
    Restore(m, none.bytes);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Du måste välja en absorptionsprodukt."});
    EXPECT_FALSE(m.resultsValid);

    // No product left to choose: refused with the dialog's message, no crash.
    database.lists[CDataBase::circularAbsorbers].clear();
    prompter.Clear();
    Restore(m, record("Absorb C", "50.0", 50.0f, {0.1f, 0.4f, 0.8f, 0.9f, 0.85f, 0.7f}).bytes);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Du måste välja en absorptionsprodukt."});
    EXPECT_FALSE(m.resultsValid);
    EXPECT_EQ(ItemsOnPage(), 2u);
}

TEST_F(SoundCalculation, ProductPictureByDuctType)
{
    CLydModul& m = Module();
    CAbsorpsjon* product = Absorber(CDataBase::rectangularAbsorbers, 0);
    product->fourSidesPicture = "fyra.jpg";
    product->verticalPicture = "vertikal.jpg";
    m.ductType = 1;
    m.SetProduct(product, product->thicknesses[0].get());
    EXPECT_EQ(m.GetProductPicture().builtin, 277);
    EXPECT_EQ(m.GetProductPicture().file, product->PicturePath(1));
    m.ductType = 3;
    EXPECT_EQ(m.GetProductPicture().file, product->PicturePath(3));
    // No picture of its own for two horizontal sides, or the user's product.
    m.ductType = 2;
    EXPECT_EQ(m.GetProductPicture().file, "");
    m.ductType = 1;
    m.productSource = 1;
    EXPECT_TRUE(m.GetProductPicture().file.empty());
    m.ductType = 0;
    EXPECT_EQ(m.GetProductPicture().builtin, 278);
}
