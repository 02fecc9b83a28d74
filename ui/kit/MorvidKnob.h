// Rotary knob (vertical drag) drawn from an N-frame image strip.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class MorvidKnob : public juce::Slider
{
public:
    explicit MorvidKnob (const juce::String& name);

    // Takes a copy of the strip. A null strip, a count below 1 or a strip
    // shorter than its frame count leaves the knob without frames (it then
    // draws nothing) instead of dividing by zero. `flag` is kept for callers
    // and changes nothing.
    void setImage (juce::Image strip, int numberOfFrames, bool flag);

    int getNumberOfFrames() const noexcept { return numberOfFrames; }

    void paint (juce::Graphics& g) override;

private:
    juce::Image image;
    int numberOfFrames = 0;
    bool imageFlag = false;
    int imageWidth = 0;
    int frameHeight = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidKnob)
};
