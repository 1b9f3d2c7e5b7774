#pragma once

#include "doc/CItem.h"
#include "doc/FileIO.h"
#include "platform/MemorySettings.h"
#include "platform/RecordingServices.h"
#include "platform/ScriptedPrompter.h"
#include "platform/ScriptedReplacementChooser.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace catalogue_test {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

inline Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A short text as the archive writes it: one length byte, then the characters.
inline Bytes Text(const std::string& ascii)
{
    Bytes out{std::uint8_t(ascii.size())};
    out.insert(out.end(), ascii.begin(), ascii.end());
    return out;
}

// The tag of a class the archive has not written yet: FF FF, schema 1, the name.
inline Bytes NewClass(const std::string& name)
{
    return Bytes{0xFF, 0xFF, 0x01, 0x00, std::uint8_t(name.size()), 0x00} + Bytes(name.begin(), name.end());
}

inline Bytes Stored(CItem& item)
{
    CArchive ar;
    item.Serialize(ar);
    return ar.Bytes();
}

// Reads the record into the item and insists that all of it was used.
inline void Restore(CItem& item, const Bytes& bytes)
{
    CArchive ar(bytes);
    item.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
}

inline std::size_t CountOf(const std::vector<std::string>& texts, const std::string& text)
{
    return std::size_t(std::count(texts.begin(), texts.end(), text));
}

// Services that record what the catalogue says and asks, and a folder of its own.
class CatalogueTest : public ::testing::Test {
protected:
    CatalogueTest() : services({&prompter, &settings, &editors, nullptr, nullptr, &chooser})
    {
        folder = fs::temp_directory_path() /
                 ("tekvar-catalogue-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~CatalogueTest() override { fs::remove_all(folder); }

    std::string PathOf(const std::string& name) const { return (folder / name).string(); }
    void UseDatabaseFile(const std::string& name) { settings.SetString("Files", "Database File", PathOf(name)); }

    Bytes FileBytes(const std::string& path) const
    {
        Bytes bytes;
        EXPECT_EQ(ReadWholeFile(path, bytes), FileError::None) << path;
        return bytes;
    }
    void WriteFile(const std::string& path, const Bytes& bytes) const
    {
        ASSERT_EQ(WriteFileSafely(path, bytes), FileError::None) << path;
    }

    platform::ScriptedPrompter prompter;
    platform::MemorySettings settings;
    platform::ScriptedEditors editors;
    platform::ScriptedReplacementChooser chooser;
    platform::ScopedServices services;
    fs::path folder;
};

} // namespace catalogue_test
