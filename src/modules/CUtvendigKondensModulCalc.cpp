#include "CUtvendigKondensModul.h"

#include "KernelMessages.h"
#include "ModulePage.h"
#include "doc/StringTable.h"
#include "platform/Services.h"
#include "thermal/Conductivity.h"
#include "thermal/Messages.h"

namespace {

constexpr int conductivityNotPositive = 62725; // λ ≤ 0 between %.1f and %.1f °C

} // namespace

float CUtvendigKondensModul::InsulatedEmissivity() const
{
    // With the coefficient given the radiation plays no part; the typed value
    // stands then, as it does when no cladding was chosen.
    if (surfaceSource || surroundings == Surroundings::GivenCoefficient || !outerCladding)
        return surfaceEmissivity;
    return outerCladding->emissivity;
}

thermal::Inputs CUtvendigKondensModul::ThermalInputs() const
{
    thermal::Inputs in;
    in.objectKind = objectKind;
    in.mediumTemp = mediumTemperature;
    in.ambientTemp = ambientTemperature;
    in.diameter = (objectKind == ObjectKind::Pipe ? pipeDiameter : ductDiameter) / 1000.0f;
    in.height = height / 1000.0f;
    in.width = width / 1000.0f;
    in.layer1 = insulation.KernelProduct();
    in.wall = pipe.Wall(wallThickness);
    in.surface.surroundings = surroundings;
    in.surface.orientation = orientation;
    in.surface.windSpeed = windSpeed;
    in.surface.givenCoefficient = givenCoefficient;
    in.surface.emissivity = InsulatedEmissivity();
    in.surface.bareEmissivity = bareEmissivity;
    return in;
}

bool CUtvendigKondensModul::Calculate()
{
    if (!inputUsable()) {
        clearPage();
        resultsValid = false;
        return false;
    }
    const thermal::Inputs in = ThermalInputs();
    const float dewPoint = DewPoint();
    // Below the dew point the insulation carries heat between the medium and
    // the air; a conductivity curve that reaches zero on the way would make
    // any thickness look enough.
    const bool needsInsulation = (mediumTemperature - dewPoint) / (dewPoint - ambientTemperature) > 0.0f;
    if (needsInsulation &&
        !thermal::ConductivityPositiveBetween(in.layer1.conductivity, mediumTemperature, ambientTemperature)) {
        platform::prompter().Tell(Sprintf(LoadString(conductivityNotPositive), double(mediumTemperature),
                                          double(ambientTemperature)));
        return fail(0);
    }

    const thermal::OuterDewPointResult found = thermal::ThicknessForOuterDewPoint(in, dewPoint);
    if (found.failure != 0)
        return fail(found.failure);
    if (!fillResultTable(found, dewPoint, in))
        return fail(thermal::thicknessTooLarge);
    fillInputTable();
    showResults();
    resultsValid = true;
    return true;
}

bool CUtvendigKondensModul::fail(int kernelFailure)
{
    ShowKernelMessages({}, kernelFailure);
    clearPage();
    resultsValid = false;
    return false;
}

// A document may come from elsewhere or have lost its product to a database
// edit: it is checked as the dialog checks, and refused with the dialog's
// message rather than shown as numbers that mean nothing.
bool CUtvendigKondensModul::inputUsable() const
{
    InputCheck check;
    const ExternalCondensationInput& input = *this;
    if (ExchangeAll(check, externalCondensationFields::all, input) &&
        CheckExternalCondensationInput(input, outerCladding != nullptr, check))
        return true;
    platform::prompter().Tell(check.Message());
    return false;
}

void CUtvendigKondensModul::showResults()
{
    const ObjectKind kind = objectKind;
    const bool drawn =
        kind == ObjectKind::Pipe || kind == ObjectKind::CircularDuct || kind == ObjectKind::RectangularDuctOutside;
    if (drawn) {
        const thermal::Outline& o = drawnOutline_;
        if (kind == ObjectKind::RectangularDuctOutside)
            spaceDrawing.SetDimensions(CInsulationSpace::rectangularDuct, 0.0f, o.width, o.height);
        else
            spaceDrawing.SetDimensions(int(kind), o.diameter, 0.0f, 0.0f);
    }

    PageFlow flow;
    flow.Place(resultTable);
    flow.Place(inputTable);
    if (drawn)
        flow.Place(spaceDrawing);
    ShowOnPage(pageIndex, {&resultTable, &inputTable});
    if (drawn)
        ShowOnPage(pageIndex, {&spaceDrawing});
    else
        RemoveFromPage(pageIndex, {&spaceDrawing});
}

void CUtvendigKondensModul::clearPage()
{
    RemoveFromPage(pageIndex, {&resultTable, &inputTable, &spaceDrawing});
}
