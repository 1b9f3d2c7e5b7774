#include "CKlimastedDlg.h"

#include "QtText.h"
#include "database/CKlima.h"
#include "database/CKlimasted.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int nameLimit = 50;
} // namespace

CKlimastedDlg::CKlimastedDlg(const CKlimasted& location, QWidget* parent)
    : CFieldDlg("::/html/klimasted.htm", parent), location_(location)
{
    setWindowTitle(QString::fromUtf8("Årsmedelvärden"));
    name_ = new QLineEdit(ToQString(location.name), this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(nameLimit);
    temperature_ = NumberField("temperature", "%.1f", location.annualMeanTemperature);
    wind_ = NumberField("wind", "%.1f", location.annualMeanWindSpeed);

    auto* grid = new QGridLayout;
    AddRow(grid, 0, "Ort:", name_);
    AddRow(grid, 1, "Årsmedeltemperatur [°C]:", temperature_);
    AddRow(grid, 2, "Årsmedelvind [m/s]:", wind_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    name_->setFocus();
}

bool CKlimastedDlg::Validate()
{
    // The fields are exchanged first, as the framework does, then the name.
    if (!ExchangeNumber(temperature_, -60.0f, 60.0f, temperatureValue_) ||
        !ExchangeNumber(wind_, 0.0f, 20.0f, windValue_))
        return false;
    std::vector<const CListItem*> others;
    if (const ItemList<CKlimasted>* list = CKlima::WorkingList())
        for (const auto& entry : *list)
            if (entry.get() != &location_)
                others.push_back(entry.get());
    return ValidateName(name_, others);
}

void CKlimastedDlg::CopyTo(CKlimasted& location) const
{
    location.name = ToStdString(name_->text());
    location.annualMeanTemperature = temperatureValue_;
    location.annualMeanWindSpeed = windValue_;
    location.UpdateDisplayText();
}

bool EditClimateLocation(CItem& item, QWidget* parent)
{
    auto* location = dynamic_cast<CKlimasted*>(&item);
    if (!location)
        return false;
    CKlimastedDlg dialog(*location, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.CopyTo(*location);
    return true;
}
