#include "CatalogueRecords.h"
#include "doc/StringTable.h"

using namespace catalogue_test;

namespace {

std::unique_ptr<CIsoProdukt> withThicknesses(std::initializer_list<float> values)
{
    auto product = std::make_unique<CIsoProdukt>();
    for (float value : values)
        product->thicknesses.push_back(std::make_unique<CIsoTykkelse>(value));
    return product;
}

} // namespace

TEST(Conductivity, DefaultProductFollowsItsCubic)
{
    CIsoProdukt product;
    EXPECT_FLOAT_EQ(product.ConductivityAt(0.0f), 0.034f);
    EXPECT_NEAR(product.ConductivityAt(100.0f), 0.05422f, 1e-6);
    // Not limited to the maximum temperature: 1.51e-9·8e9 + 1.31e-7·4e6 + 0.348 + 0.034
    EXPECT_NEAR(product.ConductivityAt(2000.0f), 12.08f + 0.524f + 0.348f + 0.034f, 1e-3);

    float a, b, c, d;
    product.GetCoefficients(a, b, c, d);
    EXPECT_EQ(a, 1.51e-9f);
    EXPECT_EQ(d, 0.034f);
    float low, high;
    EXPECT_TRUE(product.GetThicknessRange(low, high).empty());
    EXPECT_EQ(low, 10.0f);
    EXPECT_EQ(high, 1000.0f);
}

TEST(Conductivity, FourPointsAreInterpolatedExactly)
{
    CEgendefIsoProdukt product;
    product.temperatures = {0, 50, 100, 150};
    product.conductivities = {0.037f, 0.045f, 0.053f, 0.057f};
    ASSERT_TRUE(product.FitCoefficients());
    EXPECT_NEAR(product.a, -5.333e-9, 1e-12);
    EXPECT_NEAR(product.b, 8.0e-7, 1e-11);
    EXPECT_NEAR(product.c, 1.3333e-4, 1e-8);
    EXPECT_NEAR(product.d, 0.037, 1e-7);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(product.ConductivityAt(product.temperatures[i]), product.conductivities[i], 1e-6) << i;
}

TEST(Conductivity, ThreePointModeIgnoresTheFourthPoint)
{
    CEgendefIsoProdukt product;
    product.temperatures = {0, 50, 100, 50}; // the fourth may repeat a temperature
    product.conductivities = {0.037f, 0.045f, 0.053f, 0.9f};
    product.threePointMode = true;
    ASSERT_TRUE(product.FitCoefficients());
    EXPECT_EQ(product.a, 0.0f);
    EXPECT_NEAR(product.b, 0.0, 1e-12);
    EXPECT_NEAR(product.c, 1.6e-4, 1e-9);
    EXPECT_NEAR(product.d, 0.037, 1e-7);
}

TEST(Conductivity, EqualTemperaturesAreRefusedAndTheOldCurveKept)
{
    CEgendefIsoProdukt product;
    product.temperatures = {0, 50, 50, 150};
    EXPECT_FALSE(product.FitCoefficients());
    EXPECT_EQ(product.a, 1.51e-9f);
    EXPECT_EQ(product.b, 1.31e-7f);
    EXPECT_EQ(product.c, 1.74e-4f);
    EXPECT_EQ(product.d, 0.034f);

    product.threePointMode = true;
    product.temperatures = {20, 80, 20, 150};
    EXPECT_FALSE(product.FitCoefficients());
    EXPECT_EQ(product.d, 0.034f);

    // The same fit the coefficient dialog uses without a product.
    float a = 1, b = 2, c = 3, d = 4;
    EXPECT_FALSE(CEgendefIsoProdukt::FitCoefficients({5, 5, 5, 5}, {0.04f, 0.04f, 0.04f, 0.04f}, false, a, b, c, d));
    EXPECT_EQ(a + b + c + d, 10.0f);
    EXPECT_TRUE(CEgendefIsoProdukt::FitCoefficients({-50, 0, 400, 1500}, {0.03f, 0.035f, 0.08f, 0.3f}, false, a, b,
                                                    c, d));
    EXPECT_NEAR(a * 1500.0 * 1500 * 1500 + b * 1500.0 * 1500 + c * 1500.0 + d, 0.3, 1e-4);
}

TEST(StandardThickness, NextOneAtLeastAsThickOrNone)
{
    auto product = withThicknesses({20, 30, 40});
    std::string text;
    EXPECT_EQ(product->NextStandardThickness(0.030f, text), 30.0f);
    EXPECT_EQ(text, "30.0");
    EXPECT_EQ(product->NextStandardThickness(0.0301f, text), 40.0f);
    EXPECT_EQ(text, "40.0");
    EXPECT_EQ(product->NextStandardThickness(0.0f, text), 20.0f);
    EXPECT_EQ(product->NextStandardThickness(0.040f, text), 40.0f);
    EXPECT_EQ(product->NextStandardThickness(0.041f, text), -1.0f);
    EXPECT_EQ(text, "Större än största std. tjocklek");

    EXPECT_EQ(withThicknesses({})->NextStandardThickness(0.001f, text), -1.0f);
    EXPECT_EQ(text, LoadString(62460));

    // A data file need not keep the list in order.
    EXPECT_EQ(withThicknesses({100, 50, 70})->NextStandardThickness(0.06f, text), 70.0f);
}

TEST(ProductPictures, FolderFromTheSettingsBeforeTheSlot)
{
    platform::MemorySettings settings;
    platform::ScopedServices services({nullptr, &settings});
    auto product = MakeIsoProdukt();
    product->pictures[8] = "kula.jpg";
    product->pictures[14] = "vert5.jpg";

    EXPECT_EQ(product->PicturePath(0, false), "C:/Tekvar/Bilder/r.jpg");
    settings.SetString("Files", "Pictures", "/srv/bilder/");
    EXPECT_EQ(product->PicturePath(0, false), "/srv/bilder/r.jpg");
    EXPECT_EQ(product->PicturePath(0, true), "/srv/bilder/v.jpg");
    EXPECT_EQ(product->PicturePath(5, true), "/srv/bilder/vert5.jpg");
    EXPECT_EQ(product->PicturePath(8, false), "/srv/bilder/kula.jpg");
    EXPECT_EQ(product->PicturePath(3, false), "/srv/bilder/"); // no picture named: the caller falls back
    EXPECT_EQ(product->PicturePath(6, true), "");
    EXPECT_EQ(product->PicturePath(-1, false), "");
    EXPECT_EQ(product->PicturePath(15, false), "");

    auto absorber = MakeAbsorpsjon(CAbsorpsjon::rectangularDuct);
    EXPECT_EQ(absorber->PicturePath(3), "/srv/bilder/v.jpg");
    EXPECT_EQ(absorber->PicturePath(2), "/srv/bilder/h.jpg");
    EXPECT_EQ(absorber->PicturePath(1), "/srv/bilder/f.jpg");
    EXPECT_EQ(absorber->PicturePath(0), "/srv/bilder/f.jpg");
}

TEST(ProductUsage, OnlyTheSevenKnownKinds)
{
    CIsoProdukt product;
    product.usageFlags[int(ObjectKind::SurfaceInside)] = true;
    EXPECT_TRUE(product.IsUsableFor(5));
    EXPECT_FALSE(product.IsUsableFor(ObjectKind::SurfaceOutside));
    EXPECT_FALSE(product.IsUsableFor(-1));
    EXPECT_FALSE(product.IsUsableFor(7));
}

TEST(ProductComparison, CalculationValuesCountNamesAndLooksDoNot)
{
    auto product = MakeIsoProdukt();
    auto other = MakeIsoProdukt();
    other->name = "Annan";
    other->insulationColour = 0x000000FF;
    other->usageFlags = {};
    other->pictures = {};
    EXPECT_TRUE(product->IsEqual(*other));

    other->maxThickness = 999.0f;
    EXPECT_FALSE(product->IsEqual(*other));
    other = MakeIsoProdukt();
    other->c = 1.75e-4f;
    EXPECT_FALSE(product->IsEqual(*other));
    other = MakeIsoProdukt();
    other->thicknesses[0]->SetThickness(30.0f);
    EXPECT_FALSE(product->IsEqual(*other));
    other = MakeIsoProdukt();
    other->thicknesses.push_back(std::make_unique<CIsoTykkelse>(40.0f));
    EXPECT_FALSE(product->IsEqual(*other));

    // A thickness equals another of the same size whatever its name says.
    CIsoTykkelse renamed(25.0f);
    renamed.name = "tjugofem";
    EXPECT_TRUE(product->thicknesses[0]->IsEqual(renamed));
    EXPECT_FALSE(product->thicknesses[0]->IsEqual(CMantling()));

    // User products compare their points and mode as well.
    auto own = MakeEgendef();
    auto ownOther = MakeEgendef("Annan");
    EXPECT_TRUE(own->IsEqual(*ownOther));
    ownOther->conductivities[3] = 0.078f;
    EXPECT_FALSE(own->IsEqual(*ownOther));
    ownOther = MakeEgendef();
    ownOther->threePointMode = true;
    EXPECT_FALSE(own->IsEqual(*ownOther));
    EXPECT_FALSE(own->IsEqual(CIsoProdukt()));
    EXPECT_FALSE(CIsoProdukt().IsEqual(CMantling()));
}

TEST(ProductCopies, CloneIsDeepAndKeepsTheClassAndDependents)
{
    CIsoTykkelse watcher;
    auto own = MakeEgendef();
    own->thicknesses.push_back(std::make_unique<CIsoTykkelse>(40.0f));
    own->temperatures[1] = 33.0f;
    own->surfaceColour = 0x00123456;
    own->AddDependent(&watcher);

    std::unique_ptr<CListItem> clone = own->Clone();
    ASSERT_EQ(&clone->GetClass(), &CEgendefIsoProdukt::classInfo);
    auto& copy = static_cast<CEgendefIsoProdukt&>(*clone);
    EXPECT_TRUE(copy.IsEqual(*own));
    EXPECT_EQ(copy.surfaceColour, 0x00123456u);
    EXPECT_EQ(copy.Dependents(), std::vector<CItem*>{&watcher});
    ASSERT_EQ(copy.thicknesses.size(), 1u);
    EXPECT_NE(copy.thicknesses[0].get(), own->thicknesses[0].get());
    copy.thicknesses[0]->SetThickness(60.0f);
    EXPECT_EQ(own->thicknesses[0]->thickness, 40.0f);
}
