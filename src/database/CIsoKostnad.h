#pragma once

#include "doc/CItem.h"

#include <string>

// One priced entry of the user's insulation cost list: an installed cost per
// metre of pipe or duct, or per square metre of surface.
class CIsoKostnad : public CListItem {
    TEKVAR_DECLARE_CLASS(CIsoKostnad)

public:
    // The record holds the name but not the description of a list item.
    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;
    // Entries compare by cost only.
    bool IsEqual(const CListItem& other) const override;

    // The list line: the name, a tab and the cost per unit ("m" or "m²").
    void UpdateDisplayText(const std::string& unit);

    std::string displayText;
    float cost = 100; // kr per m or m², installation included
};
