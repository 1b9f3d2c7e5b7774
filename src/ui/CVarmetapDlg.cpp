#include "CVarmetapDlg.h"

#include "ModuleEditor.h"
#include "QtPictures.h"
#include "QtText.h"
#include "doc/StringTable.h"
#include "modules/CVarmeTapModul.h"
#include "platform/Services.h"
#include "report/CHeader.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

namespace f = heatLossFields;

constexpr int heatLossPerMetreLabel = 61205;
constexpr int heatLossPerAreaLabel = 61206;
constexpr int flowLabels[3] = {61220, 61218, 61219}; // m³/h, l/s, m/s
constexpr int classCount = 7;
constexpr int ductClassCount = 6;
constexpr int pictureSize = 160;

} // namespace

CVarmetapDlg::Values CVarmetapDlg::ValuesOf(const CVarmeTapModul& m)
{
    Values v;
    static_cast<HeatLossInput&>(v) = m;
    v.outerCladding = m.OuterCladding();
    v.innerCladding = m.InnerCladding();
    v.pipeMaterial = m.Pipe().Material();
    v.pipeDimension = m.Pipe().CatalogueDimension();
    CopyList(v.fittings, m.fittings);
    return v;
}

void CVarmetapDlg::TakeValues(CVarmeTapModul& m, Values& v)
{
    static_cast<HeatLossInput&>(m) = v;
    m.layer1.objectKind = int(v.objectKind);
    m.layer2.objectKind = int(v.objectKind);
    m.SetOuterCladding(v.outerCladding);
    m.SetInnerCladding(v.innerCladding);
    TakeList(m.fittings, v.fittings, true);
    m.Pipe().SetMaterial(v.pipeMaterial, false);
    if (v.pipeDimension && !v.ownDimension)
        m.Pipe().SetDimension(*v.pipeDimension);
}

platform::PictureRef CVarmetapDlg::PictureFor(const CIsolasjon& layer1, int objectKind, bool vertical)
{
    return CHeader::PictureOf(LayerPicture(layer1, objectKind, vertical));
}

CVarmetapDlg::CVarmetapDlg(Values values, QWidget* parent)
    : CFieldDlg("::/html/varmetap.htm", parent), values_(std::move(values)), rows_(this, f::all, values_),
      layers_(this, values_.layer1, [this] { updateStates(); }),
      surroundings_(this, values_.surroundings, rows_[f::windSpeed], rows_[f::givenCoefficient],
                    rows_[f::ambientTemp], [this] { updateStates(); }),
      cladding_(this, values_.emissivityTyped, values_.outerCladding, rows_[f::typedEmissivity],
                [this] { updateStates(); }),
      pipe_(this, values_.pipeMaterial, values_.pipeDimension, values_.ownDimension, rows_[f::pipeOuterDiameter],
            rows_[f::pipeWall], rows_[f::bareEmissivity], [this] { updateStates(); }),
      energy_(rows_[f::operatingHours], rows_[f::energyPrice], rows_[f::co2Factor])
{
    setWindowTitle(QString::fromUtf8("Varmeförlustberäkning"));
    layers_.AddSecondLayer(values_.layer2, values_.twoLayers);
    cladding_.SetInsideList(IsInsideInsulated(values_.objectKind));
    cladding_.AddInner(values_.innerCladdingUsed, values_.innerCladding);

    pictureLabel_ = new QLabel(this);
    pictureLabel_->setObjectName(QStringLiteral("picture"));
    pictureLabel_->setFixedSize(pictureSize, pictureSize);
    pictureLabel_->setFrameShape(QFrame::Box);

    auto* left = new QVBoxLayout;
    left->addWidget(pictureLabel_, 0, Qt::AlignHCenter);
    left->addWidget(criterionBox());
    left->addWidget(kindBox());
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(temperatureBox());
    middle->addWidget(sizeBox());
    middle->addWidget(flowBox());
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(layers_.Box());
    right->addWidget(surroundings_.Box());
    right->addWidget(cladding_.Box());
    right->addWidget(extraBox());
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    fillClasses();
    classBox_->setCurrentIndex(std::min(values_.givenClass, classBox_->count() - 1));
    updateStates();
    rows_[f::mediumTemp].Edit()->setFocus();
}

CVarmetapDlg::~CVarmetapDlg() = default;

QGroupBox* CVarmetapDlg::criterionBox()
{
    criteria_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QString::fromUtf8("Beräkningskriterium"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(AddRadio(this, "Given isolertjocklek", "criterion0", criteria_, 0), 0, 0, 1, 2);
    grid->addWidget(AddRadio(this, "Given yttemperatur", "criterion1", criteria_, 1), 1, 0, 1, 2);
    grid->addWidget(AddRadio(this, "Given värmeförlust", "criterion2", criteria_, 2), 2, 0, 1, 2);
    grid->addWidget(AddRadio(this, "Given isoleringsklass:", "criterion3", criteria_, 3), 3, 0);
    classBox_ = AddChoice(this, "givenClass");
    classBox_->setMinimumContentsLength(14);
    grid->addWidget(classBox_, 3, 1);
    classNote_ = new QLabel(QStringLiteral("(Branschstandard Teknisk isolering 2020)"), this);
    grid->addWidget(classNote_, 4, 0, 1, 2);
    grid->addWidget(AddRadio(this, "Nödv. isolertjocklek enligt EN12828", "criterion4", criteria_, 4), 5, 0, 1, 2);
    criteria_->button(int(values_.criterion))->setChecked(true);
    connect(criteria_, &QButtonGroup::idClicked, this, [this] { updateStates(); });
    return box;
}

QGroupBox* CVarmetapDlg::kindBox()
{
    kinds_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QString::fromUtf8("Rör-/kanaltyp"), this);
    auto* grid = new QGridLayout(box);
    const char* kindTexts[6] = {"Rörledning", "Cirkulär kanal", "Rektangulär kanal", "Invändigt isolerad kanal",
                                "Plan yta", "Invändigt isolerad yta"};
    for (int k = 0; k < 6; ++k)
        grid->addWidget(AddRadio(this, kindTexts[k], ("kind" + std::to_string(k)).c_str(), kinds_, k), k, 0, 1, 2);
    orientations_ = new QButtonGroup(this);
    grid->addWidget(AddRadio(this, "Horisontal", "horizontal", orientations_, 0), 6, 0);
    grid->addWidget(AddRadio(this, "Vertikal", "vertical", orientations_, 1), 6, 1);
    kinds_->button(int(values_.objectKind))->setChecked(true);
    orientations_->button(values_.orientation == 1 ? 1 : 0)->setChecked(true);
    connect(kinds_, &QButtonGroup::idClicked, this, [this] { onKindChanged(); });
    connect(orientations_, &QButtonGroup::idClicked, this, [this] { updateStates(); });
    return box;
}

QGroupBox* CVarmetapDlg::sizeBox()
{
    auto* box = new QGroupBox(QStringLiteral("Dimensioner"), this);
    auto* grid = new QGridLayout(box);
    pipe_.PlaceIn(grid, 0);
    rows_[f::diameter].PlaceIn(grid, 5);
    rows_[f::height].PlaceIn(grid, 6);
    rows_[f::width].PlaceIn(grid, 7);
    rows_[f::length].PlaceIn(grid, 8);
    rows_[f::area].PlaceIn(grid, 9);
    rows_[f::bareEmissivity].PlaceIn(grid, 10);
    return box;
}

QGroupBox* CVarmetapDlg::temperatureBox()
{
    auto* box = new QGroupBox(QStringLiteral("Temperaturer"), this);
    auto* grid = new QGridLayout(box);
    rows_[f::mediumTemp].PlaceIn(grid, 0);
    rows_[f::ambientTemp].PlaceIn(grid, 1);
    rows_[f::givenSurfaceTemp].PlaceIn(grid, 2);
    rows_[f::givenHeatLoss].PlaceIn(grid, 3);
    rows_[f::spillFactor].PlaceIn(grid, 4);
    return box;
}

QGroupBox* CVarmetapDlg::flowBox()
{
    flowUnits_ = new QButtonGroup(this);
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    flowGroupLabel_ = new QLabel(QString::fromUtf8("Luftflöde i kanalen"), this);
    grid->addWidget(flowGroupLabel_, 0, 0, 1, 3);
    grid->addWidget(AddRadio(this, "[m³/h]", "flowUnit0", flowUnits_, 0), 1, 0);
    grid->addWidget(AddRadio(this, "[liter/s]", "flowUnit1", flowUnits_, 1), 1, 1);
    grid->addWidget(AddRadio(this, "[m/s]", "flowUnit2", flowUnits_, 2), 1, 2);
    shownFlowUnit_ = values_.flowUnit;
    flowUnits_->button(int(shownFlowUnit_))->setChecked(true);
    NumberRow& flow = rows_[f::flow];
    flow.Label()->setObjectName(QStringLiteral("flowLabel"));
    grid->addWidget(flow.Label(), 2, 0, 1, 2);
    grid->addWidget(flow.Edit(), 2, 2);
    connect(flowUnits_, &QButtonGroup::idClicked, this, &CVarmetapDlg::onFlowUnitChanged);
    return box;
}

QGroupBox* CVarmetapDlg::extraBox()
{
    auto* box = new QGroupBox(QString::fromUtf8("Tillägg och energi"), this);
    auto* grid = new QGridLayout(box);
    fittings_.emplace(this, "Tilläggsarmatur:", "fittingsUsed", values_.fittingsUsed, values_.fittings,
                      FittingsGroup::NewGoes::Last);
    fittings_->PlaceIn(grid, 0);
    supports_ = AddCheck(this, "Oisolerade upphängningar", "supports", values_.supports);
    energyCalc_ = AddCheck(this, "Beräkna energiförlust/kostnad", "energyCalc", values_.energyCalc);
    grid->addWidget(supports_, 4, 0, 1, 2);
    grid->addWidget(energyCalc_, 5, 0, 1, 2);
    auto* energyGrid = new QGridLayout;
    energy_.PlaceIn(energyGrid, 0);
    grid->addLayout(energyGrid, 6, 0, 1, 2);

    for (QCheckBox* check : {fittings_->Check(), energyCalc_, supports_})
        connect(check, &QCheckBox::toggled, this, [this] { updateStates(); });
    return box;
}

void CVarmetapDlg::fillClasses()
{
    // Ducts have no class 7; a chosen class 7 becomes class 6.
    const int wanted = IsDuct(shownKind()) ? ductClassCount : classCount;
    const int current = classBox_->currentIndex();
    if (classBox_->count() == wanted)
        return;
    classBox_->clear();
    for (int i = 1; i <= wanted; ++i)
        classBox_->addItem(QStringLiteral("Isoleringsklass %1").arg(i), i - 1);
    classBox_->setCurrentIndex(current < 0 ? -1 : std::min(current, wanted - 1));
}

void CVarmetapDlg::onKindChanged()
{
    const ObjectKind kind = shownKind();
    layers_.SetObjectKind(int(kind));
    // Objects insulated inside take their outer surface from another list.
    cladding_.SetInsideList(IsInsideInsulated(kind));
    fillClasses();
    updateStates();
}

void CVarmetapDlg::onFlowUnitChanged(int id)
{
    const FlowUnit unit = FlowUnit(id);
    const FlowUnit from = shownFlowUnit_;
    if (unit == from)
        return;
    shownFlowUnit_ = unit;
    updateStates();
    // The free area by the dimensions and layers shown now, by the rule the
    // calculation uses.
    HeatLossInput shown = values_;
    shown.objectKind = shownKind();
    shown.criterion = shownCriterion();
    shown.twoLayers = layers_.TwoLayersChecked();
    shown.diameter = rows_[f::diameter].Typed(values_.diameter);
    shown.height = rows_[f::height].Typed(values_.height);
    shown.width = rows_[f::width].Typed(values_.width);
    const float area = shown.FreeFlowArea();
    ConvertFlowRow(rows_[f::flow], int(from), int(unit), area);
}

ObjectKind CVarmetapDlg::shownKind() const
{
    return ObjectKind(kinds_->checkedId());
}

Criterion CVarmetapDlg::shownCriterion() const
{
    return Criterion(criteria_->checkedId());
}

void CVarmetapDlg::updateStates()
{
    using enum Criterion;
    const ObjectKind k = shownKind();
    const bool flat = IsFlatSurface(k);
    const bool rectangular = k == ObjectKind::RectangularDuctOutside || k == ObjectKind::RectangularDuctInside;
    const bool vertical = orientations_->checkedId() == 1;

    // A criterion the object does not offer falls back to the given thickness.
    criteria_->button(int(RequiredClass))->setEnabled(!IsDuct(k));
    criteria_->button(int(GivenClass))->setEnabled(!rectangular);
    if (!criteria_->checkedButton()->isEnabled())
        criteria_->button(int(GivenThickness))->setChecked(true);
    const Criterion c = shownCriterion();

    rows_[f::diameter].SetEnabled(k == ObjectKind::CircularDuct);
    rows_[f::height].SetEnabled(rectangular || (flat && vertical));
    rows_[f::width].SetEnabled(rectangular);
    pipe_.UpdateStates(k == ObjectKind::Pipe);
    const bool extentGiven = c == GivenThickness || c == GivenClass;
    rows_[f::length].SetEnabled(!flat && extentGiven);
    rows_[f::area].SetEnabled(flat && extentGiven);
    rows_[f::givenSurfaceTemp].SetEnabled(c == GivenSurfaceTemp);
    rows_[f::givenHeatLoss].SetEnabled(c == GivenHeatLoss);
    rows_[f::givenHeatLoss].Label()->setText(
        ToQString(LoadString(flat ? heatLossPerAreaLabel : heatLossPerMetreLabel)));
    classBox_->setEnabled(c == GivenClass);
    classNote_->setEnabled(c == GivenClass);
    rows_[f::spillFactor].SetEnabled(c == RequiredClass);

    layers_.UpdateStates(c == GivenThickness, c == GivenThickness);

    const bool pipeFittings = k == ObjectKind::Pipe && c == GivenThickness;
    fittings_->UpdateStates(pipeFittings);

    supports_->setEnabled(!flat && k != ObjectKind::RectangularDuctInside && extentGiven);
    energyCalc_->setEnabled(c == GivenThickness);
    const bool energy = energyCalc_->isChecked() && c == GivenThickness;
    energy_.UpdateStates(energy || c == RequiredClass, energy);

    surroundings_.UpdateStates();
    cladding_.UpdateStates(IsInsideInsulated(k));

    const bool duct = IsDuct(k);
    flowGroupLabel_->setEnabled(duct);
    for (QAbstractButton* b : flowUnits_->buttons())
        b->setEnabled(duct);
    rows_[f::flow].SetEnabled(duct);
    rows_[f::flow].Label()->setText(ToQString(LoadString(flowLabels[int(shownFlowUnit_)])));
    updatePicture();
}

void CVarmetapDlg::updatePicture()
{
    picture_ = PictureFor(values_.layer1, int(shownKind()), orientations_->checkedId() == 1);
    const QImage image = QtPictures::Image(picture_, QSize(pictureSize, pictureSize));
    pictureLabel_->setPixmap(QPixmap::fromImage(image));
}

void CVarmetapDlg::storeChoices()
{
    Values& v = values_;
    v.criterion = shownCriterion();
    v.objectKind = shownKind();
    v.orientation = orientations_->checkedId();
    layers_.SetObjectKind(int(v.objectKind));
    layers_.Store();
    surroundings_.Store();
    cladding_.Store();
    pipe_.Store();
    v.fittingsUsed = fittings_->Used();
    v.energyCalc = energyCalc_->isChecked();
    v.flowUnit = shownFlowUnit_;
    v.supports = supports_->isChecked();
    v.givenClass = std::max(classBox_->currentData().toInt(), 0);
}

bool CVarmetapDlg::Validate()
{
    if (!rows_.StoreAll())
        return false;
    storeChoices();
    InputCheck check(OkCancelWarnings());
    return CheckHeatLossInput(values_, values_.outerCladding != nullptr, check) || RefuseCheck(this, check);
}

bool EditHeatLoss(CItem& item, QWidget* parent)
{
    return EditModule<CVarmetapDlg, CVarmeTapModul>(item, parent);
}
