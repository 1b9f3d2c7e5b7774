#include "ScopedWorkingFolder.h"
#include "database/CProduktBeskrivelse.h"
#include "doc/FileIO.h"
#include "platform/MemorySettings.h"
#include "platform/RecordingServices.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A short ASCII text as the archive writes it.
void appendText(Bytes& out, const std::string& text)
{
    out.push_back(std::uint8_t(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

// Records "H0"/"B0" … "H47"/"B47".
Bytes numberedRecords()
{
    Bytes out;
    for (int i = 0; i < CProduktBeskrivelse::textCount; ++i) {
        appendText(out, "H" + std::to_string(i));
        appendText(out, "B" + std::to_string(i));
    }
    return out;
}

class Descriptions : public ::testing::Test {
protected:
    Descriptions() : services({&prompter, &settings, &editors})
    {
        folder = fs::temp_directory_path() / ("tekvar-ama-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    ~Descriptions() override { fs::remove_all(folder); }

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
    bool load(CProduktBeskrivelse& descriptions, const std::string& name)
    {
        settings.SetString("Files", "VVSAMA File", path(name));
        return descriptions.Load();
    }

    platform::ScriptedPrompter prompter;
    platform::MemorySettings settings;
    platform::ScriptedEditors editors;
    platform::ScopedServices services;
    fs::path folder;
};

} // namespace

TEST(DescriptionText, RecordIsHeadingThenBodyInTheCodePage)
{
    CVVSAMATekst text;
    text.heading = "RBB.1";
    text.body = "Rörisolering";
    CArchive out;
    text.Serialize(out);
    EXPECT_EQ(out.Bytes(), (Bytes{0x05, 'R', 'B', 'B', '.', '1', //
                                  0x0C, 'R', 0xF6, 'r', 'i', 's', 'o', 'l', 'e', 'r', 'i', 'n', 'g'}));
    CVVSAMATekst back;
    CArchive in(out.Bytes());
    back.Serialize(in);
    EXPECT_EQ(back, text);
}

TEST(DescriptionText, CodeTreeLeadsToItsTexts)
{
    // First text and code count of RBA, RBB, RBE, RBFU, RBFI, RBH.
    const int first[] = {0, 2, 7, 13, 39, 45};
    const int codes[] = {2, 5, 6, 10, 2, 2};
    const char* names[] = {"RBA", "RBB", "RBE", "RBFU", "RBFI", "RBH"};
    std::set<int> reachable;
    for (int g = 0; g < CProduktBeskrivelse::groupCount; ++g) {
        SCOPED_TRACE(g);
        EXPECT_STREQ(CProduktBeskrivelse::Group(g).name, names[g]);
        EXPECT_EQ(CProduktBeskrivelse::Group(g).codeCount, codes[g]);
        EXPECT_EQ(CProduktBeskrivelse::TextIndex(g, 0), first[g]);
        EXPECT_EQ(CProduktBeskrivelse::TextIndex(g, codes[g]), -1);
        EXPECT_EQ(CProduktBeskrivelse::TextIndex(g, -1), -1);
        for (int k = 0; k < codes[g]; ++k)
            EXPECT_TRUE(reachable.insert(CProduktBeskrivelse::TextIndex(g, k)).second);
    }
    EXPECT_EQ(CProduktBeskrivelse::TextIndex(-1, 0), -1);
    EXPECT_EQ(CProduktBeskrivelse::TextIndex(6, 0), -1);
    // Texts held but not reachable from the tree: 23 … 38, 41 … 44 and 47.
    std::set<int> unreachable;
    for (int i = 0; i < CProduktBeskrivelse::textCount; ++i)
        if (!reachable.count(i))
            unreachable.insert(i);
    std::set<int> expected = {41, 42, 43, 44, 47};
    for (int i = 23; i <= 38; ++i)
        expected.insert(i);
    EXPECT_EQ(unreachable, expected);
    EXPECT_EQ(reachable.size() + unreachable.size(), 48u);
}

TEST(DescriptionText, ChoosingGroupsAndCodes)
{
    CProduktBeskrivelse choice;
    EXPECT_EQ(choice.selectedText, -1); // a new document shows no text
    EXPECT_EQ(choice.selectedGroup, 0);
    EXPECT_EQ(choice.selectedCode, -1);

    choice.ChooseGroup(1);
    EXPECT_EQ(choice.selectedText, -1);
    choice.ChooseCode(2); // RBB, its third code
    EXPECT_EQ(choice.selectedText, 4);
    EXPECT_EQ(choice.selectedCode, 2);

    choice.ChooseGroup(1); // the same group keeps its code
    EXPECT_EQ(choice.selectedText, 4);
    choice.ChooseCode(5); // RBB has five codes
    EXPECT_EQ(choice.selectedCode, 2);
    EXPECT_EQ(choice.selectedText, 4);
    choice.ChooseGroup(6);
    EXPECT_EQ(choice.selectedGroup, 1);

    choice.ChooseGroup(3); // another group clears code and text
    EXPECT_EQ(choice.selectedGroup, 3);
    EXPECT_EQ(choice.selectedCode, -1);
    EXPECT_EQ(choice.selectedText, -1);
    choice.ChooseCode(9);
    EXPECT_EQ(choice.selectedText, 22);

    choice.Reset();
    EXPECT_EQ(choice.selectedText, -1);
    EXPECT_EQ(choice.selectedGroup, 0);
    EXPECT_EQ(choice.selectedCode, -1);
}

TEST(DescriptionText, ADocumentChoiceOutsideTheTreeReadsAsNoChoice)
{
    struct Case {
        Bytes stored;
        int text, group, code;
    };
    const Case cases[] = {
        {{0x04, 0x00, 0x01, 0x00, 0x02, 0x00}, 4, 1, 2},      // as written
        {{0xFF, 0xFF, 0x05, 0x00, 0xFF, 0xFF}, -1, 5, -1},    // a group without a code
        {{0x04, 0x00, 0x06, 0x00, 0x02, 0x00}, -1, 0, -1},    // no such group
        {{0x30, 0x00, 0x01, 0x00, 0x05, 0x00}, -1, 1, -1},    // past the texts and the codes
        {{0xFE, 0xFF, 0x01, 0x00, 0xFE, 0xFF}, -1, 1, -1},    // −2
    };
    for (const Case& c : cases) {
        CProduktBeskrivelse choice;
        CArchive in(c.stored);
        choice.Serialize(in);
        EXPECT_EQ(choice.selectedText, c.text);
        EXPECT_EQ(choice.selectedGroup, c.group);
        EXPECT_EQ(choice.selectedCode, c.code);
    }
}

TEST_F(Descriptions, FortyEightRecordsAndAnOldTailThatReadingIgnores)
{
    const Bytes records = numberedRecords();
    const Bytes tail = {'g', 'a', 'm', 'm', 'a', 'l', 't', 0x00, 0xFF, 0x17};
    Bytes file = records;
    file.insert(file.end(), tail.begin(), tail.end());
    write("tekvar.ama", file);

    CProduktBeskrivelse descriptions;
    EXPECT_TRUE(prompter.Texts().empty()); // construction reads nothing
    ASSERT_TRUE(load(descriptions, "tekvar.ama"));
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_EQ(descriptions.texts[0].heading, "H0");
    EXPECT_EQ(descriptions.texts[47].body, "B47");

    // Unchanged texts write the same file back, tail and all.
    ASSERT_TRUE(descriptions.Save());
    EXPECT_EQ(read(path("tekvar.ama")), file);

    // Shorter records: the new 48 are followed by the old bytes from there on.
    CVVSAMATekst shorter;
    shorter.heading = "K";
    descriptions.SetText(0, shorter);
    ASSERT_TRUE(descriptions.Save());
    Bytes expected;
    appendText(expected, "K");
    appendText(expected, "");
    expected.insert(expected.end(), records.begin() + 6, records.end()); // "H0" and "B0" took 6 bytes
    expected.insert(expected.end(), file.begin() + std::ptrdiff_t(expected.size()), file.end());
    ASSERT_EQ(expected.size(), file.size());
    EXPECT_EQ(read(path("tekvar.ama")), expected);

    CProduktBeskrivelse reread;
    ASSERT_TRUE(load(reread, "tekvar.ama"));
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_EQ(reread.texts[0], shorter);
    EXPECT_EQ(reread.texts[47].heading, "H47");

    // Longer records than the file: the file grows and keeps nothing extra.
    CVVSAMATekst longer;
    longer.heading = std::string(300, 'x');
    longer.body = "Isolering av rör";
    reread.SetText(47, longer);
    ASSERT_TRUE(reread.Save());
    CArchive all;
    for (CVVSAMATekst& text : reread.texts)
        text.Serialize(all);
    EXPECT_EQ(read(path("tekvar.ama")), all.Bytes());
}

TEST_F(Descriptions, MissingFileIsNeitherReadNorCreated)
{
    CProduktBeskrivelse descriptions;
    EXPECT_FALSE(load(descriptions, "tekvar.ama"));
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Kan inte läsa VVSAMA filen (" + path("tekvar.ama") + ")."});
    for (const CVVSAMATekst& text : descriptions.texts)
        EXPECT_EQ(text, CVVSAMATekst{});

    prompter.Clear();
    descriptions.SetText(3, {"RBB", "text"});
    EXPECT_FALSE(descriptions.Save());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Kan inte skriva VVSAMA filen (" + path("tekvar.ama") + ")."});
    EXPECT_FALSE(fs::exists(path("tekvar.ama")));
    EXPECT_EQ(descriptions.texts[3].body, "text"); // the edit stays in memory

    // The default name, relative to the working folder.
    prompter.Clear();
    write("tekvar.ama", numberedRecords());
    settings = platform::MemorySettings();
    bool loaded = false;
    {
        ScopedWorkingFolder inFolder(folder);
        loaded = descriptions.Load();
    }
    EXPECT_TRUE(loaded);
    EXPECT_EQ(descriptions.filePath, "tekvar.ama");
    EXPECT_EQ(descriptions.texts[3].heading, "H3");
}

TEST_F(Descriptions, DamagedFileKeepsTheRecordsReadBeforeTheDamage)
{
    const Bytes records = numberedRecords();
    // Ten whole records ("Hn"/"Bn" take 6 bytes for n < 10), then half of one.
    const std::vector<std::pair<std::size_t, int>> cuts = {{0, 0}, {5, 0}, {60, 10}, {63, 10}, {records.size() - 1, 47}};
    for (const auto& [cut, whole] : cuts) {
        SCOPED_TRACE(cut);
        prompter.Clear();
        write("cut.ama", Bytes(records.begin(), records.begin() + std::ptrdiff_t(cut)));
        CProduktBeskrivelse descriptions;
        descriptions.texts[0].heading = "before";
        EXPECT_FALSE(load(descriptions, "cut.ama"));
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Kan inte läsa VVSAMA filen (" + path("cut.ama") + ")."});
        for (int i = 0; i < CProduktBeskrivelse::textCount; ++i) {
            SCOPED_TRACE(i);
            if (i < whole) {
                EXPECT_EQ(descriptions.texts[std::size_t(i)].heading, "H" + std::to_string(i));
            } else {
                EXPECT_EQ(descriptions.texts[std::size_t(i)], CVVSAMATekst{});
            }
        }
    }
}

TEST_F(Descriptions, EditKeepsTheChoiceAlwaysAndWritesOnlyConfirmedTextEdits)
{
    write("tekvar.ama", numberedRecords());
    CProduktBeskrivelse descriptions;
    ASSERT_TRUE(load(descriptions, "tekvar.ama"));

    // Cancelled after choosing and editing: the choice and the text stay in
    // memory, the file is not written.
    editors.edit = [&](CItem& item) {
        EXPECT_EQ(&item, &descriptions);
        descriptions.ChooseGroup(1);
        descriptions.ChooseCode(2);
        descriptions.SetText(descriptions.selectedText, {"Ny rubrik", "Ny text"});
        return false;
    };
    EXPECT_TRUE(descriptions.Edit());
    EXPECT_EQ(descriptions.selectedText, 4);
    EXPECT_EQ(descriptions.texts[4].heading, "Ny rubrik");
    EXPECT_EQ(read(path("tekvar.ama")), numberedRecords());

    // Confirmed without an edit: still nothing written, even though the
    // earlier edit is in memory.
    editors.edit = [&](CItem&) { return true; };
    EXPECT_TRUE(descriptions.Edit());
    EXPECT_EQ(read(path("tekvar.ama")), numberedRecords());

    // Confirmed after an edit: the file is written.
    editors.edit = [&](CItem&) {
        descriptions.SetText(4, {"RBB.3", "Slutlig text"});
        return true;
    };
    EXPECT_TRUE(descriptions.Edit());
    CProduktBeskrivelse reread;
    ASSERT_TRUE(load(reread, "tekvar.ama"));
    EXPECT_EQ(reread.texts[4].body, "Slutlig text");
    EXPECT_EQ(reread.texts[5].heading, "H5");
    EXPECT_TRUE(prompter.Texts().empty());

    // A document is read into a copy, which must carry the texts and the file.
    auto copy = descriptions.Copy();
    const auto& copied = static_cast<const CProduktBeskrivelse&>(*copy);
    EXPECT_EQ(copied.texts, descriptions.texts);
    EXPECT_EQ(copied.filePath, descriptions.filePath);
    EXPECT_EQ(copied.selectedText, 4);
}
