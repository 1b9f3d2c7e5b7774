#pragma once

#include <string>

// Runs the program with its main window; opens fileToOpen when it is not empty.
// Returns the exit status of the event loop.
int RunGui(int argc, char** argv, const std::string& fileToOpen);
