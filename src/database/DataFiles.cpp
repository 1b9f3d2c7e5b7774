#include "DataFiles.h"

#include "doc/FileIO.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <cstdint>
#include <vector>

std::string DatabaseFilePath()
{
    return platform::settings().GetString("Files", "Database File", "tekvar.dat");
}

std::string UserDatabaseFilePath(const std::string& databasePath)
{
    static const std::string from = "tekvar.dat";
    static const std::string to = "egendef.dat";
    std::string path = databasePath;
    for (std::size_t at = path.find(from); at != std::string::npos; at = path.find(from, at + to.size()))
        path.replace(at, from.size(), to);
    if (path != databasePath)
        return path;

    // Saving the user's products over the maker's database would destroy it.
    const std::size_t slash = databasePath.find_last_of("/\\");
    path = (slash == std::string::npos ? std::string() : databasePath.substr(0, slash + 1)) + to;
    return path != databasePath ? path : databasePath + ".egendef";
}

void TellDatabaseReadFailure(const std::string& path)
{
    platform::prompter().Tell(FormatPositional("Kan inte läsa databasfilen (%1).", {path}));
}

void TellDatabaseWriteFailure(const std::string& path)
{
    platform::prompter().Tell(FormatPositional("Kan inte skriva databasfilen (%1).", {path}));
}

bool KeepUnreadFile(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    const FileError error = ReadWholeFile(path, bytes);
    if (error == FileError::NotFound)
        return true;
    return error == FileError::None && WriteFileSafely(path + ".bak", bytes) == FileError::None;
}
