// Toggle button drawn from a 4-frame image strip that shows hover.
#pragma once

#include "ImageStrip.h"

class Morvid4StateButton : public juce::Button
{
public:
    explicit Morvid4StateButton (const juce::String& name);

    void setImage (juce::Image image);

    virtual int getImageHeight();
    virtual int getImageWidth();

protected:
    void paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;

    // Sets the opacity for the enabled state and draws one frame to the bounds.
    void drawFrame (juce::Graphics& g, int frame);

private:
    morvid::ImageStrip strip; // image, imageWidth, frameHeight; 4 frames

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Morvid4StateButton)
};
