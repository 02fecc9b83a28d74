#pragma once

#include <juce_graphics/juce_graphics.h>

#include <cstdint>

// The host's X11 window the editor opens into, as the host sizes it. A host
// may make it larger than the editor asked for (ardour: as wide as its tool
// bar, and a few rows taller), and its own background (ardour's is black)
// then shows beside the editor. The editor keeps its size: ardour takes any
// change of the window inside its own for the plug-in asking for a new size,
// and makes its own window larger by that much again. Instead the editor is
// placed in the middle, and the window's background takes the editor's edge
// colour.
//
// Through an XCB connection of our own: its errors come back to us, never to
// the host's error handler, so a window the host has just destroyed is
// harmless.
class Vst2HostArea
{
public:
    explicit Vst2HostArea (unsigned long hostWindow);
    ~Vst2HostArea();

    Vst2HostArea (const Vst2HostArea&) = delete;
    Vst2HostArea& operator= (const Vst2HostArea&) = delete;

    // The window's size when it is new or has changed since the last call
    // (the first call always answers); empty when nothing changed or the
    // window cannot be read.
    juce::Rectangle<int> changedSize();

    // Fills what the editor leaves of the window with this colour, now and
    // whenever the host uncovers more of it.
    void setBackground (juce::Colour colour);

    // Where an editor of this size sits in an area of that size: its middle,
    // never above or left of the area's corner.
    static juce::Point<int> placeIn (juce::Rectangle<int> area, int width, int height);

private:
    void* connection = nullptr;
    std::uint32_t window = 0;
    bool asked = false;
    juce::Rectangle<int> lastSize;
};
