#include "AudioEffectX.h"

#include "VstCall.h"

AudioEffectX::AudioEffectX (VstHostCallback callback, int programCount, int parameterCount)
    : AudioEffect (callback, programCount, parameterCount)
{
}

std::intptr_t AudioEffectX::dispatcher (int opcode, int index, std::intptr_t value, void* ptr, float opt)
{
    namespace Op = VstEffectOpcode;

    if (vstOpcodeNeedsPointer (opcode) && ptr == nullptr)
        return 0;

    auto* text = static_cast<char*> (ptr);
    const auto valueAsInt = static_cast<int> (value);

    switch (opcode)
    {
        case Op::processEvents: return vstSignExtended (processEvents (static_cast<VstEvents*> (ptr)));
        case Op::canBeAutomated: return isParameterIndex (index) ? vstBoolean (canParameterBeAutomated (index)) : 0;
        case Op::stringToParameter: return isParameterIndex (index) ? vstBoolean (string2parameter (index, text)) : 0;
        case Op::getProgramNameIndexed:
            if (! isProgramIndex (index))
            {
                text[0] = 0;
                return 0;
            }
            return vstBoolean (getProgramNameIndexed (valueAsInt, index, text));

        case Op::getInputProperties:
            if (index < 0 || index >= cEffect.numInputs)
                return 0;
            return vstBoolean (getInputProperties (index, static_cast<VstPinProperties*> (ptr)));
        case Op::getOutputProperties:
            if (index < 0 || index >= cEffect.numOutputs)
                return 0;
            return vstBoolean (getOutputProperties (index, static_cast<VstPinProperties*> (ptr)));
        case Op::getPlugCategory: return vstZeroExtended (getPlugCategory());

        case Op::offlineNotify:
            return vstBoolean (offlineNotify (static_cast<VstAudioFile*> (ptr), valueAsInt, index != 0));
        case Op::offlinePrepare: return vstBoolean (offlinePrepare (static_cast<VstOfflineTask*> (ptr), valueAsInt));
        case Op::offlineRun: return vstBoolean (offlineRun (static_cast<VstOfflineTask*> (ptr), valueAsInt));
        case Op::processVariableIo: return vstBoolean (processVariableIo (static_cast<VstVariableIo*> (ptr)));

        case Op::setSpeakerArrangement:
        {
            auto* input = reinterpret_cast<VstSpeakerArrangement*> (value);
            auto* output = static_cast<VstSpeakerArrangement*> (ptr);
            if (! isUsableArrangement (input) || ! isUsableArrangement (output))
                return 0;
            return vstBoolean (setSpeakerArrangement (input, output));
        }
        case Op::setBypass: return vstBoolean (setBypass (value != 0));
        case Op::getEffectName: return vstBoolean (getEffectName (text));
        case Op::getVendorString: return vstBoolean (getVendorString (text));
        case Op::getProductString: return vstBoolean (getProductString (text));
        case Op::getVendorVersion: return vstSignExtended (getVendorVersion());
        case Op::vendorSpecific: return vendorSpecific (index, value, ptr, opt);
        case Op::canDo: return vstSignExtended (canDo (text));
        case Op::getTailSize: return vstSignExtended (getGetTailSize());
        case Op::getParameterProperties:
            if (! isParameterIndex (index))
                return 0;
            return vstBoolean (getParameterProperties (index, static_cast<VstParameterProperties*> (ptr)));
        case Op::getVstVersion: return vstSignExtended (getVstVersion());

        case Op::editorKeyDown:
        case Op::editorKeyUp:
        {
            if (editor == nullptr)
                return 0;
            VstKeyRecord key { index, static_cast<std::uint8_t> (value & 0xff),
                               static_cast<std::uint8_t> (vstIntFromFloat (opt) & 0xff) };
            return vstBoolean (opcode == Op::editorKeyDown ? editor->onKeyDown (key) : editor->onKeyUp (key));
        }
        case Op::setEditKnobMode: return editor != nullptr ? vstBoolean (editor->setKnobMode (valueAsInt)) : 0;

        case Op::getMidiProgramName:
            return isMidiChannel (index) ? vstSignExtended (getMidiProgramName (index, static_cast<MidiProgramName*> (ptr))) : 0;
        case Op::getCurrentMidiProgram:
            return isMidiChannel (index) ? vstSignExtended (getCurrentMidiProgram (index, static_cast<MidiProgramName*> (ptr))) : -1;
        case Op::getMidiProgramCategory:
            return isMidiChannel (index)
                       ? vstSignExtended (getMidiProgramCategory (index, static_cast<MidiProgramCategory*> (ptr)))
                       : 0;
        case Op::hasMidiProgramsChanged: return isMidiChannel (index) ? vstBoolean (hasMidiProgramsChanged (index)) : 0;
        case Op::getMidiKeyName:
            return isMidiChannel (index) ? vstBoolean (getMidiKeyName (index, static_cast<MidiKeyName*> (ptr))) : 0;

        case Op::beginSetProgram: return vstBoolean (beginSetProgram());
        case Op::endSetProgram: return vstBoolean (endSetProgram());
        case Op::getSpeakerArrangement:
        {
            auto** input = reinterpret_cast<VstSpeakerArrangement**> (value);
            if (input == nullptr)
                return 0;
            return vstBoolean (getSpeakerArrangement (input, static_cast<VstSpeakerArrangement**> (ptr)));
        }
        case Op::getNextShellPlugin: return vstSignExtended (getNextShellPlugin (text));
        case Op::startProcess: return vstSignExtended (startProcess());
        case Op::stopProcess: return vstSignExtended (stopProcess());
        case Op::setTotalSampleToProcess: return vstSignExtended (setTotalSampleToProcess (valueAsInt));
        case Op::setPanLaw: return vstBoolean (setPanLaw (valueAsInt, opt));
        case Op::beginLoadBank: return vstSignExtended (beginLoadBank (static_cast<VstPatchChunkInfo*> (ptr)));
        case Op::beginLoadProgram: return vstSignExtended (beginLoadProgram (static_cast<VstPatchChunkInfo*> (ptr)));
        case Op::setProcessPrecision: return vstBoolean (setProcessPrecision (valueAsInt));
        case Op::getNumMidiInputChannels: return vstSignExtended (getNumMidiInputChannels());
        case Op::getNumMidiOutputChannels: return vstSignExtended (getNumMidiOutputChannels());

        default: return AudioEffect::dispatcher (opcode, index, value, ptr, opt);
    }
}

bool AudioEffectX::isUsableArrangement (const VstSpeakerArrangement* arrangement)
{
    return arrangement == nullptr || arrangement->numChannels >= 0;
}

bool AudioEffectX::isMidiChannel (int channel)
{
    return channel >= 0 && channel < 16;
}

// Asks the host for MIDI events when the plug-in wants them.
void AudioEffectX::resume()
{
    if (hasFlag (VstEffectFlag::isSynth) || canDo ("receiveVstMidiEvent") == 1)
        __wantEventsDeprecated (1);
}

//==============================================================================
// Record setters and accessors.

void AudioEffectX::isSynth (bool state)
{
    setFlag (VstEffectFlag::isSynth, state);
}

void AudioEffectX::noTail (bool state)
{
    setFlag (VstEffectFlag::noSoundInStop, state);
}

void AudioEffectX::__wantAsyncOperationDeprecated (bool state)
{
    setFlag (VstEffectFlag::extIsAsyncDeprecated, state);
}

void AudioEffectX::__hasExternalBufferDeprecated (bool state)
{
    setFlag (VstEffectFlag::extHasBufferDeprecated, state);
}

void AudioEffectX::__setBlockSizeAndSampleRateDeprecated (int newBlockSize, float newSampleRate)
{
    blockSize = newBlockSize;
    sampleRate = newSampleRate;
}

int AudioEffectX::getPlugCategory()
{
    return hasFlag (VstEffectFlag::isSynth) ? VstCategory::synth : VstCategory::unknown;
}

//==============================================================================
// Defaults a subclass overrides.

bool AudioEffectX::canParameterBeAutomated (int)
{
    return true;
}

bool AudioEffectX::string2parameter (int, char*) { return false; }
bool AudioEffectX::getParameterProperties (int, VstParameterProperties*) { return false; }
bool AudioEffectX::getProgramNameIndexed (int, int, char*) { return false; }
bool AudioEffectX::beginSetProgram() { return false; }
bool AudioEffectX::endSetProgram() { return false; }
int AudioEffectX::beginLoadBank (VstPatchChunkInfo*) { return 0; }
int AudioEffectX::beginLoadProgram (VstPatchChunkInfo*) { return 0; }
bool AudioEffectX::getInputProperties (int, VstPinProperties*) { return false; }
bool AudioEffectX::getOutputProperties (int, VstPinProperties*) { return false; }
bool AudioEffectX::setSpeakerArrangement (VstSpeakerArrangement*, VstSpeakerArrangement*) { return false; }

bool AudioEffectX::getSpeakerArrangement (VstSpeakerArrangement** pluginInput, VstSpeakerArrangement** pluginOutput)
{
    if (pluginInput != nullptr)
        *pluginInput = nullptr;
    if (pluginOutput != nullptr)
        *pluginOutput = nullptr;
    return false;
}

bool AudioEffectX::setBypass (bool) { return false; }
bool AudioEffectX::setPanLaw (int, float) { return false; }
bool AudioEffectX::setProcessPrecision (int) { return false; }
int AudioEffectX::getNumMidiInputChannels() { return 0; }
int AudioEffectX::getNumMidiOutputChannels() { return 0; }
int AudioEffectX::processEvents (VstEvents*) { return 0; }
int AudioEffectX::startProcess() { return 0; }
int AudioEffectX::stopProcess() { return 0; }
bool AudioEffectX::processVariableIo (VstVariableIo*) { return false; }

int AudioEffectX::setTotalSampleToProcess (int value)
{
    return value;
}

int AudioEffectX::getGetTailSize() { return 0; }
bool AudioEffectX::getEffectName (char*) { return false; }
bool AudioEffectX::getVendorString (char*) { return false; }
bool AudioEffectX::getProductString (char*) { return false; }
int AudioEffectX::getVendorVersion() { return 0; }
std::intptr_t AudioEffectX::vendorSpecific (int, std::intptr_t, void*, float) { return 0; }
int AudioEffectX::canDo (const char*) { return 0; }

int AudioEffectX::getVstVersion()
{
    return kVstInterfaceVersion;
}

int AudioEffectX::getMidiProgramName (int, MidiProgramName*) { return 0; }

int AudioEffectX::getCurrentMidiProgram (int, MidiProgramName*)
{
    return -1;
}

int AudioEffectX::getMidiProgramCategory (int, MidiProgramCategory*) { return 0; }
bool AudioEffectX::hasMidiProgramsChanged (int) { return false; }
bool AudioEffectX::getMidiKeyName (int, MidiKeyName*) { return false; }
int AudioEffectX::getNextShellPlugin (char*) { return 0; }

bool AudioEffectX::offlineNotify (VstAudioFile*, int, bool) { return false; }
bool AudioEffectX::offlinePrepare (VstOfflineTask*, int) { return false; }
bool AudioEffectX::offlineRun (VstOfflineTask*, int) { return false; }
int AudioEffectX::offlineGetNumPasses() { return 0; }
int AudioEffectX::offlineGetNumMetaPasses() { return 0; }

int AudioEffectX::__getNumCategoriesDeprecated()
{
    return 1;
}

bool AudioEffectX::__copyProgramDeprecated (int) { return false; }
void AudioEffectX::__inputConnectedDeprecated (int, bool) {}
void AudioEffectX::__outputConnectedDeprecated (int, bool) {}
int AudioEffectX::__reportCurrentPositionDeprecated() { return 0; }
float* AudioEffectX::__reportDestinationBufferDeprecated() { return nullptr; }
bool AudioEffectX::__getErrorTextDeprecated (char*) { return false; }
void* AudioEffectX::__getIconDeprecated() { return nullptr; }
bool AudioEffectX::__setViewPositionDeprecated (int, int) { return false; }
int AudioEffectX::__fxIdleDeprecated() { return 0; }
bool AudioEffectX::__keysRequiredDeprecated() { return false; }
