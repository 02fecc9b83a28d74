#include "Flanger117AntiAliasing.h"

void Flanger117AntiAliasing::calc()
{
    double den[] = { 150000.0, 1.5 };
    double num[] = { -100000.0, 0.0 };
    setCoeffs (den, num);
}
