// One control's image strip: its frames stacked vertically from the top, all
// of one height, each the full width of the image. Every image-strip control
// holds one and only chooses the frame.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace morvid
{
struct ImageStrip
{
    // Takes a copy of the strip and works out the frame geometry once: frame
    // height = image height / frames in integer division, so rows left over
    // at the bottom are never shown. A null strip, fewer than minimumFrames
    // frames or a strip shorter than its frame count is refused (no frames,
    // nothing drawn) rather than dividing by zero. True when taken.
    bool set (juce::Image strip, int frames, int minimumFrames = 1);

    // The frame a slider shows: ceil((N - 1) x proportion of the value), kept
    // inside the strip.
    int sliderFrame (double value, double minimum, double maximum) const noexcept;

    // Draws one frame scaled into the destination; nothing without frames.
    void draw (juce::Graphics& g, int frame, juce::Rectangle<int> destination) const;

    juce::Image image;
    int numberOfFrames = 0;
    int imageWidth = 0;
    int frameHeight = 0;
};
} // namespace morvid
