#include "EconomyCosts.h"

#include <cmath>

namespace {

// Below this a rate counts as none: the factor's quotient would only be noise.
constexpr float negligibleRate = 0.0001f;

float PresentValue(float rate, float years)
{
    if (!(rate > negligibleRate))
        return years;
    return (1.0f - std::pow(1.0f + rate, -years)) / rate;
}

} // namespace

PresentValueFactors PresentValues(float interestRate, float priceIncrease, float years)
{
    const float i = interestRate / 100.0f;
    const float e = priceIncrease / 100.0f;
    const float r = (i - e) / (1.0f + e);
    return {PresentValue(i, years), PresentValue(r, years)};
}

AnnualCost AnnualCostOf(float heatFlow, const PresentValueFactors& factors, float operatingHours,
                        float energyPrice, float co2Factor)
{
    const float q = std::fabs(heatFlow);
    AnnualCost cost;
    cost.equivalentEnergy = q * factors.energy * operatingHours / (factors.investment * 1000.0f);
    cost.energyCost = cost.equivalentEnergy * energyPrice / 100.0f;
    cost.co2 = q * operatingHours / 1000.0f * co2Factor / 1000.0f;
    return cost;
}
