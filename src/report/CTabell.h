#pragma once

#include "CGraphicsItem.h"
#include "CTabellVerdi.h"

#include <cstdint>
#include <string>
#include <vector>

// A result or input table: a bold header row of captions, then rows of a
// caption and the module's value texts, with ruled lines. Copies itself as
// tab-separated text with decimal commas. Ids lists end at their first 0,
// if they have one.
class CTabell : public CGraphicsItem {
    TEKVAR_DECLARE_CLASS(CTabell)

public:
    static constexpr platform::Colour selectionColour = 0xC0FFFF;
    static constexpr platform::Colour highlightColour = 0x00FFFF;

    CTabell();

    // Geometry and number format, the name from the first header id, then
    // the grid; numbers (formatted with the number format) fill the value
    // cells when given.
    void Define(float x, float y, float columnGap, float rowGap, std::string numberFormat,
                const std::vector<int>& headerIds, const std::vector<int>& rowIds,
                const std::vector<float>& numbers, float minWidth);
    // Rebuilds the grid with row captions by id. x and y below 0 keep the
    // position; highlightRow −1 highlights nothing (the header row is 0).
    void SetContent(const std::vector<int>& headerIds, const std::vector<int>& rowIds,
                    const std::vector<std::string>& values, float x, float y, int highlightRow);
    // The same with the row captions as texts; one row per caption.
    void SetContentWithCaptions(const std::vector<int>& headerIds, const std::vector<std::string>& captions,
                                const std::vector<std::string>& values, float x, float y, int highlightRow);
    void SetContentFromArrays(const std::vector<int>& headerIds, const std::vector<std::string>& captions,
                              const std::vector<std::string>& values, float x, float y, int highlightRow)
    {
        SetContentWithCaptions(headerIds, captions, values, x, y, highlightRow);
    }
    // Fills the value cells row by row, left to right; cells without a text
    // stay as they are.
    void SetTexts(const std::vector<std::string>& values);
    void SetNumbers(const std::vector<float>& numbers);
    void Layout();

    std::string ClipboardText() const override;
    void Draw(platform::Canvas& canvas, const platform::Rect& visible) override;
    void BeginPrint(const platform::Canvas& printer) override;
    void EndPrint() override;
    void SetPosition(float x, float y) override;

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    const std::string& Cell(int row, int column) const;
    const std::vector<std::uint16_t>& ColumnWidths() const { return columnWidths_; }
    int RowHeight() const { return rowHeight_; }
    int HighlightRow() const { return highlightRow_; }
    float X() const { return x_; }
    float Y() const { return y_; }

private:
    void rebuild(const std::vector<int>& headerIds, const std::vector<std::string>& captions, float x, float y,
                 int highlightRow);

    float y_ = 0;
    float x_ = 0;
    float columnGap_ = 4;
    float rowGap_ = 2;
    float minWidth_ = 0;
    int highlightRow_ = -1;
    int columns_ = 0;
    int rows_ = 0;
    int columnGapUnits_ = 0;
    int rowGapUnits_ = 0;
    int rowHeight_ = 0;
    std::string numberFormat_ = "%.1f";
    std::vector<std::uint16_t> columnWidths_;
};
