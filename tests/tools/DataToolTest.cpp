#include "ToolTestSupport.h"

#include "BinaryFiles.h"
#include "Commands.h"
#include "ConductivityFit.h"
#include "DataError.h"
#include "FieldReader.h"
#include "ItemJson.h"
#include "JsonText.h"
#include "SourceFiles.h"
#include "SourceNotes.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>

using namespace tool_test;

namespace {

Bytes text(const std::string& ascii)
{
    Bytes out{std::uint8_t(ascii.size())};
    out.insert(out.end(), ascii.begin(), ascii.end());
    return out;
}

Bytes newClass(const std::string& name)
{
    Bytes out{0xFF, 0xFF, 0x01, 0x00, std::uint8_t(name.size()), 0x00};
    out.insert(out.end(), name.begin(), name.end());
    return out;
}

Bytes floatBytes(float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    return {std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16), std::uint8_t(bits >> 24)};
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const DataError& error) {
        return error.what();
    }
    return "";
}

bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, 4) == 0;
}

const std::string oneLocation = R"({"title": "t", "items": [{"name": "Kiruna", "temperature": -1.2, "windSpeed": 3.4,
    "source": "a reviewer's note"}]})";

} // namespace

TEST(JsonTextTest, ParsesValuesAndSaysWhereASourceIsBroken)
{
    std::vector<int> itemLines;
    const Json value = JsonText::Parse("\xEF\xBB\xBF{\"a\": [1, -0.5e-3, true, null],\n"
                                       " \"b\": \"x\\ty\\u00e5\\ud83d\\ude00\",\n"
                                       " \"items\": [{\"items\": [1, 2]},\n\n   {\"c\": 2}, \"x\"\n ]}",
                                       "t.json", &itemLines);
    ASSERT_TRUE(value.is_object());
    const Json* a = JsonText::Find(value, "a");
    ASSERT_TRUE(a && a->is_array());
    ASSERT_EQ(a->size(), 4u);
    EXPECT_EQ(a->at(1).get<double>(), double(-0.5e-3f));
    EXPECT_TRUE(a->at(2).get<bool>());
    EXPECT_EQ(value.at("b"), "x\ty\xC3\xA5\xF0\x9F\x98\x80");
    EXPECT_EQ(value.begin().key(), "a");
    // Only the document's own list counts, not one inside an item.
    EXPECT_EQ(itemLines, (std::vector<int>{3, 5, 5}));

    auto parseError = [](const std::string& text) { return errorOf([&] { JsonText::Parse(text, "f.json"); }); };
    EXPECT_EQ(parseError("{\"a\": 1,\n  \"a\": 2}"), "f.json:2:3: the key \"a\" is given twice");
    EXPECT_EQ(parseError("{\"a\\\\\": 1, \"a\\\\\": 2}"), "f.json:1:12: the key \"a\\\" is given twice");
    EXPECT_EQ(parseError("[1, 2"),
              "f.json:1:6: syntax error while parsing array - unexpected end of input; expected ']'");
    EXPECT_EQ(parseError("{\"items\": [\n  {\"a\": 1}\n  {\"b\": 2}]}"),
              "f.json:3:3: syntax error while parsing array - unexpected '{'; expected ']'");
    EXPECT_EQ(parseError("[01]"),
              "f.json:1:2: syntax error while parsing array - unexpected number literal; expected ']'");
    // nlohmann's "last read" goes back to its last text or number.
    EXPECT_EQ(parseError("{} x"), "f.json:1:4: syntax error while parsing value - invalid literal; last read: '{} x'; "
                                  "expected end of input");
    EXPECT_EQ(parseError("[1e400]"), "f.json:1:2: number overflow parsing '1e400'");
    EXPECT_NE(parseError(std::string(100, '[') + std::string(100, ']')).find("f.json:1:65: values nested too deeply"),
              std::string::npos);
}

TEST(JsonTextTest, FloatsGoThroughTextUnchangedAndDocumentsKeepTheirLayout)
{
    for (const float value : {0.1f, 1.51e-9f, 0.034f, -0.0f, 1e-45f, std::numeric_limits<float>::max(), 999.8f,
                              -4.721226e-12f, 16777217.0f, 120.0f}) {
        const Json json = JsonText::Parse(JsonText::Write(JsonText::Number(value)), "t");
        EXPECT_TRUE(sameBits(FieldReader::ToFloat(json, "t"), value)) << value;
    }
    EXPECT_EQ(JsonText::Write(JsonText::Number(0.034f)), "0.034\n");
    EXPECT_EQ(JsonText::Write(JsonText::Number(120.0f)), "120\n");
    EXPECT_EQ(JsonText::Write(JsonText::Number(-0.0f)), "-0.0\n"); // "-0" would read back as the integer 0
    EXPECT_TRUE(std::isnan(FieldReader::ToFloat(JsonText::Number(std::nanf("")), "t")));
    EXPECT_EQ(FieldReader::ToFloat(JsonText::Number(-INFINITY), "t"), -INFINITY);
    // Just above the midpoint of 1 and the next float: the double nearest
    // the text is the midpoint itself, which would round down to 1.
    EXPECT_EQ(FieldReader::ToFloat(JsonText::Parse("1.0000000596046447753906251", "t"), "t"),
              std::nextafter(1.0f, 2.0f));
    EXPECT_EQ(errorOf([] { FieldReader::ToFloat(JsonText::Parse("1e39", "t"), "x"); }),
              "x: 1e+39 does not fit a 32-bit float");
    EXPECT_EQ(errorOf([] { FieldReader::ToFloat(JsonText::Parse("-1e-50", "t"), "x"); }),
              "x: -1e-50 does not fit a 32-bit float");

    Json object = Json::object();
    object["body"] = "rad 1\r\nrad \"2\"\t\\ \x01";
    object["short"] = Json::array({1, "två", true, nullptr, JsonText::Number(0.5f)});
    object["long"] = Json::array({std::string(100, 'x'), 2});
    object["nested"] = Json::array({Json::object({{"z", 1}, {"a", JsonText::Number(1.5e-9f)}}), Json::array()});
    const std::string text = JsonText::Write(object);
    EXPECT_EQ(text, "{\n"
                    "  \"body\": \"rad 1\\r\\nrad \\\"2\\\"\\t\\\\ \\u0001\",\n"
                    "  \"short\": [1, \"två\", true, null, 0.5],\n"
                    "  \"long\": [\n"
                    "    \"" + std::string(100, 'x') + "\",\n"
                    "    2\n"
                    "  ],\n"
                    "  \"nested\": [\n"
                    "    {\"z\": 1, \"a\": 1.5e-09},\n"
                    "    []\n"
                    "  ]\n"
                    "}\n");
    EXPECT_EQ(JsonText::Parse(text, "t"), object);
}

TEST(ConductivityFitTest, InterpolatesThreeOrFourPointsAndFitsMoreByLeastSquares)
{
    // Four points: the program's exact fit through all of them.
    const auto four = ConductivityFit::Fit({{0, 0.037f}, {50, 0.045f}, {100, 0.053f}, {150, 0.057f}}, "p");
    EXPECT_NEAR(four.a, -5.333e-9, 1e-11);
    EXPECT_NEAR(four.b, 8.0e-7, 1e-9);
    EXPECT_NEAR(four.c, 1.3333e-4, 1e-7);
    EXPECT_NEAR(four.d, 0.037, 1e-7);

    // Three points: the quadratic, a = 0.
    const auto three = ConductivityFit::Fit({{0, 0.037f}, {50, 0.045f}, {100, 0.053f}}, "p");
    EXPECT_EQ(three.a, 0.0f);
    EXPECT_NEAR(three.c, 1.6e-4, 1e-8);

    // Seven points on a known cubic: least squares gives that cubic back.
    std::vector<ConductivityFit::Point> points;
    for (const float t : {10.f, 50.f, 100.f, 200.f, 300.f, 400.f, 500.f})
        points.push_back({t, float(1e-10 * t * t * t + 2e-7 * t * t + 1e-4 * t + 0.034)});
    const auto fitted = ConductivityFit::Fit(points, "p");
    EXPECT_NEAR(fitted.a, 1e-10, 1e-12);
    EXPECT_NEAR(fitted.b, 2e-7, 1e-9);
    EXPECT_NEAR(fitted.c, 1e-4, 1e-7);
    EXPECT_NEAR(fitted.d, 0.034, 1e-5);
    EXPECT_LT(ConductivityFit::WorstDeviation(fitted, points), 1e-4);

    // Points no cubic meets within 1 % are refused, as are unusable ones.
    const std::string zigzag = errorOf(
        [] { ConductivityFit::Fit({{0, 0.04f}, {50, 0.05f}, {100, 0.04f}, {150, 0.05f}, {200, 0.04f}}, "P"); });
    EXPECT_EQ(zigzag.rfind("P: the fitted curve misses a declared conductivity by ", 0), 0u) << zigzag;
    EXPECT_NE(zigzag.find(" % (at most 1 % allowed)"), std::string::npos) << zigzag;
    EXPECT_EQ(errorOf([] { ConductivityFit::Fit({{0, 0.04f}, {50, 0.05f}}, "P"); }),
              "P: at least three declared conductivities are needed for a curve");
    EXPECT_EQ(errorOf([] { ConductivityFit::Fit({{0, 0.04f}, {50, 0.05f}, {50, 0.06f}}, "P"); }),
              "P: two declared conductivities at the same temperature");
    EXPECT_EQ(errorOf([] { ConductivityFit::Fit({{0, 0.04f}, {50, 0.0f}, {100, 0.06f}}, "P"); }),
              "P: a declared conductivity must be above zero");
}

TEST(ItemJsonTest, RefusesMisspeltKeysWrongTypesAndUnstorableTexts)
{
    auto parse = [](const std::string& text) { return JsonText::Parse(text, "t"); };
    EXPECT_EQ(errorOf([&] { ItemJson::Liquid(parse(R"({"name": "V", "density": 1, "specificHeat": 2,
        "freezingPoint": 0, "freezingPiont": 1})"), "L"); }),
              "L: unknown key \"freezingPiont\"");
    EXPECT_EQ(errorOf([&] { ItemJson::Liquid(parse(R"({"name": "V", "density": "1000", "specificHeat": 2,
        "freezingPoint": 0})"), "L"); }),
              "L: \"density\": a number expected");
    EXPECT_EQ(errorOf([&] { ItemJson::Cladding(parse(R"({"name": "λ-plåt", "emissivity": 0.5})"), 0, "C"); }),
              "C: \"name\": the text \"λ-plåt\" holds characters that the data files cannot store (Windows-1252 only)");
    EXPECT_EQ(errorOf([&] { ItemJson::Cladding(parse(R"({"name": "P", "emissivity": 0.5, "colour": "#fff"})"), 0, "C"); }),
              "C: \"colour\" must be a colour written \"0x00BBGGRR\"");
    EXPECT_EQ(errorOf([&] { ItemJson::Cost(parse(R"({"name": "K", "cost": 5, "unit": "st"})"), "K"); }),
              "K: \"unit\" must be \"m\" (pipes and ducts) or \"m²\" (surfaces)");

    const char* product = R"({"name": "P", "usage": [%s], "maxTemperature": 100, "minThickness": 10,
        "maxThickness": 50, "thicknesses": [10, 20]%s})";
    auto withUsage = [&](const std::string& usage, const std::string& curve) {
        char buffer[512];
        std::snprintf(buffer, sizeof buffer, product, usage.c_str(), curve.c_str());
        return parse(buffer);
    };
    EXPECT_EQ(errorOf([&] { ItemJson::Product(withUsage("\"pipe\"", ""), "P"); }),
              "P: neither \"coefficients\" nor \"declaredConductivity\" gives the conductivity");
    EXPECT_NE(errorOf([&] { ItemJson::Product(withUsage("\"pipes\"", ""), "P"); }).find("unknown object kind"),
              std::string::npos);
    EXPECT_EQ(errorOf([&] { ItemJson::Product(withUsage("\"tank\", \"tank\"", ""), "P"); }),
              "P: \"usage\" names tank twice");
    // Coefficients given beside declared values must still meet them.
    EXPECT_EQ(errorOf([&] {
                  ItemJson::Product(withUsage("\"pipe\"", R"(, "coefficients": {"a": 0, "b": 0, "c": 0, "d": 0.04},
                      "declaredConductivity": [{"temperature": 10, "lambda": 0.04}, {"temperature": 50,
                      "lambda": 0.045}, {"temperature": 100, "lambda": 0.05}])"),
                                    "P");
              }),
              "P: the coefficients miss a declared conductivity by more than 1 %");

    const auto made = ItemJson::Product(withUsage("\"tank\", \"pipe\"", R"(, "declaredConductivity": [
        {"temperature": 0, "lambda": 0.037}, {"temperature": 50, "lambda": 0.045, "source": "s"},
        {"temperature": 100, "lambda": 0.053}, {"temperature": 150, "lambda": 0.057}])"),
                                        "P");
    EXPECT_TRUE(made->IsUsableFor(0));
    EXPECT_TRUE(made->IsUsableFor(6));
    EXPECT_FALSE(made->IsUsableFor(1));
    EXPECT_NEAR(made->ConductivityAt(150), 0.057, 1e-6);
    ASSERT_EQ(made->thicknesses.size(), 2u);
    EXPECT_EQ(made->thicknesses[1]->name, "20.0");
}

TEST(BinaryFilesTest, WritesTheRecordsByteForByteAsTheProgramReadsThem)
{
    ScratchFolder folder;
    WriteText(folder / "climate-locations.json", oneLocation);
    WriteText(folder / "insulation-costs.json",
              R"({"items": [{"name": "Yta", "unit": "m²", "cost": 450}, {"name": "Rör", "unit": "m", "cost": 99.5}]})");
    std::ostringstream out, err;
    ASSERT_EQ(Commands::Build(folder.str(), folder / "out", out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "wrote " + folder.str() + "/out/tekvar.ort\nwrote " + folder.str() + "/out/tekvar.cst\n");

    // A count, the class tag, then name, description, list line and the two values.
    const Bytes location = Bytes{0x01, 0x00} + newClass("CKlimasted") + text("Kiruna") + Bytes{0x00} +
                           text("Kiruna\t-1.2\t3.4") + floatBytes(-1.2f) + floatBytes(3.4f);
    EXPECT_EQ(FileBytes(folder / "out/tekvar.ort"), location);
    // Costs carry no description; "m²" is written in the 8-bit code page; the
    // second entry refers back to the class by its index (1) with the top bit.
    const Bytes costs = Bytes{0x02, 0x00} + newClass("CIsoKostnad") + Bytes{0x03, 'Y', 't', 'a'} +
                        Bytes{0x0F, 'Y', 't', 'a', '\t', '4', '5', '0', '.', '0', ' ', 'k', 'r', '/', 'm', 0xB2} +
                        floatBytes(450) + Bytes{0x01, 0x80} + Bytes{0x03, 'R', 0xF6, 'r'} +
                        Bytes{0x0D, 'R', 0xF6, 'r', '\t', '9', '9', '.', '5', ' ', 'k', 'r', '/', 'm'} +
                        floatBytes(99.5f);
    EXPECT_EQ(FileBytes(folder / "out/tekvar.cst"), costs);
}

TEST(BinaryFilesTest, DumpThenBuildGivesBackOddFilesByteForByte)
{
    // A user's database as editors and older versions leave it: names that
    // no longer follow their values, a cladding of a kind its list does not
    // suggest, list lines out of date, non-default colours and pictures.
    CDataBase::Lists lists;
    auto product = std::make_unique<CIsoProdukt>();
    product->name = "Egen skål";
    product->description = "beskrivning";
    product->usageFlags[3] = true;
    product->pictures[7] = "tank.jpg";
    product->insulationColour = 0x00123456;
    product->thicknesses.push_back(std::make_unique<CIsoTykkelse>(30.0f));
    product->thicknesses.push_back(std::make_unique<CIsoTykkelse>(40.04f));
    product->thicknesses.back()->name = "40";
    lists[0].push_back(std::move(product));
    auto absorber = std::make_unique<CAbsorpsjon>(1); // in the list of kind 0
    absorber->name = "A";
    absorber->fourSidesPicture = "a.jpg";
    absorber->thicknesses.push_back(std::make_unique<CAbsorpsjonTykkelse>());
    absorber->thicknesses.back()->name = "femtio";
    lists[1].push_back(std::move(absorber));
    auto cladding = std::make_unique<CMantling>(7);
    cladding->name = "Plåt";
    lists[3].push_back(std::move(cladding));
    auto fitting = std::make_unique<CTillegg2>();
    fitting->name = "Ventil";
    fitting->lengths.push_back(std::make_unique<CTilleggslengde>());
    fitting->lengths.back()->maxPipeDiameter = 80; // the name still says 10 - 50 mm
    lists[6].push_back(std::move(fitting));
    auto liquid = std::make_unique<CVeske>();
    liquid->name = "Vatten";
    liquid->density = std::nanf("");
    lists[7].push_back(std::move(liquid));

    ItemList<CKlimasted> locations;
    locations.push_back(std::make_unique<CKlimasted>());
    locations.back()->name = "Ort";
    locations.back()->displayText = "gammal rad";
    ItemList<CIsoKostnad> costs;
    costs.push_back(std::make_unique<CIsoKostnad>());
    costs.back()->name = "K";
    ItemList<CEgendefIsoProdukt> user;
    user.push_back(std::make_unique<CEgendefIsoProdukt>());
    user.back()->name = "Min produkt";
    user.back()->threePointMode = true;
    user.back()->a = 1.0f; // no longer what the points give
    DataSet::Texts texts;
    texts[5].heading = "Rubrik";
    texts[5].body = "rad 1\r\nrad 2\tå";

    ScratchFolder folder;
    const std::vector<std::pair<std::string, Bytes>> files = {
        {"tekvar.dat", BinaryFiles::EncodeDatabase(lists)},     {"egendef.dat", BinaryFiles::EncodeUserProducts(user)},
        {"tekvar.ort", BinaryFiles::EncodeLocations(locations)}, {"tekvar.cst", BinaryFiles::EncodeCosts(costs)},
        {"tekvar.ama", BinaryFiles::EncodeTexts(texts)},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        WriteBytes(folder / name, bytes);
        std::ostringstream out, err;
        ASSERT_EQ(Commands::Dump(folder / name, folder / ("json-" + name), out, err), 0) << err.str();
        ASSERT_EQ(Commands::Build(folder / ("json-" + name), folder / ("bin-" + name), out, err), 0) << err.str();
        EXPECT_EQ(FileBytes(folder / ("bin-" + name) + "/" + name), bytes);
    }
    // What a reviewer reads of it.
    const Json dumped = SourceFiles::ReadJsonFile(folder / "json-tekvar.dat/claddings-outer.json");
    const Json& item = dumped.at("items").at(0);
    EXPECT_EQ(item.at("kind"), 7);
    EXPECT_FALSE(item.contains("colour"));
    const Json costsDump = SourceFiles::ReadJsonFile(folder / "json-tekvar.cst/insulation-costs.json");
    EXPECT_EQ(costsDump.at("items").at(0).at("displayText"), "");
}

TEST(BinaryFilesTest, RecognisesFilesByContentAndRefusesOthers)
{
    ScratchFolder folder;
    WriteText(folder / "climate-locations.json", oneLocation);
    std::ostringstream out, err;
    ASSERT_EQ(Commands::Build(folder.str(), folder.str(), out, err), 0);
    // A climate file under another name is still a climate file.
    std::filesystem::rename(folder / "tekvar.ort", folder / "orter.bin");
    std::size_t tail = 0;
    EXPECT_TRUE(BinaryFiles::Read(folder / "orter.bin", tail).locations.has_value());

    // The description file keeps an old tail after its 48 texts when saved
    // over a longer one; the dump leaves it out and says so.
    DataSet::Texts texts;
    Bytes ama = BinaryFiles::EncodeTexts(texts);
    ama.insert(ama.end(), {1, 2, 3});
    WriteBytes(folder / "tekvar.ama", ama);
    std::ostringstream dumpOut, dumpErr;
    EXPECT_EQ(Commands::Dump(folder / "tekvar.ama", folder / "ama", dumpOut, dumpErr), 0);
    EXPECT_NE(dumpErr.str().find("3 bytes after the 48 texts"), std::string::npos);

    WriteBytes(folder / "junk.dat", Bytes{0x05, 0x00, 0x07});
    std::ostringstream junkErr;
    EXPECT_EQ(Commands::Dump(folder / "junk.dat", folder / "junk", out, junkErr), 1);
    EXPECT_EQ(junkErr.str(), "tekvar-data: " + (folder / "junk.dat") +
                                 ": not a data file of this program (no database, user database, climate, cost or "
                                 "description file reads to its end)\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "junk"));
}

TEST(CommandsTest, RefusesIncompleteSourcesAndWrongCommandLinesWithoutWritingAnything)
{
    ScratchFolder folder;
    WriteText(folder / "climate-locations.json", oneLocation);
    WriteText(folder / "liquids.json", R"({"items": []})");
    std::ostringstream out, err;
    EXPECT_EQ(Commands::Build(folder.str(), folder / "out", out, err), 1);
    EXPECT_NE(err.str().find("the database needs all nine list files; missing: insulation-products.json, "),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "out"));

    // One bad item stops the build before any file is written.
    std::filesystem::remove(folder / "liquids.json");
    WriteText(folder / "insulation-costs.json", R"({"items": [{"name": "K", "cost": 1}]})");
    std::ostringstream err2;
    EXPECT_EQ(Commands::Build(folder.str(), folder / "out", out, err2), 1);
    EXPECT_EQ(err2.str(), "tekvar-data: " + (folder / "insulation-costs.json") +
                              ": item 1 (K) at line 1: \"unit\" is missing\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "out"));

    // A source that does not parse is named with the line and column.
    WriteText(folder / "insulation-costs.json", "{\"items\": [\n  {\"name\": \"K\", \"unit\": \"m\" \"cost\": 1}]}");
    std::ostringstream broken;
    EXPECT_EQ(Commands::Build(folder.str(), folder / "out", out, broken), 1);
    EXPECT_EQ(broken.str(), "tekvar-data: " + (folder / "insulation-costs.json") +
                                ":2:29: syntax error while parsing object - unexpected string literal; expected '}'\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "out"));

    std::ostringstream err3;
    EXPECT_EQ(Commands::Build(folder / "nothing", folder / "out", out, err3), 1);
    EXPECT_NE(err3.str().find("no such folder"), std::string::npos);

    std::ostringstream usageErr;
    EXPECT_EQ(Commands::Run({"build", folder.str()}, out, usageErr), 2);
    EXPECT_EQ(usageErr.str().rfind("usage: tekvar-data build SOURCE_DIR OUT_DIR\n", 0), 0u);
    EXPECT_EQ(Commands::Run({"compile", "a", "b"}, out, usageErr), 2);
}

TEST(SourceNotesTest, KeepsTheReviewersNotesOfItemsThatStillMatch)
{
    const Json existing = JsonText::Parse(R"({"title": "Egen titel", "references": {"k": "c"}, "items": [
        {"name": "P", "coefficients": {"a": 0, "b": 0, "c": 0, "d": 0.04}, "source": "s1"},
        {"name": "Q", "declaredConductivity": [{"temperature": 0, "lambda": 0.037},
            {"temperature": 50, "lambda": 0.045}, {"temperature": 100, "lambda": 0.053}], "source": "s2"},
        {"name": "R", "declaredConductivity": [{"temperature": 0, "lambda": 0.037},
            {"temperature": 50, "lambda": 0.045}, {"temperature": 100, "lambda": 0.053}], "note": "n3"},
        {"name": "Borttagen", "source": "s4"}]})",
                                          "old");
    const auto fit = ConductivityFit::Fit({{0, 0.037f}, {50, 0.045f}, {100, 0.053f}}, "fit");
    auto coefficients = [](float a, float b, float c, float d) {
        return Json::object({{"a", JsonText::Number(a)},
                             {"b", JsonText::Number(b)},
                             {"c", JsonText::Number(c)},
                             {"d", JsonText::Number(d)}});
    };
    Json items = Json::array();
    for (const char* name : {"Ny", "R", "Q"}) {
        Json item = Json::object();
        item["name"] = name;
        // Q keeps the fitted curve; R's curve was edited since.
        item["coefficients"] = std::string(name) == "R" ? coefficients(fit.a, fit.b, fit.c, 0.038f)
                                                        : coefficients(fit.a, fit.b, fit.c, fit.d);
        item["thicknesses"] = Json::array({20, 30});
        items.push_back(std::move(item));
    }
    const Json merged = SourceNotes::Merge(SourceFiles::Document("Dumpad titel", std::move(items)), existing);
    EXPECT_EQ(merged.at("title"), "Egen titel");
    EXPECT_TRUE(merged.contains("references"));
    const Json& result = merged.at("items");
    ASSERT_EQ(result.size(), 3u);
    EXPECT_FALSE(result[0].contains("source")); // a new item has no note yet
    EXPECT_TRUE(result[1].contains("coefficients")); // an edited curve shows as coefficients
    EXPECT_FALSE(result[1].contains("declaredConductivity"));
    EXPECT_EQ(result[1].at("note"), "n3");
    EXPECT_FALSE(result[2].contains("coefficients")); // an unchanged one as its declared values
    EXPECT_EQ(result[2].at("declaredConductivity").size(), 3u);
    std::vector<std::string> keys;
    for (auto member = result[2].begin(); member != result[2].end(); ++member)
        keys.push_back(member.key());
    // In the place of the coefficients, the notes last.
    EXPECT_EQ(keys, (std::vector<std::string>{"name", "declaredConductivity", "thicknesses", "source"}));
    EXPECT_EQ(result[2].at("source"), "s2");
}
