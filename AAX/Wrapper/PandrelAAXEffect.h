#pragma once

#include "AAXPlayHead.h"
#include "AAX_CEffectParameters.h"
#include "HostAudioBlock.h"
#include "PluginMessageLoop.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <memory>

// The AAX face of the plug-in: owns one processor made for the AAX wrapper
// type. Its parameters are AAX parameters "0" to "10" plus the master bypass;
// the host owns their values, so a value the host confirms goes to the
// processor without being sent back, and a change the processor makes goes
// to the host as a request. Beside the parameter chunk it keeps the
// processor's own state as a second chunk.
class PandrelAAXEffect : public AAX_CEffectParameters,
                         private juce::AudioProcessorListener
{
public:
    // 'PtqS': the processor's whole state.
    static constexpr AAX_CTypeID cStateChunkID = 0x50747153;
    static constexpr const char* cStateChunkName = "Pandrel TQ4418 State";
    static constexpr AAX_CFieldIndex cBypassPort = 3;
    static constexpr int cMaxFramesPerBlock = 1024;

    // Takes over a processor made by the caller, on a thread that stands in
    // as JUCE's message thread.
    explicit PandrelAAXEffect (std::unique_ptr<juce::AudioProcessor> processorToWrap);
    ~PandrelAAXEffect() override;

    // Makes an instance with one reference, as the host's creator proc; null
    // when none can be made.
    static IACFUnknown* create();

    AAX_Result Uninitialize() override;
    AAX_Result UpdateParameterNormalizedValue (AAX_CParamID id, double value, AAX_EUpdateSource source) override;

    AAX_Result GetNumberOfChunks (std::int32_t* outCount) const override;
    AAX_Result GetChunkIDFromIndex (std::int32_t index, AAX_CTypeID* outID) const override;
    AAX_Result GetChunkSize (AAX_CTypeID id, std::uint32_t* outSize) const override;
    AAX_Result GetChunk (AAX_CTypeID id, AAX_SPlugInChunk* outChunk) const override;
    AAX_Result SetChunk (AAX_CTypeID id, const AAX_SPlugInChunk* chunk) override;
    AAX_Result CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) const override;

    // One host block: separate or in-place channel buffers of the layout the
    // host set up; bypassed, the processor's own bypass runs.
    void render (const float* const* inputs, float* const* outputs, int numFrames, bool bypassed);

    juce::AudioProcessor& getProcessor() { return *processor; }

protected:
    AAX_Result EffectInit() override;

private:
    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float newValue) override;
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
    void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override;
    void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override;

    void takeLayoutFromHost();
    void addParameters();
    void takeParameterChunk();
    void restoreState (const void* data, int size);
    // The processor's index for an AAX parameter ID "0" to "10", else -1.
    int processorIndexOf (AAX_CParamID id) const;

    // Declared first, so that they outlive the processor.
    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    PluginMessageThread messageThread;

    std::unique_ptr<juce::AudioProcessor> processor;
    AAXPlayHead playHead;
    HostAudioBlock block;
    juce::MidiBuffer noMidi;
    int numIns = 2;
    int numOuts = 2;
    bool listening = false;
    // While the processor restores its state, the values it announces on the
    // way are not sent to the host: only the result is.
    std::atomic<bool> restoringState { false };

    // The state chunk as last sized for the host; GetChunk hands out this.
    mutable juce::MemoryBlock stateChunk;
};
