#include "OnePole.h"

#include <cmath>

OnePole::OnePole() = default;
OnePole::~OnePole() = default;

void OnePole::resetCoeffs()
{
    b0 = splat (1.0);
    a1 = StereoPair {};
    frequency = 0.0f;
}

void OnePole::resetBuffer() { y1 = StereoPair {}; }

void OnePole::setFrequency (float hz)
{
    frequency = hz;
    const double a = std::exp (static_cast<double> (hz) * (-6.283185307179586) / static_cast<double> (sampleRate));
    b0 = splat (1.0 - a);
    a1 = splat (-0.0 - a);
}
