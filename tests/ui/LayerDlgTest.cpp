#include "HeatLossCatalogue.h"
#include "UiTestSupport.h"
#include "modules/CIsolasjon.h"
#include "modules/CTilleggsutstyr.h"
#include "ui/CIsolasjonDlg.h"
#include "ui/CTilleggsutstyrDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Texts = std::vector<std::string>;
using LayerDlgTest = HeatLossCatalogueTest;

QStringList Entries(const QComboBox* box)
{
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i);
    return entries;
}

} // namespace

TEST_F(LayerDlgTest, OffersTheProductsOfTheKindAndChecksTheThickness)
{
    CIsolasjon layer(2, true); // a rectangular duct
    CIsolasjonDlg dialog(layer);
    dialog.show();
    EXPECT_EQ(Entries(dialog.CatalogueProducts()), (QStringList{QString::fromUtf8("Rörskål"), QString::fromUtf8("Kallrör")}));
    EXPECT_EQ(Entries(dialog.UserProducts()), QStringList{QStringLiteral("Egen isolering")});
    EXPECT_TRUE(dialog.CatalogueButton()->isChecked());
    EXPECT_FALSE(dialog.UserProducts()->isEnabled());
    EXPECT_FALSE(dialog.EditProductsButton()->isEnabled());
    EXPECT_EQ(dialog.CatalogueThickness()->currentText(), QStringLiteral("50.0"));

    prompter.Clear();
    dialog.accept();
    EXPECT_EQ(prompter.Texts(), Texts{"Du måste välja en isolerprodukt."});
    EXPECT_EQ(dialog.focusWidget(), dialog.CatalogueProducts());

    // Choosing a product offers its standard thicknesses; the typed one stays.
    dialog.CatalogueProducts()->setCurrentIndex(0);
    EXPECT_EQ(Entries(dialog.CatalogueThickness()),
              (QStringList{QStringLiteral("20.0"), QStringLiteral("40.0"), QStringLiteral("60.0")}));
    EXPECT_EQ(dialog.CatalogueThickness()->currentText(), QStringLiteral("50.0"));
    dialog.CatalogueThickness()->setEditText(QStringLiteral("250"));
    prompter.Clear();
    dialog.accept();
    EXPECT_EQ(prompter.Texts(), Texts{"Värdet för tjockleken måste ligga mellan 10.00 och 200.00"});
    dialog.CatalogueThickness()->setEditText(QStringLiteral("tjock"));
    prompter.Clear();
    dialog.accept();
    EXPECT_EQ(prompter.Texts(), Texts{"Skriv in ett tal."});
    dialog.CatalogueThickness()->setCurrentIndex(1);
    dialog.UserThickness()->setEditText(QStringLiteral("33,5"));
    prompter.Clear();
    dialog.accept();
    EXPECT_EQ(prompter.Texts(), Texts{});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.CopyTo(layer);
    EXPECT_EQ(layer.source, CIsolasjon::catalogueSource);
    EXPECT_EQ(layer.CatalogueProduct(), Product(1));
    EXPECT_FLOAT_EQ(layer.catalogueThickness, 40.0f);
    EXPECT_FLOAT_EQ(layer.userThickness, 33.5f);
    EXPECT_EQ(layer.UserProduct(), nullptr);
}

TEST_F(LayerDlgTest, SwitchingToTheUsersProductKeepsBothThicknesses)
{
    CIsolasjon layer(0, true);
    layer.SetCatalogueProduct(Product(0));
    layer.catalogueThickness = 30;
    layer.userThickness = 70;
    WhenModalShows([](QWidget* d) {
        auto* dialog = static_cast<CIsolasjonDlg*>(d);
        EXPECT_EQ(dialog->CatalogueProducts()->currentText(), QStringLiteral("Lamell"));
        dialog->UserButton()->click();
        EXPECT_TRUE(dialog->UserProducts()->isEnabled());
        EXPECT_FALSE(dialog->CatalogueProducts()->isEnabled());
        dialog->UserProducts()->setCurrentIndex(0);
        dialog->accept();
    });
    ASSERT_TRUE(layer.Edit());
    EXPECT_TRUE(layer.UsesUserProduct());
    EXPECT_EQ(layer.UserProduct(), userDatabase.products[0].get());
    EXPECT_EQ(layer.CatalogueProduct(), Product(0));
    EXPECT_FLOAT_EQ(layer.Thickness(), 70.0f);
    EXPECT_FLOAT_EQ(layer.catalogueThickness, 30.0f);
    EXPECT_EQ(layer.Summary(true), "Produkt:\nEgen isolering\nTjocklek: 70.0 mm");

    // Cancel changes nothing.
    WhenModalShows([](QWidget* d) {
        static_cast<CIsolasjonDlg*>(d)->CatalogueButton()->click();
        static_cast<QDialog*>(d)->reject();
    });
    EXPECT_FALSE(layer.Edit());
    EXPECT_TRUE(layer.UsesUserProduct());
}

TEST_F(LayerDlgTest, FittingDialogStatesChecksAndListText)
{
    CTilleggsutstyr fitting;
    CTilleggsutstyrDlg dialog(fitting);
    dialog.show();
    EXPECT_EQ(Entries(dialog.TypeBox()), (QStringList{QStringLiteral("Ventil"), QString::fromUtf8("Fläns")}));
    EXPECT_TRUE(dialog.TypeBox()->isEnabled());
    EXPECT_FALSE(dialog.NameField()->isEnabled());
    EXPECT_FALSE(dialog.LengthField()->isEnabled());
    EXPECT_EQ(dialog.CountField()->text(), QStringLiteral("1"));

    prompter.Clear();
    dialog.accept();
    EXPECT_EQ(prompter.Texts(), Texts{"Du måste välja en tilläggsarmatur."});
    dialog.CountField()->setText(QStringLiteral("1001"));
    dialog.accept();
    dialog.CountField()->setText(QStringLiteral("1.5"));
    dialog.accept();
    EXPECT_EQ(prompter.Texts(), (Texts{"Du måste välja en tilläggsarmatur.", "Skriv in ett tal mellan 0 och 1000.",
                                       "Skriv in ett tal."}));
    EXPECT_EQ(dialog.focusWidget(), dialog.CountField());

    dialog.OwnDefinedBox()->click();
    EXPECT_FALSE(dialog.TypeBox()->isEnabled());
    EXPECT_TRUE(dialog.NameField()->isEnabled());
    dialog.NameField()->setText(QStringLiteral("Filter"));
    dialog.LengthField()->setText(QStringLiteral("1000.5"));
    dialog.CountField()->setText(QStringLiteral("0"));
    prompter.Clear();
    dialog.accept();
    EXPECT_EQ(prompter.Texts(), Texts{"Skriv in ett tal mellan 0 och 1000."});
    dialog.LengthField()->setText(QStringLiteral("0.5"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.CopyTo(fitting);
    EXPECT_EQ(fitting.name, "Filter; 0 stk");
    EXPECT_FLOAT_EQ(fitting.EquivalentLength(48.3f), 0.0f);

    // A catalogue type is referred to, and its name makes the list text.
    CTilleggsutstyr valve;
    valve.count = 2;
    WhenModalShows([](QWidget* d) {
        auto* dialog = static_cast<CTilleggsutstyrDlg*>(d);
        dialog->TypeBox()->setCurrentIndex(1);
        dialog->accept();
    });
    ASSERT_TRUE(valve.Edit());
    EXPECT_EQ(valve.name, "Fläns; 2 stk");
    EXPECT_EQ(valve.FittingType(), Fitting(1));
    bool registered = false;
    for (const CItem* dependent : Fitting(1)->Dependents())
        registered = registered || dependent == &valve;
    EXPECT_TRUE(registered);
}

TEST_F(LayerDlgTest, UsersProductsAreEditedFromTheLayerAndChosenAgainByName)
{
    TempFolder folder;
    userDatabase.filePath = folder.File("egendef.dat");
    CIsolasjon layer(0, true);
    layer.source = CIsolasjon::userSource;
    layer.SetUserProduct(userDatabase.products[0].get());
    const CEgendefIsoProdukt* original = userDatabase.products[0].get();

    bool edited = false;
    WhenModalShows([&](QWidget* d) {
        auto* dialog = static_cast<CIsolasjonDlg*>(d);
        EXPECT_TRUE(dialog->EditProductsButton()->isEnabled());
        dialog->CatalogueButton()->click();
        EXPECT_FALSE(dialog->EditProductsButton()->isEnabled()) << "only for the user's products";
        dialog->UserButton()->click();
        // The editor puts edited copies in place of the products.
        WhenModalShows([&](QWidget* editor) {
            edited = true;
            static_cast<QDialog*>(editor)->accept();
        });
        dialog->EditProductsButton()->click();
        EXPECT_EQ(dialog->UserProducts()->currentText(), QStringLiteral("Egen isolering"));
        dialog->accept();
    });
    ASSERT_TRUE(layer.Edit());
    EXPECT_TRUE(edited);
    ASSERT_EQ(userDatabase.products.size(), 1u);
    EXPECT_NE(userDatabase.products[0].get(), original);
    EXPECT_EQ(layer.UserProduct(), userDatabase.products[0].get());
    EXPECT_TRUE(std::filesystem::exists(folder.File("egendef.dat")));
    EXPECT_TRUE(prompter.Texts().empty());
}
