#pragma once

#include "doc/InputCheck.h"

#include <QString>

#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

// Reads a number typed with a decimal point or a decimal comma. Nothing else
// passes: no "inf", "nan" or hexadecimal numbers, nothing after the number.
bool ParseNumber(const QString& text, float& value);

// The value in a printf format, as the fields show it.
QString FormatNumber(const char* format, float value);

// The text of a converted air flow: fewer decimals the larger it is.
QString FlowText(float flow);

// Shows "Skriv in ett tal." and puts the focus on the field.
void RefuseNumber(QLineEdit* field);
// Puts the focus on the field, selecting the text of an edit.
void FocusField(QWidget* field);
// Answers a check's warnings with the OK/Cancel question, as dialogs ask them.
InputCheck::Ask OkCancelWarnings();
// Shows the message of a refused check and puts the focus on the field it
// names among the dialog's children. Always false, to be returned.
bool RefuseCheck(QWidget* dialog, const InputCheck& check);

// One number field of a dialog: its label and edit, built from the field's
// declaration and bound to the member of the dialog's copy of the input.
class NumberRow {
public:
    template <class Input>
    NumberRow(QWidget* dialog, const NumberField<Input>& field, std::type_identity_t<Input>& values)
        : NumberRow(dialog, field.name, field.label, field.format, &(values.*field.value), field.min, field.max)
    {
    }
    NumberRow(QWidget* dialog, const char* name, const char* label, const char* format, float* value, float min,
              float max);

    QLabel* Label() const { return label_; }
    QLineEdit* Edit() const { return edit_; }
    // Shows a value in the field's format.
    void Show(float value);
    // Shows a value with another format (a converted flow).
    void Show(const QString& text);
    // Reads the edit into the member: text that is no number shows
    // "Skriv in ett tal.", a number outside the field's range "Skriv in ett
    // tal mellan %1 och %2.", and the focus goes back to the field.
    bool Store();
    // The same for any edit: its number within min and max into value.
    static bool Exchange(QLineEdit* edit, float min, float max, float& value);
    // What the edit holds now, or `otherwise` while it holds no number.
    float Typed(float otherwise) const;
    // The edit and its label.
    void SetEnabled(bool on);
    // The label in column `column`, the edit beside it.
    void PlaceIn(QGridLayout* grid, int row, int column = 0);

private:
    QLabel* label_;
    QLineEdit* edit_;
    const char* format_;
    float* value_;
    float min_;
    float max_;
};

// A dialog's number rows, in the order it exchanges them on OK.
class FieldRows {
public:
    template <class Input, std::size_t N>
    FieldRows(QWidget* dialog, const NumberField<Input>* const (&fields)[N], std::type_identity_t<Input>& values)
    {
        for (const NumberField<Input>* field : fields)
            rows_.emplace_back(field, std::make_unique<NumberRow>(dialog, *field, values));
    }

    // The row of a declared field.
    template <class Input>
    NumberRow& operator[](const NumberField<Input>& field) const
    {
        return of(&field);
    }
    // Stores every row in order; false at the first refusal.
    bool StoreAll();

private:
    NumberRow& of(const void* field) const;

    std::vector<std::pair<const void*, std::unique_ptr<NumberRow>>> rows_;
};

// Shows a flow row's number in another unit (0 m³/h, 1 l/s, 2 m/s): m³/h
// and l/s convert directly, a speed through the free area (m²). Without a
// free area a speed says nothing about the volume, and a text that is no
// number has nothing to convert: the text stays.
void ConvertFlowRow(NumberRow& row, int from, int to, float area);
