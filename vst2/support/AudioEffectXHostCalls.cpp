// Calls of AudioEffectX into the host. Without a host callback every call
// answers as if the host had answered 0.
#include "AudioEffectX.h"

#include <cstdint>

namespace Host = VstHostOpcode;

void AudioEffectX::__wantEventsDeprecated (int filter)
{
    callHost (Host::wantMidiDeprecated, 0, filter);
}

VstHostTimeInfo* AudioEffectX::getTimeInfo (int filter)
{
    return reinterpret_cast<VstHostTimeInfo*> (callHost (Host::getTime, 0, filter));
}

int AudioEffectX::__tempoAtDeprecated (int pos)
{
    return static_cast<int> (callHost (Host::tempoAtDeprecated, 0, pos));
}

int AudioEffectX::__getNumAutomatableParametersDeprecated()
{
    return static_cast<int> (callHost (Host::getNumAutomatableParametersDeprecated));
}

int AudioEffectX::__getParameterQuantizationDeprecated()
{
    return static_cast<int> (callHost (Host::getParameterQuantizationDeprecated));
}

bool AudioEffectX::ioChanged()
{
    return callHost (Host::ioChanged) != 0;
}

bool AudioEffectX::__needIdleDeprecated()
{
    return callHost (Host::needIdleDeprecated) != 0;
}

bool AudioEffectX::sizeWindow (int width, int height)
{
    return callHost (Host::sizeWindow, width, height) != 0;
}

// A positive answer replaces the stored rate; anything else keeps it.
double AudioEffectX::updateSampleRate()
{
    const auto answer = callHost (Host::getSampleRate);
    if (answer > 0)
        sampleRate = static_cast<float> (answer);
    return sampleRate;
}

int AudioEffectX::updateBlockSize()
{
    const auto answer = static_cast<int> (callHost (Host::getBlockSize));
    if (answer > 0)
        blockSize = answer;
    return blockSize;
}

int AudioEffectX::getInputLatency()
{
    return static_cast<int> (callHost (Host::getInputLatency));
}

int AudioEffectX::getOutputLatency()
{
    return static_cast<int> (callHost (Host::getOutputLatency));
}

AEffect* AudioEffectX::__getPreviousPlugDeprecated (int)
{
    return reinterpret_cast<AEffect*> (callHost (Host::getPreviousPlugDeprecated));
}

AEffect* AudioEffectX::__getNextPlugDeprecated (int)
{
    return reinterpret_cast<AEffect*> (callHost (Host::getNextPlugDeprecated));
}

int AudioEffectX::__willProcessReplacingDeprecated()
{
    return static_cast<int> (callHost (Host::willReplaceDeprecated));
}

int AudioEffectX::getCurrentProcessLevel()
{
    return static_cast<int> (callHost (Host::getCurrentProcessLevel));
}

int AudioEffectX::getAutomationState()
{
    return static_cast<int> (callHost (Host::getAutomationState));
}

bool AudioEffectX::offlineStart (VstAudioFile* audioFiles, int numAudioFiles, int numNewAudioFiles)
{
    return callHost (Host::offlineStart, numNewAudioFiles, numAudioFiles, audioFiles) != 0;
}

bool AudioEffectX::offlineRead (VstOfflineTask* offline, int option, bool readSource)
{
    return callHost (Host::offlineRead, readSource ? 1 : 0, option, offline) != 0;
}

bool AudioEffectX::offlineWrite (VstOfflineTask* offline, int option)
{
    return callHost (Host::offlineWrite, 0, option, offline) != 0;
}

int AudioEffectX::offlineGetCurrentPass()
{
    return callHost (Host::offlineGetCurrentPass) != 0 ? 1 : 0;
}

int AudioEffectX::offlineGetCurrentMetaPass()
{
    return callHost (Host::offlineGetCurrentMetaPass) != 0 ? 1 : 0;
}

void AudioEffectX::__setOutputSamplerateDeprecated (float rate)
{
    callHost (Host::setOutputSampleRateDeprecated, 0, 0, nullptr, rate);
}

VstSpeakerArrangement* AudioEffectX::__getOutputSpeakerArrangementDeprecated()
{
    return reinterpret_cast<VstSpeakerArrangement*> (callHost (Host::getOutputSpeakerArrangementDeprecated));
}

VstSpeakerArrangement* AudioEffectX::__getInputSpeakerArrangementDeprecated()
{
    return reinterpret_cast<VstSpeakerArrangement*> (callHost (Host::getInputSpeakerArrangementDeprecated));
}

bool AudioEffectX::getHostVendorString (char* text)
{
    return callHost (Host::getVendorString, 0, 0, text) != 0;
}

bool AudioEffectX::getHostProductString (char* text)
{
    return callHost (Host::getProductString, 0, 0, text) != 0;
}

int AudioEffectX::getHostVendorVersion()
{
    return static_cast<int> (callHost (Host::getVendorVersion));
}

std::intptr_t AudioEffectX::hostVendorSpecific (int arg1, std::intptr_t arg2, void* ptrArg, float floatArg)
{
    return callHost (Host::vendorSpecific, arg1, arg2, ptrArg, floatArg);
}

// Hosts answer 1 for yes, -1 for no and 0 for don't know.
int AudioEffectX::canHostDo (const char* text)
{
    return callHost (Host::canDo, 0, 0, const_cast<char*> (text)) > 0 ? 1 : 0;
}

int AudioEffectX::getHostLanguage()
{
    return static_cast<int> (callHost (Host::getLanguage));
}

void* AudioEffectX::__openWindowDeprecated (VstWindowRecord* window)
{
    return reinterpret_cast<void*> (callHost (Host::openWindowDeprecated, 0, 0, window));
}

bool AudioEffectX::__closeWindowDeprecated (VstWindowRecord* window)
{
    return callHost (Host::closeWindowDeprecated, 0, 0, window) != 0;
}

void* AudioEffectX::getDirectory()
{
    return reinterpret_cast<void*> (callHost (Host::getDirectory));
}

bool AudioEffectX::updateDisplay()
{
    return callHost (Host::updateDisplay) != 0;
}

bool AudioEffectX::beginEdit (int index)
{
    return callHost (Host::beginEdit, index) != 0;
}

bool AudioEffectX::endEdit (int index)
{
    return callHost (Host::endEdit, index) != 0;
}

bool AudioEffectX::openFileSelector (VstFileSelectorRecord* select)
{
    return select != nullptr && callHost (Host::openFileSelector, 0, 0, select) != 0;
}

bool AudioEffectX::closeFileSelector (VstFileSelectorRecord* select)
{
    return select != nullptr && callHost (Host::closeFileSelector, 0, 0, select) != 0;
}

bool AudioEffectX::__getChunkFileDeprecated (void* nativePath)
{
    return nativePath != nullptr && callHost (Host::getChunkFileDeprecated, 0, 0, nativePath) != 0;
}
