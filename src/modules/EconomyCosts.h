#pragma once

// The arithmetic of comparing insulation by annual cost: an investment is
// spread over the depreciation time with the real interest rate, and the
// energy lost each year is weighed with the rate net of the real increase of
// the energy price. Single precision, as every computed value of the program.

// Present-value factors over n years.
struct PresentValueFactors {
    // Of a constant annual amount at the interest rate i: (1 − (1 + i)^−n)/i,
    // n when i is negligible. Its inverse is the annuity of the investment.
    float investment = 0;
    // Of the energy cost growing with the price: the same at
    // r = (i − e)/(1 + e), n when r ≤ 0.0001. A price that rises faster than
    // the interest (r < 0) still counts n years, a deliberate simplification.
    float energy = 0;
};

// interestRate and priceIncrease in %, years > 0.
PresentValueFactors PresentValues(float interestRate, float priceIncrease, float years);

// The yearly figures of one heat flow q (W/m, W/m² for surfaces), per metre
// or square metre.
struct AnnualCost {
    float equivalentEnergy = 0; // kWh: |q|·hours/1000 weighted by PVe/PVi
    float energyCost = 0;       // kr: the equivalent energy at the price
    float co2 = 0;              // kg: the energy actually lost, |q|·hours/1000, times the factor
};

// energyPrice in öre/kWh, co2Factor in g/kWh. The emission follows the
// energy that is lost, not the weighted one: a forecast price increase makes
// the loss dearer, not the emission larger.
AnnualCost AnnualCostOf(float heatFlow, const PresentValueFactors& factors, float operatingHours,
                        float energyPrice, float co2Factor);
