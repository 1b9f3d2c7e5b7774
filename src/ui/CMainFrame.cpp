#include "CMainFrame.h"

#include "CAboutDlg.h"
#include "CKlimaDlg.h"
#include "CNewDocDlg.h"
#include "CProduktBeskrivelseDlg.h"
#include "CTitleDlg.h"
#include "CKostnadDlg.h"
#include "CVekView.h"
#include "DocTemplate.h"
#include "FileChooser.h"
#include "PrintCommands.h"
#include "QtText.h"
#include "ShellPictures.h"
#include "StartupSettings.h"
#include "WindowPlacement.h"
#include "database/Catalogue.h"
#include "doc/CVekDoc.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int helpFailedId = 61703;

} // namespace

CMainFrame::CMainFrame(CVekDoc& doc, QWidget* parent)
    : QMainWindow(parent), doc_(doc), fileChooser_(std::make_unique<QtFileChooser>())
{
    infoDialogs_.gettingStarted = [this] { CNewDocDlg(this).exec(); };
    infoDialogs_.welcome = [this] { CTitleDlg(QDate::currentDate(), this).exec(); };
    infoDialogs_.about = [this] { CAboutDlg(this).exec(); };
    createMenus();
    createToolBar();
    createCentralArea();
    statusBar();

    // The normal size to return to from maximised, when no other is stored,
    // leaves some of the desktop in view.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desk = screen->availableGeometry();
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, desk.size() * 3 / 4, desk));
    }

    recentFiles_.Read();
    updateRecentFileMenu();

    viewId_ = doc_.AddView([this](std::uint32_t hint) { onDocumentChanged(hint); });
    onDocumentChanged(CVekDoc::fullRedraw);
}

CMainFrame::~CMainFrame()
{
    doc_.RemoveView(viewId_);
}

QAction* CMainFrame::addCommand(QMenu* menu, int command, const char* text, const QKeySequence& shortcut,
                                const char* prompt)
{
    auto* action = new QAction(QString::fromUtf8(text), this);
    action->setShortcut(shortcut);
    if (prompt)
        action->setStatusTip(QString::fromUtf8(prompt));
    menu->addAction(action);
    commands_[command] = action;
    return action;
}

QAction* CMainFrame::CommandAction(int command) const
{
    auto it = commands_.find(command);
    return it == commands_.end() ? nullptr : it->second;
}

void CMainFrame::createMenus()
{
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&Arkiv"));
    addCommand(fileMenu_, commandFileNew, "&Nytt", QKeySequence(Qt::CTRL | Qt::Key_N));
    addCommand(fileMenu_, commandFileOpen, "&Öppna...", QKeySequence(Qt::CTRL | Qt::Key_O));
    addCommand(fileMenu_, commandFileSave, "S&para", QKeySequence(Qt::CTRL | Qt::Key_S));
    addCommand(fileMenu_, commandFileSaveAs, "Spara so&m...");
    fileMenu_->addSeparator();
    addCommand(fileMenu_, commandFilePrint, "&Skriv &ut...", QKeySequence(Qt::CTRL | Qt::Key_P));
    addCommand(fileMenu_, commandFilePrintPreview, "Förhands&granska");
    addCommand(fileMenu_, commandFilePrintSetup, "Skrivar&inställning...");
    fileMenu_->addSeparator();
    // The recent documents go between these two separators.
    beforeExit_ = fileMenu_->addSeparator();
    addCommand(fileMenu_, commandAppExit, "&Avsluta");

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Redigera"));
    addCommand(edit, commandEditCopy, "&Kopiera till Urklipp", QKeySequence(Qt::CTRL | Qt::Key_C));
    edit->addSeparator();
    addCommand(edit, CVekDoc::commandEditProject, "&Projektinformation..", {}, "Redigera projektinformation");
    addCommand(edit, CVekDoc::commandEditInput, "&Indata...", {}, "Redigera indatavärden");
    addCommand(edit, CVekDoc::commandEditDescriptions, "&Beskrivningstexter AMA VVS  KYL 12...", {},
               "Redigera beskrivningstekster");
    addCommand(edit, CVekDoc::commandEditDatabase, "&Databas...", {}, "Redigera databas");

    QMenu* view = menuBar()->addMenu(QStringLiteral("Vi&sa"));
    QAction* toolbar = addCommand(view, commandViewToolbar, "&Knapprader");
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    view->addSeparator();
    for (int i = 0; i < ModuleCount; ++i) {
        const ModuleInfo& info = GetModuleInfo(i);
        QAction* action = addCommand(view, info.viewCommand, info.menuCaption, {}, info.menuPrompt);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, i] { doc_.OnViewModule(i); });
        moduleActions_[std::size_t(i)] = action;
    }

    QMenu* help = menuBar()->addMenu(QString::fromUtf8("&Hjälp"));
    addCommand(help, commandHelpContents, "&Innehåll", QKeySequence(Qt::Key_F1));
    help->addSeparator();
    addCommand(help, commandAppAbout, "&Om Tekvar®...");

    connect(CommandAction(commandFileNew), &QAction::triggered, this, &CMainFrame::OnNewCommand);
    connect(CommandAction(commandAppAbout), &QAction::triggered, this, [this] { infoDialogs_.about(); });
    connect(CommandAction(commandFileOpen), &QAction::triggered, this, &CMainFrame::OnFileOpen);
    connect(CommandAction(commandFileSave), &QAction::triggered, this, &CMainFrame::OnFileSave);
    connect(CommandAction(commandFileSaveAs), &QAction::triggered, this, &CMainFrame::OnFileSaveAs);
    connect(CommandAction(commandAppExit), &QAction::triggered, this, &QWidget::close);
    connect(CommandAction(CVekDoc::commandEditProject), &QAction::triggered, this, [this] { doc_.OnEditProject(); });
    connect(CommandAction(CVekDoc::commandEditDatabase), &QAction::triggered, this, [this] { doc_.OnEditDatabase(); });
    connect(CommandAction(CVekDoc::commandEditDescriptions), &QAction::triggered, this, [this] {
        SetDescriptionProject(&doc_.Project());
        doc_.OnEditDescriptions();
        SetDescriptionProject(nullptr);
    });
    connect(CommandAction(CVekDoc::commandEditInput), &QAction::triggered, this, [this] {
        if (!doc_.CanEditInput())
            return;
        // "Ortsdata..." in the module dialogs offers the document's climate locations.
        auto* catalogue = dynamic_cast<Catalogue*>(doc_.Catalogue());
        SetClimateLocations(catalogue ? &catalogue->climate : nullptr);
        // "Kostnadsdata..." in the economy alternatives offers its cost list.
        SetCostData(catalogue ? &catalogue->costs : nullptr);
        doc_.OnEditInput();
        SetCostData(nullptr);
        SetClimateLocations(nullptr);
    });
    connect(CommandAction(commandHelpContents), &QAction::triggered, this, [] {
        if (!platform::help().ShowTopic("::/html/contents.htm"))
            platform::prompter().Tell(LoadString(helpFailedId));
    });
    connect(toolbar, &QAction::triggered, this, [this](bool shown) { toolBar_->setVisible(shown); });

    // Whether an editor exists can change while the window is open; the
    // menus look again each time they open.
    for (QMenu* menu : {fileMenu_, edit, view})
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommands);
}

void CMainFrame::createToolBar()
{
    toolBar_ = addToolBar(QStringLiteral("Knapprader"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    // The desktop's own icons where its theme has them, else ours.
    const struct {
        int command;
        const char* icon;
        const char* tip;
        const char* prompt;
    } buttons[] = {
        {commandFileNew, "document-new", "Nytt", "Skapa ett nytt dokument"},
        {commandFileOpen, "document-open", "Öppna", "Öppna ett befintligt dokument"},
        {commandFileSave, "document-save", "Spara", "Spara det aktiva dokumentet"},
        {0, nullptr, nullptr, nullptr},
        {commandFilePrint, "document-print", "Skriv ut", "Skriv ut den visade sidan"},
        {commandFilePrintPreview, "document-print-preview", "Förhandsgranska", "Visa sidan som den skrivs ut"},
        {commandEditCopy, "edit-copy", "Kopiera", "Kopiera markerad tabell eller diagram till Urklipp"},
        {0, nullptr, nullptr, nullptr},
        {CVekDoc::commandEditInput, "input", "Indata...", nullptr},
        {CVekDoc::commandEditProject, "project", "Projektinformation..", nullptr},
        {CVekDoc::commandEditDatabase, "database", "Databas...", nullptr},
        {0, nullptr, nullptr, nullptr},
        {commandHelpContents, "help-contents", "Hjälp", "Visa hjälpens innehåll"},
    };
    for (const auto& button : buttons) {
        if (!button.icon) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = CommandAction(button.command);
        const QString icon = QString::fromLatin1(button.icon);
        action->setIcon(QIcon::fromTheme(icon, DrawnToolIcon(icon)));
        action->setToolTip(QString::fromUtf8(button.tip));
        if (button.prompt && action->statusTip().isEmpty())
            action->setStatusTip(QString::fromUtf8(button.prompt));
        toolBar_->addAction(action);
    }
}

void CMainFrame::createCentralArea()
{
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    tabs_ = new QTabBar(area);
    tabs_->setExpanding(false);
    tabs_->setDrawBase(true);
    for (int i = 0; i < ModuleCount; ++i)
        tabs_->addTab(ToQString(LoadString(GetModuleInfo(i).shortNameId)));
    // Connected after the tabs exist, so that adding them selects no module.
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0 && index < ModuleCount)
            doc_.SetActiveModule(index);
    });

    view_ = new CVekView(doc_, area);
    // Copy follows the selection; printing works on the view's page.
    connect(view_, &CVekView::selectionChanged, this, &CMainFrame::updateCommands);
    connect(CommandAction(commandEditCopy), &QAction::triggered, view_, &CVekView::OnEditCopy);
    print_ = new PrintCommands(*view_, this);
    connect(CommandAction(commandFilePrint), &QAction::triggered, print_, &PrintCommands::OnFilePrint);
    connect(CommandAction(commandFilePrintPreview), &QAction::triggered, print_, &PrintCommands::OnFilePrintPreview);
    connect(CommandAction(commandFilePrintSetup), &QAction::triggered, print_, &PrintCommands::OnFilePrintSetup);
    layout->addWidget(tabs_);
    layout->addWidget(view_, 1);
    setCentralWidget(area);
}

void CMainFrame::onDocumentChanged(std::uint32_t)
{
    const int active = doc_.ActiveModule();
    {
        // Selecting the tab here must not come back to the document as a click.
        const QSignalBlocker blocker(tabs_);
        tabs_->setCurrentIndex(active);
    }
    for (int i = 0; i < ModuleCount; ++i)
        moduleActions_[std::size_t(i)]->setChecked(i == active);
    updateCommands();
    updateTitle();
}

void CMainFrame::updateCommands()
{
    CommandAction(CVekDoc::commandEditInput)->setEnabled(doc_.CanEditInput());
    CommandAction(CVekDoc::commandEditProject)->setEnabled(platform::editors().CanEdit(doc_.Project()));
    CommandAction(CVekDoc::commandEditDescriptions)->setEnabled(platform::editors().CanEdit(doc_.Descriptions()));
    {
        auto* catalogue = dynamic_cast<Catalogue*>(doc_.Catalogue());
        CommandAction(CVekDoc::commandEditDatabase)
            ->setEnabled(catalogue && platform::editors().CanEdit(catalogue->database));
    }
    CommandAction(commandViewToolbar)->setChecked(!toolBar_->isHidden());
    if (view_)
        CommandAction(commandEditCopy)->setEnabled(view_->CanCopy());
}

void CMainFrame::updateTitle()
{
    setWindowTitle(ToQString(doc_.Title() + " - " + DocTemplateString(DocTemplatePart::windowTitle)));
}

void CMainFrame::OnNewCommand()
{
    if (OnFileNew() && startup::IsOn(startup::gettingStartedKey))
        infoDialogs_.gettingStarted();
}

void CMainFrame::StartUp(const std::string& fileToOpen)
{
    OnNewCommand();
    ShowWithStoredPlacement();
    if (!fileToOpen.empty())
        OpenDocumentFile(fileToOpen);
    else if (startup::IsOn(startup::welcomeKey))
        infoDialogs_.welcome();
}

void CMainFrame::ShowWithStoredPlacement()
{
    // A window never placed by the user comes up maximised.
    WindowPlacement created = PlacementOf(*this);
    created.show = WindowPlacement::showMaximized;
    ShowPlaced(*this, ReadPlacement(platform::settings(), created));
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    WritePlacement(platform::settings(), PlacementOf(*this));
    event->accept();
}
