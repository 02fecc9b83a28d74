// Rotary knob (vertical drag) drawn from an N-frame image strip.
#pragma once

#include "ImageStrip.h"

class MorvidKnob : public juce::Slider
{
public:
    explicit MorvidKnob (const juce::String& name);

    // Takes a copy of the strip. A null strip, a count below 1 or a strip
    // shorter than its frame count leaves the knob without frames (it then
    // draws nothing) instead of dividing by zero. `flag` is kept for callers
    // and changes nothing.
    void setImage (juce::Image image, int numberOfFrames, bool flag);

    int getNumberOfFrames() const noexcept { return strip.numberOfFrames; }

    void paint (juce::Graphics& g) override;

private:
    morvid::ImageStrip strip; // image, numberOfFrames, imageWidth, frameHeight
    bool imageFlag = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidKnob)
};
