#pragma once

// Root of every DSP block: sample rate, a diagnostic name, and the protocol
// reset = resetBuffer (signal memory) then resetCoeffs (coefficients), calc =
// recompute coefficients from the block's settings.
class DspBase
{
public:
    DspBase();
    virtual ~DspBase();

    virtual void setSampleRate (float newSampleRate);
    virtual float getSampleRate();
    virtual const char* getName();
    virtual void reset();
    virtual void resetBuffer();
    virtual void resetCoeffs();
    virtual void calc();

protected:
    float sampleRate = 44100.0f;
    const char* name = "DspBase";
};
