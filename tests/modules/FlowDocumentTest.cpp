#include "ModuleCatalogue.h"
#include "modules/CreateModule.h"
#include "doc/CVekDoc.h"
#include "modules/CFrostModul.h"
#include "modules/CKanalTempModul.h"
#include "modules/CTankTempModul.h"
#include "modules/CVarmeTapModul.h"

using namespace module_test;

namespace {

const std::string none = "Standard_database_element";

class NoTexts : public CDocumentPart {
public:
    void Reset() override {}
    std::unique_ptr<CDocumentPart> Copy() const override { return std::make_unique<NoTexts>(); }
};

// The heat-loss, flow, tank and frost modules in their places; the other
// places hold modules with an empty record.
class FourModules : public DocumentParts {
public:
    std::unique_ptr<CVekModul> CreateModule(int index) override
    {
        if (index == 0 || index == 1 || index == 2 || index == 5)
            return ::CreateModule(index);
        return std::make_unique<CVekModul>();
    }
    std::unique_ptr<CDocumentPart> CreateDescriptions() override { return std::make_unique<NoTexts>(); }
};

Bytes layer(int kind)
{
    return Record().Long(0).Long(0).Word(0).Float(50.0f).Float(50.0f).Word(std::uint16_t(kind)).Word(1).Text("Lamell").Text(none).bytes;
}

// A cladding or liquid as the oldest documents hold it: its whole record.
Bytes claddingCopy(const std::string& name, float emissivity, int kind)
{
    return Record().Text(name).Text("").Float(emissivity).Long(0x00C0C0C0).Word(std::uint16_t(kind)).bytes;
}

Bytes liquidCopy(const std::string& name, float density, float heat, float freezing)
{
    return Record().Text(name).Text("").Float(density).Float(heat).Float(freezing).bytes;
}

// A document of the oldest format: no header text, full copies of the
// claddings and liquids.
Bytes oldestDocument()
{
    Record r;
    r.Text("Anna").Text("Projekt").Text("Ref").Text("Kom");
    // Heat loss, version 297, kind 3: the outer surface from the inside list.
    r.Add(layer(3)).Add(layer(3)).Word(0);
    r.Word(297).Long(0).Float(10.0f).Float(1.0f).Long(5).Word(0);
    r.Word(0).Word(3).Float(50.0f).Word(0);
    r.Float(20.0f).Float(30.0f).Float(50.0f);
    r.Float(200.0f).Float(200.0f).Float(20.0f).Float(10.0f).Word(0);
    r.Word(0).Float(2.0f).Float(5.0f).Word(0).Float(0.94f);
    r.Float(8760.0f).Float(60.0f).Float(10.0f).Word(0).Word(1);
    r.Long(0).Float(750.0f).Long(0).Float(0.55f);
    r.Float(21.3f).Float(2.6f).Long(0).Text("15").Text("").Float(2.6f).Float(21.3f);
    r.Add(claddingCopy("Puts", 0.8f, 1)).Add(claddingCopy("Inre folie", 0.5f, 2)).Text("St\xE5l");
    // Flow: no sections, water.
    r.Word(0).Add(liquidCopy("Vatten", 999.0f, 4180.0f, 0.0f)).Word(255).Long(0).Float(60.0f).Word(0);
    r.Word(0).Word(1).Float(4180.0f).Float(999.0f).Float(0.0f).Float(40.0f).Float(8760.0f).Float(60.0f).Word(0).Word(0);
    // Tank: the glycol's density has changed in the catalogue since.
    r.Add(layer(6)).Add(claddingCopy("Pl\xE5t", 0.3f, 0)).Add(liquidCopy("Glykol", 1000.0f, 3600.0f, -20.0f));
    r.Word(255).Long(0).Float(25.0f).Word(0);
    r.Float(10.0f).Float(5.0f).Float(5.0f).Float(5.0f).Float(5.0f).Float(5.0f);
    r.Word(0).Float(2.0f).Float(5.0f).Word(0).Float(0.94f);
    r.Word(0).Float(4180.0f).Float(999.0f).Float(50.0f).Float(0.0f).Float(500.0f).Word(0);
    // Frost: a cladding the catalogue no longer has.
    r.Add(layer(0)).Add(claddingCopy("Koppar", 0.05f, 0));
    r.Float(-6000.0f).Float(8.0f).Long(0).Float(2.6f).Float(-20.0f);
    r.Float(25.0f).Float(21.3f).Float(8.0f).Word(0).Word(0);
    r.Float(2.0f).Float(5.0f).Word(0).Float(0.94f).Long(0).Float(0.55f);
    r.Long(0).Text("15").Text("").Float(2.6f).Float(21.3f).Text("St\xE5l");
    r.Word(2); // the active module
    return r.bytes;
}

} // namespace

class FlowDocument : public ModuleTest {
protected:
    template <class T>
    T& module(CVekDoc& doc, int i)
    {
        return static_cast<T&>(doc.Module(i));
    }
    FourModules parts;
};

TEST_F(FlowDocument, OldestFormatResolvesTheCopiesAndIsSavedWithNames)
{
    CVekDoc doc(parts);
    doc.NewDocument();
    chooser.QueueAnswer(1);
    doc.Load(oldestDocument());
    EXPECT_FALSE(doc.CurrentReferences());
    EXPECT_EQ(doc.Project().responsible, "Anna");
    EXPECT_EQ(doc.ActiveModule(), 2);

    // Equal copies are taken silently, changed ones are told once each, a
    // missing one is chosen by the user.
    EXPECT_EQ(prompter.Texts(),
              (std::vector<std::string>{
                  "Databasvärdet Inre folie är förändrat efter att filen blev sparad. Detta förändrar de beräknade "
                  "resultaten.",
                  "Databasvärdet Glykol är förändrat efter att filen blev sparad. Detta förändrar de beräknade "
                  "resultaten."}));
    ASSERT_EQ(chooser.Requests().size(), 1u);
    EXPECT_TRUE(chooser.Requests()[0].message.starts_with("Ytbeklädnaden Koppar är borttagen"));

    auto& heat = module<CVarmeTapModul>(doc, 0);
    EXPECT_EQ(heat.OuterCladding(), Cladding(CDataBase::insideOuterSurfaces, 0));
    EXPECT_EQ(heat.InnerCladding(), Cladding(CDataBase::innerCladdings, 0));
    EXPECT_EQ(heat.InnerCladding()->emissivity, 0.2f);
    EXPECT_EQ(heat.Pipe().Material(), Material(0));
    EXPECT_EQ(module<CKanalTempModul>(doc, 1).Medium(), Liquid(0));
    auto& tank = module<CTankTempModul>(doc, 2);
    EXPECT_EQ(tank.Cladding(), Cladding(CDataBase::outerCladdings, 0));
    EXPECT_EQ(tank.Medium(), Liquid(1));
    EXPECT_EQ(tank.Medium()->density, 1050.0f);
    EXPECT_EQ(tank.insulation.Product(), Product(0));
    EXPECT_EQ(module<CFrostModul>(doc, 5).Cladding(), Cladding(CDataBase::outerCladdings, 1));

    // Saved, it is a document of the current format that reads back the same.
    const Bytes saved = doc.Store();
    const Bytes header = Record().Text("Tekvar 32 bit header").Text("Anna").bytes;
    ASSERT_TRUE(std::equal(header.begin(), header.end(), saved.begin()));
    CVekDoc again(parts);
    again.Load(saved);
    EXPECT_TRUE(again.CurrentReferences());
    EXPECT_EQ(again.Store(), saved);
    EXPECT_EQ(chooser.Requests().size(), 1u);
    EXPECT_EQ(module<CFrostModul>(again, 5).Cladding(), Cladding(CDataBase::outerCladdings, 1));
    EXPECT_EQ(module<CTankTempModul>(again, 2).Medium(), Liquid(1));
}

TEST_F(FlowDocument, FailedOpenLeavesNoModuleHangingOnTheCatalogue)
{
    CVekDoc doc(parts);
    doc.NewDocument();
    const Bytes old = oldestDocument();
    chooser.QueueAnswer(1);
    EXPECT_THROW(doc.Load(Bytes(old.begin(), old.end() - 3)), ArchiveError);
    // The modules read before the damage were thrown away with their links.
    EXPECT_TRUE(Cladding(CDataBase::insideOuterSurfaces, 0)->Dependents().empty());
    EXPECT_TRUE(Liquid(1)->Dependents().empty());
    EXPECT_TRUE(Product(0)->Dependents().empty());
    // The document's own modules still use the first pipe material.
    EXPECT_TRUE(Depends(Material(0), &doc.Module(0)));
    EXPECT_TRUE(Depends(Material(0), &doc.Module(5)));
}

#include "database/Catalogue.h"
#include "modules/StandardDocumentParts.h"

#include <filesystem>

#include <unistd.h>

// The program's own document, with the catalogue read from its files.
class StandardFlowDocument : public ModuleTest {
protected:
    StandardFlowDocument()
    {
        folder = std::filesystem::temp_directory_path() / ("tekvar-flowdoc-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        database.filePath = (folder / "tekvar.dat").string();
        userDatabase.filePath = (folder / "egendef.dat").string();
        EXPECT_TRUE(database.Save());
        EXPECT_TRUE(userDatabase.Save());
        settings.SetString("Files", "Database File", database.filePath);
        settings.SetString("Files", "Climate File", (folder / "tekvar.ort").string());
        settings.SetString("Files", "Cost File", (folder / "tekvar.cst").string());
        settings.SetString("Files", "VVSAMA File", (folder / "tekvar.ama").string());
    }
    ~StandardFlowDocument() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    StandardDocumentParts parts;
};

TEST_F(StandardFlowDocument, ChosenInputSurvivesSaveAndOpenByteForByte)
{
    CVekDoc doc(parts);
    doc.NewDocument();
    auto& db = static_cast<Catalogue*>(doc.Catalogue())->database;
    auto& users = static_cast<Catalogue*>(doc.Catalogue())->userDatabase;
    auto item = [&db](int list, std::size_t i) { return db.lists[std::size_t(list)].at(i).get(); };

    auto& heat = static_cast<CVarmeTapModul&>(doc.Module(0));
    heat.objectKind = ObjectKind::CircularDuct;
    heat.diameter = 630.0f;
    heat.layer1.SetCatalogueProduct(static_cast<CIsoProdukt*>(item(CDataBase::insulationProducts, 1)));
    heat.layer1.SetUserProduct(users.products.at(1).get());
    heat.SetOuterCladding(static_cast<CMantling*>(item(CDataBase::outerCladdings, 1)));
    heat.Pipe().SetMaterial(static_cast<CRormaterial*>(item(CDataBase::pipeMaterials, 1)), true);
    heat.TakePipeValues();

    auto& flow = static_cast<CKanalTempModul&>(doc.Module(1));
    flow.SetMedium(static_cast<CVeske*>(item(CDataBase::liquids, 1)));
    auto section = CSegment::CreateFromTemplate(nullptr, CSegment::pipeline, 1);
    section->SetProduct(static_cast<CIsoProdukt*>(item(CDataBase::insulationProducts, 0)));
    section->Pipe().SetMaterial(static_cast<CRormaterial*>(item(CDataBase::pipeMaterials, 1)), false);
    section->Pipe().SetDimension(*static_cast<CRormaterial*>(item(CDataBase::pipeMaterials, 1))->dimensions[1]);
    flow.sections.push_back(std::move(section));
    flow.nextSectionNumber = 2;

    auto& tank = static_cast<CTankTempModul&>(doc.Module(2));
    tank.tankShape = 2;
    tank.SetMedium(static_cast<CVeske*>(item(CDataBase::liquids, 0)));
    auto& frost = static_cast<CFrostModul&>(doc.Module(5));
    frost.calculationMode = 1;
    frost.SetCladding(static_cast<CMantling*>(item(CDataBase::outerCladdings, 0)));

    const std::string path = (folder / "dokument.tkv").string();
    ASSERT_TRUE(doc.SaveDocument(path));
    const Bytes saved = doc.Store();

    CVekDoc opened(parts);
    ASSERT_TRUE(opened.OpenDocument(path));
    EXPECT_EQ(opened.Store(), saved);
    EXPECT_TRUE(chooser.Requests().empty());
    auto& openedFlow = static_cast<CKanalTempModul&>(opened.Module(1));
    ASSERT_EQ(openedFlow.sections.size(), 1u);
    EXPECT_EQ(openedFlow.sections[0]->Pipe().Material()->name, "Koppar");
    EXPECT_EQ(openedFlow.sections[0]->Pipe().Record().name, "22");
    EXPECT_EQ(static_cast<CFrostModul&>(opened.Module(5)).calculationMode, 1);
    EXPECT_EQ(static_cast<CVarmeTapModul&>(opened.Module(0)).pipeOuterDiameter, 12.0f);
}

TEST_F(FlowDocument, DamagedDocumentsAreRefusedWithoutHarm)
{
    CVekDoc doc(parts);
    doc.NewDocument();
    const Bytes old = oldestDocument();
    chooser.QueueAnswer(1);
    doc.Load(old);
    const Bytes good = doc.Store();
    // Every shortened copy fails as a whole; every byte changed either reads
    // or fails, and the document keeps what it had.
    for (std::size_t length = 0; length < good.size(); ++length)
        EXPECT_THROW(doc.Load(Bytes(good.begin(), good.begin() + std::ptrdiff_t(length))), ArchiveError) << length;
    for (std::size_t at = 0; at < good.size(); ++at) {
        Bytes damaged = good;
        damaged[at] ^= 0xA5;
        try {
            doc.Load(damaged);
            doc.Load(good);
        } catch (const ArchiveError&) {
        }
        EXPECT_EQ(doc.Store(), good) << at;
    }
}
