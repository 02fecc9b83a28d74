#pragma once

#include "DspBase.h"

// An oscillator with frequency, phase, amplitude and a phase increment that
// glides linearly to each new target over 1024 to 8192 samples (by
// sample-rate band).
// The increment and its glide step are doubles: in float, rounding makes the
// LFO period drift by several per cent at slow rates and high sample rates.
class OscBaseClass : public DspBase
{
public:
    OscBaseClass();
    ~OscBaseClass() override;

    void setSampleRate (float newSampleRate) override;
    void resetBuffer() override;

    virtual void setFrequency (float hz);
    virtual float getFreq();
    virtual void setPhase (float newPhase);
    virtual float getPhase();
    virtual void setAmplitude (float newAmplitude);
    virtual float getAmplitude();
    virtual void forceCalcParams();
    virtual float getOscSignal() = 0;

protected:
    float frequency = 0.0f;
    float amplitude = 1.0f;
    float phase = 0.0f;
    float targetIncrement = 0.0f;
    int glideCounter = 0;
    int glideLength = 0;
    double glideStep = 0.0;
    double currentIncrement = 0.0;
    float lastTargetIncrement = 0.0f;
    // 0 until a sample rate sets the glide length: no glide advances before.
    float inverseGlideLength = 0.0f;
};
