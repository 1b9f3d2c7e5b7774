#pragma once

#include "doc/CItem.h"

#include <string>

// A place with its annual mean temperature and wind speed, offered to the
// outdoor calculations so the user need not type them.
class CKlimasted : public CListItem {
    TEKVAR_DECLARE_CLASS(CKlimasted)

public:
    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;
    // Locations compare by their values; the name is only the key.
    bool IsEqual(const CListItem& other) const override;

    // The list line: name, temperature and wind speed separated by tabs.
    void UpdateDisplayText();

    std::string displayText;
    float annualMeanTemperature = 6.7f; // °C
    float annualMeanWindSpeed = 2.1f;   // m/s
};
