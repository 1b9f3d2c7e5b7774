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

constexpr int outOfRangeId = 61715;
constexpr int namedRangeId = 61243;

// Bounds as a user reads them: no exponent for the large ones, and the
// shortest digits that are the float (0.1, not 0.100000001).
std::string bound(float value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, result.ptr);
}

void refuseField(QWidget* field)
{
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}

} // namespace

QString FormatNumber(const char* format, float value)
{
    return ToQString(Sprintf(std::string(format), double(value)));
}

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
    float number = 0.0f;
    if (!ReadNumber(field, number))
        return false;
    if (number < min || number > max) {
        platform::prompter().Tell(FormatPositional(LoadString(outOfRangeId), {bound(min), bound(max)}));
        refuseField(field);
        return false;
    }
    value = number;
    return true;
}

bool CFieldDlg::ExchangeInteger(QLineEdit* field, int min, int max, int& value)
{
    float number = 0.0f;
    if (!ReadNumber(field, number))
        return false;
    if (number != std::floor(number)) {
        platform::prompter().Tell(LoadString(61713));
        refuseField(field);
        return false;
    }
    if (number < float(min) || number > float(max)) {
        platform::prompter().Tell(
            FormatPositional(LoadString(outOfRangeId), {std::to_string(min), std::to_string(max)}));
        refuseField(field);
        return false;
    }
    value = int(number);
    return true;
}

bool CFieldDlg::CheckNamed(QWidget* field, const std::string& name, float value, float min, float max)
{
    if (value >= min && value <= max)
        return true;
    platform::prompter().Tell(Sprintf(LoadString(namedRangeId), name.c_str(), double(min), double(max)));
    refuseField(field);
    return false;
}
