#include "ElectricMistressDryDeEmphasisFilter.h"

void ElectricMistressDryDeEmphasisFilter::calc()
{
    double den[] = { 160000.0, 26.880000000000003 };
    double num[] = { -100000.0, -6.800000000000001 };
    setCoeffs (den, num);
}
