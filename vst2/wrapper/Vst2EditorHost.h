#pragma once

#include "PluginMessageLoop.h"
#include "Vst2HostArea.h"
#include "VstHostInterface.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

// The processor's editor inside the host's X11 window. While it is open the
// host's GUI thread is JUCE's message thread: open, idle and close all run
// there, and idle dispatches JUCE's pending messages. The editor sits in the
// middle of the host's window, the rest of which takes the editor's edge
// colour.
class Vst2EditorHost
{
public:
    static constexpr int defaultWidth = 325;
    static constexpr int defaultHeight = 454;

    explicit Vst2EditorHost (juce::AudioProcessor& processorToShow);
    ~Vst2EditorHost();

    Vst2EditorHost (const Vst2EditorHost&) = delete;
    Vst2EditorHost& operator= (const Vst2EditorHost&) = delete;

    // parentWindow is the host's X11 window id. False when there is no
    // window or display to open into, or the processor gives no editor. A
    // second open moves the editor into the new window.
    bool open (void* parentWindow);
    void close();
    void idle();
    bool isOpen() const { return editor != nullptr; }

    // The open editor's size, or the size it will open with.
    VstEditorRect* rect();

private:
    void fitIntoHostArea();

    juce::AudioProcessor& processor;
    std::unique_ptr<HostDrivenMessageLoop> hostLoop;
    std::unique_ptr<juce::AudioProcessorEditor> editor;
    std::unique_ptr<Vst2HostArea> hostArea;
    juce::Colour edgeColour;
    VstEditorRect bounds {};
};
