#include "OscBaseClass.h"

#include "SampleRateBand.h"

OscBaseClass::OscBaseClass() = default;
OscBaseClass::~OscBaseClass() = default;

void OscBaseClass::setSampleRate (float newSampleRate)
{
    sampleRate = newSampleRate;
    glideLength = SampleRateBand::lengthFor (newSampleRate, 1024);
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
