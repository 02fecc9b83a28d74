#pragma once

#include "ModuleBase.h"

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

    void process (double& x) override { x = step (x, leftY1); }

    void process (double& left, double& right) override
    {
        left = step (left, leftY1);
        right = step (right, rightY1);
    }

    // Float samples; the memory stays in double.
    void process (float& x) noexcept { x = static_cast<float> (step (x, leftY1)); }

    void process (float& left, float& right) noexcept
    {
        left = static_cast<float> (step (left, leftY1));
        right = static_cast<float> (step (right, rightY1));
    }

private:
    double step (double x, double& y1) const noexcept
    {
        const double y = b0 * x - a1 * y1;
        y1 = y;
        return y;
    }

    float frequency = 0.0f;
    double b0 = 1.0;
    double a1 = 0.0;
    double leftY1 = 0.0;
    double rightY1 = 0.0;
};
