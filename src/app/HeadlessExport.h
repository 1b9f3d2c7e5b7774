#pragma once

#include "CommandLine.h"
#include "platform/Canvas.h"
#include "platform/DefaultPrinter.h"
#include "report/PrintJob.h"

#include <ostream>
#include <string>
#include <vector>

class CVekDoc;

// What the export draws pages with. Without sheet outputs only .tkv and
// .txt can be written; without a screen measure the texts are measured by
// the built-in rule; without a printer the sheet is 202 × 297 mm.
struct PageDevices {
    SheetOutputs* outputs = nullptr;
    const platform::TextMeasure* screen = nullptr;
    const platform::DefaultPrinter* printer = nullptr;
};

// Runs an export without a window: opens or creates the document, lets every
// calculated module recalculate, and writes the output file by its
// extension. Returns the process exit status.
int RunExport(const CommandLine& line, std::ostream& errors, const PageDevices& devices = {});

// The text export: for each calculated module (only module page − 1 when
// page > 0) its page title line, then the copy text of every copyable item
// of its page in reading order (sheet by sheet, each from the top).
std::string PagesText(CVekDoc& doc, int page);
// The modules a PDF export prints: module page − 1 when page > 0, else every
// calculated module, or the active one when none is calculated.
std::vector<int> PagesToPrint(CVekDoc& doc, int page);
// Prints the pages of the modules onto the output one after another, each
// split over sheets as the print command splits it. False when the output
// failed.
bool PrintPages(CVekDoc& doc, const std::vector<int>& modules, SheetOutput& output);
