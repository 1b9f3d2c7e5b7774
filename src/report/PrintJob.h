#pragma once

#include "CPageLists.h"
#include "platform/Canvas.h"

#include <memory>
#include <string>

// Where a print job's sheets go: a printer, a PDF file or one image per
// sheet. The canvas exists from the start, so that the page can be laid out
// in its units before the first sheet is drawn.
class SheetOutput {
public:
    virtual ~SheetOutput() = default;
    virtual platform::Canvas& Canvas() = 0;
    // Starts the next sheet (the first one too); false when the output
    // failed and the job must stop.
    virtual bool NewSheet() = 0;
    // Completes the output (closes the file); false when it could not be written.
    virtual bool Finish() = 0;
};

// What the headless export and the print commands open sheets on.
class SheetOutputs {
public:
    virtual ~SheetOutputs() = default;
    // A PDF of printer sheets, one PDF page per sheet.
    virtual std::unique_ptr<SheetOutput> OpenPdf(const std::string& path) = 0;
    // One image per sheet: the path for the first, "-2", "-3" … before the
    // extension for the others.
    virtual std::unique_ptr<SheetOutput> OpenImages(const std::string& path) = 0;
};

// Sheets across and down a print job covers for a page extent in printer
// dots: whole sheets plus one in each direction.
struct SheetGrid {
    int across = 1;
    int down = 1;
    int Count() const { return across * down; }
};

// Prints the items as the print command does: lays them out on printer
// sheets (pagination, printer units and fonts), draws every sheet in turn,
// left to right and then down, and lays them out for the screen again.
// Starts with the output's next sheet; returns the sheets drawn, or 0 when
// the output failed.
int PrintItems(CPageLists::Page& items, SheetOutput& output);

// Names of the further sheets of an image export: "a.png" → "a-2.png".
std::string SheetImagePath(const std::string& path, int sheet);
