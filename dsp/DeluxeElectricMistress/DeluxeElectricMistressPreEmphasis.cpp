#include "DeluxeElectricMistressPreEmphasis.h"

void DeluxeElectricMistressPreEmphasis::calc()
{
    double den[] = { 5170.0, 0.132775, 5.814088e-07 };
    double num[] = { -5600.0, -1.23704, 0.0 };
    setCoeffs (den, num);
}
