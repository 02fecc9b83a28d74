#include "Morvid2StateKickButton.h"

#include "ImageStrip.h"

Morvid2StateKickButton::Morvid2StateKickButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (false);
}

void Morvid2StateKickButton::setImage (juce::Image strip)
{
    image = strip;
    frameHeight = morvid::stripFrameHeight (image, 2);
    imageWidth = image.isValid() ? image.getWidth() : 0;
    repaint();
}

void Morvid2StateKickButton::paintButton (juce::Graphics& g, bool, bool isButtonDown)
{
    morvid::drawStripFrame (g, image, isButtonDown ? 1 : 0, imageWidth, frameHeight, getLocalBounds());
}
