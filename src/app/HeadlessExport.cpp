#include "HeadlessExport.h"

#include "doc/CVekDoc.h"
#include "doc/FileIO.h"
#include "doc/StringTable.h"
#include "modules/StandardDocumentParts.h"
#include "platform/MemorySettings.h"
#include "platform/Services.h"
#include "report/CGraphicsItem.h"
#include "report/PageModel.h"
#include "report/ResultPages.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

// Every question takes its default answer, a missing catalogue value its
// preselected first replacement; every message goes to standard error.
class ErrorStreamPrompter final : public platform::Prompter, public platform::ReplacementChooser {
public:
    explicit ErrorStreamPrompter(std::ostream& out) : out_(out) {}
    platform::Answer Ask(const std::string& text, platform::Buttons buttons, platform::Icon) override
    {
        out_ << "tekvar: " << text << '\n';
        return platform::DefaultAnswer(buttons);
    }
    int Choose(const std::string& message, const std::vector<std::string>& names,
               platform::ReplacementSource) override
    {
        out_ << "tekvar: " << message << " (" << names.front() << ")\n";
        return 0;
    }

private:
    std::ostream& out_;
};

std::string extensionOf(const std::string& path)
{
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string extension = path.substr(dot);
    for (char& c : extension)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

bool writeText(const std::string& path, const std::string& text)
{
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    return WriteFileSafely(path, bytes) == FileError::None;
}

// The page model measures and sizes with the devices for as long as the
// export runs, and is left as it was found.
class ScopedPageDevices {
public:
    explicit ScopedPageDevices(const PageDevices& devices)
    {
        PageModel& model = PageModel::Get();
        if (devices.screen)
            model.SetScreenMeasure(devices.screen);
        model.SetDefaultPrinter(devices.printer);
        model.ReadSheetSize();
    }
    ~ScopedPageDevices() { PageModel::Get().Reset(); }
    ScopedPageDevices(const ScopedPageDevices&) = delete;
    ScopedPageDevices& operator=(const ScopedPageDevices&) = delete;
};

} // namespace

std::string PagesText(CVekDoc& doc, int page)
{
    ResultPages* pages = ResultPages::Of(doc);
    std::string text;
    for (int i = 0; i < ModuleCount; ++i) {
        if (page > 0 && i != page - 1)
            continue;
        if (!doc.Module(i).resultsValid)
            continue;
        text += LoadString(GetModuleInfo(i).pageTitleId) + "\n";
        if (!pages)
            continue;
        // Reading order: sheet by sheet, each from the top.
        CPageLists::Page items = pages->Lists().Items(i);
        std::stable_sort(items.begin(), items.end(), [](const CGraphicsItem* a, const CGraphicsItem* b) {
            return a->rect.left != b->rect.left ? a->rect.left < b->rect.left : a->rect.top < b->rect.top;
        });
        for (const CGraphicsItem* item : items)
            if (item->copyable)
                text += item->ClipboardText();
    }
    return text;
}

std::vector<int> PagesToPrint(CVekDoc& doc, int page)
{
    if (page > 0)
        return {page - 1};
    std::vector<int> modules;
    for (int i = 0; i < ModuleCount; ++i)
        if (doc.Module(i).resultsValid)
            modules.push_back(i);
    if (modules.empty())
        modules.push_back(doc.ActiveModule());
    return modules;
}

bool PrintPages(CVekDoc& doc, const std::vector<int>& modules, SheetOutput& output)
{
    ResultPages* pages = ResultPages::Of(doc);
    if (!pages)
        return false;
    const int active = doc.ActiveModule();
    bool printed = true;
    for (int module : modules) {
        // The header asks the active module for its picture, as on screen.
        doc.SetActiveModule(module);
        if (PrintItems(pages->Lists().ActiveItems(), output) == 0) {
            printed = false;
            break;
        }
    }
    doc.SetActiveModule(active);
    return printed;
}

int RunExport(const CommandLine& line, std::ostream& errors, const PageDevices& devices)
{
    const std::string extension = extensionOf(line.exportFile);
    const bool drawn = extension == ".pdf" || extension == ".png";
    if (extension != ".tkv" && extension != ".txt" && !(drawn && devices.outputs)) {
        errors << "tekvar: cannot export to " << line.exportFile << ": the file must end in "
               << (devices.outputs ? ".tkv, .txt, .pdf or .png" : ".tkv or .txt") << "\n";
        return 2;
    }
    const ScopedPageDevices pageDevices(devices);

    ErrorStreamPrompter prompter(errors);
    platform::MemorySettings settings;
    platform::ScopedServices services({.prompter = &prompter, .settings = &settings, .replacementChooser = &prompter});

    StandardDocumentParts parts;
    CVekDoc doc(parts);
    doc.NewDocument();
    if (!line.newDocument && !doc.OpenDocument(line.document))
        return 1;

    if (extension == ".tkv")
        return doc.SaveDocument(line.exportFile) ? 0 : 1;

    bool written = false;
    if (drawn) {
        std::unique_ptr<SheetOutput> output;
        std::vector<int> modules;
        if (extension == ".pdf") {
            output = devices.outputs->OpenPdf(line.exportFile);
            modules = PagesToPrint(doc, line.page);
        } else {
            output = devices.outputs->OpenImages(line.exportFile);
            modules = {line.page > 0 ? line.page - 1 : doc.ActiveModule()};
        }
        written = output && PrintPages(doc, modules, *output) && output->Finish();
    } else {
        written = writeText(line.exportFile, PagesText(doc, line.page));
    }
    if (!written) {
        prompter.Tell(FormatMessage(61734, {line.exportFile}));
        return 1;
    }
    return 0;
}
