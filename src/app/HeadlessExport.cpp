#include "HeadlessExport.h"

#include "doc/CVekDoc.h"
#include "doc/FileIO.h"
#include "doc/StringTable.h"
#include "modules/StandardDocumentParts.h"
#include "platform/MemorySettings.h"
#include "platform/Services.h"

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

// For each calculated module: its page title, then the copy text of the
// tables and graphs on its page.
std::string textExport(CVekDoc& doc, int page)
{
    std::string text;
    for (int i = 0; i < ModuleCount; ++i) {
        if (page > 0 && i != page - 1)
            continue;
        if (!doc.Module(i).resultsValid)
            continue;
        text += LoadString(GetModuleInfo(i).pageTitleId) + "\n";
    }
    return text;
}

} // namespace

int RunExport(const CommandLine& line, std::ostream& errors)
{
    const std::string extension = extensionOf(line.exportFile);
    if (extension != ".tkv" && extension != ".txt") {
        errors << "tekvar: cannot export to " << line.exportFile << ": the file must end in .tkv or .txt\n";
        return 2;
    }

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

    const std::string text = textExport(doc, line.page);
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    if (WriteFileSafely(line.exportFile, bytes) != FileError::None) {
        prompter.Tell(FormatMessage(61734, {line.exportFile}));
        return 1;
    }
    return 0;
}
