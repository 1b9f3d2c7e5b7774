#pragma once

#include "CCatalogueItemDlg.h"
#include "database/CAbsorpsjonTykkelse.h"

#include <array>

class CItem;
class QLineEdit;

// "Absorption": a standard thickness of an absorption product and its
// absorption factors per octave band. Its name is the thickness, which
// must not be taken by another thickness of the product being edited.
class CAbsorpsjonTykkelseDlg : public CCatalogueItemDlg {
    Q_OBJECT

public:
    CAbsorpsjonTykkelseDlg(const CAbsorpsjonTykkelse& thickness, QWidget* parent = nullptr);
    void Apply(CAbsorpsjonTykkelse& thickness) const;

    QLineEdit* ThicknessField() const { return thickness_; }
    QLineEdit* FactorField(int band) const { return factors_.at(std::size_t(band)); }

protected:
    bool Validate() override;

private:
    const CAbsorpsjonTykkelse& original_;
    QLineEdit* thickness_;
    std::array<QLineEdit*, CAbsorpsjonTykkelse::bandCount> factors_{};
    float thicknessValue_ = 0.0f;
    std::array<float, CAbsorpsjonTykkelse::bandCount> factorValues_{};
};

bool EditAbsorptionThickness(CItem& item, QWidget* parent);
