#include "SZBase1.h"

#include "SampleRateBand.h"

SZBase1::SZBase1()
{
    SZBase1::resetBuffer();
    SZBase1::resetCoeffs();
}

SZBase1::~SZBase1() = default;

void SZBase1::setSampleRate (float newSampleRate)
{
    sampleRate = newSampleRate;
    fadeLength = SampleRateBand::lengthFor (newSampleRate, 64);
    fadeLengthAsDouble = fadeLength;
}

void SZBase1::resetBuffer()
{
    newMemory.clear();
    oldMemory.clear();
    held = StereoPair {};
}

void SZBase1::resetCoeffs()
{
    SZSection::setIdle (a, b, 1);
    oldA1 = oldB0 = oldB1 = StereoPair {};
    oldMatchesNew = false;
    fadeCounter = 0;
    active = false;
    firstSet = true;
}

void SZBase1::preCalc()
{
    fadeCounter = 0;
    active = false;
}

void SZBase1::setCoeffs (double* den, double* num)
{
    double newA[2], newB[2];
    transform (den, num, 1, newA, newB);
    for (int k = 0; k < 2; ++k)
    {
        a[k] = splat (newA[k]);
        b[k] = splat (newB[k]);
    }
    if (firstSet)
    {
        oldA1 = a[1];
        oldB0 = b[0];
        oldB1 = b[1];
        firstSet = false;
    }
    oldMatchesNew = false;
    newMemory.clear();
    active = true;
}
