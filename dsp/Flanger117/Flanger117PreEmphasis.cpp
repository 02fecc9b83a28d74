#include "Flanger117PreEmphasis.h"

void Flanger117PreEmphasis::calc()
{
    double den[] = { 1.0, 3.305099999999999e-05, 1.6829999999999998e-12 };
    double num[] = { 1.0, 0.000363, 0.0 };
    setCoeffs (den, num);
}
