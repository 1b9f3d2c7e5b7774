#pragma once

#include "CCatalogueItemDlg.h"

class CItem;
class CTilleggslengde;
class QLineEdit;

// "Tilläggslängd/rördiameter": the equivalent length of a fitting for a
// range of pipe diameters. The range gives the item its name.
class CTilleggslengdeDlg : public CCatalogueItemDlg {
    Q_OBJECT

public:
    CTilleggslengdeDlg(const CTilleggslengde& length, QWidget* parent = nullptr);
    void Apply(CTilleggslengde& length) const;

    QLineEdit* LengthField() const { return length_; }
    QLineEdit* MinField() const { return min_; }
    QLineEdit* MaxField() const { return max_; }

protected:
    bool Validate() override;

private:
    QLineEdit* length_;
    QLineEdit* min_;
    QLineEdit* max_;
    float lengthValue_ = 0.0f;
    float minValue_ = 0.0f;
    float maxValue_ = 0.0f;
};

bool EditFittingLength(CItem& item, QWidget* parent);
