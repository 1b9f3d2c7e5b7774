// The flowing-medium module's whole calculation for a full run: 25 sections
// through the heat balance, the five tables and 25 input tables laid out
// over the sheets. Each iteration is one Calculate.

#include "database/CDataBase.h"
#include "database/CIsoProdukt.h"
#include "database/CMantling.h"
#include "database/CRormaterial.h"
#include "database/CTillegg2.h"
#include "database/CTilleggslengde.h"
#include "database/CVeske.h"
#include "modules/CKanalTempModul.h"
#include "platform/MemorySettings.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"

#include <benchmark/benchmark.h>

namespace {

// A catalogue of one product, cladding, pipe, fitting and liquid.
struct Catalogue {
    Catalogue()
    {
        auto product = std::make_unique<CIsoProdukt>();
        product->name = "Rörskål";
        product->maxTemperature = 600.0f;
        database.lists[CDataBase::insulationProducts].push_back(std::move(product));
        auto cladding = std::make_unique<CMantling>(CMantling::outerCladding);
        cladding->name = "PVC";
        cladding->emissivity = 0.9f;
        database.lists[CDataBase::outerCladdings].push_back(std::move(cladding));
        auto steel = std::make_unique<CRormaterial>();
        steel->name = "Stål";
        steel->conductivityAtZero = 54.0f;
        steel->temperatureCoefficient = -0.03f;
        auto dn50 = std::make_unique<CRordimensjon>();
        dn50->name = "DN50";
        dn50->outerDiameter = 60.3f;
        dn50->wallThickness = 3.6f;
        steel->dimensions.push_back(std::move(dn50));
        database.lists[CDataBase::pipeMaterials].push_back(std::move(steel));
        auto valve = std::make_unique<CTillegg2>();
        valve->name = "Ventil";
        auto length = std::make_unique<CTilleggslengde>();
        length->equivalentLength = 1.5f;
        valve->lengths.push_back(std::move(length));
        database.lists[CDataBase::fittings].push_back(std::move(valve));
        auto glycol = std::make_unique<CVeske>();
        glycol->name = "Glykol";
        glycol->density = 1045.0f;
        glycol->specificHeatCapacity = 3720.0f;
        glycol->freezingPoint = -16.0f;
        database.lists[CDataBase::liquids].push_back(std::move(glycol));
        database.MakeCurrent();
    }
    CDataBase database;
};

// 25 DN50 sections of glycol at 80 °C: one and two layers, indoors and
// outdoors, every fifth with two valves.
void FillRun(CKanalTempModul& m, CDataBase& database)
{
    auto* product = static_cast<CIsoProdukt*>(database.lists[CDataBase::insulationProducts][0].get());
    auto* cladding = static_cast<CMantling*>(database.lists[CDataBase::outerCladdings][0].get());
    auto* valve = static_cast<CTillegg2*>(database.lists[CDataBase::fittings][0].get());
    m.SetMedium(static_cast<CVeske*>(database.lists[CDataBase::liquids][0].get()));
    m.inletTemperature = 80.0f;
    m.energyCostEnabled = true;
    for (int k = 0; k < 25; ++k) {
        m.sections.push_back(CSegment::CreateFromTemplate(nullptr, CSegment::pipeline, k + 1));
        CSegment& s = *m.sections.back();
        s.SetProduct(product);
        s.SetCladding(cladding);
        s.length = 20.0f;
        s.flow = 1.0f;
        if (k % 2 == 1) {
            s.twoLayers = true;
            s.SetLayer2Product(product);
            s.thickness = s.layer2Thickness = 30.0f;
        }
        if (k % 3 == 2) {
            s.surroundings = Surroundings::Outdoors;
            s.ambientTemperature = -5.0f;
            s.uninsulatedSupports = true;
        }
        if (k % 5 == 4) {
            s.fittingsEnabled = true;
            auto fitting = std::make_unique<CTilleggsutstyr>();
            fitting->SetFittingType(valve);
            fitting->count = 2;
            fitting->UpdateName("");
            s.fittings.push_back(std::move(fitting));
        }
    }
}

void FlowRunOf25Sections(benchmark::State& state)
{
    platform::ScriptedPrompter prompter;
    platform::MemorySettings settings;
    platform::ScopedServices services({.prompter = &prompter, .settings = &settings});
    Catalogue catalogue;
    CKanalTempModul module;
    FillRun(module, catalogue.database);
    if (!module.Calculate() || !prompter.Texts().empty()) {
        state.SkipWithError("the run does not calculate");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(module.Calculate());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(FlowRunOf25Sections);

} // namespace
