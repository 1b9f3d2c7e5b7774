#include "BinaryFiles.h"

#include "DataError.h"
#include "doc/FileIO.h"

#include <filesystem>
#include <functional>

const char* const BinaryFiles::databaseFile = "tekvar.dat";
const char* const BinaryFiles::userDatabaseFile = "egendef.dat";
const char* const BinaryFiles::locationsFile = "tekvar.ort";
const char* const BinaryFiles::costsFile = "tekvar.cst";
const char* const BinaryFiles::textsFile = "tekvar.ama";

namespace {

namespace fs = std::filesystem;
using Bytes = BinaryFiles::Bytes;

// The program takes an item of a derived class where its list's class is
// expected; a dump could not say so and would lose its extra fields.
template <class T>
void readExactList(CArchive& ar, ItemList<T>& list, const ClassInfo& itemClass)
{
    const std::uint32_t count = ar.ReadCount();
    for (std::uint32_t i = 0; i < count; ++i) {
        std::unique_ptr<CItem> item = ar.ReadOwnedObject(itemClass);
        if (&item->GetClass() != &itemClass)
            throw DataError(std::string("a list of ") + itemClass.name + " holds an item of class " +
                            item->GetClass().name);
        list.emplace_back(static_cast<T*>(item.release()));
    }
}

void writeFile(const std::string& path, const Bytes& bytes)
{
    if (WriteFileSafely(path, bytes) != FileError::None)
        throw DataError(path + ": cannot write the file");
}

enum class Kind { Database, UserProducts, Locations, Costs, Texts };

// Decodes the bytes as one kind; false when they are not that kind.
bool decode(Kind kind, const Bytes& bytes, DataSet& set, std::size_t& tail, bool tailAllowed)
{
    try {
        CArchive ar(bytes);
        DataSet read;
        switch (kind) {
        case Kind::Database:
            read.database.emplace();
            for (int i = 0; i < CDataBase::listCount; ++i)
                readExactList(ar, (*read.database)[std::size_t(i)], *CDataBase::Info(i).itemClass);
            break;
        case Kind::UserProducts:
            read.userProducts.emplace();
            readExactList(ar, *read.userProducts, CEgendefIsoProdukt::classInfo);
            break;
        case Kind::Locations:
            read.locations.emplace();
            readExactList(ar, *read.locations, CKlimasted::classInfo);
            break;
        case Kind::Costs:
            read.costs.emplace();
            readExactList(ar, *read.costs, CIsoKostnad::classInfo);
            break;
        case Kind::Texts:
            read.texts.emplace();
            for (CVVSAMATekst& text : *read.texts)
                text.Serialize(ar);
            break;
        }
        if (ar.Remaining() != 0 && !(kind == Kind::Texts && tailAllowed))
            return false;
        tail = ar.Remaining();
        set = std::move(read);
        return true;
    } catch (const ArchiveError&) {
        return false;
    } catch (const DataError&) {
        return false;
    }
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

Bytes BinaryFiles::EncodeDatabase(CDataBase::Lists& lists)
{
    CArchive ar;
    for (auto& list : lists)
        SerializeList(ar, list);
    return ar.Bytes();
}

Bytes BinaryFiles::EncodeUserProducts(ItemList<CEgendefIsoProdukt>& products)
{
    CArchive ar;
    SerializeList(ar, products);
    return ar.Bytes();
}

Bytes BinaryFiles::EncodeLocations(ItemList<CKlimasted>& locations)
{
    CArchive ar;
    SerializeList(ar, locations);
    return ar.Bytes();
}

Bytes BinaryFiles::EncodeCosts(ItemList<CIsoKostnad>& costs)
{
    CArchive ar;
    SerializeList(ar, costs);
    return ar.Bytes();
}

Bytes BinaryFiles::EncodeTexts(DataSet::Texts& texts)
{
    CArchive ar;
    for (CVVSAMATekst& text : texts)
        text.Serialize(ar);
    return ar.Bytes();
}

std::vector<std::string> BinaryFiles::Write(DataSet& set, const std::string& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        throw DataError(folder + ": cannot make the folder (" + error.message() + ")");
    std::vector<std::string> written;
    auto put = [&](const char* name, const Bytes& bytes) {
        writeFile((fs::path(folder) / name).string(), bytes);
        written.push_back(name);
    };
    if (set.database)
        put(databaseFile, EncodeDatabase(*set.database));
    if (set.userProducts)
        put(userDatabaseFile, EncodeUserProducts(*set.userProducts));
    if (set.locations)
        put(locationsFile, EncodeLocations(*set.locations));
    if (set.costs)
        put(costsFile, EncodeCosts(*set.costs));
    if (set.texts)
        put(textsFile, EncodeTexts(*set.texts));
    return written;
}

DataSet BinaryFiles::Read(const std::string& path, std::size_t& ignoredTail)
{
    Bytes bytes;
    switch (ReadWholeFile(path, bytes)) {
    case FileError::None: break;
    case FileError::NotFound: throw DataError(path + ": no such file");
    case FileError::TooLarge: throw DataError(path + ": too large for a data file");
    default: throw DataError(path + ": cannot read the file");
    }

    const std::string name = fs::path(path).filename().string();
    Kind named = Kind::Database;
    bool hasName = true;
    if (endsWith(name, userDatabaseFile))
        named = Kind::UserProducts;
    else if (endsWith(name, ".dat"))
        named = Kind::Database;
    else if (endsWith(name, ".ort"))
        named = Kind::Locations;
    else if (endsWith(name, ".cst"))
        named = Kind::Costs;
    else if (endsWith(name, ".ama"))
        named = Kind::Texts;
    else
        hasName = false;

    std::vector<Kind> order;
    if (hasName)
        order.push_back(named);
    for (Kind kind : {Kind::Database, Kind::UserProducts, Kind::Locations, Kind::Costs, Kind::Texts})
        if (!hasName || kind != named)
            order.push_back(kind);

    DataSet set;
    for (Kind kind : order)
        if (decode(kind, bytes, set, ignoredTail, hasName && kind == named))
            return set;
    throw DataError(path + ": not a data file of this program (no database, user database, climate, cost or "
                           "description file reads to its end)");
}
