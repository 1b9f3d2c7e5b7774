#pragma once

#include "doc/StringTable.h"
#include "report/CTabell.h"
#include "report/Pagination.h"

#include <string>
#include <utility>
#include <vector>

// The rows of a module's table as the module puts them together: a caption
// and one text per value column, the cells left out staying empty. Fill
// hands them to the table with the geometry every result page uses.
class TableRows {
public:
    explicit TableRows(int valueColumns) : valueColumns_(valueColumns) {}

    void Add(int captionId, std::vector<std::string> values) { Add(LoadString(captionId), std::move(values)); }
    void Add(std::string caption, std::vector<std::string> values)
    {
        values.resize(std::size_t(valueColumns_));
        captions_.push_back(std::move(caption));
        for (std::string& value : values)
            values_.push_back(std::move(value));
    }

    // At (20, 65) mm with gaps of 4 and 2 mm, at least 170 mm wide; the
    // table takes its name from the first header id. highlightRow counts
    // the header row as 0; −1 highlights none.
    void Fill(CTabell& table, const std::vector<int>& headerIds, int highlightRow = -1) const
    {
        table.Define(pageLeft, pageTop, 4.0f, 2.0f, "%.1f", headerIds, {}, {}, 170.0f);
        table.SetContentWithCaptions(headerIds, captions_, values_, -1.0f, -1.0f, highlightRow);
    }

    const std::vector<std::string>& Captions() const { return captions_; }

private:
    int valueColumns_;
    std::vector<std::string> captions_;
    std::vector<std::string> values_;
};
