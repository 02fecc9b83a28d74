#include "PandrelVst2Effect.h"

#include <cmath>
#include <cstring>

namespace
{
// Longest texts written into host buffers, terminator not counted; the sizes
// hosts allocate for JUCE plug-ins.
constexpr int nameChars = 32;
constexpr int textChars = 24;
constexpr int productChars = 64;

constexpr const char* vendorName = "Morvid";

void copyText (const juce::String& source, char* destination, int maxChars)
{
    if (destination != nullptr)
        source.copyToUTF8 (destination, static_cast<size_t> (maxChars) + 1);
}

// A host text that may lack its terminator within the first maxChars bytes.
juce::String hostText (const char* text, int maxChars)
{
    return text != nullptr ? juce::String::fromUTF8 (text, static_cast<int> (strnlen (text, static_cast<size_t> (maxChars))))
                           : juce::String();
}

// The channel set an arrangement from the host asks for; disabled when it is
// none the plug-in could take.
juce::AudioChannelSet channelSetOf (const VstSpeakerArrangement& arrangement)
{
    const bool typeAgrees = arrangement.type == VstArrangementType::userDefined
                            || (arrangement.numChannels == 1 && arrangement.type == VstArrangementType::mono)
                            || (arrangement.numChannels == 2 && arrangement.type == VstArrangementType::stereo);
    if (! typeAgrees)
        return juce::AudioChannelSet::disabled();
    if (arrangement.numChannels == 1)
        return juce::AudioChannelSet::mono();
    if (arrangement.numChannels == 2)
        return juce::AudioChannelSet::stereo();
    return juce::AudioChannelSet::disabled();
}

void describe (VstSpeakerArrangement& arrangement, int channels)
{
    channels = juce::jlimit (0, 2, channels);
    arrangement.numChannels = channels;
    arrangement.type = channels == 1   ? VstArrangementType::mono
                       : channels == 2 ? VstArrangementType::stereo
                                       : VstArrangementType::empty;
    for (int ch = 0; ch < channels; ++ch)
    {
        auto* speaker = vstSpeaker (&arrangement, static_cast<std::size_t> (ch));
        std::memset (speaker, 0, sizeof (VstSpeakerProperties));
        speaker->type = channels == 1 ? VstSpeakerType::mono : ch == 0 ? VstSpeakerType::left : VstSpeakerType::right;
        std::strcpy (speaker->name, channels == 1 ? "M" : ch == 0 ? "L" : "R");
    }
}
} // namespace

PandrelVst2Effect::PandrelVst2Effect (VstHostCallback callback, std::unique_ptr<juce::AudioProcessor> processorToWrap)
    : AudioEffectX (callback, processorToWrap->getNumPrograms(), processorToWrap->getParameters().size()),
      processor (std::move (processorToWrap)),
      editorHost (*processor)
{
    processor->setPlayHead (&playHead);
    processor->addListener (this);

    setUniqueID (uniqueId);
    cEffect.version = versionCode;
    setNumInputs (processor->getTotalNumInputChannels());
    setNumOutputs (processor->getTotalNumOutputChannels());
    canProcessReplacing (true);
    canDoubleReplacing (false);
    programsAreChunks (true);
    setFlag (VstEffectFlag::hasEditor, processor->hasEditor());
    setInitialDelay (processor->getLatencySamples());

    allocateArrangement (&inputArrangement, 2);
    allocateArrangement (&outputArrangement, 2);
    describeLayout();
}

PandrelVst2Effect::~PandrelVst2Effect()
{
    editorHost.close();
    processor->removeListener (this);
    {
        // The message thread may be inside one of the processor's timers.
        const juce::MessageManagerLock lock;
        processor.reset();
    }
    deallocateArrangement (&inputArrangement);
    deallocateArrangement (&outputArrangement);
}

//==============================================================================
// The editor opcodes are answered here; everything else goes through the base.
std::intptr_t PandrelVst2Effect::dispatcher (int opcode, int index, std::intptr_t value, void* ptr, float opt)
{
    namespace Op = VstEffectOpcode;
    switch (opcode)
    {
        case Op::editorGetRect:
            if (ptr == nullptr || ! processor->hasEditor())
                return 0;
            *static_cast<VstEditorRect**> (ptr) = editorHost.rect();
            return 1;
        case Op::editorOpen: return processor->hasEditor() && editorHost.open (ptr) ? 1 : 0;
        case Op::editorClose: editorHost.close(); return 0;
        case Op::editorIdle: editorHost.idle(); return 0;
        default: return AudioEffectX::dispatcher (opcode, index, value, ptr, opt);
    }
}

//==============================================================================
// Audio. The callback lock keeps preparing and processing apart, whatever
// threads a host calls them on.

void PandrelVst2Effect::resume()
{
    {
        const juce::ScopedLock lock (processor->getCallbackLock());
        processor->setRateAndBufferSizeDetails (getSampleRate(), getBlockSize());
        processor->prepareToPlay (getSampleRate(), getBlockSize());
        block.prepare (std::max (cEffect.numInputs, cEffect.numOutputs), getBlockSize());
    }
    setInitialDelay (processor->getLatencySamples());
    AudioEffectX::resume();
}

void PandrelVst2Effect::suspend()
{
    const juce::ScopedLock lock (processor->getCallbackLock());
    block.release();
    processor->releaseResources();
}

void PandrelVst2Effect::processReplacing (float** inputs, float** outputs, int sampleFrames)
{
    if (outputs == nullptr || sampleFrames <= 0)
        return;

    const int hostOuts = cEffect.numOutputs;
    const juce::ScopedLock lock (processor->getCallbackLock());
    if (! block.isPrepared() || processor->isSuspended())
    {
        HostAudioBlock::clear (outputs, hostOuts, sampleFrames);
        return;
    }

    const int ins = std::min (processor->getTotalNumInputChannels(), cEffect.numInputs);
    const int outs = std::min (processor->getTotalNumOutputChannels(), hostOuts);
    const bool bypass = bypassed.load (std::memory_order_relaxed);

    playHead.setInsideProcess (true);
    block.run (inputs, ins, outputs, outs, hostOuts, sampleFrames, [this, bypass] (juce::AudioBuffer<float>& buffer) {
        noMidi.clear();
        if (bypass)
            processor->processBlockBypassed (buffer, noMidi);
        else
            processor->processBlock (buffer, noMidi);
    });
    playHead.setInsideProcess (false);
}

// Double precision is not offered; a host that calls it anyway gets silence.
void PandrelVst2Effect::processDoubleReplacing (double**, double** outputs, int sampleFrames)
{
    if (outputs == nullptr || sampleFrames <= 0)
        return;
    for (int ch = 0; ch < cEffect.numOutputs; ++ch)
        if (outputs[ch] != nullptr)
            std::fill_n (outputs[ch], sampleFrames, 0.0);
}

bool PandrelVst2Effect::setBypass (bool onOff)
{
    bypassed.store (onOff, std::memory_order_relaxed);
    return true;
}

bool PandrelVst2Effect::setProcessPrecision (int precision)
{
    return precision == VstPrecision::singleFloat;
}

int PandrelVst2Effect::getGetTailSize()
{
    const double seconds = processor->getTailLengthSeconds();
    if (! (seconds > 0.0))
        return 0;
    return static_cast<int> (std::min (seconds * getSampleRate(), static_cast<double> (INT32_MAX)));
}

//==============================================================================
// Parameters. A value the host sets goes to the parameter without telling
// the parameter's listeners, so it never comes back to the host.

juce::AudioProcessorParameter* PandrelVst2Effect::parameter (int index) const
{
    const auto& parameters = processor->getParameters();
    return juce::isPositiveAndBelow (index, parameters.size()) ? parameters[index] : nullptr;
}

void PandrelVst2Effect::setParameter (int index, float value)
{
    if (! std::isfinite (value))
        return;
    if (auto* p = parameter (index))
        p->setValue (value);
}

float PandrelVst2Effect::getParameter (int index)
{
    auto* p = parameter (index);
    return p != nullptr ? p->getValue() : 0.0f;
}

void PandrelVst2Effect::getParameterLabel (int index, char* label)
{
    auto* p = parameter (index);
    copyText (p != nullptr ? p->getLabel() : juce::String(), label, textChars);
}

void PandrelVst2Effect::getParameterDisplay (int index, char* text)
{
    auto* p = parameter (index);
    copyText (p != nullptr ? p->getCurrentValueAsText() : juce::String(), text, textChars);
}

void PandrelVst2Effect::getParameterName (int index, char* text)
{
    auto* p = parameter (index);
    copyText (p != nullptr ? p->getName (nameChars) : juce::String(), text, nameChars);
}

void PandrelVst2Effect::audioProcessorParameterChanged (juce::AudioProcessor*, int index, float newValue)
{
    callHost (VstHostOpcode::automate, index, 0, nullptr, newValue);
}

void PandrelVst2Effect::audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index)
{
    beginEdit (index);
}

void PandrelVst2Effect::audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index)
{
    endEdit (index);
}

void PandrelVst2Effect::audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails& details)
{
    if (details.latencyChanged && processor->getLatencySamples() != cEffect.initialDelay)
    {
        setInitialDelay (processor->getLatencySamples());
        ioChanged();
    }
    if (details.programChanged || details.parameterInfoChanged)
        updateDisplay();
}

//==============================================================================
// Programs and chunks.

int PandrelVst2Effect::getProgram()
{
    return processor->getCurrentProgram();
}

void PandrelVst2Effect::setProgram (int program)
{
    if (isProgramIndex (program))
        processor->setCurrentProgram (program);
}

void PandrelVst2Effect::setProgramName (char* name)
{
    processor->changeProgramName (processor->getCurrentProgram(), hostText (name, textChars));
}

void PandrelVst2Effect::getProgramName (char* name)
{
    copyText (processor->getProgramName (processor->getCurrentProgram()), name, textChars);
}

bool PandrelVst2Effect::getProgramNameIndexed (int, int index, char* text)
{
    if (! isProgramIndex (index))
        return false;
    copyText (processor->getProgramName (index), text, textChars);
    return true;
}

// The chunk stays valid until the next call, as hosts expect.
int PandrelVst2Effect::getChunk (void** data, bool isPreset)
{
    chunk.reset();
    if (isPreset)
        processor->getCurrentProgramStateInformation (chunk);
    else
        processor->getStateInformation (chunk);

    *data = chunk.getData();
    return static_cast<int> (chunk.getSize());
}

// Whatever the processor cannot read it leaves unapplied.
int PandrelVst2Effect::setChunk (void* data, int byteSize, bool isPreset)
{
    if (isPreset)
        processor->setCurrentProgramStateInformation (data, byteSize);
    else
        processor->setStateInformation (data, byteSize);
    return 1;
}

//==============================================================================
// Channel layouts: (2 in, 2 out), (1 in, 2 out), (1 in, 1 out).

bool PandrelVst2Effect::setSpeakerArrangement (VstSpeakerArrangement* pluginInput, VstSpeakerArrangement* pluginOutput)
{
    if (pluginInput == nullptr || pluginOutput == nullptr)
        return false;

    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (channelSetOf (*pluginInput));
    layout.outputBuses.add (channelSetOf (*pluginOutput));
    if (layout.getMainInputChannels() == 0 || layout.getMainOutputChannels() == 0
        || ! processor->checkBusesLayoutSupported (layout))
        return false;

    bool changed = false;
    {
        const juce::ScopedLock lock (processor->getCallbackLock());
        changed = processor->setBusesLayout (layout);
    }
    describeLayout();
    return changed;
}

bool PandrelVst2Effect::getSpeakerArrangement (VstSpeakerArrangement** pluginInput, VstSpeakerArrangement** pluginOutput)
{
    *pluginInput = inputArrangement;
    *pluginOutput = outputArrangement;
    return true;
}

void PandrelVst2Effect::describeLayout()
{
    describe (*inputArrangement, processor->getTotalNumInputChannels());
    describe (*outputArrangement, processor->getTotalNumOutputChannels());
}

//==============================================================================
// Identity.

bool PandrelVst2Effect::getEffectName (char* name)
{
    copyText (processor->getName(), name, nameChars);
    return true;
}

bool PandrelVst2Effect::getVendorString (char* text)
{
    copyText (vendorName, text, productChars);
    return true;
}

bool PandrelVst2Effect::getProductString (char* text)
{
    copyText (processor->getName(), text, productChars);
    return true;
}

int PandrelVst2Effect::getVendorVersion()
{
    return versionCode;
}

int PandrelVst2Effect::getPlugCategory()
{
    return VstCategory::effect;
}

int PandrelVst2Effect::canDo (const char* text)
{
    static constexpr const char* supported[] = { "receiveVstTimeInfo", "plugAsChannelInsert", "plugAsSend", "bypass",
                                                 "1in1out", "1in2out", "2in2out" };
    static constexpr const char* refused[] = { "receiveVstEvents", "receiveVstMidiEvent", "sendVstEvents",
                                               "sendVstMidiEvent" };
    const auto query = hostText (text, 64);
    for (const auto* word : supported)
        if (query == word)
            return 1;
    for (const auto* word : refused)
        if (query == word)
            return -1;
    return 0;
}
