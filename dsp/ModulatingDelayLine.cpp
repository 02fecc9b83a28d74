#include "ModulatingDelayLine.h"

#include "SampleRateBand.h"

#include <algorithm>
#include <cmath>

ModulatingDelayLine::ModulatingDelayLine() = default;
ModulatingDelayLine::~ModulatingDelayLine() = default;

void ModulatingDelayLine::setSampleRate (float newSampleRate)
{
    sampleRate = newSampleRate;
    delayGlideLength = SampleRateBand::lengthFor (newSampleRate, 16384);
    sweepGlideLength = SampleRateBand::lengthFor (newSampleRate, 1024);

    const double samples = static_cast<double> (bufferTime) * 0.001 * static_cast<double> (newSampleRate);
    // A rate that is not a positive number still gets a one-sample buffer.
    bufferLength = samples >= 1.0 && samples < 2147483647.0 ? static_cast<int> (samples) : 1;
    buffer.reset (new double[static_cast<size_t> (bufferLength)]());

    if (writeIndex >= bufferLength)
        writeIndex = 0;
}

void ModulatingDelayLine::resetBuffer()
{
    writeIndex = 0;
    if (buffer != nullptr)
        std::fill (buffer.get(), buffer.get() + bufferLength, 0.0);
}

void ModulatingDelayLine::resetCoeffs()
{
    delayTarget = 0.0f;
    writeIndex = 0;
}

void ModulatingDelayLine::calc()
{
    writeIndex = 0;
    calcDelay();
    calcSweepWidth();
}

void ModulatingDelayLine::setDelay (float ms) { delayTarget = maximumDelay < ms ? maximumDelay : ms; }
void ModulatingDelayLine::setSweepWidth (float ms) { sweepTarget = maximumSweep < ms ? maximumSweep : ms; }

void ModulatingDelayLine::calcDelay()
{
    delayCounter = 0;
    delayStep = (delayTarget - delayCurrent) / static_cast<float> (delayGlideLength);
}

void ModulatingDelayLine::calcSweepWidth()
{
    sweepCounter = 0;
    sweepStep = (sweepTarget - sweepCurrent) / static_cast<float> (sweepGlideLength);
}

void ModulatingDelayLine::forceCalcParams()
{
    delayCounter = delayGlideLength;
    delayStep = 0.0f;
    delayCurrent = delayTarget;
    sweepCounter = sweepGlideLength;
    sweepStep = 0.0f;
    sweepCurrent = sweepTarget;
    resetBuffer();
}
