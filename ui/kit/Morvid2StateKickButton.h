// Momentary button drawn from a 2-frame image strip (frame 1 while held).
#pragma once

#include "ImageStrip.h"

class Morvid2StateKickButton : public juce::Button
{
public:
    explicit Morvid2StateKickButton (const juce::String& name);

    void setImage (juce::Image image);

protected:
    void paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;

private:
    morvid::ImageStrip strip; // image, imageWidth, frameHeight; 2 frames

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Morvid2StateKickButton)
};
