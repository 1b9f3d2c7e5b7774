#include "app/HeadlessExport.h"
#include "doc/FileIO.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class HeadlessExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("tekvar-export-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    int run(std::vector<std::string> args)
    {
        std::string error;
        auto line = ParseCommandLine(args, error);
        EXPECT_TRUE(line) << error;
        errors.str("");
        return RunExport(*line, errors);
    }

    std::vector<std::uint8_t> bytes(const fs::path& path)
    {
        std::vector<std::uint8_t> out;
        EXPECT_EQ(ReadWholeFile(path.string(), out), FileError::None);
        return out;
    }

    fs::path folder;
    std::ostringstream errors;
};

} // namespace

TEST_F(HeadlessExport, ANewDocumentExportsAndReExportsToTheSameBytes)
{
    const fs::path first = folder / "ny.tkv";
    const fs::path second = folder / "kopia.tkv";
    ASSERT_EQ(run({"--new", "--export", first.string()}), 0) << errors.str();
    ASSERT_EQ(run({"--export", second.string(), first.string()}), 0) << errors.str();
    EXPECT_EQ(bytes(first), bytes(second));

    // Nothing is calculated in a new document, so the text export is empty.
    const fs::path textFile = folder / "ny.txt";
    ASSERT_EQ(run({"--export", textFile.string(), first.string()}), 0);
    EXPECT_TRUE(bytes(textFile).empty());
}

TEST_F(HeadlessExport, FailuresExitNonZeroWithAMessage)
{
    const fs::path damaged = folder / "trasig.tkv";
    std::ofstream(damaged, std::ios::binary) << std::string("\x14Tekvar 32 bit header\x03", 23);
    EXPECT_EQ(run({"--export", (folder / "ut.tkv").string(), damaged.string()}), 1);
    EXPECT_NE(errors.str().find("Ett fel uppstod vid läsning av " + damaged.string()), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "ut.tkv"));

    EXPECT_EQ(run({"--export", (folder / "ut.tkv").string(), (folder / "saknas.tkv").string()}), 1);
    EXPECT_NE(errors.str().find("Kan inte hitta denna filen."), std::string::npos);

    EXPECT_EQ(run({"--new", "--export", (folder / "ingen-mapp" / "ut.tkv").string()}), 1);
    EXPECT_FALSE(errors.str().empty());

    EXPECT_EQ(run({"--new", "--export", (folder / "ut.doc").string()}), 2);
    EXPECT_NE(errors.str().find(".tkv or .txt"), std::string::npos);

    // Pages need a device to draw on; without one a PDF is refused before
    // anything is read or written.
    EXPECT_EQ(run({"--new", "--export", (folder / "ut.pdf").string()}), 2);
    EXPECT_FALSE(fs::exists(folder / "ut.pdf"));
}
