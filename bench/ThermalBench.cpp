// Timings of the thermal kernel's hot routines. Each iteration is one
// evaluation as a module makes it; items_per_second reads as evaluations per
// second. Build with CMAKE_BUILD_TYPE=Release for numbers worth comparing.

#include "thermal/LayeredHeatFlow.h"
#include "thermal/ThicknessSearch.h"

#include <benchmark/benchmark.h>

namespace {

using namespace thermal;

// A maker's product with a temperature-dependent conductivity.
Conductivity mineralWool() { return {1.51e-9f, 1.31e-7f, 1.74e-4f, 0.034f}; }

// DN 50 steel pipe, 80 °C indoors in 20 °C air.
Inputs pipe()
{
    Inputs in;
    in.objectKind = ObjectKind::Pipe;
    in.mediumTemp = 80.0f;
    in.ambientTemp = 20.0f;
    in.diameter = 0.0603f;
    in.wall = {0.0029f, 50.0f, -0.02f};
    in.layer1.conductivity = mineralWool();
    in.layer2.conductivity = mineralWool();
    in.surface.emissivity = 0.3f;
    in.surface.bareEmissivity = 0.8f;
    return in;
}

// 400 × 300 mm duct insulated outside carrying 0.5 m³/s of 16 °C air past 30 °C surroundings.
Inputs coldDuct()
{
    Inputs in;
    in.objectKind = ObjectKind::RectangularDuctOutside;
    in.mediumTemp = 16.0f;
    in.ambientTemp = 30.0f;
    in.height = 0.4f;
    in.width = 0.3f;
    in.flow = 0.5f;
    in.layer1.conductivity = mineralWool();
    in.layer2.conductivity = mineralWool();
    in.surface.surroundings = Surroundings::Outdoors;
    in.surface.windSpeed = 3.0f;
    return in;
}

void Count(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations());
}

void OneLayerPipe(benchmark::State& state)
{
    const Inputs in = pipe();
    for (auto _ : state)
        benchmark::DoNotOptimize(OneLayerHeatFlow(in, 0.05f));
    Count(state);
}
BENCHMARK(OneLayerPipe);

void TwoLayerPipe(benchmark::State& state)
{
    const Inputs in = pipe();
    for (auto _ : state)
        benchmark::DoNotOptimize(TwoLayerHeatFlow(in, 0.03f, 0.03f));
    Count(state);
}
BENCHMARK(TwoLayerPipe);

void TwoLayerColdDuct(benchmark::State& state)
{
    const Inputs in = coldDuct();
    for (auto _ : state)
        benchmark::DoNotOptimize(TwoLayerHeatFlow(in, 0.03f, 0.03f));
    Count(state);
}
BENCHMARK(TwoLayerColdDuct);

void SurfaceTemperatureSearchPipe(benchmark::State& state)
{
    const Inputs in = pipe();
    for (auto _ : state)
        benchmark::DoNotOptimize(ThicknessForSurfaceTemperature(in, 30.0f));
    Count(state);
}
BENCHMARK(SurfaceTemperatureSearchPipe);

void HeatLossSearchPipe(benchmark::State& state)
{
    const Inputs in = pipe();
    for (auto _ : state)
        benchmark::DoNotOptimize(ThicknessForHeatLoss(in, 12.0f));
    Count(state);
}
BENCHMARK(HeatLossSearchPipe);

void HeatLossSearchColdDuct(benchmark::State& state)
{
    const Inputs in = coldDuct();
    for (auto _ : state)
        benchmark::DoNotOptimize(ThicknessForHeatLoss(in, -10.0f));
    Count(state);
}
BENCHMARK(HeatLossSearchColdDuct);

} // namespace

BENCHMARK_MAIN();
