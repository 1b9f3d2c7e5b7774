#include "doc/CVekDoc.h"
#include "doc/FileIO.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A module with one WORD field. The value 0x0100 stands for a file of the
// oldest economy layout, which carries no description choice.
class CTestModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CTestModul)

public:
    void Serialize(CArchive& ar) override
    {
        ar.Word(value);
        if (ar.IsLoading() && value == 0x0100)
            CVekDoc::Current()->SetNoDescriptions();
    }
    void SetDefaults() override
    {
        value = 7;
        ++defaultsSet;
    }
    int value = -1;
    int defaultsSet = 0;
};

class CTestSelection : public CDocumentPart {
    TEKVAR_DECLARE_CLASS(CTestSelection)

public:
    void Serialize(CArchive& ar) override { ar.Word(choice); }
    void Reset() override { choice = 0xFFFF; }
    std::unique_ptr<CDocumentPart> Copy() const override { return std::make_unique<CTestSelection>(*this); }
    int choice = 0xFFFF;
};

TEKVAR_IMPLEMENT_CLASS(CTestModul, CVekModul)
TEKVAR_IMPLEMENT_CLASS(CTestSelection, CItem)

class TestParts : public DocumentParts {
public:
    std::unique_ptr<CVekModul> CreateModule(int) override { return std::make_unique<CTestModul>(); }
    std::unique_ptr<CDocumentPart> CreateDescriptions() override { return std::make_unique<CTestSelection>(); }
};

Bytes bytesOf(std::initializer_list<int> values)
{
    Bytes out;
    for (int v : values)
        out.push_back(std::uint8_t(v));
    return out;
}

void append(Bytes& out, const Bytes& more)
{
    out.insert(out.end(), more.begin(), more.end());
}

void appendText(Bytes& out, const std::string& text)
{
    out.push_back(std::uint8_t(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

class Document : public ::testing::Test {
protected:
    Document() : services({&prompter}), doc(parts)
    {
        doc.NewDocument();
        folder = fs::temp_directory_path() / ("tekvar-doc-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    ~Document() override { fs::remove_all(folder); }

    CTestModul& module(int i) { return static_cast<CTestModul&>(doc.Module(i)); }
    CTestSelection& selection() { return static_cast<CTestSelection&>(doc.Descriptions()); }

    void fill()
    {
        doc.Project().responsible = "Åsa Berg";
        doc.Project().projectName = "Kv. Lärkan";
        doc.Project().reference = "Rad 1\r\nRad 2";
        doc.Project().comment = std::string(255, 'k');
        for (int i = 0; i < ModuleCount; ++i)
            module(i).value = 100 + i;
        selection().choice = 4;
        doc.OnViewModule(5);
    }

    std::string write(const std::string& name, const Bytes& bytes)
    {
        const std::string path = (folder / name).string();
        EXPECT_EQ(WriteFileSafely(path, bytes), FileError::None);
        return path;
    }

    platform::ScriptedPrompter prompter;
    platform::ScopedServices services;
    TestParts parts;
    CVekDoc doc;
    fs::path folder;
};

} // namespace

TEST_F(Document, FileLayoutOfANewDocument)
{
    Bytes expected;
    appendText(expected, "Tekvar 32 bit header");
    for (int i = 0; i < 4; ++i)
        appendText(expected, "");
    for (int i = 0; i < ModuleCount; ++i)
        append(expected, bytesOf({7, 0}));
    append(expected, bytesOf({0xFF, 0xFF})); // description choice
    append(expected, bytesOf({0, 0}));       // active module
    EXPECT_EQ(doc.Store(), expected);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Title(), "NyFil");
}

TEST_F(Document, RoundTripIsByteForByteAndRestoresEveryMember)
{
    fill();
    const Bytes stored = doc.Store();

    TestParts otherParts;
    CVekDoc other(otherParts);
    other.NewDocument();
    other.Load(stored);
    EXPECT_EQ(other.Store(), stored);
    EXPECT_EQ(other.Project().responsible, "Åsa Berg");
    EXPECT_EQ(other.Project().reference, "Rad 1\r\nRad 2");
    EXPECT_EQ(other.ActiveModule(), 5);
    EXPECT_EQ(static_cast<CTestSelection&>(other.Descriptions()).choice, 4);
    EXPECT_TRUE(other.CurrentReferences());

    // Bytes after the active module are not the document's; they are ignored.
    Bytes longer = stored;
    append(longer, bytesOf({1, 2, 3}));
    other.Load(longer);
    EXPECT_EQ(other.Store(), stored);
}

TEST_F(Document, OldestFormatIsReadWithLegacyReferencesAndSavedWithTheHeader)
{
    Bytes old;
    appendText(old, "Per Olsson");
    appendText(old, "Skolan");
    appendText(old, "");
    appendText(old, "utan huvud");
    for (int i = 0; i < ModuleCount; ++i)
        append(old, bytesOf({i, 0}));
    append(old, bytesOf({2, 0, 3, 0}));

    doc.Load(old);
    EXPECT_FALSE(doc.CurrentReferences());
    EXPECT_EQ(doc.Project().responsible, "Per Olsson");
    EXPECT_EQ(doc.Project().projectName, "Skolan");
    EXPECT_EQ(doc.Project().comment, "utan huvud");
    EXPECT_EQ(doc.ActiveModule(), 3);

    Bytes current;
    appendText(current, "Tekvar 32 bit header");
    current.insert(current.end(), old.begin(), old.end());
    EXPECT_EQ(doc.Store(), current);

    doc.Load(current);
    EXPECT_TRUE(doc.CurrentReferences());
}

TEST_F(Document, SwitchingModulesMarksTheDocumentModifiedAndTellsTheViews)
{
    std::vector<std::uint32_t> hints;
    const int view = doc.AddView([&](std::uint32_t hint) { hints.push_back(hint); });

    doc.SetActiveModule(2); // a tab click
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.ActiveModule(), 2);
    doc.SetModified(false);
    doc.OnViewModule(6); // the View menu
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.ActiveModule(), 6);
    EXPECT_EQ(hints, (std::vector<std::uint32_t>{0, CVekDoc::fullRedraw}));

    doc.RemoveView(view);
    doc.SetActiveModule(1);
    EXPECT_EQ(hints.size(), 2u);

    doc.NewDocument();
    EXPECT_EQ(doc.ActiveModule(), 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(Document, AFailedOpenLeavesTheDocumentExactlyAsItWas)
{
    fill();
    const std::string saved = write("projekt.tkv", doc.Store());
    ASSERT_TRUE(doc.SaveDocument((folder / "eget.tkv").string()));
    doc.Project().comment = "osparad ändring";
    doc.SetModified(true);
    const Bytes before = doc.Store();
    CVekModul* moduleBefore = &doc.Module(0);

    Bytes truncated = doc.Store();
    truncated.resize(truncated.size() - 3);
    const std::string damaged = write("trasig.tkv", truncated);
    Bytes badActive = doc.Store();
    badActive[badActive.size() - 2] = 8; // no ninth module
    const std::string outOfRange = write("fel.tkv", badActive);

    prompter.Clear();
    EXPECT_FALSE(doc.OpenDocument(damaged));
    EXPECT_FALSE(doc.OpenDocument(outOfRange));
    EXPECT_FALSE(doc.OpenDocument((folder / "saknas.tkv").string()));
    EXPECT_FALSE(doc.OpenDocument(folder.string())); // a folder, not a file
    ASSERT_EQ(prompter.Texts().size(), 4u);
    EXPECT_EQ(prompter.Texts()[0], "Ett fel uppstod vid läsning av " + damaged + ".");
    EXPECT_EQ(prompter.Texts()[1], "Ett fel uppstod vid läsning av " + outOfRange + ".");
    EXPECT_EQ(prompter.Texts()[2],
              (folder / "saknas.tkv").string() + "\nKan inte hitta denna filen.\nKontrollera sökväg och filnamn.");

    EXPECT_EQ(doc.Store(), before);
    EXPECT_EQ(&doc.Module(0), moduleBefore);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Title(), "eget.tkv");

    ASSERT_TRUE(doc.OpenDocument(saved));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Title(), "projekt.tkv");
    EXPECT_EQ(doc.Project().comment, std::string(255, 'k'));
}

TEST_F(Document, NothingOfThePreviousDocumentLeaksIntoTheNextOne)
{
    fill();
    // A file without a description choice: the choice starts from none,
    // not from what the open document had.
    Bytes withoutChoice;
    appendText(withoutChoice, "Tekvar 32 bit header");
    for (int i = 0; i < 4; ++i)
        appendText(withoutChoice, "");
    for (int i = 0; i < ModuleCount; ++i)
        append(withoutChoice, bytesOf({0, 1}));
    append(withoutChoice, bytesOf({1, 0}));

    doc.Load(withoutChoice);
    EXPECT_TRUE(doc.NoDescriptions());
    EXPECT_EQ(selection().choice, 0xFFFF);
    EXPECT_EQ(doc.Project().responsible, "");
    // Every module was read into a fresh object that started at its defaults.
    EXPECT_EQ(module(0).defaultsSet, 1);
    EXPECT_EQ(module(0).value, 0x0100);
}

TEST_F(Document, AFailedSaveLeavesThePreviousFileIntact)
{
    const std::string path = write("projekt.tkv", bytesOf({'g', 'a', 'm', 'm', 'a', 'l'}));
    fill();

    // A file-size limit makes the write fail part-way, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool saved = doc.SaveDocument(path);
    ::setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_FALSE(saved);
    EXPECT_EQ(prompter.Texts().back(), "Ett fel uppstod vid skrivning till " + path + ".");
    Bytes after;
    ASSERT_EQ(ReadWholeFile(path, after), FileError::None);
    EXPECT_EQ(after, bytesOf({'g', 'a', 'm', 'm', 'a', 'l'}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1); // no temporary left
    EXPECT_TRUE(doc.IsModified());

    ASSERT_TRUE(doc.SaveDocument(path));
    ASSERT_EQ(ReadWholeFile(path, after), FileError::None);
    EXPECT_EQ(after, doc.Store());
}
