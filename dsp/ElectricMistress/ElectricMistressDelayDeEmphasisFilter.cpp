#include "ElectricMistressDelayDeEmphasisFilter.h"

void ElectricMistressDelayDeEmphasisFilter::calc()
{
    double den[] = { 1.0, 0.00040937 };
    double num[] = { 1.0, 2.397e-05 };
    setCoeffs (den, num);
}
