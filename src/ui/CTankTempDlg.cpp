#include "CTankTempDlg.h"

#include "ModuleEditor.h"
#include "QtPictures.h"
#include "doc/StringTable.h"
#include "database/CDataBase.h"
#include "database/CMantling.h"
#include "database/CVeske.h"
#include "modules/CTankTempModul.h"
#include "platform/Services.h"
#include "report/CHeader.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

namespace f = tankFields;

constexpr int pictureSize = 160;

} // namespace

CTankTempDlg::Values CTankTempDlg::ValuesOf(const CTankTempModul& m)
{
    Values v;
    static_cast<TankTempInput&>(v) = m;
    v.cladding = m.Cladding();
    v.liquid = m.Medium();
    return v;
}

void CTankTempDlg::TakeValues(CTankTempModul& m, const Values& v)
{
    static_cast<TankTempInput&>(m) = v;
    m.insulation.objectKind = TankTempInput::tankObjectKind;
    m.SetCladding(v.cladding);
    m.SetMedium(v.liquid);
}

CTankTempDlg::CTankTempDlg(Values values, QWidget* parent)
    : CFieldDlg("::/html/tank.htm", parent), values_(std::move(values)), rows_(this, f::all, values_),
      layers_(this, values_.insulation, [this] { updateStates(); }),
      surroundings_(this, values_.surroundings, rows_[f::windSpeed], rows_[f::outerCoefficient],
                    rows_[f::ambientTemp], [this] { updateStates(); }),
      cladding_(this, values_.ownEmissivity, values_.cladding, rows_[f::emissivity], [this] { updateStates(); },
                CladdingTexts{.caption = "Ytbeklädnad", .fromDatabase = "Databas"}),
      liquids_(this, "liquid")
{
    setWindowTitle(QString::fromUtf8("Temperatur över tid i tank"));
    values_.insulation.objectKind = TankTempInput::tankObjectKind;
    layers_.SetObjectKind(TankTempInput::tankObjectKind);
    layers_.SetFirstButtonText(QString::fromUtf8("Välj isolerprodukt"));
    surroundings_.PlaceAmbientRow();

    pictureLabel_ = new QLabel(this);
    pictureLabel_->setObjectName(QStringLiteral("picture"));
    pictureLabel_->setFixedSize(pictureSize, pictureSize);
    pictureLabel_->setFrameShape(QFrame::Box);

    auto* left = new QVBoxLayout;
    left->addWidget(pictureLabel_, 0, Qt::AlignHCenter);
    left->addWidget(shapeBox());
    left->addWidget(sizeBox());
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(layers_.Box());
    middle->addWidget(surroundings_.Box());
    middle->addWidget(cladding_.Box());
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(mediumBox());
    right->addWidget(otherBox());
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // A liquid from the database shows the values the calculation takes.
    if (values_.mediumSource == 0 && values_.liquid)
        onLiquidChosen();
    updateStates();
    rows_[f::startTemp].Edit()->setFocus();
}

CTankTempDlg::~CTankTempDlg() = default;

QGroupBox* CTankTempDlg::shapeBox()
{
    shapes_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QStringLiteral("Tanktyp"), this);
    auto* row = new QHBoxLayout(box);
    row->addWidget(AddRadio(this, "Kub", "shape0", shapes_, 0));
    row->addWidget(AddRadio(this, "Cylinder", "shape1", shapes_, 1));
    row->addWidget(AddRadio(this, "Kula", "shape2", shapes_, 2));
    shapes_->button(std::clamp(values_.tankShape, 0, 2))->setChecked(true);
    connect(shapes_, &QButtonGroup::idClicked, this, [this] { updateStates(); });
    return box;
}

QGroupBox* CTankTempDlg::sizeBox()
{
    auto* box = new QGroupBox(QStringLiteral("Dimensioner"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Ange invändiga dimensioner."), this), 0, 0, 1, 2);
    rows_[f::diameter].PlaceIn(grid, 1);
    rows_[f::length].PlaceIn(grid, 2);
    rows_[f::width].PlaceIn(grid, 3);
    rows_[f::height].PlaceIn(grid, 4);
    rows_[f::depth].PlaceIn(grid, 5);
    return box;
}

QGroupBox* CTankTempDlg::mediumBox()
{
    mediumSources_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QStringLiteral("Medie"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(AddRadio(this, "Välj medie från databasen :", "mediumDatabase", mediumSources_, 0), 0, 0, 1, 2);
    liquids_.Fill(CDataBase::SystemItems<CVeske>(CDataBase::liquids), values_.liquid);
    grid->addWidget(liquids_.Box(), 1, 0, 1, 2);
    grid->addWidget(AddRadio(this, "Egendefinierat medie:", "mediumOwn", mediumSources_, 1), 2, 0, 1, 2);
    rows_[f::density].PlaceIn(grid, 3);
    rows_[f::heatCapacity].PlaceIn(grid, 4);
    rows_[f::freezingPoint].PlaceIn(grid, 5);
    mediumSources_->button(values_.mediumSource == 1 ? 1 : 0)->setChecked(true);
    connect(mediumSources_, &QButtonGroup::idClicked, this, [this] { updateStates(); });
    connect(liquids_.Box(), &QComboBox::activated, this, [this] { onLiquidChosen(); });
    return box;
}

QGroupBox* CTankTempDlg::otherBox()
{
    timeChoice_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QStringLiteral("Andra data"), this);
    auto* grid = new QGridLayout(box);
    rows_[f::startTemp].PlaceIn(grid, 0);
    // The radio buttons are the labels of their fields.
    grid->addWidget(AddRadio(this, "Förvaringstid [h]:", "storageGiven", timeChoice_, 0), 1, 0);
    grid->addWidget(rows_[f::storageTime].Edit(), 1, 1);
    rows_[f::storageTime].Label()->hide();
    grid->addWidget(AddRadio(this, "Temperatur efter förvaringstid [°C]:", "finalGiven", timeChoice_, 1), 2, 0);
    grid->addWidget(rows_[f::finalTemp].Edit(), 2, 1);
    rows_[f::finalTemp].Label()->hide();
    timeChoice_->button(values_.givenFinalTemperature ? 1 : 0)->setChecked(true);
    connect(timeChoice_, &QButtonGroup::idClicked, this, [this] { updateStates(); });
    return box;
}

void CTankTempDlg::onLiquidChosen()
{
    const CVeske* liquid = liquids_.Chosen();
    if (!liquid)
        return;
    rows_[f::density].Show(FormatNumber("%.0f", liquid->density));
    rows_[f::heatCapacity].Show(FormatNumber("%.0f", liquid->specificHeatCapacity));
    rows_[f::freezingPoint].Show(FormatNumber("%.1f", liquid->freezingPoint));
}

void CTankTempDlg::updateStates()
{
    const int shape = shapes_->checkedId();
    rows_[f::diameter].SetEnabled(shape == 1 || shape == 2);
    rows_[f::length].SetEnabled(shape == 1);
    for (const auto* field : {&f::width, &f::height, &f::depth})
        rows_[*field].SetEnabled(shape == 0);

    surroundings_.UpdateStates();
    cladding_.UpdateStates(false);
    layers_.UpdateStates(false, true);

    const bool own = mediumSources_->checkedId() == 1;
    liquids_.Box()->setEnabled(!own);
    for (const auto* field : {&f::density, &f::heatCapacity, &f::freezingPoint})
        rows_[*field].SetEnabled(own);

    const bool final = timeChoice_->checkedId() == 1;
    rows_[f::storageTime].Edit()->setEnabled(!final);
    rows_[f::finalTemp].Edit()->setEnabled(final);
    updatePicture();
}

void CTankTempDlg::updatePicture()
{
    picture_ = CHeader::PictureOf(TankPicture(values_.insulation, shapes_->checkedId()));
    const QImage image = QtPictures::Image(picture_, QSize(pictureSize, pictureSize));
    pictureLabel_->setPixmap(QPixmap::fromImage(image));
}

void CTankTempDlg::storeChoices()
{
    Values& v = values_;
    v.tankShape = shapes_->checkedId();
    layers_.Store();
    surroundings_.Store();
    cladding_.Store();
    v.mediumSource = mediumSources_->checkedId();
    v.liquid = liquids_.Chosen();
    v.givenFinalTemperature = timeChoice_->checkedId() == 1;
}

bool CTankTempDlg::Validate()
{
    if (!rows_.StoreAll())
        return false;
    storeChoices();
    InputCheck check(OkCancelWarnings());
    return CheckTankTempInput(values_, values_.cladding, values_.liquid, check) || RefuseCheck(this, check);
}

bool EditTankTemp(CItem& item, QWidget* parent)
{
    return EditModule<CTankTempDlg, CTankTempModul>(item, parent);
}
