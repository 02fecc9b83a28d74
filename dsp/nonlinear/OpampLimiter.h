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

    void process (double& left, double& right) override { processAsPair (*this, left, right); }

    // Both channels: below the threshold, where nearly every sample lies,
    // in packed form.
    void process (StereoPair& x) noexcept
    {
        const StereoPair m = StereoPairs::abs (x);
        if (m[0] > threshold || m[1] > threshold)
            x = StereoPair { limit (x[0]), limit (x[1]) };
        else
            x = StereoPairs::roundedToFloat (x);
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
};
