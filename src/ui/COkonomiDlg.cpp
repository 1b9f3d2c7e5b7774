#include "COkonomiDlg.h"

#include "ModuleEditor.h"
#include "COkoIsolasjonDlg.h"
#include "QtPictures.h"
#include "QtText.h"
#include "doc/StringTable.h"
#include "modules/COkonomiModul.h"
#include "platform/Services.h"
#include "report/CHeader.h"
#include "report/ObjectPictures.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

namespace f = economyFields;

constexpr int changeKindQuestion = 61262;
constexpr int listFullId = 62502;
constexpr int flowLabels[3] = {61220, 61218, 61219}; // m³/h, l/s, m/s
constexpr int pictureSize = 160;

bool isDuct(int kind)
{
    return kind >= 1 && kind <= 3;
}

bool isFlat(int kind)
{
    return kind == 4 || kind == 5;
}

QString LineOf(const COkonomiIsolasjon& alternative)
{
    return ToQString(alternative.name);
}

} // namespace

COkonomiDlg::Values COkonomiDlg::ValuesOf(const COkonomiModul& m)
{
    Values v;
    static_cast<EconomyInput&>(v) = m;
    v.pipeMaterial = m.pipe.Material();
    v.pipeDimension = m.pipe.CatalogueDimension();
    CopyList(v.alternatives, m.alternatives);
    return v;
}

void COkonomiDlg::TakeValues(COkonomiModul& m, Values& v)
{
    static_cast<EconomyInput&>(m) = v;
    TakeList(m.alternatives, v.alternatives, false);
    m.pipe.SetMaterial(v.pipeMaterial, false);
    if (v.pipeDimension && !v.ownPipeDimension)
        m.pipe.SetDimension(*v.pipeDimension);
}

platform::PictureRef COkonomiDlg::PictureFor(const COkonomiIsolasjon* alternative, int objectKind, bool vertical)
{
    ProductPicture picture;
    picture.builtin = objectpictures::ForKind(objectKind, vertical);
    const CIsoProdukt* product = alternative && alternative->productSource == 0 ? alternative->MakerProduct() : nullptr;
    const int slot = objectKind + (vertical ? CIsoProdukt::verticalSlotOffset : 0);
    if (product && objectKind >= 0 && slot < CIsoProdukt::pictureCount && !product->pictures[std::size_t(slot)].empty())
        picture.file = product->PicturePath(objectKind, vertical);
    return CHeader::PictureOf(picture);
}

COkonomiDlg::COkonomiDlg(Values values, QWidget* parent)
    : CFieldDlg("::/html/okonomi.htm", parent), values_(std::move(values)), rows_(this, f::all, values_),
      surroundings_(this, values_.surroundings, rows_[f::windSpeed], rows_[f::givenCoefficient],
                    rows_[f::ambientTemperature], [this] { updateStates(); }),
      pipe_(this, values_.pipeMaterial, values_.pipeDimension, values_.ownPipeDimension, rows_[f::pipeDiameter],
            rows_[f::wallThickness], rows_[f::bareEmissivity], [this] { updateStates(); }),
      energy_(rows_[f::operatingHours], rows_[f::energyPrice], rows_[f::co2Factor])
{
    setWindowTitle(QStringLiteral("Ekonomisk isolering"));
    shownKind_ = std::clamp(values_.objectKind, 0, 5);

    pictureLabel_ = new QLabel(this);
    pictureLabel_->setObjectName(QStringLiteral("picture"));
    pictureLabel_->setFixedSize(pictureSize, pictureSize);
    pictureLabel_->setFrameShape(QFrame::Box);

    // The ambient temperature stands with the surroundings.
    surroundings_.PlaceAmbientRow();

    auto* left = new QVBoxLayout;
    left->addWidget(pictureLabel_, 0, Qt::AlignHCenter);
    left->addWidget(kindBox());
    left->addWidget(OrientationBox(this, orientations_, values_.orientation, [this] { updateStates(); }));
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(sizeBox());
    middle->addWidget(mediumBox());
    middle->addWidget(flowBox());
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(surroundings_.Box());
    right->addWidget(economyBox());
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(alternativesBox());
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    updateStates();
    rows_[f::mediumTemperature].Edit()->setFocus();
}

COkonomiDlg::~COkonomiDlg() = default;

QGroupBox* COkonomiDlg::kindBox()
{
    kinds_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QStringLiteral("Typ"), this);
    auto* grid = new QVBoxLayout(box);
    const char* kindTexts[6] = {"Rörledning", "Cirkulär kanal", "Rektangulär kanal", "Innvändig isolerad kanal",
                                "Plan yta", "Innvändig isolerad yta"};
    for (int k = 0; k < 6; ++k)
        grid->addWidget(AddRadio(this, kindTexts[k], ("kind" + std::to_string(k)).c_str(), kinds_, k));
    kinds_->button(shownKind_)->setChecked(true);
    connect(kinds_, &QButtonGroup::idClicked, this, &COkonomiDlg::onKindClicked);
    return box;
}

QGroupBox* COkonomiDlg::sizeBox()
{
    auto* box = new QGroupBox(QStringLiteral("Dimensioner"), this);
    auto* grid = new QGridLayout(box);
    pipe_.PlaceIn(grid, 0);
    rows_[f::bareEmissivity].PlaceIn(grid, 5);
    rows_[f::ductDiameter].PlaceIn(grid, 6);
    rows_[f::height].PlaceIn(grid, 7);
    rows_[f::width].PlaceIn(grid, 8);
    return box;
}

QGroupBox* COkonomiDlg::mediumBox()
{
    auto* box = new QGroupBox(QString::fromUtf8("Övriga data"), this);
    auto* grid = new QGridLayout(box);
    rows_[f::mediumTemperature].PlaceIn(grid, 0);
    return box;
}

QGroupBox* COkonomiDlg::flowBox()
{
    flowUnits_ = new QButtonGroup(this);
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("flowGroup"));
    auto* grid = new QGridLayout(box);
    flowGroupLabel_ = new QLabel(QString::fromUtf8("Luftflöde i kanalen"), this);
    grid->addWidget(flowGroupLabel_, 0, 0, 1, 3);
    grid->addWidget(AddRadio(this, "[m³/h]", "flowUnit0", flowUnits_, 0), 1, 0);
    grid->addWidget(AddRadio(this, "[liter/s]", "flowUnit1", flowUnits_, 1), 1, 1);
    grid->addWidget(AddRadio(this, "[m/s]", "flowUnit2", flowUnits_, 2), 1, 2);
    shownFlowUnit_ = std::clamp(values_.flowUnit, 0, 2);
    flowUnits_->button(shownFlowUnit_)->setChecked(true);
    NumberRow& flow = rows_[f::flow];
    flow.Label()->setObjectName(QStringLiteral("flowLabel"));
    grid->addWidget(flow.Label(), 2, 0, 1, 2);
    grid->addWidget(flow.Edit(), 2, 2);
    connect(flowUnits_, &QButtonGroup::idClicked, this, &COkonomiDlg::onFlowUnitChanged);
    return box;
}

QGroupBox* COkonomiDlg::economyBox()
{
    auto* box = new QGroupBox(QStringLiteral("Ekonomiska data"), this);
    auto* grid = new QGridLayout(box);
    energy_.PlaceIn(grid, 0);
    rows_[f::depreciationTime].PlaceIn(grid, 3);
    rows_[f::priceIncrease].PlaceIn(grid, 4);
    rows_[f::interestRate].PlaceIn(grid, 5);
    return box;
}

QGroupBox* COkonomiDlg::alternativesBox()
{
    auto* box = new QGroupBox(QStringLiteral("Isoleringslist"), this);
    auto* grid = new QGridLayout(box);
    alternatives_ = new QListWidget(this);
    alternatives_->setObjectName(QStringLiteral("alternatives"));
    alternatives_->setMinimumWidth(fontMetrics().averageCharWidth() * 70);
    alternatives_->setMinimumHeight(fontMetrics().lineSpacing() * 7);
    alternatives_->setMaximumHeight(fontMetrics().lineSpacing() * 10);
    for (const auto& alternative : values_.alternatives)
        alternatives_->addItem(LineOf(*alternative));
    QPushButton* add = AddPush(this, "Ny Isolering...", "newAlternative");
    QPushButton* edit = AddPush(this, "Redigera Isolering...", "editAlternative");
    QPushButton* remove = AddPush(this, "Ta bort Isolering", "removeAlternative");
    grid->addWidget(alternatives_, 0, 0, 4, 1);
    grid->addWidget(add, 0, 1);
    grid->addWidget(edit, 1, 1);
    grid->addWidget(remove, 2, 1);
    grid->setColumnStretch(0, 1);
    connect(add, &QPushButton::clicked, this, &COkonomiDlg::OnNewAlternative);
    connect(edit, &QPushButton::clicked, this, &COkonomiDlg::OnEditAlternative);
    connect(remove, &QPushButton::clicked, this, &COkonomiDlg::OnRemoveAlternative);
    connect(alternatives_, &QListWidget::itemDoubleClicked, this, &COkonomiDlg::OnEditAlternative);
    connect(alternatives_, &QListWidget::currentRowChanged, this, [this] { updatePicture(); });
    return box;
}

void COkonomiDlg::onKindClicked(int kind)
{
    if (kind == shownKind_)
        return;
    // Products, thicknesses and costs belong to the kind they were chosen for.
    if (!values_.alternatives.empty()) {
        if (platform::prompter().Ask(LoadString(changeKindQuestion), platform::Buttons::OkCancel,
                                     platform::Icon::Exclamation) != platform::Answer::Ok) {
            kinds_->button(shownKind_)->setChecked(true);
            return;
        }
        ClearList(values_.alternatives);
        alternatives_->clear();
    }
    shownKind_ = kind;
    if (isFlat(kind))
        rows_[f::height].Show(FormatNumber("%.0f", 1000.0f));
    else if (kind == 2 || kind == 3)
        rows_[f::height].Show(FormatNumber("%.0f", 200.0f));
    updateStates();
}

void COkonomiDlg::onFlowUnitChanged(int unit)
{
    const int from = shownFlowUnit_;
    if (unit == from)
        return;
    shownFlowUnit_ = unit;
    updateStates();
    // The free area of the dimensions shown now; inside insulation narrows
    // it by the first alternative's thickness, and without alternatives the
    // duct is open.
    EconomyInput shown = values_;
    shown.objectKind = kinds_->checkedId();
    shown.ductDiameter = rows_[f::ductDiameter].Typed(values_.ductDiameter);
    shown.height = rows_[f::height].Typed(values_.height);
    shown.width = rows_[f::width].Typed(values_.width);
    const float thickness = values_.alternatives.empty() ? 0.0f : values_.alternatives.front()->Thickness();
    const float area = shown.FreeFlowArea(thickness);
    ConvertFlowRow(rows_[f::flow], from, unit, area);
}

void COkonomiDlg::updateStates()
{
    const int k = kinds_->checkedId();
    const bool vertical = orientations_->checkedId() == 1;
    pipe_.UpdateStates(k == 0);
    rows_[f::ductDiameter].SetEnabled(k == 1);
    rows_[f::height].SetEnabled(k == 2 || k == 3 || (isFlat(k) && vertical));
    rows_[f::width].SetEnabled(k == 2 || k == 3);
    surroundings_.UpdateStates();

    const bool duct = isDuct(k);
    flowGroupLabel_->setEnabled(duct);
    for (QAbstractButton* b : flowUnits_->buttons())
        b->setEnabled(duct);
    rows_[f::flow].SetEnabled(duct);
    rows_[f::flow].Label()->setText(ToQString(LoadString(flowLabels[shownFlowUnit_])));
    updatePicture();
}

void COkonomiDlg::updatePicture()
{
    const int row = alternatives_->currentRow();
    const COkonomiIsolasjon* alternative =
        row >= 0 && row < int(values_.alternatives.size()) ? values_.alternatives[std::size_t(row)].get() : nullptr;
    picture_ = PictureFor(alternative, kinds_->checkedId(), orientations_->checkedId() == 1);
    const QImage image = QtPictures::Image(picture_, QSize(pictureSize, pictureSize));
    pictureLabel_->setPixmap(QPixmap::fromImage(image));
}

std::vector<const COkonomiIsolasjon*> COkonomiDlg::othersThan(const COkonomiIsolasjon* alternative) const
{
    std::vector<const COkonomiIsolasjon*> others;
    for (const auto& other : values_.alternatives)
        if (other.get() != alternative)
            others.push_back(other.get());
    return others;
}

void COkonomiDlg::OnNewAlternative()
{
    if (values_.alternatives.size() >= maxEconomyAlternatives) {
        platform::prompter().Tell(LoadString(listFullId));
        return;
    }
    auto alternative = std::make_unique<COkonomiIsolasjon>(kinds_->checkedId());
    if (!EditEconomyAlternative(*alternative, othersThan(nullptr), this))
        return;
    // After the selected entry, at the end when none is.
    const int selected = alternatives_->currentRow();
    const int at = selected >= 0 && selected < int(values_.alternatives.size()) ? selected + 1
                                                                               : int(values_.alternatives.size());
    alternatives_->insertItem(at, LineOf(*alternative));
    values_.alternatives.insert(values_.alternatives.begin() + at, std::move(alternative));
    alternatives_->setCurrentRow(at);
    updatePicture();
}

void COkonomiDlg::OnEditAlternative()
{
    const int row = LineActedOn(alternatives_, values_.alternatives.size());
    if (row < 0)
        return;
    // Only the others count as a clash, not its own text.
    COkonomiIsolasjon& alternative = *values_.alternatives[std::size_t(row)];
    if (EditEconomyAlternative(alternative, othersThan(&alternative), this))
        alternatives_->item(row)->setText(LineOf(alternative));
    updatePicture();
}

void COkonomiDlg::OnRemoveAlternative()
{
    const int row = LineActedOn(alternatives_, values_.alternatives.size());
    if (row < 0)
        return;
    if (!ConfirmRemoval(values_.alternatives[std::size_t(row)]->name))
        return;
    delete alternatives_->takeItem(row);
    values_.alternatives.erase(values_.alternatives.begin() + row);
    updatePicture();
}

void COkonomiDlg::storeChoices()
{
    Values& v = values_;
    v.objectKind = kinds_->checkedId();
    v.orientation = orientations_->checkedId();
    v.flowUnit = shownFlowUnit_;
    surroundings_.Store();
    pipe_.Store();
}

bool COkonomiDlg::Validate()
{
    if (!rows_.StoreAll())
        return false;
    storeChoices();
    InputCheck check(OkCancelWarnings());
    return CheckEconomyInput(values_, values_.alternatives, check) || RefuseCheck(this, check);
}

bool EditEconomy(CItem& item, QWidget* parent)
{
    return EditModule<COkonomiDlg, COkonomiModul>(item, parent);
}
