#pragma once

#include "BypassRamp.h"
#include "MessageThreadTick.h"
#include "ModelCrossfade.h"
#include "ParameterTable.h"
#include "ProgramTable.h"
#include "TypeChangeSchedule.h"
#include "WorkBuffers.h"

#include "DeluxeElectricMistressFlanger.h"
#include "ElectricMistressFlanger.h"
#include "Flanger117.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <array>
#include <atomic>
#include <memory>

class HostParameter;

// The plug-in object every host format's wrapper creates and drives: eleven
// parameters, twelve programs with A/B slots, the three flanger models with a
// crossfade between them, a bypass ramp, and the preset documents that carry
// presets and host state.
//
// Threads: hosts set parameters from their audio or main thread; the timers
// run on the message thread (on Linux a thread of JUCE's own until an editor
// attaches). What more than one thread touches is atomic, read and written
// whole: the values the audio path reads, the change flags, and the program
// table's current program, active slots and values (automation stores into
// the table from the audio thread, while the message thread switches, loads
// and saves). The preset names and the parsed host state are the message
// thread's alone. The models are only ever touched by the thread that
// processes audio, except before playback.
// The juce::Timer base is the one-shot model-switch timer: 50 ms after the
// last "flangerType" change it posts the chosen model for the audio thread.
class PandrelTQ4418AudioProcessor : public juce::AudioProcessor,
                                    public juce::Timer
{
public:
    PandrelTQ4418AudioProcessor();
    ~PandrelTQ4418AudioProcessor() override;

    // The sample rates the plug-in plays at; at any other prepareToPlay leaves
    // it unprepared, passing audio through.
    static constexpr double lowestSampleRate = 8000.0;
    static constexpr double highestSampleRate = 768000.0;
    static bool isPlayableSampleRate (double sampleRate);

    const juce::String getName() const override;
    // Refused (unprepared, audio passes through) at an unplayable rate or
    // when memory runs out.
    void prepareToPlay (double sampleRate, int maximumExpectedSamplesPerBlock) override;
    void releaseResources() override;
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    using juce::AudioProcessor::processBlock;
    // The host's bypass: the bypass ramp to the dry input, after which the
    // models rest, cleared, so that nothing from before plays after it.
    void processBlockBypassed (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    using juce::AudioProcessor::processBlockBypassed;
    bool silenceInProducesSilenceOut() const override;
    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;
    // Defined with the editor, in ui/editor.
    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;

    // The index-based parameter operations; the parameter objects hosts see
    // route here.
    int getNumParameters() override;
    const juce::String getParameterName (int index) override;
    float getParameter (int index) override;
    const juce::String getParameterText (int index) override;
    float getParameterDefaultValue (int index) override;
    // Stores the value unclamped in the current program's active slot.
    void setParameter (int index, float value) override;
    // Stores and tells the host and the listeners, through the parameter
    // object (the framework's own version is deprecated).
    void setParameterNotifyingHost (int index, float value);

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int program) override;
    const juce::String getProgramName (int program) override;
    void changeProgramName (int program, const juce::String& newName) override;

    void getStateInformation (juce::MemoryBlock& destData) override;
    void getCurrentProgramStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;
    void setCurrentProgramStateInformation (const void* data, int sizeInBytes) override;

    const juce::String getInputChannelName (int channelIndex) const override;
    const juce::String getOutputChannelName (int channelIndex) const override;
    bool isInputChannelStereoPair (int index) const override;
    bool isOutputChannelStereoPair (int index) const override;
    // Stereo in and out, mono in and stereo out, mono in and out.
    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    // The model-switch timer.
    void timerCallback() override;

    // Every program and slot back to "Init.mdtz" and the defaults; program 0.
    void initDefaultPreset();
    // Resets the models and pushes every parameter; prepareToPlay only.
    void forceCalcParams();

    // Preset documents: the bank (isPreset false) or the current program's
    // active slot as a preset file (true); the current program with both slots.
    juce::XmlElement writePreset (bool isPreset);
    juce::XmlElement writeCurrentProgram();
    // Result: 0 no document, not a preset or refused; 1 applied; 2 another
    // product's preset; 4 applied, newer preset version; 5 bank read.
    int readPreset (std::unique_ptr<juce::XmlElement> doc, bool isPreset);
    bool readCurrentProgram (std::unique_ptr<juce::XmlElement> doc);
    void readPresetElement (juce::XmlElement* first);
    void storePresetElement (juce::XmlElement* first, int program, int slot);
    // True when a preset file's values differ from the current ones.
    bool comparePreset (std::unique_ptr<juce::XmlElement> doc);

private:
    friend struct ProcessorProbe;

    static constexpr int numModels = 3;

    ProgramRecord& currentRecord();
    std::atomic<float>* activeSlotValues();
    float currentValue (int index) const { return currentValues[static_cast<size_t> (index)].load (std::memory_order_relaxed); }
    void settleCurrentValue (int index);
    void messageThreadTick();
    void render (juce::AudioBuffer<float>& buffer, bool hostBypassed);
    void takePostedModel();
    void pushChangedParameters (int chosenModel);
    void runModel (int model, float* left, float* right, int n);
    void processPiece (float* left, float* right, bool stereo, int n);

    // Parsed host state, until handed to its reader.
    std::unique_ptr<juce::XmlElement> stateXml;

public:
    // The program table: the editor and the kit's preset components read and
    // write the current program's record directly.
    std::atomic<int> currentProgram { 0 };
    ProgramRecord programs[ProgramTable::numPrograms];

private:
    // The values as last passed to setParameter: what the audio path, the
    // model switch and the host texts read.
    std::array<std::atomic<float>, ParameterTable::numParameters> currentValues;
    float lastBpm = 120.0f;
    juce::AudioPlayHead::PositionInfo playHeadPosition;

    DeluxeElectricMistressFlanger deluxeElectricMistressFlanger;
    Flanger117 flanger117;
    ElectricMistressFlanger electricMistressFlanger;
    FlangerModelBase* const models[numModels];

    // Audio path, touched by the audio thread only once prepared.
    bool effectOn = true;
    WorkBuffers work;
    BypassRamp bypassRamp;
    int activeModel = 0;
    int targetModel = 0;
    bool crossfading = false;
    bool modelsCleared = false;
    ModelCrossfade crossfade;
    float lastApplied[7] {};
    bool lastStereo = false;
    bool lastSync = false;

    // Model hand-over: the timer posts the model "flangerType" settled on;
    // the audio thread prepares it at the start of its next block.
    std::atomic<int> postedModel { 0 };
    TypeChangeSchedule typeChanges;

    HostParameter* hostParameters[ParameterTable::numParameters] {};

public:
    // Change flags for the editor: raised here and by the editor, cleared by
    // the editor's timer with exchange(false).
    std::atomic<bool> programChanged { false };
    std::atomic<bool> parametersChanged { false };
    std::atomic<bool> channelChanged { false };

private:
    // Restarts the model-switch timer for changes made off the message
    // thread, and sends the models' announcements. Last: goes first.
    MessageThreadTick tick { 10, [this] { messageThreadTick(); } };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PandrelTQ4418AudioProcessor)
};

// Builds one processor; every host format's wrapper calls it.
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter();
