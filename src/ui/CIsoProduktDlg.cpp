#include "CIsoProduktDlg.h"

#include "FieldRows.h"

#include "CIsoTykkelseDlg.h"
#include "CKoeffBeregningDlg.h"
#include "QtText.h"
#include "database/CDataBase.h"
#include "doc/StringTable.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct NumberField {
    const char* label;
    float min;
    float max;
};

constexpr NumberField minThicknessField{"Min. tjocklek [mm]:", 0.1f, 1000.0f};
constexpr NumberField maxThicknessField{"Max. tjocklek [mm]:", 0.1f, 2000.0f};
constexpr NumberField maxTemperatureField{"Max. temperatur [°C]:", 0.0f, 2000.0f};
constexpr NumberField coefficientFields[] = {
    {"3.grads koefficient:", -5.0f, 10.0f},
    {"2.grads koefficient:", -5.0f, 10.0f},
    {"1.grads koefficient:", -5.0f, 10.0f},
    {"0.grads koefficient:", -5.0f, 500.0f},
};

const char* const usageTexts[ObjectKindCount] = {
    "Isolering till rör",
    "Isolering till cirkulär kanal",
    "Utv. isolering till rektangulär kanal",
    "Inv. isolering till rektangulär kanal",
    "Utvändig isolering till ytor",
    "Invändig isolering till ytor",
    "Isolering för tank",
};

QString browseText(int slot)
{
    switch (slot) {
    case 6:
        return QStringLiteral("Produktbild kub...");
    case 7:
        return QStringLiteral("Produktbild cylinder...");
    case 8:
        return QStringLiteral("Produktbild kula...");
    default:
        return slot < CIsoProdukt::verticalSlotOffset ? QStringLiteral("Produktbild hor...")
                                                      : QStringLiteral("Produktbild vert...");
    }
}

QString defaultPictureChooser(QWidget* parent)
{
    QFileDialog box(parent);
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode(QFileDialog::ExistingFile);
    box.setDefaultSuffix(QStringLiteral("jpg"));
    box.setNameFilter(QStringLiteral("jpg-bilder (*.jpg)"));
    box.selectFile(QStringLiteral("*.jpg"));
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return {};
    return box.selectedFiles().front();
}

QLabel* labelFor(const char* text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setBuddy(field);
    return label;
}

} // namespace

int PictureSlotKind(int slot)
{
    if (slot >= 6 && slot <= 8)
        return int(ObjectKind::Tank);
    return slot < CIsoProdukt::verticalSlotOffset ? slot : slot - CIsoProdukt::verticalSlotOffset;
}

CIsoProduktDlg::CIsoProduktDlg(const CIsoProdukt& product, QWidget* parent)
    : CItemDlg("::/html/isoprodukt.htm", parent), choosePicture(defaultPictureChooser)
{
    setWindowTitle(QStringLiteral("Isolerprodukt"));

    name_ = new QLineEdit(ToQString(product.name), this);
    name_->setMaxLength(nameLimit);
    minThickness_ = new QLineEdit(ProductFields::Show(product.minThickness), this);
    maxThickness_ = new QLineEdit(ProductFields::Show(product.maxThickness), this);
    maxTemperature_ = new QLineEdit(ProductFields::Show(product.maxTemperature), this);
    const std::array<float, 4> coefficients{product.a, product.b, product.c, product.d};
    for (std::size_t i = 0; i < 4; ++i)
        coefficients_[i] = new QLineEdit(ProductFields::Show(coefficients[i]), this);
    shownMaxTemperature_ = product.maxTemperature;
    shownCoefficients_ = coefficients;

    auto* fields = new QGridLayout;
    fields->addWidget(labelFor("Produktens namn :", name_, this), 0, 0);
    fields->addWidget(name_, 0, 1, 1, 3);
    fields->addWidget(labelFor(minThicknessField.label, minThickness_, this), 1, 0);
    fields->addWidget(minThickness_, 1, 1);
    fields->addWidget(labelFor(maxThicknessField.label, maxThickness_, this), 2, 0);
    fields->addWidget(maxThickness_, 2, 1);
    fields->addWidget(labelFor(maxTemperatureField.label, maxTemperature_, this), 3, 0);
    fields->addWidget(maxTemperature_, 3, 1);
    for (int i = 0; i < 4; ++i) {
        fields->addWidget(labelFor(coefficientFields[i].label, coefficients_[std::size_t(i)], this), i + 1, 2);
        fields->addWidget(coefficients_[std::size_t(i)], i + 1, 3);
    }
    coefficientButton_ = new QPushButton(QString::fromUtf8("Beräkna koefficienter..."), this);
    coefficientButton_->setAutoDefault(false);
    connect(coefficientButton_, &QPushButton::clicked, this, &CIsoProduktDlg::OnCalculateCoefficients);
    fields->addWidget(coefficientButton_, 5, 3);

    thicknesses_ = new ThicknessListPanel(product.thicknesses, this);

    auto* usageGroup = new QGroupBox(QStringLiteral("Användning och produktbilder"), this);
    auto* usage = new QGridLayout(usageGroup);
    for (int kind = 0; kind < ObjectKindCount; ++kind) {
        auto* box = new QCheckBox(QString::fromUtf8(usageTexts[kind]), usageGroup);
        box->setChecked(product.usageFlags[std::size_t(kind)]);
        usage_[std::size_t(kind)] = box;
        connect(box, &QCheckBox::toggled, this, &CIsoProduktDlg::enablePictures);
    }
    for (int slot = 0; slot < CIsoProdukt::pictureCount; ++slot) {
        auto* edit = new QLineEdit(ToQString(product.pictures[std::size_t(slot)]), usageGroup);
        edit->setMaxLength(pictureLimit);
        auto* button = new QPushButton(browseText(slot), usageGroup);
        button->setAutoDefault(false);
        pictures_[std::size_t(slot)] = edit;
        browse_[std::size_t(slot)] = button;
        connect(button, &QPushButton::clicked, this, [this, slot] { browse(slot); });
    }
    // One row per kind: its box, then its horizontal and vertical pictures;
    // the tank's cube and cylinder beside its box and the sphere below.
    for (int kind = 0; kind < 6; ++kind) {
        usage->addWidget(usage_[std::size_t(kind)], kind, 0);
        usage->addWidget(pictures_[std::size_t(kind)], kind, 1);
        usage->addWidget(browse_[std::size_t(kind)], kind, 2);
        usage->addWidget(pictures_[std::size_t(kind + CIsoProdukt::verticalSlotOffset)], kind, 3);
        usage->addWidget(browse_[std::size_t(kind + CIsoProdukt::verticalSlotOffset)], kind, 4);
    }
    usage->addWidget(usage_[6], 6, 0);
    usage->addWidget(pictures_[6], 6, 1);
    usage->addWidget(browse_[6], 6, 2);
    usage->addWidget(pictures_[7], 6, 3);
    usage->addWidget(browse_[7], 6, 4);
    usage->addWidget(pictures_[8], 7, 1);
    usage->addWidget(browse_[8], 7, 2);

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addStretch();
    top->addLayout(left);
    top->addWidget(thicknesses_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(usageGroup);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    enablePictures();
    name_->setFocus();
}

void CIsoProduktDlg::enablePictures()
{
    for (int slot = 0; slot < CIsoProdukt::pictureCount; ++slot) {
        const bool used = usage_[std::size_t(PictureSlotKind(slot))]->isChecked();
        pictures_[std::size_t(slot)]->setEnabled(used);
        browse_[std::size_t(slot)]->setEnabled(used);
    }
}

void CIsoProduktDlg::browse(int slot)
{
    const QString path = choosePicture ? choosePicture(this) : QString();
    if (path.isEmpty())
        return;
    // The product keeps the file's name only; the picture folder is a setting.
    pictures_[std::size_t(slot)]->setText(QFileInfo(path).fileName().left(pictureLimit));
}

void CIsoProduktDlg::OnCalculateCoefficients()
{
    // The fields as they stand seed the points; what cannot be read keeps
    // the value shown before.
    float value = 0.0f;
    if (ParseNumber(maxTemperature_->text(), value))
        shownMaxTemperature_ = value;
    for (std::size_t i = 0; i < 4; ++i)
        if (ParseNumber(coefficients_[i]->text(), value))
            shownCoefficients_[i] = value;

    CKoeffBeregningDlg dialog(this);
    dialog.SeedFromProduct(shownMaxTemperature_, shownCoefficients_[0], shownCoefficients_[1],
                           shownCoefficients_[2], shownCoefficients_[3]);
    if (dialog.exec() != QDialog::Accepted)
        return;
    float a = 0.0f, b = 0.0f, c = 0.0f, d = 0.0f;
    dialog.coefficients(a, b, c, d);
    shownCoefficients_ = {a, b, c, d};
    coefficients_[0]->setText(ToQString(Sprintf("%.3e", double(a))));
    coefficients_[1]->setText(ToQString(Sprintf("%.3e", double(b))));
    coefficients_[2]->setText(ToQString(Sprintf("%.3e", double(c))));
    coefficients_[3]->setText(ToQString(Sprintf("%.3f", double(d))));
}

bool CIsoProduktDlg::Validate()
{
    if (!ProductFields::Read(minThickness_, minThicknessField.min, minThicknessField.max, minThicknessValue_) ||
        !ProductFields::Read(maxThickness_, maxThicknessField.min, maxThicknessField.max, maxThicknessValue_) ||
        !ProductFields::Read(maxTemperature_, maxTemperatureField.min, maxTemperatureField.max,
                             maxTemperatureValue_))
        return false;
    for (std::size_t i = 0; i < 4; ++i)
        if (!ProductFields::Read(coefficients_[i], coefficientFields[i].min, coefficientFields[i].max,
                                 coefficientValues_[i]))
            return false;
    if (!thicknesses_->Check(minThicknessValue_, maxThicknessValue_))
        return false;
    std::vector<const CListItem*> makers;
    for (const auto& item : CDataBase::SystemList(CDataBase::insulationProducts))
        makers.push_back(item.get());
    return ValidateName(name_, makers);
}

void CIsoProduktDlg::applyTo(CIsoProdukt& product)
{
    product.name = ToStdString(name_->text());
    product.maxTemperature = maxTemperatureValue_;
    product.a = coefficientValues_[0];
    product.b = coefficientValues_[1];
    product.c = coefficientValues_[2];
    product.d = coefficientValues_[3];
    product.minThickness = minThicknessValue_;
    product.maxThickness = maxThicknessValue_;
    for (std::size_t kind = 0; kind < usage_.size(); ++kind)
        product.usageFlags[kind] = usage_[kind]->isChecked();
    for (std::size_t slot = 0; slot < pictures_.size(); ++slot)
        product.pictures[slot] = ToStdString(pictures_[slot]->text());
    TakeList(product.thicknesses, thicknesses_->Thicknesses(), true);
}

bool EditIsoProdukt(CItem& item, QWidget* parent)
{
    // Only the maker's own class: the user's products have their own editor.
    if (&item.GetClass() != &CIsoProdukt::classInfo)
        return false;
    auto& product = static_cast<CIsoProdukt&>(item);
    CIsoProduktDlg dialog(product, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.applyTo(product);
    return true;
}
