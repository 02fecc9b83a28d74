// Toggle button drawn from a 4-frame image strip that shows hover.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class Morvid4StateButton : public juce::Button
{
public:
    explicit Morvid4StateButton (const juce::String& name);

    void setImage (juce::Image strip);

    virtual int getImageHeight();
    virtual int getImageWidth();

protected:
    void paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;

    // Sets the opacity for the enabled state and draws one frame to the bounds.
    void drawFrame (juce::Graphics& g, int frame);

private:
    juce::Image image;
    int imageWidth = 0;
    int frameHeight = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Morvid4StateButton)
};
