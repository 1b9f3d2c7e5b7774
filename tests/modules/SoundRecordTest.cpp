#include "RecordDocument.h"
#include "database/Reconciliation.h"

using namespace module_test;

namespace {

const std::array<float, 6> factors50{0.1f, 0.4f, 0.8f, 0.9f, 0.85f, 0.7f};

// The record up to the product reference: circular duct, the user's product.
Record SoundFields(int ductType, bool resultsValid)
{
    Record r;
    r.Word(std::uint16_t(ductType)).Word(1).Float(30).Float(500).Float(300).Float(315);
    for (float f : {0.3f, 0.5f, 0.7f, 0.9f, 0.95f, 0.99f})
        r.Float(f);
    r.Text("Eget lager").Word(resultsValid ? 1 : 0);
    return r;
}

} // namespace

class SoundRecords : public AbsorberTest {
protected:
    CAbsorpsjonTykkelse* Thickness(int list, std::size_t product, std::size_t i)
    {
        return Absorber(list, product)->thicknesses.at(i).get();
    }
};

TEST_F(SoundRecords, RecordRoundTrip)
{
    Counted<CLydModul> module;
    module.SetDefaults();
    module.productSource = 1;
    module.userThickness = 30.0f;
    module.width = 500.0f;
    module.height = 300.0f;
    module.ductDiameter = 315.0f;
    module.userFactors = {0.3f, 0.5f, 0.7f, 0.9f, 0.95f, 0.99f};
    module.userProductName = "Eget lager";
    module.resultsValid = true;
    module.SetProduct(Absorber(CDataBase::circularAbsorbers, 0), Thickness(CDataBase::circularAbsorbers, 0, 1));

    Record expected = SoundFields(0, true);
    expected.Text("Absorb C");
    AbsorberThicknessRecord(expected, "50.0", 50.0f, factors50);
    ASSERT_EQ(Stored(module), expected.bytes);

    Counted<CLydModul> read;
    read.SetDefaults();
    Restore(read, expected.bytes);
    EXPECT_EQ(read.calculations, 1);
    EXPECT_EQ(read.ductType, 0);
    EXPECT_EQ(read.productSource, 1);
    EXPECT_EQ(read.userProductName, "Eget lager");
    EXPECT_EQ(read.userFactors[5], 0.99f);
    EXPECT_EQ(read.ductDiameter, 315.0f);
    EXPECT_EQ(read.Product(), Absorber(CDataBase::circularAbsorbers, 0));
    EXPECT_EQ(read.ProductThickness(), Thickness(CDataBase::circularAbsorbers, 0, 1));
    EXPECT_TRUE(Depends(read.Product(), &read));
    EXPECT_TRUE(Depends(read.ProductThickness(), &read));
    EXPECT_EQ(read.LiningThickness(), 30.0f);
    read.productSource = 0;
    EXPECT_EQ(read.LiningThickness(), 50.0f);
    EXPECT_EQ(read.LiningFactor(2), 0.8f);
    read.productSource = 1;
    EXPECT_EQ(Stored(read), expected.bytes);
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_TRUE(chooser.Requests().empty());

    // Without a product the record ends with the text for none.
    Record none = SoundFields(2, false);
    none.Text(noCatalogueItem);
    Counted<CLydModul> empty;
    empty.SetDefaults();
    Restore(empty, none.bytes);
    EXPECT_EQ(empty.calculations, 0);
    EXPECT_EQ(empty.Product(), nullptr);
    EXPECT_EQ(empty.ProductThickness(), nullptr);
    EXPECT_EQ(Stored(empty), none.bytes);

    // Reading over a module lets go of what it had.
    Restore(read, none.bytes);
    EXPECT_EQ(read.Product(), nullptr);
    EXPECT_FALSE(Depends(Absorber(CDataBase::circularAbsorbers, 0), &read));
    EXPECT_FALSE(Depends(Thickness(CDataBase::circularAbsorbers, 0, 1), &read));
    EXPECT_TRUE(Depends(Thickness(CDataBase::circularAbsorbers, 0, 1), &module));
}

TEST_F(SoundRecords, ChangedOrMissingThickness)
{
    // The values of "50.0" differ from the stored ones: said, and the
    // database's values are used.
    auto changed = factors50;
    changed[2] = 0.75f;
    Record r = SoundFields(0, false);
    r.Text("Absorb C");
    AbsorberThicknessRecord(r, "50.0", 50.0f, changed);
    CLydModul module;
    module.SetDefaults();
    Restore(module, r.bytes);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Data för vald tjocklek i ljuddämpningsmodulen är "
                                                         "förändrade. Detta kommer att påverka de beräknade "
                                                         "resultaten."});
    EXPECT_EQ(module.ProductThickness(), Thickness(CDataBase::circularAbsorbers, 0, 1));
    Record written = SoundFields(0, false);
    written.Text("Absorb C");
    AbsorberThicknessRecord(written, "50.0", 50.0f, factors50);
    EXPECT_EQ(Stored(module), written.bytes);

    // A thickness that differs only in its value, not its name, is changed too.
    prompter.Clear();
    Record thicker = SoundFields(0, false);
    thicker.Text("Absorb C");
    AbsorberThicknessRecord(thicker, "50.0", 50.01f, factors50);
    Restore(module, thicker.bytes);
    EXPECT_EQ(prompter.Texts().size(), 1u);
    EXPECT_TRUE(chooser.Requests().empty());

    // A thickness the product no longer has: the user picks one of its own.
    prompter.Clear();
    Record gone = SoundFields(0, false);
    gone.Text("Absorb C");
    AbsorberThicknessRecord(gone, "75.0", 75.0f, factors50);
    chooser.QueueAnswer(1);
    Restore(module, gone.bytes);
    ASSERT_EQ(chooser.Requests().size(), 1u);
    EXPECT_EQ(chooser.Requests()[0].message,
              "Tjockleken 75.0 mm finns inte för absorptionsprodukten Absorb C. För att beräkningarna i programmet "
              "skall fungera måste man välja en av tjocklekarna i rullgardinen nedan.");
    EXPECT_EQ(chooser.Requests()[0].names, (std::vector<std::string>{"25.0", "50.0"}));
    EXPECT_EQ(chooser.Requests()[0].source, platform::ReplacementSource::Database);
    EXPECT_EQ(module.ProductThickness(), Thickness(CDataBase::circularAbsorbers, 0, 1));
    EXPECT_TRUE(prompter.Texts().empty());

    // A product that is gone: a rectangular duct looks among the products
    // for rectangular ducts; the stored thickness is then found by name.
    Record product = SoundFields(1, false);
    product.Text("Borta");
    AbsorberThicknessRecord(product, "100.0", 100.0f, {0.2f, 0.4f, 0.8f, 0.9f, 0.85f, 0.7f});
    Restore(module, product.bytes);
    ASSERT_EQ(chooser.Requests().size(), 2u);
    EXPECT_TRUE(chooser.Requests()[1].message.starts_with("Absorptionsprodukten Borta är bottagen från databasen"));
    EXPECT_EQ(chooser.Requests()[1].names, std::vector<std::string>{"Absorb R"});
    EXPECT_EQ(module.Product(), Absorber(CDataBase::rectangularAbsorbers, 0));
    EXPECT_EQ(module.ProductThickness(), Thickness(CDataBase::rectangularAbsorbers, 0, 1));
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST_F(SoundRecords, NothingToChooseFromKeepsTheRecordInStep)
{
    // No products for rectangular ducts at all: no product, and the
    // thickness record that follows the name is still read past.
    database.lists[CDataBase::rectangularAbsorbers].clear();
    Record r = SoundFields(3, true);
    r.Text("Absorb R");
    AbsorberThicknessRecord(r, "50.0", 50.0f, factors50);
    r.Word(0xBEEF);
    CLydModul module;
    module.SetDefaults();
    CArchive ar(r.bytes);
    module.Serialize(ar);
    EXPECT_EQ(ar.ReadWord(), 0xBEEF);
    EXPECT_EQ(module.Product(), nullptr);
    EXPECT_EQ(module.ProductThickness(), nullptr);
    EXPECT_TRUE(chooser.Requests().empty());

    // A product without thicknesses keeps the stored one, values and all.
    absorber(CDataBase::circularAbsorbers, "Tom", {});
    Record own = SoundFields(0, false);
    own.Text("Tom");
    AbsorberThicknessRecord(own, "40.0", 40.0f, {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f});
    Restore(module, own.bytes);
    EXPECT_EQ(module.Product(), Absorber(CDataBase::circularAbsorbers, 1));
    ASSERT_NE(module.ProductThickness(), nullptr);
    EXPECT_EQ(module.ProductThickness()->thickness, 40.0f);
    module.productSource = 0;
    EXPECT_EQ(module.LiningFactor(5), 0.6f);
    module.productSource = 1;
    EXPECT_EQ(Stored(module), own.bytes);
    EXPECT_TRUE(chooser.Requests().empty());
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST_F(SoundRecords, FollowsTheDatabaseEditor)
{
    CLydModul module;
    module.SetDefaults();
    CAbsorpsjon* product = Absorber(CDataBase::circularAbsorbers, 0);
    module.SetProduct(product, product->thicknesses[1].get());

    // A thickness of another product, or of a copy of this one, is not taken.
    module.Changed(Thickness(CDataBase::rectangularAbsorbers, 0, 0));
    EXPECT_EQ(module.ProductThickness(), product->thicknesses[1].get());
    module.Changed(product->thicknesses[0].get());
    EXPECT_EQ(module.ProductThickness(), product->thicknesses[0].get());
    module.Changed(product->thicknesses[1].get());
    module.Changed(Cladding(CDataBase::outerCladdings, 0));
    EXPECT_EQ(module.Product(), product);

    // The editor works on copies, renames the thickness in use and puts the
    // copies in place: the module follows the copy of its own thickness.
    ItemList<CListItem> working;
    CopyList(working, database.lists[CDataBase::circularAbsorbers]);
    auto* copy = static_cast<CAbsorpsjon*>(working[0].get());
    copy->thicknesses[1]->SetThickness(55.0f);
    TakeList(database.lists[CDataBase::circularAbsorbers], working, true);
    product = Absorber(CDataBase::circularAbsorbers, 0);
    EXPECT_EQ(module.Product(), product);
    ASSERT_EQ(module.ProductThickness(), product->thicknesses[1].get());
    EXPECT_EQ(module.ProductThickness()->name, "55.0");
    EXPECT_TRUE(Depends(product->thicknesses[1].get(), &module));
    EXPECT_FALSE(Depends(product->thicknesses[0].get(), &module));

    // A replacing product without thicknesses: the module keeps its values.
    CopyList(working, database.lists[CDataBase::circularAbsorbers]);
    ClearList(static_cast<CAbsorpsjon*>(working[0].get())->thicknesses);
    TakeList(database.lists[CDataBase::circularAbsorbers], working, true);
    ASSERT_NE(module.ProductThickness(), nullptr);
    EXPECT_EQ(module.ProductThickness()->thickness, 55.0f);
    EXPECT_EQ(module.Product(), Absorber(CDataBase::circularAbsorbers, 0));

    module.SetDefaults();
    EXPECT_EQ(module.Product(), nullptr);
    EXPECT_EQ(module.ProductThickness(), nullptr);
    EXPECT_TRUE(Absorber(CDataBase::circularAbsorbers, 0)->Dependents().empty());
}
