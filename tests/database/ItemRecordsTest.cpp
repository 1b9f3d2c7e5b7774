#include "CatalogueRecords.h"

using namespace catalogue_test;

// Each record is written exactly as laid out by hand, and reading it back
// restores an item that writes the same bytes again.

TEST(ItemRecords, InsulationProductsAndTheirThicknesses)
{
    CIsoTykkelse thickness;
    EXPECT_EQ(thickness.name, "25.0");
    EXPECT_EQ(Stored(thickness), isoTykkelseRecord);

    auto product = MakeIsoProdukt();
    const Bytes productRecord = isoProduktFields + Bytes{0x01, 0x00} +
                                Bytes{0xFF, 0xFF, 0x01, 0x00, 0x0C, 0x00, 'C', 'I', 's', 'o', 'T', 'y', 'k', 'k', 'e',
                                      'l', 's', 'e'} +
                                isoTykkelseRecord;
    EXPECT_EQ(Stored(*product), productRecord);

    // Reading empties the thickness list first and takes the fields as stored.
    CIsoProdukt read;
    read.thicknesses.push_back(std::make_unique<CIsoTykkelse>(80.0f));
    read.usageFlags[3] = true;
    Restore(read, productRecord);
    ASSERT_EQ(read.thicknesses.size(), 1u);
    EXPECT_EQ(read.thicknesses[0]->name, "25.0");
    EXPECT_TRUE(read.IsUsableFor(ObjectKind::Pipe));
    EXPECT_FALSE(read.IsUsableFor(ObjectKind::RectangularDuctInside));
    EXPECT_TRUE(read.IsUsableFor(ObjectKind::Tank));
    EXPECT_EQ(read.pictures[9], "v.jpg");
    EXPECT_EQ(Stored(read), productRecord);

    auto own = MakeEgendef();
    const Bytes ownRecord = egendefFields;
    EXPECT_EQ(Stored(*own), ownRecord);
    CEgendefIsoProdukt ownRead;
    ownRead.threePointMode = true;
    Restore(ownRead, ownRecord);
    EXPECT_FALSE(ownRead.threePointMode);
    EXPECT_EQ(ownRead.temperatures[3], 125.0f);
    EXPECT_EQ(ownRead.conductivities[2], 0.059f);
    EXPECT_EQ(Stored(ownRead), ownRecord);
}

TEST(ItemRecords, CladdingKeepsItsKindAsStored)
{
    auto cladding = MakeMantling();
    EXPECT_EQ(Stored(*cladding), mantlingRecord);

    CMantling read;
    Restore(read, mantlingRecord);
    EXPECT_EQ(read.name, "Plåt");
    EXPECT_EQ(read.kind, CMantling::innerCladding);
    EXPECT_EQ(read.colour, 0x00112233u);

    // A kind the program does not know is neither refused nor corrected.
    Bytes odd = mantlingRecord;
    odd[odd.size() - 2] = 0x07;
    Restore(read, odd);
    EXPECT_EQ(read.kind, 7);
    EXPECT_EQ(Stored(read), odd);
}

TEST(ItemRecords, FittingsLiquidsAndPipes)
{
    CTilleggslengde length;
    EXPECT_EQ(Stored(length), tilleggslengdeRecord);

    auto fitting = MakeTillegg2();
    const Bytes fittingRecord = tillegg2Fields + Bytes{0x01, 0x00} + NewClass("CTilleggslengde") + tilleggslengdeRecord;
    EXPECT_EQ(Stored(*fitting), fittingRecord);
    CTillegg2 fittingRead;
    fittingRead.lengths.push_back(std::make_unique<CTilleggslengde>());
    Restore(fittingRead, fittingRecord);
    EXPECT_EQ(fittingRead.lengths.size(), 1u);

    auto liquid = MakeVeske();
    EXPECT_EQ(Stored(*liquid), veskeRecord);
    CVeske liquidRead;
    liquidRead.density = 1.0f;
    Restore(liquidRead, veskeRecord);
    EXPECT_EQ(liquidRead.density, 999.0f);

    CRordimensjon dimension;
    EXPECT_EQ(Stored(dimension), rordimensjonRecord);
    Bytes swapped = rordimensjonRecord; // wall 3 mm, diameter 40 mm
    std::copy_n(Bytes{0x00, 0x00, 0x40, 0x40, 0x00, 0x00, 0x20, 0x42}.begin(), 8, swapped.end() - 8);
    Restore(dimension, swapped);
    EXPECT_EQ(dimension.wallThickness, 3.0f);
    EXPECT_EQ(dimension.outerDiameter, 40.0f);

    auto material = MakeRormaterial();
    const Bytes materialRecord = rormaterialFields + Bytes{0x01, 0x00} + NewClass("CRordimensjon") + rordimensjonRecord;
    EXPECT_EQ(Stored(*material), materialRecord);
    CRormaterial materialRead;
    Restore(materialRead, materialRecord);
    EXPECT_EQ(materialRead.minAllowedTemperature, -40.0f);
    EXPECT_EQ(Stored(materialRead), materialRecord);
}

TEST(ItemRecords, AbsorptionProductsAndThicknesses)
{
    CAbsorpsjonTykkelse thickness;
    EXPECT_EQ(thickness.name, "50.0");
    EXPECT_EQ(Stored(thickness), absorpsjonTykkelseRecord);

    auto product = MakeAbsorpsjon(CAbsorpsjon::circularDuct);
    const Bytes record =
        AbsorpsjonFields(1) + Bytes{0x01, 0x00} + NewClass("CAbsorpsjonTykkelse") + absorpsjonTykkelseRecord;
    EXPECT_EQ(Stored(*product), record);

    CAbsorpsjon read(CAbsorpsjon::rectangularDuct);
    read.thicknesses.push_back(std::make_unique<CAbsorpsjonTykkelse>());
    read.thicknesses.push_back(std::make_unique<CAbsorpsjonTykkelse>());
    Restore(read, record);
    EXPECT_EQ(read.kind, CAbsorpsjon::circularDuct);
    EXPECT_EQ(read.thicknesses.size(), 1u);
    EXPECT_EQ(read.verticalPicture, "v.jpg");
    EXPECT_EQ(read.horizontalPicture, "h.jpg");
    EXPECT_EQ(Stored(read), record);
}
