// Makes the documents of the golden export cases (tests/app/golden/<case>/
// input.tkv) with the program's own classes and the shipped catalogue, so a
// case's inputs are read here rather than guessed from bytes. It writes only
// documents; the expected exports are renewed by the golden test itself
// (tests/app/golden/README.md).
//
//   golden_documents            every case below
//   golden_documents CASE...    only these

#include "ScopedWorkingFolder.h"
#include "database/CAbsorpsjon.h"
#include "database/CDataBase.h"
#include "database/CIsoProdukt.h"
#include "database/CMantling.h"
#include "database/CRormaterial.h"
#include "database/CTillegg2.h"
#include "doc/CVekDoc.h"
#include "modules/CFrostModul.h"
#include "database/CVeske.h"
#include "modules/CKanalTempModul.h"
#include "modules/CLydModul.h"
#include "modules/COkonomiModul.h"
#include "modules/CInnvendigKondensModul.h"
#include "modules/CTankTempModul.h"
#include "modules/CTilleggsutstyr.h"
#include "modules/CUtvendigKondensModul.h"
#include "modules/CVarmeTapModul.h"
#include "modules/StandardDocumentParts.h"
#include "platform/MemorySettings.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

template <class T>
T* Named(int list, const std::string& name)
{
    for (T* item : CDataBase::SystemItems<T>(list))
        if (item->name == name)
            return item;
    throw std::runtime_error("the shipped catalogue has no \"" + name + "\" in list " + std::to_string(list));
}

CIsoProdukt* Product(const std::string& name)
{
    return Named<CIsoProdukt>(CDataBase::insulationProducts, name);
}

// The modules keep their pipe choice behind Pipe() or as the member pipe.
template <class Module>
PipeSelection& PipeOf(Module& m)
{
    if constexpr (requires { m.Pipe(); })
        return m.Pipe();
    else
        return m.pipe;
}

template <class Module>
void TakePipe(Module& m, const std::string& material, const std::string& dimension)
{
    CRormaterial* pipe = Named<CRormaterial>(CDataBase::pipeMaterials, material);
    PipeOf(m).SetMaterial(pipe, true);
    for (const auto& candidate : pipe->dimensions)
        if (candidate->name == dimension) {
            PipeOf(m).SetDimension(*candidate);
            m.TakePipeValues();
            return;
        }
    throw std::runtime_error(material + " has no dimension " + dimension);
}

// The kind and criterion as the dialog leaves them: the layers offer the
// products of the kind.
void Choose(CVarmeTapModul& m, int objectKind, int criterion)
{
    m.objectKind = ObjectKind(objectKind);
    m.criterion = Criterion(criterion);
    m.layer1.objectKind = objectKind;
    m.layer2.objectKind = objectKind;
}

struct GoldenCase {
    const char* folder;
    std::function<void(CVarmeTapModul&)> fill;
};

const std::vector<GoldenCase> cases = {
    // DN40 steel, 80 °C in a 20 °C room, 20 m, 40 mm stone wool sections
    // under PVC, with the energy rows.
    {"pipe_given_thickness",
     [](CVarmeTapModul& m) {
         Choose(m, 0, 0);
         TakePipe(m, "Stålrör, svetsat/svart", "DN40");
         m.mediumTemp = 80.0f;
         m.ambientTemp = 20.0f;
         m.layer1.SetCatalogueProduct(Product("Rörskål stenull 100 kg/m³"));
         m.layer1.catalogueThickness = 40.0f;
         m.SetOuterCladding(Named<CMantling>(CDataBase::outerCladdings, "PVC-mantel"));
         m.energyCalc = true;
     }},
    // A DN100 steam line outdoors: 180 °C, 0 °C air at 4 m/s, 50 m, 50 mm
    // high-temperature mat under 50 mm glass wool sections and oxidised
    // aluminium, on uninsulated supports, with four flanged valves.
    {"pipe_two_layers",
     [](CVarmeTapModul& m) {
         Choose(m, 0, 0);
         TakePipe(m, "Stålrör, svetsat/svart", "DN100");
         m.mediumTemp = 180.0f;
         m.ambientTemp = 0.0f;
         m.surroundings = Surroundings::Outdoors;
         m.windSpeed = 4.0f;
         m.length = 50.0f;
         m.twoLayers = true;
         m.layer1.SetCatalogueProduct(Product("Nätmatta stenull 110 kg/m³ högtemperatur"));
         m.layer1.catalogueThickness = 50.0f;
         m.layer2.SetCatalogueProduct(Product("Rörskål glasull 60 kg/m³"));
         m.layer2.catalogueThickness = 50.0f;
         m.SetOuterCladding(Named<CMantling>(CDataBase::outerCladdings, "Aluminiumplåt, oxiderad"));
         m.supports = true;
         m.fittingsUsed = true;
         auto valves = std::make_unique<CTilleggsutstyr>();
         valves->SetFittingType(Named<CTillegg2>(CDataBase::fittings, "Ventil med flänsar, oisolerad"));
         valves->count = 4;
         valves->UpdateName("");
         m.fittings.push_back(std::move(valves));
         m.operatingHours = 6000.0f;
         m.energyPrice = 45.0f;
         m.energyCalc = true;
     }},
    // A chilled supply duct, 600 × 400 mm with 800 l/s at 12 °C in a 26 °C
    // plant room, kept at 24 °C outside by foiled lamella mat.
    {"rectangular_duct_surface_temperature",
     [](CVarmeTapModul& m) {
         Choose(m, 2, 1);
         m.mediumTemp = 12.0f;
         m.ambientTemp = 26.0f;
         m.givenSurfaceTemp = 24.0f;
         m.width = 600.0f;
         m.height = 400.0f;
         m.flowUnit = FlowUnit::LitresPerSecond;
         m.flow = 800.0f;
         m.layer1.SetCatalogueProduct(Product("Lamellmatta stenull 40 kg/m³ med aluminiumfolie"));
         m.SetOuterCladding(Named<CMantling>(CDataBase::outerCladdings, "Armerad aluminiumfolie"));
     }},
    // Warm air, Ø315 mm with 1000 m³/h at 35 °C, through a 5 °C attic,
    // allowed to lose 14 W/m.
    {"circular_duct_heat_loss",
     [](CVarmeTapModul& m) {
         Choose(m, 1, 2);
         m.mediumTemp = 35.0f;
         m.ambientTemp = 5.0f;
         m.diameter = 315.0f;
         m.flowUnit = FlowUnit::CubicMetresPerHour;
         m.flow = 1000.0f;
         m.givenHeatLoss = 14.0f;
         m.layer1.SetCatalogueProduct(Product("Lamellmatta glasull 30 kg/m³ med aluminiumfolie"));
         m.SetOuterCladding(Named<CMantling>(CDataBase::outerCladdings, "Armerad aluminiumfolie"));
     }},
    // An 800 × 500 mm duct lined inside with 50 mm glass wool board under
    // glass cloth, air at 30 °C and 4 m/s through a 5 °C space, 15 m.
    {"rectangular_duct_inside",
     [](CVarmeTapModul& m) {
         Choose(m, 3, 0);
         m.mediumTemp = 30.0f;
         m.ambientTemp = 5.0f;
         m.width = 800.0f;
         m.height = 500.0f;
         m.length = 15.0f;
         m.flowUnit = FlowUnit::MetresPerSecond;
         m.flow = 4.0f;
         m.layer1.SetCatalogueProduct(Product("Kanalskiva glasull 70 kg/m³ med glasfiberväv, invändig"));
         m.layer1.catalogueThickness = 50.0f;
         m.SetOuterCladding(Named<CMantling>(CDataBase::insideOuterSurfaces, "Förzinkad kanalplåt, ny"));
         m.innerCladdingUsed = true;
         m.SetInnerCladding(Named<CMantling>(CDataBase::innerCladdings, "Glasfiberväv"));
     }},
    // The 2 m high wall of a 90 °C accumulator tank in a 15 °C boiler room,
    // 12 m², to insulation class 4.
    {"flat_surface_insulation_class",
     [](CVarmeTapModul& m) {
         Choose(m, 4, 3);
         m.mediumTemp = 90.0f;
         m.ambientTemp = 15.0f;
         m.orientation = 1;
         m.height = 2000.0f;
         m.area = 12.0f;
         m.givenClass = 3;
         m.layer1.SetCatalogueProduct(Product("Skiva stenull 140 kg/m³ för ytor"));
         m.SetOuterCladding(Named<CMantling>(CDataBase::outerCladdings, "Aluzinkplåt, lätt oxiderad"));
     }},
    // A 28 mm copper heating pipe, 70 °C in a 20 °C room for 5000 h a year:
    // 250 000 degree-hours ask for class 4.
    {"pipe_en12828",
     [](CVarmeTapModul& m) {
         Choose(m, 0, 4);
         TakePipe(m, "Kopparrör", "28×1,2");
         m.mediumTemp = 70.0f;
         m.ambientTemp = 20.0f;
         m.operatingHours = 5000.0f;
         m.spillFactor = 1.0f;
         m.layer1.SetCatalogueProduct(Product("Rörskål glasull 60 kg/m³"));
         m.SetOuterCladding(Named<CMantling>(CDataBase::outerCladdings, "PVC-mantel"));
     }},
    // A 28 °C floor over a 20 °C room, 2000 h a year: 16 000 degree-hours
    // need no insulation, and the bare surface is shown.
    {"flat_surface_en12828_bare",
     [](CVarmeTapModul& m) {
         Choose(m, 4, 4);
         m.mediumTemp = 28.0f;
         m.ambientTemp = 20.0f;
         m.area = 5.0f;
         m.operatingHours = 2000.0f;
         m.spillFactor = 1.0f;
         m.layer1.SetCatalogueProduct(Product("Skiva cellgummi (FEF)"));
         m.SetOuterCladding(Named<CMantling>(CDataBase::outerCladdings, "Målad plåt"));
     }},
};

// An economy alternative of a maker's product under a cladding, named as
// its dialog names it.
void AddAlternative(COkonomiModul& m, const std::string& product, float thickness, float cost,
                    const std::string& cladding)
{
    auto alternative = std::make_unique<COkonomiIsolasjon>(m.objectKind);
    alternative->SetMakerProduct(Product(product));
    alternative->makerThickness = thickness;
    alternative->cost = cost;
    const bool inside = m.objectKind == 3 || m.objectKind == 5;
    alternative->SetOuterCladding(
        Named<CMantling>(inside ? CDataBase::insideOuterSurfaces : CDataBase::outerCladdings, cladding));
    alternative->name = alternative->DisplayText();
    m.alternatives.push_back(std::move(alternative));
}

// The flowing-medium runs are built section by section as the dialogs
// leave them.
CSegment& AddSection(CKanalTempModul& m, int type, const std::string& name)
{
    m.sections.push_back(CSegment::CreateFromTemplate(nullptr, type, m.nextSectionNumber++));
    CSegment& s = *m.sections.back();
    s.name = name;
    return s;
}

void AddFitting(CSegment& s, const std::string& type, int count)
{
    auto fitting = std::make_unique<CTilleggsutstyr>();
    fitting->SetFittingType(Named<CTillegg2>(CDataBase::fittings, type));
    fitting->count = count;
    fitting->UpdateName("");
    s.fittingsEnabled = true;
    s.fittings.push_back(std::move(fitting));
}

// Cases of the other modules: the module's index and what fills it.
struct ModuleCase {
    const char* folder;
    int module;
    std::function<void(CVekModul&)> fill;
};

// A case with several modules calculated in one document.
struct ProjectCase {
    const char* folder;
    std::vector<ModuleCase> parts;
};

// A 10 m³ water tank outdoors, 2.2 m across and 2.63 m high, at 60 °C in 5 °C
// air and 4 m/s wind, 100 mm stone wool mat under oxidised aluminium.
void WaterTank(CTankTempModul& m)
{
    m.tankShape = 1;
    m.tankDiameter = 2.2f;
    m.tankLength = 2.63f;
    m.insulation.SetCatalogueProduct(Product("Nätmatta stenull 80 kg/m³"));
    m.insulation.catalogueThickness = 100.0f;
    m.SetCladding(Named<CMantling>(CDataBase::outerCladdings, "Aluminiumplåt, oxiderad"));
    m.SetMedium(Named<CVeske>(CDataBase::liquids, "Vatten"));
    m.startTemperature = 60.0f;
    m.ambientTemperature = 5.0f;
    m.surroundings = Surroundings::Outdoors;
    m.windSpeed = 4.0f;
}

// A DN100 heating pipe, 70 °C in a 20 °C room for 8000 h a year, 7 % real
// interest, 2 % real energy price increase over 20 years.
void HeatingPipeEconomy(COkonomiModul& m)
{
    TakePipe(m, "Stålrör, svetsat/svart", "DN100");
    m.mediumTemperature = 70.0f;
    m.ambientTemperature = 20.0f;
    m.operatingHours = 8000.0f;
    m.energyPrice = 60.0f;
    m.priceIncrease = 2.0f;
}

const std::vector<ModuleCase> moduleCases = {
    // A 400 mm circular supply duct lined with 50 mm glass wool under glass
    // cloth from the catalogue.
    {"circular_duct_sound_attenuation", 6,
     [](CVekModul& module) {
         auto& m = static_cast<CLydModul&>(module);
         m.ductType = 0;
         m.ductDiameter = 400.0f;
         auto* lining = Named<CAbsorpsjon>(CDataBase::circularAbsorbers,
                                           "Ljudisolering glasull 70 kg/m³ med glasfiberväv, cirkulär");
         for (const auto& thickness : lining->thicknesses)
             if (thickness->name == "50.0")
                 m.SetProduct(lining, thickness.get());
         if (!m.ProductThickness())
             throw std::runtime_error("the lining has no 50 mm thickness");
     }},
    // A 22 mm copper water pipe outdoors at −20 °C in 4 m/s of wind, 20 mm
    // glass wool sections under PVC, water at 8 °C of which a quarter may
    // freeze: the hours to the risk of a burst and the heating power.
    {"frost_copper_pipe_outdoors", CFrostModul::pageIndex,
     [](CVekModul& module) {
         auto& m = static_cast<CFrostModul&>(module);
         TakePipe(m, "Kopparrör", "22×1,0");
         m.insulation.SetCatalogueProduct(Product("Rörskål glasull 60 kg/m³"));
         m.insulation.catalogueThickness = 20.0f;
         m.SetCladding(Named<CMantling>(CDataBase::outerCladdings, "PVC-mantel"));
         m.surroundings = Surroundings::Outdoors;
         m.windSpeed = 4.0f;
         m.ambientTemperature = -20.0f;
         m.startTemperature = 8.0f;
         m.freezeFraction = 25.0f;
     }},
    // A DN50 steel cold-water pipe at 10 °C through a 28 °C shaft, 50 mm of
    // stone wool sections under PVC: still below 24 °C after 8 hours.
    {"temperature_rise_cold_water_pipe", CFrostModul::pageIndex,
     [](CVekModul& module) {
         auto& m = static_cast<CFrostModul&>(module);
         TakePipe(m, "Stålrör, svetsat/svart", "DN50");
         m.calculationMode = FrostInput::temperatureRiseMode;
         m.insulation.SetCatalogueProduct(Product("Rörskål stenull 100 kg/m³"));
         m.insulation.catalogueThickness = 50.0f;
         m.SetCladding(Named<CMantling>(CDataBase::outerCladdings, "PVC-mantel"));
         m.ambientTemperature = 28.0f;
         m.startTemperature = 10.0f;
         m.standstillTime = 8.0f;
     }},
    // The DN100 heating pipe: five thicknesses of stone wool sections under
    // PVC.
    {"pipe_economy", COkonomiModul::pageIndex,
     [](CVekModul& module) {
         auto& m = static_cast<COkonomiModul&>(module);
         HeatingPipeEconomy(m);
         const float thickness[] = {30.0f, 40.0f, 50.0f, 60.0f, 80.0f};
         const float cost[] = {520.0f, 580.0f, 650.0f, 720.0f, 820.0f};
         for (int i = 0; i < 5; ++i)
             AddAlternative(m, "Rörskål stenull 100 kg/m³", thickness[i], cost[i], "PVC-mantel");
     }},
    // A chilled supply duct, 600 × 400 mm with 800 l/s at 12 °C through a
    // 26 °C plant room: the heat it takes up counts like a loss.
    {"rectangular_duct_economy_cold", COkonomiModul::pageIndex,
     [](CVekModul& module) {
         auto& m = static_cast<COkonomiModul&>(module);
         m.objectKind = 2;
         m.mediumTemperature = 12.0f;
         m.ambientTemperature = 26.0f;
         m.width = 600.0f;
         m.height = 400.0f;
         m.flowUnit = 1;
         m.flow = 800.0f;
         m.operatingHours = 3000.0f;
         m.energyPrice = 90.0f;
         m.depreciationTime = 25.0f;
         m.interestRate = 5.0f;
         for (float thickness : {30.0f, 50.0f, 80.0f})
             AddAlternative(m, "Lamellmatta stenull 40 kg/m³ med aluminiumfolie", thickness, 200.0f + 3.0f * thickness,
                            "Armerad aluminiumfolie");
     }},
    // A DN50 chilled-water pipe at 5 °C in a 25 °C plant room at 70 %,
    // under elastomeric foam with its own surface: kept above the 19.1 °C
    // dew point.
    {"pipe_external_condensation", CUtvendigKondensModul::pageIndex,
     [](CVekModul& module) {
         auto& m = static_cast<CUtvendigKondensModul&>(module);
         m.objectKind = ObjectKind::Pipe;
         m.insulation.objectKind = 0;
         TakePipe(m, "Stålrör, svetsat/svart", "DN50");
         m.mediumTemperature = 5.0f;
         m.ambientTemperature = 25.0f;
         m.relativeHumidity = 70.0f;
         m.insulation.SetCatalogueProduct(Product("Rörisolering cellgummi (FEF)"));
         m.surfaceSource = true;
         m.surfaceEmissivity = 0.9f;
     }},
    // A Ø125 mm bathroom exhaust duct, 30 l/s at 22 °C and 60 %, 6 m through
    // a 0 °C attic under foiled glass wool: the wall at the outlet kept at
    // the air's 13.9 °C dew point.
    {"duct_internal_condensation", CInnvendigKondensModul::pageIndex,
     [](CVekModul& module) {
         auto& m = static_cast<CInnvendigKondensModul&>(module);
         m.ductShape = 0;
         m.insulation.objectKind = 1;
         m.ductDiameter = 125.0f;
         m.ductLength = 6.0f;
         m.flowUnit = FlowUnit::LitresPerSecond;
         m.flow = 30.0f;
         m.inletTemperature = 22.0f;
         m.relativeHumidity = 60.0f;
         m.ambientTemperature = 0.0f;
         m.insulation.SetCatalogueProduct(Product("Lamellmatta glasull 30 kg/m³ med aluminiumfolie"));
         m.SetOuterCladding(Named<CMantling>(CDataBase::outerCladdings, "Armerad aluminiumfolie"));
     }},
    // The water tank after two days, with its curve.
    {"tank_storage_time", 2,
     [](CVekModul& module) {
         auto& m = static_cast<CTankTempModul&>(module);
         WaterTank(m);
         m.storageTime = 48.0f;
     }},
    // The same tank: how long until it has cooled to 40 °C.
    {"tank_final_temperature", 2,
     [](CVekModul& module) {
         auto& m = static_cast<CTankTempModul&>(module);
         WaterTank(m);
         m.givenFinalTemperature = true;
         m.finalTemperature = 40.0f;
     }},
    // A DN50 glycol line from a plant room through an outdoor culvert to a
    // valve chamber, a riser and a bare connection: 30 vol-% ethylene
    // glycol at 60 °C, 0.5 m³/h, with the energy rows.
    {"flow_pipeline_glycol", CKanalTempModul::pageIndex,
     [](CVekModul& module) {
         auto& m = static_cast<CKanalTempModul&>(module);
         m.runType = 0;
         m.SetMedium(Named<CVeske>(CDataBase::liquids, "Etylenglykol 30 vol-%"));
         m.inletTemperature = 60.0f;
         m.energyCostEnabled = true;
         const auto pipe = [&](const std::string& name, float length, float ambient) -> CSegment& {
             CSegment& s = AddSection(m, CSegment::pipeline, name);
             TakePipe(s, "Stålrör, svetsat/svart", "DN50");
             s.length = length;
             s.ambientTemperature = ambient;
             s.flowUnit = FlowUnit::CubicMetresPerHour;
             s.flow = 0.5f;
             return s;
         };
         CSegment& plant = pipe("Undercentral", 30.0f, 18.0f);
         plant.SetProduct(Product("Rörskål stenull 100 kg/m³"));
         plant.thickness = 40.0f;
         plant.SetCladding(Named<CMantling>(CDataBase::outerCladdings, "PVC-mantel"));
         // Outdoors at −5 °C in 3 m/s wind, two layers under oxidised
         // aluminium, on uninsulated supports.
         CSegment& culvert = pipe("Kulvert", 60.0f, -5.0f);
         culvert.surroundings = Surroundings::Outdoors;
         culvert.windSpeed = 3.0f;
         culvert.SetProduct(Product("Nätmatta stenull 80 kg/m³"));
         culvert.thickness = 30.0f;
         culvert.twoLayers = true;
         culvert.SetLayer2Product(Product("Rörskål glasull 60 kg/m³"));
         culvert.layer2Thickness = 50.0f;
         culvert.SetCladding(Named<CMantling>(CDataBase::outerCladdings, "Aluminiumplåt, oxiderad"));
         culvert.uninsulatedSupports = true;
         CSegment& chamber = pipe("Ventilkammare", 8.0f, 8.0f);
         chamber.SetProduct(Product("Rörskål stenull 100 kg/m³"));
         chamber.thickness = 40.0f;
         chamber.SetCladding(Named<CMantling>(CDataBase::outerCladdings, "PVC-mantel"));
         AddFitting(chamber, "Ventil med flänsar, oisolerad", 2);
         AddFitting(chamber, "Flänsförband (flänspar), oisolerat", 2);
         CSegment& riser = pipe("Stigarledning", 12.0f, 20.0f);
         riser.vertical = 1;
         riser.SetProduct(Product("Rörskål PIR 35 kg/m³"));
         riser.thickness = 30.0f;
         riser.SetCladding(Named<CMantling>(CDataBase::outerCladdings, "Målad plåt"));
         // Bare, with a valve: the valve's surface is the pipe's own.
         CSegment& connection = pipe("Anslutning", 3.0f, 20.0f);
         connection.insulationSource = CSegment::uninsulated;
         AddFitting(connection, "Ventil, gängad eller lödd, oisolerad", 1);
     }},
    // Supply air at 18 °C and 40 % through a 0 °C attic: a Ø 400 mm duct
    // and a 600 × 400 mm duct insulated outside, checked for condensation
    // (dew point 4.2 °C, which the air stays above).
    {"flow_duct_attic", CKanalTempModul::pageIndex,
     [](CVekModul& module) {
         auto& m = static_cast<CKanalTempModul&>(module);
         m.runType = 1;
         m.inletTemperature = 18.0f;
         m.condensationCheck = true;
         m.relativeHumidity = 40.0f;
         CSegment& round = AddSection(m, CSegment::circularDuct, "Huvudkanal");
         round.ductDiameter = 400.0f;
         round.length = 25.0f;
         round.ambientTemperature = 0.0f;
         round.flowUnit = FlowUnit::LitresPerSecond;
         round.flow = 600.0f;
         round.SetProduct(Product("Lamellmatta stenull 40 kg/m³ med aluminiumfolie"));
         round.thickness = 50.0f;
         round.SetCladding(Named<CMantling>(CDataBase::outerCladdings, "Armerad aluminiumfolie"));
         CSegment& rect = AddSection(m, CSegment::rectangularDuct, "Fördelningslåda");
         rect.ductHeight = 400.0f;
         rect.ductWidth = 600.0f;
         rect.length = 15.0f;
         rect.ambientTemperature = 0.0f;
         rect.flowUnit = FlowUnit::LitresPerSecond;
         rect.flow = 600.0f;
         rect.SetProduct(Product("Kanalskiva stenull 60 kg/m³ med aluminiumfolie"));
         rect.thickness = 50.0f;
         rect.SetCladding(Named<CMantling>(CDataBase::outerCladdings, "Armerad aluminiumfolie"));
     }},
};

// A heat loss case as a module case.
ModuleCase HeatLossPart(const GoldenCase& golden)
{
    return {golden.folder, CVarmeTapModul::pageIndex,
            [fill = golden.fill](CVekModul& m) { fill(static_cast<CVarmeTapModul&>(m)); }};
}

const ModuleCase& ModuleCaseNamed(const std::string& folder)
{
    for (const ModuleCase& golden : moduleCases)
        if (golden.folder == folder)
            return golden;
    throw std::runtime_error("no module case " + folder);
}

// A project with every module calculated, each at its largest: the glycol
// line five times over (25 sections) and 25 economy alternatives. The
// other modules are cases above.
ProjectCase WholeProject()
{
    const auto heatLoss = std::find_if(cases.begin(), cases.end(), [](const GoldenCase& golden) {
        return std::string(golden.folder) == "pipe_two_layers";
    });
    const ModuleCase& glycol = ModuleCaseNamed("flow_pipeline_glycol");
    const ModuleCase longRun{"", CKanalTempModul::pageIndex, [&glycol](CVekModul& module) {
                                 auto& m = static_cast<CKanalTempModul&>(module);
                                 for (int block = 1; block <= 5; ++block) {
                                     const std::size_t first = m.sections.size();
                                     glycol.fill(m);
                                     for (std::size_t i = first; i < m.sections.size(); ++i)
                                         m.sections[i]->name += " " + std::to_string(block);
                                 }
                             }};
    // Stone wool sections in every thickness under PVC and under painted
    // sheet metal, and glass wool sections up to 60 mm under PVC.
    const ModuleCase economy{"", COkonomiModul::pageIndex, [](CVekModul& module) {
                                 auto& m = static_cast<COkonomiModul&>(module);
                                 HeatingPipeEconomy(m);
                                 for (float t : {20.0f, 30.0f, 40.0f, 50.0f, 60.0f, 70.0f, 80.0f, 90.0f, 100.0f, 120.0f}) {
                                     AddAlternative(m, "Rörskål stenull 100 kg/m³", t, 450.0f + 4.5f * t, "PVC-mantel");
                                     AddAlternative(m, "Rörskål stenull 100 kg/m³", t, 700.0f + 5.0f * t, "Målad plåt");
                                 }
                                 for (float t : {20.0f, 30.0f, 40.0f, 50.0f, 60.0f})
                                     AddAlternative(m, "Rörskål glasull 60 kg/m³", t, 430.0f + 4.0f * t, "PVC-mantel");
                             }};
    return {"whole_project",
            {HeatLossPart(*heatLoss), longRun, ModuleCaseNamed("tank_storage_time"),
             ModuleCaseNamed("pipe_external_condensation"), ModuleCaseNamed("duct_internal_condensation"),
             ModuleCaseNamed("frost_copper_pipe_outdoors"), ModuleCaseNamed("circular_duct_sound_attenuation"),
             economy}};
}

// Every case: one document each.
std::vector<ProjectCase> AllCases()
{
    std::vector<ProjectCase> all;
    for (const GoldenCase& golden : cases)
        all.push_back({golden.folder, {HeatLossPart(golden)}});
    for (const ModuleCase& golden : moduleCases)
        all.push_back({golden.folder, {golden}});
    all.push_back(WholeProject());
    return all;
}

// Makes the case's document and saves it; false with a message when a
// calculation fails or says anything. The first module is left active.
bool Make(const ProjectCase& golden, const fs::path& target)
{
    platform::ScriptedPrompter prompter;
    platform::MemorySettings settings;
    platform::ScopedServices services({.prompter = &prompter, .settings = &settings});
    StandardDocumentParts parts;
    CVekDoc doc(parts);
    doc.NewDocument();
    for (auto part = golden.parts.rbegin(); part != golden.parts.rend(); ++part) {
        CVekModul& m = doc.Module(part->module);
        doc.SetActiveModule(part->module);
        part->fill(m);
        const bool calculated = m.Calculate();
        for (const std::string& text : prompter.Texts())
            std::cerr << golden.folder << ": the calculation said: " << text << "\n";
        if (!calculated || !prompter.Texts().empty()) {
            std::cerr << golden.folder << ": not written\n";
            return false;
        }
    }
    fs::create_directories(target.parent_path());
    if (!doc.SaveDocument(target.string())) {
        std::cerr << target.string() << ": cannot write the document\n";
        return false;
    }
    std::cout << "wrote " << target.string() << "\n";
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> wanted(argv + 1, argv + argc);
    try {
        const std::vector<ProjectCase> all = AllCases();
        const auto named = [&](const std::string& name) {
            return std::any_of(all.begin(), all.end(),
                                [&](const ProjectCase& golden) { return name == golden.folder; });
        };
        for (const std::string& name : wanted)
            if (!named(name)) {
                std::cerr << "golden_documents: no case " << name << "\n";
                return 2;
            }
        // The catalogue is read from the working folder, as the program reads it.
        const ScopedWorkingFolder work = ScopedWorkingFolder::Fresh("tekvar-golden-documents");
        for (const char* file : {"tekvar.dat", "tekvar.ort", "tekvar.cst", "tekvar.ama"})
            fs::copy_file(fs::path(TEKVAR_BUILT_DATA) / file, file);
        bool ok = true;
        for (const ProjectCase& golden : all)
            if (wanted.empty() || std::find(wanted.begin(), wanted.end(), golden.folder) != wanted.end())
                ok = Make(golden, fs::path(TEKVAR_GOLDEN_DIR) / golden.folder / "input.tkv") && ok;
        return ok ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "golden_documents: " << error.what() << "\n";
        return 1;
    }
}
