#include "CKanalTempDlg.h"

#include "ModuleEditor.h"
#include "CSegmentDlg.h"
#include "QtPictures.h"
#include "QtText.h"
#include "database/CDataBase.h"
#include "database/CVeske.h"
#include "doc/StringTable.h"
#include "modules/CKanalTempModul.h"
#include "platform/Services.h"
#include "report/CHeader.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
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
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

namespace f = flowFields;

constexpr int tooManyId = 63032;
constexpr int allDeletedId = 63033;
constexpr int pictureSize = 160;

bool ask(const std::string& text)
{
    return platform::prompter().Ask(text, platform::Buttons::OkCancel, platform::Icon::Exclamation) ==
           platform::Answer::Ok;
}

} // namespace

CKanalTempDlg::Values CKanalTempDlg::ValuesOf(const CKanalTempModul& m)
{
    Values v;
    static_cast<FlowInput&>(v) = m;
    v.medium = m.Medium();
    CopyList(v.sections, m.sections);
    return v;
}

void CKanalTempDlg::TakeValues(CKanalTempModul& m, Values& v)
{
    static_cast<FlowInput&>(m) = v;
    m.SetMedium(v.medium);
    TakeList(m.sections, v.sections, false);
}

CKanalTempDlg::CKanalTempDlg(Values values, QWidget* parent)
    : CFieldDlg("::/html/kanal.htm", parent), values_(std::move(values)), rows_(this, f::all, values_),
      energy_(rows_[f::operatingHours], rows_[f::energyPrice]), liquids_(this, "medium")
{
    setWindowTitle(QString::fromUtf8("Temperaturändring i strömmande medie"));
    shownRunType_ = std::clamp(values_.runType, 0, 3);

    auto* inletRow = new QGridLayout;
    rows_[f::inletTemperature].PlaceIn(inletRow, 0);
    inletRow->setColumnStretch(2, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(typeBox());
    left->addWidget(mediumBox());
    left->addLayout(inletRow);
    left->addWidget(optionsBox());
    left->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(sectionsBox(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    refreshSections(values_.sections.empty() ? -1 : 0);
    updateStates();
    rows_[f::inletTemperature].Edit()->setFocus();
}

CKanalTempDlg::~CKanalTempDlg() = default;

QGroupBox* CKanalTempDlg::typeBox()
{
    runTypes_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QStringLiteral("Typ"), this);
    auto* grid = new QGridLayout(box);
    const char* texts[4] = {"Rörledning", "Cirkulär kanal", "Rektangulär kanal", "Innvändig isolerad kanal"};
    for (int t = 0; t < 4; ++t)
        grid->addWidget(AddRadio(this, texts[t], ("runType" + std::to_string(t)).c_str(), runTypes_, t), t / 2,
                        t % 2);
    runTypes_->button(shownRunType_)->setChecked(true);
    connect(runTypes_, &QButtonGroup::idClicked, this, &CKanalTempDlg::onRunTypeChanged);
    return box;
}

QGroupBox* CKanalTempDlg::mediumBox()
{
    mediumSources_ = new QButtonGroup(this);
    mediumGroup_ = new QGroupBox(QString::fromUtf8("Medie (är alltid luft vid val av kanaler)"), this);
    auto* grid = new QGridLayout(mediumGroup_);
    grid->addWidget(AddRadio(this, "Välj medie från databasen :", "mediumSource0", mediumSources_, 0), 0, 0);
    grid->addWidget(liquids_.Box(), 0, 1, 1, 2);
    grid->addWidget(AddRadio(this, "Egendefinierat medie :", "mediumSource1", mediumSources_, 1), 1, 0);
    rows_[f::density].PlaceIn(grid, 2);
    rows_[f::heatCapacity].PlaceIn(grid, 3);
    rows_[f::freezingPoint].PlaceIn(grid, 4);
    mediumSources_->button(values_.mediumSource == 1 ? 1 : 0)->setChecked(true);
    liquids_.Fill(CDataBase::SystemItems<CVeske>(CDataBase::liquids),
                  values_.mediumSource == 1 ? nullptr : values_.medium);
    connect(mediumSources_, &QButtonGroup::idClicked, this, [this] { updateStates(); });
    connect(liquids_.Box(), &QComboBox::activated, this, &CKanalTempDlg::onLiquidChosen);
    return mediumGroup_;
}

QGroupBox* CKanalTempDlg::sectionsBox()
{
    auto* box = new QGroupBox(QStringLiteral("Sektioner"), this);
    auto* grid = new QGridLayout(box);
    sections_ = new QListWidget(this);
    sections_->setObjectName(QStringLiteral("sections"));
    sections_->setMinimumWidth(fontMetrics().averageCharWidth() * 28);
    QPushButton* add = AddPush(this, "Ny sektion...", "newSection");
    QPushButton* copy = AddPush(this, "Kopiera sektion...", "copySection");
    QPushButton* update = AddPush(this, "Uppdatera sektion...", "updateSection");
    QPushButton* remove = AddPush(this, "Ta bort sektion", "removeSection");
    description_ = new QLabel(this);
    description_->setObjectName(QStringLiteral("description"));
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setMinimumWidth(fontMetrics().averageCharWidth() * 34);
    description_->setMinimumHeight(fontMetrics().lineSpacing() * 10);
    description_->setWordWrap(true);
    pictureLabel_ = new QLabel(this);
    pictureLabel_->setObjectName(QStringLiteral("picture"));
    pictureLabel_->setFixedSize(pictureSize, pictureSize);
    pictureLabel_->setFrameShape(QFrame::Box);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {add, copy, update, remove})
        buttons->addWidget(b);
    buttons->addStretch();
    grid->addWidget(sections_, 0, 0, 2, 1);
    grid->addLayout(buttons, 0, 1);
    grid->addWidget(pictureLabel_, 0, 2, Qt::AlignTop);
    grid->addWidget(description_, 1, 1, 1, 2);
    grid->setRowStretch(1, 1);
    connect(add, &QPushButton::clicked, this, &CKanalTempDlg::OnNewSection);
    connect(copy, &QPushButton::clicked, this, &CKanalTempDlg::OnCopySection);
    connect(update, &QPushButton::clicked, this, &CKanalTempDlg::OnUpdateSection);
    connect(remove, &QPushButton::clicked, this, &CKanalTempDlg::OnRemoveSection);
    connect(sections_, &QListWidget::itemDoubleClicked, this, &CKanalTempDlg::OnUpdateSection);
    connect(sections_, &QListWidget::currentRowChanged, this, [this] { showSelected(); });
    return box;
}

QGroupBox* CKanalTempDlg::optionsBox()
{
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    energyCost_ = AddCheck(this, "Beräkna årlig energiförlust och kostnad", "energyCostEnabled",
                           values_.energyCostEnabled);
    grid->addWidget(energyCost_, 0, 0, 1, 3);
    energy_.PlaceIn(grid, 1);
    condensation_ = AddCheck(this, "Beräkna kondensrisk", "condensationCheck", values_.condensationCheck);
    grid->addWidget(condensation_, 3, 0, 1, 3);
    rows_[f::relativeHumidity].PlaceIn(grid, 4);
    humidityScroll_ = new QScrollBar(Qt::Horizontal, this);
    humidityScroll_->setObjectName(QStringLiteral("humidityScroll"));
    humidityScroll_->setRange(1, 99);
    humidityScroll_->setSingleStep(1);
    humidityScroll_->setPageStep(10);
    humidityScroll_->setValue(int(std::lround(std::clamp(values_.relativeHumidity, 1.0f, 99.0f))));
    grid->addWidget(humidityScroll_, 5, 0, 1, 3);

    // The scroll bar and the humidity field show the same number.
    QLineEdit* humidity = rows_[f::relativeHumidity].Edit();
    connect(humidityScroll_, &QScrollBar::valueChanged, this,
            [this](int value) { rows_[f::relativeHumidity].Show(FormatNumber("%.0f", float(value))); });
    connect(humidity, &QLineEdit::textEdited, this, [this](const QString& text) {
        float value = 0;
        if (ParseNumber(text, value) && value >= 1.0f && value <= 99.0f) {
            const QSignalBlocker quiet(humidityScroll_);
            humidityScroll_->setValue(int(std::lround(value)));
        }
    });
    for (QCheckBox* check : {energyCost_, condensation_})
        connect(check, &QCheckBox::toggled, this, [this] { updateStates(); });
    return box;
}

void CKanalTempDlg::onLiquidChosen()
{
    CVeske* liquid = liquids_.Chosen();
    if (!liquid)
        return;
    values_.medium = liquid;
    rows_[f::density].Show(FormatNumber("%.0f", liquid->density));
    rows_[f::heatCapacity].Show(FormatNumber("%.0f", liquid->specificHeatCapacity));
    rows_[f::freezingPoint].Show(FormatNumber("%.1f", liquid->freezingPoint));
}

void CKanalTempDlg::onRunTypeChanged(int type)
{
    const int from = shownRunType_;
    if (type == from)
        return;
    // Pipes carry a liquid and ducts air: the sections of one cannot stay
    // in the other. Among the ducts each section keeps its own type.
    const bool crossing = (from == 0) != (type == 0);
    if (crossing && !values_.sections.empty()) {
        if (!ask(LoadString(allDeletedId))) {
            runTypes_->button(from)->setChecked(true);
            return;
        }
        ClearList(values_.sections);
        values_.nextSectionNumber = 1;
        refreshSections(-1);
    }
    if (crossing) {
        const bool pipeline = type == 0;
        const QSignalBlocker quiet(liquids_.Box());
        liquids_.Fill(CDataBase::SystemItems<CVeske>(CDataBase::liquids),
                      pipeline && mediumSources_->checkedId() == 0 ? values_.medium : nullptr);
    }
    shownRunType_ = type;
    updateStates();
}

void CKanalTempDlg::updateStates()
{
    const bool pipeline = shownRunType_ == 0;
    const int source = mediumSources_->checkedId();
    mediumGroup_->setEnabled(pipeline);
    liquids_.Box()->setEnabled(pipeline && source == 0);
    for (const auto* field : {&f::density, &f::heatCapacity, &f::freezingPoint})
        rows_[*field].SetEnabled(pipeline && source == 1);

    const bool energy = energyCost_->isChecked();
    energy_.UpdateStates(energy, energy);

    condensation_->setEnabled(!pipeline);
    const bool humidity = !pipeline && condensation_->isChecked();
    rows_[f::relativeHumidity].SetEnabled(humidity);
    humidityScroll_->setEnabled(humidity);
}

int CKanalTempDlg::SelectedSection() const
{
    const int row = sections_->currentRow();
    return row >= 0 && row < int(values_.sections.size()) ? row : -1;
}

void CKanalTempDlg::refreshSections(int selected)
{
    const QSignalBlocker quiet(sections_);
    sections_->clear();
    for (const auto& section : values_.sections)
        sections_->addItem(ToQString(section->name));
    sections_->setCurrentRow(selected < int(values_.sections.size()) ? selected : -1);
    showSelected();
}

void CKanalTempDlg::showSelected()
{
    const int row = SelectedSection();
    if (row < 0) {
        description_->clear();
        pictureLabel_->clear();
        picture_ = {};
        return;
    }
    const CSegment& section = *values_.sections[std::size_t(row)];
    description_->setText(ToQString(section.Description()));
    picture_ = CHeader::PictureOf(section.Picture());
    pictureLabel_->setPixmap(QPixmap::fromImage(QtPictures::Image(picture_, QSize(pictureSize, pictureSize))));
}

bool CKanalTempDlg::roomForAnother()
{
    if (values_.sections.size() < FlowInput::maxSections)
        return true;
    platform::prompter().Tell(LoadString(tooManyId));
    return false;
}

std::vector<std::string> CKanalTempDlg::namesBut(const CSegment* section) const
{
    std::vector<std::string> names;
    for (const auto& other : values_.sections)
        if (other.get() != section)
            names.push_back(other->name);
    return names;
}

bool CKanalTempDlg::editSection(CSegment& section, const CSegment* self)
{
    CSegmentDlg dialog(CSegmentDlg::ValuesOf(section, namesBut(self)), this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    CSegmentDlg::TakeValues(section, dialog.Result());
    return true;
}

void CKanalTempDlg::OnNewSection()
{
    if (!roomForAnother())
        return;
    const int selected = SelectedSection();
    const CSegment* templ = selected >= 0 ? values_.sections[std::size_t(selected)].get() : nullptr;
    std::unique_ptr<CSegment> section = CSegment::CreateFromTemplate(templ, shownRunType_, values_.nextSectionNumber);
    if (!editSection(*section, nullptr))
        return;
    const int at = selected >= 0 ? selected + 1 : int(values_.sections.size());
    values_.sections.insert(values_.sections.begin() + at, std::move(section));
    ++values_.nextSectionNumber;
    refreshSections(at);
}

void CKanalTempDlg::OnCopySection()
{
    if (!roomForAnother())
        return;
    const int row = LineActedOn(sections_, values_.sections.size());
    if (row < 0)
        return;
    // The copy keeps the name, which the section dialog refuses until it is changed.
    std::unique_ptr<CSegment> copy = CloneItem(*values_.sections[std::size_t(row)]);
    if (!editSection(*copy, nullptr))
        return;
    values_.sections.push_back(std::move(copy));
    ++values_.nextSectionNumber;
    refreshSections(int(values_.sections.size()) - 1);
}

void CKanalTempDlg::OnUpdateSection()
{
    const int row = LineActedOn(sections_, values_.sections.size());
    if (row < 0)
        return;
    // Out of the list while it is edited, so that its own name is free; back
    // at its place whatever the answer.
    std::unique_ptr<CSegment> section = std::move(values_.sections[std::size_t(row)]);
    values_.sections.erase(values_.sections.begin() + row);
    editSection(*section, nullptr);
    values_.sections.insert(values_.sections.begin() + row, std::move(section));
    refreshSections(row);
}

void CKanalTempDlg::OnRemoveSection()
{
    const int row = LineActedOn(sections_, values_.sections.size());
    if (row < 0)
        return;
    if (!ConfirmRemoval(values_.sections[std::size_t(row)]->name))
        return;
    values_.sections.erase(values_.sections.begin() + row);
    refreshSections(std::min(row, int(values_.sections.size()) - 1));
}

bool CKanalTempDlg::Validate()
{
    if (!rows_.StoreAll())
        return false;
    Values& v = values_;
    v.runType = shownRunType_;
    v.mediumSource = mediumSources_->checkedId();
    if (v.IsPipeline() && v.mediumSource == 0)
        v.medium = liquids_.Chosen();
    v.energyCostEnabled = energyCost_->isChecked();
    v.condensationCheck = condensation_->isChecked();
    InputCheck check;
    return CheckFlowInput(v, v.medium, v.sections.size(), check) || RefuseCheck(this, check);
}

bool EditFlow(CItem& item, QWidget* parent)
{
    return EditModule<CKanalTempDlg, CKanalTempModul>(item, parent);
}
