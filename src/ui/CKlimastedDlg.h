#pragma once

#include "CFieldDlg.h"

class CItem;
class CKlimasted;
class QLineEdit;

// "Årsmedelvärden": one climate location's name, annual mean temperature and
// annual mean wind speed. The name must be new in the location list being
// edited (the list dialog's working copy).
class CKlimastedDlg : public CFieldDlg {
    Q_OBJECT

public:
    explicit CKlimastedDlg(const CKlimasted& location, QWidget* parent = nullptr);

    // The typed values with the display text rebuilt; valid after OK.
    void CopyTo(CKlimasted& location) const;

    QLineEdit* NameField() const { return name_; }
    QLineEdit* TemperatureField() const { return temperature_; }
    QLineEdit* WindField() const { return wind_; }

protected:
    bool Validate() override;

private:
    const CKlimasted& location_;
    QLineEdit* name_;
    QLineEdit* temperature_;
    QLineEdit* wind_;
    float temperatureValue_ = 0.0f;
    float windValue_ = 0.0f;
};

// The editor of CKlimasted.
bool EditClimateLocation(CItem& item, QWidget* parent);
