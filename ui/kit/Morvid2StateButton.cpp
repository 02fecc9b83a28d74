#include "Morvid2StateButton.h"

#include "ImageStrip.h"

Morvid2StateButton::Morvid2StateButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (true);
}

void Morvid2StateButton::setImage (juce::Image strip)
{
    image = strip;
    frameHeight = morvid::stripFrameHeight (image, 2);
    imageWidth = image.isValid() ? image.getWidth() : 0;
    repaint();
}

void Morvid2StateButton::paintButton (juce::Graphics& g, bool, bool isButtonDown)
{
    const bool lit = getClickingTogglesState() ? getToggleState() : isButtonDown;
    morvid::drawStripFrame (g, image, lit ? 1 : 0, imageWidth, frameHeight, getLocalBounds());
}
