#include "OnePoleHighpass.h"

#include <cmath>

OnePoleHighpass::OnePoleHighpass() = default;
OnePoleHighpass::~OnePoleHighpass() = default;

void OnePoleHighpass::resetCoeffs()
{
    frequency = 0.0f;
    g = 0.0;
    bigG = 0.0;
}

void OnePoleHighpass::resetBuffer()
{
    leftState = 0.0;
    rightState = 0.0;
}

void OnePoleHighpass::setFrequency (float hz)
{
    frequency = hz;
    g = std::tan (static_cast<double> (hz) * 3.141592653589793 / static_cast<double> (sampleRate));
    bigG = 1.0 / (g + 1.0);
}
