#include "RecordDocument.h"
#include "database/Reconciliation.h"

using namespace module_test;

namespace {

template <class M>
Counted<M>& ModuleOf(CVekDoc& doc, int index)
{
    return static_cast<Counted<M>&>(doc.Module(index));
}

Record& CladdingCopy(Record& r, const std::string& name, float emissivity, int kind)
{
    return r.Text(name).Text("").Float(emissivity).Long(0x00C0C0C0).Word(std::uint16_t(kind));
}

Record& Layer(Record& r, int kind)
{
    return r.Long(0).Long(0).Word(0).Float(50).Float(50).Word(std::uint16_t(kind)).Word(0).Text("Lamell").Text(
        noCatalogueItem);
}

Record& AbsorberThickness(Record& r, const std::string& name, float thickness)
{
    return AbsorberThicknessRecord(r, name, thickness, {0.1f * thickness / 50.0f, 0.4f, 0.8f, 0.9f, 0.85f, 0.7f});
}

} // namespace

class RecordDocument : public AbsorberTest {
protected:
    RecordParts parts;
};

TEST_F(RecordDocument, ModulesSurviveTheDocumentFile)
{
    CVekDoc doc(parts);
    doc.NewDocument();
    auto& external = ModuleOf<CUtvendigKondensModul>(doc, 3);
    external.objectKind = ObjectKind::SurfaceInside;
    external.insulation.objectKind = 5;
    external.insulation.SetCatalogueProduct(Product(1));
    external.SetOuterCladding(Cladding(CDataBase::insideOuterSurfaces, 0));
    external.pipe.SetMaterial(Material(1), true);
    external.relativeHumidity = 80.0f;
    external.resultsValid = true;
    auto& internal = ModuleOf<CInnvendigKondensModul>(doc, 4);
    internal.SetOuterCladding(Cladding(CDataBase::outerCladdings, 1));
    internal.flow = 250.0f;
    auto& sound = ModuleOf<CLydModul>(doc, 6);
    sound.ductType = 1;
    sound.SetProduct(Absorber(CDataBase::rectangularAbsorbers, 0),
                     Absorber(CDataBase::rectangularAbsorbers, 0)->thicknesses[1].get());
    sound.resultsValid = true;
    auto& economy = ModuleOf<COkonomiModul>(doc, 7);
    auto alternative = std::make_unique<COkonomiIsolasjon>(0);
    alternative->SetMakerProduct(Product(0));
    alternative->SetOuterCladding(Cladding(CDataBase::outerCladdings, 0));
    alternative->name = alternative->DisplayText();
    economy.alternatives.push_back(std::move(alternative));
    economy.energyPrice = 95.0f;
    doc.OnViewModule(6);
    const Bytes stored = doc.Store();

    CVekDoc other(parts);
    other.NewDocument();
    other.Load(stored);
    EXPECT_EQ(ModuleOf<CUtvendigKondensModul>(other, 3).calculations, 1);
    EXPECT_EQ(ModuleOf<CInnvendigKondensModul>(other, 4).calculations, 0);
    EXPECT_EQ(ModuleOf<CLydModul>(other, 6).calculations, 1);
    EXPECT_EQ(ModuleOf<COkonomiModul>(other, 7).calculations, 0);
    EXPECT_TRUE(other.Module(3).resultsValid);
    EXPECT_FALSE(other.Module(7).resultsValid);
    EXPECT_EQ(ModuleOf<CUtvendigKondensModul>(other, 3).OuterCladding(), Cladding(CDataBase::insideOuterSurfaces, 0));
    EXPECT_EQ(ModuleOf<CLydModul>(other, 6).ProductThickness()->name, "100.0");
    EXPECT_EQ(ModuleOf<COkonomiModul>(other, 7).alternatives.at(0)->name, "Lamell, 50mm, 100.00 kr/m");
    EXPECT_EQ(other.ActiveModule(), 6);
    EXPECT_EQ(other.Store(), stored);
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_TRUE(chooser.Requests().empty());

    // A file cut short in its last member changes nothing, and the modules
    // that had been read from it let go of their items.
    CLydModul* before = &ModuleOf<CLydModul>(other, 6);
    EXPECT_THROW(other.Load(Bytes(stored.begin(), stored.end() - 3)), ArchiveError);
    EXPECT_EQ(&ModuleOf<CLydModul>(other, 6), before);
    const auto& users = Absorber(CDataBase::rectangularAbsorbers, 0)->thicknesses[1]->Dependents();
    EXPECT_EQ(users, (std::vector<CItem*>{&sound, before}));
    EXPECT_EQ(Product(0)->Dependents().size(), 2u); // the two documents' alternatives
}

TEST_F(RecordDocument, OldestFormatHoldsFullCopies)
{
    Record file;
    file.Text("Anna").Text("Projekt X").Text("Ref").Text("Komm"); // no header text
    // External condensation, kind 2, without the pipe; the claddings are copies.
    Layer(file, 2).Word(2).Float(28).Float(4).Float(125).Float(600).Float(450).Float(75).Word(1);
    file.Word(0).Float(2).Float(5).Word(0).Float(0.94f).Word(0).Long(0);
    CladdingCopy(file, "PVC", 0.9f, CMantling::outerCladding);
    CladdingCopy(file, noCatalogueItem, 0.94f, CMantling::innerCladding);
    // Internal condensation; its cladding's emissivity has changed since.
    Layer(file, 1).Word(0).Float(20).Float(10).Word(0).Float(50).Float(200).Float(200).Float(10);
    file.Word(0).Float(2).Float(5).Word(0).Float(0.94f).Float(40).Float(50).Float(100).Word(0);
    file.Word(0).Long(0).Long(0);
    CladdingCopy(file, "Pl\xE5t", 0.35f, CMantling::outerCladding);
    // Sound: the product as a full copy with its thicknesses, then the chosen one.
    file.Word(0).Word(0).Float(50).Float(400).Float(400).Float(400);
    for (float f : {0.25f, 0.65f, 0.95f, 1.0f, 1.0f, 1.0f})
        file.Float(f);
    file.Text("").Word(1);
    file.Text("Absorb C").Text("").Long(0x0000FFFF).Long(0x00C0C0C0).Word(1).Text("").Text("").Text("");
    file.Word(2).NewClass("CAbsorpsjonTykkelse");
    AbsorberThickness(file, "25.0", 25.0f).Word(0x8001); // the class took index 1, the objects 2 and 3
    AbsorberThickness(file, "50.0", 50.0f);
    AbsorberThickness(file, "50.0", 50.0f);
    // Economy of the first layout: its thickness class takes index 4.
    file.Word(2).NewClass("COkoTykkelse").Text("40").Float(40).Float(90);
    file.Word(0x8004).Text("80").Float(80).Float(150);
    file.Word(0).Word(0).Text("").Float(0);
    CIsoProdukt product(*Product(0));
    file.Add(Stored(product));
    file.Word(0).Float(60).Float(15).Word(0).Float(160).Float(500).Float(400).Word(0);
    file.Float(4).Float(8).Word(0).Float(0.6f).Float(4000).Float(70).Float(5).Float(2).Float(15).Word(0);
    CladdingCopy(file, "Pl\xE5t", 0.3f, CMantling::outerCladding);
    CladdingCopy(file, "Inre folie", 0.2f, CMantling::innerCladding);
    // No description choice in a file of that time; then the active module.
    file.Word(6);

    CVekDoc doc(parts);
    doc.NewDocument();
    doc.Load(file.bytes);
    EXPECT_EQ(prompter.Texts(),
              (std::vector<std::string>{
                  "Databasvärdet Plåt är förändrat efter att filen blev sparad. Detta förändrar de beräknade "
                  "resultaten.",
                  "Filen du öppnar blev sparad med version 1.0 av Tekvar.\nFil-formatet som andvänds i version 1.1 "
                  "är ändrat (i ekonomi modulen).\nFiler sparade med version 1.1 kan inte läsas av version 1.0."}));
    EXPECT_TRUE(chooser.Requests().empty());
    EXPECT_TRUE(doc.NoDescriptions());
    EXPECT_FALSE(doc.CurrentReferences());
    EXPECT_EQ(doc.ActiveModule(), 6);
    EXPECT_EQ(doc.Project().responsible, "Anna");

    auto& external = ModuleOf<CUtvendigKondensModul>(doc, 3);
    EXPECT_EQ(external.OuterCladding(), Cladding(CDataBase::outerCladdings, 1));
    EXPECT_EQ(external.InnerCladding(), nullptr);
    EXPECT_EQ(external.pipe.Material(), Material(0));
    EXPECT_EQ(external.calculations, 1);
    EXPECT_EQ(ModuleOf<CInnvendigKondensModul>(doc, 4).OuterCladding(), Cladding(CDataBase::outerCladdings, 0));
    auto& sound = ModuleOf<CLydModul>(doc, 6);
    EXPECT_EQ(sound.Product(), Absorber(CDataBase::circularAbsorbers, 0));
    EXPECT_EQ(sound.ProductThickness(), Absorber(CDataBase::circularAbsorbers, 0)->thicknesses[1].get());
    EXPECT_EQ(sound.calculations, 1);
    auto& economy = ModuleOf<COkonomiModul>(doc, 7);
    ASSERT_EQ(economy.alternatives.size(), 2u);
    EXPECT_EQ(economy.alternatives[1]->name, "Lamell, 80mm, 150.00 kr/m");
    EXPECT_EQ(economy.alternatives[1]->InnerCladding(), Cladding(CDataBase::innerCladdings, 0));

    // Saved, the file has the header, names instead of copies, the present
    // economy layout and a description choice; it reads back silently.
    const Bytes saved = doc.Store();
    EXPECT_EQ(std::string(saved.begin() + 1, saved.begin() + 21), "Tekvar 32 bit header");
    prompter.Clear();
    CVekDoc other(parts);
    other.Load(saved);
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_FALSE(other.NoDescriptions());
    EXPECT_TRUE(other.CurrentReferences());
    EXPECT_EQ(other.Store(), saved);
}
