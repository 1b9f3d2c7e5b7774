#pragma once

#include "CFieldDlg.h"

class CItem;
class CTillegg2;
class CTilleggsutstyr;
class QCheckBox;
class QComboBox;
class QLineEdit;

// "Tilläggsarmatur": a catalogue fitting type or an own fitting with its
// equivalent length per unit, and the number of units.
class CTilleggsutstyrDlg : public CFieldDlg {
    Q_OBJECT

public:
    explicit CTilleggsutstyrDlg(const CTilleggsutstyr& fitting, QWidget* parent = nullptr);

    // The chosen values, the type re-registered and the list text rebuilt;
    // valid after OK.
    void CopyTo(CTilleggsutstyr& fitting) const;

    QComboBox* TypeBox() const { return type_; }
    QCheckBox* OwnDefinedBox() const { return ownDefined_; }
    QLineEdit* NameField() const { return name_; }
    QLineEdit* LengthField() const { return length_; }
    QLineEdit* CountField() const { return count_; }

protected:
    bool Validate() override;

private:
    void updateStates();
    CTillegg2* chosenType() const;

    QComboBox* type_;
    QCheckBox* ownDefined_;
    QLineEdit* name_;
    QLineEdit* length_;
    QLineEdit* count_;
    float lengthValue_ = 0.0f;
    int countValue_ = 0;
};

// The editor of CTilleggsutstyr.
bool EditFitting(CItem& item, QWidget* parent);
