#include "ScopedWorkingFolder.h"
#include "database/CKostnad.h"
#include "doc/FileIO.h"
#include "platform/MemorySettings.h"
#include "platform/RecordingServices.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// "Rörskål 50" at 125 kr/m² in Windows-1252: name, display text, cost; a
// cost entry writes no description.
const Bytes shellRecord = {
    0x0A, 'R', 0xF6, 'r', 's', 'k', 0xE5, 'l', ' ', '5', '0', //
    0x16, 'R', 0xF6, 'r', 's', 'k', 0xE5, 'l', ' ', '5', '0', '\t', '1', '2', '5', '.', '0', ' ', 'k', 'r', '/', 'm', 0xB2, //
    0x00, 0x00, 0xFA, 0x42,
};

// "Matta", no display text yet, the default cost 100.
const Bytes matRecord = {0x05, 'M', 'a', 't', 't', 'a', 0x00, 0x00, 0x00, 0xC8, 0x42};

const Bytes classTag = {0xFF, 0xFF, 0x01, 0x00, 0x0B, 0x00, 'C', 'I', 's', 'o', 'K', 'o', 's', 't', 'n', 'a', 'd'};

const Bytes twoEntries = Bytes{0x02, 0x00} + classTag + shellRecord + Bytes{0x01, 0x80} + matRecord;

std::unique_ptr<CIsoKostnad> entry(const std::string& name, float cost)
{
    auto item = std::make_unique<CIsoKostnad>();
    item->name = name;
    item->cost = cost;
    item->UpdateDisplayText("m");
    return item;
}

class Cost : public ::testing::Test {
protected:
    Cost() : services({&prompter, &settings, &editors})
    {
        folder = fs::temp_directory_path() / ("tekvar-cost-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    ~Cost() override { fs::remove_all(folder); }

    std::string path(const std::string& name) const { return (folder / name).string(); }
    std::string write(const std::string& name, const Bytes& bytes)
    {
        EXPECT_EQ(WriteFileSafely(path(name), bytes), FileError::None);
        return path(name);
    }
    Bytes read(const std::string& file)
    {
        Bytes bytes;
        EXPECT_EQ(ReadWholeFile(file, bytes), FileError::None);
        return bytes;
    }
    bool load(CKostnad& costs, const std::string& name)
    {
        settings.SetString("Files", "Cost File", path(name));
        return costs.Load();
    }
    std::string message(const std::string& file) const
    {
        return "Error reading file (" + file + ") containing insulation cost.";
    }

    platform::ScriptedPrompter prompter;
    platform::MemorySettings settings;
    platform::ScriptedEditors editors;
    platform::ScopedServices services;
    fs::path folder;
};

} // namespace

TEST_F(Cost, EntryRecordDisplayTextAndComparison)
{
    CIsoKostnad fresh;
    EXPECT_EQ(fresh.cost, 100.0f);
    EXPECT_EQ(fresh.name, "");

    auto shell = entry("Rörskål 50", 125);
    EXPECT_EQ(shell->displayText, "Rörskål 50\t125.0 kr/m");
    shell->UpdateDisplayText("m²");
    shell->description = "not written";
    CArchive out;
    shell->Serialize(out);
    EXPECT_EQ(out.Bytes(), shellRecord);

    CIsoKostnad back;
    CArchive in(shellRecord);
    back.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(back.name, "Rörskål 50");
    EXPECT_EQ(back.displayText, "Rörskål 50\t125.0 kr/m²");
    EXPECT_EQ(back.cost, 125.0f);

    // Only the cost counts, and only between cost entries.
    EXPECT_TRUE(shell->IsEqual(*entry("Matta", 125)));
    EXPECT_FALSE(shell->IsEqual(*entry("Rörskål 50", 125.5f)));
    CListItem plain;
    plain.name = "Rörskål 50";
    EXPECT_FALSE(shell->IsEqual(plain));

    auto clone = shell->Clone();
    EXPECT_TRUE(clone->IsEqual(*shell));
    EXPECT_EQ(static_cast<const CIsoKostnad&>(*clone).displayText, shell->displayText);
}

TEST_F(Cost, FileRoundTripsByteForByte)
{
    CKostnad costs;
    EXPECT_TRUE(prompter.Texts().empty()); // construction reads nothing

    write("in.cst", twoEntries);
    ASSERT_TRUE(load(costs, "in.cst"));
    EXPECT_TRUE(prompter.Texts().empty());
    ASSERT_EQ(costs.entries.size(), 2u);
    EXPECT_EQ(costs.entries[0]->name, "Rörskål 50");
    EXPECT_EQ(costs.entries[1]->cost, 100.0f);
    EXPECT_EQ(costs.path, path("in.cst"));

    costs.path = path("out.cst");
    ASSERT_TRUE(costs.Save());
    EXPECT_EQ(read(path("out.cst")), twoEntries);
}

TEST_F(Cost, MissingDamagedOrUnwritableFileShowsTheOneMessage)
{
    // The default name when the setting is absent.
    CKostnad costs;
    {
        ScopedWorkingFolder inFolder(folder);
        EXPECT_FALSE(costs.Load());
    }
    EXPECT_EQ(costs.path, "tekvar.cst");
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{message("tekvar.cst")});
    EXPECT_TRUE(costs.entries.empty());

    prompter.Clear();
    costs.entries.push_back(entry("Matta", 90));
    costs.path = path("no-such-folder/tekvar.cst");
    EXPECT_FALSE(costs.Save());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{message(costs.path)});
    EXPECT_EQ(costs.entries.size(), 1u);

    const std::size_t firstEnds = 2 + classTag.size() + shellRecord.size();
    for (std::size_t cut : {std::size_t(0), std::size_t(1), std::size_t(9), firstEnds - 1, firstEnds, firstEnds + 3}) {
        SCOPED_TRACE(cut);
        prompter.Clear();
        write("cut.cst", Bytes(twoEntries.begin(), twoEntries.begin() + std::ptrdiff_t(cut)));
        CKostnad damaged;
        EXPECT_FALSE(load(damaged, "cut.cst"));
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{message(path("cut.cst"))});
        EXPECT_EQ(damaged.entries.size(), cut >= firstEnds ? 1u : 0u);
    }
}

TEST_F(Cost, EditTakesTheClonesAndTheChoiceAndWritesAChangedList)
{
    write("tekvar.cst", twoEntries);
    CKostnad costs;
    ASSERT_TRUE(load(costs, "tekvar.cst"));
    costs.selected = costs.entries[0].get();

    editors.edit = [&](CItem& item) {
        auto& working = static_cast<CKostnad&>(item);
        EXPECT_EQ(CKostnad::WorkingList(), &working.entries);
        EXPECT_NE(working.entries[0].get(), costs.entries[0].get());
        EXPECT_EQ(working.selected, working.entries[0].get());
        working.entries.clear();
        working.selected = nullptr;
        working.listChanged = true;
        return false;
    };
    EXPECT_FALSE(costs.Edit());
    EXPECT_EQ(CKostnad::WorkingList(), nullptr);
    EXPECT_EQ(costs.entries.size(), 2u);
    EXPECT_EQ(costs.selected, costs.entries[0].get());
    EXPECT_EQ(read(path("tekvar.cst")), twoEntries);

    editors.edit = [&](CItem& item) {
        auto& working = static_cast<CKostnad&>(item);
        working.entries.push_back(entry("Lamellmatta", 140));
        working.selected = working.entries.back().get();
        working.listChanged = true;
        return true;
    };
    EXPECT_TRUE(costs.Edit());
    ASSERT_EQ(costs.entries.size(), 3u);
    EXPECT_EQ(costs.selected, costs.entries[2].get());
    CKostnad reread;
    ASSERT_TRUE(load(reread, "tekvar.cst"));
    ASSERT_EQ(reread.entries.size(), 3u);
    EXPECT_EQ(reread.entries[2]->displayText, "Lamellmatta\t140.0 kr/m");

    // A confirmed dialog that changed nothing writes nothing.
    fs::remove(path("tekvar.cst"));
    editors.edit = [](CItem&) { return true; };
    EXPECT_TRUE(costs.Edit());
    EXPECT_FALSE(fs::exists(path("tekvar.cst")));
    EXPECT_EQ(costs.selected, costs.entries[2].get());
    EXPECT_TRUE(prompter.Texts().empty());
}
