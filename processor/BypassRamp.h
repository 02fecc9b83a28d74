#pragma once

#include <cstdint>

// The processor's own bypass: a linear ramp between the models' output and a
// dry copy of the input. A ramp that starts from a partial gain still takes
// the full fade length.
class BypassRamp
{
public:
    static constexpr float floor = 1e-15f;

    // Ramp and crossfade length by sample-rate band: 1024 samples below
    // 34050 Hz, doubling at 34050, 68000 and 136000 Hz.
    static int16_t fadeLengthFor (double sampleRate);

    void setFadeLength (int16_t length);

    // Starts at the target with no ramp running.
    void jumpTo (bool effectOn);

    // Dry side reached: the models need not run.
    bool isFullyDry() const { return wetGain < floor; }

    // Mixes n samples in place; right and dryRight may be null (mono).
    void process (float* left, float* right, const float* dryLeft, const float* dryRight, int n, bool effectOn);

    int16_t rampCounter = 1024;
    int16_t fadeLength = 1024;
    float rampStep = 0.0f;
    float wetGain = 1.0f;
    float rampTarget = 1.0f;
};
