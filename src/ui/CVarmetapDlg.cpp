#include "CVarmetapDlg.h"

#include "CIsolasjonDlg.h"
#include "CKlimaDlg.h"
#include "CTilleggsutstyrDlg.h"
#include "QtPictures.h"
#include "QtText.h"
#include "database/CDataBase.h"
#include "database/CKlima.h"
#include "database/CKlimasted.h"
#include "database/CMantling.h"
#include "database/CRordimensjon.h"
#include "database/CRormaterial.h"
#include "doc/StringTable.h"
#include "modules/CVarmeTapModul.h"
#include "platform/Services.h"
#include "report/CHeader.h"
#include "thermal/SurfaceTransfer.h"

#include <QDialogButtonBox>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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
#include <cmath>

namespace {

constexpr int heatLossPerMetreLabel = 61205;
constexpr int heatLossPerAreaLabel = 61206;
constexpr int deleteQuestionId = 61208;
constexpr int flowLabels[3] = {61220, 61218, 61219}; // m³/h, l/s, m/s
constexpr int emptyListId = 341;
constexpr int diameterName = 61244;
constexpr int widthName = 61246;
constexpr int heightName = 61249;
constexpr int emissivityName = 61265;
constexpr int windName = 62254;
constexpr int coefficientName = 62255;
constexpr int differenceTooSmall = 62526;
constexpr int chooseCladding = 62533;
constexpr int chooseProduct = 62535;
constexpr int tooThickInside = 62540;
constexpr int mediumAboveMax = 62559;
constexpr int ambientAboveMax = 62560;
constexpr int classCount = 7;
constexpr int ductClassCount = 6;
constexpr int pictureSize = 160;

bool isDuct(int kind)
{
    return kind >= 1 && kind <= 3;
}

bool isFlat(int kind)
{
    return kind == 4 || kind == 5;
}

bool usesInsideList(int kind)
{
    return kind == 3 || kind == 5;
}

template <class T>
T* chosenItem(const QComboBox* box)
{
    return box->currentIndex() < 0 ? nullptr : reinterpret_cast<T*>(box->currentData().value<quintptr>());
}

} // namespace

CVarmetapDlg::Values CVarmetapDlg::ValuesOf(const CVarmeTapModul& m)
{
    Values v;
    v.criterion = m.criterion;
    v.objectKind = m.objectKind;
    v.mediumTemp = m.mediumTemp;
    v.ambientTemp = m.ambientTemp;
    v.givenSurfaceTemp = m.givenSurfaceTemp;
    v.diameter = m.diameter;
    v.width = m.width;
    v.height = m.height;
    v.length = m.length;
    v.area = m.area;
    v.twoLayers = m.twoLayers;
    v.layer1 = m.layer1;
    v.layer2 = m.layer2;
    v.surroundings = m.surroundings;
    v.windSpeed = m.windSpeed;
    v.givenCoefficient = m.givenCoefficient;
    v.emissivityTyped = m.emissivityTyped;
    v.outerCladding = m.OuterCladding();
    v.typedEmissivity = m.typedEmissivity;
    v.innerCladdingUsed = m.innerCladdingUsed;
    v.innerCladding = m.InnerCladding();
    v.fittingsUsed = m.fittingsUsed;
    CopyList(v.fittings, m.fittings);
    v.operatingHours = m.operatingHours;
    v.energyPrice = m.energyPrice;
    v.energyCalc = m.energyCalc;
    v.givenHeatLoss = m.givenHeatLoss;
    v.co2Factor = m.co2Factor;
    v.flowUnit = m.flowUnit;
    v.flow = m.flow;
    v.orientation = m.orientation;
    v.supports = m.supports;
    v.bareEmissivity = m.bareEmissivity;
    v.spillFactor = m.spillFactor;
    v.givenClass = m.givenClass;
    v.pipeMaterial = m.Pipe().Material();
    v.pipeDimension = m.Pipe().CatalogueDimension();
    v.ownDimension = m.ownDimension;
    v.pipeOuterDiameter = m.pipeOuterDiameter;
    v.pipeWall = m.pipeWall;
    return v;
}

void CVarmetapDlg::TakeValues(CVarmeTapModul& m, Values& v)
{
    m.criterion = v.criterion;
    m.objectKind = v.objectKind;
    m.mediumTemp = v.mediumTemp;
    m.ambientTemp = v.ambientTemp;
    m.givenSurfaceTemp = v.givenSurfaceTemp;
    m.diameter = v.diameter;
    m.width = v.width;
    m.height = v.height;
    m.length = v.length;
    m.area = v.area;
    m.twoLayers = v.twoLayers;
    m.layer1 = v.layer1;
    m.layer2 = v.layer2;
    m.layer1.objectKind = v.objectKind;
    m.layer2.objectKind = v.objectKind;
    m.surroundings = v.surroundings;
    m.windSpeed = v.windSpeed;
    m.givenCoefficient = v.givenCoefficient;
    m.emissivityTyped = v.emissivityTyped;
    m.SetOuterCladding(v.outerCladding);
    m.typedEmissivity = v.typedEmissivity;
    m.innerCladdingUsed = v.innerCladdingUsed;
    m.SetInnerCladding(v.innerCladding);
    m.fittingsUsed = v.fittingsUsed;
    TakeList(m.fittings, v.fittings, true);
    m.operatingHours = v.operatingHours;
    m.energyPrice = v.energyPrice;
    m.energyCalc = v.energyCalc;
    m.givenHeatLoss = v.givenHeatLoss;
    m.co2Factor = v.co2Factor;
    m.flowUnit = v.flowUnit;
    m.flow = v.flow;
    m.orientation = v.orientation;
    m.supports = v.supports;
    m.bareEmissivity = v.bareEmissivity;
    m.spillFactor = v.spillFactor;
    m.givenClass = v.givenClass;
    m.Pipe().SetMaterial(v.pipeMaterial, false);
    if (v.pipeDimension && !v.ownDimension)
        m.Pipe().SetDimension(*v.pipeDimension);
    m.ownDimension = v.ownDimension;
    m.pipeOuterDiameter = v.pipeOuterDiameter;
    m.pipeWall = v.pipeWall;
}

platform::PictureRef CVarmetapDlg::PictureFor(const CIsolasjon& layer1, int objectKind, bool vertical)
{
    return CHeader::PictureOf(LayerPicture(layer1, objectKind, vertical));
}

QString CVarmetapDlg::FlowText(float flow)
{
    const char* format = "%.6f";
    if (flow > 1000.0f)
        format = "%.0f";
    else if (flow > 100.0f)
        format = "%.1f";
    else if (flow > 10.0f)
        format = "%.2f";
    else if (flow > 1.0f)
        format = "%.3f";
    else if (flow > 0.1f)
        format = "%.4f";
    else if (flow > 0.01f)
        format = "%.5f";
    return FormatNumber(format, flow);
}

QLineEdit* CVarmetapDlg::field(const char* name, const char* format, float value)
{
    return NumberField(name, format, value);
}

QRadioButton* CVarmetapDlg::radio(const char* text, const char* name, QButtonGroup* group, int id)
{
    auto* button = new QRadioButton(QString::fromUtf8(text), this);
    button->setObjectName(QString::fromUtf8(name));
    group->addButton(button, id);
    return button;
}

QCheckBox* CVarmetapDlg::check(const char* text, const char* name, bool checked)
{
    auto* box = new QCheckBox(QString::fromUtf8(text), this);
    box->setObjectName(QString::fromUtf8(name));
    box->setChecked(checked);
    return box;
}

QComboBox* CVarmetapDlg::choice(const char* name)
{
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromUtf8(name));
    box->setMinimumContentsLength(18);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

QPushButton* CVarmetapDlg::push(const char* text, const char* name)
{
    auto* button = new QPushButton(QString::fromUtf8(text), this);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    return button;
}

CVarmetapDlg::CVarmetapDlg(Values values, QWidget* parent)
    : CFieldDlg("::/html/varmetap.htm", parent), values_(std::move(values))
{
    setWindowTitle(QString::fromUtf8("Varmeförlustberäkning"));
    Values& v = values_;

    // Criterion.
    criteria_ = new QButtonGroup(this);
    auto* criterionBox = new QGroupBox(QString::fromUtf8("Beräkningskriterium"), this);
    auto* criterionGrid = new QGridLayout(criterionBox);
    criterionGrid->addWidget(radio("Given isolertjocklek", "criterion0", criteria_, 0), 0, 0, 1, 2);
    criterionGrid->addWidget(radio("Given yttemperatur", "criterion1", criteria_, 1), 1, 0, 1, 2);
    criterionGrid->addWidget(radio("Given värmeförlust", "criterion2", criteria_, 2), 2, 0, 1, 2);
    criterionGrid->addWidget(radio("Given isoleringsklass:", "criterion3", criteria_, 3), 3, 0);
    classBox_ = choice("givenClass");
    classBox_->setMinimumContentsLength(14);
    criterionGrid->addWidget(classBox_, 3, 1);
    classNote_ = new QLabel(QStringLiteral("(Branschstandard Teknisk isolering 2020)"), this);
    criterionGrid->addWidget(classNote_, 4, 0, 1, 2);
    criterionGrid->addWidget(radio("Nödv. isolertjocklek enligt EN12828", "criterion4", criteria_, 4), 5, 0, 1, 2);
    criteria_->button(std::clamp(v.criterion, 0, 4))->setChecked(true);

    // Object.
    kinds_ = new QButtonGroup(this);
    auto* kindBox = new QGroupBox(QString::fromUtf8("Rör-/kanaltyp"), this);
    auto* kindGrid = new QGridLayout(kindBox);
    const char* kindTexts[6] = {"Rörledning", "Cirkulär kanal", "Rektangulär kanal", "Invändigt isolerad kanal",
                                "Plan yta", "Invändigt isolerad yta"};
    for (int k = 0; k < 6; ++k)
        kindGrid->addWidget(radio(kindTexts[k], ("kind" + std::to_string(k)).c_str(), kinds_, k), k, 0, 1, 2);
    orientations_ = new QButtonGroup(this);
    kindGrid->addWidget(radio("Horisontal", "horizontal", orientations_, 0), 6, 0);
    kindGrid->addWidget(radio("Vertikal", "vertical", orientations_, 1), 6, 1);
    kinds_->button(std::clamp(v.objectKind, 0, 5))->setChecked(true);
    orientations_->button(v.orientation == 1 ? 1 : 0)->setChecked(true);

    // Dimensions and the pipe.
    auto* sizeBox = new QGroupBox(QStringLiteral("Dimensioner"), this);
    auto* sizeGrid = new QGridLayout(sizeBox);
    diameter_ = field("diameter", "%.1f", v.diameter);
    height_ = field("height", "%.1f", v.height);
    width_ = field("width", "%.1f", v.width);
    length_ = field("length", "%.2f", v.length);
    area_ = field("area", "%.2f", v.area);
    material_ = choice("pipeMaterial");
    dimension_ = choice("pipeDimension");
    ownDimension_ = check("Egendef. rördimension:", "ownDimension", v.ownDimension);
    pipeDiameter_ = field("pipeDiameter", "%.1f", v.pipeOuterDiameter);
    pipeWall_ = field("pipeWall", "%.1f", v.pipeWall);
    bareEmissivity_ = field("bareEmissivity", "%.2f", v.bareEmissivity);
    labelled(material_, AddRow(sizeGrid, 0, "Rörmaterial:", material_));
    labelled(dimension_, AddRow(sizeGrid, 1, "Rördimension:", dimension_));
    sizeGrid->addWidget(ownDimension_, 2, 0, 1, 2);
    labelled(pipeDiameter_, AddRow(sizeGrid, 3, "Rördiameter [mm]:", pipeDiameter_));
    labelled(pipeWall_, AddRow(sizeGrid, 4, "Godstjocklek [mm]:", pipeWall_));
    labelled(diameter_, AddRow(sizeGrid, 5, "Diameter [mm]:", diameter_));
    labelled(height_, AddRow(sizeGrid, 6, "Höjd [mm]:", height_));
    labelled(width_, AddRow(sizeGrid, 7, "Bredd [mm]:", width_));
    labelled(length_, AddRow(sizeGrid, 8, "Längd rör/kanal [m]:", length_));
    labelled(area_, AddRow(sizeGrid, 9, "Ytstorlek [m²]:", area_));
    labelled(bareEmissivity_, AddRow(sizeGrid, 10, "Emissivitet oisolerad rör/kanal:", bareEmissivity_));
    for (CRormaterial* material : CDataBase::SystemItems<CRormaterial>(CDataBase::pipeMaterials))
        material_->addItem(ToQString(material->name), quintptr(material));
    material_->setCurrentIndex(material_->findData(quintptr(v.pipeMaterial)));
    fillDimensions();
    dimension_->setCurrentIndex(dimension_->findData(quintptr(v.pipeDimension)));

    // Temperatures and the criterion's values.
    auto* temperatureBox = new QGroupBox(QStringLiteral("Temperaturer"), this);
    auto* temperatureGrid = new QGridLayout(temperatureBox);
    mediumTemp_ = field("mediumTemp", "%.1f", v.mediumTemp);
    ambientTemp_ = field("ambientTemp", "%.1f", v.ambientTemp);
    surfaceTemp_ = field("surfaceTemp", "%.1f", v.givenSurfaceTemp);
    heatLoss_ = field("heatLoss", "%.1f", v.givenHeatLoss);
    spillFactor_ = field("spillFactor", "%.2f", v.spillFactor);
    labelled(mediumTemp_, AddRow(temperatureGrid, 0, "Medietemperatur [°C]:", mediumTemp_));
    labelled(ambientTemp_, AddRow(temperatureGrid, 1, "Omgivningstemperatur [°C]:", ambientTemp_));
    labelled(surfaceTemp_, AddRow(temperatureGrid, 2, "Yttemperatur [°C]:", surfaceTemp_));
    heatLossLabel_ = AddRow(temperatureGrid, 3, "Värmeförlust [W/m]:", heatLoss_);
    labelled(heatLoss_, heatLossLabel_);
    labelled(spillFactor_, AddRow(temperatureGrid, 4, "Spillfaktor (0-1):", spillFactor_));

    // Insulation.
    auto* insulationBox = new QGroupBox(QStringLiteral("Isolering"), this);
    auto* insulationGrid = new QGridLayout(insulationBox);
    twoLayers_ = check("2-lags isolering", "twoLayers", v.twoLayers);
    layer1_ = push("Isolering lag 1", "layer1");
    layer2_ = push("Isolering lag 2", "layer2");
    layer1Summary_ = new QLabel(this);
    layer1Summary_->setObjectName(QStringLiteral("layer1Summary"));
    layer2Summary_ = new QLabel(this);
    layer2Summary_->setObjectName(QStringLiteral("layer2Summary"));
    for (QLabel* summary : {layer1Summary_, layer2Summary_}) {
        summary->setMinimumWidth(fontMetrics().averageCharWidth() * 26);
        summary->setMinimumHeight(fontMetrics().lineSpacing() * 3);
        summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    insulationGrid->addWidget(twoLayers_, 0, 0, 1, 2);
    insulationGrid->addWidget(layer1_, 1, 0, Qt::AlignTop);
    insulationGrid->addWidget(layer1Summary_, 1, 1);
    insulationGrid->addWidget(layer2_, 2, 0, Qt::AlignTop);
    insulationGrid->addWidget(layer2Summary_, 2, 1);

    // Surroundings.
    surroundings_ = new QButtonGroup(this);
    auto* surroundingsBox = new QGroupBox(QStringLiteral("Omgivning"), this);
    auto* surroundingsGrid = new QGridLayout(surroundingsBox);
    surroundingsGrid->addWidget(radio("Inomhus (egenkonvektion)", "surroundings0", surroundings_, 0), 0, 0, 1, 3);
    surroundingsGrid->addWidget(radio("Ute (påtvingad konvektion)", "surroundings1", surroundings_, 1), 1, 0, 1, 3);
    windSpeed_ = field("windSpeed", "%.1f", v.windSpeed);
    climate_ = push("Ortsdata...", "climate");
    labelled(windSpeed_, AddRow(surroundingsGrid, 2, "Vindhastighet [m/s]:", windSpeed_));
    surroundingsGrid->addWidget(climate_, 2, 2);
    surroundingsGrid->addWidget(radio("Givet utv. värmeövergångstal", "surroundings2", surroundings_, 2), 3, 0, 1, 3);
    coefficient_ = field("coefficient", "%.1f", v.givenCoefficient);
    labelled(coefficient_, AddRow(surroundingsGrid, 4, "[W/m²K]:", coefficient_));
    surroundings_->button(std::clamp(v.surroundings, 0, 2))->setChecked(true);

    // Claddings.
    emissivityChoice_ = new QButtonGroup(this);
    auto* claddingBox = new QGroupBox(QStringLiteral("Utvändig ytbeklädnad (ytskikt)"), this);
    auto* claddingGrid = new QGridLayout(claddingBox);
    cladding_ = choice("cladding");
    emissivity_ = field("emissivity", "%.2f", v.typedEmissivity);
    claddingGrid->addWidget(radio("Val från databas", "fromDatabase", emissivityChoice_, 0), 0, 0);
    claddingGrid->addWidget(cladding_, 0, 1);
    claddingGrid->addWidget(radio("Egendef. emissivitet:", "emissivityTyped", emissivityChoice_, 1), 1, 0);
    claddingGrid->addWidget(emissivity_, 1, 1);
    emissivityChoice_->button(v.emissivityTyped ? 1 : 0)->setChecked(true);
    innerCladdingUsed_ = check("Invändig ytbeklädnad", "innerCladdingUsed", v.innerCladdingUsed);
    innerCladding_ = choice("innerCladding");
    claddingGrid->addWidget(innerCladdingUsed_, 2, 0);
    claddingGrid->addWidget(innerCladding_, 2, 1);
    insideCladdings_ = usesInsideList(v.objectKind);
    fillCladdings();
    cladding_->setCurrentIndex(cladding_->findData(quintptr(v.outerCladding)));
    for (CMantling* c : CDataBase::SystemItems<CMantling>(CDataBase::innerCladdings))
        innerCladding_->addItem(ToQString(c->name), quintptr(c));
    innerCladding_->setCurrentIndex(innerCladding_->findData(quintptr(v.innerCladding)));

    // Air flow in ducts.
    flowUnits_ = new QButtonGroup(this);
    auto* flowBox = new QGroupBox(this);
    auto* flowGrid = new QGridLayout(flowBox);
    flowGroupLabel_ = new QLabel(QString::fromUtf8("Luftflöde i kanalen"), this);
    flowGrid->addWidget(flowGroupLabel_, 0, 0, 1, 3);
    flowGrid->addWidget(radio("[m³/h]", "flowUnit0", flowUnits_, 0), 1, 0);
    flowGrid->addWidget(radio("[liter/s]", "flowUnit1", flowUnits_, 1), 1, 1);
    flowGrid->addWidget(radio("[m/s]", "flowUnit2", flowUnits_, 2), 1, 2);
    shownFlowUnit_ = std::clamp(v.flowUnit, 0, 2);
    flowUnits_->button(shownFlowUnit_)->setChecked(true);
    flow_ = field("flow", "%.1f", v.flow);
    flowLabel_ = new QLabel(this);
    flowLabel_->setObjectName(QStringLiteral("flowLabel"));
    flowLabel_->setBuddy(flow_);
    flowGrid->addWidget(flowLabel_, 2, 0, 1, 2);
    flowGrid->addWidget(flow_, 2, 2);
    labelled(flow_, flowLabel_);

    // Fittings, supports and energy.
    auto* extraBox = new QGroupBox(QString::fromUtf8("Tillägg och energi"), this);
    auto* extraGrid = new QGridLayout(extraBox);
    fittingsUsed_ = check("Tilläggsarmatur:", "fittingsUsed", v.fittingsUsed);
    fittings_ = new QListWidget(this);
    fittings_->setObjectName(QStringLiteral("fittings"));
    fittings_->setMaximumHeight(fontMetrics().lineSpacing() * 5);
    for (const auto& fitting : v.fittings)
        fittings_->addItem(ToQString(fitting->name));
    newFitting_ = push("Ny tilläggsarmatur...", "newFitting");
    updateFitting_ = push("Uppdatera tilläggsarmatur...", "updateFitting");
    removeFitting_ = push("Ta bort tilläggsarmatur...", "removeFitting");
    extraGrid->addWidget(fittingsUsed_, 0, 0, 1, 2);
    extraGrid->addWidget(fittings_, 1, 0, 3, 1);
    extraGrid->addWidget(newFitting_, 1, 1);
    extraGrid->addWidget(updateFitting_, 2, 1);
    extraGrid->addWidget(removeFitting_, 3, 1);
    supports_ = check("Oisolerade upphängningar", "supports", v.supports);
    energyCalc_ = check("Beräkna energiförlust/kostnad", "energyCalc", v.energyCalc);
    extraGrid->addWidget(supports_, 4, 0, 1, 2);
    extraGrid->addWidget(energyCalc_, 5, 0, 1, 2);
    hours_ = field("operatingHours", "%.0f", v.operatingHours);
    price_ = field("energyPrice", "%.1f", v.energyPrice);
    co2_ = field("co2Factor", "%.0f", v.co2Factor);
    auto* energyGrid = new QGridLayout;
    labelled(hours_, AddRow(energyGrid, 0, "Driftstid [h/år]:", hours_));
    labelled(price_, AddRow(energyGrid, 1, "Energipris [öre/kWh]:", price_));
    labelled(co2_, AddRow(energyGrid, 2, "CO2-utsläpp [g/kWh]:", co2_));
    extraGrid->addLayout(energyGrid, 6, 0, 1, 2);

    pictureLabel_ = new QLabel(this);
    pictureLabel_->setObjectName(QStringLiteral("picture"));
    pictureLabel_->setFixedSize(pictureSize, pictureSize);
    pictureLabel_->setFrameShape(QFrame::Box);

    auto* left = new QVBoxLayout;
    left->addWidget(pictureLabel_, 0, Qt::AlignHCenter);
    left->addWidget(criterionBox);
    left->addWidget(kindBox);
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(temperatureBox);
    middle->addWidget(sizeBox);
    middle->addWidget(flowBox);
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(insulationBox);
    right->addWidget(surroundingsBox);
    right->addWidget(claddingBox);
    right->addWidget(extraBox);
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
    classBox_->setCurrentIndex(std::min(v.givenClass, classBox_->count() - 1));

    connect(criteria_, &QButtonGroup::idClicked, this, [this] { updateStates(); });
    connect(kinds_, &QButtonGroup::idClicked, this, [this] { onKindChanged(); });
    connect(orientations_, &QButtonGroup::idClicked, this, [this] {
        updateStates();
        updatePicture();
    });
    connect(surroundings_, &QButtonGroup::idClicked, this, [this] { updateStates(); });
    connect(emissivityChoice_, &QButtonGroup::idClicked, this, [this] { updateStates(); });
    connect(flowUnits_, &QButtonGroup::idClicked, this, &CVarmetapDlg::onFlowUnitChanged);
    for (QCheckBox* box : {ownDimension_, twoLayers_, innerCladdingUsed_, fittingsUsed_, energyCalc_, supports_})
        connect(box, &QCheckBox::toggled, this, [this] { updateStates(); });
    connect(material_, &QComboBox::activated, this, [this] { onMaterialChosen(); });
    connect(dimension_, &QComboBox::activated, this, [this] { onDimensionChosen(); });
    connect(cladding_, &QComboBox::activated, this, [this] { onCladdingChosen(); });
    connect(layer1_, &QPushButton::clicked, this, [this] { OnLayer(1); });
    connect(layer2_, &QPushButton::clicked, this, [this] { OnLayer(2); });
    connect(climate_, &QPushButton::clicked, this, &CVarmetapDlg::OnClimate);
    connect(newFitting_, &QPushButton::clicked, this, &CVarmetapDlg::OnNewFitting);
    connect(updateFitting_, &QPushButton::clicked, this, &CVarmetapDlg::OnUpdateFitting);
    connect(removeFitting_, &QPushButton::clicked, this, &CVarmetapDlg::OnRemoveFitting);
    connect(fittings_, &QListWidget::itemDoubleClicked, this, &CVarmetapDlg::OnUpdateFitting);

    updateStates();
    updatePicture();
    mediumTemp_->setFocus();
}

void CVarmetapDlg::enable(QWidget* widget, bool on)
{
    widget->setEnabled(on);
    if (auto it = labels_.find(widget); it != labels_.end())
        it->second->setEnabled(on);
}

void CVarmetapDlg::fillCladdings()
{
    cladding_->clear();
    const int list = insideCladdings_ ? CDataBase::insideOuterSurfaces : CDataBase::outerCladdings;
    for (CMantling* c : CDataBase::SystemItems<CMantling>(list))
        cladding_->addItem(ToQString(c->name), quintptr(c));
    cladding_->setCurrentIndex(-1);
}

void CVarmetapDlg::fillDimensions()
{
    dimension_->clear();
    if (auto* material = chosenItem<CRormaterial>(material_))
        for (const auto& dimension : material->dimensions)
            dimension_->addItem(ToQString(dimension->name), quintptr(dimension.get()));
    dimension_->setCurrentIndex(-1);
}

void CVarmetapDlg::fillClasses()
{
    // Ducts have no class 7; a chosen class 7 becomes class 6.
    const int wanted = isDuct(kinds_->checkedId()) ? ductClassCount : classCount;
    const int current = classBox_->currentIndex();
    if (classBox_->count() == wanted)
        return;
    classBox_->clear();
    for (int i = 1; i <= wanted; ++i)
        classBox_->addItem(QStringLiteral("Isoleringsklass %1").arg(i));
    classBox_->setCurrentIndex(current < 0 ? -1 : std::min(current, wanted - 1));
}

void CVarmetapDlg::onKindChanged()
{
    const int kind = kinds_->checkedId();
    values_.layer1.objectKind = kind;
    values_.layer2.objectKind = kind;
    // Objects insulated inside take their outer surface from another list.
    if (usesInsideList(kind) != insideCladdings_) {
        insideCladdings_ = usesInsideList(kind);
        fillCladdings();
    }
    fillClasses();
    updateStates();
    updatePicture();
}

float CVarmetapDlg::fieldValue(QLineEdit* field, float otherwise) const
{
    bool ok = false;
    const float value = field->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toFloat(&ok);
    return ok ? value : otherwise;
}

float CVarmetapDlg::innerInsulationThickness() const
{
    float t = values_.layer1.Thickness();
    if (twoLayers_->isChecked() && criteria_->checkedId() == 0)
        t += values_.layer2.Thickness();
    return t;
}

void CVarmetapDlg::onFlowUnitChanged(int unit)
{
    const int from = shownFlowUnit_;
    if (unit == from)
        return;
    shownFlowUnit_ = unit;
    updateStates();
    bool ok = false;
    const float value = flow_->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toFloat(&ok);
    if (!ok)
        return;
    const float area = thermal::FlowArea(ObjectKind(kinds_->checkedId()), fieldValue(diameter_, values_.diameter),
                                         fieldValue(height_, values_.height), fieldValue(width_, values_.width),
                                         innerInsulationThickness());
    // Without a free area a speed says nothing about the volume; the value stays.
    if ((from == 2 || unit == 2) && !(area > 0.0f))
        return;
    const float perUnit[2] = {3600.0f, 1000.0f}; // m³/h and l/s per m³/s
    float converted = value;
    if (from == 0 && unit == 1)
        converted = value / 3.6f;
    else if (from == 1 && unit == 0)
        converted = value * 3.6f;
    else if (unit == 2)
        converted = value / (area * perUnit[from]);
    else
        converted = value * area * perUnit[unit];
    flow_->setText(FlowText(converted));
}

void CVarmetapDlg::onMaterialChosen()
{
    if (auto* material = chosenItem<CRormaterial>(material_))
        bareEmissivity_->setText(FormatNumber("%.2f", material->emissivity));
    fillDimensions();
    if (dimension_->count() > 0) {
        dimension_->setCurrentIndex(0);
        onDimensionChosen();
    }
}

void CVarmetapDlg::onDimensionChosen()
{
    if (auto* dimension = chosenItem<CRordimensjon>(dimension_)) {
        pipeDiameter_->setText(FormatNumber("%.1f", dimension->outerDiameter));
        pipeWall_->setText(FormatNumber("%.1f", dimension->wallThickness));
    }
}

void CVarmetapDlg::onCladdingChosen()
{
    if (auto* cladding = chosenItem<CMantling>(cladding_))
        emissivity_->setText(FormatNumber("%.2f", cladding->emissivity));
}

void CVarmetapDlg::updateStates()
{
    const int k = kinds_->checkedId();
    const bool flat = isFlat(k);
    const bool vertical = orientations_->checkedId() == 1;

    // A criterion the object does not offer falls back to the given thickness.
    criteria_->button(4)->setEnabled(!isDuct(k));
    criteria_->button(3)->setEnabled(k != 2 && k != 3);
    if (!criteria_->checkedButton()->isEnabled())
        criteria_->button(0)->setChecked(true);
    const int c = criteria_->checkedId();

    enable(diameter_, k == 1);
    enable(height_, k == 2 || k == 3 || (flat && vertical));
    enable(width_, k == 2 || k == 3);

    const bool pipe = k == 0;
    const bool own = ownDimension_->isChecked();
    enable(material_, pipe);
    ownDimension_->setEnabled(pipe);
    enable(dimension_, pipe && !own);
    enable(pipeDiameter_, pipe && own);
    enable(pipeWall_, pipe && own);

    enable(length_, !flat && (c == 0 || c == 3));
    enable(area_, flat && (c == 0 || c == 3));
    enable(surfaceTemp_, c == 1);
    enable(heatLoss_, c == 2);
    heatLossLabel_->setText(ToQString(LoadString(flat ? heatLossPerAreaLabel : heatLossPerMetreLabel)));
    classBox_->setEnabled(c == 3);
    classNote_->setEnabled(c == 3);
    enable(spillFactor_, c == 4);

    twoLayers_->setEnabled(c == 0);
    const bool secondLayer = twoLayers_->isChecked() && c == 0;
    layer2_->setEnabled(secondLayer);
    layer2Summary_->setEnabled(secondLayer);
    updateSummaries();

    fittingsUsed_->setEnabled(pipe && c == 0);
    const bool fittingList = pipe && c == 0 && fittingsUsed_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{fittings_, newFitting_, updateFitting_, removeFitting_})
        w->setEnabled(fittingList);

    supports_->setEnabled(!flat && k != 3 && (c == 0 || c == 3));
    energyCalc_->setEnabled(c == 0);
    const bool energy = energyCalc_->isChecked() && c == 0;
    enable(hours_, energy || c == 4);
    enable(price_, energy);
    enable(co2_, energy);

    const bool typed = emissivityChoice_->checkedId() == 1;
    cladding_->setEnabled(!typed);
    emissivity_->setEnabled(typed);

    const int s = surroundings_->checkedId();
    enable(windSpeed_, s == 1);
    climate_->setEnabled(s == 1 && ClimateLocations() != nullptr);
    enable(coefficient_, s == 2);

    const bool inside = k == 3 || k == 5;
    innerCladdingUsed_->setEnabled(inside);
    innerCladding_->setEnabled(inside && innerCladdingUsed_->isChecked());

    const bool duct = isDuct(k);
    flowGroupLabel_->setEnabled(duct);
    for (QAbstractButton* b : flowUnits_->buttons())
        b->setEnabled(duct);
    enable(flow_, duct);
    flowLabel_->setText(ToQString(LoadString(flowLabels[shownFlowUnit_])));
}

void CVarmetapDlg::updateSummaries()
{
    const bool withThickness = criteria_->checkedId() == 0;
    layer1Summary_->setText(ToQString(values_.layer1.Summary(withThickness)));
    layer2Summary_->setText(ToQString(values_.layer2.Summary(withThickness)));
}

void CVarmetapDlg::updatePicture()
{
    picture_ = PictureFor(values_.layer1, kinds_->checkedId(), orientations_->checkedId() == 1);
    const QImage image = QtPictures::Image(picture_, QSize(pictureSize, pictureSize));
    pictureLabel_->setPixmap(QPixmap::fromImage(image));
}

void CVarmetapDlg::OnLayer(int layer)
{
    CIsolasjon& edited = layer == 2 ? values_.layer2 : values_.layer1;
    edited.objectKind = kinds_->checkedId();
    if (!EditInsulationLayer(edited, this))
        return;
    updateSummaries();
    updatePicture();
}

void CVarmetapDlg::OnClimate()
{
    CKlima* climate = ClimateLocations();
    if (!climate || !climate->Edit() || !climate->selected)
        return;
    ambientTemp_->setText(FormatNumber("%.1f", climate->selected->annualMeanTemperature));
    windSpeed_->setText(FormatNumber("%.1f", climate->selected->annualMeanWindSpeed));
}

void CVarmetapDlg::OnNewFitting()
{
    auto fitting = std::make_unique<CTilleggsutstyr>();
    if (!EditFitting(*fitting, this))
        return;
    fittings_->addItem(ToQString(fitting->name));
    fittings_->setCurrentRow(fittings_->count() - 1);
    values_.fittings.push_back(std::move(fitting));
}

int CVarmetapDlg::selectedFitting()
{
    if (values_.fittings.empty()) {
        platform::prompter().Tell(LoadString(emptyListId));
        return -1;
    }
    // The lines stand in the list's order, so the row names the entry; with
    // none selected the first one is taken.
    int row = fittings_->currentRow();
    if (row < 0 || row >= int(values_.fittings.size())) {
        row = 0;
        fittings_->setCurrentRow(0);
    }
    return row;
}

void CVarmetapDlg::OnUpdateFitting()
{
    const int row = selectedFitting();
    if (row < 0)
        return;
    CTilleggsutstyr& fitting = *values_.fittings[std::size_t(row)];
    if (EditFitting(fitting, this))
        fittings_->item(row)->setText(ToQString(fitting.name));
}

void CVarmetapDlg::OnRemoveFitting()
{
    const int row = selectedFitting();
    if (row < 0)
        return;
    const std::string name = values_.fittings[std::size_t(row)]->name;
    if (platform::prompter().Ask(FormatPositional(LoadString(deleteQuestionId), {name}), platform::Buttons::OkCancel,
                                 platform::Icon::Exclamation) != platform::Answer::Ok)
        return;
    delete fittings_->takeItem(row);
    values_.fittings.erase(values_.fittings.begin() + row);
}

bool CVarmetapDlg::exchangeFields()
{
    Values& v = values_;
    constexpr float big = 3.0e38f;
    return ExchangeNumber(pipeDiameter_, 1.0f, 10000.0f, v.pipeOuterDiameter) &&
           ExchangeNumber(pipeWall_, 0.1f, 1000.0f, v.pipeWall) &&
           ExchangeNumber(mediumTemp_, -273.0f, 2000.0f, v.mediumTemp) &&
           ExchangeNumber(ambientTemp_, -60.0f, 500.0f, v.ambientTemp) &&
           ExchangeNumber(surfaceTemp_, -big, big, v.givenSurfaceTemp) &&
           ExchangeNumber(heatLoss_, -big, big, v.givenHeatLoss) &&
           ExchangeNumber(diameter_, -big, big, v.diameter) && ExchangeNumber(height_, -big, big, v.height) &&
           ExchangeNumber(width_, -big, big, v.width) && ExchangeNumber(length_, -big, big, v.length) &&
           ExchangeNumber(area_, -big, big, v.area) && ExchangeNumber(windSpeed_, -big, big, v.windSpeed) &&
           ExchangeNumber(coefficient_, -big, big, v.givenCoefficient) &&
           ExchangeNumber(emissivity_, -big, big, v.typedEmissivity) &&
           ExchangeNumber(hours_, -big, big, v.operatingHours) &&
           ExchangeNumber(price_, -big, big, v.energyPrice) &&
           ExchangeNumber(co2_, 0.0f, 5000.0f, v.co2Factor) &&
           ExchangeNumber(bareEmissivity_, 0.0f, 1.0f, v.bareEmissivity) &&
           ExchangeNumber(spillFactor_, 0.0f, 1.0f, v.spillFactor) &&
           ExchangeNumber(flow_, 0.0f, 1000000.0f, v.flow);
}

void CVarmetapDlg::collectChoices()
{
    Values& v = values_;
    v.criterion = criteria_->checkedId();
    v.objectKind = kinds_->checkedId();
    v.orientation = orientations_->checkedId();
    v.twoLayers = twoLayers_->isChecked();
    v.layer1.objectKind = v.objectKind;
    v.layer2.objectKind = v.objectKind;
    v.surroundings = surroundings_->checkedId();
    v.emissivityTyped = emissivityChoice_->checkedId() == 1;
    v.outerCladding = chosenItem<CMantling>(cladding_);
    v.innerCladdingUsed = innerCladdingUsed_->isChecked();
    v.innerCladding = chosenItem<CMantling>(innerCladding_);
    v.fittingsUsed = fittingsUsed_->isChecked();
    v.energyCalc = energyCalc_->isChecked();
    v.flowUnit = shownFlowUnit_;
    v.supports = supports_->isChecked();
    v.givenClass = std::max(classBox_->currentIndex(), 0);
    v.pipeMaterial = chosenItem<CRormaterial>(material_);
    v.pipeDimension = chosenItem<CRordimensjon>(dimension_);
    v.ownDimension = ownDimension_->isChecked();
}

bool CVarmetapDlg::askWarning(int textId)
{
    return platform::prompter().Ask(LoadString(textId), platform::Buttons::OkCancel, platform::Icon::Exclamation) ==
           platform::Answer::Ok;
}

bool CVarmetapDlg::Validate()
{
    if (!exchangeFields())
        return false;
    collectChoices();
    const Values& v = values_;
    const int c = v.criterion;
    const int k = v.objectKind;
    const bool bothLayers = v.twoLayers && c == 0;

    // A layer without a product has nothing to calculate with, whichever
    // source it takes the product from.
    if (!v.layer1.HasProduct()) {
        platform::prompter().Tell(LoadString(chooseProduct));
        layer1_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (v.layer1.Product()->maxTemperature < v.mediumTemp && !askWarning(mediumAboveMax))
        return false;
    if (!bothLayers) {
        if (!v.layer1.UsesUserProduct() && v.layer1.Product()->maxTemperature < v.ambientTemp &&
            !askWarning(ambientAboveMax))
            return false;
    } else {
        if (!v.layer2.HasProduct()) {
            platform::prompter().Tell(LoadString(chooseProduct));
            layer2_->setFocus(Qt::OtherFocusReason);
            return false;
        }
        if (v.layer2.Product()->maxTemperature < v.ambientTemp && !askWarning(ambientAboveMax))
            return false;
    }

    switch (k) {
    case 0:
        if (!CheckRange(v.ownDimension ? static_cast<QWidget*>(pipeDiameter_) : dimension_, diameterName,
                        v.pipeOuterDiameter, 1.0f, 1500.0f))
            return false;
        break;
    case 1:
        if (!CheckRange(diameter_, diameterName, v.diameter, 1.0f, 3000.0f))
            return false;
        break;
    case 2:
    case 3:
        if (!CheckRange(height_, heightName, v.height, 1.0f, 5000.0f) ||
            !CheckRange(width_, widthName, v.width, 1.0f, 5000.0f))
            return false;
        if (k == 3) {
            float t = v.layer1.Thickness();
            if (bothLayers)
                t += v.layer2.Thickness();
            if (v.width <= 2 * t || 2 * t >= v.height) {
                platform::prompter().Tell(LoadString(tooThickInside));
                width_->setFocus(Qt::OtherFocusReason);
                return false;
            }
        }
        break;
    default:
        break;
    }

    if (isFlat(k)) {
        if (!CheckNamed(area_, "ytstorleken", v.area, 0.1f, 1000.0f))
            return false;
    } else if (c == 0 && !CheckNamed(length_, "rörlängden", v.length, 0.1f, 1000.0f)) {
        return false;
    }

    if (!CheckRange(emissivity_, emissivityName, v.typedEmissivity, 0.0f, 1.0f))
        return false;
    if (v.energyCalc && !CheckNamed(price_, "energiprisen", v.energyPrice, 0.01f, 200.0f))
        return false;
    if ((v.energyCalc || c == 4) && (!CheckNamed(hours_, "driftstiden", v.operatingHours, 1.0f, 8760.0f) ||
                                     !CheckNamed(spillFactor_, "Spillfaktor", v.spillFactor, 0.0f, 1.0f)))
        return false;

    if (v.surroundings == 1 && !CheckRange(windSpeed_, windName, v.windSpeed, 0.1f, 50.0f))
        return false;
    if (v.surroundings == 2 && !CheckRange(coefficient_, coefficientName, v.givenCoefficient, 0.1f, 10000.0f))
        return false;

    if (c == 1) {
        const float low = std::min(v.mediumTemp, v.ambientTemp) + 0.1f;
        const float high = std::max(v.mediumTemp, v.ambientTemp) - 0.1f;
        if (!CheckNamed(surfaceTemp_, "yttemperaturen", v.givenSurfaceTemp, low, high))
            return false;
    } else if (c == 2) {
        const bool warmer = v.mediumTemp >= v.ambientTemp;
        if (!CheckNamed(heatLoss_, "värmeförlusten", v.givenHeatLoss, warmer ? 1.0f : -500.0f,
                        warmer ? 500.0f : -1.0f))
            return false;
    }

    if (std::fabs(v.mediumTemp - v.ambientTemp) < 0.1f) {
        platform::prompter().Tell(LoadString(differenceTooSmall));
        mediumTemp_->setFocus(Qt::OtherFocusReason);
        return false;
    }

    if (v.surroundings != 2 && !v.emissivityTyped && !v.outerCladding) {
        platform::prompter().Tell(LoadString(chooseCladding));
        cladding_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

bool EditHeatLoss(CItem& item, QWidget* parent)
{
    auto* module = dynamic_cast<CVarmeTapModul*>(&item);
    if (!module)
        return false;
    CVarmetapDlg dialog(CVarmetapDlg::ValuesOf(*module), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    CVarmetapDlg::TakeValues(*module, dialog.Result());
    module->Calculate();
    return true;
}
