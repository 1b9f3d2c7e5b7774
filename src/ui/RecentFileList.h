#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The most recently opened or saved documents, newest first, kept in the
// settings section "Recent File List" as "File1" … "File4".
class RecentFileList {
public:
    static constexpr std::size_t capacity = 4;

    void Read();
    // Written at every change, so a second window or a crash loses nothing.
    void Write() const;

    // Puts the path first, dropping an older entry of the same path and the
    // oldest entry when the list is full.
    void Add(const std::string& path);
    void Remove(std::size_t index);

    const std::vector<std::string>& Files() const { return files_; }

    // The menu text of an entry: "&1 " and the path, shortened to the file
    // name for a document in the current folder and to "/root/…/folder/name"
    // when it is long. Ampersands in names are doubled so they show.
    static std::string MenuText(std::size_t index, const std::string& path, const std::string& currentFolder);

private:
    std::vector<std::string> files_;
};
