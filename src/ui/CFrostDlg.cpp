#include "CFrostDlg.h"

#include "ModuleEditor.h"
#include "QtPictures.h"
#include "doc/StringTable.h"
#include "modules/CFrostModul.h"
#include "platform/Services.h"
#include "report/CHeader.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

namespace f = frostFields;

constexpr int pictureSize = 160;
constexpr int textWidth = 300;

QLabel* WrappedText(QWidget* parent, const char* text, const char* name)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(true);
    label->setFixedWidth(textWidth);
    return label;
}

} // namespace

CFrostDlg::Values CFrostDlg::ValuesOf(const CFrostModul& m)
{
    Values v;
    static_cast<FrostInput&>(v) = m;
    v.cladding = m.Cladding();
    v.pipeMaterial = m.Pipe().Material();
    v.pipeDimension = m.Pipe().CatalogueDimension();
    return v;
}

void CFrostDlg::TakeValues(CFrostModul& m, Values& v)
{
    static_cast<FrostInput&>(m) = v;
    m.insulation.objectKind = 0;
    m.SetCladding(v.cladding);
    m.Pipe().SetMaterial(v.pipeMaterial, false);
    if (v.pipeDimension && !v.ownPipeDimension)
        m.Pipe().SetDimension(*v.pipeDimension);
}

CFrostDlg::CFrostDlg(Values values, QWidget* parent)
    : CFieldDlg("::/html/frost.htm", parent), values_(std::move(values)), rows_(this, f::all, values_),
      layers_(this, values_.insulation, [this] { updateStates(); }),
      cladding_(this, values_.ownEmissivity, values_.cladding, rows_[f::emissivity], [this] { updateStates(); },
                CladdingTexts{.caption = "Ytbeklädnad", .fromDatabase = "Val från databasen:"}),
      pipe_(this, values_.pipeMaterial, values_.pipeDimension, values_.ownPipeDimension, rows_[f::pipeDiameter],
            rows_[f::wallThickness], rows_[f::pipeEmissivity], [this] { updateStates(); }),
      surroundings_(this, values_.surroundings, rows_[f::windSpeed], rows_[f::outerCoefficient],
                    rows_[f::ambientTemperature], [this] { updateStates(); })
{
    setWindowTitle(QString::fromUtf8("Frysskydd/temperaturhöjning rör"));
    values_.insulation.objectKind = 0;
    layers_.SetFirstButtonText(QString::fromUtf8("Välj isolerprodukt"));
    surroundings_.PlaceAmbientRow();

    pictureLabel_ = new QLabel(this);
    pictureLabel_->setObjectName(QStringLiteral("picture"));
    pictureLabel_->setFixedSize(pictureSize, pictureSize);
    pictureLabel_->setFrameShape(QFrame::Box);

    auto* left = new QVBoxLayout;
    left->addWidget(pictureLabel_, 0, Qt::AlignHCenter);
    left->addWidget(layers_.Box());
    left->addWidget(cladding_.Box());
    left->addWidget(OrientationBox(this, orientations_, values_.vertical, [this] { updateStates(); }));
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(modeBox());
    middle->addWidget(otherBox());
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(pipeBox());
    right->addWidget(surroundings_.Box());
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    updateStates();
    rows_[f::startTemperature].Edit()->setFocus();
}

CFrostDlg::~CFrostDlg() = default;

QGroupBox* CFrostDlg::modeBox()
{
    modes_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QString::fromUtf8("Beräkning"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(AddRadio(this, "Frysskydd", "frostMode", modes_, FrostInput::frostMode), 0, 0, 1, 2);
    frostText_ = WrappedText(this,
                             "Beräkning av tiden innan det är fara för frostsprängning av rör med stillastående "
                             "vatten",
                             "frostText");
    grid->addWidget(frostText_, 1, 0, 1, 2);
    grid->addWidget(AddRadio(this, "Temperaturhöjning", "riseMode", modes_, FrostInput::temperatureRiseMode), 2, 0,
                    1, 2);
    riseText_ = WrappedText(this,
                            "Beräkning av temperaturhöjning i rör med stillastående vatten. Beräkningen kan "
                            "användas till att verifiera krav i BBR ",
                            "riseText");
    grid->addWidget(riseText_, 3, 0, 1, 2);
    rows_[f::standstillTime].PlaceIn(grid, 4);
    modes_->button(values_.FrostMode() ? FrostInput::frostMode : FrostInput::temperatureRiseMode)->setChecked(true);
    connect(modes_, &QButtonGroup::idClicked, this, &CFrostDlg::onModeChosen);
    return box;
}

QGroupBox* CFrostDlg::pipeBox()
{
    auto* box = new QGroupBox(QString::fromUtf8("Dimension på rör"), this);
    auto* grid = new QGridLayout(box);
    pipe_.PlaceIn(grid, 0);
    rows_[f::pipeEmissivity].PlaceIn(grid, 5);
    return box;
}

QGroupBox* CFrostDlg::otherBox()
{
    auto* box = new QGroupBox(QString::fromUtf8("Övriga data"), this);
    auto* grid = new QGridLayout(box);
    rows_[f::startTemperature].PlaceIn(grid, 0);
    NumberRow& fraction = rows_[f::freezeFraction];
    fraction.PlaceIn(grid, 1);
    fractionBar_ = new QScrollBar(Qt::Horizontal, this);
    fractionBar_->setObjectName(QStringLiteral("freezeFractionBar"));
    fractionBar_->setRange(0, 100);
    fractionBar_->setSingleStep(1);
    fractionBar_->setPageStep(10);
    fractionBar_->setValue(int(std::lround(std::clamp(values_.freezeFraction, 0.0f, 100.0f))));
    grid->addWidget(fractionBar_, 2, 0, 1, 2);
    // The bar and the field show the same share: moving the bar writes the
    // field, typing a number moves the bar.
    connect(fractionBar_, &QScrollBar::valueChanged, this,
            [this](int value) { rows_[f::freezeFraction].Show(float(value)); });
    connect(fraction.Edit(), &QLineEdit::textEdited, this, &CFrostDlg::onFractionTyped);
    return box;
}

void CFrostDlg::onFractionTyped()
{
    float value = 0;
    if (!ParseNumber(rows_[f::freezeFraction].Edit()->text(), value) || !std::isfinite(value))
        return;
    const QSignalBlocker quiet(fractionBar_);
    fractionBar_->setValue(int(std::lround(std::clamp(value, 0.0f, 100.0f))));
}

void CFrostDlg::onModeChosen(int mode)
{
    // A new mode starts from surroundings it can calculate; choosing the mode
    // already chosen keeps what was typed.
    if (mode != values_.calculationMode) {
        values_.calculationMode = mode;
        rows_[f::ambientTemperature].Show(mode == FrostInput::frostMode ? QStringLiteral("-20") : QStringLiteral("28"));
    }
    updateStates();
}

void CFrostDlg::updateStates()
{
    const bool frost = modes_->checkedId() == FrostInput::frostMode;
    rows_[f::standstillTime].SetEnabled(!frost);
    rows_[f::freezeFraction].SetEnabled(frost);
    fractionBar_->setEnabled(frost);
    pipe_.UpdateStates(true);
    layers_.UpdateStates(false, true);
    cladding_.UpdateStates(false);
    surroundings_.UpdateStates();
    updatePicture();
}

void CFrostDlg::updatePicture()
{
    picture_ = CHeader::PictureOf(LayerPicture(values_.insulation, 0, orientations_->checkedId() == 1));
    const QImage image = QtPictures::Image(picture_, QSize(pictureSize, pictureSize));
    pictureLabel_->setPixmap(QPixmap::fromImage(image));
}

bool CFrostDlg::Validate()
{
    if (!rows_.StoreAll())
        return false;
    Values& v = values_;
    v.calculationMode = modes_->checkedId();
    v.vertical = orientations_->checkedId();
    v.insulation.objectKind = 0;
    cladding_.Store();
    pipe_.Store();
    surroundings_.Store();
    InputCheck check(OkCancelWarnings());
    return CheckFrostInput(v, v.cladding != nullptr, check) || RefuseCheck(this, check);
}

bool EditFrost(CItem& item, QWidget* parent)
{
    return EditModule<CFrostDlg, CFrostModul>(item, parent);
}
