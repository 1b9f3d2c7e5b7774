#include "CInnvendigKondensDlg.h"

#include "ModuleEditor.h"
#include "QtPictures.h"
#include "QtText.h"
#include "doc/StringTable.h"
#include "modules/CInnvendigKondensModul.h"
#include "platform/Services.h"
#include "report/CHeader.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

namespace f = internalCondensationFields;

constexpr int pictureSize = 160;
constexpr int flowLabels[3] = {61220, 61218, 61219}; // m³/h, l/s, m/s

} // namespace

CInnvendigKondensDlg::Values CInnvendigKondensDlg::ValuesOf(const CInnvendigKondensModul& m)
{
    Values v;
    static_cast<InternalCondensationInput&>(v) = m;
    v.outerCladding = m.OuterCladding();
    return v;
}

void CInnvendigKondensDlg::TakeValues(CInnvendigKondensModul& m, Values& v)
{
    static_cast<InternalCondensationInput&>(m) = v;
    m.insulation.objectKind = int(v.InsulatedKind());
    m.SetOuterCladding(v.outerCladding);
}

CInnvendigKondensDlg::CInnvendigKondensDlg(Values values, QWidget* parent)
    : CFieldDlg("::/html/innvkondens.htm", parent), values_(std::move(values)), rows_(this, f::all, values_),
      insulation_(this, values_.insulation, [this] { updateStates(); }),
      surroundings_(this, values_.surroundings, rows_[f::windSpeed], rows_[f::givenCoefficient],
                    rows_[f::ambientTemperature], [this] { updateStates(); }),
      cladding_(this, values_.surfaceSource, values_.outerCladding, rows_[f::surfaceEmissivity],
                [this] { updateStates(); },
                {.caption = "Ytbeklädnad", .fromDatabase = "Val från databasen", .typed = "Egendefinierat ytskikt",
                 .emissivityLabel = "Emissivitet:"})
{
    setWindowTitle(QString::fromUtf8("Isolering mot invändig kondens"));
    insulation_.SetFirstButtonText(QString::fromUtf8("Välj isolerprodukt"));
    addSurroundingRows();

    pictureLabel_ = new QLabel(this);
    pictureLabel_->setObjectName(QStringLiteral("picture"));
    pictureLabel_->setFixedSize(pictureSize, pictureSize);
    pictureLabel_->setFrameShape(QFrame::Box);

    auto* left = new QVBoxLayout;
    left->addWidget(pictureLabel_, 0, Qt::AlignHCenter);
    left->addWidget(shapeBox());
    left->addWidget(OrientationBox(this, orientations_, values_.orientation, [this] { updatePicture(); }));
    left->addWidget(sizeBox());
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(flowBox());
    middle->addWidget(insulation_.Box());
    middle->addWidget(supportsBox());
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(surroundings_.Box());
    right->addWidget(cladding_.Box());
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The flow as many decimals as its size needs.
    rows_[f::flow].Show(FlowText(values_.flow));
    updateStates();
    rows_[f::inletTemperature].Edit()->setFocus();
}

CInnvendigKondensDlg::~CInnvendigKondensDlg() = default;

QGroupBox* CInnvendigKondensDlg::shapeBox()
{
    shapes_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QStringLiteral("Typ"), this);
    auto* column = new QVBoxLayout(box);
    column->addWidget(AddRadio(this, "Cirkulär kanal", "shape0", shapes_, 0));
    column->addWidget(AddRadio(this, "Rektangulär kanal", "shape1", shapes_, 1));
    shownShape_ = values_.ductShape == 1 ? 1 : 0;
    shapes_->button(shownShape_)->setChecked(true);
    connect(shapes_, &QButtonGroup::idClicked, this, [this] { onShapeChanged(); });
    return box;
}

QGroupBox* CInnvendigKondensDlg::sizeBox()
{
    auto* box = new QGroupBox(QStringLiteral("Dimensioner"), this);
    auto* grid = new QGridLayout(box);
    rows_[f::ductDiameter].PlaceIn(grid, 0);
    rows_[f::height].PlaceIn(grid, 1);
    rows_[f::width].PlaceIn(grid, 2);
    rows_[f::ductLength].PlaceIn(grid, 3);
    return box;
}

QGroupBox* CInnvendigKondensDlg::flowBox()
{
    flowUnits_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QString::fromUtf8("Flöde"), this);
    auto* grid = new QGridLayout(box);
    auto* units = new QHBoxLayout;
    units->addWidget(AddRadio(this, "[m³/h]", "flowUnit0", flowUnits_, 0));
    units->addWidget(AddRadio(this, "[liter/s]", "flowUnit1", flowUnits_, 1));
    units->addWidget(AddRadio(this, "[m/s]", "flowUnit2", flowUnits_, 2));
    grid->addLayout(units, 0, 0, 1, 2);
    shownFlowUnit_ = std::clamp(int(values_.flowUnit), 0, FlowUnitCount - 1);
    flowUnits_->button(shownFlowUnit_)->setChecked(true);
    rows_[f::inletTemperature].PlaceIn(grid, 1);
    rows_[f::flow].Label()->setObjectName(QStringLiteral("flowLabel"));
    rows_[f::flow].PlaceIn(grid, 2);
    rows_[f::relativeHumidity].PlaceIn(grid, 3);
    humidityBar_ = new QScrollBar(Qt::Horizontal, this);
    humidityBar_->setObjectName(QStringLiteral("humidityBar"));
    humidityBar_->setRange(1, 99);
    humidityBar_->setSingleStep(1);
    humidityBar_->setPageStep(10);
    const float humidity = values_.relativeHumidity;
    humidityBar_->setValue(std::isfinite(humidity) ? std::clamp(int(std::lround(humidity)), 1, 99) : 50);
    grid->addWidget(humidityBar_, 4, 0, 1, 2);
    connect(humidityBar_, &QScrollBar::valueChanged, this,
            [this](int value) { rows_[f::relativeHumidity].Show(FormatNumber("%.1f", float(value))); });
    connect(flowUnits_, &QButtonGroup::idClicked, this, &CInnvendigKondensDlg::onFlowUnitChanged);
    return box;
}

QGroupBox* CInnvendigKondensDlg::supportsBox()
{
    auto* box = new QGroupBox(this);
    auto* column = new QVBoxLayout(box);
    supports_ = AddCheck(this, "Oisolerade upphängningar", "supports", values_.supports);
    column->addWidget(supports_);
    auto* note = new QLabel(QString::fromUtf8("Värmeförlust pga. upphängningar beräknas som en procentvis "
                                              "tilläggslängd (ref. ISO 12241)"),
                            this);
    note->setObjectName(QStringLiteral("supportsNote"));
    note->setWordWrap(true);
    column->addWidget(note);
    return box;
}

// The ambient temperature and the given inner coefficient stand with the
// surroundings.
void CInnvendigKondensDlg::addSurroundingRows()
{
    auto* grid = static_cast<QGridLayout*>(surroundings_.Box()->layout());
    surroundings_.PlaceAmbientRow();
    const int row = grid->rowCount() - 1;
    innerGiven_ = AddCheck(this, "Givet inv. värmeövergångstal", "innerCoefficientGiven", values_.innerCoefficientGiven);
    grid->addWidget(innerGiven_, row + 1, 0, 1, 3);
    rows_[f::givenInnerCoefficient].PlaceIn(grid, row + 2);
    connect(innerGiven_, &QCheckBox::toggled, this, [this] { updateStates(); });
}

void CInnvendigKondensDlg::onShapeChanged()
{
    const int shape = shapes_->checkedId();
    if (shape == shownShape_)
        return;
    shownShape_ = shape;
    // Products are offered by object kind: the product is chosen again.
    values_.insulation.Reset();
    insulation_.SetObjectKind(shape == 1 ? 2 : 1);
    updateStates();
}

void CInnvendigKondensDlg::onFlowUnitChanged(int unit)
{
    const int from = shownFlowUnit_;
    if (unit == from)
        return;
    shownFlowUnit_ = unit;
    updateStates();
    // The free area of the dimensions shown now, by the rule the calculation uses.
    InternalCondensationInput shown = values_;
    shown.ductShape = shapes_->checkedId();
    shown.ductDiameter = rows_[f::ductDiameter].Typed(values_.ductDiameter);
    shown.height = rows_[f::height].Typed(values_.height);
    shown.width = rows_[f::width].Typed(values_.width);
    const float area = shown.FreeArea();
    ConvertFlowRow(rows_[f::flow], from, unit, area);
}

void CInnvendigKondensDlg::updateStates()
{
    const bool circular = shapes_->checkedId() != 1;
    rows_[f::ductDiameter].SetEnabled(circular);
    rows_[f::height].SetEnabled(!circular);
    rows_[f::width].SetEnabled(!circular);
    rows_[f::givenInnerCoefficient].SetEnabled(innerGiven_->isChecked());
    rows_[f::flow].Label()->setText(ToQString(LoadString(flowLabels[shownFlowUnit_])));
    insulation_.UpdateStates(false, false);
    surroundings_.UpdateStates();
    cladding_.UpdateStates(false);
    updatePicture();
}

void CInnvendigKondensDlg::updatePicture()
{
    const int kind = shapes_->checkedId() == 1 ? 2 : 1;
    picture_ = CHeader::PictureOf(LayerPicture(values_.insulation, kind, orientations_->checkedId() == 1));
    pictureLabel_->setPixmap(QPixmap::fromImage(QtPictures::Image(picture_, QSize(pictureSize, pictureSize))));
}

void CInnvendigKondensDlg::storeChoices()
{
    Values& v = values_;
    v.ductShape = shapes_->checkedId();
    v.orientation = orientations_->checkedId();
    v.flowUnit = FlowUnit(shownFlowUnit_);
    v.innerCoefficientGiven = innerGiven_->isChecked();
    v.supports = supports_->isChecked();
    insulation_.SetObjectKind(int(v.InsulatedKind()));
    surroundings_.Store();
    cladding_.Store();
}

bool CInnvendigKondensDlg::Validate()
{
    if (!rows_.StoreAll())
        return false;
    storeChoices();
    InputCheck check(OkCancelWarnings());
    return CheckInternalCondensationInput(values_, values_.outerCladding != nullptr, check) ||
           RefuseCheck(this, check);
}

bool EditInternalCondensation(CItem& item, QWidget* parent)
{
    return EditModule<CInnvendigKondensDlg, CInnvendigKondensModul>(item, parent);
}
