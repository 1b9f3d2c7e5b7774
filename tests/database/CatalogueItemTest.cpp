#include "CatalogueRecords.h"

using namespace catalogue_test;

namespace {

std::unique_ptr<CTilleggslengde> length(float metres, float from, float to)
{
    auto item = std::make_unique<CTilleggslengde>();
    item->equivalentLength = metres;
    item->minPipeDiameter = from;
    item->maxPipeDiameter = to;
    item->UpdateName();
    return item;
}

} // namespace

TEST(FittingLength, FirstRangeThatHoldsTheDiameterElseTheNearestEnd)
{
    CTillegg2 fitting;
    fitting.lengths.push_back(length(1.0f, 10, 50));
    fitting.lengths.push_back(length(2.0f, 51, 100));
    EXPECT_EQ(fitting.lengths[1]->name, "51 - 100 mm");
    EXPECT_EQ(fitting.EquivalentLength(50.0f), 1.0f);
    EXPECT_EQ(fitting.EquivalentLength(10.0f), 1.0f);
    EXPECT_EQ(fitting.EquivalentLength(51.0f), 2.0f);
    EXPECT_EQ(fitting.EquivalentLength(50.5f), 2.0f); // in the gap: the last range
    EXPECT_EQ(fitting.EquivalentLength(5.0f), 1.0f);
    EXPECT_EQ(fitting.EquivalentLength(500.0f), 2.0f);
}

TEST(FittingLength, ListOrderIsByLengthNotByDiameter)
{
    CTillegg2 fitting;
    fitting.lengths.push_back(length(1.0f, 51, 100));
    fitting.lengths.push_back(length(3.0f, 10, 50));
    EXPECT_EQ(fitting.EquivalentLength(5.0f), 1.0f); // below the first item's range
    EXPECT_EQ(fitting.EquivalentLength(500.0f), 3.0f);
    EXPECT_EQ(fitting.EquivalentLength(30.0f), 3.0f);

    // Overlapping ranges: the first in list order wins.
    fitting.lengths.push_back(length(7.0f, 0, 1000));
    EXPECT_EQ(fitting.EquivalentLength(75.0f), 1.0f);

    // Only a data file can hold a type without lengths.
    EXPECT_EQ(CTillegg2().EquivalentLength(50.0f), 0.0f);
}

TEST(FittingLength, ComparisonAndCopies)
{
    auto fitting = MakeTillegg2();
    auto other = MakeTillegg2();
    other->name = "Fläns";
    EXPECT_TRUE(fitting->IsEqual(*other));
    other->lengths[0]->maxPipeDiameter = 60.0f; // the name is not compared, the range is
    EXPECT_FALSE(fitting->IsEqual(*other));
    EXPECT_FALSE(fitting->lengths[0]->IsEqual(*other->lengths[0]));

    auto copy = fitting->Clone();
    auto& typed = static_cast<CTillegg2&>(*copy);
    typed.lengths[0]->equivalentLength = 9.0f;
    EXPECT_EQ(fitting->lengths[0]->equivalentLength, 1.0f);
    EXPECT_FALSE(fitting->IsEqual(typed));
}

TEST(PipeMaterial, WallConductivityAndComparisonByDimensionNames)
{
    CRormaterial copper;
    copper.conductivityAtZero = 380.0f;
    copper.temperatureCoefficient = -0.05f;
    EXPECT_FLOAT_EQ(copper.WallConductivity(100.0f), 375.0f);
    EXPECT_FLOAT_EQ(copper.WallConductivity(0.0f), 380.0f);

    auto steel = MakeRormaterial();
    auto other = MakeRormaterial();
    other->conductivityAtZero = 50.0f; // the material's numbers are not compared
    other->dimensions[0]->outerDiameter = 48.3f;
    EXPECT_TRUE(steel->IsEqual(*other));
    other->dimensions[0]->name = "DN40";
    EXPECT_FALSE(steel->IsEqual(*other));
    other->dimensions[0]->name = "50.0";
    other->dimensions.push_back(std::make_unique<CRordimensjon>());
    EXPECT_FALSE(steel->IsEqual(*other));
}

TEST(Liquids, AndCladdingsCompareTheirCalculationValues)
{
    auto water = MakeVeske();
    auto changed = MakeVeske();
    EXPECT_TRUE(water->IsEqual(*changed));
    changed->density = 1000.0f;
    EXPECT_FALSE(water->IsEqual(*changed));
    changed = MakeVeske();
    changed->freezingPoint = -0.5f;
    EXPECT_FALSE(water->IsEqual(*changed));

    auto cladding = MakeMantling(CMantling::outerCladding);
    auto recoloured = MakeMantling(CMantling::innerCladding);
    recoloured->colour = 0;
    EXPECT_TRUE(cladding->IsEqual(*recoloured));
    recoloured->emissivity = 0.91f;
    EXPECT_FALSE(cladding->IsEqual(*recoloured));
    EXPECT_FALSE(cladding->IsEqual(*water));

    auto clone = cladding->Clone();
    EXPECT_EQ(static_cast<CMantling&>(*clone).kind, CMantling::outerCladding);
    EXPECT_EQ(static_cast<CMantling&>(*clone).colour, 0x00112233u);
}

TEST(Absorbers, EqualByThicknessNamesAndValuesDifferExactly)
{
    auto product = MakeAbsorpsjon(CAbsorpsjon::rectangularDuct);
    auto other = MakeAbsorpsjon(CAbsorpsjon::circularDuct);
    other->thicknesses[0]->factors[2] = 0.5f;
    other->colour1 = 0;
    EXPECT_TRUE(product->IsEqual(*other));
    EXPECT_TRUE(product->thicknesses[0]->ValuesDiffer(*other->thicknesses[0]));
    EXPECT_FALSE(product->thicknesses[0]->ValuesDiffer(*product->thicknesses[0]));

    CAbsorpsjonTykkelse thicker;
    thicker.SetThickness(50.04f); // same name, other thickness
    EXPECT_EQ(thicker.name, "50.0");
    EXPECT_TRUE(thicker.ValuesDiffer(*product->thicknesses[0]));
    EXPECT_TRUE(thicker.IsEqual(*product->thicknesses[0]));
    EXPECT_EQ(thicker.Factor(5), 1.0f);

    other->thicknesses[0]->SetThickness(100.0f);
    EXPECT_FALSE(product->IsEqual(*other));

    // A clone keeps what no editor sets: the kind, the colours and the pictures.
    product->colour1 = 0x00010203;
    auto clone = product->Clone();
    auto& copy = static_cast<CAbsorpsjon&>(*clone);
    EXPECT_EQ(copy.colour1, 0x00010203u);
    EXPECT_EQ(copy.colour2, product->colour2);
    EXPECT_EQ(copy.fourSidesPicture, "f.jpg");
    EXPECT_EQ(copy.kind, CAbsorpsjon::rectangularDuct);
    EXPECT_NE(copy.thicknesses[0].get(), product->thicknesses[0].get());
}
