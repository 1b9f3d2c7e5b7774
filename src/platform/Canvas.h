#pragma once

#include "DefaultPrinter.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace platform {

// Device units: whole dots of the device drawn on (0.254 mm on screen, a
// printer's dots while printing). x grows to the right, y downwards.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Right and bottom are outside the rectangle, as on the desktop toolkits.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool Intersects(const Rect& other) const
    {
        return !IsEmpty() && !other.IsEmpty() && left < other.right && other.left < right && top < other.bottom &&
               other.top < bottom;
    }
    Rect Moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// 0x00BBGGRR, as the program's colours are stored.
using Colour = std::uint32_t;
inline constexpr Colour black = 0x000000;

// The page's four fonts. The role lets a device keep one font object per
// role; face, height (device units), width (0: the face's own) and weight
// say what to draw with.
enum class FontRole { Normal, Bold, Large, Footer };

struct Font {
    FontRole role = FontRole::Normal;
    std::string face = "Arial";
    int height = 10;
    int width = 0;
    int weight = 400;
    friend bool operator==(const Font&, const Font&) = default;
};

struct FontMetrics {
    int height = 0;           // ascent + descent
    int averageCharWidth = 0;
    int externalLeading = 0;  // extra space the face asks for between lines
};

enum class PenStyle { Solid, Dotted };

struct Pen {
    Colour colour = black;
    int width = 1; // device units
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre };

// Where the anchor point lies on the text's box.
struct TextAlign {
    HAlign h = HAlign::Left;
    VAlign v = VAlign::Top;
    friend bool operator==(const TextAlign&, const TextAlign&) = default;
};

// A picture to draw: a file (a product picture) when one is given and can be
// loaded, otherwise one of the program's own pictures by name ("logo",
// "module-3", "space-1", "picture-278").
struct PictureRef {
    std::string resource;
    std::string file;

    static PictureRef Resource(std::string name) { return {std::move(name), {}}; }
    friend bool operator==(const PictureRef&, const PictureRef&) = default;
};

// Measures texts in a font on a device. Layout asks it outside of painting,
// so measuring needs no painter.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // Width and height of one line of text; the text is UTF-8.
    virtual Size Extent(const Font& font, std::string_view text) const = 0;
    virtual FontMetrics Metrics(const Font& font) const = 0;
};

// What the page items draw on: the screen, a printer sheet, a PDF page or an
// image. One drawing path serves all of them; IsPrinter tells what differs
// on paper (no selection background).
class Canvas : public TextMeasure {
public:
    // Device facts. Resolution and sheet size describe a printer's sheet
    // (dots across and down it, and its physical size in mm).
    virtual bool IsPrinter() const = 0;
    virtual Size Resolution() const = 0;
    virtual SheetSize SheetSizeMm() const = 0;

    virtual void SelectFont(const Font& font) = 0;
    // Width and height of a text in the selected font.
    virtual Size TextExtent(std::string_view text) const = 0;

    virtual void SetPen(const Pen& pen) = 0;
    virtual void SetBrush(Colour colour) = 0;
    virtual void SetNoBrush() = 0;

    virtual void DrawLine(Point from, Point to) = 0;
    virtual void DrawPolyline(std::span<const Point> points) = 0;
    // Outlined with the pen, filled with the brush (if any).
    virtual void DrawRectangle(const Rect& rect) = 0;
    // Filled with the colour, without outline; pen and brush stay as they are.
    virtual void FillRect(const Rect& rect, Colour colour) = 0;
    // Black text in the selected font with a transparent background.
    virtual void DrawText(Point anchor, std::string_view text, TextAlign align = {}) = 0;
    // The text aligned inside the rectangle (not clipped to it).
    virtual void DrawTextInRect(const Rect& rect, std::string_view text, TextAlign align = {}) = 0;
    // The picture stretched into the rectangle.
    virtual void DrawPicture(const PictureRef& picture, const Rect& target) = 0;
};

} // namespace platform
