#pragma once

#include "AAX_CEffectGUI.h"
#include "PluginMessageLoop.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

// The processor's editor inside the host's X11 view container. While it is
// open the host's GUI thread is JUCE's message thread: create, timer wake-ups
// and delete all run there, and each wake-up dispatches JUCE's pending
// messages. Without an open editor the effect's own message thread runs them.
class PandrelAAXGUI : public AAX_CEffectGUI
{
public:
    static constexpr int defaultWidth = 325;
    static constexpr int defaultHeight = 454;

    PandrelAAXGUI();
    ~PandrelAAXGUI() override;

    // Makes an instance with one reference, as the host's creator proc.
    static IACFUnknown* create();

    AAX_Result Uninitialize() override;
    AAX_Result GetViewSize (AAX_Point* outSize) const override;
    AAX_Result TimerWakeup() override;

    bool isEditorOpen() const { return editor != nullptr; }

protected:
    void CreateViewContents() override {}
    void CreateViewContainer() override;
    void DeleteViewContainer() override;

private:
    void closeEditor();
    juce::AudioProcessor* processor() const;

    std::unique_ptr<HostDrivenMessageLoop> hostLoop;
    std::unique_ptr<juce::AudioProcessorEditor> editor;
};
