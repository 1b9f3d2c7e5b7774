#include "CRormaterialDlg.h"

#include "database/CDataBase.h"
#include "database/CRormaterial.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int noDimensionMessage = 61254;
const char* const dimensionInUseText = "Man kan inte ta bort en dimension som är vald i en beräkningsmodul";

const ItemList<CRordimensjon>* workingDimensions = nullptr;

} // namespace

const ItemList<CRordimensjon>* CRormaterialDlg::WorkingDimensions()
{
    return workingDimensions;
}

CRormaterialDlg::CRormaterialDlg(const CRormaterial& material, QWidget* parent)
    : CCatalogueItemDlg("::/html/rormaterial.htm", parent), original_(material), outerWorking_(workingDimensions)
{
    setWindowTitle(QString::fromUtf8("Rörmaterial/dimension"));
    CopyList(working_, material.dimensions);
    workingDimensions = &working_;

    name_ = TextField("name372", material.name, nameLimit);
    name_->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
    conductivity_ = NumberField("conductivity373", "%g", material.conductivityAtZero);
    coefficient_ = NumberField("coefficient376", "%g", material.temperatureCoefficient);
    emissivity_ = NumberField("emissivity434", "%g", material.emissivity);
    min_ = NumberField("min374", "%g", material.minAllowedTemperature);
    max_ = NumberField("max375", "%g", material.maxAllowedTemperature);

    box_ = new QListWidget(this);
    box_->setObjectName(QStringLiteral("list489"));
    box_->setMinimumHeight(fontMetrics().lineSpacing() * 8);
    newButton_ = new QPushButton(QStringLiteral("Ny dimension..."), this);
    updateButton_ = new QPushButton(QStringLiteral("Uppdatera dimension..."), this);
    deleteButton_ = new QPushButton(QStringLiteral("Ta bort dimension..."), this);
    auto* dimensions = new QGroupBox(QStringLiteral("Standard dimensioner"), this);
    auto* dimensionsLayout = new QGridLayout(dimensions);
    dimensionsLayout->addWidget(box_, 0, 0, 4, 1);
    int row = 0;
    for (QPushButton* button : {newButton_, updateButton_, deleteButton_}) {
        button->setAutoDefault(false);
        dimensionsLayout->addWidget(button, row++, 1);
    }
    dimensionsLayout->setRowStretch(3, 1);

    auto* grid = new QGridLayout;
    AddRow(grid, 0, "Namn :", name_);
    AddRow(grid, 1, "Värmekonduktivitet vid 0°C  [W/mK]:", conductivity_);
    AddRow(grid, 2, "Temperaturcoeff. värmekonduktivitet:", coefficient_);
    AddRow(grid, 3, "Emissivitet:", emissivity_);
    AddRow(grid, 4, "Min. tillåten temperatur  [°C]:", min_);
    AddRow(grid, 5, "Max. tillåten temperatur  [°C]:", max_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(dimensions);
    layout->addWidget(CreateButtonBox());

    controller_.Attach(working_, box_);
    controller_.SetListOrder(
        [](const CListItem& item) { return static_cast<const CRordimensjon&>(item).outerDiameter; });
    connect(newButton_, &QPushButton::clicked, this, &CRormaterialDlg::OnNew);
    connect(updateButton_, &QPushButton::clicked, this, &CRormaterialDlg::OnUpdate);
    connect(box_, &QListWidget::itemDoubleClicked, this, &CRormaterialDlg::OnUpdate);
    connect(deleteButton_, &QPushButton::clicked, this, &CRormaterialDlg::OnDelete);
    name_->setFocus();
}

CRormaterialDlg::~CRormaterialDlg()
{
    workingDimensions = outerWorking_;
}

void CRormaterialDlg::OnNew()
{
    controller_.New(std::make_unique<CRordimensjon>());
}

void CRormaterialDlg::OnUpdate()
{
    controller_.Update();
}

void CRormaterialDlg::OnDelete()
{
    controller_.Delete(std::string(dimensionInUseText));
}

bool CRormaterialDlg::Validate()
{
    if (!ExchangeText(name_, nameLimit, nameValue_) ||
        !ExchangeNumber(conductivity_, 0.001f, 1000.0f, conductivityValue_) ||
        !ExchangeNumber(coefficient_, -1.0f, 1.0f, coefficientValue_) ||
        !ExchangeNumber(emissivity_, 0.0f, 1.0f, emissivityValue_) ||
        !ExchangeNumber(min_, -200.0f, 100.0f, minValue_) || !ExchangeNumber(max_, 0.0f, 1000.0f, maxValue_))
        return false;
    if (working_.empty()) {
        platform::prompter().Tell(LoadString(noDimensionMessage));
        newButton_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return ValidateName(name_, Others(CDataBase::SystemList(CDataBase::pipeMaterials), &original_));
}

void CRormaterialDlg::Apply(CRormaterial& material)
{
    material.name = nameValue_;
    material.conductivityAtZero = conductivityValue_;
    material.temperatureCoefficient = coefficientValue_;
    material.emissivity = emissivityValue_;
    material.minAllowedTemperature = minValue_;
    material.maxAllowedTemperature = maxValue_;
    TakeList(material.dimensions, working_, true);
}

bool EditPipeMaterial(CItem& item, QWidget* parent)
{
    auto* material = dynamic_cast<CRormaterial*>(&item);
    if (!material)
        return false;
    CRormaterialDlg dialog(*material, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.Apply(*material);
    return true;
}
