#pragma once

#include "Canvas.h"
#include "DefaultPrinter.h"
#include "FixedTextMeasure.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A canvas that draws nothing and records every drawing call together with
// the pen, brush and font in force, for tests and for checking layouts.
// Device facts are plain fields; by default it is a screen.
class RecordingCanvas final : public Canvas {
public:
    enum class Op { Line, Polyline, Rectangle, Fill, Text, TextInRect, Picture };

    struct Call {
        Op op = Op::Line;
        std::vector<Point> points; // Line: from, to; Polyline: all; Text: the anchor
        Rect rect{};               // Rectangle, Fill, TextInRect, Picture
        std::string text;          // the text, or the picture's resource name
        std::string file;          // the picture's file
        TextAlign align{};
        Colour fill = 0;           // Fill: its colour; Rectangle: the brush
        bool filled = false;       // Rectangle: whether a brush was set
        Pen pen;
        Font font;
    };

    bool printer = false;
    Size resolution{};
    SheetSize sheet = fallbackSheet;

    bool IsPrinter() const override { return printer; }
    Size Resolution() const override { return resolution; }
    SheetSize SheetSizeMm() const override { return sheet; }

    Size Extent(const Font& font, std::string_view text) const override { return measure_.Extent(font, text); }
    FontMetrics Metrics(const Font& font) const override { return measure_.Metrics(font); }

    void SelectFont(const Font& font) override { font_ = font; }
    Size TextExtent(std::string_view text) const override { return Extent(font_, text); }
    void SetPen(const Pen& pen) override { pen_ = pen; }
    void SetBrush(Colour colour) override { brush_ = colour; }
    void SetNoBrush() override { brush_.reset(); }

    void DrawLine(Point from, Point to) override
    {
        Call call = start(Op::Line);
        call.points = {from, to};
        record(std::move(call));
    }
    void DrawPolyline(std::span<const Point> points) override
    {
        Call call = start(Op::Polyline);
        call.points.assign(points.begin(), points.end());
        record(std::move(call));
    }
    void DrawRectangle(const Rect& rect) override
    {
        Call call = start(Op::Rectangle);
        call.rect = rect;
        call.filled = brush_.has_value();
        call.fill = brush_.value_or(0);
        record(std::move(call));
    }
    void FillRect(const Rect& rect, Colour colour) override
    {
        Call call = start(Op::Fill);
        call.rect = rect;
        call.fill = colour;
        call.filled = true;
        record(std::move(call));
    }
    void DrawText(Point anchor, std::string_view text, TextAlign align) override
    {
        Call call = start(Op::Text);
        call.points = {anchor};
        call.text = std::string(text);
        call.align = align;
        record(std::move(call));
    }
    void DrawTextInRect(const Rect& rect, std::string_view text, TextAlign align) override
    {
        Call call = start(Op::TextInRect);
        call.rect = rect;
        call.text = std::string(text);
        call.align = align;
        record(std::move(call));
    }
    void DrawPicture(const PictureRef& picture, const Rect& target) override
    {
        Call call = start(Op::Picture);
        call.rect = target;
        call.text = picture.resource;
        call.file = picture.file;
        record(std::move(call));
    }

    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<const Call*> Calls(Op op) const
    {
        std::vector<const Call*> found;
        for (const Call& call : calls_)
            if (call.op == op)
                found.push_back(&call);
        return found;
    }
    // The first text drawn with exactly this content, or none.
    const Call* FindText(std::string_view text) const
    {
        for (const Call& call : calls_)
            if ((call.op == Op::Text || call.op == Op::TextInRect) && call.text == text)
                return &call;
        return nullptr;
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const Call& call : calls_)
            if (call.op == Op::Text || call.op == Op::TextInRect)
                texts.push_back(call.text);
        return texts;
    }
    void Clear() { calls_.clear(); }

private:
    static Call start(Op op)
    {
        Call call;
        call.op = op;
        return call;
    }
    void record(Call call)
    {
        call.pen = pen_;
        call.font = font_;
        calls_.push_back(std::move(call));
    }

    FixedTextMeasure measure_;
    std::vector<Call> calls_;
    Font font_;
    Pen pen_;
    std::optional<Colour> brush_;
};

// A default printer with a given sheet, or none at all.
class FixedDefaultPrinter final : public DefaultPrinter {
public:
    std::optional<SheetSize> sheet;
    std::optional<SheetSize> SheetSizeMm() const override { return sheet; }
};

} // namespace platform
