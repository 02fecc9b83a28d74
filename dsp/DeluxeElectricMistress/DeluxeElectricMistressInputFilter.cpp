#include "DeluxeElectricMistressInputFilter.h"

void DeluxeElectricMistressInputFilter::calc()
{
    double den[] = { 1.015e-08, 1.0164999999999999e-10, 1.5e-15 };
    double num[] = { 1e-08, 1.36e-10, 0.0 };
    setCoeffs (den, num);
}
