#include "OnePole.h"

#include <cmath>

OnePole::OnePole() = default;
OnePole::~OnePole() = default;

void OnePole::resetCoeffs()
{
    b0 = 1.0;
    a1 = 0.0;
    frequency = 0.0f;
}

void OnePole::resetBuffer()
{
    leftY1 = 0.0;
    rightY1 = 0.0;
}

void OnePole::setFrequency (float hz)
{
    frequency = hz;
    const double a = std::exp (static_cast<double> (hz) * (-6.283185307179586) / static_cast<double> (sampleRate));
    b0 = 1.0 - a;
    a1 = -0.0 - a;
}
