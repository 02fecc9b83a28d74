#include "SmoothVolume.h"

#include "SampleRateBand.h"

SmoothVolume::SmoothVolume() = default;
SmoothVolume::~SmoothVolume() = default;

void SmoothVolume::setSampleRate (float newSampleRate)
{
    sampleRate = newSampleRate;
    rampLength = SampleRateBand::lengthFor (newSampleRate, 1024);
    rampLengthAsDouble = rampLength;
}

void SmoothVolume::reset() { resetCoeffs(); }

void SmoothVolume::resetCoeffs()
{
    first = true;
    rampCounter = 0;
    currentGain = 0.0;
    step = 0.0;
}

void SmoothVolume::resetBuffer() {}

void SmoothVolume::setValue (float gain) { targetGain = static_cast<double> (gain); }

void SmoothVolume::calc()
{
    if (first)
    {
        currentGain = targetGain;
        first = false;
    }
    step = (targetGain - currentGain) * (1.0 / rampLengthAsDouble);
    rampCounter = 0;
}
