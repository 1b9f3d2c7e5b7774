#include "CSegmentDlg.h"

#include "QtText.h"
#include "database/CDataBase.h"
#include "database/CEgendefDatabase.h"
#include "doc/StringTable.h"
#include "modules/CSegment.h"
#include "platform/Services.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

namespace f = sectionFields;

constexpr int flowLabels[3] = {61220, 61218, 61219}; // m³/h, l/s, m/s

QComboBox* comboBox(QWidget* parent, const char* name, bool editable)
{
    QComboBox* box = AddChoice(parent, name);
    if (editable) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMinimumContentsLength(8);
    }
    return box;
}

void setText(QWidget* dialog, const char* name, const char* text)
{
    if (auto* button = dialog->findChild<QAbstractButton*>(QString::fromUtf8(name)))
        button->setText(QString::fromUtf8(text));
}

} // namespace

CSegmentDlg::Values CSegmentDlg::ValuesOf(const CSegment& s, std::vector<std::string> otherNames)
{
    Values v;
    static_cast<SectionInput&>(v) = s;
    v.name = s.name;
    v.product = s.Product();
    v.userProduct = s.UserProduct();
    v.layer2Product = s.Layer2Product();
    v.layer2UserProduct = s.Layer2UserProduct();
    v.cladding = s.Cladding();
    v.innerCladding = s.InnerCladding();
    v.pipeMaterial = s.Pipe().Material();
    v.pipeDimension = s.Pipe().CatalogueDimension();
    CopyList(v.fittings, s.fittings);
    v.otherNames = std::move(otherNames);
    return v;
}

void CSegmentDlg::TakeValues(CSegment& s, Values& v)
{
    static_cast<SectionInput&>(s) = v;
    s.name = v.name;
    s.SetProduct(v.product);
    s.SetUserProduct(v.userProduct);
    s.SetLayer2Product(v.layer2Product);
    s.SetLayer2UserProduct(v.layer2UserProduct);
    s.SetCladding(v.cladding);
    s.SetInnerCladding(v.innerCladding);
    TakeList(s.fittings, v.fittings, true);
    s.Pipe().SetMaterial(v.pipeMaterial, false);
    if (v.pipeDimension && !v.ownPipeDimension)
        s.Pipe().SetDimension(*v.pipeDimension);
}

CSegmentDlg::CSegmentDlg(Values values, QWidget* parent)
    : CFieldDlg("::/html/segment.htm", parent), values_(std::move(values)), rows_(this, f::all, values_),
      surroundings_(this, values_.surroundings, rows_[f::windSpeed], rows_[f::outerCoefficient],
                    rows_[f::ambientTemperature], [this] { updateStates(); }),
      cladding_(this, values_.ownEmissivity, values_.cladding, rows_[f::emissivity], [this] { updateStates(); }),
      pipe_(this, values_.pipeMaterial, values_.pipeDimension, values_.ownPipeDimension, rows_[f::pipeDiameter],
            rows_[f::wallThickness], rows_[f::bareEmissivity], [this] { updateStates(); })
{
    setWindowTitle(QStringLiteral("Rör/Kanal sektion"));
    shownSource_ = std::clamp(values_.insulationSource, 0, 2);
    shownFlowUnit_ = std::clamp(int(values_.flowUnit), 0, 2);
    cladding_.SetInsideList(values_.InsideInsulated() || shownSource_ == 2);
    cladding_.AddInner(values_.innerCladdingEnabled, values_.innerCladding);
    // The shared groups' choices in this dialog's words; the given
    // coefficient's radio button is its field's label.
    setText(this, "fromDatabase", "Val från databasen:");
    setText(this, "emissivityTyped", "Egendefinierad emissivitet:");
    setText(this, "surroundings2", "Utv. värmeöverg.tal [W/m²K]:");
    rows_[f::outerCoefficient].Label()->hide();

    name_ = new QLineEdit(ToQString(values_.name), this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(CSegment::nameLimit);
    auto* nameRow = new QHBoxLayout;
    auto* nameLabel = new QLabel(QStringLiteral("Namn:"), this);
    nameLabel->setBuddy(name_);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(name_, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(insulationBox());
    left->addWidget(layer2Box());
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(flowBox());
    middle->addWidget(sizeBox());
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(surroundingsBox());
    right->addWidget(cladding_.Box());
    right->addWidget(fittingsBox());
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addLayout(columns);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    rows_[f::flow].Show(FlowText(values_.flow));
    updateStates();
    name_->setFocus();
}

CSegmentDlg::~CSegmentDlg() = default;

CSegmentDlg::ProductRow CSegmentDlg::productRow(const char* productName, const char* thicknessName, bool user,
                                                const CIsoProdukt* chosen, float thickness)
{
    ProductRow row;
    row.products = comboBox(this, productName, false);
    row.products->setMinimumContentsLength(26);
    row.thickness = comboBox(this, thicknessName, true);
    fillProducts(row, user, chosen);
    fillThicknesses(row);
    row.thickness->setEditText(FormatNumber("%.1f", thickness));
    return row;
}

void CSegmentDlg::fillProducts(ProductRow& row, bool user, const CIsoProdukt* chosen)
{
    // Only the products meant for the section's object.
    const int kind = values_.sectionType;
    row.items.clear();
    if (user) {
        for (const auto& product : CEgendefDatabase::SystemProducts())
            if (product->IsUsableFor(kind))
                row.items.push_back(product.get());
    } else {
        for (CIsoProdukt* product : CDataBase::SystemItems<CIsoProdukt>(CDataBase::insulationProducts))
            if (product->IsUsableFor(kind))
                row.items.push_back(product);
    }
    std::vector<std::string> names;
    int current = -1;
    for (std::size_t i = 0; i < row.items.size(); ++i) {
        names.push_back(row.items[i]->name);
        if (row.items[i] == chosen)
            current = int(i);
    }
    const QSignalBlocker quiet(row.products);
    FillNames(row.products, names, current);
}

void CSegmentDlg::fillThicknesses(ProductRow& row)
{
    // The typed thickness stays when the product changes.
    const QString typed = row.thickness->currentText();
    const QSignalBlocker quiet(row.thickness);
    row.thickness->clear();
    if (const CIsoProdukt* product = chosenProduct(row))
        for (const auto& thickness : product->thicknesses)
            row.thickness->addItem(FormatNumber("%.1f", thickness->thickness));
    row.thickness->setCurrentIndex(-1);
    row.thickness->setEditText(typed);
}

CIsoProdukt* CSegmentDlg::chosenProduct(const ProductRow& row)
{
    const int i = row.products->currentIndex();
    return i >= 0 && i < int(row.items.size()) ? row.items[std::size_t(i)] : nullptr;
}

QWidget* CSegmentDlg::insulationBox()
{
    sources_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QStringLiteral("Isolering"), this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(AddRadio(this, "Norlam produkt", "source0", sources_, 0));
    layout->addWidget(AddRadio(this, "Annan produkt (egendefinierad)", "source1", sources_, 1));
    layout->addWidget(AddRadio(this, "Oisolerad sektion", "source2", sources_, 2));
    sources_->button(shownSource_)->setChecked(true);

    catalogue_ = productRow("product", "thickness", false, values_.product, values_.thickness);
    auto* catalogueBox = new QGroupBox(QStringLiteral("Norlam produkt"), this);
    auto* catalogueGrid = new QGridLayout(catalogueBox);
    catalogueGrid->addWidget(catalogue_.products, 0, 0, 1, 2);
    AddRow(catalogueGrid, 1, "Isolertjocklek [mm]:", catalogue_.thickness);
    catalogueGroup_ = catalogueBox;

    user_ = productRow("userProduct", "userThickness", true, values_.userProduct, values_.userThickness);
    editProducts_ = AddPush(this, "Redigera produkter...", "editProducts");
    auto* userBox = new QGroupBox(QStringLiteral("Annan produkt"), this);
    auto* userGrid = new QGridLayout(userBox);
    userGrid->addWidget(user_.products, 0, 0, 1, 2);
    AddRow(userGrid, 1, "Isolertjocklek [mm]:", user_.thickness);
    userGrid->addWidget(editProducts_, 2, 1, Qt::AlignLeft);
    userGroup_ = userBox;

    layout->addWidget(catalogueBox);
    layout->addWidget(userBox);
    connect(sources_, &QButtonGroup::idClicked, this, &CSegmentDlg::onSourceChanged);
    connect(catalogue_.products, &QComboBox::currentIndexChanged, this, [this] { fillThicknesses(catalogue_); });
    connect(user_.products, &QComboBox::currentIndexChanged, this, [this] { fillThicknesses(user_); });
    connect(editProducts_, &QPushButton::clicked, this, &CSegmentDlg::OnEditProducts);
    return box;
}

QWidget* CSegmentDlg::layer2Box()
{
    layer2Sources_ = new QButtonGroup(this);
    twoLayers_ = AddCheck(this, "2-lags isolering", "twoLayers", values_.twoLayers);
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(twoLayers_, 0, 0, 1, 2);
    catalogue2_ = productRow("layer2Product", "layer2Thickness", false, values_.layer2Product, values_.layer2Thickness);
    user2_ = productRow("layer2UserProduct", "layer2UserThickness", true, values_.layer2UserProduct,
                        values_.layer2UserThickness);
    editProducts2_ = AddPush(this, "Redigera produkter...", "editProducts2");
    grid->addWidget(AddRadio(this, "Norlam produkt:", "layer2Source0", layer2Sources_, 0), 1, 0, 1, 2);
    grid->addWidget(catalogue2_.products, 2, 0, 1, 2);
    AddRow(grid, 3, "Isolertjocklek [mm]:", catalogue2_.thickness);
    grid->addWidget(AddRadio(this, "Annan produkt:", "layer2Source1", layer2Sources_, 1), 4, 0, 1, 2);
    grid->addWidget(user2_.products, 5, 0, 1, 2);
    AddRow(grid, 6, "Isolertjocklek [mm]:", user2_.thickness);
    grid->addWidget(editProducts2_, 7, 1, Qt::AlignLeft);
    layer2Sources_->button(values_.layer2Source == 1 ? 1 : 0)->setChecked(true);
    connect(twoLayers_, &QCheckBox::toggled, this, [this] { updateStates(); });
    connect(layer2Sources_, &QButtonGroup::idClicked, this, [this] { updateStates(); });
    connect(catalogue2_.products, &QComboBox::currentIndexChanged, this, [this] { fillThicknesses(catalogue2_); });
    connect(user2_.products, &QComboBox::currentIndexChanged, this, [this] { fillThicknesses(user2_); });
    connect(editProducts2_, &QPushButton::clicked, this, &CSegmentDlg::OnEditProducts);
    return box;
}

QWidget* CSegmentDlg::flowBox()
{
    flowUnits_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QString::fromUtf8("Flöde i sektionen"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Välj enhet :"), this), 0, 0);
    grid->addWidget(AddRadio(this, "[m³/h]", "flowUnit0", flowUnits_, 0), 0, 1);
    grid->addWidget(AddRadio(this, "[liter/s]", "flowUnit1", flowUnits_, 1), 0, 2);
    grid->addWidget(AddRadio(this, "[m/s]", "flowUnit2", flowUnits_, 2), 0, 3);
    flowUnits_->button(shownFlowUnit_)->setChecked(true);
    NumberRow& flow = rows_[f::flow];
    flow.Label()->setObjectName(QStringLiteral("flowLabel"));
    grid->addWidget(flow.Label(), 1, 0, 1, 2);
    grid->addWidget(flow.Edit(), 1, 2, 1, 2);
    connect(flowUnits_, &QButtonGroup::idClicked, this, &CSegmentDlg::onFlowUnitChanged);
    return box;
}

QWidget* CSegmentDlg::sizeBox()
{
    orientations_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QStringLiteral("Dimensioner"), this);
    auto* grid = new QGridLayout(box);
    pipe_.PlaceIn(grid, 0);
    rows_[f::bareEmissivity].PlaceIn(grid, 5);
    rows_[f::ductDiameter].PlaceIn(grid, 6);
    rows_[f::ductHeight].PlaceIn(grid, 7);
    rows_[f::ductWidth].PlaceIn(grid, 8);
    grid->addWidget(AddRadio(this, "Horisontal rör-/kanalsektion", "horizontal", orientations_, 0), 9, 0, 1, 2);
    grid->addWidget(AddRadio(this, "Vertikal rör-/kanalsektion", "vertical", orientations_, 1), 10, 0, 1, 2);
    rows_[f::length].PlaceIn(grid, 11);
    orientations_->button(values_.vertical == 1 ? 1 : 0)->setChecked(true);
    return box;
}

QWidget* CSegmentDlg::surroundingsBox()
{
    QGroupBox* box = surroundings_.Box();
    auto* grid = qobject_cast<QGridLayout*>(box->layout());
    rows_[f::ambientTemperature].PlaceIn(grid, 5);
    innerGiven_ = AddCheck(this, "Inv. värmeöverg.tal [W/m²K]:", "innerCoefficientGiven", values_.innerCoefficientGiven);
    rows_[f::innerCoefficient].Label()->hide();
    grid->addWidget(innerGiven_, 6, 0);
    grid->addWidget(rows_[f::innerCoefficient].Edit(), 6, 1);
    connect(innerGiven_, &QCheckBox::toggled, this, [this] { updateStates(); });
    return box;
}

QWidget* CSegmentDlg::fittingsBox()
{
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    fittings_.emplace(this, "Tilläggsarmatur", "fittingsEnabled", values_.fittingsEnabled, values_.fittings,
                      FittingsGroup::NewGoes::AfterSelected);
    supports_ = AddCheck(this, "Oisolerade upphängningar", "supports", values_.uninsulatedSupports);
    supportsNote_ = new QLabel(
        QString::fromUtf8("Värmeförlust pga. upphängningar beräknas som en procentvis tilläggslängd (ref. ISO 12241)"),
        this);
    supportsNote_->setWordWrap(true);
    fittings_->PlaceIn(grid, 0);
    grid->addWidget(supports_, 4, 0, 1, 2);
    grid->addWidget(supportsNote_, 5, 0, 1, 2);
    connect(fittings_->Check(), &QCheckBox::toggled, this, [this] { updateStates(); });
    return box;
}

void CSegmentDlg::onSourceChanged(int source)
{
    const int from = shownSource_;
    shownSource_ = source;
    // Into or out of an uninsulated section the surface is another one: the
    // chosen cladding goes, and the list for the new surface shows.
    if ((source == 2) != (from == 2)) {
        values_.cladding = nullptr;
        cladding_.SetInsideList(values_.InsideInsulated() || source == 2);
        if (auto* box = findChild<QComboBox*>(QStringLiteral("cladding")))
            box->setCurrentIndex(-1);
    }
    updateStates();
}

void CSegmentDlg::onFlowUnitChanged(int unit)
{
    const int from = shownFlowUnit_;
    if (unit == from)
        return;
    shownFlowUnit_ = unit;
    updateStates();
    // The cross-section by the sizes shown now, by the rule the calculation uses.
    SectionInput shown = values_;
    shown.insulationSource = sources_->checkedId();
    shown.pipeDiameter = rows_[f::pipeDiameter].Typed(values_.pipeDiameter);
    shown.ductDiameter = rows_[f::ductDiameter].Typed(values_.ductDiameter);
    shown.ductHeight = rows_[f::ductHeight].Typed(values_.ductHeight);
    shown.ductWidth = rows_[f::ductWidth].Typed(values_.ductWidth);
    const ProductRow& layer1 = shown.insulationSource == 1 ? user_ : catalogue_;
    float thickness = shown.Layer1Thickness();
    ParseNumber(layer1.thickness->currentText(), thickness);
    shown.thickness = shown.userThickness = thickness;
    const float area = shown.CrossSection();
    ConvertFlowRow(rows_[f::flow], from, unit, area);
}

void CSegmentDlg::updateStates()
{
    const int type = values_.sectionType;
    const bool pipeline = type == 0;
    const bool duct = !pipeline;
    const bool rectangular = type == 2 || type == 3;
    const int source = sources_->checkedId();
    const bool insulated = source != 2;

    catalogueGroup_->setEnabled(source == 0);
    userGroup_->setEnabled(source == 1);
    editProducts_->setEnabled(source == 1 && CEgendefDatabase::Current() != nullptr);

    const bool secondOffered = type != 3 && insulated;
    twoLayers_->setEnabled(secondOffered);
    const bool second = secondOffered && twoLayers_->isChecked();
    const int source2 = layer2Sources_->checkedId();
    for (QAbstractButton* b : layer2Sources_->buttons())
        b->setEnabled(second);
    for (QWidget* w : {catalogue2_.products, catalogue2_.thickness})
        w->setEnabled(second && source2 == 0);
    for (QWidget* w : {user2_.products, user2_.thickness})
        w->setEnabled(second && source2 == 1);
    editProducts2_->setEnabled(second && source2 == 1 && CEgendefDatabase::Current() != nullptr);

    rows_[f::flow].Label()->setText(ToQString(LoadString(flowLabels[shownFlowUnit_])));

    pipe_.UpdateStates(pipeline);
    rows_[f::ductDiameter].SetEnabled(type == 1);
    rows_[f::ductHeight].SetEnabled(rectangular);
    rows_[f::ductWidth].SetEnabled(rectangular);

    surroundings_.UpdateStates();
    innerGiven_->setEnabled(duct);
    rows_[f::innerCoefficient].SetEnabled(duct && innerGiven_->isChecked());

    cladding_.Box()->setEnabled(insulated);
    cladding_.UpdateStates(type == 3);

    fittings_->UpdateStates(pipeline);
    supports_->setEnabled(type != 3);
    supportsNote_->setEnabled(type != 3);
}

void CSegmentDlg::OnEditProducts()
{
    CEgendefDatabase* userDatabase = CEgendefDatabase::Current();
    if (!userDatabase)
        return;
    // The editor replaces the products with its edited copies: each choice
    // is found again by its name, or keeps its place in the list.
    struct Kept {
        ProductRow* row;
        std::string name;
        int place;
    };
    std::vector<Kept> kept;
    for (ProductRow* row : {&user_, &user2_}) {
        const CIsoProdukt* chosen = chosenProduct(*row);
        kept.push_back({row, chosen ? chosen->name : std::string(), row->products->currentIndex()});
    }
    if (!userDatabase->Edit())
        return;
    for (const Kept& k : kept) {
        fillProducts(*k.row, true, nullptr);
        int index = k.row->products->findText(ToQString(k.name));
        if (index < 0 && k.place < k.row->products->count())
            index = k.place;
        k.row->products->setCurrentIndex(index);
        fillThicknesses(*k.row);
    }
    values_.userProduct = static_cast<CEgendefIsoProdukt*>(chosenProduct(user_));
    values_.layer2UserProduct = static_cast<CEgendefIsoProdukt*>(chosenProduct(user2_));
}

bool CSegmentDlg::readThicknesses()
{
    // The thicknesses are read as numbers first. A box the dialog has
    // disabled keeps its last number if its text is none.
    const std::pair<ProductRow*, float*> boxes[] = {{&catalogue_, &values_.thickness},
                                                    {&user_, &values_.userThickness},
                                                    {&catalogue2_, &values_.layer2Thickness},
                                                    {&user2_, &values_.layer2UserThickness}};
    for (const auto& [row, value] : boxes) {
        QLineEdit* edit = row->thickness->lineEdit();
        if (!row->thickness->isEnabled()) {
            ParseNumber(edit->text(), *value);
            continue;
        }
        if (!NumberRow::Exchange(edit, -3.0e38f, 3.0e38f, *value))
            return false;
    }
    return true;
}

void CSegmentDlg::storeChoices()
{
    Values& v = values_;
    const bool pipeline = v.IsPipeline();
    v.name = ToStdString(name_->text());
    v.insulationSource = sources_->checkedId();
    v.twoLayers = twoLayers_->isChecked();
    v.layer2Source = layer2Sources_->checkedId();
    v.product = chosenProduct(catalogue_);
    v.userProduct = static_cast<CEgendefIsoProdukt*>(chosenProduct(user_));
    v.layer2Product = chosenProduct(catalogue2_);
    v.layer2UserProduct = static_cast<CEgendefIsoProdukt*>(chosenProduct(user2_));
    v.flowUnit = FlowUnit(shownFlowUnit_);
    v.vertical = orientations_->checkedId();
    v.innerCoefficientGiven = innerGiven_->isChecked();
    // What a section of this type cannot have, it does not keep.
    v.fittingsEnabled = pipeline && fittings_->Used();
    v.uninsulatedSupports = !v.InsideInsulated() && supports_->isChecked();
    surroundings_.Store();
    cladding_.Store();
    pipe_.Store();
}

bool CSegmentDlg::Validate()
{
    if (!readThicknesses() || !rows_.StoreAll())
        return false;
    storeChoices();
    SectionChoices choices;
    choices.layer1 = values_.insulationSource == 1 ? static_cast<CIsoProdukt*>(values_.userProduct) : values_.product;
    choices.layer2 = values_.layer2Source == 1 ? static_cast<CIsoProdukt*>(values_.layer2UserProduct)
                                               : values_.layer2Product;
    choices.hasCladding = values_.cladding != nullptr;
    choices.name = values_.name;
    choices.otherNames = values_.otherNames;
    InputCheck check(OkCancelWarnings());
    return CheckSectionInput(values_, choices, check) || RefuseCheck(this, check);
}

bool EditSection(CItem& item, QWidget* parent)
{
    auto* section = dynamic_cast<CSegment*>(&item);
    if (!section)
        return false;
    CSegmentDlg dialog(CSegmentDlg::ValuesOf(*section, {}), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    CSegmentDlg::TakeValues(*section, dialog.Result());
    return true;
}
