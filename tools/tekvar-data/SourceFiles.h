#pragma once

#include "DataSet.h"
#include "JsonText.h"

#include <string>
#include <vector>

// The reviewed JSON sources of the data files: one file per list. Each file
// is an object with "items" and, for the reviewer, "title", "notes" and
// "references"; every item may carry a "source" (and a "note") beside its
// figures. Only the figures reach the binary files.
class SourceFiles {
public:
    // The source of database list i (0 … 8).
    static const char* ListFile(int list);
    static const char* const userProductsFile;
    static const char* const locationsFile;
    static const char* const costsFile;
    static const char* const textsFile;

    // Reads every source present in `folder`. The nine list files come as a
    // set: some without the others is an error, as is a folder without any.
    static DataSet Read(const std::string& folder);
    // Writes the sources of every part the set holds; returns the names
    // written. Over existing sources, their notes are kept (SourceNotes).
    static std::vector<std::string> Write(const DataSet& set, const std::string& folder);

    // The document of one source file; the parts of Read and Write.
    static Json Document(const std::string& title, Json items);
    static const Json& Items(const Json& document, const std::string& origin);
    // `itemLines` as for JsonText::Parse.
    static Json ReadJsonFile(const std::string& path, std::vector<int>* itemLines = nullptr);
};
