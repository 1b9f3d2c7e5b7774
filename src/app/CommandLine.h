#pragma once

#include <optional>
#include <string>
#include <vector>

// What the program was asked to do on its command line.
struct CommandLine {
    bool help = false;
    bool newDocument = false;  // --new
    std::string exportFile;    // --export FILE
    int page = -1;             // --page N, 1 … 8; -1 for every page
    std::string document;      // the document to open

    bool IsExport() const { return !exportFile.empty(); }
};

// Parses the arguments after the program name; on a mistake returns none
// and sets error to a one-line explanation.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error);

extern const char* const usageText;
