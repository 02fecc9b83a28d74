#pragma once

#include "ACF/AAX_ACFTypes.h"

// The processing side of every component: the fields of the context record
// each component declares, and the procs the host runs.
namespace PandrelAAXRender
{
enum Field : AAX_CFieldIndex
{
    audioIn = 0,      // const float* const*: the input channels
    audioOut = 1,     // float* const*: the output channels, maybe the inputs themselves
    bufferLength = 2, // const int32*: frames in this block
    bypass = 3,       // const int32*: the master bypass packet, nonzero for bypassed
    privateData = 4,  // the instance's effect, set by the instance-init proc
    numFields = 5
};

// Renders each instance of [instancesBegin, instancesEnd).
void process (const AAX_CContextRecord instancesBegin[], const void* instancesEnd);

// commonData is the instance's effect parameters object as its creator proc
// returned it; adding an instance puts it in the private data, removing one
// clears it.
std::int32_t initInstance (AAX_CContextRecord instance, const void* commonData, std::int32_t action);
} // namespace PandrelAAXRender
