#include "Commands.h"

#include "BinaryFiles.h"
#include "DataError.h"
#include "SourceFiles.h"

namespace {

const char* const usage = "usage: tekvar-data build SOURCE_DIR OUT_DIR\n"
                          "       tekvar-data dump FILE OUT_DIR\n"
                          "build compiles the JSON sources in SOURCE_DIR into tekvar.dat, tekvar.ort, tekvar.cst,\n"
                          "tekvar.ama (and egendef.dat from user-products.json) in OUT_DIR; dump turns any of\n"
                          "those files back into the same JSON sources in OUT_DIR.\n";

void list(std::ostream& out, const std::string& folder, const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        out << "wrote " << folder << "/" << name << "\n";
}

} // namespace

int Commands::Build(const std::string& sourceFolder, const std::string& outFolder, std::ostream& out,
                    std::ostream& err)
{
    try {
        DataSet set = SourceFiles::Read(sourceFolder);
        list(out, outFolder, BinaryFiles::Write(set, outFolder));
        return 0;
    } catch (const DataError& error) {
        err << "tekvar-data: " << error.what() << "\n";
        return 1;
    }
}

int Commands::Dump(const std::string& file, const std::string& outFolder, std::ostream& out, std::ostream& err)
{
    try {
        std::size_t tail = 0;
        const DataSet set = BinaryFiles::Read(file, tail);
        if (tail)
            err << "tekvar-data: " << file << ": " << tail
                << " bytes after the 48 texts are an old tail the program does not read; left out\n";
        list(out, outFolder, SourceFiles::Write(set, outFolder));
        return 0;
    } catch (const DataError& error) {
        err << "tekvar-data: " << error.what() << "\n";
        return 1;
    }
}

int Commands::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << usage;
        return 0;
    }
    if (args.size() == 3 && args[0] == "build")
        return Build(args[1], args[2], out, err);
    if (args.size() == 3 && args[0] == "dump")
        return Dump(args[1], args[2], out, err);
    err << usage;
    return 2;
}
