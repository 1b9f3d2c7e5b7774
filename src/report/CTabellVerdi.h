#pragma once

#include "doc/CItem.h"

#include <memory>
#include <string>

// One cell of a result table; the cell text is the item's name.
class CTabellVerdi : public CListItem {
    TEKVAR_DECLARE_CLASS(CTabellVerdi)

public:
    CTabellVerdi() = default;
    // The text of a string id; id 0 gives an empty cell.
    explicit CTabellVerdi(int id);
    explicit CTabellVerdi(std::string text);

    std::unique_ptr<CListItem> Clone() const override;
};
