// The file commands of the main window, with the single-document behaviour
// users know from other programs: one document, replaced after the question
// whether to save it, and a list of the documents used last.

#include "CMainFrame.h"

#include "DocTemplate.h"
#include "FileChooser.h"
#include "QtText.h"
#include "doc/CVekDoc.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include <filesystem>

namespace {

constexpr int askToSaveId = 61699;

std::string absolutePath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

} // namespace

void CMainFrame::SetFileChooser(std::unique_ptr<FileChooser> chooser)
{
    fileChooser_ = std::move(chooser);
}

bool CMainFrame::SaveModified()
{
    if (!doc_.IsModified())
        return true;
    switch (platform::prompter().Ask(FormatMessage(askToSaveId, {doc_.Title()}), platform::Buttons::YesNoCancel,
                                     platform::Icon::Question)) {
    case platform::Answer::Yes:
        return OnFileSave();
    case platform::Answer::No:
        return true;
    case platform::Answer::Ok:
    case platform::Answer::Cancel:
        break;
    }
    return false;
}

bool CMainFrame::OnFileNew()
{
    if (!SaveModified())
        return false;
    doc_.NewDocument();
    updateTitle();
    return true;
}

void CMainFrame::OnFileOpen()
{
    const std::string path = fileChooser_->ChooseOpen(this);
    if (!path.empty())
        OpenDocumentFile(path);
}

CMainFrame::OpenResult CMainFrame::OpenDocumentFile(const std::string& path)
{
    const std::string fullPath = absolutePath(path);
    // Choosing the open document again keeps it as it is, unsaved changes and all.
    if (!doc_.PathName().empty() && fullPath == doc_.PathName())
        return OpenResult::opened;
    if (!SaveModified())
        return OpenResult::cancelled;
    // The document has told the user why; it is still the one it was.
    if (!doc_.OpenDocument(fullPath)) {
        updateTitle();
        return OpenResult::failed;
    }
    rememberFile(fullPath);
    updateTitle();
    return OpenResult::opened;
}

void CMainFrame::OnOpenRecentFile(std::size_t index)
{
    if (index >= recentFiles_.Files().size())
        return;
    const std::string path = recentFiles_.Files()[index];
    if (OpenDocumentFile(path) == OpenResult::failed) {
        recentFiles_.Remove(index);
        recentFiles_.Write();
        updateRecentFileMenu();
    }
}

bool CMainFrame::OnFileSave()
{
    const std::string& path = doc_.PathName();
    // A file that may not be written to is saved under another name instead.
    const QFileInfo file(ToQString(path));
    if (path.empty() || (file.exists() && !file.isWritable()))
        return doSave({});
    return doSave(path);
}

bool CMainFrame::OnFileSaveAs()
{
    return doSave({});
}

bool CMainFrame::doSave(const std::string& path)
{
    std::string target = path;
    if (target.empty()) {
        std::string proposed = doc_.PathName();
        if (proposed.empty())
            proposed = doc_.Title() + DocTemplateString(DocTemplatePart::filterExtension);
        target = fileChooser_->ChooseSave(this, proposed);
        if (target.empty())
            return false;
        target = absolutePath(target);
    }
    if (!doc_.SaveDocument(target))
        return false;
    rememberFile(target);
    updateTitle();
    return true;
}

void CMainFrame::rememberFile(const std::string& path)
{
    recentFiles_.Add(path);
    recentFiles_.Write();
    updateRecentFileMenu();
}

void CMainFrame::updateRecentFileMenu()
{
    // The menu may be showing the action that got us here; let it finish first.
    for (QAction* action : recentActions_) {
        fileMenu_->removeAction(action);
        action->deleteLater();
    }
    recentActions_.clear();

    const std::string folder = ToStdString(QDir::currentPath());
    const auto& files = recentFiles_.Files();
    for (std::size_t i = 0; i < files.size(); ++i) {
        auto* action = new QAction(ToQString(RecentFileList::MenuText(i, files[i], folder)), this);
        connect(action, &QAction::triggered, this, [this, i] { OnOpenRecentFile(i); });
        fileMenu_->insertAction(beforeExit_, action);
        recentActions_.push_back(action);
    }
}
