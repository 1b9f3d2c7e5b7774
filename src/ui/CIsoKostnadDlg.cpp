#include "CIsoKostnadDlg.h"

#include "CKostnadDlg.h"
#include "QtText.h"
#include "database/CIsoKostnad.h"
#include "database/CKostnad.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int nameLimit = 60;
} // namespace

CIsoKostnadDlg::CIsoKostnadDlg(const CIsoKostnad& entry, std::string unit, QWidget* parent)
    : CFieldDlg("::/html/isokostnad.htm", parent), entry_(entry), unit_(std::move(unit))
{
    setWindowTitle(QStringLiteral("Kostnad Isolering"));
    name_ = new QLineEdit(ToQString(entry.name), this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(nameLimit);
    name_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    cost_ = NumberField("cost", "%.2f", entry.cost);

    auto* names = new QGridLayout;
    AddRow(names, 0, "Namn", name_);
    auto* costBox = new QGroupBox(QStringLiteral("Total kostnad inkl. montage"), this);
    auto* costGrid = new QGridLayout(costBox);
    const std::string label = "Kostnad [kr/" + unit_ + "]:";
    AddRow(costGrid, 0, label.c_str(), cost_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(names);
    layout->addWidget(costBox);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    name_->setFocus();
}

bool CIsoKostnadDlg::Validate()
{
    // The fields are exchanged first, as the framework does, then the name.
    if (!ExchangeNumber(cost_, 0.0f, 5000.0f, costValue_))
        return false;
    std::vector<const CListItem*> others;
    if (const ItemList<CIsoKostnad>* list = CKostnad::WorkingList())
        for (const auto& other : *list)
            if (other.get() != &entry_)
                others.push_back(other.get());
    return ValidateName(name_, others);
}

void CIsoKostnadDlg::CopyTo(CIsoKostnad& entry) const
{
    entry.name = ToStdString(name_->text());
    entry.cost = costValue_;
    entry.UpdateDisplayText(unit_);
}

bool EditCostEntry(CIsoKostnad& entry, const std::string& unit, QWidget* parent)
{
    CIsoKostnadDlg dialog(entry, unit, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.CopyTo(entry);
    return true;
}

bool EditCostEntry(CItem& item, QWidget* parent)
{
    auto* entry = dynamic_cast<CIsoKostnad*>(&item);
    return entry && EditCostEntry(*entry, CostListUnit(), parent);
}
