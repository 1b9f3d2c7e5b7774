#pragma once

#include "RecentFileList.h"
#include "doc/ModuleInfo.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CVekDoc;
class CVekView;
class FileChooser;
class PrintCommands;
class QTabBar;
class QToolBar;

// The main window: the menus, the toolbar, the module tabs above the result
// view, and the single-document file commands on the one document.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // Command ids of the shell's own commands; the document's are in CVekDoc.
    enum Command {
        commandFileNew = 57600,
        commandFileOpen = 57601,
        commandFileSave = 57603,
        commandFileSaveAs = 57604,
        commandFilePrintSetup = 57606,
        commandFilePrint = 57607,
        commandFilePrintPreview = 57609,
        commandRecentFile1 = 57616,
        commandEditCopy = 57634,
        commandAppAbout = 57664,
        commandAppExit = 57665,
        commandHelpContents = 57666,
        commandViewToolbar = 59392,
    };

    enum class OpenResult { opened, cancelled, failed };

    explicit CMainFrame(CVekDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // A new document once the open one is saved or given up; false when the
    // user kept the open one.
    bool OnFileNew();
    // "&Nytt" from the menu or the toolbar: a new document, then the
    // getting-started dialog while "NewDocWindow" is "Yes".
    void OnNewCommand();

    // The informational dialogs; tests put in their own to see which show.
    struct InfoDialogs {
        std::function<void()> gettingStarted;
        std::function<void()> welcome;
        std::function<void()> about;
    };
    void SetInfoDialogs(InfoDialogs dialogs) { infoDialogs_ = std::move(dialogs); }

    // Start-up after the window is made: "&Nytt", the stored placement, then
    // the file named on the command line or else, while "HelpWindow" is
    // "Yes", the welcome dialog.
    void StartUp(const std::string& fileToOpen);
    // "&Öppna...": the file dialog, then OpenDocumentFile.
    void OnFileOpen();
    // "S&para": under the document's name, or as "Spara so&m..." when it has
    // none or its file cannot be written.
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnOpenRecentFile(std::size_t index);
    // Opens a file in place of the document, after asking to save a modified one.
    OpenResult OpenDocumentFile(const std::string& path);
    // "Spara förändringar i %1?" for a modified document; false when the user
    // cancelled or the save did not happen.
    bool SaveModified();

    // Shows the window where it stood when the program last closed.
    void ShowWithStoredPlacement();

    void SetFileChooser(std::unique_ptr<FileChooser> chooser);

    QAction* CommandAction(int command) const;
    QAction* ModuleAction(int index) const { return moduleActions_.at(std::size_t(index)); }
    QTabBar* ModuleTabs() const { return tabs_; }
    QToolBar* ToolBar() const { return toolBar_; }
    CVekView* View() const { return view_; }
    PrintCommands* Printing() const { return print_; }
    const RecentFileList& RecentFiles() const { return recentFiles_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Only "&Knapprader" shows or hides the toolbar.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    QAction* addCommand(QMenu* menu, int command, const char* text, const QKeySequence& shortcut = {},
                        const char* prompt = nullptr);
    void createMenus();
    void createToolBar();
    void createCentralArea();
    void onDocumentChanged(std::uint32_t hint);
    void updateCommands();
    void updateTitle();
    void updateRecentFileMenu();
    bool doSave(const std::string& path);
    void rememberFile(const std::string& path);

    CVekDoc& doc_;
    int viewId_ = 0;
    std::unique_ptr<FileChooser> fileChooser_;
    RecentFileList recentFiles_;
    std::map<int, QAction*> commands_;
    std::array<QAction*, ModuleCount> moduleActions_{};
    QMenu* fileMenu_ = nullptr;
    QAction* beforeExit_ = nullptr;
    std::vector<QAction*> recentActions_;
    QToolBar* toolBar_ = nullptr;
    QTabBar* tabs_ = nullptr;
    CVekView* view_ = nullptr;
    PrintCommands* print_ = nullptr;
    InfoDialogs infoDialogs_;
};
