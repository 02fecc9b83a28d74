// Footswitch: a 4-frame toggle whose frame shows the state and the press
// (0 off, 1 off and held, 2 on, 3 on and held).
#pragma once

#include "Morvid4StateButton.h"

class Morvid4StateButton3PDT : public Morvid4StateButton
{
public:
    explicit Morvid4StateButton3PDT (const juce::String& name);

protected:
    void paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Morvid4StateButton3PDT)
};
