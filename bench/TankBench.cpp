// Timings of the tank temperature module's whole calculation, tables and
// curve included, at the ends of what its dialog lets through: a year of
// storage (the longest storage time), and the stepping to a final
// temperature 0.1 K above the dialog's lowest ambient temperature, where the
// stepping runs longest.

#include "database/CDataBase.h"
#include "database/CIsoProdukt.h"
#include "database/CMantling.h"
#include "database/CVeske.h"
#include "modules/CTankTempModul.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A catalogue of one product, one cladding and one liquid, current while it lives.
struct Catalogue {
    Catalogue()
    {
        auto mat = std::make_unique<CIsoProdukt>(); // the default mineral wool curve
        mat->name = "Matta";
        product = mat.get();
        database.lists[CDataBase::insulationProducts].push_back(std::move(mat));
        auto sheet = std::make_unique<CMantling>(CDataBase::Info(CDataBase::outerCladdings).kind);
        sheet->name = "Plåt";
        sheet->emissivity = 0.3f;
        cladding = sheet.get();
        database.lists[CDataBase::outerCladdings].push_back(std::move(sheet));
        auto brine = std::make_unique<CVeske>();
        brine->name = "Köldbärare";
        brine->density = 1250.0f;
        brine->specificHeatCapacity = 2800.0f;
        brine->freezingPoint = -70.0f;
        liquid = brine.get();
        database.lists[CDataBase::liquids].push_back(std::move(brine));
        database.MakeCurrent();
    }

    // A 2.2 m × 2.63 m cylinder under 100 mm, indoors.
    void Fill(CTankTempModul& m) const
    {
        m.tankShape = 1;
        m.tankDiameter = 2.2f;
        m.tankLength = 2.63f;
        m.insulation.SetCatalogueProduct(product);
        m.insulation.catalogueThickness = 100.0f;
        m.SetCladding(cladding);
        m.SetMedium(liquid);
    }

    CDataBase database;
    CIsoProdukt* product = nullptr;
    CMantling* cladding = nullptr;
    CVeske* liquid = nullptr;
};

// A refused case would time its message instead of the calculation.
void Run(benchmark::State& state, CTankTempModul& m)
{
    if (!m.Calculate()) {
        state.SkipWithError("the case is refused");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(m.Calculate());
    state.SetItemsProcessed(state.iterations());
}

void TankStoredForAYear(benchmark::State& state)
{
    const Catalogue catalogue;
    CTankTempModul m;
    catalogue.Fill(m);
    m.startTemperature = 60.0f;
    m.ambientTemperature = 5.0f;
    m.storageTime = 8760.0f;
    Run(state, m);
}
BENCHMARK(TankStoredForAYear);

void TankSteppedToNearTheAmbient(benchmark::State& state)
{
    const Catalogue catalogue;
    CTankTempModul m;
    catalogue.Fill(m);
    m.startTemperature = -50.0f;
    m.ambientTemperature = -60.0f;
    m.givenFinalTemperature = true;
    m.finalTemperature = -59.9f;
    Run(state, m);
}
BENCHMARK(TankSteppedToNearTheAmbient);

} // namespace
