#include "RecordDocument.h"
#include "database/Reconciliation.h"

using namespace module_test;

namespace {

// An insulation layer's record: two reserved words, the source, both
// thicknesses, the kind, whether it asks its thickness, the two products.
Record& LayerRecord(Record& r, int source, float catalogueThickness, float userThickness, int kind,
                    const std::string& product, const std::string& userProduct)
{
    return r.Long(0)
        .Long(0)
        .Word(std::uint16_t(source))
        .Float(catalogueThickness)
        .Float(userThickness)
        .Word(std::uint16_t(kind))
        .Word(0)
        .Text(product)
        .Text(userProduct);
}

// The fields of the external condensation module from the object kind to
// the orientation, with every value off its default.
Record& ExternalFields(Record& r, int kind)
{
    return r.Word(std::uint16_t(kind))
        .Float(28)
        .Float(4)
        .Float(125)
        .Float(600)
        .Float(450)
        .Float(75)
        .Word(1)
        .Word(1)
        .Float(3.5f)
        .Float(9)
        .Word(1)
        .Float(0.4f)
        .Word(1)
        .Long(1);
}

} // namespace

class CondensationRecords : public ModuleTest {};

TEST_F(CondensationRecords, ExternalCurrentLayout)
{
    Counted<CUtvendigKondensModul> module;
    module.SetDefaults();
    EXPECT_EQ(module.pipe.Material(), Material(0));
    EXPECT_EQ(module.pipeDiameter, 21.3f);
    EXPECT_EQ(module.bareEmissivity, 0.55f);
    EXPECT_EQ(module.insulation.objectKind, 0);

    module.insulation.source = 1;
    module.insulation.catalogueThickness = 60.0f;
    module.insulation.userThickness = 45.0f;
    module.insulation.objectKind = 3;
    module.insulation.SetCatalogueProduct(Product(0));
    module.insulation.SetUserProduct(UserProduct(1));
    module.objectKind = ObjectKind::RectangularDuctInside;
    module.ambientTemperature = 28.0f;
    module.mediumTemperature = 4.0f;
    module.ductDiameter = 125.0f;
    module.width = 600.0f;
    module.height = 450.0f;
    module.relativeHumidity = 75.0f;
    module.resultsValid = true;
    module.surroundings = Surroundings::Outdoors;
    module.windSpeed = 3.5f;
    module.givenCoefficient = 9.0f;
    module.surfaceSource = 1;
    module.surfaceEmissivity = 0.4f;
    module.innerCladdingEnabled = 1;
    module.orientation = 1;
    module.bareEmissivity = 0.25f;
    module.pipeDiameter = 12.0f;
    module.wallThickness = 1.0f;
    module.ownPipeDimension = 1;
    module.pipe.SetMaterial(Material(1), true);
    module.SetOuterCladding(Cladding(CDataBase::insideOuterSurfaces, 0));
    module.SetInnerCladding(Cladding(CDataBase::innerCladdings, 0));

    Record expected;
    LayerRecord(expected, 1, 60, 45, 3, "Lamell", "Egen B");
    expected.Word(0x0400);
    ExternalFields(expected, 3);
    expected.Float(0.25f).Float(12).Float(1).Long(1);
    expected.Text("12").Text("").Float(1.0f).Float(12.0f);
    expected.Text("Puts").Text("Inre folie").Text("Koppar");
    ASSERT_EQ(Stored(module), expected.bytes);

    Counted<CUtvendigKondensModul> read;
    read.SetDefaults();
    Restore(read, expected.bytes);
    EXPECT_EQ(read.calculations, 1);
    EXPECT_EQ(read.objectKind, ObjectKind::RectangularDuctInside);
    EXPECT_EQ(read.ambientTemperature, 28.0f);
    EXPECT_EQ(read.mediumTemperature, 4.0f);
    EXPECT_EQ(read.relativeHumidity, 75.0f);
    EXPECT_EQ(read.orientation, 1);
    EXPECT_EQ(read.insulation.UserProduct(), UserProduct(1));
    EXPECT_EQ(read.OuterCladding(), Cladding(CDataBase::insideOuterSurfaces, 0));
    EXPECT_EQ(read.InnerCladding(), Cladding(CDataBase::innerCladdings, 0));
    EXPECT_EQ(read.pipe.Material(), Material(1));
    EXPECT_EQ(read.pipe.CatalogueDimension(), Material(1)->dimensions[0].get());
    EXPECT_TRUE(Depends(Cladding(CDataBase::insideOuterSurfaces, 0), &read));
    EXPECT_TRUE(Depends(Material(1), &read));
    EXPECT_EQ(Stored(read), expected.bytes);
    EXPECT_TRUE(chooser.Requests().empty());

    // A dimension that the material does not list stays the module's own.
    Record own = expected;
    const std::size_t at = own.bytes.size() - (1 + 4) - (1 + 10) - (1 + 6) - 8 - 1 - 3;
    ASSERT_EQ(own.bytes[at], 2); // the length of the dimension's name "12"
    own.bytes[at + 2] = '3';     // "13"
    Restore(read, own.bytes);
    EXPECT_EQ(read.pipe.Record().name, "13");
    EXPECT_EQ(read.pipe.CatalogueDimension(), nullptr);
    EXPECT_EQ(Stored(read), own.bytes);

    read.SetDefaults();
    EXPECT_EQ(read.OuterCladding(), nullptr);
    EXPECT_EQ(read.InnerCladding(), nullptr);
    EXPECT_EQ(read.insulation.Product(), nullptr);
    EXPECT_FALSE(Depends(Material(1), &read));
    EXPECT_FALSE(read.resultsValid);
}

TEST_F(CondensationRecords, ExternalWithoutMarkerKeepsThePipe)
{
    Record old;
    LayerRecord(old, 0, 50, 50, 5, "Lamell", noCatalogueItem);
    ExternalFields(old, 5); // the kind takes the marker's place
    old.Text("Puts").Text(noCatalogueItem);

    Counted<CUtvendigKondensModul> read;
    read.SetDefaults();
    Restore(read, old.bytes);
    EXPECT_EQ(read.calculations, 1);
    EXPECT_EQ(read.objectKind, ObjectKind::SurfaceInside);
    EXPECT_EQ(read.OuterCladding(), Cladding(CDataBase::insideOuterSurfaces, 0));
    EXPECT_EQ(read.InnerCladding(), nullptr);
    EXPECT_EQ(read.pipe.Material(), Material(0));
    EXPECT_EQ(read.pipe.Record().name, "15");
    EXPECT_EQ(read.pipeDiameter, 21.3f);
    EXPECT_EQ(read.wallThickness, 2.6f);
    EXPECT_EQ(read.bareEmissivity, 0.55f);
    EXPECT_EQ(read.ownPipeDimension, 0);
    EXPECT_TRUE(chooser.Requests().empty());

    // Saved, it gets the marker and the pipe it kept.
    Record current;
    LayerRecord(current, 0, 50, 50, 5, "Lamell", noCatalogueItem);
    current.Word(0x0400);
    ExternalFields(current, 5);
    current.Float(0.55f).Float(21.3f).Float(2.6f).Long(0);
    current.Text("15").Text("").Float(2.6f).Float(21.3f);
    current.Text("Puts").Text(noCatalogueItem).Text("St\xE5l");
    EXPECT_EQ(Stored(read), current.bytes);

    // The other kinds look their outer cladding up among the normal ones.
    Record normal;
    LayerRecord(normal, 0, 50, 50, 2, noCatalogueItem, noCatalogueItem);
    ExternalFields(normal, 2);
    normal.Text("Puts").Text(noCatalogueItem);
    Restore(read, normal.bytes);
    ASSERT_EQ(chooser.Requests().size(), 1u);
    EXPECT_EQ(chooser.Requests()[0].names, (std::vector<std::string>{"Plåt", "PVC"}));
    EXPECT_EQ(read.OuterCladding(), Cladding(CDataBase::outerCladdings, 0));
}

TEST_F(CondensationRecords, ExternalFollowsCladdingsAndPipe)
{
    CUtvendigKondensModul module;
    module.SetDefaults();
    module.Changed(Cladding(CDataBase::innerCladdings, 0));
    EXPECT_EQ(module.InnerCladding(), Cladding(CDataBase::innerCladdings, 0));
    EXPECT_EQ(module.OuterCladding(), nullptr);
    module.Changed(Cladding(CDataBase::insideOuterSurfaces, 0));
    EXPECT_EQ(module.OuterCladding(), Cladding(CDataBase::insideOuterSurfaces, 0));
    module.Changed(Cladding(CDataBase::outerCladdings, 1));
    EXPECT_EQ(module.OuterCladding(), Cladding(CDataBase::outerCladdings, 1));
    EXPECT_FALSE(Depends(Cladding(CDataBase::insideOuterSurfaces, 0), &module));
    module.Changed(Product(1));
    EXPECT_EQ(module.OuterCladding(), Cladding(CDataBase::outerCladdings, 1));

    // A database edit replaces the pipe materials: the module holds the new one.
    ItemList<CListItem> working;
    CopyList(working, database.lists[CDataBase::pipeMaterials]);
    TakeList(database.lists[CDataBase::pipeMaterials], working, true);
    EXPECT_EQ(module.pipe.Material(), Material(0));
    EXPECT_TRUE(Depends(Material(0), &module));
}

TEST_F(CondensationRecords, InternalLayout)
{
    Counted<CInnvendigKondensModul> module;
    module.SetDefaults();
    EXPECT_EQ(module.insulation.objectKind, 1);
    module.insulation.catalogueThickness = 70.0f;
    module.insulation.objectKind = 2;
    module.insulation.SetCatalogueProduct(Product(1));
    module.ductShape = 1;
    module.ambientTemperature = 22.0f;
    module.givenInnerCoefficient = 15.0f;
    module.innerCoefficientGiven = 1;
    module.ductDiameter = 160.0f;
    module.width = 800.0f;
    module.height = 300.0f;
    module.ductLength = 25.0f;
    module.surroundings = Surroundings::GivenCoefficient;
    module.windSpeed = 6.0f;
    module.givenCoefficient = 11.0f;
    module.surfaceSource = 1;
    module.surfaceEmissivity = 0.3f;
    module.inletTemperature = 35.0f;
    module.relativeHumidity = 60.0f;
    module.flow = 1.5f;
    module.flowUnit = FlowUnit::MetresPerSecond;
    module.resultsValid = true;
    module.orientation = 1;
    module.supports = 1;
    module.SetOuterCladding(Cladding(CDataBase::outerCladdings, 1));

    Record expected;
    LayerRecord(expected, 0, 70, 50, 2, "R\xF6rsk\xE5l", noCatalogueItem);
    expected.Word(1).Float(22).Float(15);
    expected.Word(1).Float(160).Float(800).Float(300).Float(25);
    expected.Word(2).Float(6).Float(11).Word(1).Float(0.3f);
    expected.Float(35).Float(60).Float(1.5f).Word(2);
    expected.Word(1).Long(1).Long(1);
    expected.Text("PVC");
    ASSERT_EQ(Stored(module), expected.bytes);

    Counted<CInnvendigKondensModul> read;
    read.SetDefaults();
    Restore(read, expected.bytes);
    EXPECT_EQ(read.calculations, 1);
    EXPECT_EQ(read.ductShape, 1);
    EXPECT_EQ(read.givenInnerCoefficient, 15.0f);
    EXPECT_EQ(read.ductLength, 25.0f);
    EXPECT_EQ(read.flowUnit, FlowUnit::MetresPerSecond);
    EXPECT_EQ(read.supports, 1);
    EXPECT_EQ(read.insulation.Product(), Product(1));
    EXPECT_EQ(read.OuterCladding(), Cladding(CDataBase::outerCladdings, 1));
    EXPECT_TRUE(Depends(Cladding(CDataBase::outerCladdings, 1), &read));
    EXPECT_EQ(Stored(read), expected.bytes);

    read.Changed(Cladding(CDataBase::outerCladdings, 0));
    EXPECT_EQ(read.OuterCladding(), Cladding(CDataBase::outerCladdings, 0));
    EXPECT_FALSE(Depends(Cladding(CDataBase::outerCladdings, 1), &read));
    read.SetDefaults();
    EXPECT_EQ(read.OuterCladding(), nullptr);
    EXPECT_EQ(read.insulation.objectKind, 1);
    EXPECT_EQ(read.insulation.Product(), nullptr);
    EXPECT_TRUE(Cladding(CDataBase::outerCladdings, 0)->Dependents().empty());
}
