#pragma once

#include "CCatalogueItemDlg.h"

class CItem;
class CVeske;
class QLineEdit;

// "Vätskor": a liquid's name, density, specific heat and freezing point.
class CVeskeDlg : public CCatalogueItemDlg {
    Q_OBJECT

public:
    CVeskeDlg(const CVeske& liquid, QWidget* parent = nullptr);
    void Apply(CVeske& liquid) const;

    QLineEdit* NameField() const { return name_; }
    QLineEdit* DensityField() const { return density_; }
    QLineEdit* HeatField() const { return heat_; }
    QLineEdit* FreezingField() const { return freezing_; }

protected:
    bool Validate() override;

private:
    const CVeske& original_;
    QLineEdit* name_;
    QLineEdit* density_;
    QLineEdit* heat_;
    QLineEdit* freezing_;
    std::string nameValue_;
    float densityValue_ = 0.0f;
    float heatValue_ = 0.0f;
    float freezingValue_ = 0.0f;
};

bool EditLiquid(CItem& item, QWidget* parent);
