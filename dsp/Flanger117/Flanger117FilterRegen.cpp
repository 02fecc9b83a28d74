#include "Flanger117FilterRegen.h"

#include "PotTaper.h"

void Flanger117FilterRegen::setRegen (float value) { feedbackValue = value; }

void Flanger117FilterRegen::calc()
{
    // r: 50 kOhm times the audio taper of (1 - pot).
    const float t = 1.0f - PotTaper::log81 (1.0f - feedbackValue);
    const float r = (1.0f - t) * 50000.0f;
    double num[2];
    double den[2];
    num[0] = 0.0;
    num[1] = (50000.0 - static_cast<double> (r)) * 1e-07;
    den[0] = 1.0;
    den[1] = static_cast<double> (r) * 1e-07 + num[1];
    setCoeffs (den, num);
}
