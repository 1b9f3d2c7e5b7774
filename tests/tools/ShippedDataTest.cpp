#include "ToolTestSupport.h"

#include "BinaryFiles.h"
#include "Commands.h"
#include "ConductivityFit.h"
#include "FieldReader.h"
#include "ItemJson.h"
#include "SourceFiles.h"
#include "database/Catalogue.h"
#include "database/CProduktBeskrivelse.h"
#include "platform/MemorySettings.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"

#include <cmath>
#include <set>
#include <sstream>

using namespace tool_test;

// The shipped data: the reviewed sources in data/ and the files the build
// made of them in build/data, which the run command seeds the user's data
// folder with.
namespace {

const std::string sources = TEKVAR_DATA_SOURCES;
const std::string built = TEKVAR_BUILT_DATA;
const char* const binaryNames[] = {"tekvar.dat", "tekvar.ort", "tekvar.cst", "tekvar.ama"};

std::vector<std::string> sourceNames()
{
    std::vector<std::string> names;
    for (int list = 0; list < CDataBase::listCount; ++list)
        names.push_back(SourceFiles::ListFile(list));
    names.insert(names.end(), {SourceFiles::locationsFile, SourceFiles::costsFile, SourceFiles::textsFile});
    return names;
}

const Json& itemsOf(const Json& document)
{
    return document.at("items");
}

float number(const Json& item, const std::string& key)
{
    const Json* value = JsonText::Find(item, key);
    EXPECT_TRUE(value) << key;
    return value ? FieldReader::ToFloat(*value, key) : NAN;
}

// The figures of a source and of its dump agree: every key of the source
// item is in the dump with the same value (numbers as the floats they make),
// and the dump has nothing the source lacks except the fitted coefficients.
void expectSameFigures(const Json& source, const Json& dumped, const std::string& where)
{
    if (source.is_object()) {
        ASSERT_TRUE(dumped.is_object()) << where;
        for (auto member = source.begin(); member != source.end(); ++member) {
            const std::string& key = member.key();
            if (key == "source" || key == "note" || key == "declaredConductivity")
                continue;
            const Json* other = JsonText::Find(dumped, key);
            ASSERT_TRUE(other) << where << ": " << key << " lost";
            expectSameFigures(*member, *other, where + "." + key);
        }
        for (auto member = dumped.begin(); member != dumped.end(); ++member)
            EXPECT_TRUE(source.contains(member.key()) ||
                        (member.key() == "coefficients" && source.contains("declaredConductivity")))
                << where << ": " << member.key() << " added";
    } else if (source.is_array()) {
        ASSERT_TRUE(dumped.is_array()) << where;
        ASSERT_EQ(source.size(), dumped.size()) << where;
        for (std::size_t i = 0; i < source.size(); ++i)
            expectSameFigures(source[i], dumped[i], where + "[" + std::to_string(i) + "]");
    } else if (source.is_number()) {
        EXPECT_EQ(FieldReader::ToFloat(source, where), FieldReader::ToFloat(dumped, where)) << where;
    } else {
        EXPECT_EQ(source, dumped) << where;
    }
}

class ShippedDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { data = new DataSet(SourceFiles::Read(sources)); }
    static void TearDownTestSuite()
    {
        delete data;
        data = nullptr;
    }
    static const ItemList<CListItem>& List(int list) { return (*data->database)[std::size_t(list)]; }
    template <class T>
    static const T& Item(int list, std::size_t i)
    {
        return static_cast<const T&>(*List(list)[i]);
    }
    static Json Source(const std::string& name) { return SourceFiles::ReadJsonFile(sources + "/" + name); }

    static DataSet* data;
};

DataSet* ShippedDataTest::data = nullptr;

} // namespace

TEST_F(ShippedDataTest, TheBuildMadeTheDataFolderFromTheSourcesAsTheyAreNow)
{
    ASSERT_TRUE(data->database && data->locations && data->costs && data->texts);
    EXPECT_FALSE(data->userProducts) << "no egendef.dat is shipped";
    EXPECT_FALSE(fs::exists(built + "/egendef.dat"));
    ScratchFolder folder;
    std::ostringstream out, err;
    ASSERT_EQ(Commands::Build(sources, folder.str(), out, err), 0) << err.str();
    for (const char* name : binaryNames)
        EXPECT_EQ(FileBytes(built + "/" + name), FileBytes(folder / name)) << name << " is stale in " << built;
}

TEST_F(ShippedDataTest, EverySourceGoesIntoItsFileAndBackWithoutLoss)
{
    ScratchFolder folder;
    std::ostringstream out, err;
    for (const char* name : binaryNames)
        ASSERT_EQ(Commands::Dump(built + "/" + name, folder / "dump", out, err), 0) << err.str();
    for (const std::string& name : sourceNames()) {
        SCOPED_TRACE(name);
        expectSameFigures(itemsOf(Source(name)), itemsOf(SourceFiles::ReadJsonFile(folder / ("dump/" + name))), name);
    }
    // Dumped again, every file builds to the same bytes.
    ASSERT_EQ(Commands::Build(folder / "dump", folder / "again", out, err), 0) << err.str();
    for (const char* name : binaryNames)
        EXPECT_EQ(FileBytes(folder / ("again/" + std::string(name))), FileBytes(built + "/" + name)) << name;
}

TEST_F(ShippedDataTest, DumpingTheBuiltFilesOverTheSourcesChangesNothing)
{
    // How a changed database gets reviewed: dump it over a copy of the
    // sources and compare. Unchanged, the copy stays exactly as it was.
    ScratchFolder folder;
    fs::copy(sources, folder / "data");
    std::ostringstream out, err;
    for (const char* name : binaryNames)
        ASSERT_EQ(Commands::Dump(built + "/" + name, folder / "data", out, err), 0) << err.str();
    for (const std::string& name : sourceNames())
        EXPECT_EQ(FileBytes(folder / ("data/" + name)), FileBytes(sources + "/" + name)) << name;
}

TEST_F(ShippedDataTest, ACutOffFileIsRefusedWithAMessageAndWritesNothing)
{
    ScratchFolder folder;
    for (const char* name : binaryNames) {
        const Bytes whole = FileBytes(built + "/" + name);
        for (std::size_t length = 0; length < whole.size(); length += 1 + length / 8) {
            WriteBytes(folder / name, Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(length)));
            std::ostringstream out, err;
            EXPECT_EQ(Commands::Dump(folder / name, folder / "out", out, err), 1) << name << " cut at " << length;
            EXPECT_NE(err.str().find("not a data file of this program"), std::string::npos) << err.str();
        }
    }
    EXPECT_FALSE(fs::exists(folder / "out"));
}

TEST_F(ShippedDataTest, EveryCurveMeetsItsDeclaredConductivitiesAndStaysSensibleToTheServiceLimit)
{
    const Json document = Source(SourceFiles::ListFile(0));
    const Json& items = itemsOf(document);
    ASSERT_EQ(items.size(), List(0).size());
    for (std::size_t i = 0; i < List(0).size(); ++i) {
        const auto& product = Item<CIsoProdukt>(0, i);
        SCOPED_TRACE(product.name);
        const Json* declared = JsonText::Find(items[i], "declaredConductivity");
        ASSERT_TRUE(declared) << "every shipped curve comes from declared values";
        bool at10 = false;
        int higher = 0;
        float lowest = 1e9f;
        for (const Json& point : *declared) {
            const float t = number(point, "temperature");
            const float lambda = number(point, "lambda");
            EXPECT_LE(std::abs(product.ConductivityAt(t) - lambda) / lambda, 0.01f) << "at " << t << " °C";
            at10 = at10 || t == 10.0f;
            higher += t > 10.0f ? 1 : 0;
            lowest = std::min(lowest, t);
        }
        EXPECT_TRUE(at10) << "lambda(10 °C) declared";
        EXPECT_GE(higher, 2) << "two temperatures above 10 °C declared";
        // Between the coldest declared point and the service limit the curve
        // stays within what insulation does: positive, rising, below 0.2.
        float previous = 0;
        for (int step = 0; step <= 100; ++step) {
            const float t = lowest + (product.maxTemperature - lowest) * float(step) / 100.0f;
            const float lambda = product.ConductivityAt(t);
            EXPECT_GT(lambda, previous) << "at " << t << " °C";
            EXPECT_LT(lambda, 0.2f) << "at " << t << " °C";
            previous = lambda;
        }
    }
}

TEST_F(ShippedDataTest, ProductsCoverEveryObjectKindWithConsistentThicknesses)
{
    ASSERT_GE(List(0).size(), 15u);
    std::set<int> kinds;
    std::set<std::string> names;
    for (std::size_t i = 0; i < List(0).size(); ++i) {
        const auto& product = Item<CIsoProdukt>(0, i);
        SCOPED_TRACE(product.name);
        EXPECT_TRUE(names.insert(product.name).second) << "names are unique in the list";
        EXPECT_LE(product.name.size(), 60u);
        bool usable = false;
        for (int kind = 0; kind < ObjectKindCount; ++kind)
            if (product.IsUsableFor(kind)) {
                usable = true;
                kinds.insert(kind);
            }
        EXPECT_TRUE(usable);
        ASSERT_FALSE(product.thicknesses.empty());
        EXPECT_EQ(product.thicknesses.front()->thickness, product.minThickness);
        EXPECT_EQ(product.thicknesses.back()->thickness, product.maxThickness);
        for (std::size_t t = 1; t < product.thicknesses.size(); ++t)
            EXPECT_LT(product.thicknesses[t - 1]->thickness, product.thicknesses[t]->thickness);
        EXPECT_GT(product.maxTemperature, 50.0f);
        for (const std::string& picture : product.pictures)
            EXPECT_TRUE(picture.empty());
    }
    EXPECT_EQ(kinds.size(), std::size_t(ObjectKindCount)) << "some object kind has no product";
}

TEST_F(ShippedDataTest, OtherListsHoldSensibleFiguresInTheirOrder)
{
    for (int list = 0; list < CDataBase::listCount; ++list)
        EXPECT_FALSE(List(list).empty()) << CDataBase::Info(list).label;

    for (const int list : {1, 2}) {
        EXPECT_GE(List(list).size(), 3u);
        for (std::size_t i = 0; i < List(list).size(); ++i) {
            const auto& absorber = Item<CAbsorpsjon>(list, i);
            EXPECT_EQ(absorber.kind, CDataBase::Info(list).kind);
            ASSERT_GE(absorber.thicknesses.size(), 3u) << absorber.name;
            for (std::size_t t = 0; t < absorber.thicknesses.size(); ++t) {
                const auto& thickness = *absorber.thicknesses[t];
                if (t) {
                    EXPECT_LT(absorber.thicknesses[t - 1]->thickness, thickness.thickness) << absorber.name;
                }
                for (const float factor : thickness.factors) {
                    EXPECT_GE(factor, 0.0f);
                    EXPECT_LE(factor, 1.0f);
                }
                // Thicker linings absorb more of the lowest band.
                if (t) {
                    EXPECT_GT(thickness.factors[0], absorber.thicknesses[t - 1]->factors[0]) << absorber.name;
                }
            }
        }
    }

    for (const int list : {3, 4, 5})
        for (std::size_t i = 0; i < List(list).size(); ++i) {
            const auto& cladding = Item<CMantling>(list, i);
            EXPECT_EQ(cladding.kind, CDataBase::Info(list).kind) << cladding.name;
            EXPECT_GT(cladding.emissivity, 0.0f) << cladding.name;
            EXPECT_LE(cladding.emissivity, 1.0f) << cladding.name;
        }
    // The emissivities of the cladding table, by name.
    auto emissivityOf = [&](const std::string& name) {
        const CListItem* item = FindByName(List(3), name);
        return item ? static_cast<const CMantling*>(item)->emissivity : -1.0f;
    };
    EXPECT_EQ(emissivityOf("Aluminiumplåt, blank"), 0.05f);
    EXPECT_EQ(emissivityOf("Aluminiumplåt, oxiderad"), 0.13f);
    EXPECT_EQ(emissivityOf("Förzinkad stålplåt, ny"), 0.26f);
    EXPECT_EQ(emissivityOf("Förzinkad stålplåt, dammig"), 0.44f);
    EXPECT_EQ(emissivityOf("Rostfri stålplåt"), 0.15f);
    EXPECT_EQ(emissivityOf("PVC-mantel"), 0.94f);

    for (std::size_t i = 0; i < List(6).size(); ++i) {
        const auto& fitting = Item<CTillegg2>(6, i);
        ASSERT_FALSE(fitting.lengths.empty()) << fitting.name;
        for (std::size_t l = 1; l < fitting.lengths.size(); ++l) {
            EXPECT_LE(fitting.lengths[l - 1]->equivalentLength, fitting.lengths[l]->equivalentLength) << fitting.name;
            EXPECT_LT(fitting.lengths[l - 1]->maxPipeDiameter, fitting.lengths[l]->minPipeDiameter) << fitting.name;
        }
        // A DN 50 steel pipe (60.3 mm) falls in the first range, DN 100 (114.3 mm) in the second.
        EXPECT_EQ(fitting.EquivalentLength(60.3f), fitting.lengths[0]->equivalentLength);
        EXPECT_EQ(fitting.EquivalentLength(114.3f), fitting.lengths[1]->equivalentLength);
    }

    ASSERT_GE(List(7).size(), 8u);
    EXPECT_EQ(List(7)[0]->name, "Vatten");
    for (std::size_t i = 0; i < List(7).size(); ++i) {
        const auto& liquid = Item<CVeske>(7, i);
        EXPECT_GE(liquid.density, 900.0f) << liquid.name;
        EXPECT_LE(liquid.density, 1300.0f) << liquid.name;
        EXPECT_GE(liquid.specificHeatCapacity, 2500.0f) << liquid.name;
        // Weak ethanol mixtures hold a little more heat than water itself.
        EXPECT_LE(liquid.specificHeatCapacity, 4400.0f) << liquid.name;
        EXPECT_LE(liquid.freezingPoint, 0.0f) << liquid.name;
        if (i >= 3) {
            EXPECT_LT(liquid.freezingPoint, -5.0f) << liquid.name << " is meant as a brine";
        }
    }

    // The modules start with the first material: welded steel.
    ASSERT_GE(List(8).size(), 6u);
    EXPECT_EQ(List(8)[0]->name.rfind("Stålrör", 0), 0u);
    for (std::size_t i = 0; i < List(8).size(); ++i) {
        const auto& material = Item<CRormaterial>(8, i);
        EXPECT_LT(material.minAllowedTemperature, material.maxAllowedTemperature) << material.name;
        EXPECT_GT(material.WallConductivity(material.maxAllowedTemperature), 0.0f) << material.name;
        ASSERT_GE(material.dimensions.size(), 5u) << material.name;
        for (std::size_t d = 0; d < material.dimensions.size(); ++d) {
            const auto& dimension = *material.dimensions[d];
            EXPECT_LT(2 * dimension.wallThickness, dimension.outerDiameter) << material.name << " " << dimension.name;
            if (d) {
                EXPECT_LT(material.dimensions[d - 1]->outerDiameter, dimension.outerDiameter) << material.name;
            }
        }
    }
    // DN 50 steel is 60.3 mm across.
    const CListItem* dn50 = FindByName(Item<CRormaterial>(8, 0).dimensions, "DN50");
    ASSERT_TRUE(dn50);
    EXPECT_EQ(static_cast<const CRordimensjon*>(dn50)->outerDiameter, 60.3f);
}

TEST_F(ShippedDataTest, LocationsCostsAndTextsAreComplete)
{
    ASSERT_GE(data->locations->size(), 40u);
    std::set<std::string> places;
    for (const auto& location : *data->locations) {
        EXPECT_TRUE(places.insert(location->name).second) << location->name;
        EXPECT_GE(location->annualMeanTemperature, -3.0f) << location->name;
        EXPECT_LE(location->annualMeanTemperature, 10.0f) << location->name;
        EXPECT_GT(location->annualMeanWindSpeed, 1.0f) << location->name;
        EXPECT_LT(location->annualMeanWindSpeed, 8.0f) << location->name;
        // One decimal: the list line shows the value as it is.
        EXPECT_FLOAT_EQ(std::round(location->annualMeanTemperature * 10) / 10, location->annualMeanTemperature);
    }
    const CKlimasted* kiruna = FindByName(*data->locations, "Kiruna");
    ASSERT_TRUE(kiruna);
    EXPECT_LT(kiruna->annualMeanTemperature, FindByName(*data->locations, "Malmö")->annualMeanTemperature);

    ASSERT_GE(data->costs->size(), 20u);
    int perSquareMetre = 0;
    for (const auto& cost : *data->costs) {
        EXPECT_GE(cost->cost, 1.0f) << cost->name;
        EXPECT_LE(cost->cost, 5000.0f) << cost->name; // the entry dialog's range
        EXPECT_LE(cost->name.size(), 60u);
        perSquareMetre += cost->displayText.find("kr/m²") != std::string::npos ? 1 : 0;
    }
    EXPECT_GE(perSquareMetre, 3);

    for (int group = 0; group < CProduktBeskrivelse::groupCount; ++group)
        for (int code = 0; code < CProduktBeskrivelse::Group(group).codeCount; ++code) {
            const CVVSAMATekst& text = (*data->texts)[std::size_t(CProduktBeskrivelse::TextIndex(group, code))];
            const std::string prefix =
                std::string(CProduktBeskrivelse::Group(group).name) + "." + std::to_string(code + 1) + " ";
            EXPECT_EQ(text.heading.rfind(prefix, 0), 0u) << text.heading;
            EXPECT_GT(text.body.size(), 300u) << text.heading;
            EXPECT_NE(text.body.find("Omfattning:"), std::string::npos) << text.heading;
        }
    for (const CVVSAMATekst& text : *data->texts) {
        EXPECT_FALSE(text.heading.empty());
        EXPECT_FALSE(text.body.empty());
        EXPECT_LE(text.heading.size(), CVVSAMATekst::maxHeading);
        EXPECT_LE(text.body.size(), CVVSAMATekst::maxBody);
    }
}

TEST_F(ShippedDataTest, EveryFigureNamesItsSource)
{
    for (const std::string& name : sourceNames()) {
        if (name == SourceFiles::textsFile)
            continue; // written for the program, no figures
        const Json document = Source(name);
        for (const Json& item : itemsOf(document)) {
            const Json* source = JsonText::Find(item, "source");
            EXPECT_TRUE(source && source->is_string() && source->get<std::string>().size() > 20)
                << name << ": " << item.at("name").get<std::string>();
        }
    }
}

TEST_F(ShippedDataTest, TheProgramReadsTheBuiltFilesWithoutAMessage)
{
    platform::ScriptedPrompter prompter;
    platform::MemorySettings settings;
    settings.SetString("Files", "Database File", built + "/tekvar.dat");
    settings.SetString("Files", "Climate File", built + "/tekvar.ort");
    settings.SetString("Files", "Cost File", built + "/tekvar.cst");
    settings.SetString("Files", "VVSAMA File", built + "/tekvar.ama");
    platform::ScopedServices services({&prompter, &settings, nullptr, nullptr, nullptr, nullptr});

    Catalogue catalogue;
    CProduktBeskrivelse descriptions;
    EXPECT_TRUE(descriptions.Load());
    EXPECT_TRUE(prompter.Texts().empty()) << prompter.Texts().front();

    for (int list = 0; list < CDataBase::listCount; ++list)
        EXPECT_EQ(catalogue.database.lists[std::size_t(list)].size(), List(list).size()) << list;
    EXPECT_TRUE(catalogue.userDatabase.products.empty());
    EXPECT_EQ(catalogue.climate.locations.size(), data->locations->size());
    EXPECT_EQ(catalogue.costs.entries.size(), data->costs->size());
    EXPECT_EQ(descriptions.texts, *data->texts);
    // The modules see the same products the sources describe.
    EXPECT_EQ(CDataBase::SystemItems<CIsoProdukt>(0).size(), List(0).size());
    EXPECT_TRUE(Item<CIsoProdukt>(0, 0).IsEqual(*catalogue.database.lists[0][0]));
}
