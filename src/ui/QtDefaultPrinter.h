#pragma once

#include "platform/DefaultPrinter.h"

// The desktop's default printer as Qt's print support sees it: the full
// sheet of its default paper, in mm.
class QtDefaultPrinter final : public platform::DefaultPrinter {
public:
    std::optional<platform::SheetSize> SheetSizeMm() const override;
};
