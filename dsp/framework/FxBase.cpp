#include "FxBase.h"

FxBase::FxBase() = default;
FxBase::~FxBase() = default;

float FxBase::getParameter (int index)
{
    if (params == nullptr || index < 0 || index >= paramCount)
        return 0.0f;
    return params[index];
}

float* FxBase::getAllParameters() { return params; }
int FxBase::getParameterNum() { return paramCount; }
void FxBase::setExpectedSampleFrame (int n) { expectedSampleFrame = n; }
int FxBase::getExpectedSampleFrame() { return expectedSampleFrame; }
void FxBase::setBpm (float newBpm) { bpm = newBpm; }
float FxBase::getBpm() { return bpm; }
