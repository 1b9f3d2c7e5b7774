#include "ScopedWorkingFolder.h"
#include "CatalogueRecords.h"
#include "database/CDataBase.h"
#include "database/CEgendefDatabase.h"
#include "database/DataFiles.h"

using namespace catalogue_test;

namespace {

const std::string readMessage = "Kan inte läsa databasfilen (%1).";
const std::string writeMessage = "Kan inte skriva databasfilen (%1).";

std::string with(const std::string& pattern, const std::string& path)
{
    return pattern.substr(0, pattern.find("%1")) + path + pattern.substr(pattern.find("%1") + 2);
}

Bytes mantlingOfKind(std::uint8_t kind)
{
    Bytes record = mantlingRecord;
    record[record.size() - 2] = kind;
    return record;
}

Bytes egendefNamed(const std::string& fourLetters)
{
    Bytes record = egendefFields;
    std::copy(fourLetters.begin(), fourLetters.end(), record.begin() + 1);
    return record;
}

// Every list but the inner claddings holds one item.
void fill(CDataBase& database)
{
    database.lists[0].push_back(MakeIsoProdukt());
    database.lists[1].push_back(MakeAbsorpsjon(CAbsorpsjon::rectangularDuct));
    database.lists[2].push_back(MakeAbsorpsjon(CAbsorpsjon::circularDuct));
    database.lists[3].push_back(MakeMantling(CMantling::outerCladding));
    database.lists[4].push_back(MakeMantling(CMantling::insideOuterSurface));
    database.lists[6].push_back(MakeTillegg2());
    database.lists[7].push_back(MakeVeske());
    database.lists[8].push_back(MakeRormaterial());
}

// The file of fill(): nine lists; classes are tagged once and referred back
// to by the index they took (objects and classes count together from 1).
const Bytes filledFile =
    Bytes{0x01, 0x00} + NewClass("CIsoProdukt") + isoProduktFields +               // class 1, object 2
    Bytes{0x01, 0x00} + NewClass("CIsoTykkelse") + isoTykkelseRecord +             // class 3, object 4
    Bytes{0x01, 0x00} + NewClass("CAbsorpsjon") + AbsorpsjonFields(0) +            // class 5, object 6
    Bytes{0x01, 0x00} + NewClass("CAbsorpsjonTykkelse") + absorpsjonTykkelseRecord + // class 7, object 8
    Bytes{0x01, 0x00, 0x05, 0x80} + AbsorpsjonFields(1) +                         // object 9
    Bytes{0x01, 0x00, 0x07, 0x80} + absorpsjonTykkelseRecord +                    // object 10
    Bytes{0x01, 0x00} + NewClass("CMantling") + mantlingOfKind(0) +                // class 11, object 12
    Bytes{0x01, 0x00, 0x0B, 0x80} + mantlingOfKind(1) +                           // object 13
    Bytes{0x00, 0x00} +                                                           // no inner claddings
    Bytes{0x01, 0x00} + NewClass("CTillegg2") + tillegg2Fields +                   // class 14, object 15
    Bytes{0x01, 0x00} + NewClass("CTilleggslengde") + tilleggslengdeRecord +       // class 16, object 17
    Bytes{0x01, 0x00} + NewClass("CVeske") + veskeRecord +                         // class 18, object 19
    Bytes{0x01, 0x00} + NewClass("CRormaterial") + rormaterialFields +             // class 20, object 21
    Bytes{0x01, 0x00} + NewClass("CRordimensjon") + rordimensjonRecord;            // class 22, object 23

const Bytes userFile = Bytes{0x02, 0x00} + NewClass("CEgendefIsoProdukt") + egendefNamed("Egen") +
                       Bytes{0x01, 0x80} + egendefNamed("Egna");

std::size_t itemCount(const CDataBase& database)
{
    std::size_t count = 0;
    for (const auto& list : database.lists)
        count += list.size();
    return count;
}

// Told when a catalogue item it uses is replaced.
class Watcher : public CItem {
public:
    void Changed(CItem* item) override { told.push_back(item); }
    std::vector<CItem*> told;
};

} // namespace

class DatabaseFile : public CatalogueTest {};

TEST_F(DatabaseFile, TekvarDatIsNineObjectListsAndRoundTripsByteForByte)
{
    UseDatabaseFile("tekvar.dat");
    CDataBase database;
    database.filePath = PathOf("tekvar.dat");
    fill(database);
    ASSERT_TRUE(database.Save());
    EXPECT_EQ(FileBytes(PathOf("tekvar.dat")), filledFile);

    CDataBase read;
    ASSERT_TRUE(read.Load());
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_EQ(read.filePath, PathOf("tekvar.dat"));
    EXPECT_EQ(itemCount(read), 8u);
    EXPECT_TRUE(read.lists[5].empty());
    EXPECT_EQ(static_cast<CAbsorpsjon&>(*read.lists[2][0]).kind, CAbsorpsjon::circularDuct);
    EXPECT_EQ(static_cast<CMantling&>(*read.lists[4][0]).kind, CMantling::insideOuterSurface);
    EXPECT_EQ(static_cast<CRormaterial&>(*read.lists[8][0]).dimensions.size(), 1u);
    EXPECT_TRUE(read.lists[0][0]->IsEqual(*database.lists[0][0]));

    read.filePath = PathOf("again.dat");
    ASSERT_TRUE(read.Save());
    EXPECT_EQ(FileBytes(PathOf("again.dat")), filledFile);

    // An empty database is nine empty lists.
    CDataBase empty;
    empty.filePath = PathOf("empty.dat");
    ASSERT_TRUE(empty.Save());
    EXPECT_EQ(FileBytes(PathOf("empty.dat")), Bytes(18, 0x00));
}

TEST_F(DatabaseFile, EgendefDatIsOneObjectListAndRoundTripsByteForByte)
{
    UseDatabaseFile("tekvar.dat");
    CEgendefDatabase user;
    user.filePath = PathOf("egendef.dat");
    user.products.push_back(MakeEgendef("Egen"));
    user.products.push_back(MakeEgendef("Egna"));
    ASSERT_TRUE(user.Save());
    EXPECT_EQ(FileBytes(PathOf("egendef.dat")), userFile);

    CEgendefDatabase read;
    ASSERT_TRUE(read.Load());
    EXPECT_EQ(read.filePath, PathOf("egendef.dat"));
    ASSERT_EQ(read.products.size(), 2u);
    EXPECT_EQ(read.products[1]->name, "Egna");
    read.filePath = PathOf("copy.dat");
    ASSERT_TRUE(read.Save());
    EXPECT_EQ(FileBytes(PathOf("copy.dat")), userFile);
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST_F(DatabaseFile, MissingFilesWithTheDefaultSetting)
{
    CDataBase database;
    CEgendefDatabase user;
    bool databaseRead = false;
    bool userRead = false;
    {
        ScopedWorkingFolder inFolder(folder);
        databaseRead = database.Load();
        userRead = user.Load();
    }

    EXPECT_FALSE(databaseRead);
    EXPECT_FALSE(userRead);
    // Only the maker's database is missed aloud; no user products is normal.
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Kan inte läsa databasfilen (tekvar.dat)."});
    EXPECT_EQ(database.filePath, "tekvar.dat");
    EXPECT_EQ(user.filePath, "egendef.dat");
    EXPECT_EQ(itemCount(database), 0u);
    EXPECT_TRUE(user.products.empty());
}

TEST_F(DatabaseFile, UserDatabaseLivesBesideTheReferenceDatabase)
{
    EXPECT_EQ(UserDatabaseFilePath("tekvar.dat"), "egendef.dat");
    EXPECT_EQ(UserDatabaseFilePath("D:/data/tekvar.dat"), "D:/data/egendef.dat");
    EXPECT_EQ(UserDatabaseFilePath("/a/tekvar.dat.d/tekvar.dat"), "/a/egendef.dat.d/egendef.dat");
    // Without the text the user's file still never is the maker's file.
    EXPECT_EQ(UserDatabaseFilePath("D:/data/TEKVAR.DAT"), "D:/data/egendef.dat");
    EXPECT_EQ(UserDatabaseFilePath("D:\\data\\katalog.bin"), "D:\\data\\egendef.dat");
    EXPECT_EQ(UserDatabaseFilePath("katalog"), "egendef.dat");
    EXPECT_EQ(UserDatabaseFilePath("/srv/egendef.dat"), "/srv/egendef.dat.egendef");

    settings.SetString("Files", "Database File", PathOf("KATALOG.DAT"));
    CEgendefDatabase user;
    user.Load();
    EXPECT_EQ(user.filePath, PathOf("egendef.dat"));
}

TEST_F(DatabaseFile, DamageKeepsWhatWasReadAndSaysSoOnce)
{
    UseDatabaseFile("tekvar.dat");
    const std::string path = PathOf("tekvar.dat");
    std::size_t lastCount = 0;
    for (std::size_t cut = 0; cut < filledFile.size(); ++cut) {
        SCOPED_TRACE(cut);
        WriteFile(path, Bytes(filledFile.begin(), filledFile.begin() + std::ptrdiff_t(cut)));
        prompter.Clear();
        CDataBase database;
        EXPECT_FALSE(database.Load());
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{with(readMessage, path)});
        // Each item is either wholly there or not at all, and more file never means fewer items.
        EXPECT_GE(itemCount(database), lastCount);
        lastCount = itemCount(database);
    }
    EXPECT_EQ(lastCount, 7u); // all but the pipe material, whose dimension is cut

    // Cut inside the first absorber: the insulation product is kept.
    const std::size_t inAbsorber = 2 + NewClass("CIsoProdukt").size() + isoProduktFields.size() + 2 +
                                   NewClass("CIsoTykkelse").size() + isoTykkelseRecord.size() + 10;
    WriteFile(path, Bytes(filledFile.begin(), filledFile.begin() + std::ptrdiff_t(inAbsorber)));
    CDataBase database;
    database.Load();
    EXPECT_EQ(database.lists[0].size(), 1u);
    EXPECT_EQ(database.lists[0][0]->name, "Lamell");
    EXPECT_EQ(itemCount(database), 1u);
}

TEST_F(DatabaseFile, GarbageAndForeignClassesAreRefusedWithoutHarm)
{
    UseDatabaseFile("tekvar.dat");
    const std::string path = PathOf("tekvar.dat");

    // A liquid where the insulation products belong.
    WriteFile(path, Bytes{0x01, 0x00} + NewClass("CVeske") + veskeRecord + Bytes(16, 0x00));
    CDataBase database;
    EXPECT_FALSE(database.Load());
    EXPECT_EQ(itemCount(database), 0u);

    // A count far beyond the file, an unknown class, and noise.
    std::uint32_t seed = 12345;
    std::vector<Bytes> samples = {Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
                                  Bytes{0x01, 0x00} + NewClass("CUnknown") + Bytes(40, 0x01)};
    for (int n = 0; n < 20; ++n) {
        Bytes noise(200);
        for (auto& byte : noise) {
            seed = seed * 1103515245u + 12345u;
            byte = std::uint8_t(seed >> 16);
        }
        samples.push_back(noise);
    }
    for (const Bytes& sample : samples) {
        WriteFile(path, sample);
        prompter.Clear();
        CDataBase garbled;
        EXPECT_FALSE(garbled.Load());
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{with(readMessage, path)});
    }

    // The user database names its damaged file; the message is the database read message.
    WriteFile(PathOf("egendef.dat"), Bytes(userFile.begin(), userFile.end() - 3));
    prompter.Clear();
    CEgendefDatabase user;
    EXPECT_FALSE(user.Load());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{with(readMessage, PathOf("egendef.dat"))});
    EXPECT_EQ(user.products.size(), 1u);
}

TEST_F(DatabaseFile, SavingOverAFileThatWasNotReadInFullKeepsItsBytes)
{
    UseDatabaseFile("tekvar.dat");
    const std::string path = PathOf("tekvar.dat");
    const Bytes damaged(filledFile.begin(), filledFile.end() - 5);
    WriteFile(path, damaged);
    CDataBase database;
    database.Load();
    ASSERT_TRUE(database.Save());
    EXPECT_EQ(FileBytes(path + ".bak"), damaged);
    EXPECT_NE(FileBytes(path), damaged);

    // Once saved, the file is whole: later saves leave the copy alone.
    fs::remove(path + ".bak");
    ASSERT_TRUE(database.Save());
    EXPECT_FALSE(fs::exists(path + ".bak"));
}

TEST_F(DatabaseFile, WriteFailuresAreSaidForBothDatabases)
{
    const std::string nowhere = PathOf("saknas/tekvar.dat");
    CDataBase database;
    database.filePath = nowhere;
    fill(database);
    EXPECT_FALSE(database.Save());
    CEgendefDatabase user;
    user.filePath = PathOf("saknas/egendef.dat");
    EXPECT_FALSE(user.Save());
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{with(writeMessage, nowhere),
                                                          with(writeMessage, PathOf("saknas/egendef.dat"))}));
    EXPECT_EQ(itemCount(database), 8u); // the lists keep what the user made
}

TEST_F(DatabaseFile, EditorWorksOnCopiesThatStandInForTheLists)
{
    UseDatabaseFile("tekvar.dat");
    CDataBase database;
    database.filePath = PathOf("tekvar.dat");
    fill(database);
    database.MakeCurrent();
    Watcher module;
    CListItem* water = database.lists[7][0].get();
    water->AddDependent(&module);

    // Cancel: nothing changes and nothing is written.
    editors.edit = [&](CItem& item) {
        auto& working = static_cast<CDataBase&>(item);
        EXPECT_NE(&working, &database);
        EXPECT_EQ(&CDataBase::SystemList(7), &working.lists[7]);
        working.lists[7].clear();
        working.activeList = 7;
        return false;
    };
    EXPECT_FALSE(database.Edit());
    EXPECT_EQ(database.lists[7][0].get(), water);
    EXPECT_EQ(database.activeList, 0);
    EXPECT_FALSE(fs::exists(database.filePath));
    EXPECT_TRUE(module.told.empty());
    EXPECT_EQ(&CDataBase::SystemList(7), &database.lists[7]);

    // OK: the copies replace the lists, the module is pointed at the new
    // liquid, the list shown is remembered and the file written.
    editors.edit = [&](CItem& item) {
        auto& working = static_cast<CDataBase&>(item);
        auto* copy = CDataBase::SystemItems<CVeske>(CDataBase::liquids)[0];
        EXPECT_NE(copy, water);
        copy->density = 1030.0f;
        working.lists[5].push_back(CDataBase::CreateItem(CDataBase::innerCladdings));
        working.activeList = 7;
        return true;
    };
    EXPECT_TRUE(database.Edit());
    auto* liquid = static_cast<CVeske*>(database.lists[7][0].get());
    EXPECT_EQ(liquid->density, 1030.0f);
    EXPECT_EQ(module.told, std::vector<CItem*>{liquid});
    EXPECT_EQ(database.activeList, 7);
    EXPECT_EQ(static_cast<CMantling&>(*database.lists[5][0]).kind, CMantling::innerCladding);
    EXPECT_EQ(&CDataBase::SystemList(7), &database.lists[7]);

    CDataBase reread;
    reread.Load();
    EXPECT_EQ(static_cast<CVeske&>(*reread.lists[7][0]).density, 1030.0f);
    EXPECT_EQ(reread.lists[5].size(), 1u);
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST_F(DatabaseFile, UserDatabaseEditorWorksTheSameWay)
{
    UseDatabaseFile("tekvar.dat");
    CEgendefDatabase user;
    user.Load();
    user.MakeCurrent();
    user.products.push_back(MakeEgendef());

    editors.edit = [&](CItem& item) {
        auto& working = static_cast<CEgendefDatabase&>(item);
        EXPECT_EQ(&CEgendefDatabase::SystemProducts(), &working.products);
        working.products.push_back(MakeEgendef("Ny"));
        return true;
    };
    EXPECT_TRUE(user.Edit());
    EXPECT_EQ(user.products.size(), 2u);
    EXPECT_EQ(&CEgendefDatabase::SystemProducts(), &user.products);

    CEgendefDatabase reread;
    reread.Load();
    ASSERT_EQ(reread.products.size(), 2u);
    EXPECT_EQ(reread.products[1]->name, "Ny");
}

TEST(DatabaseLists, LabelsMessagesAndClassesInFileOrder)
{
    const std::vector<std::pair<std::string, int>> expected = {
        {"Isoleringsprodukter", 61232},
        {"Absorptionsprodukter för rektangulär kanal", 61230},
        {"Absorptionsprodukter för cirkulär kanal", 61230},
        {"Utvändig ytbeklädnad vid normal isolering", 61235},
        {"Utvändig ytskikt vid invändig isolering", 61235},
        {"Invändig ytbeklädnad vid invändig isolering", 61235},
        {"Tilläggsarmatur för rör", 61234},
        {"Vätskor", 61231},
        {"Rörmaterialer och dimensioner", 61247},
    };
    for (int i = 0; i < CDataBase::listCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(CDataBase::Info(i).label, expected[std::size_t(i)].first);
        EXPECT_EQ(CDataBase::Info(i).missingMessage, expected[std::size_t(i)].second);
        // A new item is of the list's class and kind.
        auto item = CDataBase::CreateItem(i);
        EXPECT_EQ(&item->GetClass(), CDataBase::Info(i).itemClass);
    }
    EXPECT_EQ(static_cast<CAbsorpsjon&>(*CDataBase::CreateItem(2)).kind, CAbsorpsjon::circularDuct);
    EXPECT_EQ(static_cast<CMantling&>(*CDataBase::CreateItem(4)).kind, CMantling::insideOuterSurface);
    EXPECT_THROW(CDataBase::Info(9), std::out_of_range);
}
