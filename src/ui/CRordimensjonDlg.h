#pragma once

#include "CCatalogueItemDlg.h"

class CItem;
class CRordimensjon;
class QLineEdit;

// "Rördimension": a standard dimension of a pipe material. Its name is
// checked against the dimensions of the material being edited.
class CRordimensjonDlg : public CCatalogueItemDlg {
    Q_OBJECT

public:
    CRordimensjonDlg(const CRordimensjon& dimension, QWidget* parent = nullptr);
    void Apply(CRordimensjon& dimension) const;

    QLineEdit* NameField() const { return name_; }
    QLineEdit* DiameterField() const { return diameter_; }
    QLineEdit* WallField() const { return wall_; }

protected:
    bool Validate() override;

private:
    const CRordimensjon& original_;
    QLineEdit* name_;
    QLineEdit* diameter_;
    QLineEdit* wall_;
    std::string nameValue_;
    float diameterValue_ = 0.0f;
    float wallValue_ = 0.0f;
};

bool EditPipeDimension(CItem& item, QWidget* parent);
