#pragma once

#include "platform/Canvas.h"
#include "platform/DefaultPrinter.h"

#include <string_view>

// What every page item shares: the scale between millimetres and device
// units, the sheet, the four fonts and the device that measures texts.
//
// Items are placed in mm and keep their rectangles in device units. On screen
// a unit is 0.254 mm (100 units per inch) in both directions. From
// BeginPrinting to EndPrinting the units are the printer's dots, so the same
// items lay themselves out again for paper. There is one page model for the
// program; everything runs on the one user-interface thread.
class PageModel {
public:
    static constexpr double screenScale = 0.254; // mm per screen unit
    static constexpr int screenFontHeight = 10;
    static constexpr int largeFontHeight = 20;

    static PageModel& Get();

    // Back to the screen with the fallback sheet and the built-in text rule.
    void Reset();

    // The screen's text metrics, used for layout outside of printing. None
    // restores the built-in rule (platform::FixedTextMeasure).
    void SetScreenMeasure(const platform::TextMeasure* measure);
    void SetDefaultPrinter(const platform::DefaultPrinter* printer);
    // Takes the sheet of the default printer, 202 × 297 mm without one.
    void ReadSheetSize();

    // Printer units and fonts for as long as a print job (or preview, or an
    // export to paper-like pages) runs. The printer also measures the texts
    // then. The canvas must outlive the job.
    void BeginPrinting(const platform::Canvas& printer);
    // Screen units and fonts again, and the sheet of the default printer
    // read anew (a printer chosen meanwhile counts from now on).
    void EndPrinting();
    bool Printing() const { return printer_ != nullptr; }

    // mm per device unit.
    double ScaleX() const { return scaleX_; }
    double ScaleY() const { return scaleY_; }
    // mm to units: round(mm ÷ scale) as add 0.5 and truncate.
    int XUnits(float mm) const { return int(double(mm) / scaleX_ + 0.5); }
    int YUnits(float mm) const { return int(double(mm) / scaleY_ + 0.5); }
    float XMm(int units) const { return float(units * scaleX_); }
    float YMm(int units) const { return float(units * scaleY_); }

    platform::SheetSize Sheet() const { return sheet_; }
    int SheetWidthUnits() const { return XUnits(sheet_.width); }
    // How many sheets the active page spans; set with the page extent.
    int SheetCount() const { return sheetCount_; }
    void SetSheetCount(int count) { sheetCount_ = count < 1 ? 1 : count; }

    platform::Font Font(platform::FontRole role) const;
    const platform::TextMeasure& Measure() const;
    platform::Size Extent(platform::FontRole role, std::string_view text) const
    {
        return Measure().Extent(Font(role), text);
    }
    platform::FontMetrics Metrics(platform::FontRole role) const { return Measure().Metrics(Font(role)); }

private:
    PageModel();

    double scaleX_ = screenScale;
    double scaleY_ = screenScale;
    platform::SheetSize sheet_ = platform::fallbackSheet;
    int sheetCount_ = 1;
    const platform::TextMeasure* screenMeasure_ = nullptr;
    const platform::DefaultPrinter* defaultPrinter_ = nullptr;
    const platform::Canvas* printer_ = nullptr;
};
