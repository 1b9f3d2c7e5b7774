#pragma once

#include "doc/FileIO.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace tool_test {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A scratch folder of the test's own, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder()
        : path_(fs::temp_directory_path() /
                ("tekvar-data-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~ScratchFolder() { fs::remove_all(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    std::string str() const { return path_.string(); }

private:
    fs::path path_;
};

inline Bytes FileBytes(const std::string& path)
{
    Bytes bytes;
    EXPECT_EQ(ReadWholeFile(path, bytes), FileError::None) << path;
    return bytes;
}

inline void WriteText(const std::string& path, const std::string& text)
{
    const auto* begin = reinterpret_cast<const std::uint8_t*>(text.data());
    ASSERT_EQ(WriteFileSafely(path, Bytes(begin, begin + text.size())), FileError::None) << path;
}

inline void WriteBytes(const std::string& path, const Bytes& bytes)
{
    ASSERT_EQ(WriteFileSafely(path, bytes), FileError::None) << path;
}

} // namespace tool_test
