#pragma once

#include "report/CTabell.h"

#include <memory>
#include <string>
#include <vector>

// Fills a table that may have more rows than one sheet holds below the
// page's top: the first table takes as many as fit, and further tables of
// the same columns (made here, at the first one's position) take the rest,
// each fitting a sheet, so that the page flow can place every part on a
// sheet of its own. `values` holds the value cells row by row, `columns`
// of them per caption. Without a surplus `continued` ends up empty.
void FillAcrossSheets(CTabell& first, std::vector<std::unique_ptr<CTabell>>& continued,
                      const std::vector<int>& header, const std::vector<std::string>& captions,
                      const std::vector<std::string>& values, std::size_t columns);
