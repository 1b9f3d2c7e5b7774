#include "RunGui.h"

#include "CMainFrame.h"
#include "Editors.h"
#include "HelpWindow.h"
#include "QtClipboard.h"
#include "QtEditorService.h"
#include "QtPrompter.h"
#include "QtReplacementChooser.h"
#include "QtSettingsStore.h"
#include "doc/CVekDoc.h"
#include "modules/StandardDocumentParts.h"
#include "platform/Services.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>

int RunGui(int argc, char** argv, const std::string& fileToOpen)
{
    QApplication app(argc, argv);
    // QApplication takes the user's locale; numbers must keep their decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QStringLiteral("Norlam"));
    QApplication::setApplicationName(QStringLiteral("Tekvar"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tekvar")));

    // Qt's own dialogs (the file dialog) in Swedish where the translation is installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Swedish, QLocale::Sweden), QStringLiteral("qt"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QtPrompter prompter;
    QtSettingsStore settings;
    QtEditorService editors;
    QtClipboard clipboard;
    QtReplacementChooser replacements;
    QtHelpService help;
    const platform::ScopedServices services(
        {.prompter = &prompter,
         .settings = &settings,
         .editors = &editors,
         .help = &help,
         .clipboard = &clipboard,
         .replacementChooser = &replacements});
    RegisterEditors(editors);

    StandardDocumentParts parts;
    CVekDoc doc(parts);
    CMainFrame frame(doc);
    frame.StartUp(fileToOpen);
    return app.exec();
}
