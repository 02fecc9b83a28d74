// Every embedded image: its group, file name, pixels and frame count.
#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

namespace artwork
{
struct Artwork
{
    juce::String group;    // resource namespace, also the folder under ui/resources
    juce::String fileName; // embedded as <name>_png
    juce::Image image;     // RGB or ARGB, as the control expects
    int frames = 1;
};

std::vector<Artwork> paintAllArtwork();

// Frame f of a strip.
juce::Image stripFrame (const Artwork& artwork, int frame);

// The editor's default settings drawn over the background, as a check of how
// strips and panel meet.
juce::Image paintEditorMockup (const std::vector<Artwork>& all);
} // namespace artwork
