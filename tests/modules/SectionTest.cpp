#include "ModuleCatalogue.h"
#include "modules/CKanalTempModul.h"
#include "modules/CSegment.h"

#include <filesystem>

#include <unistd.h>

using namespace module_test;

namespace {

using CountingKanalTemp = Counting<CKanalTempModul>;

const std::string none = "Standard_database_element";

// The fields of a section up to the reserved words, as BusyPipe below sets them.
Record pipeSectionHead()
{
    Record r;
    r.Text("R\xF6r 1").Word(0);
    r.Float(250.0f).Float(150.0f).Float(12.0f);
    r.Word(1).Float(5.0f);
    r.Word(1).Float(3.0f).Float(7.0f).Float(40.0f);
    r.Float(160.0f).Float(25.0f).Word(1).Word(1);
    r.Word(1).Word(1).Float(2.5f).Float(0.6f);
    r.Float(45.0f).Word(1);
    r.Long(1).Long(0).Float(20.0f);
    r.Float(35.0f);
    return r;
}

Record& pipeSectionReferences(Record& r)
{
    return r.Text("R\xF6rsk\xE5l").Text("Egen A").Text("Lamell").Text("Egen B").Text("PVC").Text("Inre folie");
}

} // namespace

class Section : public ModuleTest {
protected:
    // A pipeline section with every field away from its default.
    void BusyPipe(CSegment& s)
    {
        s.name = "Rör 1";
        s.sectionType = CSegment::pipeline;
        s.ductWidth = 250.0f;
        s.ductHeight = 150.0f;
        s.innerCoefficient = 12.0f;
        s.innerCoefficientGiven = true;
        s.ambientTemperature = 5.0f;
        s.surroundings = Surroundings::Outdoors;
        s.windSpeed = 3.0f;
        s.outerCoefficient = 7.0f;
        s.thickness = 40.0f;
        s.ductDiameter = 160.0f;
        s.length = 25.0f;
        s.ownEmissivity = true;
        s.insulationSource = CSegment::userDefinedProduct;
        s.fittingsEnabled = true;
        s.flowUnit = FlowUnit::LitresPerSecond;
        s.flow = 2.5f;
        s.emissivity = 0.6f;
        s.userThickness = 45.0f;
        s.innerCladdingEnabled = true;
        s.twoLayers = true;
        s.layer2Source = 0;
        s.layer2Thickness = 20.0f;
        s.layer2UserThickness = 35.0f;
        s.vertical = 1;
        s.uninsulatedSupports = true;
        s.bareEmissivity = 0.07f;
        s.pipeDiameter = 22.5f;
        s.wallThickness = 1.3f;
        s.ownPipeDimension = true;
        s.Pipe().SetMaterial(Material(1), false);
        s.Pipe().SetDimension(*Material(1)->dimensions[1]);
        s.SetLayer2Product(Product(1));
        s.SetLayer2UserProduct(UserProduct(0));
        s.SetProduct(Product(0));
        s.SetUserProduct(UserProduct(1));
        s.SetCladding(Cladding(CDataBase::outerCladdings, 1));
        s.SetInnerCladding(Cladding(CDataBase::innerCladdings, 0));
        auto valve = std::make_unique<CTilleggsutstyr>();
        valve->SetFittingType(Fitting(0));
        valve->count = 4;
        valve->UpdateName("");
        s.fittings.push_back(std::move(valve));
    }

    Bytes pipeSectionRecord()
    {
        Record r = pipeSectionHead();
        r.Long(0).Long(0).Long(1024);
        r.Long(1).Long(1).Float(0.07f).Float(22.5f).Float(1.3f).Long(1);
        r.Text("22").Text("").Float(1.2f).Float(22.0f);
        pipeSectionReferences(r);
        r.Word(1).NewClass("CTilleggsutstyr").Text("Ventil; 4 stk").Long(4).Long(0).Float(1.0f).Text("Ventil");
        return r.bytes;
    }
};

TEST_F(Section, RecordByteForByteAndBack)
{
    CSegment busy;
    BusyPipe(busy);
    const Bytes expected = pipeSectionRecord();
    ASSERT_EQ(Stored(busy), expected);

    CSegment read(CSegment::circularDuct);
    Restore(read, expected);
    EXPECT_TRUE(read.SameAs(busy));
    // The material is not in the record: the one whose dimensions hold it.
    EXPECT_EQ(read.Pipe().Material(), Material(1));
    EXPECT_EQ(read.Pipe().CatalogueDimension(), Material(1)->dimensions[1].get());
    EXPECT_EQ(read.pipeDiameter, 22.5f);
    for (CListItem* item : std::initializer_list<CListItem*>{
             Product(0), Product(1), UserProduct(0), UserProduct(1), Cladding(CDataBase::outerCladdings, 1),
             Cladding(CDataBase::innerCladdings, 0), Material(1)})
        EXPECT_TRUE(Depends(item, &read)) << item->name;
    EXPECT_EQ(Stored(read), expected);
    EXPECT_TRUE(chooser.Requests().empty());
}

TEST_F(Section, OlderRecordHasTheOrientationInPlaceOfTheMarker)
{
    Record r = pipeSectionHead();
    r.Long(0).Long(0).Long(1).Long(1); // vertical, uninsulated supports
    pipeSectionReferences(r);
    r.Word(0);
    CSegment read;
    Restore(read, r.bytes);
    EXPECT_EQ(read.vertical, 1);
    EXPECT_TRUE(read.uninsulatedSupports);
    EXPECT_EQ(read.length, 25.0f);
    EXPECT_EQ(read.Product(), Product(0));
    EXPECT_EQ(read.InnerCladding(), Cladding(CDataBase::innerCladdings, 0));
    // What the old record lacks is that of a new section.
    EXPECT_EQ(read.Pipe().Material(), Material(0));
    EXPECT_EQ(read.Pipe().Record().name, "15");
    EXPECT_EQ(read.pipeDiameter, 21.3f);
    EXPECT_EQ(read.wallThickness, 2.6f);
    EXPECT_EQ(read.bareEmissivity, 0.55f);
    EXPECT_FALSE(read.ownPipeDimension);

    // Saved again it has the marker.
    const Bytes resaved = Stored(read);
    CSegment current;
    Restore(current, resaved);
    EXPECT_TRUE(current.SameAs(read));
}

TEST_F(Section, MaterialIsRestoredFromTheDimensionRecord)
{
    CSegment steel;
    steel.Pipe().SetMaterial(Material(0), false);
    steel.Pipe().SetDimension(*Material(0)->dimensions[1]);
    CSegment read;
    read.Pipe().SetMaterial(Material(1), true);
    Restore(read, Stored(steel));
    EXPECT_EQ(read.Pipe().Material(), Material(0));
    EXPECT_EQ(read.Pipe().Record().name, "25");

    // An own dimension that no material holds: the first material.
    CSegment own;
    own.Pipe().SetMaterial(Material(1), false);
    CRordimensjon odd;
    odd.name = "12";
    odd.outerDiameter = 12.5f; // the name of a copper size, other values
    own.Pipe().SetDimension(odd);
    Restore(read, Stored(own));
    EXPECT_EQ(read.Pipe().Material(), Material(0));
    EXPECT_EQ(read.Pipe().CatalogueDimension(), nullptr);
    EXPECT_EQ(read.Pipe().Record().outerDiameter, 12.5f);

    // The type-3 section's outer cladding comes from the inside list.
    CSegment inside(CSegment::insideInsulatedDuct);
    inside.SetCladding(Cladding(CDataBase::insideOuterSurfaces, 0));
    inside.insulationSource = CSegment::uninsulated;
    CSegment insideRead;
    Restore(insideRead, Stored(inside));
    EXPECT_EQ(insideRead.Cladding(), Cladding(CDataBase::insideOuterSurfaces, 0));
    EXPECT_EQ(insideRead.insulationSource, CSegment::uninsulated);
    EXPECT_TRUE(chooser.Requests().empty());
}

TEST_F(Section, NewFromTemplateOfTheSameAndOfAnotherType)
{
    CSegment templ;
    BusyPipe(templ);

    auto same = CSegment::CreateFromTemplate(&templ, CSegment::pipeline, 7);
    EXPECT_EQ(same->name, "Sektion 7");
    same->name = templ.name;
    EXPECT_TRUE(same->SameAs(templ));
    ASSERT_EQ(same->fittings.size(), 1u);
    EXPECT_NE(same->fittings[0].get(), templ.fittings[0].get());
    EXPECT_TRUE(Depends(Product(1), same.get()));

    auto other = CSegment::CreateFromTemplate(&templ, CSegment::circularDuct, 8);
    EXPECT_EQ(other->name, "Sektion 8");
    EXPECT_EQ(other->sectionType, CSegment::circularDuct);
    // Taken over whatever the type.
    EXPECT_EQ(other->ductHeight, 150.0f);
    EXPECT_EQ(other->ductWidth, 250.0f);
    EXPECT_EQ(other->ductDiameter, 160.0f);
    EXPECT_EQ(other->length, 25.0f);
    EXPECT_EQ(other->insulationSource, CSegment::userDefinedProduct);
    EXPECT_EQ(other->thickness, 40.0f);
    EXPECT_EQ(other->userThickness, 45.0f);
    EXPECT_EQ(other->ambientTemperature, 5.0f);
    EXPECT_EQ(other->surroundings, Surroundings::Outdoors);
    EXPECT_EQ(other->windSpeed, 3.0f);
    EXPECT_EQ(other->outerCoefficient, 7.0f);
    EXPECT_TRUE(other->innerCoefficientGiven);
    EXPECT_EQ(other->innerCoefficient, 12.0f);
    EXPECT_EQ(other->flowUnit, FlowUnit::LitresPerSecond);
    EXPECT_EQ(other->flow, 2.5f);
    EXPECT_TRUE(other->ownEmissivity);
    EXPECT_EQ(other->emissivity, 0.6f);
    EXPECT_TRUE(other->fittingsEnabled);
    EXPECT_EQ(other->fittings.size(), 1u);
    EXPECT_EQ(other->vertical, 1);
    EXPECT_TRUE(other->uninsulatedSupports);
    EXPECT_EQ(other->pipeDiameter, 22.5f);
    EXPECT_EQ(other->wallThickness, 1.3f);
    EXPECT_EQ(other->bareEmissivity, 0.07f);
    // Not across types: no products or claddings, one layer, the first pipe.
    EXPECT_EQ(other->Product(), nullptr);
    EXPECT_EQ(other->UserProduct(), nullptr);
    EXPECT_EQ(other->Layer2Product(), nullptr);
    EXPECT_EQ(other->Layer2UserProduct(), nullptr);
    EXPECT_EQ(other->Cladding(), nullptr);
    EXPECT_EQ(other->InnerCladding(), nullptr);
    EXPECT_FALSE(other->innerCladdingEnabled);
    EXPECT_FALSE(other->twoLayers);
    EXPECT_EQ(other->layer2Source, 0);
    EXPECT_EQ(other->layer2Thickness, 50.0f);
    EXPECT_EQ(other->layer2UserThickness, 50.0f);
    EXPECT_EQ(other->Pipe().Material(), Material(0));
    EXPECT_EQ(other->Pipe().Record().name, "15");
    EXPECT_FALSE(other->ownPipeDimension);
    EXPECT_FALSE(Depends(Product(0), other.get()));

    auto fresh = CSegment::CreateFromTemplate(nullptr, CSegment::rectangularDuct, 1);
    EXPECT_EQ(fresh->name, "Sektion 1");
    EXPECT_EQ(fresh->sectionType, CSegment::rectangularDuct);
    EXPECT_EQ(fresh->ductDiameter, 100.0f);
    EXPECT_EQ(fresh->flow, 100.0f);
    EXPECT_EQ(fresh->innerCoefficient, 10.0f);
    EXPECT_EQ(fresh->pipeDiameter, 21.3f);

    // CreateNew derives with the template's own type; Clone copies the name too.
    auto derived = templ.CreateNew();
    EXPECT_EQ(static_cast<CSegment&>(*derived).Product(), Product(0));
    auto clone = templ.Clone();
    EXPECT_TRUE(static_cast<CSegment&>(*clone).SameAs(templ));
}

TEST_F(Section, DatabaseEditFindsTheLayerEachNewProductBelongsTo)
{
    const auto path = std::filesystem::temp_directory_path() / ("tekvar-section-" + std::to_string(::getpid()));
    database.filePath = path.string();
    userDatabase.filePath = path.string() + "-egen";
    CSegment twoProducts;
    twoProducts.SetProduct(Product(0));
    twoProducts.SetLayer2Product(Product(1));
    twoProducts.SetUserProduct(UserProduct(0));
    twoProducts.SetLayer2UserProduct(UserProduct(0));
    twoProducts.SetCladding(Cladding(CDataBase::outerCladdings, 0));
    twoProducts.SetInnerCladding(Cladding(CDataBase::innerCladdings, 0));
    CSegment sameProduct;
    sameProduct.SetProduct(Product(1));
    sameProduct.SetLayer2Product(Product(1));

    // The second product is renamed in the editor.
    editors.edit = [](CItem& item) {
        if (auto* db = dynamic_cast<CDataBase*>(&item))
            db->lists[CDataBase::insulationProducts][1]->name = "Ny skål";
        return true;
    };
    ASSERT_TRUE(database.Edit());
    ASSERT_TRUE(userDatabase.Edit());
    std::filesystem::remove(path);
    std::filesystem::remove(userDatabase.filePath);

    EXPECT_EQ(twoProducts.Product(), Product(0));
    EXPECT_EQ(twoProducts.Layer2Product(), Product(1));
    EXPECT_EQ(Product(1)->name, "Ny skål");
    EXPECT_EQ(twoProducts.UserProduct(), UserProduct(0));
    EXPECT_EQ(twoProducts.Layer2UserProduct(), UserProduct(0));
    EXPECT_EQ(twoProducts.Cladding(), Cladding(CDataBase::outerCladdings, 0));
    EXPECT_EQ(twoProducts.InnerCladding(), Cladding(CDataBase::innerCladdings, 0));
    EXPECT_EQ(twoProducts.Pipe().Material(), Material(0));
    EXPECT_EQ(sameProduct.Product(), Product(1));
    EXPECT_EQ(sameProduct.Layer2Product(), Product(1));
    EXPECT_TRUE(Depends(Product(1), &sameProduct));

    // Told directly, outside an edit, the first layer takes it.
    sameProduct.Changed(Product(0));
    EXPECT_EQ(sameProduct.Product(), Product(0));
    EXPECT_EQ(sameProduct.Layer2Product(), Product(1));
    // Letting go of one of two references to an item keeps the other's link.
    twoProducts.SetUserProduct(nullptr);
    EXPECT_TRUE(Depends(UserProduct(0), &twoProducts));
}

TEST_F(Section, FlowModuleByteForByteAndBack)
{
    CountingKanalTemp busy;
    busy.runType = 0;
    busy.mediumSource = 1;
    busy.SetMedium(Liquid(1));
    busy.heatCapacity = 3800.0f;
    busy.density = 1030.0f;
    busy.freezingPoint = -12.0f;
    busy.inletTemperature = 65.0f;
    busy.energyCostEnabled = true;
    busy.operatingHours = 5000.0f;
    busy.energyPrice = 70.0f;
    busy.condensationCheck = true;
    busy.relativeHumidity = 75.0f;
    busy.nextSectionNumber = 7;
    busy.resultsValid = true;
    auto first = std::make_unique<CSegment>();
    BusyPipe(*first);
    busy.sections.push_back(std::move(first));
    auto second = CSegment::CreateFromTemplate(nullptr, CSegment::insideInsulatedDuct, 6);
    second->SetCladding(Cladding(CDataBase::insideOuterSurfaces, 0));
    busy.sections.push_back(std::move(second));

    // The second section is the same class and says so with a back-reference to it.
    Record r;
    r.Word(2).NewClass("CSegment").Add(pipeSectionRecord());
    const Bytes secondSection = Stored(*busy.sections[1]);
    r.Word(0x8001).Add(secondSection);
    r.Text("Glykol").Word(255).Long(1).Float(75.0f).Word(0);
    r.Word(1).Word(7).Float(3800.0f).Float(1030.0f).Float(-12.0f);
    r.Float(65.0f).Float(5000.0f).Float(70.0f).Word(1).Word(1);
    ASSERT_EQ(Stored(busy), r.bytes);

    CountingKanalTemp read;
    Restore(read, r.bytes);
    EXPECT_EQ(read.calculations, 1);
    ASSERT_EQ(read.sections.size(), 2u);
    EXPECT_TRUE(read.sections[0]->SameAs(*busy.sections[0]));
    EXPECT_TRUE(read.sections[1]->SameAs(*busy.sections[1]));
    EXPECT_EQ(read.sections[1]->Cladding(), Cladding(CDataBase::insideOuterSurfaces, 0));
    EXPECT_EQ(read.Medium(), Liquid(1));
    EXPECT_TRUE(Depends(Liquid(1), &read));
    EXPECT_EQ(read.mediumSource, 1);
    EXPECT_EQ(read.heatCapacity, 3800.0f);
    EXPECT_EQ(read.density, 1030.0f);
    EXPECT_EQ(read.freezingPoint, -12.0f);
    EXPECT_EQ(read.inletTemperature, 65.0f);
    EXPECT_TRUE(read.energyCostEnabled);
    EXPECT_EQ(read.operatingHours, 5000.0f);
    EXPECT_EQ(read.energyPrice, 70.0f);
    EXPECT_TRUE(read.condensationCheck);
    EXPECT_EQ(read.relativeHumidity, 75.0f);
    EXPECT_EQ(read.nextSectionNumber, 7);
    EXPECT_EQ(Stored(read), r.bytes);

    // Reading over a module replaces its sections.
    Restore(read, r.bytes);
    EXPECT_EQ(read.sections.size(), 2u);

    // Defaults: no sections, numbering from 1, no medium.
    read.SetDefaults();
    EXPECT_TRUE(read.sections.empty());
    EXPECT_EQ(read.nextSectionNumber, 1);
    EXPECT_EQ(read.Medium(), nullptr);
    EXPECT_FALSE(Depends(Liquid(1), &read));
    EXPECT_EQ(read.inletTemperature, 40.0f);
    EXPECT_EQ(read.relativeHumidity, 60.0f);
    EXPECT_EQ(read.heatCapacity, 4180.0f);
    EXPECT_FALSE(read.resultsValid);
}

TEST_F(Section, OlderFlowRecordHasTheRunTypeInPlaceOfTheMarker)
{
    Record r;
    r.Word(0).Text("Borta").Word(2); // no sections, a missing liquid, run type 2
    r.Word(0).Word(3).Float(4180.0f).Float(999.0f).Float(0.0f);
    r.Float(40.0f).Float(8760.0f).Float(60.0f).Word(0).Word(0);
    chooser.QueueAnswer(1);
    CountingKanalTemp read;
    read.condensationCheck = true;
    read.relativeHumidity = 45.0f;
    Restore(read, r.bytes);
    EXPECT_EQ(read.runType, 2);
    EXPECT_EQ(read.nextSectionNumber, 3);
    // Kept as they were.
    EXPECT_TRUE(read.condensationCheck);
    EXPECT_EQ(read.relativeHumidity, 45.0f);
    EXPECT_EQ(read.calculations, 0);
    ASSERT_EQ(chooser.Requests().size(), 1u);
    EXPECT_EQ(chooser.Requests()[0].message,
              "Vätskan Borta är borttagen från databasen efter att filen blev sparad. För att beräkningarna i "
              "programmet skall fungera måste man välja en annan vätska i rullgardinen nedan.");
    EXPECT_EQ(read.Medium(), Liquid(1));
}
