#include "QtReplacementChooser.h"

#include "CDatabaseverdiBorteDlg.h"

#include <QApplication>

#include <memory>

int QtReplacementChooser::Choose(const std::string& message, const std::vector<std::string>& names,
                                 platform::ReplacementSource source)
{
    std::unique_ptr<CDatabaseverdiBorteDlg> dialog;
    if (source == platform::ReplacementSource::UserDatabase)
        dialog = std::make_unique<CEgendefDatabaseverdiBorteDlg>(message, names, QApplication::activeWindow());
    else
        dialog = std::make_unique<CDatabaseverdiBorteDlg>(message, names, QApplication::activeWindow());
    dialog->exec();
    return dialog->Chosen();
}
