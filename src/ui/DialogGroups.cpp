#include "DialogGroups.h"

#include "CIsolasjonDlg.h"
#include "CKlimaDlg.h"
#include "CTilleggsutstyrDlg.h"
#include "FieldRows.h"
#include "QtText.h"
#include "database/CDataBase.h"
#include "database/CKlima.h"
#include "database/CKlimasted.h"
#include "database/CMantling.h"
#include "database/CRordimensjon.h"
#include "database/CRormaterial.h"
#include "doc/StringTable.h"
#include "modules/CIsolasjon.h"
#include "modules/CTilleggsutstyr.h"
#include "platform/Services.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

QRadioButton* AddRadio(QWidget* parent, const char* text, const char* name, QButtonGroup* group, int id)
{
    auto* button = new QRadioButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromUtf8(name));
    group->addButton(button, id);
    return button;
}

QCheckBox* AddCheck(QWidget* parent, const char* text, const char* name, bool checked)
{
    auto* box = new QCheckBox(QString::fromUtf8(text), parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setChecked(checked);
    return box;
}

QComboBox* AddChoice(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setMinimumContentsLength(18);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

QPushButton* AddPush(QWidget* parent, const char* text, const char* name)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    return button;
}

int CurrentLine(const QComboBox* box)
{
    return box->currentIndex();
}

void FillNames(QComboBox* box, const std::vector<std::string>& names, int current)
{
    box->clear();
    for (const std::string& name : names)
        box->addItem(ToQString(name));
    box->setCurrentIndex(current);
}

SurroundingsGroup::SurroundingsGroup(QWidget* dialog, Surroundings& surroundings, NumberRow& windSpeed,
                                     NumberRow& coefficient, NumberRow& ambientTemp, std::function<void()> changed)
    : surroundings_(surroundings), windSpeed_(windSpeed), coefficient_(coefficient), ambientTemp_(ambientTemp),
      box_(new QGroupBox(QStringLiteral("Omgivning"), dialog)), buttons_(new QButtonGroup(dialog))
{
    auto* grid = new QGridLayout(box_);
    grid->addWidget(AddRadio(dialog, "Inomhus (egenkonvektion)", "surroundings0", buttons_, 0), 0, 0, 1, 3);
    grid->addWidget(AddRadio(dialog, "Ute (påtvingad konvektion)", "surroundings1", buttons_, 1), 1, 0, 1, 3);
    windSpeed_.PlaceIn(grid, 2);
    climate_ = AddPush(dialog, "Ortsdata...", "climate");
    grid->addWidget(climate_, 2, 2);
    grid->addWidget(AddRadio(dialog, "Givet utv. värmeövergångstal", "surroundings2", buttons_, 2), 3, 0, 1, 3);
    coefficient_.PlaceIn(grid, 4);
    buttons_->button(int(surroundings))->setChecked(true);
    QObject::connect(buttons_, &QButtonGroup::idClicked, box_, [changed] { changed(); });
    QObject::connect(climate_, &QPushButton::clicked, box_, [this] { OnClimate(); });
}

void SurroundingsGroup::PlaceAmbientRow()
{
    ambientTemp_.PlaceIn(static_cast<QGridLayout*>(box_->layout()), 5);
}

Surroundings SurroundingsGroup::Chosen() const
{
    return Surroundings(buttons_->checkedId());
}

void SurroundingsGroup::UpdateStates()
{
    const Surroundings s = Chosen();
    windSpeed_.SetEnabled(s == Surroundings::Outdoors);
    climate_->setEnabled(s == Surroundings::Outdoors && ClimateLocations() != nullptr);
    coefficient_.SetEnabled(s == Surroundings::GivenCoefficient);
}

void SurroundingsGroup::Store()
{
    surroundings_ = Chosen();
}

void SurroundingsGroup::OnClimate()
{
    CKlima* climate = ClimateLocations();
    if (!climate || !climate->Edit() || !climate->selected)
        return;
    ambientTemp_.Show(FormatNumber("%.1f", climate->selected->annualMeanTemperature));
    windSpeed_.Show(FormatNumber("%.1f", climate->selected->annualMeanWindSpeed));
}

CladdingGroup::CladdingGroup(QWidget* dialog, bool& emissivityTyped, CMantling*& outer, NumberRow& emissivity,
                             std::function<void()> changed, const CladdingTexts& texts)
    : dialog_(dialog), typed_(emissivityTyped), outer_(outer), emissivity_(emissivity),
      box_(new QGroupBox(QString::fromUtf8(texts.caption), dialog)), grid_(new QGridLayout(box_)),
      choice_(new QButtonGroup(dialog)), cladding_(dialog, "cladding")
{
    grid_->addWidget(AddRadio(dialog, texts.fromDatabase, "fromDatabase", choice_, 0), 0, 0);
    grid_->addWidget(cladding_.Box(), 0, 1);
    if (texts.emissivityLabel) {
        grid_->addWidget(AddRadio(dialog, texts.typed, "emissivityTyped", choice_, 1), 1, 0, 1, 2);
        emissivity_.Label()->setText(QString::fromUtf8(texts.emissivityLabel));
        emissivity_.PlaceIn(grid_, 2);
    } else {
        // The radio button is the emissivity's label.
        grid_->addWidget(AddRadio(dialog, texts.typed, "emissivityTyped", choice_, 1), 1, 0);
        emissivity_.Label()->hide();
        grid_->addWidget(emissivity_.Edit(), 1, 1);
    }
    choice_->button(emissivityTyped ? 1 : 0)->setChecked(true);
    fillOuter();
    QObject::connect(choice_, &QButtonGroup::idClicked, box_, [changed] { changed(); });
    QObject::connect(cladding_.Box(), &QComboBox::activated, box_, [this] {
        if (CMantling* cladding = cladding_.Chosen())
            emissivity_.Show(FormatNumber("%.2f", cladding->emissivity));
    });
}

void CladdingGroup::AddInner(bool& used, CMantling*& inner)
{
    innerUsed_ = &used;
    inner_ = &inner;
    innerUsedBox_ = AddCheck(dialog_, "Invändig ytbeklädnad", "innerCladdingUsed", used);
    innerCladding_ = std::make_unique<ItemChoice<CMantling>>(dialog_, "innerCladding");
    innerCladding_->Fill(CDataBase::SystemItems<CMantling>(CDataBase::innerCladdings), inner);
    const int row = grid_->rowCount();
    grid_->addWidget(innerUsedBox_, row, 0);
    grid_->addWidget(innerCladding_->Box(), row, 1);
    QObject::connect(innerUsedBox_, &QCheckBox::toggled, box_, [this](bool on) {
        innerCladding_->Box()->setEnabled(on && innerUsedBox_->isEnabled());
    });
}

void CladdingGroup::fillOuter()
{
    // The cladding chosen when the dialog opened stays chosen while its list
    // is shown; the other list holds none of its surfaces.
    const int list = insideList_ ? CDataBase::insideOuterSurfaces : CDataBase::outerCladdings;
    cladding_.Fill(CDataBase::SystemItems<CMantling>(list), outer_);
}

void CladdingGroup::SetInsideList(bool inside)
{
    if (inside == insideList_)
        return;
    insideList_ = inside;
    fillOuter();
}

void CladdingGroup::UpdateStates(bool insideInsulated)
{
    const bool typed = choice_->checkedId() == 1;
    cladding_.Box()->setEnabled(!typed);
    emissivity_.Edit()->setEnabled(typed);
    if (innerUsedBox_) {
        innerUsedBox_->setEnabled(insideInsulated);
        innerCladding_->Box()->setEnabled(insideInsulated && innerUsedBox_->isChecked());
    }
}

void CladdingGroup::Store()
{
    typed_ = choice_->checkedId() == 1;
    outer_ = cladding_.Chosen();
    if (innerUsedBox_) {
        *innerUsed_ = innerUsedBox_->isChecked();
        *inner_ = innerCladding_->Chosen();
    }
}

PipeGroup::PipeGroup(QWidget* dialog, CRormaterial*& material, const CRordimensjon*& dimension, bool& ownDimension,
                     NumberRow& outerDiameter, NumberRow& wall, NumberRow& bareEmissivity,
                     std::function<void()> changed)
    : dialog_(dialog), material_(material), dimension_(dimension), ownDimension_(ownDimension),
      outerDiameter_(outerDiameter), wall_(wall), bareEmissivity_(bareEmissivity),
      materialBox_(dialog, "pipeMaterial"), dimensionBox_(dialog, "pipeDimension"),
      ownBox_(AddCheck(dialog, "Egendef. rördimension:", "ownDimension", ownDimension)),
      materialLabel_(new QLabel(QStringLiteral("Rörmaterial:"), dialog)),
      dimensionLabel_(new QLabel(QString::fromUtf8("Rördimension:"), dialog))
{
    materialLabel_->setBuddy(materialBox_.Box());
    dimensionLabel_->setBuddy(dimensionBox_.Box());
    materialBox_.Fill(CDataBase::SystemItems<CRormaterial>(CDataBase::pipeMaterials), material);
    fillDimensions();
    QObject::connect(materialBox_.Box(), &QComboBox::activated, dialog, [this] { onMaterialChosen(); });
    QObject::connect(dimensionBox_.Box(), &QComboBox::activated, dialog, [this] { onDimensionChosen(); });
    QObject::connect(ownBox_, &QCheckBox::toggled, dialog, [changed] { changed(); });
}

void PipeGroup::PlaceIn(QGridLayout* grid, int row)
{
    grid->addWidget(materialLabel_, row, 0);
    grid->addWidget(materialBox_.Box(), row, 1);
    grid->addWidget(dimensionLabel_, row + 1, 0);
    grid->addWidget(dimensionBox_.Box(), row + 1, 1);
    grid->addWidget(ownBox_, row + 2, 0, 1, 2);
    outerDiameter_.PlaceIn(grid, row + 3);
    wall_.PlaceIn(grid, row + 4);
}

void PipeGroup::fillDimensions()
{
    std::vector<CRordimensjon*> dimensions;
    if (CRormaterial* material = materialBox_.Chosen())
        for (const auto& dimension : material->dimensions)
            dimensions.push_back(dimension.get());
    dimensionBox_.Fill(std::move(dimensions), dimension_);
}

void PipeGroup::onMaterialChosen()
{
    if (CRormaterial* material = materialBox_.Chosen())
        bareEmissivity_.Show(FormatNumber("%.2f", material->emissivity));
    fillDimensions();
    if (dimensionBox_.Box()->count() > 0) {
        dimensionBox_.Box()->setCurrentIndex(0);
        onDimensionChosen();
    }
}

void PipeGroup::onDimensionChosen()
{
    if (const CRordimensjon* dimension = dimensionBox_.Chosen()) {
        outerDiameter_.Show(FormatNumber("%.1f", dimension->outerDiameter));
        wall_.Show(FormatNumber("%.1f", dimension->wallThickness));
    }
}

void PipeGroup::UpdateStates(bool isPipe)
{
    const bool own = ownBox_->isChecked();
    materialBox_.Box()->setEnabled(isPipe);
    materialLabel_->setEnabled(isPipe);
    ownBox_->setEnabled(isPipe);
    dimensionBox_.Box()->setEnabled(isPipe && !own);
    dimensionLabel_->setEnabled(isPipe && !own);
    outerDiameter_.SetEnabled(isPipe && own);
    wall_.SetEnabled(isPipe && own);
}

void PipeGroup::Store()
{
    material_ = materialBox_.Chosen();
    dimension_ = dimensionBox_.Chosen();
    ownDimension_ = ownBox_->isChecked();
}

LayersGroup::LayersGroup(QWidget* dialog, CIsolasjon& layer1, std::function<void()> changed)
    : dialog_(dialog), layer1_(layer1), changed_(std::move(changed)),
      box_(new QGroupBox(QStringLiteral("Isolering"), dialog)), grid_(new QGridLayout(box_))
{
    auto summary = [dialog](const char* name) {
        auto* label = new QLabel(dialog);
        label->setObjectName(QString::fromUtf8(name));
        label->setMinimumWidth(dialog->fontMetrics().averageCharWidth() * 26);
        label->setMinimumHeight(dialog->fontMetrics().lineSpacing() * 3);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    layer1Button_ = AddPush(dialog, "Isolering lag 1", "layer1");
    summary1_ = summary("layer1Summary");
    grid_->addWidget(layer1Button_, 1, 0, Qt::AlignTop);
    grid_->addWidget(summary1_, 1, 1);
    QObject::connect(layer1Button_, &QPushButton::clicked, box_, [this] { OnLayer(1); });
    // The second layer's controls are made here so that the summaries can be
    // made the same way; a dialog without a second layer leaves them out.
    layer2Button_ = AddPush(dialog, "Isolering lag 2", "layer2");
    summary2_ = summary("layer2Summary");
    layer2Button_->hide();
    summary2_->hide();
}

void LayersGroup::AddSecondLayer(CIsolasjon& layer2, bool& twoLayers)
{
    layer2_ = &layer2;
    twoLayers_ = &twoLayers;
    twoLayersBox_ = AddCheck(dialog_, "2-lags isolering", "twoLayers", twoLayers);
    grid_->addWidget(twoLayersBox_, 0, 0, 1, 2);
    grid_->addWidget(layer2Button_, 2, 0, Qt::AlignTop);
    grid_->addWidget(summary2_, 2, 1);
    layer2Button_->show();
    summary2_->show();
    QObject::connect(twoLayersBox_, &QCheckBox::toggled, box_, [this] { changed_(); });
    QObject::connect(layer2Button_, &QPushButton::clicked, box_, [this] { OnLayer(2); });
}

void LayersGroup::SetFirstButtonText(const QString& text)
{
    layer1Button_->setText(text);
}

bool LayersGroup::TwoLayersChecked() const
{
    return twoLayersBox_ && twoLayersBox_->isChecked();
}

void LayersGroup::SetObjectKind(int kind)
{
    layer1_.objectKind = kind;
    if (layer2_)
        layer2_->objectKind = kind;
}

void LayersGroup::UpdateStates(bool twoLayersOffered, bool withThickness)
{
    withThickness_ = withThickness;
    if (twoLayersBox_) {
        twoLayersBox_->setEnabled(twoLayersOffered);
        const bool second = twoLayersOffered && twoLayersBox_->isChecked();
        layer2Button_->setEnabled(second);
        summary2_->setEnabled(second);
        summary2_->setText(ToQString(layer2_->Summary(withThickness)));
    }
    summary1_->setText(ToQString(layer1_.Summary(withThickness)));
}

void LayersGroup::Store()
{
    if (twoLayers_)
        *twoLayers_ = twoLayersBox_->isChecked();
}

void LayersGroup::OnLayer(int layer)
{
    CIsolasjon* edited = layer == 2 ? layer2_ : &layer1_;
    if (!edited || !EditInsulationLayer(*edited, dialog_))
        return;
    changed_();
}

EnergyGroup::EnergyGroup(NumberRow& hours, NumberRow& price, NumberRow& co2)
    : hours_(hours), price_(price), co2_(&co2)
{
}

EnergyGroup::EnergyGroup(NumberRow& hours, NumberRow& price) : hours_(hours), price_(price) {}

void EnergyGroup::PlaceIn(QGridLayout* grid, int row)
{
    hours_.PlaceIn(grid, row);
    price_.PlaceIn(grid, row + 1);
    if (co2_)
        co2_->PlaceIn(grid, row + 2);
}

void EnergyGroup::UpdateStates(bool hoursUsed, bool costUsed)
{
    hours_.SetEnabled(hoursUsed);
    price_.SetEnabled(costUsed);
    if (co2_)
        co2_->SetEnabled(costUsed);
}

int LineActedOn(QListWidget* list, std::size_t count)
{
    constexpr int emptyListId = 341;
    if (count == 0) {
        platform::prompter().Tell(LoadString(emptyListId));
        return -1;
    }
    // The lines stand in the entries' order, so the row names the entry.
    int row = list->currentRow();
    if (row < 0 || row >= int(count)) {
        row = 0;
        list->setCurrentRow(0);
    }
    return row;
}

bool ConfirmRemoval(const std::string& name)
{
    constexpr int removeQuestionId = 61208;
    return platform::prompter().Ask(FormatPositional(LoadString(removeQuestionId), {name}),
                                    platform::Buttons::OkCancel, platform::Icon::Exclamation)
        == platform::Answer::Ok;
}

FittingsGroup::FittingsGroup(QWidget* dialog, const char* checkText, const char* checkName, bool used,
                             ItemList<CTilleggsutstyr>& fittings, NewGoes newGoes)
    : dialog_(dialog), fittings_(fittings), newGoes_(newGoes)
{
    check_ = AddCheck(dialog, checkText, checkName, used);
    list_ = new QListWidget(dialog);
    list_->setObjectName(QStringLiteral("fittings"));
    list_->setMaximumHeight(dialog->fontMetrics().lineSpacing() * 5);
    for (const auto& fitting : fittings_)
        list_->addItem(ToQString(fitting->name));
    new_ = AddPush(dialog, "Ny tilläggsarmatur...", "newFitting");
    update_ = AddPush(dialog, "Uppdatera tilläggsarmatur...", "updateFitting");
    remove_ = AddPush(dialog, "Ta bort tilläggsarmatur...", "removeFitting");
    QObject::connect(new_, &QPushButton::clicked, dialog, [this] { onNew(); });
    QObject::connect(update_, &QPushButton::clicked, dialog, [this] { onUpdate(); });
    QObject::connect(remove_, &QPushButton::clicked, dialog, [this] { onRemove(); });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, dialog, [this] { onUpdate(); });
}

bool FittingsGroup::Used() const
{
    return check_->isChecked();
}

void FittingsGroup::PlaceIn(QGridLayout* grid, int row)
{
    grid->addWidget(check_, row, 0, 1, 2);
    grid->addWidget(list_, row + 1, 0, 3, 1);
    grid->addWidget(new_, row + 1, 1);
    grid->addWidget(update_, row + 2, 1);
    grid->addWidget(remove_, row + 3, 1);
}

void FittingsGroup::UpdateStates(bool possible)
{
    check_->setEnabled(possible);
    const bool listed = possible && check_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{list_, new_, update_, remove_})
        w->setEnabled(listed);
}

void FittingsGroup::onNew()
{
    auto fitting = std::make_unique<CTilleggsutstyr>();
    if (!EditFitting(*fitting, dialog_))
        return;
    const int count = int(fittings_.size());
    const int selected = list_->currentRow();
    const int at = newGoes_ == NewGoes::AfterSelected && selected >= 0 && selected < count ? selected + 1 : count;
    list_->insertItem(at, ToQString(fitting->name));
    fittings_.insert(fittings_.begin() + at, std::move(fitting));
    list_->setCurrentRow(at);
}

void FittingsGroup::onUpdate()
{
    const int row = LineActedOn(list_, fittings_.size());
    if (row < 0)
        return;
    CTilleggsutstyr& fitting = *fittings_[std::size_t(row)];
    if (EditFitting(fitting, dialog_))
        list_->item(row)->setText(ToQString(fitting.name));
}

void FittingsGroup::onRemove()
{
    const int row = LineActedOn(list_, fittings_.size());
    if (row < 0 || !ConfirmRemoval(fittings_[std::size_t(row)]->name))
        return;
    delete list_->takeItem(row);
    fittings_.erase(fittings_.begin() + row);
}

QGroupBox* OrientationBox(QWidget* dialog, QButtonGroup*& group, int orientation, std::function<void()> changed)
{
    group = new QButtonGroup(dialog);
    auto* box = new QGroupBox(QStringLiteral("Orientering"), dialog);
    auto* row = new QHBoxLayout(box);
    row->addWidget(AddRadio(dialog, "Horisontal", "horizontal", group, 0));
    row->addWidget(AddRadio(dialog, "Vertikal", "vertical", group, 1));
    group->button(orientation == 1 ? 1 : 0)->setChecked(true);
    QObject::connect(group, &QButtonGroup::idClicked, dialog, std::move(changed));
    return box;
}
