#include "CVekDoc.h"

#include "FileIO.h"
#include "StringTable.h"
#include "platform/Services.h"

namespace {

CVekDoc* currentDocument = nullptr;

std::string readFailureMessage(FileError error, const std::string& path)
{
    switch (error) {
    case FileError::NotFound:
        return FormatMessage(61729, {path});
    case FileError::AccessDenied:
        return FormatMessage(61731, {path});
    case FileError::DiskFull:
        return LoadString(61730);
    case FileError::TooLarge:
    case FileError::Io:
    case FileError::None:
        break;
    }
    return FormatMessage(61733, {path});
}

std::string writeFailureMessage(FileError error, const std::string& path)
{
    switch (error) {
    case FileError::NotFound:
        return FormatMessage(61729, {path});
    case FileError::AccessDenied:
        return FormatMessage(61732, {path});
    case FileError::DiskFull:
        return LoadString(61730);
    case FileError::TooLarge:
    case FileError::Io:
    case FileError::None:
        break;
    }
    return FormatMessage(61734, {path});
}

} // namespace

CVekDoc::CVekDoc(DocumentParts& parts) : parts_(parts)
{
    content_.project = std::make_unique<CProject>();
    catalogue_ = parts_.CreateCatalogue();
    currentDocument = this;
    for (int i = 0; i < ModuleCount; ++i)
        content_.modules[std::size_t(i)] = parts_.CreateModule(i);
    pages_ = parts_.CreatePages(*this);
    content_.descriptions = parts_.CreateDescriptions();
}

CVekDoc::~CVekDoc()
{
    for (auto& module : content_.modules)
        module.reset();
    pages_.reset();
    content_.descriptions.reset();
    catalogue_.reset();
    if (currentDocument == this)
        currentDocument = nullptr;
}

CVekDoc* CVekDoc::Current()
{
    return currentDocument;
}

bool CVekDoc::CanEditInput() const
{
    return platform::editors().CanEdit(Module(content_.activeModule));
}

void CVekDoc::OnEditInput()
{
    if (ActiveModuleItem().Edit())
        RefreshViews(0);
}

void CVekDoc::OnEditProject()
{
    if (content_.project->Edit())
        RefreshViews(0);
}

void CVekDoc::OnEditDescriptions()
{
    if (content_.descriptions->Edit())
        RefreshViews(0);
}

void CVekDoc::OnEditDatabase()
{
    if (!catalogue_ || !catalogue_->EditDatabase())
        return;
    // The edited items have already re-pointed the modules that use them.
    for (auto& module : content_.modules)
        if (module->resultsValid)
            module->Calculate();
    RefreshViews(0);
}

void CVekDoc::OnViewModule(int index)
{
    content_.activeModule = index;
    RefreshViews(fullRedraw);
}

void CVekDoc::SetActiveModule(int index)
{
    content_.activeModule = index;
    RefreshViews(0);
}

void CVekDoc::RefreshViews(std::uint32_t hint)
{
    modified_ = true;
    if (pages_)
        pages_->Activate(content_.activeModule);
    // A view may remove itself while it is told; walk a copy.
    const auto views = views_;
    for (const auto& [id, listener] : views)
        listener(hint);
}

int CVekDoc::AddView(ViewListener listener)
{
    views_[nextViewId_] = std::move(listener);
    return nextViewId_++;
}

void CVekDoc::RemoveView(int id)
{
    views_.erase(id);
}

void CVekDoc::NewDocument()
{
    content_.project->Clear();
    content_.activeModule = 0;
    for (auto& module : content_.modules)
        module->SetDefaults();
    content_.descriptions->Reset();
    RefreshViews(fullRedraw);
    modified_ = false;
    pathName_.clear();
}

void CVekDoc::serialize(CArchive& ar, Content& content)
{
    content.project->Serialize(ar);
    if (ar.IsLoading())
        currentReferences_ = !content.project->readOldFormat;
    for (auto& module : content.modules)
        module->Serialize(ar);
    if (ar.IsStoring() || !noDescriptions_)
        content.descriptions->Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteWord(std::uint16_t(content.activeModule));
    } else {
        content.activeModule = ar.ReadWord();
        if (content.activeModule >= ModuleCount)
            CArchive::Fail(ArchiveError::Cause::BadIndex, "active module out of range");
    }
}

std::vector<std::uint8_t> CVekDoc::Store()
{
    CArchive ar;
    serialize(ar, content_);
    return ar.Bytes();
}

void CVekDoc::Load(std::span<const std::uint8_t> bytes)
{
    // Read into fresh members that start from their defaults, so that nothing
    // of the open document leaks into the new one and a failure changes nothing.
    Content fresh;
    fresh.project = std::make_unique<CProject>();
    for (int i = 0; i < ModuleCount; ++i) {
        fresh.modules[std::size_t(i)] = parts_.CreateModule(i);
        fresh.modules[std::size_t(i)]->SetDefaults();
    }
    fresh.descriptions = content_.descriptions->Copy();
    fresh.descriptions->Reset();

    currentDocument = this; // the modules being read look up the document they belong to
    const bool oldNoDescriptions = noDescriptions_;
    const bool oldCurrentReferences = currentReferences_;
    noDescriptions_ = false;
    currentReferences_ = true;
    try {
        CArchive ar(bytes);
        serialize(ar, fresh);
    } catch (...) {
        noDescriptions_ = oldNoDescriptions;
        currentReferences_ = oldCurrentReferences;
        throw;
    }
    std::swap(content_, fresh);
    RefreshViews(fullRedraw);
}

bool CVekDoc::OpenDocument(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (FileError error = ReadWholeFile(path, bytes); error != FileError::None) {
        platform::prompter().Tell(readFailureMessage(error, path));
        return false;
    }
    try {
        Load(bytes);
    } catch (const ArchiveError&) {
        platform::prompter().Tell(FormatMessage(61733, {path}));
        return false;
    }
    pathName_ = path;
    modified_ = false;
    return true;
}

bool CVekDoc::SaveDocument(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = Store();
    if (FileError error = WriteFileSafely(path, bytes); error != FileError::None) {
        platform::prompter().Tell(writeFailureMessage(error, path));
        return false;
    }
    pathName_ = path;
    modified_ = false;
    return true;
}

std::string CVekDoc::Title() const
{
    if (pathName_.empty())
        return "NyFil";
    const std::size_t slash = pathName_.find_last_of('/');
    return slash == std::string::npos ? pathName_ : pathName_.substr(slash + 1);
}
