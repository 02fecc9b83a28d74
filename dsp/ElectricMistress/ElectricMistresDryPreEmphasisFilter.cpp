#include "ElectricMistresDryPreEmphasisFilter.h"

void ElectricMistresDryPreEmphasisFilter::calc()
{
    double den[] = { 1e-06, 3.42395e-09, 2.50152e-13, 2.2175999999999997e-18 };
    double num[] = { 0.0, -3.3016499999999997e-09, -5.609999999999999e-13, 0.0 };
    setCoeffs (den, num);
}
