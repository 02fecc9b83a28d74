#include "Flanger117Reconstruction.h"

void Flanger117Reconstruction::calc()
{
    double den[] = { -20001.0, -60.763737935000016, -0.0023368324529875503, -4.5567050520519e-08, -4.533448987311551e-13, -3.7824604907759994e-18 };
    double num[] = { 0.0, 60.0, 0.0, 0.0, 0.0, 0.0 };
    setCoeffs (den, num);
}
