#pragma once

#include "DataSet.h"

#include <cstdint>
#include <string>
#include <vector>

// The program's binary data files, written and read with the item classes'
// own records exactly as the program writes and reads them.
class BinaryFiles {
public:
    using Bytes = std::vector<std::uint8_t>;

    static const char* const databaseFile;     // "tekvar.dat"
    static const char* const userDatabaseFile; // "egendef.dat"
    static const char* const locationsFile;    // "tekvar.ort"
    static const char* const costsFile;        // "tekvar.cst"
    static const char* const textsFile;        // "tekvar.ama"

    static Bytes EncodeDatabase(CDataBase::Lists& lists);
    static Bytes EncodeUserProducts(ItemList<CEgendefIsoProdukt>& products);
    static Bytes EncodeLocations(ItemList<CKlimasted>& locations);
    static Bytes EncodeCosts(ItemList<CIsoKostnad>& costs);
    static Bytes EncodeTexts(DataSet::Texts& texts);

    // Writes a file for each part the set holds into `folder` (which is made
    // when missing); returns the names written.
    static std::vector<std::string> Write(DataSet& set, const std::string& folder);

    // Reads any of the five files. Which one it is comes from its contents:
    // the kind its name suggests is tried first, then the others; the first
    // whose records take up the whole file wins. A description file may
    // carry an old tail after its 48 texts, as the program leaves it; the
    // count of ignored bytes is returned in `ignoredTail`.
    static DataSet Read(const std::string& path, std::size_t& ignoredTail);
};
