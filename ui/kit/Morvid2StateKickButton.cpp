#include "Morvid2StateKickButton.h"

Morvid2StateKickButton::Morvid2StateKickButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (false);
}

void Morvid2StateKickButton::setImage (juce::Image image)
{
    strip.set (image, 2);
    repaint();
}

void Morvid2StateKickButton::paintButton (juce::Graphics& g, bool, bool isButtonDown)
{
    strip.draw (g, isButtonDown ? 1 : 0, getLocalBounds());
}
