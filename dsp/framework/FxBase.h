#pragma once

#include "FxModuleBase.h"

// An effect with a normalised parameter array, an expected block size and a
// host tempo. The concrete effect allocates and frees the parameter array.
class FxBase : public FxModuleBase
{
public:
    FxBase();
    ~FxBase() override;

    virtual void setParameter (int index, float value) = 0;
    virtual void calcParameter (int index) = 0;
    virtual float getDefaultParameter (int index) = 0;
    // Out of range, or before the array exists, reads as 0.
    virtual float getParameter (int index);
    virtual float* getAllParameters();
    virtual const char* getParameterName (int index) = 0;
    virtual int getParameterNum();
    virtual void setExpectedSampleFrame (int n);
    virtual int getExpectedSampleFrame();
    virtual void setBpm (float newBpm);
    virtual float getBpm();
    virtual void forceCalcParams() = 0;

protected:
    float* params = nullptr;
    int paramCount = 0;
    int expectedSampleFrame = 0;
    float bpm = 120.0f;
    // -1 so that a model's first tempo comparison always sees a change.
    float previousBpm = -1.0f;
};
