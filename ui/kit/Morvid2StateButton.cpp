#include "Morvid2StateButton.h"

Morvid2StateButton::Morvid2StateButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (true);
}

void Morvid2StateButton::setImage (juce::Image image)
{
    strip.set (image, 2);
    repaint();
}

void Morvid2StateButton::paintButton (juce::Graphics& g, bool, bool isButtonDown)
{
    const bool lit = getClickingTogglesState() ? getToggleState() : isButtonDown;
    strip.draw (g, lit ? 1 : 0, getLocalBounds());
}
