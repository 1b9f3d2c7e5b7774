#pragma once

#include "CItemDlg.h"
#include "FieldRows.h"

class QGridLayout;
class QLabel;
class QLineEdit;

// An item editor with number fields. Closing exchanges each field the way
// the framework does: text that is no number shows "Skriv in ett tal.", a
// number outside the field's range "Skriv in ett tal mellan %1 och %2.", and
// the focus goes back to the field.
class CFieldDlg : public CItemDlg {
    Q_OBJECT

public:
    using CItemDlg::CItemDlg;

    // A field showing the value in the format ("%.1f").
    QLineEdit* NumberField(const char* objectName, const char* format, float value);
    // The label (with the field as its buddy) and the field in one grid row.
    QLabel* AddRow(QGridLayout* grid, int row, const char* label, QWidget* field, int column = 0);

protected:
    bool ExchangeNumber(QLineEdit* field, float min, float max, float& value);
    bool ExchangeInteger(QLineEdit* field, int min, int max, int& value);
    // A check with the field's name in the message ("Värdet för höjden …").
    bool CheckNamed(QWidget* field, const std::string& name, float value, float min, float max);
};
