#pragma once

#include "CommandLine.h"

#include <ostream>

// Runs an export without a window: opens or creates the document, lets every
// calculated module recalculate, and writes the output file by its
// extension. Returns the process exit status.
int RunExport(const CommandLine& line, std::ostream& errors);
