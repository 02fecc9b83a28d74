#include "OnePoleHighpass.h"

#include <cmath>

OnePoleHighpass::OnePoleHighpass() = default;
OnePoleHighpass::~OnePoleHighpass() = default;

void OnePoleHighpass::resetCoeffs()
{
    frequency = 0.0f;
    g = StereoPair {};
    bigG = StereoPair {};
}

void OnePoleHighpass::resetBuffer() { s = StereoPair {}; }

void OnePoleHighpass::setFrequency (float hz)
{
    frequency = hz;
    const double gain = std::tan (static_cast<double> (hz) * 3.141592653589793 / static_cast<double> (sampleRate));
    g = splat (gain);
    bigG = splat (1.0 / (gain + 1.0));
}
