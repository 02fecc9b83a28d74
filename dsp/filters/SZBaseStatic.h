#pragma once

#include "SZBase.h"
#include "SZSection.h"

// s-to-z section of order N that takes a new coefficient set at once, keeping
// its signal memory.
template <int N>
class SZBaseStatic : public SZBase
{
public:
    SZBaseStatic()
    {
        SZBaseStatic::resetBuffer();
        SZBaseStatic::resetCoeffs();
    }

    void resetBuffer() override { memory.clear(); }
    void resetCoeffs() override { SZSection::setIdle (a, b, N); }
    void preCalc() override {}

    void setCoeffs (double* den, double* num) override
    {
        double newA[N + 1], newB[N + 1];
        transform (den, num, N, newA, newB);
        for (int k = 0; k <= N; ++k)
        {
            a[k] = splat (newA[k]);
            b[k] = splat (newB[k]);
        }
    }

    void process (double& x) override { x = SZSection::run<N> (a, b, memory, x); }

    void process (double& l, double& r) override { processAsPair (*this, l, r); }

    void process (StereoPair& x) noexcept { x = SZSection::run<N> (a, b, memory, x); }

    double getA (int k) const noexcept { return a[k][0]; }
    double getB (int k) const noexcept { return b[k][0]; }

protected:
    StereoPair a[N + 1];
    StereoPair b[N + 1];
    SZSection::Memory<N> memory;
};

using SZBase1s = SZBaseStatic<1>;
using SZBase2s = SZBaseStatic<2>;
using SZBase3s = SZBaseStatic<3>;
using SZBase5s = SZBaseStatic<5>;
