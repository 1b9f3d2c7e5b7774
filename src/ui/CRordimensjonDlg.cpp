#include "CRordimensjonDlg.h"

#include "CRormaterialDlg.h"
#include "database/CRordimensjon.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CRordimensjonDlg::CRordimensjonDlg(const CRordimensjon& dimension, QWidget* parent)
    : CCatalogueItemDlg("::/html/Rordimensjondlg.htm", parent), original_(dimension)
{
    setWindowTitle(QString::fromUtf8("Rördimension"));
    name_ = TextField("name372", dimension.name, nameLimit);
    name_->setMinimumWidth(fontMetrics().averageCharWidth() * 24);
    diameter_ = NumberField("diameter1005", "%g", dimension.outerDiameter);
    wall_ = NumberField("wall1006", "%g", dimension.wallThickness);

    auto* grid = new QGridLayout;
    AddRow(grid, 0, "Namn :", name_);
    AddRow(grid, 1, "Diameter [mm]:", diameter_);
    AddRow(grid, 2, "Godtjocklek  [mm]:", wall_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    name_->setFocus();
}

bool CRordimensjonDlg::Validate()
{
    if (!ExchangeText(name_, nameLimit, nameValue_) || !ExchangeNumber(diameter_, 1.0f, 10000.0f, diameterValue_) ||
        !ExchangeNumber(wall_, 0.1f, 1000.0f, wallValue_))
        return false;
    const ItemList<CRordimensjon>* working = CRormaterialDlg::WorkingDimensions();
    return ValidateName(name_, working ? Others(*working, &original_) : std::vector<const CListItem*>{});
}

void CRordimensjonDlg::Apply(CRordimensjon& dimension) const
{
    dimension.name = nameValue_;
    dimension.outerDiameter = diameterValue_;
    dimension.wallThickness = wallValue_;
}

bool EditPipeDimension(CItem& item, QWidget* parent)
{
    auto* dimension = dynamic_cast<CRordimensjon*>(&item);
    if (!dimension)
        return false;
    CRordimensjonDlg dialog(*dimension, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.Apply(*dimension);
    return true;
}
