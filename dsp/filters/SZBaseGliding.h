#pragma once

#include "SampleRateBand.h"
#include "SZBase.h"
#include "SZSection.h"

#include <cstdint>

// s-to-z section of order N that glides every coefficient linearly to a new
// set over 1024 to 8192 samples (by sample-rate band), so a pot turned while
// audio runs does not click. The first set after resetCoeffs() is taken at
// once. The glide is not snapped at its end: the coefficients stay where the
// additions leave them. The first set after a sample-rate change is taken at
// once too.
template <int N>
class SZBaseGliding : public SZBase
{
public:
    SZBaseGliding()
    {
        SZBaseGliding::resetBuffer();
        SZBaseGliding::resetCoeffs();
    }

    // Coefficients made for another rate may be unstable at this one, so the
    // next set is taken at once rather than glided to.
    void setSampleRate (float newSampleRate) override
    {
        sampleRate = newSampleRate;
        glideLength = SampleRateBand::lengthFor (newSampleRate, 1024);
        glideLengthAsDouble = glideLength;
        firstSet = true;
    }

    void resetBuffer() override { memory.clear(); }

    void resetCoeffs() override
    {
        for (int k = 0; k <= N; ++k)
            targetA[k] = targetB[k] = 0.0;
        targetA[0] = 1.0;
        SZSection::setIdle (a, b, N);
        for (int k = 0; k <= N; ++k)
            stepA[k] = stepB[k] = StereoPair {};
        glideCounter = 0;
        firstSet = true;
    }

    void preCalc() override {}

    void setCoeffs (double* den, double* num) override
    {
        transform (den, num, N, targetA, targetB);
        if (firstSet)
        {
            for (int k = 1; k <= N; ++k)
                a[k] = splat (targetA[k]);
            for (int k = 0; k <= N; ++k)
                b[k] = splat (targetB[k]);
            firstSet = false;
        }
        const double inverseLength = 1.0 / glideLengthAsDouble;
        for (int k = 1; k <= N; ++k)
            stepA[k] = splat ((targetA[k] - a[k][0]) * inverseLength);
        for (int k = 0; k <= N; ++k)
            stepB[k] = splat ((targetB[k] - b[k][0]) * inverseLength);
        glideCounter = 0;
    }

    void process (double& x) override
    {
        advanceGlide();
        x = SZSection::run<N> (a, b, memory, x);
    }

    void process (double& l, double& r) override { processAsPair (*this, l, r); }

    // The glide advances once per stereo pair.
    void process (StereoPair& x) noexcept
    {
        advanceGlide();
        x = SZSection::run<N> (a, b, memory, x);
    }

    double getA (int k) const noexcept { return a[k][0]; }
    double getB (int k) const noexcept { return b[k][0]; }

protected:
    void advanceGlide() noexcept
    {
        if (glideCounter < glideLength)
        {
            ++glideCounter;
            for (int k = 1; k <= N; ++k)
                a[k] += stepA[k];
            for (int k = 0; k <= N; ++k)
                b[k] += stepB[k];
        }
    }

    double targetA[N + 1];
    double targetB[N + 1];
    // The coefficients in use, both lanes equal; a[0] is not used.
    StereoPair a[N + 1];
    StereoPair b[N + 1];
    StereoPair stepA[N + 1];
    StereoPair stepB[N + 1];
    SZSection::Memory<N> memory;
    int16_t glideCounter = 0;
    bool firstSet = true;
    int glideLength = 2048;
    double glideLengthAsDouble = 2048.0;
};

using SZBase2x = SZBaseGliding<2>;
using SZBase3x = SZBaseGliding<3>;
