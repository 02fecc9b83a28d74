#pragma once

#include "OpampLimiter.h"

#include <cmath>
#include <memory>

// The diode clipping network in front of the Type 2 delay: the input drives
// 100 kOhm into a junction, 27 kOhm on to an antiparallel diode pair to
// ground. The junction voltage is tabulated once (8193 points, -4.5 V to
// +4.5 V) and read with cubic Lagrange interpolation after the op-amp limiter.
class Flanger117Diode
{
public:
    static constexpr int tableSize = 8193;

    Flanger117Diode();
    ~Flanger117Diode();

    Flanger117Diode (const Flanger117Diode&) = delete;
    Flanger117Diode& operator= (const Flanger117Diode&) = delete;

    void process (double& x) noexcept { x = lookUp (OpampLimiter::limit (x)); }

    void process (double& l, double& r) noexcept
    {
        limiter.process (l, r);
        l = lookUp (l);
        r = lookUp (r);
    }

    float getTableValue (int k) const noexcept { return table[k]; }

private:
    double lookUp (double x) const noexcept
    {
        // The limiter holds |x| at 4.4; anything else (not a number) would
        // read outside the table.
        if (! (std::abs (x) <= 4.41))
            x = 0.0;

        // 910.22, not 8192/9: 0 V lands at 4095.99, a hair below the middle.
        const double pos = (x + 4.5) * 910.22;
        const int i = static_cast<int> (pos);
        const double t = pos - i + 1.0;
        const float* const p = table.get() + i;
        return static_cast<double> (p[-1]) * (t - 1.0) * (t - 2.0) * (t - 3.0) * (-0.1666666666666667)
             + static_cast<double> (p[0]) * t * (t - 2.0) * (t - 3.0) * 0.5
             + static_cast<double> (p[1]) * (t - 1.0) * t * (t - 3.0) * (-0.5)
             + static_cast<double> (p[2]) * (t - 1.0) * t * (t - 2.0) * 0.1666666666666667;
    }

    OpampLimiter limiter;
    std::unique_ptr<float[]> table;
};
