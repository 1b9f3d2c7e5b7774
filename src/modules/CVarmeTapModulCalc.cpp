#include "CVarmeTapModul.h"
#include "KernelMessages.h"
#include "ModulePage.h"

#include "thermal/RequirementClasses.h"
#include "thermal/SurfaceTransfer.h"
#include "platform/Services.h"
#include "doc/StringTable.h"

#include <cmath>

float CVarmeTapModul::InsulatedEmissivity() const
{
    // With the coefficient given the radiation plays no part; the typed value
    // stands then, as it does when no cladding was chosen.
    if (emissivityTyped || surroundings == Surroundings::GivenCoefficient || !outerCladding_)
        return typedEmissivity;
    return outerCladding_->emissivity;
}

thermal::Inputs CVarmeTapModul::ThermalInputs() const
{
    thermal::Inputs in;
    in.objectKind = objectKind;
    in.mediumTemp = mediumTemp;
    in.ambientTemp = ambientTemp;
    in.diameter = (in.objectKind == ObjectKind::Pipe ? pipeOuterDiameter : diameter) / 1000.0f;
    in.height = height / 1000.0f;
    in.width = width / 1000.0f;
    in.layer1 = layer1.KernelProduct();
    in.layer2 = layer2.KernelProduct();
    in.wall = pipe_.Wall(pipeWall);
    in.surface.surroundings = surroundings;
    in.surface.orientation = orientation;
    in.surface.windSpeed = windSpeed;
    in.surface.givenCoefficient = givenCoefficient;
    in.surface.emissivity = InsulatedEmissivity();
    in.surface.bareEmissivity = bareEmissivity;
    if (IsDuct(in.objectKind))
        in.flow = VolumeFlow();
    in.supports = supports;
    return in;
}

bool CVarmeTapModul::Calculate()
{
    bool ok = inputUsable();
    const thermal::Inputs in = ThermalInputs();
    if (ok) {
        switch (criterion) {
        case Criterion::GivenThickness:
            ok = calculateGivenThickness(in);
            break;
        case Criterion::RequiredClass:
            ok = calculateClassRequirement(in);
            break;
        default:
            ok = calculateSearch(in);
            break;
        }
    }
    if (!ok) {
        clearPage();
        resultsValid = false;
        return false;
    }
    fillInputTable();
    showResults();
    resultsValid = true;
    return true;
}

// A document may come from elsewhere or have lost its product to a database
// edit: it is checked as the dialog checks, and refused with the dialog's
// message rather than shown as numbers that mean nothing.
bool CVarmeTapModul::inputUsable() const
{
    InputCheck check;
    if (ExchangeAll(check, heatLossFields::all, static_cast<const HeatLossInput&>(*this)) &&
        CheckHeatLossInput(*this, outerCladding_ != nullptr, check))
        return true;
    platform::prompter().Tell(check.Message());
    return false;
}

bool CVarmeTapModul::calculateGivenThickness(const thermal::Inputs& in)
{
    const float s1 = layer1.Thickness() / 1000.0f;
    const float s2 = layer2.Thickness() / 1000.0f;
    const thermal::HeatFlow insulated = twoLayers ? thermal::TwoLayerHeatFlow(in, s1, s2)
                                                  : thermal::OneLayerHeatFlow(in, s1);
    ShowKernelMessages(insulated.notices);
    const thermal::HeatFlow bare = thermal::BareSurface(in);
    drawnThickness_ = twoLayers ? s1 + s2 : s1;
    fillGivenThicknessTable(insulated, bare, in);
    return true;
}

thermal::StandardThicknessLookup CVarmeTapModul::standardThicknesses() const
{
    const CIsoProdukt* product = layer1.UsesUserProduct() ? nullptr : layer1.Product();
    if (!product)
        return {};
    // A standard thickness that would close a duct insulated inside cannot
    // be installed, so there is nothing to compare with.
    return [this, product](float thickness) {
        std::string text;
        const float standard = product->NextStandardThickness(thickness, text);
        return standard > 0.0f && !FitsInside(standard) ? -1.0f : standard;
    };
}

bool CVarmeTapModul::calculateSearch(const thermal::Inputs& in)
{
    thermal::ThicknessResult result;
    float heatFlowForTotal = 0;
    if (criterion == Criterion::GivenSurfaceTemp) {
        result = thermal::ThicknessForSurfaceTemperature(in, givenSurfaceTemp, standardThicknesses());
    } else {
        if (criterion == Criterion::GivenClass) {
            const float D = thermal::EquivalentDiameter(in.objectKind, pipeOuterDiameter, diameter, height, width);
            givenHeatLoss = thermal::ClassHeatLoss(givenClass, in.objectKind, D, mediumTemp, ambientTemp, supports,
                                                   in.surface.surroundings);
        }
        result = thermal::ThicknessForHeatLoss(in, givenHeatLoss, standardThicknesses());
    }
    if (!result.ok) {
        ShowKernelMessages({}, result.failure);
        return false;
    }
    // The allowed heat loss of a class was lowered for the supports; the
    // supports are put back on what the insulation lets through.
    heatFlowForTotal = result.needed.heatFlow;
    if (criterion == Criterion::GivenClass)
        heatFlowForTotal *= thermal::SupportsFactor(in);
    drawnThickness_ = result.thickness;
    fillSearchTable(result, heatFlowForTotal);
    return true;
}

bool CVarmeTapModul::calculateClassRequirement(const thermal::Inputs& in)
{
    const float D = thermal::EquivalentDiameter(in.objectKind, pipeOuterDiameter, diameter, height, width);
    const thermal::ClassRequirement requirement =
        thermal::RequiredClassHeatLoss(in.objectKind, D, mediumTemp, ambientTemp, operatingHours, spillFactor);
    computedClass = requirement.insulationClass;
    if (computedClass == 0) {
        drawnThickness_ = 0;
        fillBareTable(thermal::BareSurface(in));
        return true;
    }
    givenHeatLoss = requirement.allowedHeatLoss;
    const thermal::ThicknessResult result = thermal::ThicknessForHeatLoss(in, givenHeatLoss, standardThicknesses());
    if (!result.ok) {
        ShowKernelMessages({}, result.failure);
        return false;
    }
    drawnThickness_ = result.thickness;
    fillSearchTable(result, result.needed.heatFlow);
    return true;
}

void CVarmeTapModul::showResults()
{
    const ObjectKind kind = objectKind;
    const bool drawn =
        kind == ObjectKind::Pipe || kind == ObjectKind::CircularDuct || kind == ObjectKind::RectangularDuctOutside;
    if (drawn) {
        const float s = drawnThickness_;
        if (kind == ObjectKind::RectangularDuctOutside)
            drawing.SetDimensions(CInsulationSpace::rectangularDuct, 0.0f, width / 1000.0f + 2.0f * s,
                                  height / 1000.0f + 2.0f * s);
        else
            drawing.SetDimensions(int(objectKind),
                                  (kind == ObjectKind::Pipe ? pipeOuterDiameter : diameter) / 1000.0f
                                      + 2.0f * s,
                                  0.0f, 0.0f);
    }

    PageFlow flow;
    flow.Place(resultTable);
    flow.Place(inputTable);
    if (drawn)
        flow.Place(drawing);
    ShowOnPage(pageIndex, {&resultTable, &inputTable});
    if (drawn)
        ShowOnPage(pageIndex, {&drawing});
    else
        RemoveFromPage(pageIndex, {&drawing});
}

void CVarmeTapModul::clearPage()
{
    RemoveFromPage(pageIndex, {&resultTable, &inputTable, &drawing});
}
