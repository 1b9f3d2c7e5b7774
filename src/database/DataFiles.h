#pragma once

#include <string>

// Where the two database files are, and how they are kept from harm.

// The reference database file from the settings.
std::string DatabaseFilePath();
// The user database file beside it: every "tekvar.dat" in the path becomes
// "egendef.dat". A path without that text gives "egendef.dat" in the same
// folder, so that the two databases never share one file.
std::string UserDatabaseFilePath(const std::string& databasePath);

void TellDatabaseReadFailure(const std::string& path);
void TellDatabaseWriteFailure(const std::string& path);

// Before a file that could not be read in full is replaced, its bytes are
// kept as "<path>.bak": what could not be read is not lost with it. False
// when that copy could not be made.
bool KeepUnreadFile(const std::string& path);
