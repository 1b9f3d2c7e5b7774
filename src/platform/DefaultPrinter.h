#pragma once

#include <optional>

namespace platform {

// A sheet's physical size in millimetres.
struct SheetSize {
    float width = 0;
    float height = 0;
    friend bool operator==(const SheetSize&, const SheetSize&) = default;
};

// The page layout uses this sheet when the machine has no printer.
inline constexpr SheetSize fallbackSheet{202, 297};

// The printer the desktop prints to unless the user picks another.
class DefaultPrinter {
public:
    virtual ~DefaultPrinter() = default;
    // The sheet of the default printer, or none when there is no printer.
    virtual std::optional<SheetSize> SheetSizeMm() const = 0;
};

} // namespace platform
