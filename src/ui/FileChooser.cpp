#include "FileChooser.h"

#include "DocTemplate.h"
#include "QtText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

void prepare(QFileDialog& dialog)
{
    dialog.setNameFilter(ToQString(DocTemplateString(DocTemplatePart::filterName)));
    QString suffix = ToQString(DocTemplateString(DocTemplatePart::filterExtension));
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
}

} // namespace

std::string QtFileChooser::ChooseOpen(QWidget* parent)
{
    QFileDialog dialog(parent, QString(), folder_.isEmpty() ? QDir::currentPath() : folder_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(path).absolutePath();
    return ToStdString(path);
}

std::string QtFileChooser::ChooseSave(QWidget* parent, const std::string& proposed)
{
    QFileInfo proposedFile(ToQString(proposed));
    if (proposedFile.isRelative())
        proposedFile.setFile(QDir(folder_.isEmpty() ? QDir::currentPath() : folder_), ToQString(proposed));
    QFileDialog dialog(parent, QString(), proposedFile.absolutePath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    prepare(dialog);
    dialog.selectFile(proposedFile.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(path).absolutePath();
    return ToStdString(path);
}
