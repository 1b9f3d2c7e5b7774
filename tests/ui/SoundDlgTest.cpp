#include "HeatLossCatalogue.h"
#include "UiTestSupport.h"
#include "database/CAbsorpsjon.h"
#include "doc/StringTable.h"
#include "modules/CLydModul.h"
#include "ui/CLydDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

using Texts = std::vector<std::string>;

struct SoundDlgTest : HeatLossCatalogueTest {
    SoundDlgTest()
    {
        absorber(CDataBase::circularAbsorbers, "Rörlining", {25.0f, 50.0f});
        absorber(CDataBase::circularAbsorbers, "Ärmlining", {50.0f});
        absorber(CDataBase::circularAbsorbers, "Akustikrör", {30.0f, 60.0f, 90.0f});
        absorber(CDataBase::rectangularAbsorbers, "Kanalskiva", {50.0f, 100.0f});
        absorber(CDataBase::rectangularAbsorbers, "Tom skiva", {});
    }

    CAbsorpsjon* Absorber(int list, std::size_t i) { return Item<CAbsorpsjon>(list, i); }

    static QStringList Lines(QComboBox* box)
    {
        QStringList lines;
        for (int i = 0; i < box->count(); ++i)
            lines << box->itemText(i);
        return lines;
    }
    static void Type(QWidget& dialog, const char* name, const char* text)
    {
        QLineEdit* edit = Edit(dialog, name);
        edit->clear();
        TypeText(edit, QString::fromUtf8(text));
    }
    // Chooses the line as a user does, which the box reports as activated.
    static void Choose(QComboBox* box, const QString& text)
    {
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    Texts PressOk(CLydDlg& dialog)
    {
        prompter.Clear();
        dialog.accept();
        return prompter.Texts();
    }

private:
    void absorber(int list, const std::string& name, std::initializer_list<float> thicknesses)
    {
        auto product = std::make_unique<CAbsorpsjon>(CDataBase::Info(list).kind);
        product->name = name;
        for (float t : thicknesses) {
            auto thickness = std::make_unique<CAbsorpsjonTykkelse>();
            thickness->SetThickness(t);
            product->thicknesses.push_back(std::move(thickness));
        }
        database.lists[std::size_t(list)].push_back(std::move(product));
    }
};

} // namespace

TEST_F(SoundDlgTest, OkChecksInTheirOrderWithMessageAndFocus)
{
    CLydModul module;
    CLydDlg::Values values = CLydDlg::ValuesOf(module);
    values.userProductName = std::string(61, 'x');
    values.productSource = 1;
    CLydDlg dialog(values);
    dialog.show();

    // The exchange first: a number, a name that fits.
    Type(dialog, "ductDiameter", "abc");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "ductDiameter"));
    Type(dialog, "ductDiameter", "100");
    EXPECT_EQ(PressOk(dialog), Texts{"Använd inte fler än 60 tecken."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "userProductName"));
    Edit(dialog, "userProductName")->setText(QStringLiteral("Egen matta"));

    // The maker's product must be chosen.
    Button(dialog, "source0")->click();
    EXPECT_EQ(PressOk(dialog), Texts{"Du måste välja en absorptionsprodukt."});
    EXPECT_EQ(dialog.focusWidget(), Combo(dialog, "product"));

    // The user's product: its thickness, then the factors from 125 Hz up.
    Button(dialog, "source1")->click();
    Type(dialog, "userThickness", "0,5");
    Type(dialog, "factor500", "1,5");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för den egendefinierade tjockleken måste ligga mellan 1.00 och 500.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "userThickness"));
    Type(dialog, "userThickness", "50");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för ljuddämpningen måste ligga mellan 0.00 och 1.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "factor500"));
    Type(dialog, "factor500", "0,9");

    // A diameter of twice the lining fills the duct; one millimetre more does not.
    EXPECT_EQ(PressOk(dialog), Texts{LoadString(62520)});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "ductDiameter"));
    EXPECT_TRUE(dialog.isVisible());
    Type(dialog, "ductDiameter", "101");
    EXPECT_EQ(PressOk(dialog), Texts{});
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Result().ductDiameter, 101.0f);
    EXPECT_EQ(dialog.Result().userFactors[2], 0.9f);
    EXPECT_EQ(dialog.Result().userProductName, "Egen matta");
    EXPECT_EQ(dialog.Result().productSource, 1);

    // Rectangular ducts: height, then width, then the side that limits.
    CLydDlg rectangular(CLydDlg::ValuesOf(module));
    rectangular.show();
    Button(rectangular, "source1")->click();
    Button(rectangular, "ductType3")->click();
    Type(rectangular, "height", "0");
    Type(rectangular, "width", "5000");
    EXPECT_EQ(PressOk(rectangular), Texts{"Värdet för höjden måste ligga mellan 1.00 och 3000.00"});
    Type(rectangular, "height", "60");
    EXPECT_EQ(PressOk(rectangular), Texts{"Värdet för bredden måste ligga mellan 1.00 och 3000.00"});
    EXPECT_EQ(rectangular.focusWidget(), Edit(rectangular, "width"));
    // Lined at the sides, the width limits; the low height does not matter.
    Type(rectangular, "width", "100");
    EXPECT_EQ(PressOk(rectangular), Texts{LoadString(62520)});
    EXPECT_EQ(rectangular.focusWidget(), Edit(rectangular, "width"));
    Button(rectangular, "ductType1")->click();
    EXPECT_EQ(PressOk(rectangular), Texts{LoadString(62520)});
    EXPECT_EQ(rectangular.focusWidget(), Edit(rectangular, "height"));
    Type(rectangular, "height", "101");
    Type(rectangular, "width", "101");
    EXPECT_EQ(PressOk(rectangular), Texts{});
    EXPECT_EQ(rectangular.Result().ductType, 1);
}

TEST_F(SoundDlgTest, ProductChoiceFollowsTheTypeAndTheStatesFollowTheSource)
{
    CLydModul module;
    CAbsorpsjon* lining = Absorber(CDataBase::circularAbsorbers, 0);
    module.SetProduct(lining, lining->thicknesses[1].get());
    CLydDlg dialog(CLydDlg::ValuesOf(module));
    QComboBox* products = Combo(dialog, "product");
    QComboBox* thicknesses = Combo(dialog, "thickness");

    // Circular products by name as a Swede sorts them; the stored choice shown.
    EXPECT_EQ(Lines(products), (QStringList{"Akustikrör", "Rörlining", "Ärmlining"}));
    EXPECT_EQ(products->currentText(), "Rörlining");
    EXPECT_EQ(Lines(thicknesses), (QStringList{"25.0", "50.0"}));
    EXPECT_EQ(thicknesses->currentText(), "50.0");
    EXPECT_TRUE(products->isEnabled());
    EXPECT_FALSE(Edit(dialog, "userThickness")->isEnabled());
    EXPECT_FALSE(Edit(dialog, "factor125")->isEnabled());
    EXPECT_FALSE(Edit(dialog, "userProductName")->isEnabled());
    EXPECT_TRUE(Edit(dialog, "ductDiameter")->isEnabled());
    EXPECT_FALSE(Edit(dialog, "height")->isEnabled());
    EXPECT_EQ(dialog.Picture().resource, "picture-278");

    // Another product starts at its first thickness.
    Choose(products, QStringLiteral("Akustikrör"));
    EXPECT_EQ(Lines(thicknesses), (QStringList{"30.0", "60.0", "90.0"}));
    EXPECT_EQ(thicknesses->currentText(), "30.0");

    // "Cirkulär" again clears the choice.
    Button(dialog, "ductType0")->click();
    EXPECT_EQ(products->currentIndex(), -1);
    EXPECT_EQ(thicknesses->count(), 0);

    // Rectangular products from circular; between the rectangular types the choice stays.
    Button(dialog, "ductType1")->click();
    EXPECT_EQ(Lines(products), (QStringList{"Kanalskiva", "Tom skiva"}));
    EXPECT_EQ(products->currentIndex(), -1);
    EXPECT_FALSE(Edit(dialog, "ductDiameter")->isEnabled());
    EXPECT_TRUE(Edit(dialog, "width")->isEnabled());
    EXPECT_EQ(dialog.Picture().resource, "picture-277");
    Choose(products, QStringLiteral("Kanalskiva"));
    Choose(thicknesses, QStringLiteral("100.0"));
    Button(dialog, "ductType2")->click();
    EXPECT_EQ(products->currentText(), "Kanalskiva");
    EXPECT_EQ(thicknesses->currentText(), "100.0");

    // A product without thicknesses cannot line a duct: said, and the
    // choice stays.
    prompter.Clear();
    Choose(products, QStringLiteral("Tom skiva"));
    EXPECT_EQ(prompter.Texts(), Texts{"Man måste lägga in minst en tjocklek!"});
    EXPECT_EQ(products->currentText(), "Kanalskiva");
    EXPECT_EQ(thicknesses->currentText(), "100.0");

    // The user's product: the reverse states; the picture is the program's own.
    Absorber(CDataBase::rectangularAbsorbers, 0)->horizontalPicture = "horisontell.jpg";
    Button(dialog, "ductType3")->click();
    Button(dialog, "ductType2")->click();
    EXPECT_EQ(dialog.Picture().file, Absorber(CDataBase::rectangularAbsorbers, 0)->PicturePath(2));
    Button(dialog, "source1")->click();
    EXPECT_FALSE(products->isEnabled());
    EXPECT_FALSE(thicknesses->isEnabled());
    EXPECT_TRUE(Edit(dialog, "factor4000")->isEnabled());
    EXPECT_TRUE(dialog.Picture().file.empty());
    Button(dialog, "source0")->click();

    // OK takes the choice; the module follows it and its dependencies move.
    dialog.show();
    EXPECT_EQ(PressOk(dialog), Texts{});
    CLydDlg::TakeValues(module, dialog.Result());
    CAbsorpsjon* board = Absorber(CDataBase::rectangularAbsorbers, 0);
    EXPECT_EQ(module.ductType, 2);
    EXPECT_EQ(module.Product(), board);
    EXPECT_EQ(module.ProductThickness(), board->thicknesses[1].get());
    EXPECT_TRUE(lining->Dependents().empty());
    EXPECT_TRUE(lining->thicknesses[1]->Dependents().empty());
    EXPECT_EQ(board->thicknesses[1]->Dependents().size(), 1u);
}

// "Indata..." on the module opens the dialog; OK calculates the page.
TEST_F(SoundDlgTest, EditingTheModuleCalculatesIt)
{
    CLydModul module;
    CAbsorpsjon* lining = Absorber(CDataBase::circularAbsorbers, 2);
    WhenModalShows([&](QWidget* shown) {
        auto& dialog = *static_cast<CLydDlg*>(shown);
        Choose(Combo(dialog, "product"), QStringLiteral("Akustikrör"));
        Choose(Combo(dialog, "thickness"), QStringLiteral("60.0"));
        Type(dialog, "ductDiameter", "400");
        const QImage image = dialog.grab().toImage();
        EXPECT_GT(image.width(), 400);
        KeepScreenshot(image, QStringLiteral("sound-dialog.png"));
        dialog.accept();
    });
    ASSERT_TRUE(module.Edit());
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_EQ(module.Product(), lining);
    EXPECT_EQ(module.ProductThickness(), lining->thicknesses[1].get());
    EXPECT_TRUE(module.resultsValid);
    // 400 mm with 60 mm: d = 280 mm.
    EXPECT_EQ(module.resultTexts[7], "280.0 mm");

    // Cancel changes nothing.
    WhenModalShows([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_FALSE(module.Edit());
    EXPECT_EQ(module.ProductThickness(), lining->thicknesses[1].get());
}
