#include "CUtvendigKondensDlg.h"

#include "ModuleEditor.h"
#include "QtPictures.h"
#include "doc/StringTable.h"
#include "modules/CUtvendigKondensModul.h"
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
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

namespace f = externalCondensationFields;

constexpr int pictureSize = 160;

bool insideInsulated(int kind)
{
    return IsInsideInsulated(ObjectKind(kind));
}

} // namespace

CUtvendigKondensDlg::Values CUtvendigKondensDlg::ValuesOf(const CUtvendigKondensModul& m)
{
    Values v;
    static_cast<ExternalCondensationInput&>(v) = m;
    v.outerCladding = m.OuterCladding();
    v.innerCladding = m.InnerCladding();
    v.pipeMaterial = m.pipe.Material();
    v.pipeDimension = m.pipe.CatalogueDimension();
    return v;
}

void CUtvendigKondensDlg::TakeValues(CUtvendigKondensModul& m, Values& v)
{
    static_cast<ExternalCondensationInput&>(m) = v;
    m.insulation.objectKind = int(v.objectKind);
    m.SetOuterCladding(v.outerCladding);
    m.SetInnerCladding(v.innerCladding);
    m.pipe.SetMaterial(v.pipeMaterial, false);
    if (v.pipeDimension && !v.ownPipeDimension)
        m.pipe.SetDimension(*v.pipeDimension);
}

CUtvendigKondensDlg::CUtvendigKondensDlg(Values values, QWidget* parent)
    : CFieldDlg("::/html/utvkondens.htm", parent), values_(std::move(values)), rows_(this, f::all, values_),
      insulation_(this, values_.insulation, [this] { updateStates(); }),
      surroundings_(this, values_.surroundings, rows_[f::windSpeed], rows_[f::givenCoefficient],
                    rows_[f::ambientTemperature], [this] { updateStates(); }),
      cladding_(this, values_.surfaceSource, values_.outerCladding, rows_[f::surfaceEmissivity],
                [this] { updateStates(); },
                {.caption = "Utvändig ytbeklädnad (ytskikt)", .fromDatabase = "Val från databasen:",
                 .typed = "Egendef.emissivitet:"}),
      pipe_(this, values_.pipeMaterial, values_.pipeDimension, values_.ownPipeDimension, rows_[f::pipeDiameter],
            rows_[f::wallThickness], rows_[f::bareEmissivity], [this] { updateStates(); })
{
    setWindowTitle(QString::fromUtf8("Isolering mot utvändig kondens"));
    insulation_.SetFirstButtonText(QString::fromUtf8("Välj isolerprodukt"));
    cladding_.SetInsideList(values_.InsideInsulated());
    cladding_.AddInner(values_.innerCladdingEnabled, values_.innerCladding);
    addAirRows();

    pictureLabel_ = new QLabel(this);
    pictureLabel_->setObjectName(QStringLiteral("picture"));
    pictureLabel_->setFixedSize(pictureSize, pictureSize);
    pictureLabel_->setFrameShape(QFrame::Box);

    auto* left = new QVBoxLayout;
    left->addWidget(pictureLabel_, 0, Qt::AlignHCenter);
    left->addWidget(kindBox());
    left->addWidget(OrientationBox(this, orientations_, values_.orientation, [this] { updateStates(); }));
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(mediumBox());
    middle->addWidget(surroundings_.Box());
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(sizeBox());
    right->addWidget(insulation_.Box());
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

    updateStates();
    rows_[f::mediumTemperature].Edit()->setFocus();
}

CUtvendigKondensDlg::~CUtvendigKondensDlg() = default;

QGroupBox* CUtvendigKondensDlg::kindBox()
{
    kinds_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QStringLiteral("Typ"), this);
    auto* grid = new QVBoxLayout(box);
    const char* kindTexts[6] = {"Rörledning", "Cirkulär kanal", "Rektangulär kanal", "Innvändig isolerad kanal",
                                "Plan yta", "Innvändig isolerad yta"};
    for (int k = 0; k < 6; ++k)
        grid->addWidget(AddRadio(this, kindTexts[k], ("kind" + std::to_string(k)).c_str(), kinds_, k));
    shownKind_ = std::clamp(int(values_.objectKind), 0, 5);
    kinds_->button(shownKind_)->setChecked(true);
    connect(kinds_, &QButtonGroup::idClicked, this, [this] { onKindChanged(); });
    return box;
}

QGroupBox* CUtvendigKondensDlg::mediumBox()
{
    auto* box = new QGroupBox(QStringLiteral("Andra data"), this);
    auto* grid = new QGridLayout(box);
    rows_[f::mediumTemperature].PlaceIn(grid, 0);
    return box;
}

// The surrounding air's temperature and humidity stand with the surroundings.
void CUtvendigKondensDlg::addAirRows()
{
    auto* grid = static_cast<QGridLayout*>(surroundings_.Box()->layout());
    surroundings_.PlaceAmbientRow();
    const int row = grid->rowCount() - 1;
    rows_[f::relativeHumidity].PlaceIn(grid, row + 1);
    humidityBar_ = new QScrollBar(Qt::Horizontal, this);
    humidityBar_->setObjectName(QStringLiteral("humidityBar"));
    humidityBar_->setRange(1, 99);
    humidityBar_->setSingleStep(1);
    humidityBar_->setPageStep(10);
    const float humidity = values_.relativeHumidity;
    humidityBar_->setValue(std::isfinite(humidity) ? std::clamp(int(std::lround(humidity)), 1, 99) : 50);
    grid->addWidget(humidityBar_, row + 2, 0, 1, 3);
    connect(humidityBar_, &QScrollBar::valueChanged, this,
            [this](int value) { rows_[f::relativeHumidity].Show(FormatNumber("%.0f", float(value))); });
}

QGroupBox* CUtvendigKondensDlg::sizeBox()
{
    auto* box = new QGroupBox(QStringLiteral("Dimensioner"), this);
    auto* grid = new QGridLayout(box);
    pipe_.PlaceIn(grid, 0);
    rows_[f::bareEmissivity].PlaceIn(grid, 5);
    auto* duct = new QLabel(QStringLiteral("Kanal"), this);
    duct->setObjectName(QStringLiteral("ductLabel"));
    grid->addWidget(duct, 6, 0, 1, 2);
    rows_[f::ductDiameter].PlaceIn(grid, 7);
    rows_[f::height].PlaceIn(grid, 8);
    rows_[f::width].PlaceIn(grid, 9);
    return box;
}

void CUtvendigKondensDlg::onKindChanged()
{
    const int kind = kinds_->checkedId();
    if (kind == shownKind_)
        return;
    shownKind_ = kind;
    // Products are offered by object kind: the product is chosen again.
    values_.insulation.Reset();
    insulation_.SetObjectKind(kind);
    // Objects insulated inside take their outer surface from another list.
    cladding_.SetInsideList(insideInsulated(kind));
    updateStates();
}

void CUtvendigKondensDlg::updateStates()
{
    const int k = kinds_->checkedId();
    const bool vertical = orientations_->checkedId() == 1;
    rows_[f::ductDiameter].SetEnabled(k == 1);
    rows_[f::height].SetEnabled(k == 2 || k == 3 || vertical);
    rows_[f::width].SetEnabled(k == 2 || k == 3);
    pipe_.UpdateStates(k == 0);
    insulation_.UpdateStates(false, false);
    surroundings_.UpdateStates();
    cladding_.UpdateStates(insideInsulated(k));
    updatePicture();
}

void CUtvendigKondensDlg::updatePicture()
{
    picture_ = CHeader::PictureOf(LayerPicture(values_.insulation, kinds_->checkedId(),
                                               orientations_->checkedId() == 1));
    pictureLabel_->setPixmap(QPixmap::fromImage(QtPictures::Image(picture_, QSize(pictureSize, pictureSize))));
}

void CUtvendigKondensDlg::storeChoices()
{
    Values& v = values_;
    v.objectKind = ObjectKind(kinds_->checkedId());
    v.orientation = orientations_->checkedId();
    insulation_.SetObjectKind(int(v.objectKind));
    surroundings_.Store();
    cladding_.Store();
    pipe_.Store();
}

bool CUtvendigKondensDlg::Validate()
{
    if (!rows_.StoreAll())
        return false;
    storeChoices();
    InputCheck check(OkCancelWarnings());
    return CheckExternalCondensationInput(values_, values_.outerCladding != nullptr, check) ||
           RefuseCheck(this, check);
}

bool EditExternalCondensation(CItem& item, QWidget* parent)
{
    return EditModule<CUtvendigKondensDlg, CUtvendigKondensModul>(item, parent);
}
