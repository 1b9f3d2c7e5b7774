#pragma once

#include "CCurveButton.h"
#include "CItemDlg.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

// "Calculate coefficients": the coefficients of the curve through three or
// four points the user types, fitted and drawn again after every keystroke
// that gives a usable value. OK hands out the last fit.
class CKoeffBeregningDlg : public CItemDlg {
    Q_OBJECT

public:
    using Points = CCurveButton::Points;

    static constexpr float minTemperature = -50.0f;
    static constexpr float maxTemperature = 1500.0f;
    static constexpr float minConductivity = 0.01f;
    static constexpr float maxConductivity = 1.0f;

    // Opens on the points 0, 50, 100, 150 °C with 0.037, 0.045, 0.053, 0.057
    // W/(m·K), fitted.
    explicit CKoeffBeregningDlg(QWidget* parent = nullptr);

    // The points a product's curve passes through: T = 0, Tmax/3, Tmax/1.5
    // and Tmax with λ(T) of the coefficients. Should they not be fittable
    // (Tmax 0), the coefficients stand as the fit until the user fixes a point.
    void SeedFromProduct(float maxTemperature, float a, float b, float c, float d);
    void setPoints(const Points& temperatures, const Points& conductivities, bool threePoints);

    // The last fit.
    void coefficients(float& outA, float& outB, float& outC, float& outD) const;

    QLineEdit* TemperatureField(int i) const { return temperatureFields_[std::size_t(i)]; }
    QLineEdit* ConductivityField(int i) const { return conductivityFields_[std::size_t(i)]; }
    QCheckBox* ThreePointBox() const { return threePoints_; }
    CCurveButton* Curve() const { return curve_; }
    QLabel* ResultText(int i) const { return results_[std::size_t(i)]; }

private slots:
    void onPointEdited();
    void onModeToggled();

private:
    void refit();
    void showResults();

    Points temperatures_{0.0f, 50.0f, 100.0f, 150.0f};
    Points conductivities_{0.037f, 0.045f, 0.053f, 0.057f};
    float a_ = 0.0f, b_ = 0.0f, c_ = 0.0f, d_ = 0.0f;
    bool filling_ = false;

    std::array<QLineEdit*, 4> temperatureFields_{};
    std::array<QLineEdit*, 4> conductivityFields_{};
    QCheckBox* threePoints_;
    CCurveButton* curve_;
    std::array<QLabel*, 4> results_{};
};
