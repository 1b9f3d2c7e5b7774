#include "CFrostModul.h"
#include "ModulePage.h"

#include "doc/StringTable.h"
#include "platform/Services.h"
#include "thermal/Choices.h"
#include "thermal/Conductivity.h"
#include "thermal/RequirementClasses.h"
#include "thermal/SurfaceBalance.h"
#include "thermal/SurfaceTransfer.h"

#include <cmath>
#include <initializer_list>

namespace {

// Water: specific heat 4182 J/(kg·K), density 1000 kg/m³; ice: latent heat
// of fusion 334 000 J/kg, density 920 kg/m³.
constexpr float waterHeatCapacity = 4182.0f;
constexpr float waterDensity = 1000.0f;
constexpr float latentHeat = 334000.0f;
constexpr float iceDensity = 920.0f;
constexpr float secondsPerHour = 3600.0f;

// The water reaches 24 °C within the 8 hours of standstill the building
// rules allow for cold water.
constexpr float warningHours = 8.0f;
constexpr float warningTemperature = 24.0f;
constexpr int warmWaterWarning = 62756;
constexpr int noValidResult = 62758;

bool AllFinite(std::initializer_list<float> values)
{
    for (float value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

} // namespace

bool CFrostModul::Calculate()
{
    Results results;
    bool ok = inputUsable();
    if (ok && !balance(results)) {
        // Only values of the catalogue (a conductivity of zero, a curve that
        // turns negative) get here: the input itself was checked.
        platform::prompter().Tell(LoadString(noValidResult));
        ok = false;
    }
    if (!ok) {
        clearPage();
        resultsValid = false;
        return false;
    }
    if (!FrostMode() && standstillTime == warningHours && results.endTemperature > warningTemperature)
        platform::prompter().Tell(LoadString(warmWaterWarning));
    fillResultTable(results);
    fillInputTable();
    showResults(results.outerDiameter);
    resultsValid = true;
    return true;
}

// A document may come from elsewhere or have lost its product to a database
// edit: it is checked as the dialog checks, and refused with the dialog's
// message rather than shown as numbers that mean nothing.
bool CFrostModul::inputUsable() const
{
    InputCheck check;
    const FrostInput& input = *this;
    if (ExchangeAll(check, frostFields::all, input) && CheckFrostInput(input, cladding_ != nullptr, check))
        return true;
    platform::prompter().Tell(check.Message());
    return false;
}

bool CFrostModul::balance(Results& out) const
{
    thermal::Conductivity k;
    insulation.Product()->GetCoefficients(k.a, k.b, k.c, k.d);
    const CRormaterial* material = pipe_.Material();
    // Only the wall's conductivity at 0 °C counts here, not its slope.
    const float pipeConductivity = material ? material->conductivityAtZero : thermal::PipeWall{}.conductivity0;

    const float D = pipeDiameter / 1000.0f;
    const float t = wallThickness / 1000.0f;
    const float s = insulation.Thickness() / 1000.0f;
    const float Di = D - 2.0f * t;
    const float Do = D + 2.0f * s;
    const float G = std::log(Do / D) / thermal::twoPi;
    const float Po = thermal::pi * Do;
    const float Aw = thermal::pi * Di * Di / 4.0f;
    const float tw0 = startTemperature;
    const float ta = ambientTemperature;

    // The start value and the wall's share of the resistance use the
    // product's conductivity at 0 °C.
    const float wallResistance = t / pipeConductivity;
    const float layerResistance = s / k.d;
    const float K = 1.0f / (layerResistance + wallResistance);
    const float wallShare = wallResistance / (layerResistance + wallResistance);

    // The water's mean temperature: the logarithmic mean of a cooling from
    // Tw0 towards 0 °C; water that starts at 0 °C has no cooling to average.
    const float r = (ta - tw0) / ta;
    const float tm = tw0 > 0.0001f ? ta + (tw0 - ta) * (1.0f - 1.0f / r) / std::log(r) : 0.0f;

    const float epsilon = InsulatedEmissivity();
    float ho = 10.0f;
    thermal::BalanceOptions options;
    options.medium = tm;
    options.ambient = ta;
    options.stopNearMedium = false;
    const thermal::BalanceOutcome outcome =
        thermal::BalanceSurface((K * tw0 + 10.0f * ta) / (K + 10.0f), options, [&](float ts) {
            if (surroundings == Surroundings::GivenCoefficient)
                ho = outerCoefficient;
            else
                ho = thermal::ConvectionCoefficient(surroundings == Surroundings::Indoors, vertical == 1, std::fabs(ts - ta),
                                                    Do, false, 1.0f, windSpeed)
                    + thermal::RadiationCoefficient(epsilon, ts, ta);
            const float innerFace = tm - (tm - ts) * wallShare;
            return thermal::Flows{thermal::ConductivityIntegral(k, ts, innerFace) / G, ho * Po * (ts - ta)};
        });

    const float uValue = outcome.heatFlow / (tm - ta);
    const float tau = waterHeatCapacity * waterDensity * Aw / (uValue * secondsPerHour);

    out.outerDiameter = Do;
    out.outerCoefficient = ho;
    out.uValue = uValue;
    out.timeConstant = tau;
    out.requirement = thermal::RequirementUValue(D);

    if (FrostMode()) {
        // While the water freezes it stays at 0 °C: the insulation's
        // conductivity at the middle of the layer.
        const float frozenConductivity = thermal::ConductivityAt(k, ta / 2.0f);
        const float uFrozen = 1.0f / (G / frozenConductivity + 1.0f / (ho * Po));
        const float fullFreeze = -latentHeat * iceDensity * Aw / (uFrozen * secondsPerHour * ta);
        out.coolingTime = tau * std::log(r);
        out.freezeTime = fullFreeze * freezeFraction / 100.0f;
        out.heatingPower = -uFrozen * ta;
        return AllFinite({ho, uValue, tau, out.coolingTime, out.freezeTime, out.heatingPower}) && tau > 0.0f &&
               uFrozen > 0.0f && ho > 0.0f;
    }
    out.endTemperature = ta + (tw0 - ta) * std::exp(-standstillTime / tau);
    return AllFinite({ho, uValue, tau, out.endTemperature}) && tau > 0.0f && ho > 0.0f;
}

void CFrostModul::showResults(float outerDiameter)
{
    installationSpace.SetDimensions(CInsulationSpace::pipe, outerDiameter, 0.0f, 0.0f);

    PageFlow flow;
    flow.Place(resultTable);
    flow.Place(inputTable);
    flow.Place(installationSpace);
    ShowOnPage(pageIndex, {&resultTable, &inputTable, &installationSpace});
}

void CFrostModul::clearPage()
{
    RemoveFromPage(pageIndex, {&resultTable, &inputTable, &installationSpace});
}
