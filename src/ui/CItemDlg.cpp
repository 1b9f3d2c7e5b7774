#include "CItemDlg.h"

#include "QtText.h"
#include "doc/ItemChecks.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int helpFailedId = 61703;
constexpr int notANumberId = 61713;

} // namespace

CItemDlg::CItemDlg(std::string helpTopic, QWidget* parent) : QDialog(parent), helpTopic_(std::move(helpTopic))
{
}

void CItemDlg::accept()
{
    if (Validate())
        QDialog::accept();
}

void CItemDlg::ShowHelp()
{
    if (!platform::help().ShowTopic(helpTopic_))
        platform::prompter().Tell(LoadString(helpFailedId));
}

QDialogButtonBox* CItemDlg::CreateButtonBox()
{
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Avbryt"));
    box->button(QDialogButtonBox::Help)->setText(QString::fromUtf8("Hjälp"));
    connect(box, &QDialogButtonBox::accepted, this, &CItemDlg::accept);
    connect(box, &QDialogButtonBox::rejected, this, &CItemDlg::reject);
    connect(box, &QDialogButtonBox::helpRequested, this, &CItemDlg::ShowHelp);
    return box;
}

void CItemDlg::refuse(QWidget* field)
{
    if (!field)
        return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}

bool CItemDlg::ValidateName(QLineEdit* field, const std::vector<const CListItem*>& others)
{
    if (::ValidateName(ToStdString(field->text()), others))
        return true;
    refuse(field);
    return false;
}

bool CItemDlg::CheckRange(QWidget* field, int fieldNameId, float value, float min, float max)
{
    if (::CheckRange(fieldNameId, value, min, max))
        return true;
    refuse(field);
    return false;
}

bool CItemDlg::ReadNumber(QLineEdit* field, float& value)
{
    // Swedish users type a decimal comma; the C locale only reads a point.
    std::string text = ToStdString(field->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')));
    // strtof would also take "inf", "nan" and hexadecimal numbers.
    const bool plainDecimal = text.find_first_not_of("0123456789.+-eE") == std::string::npos;
    char* end = nullptr;
    errno = 0;
    const float number = std::strtof(text.c_str(), &end);
    if (text.empty() || !plainDecimal || end != text.c_str() + text.size() || errno == ERANGE ||
        !std::isfinite(number)) {
        platform::prompter().Tell(LoadString(notANumberId));
        refuse(field);
        return false;
    }
    value = number;
    return true;
}

void CItemDlg::keyPressEvent(QKeyEvent* event)
{
    // F1 in any field of the dialog reaches here, since the fields leave it alone.
    if (event->matches(QKeySequence::HelpContents)) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}
