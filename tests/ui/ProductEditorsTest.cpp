#include "UiTestSupport.h"
#include "database/CDataBase.h"
#include "database/CEgendefDatabase.h"
#include "database/CEgendefIsoProdukt.h"
#include "database/CIsoProdukt.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "ui/CCurveButton.h"
#include "ui/CEgendefIsoProduktDlg.h"
#include "ui/CIsoProduktDlg.h"
#include "ui/CIsoTykkelseDlg.h"
#include "ui/CKoeffBeregningDlg.h"
#include "ui/Editors.h"
#include "ui/QtEditorService.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

QPushButton* dialogButton(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    return dialog->findChild<QDialogButtonBox*>()->button(which);
}

void retype(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    TypeText(field, text);
}

// As a paste does: the whole text at once.
void pasteInto(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QGuiApplication::clipboard()->setText(text);
    field->paste();
}

QStringList lines(const QListWidget* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->item(i)->text();
    return texts;
}

bool isBlue(const QImage& image, QPoint at)
{
    const QColor colour = image.pixelColor(at);
    return colour.blue() > 200 && colour.red() < 60 && colour.green() < 60;
}

// The services a product editor reaches: messages, the item editors, and a
// reference database holding one maker's product "Lamell".
struct ProductEditorFixture : ::testing::Test {
    ProductEditorFixture()
    {
        RegisterEditors(editors);
        auto maker = std::make_unique<CIsoProdukt>();
        maker->name = "Lamell";
        database.lists[CDataBase::insulationProducts].push_back(std::move(maker));
        database.MakeCurrent();
    }

    // Opens the thickness editor by the given button, types the thickness
    // and presses OK; a refused thickness is then cancelled.
    bool addThickness(QPushButton* button, const QString& mm)
    {
        bool refused = false;
        WhenModalShows([&](QWidget* dialog) {
            auto* thickness = qobject_cast<CIsoTykkelseDlg*>(dialog);
            ASSERT_NE(thickness, nullptr);
            retype(thickness->ThicknessField(), mm);
            dialogButton(dialog, QDialogButtonBox::Ok)->click();
            if (dialog->isVisible()) {
                refused = true;
                dialogButton(dialog, QDialogButtonBox::Cancel)->click();
            }
        });
        button->click();
        return !refused;
    }

    platform::ScriptedPrompter prompter;
    QtEditorService editors;
    platform::ScopedServices services{{.prompter = &prompter, .editors = &editors}};
    CDataBase database;
};

} // namespace

TEST(CurveButton, ChoosesItsAxesFromThePointsAndMapsThemOntoThePlot)
{
    // Spans of 150 °C and 0.020 W/(m·K): ticks of 25 °C and 0.002, a tick
    // beyond the points at each end.
    CCurveButton::Axes axes = CCurveButton::AxesFor({0, 50, 100, 150}, {0.037f, 0.045f, 0.053f, 0.057f}, false);
    EXPECT_FLOAT_EQ(axes.temperatureStep, 25.0f);
    EXPECT_FLOAT_EQ(axes.temperatureMin, -25.0f);
    EXPECT_FLOAT_EQ(axes.temperatureMax, 175.0f);
    EXPECT_FLOAT_EQ(axes.conductivityStep, 0.002f);
    EXPECT_NEAR(axes.conductivityMin, 0.034, 1e-6);
    EXPECT_NEAR(axes.conductivityMax, 0.058, 1e-6);
    EXPECT_EQ(CCurveButton::Map(axes, -25.0f, axes.conductivityMin), QPoint(60, 350));
    EXPECT_EQ(CCurveButton::Map(axes, 175.0f, axes.conductivityMax), QPoint(560, 50));
    // 25 °C of 200 is an eighth of 500 px: 62.5, cut to 62.
    EXPECT_EQ(CCurveButton::Map(axes, 0.0f, axes.conductivityMin).x(), 122);

    // In three-point mode the fourth point takes no part: 0 … 100 °C is a
    // span of 100, which is not above 100, so the ticks are 10 °C.
    axes = CCurveButton::AxesFor({0, 50, 100, 900}, {0.037f, 0.045f, 0.053f, 5.0f}, true);
    EXPECT_FLOAT_EQ(axes.temperatureStep, 10.0f);
    EXPECT_FLOAT_EQ(axes.temperatureMin, -10.0f);
    EXPECT_FLOAT_EQ(axes.temperatureMax, 110.0f);
    EXPECT_FLOAT_EQ(axes.conductivityStep, 0.002f);

    // Wide spans, and a minimum that truncates toward zero: −50/200 gives 0.
    axes = CCurveButton::AxesFor({-50, 200, 600, 1500}, {0.04f, 0.1f, 0.5f, 2.0f}, false);
    EXPECT_FLOAT_EQ(axes.temperatureStep, 200.0f);
    EXPECT_FLOAT_EQ(axes.temperatureMin, -200.0f);
    EXPECT_FLOAT_EQ(axes.temperatureMax, 1600.0f);
    EXPECT_FLOAT_EQ(axes.conductivityStep, 0.1f);
    EXPECT_NEAR(axes.conductivityMin, -0.06, 1e-6);
    EXPECT_NEAR(axes.conductivityMax, 2.1, 1e-6);

    // The boundaries of the temperature steps: above 800, 400, 200, 100.
    const std::pair<float, float> spans[] = {{801, 200}, {800, 100}, {401, 100}, {400, 50}, {201, 50}, {200, 25}};
    for (auto [span, step] : spans)
        EXPECT_FLOAT_EQ(CCurveButton::AxesFor({0, 1, 2, span}, {0.03f, 0.04f, 0.05f, 0.06f}, false).temperatureStep,
                        step)
            << span;
}

TEST(CurveButton, DrawsTheFittedCurveThroughSquaresOnThePointsAndKeepsItForPointsWithoutACurve)
{
    CCurveButton curve;
    EXPECT_EQ(curve.size(), CCurveButton::Background().size());
    const CCurveButton::Points temperatures{0, 50, 100, 150};
    const CCurveButton::Points conductivities{0.037f, 0.045f, 0.053f, 0.057f};
    ASSERT_TRUE(curve.SetPoints(temperatures, conductivities, false));

    // The cubic through (0, 0.037), (50, 0.045), (100, 0.053), (150, 0.057):
    // a straight line of slope 1.6e-4 less 5.333e-9·T(T−50)(T−100).
    float a = 0, b = 0, c = 0, d = 0;
    ASSERT_TRUE(curve.GetCoefficients(a, b, c, d));
    EXPECT_NEAR(a, -5.3333e-9, 1e-12);
    EXPECT_NEAR(b, 8.0e-7, 1e-10);
    EXPECT_NEAR(c, 1.33333e-4, 1e-8);
    EXPECT_NEAR(d, 0.037, 1e-7);

    const QImage image = curve.grab().toImage();
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const QPoint p = CCurveButton::Map(curve.DrawnAxes(), temperatures[i], conductivities[i]);
        // The square's left and right edges, two pixels beside the point.
        EXPECT_TRUE(isBlue(image, p + QPoint(-2, 1)));
        EXPECT_TRUE(isBlue(image, p + QPoint(2, -1)));
    }
    // A tick below the temperature axis at 50 °C, and none between ticks.
    const int x50 = CCurveButton::Map(curve.DrawnAxes(), 50.0f, 0.04f).x();
    EXPECT_EQ(image.pixelColor(x50, 354), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(x50 + 30, 354), QColor(Qt::white));

    // Two points at one temperature have no curve: the fit, the axes and the
    // picture stay as they were.
    EXPECT_FALSE(curve.SetPoints({0, 50, 50, 150}, conductivities, false));
    float a2 = 0, b2 = 0, c2 = 0, d2 = 0;
    curve.GetCoefficients(a2, b2, c2, d2);
    EXPECT_EQ(std::tie(a2, b2, c2, d2), std::tie(a, b, c, d));
    EXPECT_EQ(curve.grab().toImage(), image);
    EXPECT_FALSE(curve.SetPoints({20, 20, 20, 20}, conductivities, false));
    EXPECT_EQ(curve.grab().toImage(), image);

    // Equal conductivities make a level line on an axis of the finest ticks.
    ASSERT_TRUE(curve.SetPoints(temperatures, {0.05f, 0.05f, 0.05f, 0.05f}, false));
    EXPECT_NEAR(curve.DrawnAxes().conductivityMin, 0.048, 1e-6);
    EXPECT_NEAR(curve.DrawnAxes().conductivityMax, 0.052, 1e-6);
    curve.GetCoefficients(a, b, c, d);
    EXPECT_NEAR(a * 1e6f, 0.0f, 1e-6f);
    EXPECT_NEAR(d, 0.05, 1e-7);

    // Three-point mode fits the quadratic through the first three only.
    ASSERT_TRUE(curve.SetPoints(temperatures, conductivities, true));
    curve.GetCoefficients(a, b, c, d);
    EXPECT_EQ(a, 0.0f);
    EXPECT_NEAR(b, 0.0, 1e-10);
    EXPECT_NEAR(c, 1.6e-4, 1e-9);
    EXPECT_NEAR(d, 0.037, 1e-7);
}

TEST_F(ProductEditorFixture, CoefficientDialogShowsTheFitOfItsDefaultPointsAndRefitsWhileTyping)
{
    CKoeffBeregningDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Calculate coefficients");
    EXPECT_EQ(dialog.TemperatureField(3)->text(), "150");
    EXPECT_EQ(dialog.ConductivityField(0)->text(), "0.037");
    const QStringList shown = {dialog.ResultText(0)->text(), dialog.ResultText(1)->text(),
                               dialog.ResultText(2)->text(), dialog.ResultText(3)->text()};
    EXPECT_EQ(shown, QStringList({"-5.333e-09", "8.000e-07", "1.333e-04", "0.037"}));

    // A conductivity above 1.0 is passed over; half-typed text too.
    retype(dialog.ConductivityField(3), "2");
    EXPECT_EQ(dialog.ResultText(0)->text(), "-5.333e-09");
    retype(dialog.ConductivityField(3), "0.");
    EXPECT_EQ(dialog.ResultText(0)->text(), "-5.333e-09");
    retype(dialog.ConductivityField(3), "0.061");
    // Now the four points lie on one straight line.
    EXPECT_EQ(dialog.ResultText(2)->text(), "1.600e-04");
    float a = 1, b = 1, c = 0, d = 0;
    dialog.coefficients(a, b, c, d);
    EXPECT_NEAR(a, 0.0, 1e-11);
    EXPECT_NEAR(c, 1.6e-4, 1e-9);

    // Three points: the fourth pair is disabled and takes no part.
    dialog.ThreePointBox()->click();
    EXPECT_FALSE(dialog.TemperatureField(3)->isEnabled());
    EXPECT_FALSE(dialog.ConductivityField(3)->isEnabled());
    retype(dialog.ConductivityField(2), "0.057");
    dialog.coefficients(a, b, c, d);
    EXPECT_EQ(a, 0.0f);
    EXPECT_NEAR(b, 8.0e-7, 1e-10); // (0.037, 0.045, 0.057): a second difference of 0.004 over 50 °C steps
    EXPECT_TRUE(prompter.Messages().empty());
    KeepScreenshot(dialog.grab().toImage(), QStringLiteral("koeffberegning.png"));
}

TEST_F(ProductEditorFixture, ThicknessesStayAscendingAndATakenThicknessIsRefused)
{
    CIsoProdukt product;
    product.name = "Skål";
    CIsoProduktDlg dialog(product);
    dialog.show();
    ThicknessListPanel* panel = dialog.Thicknesses();
    EXPECT_TRUE(addThickness(panel->NewButton(), "40"));
    EXPECT_TRUE(addThickness(panel->NewButton(), "20"));
    EXPECT_TRUE(addThickness(panel->NewButton(), "30"));
    EXPECT_EQ(lines(panel->Box()), QStringList({"20.0", "30.0", "40.0"}));
    EXPECT_TRUE(prompter.Texts().empty());

    // "30" prints as "30.0" like the one in the list; so does 30.04.
    EXPECT_FALSE(addThickness(panel->NewButton(), "30"));
    EXPECT_FALSE(addThickness(panel->NewButton(), "30,04"));
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>(2, "Detta namn är redan använt."));
    prompter.Clear();
    // Out of range, and no number at all.
    EXPECT_FALSE(addThickness(panel->NewButton(), "0.4"));
    EXPECT_FALSE(addThickness(panel->NewButton(), "tjock"));
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>({"Skriv in ett tal mellan 0.5 och 1500.", "Skriv in ett tal."}));
    EXPECT_EQ(lines(panel->Box()), QStringList({"20.0", "30.0", "40.0"}));

    // An updated thickness moves to its place; its own old name is free.
    panel->Box()->setCurrentRow(2);
    EXPECT_TRUE(addThickness(panel->UpdateButton(), "10"));
    EXPECT_EQ(lines(panel->Box()), QStringList({"10.0", "20.0", "30.0"}));
    panel->Box()->setCurrentRow(0);
    EXPECT_TRUE(addThickness(panel->UpdateButton(), "10"));
    EXPECT_EQ(lines(panel->Box()), QStringList({"10.0", "20.0", "30.0"}));

    // Delete asks first; Cancel keeps the thickness.
    prompter.Clear();
    panel->Box()->setCurrentRow(1);
    prompter.QueueAnswer(platform::Answer::Cancel);
    panel->DeleteButton()->click();
    panel->DeleteButton()->click();
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>(2, "\"20.0\" raderas nu!"));
    EXPECT_EQ(lines(panel->Box()), QStringList({"10.0", "30.0"}));

    // OK hands the list over in its order.
    dialogButton(&dialog, QDialogButtonBox::Ok)->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted) << ::testing::PrintToString(prompter.Texts());
    dialog.applyTo(product);
    ASSERT_EQ(product.thicknesses.size(), 2u);
    EXPECT_EQ(product.thicknesses[0]->thickness, 10.0f);
    EXPECT_EQ(product.thicknesses[1]->name, "30.0");
}

TEST_F(ProductEditorFixture, MakersProductOkChecksFieldsThicknessesAndNameInOrder)
{
    CIsoProdukt product;
    product.name = "Rörskål";
    CIsoProduktDlg dialog(product);
    dialog.show();
    QPushButton* ok = dialogButton(&dialog, QDialogButtonBox::Ok);
    const auto pressOk = [&] {
        prompter.Clear();
        ok->click();
        return prompter.Texts();
    };
    using Texts = std::vector<std::string>;

    // The fields first, each in its range, the focus going to the field.
    retype(dialog.MinThicknessField(), "0.05");
    EXPECT_EQ(pressOk(), Texts{"Skriv in ett tal mellan 0.1 och 1000."});
    EXPECT_EQ(dialog.focusWidget(), dialog.MinThicknessField());
    retype(dialog.MinThicknessField(), "30");
    retype(dialog.CoefficientField(3), "501");
    EXPECT_EQ(pressOk(), Texts{"Skriv in ett tal mellan -5 och 500."});
    EXPECT_EQ(dialog.focusWidget(), dialog.CoefficientField(3));
    retype(dialog.CoefficientField(3), "0,036");

    // Then the standard thicknesses against the range.
    EXPECT_EQ(pressOk(), Texts{"Man måste lägga in minst en tjocklek!"});
    ASSERT_TRUE(addThickness(dialog.Thicknesses()->NewButton(), "25"));
    EXPECT_EQ(pressOk(), Texts{"Standard tjocklek(ar) är mindre än min. tjocklek"});
    retype(dialog.MinThicknessField(), "20");
    retype(dialog.MaxThicknessField(), "24.9");
    EXPECT_EQ(pressOk(), Texts{"Standard tjocklek(ar) är större än max. tjocklek"});
    retype(dialog.MaxThicknessField(), "100");

    // Last the name: not blank, and no other maker's product may have it.
    dialog.NameField()->clear();
    EXPECT_EQ(pressOk(), Texts{"Blanka namn är otillåtet!"});
    retype(dialog.NameField(), "Lamell");
    EXPECT_EQ(pressOk(), Texts{"Detta namn är redan använt."});
    EXPECT_TRUE(dialog.isVisible());
    retype(dialog.NameField(), "Lamellmatta");
    EXPECT_TRUE(pressOk().empty());
    ASSERT_EQ(dialog.result(), QDialog::Accepted) << ::testing::PrintToString(prompter.Texts());

    KeepScreenshot(dialog.grab().toImage(), QStringLiteral("isoprodukt.png"));
    dialog.applyTo(product);
    EXPECT_EQ(product.name, "Lamellmatta");
    EXPECT_EQ(product.minThickness, 20.0f);
    EXPECT_EQ(product.maxThickness, 100.0f);
    EXPECT_EQ(product.d, 0.036f);
    EXPECT_EQ(product.a, 1.51e-9f) << "shown as 1.51e-09 and read back";
    ASSERT_EQ(product.thicknesses.size(), 1u);
}

TEST_F(ProductEditorFixture, UsageBoxesEnableTheirPicturesAndBrowseKeepsTheFileName)
{
    CIsoProdukt product;
    product.name = "Kanalmatta";
    product.usageFlags[1] = true;
    product.pictures[CIsoProdukt::verticalSlotOffset + 1] = "kanal_v.jpg";
    CIsoProduktDlg dialog(product);
    dialog.show();

    // Kind 1's horizontal and vertical pictures are enabled; the others not.
    for (int slot = 0; slot < CIsoProdukt::pictureCount; ++slot) {
        SCOPED_TRACE(slot);
        const bool expected = slot == 1 || slot == 10;
        EXPECT_EQ(dialog.PictureField(slot)->isEnabled(), expected);
        EXPECT_EQ(dialog.BrowseButton(slot)->isEnabled(), expected);
    }
    EXPECT_EQ(dialog.PictureField(10)->text(), "kanal_v.jpg");
    EXPECT_EQ(dialog.BrowseButton(10)->text(), "Produktbild vert...");
    EXPECT_EQ(dialog.BrowseButton(7)->text(), "Produktbild cylinder...");

    // The tank's box enables its cube, cylinder and sphere pictures.
    dialog.UsageBox(6)->click();
    for (int slot : {6, 7, 8})
        EXPECT_TRUE(dialog.BrowseButton(slot)->isEnabled()) << slot;
    EXPECT_FALSE(dialog.PictureField(15 - 1)->isEnabled()) << "slot 14 is kind 5's vertical picture";
    dialog.UsageBox(1)->click();
    EXPECT_FALSE(dialog.PictureField(1)->isEnabled());

    QStringList answers = {"/home/ing/bilder/tank_kula.jpg", ""};
    dialog.choosePicture = [&](QWidget*) { return answers.takeFirst(); };
    dialog.BrowseButton(8)->click();
    EXPECT_EQ(dialog.PictureField(8)->text(), "tank_kula.jpg");
    dialog.BrowseButton(8)->click(); // cancelled: the name stays
    EXPECT_EQ(dialog.PictureField(8)->text(), "tank_kula.jpg");

    ASSERT_TRUE(addThickness(dialog.Thicknesses()->NewButton(), "50"));
    dialogButton(&dialog, QDialogButtonBox::Ok)->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted) << ::testing::PrintToString(prompter.Texts());
    dialog.applyTo(product);
    EXPECT_EQ(product.pictures[8], "tank_kula.jpg");
    EXPECT_TRUE(product.usageFlags[6]);
    EXPECT_FALSE(product.usageFlags[1]);
    EXPECT_EQ(product.pictures[10], "kanal_v.jpg") << "a disabled picture keeps its name";
}

TEST_F(ProductEditorFixture, CoefficientButtonSeedsThePointsFromTheFieldsAndShowsTheResult)
{
    CIsoProdukt product; // λ = 1.51e-9·T³ + 1.31e-7·T² + 1.74e-4·T + 0.034
    product.name = "Nät";
    CIsoProduktDlg dialog(product);
    dialog.show();
    retype(dialog.MaxTemperatureField(), "300");
    QStringList seeded;
    WhenModalShows([&](QWidget* shown) {
        auto* coefficients = qobject_cast<CKoeffBeregningDlg*>(shown);
        ASSERT_NE(coefficients, nullptr);
        for (int i = 0; i < 4; ++i)
            seeded << coefficients->TemperatureField(i)->text() << coefficients->ConductivityField(i)->text();
        retype(coefficients->ConductivityField(0), "0.035");
        dialogButton(shown, QDialogButtonBox::Ok)->click();
    });
    dialog.CoefficientButton()->click();
    // T = 0, 300/3, 300/1.5, 300; λ(100) = 0.00151 + 0.00131 + 0.0174 + 0.034,
    // λ(200) = 0.01208 + 0.00524 + 0.0348 + 0.034, λ(300) = 0.04077 + 0.01179 + 0.0522 + 0.034.
    ASSERT_EQ(seeded.size(), 8);
    const double expected[] = {0, 0.034, 100, 0.05422, 200, 0.08612, 300, 0.13876};
    for (int i = 0; i < 8; ++i)
        EXPECT_NEAR(seeded[i].toDouble(), expected[i], 1e-5) << i;
    // The cubic through the seeded points with λ(0) raised to 0.035.
    EXPECT_EQ(dialog.CoefficientField(3)->text(), "0.035");
    EXPECT_TRUE(dialog.CoefficientField(0)->text().contains("e-09")) << dialog.CoefficientField(0)->text().toStdString();

    ASSERT_TRUE(addThickness(dialog.Thicknesses()->NewButton(), "50"));
    dialogButton(&dialog, QDialogButtonBox::Ok)->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted) << ::testing::PrintToString(prompter.Texts());
    dialog.applyTo(product);
    // What is kept is what the fields show.
    EXPECT_EQ(product.d, 0.035f);
    EXPECT_EQ(product.a, dialog.CoefficientField(0)->text().toFloat());
    EXPECT_EQ(product.maxTemperature, 300.0f);
}

TEST_F(ProductEditorFixture, UserProductOkRefusesAPointOutsideItsRangeSoTheCurvePassesThroughTheStoredPoints)
{
    CEgendefIsoProdukt product;
    product.name = "Min matta";
    product.thicknesses.push_back(std::make_unique<CIsoTykkelse>(50.0f));
    ASSERT_TRUE(product.FitCoefficients());
    CEgendefIsoProduktDlg dialog(product);
    dialog.show();
    float a0 = 0, b0 = 0, c0 = 0, d0 = 0;
    ASSERT_TRUE(dialog.Curve()->GetCoefficients(a0, b0, c0, d0));
    EXPECT_EQ(std::tie(a0, b0, c0, d0), std::tie(product.a, product.b, product.c, product.d));

    // 150 pasted is beyond 100: the curve stays where it was, and OK says why.
    pasteInto(dialog.ConductivityField(1), "150");
    EXPECT_EQ(dialog.ConductivityField(1)->text(), "150");
    float a = 0, b = 0, c = 0, d = 0;
    dialog.Curve()->GetCoefficients(a, b, c, d);
    EXPECT_EQ(std::tie(a, b, c, d), std::tie(a0, b0, c0, d0));
    dialogButton(&dialog, QDialogButtonBox::Ok)->click();
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Skriv in ett tal mellan 0.01 och 100."});
    EXPECT_EQ(dialog.focusWidget(), dialog.ConductivityField(1));
    EXPECT_TRUE(dialog.isVisible());

    // Two points at one temperature have no curve through them.
    prompter.Clear();
    retype(dialog.ConductivityField(1), "0.046");
    retype(dialog.TemperatureField(2), "35");
    dialogButton(&dialog, QDialogButtonBox::Ok)->click();
    ASSERT_EQ(prompter.Texts().size(), 1u);
    EXPECT_EQ(dialog.focusWidget(), dialog.TemperatureField(2));
    retype(dialog.TemperatureField(2), "80");

    // Colours from the chooser.
    dialog.chooseColour = [](QWidget*, std::uint32_t& colour) {
        EXPECT_EQ(colour, 0x0000FFFFu) << "starts at the product's colour";
        colour = 0x00123456;
        return true;
    };
    dialog.InsulationColourButton()->click();
    EXPECT_EQ(dialog.InsulationColourSwatch()->palette().color(QPalette::Window), QColor(0x56, 0x34, 0x12));

    prompter.Clear();
    dialogButton(&dialog, QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(prompter.Texts().empty());
    ASSERT_EQ(dialog.result(), QDialog::Accepted) << ::testing::PrintToString(prompter.Texts());
    dialog.applyTo(product);
    EXPECT_EQ(product.conductivities[1], 0.046f);
    EXPECT_EQ(product.temperatures[2], 80.0f);
    EXPECT_EQ(product.insulationColour, 0x00123456u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(product.ConductivityAt(product.temperatures[i]), product.conductivities[i], 2e-6) << i;
}

TEST_F(ProductEditorFixture, UserProductThreePointModeAndNamesOfBothLists)
{
    CEgendefDatabase users;
    auto other = std::make_unique<CEgendefIsoProdukt>();
    other->name = "Egen 1";
    users.products.push_back(std::move(other));
    users.MakeCurrent();

    CEgendefIsoProdukt product;
    product.name = "Lamell";
    product.thicknesses.push_back(std::make_unique<CIsoTykkelse>(50.0f));
    CEgendefIsoProduktDlg dialog(product);
    EXPECT_EQ(dialog.UsageBox(5)->text(), QString::fromUtf8("Invändig isolering til ytor"));

    // In three-point mode the fourth point is not checked, nor used.
    dialog.ThreePointBox()->click();
    EXPECT_FALSE(dialog.TemperatureField(3)->isEnabled());
    dialog.TemperatureField(3)->setText("x");
    dialogButton(&dialog, QDialogButtonBox::Ok)->click();
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Detta namn är redan använt."}) << "a maker's name";
    prompter.Clear();
    retype(dialog.NameField(), "Egen 1");
    dialogButton(&dialog, QDialogButtonBox::Ok)->click();
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Detta namn är redan använt."}) << "another user product";
    prompter.Clear();
    retype(dialog.NameField(), "Egen 2");
    dialogButton(&dialog, QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(prompter.Texts().empty());
    ASSERT_EQ(dialog.result(), QDialog::Accepted) << ::testing::PrintToString(prompter.Texts());
    dialog.applyTo(product);
    EXPECT_TRUE(product.threePointMode);
    EXPECT_EQ(product.a, 0.0f);
    EXPECT_EQ(product.temperatures[3], 125.0f) << "the unreadable fourth point keeps its value";
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(product.ConductivityAt(product.temperatures[i]), product.conductivities[i], 2e-6) << i;
}
