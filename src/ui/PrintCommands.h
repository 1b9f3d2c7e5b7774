#pragma once

#include <QObject>

#include <memory>

class CVekView;
class QPrinter;
class QWidget;

// "Skriv ut...", "Förhandsgranska" and "Skrivarinställning..." on the view's
// page. The printer and its settings last as long as the main window, so a
// paper chosen in the setup is the one the next print and preview use. The
// printer always prints on its full sheet: the page is laid out in mm from
// the paper's edge.
class PrintCommands final : public QObject {
    Q_OBJECT

public:
    PrintCommands(CVekView& view, QWidget* dialogParent);
    ~PrintCommands() override;

    // The printer dialog, then the page on the chosen printer; a printer or
    // file that fails is reported with the message "Ett fel uppstod vid
    // skrivning till %1.". Returns whether sheets were printed.
    bool OnFilePrint();
    // The toolkit's preview of the page's sheets.
    void OnFilePrintPreview();
    // The paper and orientation of the print commands' printer.
    void OnFilePrintSetup();

    QPrinter& Printer() { return *printer_; }

private:
    CVekView& view_;
    QWidget* dialogParent_;
    std::unique_ptr<QPrinter> printer_;
};
