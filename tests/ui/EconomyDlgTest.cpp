#include "HeatLossCatalogue.h"
#include "UiTestSupport.h"
#include "database/CIsoKostnad.h"
#include "database/CKostnad.h"
#include "doc/FileIO.h"
#include "modules/COkonomiModul.h"
#include "ui/CKostnadDlg.h"
#include "ui/COkoIsolasjonDlg.h"
#include "ui/COkonomiDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

// An economy module that counts its calculations instead of making them.
class CountingEconomy : public COkonomiModul {
public:
    bool Calculate() override
    {
        ++calculations;
        return true;
    }
    int calculations = 0;
};

using Texts = std::vector<std::string>;

struct EconomyDlgTest : HeatLossCatalogueTest {
    COkonomiDlg::Values Defaults()
    {
        COkonomiModul module;
        return COkonomiDlg::ValuesOf(module);
    }

    std::unique_ptr<COkonomiIsolasjon> Alternative(int kind, std::size_t product, float thickness, float cost)
    {
        auto alternative = std::make_unique<COkonomiIsolasjon>(kind);
        alternative->SetMakerProduct(Product(product));
        alternative->makerThickness = thickness;
        alternative->cost = cost;
        alternative->surfaceSource = 1;
        alternative->name = alternative->DisplayText();
        return alternative;
    }

    // Presses OK and gives the messages it showed.
    Texts PressOk(QDialog& dialog, std::initializer_list<platform::Answer> answers = {})
    {
        prompter.Clear();
        for (platform::Answer answer : answers)
            prompter.QueueAnswer(answer);
        dialog.accept();
        return prompter.Texts();
    }

    // Fills the alternative dialog that shows next: a maker's product by
    // name, a thickness, a typed emissivity and a cost.
    static void NextAlternative(const char* product, const char* thickness, const char* cost)
    {
        WhenModalShows([=](QWidget* d) {
            auto* products = d->findChild<QComboBox*>("catalogueProducts");
            products->setCurrentIndex(products->findText(QString::fromUtf8(product)));
            d->findChild<QComboBox*>("catalogueThickness")->setEditText(QString::fromUtf8(thickness));
            d->findChild<QAbstractButton*>("emissivityTyped")->click();
            d->findChild<QLineEdit*>("cost")->setText(QString::fromUtf8(cost));
            static_cast<QDialog*>(d)->accept();
        });
    }

    static QStringList Lines(QListWidget* list)
    {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }
};

} // namespace

TEST_F(EconomyDlgTest, OkChecksInTheirOrderWithMessageAndFocus)
{
    COkonomiDlg dialog(Defaults());
    dialog.show();

    // The framework's exchange of the fields comes first, in the dialog's order.
    Type(dialog, "mediumTemp", "abc");
    Type(dialog, "interestRate", "150");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "mediumTemp"));
    Type(dialog, "mediumTemp", "20");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal mellan 0 och 100."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "interestRate"));
    Type(dialog, "interestRate", "7");
    Type(dialog, "energyPrice", "0");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal mellan 0.01 och 200."});
    Type(dialog, "energyPrice", "80");

    EXPECT_EQ(PressOk(dialog), Texts{"Man måste mata in minst en isolering med kostnad."});
    EXPECT_EQ(dialog.focusWidget(), Child(dialog, "alternatives"));

    // Two alternatives, the first of a product that stands 15 °C only.
    NextAlternative("Kallrör", "25", "100");
    Button(dialog, "newAlternative")->click();
    NextAlternative("Rörskål", "40", "150");
    Button(dialog, "newAlternative")->click();
    EXPECT_EQ(Lines(Child<QListWidget>(dialog, "alternatives")),
              (QStringList{QString::fromUtf8("Kallrör, 25mm, 100.00 kr/m"),
                           QString::fromUtf8("Rörskål, 40mm, 150.00 kr/m")}));

    const std::string mediumWarning = "Varning: Medietemperaturen är högre än isolerproduktens max. temperatur.";
    EXPECT_EQ(PressOk(dialog, {platform::Answer::Cancel}), Texts{mediumWarning});
    EXPECT_TRUE(dialog.isVisible());
    Button(dialog, "surroundings1")->click();
    Type(dialog, "windSpeed", "0");
    EXPECT_EQ(PressOk(dialog), (Texts{mediumWarning, "Värdet för vindhastigheten måste ligga mellan 0.10 och 50.00"}));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "windSpeed"));
    Type(dialog, "windSpeed", "3");
    // Below 15 °C around the product is warned about the ambient instead.
    Type(dialog, "mediumTemp", "10.05");
    const std::string ambientWarning = "Varning: Omgivningstemperaturen är högre än isolerproduktens max. temperatur.";
    EXPECT_EQ(PressOk(dialog), (Texts{"Beräkningen utförs bara när det minst är 0.1°C skillnad på medietemperatur "
                                      "och omgivningstemperatur."}));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "mediumTemp"));
    Type(dialog, "ambientTemp", "16");
    EXPECT_EQ(PressOk(dialog), Texts{ambientWarning});
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    const COkonomiDlg::Values& v = dialog.Result();
    EXPECT_FLOAT_EQ(v.mediumTemperature, 10.05f);
    EXPECT_FLOAT_EQ(v.ambientTemperature, 16.0f);
    EXPECT_FLOAT_EQ(v.energyPrice, 80.0f);
    EXPECT_EQ(v.surroundings, Surroundings::Outdoors);
    ASSERT_EQ(v.alternatives.size(), 2u);
    EXPECT_EQ(v.alternatives[0]->MakerProduct(), Product(2));
    EXPECT_FLOAT_EQ(v.alternatives[0]->makerThickness, 25.0f);
    EXPECT_FLOAT_EQ(v.alternatives[1]->cost, 150.0f);
}

TEST_F(EconomyDlgTest, DimensionChecksOfEachKind)
{
    {
        // Inside insulation must leave an opening; it is checked before the
        // dimensions themselves.
        COkonomiDlg::Values values = Defaults();
        values.objectKind = 3;
        values.alternatives.push_back(Alternative(3, 1, 50, 100));
        values.width = 100;
        values.height = 6000;
        COkonomiDlg dialog(std::move(values));
        dialog.show();
        EXPECT_EQ(PressOk(dialog),
                  Texts{"Isolertjockleken blir för stor med given kanaldimension och invändig isolering."});
        EXPECT_EQ(dialog.focusWidget(), Child(dialog, "alternatives"));
        Type(dialog, "width", "300");
        EXPECT_EQ(PressOk(dialog), Texts{"Värdet för höjden måste ligga mellan 1.00 och 5000.00"});
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "height"));
        // 2·s equal to the height is too much.
        Type(dialog, "height", "100");
        EXPECT_EQ(PressOk(dialog),
                  Texts{"Isolertjockleken blir för stor med given kanaldimension och invändig isolering."});
        Type(dialog, "height", "100.1");
        EXPECT_EQ(PressOk(dialog), Texts{});
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    {
        // A circular duct's diameter.
        COkonomiDlg::Values values = Defaults();
        values.objectKind = 1;
        values.alternatives.push_back(Alternative(1, 1, 50, 100));
        values.ductDiameter = 3500;
        COkonomiDlg dialog(std::move(values));
        dialog.show();
        EXPECT_EQ(PressOk(dialog), Texts{"Värdet för diameteren måste ligga mellan 1.00 och 3000.00"});
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "diameter"));
    }
    {
        // A vertical surface's height, which a horizontal one does not use.
        COkonomiDlg::Values values = Defaults();
        values.objectKind = 4;
        values.alternatives.push_back(Alternative(4, 0, 50, 100));
        values.height = 0;
        values.surroundings = Surroundings::GivenCoefficient;
        values.givenCoefficient = 20000;
        COkonomiDlg dialog(std::move(values));
        dialog.show();
        EXPECT_EQ(PressOk(dialog),
                  Texts{"Värdet för det utvändiga värmeövergångstalet måste ligga mellan 0.10 och 10000.00"});
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "coefficient"));
        Type(dialog, "coefficient", "12");
        Button(dialog, "vertical")->click();
        EXPECT_EQ(PressOk(dialog), Texts{"Värdet för höjden måste ligga mellan 1.00 och 5000.00"});
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "height"));
        Button(dialog, "horizontal")->click();
        EXPECT_EQ(PressOk(dialog), Texts{});
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    {
        // An alternative whose user product was not kept is refused.
        COkonomiDlg::Values values = Defaults();
        values.alternatives.push_back(Alternative(0, 1, 50, 100));
        values.alternatives[0]->productSource = 1;
        COkonomiDlg dialog(std::move(values));
        dialog.show();
        EXPECT_EQ(PressOk(dialog), Texts{"Du måste välja en isolerprodukt."});
    }
}

TEST_F(EconomyDlgTest, AlternativeListButtonsKindChangeAndTheLimit)
{
    COkonomiDlg dialog(Defaults());
    auto* list = Child<QListWidget>(dialog, "alternatives");

    prompter.Clear();
    Button(dialog, "editAlternative")->click();
    Button(dialog, "removeAlternative")->click();
    EXPECT_EQ(prompter.Texts(), (Texts{"Listan är tom!", "Listan är tom!"}));

    // New entries go after the selected one.
    NextAlternative("Rörskål", "20", "100");
    Button(dialog, "newAlternative")->click();
    NextAlternative("Rörskål", "60", "300");
    Button(dialog, "newAlternative")->click();
    list->setCurrentRow(0);
    NextAlternative("Rörskål", "40", "200");
    Button(dialog, "newAlternative")->click();
    EXPECT_EQ(list->currentRow(), 1);
    ASSERT_EQ(Lines(list), (QStringList{QString::fromUtf8("Rörskål, 20mm, 100.00 kr/m"),
                                        QString::fromUtf8("Rörskål, 40mm, 200.00 kr/m"),
                                        QString::fromUtf8("Rörskål, 60mm, 300.00 kr/m")}));

    // The same text again is refused; the entry edited does not clash with itself.
    WhenModalShows([this](QWidget* d) {
        d->findChild<QComboBox*>("catalogueThickness")->setEditText(QStringLiteral("60"));
        d->findChild<QLineEdit*>("cost")->setText(QStringLiteral("300"));
        prompter.Clear();
        static_cast<QDialog*>(d)->accept();
        EXPECT_EQ(prompter.Texts(), Texts{"Isoleringstyp och tjocklek finns redan i isoleringslistan."});
        d->findChild<QLineEdit*>("cost")->setText(QStringLiteral("200"));
        static_cast<QDialog*>(d)->accept();
        EXPECT_FALSE(d->isVisible());
    });
    Button(dialog, "editAlternative")->click();
    EXPECT_EQ(list->item(1)->text(), QString::fromUtf8("Rörskål, 60mm, 200.00 kr/m"));
    EXPECT_EQ(dialog.Result().alternatives[1]->cost, 200.0f);

    // The same product and thickness at another cost is another alternative.
    WhenModalShows([](QWidget* d) {
        d->findChild<QLineEdit*>("cost")->setText(QStringLiteral("250"));
        static_cast<QDialog*>(d)->accept();
    });
    Button(dialog, "editAlternative")->click();
    EXPECT_EQ(list->item(1)->text(), QString::fromUtf8("Rörskål, 60mm, 250.00 kr/m"));
    EXPECT_EQ(list->count(), 3);

    // Removing asks first.
    prompter.Clear();
    prompter.QueueAnswer(platform::Answer::Cancel);
    Button(dialog, "removeAlternative")->click();
    EXPECT_EQ(prompter.Texts(), Texts{"\"Rörskål, 60mm, 250.00 kr/m\" raderas nu!"});
    EXPECT_EQ(list->count(), 3);
    Button(dialog, "removeAlternative")->click();
    EXPECT_EQ(list->count(), 2);
    ASSERT_EQ(dialog.Result().alternatives.size(), 2u);
    EXPECT_EQ(dialog.Result().alternatives[1]->makerThickness, 60.0f);

    // Another kind asks first; Cancel keeps the kind and the list.
    prompter.Clear();
    prompter.QueueAnswer(platform::Answer::Cancel);
    Button(dialog, "kind4")->click();
    EXPECT_EQ(prompter.Texts(),
              Texts{"Varning: Val av isolerprodukt/kostnad måste göras om när du förändrar produkttyp."});
    EXPECT_TRUE(Button(dialog, "kind0")->isChecked());
    EXPECT_EQ(list->count(), 2);
    prompter.Clear();
    Button(dialog, "kind4")->click();
    EXPECT_TRUE(Button(dialog, "kind4")->isChecked());
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(dialog.Result().alternatives.empty());
    EXPECT_EQ(Text(dialog, "height"), QStringLiteral("1000"));
    // With an empty list nothing is asked.
    Button(dialog, "kind2")->click();
    EXPECT_EQ(prompter.Texts().size(), 1u);
    EXPECT_EQ(Text(dialog, "height"), QStringLiteral("200"));

    // 25 alternatives fill the list; the 26th is refused before its dialog.
    for (int i = 0; i < 25; ++i)
        dialog.Result().alternatives.push_back(Alternative(2, 1, float(20 + i), 100));
    prompter.Clear();
    Button(dialog, "newAlternative")->click();
    EXPECT_EQ(prompter.Texts(), Texts{"Du kan inte lägga in fler isoleringar.\n(intern begränsning i programmet)"});
    EXPECT_EQ(dialog.Result().alternatives.size(), 25u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(EconomyDlgTest, ControlStatesFollowKindOrientationAndChoices)
{
    COkonomiDlg dialog(Defaults());
    auto on = [&](const char* name) { return Child(dialog, name)->isEnabled(); };
    for (int k = 0; k < 6; ++k) {
        Button(dialog, ("kind" + std::to_string(k)).c_str())->click();
        for (const char* orientation : {"horizontal", "vertical"}) {
            Button(dialog, orientation)->click();
            const bool vertical = orientation[0] == 'v';
            SCOPED_TRACE("kind " + std::to_string(k) + (vertical ? ", vertical" : ""));
            EXPECT_EQ(on("diameter"), k == 1);
            EXPECT_EQ(on("width"), k == 2 || k == 3);
            EXPECT_EQ(on("height"), k == 2 || k == 3 || (k >= 4 && vertical));
            EXPECT_EQ(on("pipeMaterial"), k == 0);
            EXPECT_EQ(on("ownDimension"), k == 0);
            EXPECT_EQ(on("pipeDimension"), k == 0);
            EXPECT_FALSE(on("pipeDiameter"));
            EXPECT_EQ(on("flow"), k >= 1 && k <= 3);
            EXPECT_EQ(on("flowUnit1"), k >= 1 && k <= 3);
            EXPECT_TRUE(on("bareEmissivity"));
            EXPECT_TRUE(on("co2Factor"));
            EXPECT_TRUE(on("interestRate"));
        }
    }
    Button(dialog, "kind0")->click();
    Button(dialog, "ownDimension")->click();
    EXPECT_FALSE(on("pipeDimension"));
    EXPECT_TRUE(on("pipeDiameter"));
    EXPECT_TRUE(on("pipeWall"));
    EXPECT_FALSE(on("windSpeed"));
    Button(dialog, "surroundings1")->click();
    EXPECT_TRUE(on("windSpeed"));
    EXPECT_FALSE(on("coefficient"));
    Button(dialog, "surroundings2")->click();
    EXPECT_TRUE(on("coefficient"));

    // The flow label follows the unit.
    auto* label = Child<QLabel>(dialog, "flowLabel");
    EXPECT_EQ(label->text(), QString::fromUtf8("Flöde [m³/h]:"));
    Button(dialog, "kind1")->click();
    Button(dialog, "flowUnit2")->click();
    EXPECT_EQ(label->text(), QStringLiteral("Flöde [m/s]:"));
}

TEST_F(EconomyDlgTest, FlowUnitConversionByTheFreeArea)
{
    {
        // A 200 × 500 mm duct: 0.1 m².
        COkonomiDlg::Values values = Defaults();
        values.objectKind = 2;
        values.width = 200;
        values.height = 500;
        values.flowUnit = 1;
        values.flow = 1;
        COkonomiDlg dialog(std::move(values));
        Button(dialog, "flowUnit0")->click();
        EXPECT_EQ(Text(dialog, "flow"), QStringLiteral("3.600"));
        Button(dialog, "flowUnit2")->click();
        EXPECT_EQ(Text(dialog, "flow"), QStringLiteral("0.010000"));
        Button(dialog, "flowUnit1")->click();
        EXPECT_EQ(Text(dialog, "flow"), QStringLiteral("1.0000"));
    }
    {
        // Inside insulation without alternatives: the duct's own area,
        // 0.4 × 0.6 m; 864 m³/h is 1 m/s.
        COkonomiDlg::Values values = Defaults();
        values.objectKind = 3;
        values.width = 400;
        values.height = 600;
        values.flowUnit = 0;
        values.flow = 864;
        COkonomiDlg dialog(std::move(values));
        Button(dialog, "flowUnit2")->click();
        EXPECT_EQ(Text(dialog, "flow"), QStringLiteral("1.0000"));
        // With 50 mm of the first alternative: 0.3 × 0.5 m.
        dialog.Result().alternatives.push_back(Alternative(3, 1, 50, 100));
        Button(dialog, "flowUnit0")->click();
        EXPECT_EQ(Text(dialog, "flow"), QStringLiteral("540.0"));
        // A circular duct of 0 mm has no area: the speed stays as it is.
        Type(dialog, "flow", "2");
        dialog.Result().alternatives.clear();
        Button(dialog, "kind1")->click();
        Type(dialog, "diameter", "0");
        Button(dialog, "flowUnit2")->click();
        EXPECT_EQ(Text(dialog, "flow"), QStringLiteral("2"));
    }
}

TEST_F(EconomyDlgTest, AlternativeDialogChecksInTheirOrder)
{
    COkonomiIsolasjon alternative(4);
    std::vector<const COkonomiIsolasjon*> others;
    auto existing = Alternative(4, 0, 50, 100);
    others.push_back(existing.get());
    COkoIsolasjonDlg dialog(alternative, others);
    dialog.show();
    bool costLabel = false;
    for (QLabel* l : dialog.findChildren<QLabel*>())
        costLabel = costLabel || (l->buddy() == Edit(dialog, "cost") && l->text() == QString::fromUtf8("Kostnad [kr/m²]:"));
    EXPECT_TRUE(costLabel);
    // Only products for surfaces are offered.
    auto* products = Child<QComboBox>(dialog, "catalogueProducts");
    EXPECT_EQ(products->count(), 3);
    EXPECT_FALSE(Child(dialog, "userProducts")->isEnabled());
    EXPECT_FALSE(Child(dialog, "innerCladdingUsed")->isEnabled());

    Type(dialog, "cost", "x");
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal."});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "cost"));
    Type(dialog, "cost", "0");
    EXPECT_EQ(PressOk(dialog), Texts{"Du måste välja en isolerprodukt."});
    EXPECT_EQ(dialog.focusWidget(), products);
    products->setCurrentIndex(0); // Lamell, 20 to 120 mm
    auto* thickness = Child<QComboBox>(dialog, "catalogueThickness");
    EXPECT_EQ(thickness->count(), 3);
    EXPECT_EQ(thickness->itemText(2), QStringLiteral("50.0"));
    thickness->setEditText(QStringLiteral("tjock"));
    EXPECT_EQ(PressOk(dialog), Texts{"Skriv in ett tal."});
    thickness->setEditText(QStringLiteral("150"));
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för tjockleken måste ligga mellan 20.00 och 120.00"});
    EXPECT_EQ(dialog.focusWidget(), thickness);
    thickness->setEditText(QStringLiteral("50"));
    EXPECT_EQ(PressOk(dialog), Texts{"Du måste välja en ytbeklädnad."});
    EXPECT_EQ(dialog.focusWidget(), Child(dialog, "cladding"));
    Button(dialog, "emissivityTyped")->click();
    Type(dialog, "emissivity", "1.5");
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för emissiviteten måste ligga mellan 0.00 och 1.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "emissivity"));
    Button(dialog, "fromDatabase")->click();
    auto* cladding = Child<QComboBox>(dialog, "cladding");
    cladding->setCurrentIndex(1);
    emit cladding->activated(1);
    EXPECT_EQ(Text(dialog, "emissivity"), QStringLiteral("0.90"));
    EXPECT_EQ(PressOk(dialog), Texts{"Värdet för kostnad isolering måste ligga mellan 1.00 och 20000.00"});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "cost"));
    Type(dialog, "cost", "100");
    EXPECT_EQ(PressOk(dialog), Texts{"Isoleringstyp och tjocklek finns redan i isoleringslistan."});
    Type(dialog, "cost", "100,5");
    EXPECT_EQ(PressOk(dialog), Texts{});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    COkonomiIsolasjon result(4);
    dialog.CopyTo(result);
    EXPECT_EQ(result.name, "Lamell, 50mm, 100.50 kr/m²");
    EXPECT_EQ(result.productSource, 0);
    EXPECT_EQ(result.MakerProduct(), Product(0));
    EXPECT_FLOAT_EQ(result.makerThickness, 50.0f);
    EXPECT_FLOAT_EQ(result.userThickness, 50.0f);
    EXPECT_EQ(result.surfaceSource, 0);
    EXPECT_EQ(result.OuterCladding(), Cladding(CDataBase::outerCladdings, 1));
    EXPECT_FLOAT_EQ(result.cost, 100.5f);

    // A user's product, typed thickness checked against its range (10 to 1000 mm).
    COkonomiIsolasjon inside(5);
    COkoIsolasjonDlg userDialog(inside, {});
    userDialog.show();
    Button(userDialog, "userSource")->click();
    EXPECT_TRUE(Child(userDialog, "userProducts")->isEnabled());
    EXPECT_FALSE(Child(userDialog, "catalogueProducts")->isEnabled());
    EXPECT_TRUE(Child(userDialog, "innerCladdingUsed")->isEnabled());
    EXPECT_FALSE(Child(userDialog, "innerCladding")->isEnabled());
    Button(userDialog, "innerCladdingUsed")->click();
    EXPECT_TRUE(Child(userDialog, "innerCladding")->isEnabled());
    Child<QComboBox>(userDialog, "innerCladding")->setCurrentIndex(0);
    EXPECT_EQ(PressOk(userDialog), Texts{"Du måste välja en isolerprodukt."});
    EXPECT_EQ(userDialog.focusWidget(), Child(userDialog, "userProducts"));
    Child<QComboBox>(userDialog, "userProducts")->setCurrentIndex(0);
    // Surfaces insulated inside take their surface from their own list.
    EXPECT_EQ(Child<QComboBox>(userDialog, "cladding")->count(), 1);
    Child<QComboBox>(userDialog, "userThickness")->setEditText(QStringLiteral("5"));
    Child<QComboBox>(userDialog, "cladding")->setCurrentIndex(0);
    EXPECT_EQ(PressOk(userDialog), Texts{"Värdet för tjockleken måste ligga mellan 10.00 och 1000.00"});
    Child<QComboBox>(userDialog, "userThickness")->setEditText(QStringLiteral("80"));
    EXPECT_EQ(PressOk(userDialog), Texts{});
    userDialog.CopyTo(inside);
    EXPECT_EQ(inside.name, "Egen isolering, 80mm, 100.00 kr/m²");
    EXPECT_EQ(inside.productSource, 1);
    EXPECT_EQ(inside.innerCladdingEnabled, 1);
    EXPECT_EQ(inside.OuterCladding(), Cladding(CDataBase::insideOuterSurfaces, 0));
    EXPECT_EQ(inside.InnerCladding(), Cladding(CDataBase::innerCladdings, 0));
}

TEST_F(EconomyDlgTest, CostTakenFromTheCostList)
{
    TempFolder folder;
    settings.SetString("Files", "Cost File", folder.File("tekvar.cst"));
    CKostnad costs;
    prompter.Clear();
    costs.Load(); // no file yet: the message, and an empty list
    EXPECT_EQ(prompter.Texts(),
              Texts{"Error reading file (" + folder.File("tekvar.cst") + ") containing insulation cost."});
    auto entry = std::make_unique<CIsoKostnad>();
    entry->name = "Skiva 100";
    entry->cost = 180.0f;
    entry->UpdateDisplayText("m²");
    costs.entries.push_back(std::move(entry));
    SetCostData(&costs);

    COkonomiIsolasjon alternative(4);
    alternative.SetMakerProduct(Product(0));
    alternative.surfaceSource = 1;
    COkoIsolasjonDlg dialog(alternative, {});
    dialog.show();
    ASSERT_TRUE(Button(dialog, "costData")->isEnabled());

    // OK without a choice is refused; a new entry is added in m², chosen and taken.
    WhenModalShows([this](QWidget* d) {
        auto* list = d->findChild<QTreeWidget*>("costs");
        EXPECT_EQ(list->topLevelItemCount(), 1);
        EXPECT_EQ(list->topLevelItem(0)->text(1), QString::fromUtf8("180.0 kr/m²"));
        prompter.Clear();
        static_cast<QDialog*>(d)->accept();
        EXPECT_EQ(prompter.Texts(), Texts{"Du måste välja en kostnad i listan."});

        // The entry dialog: the name must be new; the cost counts per m².
        WhenModalShows([this](QWidget* e) {
            bool unitLabel = false;
            for (QLabel* l : e->findChildren<QLabel*>())
                unitLabel = unitLabel || l->text() == QString::fromUtf8("Kostnad [kr/m²]:");
            EXPECT_TRUE(unitLabel);
            e->findChild<QLineEdit*>("name")->setText(QStringLiteral("Skiva 100"));
            e->findChild<QLineEdit*>("cost")->setText(QStringLiteral("6000"));
            prompter.Clear();
            static_cast<QDialog*>(e)->accept();
            EXPECT_EQ(prompter.Texts(), Texts{"Skriv in ett tal mellan 0 och 5000."});
            e->findChild<QLineEdit*>("cost")->setText(QStringLiteral("212.5"));
            static_cast<QDialog*>(e)->accept();
            EXPECT_EQ(prompter.Texts(), (Texts{"Skriv in ett tal mellan 0 och 5000.", "Detta namn är redan använt."}));
            e->findChild<QLineEdit*>("name")->setText(QStringLiteral("Skiva 120"));
            static_cast<QDialog*>(e)->accept();
            KeepScreenshot(e->grab().toImage(), QStringLiteral("economy-cost-entry.png"));
        });
        d->findChild<QAbstractButton*>("new")->click();
        ASSERT_EQ(list->topLevelItemCount(), 2);
        EXPECT_EQ(list->currentItem()->text(0), QStringLiteral("Skiva 120"));
        KeepScreenshot(d->grab().toImage(), QStringLiteral("economy-cost-list.png"));
        static_cast<QDialog*>(d)->accept();
    });
    Button(dialog, "costData")->click();
    EXPECT_EQ(Text(dialog, "cost"), QStringLiteral("212.50"));
    // The changed list was written.
    CKostnad reread;
    reread.Load();
    ASSERT_EQ(reread.entries.size(), 2u);
    EXPECT_EQ(reread.entries[1]->displayText, "Skiva 120\t212.5 kr/m²");
    EXPECT_EQ(costs.selected, costs.entries[1].get());

    // Editing keeps its own name; deleting asks; Cancel after a change asks too.
    WhenModalShows([this](QWidget* d) {
        auto* list = d->findChild<QTreeWidget*>("costs");
        EXPECT_EQ(list->currentItem()->text(0), QStringLiteral("Skiva 120"));
        list->setCurrentItem(list->topLevelItem(0));
        WhenModalShows([](QWidget* e) {
            e->findChild<QLineEdit*>("cost")->setText(QStringLiteral("190"));
            static_cast<QDialog*>(e)->accept();
            EXPECT_FALSE(e->isVisible());
        });
        d->findChild<QAbstractButton*>("update")->click();
        // Back at the end, as it will be in the file.
        EXPECT_EQ(list->topLevelItem(1)->text(1), QString::fromUtf8("190.0 kr/m²"));
        EXPECT_EQ(list->currentItem(), list->topLevelItem(1));
        prompter.Clear();
        prompter.QueueAnswer(platform::Answer::Ok);
        d->findChild<QAbstractButton*>("delete")->click();
        EXPECT_EQ(prompter.Texts(), Texts{"\"Skiva 100\" raderas nu!"});
        EXPECT_EQ(list->topLevelItemCount(), 1);
        prompter.Clear();
        prompter.QueueAnswer(platform::Answer::Cancel);
        static_cast<QDialog*>(d)->reject();
        EXPECT_EQ(prompter.Texts(), Texts{"Ignorera förändringar i kostnadslistan?"});
        EXPECT_TRUE(d->isVisible());
        static_cast<QDialog*>(d)->reject();
        EXPECT_FALSE(d->isVisible());
    });
    Button(dialog, "costData")->click();
    EXPECT_EQ(Text(dialog, "cost"), QStringLiteral("212.50"));
    EXPECT_EQ(costs.entries.size(), 2u);
    SetCostData(nullptr);
}

TEST_F(EconomyDlgTest, OkHandsTheValuesToTheModuleWhichCalculates)
{
    CountingEconomy module;
    module.alternatives.push_back(Alternative(0, 1, 40, 120));
    const COkonomiIsolasjon* before = module.alternatives[0].get();

    WhenModalShows([](QWidget* d) {
        d->findChild<QLineEdit*>("mediumTemp")->setText(QStringLiteral("70"));
        static_cast<QDialog*>(d)->reject();
    });
    EXPECT_FALSE(module.Edit());
    EXPECT_FLOAT_EQ(module.mediumTemperature, 50.0f);
    EXPECT_EQ(module.calculations, 0);
    EXPECT_EQ(module.alternatives[0].get(), before);

    WhenModalShows([this](QWidget* d) {
        d->findChild<QLineEdit*>("mediumTemp")->setText(QStringLiteral("70"));
        d->findChild<QLineEdit*>("operatingHours")->setText(QStringLiteral("8000"));
        auto* dimension = d->findChild<QComboBox*>("pipeDimension");
        dimension->setCurrentIndex(1);
        emit dimension->activated(1);
        NextAlternative("Rörskål", "60", "200");
        d->findChild<QAbstractButton*>("newAlternative")->click();
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_TRUE(module.Edit());
    EXPECT_EQ(module.calculations, 1);
    EXPECT_FLOAT_EQ(module.mediumTemperature, 70.0f);
    EXPECT_FLOAT_EQ(module.operatingHours, 8000.0f);
    EXPECT_FLOAT_EQ(module.pipeDiameter, 48.3f);
    EXPECT_EQ(module.pipe.CatalogueDimension(), Material(0)->dimensions[1].get());
    ASSERT_EQ(module.alternatives.size(), 2u);
    EXPECT_NE(module.alternatives[0].get(), before);
    EXPECT_EQ(module.alternatives[1]->name, "Rörskål, 60mm, 200.00 kr/m");
    bool registered = false;
    for (const CItem* dependent : Product(1)->Dependents())
        registered = registered || dependent == module.alternatives[1].get();
    EXPECT_TRUE(registered);
}

TEST_F(EconomyDlgTest, PictureAndTheDialogsAsTheUserSeesThem)
{
    EXPECT_EQ(COkonomiDlg::PictureFor(nullptr, 0, false).resource, "picture-261");
    EXPECT_EQ(COkonomiDlg::PictureFor(nullptr, 5, true).resource, "picture-272");
    settings.SetString("Files", "Pictures", "/bilder/");
    Product(1)->pictures[2] = "kanal.jpg";
    auto alternative = Alternative(2, 1, 40, 100);
    EXPECT_EQ(COkonomiDlg::PictureFor(alternative.get(), 2, false).file, "/bilder/kanal.jpg");
    EXPECT_TRUE(COkonomiDlg::PictureFor(alternative.get(), 0, false).file.empty());
    alternative->productSource = 1;
    EXPECT_TRUE(COkonomiDlg::PictureFor(alternative.get(), 2, false).file.empty());

    COkonomiDlg::Values values = Defaults();
    for (float t : {20.0f, 40.0f, 60.0f})
        values.alternatives.push_back(Alternative(0, 1, t, 100 + 2 * t));
    COkonomiDlg dialog(std::move(values));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.Picture().resource, "picture-261");
    KeepScreenshot(dialog.grab().toImage(), QStringLiteral("economy-dialog.png"));

    COkonomiIsolasjon edited = *dialog.Result().alternatives[1];
    COkoIsolasjonDlg alternativeDialog(edited, {});
    alternativeDialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&alternativeDialog));
    KeepScreenshot(alternativeDialog.grab().toImage(), QStringLiteral("economy-alternative-dialog.png"));
    EXPECT_GT(alternativeDialog.width(), 300);
}
