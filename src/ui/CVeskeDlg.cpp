#include "CVeskeDlg.h"

#include "database/CDataBase.h"
#include "database/CVeske.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CVeskeDlg::CVeskeDlg(const CVeske& liquid, QWidget* parent)
    : CCatalogueItemDlg("::/html/vaeske.htm", parent), original_(liquid)
{
    setWindowTitle(QString::fromUtf8("Vätskor"));
    name_ = TextField("name372", liquid.name, nameLimit);
    name_->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
    density_ = NumberField("density1026", "%g", liquid.density);
    heat_ = NumberField("heat1025", "%g", liquid.specificHeatCapacity);
    freezing_ = NumberField("freezing1027", "%g", liquid.freezingPoint);

    auto* grid = new QGridLayout;
    AddRow(grid, 0, "Namn :", name_);
    AddRow(grid, 1, "Densitet [kg/m³]:", density_);
    AddRow(grid, 2, "Värmekapacitet [J/kgK]:", heat_);
    AddRow(grid, 3, "Fryspunkt [°C]:", freezing_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    name_->setFocus();
}

bool CVeskeDlg::Validate()
{
    return ExchangeText(name_, nameLimit, nameValue_) && ExchangeNumber(density_, 1.0f, 10000.0f, densityValue_) &&
           ExchangeNumber(heat_, 1.0f, 10000.0f, heatValue_) &&
           ExchangeNumber(freezing_, -273.0f, 200.0f, freezingValue_) &&
           ValidateName(name_, Others(CDataBase::SystemList(CDataBase::liquids), &original_));
}

void CVeskeDlg::Apply(CVeske& liquid) const
{
    liquid.name = nameValue_;
    liquid.density = densityValue_;
    liquid.specificHeatCapacity = heatValue_;
    liquid.freezingPoint = freezingValue_;
}

bool EditLiquid(CItem& item, QWidget* parent)
{
    auto* liquid = dynamic_cast<CVeske*>(&item);
    if (!liquid)
        return false;
    CVeskeDlg dialog(*liquid, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.Apply(*liquid);
    return true;
}
