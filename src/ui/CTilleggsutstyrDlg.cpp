#include "CTilleggsutstyrDlg.h"

#include "QtText.h"
#include "database/CDataBase.h"
#include "database/CTillegg2.h"
#include "doc/StringTable.h"
#include "modules/CTilleggsutstyr.h"
#include "platform/Services.h"

#include <QDialogButtonBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int chooseFittingId = 62534;
} // namespace

CTilleggsutstyrDlg::CTilleggsutstyrDlg(const CTilleggsutstyr& fitting, QWidget* parent)
    : CFieldDlg("::/html/tilleggsutstyr.htm", parent)
{
    setWindowTitle(QString::fromUtf8("Tilläggsarmatur"));

    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("type"));
    for (CTillegg2* type : CDataBase::SystemItems<CTillegg2>(CDataBase::fittings))
        type_->addItem(ToQString(type->name), quintptr(type));
    type_->setCurrentIndex(type_->findData(quintptr(fitting.FittingType())));

    ownDefined_ = new QCheckBox(QString::fromUtf8("Egendef. tilläggsarmatur"), this);
    ownDefined_->setObjectName(QStringLiteral("ownDefined"));
    ownDefined_->setChecked(fitting.ownDefined);
    name_ = new QLineEdit(fitting.ownDefined ? ToQString(fitting.OwnName()) : QString(), this);
    name_->setObjectName(QStringLiteral("name"));
    length_ = NumberField("length", "%.2f", fitting.ownLength);
    count_ = new QLineEdit(QString::number(fitting.count), this);
    count_->setObjectName(QStringLiteral("count"));
    count_->setMaximumWidth(fontMetrics().averageCharWidth() * 12);

    auto* grid = new QGridLayout;
    AddRow(grid, 0, "Typ av tilläggsarmatur:", type_);
    grid->addWidget(ownDefined_, 1, 0, 1, 2);
    AddRow(grid, 2, "Namn:", name_);
    AddRow(grid, 3, "Ekv. tilläggslängd [m]:", length_);
    AddRow(grid, 4, "Antal enheter:", count_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ownDefined_, &QCheckBox::toggled, this, &CTilleggsutstyrDlg::updateStates);
    updateStates();
}

void CTilleggsutstyrDlg::updateStates()
{
    const bool own = ownDefined_->isChecked();
    type_->setEnabled(!own);
    name_->setEnabled(own);
    length_->setEnabled(own);
}

CTillegg2* CTilleggsutstyrDlg::chosenType() const
{
    return type_->currentIndex() < 0 ? nullptr : reinterpret_cast<CTillegg2*>(type_->currentData().value<quintptr>());
}

bool CTilleggsutstyrDlg::Validate()
{
    if (!ExchangeNumber(length_, 0.0f, 1000.0f, lengthValue_) || !ExchangeInteger(count_, 0, 1000, countValue_))
        return false;
    if (!ownDefined_->isChecked() && !chosenType()) {
        platform::prompter().Tell(LoadString(chooseFittingId));
        type_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

void CTilleggsutstyrDlg::CopyTo(CTilleggsutstyr& fitting) const
{
    fitting.ownDefined = ownDefined_->isChecked();
    fitting.ownLength = lengthValue_;
    fitting.count = countValue_;
    fitting.SetFittingType(chosenType());
    fitting.UpdateName(ToStdString(name_->text()));
}

bool EditFitting(CItem& item, QWidget* parent)
{
    auto* fitting = dynamic_cast<CTilleggsutstyr*>(&item);
    if (!fitting)
        return false;
    CTilleggsutstyrDlg dialog(*fitting, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.CopyTo(*fitting);
    return true;
}
