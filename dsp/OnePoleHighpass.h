#pragma once

#include "ModuleBase.h"

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

    void process (double& x) override { x = step (x, leftState); }

    void process (double& left, double& right) override
    {
        left = step (left, leftState);
        right = step (right, rightState);
    }

private:
    double step (double x, double& s) const noexcept
    {
        const double v = (g * x + s) * bigG;
        s = (x - v) * g + v;
        return x - v;
    }

    float frequency = 0.0f;
    double g = 0.0;
    double bigG = 0.0;
    double leftState = 0.0;
    double rightState = 0.0;
};
