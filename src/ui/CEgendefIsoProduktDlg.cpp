#include "CEgendefIsoProduktDlg.h"

#include "CIsoTykkelseDlg.h"
#include "QtText.h"
#include "database/CDataBase.h"
#include "database/CEgendefDatabase.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// No curve passes through two points at one temperature.
constexpr const char* sharedTemperatureMessage =
    "Två punkter har samma temperatur. Ingen kurva går genom båda; ange olika temperaturer.";

struct NumberField {
    const char* label;
    float min;
    float max;
};

constexpr NumberField minThicknessField{"Min. tjocklek [mm]:", 0.0f, 1000.0f};
constexpr NumberField maxThicknessField{"Max. tjocklek [mm]:", 0.0f, 2000.0f};
constexpr NumberField maxTemperatureField{"Maximal temperatur [°C]:", -50.0f, 1000.0f};

const char* const usageTexts[ObjectKindCount] = {
    "Isolering till rör",
    "Isolering till cirkulär kanal",
    "Utv. isolering till rektangulär kanal",
    "Inv. isolering till rektangulär kanal",
    "Utvändig isolering till ytor",
    "Invändig isolering til ytor",
    "Isolering för tank",
};

// The program keeps colours as 0x00BBGGRR.
QColor toQColor(std::uint32_t colour)
{
    return QColor(int(colour & 0xFFu), int((colour >> 8) & 0xFFu), int((colour >> 16) & 0xFFu));
}

std::uint32_t fromQColor(const QColor& colour)
{
    return std::uint32_t(colour.red()) | (std::uint32_t(colour.green()) << 8) | (std::uint32_t(colour.blue()) << 16);
}

void paintSwatch(QFrame* swatch, std::uint32_t colour)
{
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    swatch->setPalette(palette);
    swatch->update();
}

QFrame* makeSwatch(QWidget* parent)
{
    auto* swatch = new QFrame(parent);
    swatch->setFrameShape(QFrame::Box);
    swatch->setAutoFillBackground(true);
    swatch->setFixedSize(40, 20);
    return swatch;
}

bool defaultColourChooser(QWidget* parent, std::uint32_t& colour)
{
    const QColor chosen = QColorDialog::getColor(toQColor(colour), parent);
    if (!chosen.isValid())
        return false;
    colour = fromQColor(chosen);
    return true;
}

QLabel* labelFor(const char* text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setBuddy(field);
    return label;
}

void focusField(QLineEdit* field)
{
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

} // namespace

CEgendefIsoProduktDlg::CEgendefIsoProduktDlg(const CEgendefIsoProdukt& product, QWidget* parent)
    : CItemDlg("::/html/egendefisoprodukt.htm", parent),
      chooseColour(defaultColourChooser),
      product_(product),
      temperatures_(product.temperatures),
      conductivities_(product.conductivities),
      insulationColour_(product.insulationColour),
      surfaceColour_(product.surfaceColour)
{
    setWindowTitle(QStringLiteral("Egendefinierat isoleringsprodukt"));

    name_ = new QLineEdit(ToQString(product.name), this);
    name_->setMaxLength(nameLimit);
    minThickness_ = new QLineEdit(ProductFields::Show(product.minThickness), this);
    maxThickness_ = new QLineEdit(ProductFields::Show(product.maxThickness), this);
    maxTemperature_ = new QLineEdit(ProductFields::Show(product.maxTemperature), this);

    auto* fields = new QGridLayout;
    fields->addWidget(labelFor("Produktens namn :", name_, this), 0, 0);
    fields->addWidget(name_, 0, 1, 1, 3);
    fields->addWidget(labelFor(minThicknessField.label, minThickness_, this), 1, 0);
    fields->addWidget(minThickness_, 1, 1);
    fields->addWidget(labelFor(maxThicknessField.label, maxThickness_, this), 2, 0);
    fields->addWidget(maxThickness_, 2, 1);
    fields->addWidget(labelFor(maxTemperatureField.label, maxTemperature_, this), 3, 0);
    fields->addWidget(maxTemperature_, 3, 1);

    auto* pointGroup = new QGroupBox(QStringLiteral("Lambdavärden"), this);
    auto* points = new QGridLayout(pointGroup);
    for (int i = 0; i < CEgendefIsoProdukt::pointCount; ++i) {
        auto* temperature = new QLineEdit(ProductFields::Show(product.temperatures[std::size_t(i)]), pointGroup);
        auto* conductivity = new QLineEdit(ProductFields::Show(product.conductivities[std::size_t(i)]), pointGroup);
        temperatureFields_[std::size_t(i)] = temperature;
        conductivityFields_[std::size_t(i)] = conductivity;
        points->addWidget(new QLabel(QStringLiteral("%1.").arg(i + 1), pointGroup), i, 0);
        points->addWidget(labelFor("Temperatur:", temperature, pointGroup), i, 1);
        points->addWidget(temperature, i, 2);
        points->addWidget(labelFor("Lambdavärde:", conductivity, pointGroup), i, 3);
        points->addWidget(conductivity, i, 4);
        connect(temperature, &QLineEdit::textEdited, this, &CEgendefIsoProduktDlg::onPointEdited);
        connect(conductivity, &QLineEdit::textEdited, this, &CEgendefIsoProduktDlg::onPointEdited);
    }
    threePoints_ = new QCheckBox(QString::fromUtf8("Lambdavärde vid 3 temperaturer"), pointGroup);
    threePoints_->setChecked(product.threePointMode);
    points->addWidget(threePoints_, 4, 0, 1, 5);
    connect(threePoints_, &QCheckBox::toggled, this, &CEgendefIsoProduktDlg::onModeToggled);

    auto* usageGroup = new QGroupBox(QString::fromUtf8("Användning"), this);
    auto* usage = new QVBoxLayout(usageGroup);
    for (int kind = 0; kind < ObjectKindCount; ++kind) {
        auto* box = new QCheckBox(QString::fromUtf8(usageTexts[kind]), usageGroup);
        box->setChecked(product.usageFlags[std::size_t(kind)]);
        usage_[std::size_t(kind)] = box;
        usage->addWidget(box);
    }

    insulationSwatch_ = makeSwatch(this);
    surfaceSwatch_ = makeSwatch(this);
    paintSwatch(insulationSwatch_, insulationColour_);
    paintSwatch(surfaceSwatch_, surfaceColour_);
    insulationColourButton_ = new QPushButton(QString::fromUtf8("Välj isoleringsfärg..."), this);
    surfaceColourButton_ = new QPushButton(QString::fromUtf8("Välj ytskiktsfärg.."), this);
    for (QPushButton* button : {insulationColourButton_, surfaceColourButton_})
        button->setAutoDefault(false);
    connect(insulationColourButton_, &QPushButton::clicked, this,
            [this] { chooseInto(insulationColour_, insulationSwatch_); });
    connect(surfaceColourButton_, &QPushButton::clicked, this,
            [this] { chooseInto(surfaceColour_, surfaceSwatch_); });
    auto* colours = new QGridLayout;
    colours->addWidget(insulationSwatch_, 0, 0);
    colours->addWidget(insulationColourButton_, 0, 1);
    colours->addWidget(surfaceSwatch_, 1, 0);
    colours->addWidget(surfaceColourButton_, 1, 1);

    thicknesses_ = new ThicknessListPanel(product.thicknesses, this);
    curve_ = new CCurveButton(this);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(pointGroup);
    left->addWidget(usageGroup);
    left->addLayout(colours);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(curve_);
    right->addWidget(thicknesses_);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    onModeToggled();
    name_->setFocus();
}

void CEgendefIsoProduktDlg::chooseInto(std::uint32_t& colour, QFrame* swatch)
{
    std::uint32_t chosen = colour;
    if (!chooseColour || !chooseColour(this, chosen))
        return;
    colour = chosen & 0x00FFFFFFu;
    paintSwatch(swatch, colour);
}

void CEgendefIsoProduktDlg::onPointEdited()
{
    // Half-typed numbers and values out of range are passed over in silence:
    // the curve goes on showing the last usable points. OK looks at them again.
    for (std::size_t i = 0; i < temperatures_.size(); ++i) {
        ProductFields::TakeTyped(temperatureFields_[i], minTemperature, maxTemperature, temperatures_[i]);
        ProductFields::TakeTyped(conductivityFields_[i], minConductivity, maxConductivity, conductivities_[i]);
    }
    curve_->SetPoints(temperatures_, conductivities_, threePoints_->isChecked());
}

void CEgendefIsoProduktDlg::onModeToggled()
{
    const bool four = !threePoints_->isChecked();
    temperatureFields_[3]->setEnabled(four);
    conductivityFields_[3]->setEnabled(four);
    curve_->SetPoints(temperatures_, conductivities_, threePoints_->isChecked());
}

bool CEgendefIsoProduktDlg::readPoints()
{
    // Without this a point typed out of range would be stored while the
    // curve still ran through the point before it.
    const bool three = threePoints_->isChecked();
    const std::size_t used = three ? 3 : 4;
    for (std::size_t i = 0; i < used; ++i)
        if (!ProductFields::Read(temperatureFields_[i], minTemperature, maxTemperature, temperatures_[i]))
            return false;
    for (std::size_t i = 0; i < used; ++i)
        if (!ProductFields::Read(conductivityFields_[i], minConductivity, maxConductivity, conductivities_[i]))
            return false;
    for (std::size_t i = 1; i < used; ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (temperatures_[i] == temperatures_[j]) {
                platform::prompter().Tell(sharedTemperatureMessage);
                focusField(temperatureFields_[i]);
                return false;
            }
        }
    }
    if (!curve_->SetPoints(temperatures_, conductivities_, three) || !curve_->GetCoefficients(a_, b_, c_, d_)) {
        platform::prompter().Tell(sharedTemperatureMessage);
        focusField(temperatureFields_[0]);
        return false;
    }
    return true;
}

bool CEgendefIsoProduktDlg::Validate()
{
    if (!ProductFields::Read(minThickness_, minThicknessField.min, minThicknessField.max, minThicknessValue_) ||
        !ProductFields::Read(maxThickness_, maxThicknessField.min, maxThicknessField.max, maxThicknessValue_) ||
        !ProductFields::Read(maxTemperature_, maxTemperatureField.min, maxTemperatureField.max,
                             maxTemperatureValue_))
        return false;
    if (!readPoints())
        return false;
    if (!thicknesses_->Check(minThicknessValue_, maxThicknessValue_))
        return false;
    // Documents find a user product by its name, so it must differ from the
    // maker's products and from the user's other products alike.
    std::vector<const CListItem*> others;
    for (const auto& item : CDataBase::SystemList(CDataBase::insulationProducts))
        others.push_back(item.get());
    for (const auto& item : CEgendefDatabase::SystemProducts())
        if (item.get() != &product_)
            others.push_back(item.get());
    return ValidateName(name_, others);
}

void CEgendefIsoProduktDlg::applyTo(CEgendefIsoProdukt& product)
{
    product.name = ToStdString(name_->text());
    product.maxTemperature = maxTemperatureValue_;
    product.minThickness = minThicknessValue_;
    product.maxThickness = maxThicknessValue_;
    product.insulationColour = insulationColour_;
    product.surfaceColour = surfaceColour_;
    product.threePointMode = threePoints_->isChecked();
    for (std::size_t kind = 0; kind < usage_.size(); ++kind)
        product.usageFlags[kind] = usage_[kind]->isChecked();
    product.temperatures = temperatures_;
    product.conductivities = conductivities_;
    product.a = a_;
    product.b = b_;
    product.c = c_;
    product.d = d_;
    TakeList(product.thicknesses, thicknesses_->Thicknesses(), true);
}

bool EditEgendefIsoProdukt(CItem& item, QWidget* parent)
{
    auto* product = dynamic_cast<CEgendefIsoProdukt*>(&item);
    if (!product)
        return false;
    CEgendefIsoProduktDlg dialog(*product, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.applyTo(*product);
    return true;
}
