#include "CTilleggslengdeDlg.h"

#include "database/CTilleggslengde.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CTilleggslengdeDlg::CTilleggslengdeDlg(const CTilleggslengde& length, QWidget* parent)
    : CCatalogueItemDlg("::/html/tillegglengde.htm", parent)
{
    setWindowTitle(QString::fromUtf8("Tilläggslängd/rördiameter"));
    length_ = NumberField("length482", "%g", length.equivalentLength);
    min_ = NumberField("min436", "%g", length.minPipeDiameter);
    max_ = NumberField("max245", "%g", length.maxPipeDiameter);

    auto* grid = new QGridLayout;
    AddRow(grid, 0, "Ekv. tilläggslängd [m]:", length_);
    AddRow(grid, 1, "Min. rördiameter [mm]:", min_);
    AddRow(grid, 2, "Max. rördiameter [mm]:", max_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    length_->setFocus();
}

bool CTilleggslengdeDlg::Validate()
{
    // A range given the wrong way round is taken as typed.
    return ExchangeNumber(length_, 0.0f, 1000.0f, lengthValue_) && ExchangeNumber(min_, 0.0f, 10000.0f, minValue_) &&
           ExchangeNumber(max_, 0.0f, 10000.0f, maxValue_);
}

void CTilleggslengdeDlg::Apply(CTilleggslengde& length) const
{
    length.equivalentLength = lengthValue_;
    length.minPipeDiameter = minValue_;
    length.maxPipeDiameter = maxValue_;
    length.UpdateName();
}

bool EditFittingLength(CItem& item, QWidget* parent)
{
    auto* length = dynamic_cast<CTilleggslengde*>(&item);
    if (!length)
        return false;
    CTilleggslengdeDlg dialog(*length, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.Apply(*length);
    return true;
}
