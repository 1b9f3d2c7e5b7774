#include "CIsoTykkelseDlg.h"

#include "FieldRows.h"

#include "QtText.h"
#include "doc/ItemChecks.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int notANumberId = 61713;
constexpr int outOfRangeId = 61715;

const ItemList<CIsoTykkelse>* workingThicknesses = nullptr;

void focusField(QLineEdit* field)
{
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

} // namespace

namespace ProductFields {

QString Show(float value)
{
    return ToQString(Sprintf("%.6g", double(value)));
}

bool Read(QLineEdit* field, float min, float max, float& value)
{
    float number = 0.0f;
    if (!ParseNumber(field->text(), number)) {
        platform::prompter().Tell(LoadString(notANumberId));
        focusField(field);
        return false;
    }
    if (number < min || number > max) {
        platform::prompter().Tell(FormatMessage(
            outOfRangeId, {Sprintf("%.6g", double(min)), Sprintf("%.6g", double(max))}));
        focusField(field);
        return false;
    }
    value = number;
    return true;
}

void TakeTyped(const QLineEdit* field, float min, float max, float& value)
{
    float number = 0.0f;
    if (ParseNumber(field->text(), number) && number >= min && number <= max)
        value = number;
}

} // namespace ProductFields

CIsoTykkelseDlg::WorkingListScope::WorkingListScope(const ItemList<CIsoTykkelse>& list)
    : outer_(workingThicknesses)
{
    workingThicknesses = &list;
}

CIsoTykkelseDlg::WorkingListScope::~WorkingListScope()
{
    workingThicknesses = outer_;
}

const ItemList<CIsoTykkelse>& CIsoTykkelseDlg::WorkingList()
{
    static const ItemList<CIsoTykkelse> none;
    return workingThicknesses ? *workingThicknesses : none;
}

CIsoTykkelseDlg::CIsoTykkelseDlg(const ItemList<CIsoTykkelse>& others, QWidget* parent)
    : CItemDlg("::/html/isotykkelse.htm", parent), others_(others)
{
    setWindowTitle(QStringLiteral("Std. isolertjocklek"));
    field_ = new QLineEdit(this);
    auto* label = new QLabel(QStringLiteral("Tjocklek [mm]:"), this);
    label->setBuddy(field_);

    auto* fields = new QGridLayout;
    fields->addWidget(label, 0, 0);
    fields->addWidget(field_, 0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setThickness(thickness_);
    field_->setFocus();
}

void CIsoTykkelseDlg::setThickness(float mm)
{
    thickness_ = mm;
    field_->setText(ProductFields::Show(mm));
    field_->selectAll();
}

bool CIsoTykkelseDlg::Validate()
{
    float mm = 0.0f;
    if (!ProductFields::Read(field_, minThickness, maxThickness, mm))
        return false;
    std::vector<const CListItem*> others;
    for (const auto& item : others_)
        others.push_back(item.get());
    if (!::ValidateName(Sprintf("%.1f", double(mm)), others)) {
        focusField(field_);
        return false;
    }
    thickness_ = mm;
    return true;
}

bool EditIsoTykkelse(CItem& item, QWidget* parent)
{
    auto* thickness = dynamic_cast<CIsoTykkelse*>(&item);
    if (!thickness)
        return false;
    CIsoTykkelseDlg dialog(CIsoTykkelseDlg::WorkingList(), parent);
    dialog.setThickness(thickness->thickness);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    thickness->SetThickness(dialog.thickness());
    return true;
}

ThicknessListPanel::ThicknessListPanel(const ItemList<CIsoTykkelse>& thicknesses, QWidget* parent)
    : QWidget(parent)
{
    CopyList(working_, thicknesses);
    box_ = new QListWidget(this);
    newButton_ = new QPushButton(QStringLiteral("Ny tjocklek..."), this);
    updateButton_ = new QPushButton(QStringLiteral("Uppdatera tjocklek..."), this);
    deleteButton_ = new QPushButton(QStringLiteral("Ta bort tjocklek..."), this);
    for (QPushButton* button : {newButton_, updateButton_, deleteButton_})
        button->setAutoDefault(false);
    auto* label = new QLabel(QStringLiteral("Standard tjocklekar [mm]"), this);
    label->setBuddy(box_);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(box_, 1, 0, 4, 1);
    layout->addWidget(newButton_, 1, 1);
    layout->addWidget(updateButton_, 2, 1);
    layout->addWidget(deleteButton_, 3, 1);
    // Room to spare goes to the list, below the buttons.
    layout->setRowStretch(4, 1);
    box_->setMinimumHeight(3 * newButton_->sizeHint().height());

    controller_.Attach(working_, box_);
    controller_.SetListOrder([](const CListItem& item) { return static_cast<const CIsoTykkelse&>(item).thickness; });
    connect(newButton_, &QPushButton::clicked, this, &ThicknessListPanel::OnNew);
    connect(updateButton_, &QPushButton::clicked, this, &ThicknessListPanel::OnUpdate);
    connect(box_, &QListWidget::itemDoubleClicked, this, &ThicknessListPanel::OnUpdate);
    connect(deleteButton_, &QPushButton::clicked, this, &ThicknessListPanel::OnDelete);
}

void ThicknessListPanel::OnNew()
{
    CIsoTykkelseDlg::WorkingListScope scope(working_);
    controller_.New(std::make_unique<CIsoTykkelse>(25.0f));
}

void ThicknessListPanel::OnUpdate()
{
    CIsoTykkelseDlg::WorkingListScope scope(working_);
    controller_.Update();
}

void ThicknessListPanel::OnDelete()
{
    controller_.Delete();
}

bool ThicknessListPanel::Check(float minThickness, float maxThickness)
{
    if (working_.empty()) {
        platform::prompter().Tell(LoadString(61254));
        newButton_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    // The list is kept ascending, but one read from a file is not trusted to be.
    float smallest = working_.front()->thickness;
    float largest = smallest;
    for (const auto& item : working_) {
        smallest = std::min(smallest, item->thickness);
        largest = std::max(largest, item->thickness);
    }
    if (smallest < minThickness) {
        platform::prompter().Tell("Standard tjocklek(ar) är mindre än min. tjocklek");
        box_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (largest > maxThickness) {
        platform::prompter().Tell("Standard tjocklek(ar) är större än max. tjocklek");
        box_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}
