#pragma once

#include "CFieldDlg.h"

#include <string>

class CIsoKostnad;
class CItem;
class QLineEdit;

// "Kostnad Isolering": one priced entry of the cost list, its name and its
// installed cost per unit ("m" or "m²"). The name must be new in the list
// being edited (the list dialog's working copy).
class CIsoKostnadDlg : public CFieldDlg {
    Q_OBJECT

public:
    CIsoKostnadDlg(const CIsoKostnad& entry, std::string unit, QWidget* parent = nullptr);

    // The name and cost with the display text rebuilt; valid after OK.
    void CopyTo(CIsoKostnad& entry) const;

    QLineEdit* NameField() const { return name_; }
    QLineEdit* CostField() const { return cost_; }

protected:
    bool Validate() override;

private:
    const CIsoKostnad& entry_;
    std::string unit_;
    QLineEdit* name_;
    QLineEdit* cost_;
    float costValue_ = 0.0f;
};

// Edits the entry with costs counted per `unit`.
bool EditCostEntry(CIsoKostnad& entry, const std::string& unit, QWidget* parent);
// The editor of CIsoKostnad: the unit of the cost list being edited.
bool EditCostEntry(CItem& item, QWidget* parent);
