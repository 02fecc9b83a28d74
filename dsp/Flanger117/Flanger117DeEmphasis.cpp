#include "Flanger117DeEmphasis.h"

void Flanger117DeEmphasis::calc()
{
    double den[] = { 150000.0, 3354.45, 1.1979 };
    double num[] = { 0.0, -2200.0, -0.07260000000000001 };
    setCoeffs (den, num);
}
