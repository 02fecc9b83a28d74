#pragma once

#include "SampleRateBand.h"
#include "SZBase.h"
#include "SZSection.h"

#include <cstdint>

// s-to-z section of order N that glides every coefficient linearly to a new
// set over 1024 to 8192 samples (by sample-rate band), so a pot turned while
// audio runs does not click. The first set after resetCoeffs() is taken at
// once. The glide is not snapped at its end: the coefficients stay where the
// additions leave them.
template <int N>
class SZBaseGliding : public SZBase
{
public:
    SZBaseGliding()
    {
        SZBaseGliding::resetBuffer();
        SZBaseGliding::resetCoeffs();
    }

    void setSampleRate (float newSampleRate) override
    {
        sampleRate = newSampleRate;
        glideLength = SampleRateBand::lengthFor (newSampleRate, 1024);
        glideLengthAsDouble = glideLength;
    }

    void resetBuffer() override
    {
        left.clear();
        right.clear();
    }

    void resetCoeffs() override
    {
        SZSection::setIdle (targetA, targetB, N);
        SZSection::setIdle (a, b, N);
        for (int k = 0; k <= N; ++k)
            stepA[k] = stepB[k] = 0.0;
        glideCounter = 0;
        firstSet = true;
    }

    void preCalc() override {}

    void setCoeffs (double* den, double* num) override
    {
        transform (den, num, N, targetA, targetB);
        if (firstSet)
        {
            copyTargets();
            firstSet = false;
        }
        const double inverseLength = 1.0 / glideLengthAsDouble;
        for (int k = 1; k <= N; ++k)
            stepA[k] = (targetA[k] - a[k]) * inverseLength;
        for (int k = 0; k <= N; ++k)
            stepB[k] = (targetB[k] - b[k]) * inverseLength;
        glideCounter = 0;
    }

    void process (double& x) override
    {
        advanceGlide();
        x = SZSection::run<N> (a, b, left, x);
    }

    // The glide advances once per stereo pair.
    void process (double& l, double& r) override
    {
        advanceGlide();
        l = SZSection::run<N> (a, b, left, l);
        r = SZSection::run<N> (a, b, right, r);
    }

protected:
    void copyTargets() noexcept
    {
        for (int k = 1; k <= N; ++k)
            a[k] = targetA[k];
        for (int k = 0; k <= N; ++k)
            b[k] = targetB[k];
    }

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

    double targetA[N + 1] {};
    double targetB[N + 1] {};
    // The coefficients in use; a[0] is not used.
    double a[N + 1] {};
    double b[N + 1] {};
    double stepA[N + 1] {};
    double stepB[N + 1] {};
    SZSection::Memory<N> left, right;
    int16_t glideCounter = 0;
    bool firstSet = true;
    int glideLength = 2048;
    double glideLengthAsDouble = 2048.0;
};

using SZBase2x = SZBaseGliding<2>;
using SZBase3x = SZBaseGliding<3>;
