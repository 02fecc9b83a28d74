#pragma once

// Root of the per-sample gain blocks, independent of DspBase.
class CommonBase
{
public:
    CommonBase();
    virtual ~CommonBase();

    virtual void setSampleRate (float newSampleRate);
    virtual void reset();
    virtual void process (double& x) = 0;
    virtual void process (double& left, double& right) = 0;

protected:
    float sampleRate = 44100.0f;
};
