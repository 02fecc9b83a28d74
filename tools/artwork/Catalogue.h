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
} // namespace artwork
