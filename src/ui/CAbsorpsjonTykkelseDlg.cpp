#include "CAbsorpsjonTykkelseDlg.h"

#include "CAbsorpsjonDlg.h"
#include "doc/ItemChecks.h"
#include "doc/StringTable.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const char* const bandLabels[CAbsorpsjonTykkelse::bandCount] = {"125 Hz :",  "250 Hz :",  "500 Hz :",
                                                                 "1000 Hz :", "2000 Hz :", "4000 Hz :"};
const char* const bandNames[CAbsorpsjonTykkelse::bandCount] = {"factor315", "factor316", "factor317",
                                                                "factor318", "factor319", "factor320"};
} // namespace

CAbsorpsjonTykkelseDlg::CAbsorpsjonTykkelseDlg(const CAbsorpsjonTykkelse& thickness, QWidget* parent)
    : CCatalogueItemDlg("::/html/absorptiondlg.htm", parent), original_(thickness)
{
    setWindowTitle(QStringLiteral("Absorption"));
    thickness_ = NumberField("thickness243", "%g", thickness.thickness);
    auto* factors = new QGroupBox(QStringLiteral("Absorptionsfaktor"), this);
    auto* factorGrid = new QGridLayout(factors);
    for (int band = 0; band < CAbsorpsjonTykkelse::bandCount; ++band) {
        QLineEdit* field = NumberField(bandNames[band], "%g", thickness.Factor(band));
        factors_[std::size_t(band)] = field;
        AddRow(factorGrid, band, bandLabels[band], field);
    }

    auto* grid = new QGridLayout;
    AddRow(grid, 0, "Tjocklek [mm]:", thickness_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(factors);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    thickness_->setFocus();
}

bool CAbsorpsjonTykkelseDlg::Validate()
{
    if (!ExchangeNumber(thickness_, 0.0f, 2000.0f, thicknessValue_))
        return false;
    for (std::size_t band = 0; band < factors_.size(); ++band)
        if (!ExchangeNumber(factors_[band], 0.0f, 1.0f, factorValues_[band]))
            return false;
    const std::string name = Sprintf("%.1f", double(thicknessValue_));
    const ItemList<CAbsorpsjonTykkelse>* working = CAbsorpsjonDlg::WorkingThicknesses();
    if (!::ValidateName(name, working ? Others(*working, &original_) : std::vector<const CListItem*>{})) {
        thickness_->setFocus(Qt::OtherFocusReason);
        thickness_->selectAll();
        return false;
    }
    return true;
}

void CAbsorpsjonTykkelseDlg::Apply(CAbsorpsjonTykkelse& thickness) const
{
    thickness.SetThickness(thicknessValue_);
    thickness.factors = factorValues_;
}

bool EditAbsorptionThickness(CItem& item, QWidget* parent)
{
    auto* thickness = dynamic_cast<CAbsorpsjonTykkelse*>(&item);
    if (!thickness)
        return false;
    CAbsorpsjonTykkelseDlg dialog(*thickness, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.Apply(*thickness);
    return true;
}
