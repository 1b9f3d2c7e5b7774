#include "QtDefaultPrinter.h"

#include <QPageSize>
#include <QPrinterInfo>

std::optional<platform::SheetSize> QtDefaultPrinter::SheetSizeMm() const
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return std::nullopt;
    const QSizeF size = printer.defaultPageSize().size(QPageSize::Millimeter);
    if (size.width() <= 0 || size.height() <= 0)
        return std::nullopt;
    return platform::SheetSize{float(size.width()), float(size.height())};
}
