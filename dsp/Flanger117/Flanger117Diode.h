#pragma once

#include "OpampLimiter.h"

#include <cmath>
#include <cstring>
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

    void process (double& l, double& r) noexcept { processAsPair (*this, l, r); }

    // Both channels in packed form: the same operations per lane as the
    // mono lookup, with the eight table values fetched in two loads.
    void process (StereoPair& x) noexcept
    {
        limiter.process (x);
        const StereoPair magnitude = StereoPairs::abs (x);
        x = VectorLanes::select (magnitude <= 4.41, x, StereoPair {});

        const StereoPair pos = (x + 4.5) * 910.22;
        const PairOfInts i = VectorLanes::convert<PairOfInts> (pos);
        const StereoPair t = pos - VectorLanes::convert<StereoPair> (i) + 1.0;

        FourFloats left, right;
        std::memcpy (&left, table.get() + i[0] - 1, sizeof left);
        std::memcpy (&right, table.get() + i[1] - 1, sizeof right);
        const StereoPair t0 = VectorLanes::laneOfEach (left, right, 0);
        const StereoPair t1 = VectorLanes::laneOfEach (left, right, 1);
        const StereoPair t2 = VectorLanes::laneOfEach (left, right, 2);
        const StereoPair t3 = VectorLanes::laneOfEach (left, right, 3);

        x = t0 * (t - 1.0) * (t - 2.0) * (t - 3.0) * (-0.1666666666666667) + t1 * t * (t - 2.0) * (t - 3.0) * 0.5
          + t2 * (t - 1.0) * t * (t - 3.0) * (-0.5) + t3 * (t - 1.0) * t * (t - 2.0) * 0.1666666666666667;
    }

    float getTableValue (int k) const noexcept { return table[k]; }

private:
    // Where x lands in the table: entry i, and t = 1 + the fraction, so that
    // the four nodes i - 1 .. i + 2 sit at 0, 1, 2, 3.
    struct Node
    {
        const float* entry;
        double t;
    };

    Node node (double x) const noexcept
    {
        // The limiter holds |x| at 4.4; anything else (not a number) would
        // read outside the table.
        if (! (std::abs (x) <= 4.41))
            x = 0.0;

        // 910.22, not 8192/9: 0 V lands at 4095.99, a hair below the middle.
        const double pos = (x + 4.5) * 910.22;
        const int i = static_cast<int> (pos);
        return { table.get() + i, pos - i + 1.0 };
    }

    double lookUp (double x) const noexcept
    {
        const Node n = node (x);
        const double t = n.t;
        const float* const p = n.entry;
        return static_cast<double> (p[-1]) * (t - 1.0) * (t - 2.0) * (t - 3.0) * (-0.1666666666666667)
             + static_cast<double> (p[0]) * t * (t - 2.0) * (t - 3.0) * 0.5
             + static_cast<double> (p[1]) * (t - 1.0) * t * (t - 3.0) * (-0.5)
             + static_cast<double> (p[2]) * (t - 1.0) * t * (t - 2.0) * 0.1666666666666667;
    }

    using PairOfInts = VectorLanes::TwoInts;
    using FourFloats = StereoPairs::FourFloats;

    OpampLimiter limiter;
    std::unique_ptr<float[]> table;
};
