#include "COkoIsolasjonDlg.h"

#include "CKostnadDlg.h"
#include "FieldRows.h"
#include "QtText.h"
#include "database/CDataBase.h"
#include "database/CEgendefDatabase.h"
#include "database/CKostnad.h"
#include "doc/StringTable.h"
#include "modules/COkonomiIsolasjon.h"
#include "modules/EconomyInput.h"
#include "platform/Services.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int chooseProductId = 62535;
constexpr int duplicateId = 62601;
constexpr float unbounded = 3.0e38f;

// An alternative edited on its own has no list whose texts it could repeat.
const std::vector<const COkonomiIsolasjon*> noOthers;

bool insideInsulated(int kind)
{
    return kind == 3 || kind == 5;
}

QComboBox* thicknessBox(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(8);
    return box;
}

std::string costLabel(int kind)
{
    return Sprintf(std::string("Kostnad [kr/%s]:"), COkonomiIsolasjon::Unit(kind).c_str());
}

} // namespace

COkoIsolasjonDlg::COkoIsolasjonDlg(const COkonomiIsolasjon& alternative,
                                   std::vector<const COkonomiIsolasjon*> others, QWidget* parent)
    : CFieldDlg("::/html/okoisolering.htm", parent), objectKind_(alternative.objectKind),
      others_(std::move(others)), emissivityTyped_(alternative.surfaceSource == 1),
      outerCladding_(alternative.OuterCladding()), innerUsed_(alternative.innerCladdingEnabled != 0),
      innerCladding_(alternative.InnerCladding()), emissivity_(alternative.surfaceEmissivity),
      cost_(alternative.cost), makerThickness_(alternative.makerThickness),
      userThickness_(alternative.userThickness),
      emissivityRow_(this, "emissivity", "Egendefinierad, emissivet:", "%.2f", &emissivity_, -unbounded, unbounded),
      costRow_(this, "cost", costLabel(alternative.objectKind).c_str(), "%.2f", &cost_, -unbounded, unbounded),
      cladding_(this, emissivityTyped_, outerCladding_, emissivityRow_, [this] { updateStates(); },
                CladdingTexts{"Ytbekläknad", "Val från databasen", "Egendefinierad, emissivet:"}),
      makerProducts_(this, "catalogueProducts"), userProducts_(this, "userProducts")
{
    setWindowTitle(QStringLiteral("Ekonomisk isolering - Isolerval"));

    makerSource_ = new QRadioButton(QStringLiteral("Norlam produkt"), this);
    makerSource_->setObjectName(QStringLiteral("catalogueSource"));
    userSource_ = new QRadioButton(QStringLiteral("Annan produkt"), this);
    userSource_->setObjectName(QStringLiteral("userSource"));
    // The two stand in different groups; one group of buttons keeps them exclusive.
    auto* sources = new QButtonGroup(this);
    sources->addButton(makerSource_);
    sources->addButton(userSource_);
    (alternative.productSource == 1 ? userSource_ : makerSource_)->setChecked(true);

    std::vector<CIsoProdukt*> makers;
    for (CIsoProdukt* product : CDataBase::SystemItems<CIsoProdukt>(CDataBase::insulationProducts))
        if (product->IsUsableFor(objectKind_))
            makers.push_back(product);
    makerProducts_.Fill(makers, alternative.MakerProduct());
    makerProducts_.Box()->setMinimumContentsLength(28);
    userProducts_.Box()->setMinimumContentsLength(28);
    fillUserProducts(alternative.UserProduct() ? alternative.UserProduct()->name : std::string());

    makerThicknessBox_ = thicknessBox("catalogueThickness", this);
    userThicknessBox_ = thicknessBox("userThickness", this);
    fillThicknesses(makerThicknessBox_, makerProducts_.Chosen());
    fillThicknesses(userThicknessBox_, userProducts_.Chosen());
    makerThicknessBox_->setEditText(FormatNumber("%.1f", alternative.makerThickness));
    userThicknessBox_->setEditText(FormatNumber("%.1f", alternative.userThickness));

    if (insideInsulated(objectKind_))
        cladding_.SetInsideList(true);
    cladding_.AddInner(innerUsed_, innerCladding_);
    // The lists stand beside their choices, not at the far edge.
    if (auto* grid = qobject_cast<QGridLayout*>(cladding_.Box()->layout()))
        grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    auto* products = new QHBoxLayout;
    products->addWidget(productBox(false));
    products->addWidget(productBox(true));
    layout->addLayout(products);
    layout->addWidget(cladding_.Box());
    layout->addWidget(costBox());
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(makerSource_, &QRadioButton::toggled, this, &COkoIsolasjonDlg::updateStates);
    connect(makerProducts_.Box(), &QComboBox::currentIndexChanged, this,
            [this] { fillThicknesses(makerThicknessBox_, makerProducts_.Chosen()); });
    connect(userProducts_.Box(), &QComboBox::currentIndexChanged, this,
            [this] { fillThicknesses(userThicknessBox_, userProducts_.Chosen()); });
    updateStates();
    (alternative.productSource == 1 ? userProducts_.Box() : makerProducts_.Box())->setFocus();
}

COkoIsolasjonDlg::~COkoIsolasjonDlg() = default;

QGroupBox* COkoIsolasjonDlg::productBox(bool user)
{
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(user ? userSource_ : makerSource_, 0, 0, 1, 2);
    QComboBox* products = user ? userProducts_.Box() : makerProducts_.Box();
    QComboBox* thickness = user ? userThicknessBox_ : makerThicknessBox_;
    QLabel* productLabel = AddRow(grid, 1, "Produkt:", products);
    QLabel* thicknessLabel = AddRow(grid, 2, "Tjocklek [mm]:", thickness);
    std::vector<QWidget*>& group = user ? userGroup_ : makerGroup_;
    group = {productLabel, products, thicknessLabel, thickness};
    if (user) {
        editProducts_ = AddPush(this, "Redigera produkter...", "editProducts");
        grid->addWidget(editProducts_, 3, 1, Qt::AlignLeft);
        connect(editProducts_, &QPushButton::clicked, this, &COkoIsolasjonDlg::OnEditProducts);
    } else {
        // The two groups line up.
        grid->setRowMinimumHeight(3, fontMetrics().lineSpacing() * 2);
    }
    return box;
}

QGroupBox* COkoIsolasjonDlg::costBox()
{
    auto* box = new QGroupBox(QStringLiteral("Total kostnad inkl. montage"), this);
    auto* grid = new QGridLayout(box);
    costRow_.PlaceIn(grid, 0);
    costData_ = AddPush(this, "Kostnadsdata...", "costData");
    grid->addWidget(costData_, 0, 2);
    grid->setColumnStretch(3, 1);
    connect(costData_, &QPushButton::clicked, this, &COkoIsolasjonDlg::OnCostData);
    return box;
}

void COkoIsolasjonDlg::fillUserProducts(const std::string& chosenName)
{
    const QSignalBlocker quiet(userProducts_.Box());
    std::vector<CEgendefIsoProdukt*> usable;
    const CEgendefIsoProdukt* chosen = nullptr;
    for (const auto& product : CEgendefDatabase::SystemProducts())
        if (product->IsUsableFor(objectKind_)) {
            usable.push_back(product.get());
            if (!chosenName.empty() && product->name == chosenName && !chosen)
                chosen = product.get();
        }
    userProducts_.Fill(usable, chosen);
}

void COkoIsolasjonDlg::fillThicknesses(QComboBox* box, const CIsoProdukt* product)
{
    // The typed thickness stays when the product changes.
    const QString typed = box->currentText();
    box->clear();
    if (product)
        for (const auto& thickness : product->thicknesses)
            box->addItem(FormatNumber("%.1f", thickness->thickness));
    box->setCurrentIndex(-1);
    box->setEditText(typed);
}

CIsoProdukt* COkoIsolasjonDlg::chosenProduct() const
{
    return makerSource_->isChecked() ? makerProducts_.Chosen() : userProducts_.Chosen();
}

void COkoIsolasjonDlg::updateStates()
{
    const bool maker = makerSource_->isChecked();
    for (QWidget* w : makerGroup_)
        w->setEnabled(maker);
    for (QWidget* w : userGroup_)
        w->setEnabled(!maker);
    editProducts_->setEnabled(!maker && CEgendefDatabase::Current() != nullptr);
    cladding_.UpdateStates(insideInsulated(objectKind_));
    costData_->setEnabled(CostData() != nullptr);
}

void COkoIsolasjonDlg::OnEditProducts()
{
    CEgendefDatabase* userDatabase = CEgendefDatabase::Current();
    if (!userDatabase)
        return;
    // The editor replaces the products with its edited copies: the choice is
    // found again by name.
    const CIsoProdukt* before = userProducts_.Chosen();
    const std::string name = before ? before->name : std::string();
    if (!userDatabase->Edit())
        return;
    fillUserProducts(name);
    fillThicknesses(userThicknessBox_, userProducts_.Chosen());
}

void COkoIsolasjonDlg::OnCostData()
{
    CKostnad* costs = CostData();
    if (!costs)
        return;
    costs->unit = COkonomiIsolasjon::Unit(objectKind_);
    if (costs->Edit() && costs->selected)
        costRow_.Show(FormatNumber("%.2f", costs->selected->cost));
}

bool COkoIsolasjonDlg::Validate()
{
    if (!emissivityRow_.Store() || !costRow_.Store())
        return false;
    cladding_.Store();

    const bool user = userSource_->isChecked();
    QComboBox* products = user ? userProducts_.Box() : makerProducts_.Box();
    QComboBox* thicknessBox = user ? userThicknessBox_ : makerThicknessBox_;
    CIsoProdukt* product = chosenProduct();
    if (!product) {
        platform::prompter().Tell(LoadString(chooseProductId));
        FocusField(products);
        return false;
    }
    float thickness = 0.0f;
    if (!ReadNumber(thicknessBox->lineEdit(), thickness))
        return false;

    // The rest of the checks are the ones the module makes on every alternative.
    COkonomiIsolasjon candidate(objectKind_);
    CopyTo(candidate);
    (user ? candidate.userThickness : candidate.makerThickness) = thickness;
    const std::string productField = ToStdString(products->objectName());
    const std::string thicknessField = ToStdString(thicknessBox->objectName());
    const AlternativeFocus focus{productField.c_str(), thicknessField.c_str(), "emissivity", "cladding", "cost"};
    InputCheck check;
    if (!CheckAlternative(candidate, focus, check))
        return RefuseCheck(this, check);

    const std::string text = candidate.DisplayText();
    for (const COkonomiIsolasjon* other : others_)
        if (other->name == text) {
            platform::prompter().Tell(LoadString(duplicateId));
            FocusField(products);
            return false;
        }

    // The other group keeps what it showed when that is a number.
    float other = 0.0f;
    if (user) {
        userThickness_ = thickness;
        if (ParseNumber(makerThicknessBox_->currentText(), other))
            makerThickness_ = other;
    } else {
        makerThickness_ = thickness;
        if (ParseNumber(userThicknessBox_->currentText(), other))
            userThickness_ = other;
    }
    return true;
}

void COkoIsolasjonDlg::CopyTo(COkonomiIsolasjon& alternative) const
{
    alternative.objectKind = objectKind_;
    alternative.productSource = userSource_->isChecked() ? 1 : 0;
    alternative.SetMakerProduct(makerProducts_.Chosen());
    alternative.SetUserProduct(userProducts_.Chosen());
    alternative.makerThickness = makerThickness_;
    alternative.userThickness = userThickness_;
    alternative.surfaceSource = emissivityTyped_ ? 1 : 0;
    alternative.surfaceEmissivity = emissivity_;
    alternative.SetOuterCladding(outerCladding_);
    alternative.innerCladdingEnabled = innerUsed_ ? 1 : 0;
    alternative.SetInnerCladding(innerCladding_);
    alternative.cost = cost_;
    alternative.name = alternative.DisplayText();
}

bool EditEconomyAlternative(COkonomiIsolasjon& alternative, std::vector<const COkonomiIsolasjon*> others,
                            QWidget* parent)
{
    COkoIsolasjonDlg dialog(alternative, std::move(others), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.CopyTo(alternative);
    return true;
}

bool EditEconomyAlternative(CItem& item, QWidget* parent)
{
    auto* alternative = dynamic_cast<COkonomiIsolasjon*>(&item);
    return alternative && EditEconomyAlternative(*alternative, noOthers, parent);
}
