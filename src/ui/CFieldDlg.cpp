#include "CFieldDlg.h"

#include "QtText.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <charconv>
#include <cmath>

namespace {

constexpr int namedRangeId = 61243;

} // namespace

QLineEdit* CFieldDlg::NumberField(const char* objectName, const char* format, float value)
{
    auto* field = new QLineEdit(FormatNumber(format, value), this);
    field->setObjectName(QString::fromUtf8(objectName));
    field->setMaximumWidth(fontMetrics().averageCharWidth() * 12);
    return field;
}

QLabel* CFieldDlg::AddRow(QGridLayout* grid, int row, const char* label, QWidget* field, int column)
{
    auto* text = new QLabel(QString::fromUtf8(label), this);
    text->setBuddy(field);
    grid->addWidget(text, row, column);
    grid->addWidget(field, row, column + 1);
    return text;
}

bool CFieldDlg::ExchangeNumber(QLineEdit* field, float min, float max, float& value)
{
    return NumberRow::Exchange(field, min, max, value);
}

bool CFieldDlg::ExchangeInteger(QLineEdit* field, int min, int max, int& value)
{
    float number = 0.0f;
    if (!ReadNumber(field, number))
        return false;
    if (number != std::floor(number)) {
        RefuseNumber(field);
        return false;
    }
    if (!NumberRow::Exchange(field, float(min), float(max), number))
        return false;
    value = int(number);
    return true;
}

bool CFieldDlg::CheckNamed(QWidget* field, const std::string& name, float value, float min, float max)
{
    if (value >= min && value <= max)
        return true;
    platform::prompter().Tell(Sprintf(LoadString(namedRangeId), name.c_str(), double(min), double(max)));
    FocusField(field);
    return false;
}
