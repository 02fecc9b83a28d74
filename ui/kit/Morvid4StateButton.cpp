#include "Morvid4StateButton.h"

#include "ImageStrip.h"

namespace
{
constexpr int frameCount = 4;
}

Morvid4StateButton::Morvid4StateButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (true);
}

void Morvid4StateButton::setImage (juce::Image strip)
{
    image = strip;
    frameHeight = morvid::stripFrameHeight (image, frameCount);
    imageWidth = image.isValid() ? image.getWidth() : 0;
    repaint();
}

int Morvid4StateButton::getImageHeight()
{
    return image.isValid() ? image.getHeight() / frameCount : 0;
}

int Morvid4StateButton::getImageWidth()
{
    return image.isValid() ? image.getWidth() : 0;
}

void Morvid4StateButton::paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown)
{
    int frame = 0;

    if (getClickingTogglesState())
    {
        if (getToggleState())
            frame = isMouseOverButton ? 2 : 3;
        else
            frame = isMouseOverButton ? 1 : 0;
    }
    else
    {
        frame = isButtonDown ? 2 : (isMouseOverButton ? 1 : 0);
    }

    drawFrame (g, frame);
}

void Morvid4StateButton::drawFrame (juce::Graphics& g, int frame)
{
    if (! image.isValid())
        return;

    g.setOpacity (isEnabled() ? 1.0f : 0.4f);
    morvid::drawStripFrame (g, image, frame, imageWidth, frameHeight, getLocalBounds());
}
