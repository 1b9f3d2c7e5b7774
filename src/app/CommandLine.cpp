#include "CommandLine.h"

#include <charconv>

const char* const usageText =
    "Usage: tekvar [DOCUMENT.tkv]\n"
    "       tekvar --export FILE [--page N] DOCUMENT.tkv\n"
    "       tekvar --new --export FILE [--page N]\n"
    "\n"
    "Without --export the program opens its window, with DOCUMENT.tkv if given.\n"
    "\n"
    "--export FILE  opens the document without a window, recalculates it and\n"
    "               writes FILE by its extension:\n"
    "                 .tkv  the document in the current format\n"
    "                 .txt  for each calculated module its page title and the\n"
    "                       copy text of its tables and graphs\n"
    "                 .pdf  the result pages of the calculated modules (or\n"
    "                       of page N), one PDF page per printer sheet\n"
    "                 .png  page N (else the shown page), one image per\n"
    "                       sheet: FILE, then FILE-2.png, ...\n"
    "               Questions take their default answer; messages go to\n"
    "               standard error. The exit status is non-zero when the\n"
    "               document cannot be read or FILE cannot be written.\n"
    "--new          starts from a new document with every module at its defaults\n"
    "--page N       only the page of module N (1 to 8)\n"
    "--help         shows this text\n";

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error)
{
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string* {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return nullptr;
            }
            return &args[++i];
        };
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--new") {
            line.newDocument = true;
        } else if (arg == "--export") {
            const std::string* file = value();
            if (!file)
                return std::nullopt;
            line.exportFile = *file;
        } else if (arg == "--page") {
            const std::string* text = value();
            if (!text)
                return std::nullopt;
            int page = 0;
            auto [end, result] = std::from_chars(text->data(), text->data() + text->size(), page);
            if (result != std::errc() || end != text->data() + text->size() || page < 1 || page > 8) {
                error = "--page needs a number from 1 to 8";
                return std::nullopt;
            }
            line.page = page;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return std::nullopt;
        } else if (line.document.empty()) {
            line.document = arg;
        } else {
            error = "more than one document given";
            return std::nullopt;
        }
    }
    if (line.help)
        return line;
    if (line.IsExport() && line.newDocument == !line.document.empty()) {
        error = line.newDocument ? "--new takes no document" : "--export needs a document or --new";
        return std::nullopt;
    }
    if (!line.IsExport() && (line.newDocument || line.page > 0)) {
        error = "--new and --page go with --export";
        return std::nullopt;
    }
    return line;
}
