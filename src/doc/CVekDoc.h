#pragma once

#include "CProject.h"
#include "CVekModul.h"
#include "DocumentParts.h"
#include "ModuleInfo.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

// The one document of the program: the project information, the eight
// modules, the description choice and the active module, and the file that
// holds them.
class CVekDoc {
public:
    static constexpr std::uint32_t fullRedraw = 0x80808080u;

    // Command ids of the commands the document carries.
    enum Command {
        commandEditInput = 32782,
        commandEditDatabase = 32783,
        commandEditProject = 32784,
        commandEditDescriptions = 32799,
    };

    explicit CVekDoc(DocumentParts& parts);
    ~CVekDoc();
    CVekDoc(const CVekDoc&) = delete;
    CVekDoc& operator=(const CVekDoc&) = delete;

    // The single current document, for the items that need it while loading.
    static CVekDoc* Current();

    CProject& Project() { return *content_.project; }
    CVekModul& Module(int index) { return *content_.modules.at(std::size_t(index)); }
    const CVekModul& Module(int index) const { return *content_.modules.at(std::size_t(index)); }
    CVekModul& ActiveModuleItem() { return Module(content_.activeModule); }
    CDocumentPart& Descriptions() { return *content_.descriptions; }
    // None when the parts gave the document no catalogue.
    DocumentCatalogue* Catalogue() { return catalogue_.get(); }
    // The result pages; none when the parts gave the document none.
    DocumentPages* Pages() { return pages_.get(); }
    int ActiveModule() const { return content_.activeModule; }

    // Read by the modules while a file is read.
    bool CurrentReferences() const { return currentReferences_; }
    bool NoDescriptions() const { return noDescriptions_; }
    void SetNoDescriptions() { noDescriptions_ = true; }

    // Commands.
    bool CanEditInput() const;
    void OnEditInput();
    void OnEditProject();
    void OnEditDescriptions();
    void OnEditDatabase();
    void OnViewModule(int index);
    void SetActiveModule(int index);
    void RefreshViews(std::uint32_t hint);

    // Views are told of every refresh with its hint.
    using ViewListener = std::function<void(std::uint32_t hint)>;
    int AddView(ViewListener listener);
    void RemoveView(int id);

    // A new document with every module at its defaults.
    void NewDocument();
    // Opening and saving report every failure through the prompter and
    // return false; a failed open leaves the document exactly as it was.
    bool OpenDocument(const std::string& path);
    bool SaveDocument(const std::string& path);

    // The document file as bytes, and reading it back (throws ArchiveError).
    std::vector<std::uint8_t> Store();
    void Load(std::span<const std::uint8_t> bytes);

    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    const std::string& PathName() const { return pathName_; }
    // The file name without folder, or "NyFil" for a new document.
    std::string Title() const;

private:
    struct Content {
        std::unique_ptr<CProject> project;
        std::array<std::unique_ptr<CVekModul>, ModuleCount> modules;
        std::unique_ptr<CDocumentPart> descriptions;
        int activeModule = 0;
    };

    void serialize(CArchive& ar, Content& content);

    DocumentParts& parts_;
    // Declared before the content so that it outlives the modules that
    // refer to its items.
    std::unique_ptr<DocumentCatalogue> catalogue_;
    Content content_;
    // The page lists hold the modules' items and the headers ask the
    // document for its texts; the destructor takes them down first.
    std::unique_ptr<DocumentPages> pages_;
    bool noDescriptions_ = false;
    bool currentReferences_ = true;
    bool modified_ = false;
    std::string pathName_;
    std::map<int, ViewListener> views_;
    int nextViewId_ = 1;
};
