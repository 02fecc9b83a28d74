#pragma once

#include "DspBase.h"

// An effect that works on whole float buffers in place.
class FxModuleBase : public DspBase
{
public:
    FxModuleBase();
    ~FxModuleBase() override;

    virtual void process (float* buffer, int n) = 0;
    virtual void process (float* left, float* right, int n) = 0;
};
