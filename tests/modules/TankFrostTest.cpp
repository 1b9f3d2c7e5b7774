#include "ModuleCatalogue.h"
#include "modules/CFrostModul.h"
#include "modules/CTankTempModul.h"

using namespace module_test;

namespace {

const std::string none = "Standard_database_element";

Bytes insulationRecord(int kind)
{
    return Record()
        .Long(0)
        .Long(0)
        .Word(1)
        .Float(80.0f)
        .Float(65.0f)
        .Word(std::uint16_t(kind))
        .Word(1)
        .Text("R\xF6rsk\xE5l")
        .Text("Egen B")
        .bytes;
}

// The tank of BusyTank below; older records have the shape after the references.
Bytes tankRecord(bool current)
{
    Record r;
    r.Add(insulationRecord(6)).Text("PVC").Text("Glykol");
    if (current)
        r.Word(255).Long(1).Float(12.0f);
    r.Word(1);
    r.Float(-8.0f).Float(2.5f).Float(3.0f).Float(4.0f).Float(6.0f).Float(7.5f);
    r.Word(1).Float(6.0f).Float(9.0f).Word(1).Float(0.35f);
    r.Word(1).Float(3500.0f).Float(1080.0f).Float(80.0f).Float(-15.0f).Float(240.0f);
    r.Word(1);
    return r.bytes;
}

// The frost module of BusyFrost below in each of its five layouts.
Bytes frostRecord(float marker)
{
    Record r;
    r.Add(insulationRecord(0)).Text("PVC");
    if (marker == -6000.0f || marker == -5000.0f)
        r.Float(marker).Float(6.5f).Long(1).Float(3.2f).Float(-12.0f);
    else if (marker == -4000.0f)
        r.Float(marker).Long(1).Float(3.2f).Float(-12.0f);
    else if (marker == -3000.0f)
        r.Float(marker).Float(3.2f).Float(-12.0f);
    else
        r.Float(-12.0f); // the oldest: the ambient temperature comes first
    r.Float(40.0f).Float(33.7f).Float(12.0f);
    r.Word(1).Word(1);
    r.Float(5.0f).Float(15.0f).Word(1).Float(0.4f).Long(1).Float(0.25f);
    if (marker == -6000.0f)
        r.Long(1).Text("25").Text("").Float(3.2f).Float(33.7f).Text("St\xE5l");
    return r.bytes;
}

} // namespace

class TankFrost : public ModuleTest {
protected:
    void BusyInsulation(CIsolasjon& layer)
    {
        layer.source = CIsolasjon::userSource;
        layer.catalogueThickness = 80.0f;
        layer.userThickness = 65.0f;
        layer.SetCatalogueProduct(Product(1));
        layer.SetUserProduct(UserProduct(1));
    }

    void BusyTank(CTankTempModul& m)
    {
        BusyInsulation(m.insulation);
        m.SetCladding(Cladding(CDataBase::outerCladdings, 1));
        m.SetMedium(Liquid(1));
        m.givenFinalTemperature = true;
        m.finalTemperature = 12.0f;
        m.tankShape = 1;
        m.ambientTemperature = -8.0f;
        m.tankDiameter = 2.5f;
        m.tankWidth = 3.0f;
        m.tankHeight = 4.0f;
        m.tankDepth = 6.0f;
        m.tankLength = 7.5f;
        m.surroundings = Surroundings::Outdoors;
        m.windSpeed = 6.0f;
        m.outerCoefficient = 9.0f;
        m.ownEmissivity = true;
        m.emissivity = 0.35f;
        m.mediumSource = 1;
        m.heatCapacity = 3500.0f;
        m.density = 1080.0f;
        m.startTemperature = 80.0f;
        m.freezingPoint = -15.0f;
        m.storageTime = 240.0f;
        m.resultsValid = true;
    }

    void ExpectTankFields(const CTankTempModul& m)
    {
        EXPECT_EQ(m.insulation.objectKind, 6);
        EXPECT_EQ(m.insulation.Product(), UserProduct(1));
        EXPECT_EQ(m.insulation.CatalogueProduct(), Product(1));
        EXPECT_EQ(m.insulation.catalogueThickness, 80.0f);
        EXPECT_EQ(m.insulation.userThickness, 65.0f);
        EXPECT_EQ(m.Cladding(), Cladding(CDataBase::outerCladdings, 1));
        EXPECT_EQ(m.Medium(), Liquid(1));
        EXPECT_TRUE(Depends(Liquid(1), &m));
        EXPECT_TRUE(Depends(Cladding(CDataBase::outerCladdings, 1), &m));
        EXPECT_EQ(m.tankShape, 1);
        EXPECT_EQ(m.ambientTemperature, -8.0f);
        EXPECT_EQ(m.tankDiameter, 2.5f);
        EXPECT_EQ(m.tankWidth, 3.0f);
        EXPECT_EQ(m.tankHeight, 4.0f);
        EXPECT_EQ(m.tankDepth, 6.0f);
        EXPECT_EQ(m.tankLength, 7.5f);
        EXPECT_EQ(m.surroundings, Surroundings::Outdoors);
        EXPECT_EQ(m.windSpeed, 6.0f);
        EXPECT_EQ(m.outerCoefficient, 9.0f);
        EXPECT_TRUE(m.ownEmissivity);
        EXPECT_EQ(m.emissivity, 0.35f);
        EXPECT_EQ(m.mediumSource, 1);
        EXPECT_EQ(m.heatCapacity, 3500.0f);
        EXPECT_EQ(m.density, 1080.0f);
        EXPECT_EQ(m.startTemperature, 80.0f);
        EXPECT_EQ(m.freezingPoint, -15.0f);
        EXPECT_EQ(m.storageTime, 240.0f);
        EXPECT_TRUE(m.resultsValid);
    }

    void BusyFrost(CFrostModul& m)
    {
        BusyInsulation(m.insulation);
        m.SetCladding(Cladding(CDataBase::outerCladdings, 1));
        m.standstillTime = 6.5f;
        m.calculationMode = 1;
        m.wallThickness = 3.2f;
        m.ambientTemperature = -12.0f;
        m.freezeFraction = 40.0f;
        m.pipeDiameter = 33.7f;
        m.startTemperature = 12.0f;
        m.surroundings = Surroundings::Outdoors;
        m.resultsValid = true;
        m.windSpeed = 5.0f;
        m.outerCoefficient = 15.0f;
        m.ownEmissivity = true;
        m.emissivity = 0.4f;
        m.vertical = 1;
        m.pipeEmissivity = 0.25f;
        m.ownPipeDimension = true;
        m.Pipe().SetMaterial(Material(0), false);
        m.Pipe().SetDimension(*Material(0)->dimensions[1]);
    }
};

TEST_F(TankFrost, TankByteForByteAndBack)
{
    Counting<CTankTempModul> busy;
    BusyTank(busy);
    ASSERT_EQ(Stored(busy), tankRecord(true));
    Counting<CTankTempModul> read;
    Restore(read, tankRecord(true));
    ExpectTankFields(read);
    EXPECT_TRUE(read.givenFinalTemperature);
    EXPECT_EQ(read.finalTemperature, 12.0f);
    EXPECT_EQ(read.calculations, 1);
    EXPECT_EQ(Stored(read), tankRecord(true));
    EXPECT_TRUE(chooser.Requests().empty());

    read.SetDefaults();
    EXPECT_FALSE(read.resultsValid);
    EXPECT_EQ(read.Cladding(), nullptr);
    EXPECT_EQ(read.Medium(), nullptr);
    EXPECT_FALSE(read.insulation.HasProduct());
    EXPECT_EQ(read.insulation.objectKind, 6);
    EXPECT_FALSE(Depends(Liquid(1), &read));
    EXPECT_TRUE(Depends(Liquid(1), &busy));
    EXPECT_EQ(read.tankDiameter, 5.0f);
    EXPECT_EQ(read.storageTime, 500.0f);
    EXPECT_EQ(read.ambientTemperature, 10.0f);
    EXPECT_EQ(read.startTemperature, 50.0f);
    EXPECT_EQ(read.finalTemperature, 25.0f);

    read.Changed(Cladding(CDataBase::outerCladdings, 0));
    read.Changed(Liquid(0));
    EXPECT_EQ(read.Cladding(), Cladding(CDataBase::outerCladdings, 0));
    EXPECT_EQ(read.Medium(), Liquid(0));
}

TEST_F(TankFrost, OlderTankRecordKeepsTheFinalTemperature)
{
    Counting<CTankTempModul> read;
    read.finalTemperature = 30.0f;
    Restore(read, tankRecord(false));
    ExpectTankFields(read);
    EXPECT_FALSE(read.givenFinalTemperature);
    EXPECT_EQ(read.finalTemperature, 30.0f);
    // Saved again it has the marker.
    Counting<CTankTempModul> current;
    Restore(current, Stored(read));
    EXPECT_EQ(current.finalTemperature, 30.0f);
    EXPECT_EQ(current.tankShape, 1);
}

TEST_F(TankFrost, FrostByteForByteAndBack)
{
    Counting<CFrostModul> busy;
    BusyFrost(busy);
    ASSERT_EQ(Stored(busy), frostRecord(-6000.0f));
    Counting<CFrostModul> read;
    Restore(read, frostRecord(-6000.0f));
    EXPECT_EQ(read.calculations, 1);
    EXPECT_EQ(read.insulation.Product(), UserProduct(1));
    EXPECT_EQ(read.insulation.objectKind, 0);
    EXPECT_EQ(read.Cladding(), Cladding(CDataBase::outerCladdings, 1));
    EXPECT_EQ(read.standstillTime, 6.5f);
    EXPECT_EQ(read.calculationMode, 1);
    EXPECT_EQ(read.wallThickness, 3.2f);
    EXPECT_EQ(read.ambientTemperature, -12.0f);
    EXPECT_EQ(read.freezeFraction, 40.0f);
    EXPECT_EQ(read.pipeDiameter, 33.7f);
    EXPECT_EQ(read.startTemperature, 12.0f);
    EXPECT_EQ(read.surroundings, Surroundings::Outdoors);
    EXPECT_EQ(read.windSpeed, 5.0f);
    EXPECT_EQ(read.outerCoefficient, 15.0f);
    EXPECT_TRUE(read.ownEmissivity);
    EXPECT_EQ(read.emissivity, 0.4f);
    EXPECT_EQ(read.vertical, 1);
    EXPECT_EQ(read.pipeEmissivity, 0.25f);
    EXPECT_TRUE(read.ownPipeDimension);
    EXPECT_TRUE(read.Pipe().SameAs(busy.Pipe()));
    EXPECT_EQ(read.Pipe().CatalogueDimension(), Material(0)->dimensions[1].get());
    EXPECT_TRUE(Depends(Material(0), &read));
    EXPECT_EQ(Stored(read), frostRecord(-6000.0f));

    read.SetDefaults();
    EXPECT_EQ(read.calculationMode, 0);
    EXPECT_EQ(read.standstillTime, 8.0f);
    EXPECT_EQ(read.startTemperature, 8.0f);
    EXPECT_EQ(read.ambientTemperature, -20.0f);
    EXPECT_EQ(read.freezeFraction, 25.0f);
    EXPECT_EQ(read.Pipe().Record().name, "15");
    EXPECT_EQ(read.pipeDiameter, 21.3f);
    EXPECT_EQ(read.wallThickness, 2.6f);
    EXPECT_EQ(read.pipeEmissivity, 0.55f);
    EXPECT_EQ(read.Cladding(), nullptr);
    EXPECT_FALSE(read.insulation.HasProduct());
}

TEST_F(TankFrost, FrostReadsItsFiveLayouts)
{
    for (float marker : {-5000.0f, -4000.0f, -3000.0f, 17.0f}) {
        SCOPED_TRACE(marker);
        Counting<CFrostModul> read;
        Restore(read, frostRecord(marker));
        // In every layout.
        EXPECT_EQ(read.ambientTemperature, -12.0f);
        EXPECT_EQ(read.freezeFraction, 40.0f);
        EXPECT_EQ(read.pipeDiameter, 33.7f);
        EXPECT_EQ(read.startTemperature, 12.0f);
        EXPECT_EQ(read.pipeEmissivity, 0.25f);
        EXPECT_EQ(read.vertical, 1);
        EXPECT_EQ(read.calculations, 1);
        EXPECT_EQ(read.standstillTime, marker == -5000.0f ? 6.5f : 8.0f);
        EXPECT_EQ(read.calculationMode, marker <= -4000.0f ? 1 : 0);
        EXPECT_EQ(read.wallThickness, marker <= -3000.0f ? 3.2f : 2.6f);
        // No pipe block before −6000: the first material and dimension.
        EXPECT_FALSE(read.ownPipeDimension);
        EXPECT_EQ(read.Pipe().Material(), Material(0));
        EXPECT_EQ(read.Pipe().Record().name, "15");

        Counting<CFrostModul> current;
        const Bytes resaved = Stored(read);
        Restore(current, resaved);
        EXPECT_EQ(current.standstillTime, read.standstillTime);
        EXPECT_EQ(Stored(current), resaved);
    }
}

TEST_F(TankFrost, ChoicesOutsideTheirRangeMakeTheRecordUnreadable)
{
    Bytes badShape = tankRecord(false);
    // The shape WORD follows the insulation (37 bytes) and the two names.
    const std::size_t shapeAt = 37 + 4 + 7;
    ASSERT_EQ(badShape[shapeAt], 1);
    badShape[shapeAt] = 3;
    CTankTempModul tank;
    {
        CArchive ar(badShape);
        EXPECT_THROW(tank.Serialize(ar), ArchiveError);
    }
    // The mode LONG follows the marker and the standstill time.
    Bytes badMode = frostRecord(-6000.0f);
    const std::size_t modeAt = 37 + 4 + 4 + 4;
    ASSERT_EQ(badMode[modeAt], 1);
    badMode[modeAt] = 2;
    CFrostModul frost;
    CArchive ar(badMode);
    EXPECT_THROW(frost.Serialize(ar), ArchiveError);
}
