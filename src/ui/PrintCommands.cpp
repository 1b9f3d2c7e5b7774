#include "PrintCommands.h"

#include "CVekView.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

PrintCommands::PrintCommands(CVekView& view, QWidget* dialogParent)
    : QObject(dialogParent), view_(view), dialogParent_(dialogParent),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    printer_->setFullPage(true);
}

PrintCommands::~PrintCommands() = default;

bool PrintCommands::OnFilePrint()
{
    QPrintDialog dialog(printer_.get(), dialogParent_);
    // The whole page always prints: its sheets follow from the layout.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printer_->setFullPage(true);
    if (view_.Print(*printer_))
        return true;
    const QString target = printer_->outputFileName().isEmpty() ? printer_->printerName() : printer_->outputFileName();
    platform::prompter().Tell(FormatMessage(61734, {target.toStdString()}));
    return false;
}

void PrintCommands::OnFilePrintPreview()
{
    printer_->setFullPage(true);
    QPrintPreviewDialog preview(printer_.get(), dialogParent_);
    // Each time the preview lays its sheets out (also after a change of
    // paper in it) the page is printed on its printer again.
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [this](QPrinter* printer) {
        printer->setFullPage(true);
        view_.Print(*printer);
    });
    preview.exec();
}

void PrintCommands::OnFilePrintSetup()
{
    QPageSetupDialog setup(printer_.get(), dialogParent_);
    setup.exec();
    printer_->setFullPage(true);
}
