#include "OscBaseClass.h"

OscBaseClass::OscBaseClass() = default;
OscBaseClass::~OscBaseClass() = default;

int OscBaseClass::glideLengthForSampleRate (float rate)
{
    if (rate < 34050.0f)
        return 1024;
    if (rate < 68000.0f)
        return 2048;
    if (rate < 136000.0f)
        return 4096;
    return 8192;
}

void OscBaseClass::setSampleRate (float newSampleRate)
{
    sampleRate = newSampleRate;
    glideLength = glideLengthForSampleRate (newSampleRate);
    inverseGlideLength = 1.0f / static_cast<float> (glideLength);
}

void OscBaseClass::resetBuffer()
{
    phase = 0.0f;
    targetIncrement = 0.0f;
    glideStep = 0.0;
    currentIncrement = 0.0;
    lastTargetIncrement = 0.0f;
}

void OscBaseClass::setFrequency (float hz) { frequency = hz; }
float OscBaseClass::getFreq() { return frequency; }
void OscBaseClass::setPhase (float newPhase) { phase = newPhase; }
float OscBaseClass::getPhase() { return phase; }
void OscBaseClass::setAmplitude (float newAmplitude) { amplitude = newAmplitude; }
float OscBaseClass::getAmplitude() { return amplitude; }

void OscBaseClass::forceCalcParams()
{
    currentIncrement = targetIncrement;
    lastTargetIncrement = targetIncrement;
    glideStep = 0.0;
    glideCounter = glideLength;
}
