#include "Morvid4StateButton3PDT.h"

Morvid4StateButton3PDT::Morvid4StateButton3PDT (const juce::String& name)
    : Morvid4StateButton (name)
{
}

void Morvid4StateButton3PDT::paintButton (juce::Graphics& g, bool, bool isButtonDown)
{
    int frame = 0;

    if (getClickingTogglesState())
        frame = (isButtonDown ? 1 : 0) + (getToggleState() ? 2 : 0);

    drawFrame (g, frame);
}
