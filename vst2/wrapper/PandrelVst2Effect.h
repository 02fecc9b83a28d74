#pragma once

#include "AudioEffectX.h"
#include "HostAudioBlock.h"
#include "PandrelVersion.h"
#include "Vst2EditorHost.h"
#include "PluginMessageLoop.h"
#include "Vst2PlayHead.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <memory>

// The VST 2 face of the plug-in: owns one processor made for the VST 2 wrapper
// type and maps the host's calls onto it: audio, parameters with their texts
// and gestures, programs, bank and program chunks, channel layouts, the host's
// transport and the editor. Changes the processor makes itself go to the host
// as automation; values the host sets are not echoed back to it.
class PandrelVst2Effect : public AudioEffectX,
                          private juce::AudioProcessorListener
{
public:
    static constexpr std::int32_t uniqueId = ('P' << 24) | ('t' << 16) | ('q' << 8) | '4';
    static constexpr std::int32_t versionCode = PandrelVersion::code;

    PandrelVst2Effect (VstHostCallback callback, std::unique_ptr<juce::AudioProcessor> processorToWrap);
    ~PandrelVst2Effect() override;

    std::intptr_t dispatcher (int opcode, int index, std::intptr_t value, void* ptr, float opt) override;

    void suspend() override;
    void resume() override;
    void processReplacing (float** inputs, float** outputs, int sampleFrames) override;
    void processDoubleReplacing (double** inputs, double** outputs, int sampleFrames) override;

    void setParameter (int index, float value) override;
    float getParameter (int index) override;
    void getParameterLabel (int index, char* label) override;
    void getParameterDisplay (int index, char* text) override;
    void getParameterName (int index, char* text) override;

    int getProgram() override;
    void setProgram (int program) override;
    void setProgramName (char* name) override;
    void getProgramName (char* name) override;
    bool getProgramNameIndexed (int category, int index, char* text) override;

    int getChunk (void** data, bool isPreset) override;
    int setChunk (void* data, int byteSize, bool isPreset) override;

    bool setSpeakerArrangement (VstSpeakerArrangement* pluginInput, VstSpeakerArrangement* pluginOutput) override;
    bool getSpeakerArrangement (VstSpeakerArrangement** pluginInput, VstSpeakerArrangement** pluginOutput) override;
    bool setBypass (bool onOff) override;
    bool setProcessPrecision (int precision) override;

    bool getEffectName (char* name) override;
    bool getVendorString (char* text) override;
    bool getProductString (char* text) override;
    int getVendorVersion() override;
    int canDo (const char* text) override;
    int getPlugCategory() override;
    int getGetTailSize() override;

private:
    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float newValue) override;
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails& details) override;
    void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override;
    void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override;

    juce::AudioProcessorParameter* parameter (int index) const;
    void describeLayout();

    // Declared first, so that they outlive the processor.
    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    PluginMessageThread messageThread;

    std::unique_ptr<juce::AudioProcessor> processor;
    Vst2PlayHead playHead { *this };
    HostAudioBlock block;
    juce::MidiBuffer noMidi;
    juce::MemoryBlock chunk;
    Vst2EditorHost editorHost;

    // Owned, room for two speakers each; rewritten in place on a layout change.
    VstSpeakerArrangement* inputArrangement = nullptr;
    VstSpeakerArrangement* outputArrangement = nullptr;

    std::atomic<bool> bypassed { false };
};
