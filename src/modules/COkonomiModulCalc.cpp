#include "COkonomiModul.h"
#include "CIsolasjon.h"
#include "ModulePage.h"
#include "COkonomiModulResults.h"
#include "KernelMessages.h"

#include "platform/Services.h"
#include "thermal/LayerModel.h"
#include "thermal/LayeredHeatFlow.h"
#include "thermal/SurfaceTransfer.h"

#include <cmath>

namespace {

// Shown when the catalogue's values (a product's conductivity, a pipe
// material) give a result that is no number: nothing sensible can be shown.
const char* const noValidResult =
    "Beräkningen gav inget giltigt resultat. Kontrollera isolerprodukternas och rörmaterialets data i databasen.";

bool Finite(const EconomyRow& row)
{
    for (float value : {row.uValue, row.heatFlow, row.outerCoefficient, row.cost.equivalentEnergy,
                        row.cost.energyCost, row.cost.co2, row.investment, row.total})
        if (!std::isfinite(value))
            return false;
    return true;
}

} // namespace

float EconomyRequirementUValue(int objectKind, float pipeDiameter, float ductDiameter, float height, float width)
{
    // Class 6 of EN 12828: 0.22 W/m²K for surfaces; per metre the rule by
    // the reference diameter, which is not continuous at 0.4 m.
    if (objectKind == 4 || objectKind == 5)
        return 0.22f;
    float dr = 0;
    if (objectKind == 0)
        dr = pipeDiameter / 1000.0f;
    else if (objectKind == 1)
        dr = ductDiameter / 1000.0f;
    else
        dr = 2.0f * (width + height) / 3141.5f; // the perimeter over π = 3.1415, in m
    return dr <= 0.4f ? 0.8f * dr + 0.12f : 3.1415f * dr * 0.22f;
}

thermal::Inputs COkonomiModul::thermalInputs() const
{
    thermal::Inputs in;
    in.objectKind = ObjectKind(objectKind);
    in.mediumTemp = mediumTemperature;
    in.ambientTemp = ambientTemperature;
    in.diameter = (objectKind == 0 ? pipeDiameter : ductDiameter) / 1000.0f;
    in.height = height / 1000.0f;
    in.width = width / 1000.0f;
    in.wall = pipe.Wall(wallThickness);
    in.surface.surroundings = surroundings;
    in.surface.orientation = orientation;
    in.surface.windSpeed = windSpeed;
    in.surface.givenCoefficient = givenCoefficient;
    in.surface.bareEmissivity = bareEmissivity;
    return in;
}

thermal::HeatFlow COkonomiModul::bareHeatFlow(const thermal::Inputs& in) const
{
    if (objectKind == 0)
        return thermal::BareSurface(in);

    // The bare duct and surface take the perimeter over π as the size that
    // sets convection and, for a duct, as the hydraulic diameter of the air
    // inside; the surface is taken at the medium temperature.
    const bool circular = objectKind == 1;
    const float perimeter = circular ? thermal::pi * in.diameter : 2.0f * (in.width + in.height);
    const float size = circular ? in.diameter : perimeter / thermal::pi;
    const float tm = mediumTemperature;
    const float ta = ambientTemperature;
    thermal::HeatFlow r;
    r.outerCoefficient = thermal::OuterCoefficient(surroundings, orientation, tm, ta, size, IsFlat(), in.height,
                                                   windSpeed, bareEmissivity, givenCoefficient);
    if (IsFlat()) {
        r.surfaceTemp = tm;
        r.heatFlow = (tm - ta) * r.outerCoefficient;
        return r;
    }
    r.innerCoefficient = thermal::DuctInnerCoefficient(tm, VolumeFlow(0.0f), FreeFlowArea(0.0f), size);
    const float u = r.outerCoefficient / r.innerCoefficient;
    r.surfaceTemp = (tm + u * ta) / (1.0f + u);
    r.heatFlow = r.outerCoefficient * perimeter * (r.surfaceTemp - ta);
    return r;
}

thermal::HeatFlow COkonomiModul::alternativeHeatFlow(thermal::Inputs in, const COkonomiIsolasjon& alternative) const
{
    const float thickness = alternative.Thickness();
    const float s = thickness / 1000.0f;
    in.layer1 = LayerProductOf(alternative.Product(), alternative.productSource == 1);
    in.surface.emissivity = alternative.SurfaceEmissivity();
    if (IsDuct())
        in.flow = VolumeFlow(thickness);
    in.supports = false;
    thermal::HeatFlow r = thermal::OneLayerHeatFlow(in, s);
    // What leaves the surface in the last round counts, also where the
    // balance stopped with the surface as warm as the medium.
    r.heatFlow = thermal::SurfaceFlow(in, thermal::OneLayerGeometry(in, s).outerPerimeter, r.outerCoefficient,
                                      r.surfaceTemp);
    return r;
}

bool COkonomiModul::compute(EconomyResults& results) const
{
    const PresentValueFactors factors = PresentValues(interestRate, priceIncrease, depreciationTime);
    const float dT = mediumTemperature - ambientTemperature;
    const auto costOf = [&](float q) {
        return AnnualCostOf(q, factors, operatingHours, energyPrice, co2Factor);
    };
    const thermal::Inputs in = thermalInputs();

    results = EconomyResults{};
    results.factors = factors;
    const thermal::HeatFlow bare = bareHeatFlow(in);
    results.notices |= bare.notices;
    EconomyRow bareRow;
    bareRow.heatFlow = bare.heatFlow;
    bareRow.uValue = bare.heatFlow / dT;
    bareRow.outerCoefficient = bare.outerCoefficient;
    bareRow.cost = costOf(bare.heatFlow);
    bareRow.total = bareRow.cost.energyCost;
    results.rows.push_back(bareRow);

    float bestTotal = bareRow.total;
    for (const auto& alternative : alternatives) {
        const thermal::HeatFlow flow = alternativeHeatFlow(in, *alternative);
        results.notices |= flow.notices;
        EconomyRow row;
        row.alternative = alternative.get();
        row.heatFlow = flow.heatFlow;
        row.uValue = flow.heatFlow / dT;
        row.outerCoefficient = flow.outerCoefficient;
        row.cost = costOf(flow.heatFlow);
        row.investment = alternative->cost / factors.investment;
        row.total = row.cost.energyCost + row.investment;
        // The first of equal totals stays the cheapest.
        if (bestTotal > row.total) {
            bestTotal = row.total;
            results.best = int(results.rows.size());
        }
        results.rows.push_back(row);
    }

    // The class 6 requirement: a heat flow with the sign of Tm − Ta, like
    // the others, from its positive U-value.
    EconomyRow requirement;
    requirement.requirement = true;
    requirement.uValue = EconomyRequirementUValue(objectKind, pipeDiameter, ductDiameter, height, width);
    requirement.heatFlow = dT * requirement.uValue;
    requirement.cost = costOf(requirement.heatFlow);
    results.rows.push_back(requirement);

    for (const EconomyRow& row : results.rows)
        if (!Finite(row))
            return false;
    return true;
}

bool COkonomiModul::inputUsable() const
{
    InputCheck check;
    if (ExchangeAll(check, economyFields::all, static_cast<const EconomyInput&>(*this)) &&
        CheckEconomyInput(*this, alternatives, check))
        return true;
    platform::prompter().Tell(check.Message());
    return false;
}

bool COkonomiModul::Calculate()
{
    EconomyResults results;
    bool ok = inputUsable();
    if (ok) {
        ok = compute(results);
        // Each notice once, however many alternatives raised it.
        ShowKernelMessages(results.notices);
        if (!ok)
            platform::prompter().Tell(noValidResult);
    }
    if (!ok) {
        // Never a page left standing as if it belonged to this input.
        clearPage();
        resultsValid = false;
        return false;
    }
    fillTables(results);
    fillInputTable();
    showResults();
    resultsValid = true;
    return true;
}

void COkonomiModul::showResults()
{
    PageFlow flow;
    flow.Place(heatLossTable);
    flow.Place(costTable);
    flow.Place(inputTable);
    ShowOnPage(pageIndex, {&heatLossTable, &costTable, &inputTable});
}

void COkonomiModul::clearPage()
{
    RemoveFromPage(pageIndex, {&heatLossTable, &costTable, &inputTable});
}
