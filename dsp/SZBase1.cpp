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
    newLeft.clear();
    oldLeft.clear();
    newRight.clear();
    oldRight.clear();
    heldLeft = heldRight = 0.0;
}

void SZBase1::resetCoeffs()
{
    SZSection::setIdle (a, b, 1);
    oldA1 = oldB0 = oldB1 = 0.0;
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
    transform (den, num, 1, a, b);
    if (firstSet)
    {
        oldA1 = a[1];
        oldB0 = b[0];
        oldB1 = b[1];
        firstSet = false;
    }
    newLeft.clear();
    newRight.clear();
    active = true;
}
