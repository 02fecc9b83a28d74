#pragma once

#include "ModuleBase.h"
#include "StereoPair.h"

// One-pole lowpass y = (1 - a) x + a y[n-1], a = e^(-2 pi f / fs). Idle, it
// passes its input unchanged.
class OnePole final : public ModuleBase
{
public:
    OnePole();
    ~OnePole() override;

    void resetCoeffs() override;
    void resetBuffer() override;
    // Computes the coefficients at once for the current sample rate.
    void setFrequency (float hz);
    float getFrequency() const noexcept { return frequency; }

    void process (double& x) override
    {
        const double y = b0[0] * x - a1[0] * y1[0];
        y1[0] = y;
        x = y;
    }

    void process (double& left, double& right) override { processAsPair (*this, left, right); }

    void process (StereoPair& x) noexcept
    {
        const StereoPair y = b0 * x - a1 * y1;
        y1 = y;
        x = y;
    }

    // Float samples; the memory stays in double.
    void process (float& x) noexcept
    {
        double v = x;
        process (v);
        x = static_cast<float> (v);
    }

    void process (float& left, float& right) noexcept
    {
        StereoPair v { left, right };
        process (v);
        left = static_cast<float> (v[0]);
        right = static_cast<float> (v[1]);
    }

private:
    float frequency = 0.0f;
    // Both lanes equal.
    StereoPair b0 = splat (1.0);
    StereoPair a1 {};
    // Lane 0 left, lane 1 right.
    StereoPair y1 {};
};
