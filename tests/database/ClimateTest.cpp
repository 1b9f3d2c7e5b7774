#include "ScopedWorkingFolder.h"
#include "database/CKlima.h"
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

// Kiruna, no description, "Kiruna\t-1.2\t3.4", −1.2 °C, 3.4 m/s.
const Bytes kirunaRecord = {
    0x06, 'K', 'i', 'r', 'u', 'n', 'a', //
    0x00,                               //
    0x0F, 'K', 'i', 'r', 'u', 'n', 'a', '\t', '-', '1', '.', '2', '\t', '3', '.', '4', //
    0x9A, 0x99, 0x99, 0xBF,             //
    0x9A, 0x99, 0x59, 0x40,
};

// Åre, "fjäll", "Åre\t6.7\t2.1", the default values, in Windows-1252.
const Bytes areRecord = {
    0x03, 0xC5, 'r', 'e',                //
    0x05, 'f', 'j', 0xE4, 'l', 'l',      //
    0x0B, 0xC5, 'r', 'e', '\t', '6', '.', '7', '\t', '2', '.', '1', //
    0x66, 0x66, 0xD6, 0x40,              //
    0x66, 0x66, 0x06, 0x40,
};

const Bytes classTag = {0xFF, 0xFF, 0x01, 0x00, 0x0A, 0x00, 'C', 'K', 'l', 'i', 'm', 'a', 's', 't', 'e', 'd'};

// Two locations: the class is tagged once, the second element refers back to it.
const Bytes twoLocations = Bytes{0x02, 0x00} + classTag + kirunaRecord + Bytes{0x01, 0x80} + areRecord;

std::unique_ptr<CKlimasted> location(const std::string& name, float temperature, float wind)
{
    auto item = std::make_unique<CKlimasted>();
    item->name = name;
    item->annualMeanTemperature = temperature;
    item->annualMeanWindSpeed = wind;
    item->UpdateDisplayText();
    return item;
}

class Climate : public ::testing::Test {
protected:
    Climate() : services({&prompter, &settings, &editors})
    {
        folder = fs::temp_directory_path() / ("tekvar-climate-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    ~Climate() override { fs::remove_all(folder); }

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
    // Loads the file under the given name through the settings.
    bool load(CKlima& climate, const std::string& name)
    {
        settings.SetString("Files", "Climate File", path(name));
        return climate.Load();
    }
    std::string readMessage(const std::string& file) const { return "Kan inte läsa ortsfilen (" + file + ")."; }

    platform::ScriptedPrompter prompter;
    platform::MemorySettings settings;
    platform::ScriptedEditors editors;
    platform::ScopedServices services;
    fs::path folder;
};

} // namespace

TEST_F(Climate, LocationRecordDefaultsAndComparison)
{
    CKlimasted fresh;
    EXPECT_FLOAT_EQ(fresh.annualMeanTemperature, 6.7f);
    EXPECT_FLOAT_EQ(fresh.annualMeanWindSpeed, 2.1f);

    auto kiruna = location("Kiruna", -1.2f, 3.4f);
    EXPECT_EQ(kiruna->displayText, "Kiruna\t-1.2\t3.4");
    CArchive out;
    kiruna->Serialize(out);
    EXPECT_EQ(out.Bytes(), kirunaRecord);

    CKlimasted back;
    CArchive in(areRecord);
    back.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(back.name, "Åre");
    EXPECT_EQ(back.description, "fjäll");
    EXPECT_EQ(back.displayText, "Åre\t6.7\t2.1");
    EXPECT_EQ(back.annualMeanTemperature, 6.7f);
    EXPECT_EQ(back.annualMeanWindSpeed, 2.1f);

    // Values decide, not names; another class never equals a location.
    auto renamed = location("Jukkasjärvi", -1.2f, 3.4f);
    EXPECT_TRUE(kiruna->IsEqual(*renamed));
    EXPECT_FALSE(kiruna->IsEqual(*location("Kiruna", -1.3f, 3.4f)));
    EXPECT_FALSE(kiruna->IsEqual(*location("Kiruna", -1.2f, 3.5f)));
    CListItem plain;
    plain.name = "Kiruna";
    EXPECT_FALSE(kiruna->IsEqual(plain));

    auto clone = kiruna->Clone();
    EXPECT_TRUE(clone->IsEqual(*kiruna));
    EXPECT_EQ(static_cast<const CKlimasted&>(*clone).displayText, kiruna->displayText);
}

TEST_F(Climate, FileRoundTripsByteForByte)
{
    CKlima climate;
    EXPECT_TRUE(climate.locations.empty()); // construction reads nothing
    EXPECT_TRUE(prompter.Texts().empty());

    write("in.ort", twoLocations);
    ASSERT_TRUE(load(climate, "in.ort"));
    EXPECT_TRUE(prompter.Texts().empty());
    ASSERT_EQ(climate.locations.size(), 2u);
    EXPECT_EQ(climate.locations[0]->name, "Kiruna");
    EXPECT_EQ(climate.locations[1]->name, "Åre");
    EXPECT_EQ(climate.selected, nullptr);

    climate.filePath = path("out.ort");
    ASSERT_TRUE(climate.Save());
    EXPECT_EQ(read(path("out.ort")), twoLocations);

    // An empty list is the count 0 and nothing else.
    climate.locations.clear();
    ASSERT_TRUE(climate.Save());
    EXPECT_EQ(read(path("out.ort")), (Bytes{0x00, 0x00}));
}

TEST_F(Climate, DefaultPathIsTheSettingRelativeToTheWorkingFolder)
{
    write("tekvar.ort", twoLocations);
    CKlima climate;
    bool loaded = false;
    {
        ScopedWorkingFolder inFolder(folder);
        loaded = climate.Load();
    }

    EXPECT_TRUE(loaded);
    EXPECT_EQ(climate.filePath, "tekvar.ort");
    EXPECT_EQ(climate.locations.size(), 2u);
}

TEST_F(Climate, MissingOrUnwritableFileShowsItsMessageAndKeepsTheList)
{
    CKlima climate;
    EXPECT_FALSE(load(climate, "missing.ort"));
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{readMessage(path("missing.ort"))});
    EXPECT_TRUE(climate.locations.empty());

    // The user fills the list; the first save creates the file.
    climate.locations.push_back(location("Kiruna", -1.2f, 3.4f));
    ASSERT_TRUE(climate.Save());
    EXPECT_EQ(read(path("missing.ort")), (Bytes{0x01, 0x00} + classTag + kirunaRecord));

    prompter.Clear();
    climate.filePath = path("no-such-folder/tekvar.ort");
    EXPECT_FALSE(climate.Save());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Kan inte skriva ortsfilen (" + climate.filePath + ")."});
    EXPECT_EQ(climate.locations.size(), 1u);

    // A file that cannot be opened changes nothing already in memory.
    prompter.Clear();
    EXPECT_FALSE(load(climate, "gone.ort"));
    EXPECT_EQ(prompter.Texts().size(), 1u);
    EXPECT_EQ(climate.locations.size(), 1u);
}

TEST_F(Climate, DamagedFileKeepsTheLocationsReadBeforeTheDamage)
{
    const std::size_t firstEnds = 2 + classTag.size() + kirunaRecord.size();
    for (std::size_t cut = 0; cut < twoLocations.size(); ++cut) {
        SCOPED_TRACE(cut);
        prompter.Clear();
        write("cut.ort", Bytes(twoLocations.begin(), twoLocations.begin() + std::ptrdiff_t(cut)));
        CKlima climate;
        EXPECT_FALSE(load(climate, "cut.ort"));
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{readMessage(path("cut.ort"))});
        ASSERT_EQ(climate.locations.size(), cut >= firstEnds ? 1u : 0u);
        if (cut >= firstEnds) {
            EXPECT_EQ(climate.locations[0]->name, "Kiruna");
        }
    }

    // A count past the end, a class of another file, a back-reference to an
    // element already in the list.
    const Bytes costClass = {0x01, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x0B, 0x00,
                             'C', 'I', 's', 'o', 'K', 'o', 's', 't', 'n', 'a', 'd', 0x00, 0x00, 0, 0, 0xC8, 0x42};
    const std::vector<Bytes> garbage = {
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
        costClass,
        Bytes{0x02, 0x00} + classTag + kirunaRecord + Bytes{0x02, 0x00},
    };
    for (const Bytes& bytes : garbage) {
        prompter.Clear();
        write("bad.ort", bytes);
        CKlima climate;
        EXPECT_FALSE(load(climate, "bad.ort"));
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{readMessage(path("bad.ort"))});
        EXPECT_LE(climate.locations.size(), 1u);
    }
}

TEST_F(Climate, EditWorksOnACopyAndWritesOnlyAChangedList)
{
    write("tekvar.ort", twoLocations);
    CKlima climate;
    ASSERT_TRUE(load(climate, "tekvar.ort"));
    climate.selected = climate.locations[1].get();
    CKlimasted* const kiruna = climate.locations[0].get();
    EXPECT_EQ(CKlima::WorkingList(), nullptr);

    // Cancel after deleting and adding: nothing changes, nothing is written.
    editors.edit = [&](CItem& item) {
        auto& working = static_cast<CKlima&>(item);
        EXPECT_EQ(CKlima::WorkingList(), &working.locations);
        EXPECT_NE(&working, &climate);
        EXPECT_NE(working.locations[0].get(), kiruna);
        EXPECT_EQ(working.selected, working.locations[1].get()); // the copy of the choice
        working.locations.erase(working.locations.begin());
        working.locations.push_back(location("Lund", 8.1f, 4.0f));
        working.listChanged = true;
        return false;
    };
    EXPECT_FALSE(climate.Edit());
    EXPECT_EQ(CKlima::WorkingList(), nullptr);
    ASSERT_EQ(climate.locations.size(), 2u);
    EXPECT_EQ(climate.locations[0].get(), kiruna);
    EXPECT_EQ(climate.selected, climate.locations[1].get());
    EXPECT_EQ(read(path("tekvar.ort")), twoLocations);

    // OK with another choice but an unchanged list: the choice is taken, the
    // file is not written.
    fs::remove(path("tekvar.ort"));
    editors.edit = [&](CItem& item) {
        auto& working = static_cast<CKlima&>(item);
        working.selected = working.locations[0].get();
        return true;
    };
    EXPECT_TRUE(climate.Edit());
    ASSERT_NE(climate.selected, nullptr);
    EXPECT_EQ(climate.selected->name, "Kiruna");
    EXPECT_FALSE(fs::exists(path("tekvar.ort")));

    // OK after adding Kiruna's neighbour: the new list is written at once.
    editors.edit = [&](CItem& item) {
        auto& working = static_cast<CKlima&>(item);
        working.locations.push_back(location("Gällivare", -0.9f, 3.0f));
        working.selected = working.locations.back().get();
        working.listChanged = true;
        return true;
    };
    EXPECT_TRUE(climate.Edit());
    ASSERT_EQ(climate.locations.size(), 3u);
    EXPECT_EQ(climate.selected, climate.locations[2].get());
    EXPECT_EQ(climate.selected->displayText, "Gällivare\t-0.9\t3.0");
    CKlima reread;
    ASSERT_TRUE(load(reread, "tekvar.ort"));
    ASSERT_EQ(reread.locations.size(), 3u);
    EXPECT_EQ(reread.locations[2]->name, "Gällivare");
    EXPECT_TRUE(prompter.Texts().empty());

    // A choice that is not in the working list is no choice.
    CKlimasted stray;
    editors.edit = [&](CItem& item) {
        static_cast<CKlima&>(item).selected = &stray;
        return true;
    };
    EXPECT_TRUE(climate.Edit());
    EXPECT_EQ(climate.selected, nullptr);
}
