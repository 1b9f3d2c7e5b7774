#include "RecordDocument.h"
#include "database/Reconciliation.h"
#include "modules/COkoIsolasjon.h"

using namespace module_test;

namespace {

const std::string firstLayoutText =
    "Filen du öppnar blev sparad med version 1.0 av Tekvar.\nFil-formatet som andvänds i version 1.1 är ändrat "
    "(i ekonomi modulen).\nFiler sparade med version 1.1 kan inte läsas av version 1.0.";

struct AlternativeFields {
    std::string name;
    int kind;
    int source;
    float userThickness, makerThickness, cost;
    int surfaceSource, innerEnabled;
    float emissivity;
    std::string maker, outer, inner, user;
};

Record& AlternativeRecord(Record& r, const AlternativeFields& a, std::int32_t reserved = 0)
{
    return r.Text(a.name)
        .Word(std::uint16_t(a.kind))
        .Word(std::uint16_t(a.source))
        .Float(a.userThickness)
        .Float(a.makerThickness)
        .Float(a.cost)
        .Long(reserved)
        .Long(reserved)
        .Word(std::uint16_t(a.surfaceSource))
        .Word(std::uint16_t(a.innerEnabled))
        .Float(a.emissivity)
        .Text(a.maker)
        .Text(a.outer)
        .Text(a.inner)
        .Text(a.user);
}

// A cladding's full record, as the oldest layouts hold it.
Record& CladdingRecord(Record& r, const std::string& name, float emissivity, int kind)
{
    return r.Text(name).Text("").Float(emissivity).Long(0x00C0C0C0).Word(std::uint16_t(kind));
}

// Records every choice and how many messages had been shown before it.
class OrderChooser : public platform::ReplacementChooser {
public:
    explicit OrderChooser(const platform::ScriptedPrompter& prompter) : prompter_(prompter) {}
    int Choose(const std::string& message, const std::vector<std::string>&, platform::ReplacementSource) override
    {
        requests.push_back({message, prompter_.Messages().size()});
        return 0;
    }
    std::vector<std::pair<std::string, std::size_t>> requests;

private:
    const platform::ScriptedPrompter& prompter_;
};

} // namespace

class EconomyRecords : public ModuleTest {};

TEST_F(EconomyRecords, AlternativeTextRecordAndReferences)
{
    COkonomiIsolasjon alternative(3);
    alternative.SetMakerProduct(Product(0));
    alternative.makerThickness = 50.0f;
    alternative.userThickness = 70.0f;
    alternative.cost = 125.0f;
    EXPECT_EQ(alternative.DisplayText(), "Lamell, 50mm, 125.00 kr/m");
    alternative.name = alternative.DisplayText();
    alternative.description = "not stored";
    alternative.surfaceSource = 1;
    alternative.innerCladdingEnabled = 1;
    alternative.surfaceEmissivity = 0.5f;
    alternative.SetOuterCladding(Cladding(CDataBase::insideOuterSurfaces, 0));
    alternative.SetInnerCladding(Cladding(CDataBase::innerCladdings, 0));
    alternative.SetUserProduct(UserProduct(1));

    const AlternativeFields fields{"Lamell, 50mm, 125.00 kr/m", 3, 0, 70.0f, 50.0f, 125.0f, 1, 1, 0.5f,
                                   "Lamell", "Puts", "Inre folie", "Egen B"};
    Record expected;
    AlternativeRecord(expected, fields);
    EXPECT_EQ(Stored(alternative), expected.bytes);

    // Reserved values that are not zero are read past and written as zero.
    Record odd;
    AlternativeRecord(odd, fields, -7);
    COkonomiIsolasjon read;
    Restore(read, odd.bytes);
    EXPECT_EQ(read.name, fields.name);
    EXPECT_EQ(read.objectKind, 3);
    EXPECT_EQ(read.productSource, 0);
    EXPECT_EQ(read.userThickness, 70.0f);
    EXPECT_EQ(read.makerThickness, 50.0f);
    EXPECT_EQ(read.cost, 125.0f);
    EXPECT_EQ(read.surfaceSource, 1);
    EXPECT_EQ(read.innerCladdingEnabled, 1);
    EXPECT_EQ(read.surfaceEmissivity, 0.5f);
    EXPECT_EQ(read.MakerProduct(), Product(0));
    EXPECT_EQ(read.OuterCladding(), Cladding(CDataBase::insideOuterSurfaces, 0));
    EXPECT_EQ(read.InnerCladding(), Cladding(CDataBase::innerCladdings, 0));
    EXPECT_EQ(read.UserProduct(), UserProduct(1));
    EXPECT_TRUE(Depends(Product(0), &read));
    EXPECT_TRUE(Depends(UserProduct(1), &read));
    EXPECT_TRUE(Depends(Cladding(CDataBase::innerCladdings, 0), &read));
    EXPECT_EQ(Stored(read), expected.bytes);
    EXPECT_TRUE(chooser.Requests().empty());

    // Surfaces count per square metre; the thickness has no decimals.
    COkonomiIsolasjon surface(5);
    surface.productSource = 1;
    EXPECT_EQ(surface.DisplayText(), "");
    surface.SetUserProduct(UserProduct(0));
    surface.userThickness = 80.4f;
    surface.cost = 99.999f;
    EXPECT_EQ(surface.DisplayText(), "Egen A, 80mm, 100.00 kr/m²");
    EXPECT_EQ(surface.Thickness(), 80.4f);
    EXPECT_EQ(surface.Product(), UserProduct(0));

    // Kind 0 looks its outer cladding up among the normal claddings, where
    // "Puts" is not.
    Record normal;
    AlternativeRecord(normal, {"x", 0, 0, 50, 50, 100, 0, 0, 0.94f, "Lamell", "Puts", noCatalogueItem, noCatalogueItem});
    COkonomiIsolasjon other;
    chooser.QueueAnswer(1);
    Restore(other, normal.bytes);
    ASSERT_EQ(chooser.Requests().size(), 1u);
    EXPECT_TRUE(chooser.Requests()[0].message.starts_with("Ytbeklädnaden Puts är borttagen"));
    EXPECT_EQ(chooser.Requests()[0].names, (std::vector<std::string>{"Plåt", "PVC"}));
    EXPECT_EQ(other.OuterCladding(), Cladding(CDataBase::outerCladdings, 1));
    EXPECT_EQ(other.InnerCladding(), nullptr);
    EXPECT_EQ(other.UserProduct(), nullptr);
}

TEST_F(EconomyRecords, AlternativeFollowsAndReleasesItsItems)
{
    COkonomiIsolasjon alternative(0);
    alternative.Changed(UserProduct(0)); // a user product is a product too, but goes to its own place
    EXPECT_EQ(alternative.UserProduct(), UserProduct(0));
    EXPECT_EQ(alternative.MakerProduct(), nullptr);
    alternative.Changed(Product(1));
    EXPECT_EQ(alternative.MakerProduct(), Product(1));
    alternative.Changed(Cladding(CDataBase::innerCladdings, 0));
    EXPECT_EQ(alternative.InnerCladding(), Cladding(CDataBase::innerCladdings, 0));
    EXPECT_EQ(alternative.OuterCladding(), nullptr);
    alternative.Changed(Cladding(CDataBase::insideOuterSurfaces, 0));
    EXPECT_EQ(alternative.OuterCladding(), Cladding(CDataBase::insideOuterSurfaces, 0));
    alternative.Changed(Material(0));
    EXPECT_EQ(alternative.MakerProduct(), Product(1));

    {
        auto clone = alternative.Clone();
        EXPECT_TRUE(Depends(Product(1), clone.get()));
        EXPECT_TRUE(Depends(UserProduct(0), clone.get()));
    }
    EXPECT_EQ(Product(1)->Dependents(), std::vector<CItem*>{&alternative});
    alternative.Changed(Product(0));
    EXPECT_TRUE(Product(1)->Dependents().empty());
    EXPECT_TRUE(Depends(Product(0), &alternative));
}

TEST_F(EconomyRecords, CurrentLayoutRoundTrip)
{
    Counted<COkonomiModul> module;
    module.SetDefaults();
    EXPECT_EQ(module.pipe.Material(), Material(0));
    EXPECT_EQ(module.pipeDiameter, 21.3f);
    EXPECT_EQ(module.wallThickness, 2.6f);
    EXPECT_EQ(module.bareEmissivity, 0.55f);

    module.mediumTemperature = 120.0f;
    module.ambientTemperature = -5.0f;
    module.ductDiameter = 250.0f;
    module.height = 300.0f;
    module.width = 450.0f;
    module.surroundings = Surroundings::GivenCoefficient;
    module.windSpeed = 7.5f;
    module.givenCoefficient = 12.0f;
    module.operatingHours = 5000.0f;
    module.energyPrice = 85.0f;
    module.interestRate = 4.0f;
    module.priceIncrease = 1.5f;
    module.depreciationTime = 30.0f;
    module.objectKind = 1;
    module.flowUnit = 2;
    module.flow = 3.5f;
    module.orientation = 1;
    module.co2Factor = 400.0f;
    module.bareEmissivity = 0.3f;
    module.pipe.SetMaterial(Material(1), true);
    module.ownPipeDimension = 1;
    module.pipeDiameter = 14.0f;
    module.wallThickness = 1.5f;
    module.resultsValid = true;
    for (float thickness : {40.0f, 80.0f}) {
        auto alternative = std::make_unique<COkonomiIsolasjon>(1);
        alternative->SetMakerProduct(Product(1));
        alternative->makerThickness = thickness;
        alternative->cost = thickness * 2;
        alternative->name = alternative->DisplayText();
        module.alternatives.push_back(std::move(alternative));
    }

    Record expected;
    expected.Word(0).Word(5).Word(2).NewClass("COkonomiIsolasjon");
    AlternativeRecord(expected, {"R\xF6rsk\xE5l, 40mm, 80.00 kr/m", 1, 0, 50, 40, 80, 0, 0, 0.94f, "R\xF6rsk\xE5l",
                                 noCatalogueItem, noCatalogueItem, noCatalogueItem});
    expected.Word(0x8001);
    AlternativeRecord(expected, {"R\xF6rsk\xE5l, 80mm, 160.00 kr/m", 1, 0, 50, 80, 160, 0, 0, 0.94f, "R\xF6rsk\xE5l",
                                 noCatalogueItem, noCatalogueItem, noCatalogueItem});
    expected.Word(297).Word(1);
    expected.Float(120).Float(-5);
    expected.Float(250).Float(450).Float(300).Word(2).Float(7.5f);
    expected.Float(12).Float(5000);
    expected.Float(85).Float(4).Float(1.5f).Float(30);
    expected.Word(1).Long(2).Float(3.5f);
    expected.Long(1).Float(400).Float(0.3f);
    expected.Float(14).Float(1.5f).Long(1);
    expected.Text("12").Text("").Float(1.0f).Float(12.0f);
    expected.Text("Koppar");
    ASSERT_EQ(Stored(module), expected.bytes);

    Counted<COkonomiModul> read;
    read.SetDefaults();
    Restore(read, expected.bytes);
    EXPECT_EQ(read.calculations, 1);
    EXPECT_TRUE(read.resultsValid);
    ASSERT_EQ(read.alternatives.size(), 2u);
    EXPECT_EQ(read.alternatives[1]->name, "Rörskål, 80mm, 160.00 kr/m");
    EXPECT_EQ(read.alternatives[1]->MakerProduct(), Product(1));
    EXPECT_EQ(read.objectKind, 1);
    EXPECT_EQ(read.surroundings, Surroundings::GivenCoefficient);
    EXPECT_EQ(read.depreciationTime, 30.0f);
    EXPECT_EQ(read.flowUnit, 2);
    EXPECT_EQ(read.co2Factor, 400.0f);
    EXPECT_EQ(read.pipe.Material(), Material(1));
    EXPECT_EQ(read.pipe.CatalogueDimension(), Material(1)->dimensions[0].get());
    EXPECT_EQ(read.ownPipeDimension, 1);
    EXPECT_EQ(read.pipeDiameter, 14.0f);
    EXPECT_TRUE(Depends(Material(1), &read));
    EXPECT_FALSE(Depends(Material(0), &read));
    EXPECT_EQ(Stored(read), expected.bytes);

    // Not calculated when saved: not calculated when read.
    module.resultsValid = false;
    Counted<COkonomiModul> idle;
    idle.SetDefaults();
    Restore(idle, Stored(module));
    EXPECT_EQ(idle.calculations, 0);
    EXPECT_FALSE(idle.resultsValid);

    // SetDefaults lets go of everything.
    const std::size_t users = Product(1)->Dependents().size();
    read.SetDefaults();
    EXPECT_EQ(Product(1)->Dependents().size(), users - 2);
    EXPECT_TRUE(read.alternatives.empty());
    EXPECT_EQ(read.pipe.Material(), Material(0));
    EXPECT_EQ(read.objectKind, 0);
    EXPECT_FALSE(read.resultsValid);
    EXPECT_FALSE(Depends(Material(1), &read));
}

TEST_F(EconomyRecords, SecondLayoutKeepsThePipeItHad)
{
    Record second;
    second.Word(0).Word(5).Word(0); // no alternatives
    second.Word(2);                 // the object kind where the marker would be
    second.Float(70).Float(12);
    second.Float(160).Float(500).Float(400).Word(1).Float(4);
    second.Float(8).Float(4000);
    second.Float(70).Float(5).Float(2).Float(15);
    second.Word(0).Long(1).Float(40);
    second.Long(0).Float(750).Float(0.7f);

    COkonomiModul read;
    read.SetDefaults();
    Restore(read, second.bytes);
    EXPECT_EQ(read.objectKind, 2);
    EXPECT_EQ(read.surroundings, Surroundings::Outdoors);
    EXPECT_EQ(read.height, 400.0f);
    EXPECT_EQ(read.width, 500.0f);
    EXPECT_EQ(read.flow, 40.0f);
    EXPECT_EQ(read.bareEmissivity, 0.7f);
    EXPECT_EQ(read.pipe.Material(), Material(0));
    EXPECT_EQ(read.pipe.Record().name, "15");
    EXPECT_EQ(read.pipeDiameter, 21.3f);
    EXPECT_EQ(read.wallThickness, 2.6f);
    EXPECT_EQ(read.ownPipeDimension, 0);

    // Saved again, it has the marker and the pipe.
    Record current;
    current.Word(0).Word(5).Word(0).Word(297);
    current.Add(Bytes(second.bytes.begin() + 6, second.bytes.end()));
    current.Float(21.3f).Float(2.6f).Long(0);
    current.Text("15").Text("").Float(2.6f).Float(21.3f).Text("St\xE5l");
    EXPECT_EQ(Stored(read), current.bytes);
}

TEST_F(EconomyRecords, FirstLayoutBecomesAlternatives)
{
    RecordParts parts;
    CVekDoc doc(parts); // the module tells the document it has no description texts

    auto firstLayout = [&](int source, const std::string& productName, float innerEmissivity) {
        CIsoProdukt product(*Product(0));
        product.name = productName;
        Record r;
        r.Word(2).NewClass("COkoTykkelse").Text("40").Float(40).Float(90);
        r.Word(0x8001).Text("80").Float(80).Float(150);
        r.Word(1);                                  // anything but 5
        r.Word(std::uint16_t(source)).Text("gammal").Float(1.5f);
        r.Add(Stored(product));
        r.Word(3).Float(60).Float(15).Word(1);      // kind, temperatures, inner cladding on
        r.Float(160).Float(500).Float(400).Word(1); // dimensions, outdoors
        r.Float(4).Float(8).Word(0).Float(0.6f);
        r.Float(4000).Float(70).Float(5).Float(2).Float(15).Word(1);
        CladdingRecord(r, "Puts", 0.8f, CMantling::insideOuterSurface);
        CladdingRecord(r, "Inre folie", innerEmissivity, CMantling::innerCladding);
        return r.bytes;
    };

    Counted<COkonomiModul> module;
    module.SetDefaults();
    Restore(module, firstLayout(0, "Lamell", 0.25f));
    EXPECT_TRUE(doc.NoDescriptions());
    EXPECT_EQ(prompter.Texts(),
              (std::vector<std::string>{firstLayoutText, "Databasvärdet Inre folie är förändrat efter att filen blev "
                                                         "sparad. Detta förändrar de beräknade resultaten."}));
    EXPECT_TRUE(chooser.Requests().empty());
    EXPECT_EQ(module.calculations, 1);
    EXPECT_EQ(module.objectKind, 3);
    EXPECT_EQ(module.surroundings, Surroundings::Outdoors);
    EXPECT_EQ(module.mediumTemperature, 60.0f);
    EXPECT_EQ(module.ambientTemperature, 15.0f);
    EXPECT_EQ(module.ductDiameter, 160.0f);
    EXPECT_EQ(module.givenCoefficient, 8.0f);
    EXPECT_EQ(module.depreciationTime, 15.0f);
    EXPECT_EQ(module.pipe.Material(), Material(0)); // that layout had no pipe
    ASSERT_EQ(module.alternatives.size(), 2u);
    const float thickness[] = {40.0f, 80.0f};
    const float cost[] = {90.0f, 150.0f};
    const char* text[] = {"Lamell, 40mm, 90.00 kr/m", "Lamell, 80mm, 150.00 kr/m"};
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const COkonomiIsolasjon& a = *module.alternatives[i];
        EXPECT_EQ(a.name, text[i]);
        EXPECT_EQ(a.objectKind, 3);
        EXPECT_EQ(a.productSource, 0);
        EXPECT_EQ(a.MakerProduct(), Product(0));
        EXPECT_EQ(a.makerThickness, thickness[i]);
        EXPECT_EQ(a.userThickness, 50.0f);
        EXPECT_EQ(a.cost, cost[i]);
        EXPECT_EQ(a.surfaceSource, 0);
        EXPECT_EQ(a.surfaceEmissivity, 0.6f);
        EXPECT_EQ(a.innerCladdingEnabled, 1);
        EXPECT_EQ(a.OuterCladding(), Cladding(CDataBase::insideOuterSurfaces, 0));
        EXPECT_EQ(a.InnerCladding(), Cladding(CDataBase::innerCladdings, 0));
        EXPECT_TRUE(Depends(Product(0), &a));
    }

    // Saved, it is of the present layout and reads back the same.
    const Bytes converted = Stored(module);
    EXPECT_EQ(Bytes(converted.begin(), converted.begin() + 4), (Bytes{0, 0, 5, 0}));
    COkonomiModul again;
    again.SetDefaults();
    prompter.Clear();
    Restore(again, converted);
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_EQ(Stored(again), converted);

    // With a user product the alternatives have no product and no text, and
    // the product's copy is not looked for among the maker's products. The
    // calculation the stored results ask for refuses them and leaves no
    // results.
    COkonomiModul user;
    user.SetDefaults();
    prompter.Clear();
    Restore(user, firstLayout(1, "Egen X", 0.2f));
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{firstLayoutText, "Du måste välja en isolerprodukt."}));
    EXPECT_FALSE(user.resultsValid);
    EXPECT_TRUE(chooser.Requests().empty());
    ASSERT_EQ(user.alternatives.size(), 2u);
    const COkonomiIsolasjon& u = *user.alternatives[1];
    EXPECT_EQ(u.productSource, 1);
    EXPECT_EQ(u.Product(), nullptr);
    EXPECT_EQ(u.MakerProduct(), nullptr);
    EXPECT_EQ(u.userThickness, 80.0f);
    EXPECT_EQ(u.makerThickness, 50.0f);
    EXPECT_EQ(u.cost, 150.0f);
    EXPECT_EQ(u.name, "");

    // A maker's product that is gone is asked for after the version message.
    OrderChooser order(prompter);
    platform::ScopedServices ordered({&prompter, &settings, &editors, nullptr, nullptr, &order});
    COkonomiModul gone;
    gone.SetDefaults();
    prompter.Clear();
    Restore(gone, firstLayout(0, "Borta", 0.2f));
    ASSERT_EQ(order.requests.size(), 1u);
    EXPECT_TRUE(order.requests[0].first.starts_with("Isoleringen Borta är borttagen"));
    EXPECT_EQ(order.requests[0].second, 1u);
    EXPECT_EQ(gone.alternatives[0]->MakerProduct(), Product(0));
}

TEST_F(EconomyRecords, LeadingRecordOfTheFirstLayoutReadsAlone)
{
    Record r;
    r.Word(1).NewClass("COkoTykkelse").Text("30").Float(30).Float(70);
    r.Word(4).Word(0).Text("t").Float(2.0f);
    CIsoProdukt copy(*Product(1));
    r.Add(Stored(copy));
    COkoIsolasjon old;
    Restore(old, r.bytes);
    EXPECT_TRUE(old.IsFirstLayout());
    EXPECT_EQ(old.format, 4);
    ASSERT_EQ(old.thicknesses.size(), 1u);
    EXPECT_EQ(old.thicknesses[0]->name, "30");
    EXPECT_EQ(old.thicknesses[0]->cost, 70.0f);
    EXPECT_EQ(old.product, Product(1));
    EXPECT_EQ(Stored(old), r.bytes);

    COkoIsolasjon current;
    EXPECT_EQ(Stored(current), (Bytes{0, 0, 5, 0}));
    COkoTykkelse entry;
    EXPECT_EQ(entry.thickness, 100.0f);
    EXPECT_EQ(entry.cost, 100.0f);
}
