#include "CommonBase.h"

CommonBase::CommonBase() = default;
CommonBase::~CommonBase() = default;

void CommonBase::setSampleRate (float newSampleRate) { sampleRate = newSampleRate; }
void CommonBase::reset() {}
