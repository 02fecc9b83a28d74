#pragma once

#include "DspBase.h"

// A block that processes one sample (or one stereo pair) at a time, in place,
// in double precision. The stereo form shares coefficients, not memory.
class ModuleBase : public DspBase
{
public:
    ModuleBase();
    ~ModuleBase() override;

    virtual void process (double& x) = 0;
    virtual void process (double& left, double& right) = 0;
};
