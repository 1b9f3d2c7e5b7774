#include "FieldRows.h"

#include "QtText.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace {

constexpr int notANumberId = 61713;

} // namespace

bool ParseNumber(const QString& text, float& value)
{
    // Swedish users type a decimal comma; the C locale only reads a point.
    const std::string number = ToStdString(text.trimmed().replace(QLatin1Char(','), QLatin1Char('.')));
    // strtof would also take "inf", "nan" and hexadecimal numbers.
    if (number.empty() || number.find_first_not_of("0123456789.+-eE") != std::string::npos)
        return false;
    char* end = nullptr;
    errno = 0;
    const float parsed = std::strtof(number.c_str(), &end);
    if (end != number.c_str() + number.size() || errno == ERANGE || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

QString FormatNumber(const char* format, float value)
{
    return ToQString(Sprintf(std::string(format), double(value)));
}

QString FlowText(float flow)
{
    const char* format = "%.6f";
    if (flow > 1000.0f)
        format = "%.0f";
    else if (flow > 100.0f)
        format = "%.1f";
    else if (flow > 10.0f)
        format = "%.2f";
    else if (flow > 1.0f)
        format = "%.3f";
    else if (flow > 0.1f)
        format = "%.4f";
    else if (flow > 0.01f)
        format = "%.5f";
    return FormatNumber(format, flow);
}

void ConvertFlowRow(NumberRow& row, int from, int to, float area)
{
    float value = 0;
    if (from == to || !ParseNumber(row.Edit()->text(), value))
        return;
    const bool speed = from == 2 || to == 2;
    if (speed && !(area > 0.0f))
        return;
    const float perUnit[2] = {3600.0f, 1000.0f}; // m³/h and l/s per m³/s
    float converted = value;
    if (!speed)
        converted = to == 1 ? value / 3.6f : value * 3.6f;
    else if (to == 2)
        converted = value / (area * perUnit[from]);
    else
        converted = value * area * perUnit[to];
    row.Show(FlowText(converted));
}

void FocusField(QWidget* field)
{
    if (!field)
        return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}

void RefuseNumber(QLineEdit* field)
{
    platform::prompter().Tell(LoadString(notANumberId));
    FocusField(field);
}

InputCheck::Ask OkCancelWarnings()
{
    return [](int questionId) {
        return platform::prompter().Ask(LoadString(questionId), platform::Buttons::OkCancel,
                                        platform::Icon::Exclamation) == platform::Answer::Ok;
    };
}

bool RefuseCheck(QWidget* dialog, const InputCheck& check)
{
    // A declined warning has said all there is to say.
    if (!check.Message().empty())
        platform::prompter().Tell(check.Message());
    if (!check.Field().empty())
        FocusField(dialog->findChild<QWidget*>(ToQString(check.Field())));
    return false;
}

NumberRow::NumberRow(QWidget* dialog, const char* name, const char* label, const char* format, float* value,
                     float min, float max)
    : label_(new QLabel(QString::fromUtf8(label), dialog)), edit_(new QLineEdit(dialog)),
      format_(format), value_(value), min_(min), max_(max)
{
    edit_->setObjectName(QString::fromUtf8(name));
    edit_->setMaximumWidth(dialog->fontMetrics().averageCharWidth() * 12);
    label_->setBuddy(edit_);
    Show(*value);
}

void NumberRow::Show(float value)
{
    edit_->setText(FormatNumber(format_, value));
}

void NumberRow::Show(const QString& text)
{
    edit_->setText(text);
}

bool NumberRow::Store()
{
    return Exchange(edit_, min_, max_, *value_);
}

bool NumberRow::Exchange(QLineEdit* edit, float min, float max, float& value)
{
    float number = 0;
    if (!ParseNumber(edit->text(), number)) {
        RefuseNumber(edit);
        return false;
    }
    // The typed number is finite, so only the range can refuse it.
    InputCheck check;
    if (!check.Exchange("", "", number, min, max)) {
        platform::prompter().Tell(check.Message());
        FocusField(edit);
        return false;
    }
    value = number;
    return true;
}

float NumberRow::Typed(float otherwise) const
{
    float number = 0;
    return ParseNumber(edit_->text(), number) ? number : otherwise;
}

void NumberRow::SetEnabled(bool on)
{
    edit_->setEnabled(on);
    label_->setEnabled(on);
}

void NumberRow::PlaceIn(QGridLayout* grid, int row, int column)
{
    grid->addWidget(label_, row, column);
    grid->addWidget(edit_, row, column + 1);
}

bool FieldRows::StoreAll()
{
    for (const auto& row : rows_)
        if (!row.second->Store())
            return false;
    return true;
}

NumberRow& FieldRows::of(const void* field) const
{
    for (const auto& row : rows_)
        if (row.first == field)
            return *row.second;
    throw std::logic_error("a field the dialog does not declare");
}
