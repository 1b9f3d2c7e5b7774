#include "CatalogueRecords.h"
#include "database/Catalogue.h"
#include "doc/CVekDoc.h"

using namespace catalogue_test;

namespace {

// What a module saw of the program while it was being created.
struct CreationView {
    CDataBase* database = nullptr;
    CEgendefDatabase* userDatabase = nullptr;
    std::size_t liquids = 0;
    CVekDoc* document = nullptr;
};

std::vector<CreationView> creations;

// A module that uses a liquid of the reference database, the way the real
// modules use their catalogue choices.
class CLiquidModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CLiquidModul)

public:
    CLiquidModul()
    {
        creations.push_back({CDataBase::Current(), CEgendefDatabase::Current(),
                             CDataBase::SystemList(CDataBase::liquids).size(), CVekDoc::Current()});
    }
    ~CLiquidModul() override { Use(nullptr); }

    void Use(CVeske* liquid)
    {
        if (medium)
            medium->RemoveDependent(this);
        medium = liquid;
        if (medium)
            medium->AddDependent(this);
    }
    void Changed(CItem* item) override { Use(static_cast<CVeske*>(item)); }
    bool Calculate() override
    {
        ++calculations;
        return true;
    }

    void Serialize(CArchive& ar) override
    {
        ar.Word(resultsValid);
        if (ar.IsStoring())
            CDataBase::WriteReference(ar, medium);
        else
            Use(CDataBase::Current()->ReadReferenceAs<CVeske>(ar, CDataBase::liquids));
    }

    CVeske* medium = nullptr;
    int calculations = 0;
};

class CNoDescriptions : public CDocumentPart {
    TEKVAR_DECLARE_CLASS(CNoDescriptions)

public:
    void Reset() override {}
    std::unique_ptr<CDocumentPart> Copy() const override { return std::make_unique<CNoDescriptions>(); }
};

TEKVAR_IMPLEMENT_CLASS(CLiquidModul, CVekModul)
TEKVAR_IMPLEMENT_CLASS(CNoDescriptions, CItem)

class CatalogueParts : public DocumentParts {
public:
    std::unique_ptr<DocumentCatalogue> CreateCatalogue() override { return std::make_unique<Catalogue>(); }
    std::unique_ptr<CVekModul> CreateModule(int) override { return std::make_unique<CLiquidModul>(); }
    std::unique_ptr<CDocumentPart> CreateDescriptions() override { return std::make_unique<CNoDescriptions>(); }
};

} // namespace

class CatalogueDocument : public CatalogueTest {
protected:
    CatalogueDocument()
    {
        creations.clear();
        UseDatabaseFile("tekvar.dat");
        settings.SetString("Files", "Climate File", PathOf("tekvar.ort"));
        settings.SetString("Files", "Cost File", PathOf("tekvar.cst"));
    }

    void WriteDatabaseWithWater()
    {
        CDataBase database;
        database.filePath = PathOf("tekvar.dat");
        database.lists[CDataBase::liquids].push_back(MakeVeske());
        ASSERT_TRUE(database.Save());
    }

    CLiquidModul& module(CVekDoc& doc, int i) { return static_cast<CLiquidModul&>(doc.Module(i)); }

    CatalogueParts parts;
};

TEST_F(CatalogueDocument, DatabasesAreLoadedAndCurrentBeforeTheModulesAreMade)
{
    WriteDatabaseWithWater();
    {
        CVekDoc doc(parts);
        auto* catalogue = static_cast<Catalogue*>(doc.Catalogue());
        ASSERT_NE(catalogue, nullptr);
        ASSERT_EQ(creations.size(), std::size_t(ModuleCount));
        for (const CreationView& view : creations) {
            EXPECT_EQ(view.database, &catalogue->database);
            EXPECT_EQ(view.userDatabase, &catalogue->userDatabase);
            EXPECT_EQ(view.liquids, 1u);
            EXPECT_EQ(view.document, &doc);
        }
        EXPECT_EQ(catalogue->database.filePath, PathOf("tekvar.dat"));
        EXPECT_EQ(catalogue->userDatabase.filePath, PathOf("egendef.dat"));
        EXPECT_EQ(catalogue->climate.filePath, PathOf("tekvar.ort"));
        const auto texts = prompter.Texts();
        EXPECT_EQ(CountOf(texts, "Kan inte läsa databasfilen (" + PathOf("tekvar.dat") + ")."), 0u);

        // A module that uses a catalogue item is let go of before the item goes.
        module(doc, 2).Use(CDataBase::SystemItems<CVeske>(CDataBase::liquids)[0]);
    }
    EXPECT_EQ(CDataBase::Current(), nullptr);
    EXPECT_EQ(CEgendefDatabase::Current(), nullptr);
    EXPECT_TRUE(CDataBase::SystemList(CDataBase::liquids).empty());
}

TEST_F(CatalogueDocument, MissingDatabaseIsSaidOnceAndFirst)
{
    CVekDoc doc(parts);
    const auto texts = prompter.Texts();
    ASSERT_FALSE(texts.empty());
    const std::string missing = "Kan inte läsa databasfilen (" + PathOf("tekvar.dat") + ").";
    EXPECT_EQ(texts.front(), missing);
    EXPECT_EQ(CountOf(texts, missing), 1u);
    for (const std::string& text : texts)
        EXPECT_EQ(text.find("egendef"), std::string::npos) << text;
    for (int i = 0; i < CDataBase::listCount; ++i)
        EXPECT_TRUE(CDataBase::SystemList(i).empty());
}

TEST_F(CatalogueDocument, ModulesStoreNamesAndResolveThemWhenRead)
{
    WriteDatabaseWithWater();
    CVekDoc doc(parts);
    doc.NewDocument();
    auto* water = CDataBase::SystemItems<CVeske>(CDataBase::liquids)[0];
    module(doc, 1).Use(water);
    const Bytes stored = doc.Store();

    doc.Load(stored);
    EXPECT_EQ(module(doc, 1).medium, water);
    EXPECT_EQ(module(doc, 0).medium, nullptr);
    EXPECT_EQ(water->Dependents(), std::vector<CItem*>{&module(doc, 1)});
    EXPECT_TRUE(chooser.Requests().empty());

    // A failed open leaves the modules as they were, and the modules it was
    // reading into no longer hang on the liquid.
    CLiquidModul* before = &module(doc, 1);
    EXPECT_THROW(doc.Load(Bytes(stored.begin(), stored.end() - 4)), ArchiveError);
    EXPECT_EQ(&module(doc, 1), before);
    EXPECT_EQ(water->Dependents(), std::vector<CItem*>{before});

    // Renamed in the database since: the user picks a replacement.
    water->name = "Sötvatten";
    doc.Load(stored);
    ASSERT_EQ(chooser.Requests().size(), 1u);
    EXPECT_TRUE(chooser.Requests()[0].message.starts_with("Vätskan Vatten är borttagen"));
    EXPECT_EQ(module(doc, 1).medium, water);
}

TEST_F(CatalogueDocument, DatabaseEditRecalculatesOnlyCalculatedModules)
{
    WriteDatabaseWithWater();
    CVekDoc doc(parts);
    doc.NewDocument();
    auto* water = CDataBase::SystemItems<CVeske>(CDataBase::liquids)[0];
    module(doc, 3).Use(water);
    module(doc, 3).resultsValid = true;
    module(doc, 5).resultsValid = true;

    editors.edit = [](CItem&) { return false; };
    doc.OnEditDatabase();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(module(doc, 3).calculations, 0);

    editors.edit = [](CItem& item) {
        static_cast<CVeske&>(*static_cast<CDataBase&>(item).lists[CDataBase::liquids][0]).density = 1025.0f;
        return true;
    };
    doc.OnEditDatabase();
    EXPECT_TRUE(doc.IsModified());
    for (int i = 0; i < ModuleCount; ++i)
        EXPECT_EQ(module(doc, i).calculations, i == 3 || i == 5 ? 1 : 0) << i;
    ASSERT_NE(module(doc, 3).medium, nullptr);
    EXPECT_EQ(module(doc, 3).medium->density, 1025.0f);
    EXPECT_EQ(module(doc, 3).medium, CDataBase::SystemList(CDataBase::liquids)[0].get());
}
