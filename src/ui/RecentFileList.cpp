#include "RecentFileList.h"

#include "platform/Services.h"

#include <algorithm>

namespace {

const std::string section = "Recent File List";
constexpr std::size_t longestShownPath = 40;

std::string keyOf(std::size_t index)
{
    return "File" + std::to_string(index + 1);
}

// Characters, not bytes: names are UTF-8.
std::size_t characters(const std::string& text)
{
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string shortened(const std::string& path)
{
    if (characters(path) <= longestShownPath)
        return path;
    // Keep the first folder and as many of the last parts as fit; the file
    // name always stays whole.
    const std::size_t rootEnd = path.find('/', 1);
    const std::size_t nameStart = path.find_last_of('/');
    if (rootEnd == std::string::npos || nameStart == std::string::npos || rootEnd >= nameStart)
        return path;
    const std::string root = path.substr(0, rootEnd) + "/...";
    std::size_t tailStart = nameStart;
    while (tailStart > rootEnd) {
        const std::size_t previous = path.find_last_of('/', tailStart - 1);
        if (previous <= rootEnd ||
            characters(root) + characters(path.substr(previous)) > longestShownPath)
            break;
        tailStart = previous;
    }
    return root + path.substr(tailStart);
}

} // namespace

void RecentFileList::Read()
{
    files_.clear();
    for (std::size_t i = 0; i < capacity; ++i) {
        std::string path = platform::settings().GetString(section, keyOf(i), "");
        if (!path.empty() && std::find(files_.begin(), files_.end(), path) == files_.end())
            files_.push_back(std::move(path));
    }
}

void RecentFileList::Write() const
{
    for (std::size_t i = 0; i < capacity; ++i)
        platform::settings().SetString(section, keyOf(i), i < files_.size() ? files_[i] : std::string());
}

void RecentFileList::Add(const std::string& path)
{
    if (path.empty())
        return;
    files_.erase(std::remove(files_.begin(), files_.end(), path), files_.end());
    files_.insert(files_.begin(), path);
    if (files_.size() > capacity)
        files_.resize(capacity);
}

void RecentFileList::Remove(std::size_t index)
{
    if (index < files_.size())
        files_.erase(files_.begin() + std::ptrdiff_t(index));
}

std::string RecentFileList::MenuText(std::size_t index, const std::string& path, const std::string& currentFolder)
{
    const std::size_t slash = path.find_last_of('/');
    std::string shown;
    if (slash != std::string::npos && path.substr(0, slash) == currentFolder)
        shown = path.substr(slash + 1);
    else
        shown = shortened(path);

    std::string text = "&" + std::to_string(index + 1) + " ";
    for (char c : shown) {
        if (c == '&')
            text += '&';
        text += c;
    }
    return text;
}
