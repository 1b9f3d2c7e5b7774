#include "CKoeffBeregningDlg.h"

#include "CIsoTykkelseDlg.h"
#include "QtText.h"
#include "doc/StringTable.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CKoeffBeregningDlg::CKoeffBeregningDlg(QWidget* parent) : CItemDlg("::/html/beregn_koeff.htm", parent)
{
    setWindowTitle(QStringLiteral("Calculate coefficients"));

    auto* points = new QGridLayout;
    points->addWidget(new QLabel(QString::fromUtf8("Temperatur [°C]:"), this), 0, 1);
    points->addWidget(new QLabel(QStringLiteral("Lambdavärde [W/mK]:"), this), 0, 2);
    for (int i = 0; i < 4; ++i) {
        auto* temperature = new QLineEdit(this);
        auto* conductivity = new QLineEdit(this);
        temperatureFields_[std::size_t(i)] = temperature;
        conductivityFields_[std::size_t(i)] = conductivity;
        points->addWidget(new QLabel(QStringLiteral("%1.").arg(i + 1), this), i + 1, 0);
        points->addWidget(temperature, i + 1, 1);
        points->addWidget(conductivity, i + 1, 2);
        connect(temperature, &QLineEdit::textEdited, this, &CKoeffBeregningDlg::onPointEdited);
        connect(conductivity, &QLineEdit::textEdited, this, &CKoeffBeregningDlg::onPointEdited);
    }
    threePoints_ = new QCheckBox(QStringLiteral("Calculate coefficients at 3 temperatures"), this);
    connect(threePoints_, &QCheckBox::toggled, this, &CKoeffBeregningDlg::onModeToggled);

    auto* resultGrid = new QGridLayout;
    const char* resultLabels[] = {"3.grads koefficient:", "2.grads koefficient:", "1.grads koefficient:",
                                  "0.grads koefficient:"};
    for (int i = 0; i < 4; ++i) {
        results_[std::size_t(i)] = new QLabel(this);
        results_[std::size_t(i)]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        resultGrid->addWidget(new QLabel(QString::fromUtf8(resultLabels[i]), this), i, 0);
        resultGrid->addWidget(results_[std::size_t(i)], i, 1);
    }

    auto* left = new QVBoxLayout;
    left->addLayout(points);
    left->addWidget(threePoints_);
    left->addSpacing(12);
    left->addLayout(resultGrid);
    left->addStretch();

    curve_ = new CCurveButton(this);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(curve_, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setPoints(temperatures_, conductivities_, false);
}

void CKoeffBeregningDlg::SeedFromProduct(float maxTemperature, float a, float b, float c, float d)
{
    a_ = a;
    b_ = b;
    c_ = c;
    d_ = d;
    const Points temperatures{0.0f, maxTemperature / 3.0f, maxTemperature / 1.5f, maxTemperature};
    Points conductivities{};
    for (std::size_t i = 0; i < temperatures.size(); ++i) {
        const float t = temperatures[i];
        conductivities[i] = a * t * t * t + b * t * t + c * t + d;
    }
    setPoints(temperatures, conductivities, false);
}

void CKoeffBeregningDlg::setPoints(const Points& temperatures, const Points& conductivities, bool threePoints)
{
    temperatures_ = temperatures;
    conductivities_ = conductivities;
    filling_ = true;
    for (std::size_t i = 0; i < 4; ++i) {
        temperatureFields_[i]->setText(ProductFields::Show(temperatures[i]));
        conductivityFields_[i]->setText(ProductFields::Show(conductivities[i]));
    }
    threePoints_->setChecked(threePoints);
    filling_ = false;
    onModeToggled();
}

void CKoeffBeregningDlg::coefficients(float& outA, float& outB, float& outC, float& outD) const
{
    outA = a_;
    outB = b_;
    outC = c_;
    outD = d_;
}

void CKoeffBeregningDlg::onPointEdited()
{
    // Half-typed numbers and values out of range are passed over in silence;
    // the curve keeps showing the last usable points.
    for (std::size_t i = 0; i < 4; ++i) {
        ProductFields::TakeTyped(temperatureFields_[i], minTemperature, maxTemperature, temperatures_[i]);
        ProductFields::TakeTyped(conductivityFields_[i], minConductivity, maxConductivity, conductivities_[i]);
    }
    refit();
}

void CKoeffBeregningDlg::onModeToggled()
{
    if (filling_)
        return;
    const bool four = !threePoints_->isChecked();
    temperatureFields_[3]->setEnabled(four);
    conductivityFields_[3]->setEnabled(four);
    refit();
}

void CKoeffBeregningDlg::refit()
{
    if (curve_->SetPoints(temperatures_, conductivities_, threePoints_->isChecked()))
        curve_->GetCoefficients(a_, b_, c_, d_);
    showResults();
}

void CKoeffBeregningDlg::showResults()
{
    results_[0]->setText(ToQString(Sprintf("%.3e", double(a_))));
    results_[1]->setText(ToQString(Sprintf("%.3e", double(b_))));
    results_[2]->setText(ToQString(Sprintf("%.3e", double(c_))));
    results_[3]->setText(ToQString(Sprintf("%.3f", double(d_))));
}
