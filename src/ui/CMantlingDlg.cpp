#include "CMantlingDlg.h"

#include "database/CDataBase.h"
#include "database/CMantling.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

CMantlingDlg::CMantlingDlg(const CMantling& cladding, QWidget* parent)
    : CCatalogueItemDlg("::/html/overflate.htm", parent), original_(cladding), colour_(cladding.colour)
{
    setWindowTitle(QString::fromUtf8("Ytbeklädnad"));

    name_ = TextField("name372", cladding.name, nameLimit);
    name_->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
    emissivity_ = NumberField("emissivity461", "%g", cladding.emissivity);
    // Hundredths of the emissivity: a line step is 0.05, a page step 0.2.
    bar_ = new QScrollBar(Qt::Horizontal, this);
    bar_->setObjectName(QStringLiteral("bar462"));
    bar_->setRange(0, 100);
    bar_->setSingleStep(5);
    bar_->setPageStep(20);
    bar_->setValue(int(std::lround(std::clamp(cladding.emissivity, 0.0f, 1.0f) * 100.0f)));
    bar_->setMinimumWidth(fontMetrics().averageCharWidth() * 24);
    connect(bar_, &QScrollBar::valueChanged, this,
            [this](int value) { emissivity_->setText(FormatNumber("%.2f", float(value) / 100.0f)); });

    swatch_ = new QFrame(this);
    swatch_->setObjectName(QStringLiteral("swatch418"));
    swatch_->setFrameShape(QFrame::Box);
    swatch_->setAutoFillBackground(true);
    swatch_->setFixedSize(fontMetrics().averageCharWidth() * 8, fontMetrics().height() + 8);
    colourButton_ = new QPushButton(QString::fromUtf8("Välj ytskiktsfärg..."), this);
    colourButton_->setAutoDefault(false);
    connect(colourButton_, &QPushButton::clicked, this, &CMantlingDlg::OnChooseColour);
    paintSwatch();

    auto* grid = new QGridLayout;
    AddRow(grid, 0, "Namn :", name_);
    AddRow(grid, 1, "Emissivitet :", emissivity_);
    grid->addWidget(bar_, 2, 1);
    grid->addWidget(swatch_, 3, 0);
    grid->addWidget(colourButton_, 3, 1, Qt::AlignLeft);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    name_->setFocus();
}

void CMantlingDlg::paintSwatch()
{
    QPalette palette = swatch_->palette();
    palette.setColor(QPalette::Window, QColor(int(colour_ & 0xFF), int((colour_ >> 8) & 0xFF),
                                              int((colour_ >> 16) & 0xFF)));
    swatch_->setPalette(palette);
    swatch_->update();
}

void CMantlingDlg::OnChooseColour()
{
    unsigned colour = colour_;
    if (chooseColour && chooseColour(colour, this)) {
        colour_ = colour;
        paintSwatch();
    }
}

bool CMantlingDlg::Validate()
{
    if (!ExchangeText(name_, nameLimit, nameValue_) || !ExchangeNumber(emissivity_, 0.0f, 1.0f, emissivityValue_))
        return false;
    const int list = CDataBase::outerCladdings + std::clamp(original_.kind, 0, 2);
    return ValidateName(name_, Others(CDataBase::SystemList(list), &original_));
}

void CMantlingDlg::Apply(CMantling& cladding) const
{
    cladding.name = nameValue_;
    cladding.emissivity = emissivityValue_;
    cladding.colour = colour_;
}

bool EditCladding(CItem& item, QWidget* parent)
{
    auto* cladding = dynamic_cast<CMantling*>(&item);
    if (!cladding)
        return false;
    CMantlingDlg dialog(*cladding, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.Apply(*cladding);
    return true;
}
