#pragma once

#include "CCurveButton.h"
#include "CItemDlg.h"
#include "database/CEgendefIsoProdukt.h"

#include <array>
#include <cstdint>
#include <functional>

class CItem;
class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class ThicknessListPanel;

// "Egendefinierat isoleringsprodukt": a product of the user's own, defined
// by three or four measured points of its conductivity. The curve through
// them is drawn again as the user types; OK keeps the points only when each
// lies in its range and the curve passes through them, so that a stored
// product's coefficients always agree with its stored points.
class CEgendefIsoProduktDlg : public CItemDlg {
    Q_OBJECT

public:
    static constexpr int nameLimit = 60;
    static constexpr float minTemperature = -50.0f;
    static constexpr float maxTemperature = 1500.0f;
    static constexpr float minConductivity = 0.01f;
    static constexpr float maxConductivity = 100.0f;

    explicit CEgendefIsoProduktDlg(const CEgendefIsoProdukt& product, QWidget* parent = nullptr);

    void applyTo(CEgendefIsoProdukt& product);

    // Asks for a colour starting at the given one (0x00BBGGRR); false when
    // the user cancelled. The colour chooser unless a test answers instead.
    std::function<bool(QWidget* parent, std::uint32_t& colour)> chooseColour;

    QLineEdit* NameField() const { return name_; }
    QLineEdit* MinThicknessField() const { return minThickness_; }
    QLineEdit* MaxThicknessField() const { return maxThickness_; }
    QLineEdit* MaxTemperatureField() const { return maxTemperature_; }
    QLineEdit* TemperatureField(int i) const { return temperatureFields_[std::size_t(i)]; }
    QLineEdit* ConductivityField(int i) const { return conductivityFields_[std::size_t(i)]; }
    QCheckBox* ThreePointBox() const { return threePoints_; }
    QCheckBox* UsageBox(int kind) const { return usage_[std::size_t(kind)]; }
    QPushButton* InsulationColourButton() const { return insulationColourButton_; }
    QPushButton* SurfaceColourButton() const { return surfaceColourButton_; }
    QFrame* InsulationColourSwatch() const { return insulationSwatch_; }
    QFrame* SurfaceColourSwatch() const { return surfaceSwatch_; }
    CCurveButton* Curve() const { return curve_; }
    ThicknessListPanel* Thicknesses() const { return thicknesses_; }

    std::uint32_t InsulationColour() const { return insulationColour_; }
    std::uint32_t SurfaceColour() const { return surfaceColour_; }

protected:
    bool Validate() override;

private slots:
    void onPointEdited();
    void onModeToggled();

private:
    void chooseInto(std::uint32_t& colour, QFrame* swatch);
    bool readPoints();

    const CEgendefIsoProdukt& product_;
    CEgendefIsoProdukt::Points temperatures_{};
    CEgendefIsoProdukt::Points conductivities_{};
    std::uint32_t insulationColour_;
    std::uint32_t surfaceColour_;

    QLineEdit* name_;
    QLineEdit* minThickness_;
    QLineEdit* maxThickness_;
    QLineEdit* maxTemperature_;
    std::array<QLineEdit*, 4> temperatureFields_{};
    std::array<QLineEdit*, 4> conductivityFields_{};
    QCheckBox* threePoints_;
    std::array<QCheckBox*, ObjectKindCount> usage_{};
    QFrame* insulationSwatch_;
    QFrame* surfaceSwatch_;
    QPushButton* insulationColourButton_;
    QPushButton* surfaceColourButton_;
    CCurveButton* curve_;
    ThicknessListPanel* thicknesses_;

    // What OK read from the fields.
    float minThicknessValue_ = 0.0f, maxThicknessValue_ = 0.0f, maxTemperatureValue_ = 0.0f;
    float a_ = 0.0f, b_ = 0.0f, c_ = 0.0f, d_ = 0.0f;
};

// The editor of CEgendefIsoProdukt.
bool EditEgendefIsoProdukt(CItem& item, QWidget* parent);
