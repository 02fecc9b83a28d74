// Toggle button drawn from a 2-frame image strip (frame 1 while on).
#pragma once

#include "ImageStrip.h"

class Morvid2StateButton : public juce::Button
{
public:
    explicit Morvid2StateButton (const juce::String& name);

    void setImage (juce::Image image);

protected:
    void paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;

private:
    morvid::ImageStrip strip; // image, imageWidth, frameHeight; 2 frames

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Morvid2StateButton)
};
