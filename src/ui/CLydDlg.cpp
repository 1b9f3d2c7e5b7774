#include "CLydDlg.h"

#include "ModuleEditor.h"
#include "QtPictures.h"
#include "QtText.h"
#include "database/CAbsorpsjon.h"
#include "database/CDataBase.h"
#include "doc/StringTable.h"
#include "modules/CLydModul.h"
#include "platform/Services.h"
#include "report/CHeader.h"

#include <QButtonGroup>
#include <QCollator>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

namespace f = soundFields;

constexpr int noThicknessesId = 61254;
constexpr int pictureSize = 160;
constexpr float unbounded = 3.0e38f;

int productList(int ductType)
{
    return ductType == 0 ? CDataBase::circularAbsorbers : CDataBase::rectangularAbsorbers;
}

} // namespace

CLydDlg::Values CLydDlg::ValuesOf(const CLydModul& m)
{
    Values v;
    static_cast<SoundInput&>(v) = m;
    v.product = m.Product();
    v.productThickness = m.ProductThickness();
    return v;
}

void CLydDlg::TakeValues(CLydModul& m, const Values& v)
{
    static_cast<SoundInput&>(m) = v;
    m.SetProduct(v.product, v.product ? v.productThickness : nullptr);
}

CLydDlg::CLydDlg(Values values, QWidget* parent)
    : CFieldDlg("::/html/lyd.htm", parent), values_(std::move(values)), rows_(this, f::all, values_),
      products_(this, "product"), thicknesses_(this, "thickness")
{
    setWindowTitle(QString::fromUtf8("Ljuddämpning"));
    for (int i = 0; i < SoundInput::bandCount; ++i)
        factorRows_.push_back(std::make_unique<NumberRow>(this, f::factors[i].name, f::factors[i].label,
                                                          f::factorFormat, &values_.userFactors[std::size_t(i)],
                                                          -unbounded, unbounded));

    pictureLabel_ = new QLabel(this);
    pictureLabel_->setObjectName(QStringLiteral("picture"));
    pictureLabel_->setFixedSize(pictureSize, pictureSize);
    pictureLabel_->setFrameShape(QFrame::Box);

    auto* left = new QVBoxLayout;
    left->addWidget(pictureLabel_, 0, Qt::AlignHCenter);
    left->addWidget(typeBox());
    left->addWidget(dimensionBox());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(sourceBox());
    right->addWidget(catalogueBox());
    right->addWidget(userProductBox());
    right->addWidget(factorBox());
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    shownType_ = std::clamp(values_.ductType, 0, 3);
    fillProducts(shownType_, values_.product);
    fillThicknesses(values_.productThickness);
    updateStates();
}

CLydDlg::~CLydDlg() = default;

QGroupBox* CLydDlg::typeBox()
{
    types_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QStringLiteral("Typ"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(AddRadio(this, "Cirkulär", "ductType0", types_, 0), 0, 0);
    grid->addWidget(AddRadio(this, "Rektangulär", "ductType1", types_, 1), 1, 0);
    grid->addWidget(AddRadio(this, "Horisontal", "ductType2", types_, 2), 0, 1);
    grid->addWidget(AddRadio(this, "Vertikal", "ductType3", types_, 3), 1, 1);
    types_->button(std::clamp(values_.ductType, 0, 3))->setChecked(true);
    // A click on the type already chosen counts too: it clears the product.
    connect(types_, &QButtonGroup::idClicked, this, &CLydDlg::OnType);
    return box;
}

QGroupBox* CLydDlg::dimensionBox()
{
    auto* box = new QGroupBox(QStringLiteral("Dimensioner kanal"), this);
    auto* grid = new QGridLayout(box);
    rows_[f::ductDiameter].PlaceIn(grid, 0);
    rows_[f::height].PlaceIn(grid, 1);
    rows_[f::width].PlaceIn(grid, 2);
    return box;
}

QGroupBox* CLydDlg::sourceBox()
{
    sources_ = new QButtonGroup(this);
    auto* box = new QGroupBox(QStringLiteral("Absorptionsprodukt"), this);
    auto* row = new QHBoxLayout(box);
    row->addWidget(AddRadio(this, "Norlam produkt", "source0", sources_, 0));
    row->addWidget(AddRadio(this, "Annan produkt", "source1", sources_, 1));
    sources_->button(values_.UsesUserProduct() ? 1 : 0)->setChecked(true);
    connect(sources_, &QButtonGroup::idClicked, this, [this] { updateStates(); });
    return box;
}

QGroupBox* CLydDlg::catalogueBox()
{
    catalogueGroup_ = new QGroupBox(QStringLiteral("Norlam produkt"), this);
    catalogueGroup_->setObjectName(QStringLiteral("catalogueGroup"));
    auto* grid = new QGridLayout(catalogueGroup_);
    products_.Box()->setMinimumContentsLength(34);
    grid->addWidget(products_.Box(), 0, 0, 1, 2);
    thicknessLabel_ = new QLabel(QStringLiteral("Tjocklek [mm]:"), this);
    thicknessLabel_->setBuddy(thicknesses_.Box());
    thicknesses_.Box()->setMinimumContentsLength(8);
    grid->addWidget(thicknessLabel_, 1, 0);
    grid->addWidget(thicknesses_.Box(), 1, 1);
    connect(products_.Box(), &QComboBox::activated, this, &CLydDlg::OnProductChosen);
    return catalogueGroup_;
}

QGroupBox* CLydDlg::userProductBox()
{
    userGroup_ = new QGroupBox(QStringLiteral("Annan produkt"), this);
    userGroup_->setObjectName(QStringLiteral("userGroup"));
    auto* grid = new QGridLayout(userGroup_);
    const QString name = ToQString(values_.userProductName);
    userProductName_ = new QLineEdit(name, this);
    userProductName_->setObjectName(QStringLiteral("userProductName"));
    // A longer name from a document still shows whole, for OK to refuse.
    userProductName_->setMaxLength(std::max(f::userProductNameLimit, int(name.size())));
    grid->addWidget(userProductName_, 0, 0, 1, 2);
    rows_[f::userThickness].PlaceIn(grid, 1);
    return userGroup_;
}

QGroupBox* CLydDlg::factorBox()
{
    factorGroup_ = new QGroupBox(QStringLiteral("Praktisk absorptionsfaktor"), this);
    factorGroup_->setObjectName(QStringLiteral("factorGroup"));
    auto* grid = new QGridLayout(factorGroup_);
    // Two columns of three bands.
    for (int i = 0; i < SoundInput::bandCount; ++i)
        factorRows_[std::size_t(i)]->PlaceIn(grid, i % 3, 2 * (i / 3));
    return factorGroup_;
}

void CLydDlg::fillProducts(int ductType, const CAbsorpsjon* current)
{
    std::vector<CAbsorpsjon*> items;
    for (CAbsorpsjon* product : CDataBase::SystemItems<CAbsorpsjon>(productList(ductType)))
        items.push_back(product);
    // Alphabetically as a Swede reads: å, ä and ö after z.
    QCollator collator{QLocale(QLocale::Swedish, QLocale::Sweden)};
    std::stable_sort(items.begin(), items.end(), [&](const CAbsorpsjon* a, const CAbsorpsjon* b) {
        return collator.compare(ToQString(a->name), ToQString(b->name)) < 0;
    });
    products_.Fill(items, current);
    shownProduct_ = products_.Chosen();
}

void CLydDlg::fillThicknesses(const CAbsorpsjonTykkelse* current)
{
    std::vector<CAbsorpsjonTykkelse*> items;
    if (const CAbsorpsjon* product = products_.Chosen())
        for (const auto& thickness : product->thicknesses)
            items.push_back(thickness.get());
    thicknesses_.Fill(items, current);
    if (!thicknesses_.Chosen() && !items.empty())
        thicknesses_.Box()->setCurrentIndex(0);
}

void CLydDlg::OnType(int type)
{
    const int previous = shownType_;
    shownType_ = type;
    types_->button(type)->setChecked(true);
    // Circular and rectangular ducts take their products from different
    // lists; a choice made for the one means nothing for the other.
    if (type == 0 || previous == 0) {
        fillProducts(type, nullptr);
        fillThicknesses(nullptr);
    }
    updateStates();
}

void CLydDlg::OnProductChosen()
{
    CAbsorpsjon* chosen = products_.Chosen();
    if (chosen && chosen->thicknesses.empty()) {
        // Nothing to line the duct with: the choice stays as it was.
        platform::prompter().Tell(LoadString(noThicknessesId));
        fillProducts(shownType_, shownProduct_);
        return;
    }
    shownProduct_ = chosen;
    fillThicknesses(nullptr);
    updatePicture();
}

void CLydDlg::updateStates()
{
    const bool catalogue = sources_->checkedId() == 0;
    catalogueGroup_->setEnabled(catalogue);
    products_.Box()->setEnabled(catalogue);
    thicknesses_.Box()->setEnabled(catalogue);
    thicknessLabel_->setEnabled(catalogue);
    userGroup_->setEnabled(!catalogue);
    factorGroup_->setEnabled(!catalogue);
    userProductName_->setEnabled(!catalogue);
    rows_[f::userThickness].SetEnabled(!catalogue);
    for (const auto& row : factorRows_)
        row->SetEnabled(!catalogue);

    const bool circular = shownType_ == 0;
    rows_[f::ductDiameter].SetEnabled(circular);
    rows_[f::height].SetEnabled(!circular);
    rows_[f::width].SetEnabled(!circular);
    updatePicture();
}

void CLydDlg::updatePicture()
{
    picture_ = CHeader::PictureOf(SoundPicture(products_.Chosen(), sources_->checkedId() == 1, shownType_));
    const QImage image = QtPictures::Image(picture_, QSize(pictureSize, pictureSize));
    pictureLabel_->setPixmap(QPixmap::fromImage(image));
}

void CLydDlg::storeChoices()
{
    Values& v = values_;
    v.ductType = shownType_;
    v.productSource = sources_->checkedId();
    v.userProductName = ToStdString(userProductName_->text());
    CAbsorpsjon* product = products_.Chosen();
    CAbsorpsjonTykkelse* thickness = thicknesses_.Chosen();
    // A product that offers no thickness to choose keeps the values the
    // module brought with it.
    if (!thickness && product && product == v.product)
        thickness = v.productThickness;
    v.product = product;
    v.productThickness = product ? thickness : nullptr;
}

bool CLydDlg::Validate()
{
    if (!rows_.StoreAll())
        return false;
    for (const auto& row : factorRows_)
        if (!row->Store())
            return false;
    storeChoices();
    InputCheck check;
    return (ExchangeSoundInput(values_, check) &&
            CheckSoundInput(values_, values_.product, values_.productThickness, check)) ||
           RefuseCheck(this, check);
}

bool EditSound(CItem& item, QWidget* parent)
{
    return EditModule<CLydDlg, CLydModul>(item, parent);
}
