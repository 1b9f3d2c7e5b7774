#pragma once

#include "platform/Canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Text metrics of the page fonts as Qt lays them out: "Arial" (resolved by
// the font configuration to a metric-compatible face), sized so that a
// font's height in device units is its cell height, ascent plus descent.
// A page lays out the same few fonts and many repeated texts (units,
// captions, the numbers of a long table) several times over, so the
// metrics of each font and the width of each text are kept once measured.
class QtTextMeasure : public platform::TextMeasure {
public:
    platform::Size Extent(const platform::Font& font, std::string_view text) const override;
    platform::FontMetrics Metrics(const platform::Font& font) const override;

    static QFont ToQFont(const platform::Font& font);

private:
    struct StringHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    struct Measured {
        platform::Font font;
        QFontMetricsF metrics;
        std::unordered_map<std::string, int, StringHash, std::equal_to<>> widths;
    };
    Measured& measured(const platform::Font& font) const;

    mutable std::vector<Measured> fonts_;
};

// The page canvas on a QPainter: a widget, an image, a PDF page or a
// printer sheet. The painter may be set later than the canvas is made
// (an output measures its texts before its first sheet is begun).
class QtCanvas final : public platform::Canvas {
public:
    struct Device {
        bool printer = false;
        platform::Size resolution{};          // dots across and down the sheet
        platform::SheetSize sheet = platform::fallbackSheet;
    };

    // A screen canvas.
    explicit QtCanvas(QPainter* painter = nullptr);
    QtCanvas(QPainter* painter, Device device);

    void SetPainter(QPainter* painter);
    QPainter* Painter() const { return painter_; }

    bool IsPrinter() const override { return device_.printer; }
    platform::Size Resolution() const override { return device_.resolution; }
    platform::SheetSize SheetSizeMm() const override { return device_.sheet; }

    platform::Size Extent(const platform::Font& font, std::string_view text) const override
    {
        return measure_.Extent(font, text);
    }
    platform::FontMetrics Metrics(const platform::Font& font) const override { return measure_.Metrics(font); }

    void SelectFont(const platform::Font& font) override;
    platform::Size TextExtent(std::string_view text) const override { return Extent(font_, text); }
    void SetPen(const platform::Pen& pen) override;
    void SetBrush(platform::Colour colour) override;
    void SetNoBrush() override;

    void DrawLine(platform::Point from, platform::Point to) override;
    void DrawPolyline(std::span<const platform::Point> points) override;
    void DrawRectangle(const platform::Rect& rect) override;
    void FillRect(const platform::Rect& rect, platform::Colour colour) override;
    void DrawText(platform::Point anchor, std::string_view text, platform::TextAlign align) override;
    void DrawTextInRect(const platform::Rect& rect, std::string_view text, platform::TextAlign align) override;
    void DrawPicture(const platform::PictureRef& picture, const platform::Rect& target) override;

    static QColor ToQColor(platform::Colour colour);

private:
    void applyState();

    QPainter* painter_ = nullptr;
    Device device_;
    QtTextMeasure measure_;
    platform::Font font_;
    platform::Pen pen_;
    bool hasBrush_ = false;
    platform::Colour brush_ = 0;
};
