#include "SourceFiles.h"

#include "DataError.h"
#include "FieldReader.h"
#include "ItemJson.h"
#include "SourceNotes.h"
#include "doc/FileIO.h"

#include <filesystem>

const char* const SourceFiles::userProductsFile = "user-products.json";
const char* const SourceFiles::locationsFile = "climate-locations.json";
const char* const SourceFiles::costsFile = "insulation-costs.json";
const char* const SourceFiles::textsFile = "description-texts.json";

namespace {

namespace fs = std::filesystem;

const char* const listFiles[CDataBase::listCount] = {
    "insulation-products.json",         "absorbers-rectangular-ducts.json", "absorbers-circular-ducts.json",
    "claddings-outer.json",             "surfaces-inside-insulation.json",  "claddings-inner.json",
    "fittings.json",                    "liquids.json",                     "pipe-materials.json",
};

const char* const locationsTitle = "Ortsdata: årsmedeltemperatur och årsmedelvind";
const char* const costsTitle = "Kostnadsdata isolering";
const char* const textsTitle = "Beskrivningstexter enligt AMA VVS & Kyl";
const char* const userProductsTitle = "Egna isoleringsprodukter";

std::string itemContext(const std::string& origin, std::size_t index, const Json& item, const std::vector<int>& lines)
{
    std::string context = origin + ": item " + std::to_string(index + 1);
    if (const Json* name = JsonText::Find(item, "name"); name && name->is_string())
        context += " (" + name->get<std::string>() + ")";
    if (index < lines.size())
        context += " at line " + std::to_string(lines[index]);
    return context;
}

std::unique_ptr<CListItem> readListItem(int list, const Json& json, const std::string& context)
{
    const int kind = CDataBase::Info(list).kind;
    switch (CDataBase::ListIndex(list)) {
    case CDataBase::insulationProducts: return ItemJson::Product(json, context);
    case CDataBase::rectangularAbsorbers:
    case CDataBase::circularAbsorbers: return ItemJson::Absorber(json, kind, context);
    case CDataBase::outerCladdings:
    case CDataBase::insideOuterSurfaces:
    case CDataBase::innerCladdings: return ItemJson::Cladding(json, kind, context);
    case CDataBase::fittings: return ItemJson::Fitting(json, context);
    case CDataBase::liquids: return ItemJson::Liquid(json, context);
    case CDataBase::pipeMaterials: return ItemJson::PipeMaterial(json, context);
    }
    return nullptr;
}

Json listItemJson(int list, const CListItem& item)
{
    const int kind = CDataBase::Info(list).kind;
    switch (CDataBase::ListIndex(list)) {
    case CDataBase::insulationProducts: return ItemJson::ToJson(static_cast<const CIsoProdukt&>(item));
    case CDataBase::rectangularAbsorbers:
    case CDataBase::circularAbsorbers: return ItemJson::ToJson(static_cast<const CAbsorpsjon&>(item), kind);
    case CDataBase::outerCladdings:
    case CDataBase::insideOuterSurfaces:
    case CDataBase::innerCladdings: return ItemJson::ToJson(static_cast<const CMantling&>(item), kind);
    case CDataBase::fittings: return ItemJson::ToJson(static_cast<const CTillegg2&>(item));
    case CDataBase::liquids: return ItemJson::ToJson(static_cast<const CVeske&>(item));
    case CDataBase::pipeMaterials: return ItemJson::ToJson(static_cast<const CRormaterial&>(item));
    }
    return {};
}

template <class T, class Read>
ItemList<T> readItems(const std::string& path, Read read)
{
    std::vector<int> lines;
    const Json document = SourceFiles::ReadJsonFile(path, &lines);
    const Json& items = SourceFiles::Items(document, path);
    ItemList<T> list;
    for (std::size_t i = 0; i < items.size(); ++i)
        list.push_back(read(items[i], itemContext(path, i, items[i], lines)));
    return list;
}

template <class List>
Json itemsJson(const List& list)
{
    Json items = Json::array();
    for (const auto& item : list)
        items.push_back(ItemJson::ToJson(*item));
    return items;
}

void writeJsonFile(const std::string& path, const Json& document)
{
    const std::string text = JsonText::Write(document);
    const auto* begin = reinterpret_cast<const std::uint8_t*>(text.data());
    if (WriteFileSafely(path, std::span<const std::uint8_t>(begin, text.size())) != FileError::None)
        throw DataError(path + ": cannot write the file");
}

} // namespace

const char* SourceFiles::ListFile(int list)
{
    return list >= 0 && list < CDataBase::listCount ? listFiles[list] : "";
}

Json SourceFiles::ReadJsonFile(const std::string& path, std::vector<int>* itemLines)
{
    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(path, bytes) != FileError::None)
        throw DataError(path + ": cannot read the file");
    return JsonText::Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), path,
                           itemLines);
}

const Json& SourceFiles::Items(const Json& document, const std::string& origin)
{
    FieldReader fields(document, origin);
    fields.TextOr("title", "");
    fields.Optional("notes");
    if (const Json* references = fields.Optional("references"); references && !references->is_object())
        fields.Fail("\"references\" must be an object of key: citation");
    const Json& items = fields.ArrayOf("items");
    fields.Finish();
    return items;
}

Json SourceFiles::Document(const std::string& title, Json items)
{
    Json document = Json::object();
    document["title"] = title;
    document["items"] = std::move(items);
    return document;
}

DataSet SourceFiles::Read(const std::string& folder)
{
    auto pathOf = [&](const char* name) { return (fs::path(folder) / name).string(); };
    auto present = [&](const char* name) { return fs::is_regular_file(pathOf(name)); };
    if (!fs::is_directory(folder))
        throw DataError(folder + ": no such folder");

    DataSet set;
    int lists = 0;
    for (int list = 0; list < CDataBase::listCount; ++list)
        lists += present(listFiles[list]) ? 1 : 0;
    if (lists > 0 && lists < CDataBase::listCount) {
        std::string missing;
        for (int list = 0; list < CDataBase::listCount; ++list)
            if (!present(listFiles[list]))
                missing += std::string(missing.empty() ? "" : ", ") + listFiles[list];
        throw DataError(folder + ": the database needs all nine list files; missing: " + missing);
    }
    if (lists == CDataBase::listCount) {
        set.database.emplace();
        for (int list = 0; list < CDataBase::listCount; ++list)
            (*set.database)[std::size_t(list)] = readItems<CListItem>(
                pathOf(listFiles[list]),
                [list](const Json& json, const std::string& context) { return readListItem(list, json, context); });
    }
    if (present(userProductsFile))
        set.userProducts = readItems<CEgendefIsoProdukt>(pathOf(userProductsFile), ItemJson::UserProduct);
    if (present(locationsFile))
        set.locations = readItems<CKlimasted>(pathOf(locationsFile), ItemJson::Location);
    if (present(costsFile))
        set.costs = readItems<CIsoKostnad>(pathOf(costsFile), ItemJson::Cost);
    if (present(textsFile)) {
        const std::string path = pathOf(textsFile);
        std::vector<int> lines;
        const Json document = ReadJsonFile(path, &lines);
        const Json& items = Items(document, path);
        if (items.size() != DataSet::Texts().size())
            throw DataError(path + ": the description file holds exactly 48 texts, not " +
                            std::to_string(items.size()));
        set.texts.emplace();
        for (std::size_t i = 0; i < items.size(); ++i)
            (*set.texts)[i] = ItemJson::Text(items[i], itemContext(path, i, items[i], lines));
    }
    if (set.Empty())
        throw DataError(folder + ": no data sources here (expected " + listFiles[0] + " and the other list files, " +
                        locationsFile + ", " + costsFile + ", " + textsFile + " or " + userProductsFile + ")");
    return set;
}

std::vector<std::string> SourceFiles::Write(const DataSet& set, const std::string& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        throw DataError(folder + ": cannot make the folder (" + error.message() + ")");
    std::vector<std::string> written;
    auto put = [&](const char* name, const std::string& title, Json items) {
        const std::string path = (fs::path(folder) / name).string();
        Json document = Document(title, std::move(items));
        if (fs::exists(path)) {
            // Sources that do not parse keep nothing worth carrying over.
            try {
                document = SourceNotes::Merge(std::move(document), ReadJsonFile(path));
            } catch (const DataError&) {
            }
        }
        writeJsonFile(path, document);
        written.push_back(name);
    };
    if (set.database) {
        for (int list = 0; list < CDataBase::listCount; ++list) {
            Json items = Json::array();
            for (const auto& item : (*set.database)[std::size_t(list)])
                items.push_back(listItemJson(list, *item));
            put(listFiles[list], CDataBase::Info(list).label, std::move(items));
        }
    }
    if (set.userProducts)
        put(userProductsFile, userProductsTitle, itemsJson(*set.userProducts));
    if (set.locations)
        put(locationsFile, locationsTitle, itemsJson(*set.locations));
    if (set.costs)
        put(costsFile, costsTitle, itemsJson(*set.costs));
    if (set.texts) {
        Json items = Json::array();
        for (const CVVSAMATekst& text : *set.texts)
            items.push_back(ItemJson::ToJson(text));
        put(textsFile, textsTitle, std::move(items));
    }
    return written;
}
