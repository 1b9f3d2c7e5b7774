#pragma once

#include <ostream>
#include <string>
#include <vector>

// The two commands of tekvar-data. Both report what they wrote on `out` and
// what went wrong on `err`, and return the exit status: 0 done, 1 a data or
// file error (nothing half-written is left behind by a failed build: the
// sources are all read before any file is written), 2 a wrong command line.
class Commands {
public:
    // tekvar-data build SOURCE_DIR OUT_DIR
    static int Build(const std::string& sourceFolder, const std::string& outFolder, std::ostream& out,
                     std::ostream& err);
    // tekvar-data dump FILE OUT_DIR
    static int Dump(const std::string& file, const std::string& outFolder, std::ostream& out, std::ostream& err);
    // The whole command line, argv without the program name.
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};
