#include "CommandLine.h"
#include "HeadlessExport.h"
#include "ui/RunGui.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    std::optional<CommandLine> line = ParseCommandLine(args, error);
    if (!line) {
        std::cerr << "tekvar: " << error << "\n\n" << usageText;
        return 2;
    }
    if (line->help) {
        std::cout << usageText;
        return 0;
    }
    if (line->IsExport())
        return RunExport(*line, std::cerr);
    return RunGui(argc, argv, line->document);
}
