#pragma once

#include "CItemDlg.h"
#include "database/CIsoProdukt.h"

#include <QString>

#include <array>
#include <functional>

class CItem;
class QCheckBox;
class QLineEdit;
class QPushButton;
class ThicknessListPanel;

// "Isolerprodukt": a maker's insulation product with its curve coefficients,
// thickness range and standard thicknesses, the objects it is meant for and
// the pictures that show it on them. It works on a copy of the product; the
// product takes the values over with applyTo after OK.
class CIsoProduktDlg : public CItemDlg {
    Q_OBJECT

public:
    static constexpr int nameLimit = 60;
    static constexpr int pictureLimit = 255;

    explicit CIsoProduktDlg(const CIsoProdukt& product, QWidget* parent = nullptr);

    void applyTo(CIsoProdukt& product);

    // Asks for a picture file; an empty text when the user cancelled. The
    // file box unless a test answers in its place.
    std::function<QString(QWidget* parent)> choosePicture;

    QLineEdit* NameField() const { return name_; }
    QLineEdit* MinThicknessField() const { return minThickness_; }
    QLineEdit* MaxThicknessField() const { return maxThickness_; }
    QLineEdit* MaxTemperatureField() const { return maxTemperature_; }
    QLineEdit* CoefficientField(int i) const { return coefficients_[std::size_t(i)]; }
    QCheckBox* UsageBox(int kind) const { return usage_[std::size_t(kind)]; }
    QLineEdit* PictureField(int slot) const { return pictures_[std::size_t(slot)]; }
    QPushButton* BrowseButton(int slot) const { return browse_[std::size_t(slot)]; }
    QPushButton* CoefficientButton() const { return coefficientButton_; }
    ThicknessListPanel* Thicknesses() const { return thicknesses_; }

public slots:
    void OnCalculateCoefficients();

protected:
    bool Validate() override;

private:
    void browse(int slot);
    void enablePictures();

    ThicknessListPanel* thicknesses_;
    QLineEdit* name_;
    QLineEdit* minThickness_;
    QLineEdit* maxThickness_;
    QLineEdit* maxTemperature_;
    std::array<QLineEdit*, 4> coefficients_{};
    std::array<QCheckBox*, ObjectKindCount> usage_{};
    std::array<QLineEdit*, CIsoProdukt::pictureCount> pictures_{};
    std::array<QPushButton*, CIsoProdukt::pictureCount> browse_{};
    QPushButton* coefficientButton_;

    // What OK read from the fields.
    float minThicknessValue_ = 0.0f, maxThicknessValue_ = 0.0f, maxTemperatureValue_ = 0.0f;
    std::array<float, 4> coefficientValues_{};
    // Shown until the fields hold something better; seeds the coefficient dialog.
    float shownMaxTemperature_ = 0.0f;
    std::array<float, 4> shownCoefficients_{};
};

// The editor of CIsoProdukt.
bool EditIsoProdukt(CItem& item, QWidget* parent);

// The object kind whose usage box enables a picture slot.
int PictureSlotKind(int slot);
