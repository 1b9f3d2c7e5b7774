#include "CIsolasjonDlg.h"

#include "FieldRows.h"

#include "QtText.h"
#include "database/CDataBase.h"
#include "database/CEgendefDatabase.h"
#include "doc/StringTable.h"
#include "modules/CIsolasjon.h"
#include "platform/Services.h"

#include <QDialogButtonBox>
#include <QButtonGroup>
#include <QComboBox>
#include <QSignalBlocker>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int chooseProductId = 62535;
constexpr int thicknessNameId = 61253;

QComboBox* productBox(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setMinimumContentsLength(28);
    return box;
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

} // namespace

CIsolasjonDlg::CIsolasjonDlg(const CIsolasjon& layer, QWidget* parent)
    : CFieldDlg("::/html/isolering.htm", parent),
      askThickness_(layer.askThickness),
      catalogueValue_(layer.catalogueThickness),
      userValue_(layer.userThickness)
{
    setWindowTitle(QStringLiteral("Isolering"));

    catalogueSource_ = new QRadioButton(QStringLiteral("Norlam produkt"), this);
    catalogueSource_->setObjectName(QStringLiteral("catalogueSource"));
    userSource_ = new QRadioButton(QStringLiteral("Annan produkt"), this);
    userSource_->setObjectName(QStringLiteral("userSource"));
    // The two stand in different groups; one group of buttons keeps them exclusive.
    auto* sources = new QButtonGroup(this);
    sources->addButton(catalogueSource_);
    sources->addButton(userSource_);
    (layer.UsesUserProduct() ? userSource_ : catalogueSource_)->setChecked(true);

    catalogueProducts_ = productBox("catalogueProducts", this);
    for (CIsoProdukt* product : CDataBase::SystemItems<CIsoProdukt>(CDataBase::insulationProducts))
        if (product->IsUsableFor(layer.objectKind))
            catalogueProducts_->addItem(ToQString(product->name), quintptr(product));
    catalogueProducts_->setCurrentIndex(catalogueProducts_->findData(quintptr(layer.CatalogueProduct())));
    userProducts_ = productBox("userProducts", this);
    objectKind_ = layer.objectKind;
    fillUserProducts(layer.UserProduct());

    catalogueThickness_ = thicknessBox("catalogueThickness", this);
    userThickness_ = thicknessBox("userThickness", this);
    fillThicknesses(catalogueThickness_, chosen(catalogueProducts_));
    fillThicknesses(userThickness_, chosen(userProducts_));
    catalogueThickness_->setEditText(FormatNumber("%.1f", layer.catalogueThickness));
    userThickness_->setEditText(FormatNumber("%.1f", layer.userThickness));

    editProducts_ = new QPushButton(QStringLiteral("Redigera produkter..."), this);
    editProducts_->setObjectName(QStringLiteral("editProducts"));
    editProducts_->setAutoDefault(false);

    auto* catalogueGroup = new QGroupBox(this);
    auto* catalogueGrid = new QGridLayout(catalogueGroup);
    catalogueGrid->addWidget(catalogueSource_, 0, 0, 1, 2);
    AddRow(catalogueGrid, 1, "Produkt:", catalogueProducts_);
    QLabel* catalogueLabel = AddRow(catalogueGrid, 2, "Tjocklek [mm]:", catalogueThickness_);

    auto* userGroup = new QGroupBox(this);
    auto* userGrid = new QGridLayout(userGroup);
    userGrid->addWidget(userSource_, 0, 0, 1, 2);
    AddRow(userGrid, 1, "Produkt:", userProducts_);
    QLabel* userLabel = AddRow(userGrid, 2, "Tjocklek [mm]:", userThickness_);
    userGrid->addWidget(editProducts_, 3, 1, Qt::AlignLeft);

    // A module that searches the thickness itself asks for none.
    for (QWidget* w : {static_cast<QWidget*>(catalogueLabel), static_cast<QWidget*>(catalogueThickness_),
                       static_cast<QWidget*>(userLabel), static_cast<QWidget*>(userThickness_)})
        w->setVisible(askThickness_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(catalogueGroup);
    layout->addWidget(userGroup);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(catalogueSource_, &QRadioButton::toggled, this, &CIsolasjonDlg::updateStates);
    connect(catalogueProducts_, &QComboBox::currentIndexChanged, this,
            [this] { fillThicknesses(catalogueThickness_, chosen(catalogueProducts_)); });
    connect(userProducts_, &QComboBox::currentIndexChanged, this,
            [this] { fillThicknesses(userThickness_, chosen(userProducts_)); });
    connect(editProducts_, &QPushButton::clicked, this, &CIsolasjonDlg::editUserProducts);
    updateStates();
}

void CIsolasjonDlg::fillUserProducts(const CIsoProdukt* chosenProduct)
{
    const QSignalBlocker quiet(userProducts_);
    userProducts_->clear();
    for (const auto& product : CEgendefDatabase::SystemProducts())
        if (product->IsUsableFor(objectKind_))
            userProducts_->addItem(ToQString(product->name), quintptr(static_cast<CIsoProdukt*>(product.get())));
    userProducts_->setCurrentIndex(userProducts_->findData(quintptr(chosenProduct)));
}

void CIsolasjonDlg::editUserProducts()
{
    CEgendefDatabase* userDatabase = CEgendefDatabase::Current();
    if (!userDatabase)
        return;
    // The editor replaces the products with its edited copies: the choice is
    // found again by name, as a renamed product keeps its place in the list.
    const CIsoProdukt* before = chosen(userProducts_);
    const std::string name = before ? before->name : std::string();
    const int place = userProducts_->currentIndex();
    if (!userDatabase->Edit())
        return;
    fillUserProducts(nullptr);
    int index = userProducts_->findText(ToQString(name));
    if (index < 0 && place < userProducts_->count())
        index = place;
    userProducts_->setCurrentIndex(index);
    fillThicknesses(userThickness_, chosen(userProducts_));
}

void CIsolasjonDlg::fillThicknesses(QComboBox* box, const CIsoProdukt* product)
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

CIsoProdukt* CIsolasjonDlg::chosen(const QComboBox* box)
{
    return box->currentIndex() < 0 ? nullptr : reinterpret_cast<CIsoProdukt*>(box->currentData().value<quintptr>());
}

void CIsolasjonDlg::updateStates()
{
    const bool catalogue = catalogueSource_->isChecked();
    catalogueProducts_->setEnabled(catalogue);
    catalogueThickness_->setEnabled(catalogue);
    userProducts_->setEnabled(!catalogue);
    editProducts_->setEnabled(!catalogue && CEgendefDatabase::Current() != nullptr);
    userThickness_->setEnabled(!catalogue);
}

float CIsolasjonDlg::typedThickness(const QComboBox* box, float otherwise)
{
    float value = otherwise;
    return ParseNumber(box->currentText(), value) ? value : otherwise;
}

bool CIsolasjonDlg::Validate()
{
    const bool catalogue = catalogueSource_->isChecked();
    QComboBox* products = catalogue ? catalogueProducts_ : userProducts_;
    CIsoProdukt* product = chosen(products);
    if (!product) {
        platform::prompter().Tell(LoadString(chooseProductId));
        products->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (!askThickness_)
        return true;
    QComboBox* box = catalogue ? catalogueThickness_ : userThickness_;
    float value = 0.0f;
    if (!ReadNumber(box->lineEdit(), value))
        return false;
    float min = 0.0f;
    float max = 0.0f;
    product->GetThicknessRange(min, max);
    if (!CheckRange(box, thicknessNameId, value, min, max))
        return false;
    // The other group keeps what it showed when that is a number.
    if (catalogue) {
        catalogueValue_ = value;
        userValue_ = typedThickness(userThickness_, userValue_);
    } else {
        userValue_ = value;
        catalogueValue_ = typedThickness(catalogueThickness_, catalogueValue_);
    }
    return true;
}

void CIsolasjonDlg::CopyTo(CIsolasjon& layer) const
{
    layer.source = catalogueSource_->isChecked() ? CIsolasjon::catalogueSource : CIsolasjon::userSource;
    layer.catalogueThickness = catalogueValue_;
    layer.userThickness = userValue_;
    layer.SetCatalogueProduct(chosen(catalogueProducts_));
    layer.SetUserProduct(static_cast<CEgendefIsoProdukt*>(chosen(userProducts_)));
}

bool EditInsulationLayer(CItem& item, QWidget* parent)
{
    auto* layer = dynamic_cast<CIsolasjon*>(&item);
    if (!layer)
        return false;
    CIsolasjonDlg dialog(*layer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.CopyTo(*layer);
    return true;
}
