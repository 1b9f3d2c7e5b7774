#include "ScopedWorkingFolder.h"
#include "app/HeadlessExport.h"
#include "database/CDataBase.h"
#include "doc/Codepage.h"
#include "doc/FileIO.h"
#include "platform/MemorySettings.h"
#include "platform/Services.h"

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

// A document naming a pipe material the catalogue lacks: without a window the
// first material is taken and the message says which, on standard error.
TEST_F(HeadlessExport, AMissingCatalogueValueTakesTheFirstAndSaysSo)
{
    fs::copy_file(fs::path(TEKVAR_BUILT_DATA) / "tekvar.dat", folder / "tekvar.dat");
    ScopedWorkingFolder inFolder(folder);

    ASSERT_EQ(run({"--new", "--export", "ny.tkv"}), 0) << errors.str();
    std::string steel;
    {
        platform::MemorySettings settings;
        platform::ScopedServices services({.settings = &settings});
        CDataBase database;
        ASSERT_TRUE(database.Load());
        ASSERT_FALSE(database.lists[CDataBase::pipeMaterials].empty());
        steel = database.lists[CDataBase::pipeMaterials].front()->name;
    }
    // Rename the document's material (same length, so the record stays whole).
    const std::vector<std::uint8_t> original = bytes("ny.tkv");
    std::string text(original.begin(), original.end());
    const std::string stored = Utf8ToCp1252(steel);
    const std::size_t at = text.find(stored);
    ASSERT_NE(at, std::string::npos);
    std::string renamed = stored;
    renamed.back() = renamed.back() == 'Q' ? 'R' : 'Q';
    text.replace(at, stored.size(), renamed);
    std::ofstream("bytt.tkv", std::ios::binary) << text;

    ASSERT_EQ(run({"--export", "kopia.tkv", "bytt.tkv"}), 0) << errors.str();
    EXPECT_NE(errors.str().find("Rörtypen " + Cp1252ToUtf8(renamed) + " är borttagen"), std::string::npos) << errors.str();
    EXPECT_NE(errors.str().find("(" + steel + ")"), std::string::npos) << errors.str();
    EXPECT_EQ(bytes(folder / "kopia.tkv"), original);
}
