#pragma once

#include "ModuleBase.h"
#include "StereoPair.h"

#include <cmath>

// Soft-knee limiter with a ceiling of 4.4: unity up to 4.153867856, a 1 dB
// knee with gain 10^(-(L - 12.369)^2 / 40) (L in dB), then 4.4 / |x|. The
// result passes through single precision.
class OpampLimiter final : public ModuleBase
{
public:
    static constexpr double threshold = 4.153867856;

    OpampLimiter();
    ~OpampLimiter() override;

    void process (double& x) override { x = limit (x); }

    void process (double& left, double& right) override
    {
        left = limit (left);
        right = limit (right);
    }

    // Both channels: below the threshold, where nearly every sample lies,
    // in packed form.
    void process (StereoPair& x) noexcept
    {
        const StereoPair m = x < 0.0 ? -x : x;
        if (m[0] > threshold || m[1] > threshold)
            x = StereoPair { limit (x[0]), limit (x[1]) };
        else
        {
            // Through single precision and back, both lanes at once.
            const FourFloats narrowed = __builtin_convertvector (FourDoubles { x[0], x[1], 0.0, 0.0 }, FourFloats);
            const FourDoubles widened = __builtin_convertvector (narrowed, FourDoubles);
            x = StereoPair { widened[0], widened[1] };
        }
    }

    static double limit (double x) noexcept
    {
        const double m = std::abs (x);
        double gain = 1.0;
        if (m > threshold)
        {
            if (m < 4.660716391)
            {
                const double level = std::log (m) * 8.685889638065037;
                const double h = (level + (-12.36905353)) * 0.5;
                gain = std::exp ((12.36905353 - level) * h * 0.11512925464970228);
            }
            else
            {
                gain = 4.4 / m;
            }
        }
        return static_cast<double> (static_cast<float> (x * gain));
    }

private:
    using FourFloats = float __attribute__ ((vector_size (16)));
    using FourDoubles = double __attribute__ ((vector_size (32)));
};
