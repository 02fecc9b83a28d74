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

    void resetBuffer() override
    {
        left.clear();
        right.clear();
    }

    void resetCoeffs() override { SZSection::setIdle (a, b, N); }
    void preCalc() override {}
    void setCoeffs (double* den, double* num) override { transform (den, num, N, a, b); }

    void process (double& x) override { x = SZSection::run<N> (a, b, left, x); }

    void process (double& l, double& r) override
    {
        l = SZSection::run<N> (a, b, left, l);
        r = SZSection::run<N> (a, b, right, r);
    }

protected:
    double a[N + 1] {};
    double b[N + 1] {};
    SZSection::Memory<N> left, right;
};

using SZBase1s = SZBaseStatic<1>;
using SZBase2s = SZBaseStatic<2>;
using SZBase3s = SZBaseStatic<3>;
using SZBase5s = SZBaseStatic<5>;
