#include "Vst2EditorHost.h"

Vst2EditorHost::Vst2EditorHost (juce::AudioProcessor& processorToShow) : processor (processorToShow) {}

Vst2EditorHost::~Vst2EditorHost()
{
    close();
}

bool Vst2EditorHost::open (void* parentWindow)
{
    close();
    if (parentWindow == nullptr)
        return false;

    hostLoop = std::make_unique<HostDrivenMessageLoop>();

    // Without an X display JUCE cannot make a window at all.
    if (juce::Desktop::getInstance().getDisplays().displays.isEmpty())
    {
        hostLoop.reset();
        return false;
    }

    editor.reset (processor.createEditorIfNeeded());
    if (editor == nullptr)
    {
        hostLoop.reset();
        return false;
    }

    editor->setTopLeftPosition (0, 0);
    editor->addToDesktop (0, parentWindow);
    editor->setVisible (true);
    return true;
}

void Vst2EditorHost::close()
{
    if (hostLoop == nullptr)
        return;

    HostDrivenMessageLoop::attachToThisThread();
    editor.reset();
    hostLoop.reset();
}

void Vst2EditorHost::idle()
{
    if (hostLoop != nullptr)
        hostLoop->processPendingEvents();
}

VstEditorRect* Vst2EditorHost::rect()
{
    const int width = editor != nullptr ? editor->getWidth() : defaultWidth;
    const int height = editor != nullptr ? editor->getHeight() : defaultHeight;
    bounds = { 0, 0, static_cast<std::int16_t> (juce::jlimit (0, 32767, height)),
               static_cast<std::int16_t> (juce::jlimit (0, 32767, width)) };
    return &bounds;
}
