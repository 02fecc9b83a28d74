#include "DeluxeElectricMistressWetFilter.h"

void DeluxeElectricMistressWetFilter::calc()
{
    double den[] = { 1.0, 0.00489209, 1.131196e-06 };
    double num[] = { 0.0, 0.0044, 1.131196e-06 };
    setCoeffs (den, num);
}
