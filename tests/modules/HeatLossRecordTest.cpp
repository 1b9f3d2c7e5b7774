#include "ModuleCatalogue.h"
#include "modules/CVarmeTapModul.h"

#include <filesystem>

#include <unistd.h>

using namespace module_test;

namespace {

using CountingVarmeTap = Counting<CVarmeTapModul>;

const std::string none = "Standard_database_element";

Bytes layerRecord(int source, float catalogueThickness, float userThickness, int kind, const std::string& product,
                  const std::string& userProduct)
{
    return Record()
        .Long(0)
        .Long(0)
        .Word(std::uint16_t(source))
        .Float(catalogueThickness)
        .Float(userThickness)
        .Word(std::uint16_t(kind))
        .Word(1)
        .Text(product)
        .Text(userProduct)
        .bytes;
}

// The module of BusyModule below, as each layout holds it.
Bytes heatLossRecord(int version)
{
    Record r;
    r.Add(layerRecord(1, 60.0f, 70.0f, 3, "Lamell", "Egen B"));
    r.Add(layerRecord(0, 30.0f, 50.0f, 3, "R\xF6rsk\xE5l", none));
    r.Word(2).NewClass("CTilleggsutstyr");
    r.Text("Ventil; 2 stk").Long(2).Long(0).Float(1.0f).Text("Ventil");
    r.Word(0x8001).Text("Kran; 3 stk").Long(3).Long(1).Float(0.7f).Text(none);
    switch (version) {
    case 297:
        r.Word(297).Long(2).Float(3.5f).Float(0.8f).Long(2).Word(1);
        break;
    case 296:
        r.Word(296).Long(2).Float(3.5f).Word(1).Float(0.8f).Long(2);
        break;
    case 295:
        r.Word(295).Long(2).Float(3.5f).Word(1);
        break;
    default:
        r.Word(1); // the energy flag itself
        break;
    }
    r.Word(3).Word(3).Float(120.5f).Word(1);
    r.Float(-5.0f).Float(35.0f).Float(315.0f);
    r.Float(400.0f).Float(300.0f).Float(12.5f).Float(3.5f).Word(1);
    r.Word(2).Float(4.5f).Float(8.0f).Word(1).Float(0.45f);
    r.Float(4000.0f).Float(85.0f).Float(25.0f).Word(1).Word(1);
    r.Long(1).Float(300.0f).Long(1).Float(0.05f);
    if (version == 297) {
        r.Float(22.5f).Float(1.5f).Long(1);
        r.Text("22").Text("").Float(1.2f).Float(22.0f);
    }
    r.Text("Puts").Text("Inre folie");
    if (version == 297)
        r.Text("Koppar");
    return r.bytes;
}

} // namespace

class HeatLossRecord : public ModuleTest {
protected:
    // Every field away from its default.
    void Busy(CVarmeTapModul& m)
    {
        m.criterion = Criterion::GivenClass;
        m.objectKind = ObjectKind::RectangularDuctInside;
        m.mediumTemp = 120.5f;
        m.ambientTemp = -5.0f;
        m.givenSurfaceTemp = 35.0f;
        m.diameter = 315.0f;
        m.width = 400.0f;
        m.height = 300.0f;
        m.length = 12.5f;
        m.area = 3.5f;
        m.twoLayers = true;
        m.layer1.objectKind = 3;
        m.layer1.source = CIsolasjon::userSource;
        m.layer1.catalogueThickness = 60.0f;
        m.layer1.userThickness = 70.0f;
        m.layer1.SetCatalogueProduct(Product(0));
        m.layer1.SetUserProduct(UserProduct(1));
        m.layer2.objectKind = 3;
        m.layer2.catalogueThickness = 30.0f;
        m.layer2.SetCatalogueProduct(Product(1));
        m.surroundings = Surroundings::GivenCoefficient;
        m.windSpeed = 4.5f;
        m.givenCoefficient = 8.0f;
        m.emissivityTyped = true;
        m.typedEmissivity = 0.45f;
        m.SetOuterCladding(Cladding(CDataBase::insideOuterSurfaces, 0));
        m.innerCladdingUsed = true;
        m.SetInnerCladding(Cladding(CDataBase::innerCladdings, 0));
        m.fittingsUsed = true;
        auto valve = std::make_unique<CTilleggsutstyr>();
        valve->SetFittingType(Fitting(0));
        valve->count = 2;
        valve->UpdateName("");
        m.fittings.push_back(std::move(valve));
        auto own = std::make_unique<CTilleggsutstyr>();
        own->ownDefined = true;
        own->count = 3;
        own->ownLength = 0.7f;
        own->UpdateName("Kran");
        m.fittings.push_back(std::move(own));
        m.operatingHours = 4000.0f;
        m.energyPrice = 85.0f;
        m.energyCalc = true;
        m.givenHeatLoss = 25.0f;
        m.co2Factor = 300.0f;
        m.flowUnit = FlowUnit::MetresPerSecond;
        m.flow = 3.5f;
        m.orientation = 1;
        m.supports = true;
        m.bareEmissivity = 0.05f;
        m.spillFactor = 0.8f;
        m.givenClass = 2;
        m.ownDimension = true;
        m.Pipe().SetMaterial(Material(1), false);
        m.Pipe().SetDimension(*Material(1)->dimensions[1]);
        m.pipeOuterDiameter = 22.5f;
        m.pipeWall = 1.5f;
        m.resultsValid = true;
    }

    // The fields every layout holds.
    void ExpectCommonFields(const CVarmeTapModul& m)
    {
        EXPECT_EQ(m.criterion, Criterion::GivenClass);
        EXPECT_EQ(m.objectKind, ObjectKind::RectangularDuctInside);
        EXPECT_EQ(m.mediumTemp, 120.5f);
        EXPECT_EQ(m.ambientTemp, -5.0f);
        EXPECT_EQ(m.givenSurfaceTemp, 35.0f);
        EXPECT_EQ(m.diameter, 315.0f);
        EXPECT_EQ(m.width, 400.0f);
        EXPECT_EQ(m.height, 300.0f);
        EXPECT_EQ(m.length, 12.5f);
        EXPECT_EQ(m.area, 3.5f);
        EXPECT_TRUE(m.twoLayers);
        EXPECT_EQ(m.layer1.source, CIsolasjon::userSource);
        EXPECT_EQ(m.layer1.catalogueThickness, 60.0f);
        EXPECT_EQ(m.layer1.userThickness, 70.0f);
        EXPECT_EQ(m.layer1.objectKind, 3);
        EXPECT_EQ(m.layer1.CatalogueProduct(), Product(0));
        EXPECT_EQ(m.layer1.UserProduct(), UserProduct(1));
        EXPECT_EQ(m.layer2.Product(), Product(1));
        EXPECT_EQ(m.layer2.Thickness(), 30.0f);
        EXPECT_EQ(m.surroundings, Surroundings::GivenCoefficient);
        EXPECT_EQ(m.windSpeed, 4.5f);
        EXPECT_EQ(m.givenCoefficient, 8.0f);
        EXPECT_TRUE(m.emissivityTyped);
        EXPECT_EQ(m.typedEmissivity, 0.45f);
        EXPECT_EQ(m.OuterCladding(), Cladding(CDataBase::insideOuterSurfaces, 0));
        EXPECT_TRUE(m.innerCladdingUsed);
        EXPECT_EQ(m.InnerCladding(), Cladding(CDataBase::innerCladdings, 0));
        EXPECT_TRUE(m.fittingsUsed);
        ASSERT_EQ(m.fittings.size(), 2u);
        EXPECT_EQ(m.fittings[0]->name, "Ventil; 2 stk");
        EXPECT_EQ(m.fittings[0]->FittingType(), Fitting(0));
        EXPECT_EQ(m.fittings[1]->name, "Kran; 3 stk");
        EXPECT_TRUE(m.fittings[1]->ownDefined);
        EXPECT_EQ(m.fittings[1]->ownLength, 0.7f);
        EXPECT_EQ(m.operatingHours, 4000.0f);
        EXPECT_EQ(m.energyPrice, 85.0f);
        EXPECT_TRUE(m.energyCalc);
        EXPECT_EQ(m.givenHeatLoss, 25.0f);
        EXPECT_EQ(m.co2Factor, 300.0f);
        EXPECT_EQ(m.orientation, 1);
        EXPECT_TRUE(m.supports);
        EXPECT_EQ(m.bareEmissivity, 0.05f);
        EXPECT_TRUE(m.resultsValid);
        EXPECT_TRUE(Depends(m.OuterCladding(), &m));
        EXPECT_TRUE(Depends(m.InnerCladding(), &m));
    }

    void ExpectDefaultPipe(const CVarmeTapModul& m)
    {
        EXPECT_EQ(m.Pipe().Material(), Material(0));
        EXPECT_EQ(m.Pipe().CatalogueDimension(), Material(0)->dimensions[0].get());
        EXPECT_EQ(m.Pipe().Record().name, "15");
        EXPECT_EQ(m.pipeOuterDiameter, 21.3f);
        EXPECT_EQ(m.pipeWall, 2.6f);
        EXPECT_FALSE(m.ownDimension);
    }
};

TEST_F(HeatLossRecord, CurrentLayoutByteForByteAndBack)
{
    CountingVarmeTap busy;
    Busy(busy);
    const Bytes expected = heatLossRecord(297);
    ASSERT_EQ(Stored(busy), expected);

    CountingVarmeTap read;
    Restore(read, expected);
    ExpectCommonFields(read);
    EXPECT_EQ(read.flowUnit, FlowUnit::MetresPerSecond);
    EXPECT_EQ(read.flow, 3.5f);
    EXPECT_EQ(read.spillFactor, 0.8f);
    EXPECT_EQ(read.givenClass, 2);
    EXPECT_TRUE(read.ownDimension);
    EXPECT_EQ(read.pipeOuterDiameter, 22.5f);
    EXPECT_EQ(read.pipeWall, 1.5f);
    EXPECT_EQ(read.Pipe().Material(), Material(1));
    EXPECT_EQ(read.Pipe().CatalogueDimension(), Material(1)->dimensions[1].get());
    EXPECT_TRUE(read.Pipe().SameAs(busy.Pipe()));
    EXPECT_TRUE(Depends(Material(1), &read));
    EXPECT_TRUE(Depends(Material(1)->dimensions[1].get(), &read));
    // Results are never read: a calculated module calculates again.
    EXPECT_EQ(read.calculations, 1);
    EXPECT_EQ(Stored(read), expected);
    EXPECT_TRUE(chooser.Requests().empty());

    read.resultsValid = false;
    const Bytes uncalculated = Stored(read);
    CountingVarmeTap again;
    Restore(again, uncalculated);
    EXPECT_EQ(again.calculations, 0);
    EXPECT_FALSE(again.resultsValid);
}

TEST_F(HeatLossRecord, OlderLayoutsKeepTheFieldsTheyLack)
{
    for (int version : {296, 295, 0}) {
        SCOPED_TRACE(version);
        CountingVarmeTap read;
        Restore(read, heatLossRecord(version));
        ExpectCommonFields(read);
        EXPECT_EQ(read.calculations, 1);
        if (version == 296) {
            EXPECT_EQ(read.spillFactor, 0.8f);
            EXPECT_EQ(read.givenClass, 2);
        } else {
            EXPECT_EQ(read.spillFactor, 1.0f);
            EXPECT_EQ(read.givenClass, 5);
        }
        if (version != 0) {
            EXPECT_EQ(read.flowUnit, FlowUnit::MetresPerSecond);
            EXPECT_EQ(read.flow, 3.5f);
        } else {
            EXPECT_EQ(read.flowUnit, FlowUnit::CubicMetresPerHour);
            EXPECT_EQ(read.flow, 10.0f);
        }
        // No pipe in these layouts: the catalogue's first, as for a new document.
        ExpectDefaultPipe(read);

        // Saved again, it is a record of the current layout.
        const Bytes resaved = Stored(read);
        ASSERT_GT(resaved.size(), 200u);
        CountingVarmeTap current;
        Restore(current, resaved);
        EXPECT_EQ(current.givenClass, read.givenClass);
        EXPECT_EQ(Stored(current), resaved);
    }
}

TEST_F(HeatLossRecord, DefaultsTakeTheFirstPipeAndLetGoOfEverything)
{
    CVarmeTapModul m;
    ExpectDefaultPipe(m);
    EXPECT_EQ(m.bareEmissivity, 0.55f);
    EXPECT_EQ(m.mediumTemp, 50.0f);
    EXPECT_EQ(m.givenClass, 5);
    EXPECT_EQ(m.co2Factor, 750.0f);
    EXPECT_EQ(m.typedEmissivity, 0.94f);
    EXPECT_EQ(m.layer1.Thickness(), 50.0f);
    EXPECT_TRUE(m.layer1.askThickness);

    Busy(m);
    m.SetDefaults();
    EXPECT_FALSE(m.resultsValid);
    EXPECT_TRUE(m.fittings.empty());
    EXPECT_EQ(m.OuterCladding(), nullptr);
    EXPECT_EQ(m.InnerCladding(), nullptr);
    EXPECT_FALSE(m.layer1.HasProduct());
    EXPECT_EQ(m.layer1.objectKind, 0);
    EXPECT_EQ(m.layer1.source, CIsolasjon::catalogueSource);
    ExpectDefaultPipe(m);
    for (int list : {CDataBase::insulationProducts, CDataBase::insideOuterSurfaces, CDataBase::innerCladdings,
                     CDataBase::fittings})
        for (const auto& entry : database.lists[std::size_t(list)])
            EXPECT_TRUE(entry->Dependents().empty()) << entry->name;
    EXPECT_FALSE(Depends(Material(1), &m));
    EXPECT_FALSE(Depends(Material(1)->dimensions[1].get(), &m));
}

TEST_F(HeatLossRecord, ChangedRepointsByKindAndPipe)
{
    CVarmeTapModul m;
    m.Changed(Cladding(CDataBase::innerCladdings, 0));
    EXPECT_EQ(m.InnerCladding(), Cladding(CDataBase::innerCladdings, 0));
    EXPECT_EQ(m.OuterCladding(), nullptr);
    m.Changed(Cladding(CDataBase::insideOuterSurfaces, 0));
    m.Changed(Cladding(CDataBase::outerCladdings, 1));
    EXPECT_EQ(m.OuterCladding(), Cladding(CDataBase::outerCladdings, 1));
    EXPECT_FALSE(Depends(Cladding(CDataBase::insideOuterSurfaces, 0), &m));
    EXPECT_TRUE(Depends(Cladding(CDataBase::innerCladdings, 0), &m));

    // Another material: the record stays, and none of its dimensions matches it.
    m.Changed(Material(1));
    EXPECT_EQ(m.Pipe().Material(), Material(1));
    EXPECT_EQ(m.Pipe().Record().name, "15");
    EXPECT_EQ(m.Pipe().CatalogueDimension(), nullptr);
    EXPECT_FALSE(Depends(Material(0)->dimensions[0].get(), &m));
}

TEST_F(HeatLossRecord, DatabaseEditRepointsEveryReference)
{
    const auto path = std::filesystem::temp_directory_path() / ("tekvar-heatloss-" + std::to_string(::getpid()));
    database.filePath = path.string();
    CVarmeTapModul m;
    Busy(m);
    editors.edit = [](CItem&) { return true; };
    ASSERT_TRUE(database.Edit());
    std::filesystem::remove(path);
    // Every list now holds copies: the module and its items point at those.
    EXPECT_EQ(m.OuterCladding(), Cladding(CDataBase::insideOuterSurfaces, 0));
    EXPECT_EQ(m.InnerCladding(), Cladding(CDataBase::innerCladdings, 0));
    EXPECT_EQ(m.layer1.CatalogueProduct(), Product(0));
    EXPECT_EQ(m.layer2.CatalogueProduct(), Product(1));
    EXPECT_EQ(m.fittings[0]->FittingType(), Fitting(0));
    EXPECT_EQ(m.Pipe().Material(), Material(1));
    EXPECT_EQ(m.Pipe().CatalogueDimension(), Material(1)->dimensions[1].get());
    EXPECT_TRUE(Depends(Material(1)->dimensions[1].get(), &m));
}

TEST_F(HeatLossRecord, OwnDimensionAndMissingItems)
{
    CVarmeTapModul m;
    CRordimensjon own;
    own.name = "Eget";
    own.outerDiameter = 40.0f;
    own.wallThickness = 2.0f;
    m.Pipe().SetDimension(own);
    EXPECT_EQ(m.Pipe().CatalogueDimension(), nullptr);
    const Bytes stored = Stored(m);
    CVarmeTapModul read;
    Restore(read, stored);
    EXPECT_EQ(read.Pipe().Material(), Material(0));
    EXPECT_EQ(read.Pipe().Record().name, "Eget");
    EXPECT_EQ(read.Pipe().Record().outerDiameter, 40.0f);
    EXPECT_EQ(read.Pipe().CatalogueDimension(), nullptr);
    EXPECT_EQ(Stored(read), stored);
    // Same name, other values: still the user's own.
    own.name = "15";
    m.Pipe().SetDimension(own);
    EXPECT_EQ(m.Pipe().CatalogueDimension(), nullptr);

    // Gone from the catalogue since: the user chooses, in the order of reading.
    Bytes renamed = heatLossRecord(297);
    auto replace = [&renamed](const std::string& from, const std::string& to) {
        const Bytes was = Record().Text(from).bytes;
        const Bytes now = Record().Text(to).bytes;
        auto at = std::search(renamed.begin(), renamed.end(), was.begin(), was.end());
        ASSERT_NE(at, renamed.end());
        at = renamed.erase(at, at + std::ptrdiff_t(was.size()));
        renamed.insert(at, now.begin(), now.end());
    };
    replace("Puts", "Kalk");
    replace("Koppar", "M\xE4ssing");
    chooser.QueueAnswer(0);
    chooser.QueueAnswer(1);
    CVarmeTapModul missing;
    Restore(missing, renamed);
    ASSERT_EQ(chooser.Requests().size(), 2u);
    EXPECT_EQ(chooser.Requests()[0].message,
              "Ytbeklädnaden Kalk är borttagen från databasen efter att filen blev sparad. För att beräkningarna i "
              "programmet skall fungera måste man välja en annan ytbeklädnad i rullgardinen nedan.");
    EXPECT_EQ(chooser.Requests()[0].names, std::vector<std::string>{"Puts"});
    EXPECT_EQ(chooser.Requests()[1].message,
              "Rörtypen Mässing är borttagen från databasen efter att filen blev sparad. För att beräkningarna i "
              "programmet skall fungera måste man välja en annan rörtyp i rullgardinen nedan.");
    EXPECT_EQ(missing.OuterCladding(), Cladding(CDataBase::insideOuterSurfaces, 0));
    EXPECT_EQ(missing.Pipe().Material(), Material(1));
    EXPECT_EQ(missing.Pipe().CatalogueDimension(), Material(1)->dimensions[1].get());
}

TEST_F(HeatLossRecord, DatabaseWithoutPipeMaterials)
{
    ClearList(database.lists[CDataBase::pipeMaterials]);
    CVarmeTapModul m;
    EXPECT_EQ(m.Pipe().Material(), nullptr);
    EXPECT_EQ(m.Pipe().Record().name, "");
    EXPECT_EQ(m.pipeOuterDiameter, 32.0f);
    EXPECT_EQ(m.pipeWall, 2.0f);
    EXPECT_EQ(m.bareEmissivity, 0.5f);
    const Bytes stored = Stored(m);
    // The empty record, then the text for no material.
    const Bytes tail = Record().Text("").Text("").Float(2.0f).Float(32.0f).Text(none).Text(none).Text(none).bytes;
    ASSERT_GT(stored.size(), tail.size());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), stored.end() - std::ptrdiff_t(tail.size())));
    CVarmeTapModul read;
    Restore(read, stored);
    EXPECT_EQ(read.Pipe().Material(), nullptr);
    EXPECT_EQ(Stored(read), stored);
    EXPECT_TRUE(chooser.Requests().empty());
}

TEST_F(HeatLossRecord, ChoicesOutsideTheirRangeMakeTheRecordUnreadable)
{
    const Bytes good = heatLossRecord(297);
    // The object kind of layer 1, after the reserved words, source and thicknesses.
    const std::size_t layerKind = 4 + 4 + 2 + 4 + 4;
    Bytes badLayer = good;
    badLayer[layerKind] = 7; // no object kind 7
    CVarmeTapModul read;
    {
        CArchive ar(badLayer);
        EXPECT_THROW(read.Serialize(ar), ArchiveError);
    }
    // The class index of the version-297 block: its last LONG before the energy WORD.
    const Bytes block = Record().Word(297).Long(2).Float(3.5f).Float(0.8f).Long(2).Word(1).bytes;
    auto at = std::search(good.begin(), good.end(), block.begin(), block.end());
    ASSERT_NE(at, good.end());
    Bytes badClass = good;
    badClass[std::size_t(at - good.begin()) + 2 + 4 + 4 + 4] = 7; // "Isoleringsklass 8"
    CVarmeTapModul other;
    CArchive ar(badClass);
    EXPECT_THROW(other.Serialize(ar), ArchiveError);
    Bytes goodClass = good;
    goodClass[std::size_t(at - good.begin()) + 2 + 4 + 4 + 4] = 6;
    Restore(other, goodClass);
    EXPECT_EQ(other.givenClass, 6);
}
