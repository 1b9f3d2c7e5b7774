#include "CTabell.h"

#include "PageModel.h"
#include "doc/StringTable.h"

#include <algorithm>

TEKVAR_IMPLEMENT_CLASS(CTabell, CGraphicsItem)

namespace {

std::vector<int> untilZero(const std::vector<int>& ids)
{
    return {ids.begin(), std::find(ids.begin(), ids.end(), 0)};
}

std::vector<std::string> texts(const std::vector<int>& ids)
{
    std::vector<std::string> result;
    for (int id : untilZero(ids))
        result.push_back(LoadString(id));
    return result;
}

} // namespace

CTabell::CTabell()
{
    copyable = true;
    Layout();
}

void CTabell::Define(float x, float y, float columnGap, float rowGap, std::string numberFormat,
                     const std::vector<int>& headerIds, const std::vector<int>& rowIds,
                     const std::vector<float>& numbers, float minWidth)
{
    x_ = x;
    y_ = y;
    columnGap_ = columnGap;
    rowGap_ = rowGap;
    numberFormat_ = std::move(numberFormat);
    minWidth_ = minWidth;
    const std::vector<int> header = untilZero(headerIds);
    name = header.empty() ? std::string() : LoadString(header.front());
    SetContent(headerIds, rowIds, {}, x, y, -1);
    if (!numbers.empty())
        SetNumbers(numbers);
}

void CTabell::SetContent(const std::vector<int>& headerIds, const std::vector<int>& rowIds,
                         const std::vector<std::string>& values, float x, float y, int highlightRow)
{
    rebuild(headerIds, texts(rowIds), x, y, highlightRow);
    SetTexts(values);
}

void CTabell::SetContentWithCaptions(const std::vector<int>& headerIds, const std::vector<std::string>& captions,
                                     const std::vector<std::string>& values, float x, float y, int highlightRow)
{
    rebuild(headerIds, captions, x, y, highlightRow);
    SetTexts(values);
}

void CTabell::rebuild(const std::vector<int>& headerIds, const std::vector<std::string>& captions, float x, float y,
                      int highlightRow)
{
    highlightRow_ = highlightRow;
    if (x >= 0)
        x_ = x;
    if (y >= 0)
        y_ = y;
    ClearList(subItems);
    const std::vector<int> header = untilZero(headerIds);
    for (int id : header)
        subItems.push_back(std::make_unique<CTabellVerdi>(id));
    columns_ = int(header.size());
    // Rows need a column for their caption; a table without header keeps
    // only its (empty) header row.
    rows_ = 1;
    if (columns_ > 0) {
        for (const std::string& caption : captions) {
            subItems.push_back(std::make_unique<CTabellVerdi>(caption));
            for (int c = 1; c < columns_; ++c)
                subItems.push_back(std::make_unique<CTabellVerdi>());
        }
        rows_ += int(captions.size());
    }
    Layout();
}

void CTabell::SetTexts(const std::vector<std::string>& values)
{
    std::size_t next = 0;
    for (int r = 1; r < rows_ && next < values.size(); ++r)
        for (int c = 1; c < columns_ && next < values.size(); ++c)
            subItems[std::size_t(r * columns_ + c)]->name = values[next++];
    Layout();
}

void CTabell::SetNumbers(const std::vector<float>& numbers)
{
    std::vector<std::string> values;
    for (float number : numbers)
        values.push_back(Sprintf(numberFormat_, double(number)));
    SetTexts(values);
}

const std::string& CTabell::Cell(int row, int column) const
{
    return subItems.at(std::size_t(row * columns_ + column))->name;
}

void CTabell::SetPosition(float x, float y)
{
    x_ = x;
    y_ = y;
    Layout();
}

void CTabell::BeginPrint(const platform::Canvas&)
{
    Layout();
}

void CTabell::EndPrint()
{
    Layout();
}

void CTabell::Layout()
{
    const PageModel& m = PageModel::Get();
    rect.left = m.XUnits(x_);
    rect.top = m.YUnits(y_);
    columnGapUnits_ = m.XUnits(columnGap_);
    rowGapUnits_ = m.YUnits(rowGap_);

    std::vector<int> widths(std::size_t(columns_), 0);
    rowHeight_ = m.Metrics(platform::FontRole::Bold).height;
    for (int r = 0; r < rows_; ++r) {
        const platform::FontRole font = r == 0 ? platform::FontRole::Bold : platform::FontRole::Normal;
        for (int c = 0; c < columns_; ++c) {
            const platform::Size size = m.Extent(font, Cell(r, c));
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], size.width);
            if (r == 0)
                rowHeight_ = size.height;
        }
    }

    int width = 0;
    for (int w : widths)
        width += w;
    if (columns_ > 0) {
        width += (columns_ - 1) * columnGapUnits_;
        const int minimum = m.XUnits(minWidth_);
        if (minimum > width) {
            widths[0] += minimum - width;
            width = minimum;
        }
    }
    columnWidths_.clear();
    for (int w : widths)
        columnWidths_.push_back(std::uint16_t(std::clamp(w, 0, 0xFFFF)));
    rect.right = rect.left + width;
    rect.bottom = rect.top + rows_ * (rowHeight_ + rowGapUnits_) + rowGapUnits_;
}

void CTabell::Draw(platform::Canvas& canvas, const platform::Rect& visible)
{
    if (!rect.Intersects(visible))
        return;
    const PageModel& m = PageModel::Get();
    const platform::Rect shown = rect.Moved(-visible.left, -visible.top);
    const int pitch = rowHeight_ + rowGapUnits_;

    if (selected && !canvas.IsPrinter())
        canvas.FillRect(shown, selectionColour);

    const platform::Pen thick{platform::black, m.YUnits(0.5f), platform::PenStyle::Solid};
    const platform::Pen thin{platform::black, 1, platform::PenStyle::Solid};
    for (int r = 0; r < rows_; ++r) {
        const int y = shown.top + (r + 1) * pitch + rowGapUnits_ / 2;
        canvas.SetPen(r == 0 || r == rows_ - 1 ? thick : thin);
        canvas.DrawLine({shown.left, y}, {shown.right, y});
    }

    for (int r = 0; r < rows_; ++r) {
        const int y = shown.top + rowGapUnits_ + r * pitch;
        canvas.SelectFont(m.Font(r == 0 ? platform::FontRole::Bold : platform::FontRole::Normal));
        if (r > 0 && r == highlightRow_)
            canvas.FillRect({shown.left, y, shown.right, y + rowHeight_}, highlightColour);
        int x = shown.left;
        for (int c = 0; c < columns_; ++c) {
            const int w = columnWidths_[std::size_t(c)];
            if (c == 0)
                canvas.DrawText({x, y}, Cell(r, c));
            else
                canvas.DrawText({x + w, y}, Cell(r, c), {platform::HAlign::Right, platform::VAlign::Top});
            x += w + columnGapUnits_;
        }
    }
}

std::string CTabell::ClipboardText() const
{
    std::vector<std::size_t> longest(std::size_t(columns_), 0);
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < columns_; ++c)
            longest[std::size_t(c)] = std::max(longest[std::size_t(c)], TextLength(Cell(r, c)));

    std::string text = name + "\n";
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < columns_; ++c) {
            const std::string cell = r > 0 && c > 0 ? DecimalComma(Cell(r, c)) : Cell(r, c);
            text += cell;
            if (c + 1 < columns_) {
                text.append(longest[std::size_t(c)] - TextLength(cell), ' ');
                text += '\t';
            }
        }
        text += '\n';
    }
    return text;
}
