#pragma once

#include "ModuleBase.h"
#include "StereoPair.h"

// Trapezoidal one-pole highpass: v is the lowpass output, the state follows
// s := v + (x - v) g, the output is x - v. Idle (g = G = 0) it passes its input.
class OnePoleHighpass final : public ModuleBase
{
public:
    OnePoleHighpass();
    ~OnePoleHighpass() override;

    void resetCoeffs() override;
    void resetBuffer() override;
    // Computes the coefficients at once for the current sample rate.
    void setFrequency (float hz);
    float getFrequency() const noexcept { return frequency; }

    void process (double& x) override
    {
        const double v = (g[0] * x + s[0]) * bigG[0];
        s[0] = (x - v) * g[0] + v;
        x = x - v;
    }

    void process (double& left, double& right) override { processAsPair (*this, left, right); }

    void process (StereoPair& x) noexcept
    {
        const StereoPair v = (g * x + s) * bigG;
        s = (x - v) * g + v;
        x = x - v;
    }

private:
    float frequency = 0.0f;
    // Both lanes equal.
    StereoPair g {};
    StereoPair bigG {};
    // Lane 0 left, lane 1 right.
    StereoPair s {};
};
