#pragma once

#include "QtCanvas.h"
#include "report/PrintJob.h"

#include <QPainter>

class QPagedPaintDevice;

// The sheets of a print job written to files: a PDF with one page per
// sheet, or one PNG image per sheet. Both are built in memory and written
// with a temporary file renamed over the target, so a failed export never
// leaves half a file. They need a QGuiApplication (fonts and painting).
// The sheets of a paged device: a printer (QPrinter) or a PDF writer. The
// canvas measures in the device's dots over its full page; the painter
// begins on the first sheet. The device must outlive the output.
class QtPagedOutput final : public SheetOutput {
public:
    explicit QtPagedOutput(QPagedPaintDevice& device);
    ~QtPagedOutput() override;

    platform::Canvas& Canvas() override { return canvas_; }
    bool NewSheet() override;
    // Ends the painting; false when the device reported a failure.
    bool Finish() override;

    static QtCanvas::Device DeviceOf(const QPagedPaintDevice& device);

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    QtCanvas canvas_;
    bool failed_ = false;
};

class QtSheetOutputs final : public SheetOutputs {
public:
    // Sheets of the page model's sheet size (the default printer's).
    static constexpr int pdfDotsPerInch = 600;
    static constexpr int imageDotsPerInch = 150;

    std::unique_ptr<SheetOutput> OpenPdf(const std::string& path) override;
    std::unique_ptr<SheetOutput> OpenImages(const std::string& path) override;
};
