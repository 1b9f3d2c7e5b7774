#include "QtSheetOutputs.h"

#include "QtCanvas.h"
#include "doc/FileIO.h"
#include "report/PageModel.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>
#include <span>

namespace {

platform::Size dotsOf(const platform::SheetSize& sheet, int dotsPerInch)
{
    return {int(std::lround(sheet.width / 25.4 * dotsPerInch)), int(std::lround(sheet.height / 25.4 * dotsPerInch))};
}

bool writeBytes(const std::string& path, const QByteArray& bytes)
{
    const std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                             std::size_t(bytes.size()));
    return WriteFileSafely(path, data) == FileError::None;
}

class PdfOutput final : public SheetOutput {
public:
    PdfOutput(std::string path, platform::SheetSize sheet) : path_(std::move(path)), buffer_(&bytes_)
    {
        buffer_.open(QIODevice::WriteOnly);
        writer_ = std::make_unique<QPdfWriter>(&buffer_);
        writer_->setResolution(QtSheetOutputs::pdfDotsPerInch);
        writer_->setCreator("Tekvar");
        writer_->setPageLayout(QPageLayout(QPageSize(QSizeF(sheet.width, sheet.height), QPageSize::Millimeter,
                                                     QString(), QPageSize::ExactMatch),
                                           QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        sheets_ = std::make_unique<QtPagedOutput>(*writer_);
    }

    platform::Canvas& Canvas() override { return sheets_->Canvas(); }
    bool NewSheet() override { return sheets_->NewSheet(); }

    bool Finish() override
    {
        const bool painted = sheets_->Finish();
        sheets_.reset();
        writer_.reset();
        buffer_.close();
        return painted && !bytes_.isEmpty() && writeBytes(path_, bytes_);
    }

private:
    std::string path_;
    QByteArray bytes_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QtPagedOutput> sheets_;
};

class ImageOutput final : public SheetOutput {
public:
    ImageOutput(std::string path, platform::SheetSize sheet)
        : path_(std::move(path)), dots_(dotsOf(sheet, dpi)), canvas_(nullptr, {true, dots_, sheet})
    {
    }

    platform::Canvas& Canvas() override { return canvas_; }

    bool NewSheet() override
    {
        if (!flush())
            return false;
        image_ = QImage(dots_.width, dots_.height, QImage::Format_RGB32);
        if (image_.isNull())
            return false;
        image_.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
        image_.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
        image_.fill(Qt::white);
        painter_.begin(&image_);
        canvas_.SetPainter(&painter_);
        return true;
    }

    bool Finish() override { return flush() && sheets_ > 0; }

private:
    // Writes the sheet drawn last, if any.
    bool flush()
    {
        if (!painter_.isActive())
            return true;
        canvas_.SetPainter(nullptr);
        painter_.end();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image_.save(&buffer, "PNG"))
            return false;
        ++sheets_;
        return writeBytes(SheetImagePath(path_, sheets_), bytes);
    }

    static constexpr int dpi = QtSheetOutputs::imageDotsPerInch;
    std::string path_;
    platform::Size dots_;
    QImage image_;
    QPainter painter_;
    QtCanvas canvas_;
    int sheets_ = 0;
};

} // namespace

QtPagedOutput::QtPagedOutput(QPagedPaintDevice& device) : device_(device), canvas_(nullptr, DeviceOf(device)) {}

QtPagedOutput::~QtPagedOutput()
{
    if (painter_.isActive())
        painter_.end();
}

QtCanvas::Device QtPagedOutput::DeviceOf(const QPagedPaintDevice& device)
{
    const QPageLayout layout = device.pageLayout();
    const QSizeF mm = layout.fullRect(QPageLayout::Millimeter).size();
    // The page is laid out on the whole sheet: a printer must paint in
    // full-page mode (QPrinter::setFullPage), the PDF writer has no margins.
    const QRect dots = layout.fullRectPixels(device.logicalDpiX());
    return {true, {dots.width(), dots.height()}, {float(mm.width()), float(mm.height())}};
}

bool QtPagedOutput::NewSheet()
{
    if (failed_)
        return false;
    if (!painter_.isActive()) {
        if (!painter_.begin(&device_)) {
            failed_ = true;
            return false;
        }
        canvas_.SetPainter(&painter_);
        return true;
    }
    if (!device_.newPage())
        failed_ = true;
    return !failed_;
}

bool QtPagedOutput::Finish()
{
    canvas_.SetPainter(nullptr);
    if (painter_.isActive() && !painter_.end())
        failed_ = true;
    return !failed_;
}

std::unique_ptr<SheetOutput> QtSheetOutputs::OpenPdf(const std::string& path)
{
    return std::make_unique<PdfOutput>(path, PageModel::Get().Sheet());
}

std::unique_ptr<SheetOutput> QtSheetOutputs::OpenImages(const std::string& path)
{
    return std::make_unique<ImageOutput>(path, PageModel::Get().Sheet());
}
