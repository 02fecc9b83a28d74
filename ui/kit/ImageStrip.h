// Helpers shared by the image-strip controls: a strip holds its frames
// stacked vertically, all of one height.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace morvid
{
// Frame height of a strip of numberOfFrames frames (integer division, so rows
// left over at the bottom are never shown); 0 for a null image or a count < 1.
int stripFrameHeight (const juce::Image& strip, int numberOfFrames) noexcept;

// Frame shown by a slider control: ceil((N - 1) x proportion of the value),
// kept inside the strip.
int sliderFrameIndex (double value, double minimum, double maximum, int numberOfFrames) noexcept;

// Draws frame `frame` of the strip into the destination rectangle.
void drawStripFrame (juce::Graphics& g, const juce::Image& strip, int frame,
                     int imageWidth, int frameHeight, juce::Rectangle<int> destination);
} // namespace morvid
