#include "CommandLine.h"
#include "HeadlessExport.h"
#include "ui/QtCanvas.h"
#include "ui/QtDefaultPrinter.h"
#include "ui/QtSheetOutputs.h"
#include "ui/RunGui.h"

#include <QDir>
#include <QGuiApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <iostream>

namespace {

// Pages are measured and painted with Qt's fonts even without a window, on
// the platform that needs no display.
int runHeadless(int argc, char** argv, const CommandLine& line)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A session without a runtime folder (a build server, a cron job) would
    // have Qt warn on standard error, where only the program's own messages
    // belong; the folder Qt would fall back to serves as well.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(::getuid());
        if (::mkdir(runtime.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", runtime);
    }
    QGuiApplication app(argc, argv);
    // Formatted numbers always take a decimal point, whatever the locale.
    std::setlocale(LC_NUMERIC, "C");
    QtSheetOutputs outputs;
    QtTextMeasure screen;
    QtDefaultPrinter printer;
    return RunExport(line, std::cerr, {&outputs, &screen, &printer});
}

} // namespace

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
        return runHeadless(argc, argv, *line);
    return RunGui(argc, argv, line->document);
}
