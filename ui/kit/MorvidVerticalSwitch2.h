// Multi-position vertical switch drawn from an N-frame image strip. The value
// rises as the pointer moves down, and the top `controllableImageHeight`
// pixels of travel span the whole range.
#pragma once

#include "ImageStrip.h"

class MorvidVerticalSwitch2 : public juce::Slider
{
public:
    explicit MorvidVerticalSwitch2 (const juce::String& name);

    // Takes a copy of the strip and gives the switch N positions (0..1 in
    // steps of 1 / (N - 1)). A null strip, a count below 2 or a strip shorter
    // than its frame count leaves the switch without frames and its range as
    // it was.
    void setImage (juce::Image image, int numberOfFrames);
    void setControllableImageHeight (int pixels);

    int getNumberOfFrames() const noexcept { return strip.numberOfFrames; }

    void paint (juce::Graphics& g) override;
    double proportionOfLengthToValue (double proportion) override;
    double valueToProportionOfLength (double value) override;

private:
    double travelScale() const noexcept;

    morvid::ImageStrip strip; // image, numberOfFrames, imageWidth, frameHeight
    double controllableImageHeight = 1.0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidVerticalSwitch2)
};
