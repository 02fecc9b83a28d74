#pragma once

#include "CommonBase.h"
#include "StereoPair.h"

#include <cstdint>

// Output gain that ramps linearly to each new value over 1024 to 8192 samples
// (by sample-rate band). The first calc() after construction or reset() jumps.
class SmoothVolume final : public CommonBase
{
public:
    SmoothVolume();
    ~SmoothVolume() override;

    // A ramp under way is not recomputed.
    void setSampleRate (float newSampleRate) override;
    void reset() override;
    void resetCoeffs();
    void resetBuffer();
    void setValue (float gain);
    // Starts a ramp from the gain reached to the target.
    void calc();

    double getGain() const noexcept { return currentGain; }
    int getRampLength() const noexcept { return rampLength; }

    void process (double& x) override
    {
        advance();
        x = currentGain * x;
    }

    // One ramp step per stereo pair.
    void process (double& left, double& right) override
    {
        advance();
        left = currentGain * left;
        right = currentGain * right;
    }

    void process (StereoPair& x) noexcept
    {
        advance();
        x = currentGain * x;
    }

private:
    void advance() noexcept
    {
        if (rampCounter < rampLength)
        {
            ++rampCounter;
            currentGain += step;
            if (rampCounter == rampLength)
                currentGain = targetGain;
        }
    }

    double currentGain = 0.0;
    double targetGain = 0.0;
    double step = 0.0;
    int16_t rampCounter = 0;
    bool first = true;
    int rampLength = 2048;
    double rampLengthAsDouble = 2048.0;
};
