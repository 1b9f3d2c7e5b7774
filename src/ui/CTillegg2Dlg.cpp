#include "CTillegg2Dlg.h"

#include "database/CDataBase.h"
#include "database/CTillegg2.h"
#include "platform/Services.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const noLengthText = "Du måste uppge en tilläggslängd!";
} // namespace

CTillegg2Dlg::CTillegg2Dlg(const CTillegg2& fitting, QWidget* parent)
    : CCatalogueItemDlg("::/html/tillegg.htm", parent), original_(fitting)
{
    setWindowTitle(QString::fromUtf8("Tilläggsarmatur"));
    CopyList(working_, fitting.lengths);

    name_ = TextField("name372", fitting.name, nameLimit);
    name_->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
    box_ = new QListWidget(this);
    box_->setObjectName(QStringLiteral("list481"));
    box_->setMinimumHeight(fontMetrics().lineSpacing() * 8);
    newButton_ = new QPushButton(QString::fromUtf8("Ny tilläggslängd..."), this);
    updateButton_ = new QPushButton(QString::fromUtf8("Uppdatera tilläggslängd..."), this);
    deleteButton_ = new QPushButton(QString::fromUtf8("Ta bort tilläggslängd..."), this);

    auto* lengths = new QGroupBox(QString::fromUtf8("Tilläggslängd/diameter"), this);
    auto* lengthsLayout = new QGridLayout(lengths);
    lengthsLayout->addWidget(box_, 0, 0, 4, 1);
    int row = 0;
    for (QPushButton* button : {newButton_, updateButton_, deleteButton_}) {
        button->setAutoDefault(false);
        lengthsLayout->addWidget(button, row++, 1);
    }
    lengthsLayout->setRowStretch(3, 1);

    auto* grid = new QGridLayout;
    AddRow(grid, 0, "Namn :", name_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(lengths);
    layout->addWidget(CreateButtonBox());

    controller_.Attach(working_, box_);
    controller_.SetListOrder([](const CListItem& item) {
        return static_cast<const CTilleggslengde&>(item).equivalentLength;
    });
    connect(newButton_, &QPushButton::clicked, this, &CTillegg2Dlg::OnNew);
    connect(updateButton_, &QPushButton::clicked, this, &CTillegg2Dlg::OnUpdate);
    connect(box_, &QListWidget::itemDoubleClicked, this, &CTillegg2Dlg::OnUpdate);
    connect(deleteButton_, &QPushButton::clicked, this, &CTillegg2Dlg::OnDelete);
    name_->setFocus();
}

CTillegg2Dlg::~CTillegg2Dlg() = default;

void CTillegg2Dlg::OnNew()
{
    controller_.New(std::make_unique<CTilleggslengde>());
}

void CTillegg2Dlg::OnUpdate()
{
    controller_.Update();
}

void CTillegg2Dlg::OnDelete()
{
    controller_.Delete();
}

bool CTillegg2Dlg::Validate()
{
    if (!ExchangeText(name_, nameLimit, nameValue_))
        return false;
    if (working_.empty()) {
        platform::prompter().Tell(noLengthText);
        newButton_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return ValidateName(name_, Others(CDataBase::SystemList(CDataBase::fittings), &original_));
}

void CTillegg2Dlg::Apply(CTillegg2& fitting)
{
    fitting.name = nameValue_;
    TakeList(fitting.lengths, working_, true);
}

bool EditFittingType(CItem& item, QWidget* parent)
{
    auto* fitting = dynamic_cast<CTillegg2*>(&item);
    if (!fitting)
        return false;
    CTillegg2Dlg dialog(*fitting, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.Apply(*fitting);
    return true;
}
