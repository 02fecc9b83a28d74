#include "AudioEffect.h"

#include "VstCall.h"

#include <cmath>
#include <cstring>

AudioEffect::AudioEffect (VstHostCallback callback, int programCount, int parameterCount)
    : hostCallback (callback), numPrograms (programCount), numParams (parameterCount)
{
    std::memset (&cEffect, 0, sizeof (cEffect));
    cEffect.magic = kVstEffectMagic;
    cEffect.dispatcher = dispatchEffectClass;
    cEffect.processAccumulatingDeprecated = __processClassDeprecated;
    cEffect.setParameter = setParameterClass;
    cEffect.getParameter = getParameterClass;
    cEffect.numPrograms = programCount;
    cEffect.numParams = parameterCount;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.flags = VstEffectFlag::canReplacing;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = kVstDefaultUniqueId;
    cEffect.version = 1;
    cEffect.processReplacing = processClassReplacing;
    cEffect.processDoubleReplacing = processClassDoubleReplacing;
}

AudioEffect::~AudioEffect()
{
    delete editor;
}

//==============================================================================
// Entry functions. The host is C: nothing may unwind into it, so every entry
// catches what an override might throw and answers as if nothing was done.

namespace
{
AudioEffect* objectOf (AEffect* e)
{
    return e != nullptr ? static_cast<AudioEffect*> (e->object) : nullptr;
}
} // namespace

std::intptr_t AudioEffect::dispatchEffectClass (AEffect* e, int opcode, int index, std::intptr_t value, void* ptr,
                                                float opt)
{
    auto* effect = objectOf (e);
    if (effect == nullptr)
        return 0;

    std::intptr_t result = 0;
    try
    {
        result = effect->dispatcher (opcode, index, value, ptr, opt);
    }
    catch (...)
    {
        result = 0;
    }

    if (opcode == VstEffectOpcode::close)
    {
        delete effect;
        return 1;
    }
    return result;
}

float AudioEffect::getParameterClass (AEffect* e, int index)
{
    auto* effect = objectOf (e);
    if (effect == nullptr || ! effect->isParameterIndex (index))
        return 0.0f;
    try
    {
        return effect->getParameter (index);
    }
    catch (...)
    {
        return 0.0f;
    }
}

void AudioEffect::setParameterClass (AEffect* e, int index, float value)
{
    auto* effect = objectOf (e);
    if (effect == nullptr || ! effect->isParameterIndex (index))
        return;
    try
    {
        effect->setParameter (index, value);
    }
    catch (...)
    {
    }
}

void AudioEffect::__processClassDeprecated (AEffect* e, float** inputs, float** outputs, int sampleFrames)
{
    auto* effect = objectOf (e);
    if (effect == nullptr || sampleFrames < 0)
        return;
    try
    {
        effect->__processDeprecated (inputs, outputs, sampleFrames);
    }
    catch (...)
    {
    }
}

void AudioEffect::processClassReplacing (AEffect* e, float** inputs, float** outputs, int sampleFrames)
{
    auto* effect = objectOf (e);
    if (effect == nullptr || sampleFrames < 0)
        return;
    try
    {
        effect->processReplacing (inputs, outputs, sampleFrames);
    }
    catch (...)
    {
    }
}

void AudioEffect::processClassDoubleReplacing (AEffect* e, double** inputs, double** outputs, int sampleFrames)
{
    auto* effect = objectOf (e);
    if (effect == nullptr || sampleFrames < 0)
        return;
    try
    {
        effect->processDoubleReplacing (inputs, outputs, sampleFrames);
    }
    catch (...)
    {
    }
}

//==============================================================================
std::intptr_t AudioEffect::dispatcher (int opcode, int index, std::intptr_t value, void* ptr, float opt)
{
    namespace Op = VstEffectOpcode;

    if (vstOpcodeNeedsPointer (opcode) && ptr == nullptr)
        return 0;

    auto* text = static_cast<char*> (ptr);

    // Compared as unsigned so that negative opcodes fall through to "nothing".
    switch (static_cast<std::uint32_t> (opcode))
    {
        case Op::open: open(); return 0;
        case Op::close: close(); return 0;

        case Op::setProgram:
            if (isProgramIndex (value))
                setProgram (static_cast<int> (value));
            return 0;
        case Op::getProgram: return vstSignExtended (getProgram());
        case Op::setProgramName: setProgramName (text); return 0;
        case Op::getProgramName: getProgramName (text); return 0;

        case Op::getParameterLabel:
        case Op::getParameterDisplay:
        case Op::getParameterName:
            if (! isParameterIndex (index))
                text[0] = 0;
            else if (opcode == Op::getParameterLabel)
                getParameterLabel (index, text);
            else if (opcode == Op::getParameterDisplay)
                getParameterDisplay (index, text);
            else
                getParameterName (index, text);
            return 0;

        case Op::setSampleRate:
            if (std::isfinite (opt) && opt > 0.0f)
                setSampleRate (opt);
            return 0;
        case Op::setBlockSize:
            if (value > 0 && value <= INT32_MAX)
                setBlockSize (static_cast<int> (value));
            return 0;
        case Op::setActive:
            if (value != 0)
                resume();
            else
                suspend();
            return 0;

        case Op::editorGetRect: return editor != nullptr ? vstBoolean (editor->getRect (static_cast<VstEditorRect**> (ptr))) : 0;
        case Op::editorOpen: return editor != nullptr ? vstBoolean (editor->open (ptr)) : 0;
        case Op::editorClose:
            if (editor != nullptr)
                editor->close();
            return 0;
        case Op::editorIdle:
            if (editor != nullptr)
                editor->idle();
            return 0;

        case Op::identify: return kVstIdentifyAnswer;

        case Op::getChunk:
        {
            auto** data = static_cast<void**> (ptr);
            *data = nullptr;
            const auto size = getChunk (data, index != 0);
            if (*data == nullptr || ! vstIsChunkSize (size))
            {
                *data = nullptr;
                return 0;
            }
            return vstSignExtended (size);
        }
        case Op::setChunk:
            if (! vstIsChunkSize (value))
                return 0;
            return vstSignExtended (setChunk (ptr, static_cast<int> (value), index != 0));

        default: return 0;
    }
}

bool AudioEffect::isParameterIndex (std::intptr_t index) const
{
    return index >= 0 && index < cEffect.numParams;
}

bool AudioEffect::isProgramIndex (std::intptr_t index) const
{
    return index >= 0 && index < cEffect.numPrograms;
}

//==============================================================================
// Defaults.

void AudioEffect::open() {}
void AudioEffect::close() {}
void AudioEffect::suspend() {}
void AudioEffect::resume() {}

void AudioEffect::setSampleRate (float newSampleRate)
{
    sampleRate = newSampleRate;
}

void AudioEffect::setBlockSize (int newBlockSize)
{
    blockSize = newBlockSize;
}

void AudioEffect::processDoubleReplacing (double**, double**, int) {}

void AudioEffect::setParameter (int, float) {}

float AudioEffect::getParameter (int)
{
    return 0.0f;
}

void AudioEffect::setParameterAutomated (int index, float value)
{
    setParameter (index, value);
    callHost (VstHostOpcode::automate, index, 0, nullptr, value);
}

int AudioEffect::getProgram()
{
    return curProgram;
}

void AudioEffect::setProgram (int program)
{
    curProgram = program;
}

void AudioEffect::setProgramName (char*) {}

void AudioEffect::getProgramName (char* name)
{
    if (name != nullptr)
        name[0] = 0;
}

void AudioEffect::getParameterLabel (int, char* label)
{
    if (label != nullptr)
        label[0] = 0;
}

void AudioEffect::getParameterDisplay (int, char* text)
{
    if (text != nullptr)
        text[0] = 0;
}

void AudioEffect::getParameterName (int, char* text)
{
    if (text != nullptr)
        text[0] = 0;
}

int AudioEffect::getChunk (void**, bool)
{
    return 0;
}

int AudioEffect::setChunk (void*, int, bool)
{
    return 0;
}

//==============================================================================
// Record setters and accessors.

void AudioEffect::setFlag (int flag, bool state)
{
    if (state)
        cEffect.flags |= flag;
    else
        cEffect.flags &= ~flag;
}

bool AudioEffect::hasFlag (int flag) const
{
    return (cEffect.flags & flag) != 0;
}

void AudioEffect::setUniqueID (int id)
{
    cEffect.uniqueID = id;
}

void AudioEffect::setNumInputs (int inputs)
{
    cEffect.numInputs = inputs;
}

void AudioEffect::setNumOutputs (int outputs)
{
    cEffect.numOutputs = outputs;
}

void AudioEffect::canProcessReplacing (bool state)
{
    setFlag (VstEffectFlag::canReplacing, state);
}

void AudioEffect::canDoubleReplacing (bool state)
{
    setFlag (VstEffectFlag::canDoubleReplacing, state);
}

void AudioEffect::programsAreChunks (bool state)
{
    setFlag (VstEffectFlag::programChunks, state);
}

void AudioEffect::setInitialDelay (int delay)
{
    cEffect.initialDelay = delay;
}

void AudioEffect::__hasVuDeprecated (bool state)
{
    setFlag (VstEffectFlag::hasVuDeprecated, state);
}

void AudioEffect::__hasClipDeprecated (bool state)
{
    setFlag (VstEffectFlag::hasClipDeprecated, state);
}

void AudioEffect::__canMonoDeprecated (bool state)
{
    setFlag (VstEffectFlag::canMonoDeprecated, state);
}

void AudioEffect::__setRealtimeQualitiesDeprecated (int qualities)
{
    cEffect.realtimeQualitiesDeprecated = qualities;
}

void AudioEffect::__setOfflineQualitiesDeprecated (int qualities)
{
    cEffect.offlineQualitiesDeprecated = qualities;
}

AudioEffectEditor* AudioEffect::getEditor()
{
    return editor;
}

AEffect* AudioEffect::getAeffect()
{
    return &cEffect;
}

float AudioEffect::getSampleRate()
{
    return sampleRate;
}

int AudioEffect::getBlockSize()
{
    return blockSize;
}

void AudioEffect::__processDeprecated (float**, float**, int) {}

float AudioEffect::__getVuDeprecated()
{
    return 0.0f;
}

//==============================================================================
// Calls into the host.

std::intptr_t AudioEffect::callHost (int opcode, int index, std::intptr_t value, void* ptr, float opt)
{
    return hostCallback != nullptr ? hostCallback (&cEffect, opcode, index, value, ptr, opt) : 0;
}

int AudioEffect::getMasterVersion()
{
    const auto version = callHost (VstHostOpcode::version);
    return version != 0 ? static_cast<int> (version) : 1;
}

int AudioEffect::getCurrentUniqueId()
{
    return static_cast<int> (callHost (VstHostOpcode::currentId));
}

void AudioEffect::masterIdle()
{
    callHost (VstHostOpcode::idle);
}

bool AudioEffect::__isInputConnectedDeprecated (int input)
{
    return callHost (VstHostOpcode::pinConnectedDeprecated, input, 0) == 0;
}

bool AudioEffect::__isOutputConnectedDeprecated (int output)
{
    return callHost (VstHostOpcode::pinConnectedDeprecated, output, 1) == 0;
}
