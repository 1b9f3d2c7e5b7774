#include "CAbsorpsjonDlg.h"

#include "database/CAbsorpsjon.h"
#include "database/CDataBase.h"
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

constexpr int noThicknessMessage = 61254;
constexpr int thicknessInUseMessage = 61260;

const ItemList<CAbsorpsjonTykkelse>* workingThicknesses = nullptr;

} // namespace

const ItemList<CAbsorpsjonTykkelse>* CAbsorpsjonDlg::WorkingThicknesses()
{
    return workingThicknesses;
}

CAbsorpsjonDlg::CAbsorpsjonDlg(const CAbsorpsjon& product, QWidget* parent)
    : CCatalogueItemDlg("::/html/absorption.htm", parent), original_(product), outerWorking_(workingThicknesses)
{
    setWindowTitle(QStringLiteral("Absorptionsprodukt"));
    CopyList(working_, product.thicknesses);
    workingThicknesses = &working_;

    name_ = TextField("name318", product.name, nameLimit);
    name_->setMinimumWidth(fontMetrics().averageCharWidth() * 36);

    box_ = new QListWidget(this);
    box_->setObjectName(QStringLiteral("list240"));
    box_->setMinimumHeight(fontMetrics().lineSpacing() * 8);
    newButton_ = new QPushButton(QStringLiteral("Ny tjocklek..."), this);
    updateButton_ = new QPushButton(QStringLiteral("Uppdatera tjocklek..."), this);
    deleteButton_ = new QPushButton(QStringLiteral("Ta bort tjocklek"), this);
    auto* thicknesses = new QGroupBox(QStringLiteral("Tjocklekar"), this);
    auto* thicknessLayout = new QGridLayout(thicknesses);
    thicknessLayout->addWidget(box_, 0, 0, 4, 1);
    int row = 0;
    for (QPushButton* button : {newButton_, updateButton_, deleteButton_}) {
        button->setAutoDefault(false);
        thicknessLayout->addWidget(button, row++, 1);
    }
    thicknessLayout->setRowStretch(3, 1);

    verticalButton_ = new QPushButton(QString::fromUtf8("Välj produktbild två vertikala sidor..."), this);
    vertical_ = TextField("picture481", product.verticalPicture, pictureLimit);
    horizontalButton_ = new QPushButton(QString::fromUtf8("Välj Produktbild två horisontala sidor..."), this);
    horizontal_ = TextField("picture485", product.horizontalPicture, pictureLimit);
    fourSidesButton_ = new QPushButton(QString::fromUtf8("Välj Produktbild fyra sidor..."), this);
    fourSides_ = TextField("picture483", product.fourSidesPicture, pictureLimit);
    auto* pictures = new QGroupBox(QStringLiteral("Produktbild"), this);
    auto* pictureLayout = new QGridLayout(pictures);
    row = 0;
    for (auto [button, field] : {std::pair{verticalButton_, vertical_}, std::pair{horizontalButton_, horizontal_},
                                 std::pair{fourSidesButton_, fourSides_}}) {
        button->setAutoDefault(false);
        pictureLayout->addWidget(button, row, 0);
        pictureLayout->addWidget(field, row++, 1);
        connect(button, &QPushButton::clicked, this, [this, field] { BrowsePicture(field); });
    }
    if (product.kind == CAbsorpsjon::circularDuct) {
        for (QWidget* widget : {static_cast<QWidget*>(verticalButton_), static_cast<QWidget*>(vertical_),
                                static_cast<QWidget*>(horizontalButton_), static_cast<QWidget*>(horizontal_)})
            widget->setEnabled(false);
        fourSidesButton_->setText(QString::fromUtf8("Välj produktbild"));
    }

    auto* grid = new QGridLayout;
    AddRow(grid, 0, "Produktens namn :", name_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(thicknesses);
    layout->addWidget(pictures);
    layout->addWidget(CreateButtonBox());

    controller_.Attach(working_, box_);
    controller_.SetListOrder(
        [](const CListItem& item) { return static_cast<const CAbsorpsjonTykkelse&>(item).thickness; });
    connect(newButton_, &QPushButton::clicked, this, &CAbsorpsjonDlg::OnNew);
    connect(updateButton_, &QPushButton::clicked, this, &CAbsorpsjonDlg::OnUpdate);
    connect(box_, &QListWidget::itemDoubleClicked, this, &CAbsorpsjonDlg::OnUpdate);
    connect(deleteButton_, &QPushButton::clicked, this, &CAbsorpsjonDlg::OnDelete);
    name_->setFocus();
}

CAbsorpsjonDlg::~CAbsorpsjonDlg()
{
    workingThicknesses = outerWorking_;
}

void CAbsorpsjonDlg::OnNew()
{
    controller_.New(std::make_unique<CAbsorpsjonTykkelse>());
}

void CAbsorpsjonDlg::OnUpdate()
{
    controller_.Update();
}

void CAbsorpsjonDlg::OnDelete()
{
    controller_.Delete(thicknessInUseMessage);
}

bool CAbsorpsjonDlg::Validate()
{
    if (!ExchangeText(name_, nameLimit, nameValue_) || !ExchangeText(vertical_, pictureLimit, verticalValue_) ||
        !ExchangeText(horizontal_, pictureLimit, horizontalValue_) ||
        !ExchangeText(fourSides_, pictureLimit, fourSidesValue_))
        return false;
    if (working_.empty()) {
        platform::prompter().Tell(LoadString(noThicknessMessage));
        newButton_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    const int list = original_.kind == CAbsorpsjon::circularDuct ? CDataBase::circularAbsorbers
                                                                   : CDataBase::rectangularAbsorbers;
    return ValidateName(name_, Others(CDataBase::SystemList(list), &original_));
}

void CAbsorpsjonDlg::Apply(CAbsorpsjon& product)
{
    product.name = nameValue_;
    product.verticalPicture = verticalValue_;
    product.horizontalPicture = horizontalValue_;
    product.fourSidesPicture = fourSidesValue_;
    TakeList(product.thicknesses, working_, true);
}

bool EditAbsorptionProduct(CItem& item, QWidget* parent)
{
    auto* product = dynamic_cast<CAbsorpsjon*>(&item);
    if (!product)
        return false;
    CAbsorpsjonDlg dialog(*product, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.Apply(*product);
    return true;
}
