#include "LongTables.h"

#include "report/PageModel.h"
#include "report/Pagination.h"

#include <algorithm>
#include <cmath>

void FillAcrossSheets(CTabell& first, std::vector<std::unique_ptr<CTabell>>& continued,
                      const std::vector<int>& header, const std::vector<std::string>& captions,
                      const std::vector<std::string>& values, std::size_t columns)
{
    const float x = first.X();
    const float y = first.Y();
    first.SetContentWithCaptions(header, captions, values, x, y, -1);
    continued.clear();

    // The room between the page's top and the footer's spacing, and the
    // height a row takes in the table as laid out now. One row is the
    // header; one more is left free, since a print lays the table out again
    // with the printer's own fonts, which may be a little taller.
    const PageModel& model = PageModel::Get();
    const float room = model.Sheet().height - itemSpacing - pageTop;
    const float gap = model.YMm(model.YUnits(2.0f));
    const float pitch = model.YMm(first.RowHeight() + model.YUnits(2.0f));
    const std::size_t perTable = std::size_t(std::max(1.0f, std::floor((room - gap) / pitch) - 2.0f));
    if (captions.size() <= perTable)
        return;

    const auto fill = [&](CTabell& table, std::size_t from) {
        const std::size_t to = std::min(captions.size(), from + perTable);
        const auto valuesFrom = values.begin() + long(std::min(values.size(), from * columns));
        const auto valuesTo = values.begin() + long(std::min(values.size(), to * columns));
        table.SetContentWithCaptions(header, {captions.begin() + long(from), captions.begin() + long(to)},
                                     {valuesFrom, valuesTo}, x, y, -1);
    };
    fill(first, 0);
    for (std::size_t from = perTable; from < captions.size(); from += perTable) {
        auto table = std::make_unique<CTabell>();
        table->Define(x, y, 4.0f, 2.0f, "%.1f", header, {}, {}, 170.0f);
        table->helpTopic = first.helpTopic;
        fill(*table, from);
        continued.push_back(std::move(table));
    }
}
