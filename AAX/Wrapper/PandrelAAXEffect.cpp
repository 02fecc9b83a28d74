#include "PandrelAAXEffect.h"

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CPacketHandler.h"
#include "AAX_CParameter.h"
#include "AAX_Errors.h"
#include "AAX_IController.h"

#include <juce_audio_plugin_client/utility/juce_CreatePluginFilter.h>

#include <cmath>
#include <cstring>

namespace
{
constexpr double fallbackSampleRate = 44100.0;
constexpr int maxNameChars = 31;
constexpr int shortNameChars = 4;
constexpr AAX_EParameterOrientation invertedOrientation = 19;

juce::AudioChannelSet channelSetOf (AAX_EStemFormat format)
{
    switch (AAX_STEM_FORMAT_CHANNEL_COUNT (format))
    {
        case 1: return juce::AudioChannelSet::mono();
        case 2: return juce::AudioChannelSet::stereo();
        default: return juce::AudioChannelSet::disabled();
    }
}

// Nothing a host calls lets an exception out.
template <typename Operation>
AAX_Result guarded (Operation&& operation) noexcept
{
    try
    {
        return operation();
    }
    catch (...)
    {
        return AAX_ERROR_UNEXPECTED;
    }
}

struct ScopedFlag
{
    explicit ScopedFlag (std::atomic<bool>& f) : flag (f) { flag = true; }
    ~ScopedFlag() { flag = false; }
    std::atomic<bool>& flag;
};

void nameChunk (AAX_SPlugInChunk& chunk, const char* name)
{
    std::memset (chunk.fName, 0, sizeof (chunk.fName));
    std::strncpy (chunk.fName, name, sizeof (chunk.fName) - 1);
}
} // namespace

PandrelAAXEffect::PandrelAAXEffect (std::unique_ptr<juce::AudioProcessor> processorToWrap)
    : processor (std::move (processorToWrap))
{
    processor->setPlayHead (&playHead);
}

PandrelAAXEffect::~PandrelAAXEffect()
{
    if (listening)
        processor->removeListener (this);
    // The parameters go before the processor they describe.
    mParameterManager.RemoveAllParameters();
    {
        // The message thread may be inside one of the processor's timers.
        const juce::MessageManagerLock lock;
        processor.reset();
    }
}

IACFUnknown* PandrelAAXEffect::create()
{
    try
    {
        // The processor is made on the host's thread, standing in as JUCE's
        // message thread meanwhile; the instance keeps the message thread and
        // JUCE alive afterwards.
        juce::ScopedJuceInitialiser_GUI juceInitialiser;
        PluginMessageThread messageThread;
        HostDrivenMessageLoop onHostThread;

        auto processor = juce::createPluginFilterOfType (juce::AudioProcessor::wrapperType_AAX);
        if (processor == nullptr)
            return nullptr;
        auto* effect = new PandrelAAXEffect (std::move (processor));
        effect->AddRef();
        return static_cast<AAX_IACFEffectParameters*> (effect);
    }
    catch (...)
    {
        return nullptr;
    }
}

//==============================================================================
AAX_Result PandrelAAXEffect::EffectInit()
{
    return guarded ([&]() -> AAX_Result {
        playHead.setTransport (Transport());
        takeLayoutFromHost();

        AAX_CSampleRate rate = 0.0f;
        const double sampleRate = Controller() != nullptr && Controller()->GetSampleRate (&rate) == AAX_SUCCESS
                                          && std::isfinite (rate) && rate > 0.0f
                                      ? double (rate)
                                      : fallbackSampleRate;
        {
            const juce::ScopedLock lock (processor->getCallbackLock());
            processor->setRateAndBufferSizeDetails (sampleRate, cMaxFramesPerBlock);
            processor->prepareToPlay (sampleRate, cMaxFramesPerBlock);
            block.prepare (std::max (numIns, numOuts), cMaxFramesPerBlock);
        }

        addParameters();

        const AAX_CPacketHandler<AAX_CPacketDispatcher> bypassPacket (&mPacketDispatcher,
                                                                      &AAX_CPacketDispatcher::GenerateSingleValuePacket);
        mPacketDispatcher.RegisterPacket (cDefaultMasterBypassID, cBypassPort, &bypassPacket);

        if (! listening)
            processor->addListener (this);
        listening = true;
        return AAX_SUCCESS;
    });
}

// The host's stem formats; a layout the processor cannot take leaves its own.
void PandrelAAXEffect::takeLayoutFromHost()
{
    AAX_EStemFormat in = AAX_eStemFormat_None, out = AAX_eStemFormat_None;
    if (Controller() != nullptr && Controller()->GetInputStemFormat (&in) == AAX_SUCCESS
        && Controller()->GetOutputStemFormat (&out) == AAX_SUCCESS)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (channelSetOf (in));
        layout.outputBuses.add (channelSetOf (out));
        if (layout.getMainInputChannels() > 0 && layout.getMainOutputChannels() > 0
            && processor->checkBusesLayoutSupported (layout))
        {
            const juce::ScopedLock lock (processor->getCallbackLock());
            processor->setBusesLayout (layout);
        }
    }
    numIns = processor->getTotalNumInputChannels();
    numOuts = processor->getTotalNumOutputChannels();
}

void PandrelAAXEffect::addParameters()
{
    const AAX_CLinearTaperDelegate<float, 0> taper (0.0f, 1.0f);
    const AAX_CNumberDisplayDelegate<float, 3, 0> display;

    const auto& parameters = processor->getParameters();
    for (int i = 0; i < parameters.size(); ++i)
    {
        const auto* p = parameters[i];
        const juce::String id (i);
        const AAX_CString name (p->getName (maxNameChars).substring (0, maxNameChars).toRawUTF8());
        auto* parameter = new AAX_CParameter<float> (id.toRawUTF8(), name, p->getDefaultValue(), taper, display,
                                                     p->isAutomatable());
        parameter->AddShortenedName (AAX_CString (p->getName (shortNameChars).substring (0, shortNameChars).toRawUTF8()));
        const int steps = p->getNumSteps();
        parameter->SetNumberOfSteps (static_cast<std::uint32_t> (std::max (steps, 0)));
        parameter->SetType (steps >= 1001 ? AAX_eParameterType_Continuous : AAX_eParameterType_Discrete);
        parameter->SetOrientation (p->isOrientationInverted() ? invertedOrientation : 0);
        // Not yet attached to the host's automation, the value is stored at
        // once: whenever the host initialises, it starts from what the
        // processor holds, not from the defaults.
        parameter->SetValueWithFloat (p->getValue());
        mParameterManager.AddParameter (parameter);
    }

    const AAX_CBinaryTaperDelegate<bool> bypassTaper;
    const AAX_CBinaryDisplayDelegate<bool> bypassDisplay ("bypass", "on");
    auto* bypass = new AAX_CParameter<bool> (cDefaultMasterBypassID, AAX_CString ("Master Bypass"), false, bypassTaper,
                                             bypassDisplay, true);
    bypass->SetNumberOfSteps (2);
    bypass->SetType (AAX_eParameterType_Discrete);
    mParameterManager.AddParameter (bypass);
}

AAX_Result PandrelAAXEffect::Uninitialize()
{
    return guarded ([&]() -> AAX_Result {
        if (listening)
            processor->removeListener (this);
        listening = false;
        {
            const juce::ScopedLock lock (processor->getCallbackLock());
            block.release();
            processor->releaseResources();
            playHead.setTransport (nullptr);
        }
        return AAX_CEffectParameters::Uninitialize();
    });
}

int PandrelAAXEffect::processorIndexOf (AAX_CParamID id) const
{
    const int index = mParameterManager.GetParameterIndex (id);
    return index >= 0 && index < processor->getParameters().size() ? index : -1;
}

//==============================================================================
// Values: the host's confirmed value reaches the processor without telling the
// processor's listeners, so it is not sent back.

AAX_Result PandrelAAXEffect::UpdateParameterNormalizedValue (AAX_CParamID id, double value, AAX_EUpdateSource source)
{
    return guarded ([&]() -> AAX_Result {
        const AAX_Result result = AAX_CEffectParameters::UpdateParameterNormalizedValue (id, value, source);
        if (result != AAX_SUCCESS)
            return result;

        const int index = processorIndexOf (id);
        float stored = 0.0f;
        if (index >= 0 && mParameterManager.GetParameter (index)->GetValueAsFloat (&stored))
            processor->getParameters()[index]->setValue (stored);
        return AAX_SUCCESS;
    });
}

void PandrelAAXEffect::audioProcessorParameterChanged (juce::AudioProcessor*, int index, float newValue)
{
    if (restoringState)
        return;
    if (auto* parameter = mParameterManager.GetParameter (index); parameter != nullptr && std::isfinite (newValue))
        parameter->SetValueWithFloat (newValue);
}

void PandrelAAXEffect::audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index)
{
    if (auto* parameter = mParameterManager.GetParameter (index))
        TouchParameter (parameter->Identifier());
}

void PandrelAAXEffect::audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index)
{
    if (auto* parameter = mParameterManager.GetParameter (index))
        ReleaseParameter (parameter->Identifier());
}

//==============================================================================
// Chunks: the base's parameter chunk first, then the processor's state.

AAX_Result PandrelAAXEffect::GetNumberOfChunks (std::int32_t* outCount) const
{
    if (outCount == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *outCount = 2;
    return AAX_SUCCESS;
}

AAX_Result PandrelAAXEffect::GetChunkIDFromIndex (std::int32_t index, AAX_CTypeID* outID) const
{
    if (index != 1)
        return AAX_CEffectParameters::GetChunkIDFromIndex (index, outID);
    if (outID == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *outID = cStateChunkID;
    return AAX_SUCCESS;
}

AAX_Result PandrelAAXEffect::GetChunkSize (AAX_CTypeID id, std::uint32_t* outSize) const
{
    return guarded ([&]() -> AAX_Result {
        if (id != cStateChunkID)
            return AAX_CEffectParameters::GetChunkSize (id, outSize);
        if (outSize == nullptr)
            return AAX_ERROR_NULL_OBJECT;

        stateChunk.reset();
        processor->getStateInformation (stateChunk);
        if (stateChunk.getSize() > static_cast<std::size_t> (INT32_MAX))
            return AAX_ERROR_INCORRECT_CHUNK_SIZE;
        *outSize = static_cast<std::uint32_t> (stateChunk.getSize());
        return AAX_SUCCESS;
    });
}

// The state as it was sized: the host made room for exactly that.
AAX_Result PandrelAAXEffect::GetChunk (AAX_CTypeID id, AAX_SPlugInChunk* outChunk) const
{
    return guarded ([&]() -> AAX_Result {
        if (id != cStateChunkID)
            return AAX_CEffectParameters::GetChunk (id, outChunk);
        if (outChunk == nullptr)
            return AAX_ERROR_NULL_OBJECT;
        if (stateChunk.isEmpty())
            return AAX_ERROR_INCORRECT_CHUNK_SIZE;

        outChunk->fSize = static_cast<std::int32_t> (stateChunk.getSize());
        outChunk->fVersion = 1;
        nameChunk (*outChunk, cStateChunkName);
        std::memcpy (outChunk->fData, stateChunk.getData(), stateChunk.getSize());
        return AAX_SUCCESS;
    });
}

// Hosts restore the two chunks in either order; both give back exactly the
// values that were saved.
AAX_Result PandrelAAXEffect::SetChunk (AAX_CTypeID id, const AAX_SPlugInChunk* chunk)
{
    return guarded ([&]() -> AAX_Result {
        if (id != cStateChunkID)
        {
            const AAX_Result result = AAX_CEffectParameters::SetChunk (id, chunk);
            if (result == AAX_SUCCESS)
                takeParameterChunk();
            return result;
        }
        if (chunk == nullptr)
            return AAX_ERROR_NULL_OBJECT;
        if (chunk->fSize > 0)
            restoreState (chunk->fData, chunk->fSize);
        return AAX_SUCCESS;
    });
}

// The parameter chunk's values, just asked of the host, reach the processor
// at once as well, as the host will confirm them: a state restored next can
// then keep them.
void PandrelAAXEffect::takeParameterChunk()
{
    const auto& parameters = processor->getParameters();
    for (int i = 0; i < parameters.size(); ++i)
    {
        auto* parameter = mParameterManager.GetParameter (i);
        double value = 0.0, normalized = 0.0;
        float held = 0.0f;
        if (parameter != nullptr && mChunkParser.FindDouble (parameter->Identifier(), &value)
            && parameter->GetNormalizedValueFromFloat (static_cast<float> (value), &normalized)
            && parameter->GetFloatFromNormalizedValue (normalized, &held))
            parameters[i]->setValue (held);
    }
}

// The state's document holds values rounded to its text; when the values the
// processor held write the very same document, they are that state's exact
// values (the parameter chunk's) and stay. The host then hears each value
// once, when the restore is done.
void PandrelAAXEffect::restoreState (const void* data, int size)
{
    const auto& parameters = processor->getParameters();
    const auto values = [&parameters] {
        std::vector<float> result;
        for (const auto* p : parameters)
            result.push_back (p->getValue());
        return result;
    };
    const auto apply = [&parameters] (const std::vector<float>& v) {
        for (int i = 0; i < parameters.size(); ++i)
            parameters[i]->setValue (v[static_cast<std::size_t> (i)]);
    };

    const auto held = values();
    {
        const ScopedFlag restoring (restoringState);
        processor->setStateInformation (data, size);
        if (const auto restored = values(); restored != held)
        {
            apply (held);
            juce::MemoryBlock written;
            processor->getStateInformation (written);
            if (! written.matches (data, static_cast<std::size_t> (size)))
                apply (restored);
        }
    }

    for (int i = 0; i < parameters.size(); ++i)
        if (auto* parameter = mParameterManager.GetParameter (i))
            parameter->SetValueWithFloat (parameters[i]->getValue());
}

AAX_Result PandrelAAXEffect::CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) const
{
    return guarded ([&]() -> AAX_Result {
        if (chunk == nullptr || outIsEqual == nullptr || chunk->fChunkID != cStateChunkID)
            return AAX_CEffectParameters::CompareActiveChunk (chunk, outIsEqual);

        juce::MemoryBlock current;
        processor->getStateInformation (current);
        *outIsEqual = chunk->fSize >= 0 && static_cast<std::size_t> (chunk->fSize) == current.getSize()
                              && std::memcmp (chunk->fData, current.getData(), current.getSize()) == 0
                          ? 1
                          : 0;
        return AAX_SUCCESS;
    });
}

//==============================================================================
// Audio. The callback lock keeps preparing and rendering apart.

void PandrelAAXEffect::render (const float* const* inputs, float* const* outputs, int numFrames, bool bypassed)
{
    if (outputs == nullptr || numFrames <= 0)
        return;

    const juce::ScopedLock lock (processor->getCallbackLock());
    if (! block.isPrepared())
    {
        HostAudioBlock::clear (outputs, numOuts, numFrames);
        return;
    }

    // Bypassed, the processor ramps to the input itself, as under the other
    // formats, and forgets what it held.
    auto* ins = const_cast<float* const*> (inputs);
    playHead.setInsideRender (true);
    block.run (ins, numIns, outputs, numOuts, numOuts, numFrames, [this, bypassed] (juce::AudioBuffer<float>& buffer) {
        noMidi.clear();
        if (bypassed)
            processor->processBlockBypassed (buffer, noMidi);
        else
            processor->processBlock (buffer, noMidi);
    });
    playHead.setInsideRender (false);
}
