// Toggle button drawn from a 2-frame image strip (frame 1 while on).
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class Morvid2StateButton : public juce::Button
{
public:
    explicit Morvid2StateButton (const juce::String& name);

    void setImage (juce::Image strip);

protected:
    void paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;

private:
    juce::Image image;
    int imageWidth = 0;
    int frameHeight = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Morvid2StateButton)
};
