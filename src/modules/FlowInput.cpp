#include "FlowInput.h"

#include "database/CVeske.h"
#include "thermal/SectionBalance.h"

#include <cmath>

namespace {

constexpr int emptyRunId = 63030;
constexpr int chooseLiquidId = 63031;
constexpr int tooManyId = 63032;

} // namespace

MediumProperties MediumOf(const FlowInput& input, const CVeske* liquid)
{
    if (input.mediumSource == 0 && liquid)
        return {liquid->density, liquid->specificHeatCapacity, liquid->freezingPoint};
    return {input.density, input.heatCapacity, input.freezingPoint};
}

bool CheckFlowInput(const FlowInput& in, const CVeske* liquid, std::size_t sectionCount, InputCheck& check)
{
    namespace f = flowFields;
    if (!check.Require(sectionCount > 0, emptyRunId, "sections") ||
        !check.Require(sectionCount <= FlowInput::maxSections, tooManyId, "sections"))
        return false;
    if (in.energyCostEnabled && (!check.Range(f::energyPrice, in) || !check.Range(f::operatingHours, in)))
        return false;
    if (in.ChecksCondensation() && !check.Range(f::relativeHumidity, in))
        return false;
    if (in.IsPipeline()) {
        if (in.mediumSource == 1) {
            if (!check.Range(f::density, in) || !check.Range(f::heatCapacity, in) ||
                !check.Range(f::freezingPoint, in))
                return false;
        } else if (!check.Require(liquid != nullptr, chooseLiquidId, "medium")) {
            return false;
        }
        // A liquid whose freezing point is no number is no medium to calculate with.
        const float freezing = MediumOf(in, liquid).freezingPoint;
        if (!check.Require(std::isfinite(freezing), chooseLiquidId, "medium"))
            return false;
        return check.Range(f::inletTemperature, in, freezing + 0.1f, 2000.0f);
    }
    // Air keeps the properties the calculation gives it only within this range.
    return check.Range(f::inletTemperature, in, thermal::airLowestTemperature, thermal::airHighestTemperature);
}
