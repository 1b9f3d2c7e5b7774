#pragma once

#include "CCatalogueItemDlg.h"

#include <cstdint>

class CItem;
class CMantling;
class QFrame;
class QLineEdit;
class QPushButton;
class QScrollBar;

// "Ytbeklädnad": a cladding's name, emissivity and colour. The scroll bar
// sets the emissivity in steps of 0.05 and 0.2; what is typed into the
// field stands as typed.
class CMantlingDlg : public CCatalogueItemDlg {
    Q_OBJECT

public:
    CMantlingDlg(const CMantling& cladding, QWidget* parent = nullptr);

    // The values of a confirmed dialog go into the cladding.
    void Apply(CMantling& cladding) const;

    QLineEdit* NameField() const { return name_; }
    QLineEdit* EmissivityField() const { return emissivity_; }
    QScrollBar* EmissivityBar() const { return bar_; }
    QPushButton* ColourButton() const { return colourButton_; }
    QFrame* Swatch() const { return swatch_; }
    std::uint32_t Colour() const { return colour_; }

public slots:
    void OnChooseColour();

protected:
    bool Validate() override;

private:
    void paintSwatch();

    const CMantling& original_;
    QLineEdit* name_;
    QLineEdit* emissivity_;
    QScrollBar* bar_;
    QPushButton* colourButton_;
    QFrame* swatch_;
    std::uint32_t colour_;
    std::string nameValue_;
    float emissivityValue_ = 0.0f;
};

bool EditCladding(CItem& item, QWidget* parent);
