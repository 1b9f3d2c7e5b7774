#include "PageModel.h"

#include "platform/FixedTextMeasure.h"

namespace {

const platform::FixedTextMeasure& builtInMeasure()
{
    static const platform::FixedTextMeasure measure;
    return measure;
}

bool usable(const platform::SheetSize& sheet)
{
    return sheet.width > 0 && sheet.height > 0;
}

} // namespace

PageModel& PageModel::Get()
{
    static PageModel model;
    return model;
}

PageModel::PageModel() = default;

void PageModel::Reset()
{
    *this = PageModel();
}

void PageModel::SetScreenMeasure(const platform::TextMeasure* measure)
{
    screenMeasure_ = measure;
}

void PageModel::SetDefaultPrinter(const platform::DefaultPrinter* printer)
{
    defaultPrinter_ = printer;
}

void PageModel::ReadSheetSize()
{
    sheet_ = platform::fallbackSheet;
    if (defaultPrinter_)
        if (auto sheet = defaultPrinter_->SheetSizeMm(); sheet && usable(*sheet))
            sheet_ = *sheet;
}

void PageModel::BeginPrinting(const platform::Canvas& printer)
{
    printer_ = &printer;
    // The job's own sheet counts; a printer that tells nothing sensible
    // leaves the sheet and that axis's scale as they were rather than
    // dividing by zero.
    if (const platform::SheetSize sheet = printer.SheetSizeMm(); usable(sheet))
        sheet_ = sheet;
    const platform::Size dots = printer.Resolution();
    if (dots.width > 0)
        scaleX_ = double(sheet_.width) / dots.width;
    if (dots.height > 0)
        scaleY_ = double(sheet_.height) / dots.height;
}

void PageModel::EndPrinting()
{
    printer_ = nullptr;
    scaleX_ = screenScale;
    scaleY_ = screenScale;
    ReadSheetSize();
}

platform::Font PageModel::Font(platform::FontRole role) const
{
    platform::Font font;
    font.role = role;
    font.height = role == platform::FontRole::Large ? largeFontHeight : screenFontHeight;
    font.weight = role == platform::FontRole::Bold ? 700 : 400;
    if (Printing()) {
        // The same physical size on paper as on screen.
        font.height = int(font.height * screenScale / scaleY_ + 0.5);
        font.width = int(font.width * screenScale / scaleY_ + 0.5);
    }
    return font;
}

const platform::TextMeasure& PageModel::Measure() const
{
    if (printer_)
        return *printer_;
    return screenMeasure_ ? *screenMeasure_ : builtInMeasure();
}
