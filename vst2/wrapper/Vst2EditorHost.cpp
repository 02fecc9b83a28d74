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

    // The colour of the editor's left edge, halfway down.
    edgeColour = editor->createComponentSnapshot ({ 0, editor->getHeight() / 2, 1, 1 }, false).getPixelAt (0, 0).withAlpha (1.0f);
    hostArea = std::make_unique<Vst2HostArea> (reinterpret_cast<juce::pointer_sized_uint> (parentWindow));
    fitIntoHostArea();
    return true;
}

// Hosts size their window after opening the editor into it (ardour to its
// tool bar's width, after embedding it): followed on every idle call.
void Vst2EditorHost::fitIntoHostArea()
{
    const auto area = hostArea != nullptr && editor != nullptr ? hostArea->changedSize() : juce::Rectangle<int>();
    if (area.isEmpty())
        return;

    editor->setTopLeftPosition (Vst2HostArea::placeIn (area, editor->getWidth(), editor->getHeight()));
    if (area.getWidth() > editor->getWidth() || area.getHeight() > editor->getHeight())
        hostArea->setBackground (edgeColour);
}

void Vst2EditorHost::close()
{
    if (hostLoop == nullptr)
        return;

    HostDrivenMessageLoop::attachToThisThread();
    hostArea.reset();
    editor.reset();
    hostLoop.reset();
}

void Vst2EditorHost::idle()
{
    if (hostLoop == nullptr)
        return;
    hostLoop->processPendingEvents();
    fitIntoHostArea();
}

VstEditorRect* Vst2EditorHost::rect()
{
    const int width = editor != nullptr ? editor->getWidth() : defaultWidth;
    const int height = editor != nullptr ? editor->getHeight() : defaultHeight;
    bounds = { 0, 0, static_cast<std::int16_t> (juce::jlimit (0, 32767, height)),
               static_cast<std::int16_t> (juce::jlimit (0, 32767, width)) };
    return &bounds;
}
