#include "CCatalogueItemDlg.h"

#include "QtText.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

#include <algorithm>

namespace {

constexpr int tooLongId = 61716;

std::string askForPicture(QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("jpg-bilder (*.jpg)"));
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    dialog.selectFile(QStringLiteral("*.jpg"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return ToStdString(dialog.selectedFiles().first());
}

bool askForColour(unsigned& colour, QWidget* parent)
{
    const QColor current(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(current, parent);
    if (!chosen.isValid())
        return false;
    colour = unsigned(chosen.red()) | unsigned(chosen.green()) << 8 | unsigned(chosen.blue()) << 16;
    return true;
}

} // namespace

std::function<std::string(QWidget* parent)> CCatalogueItemDlg::choosePicture = askForPicture;
std::function<bool(unsigned& colour, QWidget* parent)> CCatalogueItemDlg::chooseColour = askForColour;

QLineEdit* CCatalogueItemDlg::TextField(const char* objectName, const std::string& text, int limit)
{
    const QString shown = ToQString(text);
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromUtf8(objectName));
    field->setMaxLength(std::max(limit, int(shown.size())));
    field->setText(shown);
    return field;
}

bool CCatalogueItemDlg::ExchangeText(QLineEdit* field, int limit, std::string& text)
{
    if (field->text().size() > limit) {
        platform::prompter().Tell(FormatMessage(tooLongId, {std::to_string(limit)}));
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return false;
    }
    text = ToStdString(field->text());
    return true;
}

void CCatalogueItemDlg::BrowsePicture(QLineEdit* field)
{
    const std::string path = choosePicture ? choosePicture(this) : std::string();
    if (path.empty())
        return;
    field->setText(QFileInfo(ToQString(path)).fileName());
}
