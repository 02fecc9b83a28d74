#include "BypassRamp.h"

int16_t BypassRamp::fadeLengthFor (double sampleRate)
{
    if (sampleRate < 34050.0)
        return 1024;
    if (sampleRate < 68000.0)
        return 2048;
    if (sampleRate < 136000.0)
        return 4096;
    return 8192;
}

void BypassRamp::setFadeLength (int16_t length)
{
    fadeLength = length;
    rampCounter = length;
}

void BypassRamp::jumpTo (bool effectOn)
{
    rampStep = 0.0f;
    rampCounter = fadeLength;
    wetGain = effectOn ? 1.0f : 0.0f;
    rampTarget = wetGain;
}

void BypassRamp::process (float* left, float* right, const float* dryLeft, const float* dryRight, int n, bool effectOn)
{
    const float target = effectOn ? 1.0f : 0.0f;

    if (rampTarget != target)
    {
        rampStep = (target - wetGain) * (1.0f / static_cast<float> (fadeLength));
        rampCounter = 0;
        rampTarget = target;
    }

    for (int k = 0; k < n; ++k)
    {
        if (rampCounter < fadeLength)
        {
            ++rampCounter;
            wetGain += rampStep;
            if (wetGain > 1.0f)
                wetGain = 1.0f;
            else if (wetGain < floor)
                wetGain = 0.0f;
        }

        const float w = wetGain;
        left[k] = w * left[k] + (1.0f - w) * dryLeft[k];
        if (right != nullptr)
            right[k] = w * right[k] + (1.0f - w) * dryRight[k];
    }
}
