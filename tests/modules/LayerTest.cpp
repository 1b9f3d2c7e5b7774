#include "ModuleCatalogue.h"
#include "modules/CIsolasjon.h"
#include "modules/CTilleggsutstyr.h"
#include "modules/CVarmeTapModul.h"

using namespace module_test;

class Layer : public ModuleTest {};

TEST_F(Layer, RecordIsTwoReservedWordsThenTheFieldsAndBothReferences)
{
    CIsolasjon layer(3, false);
    layer.source = CIsolasjon::userSource;
    layer.catalogueThickness = 80.0f;
    layer.userThickness = 25.5f;
    layer.SetCatalogueProduct(Product(1));
    layer.SetUserProduct(UserProduct(0));

    const Bytes expected = Record()
                               .Long(0)
                               .Long(0)
                               .Word(1)
                               .Float(80.0f)
                               .Float(25.5f)
                               .Word(3)
                               .Word(0)
                               .Text("R\xF6rsk\xE5l")
                               .Text("Egen A")
                               .bytes;
    EXPECT_EQ(Stored(layer), expected);

    CIsolasjon read;
    Restore(read, expected);
    EXPECT_TRUE(read.SameAs(layer));
    EXPECT_EQ(read.Product(), UserProduct(0));
    EXPECT_EQ(read.Thickness(), 25.5f);
    EXPECT_TRUE(Depends(Product(1), &read));
    EXPECT_TRUE(Depends(UserProduct(0), &read));

    // The reserved words are ignored when read; none stands for no product.
    CIsolasjon none;
    Restore(none, Record()
                      .Long(7)
                      .Long(-1)
                      .Word(0)
                      .Float(50.0f)
                      .Float(50.0f)
                      .Word(0)
                      .Word(1)
                      .Text("Standard_database_element")
                      .Text("Standard_database_element")
                      .bytes);
    EXPECT_FALSE(none.HasProduct());
    EXPECT_EQ(none.Summary(true), "");
    EXPECT_TRUE(chooser.Requests().empty());
}

TEST_F(Layer, MissingProductsAreReplacedByTheUsersChoice)
{
    chooser.QueueAnswer(1);
    chooser.QueueAnswer(1);
    CIsolasjon layer;
    Restore(layer, Record()
                       .Long(0)
                       .Long(0)
                       .Word(0)
                       .Float(50.0f)
                       .Float(50.0f)
                       .Word(0)
                       .Word(1)
                       .Text("Borttagen")
                       .Text("Gammal egen")
                       .bytes);
    ASSERT_EQ(chooser.Requests().size(), 2u);
    EXPECT_EQ(chooser.Requests()[0].message,
              "Isoleringen Borttagen är borttagen från databasen efter att filen blev sparad. För att beräkningarna "
              "i programmet skall fungera måste man välja en annan isolerprodukt i rullgardinen nedan.");
    EXPECT_EQ(chooser.Requests()[0].source, platform::ReplacementSource::Database);
    EXPECT_EQ(chooser.Requests()[1].source, platform::ReplacementSource::UserDatabase);
    EXPECT_TRUE(chooser.Requests()[1].message.starts_with("Isoleringen Gammal egen är borttagen"));
    EXPECT_EQ(layer.CatalogueProduct(), Product(1));
    EXPECT_EQ(layer.UserProduct(), UserProduct(1));
}

TEST_F(Layer, CopiesAndChangesKeepTheDependentsRight)
{
    auto layer = std::make_unique<CIsolasjon>(0, true);
    layer->SetCatalogueProduct(Product(0));
    {
        CIsolasjon copy(*layer);
        EXPECT_TRUE(Depends(Product(0), &copy));
        copy = CIsolasjon();
        EXPECT_FALSE(Depends(Product(0), &copy));
        EXPECT_TRUE(Depends(Product(0), layer.get()));
    }
    // A user's product is a product too, but takes the user's place.
    layer->Changed(UserProduct(1));
    EXPECT_EQ(layer->UserProduct(), UserProduct(1));
    EXPECT_EQ(layer->CatalogueProduct(), Product(0));
    layer->Changed(Product(1));
    EXPECT_EQ(layer->CatalogueProduct(), Product(1));
    EXPECT_FALSE(Depends(Product(0), layer.get()));

    layer->source = CIsolasjon::userSource;
    layer->userThickness = 30.0f;
    layer->Reset();
    EXPECT_EQ(layer->source, CIsolasjon::catalogueSource);
    EXPECT_EQ(layer->catalogueThickness, 50.0f);
    EXPECT_EQ(layer->userThickness, 50.0f);
    EXPECT_FALSE(layer->HasProduct());
    EXPECT_TRUE(Product(1)->Dependents().empty());
    EXPECT_TRUE(UserProduct(1)->Dependents().empty());

    layer->SetUserProduct(UserProduct(0));
    layer.reset();
    EXPECT_TRUE(UserProduct(0)->Dependents().empty());
}

TEST_F(Layer, SummaryAndConductivityRows)
{
    CIsolasjon layer;
    layer.SetCatalogueProduct(Product(0));
    layer.catalogueThickness = 40.0f;
    EXPECT_EQ(layer.Summary(false), "Produkt:\nLamell");
    EXPECT_EQ(layer.Summary(true), "Produkt:\nLamell\nTjocklek: 40.0 mm");
    EXPECT_TRUE(layer.ConductivityRows().empty());

    layer.source = CIsolasjon::userSource;
    EXPECT_EQ(layer.Summary(true), "");
    layer.SetUserProduct(UserProduct(0));
    // The user's product keeps its thickness apart from the catalogue one.
    EXPECT_EQ(layer.Summary(true), "Produkt:\nEgen A\nTjocklek: 50.0 mm");
    const auto rows = layer.ConductivityRows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].first, "1. Lambdavärde/temperatur");
    EXPECT_EQ(rows[0].second, "0.034 W/mK / 0 °C");
    EXPECT_EQ(rows[3].first, "4. Lambdavärde/temperatur");
    EXPECT_EQ(rows[3].second, "0.077 W/mK / 125 °C");
}

TEST_F(Layer, FittingRecordLengthAndText)
{
    CTilleggsutstyr fitting;
    fitting.SetFittingType(Fitting(1));
    fitting.count = 3;
    fitting.UpdateName("ignored");
    EXPECT_EQ(fitting.name, "Fläns; 3 stk");
    fitting.description = "not stored";

    const Bytes expected = Record().Text("Fl\xE4ns; 3 stk").Long(3).Long(0).Float(1.0f).Text("Fl\xE4ns").bytes;
    EXPECT_EQ(Stored(fitting), expected);
    CTilleggsutstyr read;
    Restore(read, expected);
    EXPECT_EQ(read.name, "Fläns; 3 stk");
    EXPECT_EQ(read.description, "");
    EXPECT_EQ(read.FittingType(), Fitting(1));
    EXPECT_TRUE(Depends(Fitting(1), &read));
    EXPECT_EQ(read.EquivalentLength(100.0f), 1.5f); // 3 × 0.5 m

    // Own-defined: count × own length whatever the diameter and type.
    read.ownDefined = true;
    read.ownLength = 0.5f;
    read.UpdateName("Kran");
    EXPECT_EQ(read.name, "Kran; 3 stk");
    EXPECT_EQ(read.OwnName(), "Kran");
    EXPECT_EQ(read.EquivalentLength(20.0f), 1.5f);
    read.count = 0;
    read.UpdateName("Kran");
    EXPECT_EQ(read.name, "Kran; 0 stk");
    EXPECT_EQ(read.EquivalentLength(20.0f), 0.0f);

    CTilleggsutstyr none;
    EXPECT_EQ(none.EquivalentLength(20.0f), 0.0f);

    // A clone is registered with the type as well; a new type replaces it.
    auto clone = fitting.Clone();
    EXPECT_TRUE(Depends(Fitting(1), clone.get()));
    clone->Changed(Fitting(0));
    EXPECT_FALSE(Depends(Fitting(1), clone.get()));
    EXPECT_EQ(static_cast<CTilleggsutstyr&>(*clone).FittingType(), Fitting(0));
    clone.reset();
    EXPECT_TRUE(Fitting(0)->Dependents().empty());

    // A type gone from the catalogue: the user picks another.
    chooser.QueueAnswer(0);
    CTilleggsutstyr missing;
    Restore(missing, Record().Text("Gammal; 1 stk").Long(1).Long(0).Float(1.0f).Text("Gammal").bytes);
    ASSERT_EQ(chooser.Requests().size(), 1u);
    EXPECT_TRUE(chooser.Requests()[0].message.starts_with("Tilläggsarmaturen Gammal är borttagen"));
    EXPECT_EQ(missing.FittingType(), Fitting(0));
}

TEST_F(Layer, PictureIsTheProductsFileForTheObjectElseTheBuiltInOne)
{
    settings.SetString("Files", "Pictures", "/bilder/");
    CIsolasjon layer(0, true);
    EXPECT_EQ(LayerPicture(layer, 0, false).builtin, 261);
    EXPECT_EQ(LayerPicture(layer, 0, true).builtin, 275);
    EXPECT_EQ(LayerPicture(layer, 6, false).builtin, -1);
    EXPECT_TRUE(LayerPicture(layer, 0, false).file.empty());

    layer.SetCatalogueProduct(Product(0));
    Product(0)->pictures[1 + CIsoProdukt::verticalSlotOffset] = "kanal-stående.jpg";
    EXPECT_TRUE(LayerPicture(layer, 1, false).file.empty()) << "no file for the lying duct";
    const ProductPicture standing = LayerPicture(layer, 1, true);
    EXPECT_EQ(standing.file, "/bilder/kanal-stående.jpg");
    EXPECT_EQ(standing.builtin, 276) << "the built-in picture stays as the fallback";

    // The heat loss module's header shows the same picture.
    CVarmeTapModul module;
    module.objectKind = ObjectKind::CircularDuct;
    module.orientation = 1;
    module.layer1.SetCatalogueProduct(Product(0));
    EXPECT_EQ(module.GetProductPicture().file, standing.file);
    // A user's product has no picture files.
    layer.source = CIsolasjon::userSource;
    EXPECT_TRUE(LayerPicture(layer, 1, true).file.empty());
}
