#include "MorvidKnob.h"

#include "ImageStrip.h"

MorvidKnob::MorvidKnob (const juce::String& name)
    : juce::Slider (name)
{
    setTextBoxStyle (juce::Slider::NoTextBox, true, 0, 0);
    setRange (0.0, 1.0, 0.0);
    setSliderStyle (juce::Slider::RotaryVerticalDrag);
}

void MorvidKnob::setImage (juce::Image strip, int frames, bool flag)
{
    image = strip;
    const int height = morvid::stripFrameHeight (image, frames);

    if (height > 0)
    {
        numberOfFrames = frames;
        imageFlag = flag;
        frameHeight = height;
        imageWidth = image.getWidth();
    }
    else
    {
        image = {};
        numberOfFrames = 0;
    }

    repaint();
}

void MorvidKnob::paint (juce::Graphics& g)
{
    if (! image.isValid() || numberOfFrames < 1)
        return;

    const int frame = morvid::sliderFrameIndex (getValue(), getMinimum(), getMaximum(), numberOfFrames);
    morvid::drawStripFrame (g, image, frame, imageWidth, frameHeight, getLocalBounds());
}
