#include "Morvid4StateButton.h"

Morvid4StateButton::Morvid4StateButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (true);
}

void Morvid4StateButton::setImage (juce::Image image)
{
    strip.set (image, 4);
    repaint();
}

int Morvid4StateButton::getImageHeight() { return strip.frameHeight; }
int Morvid4StateButton::getImageWidth() { return strip.imageWidth; }

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
    g.setOpacity (isEnabled() ? 1.0f : 0.4f);
    strip.draw (g, frame, getLocalBounds());
}
