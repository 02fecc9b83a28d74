#include "MorvidVerticalSwitch2.h"

#include "ImageStrip.h"

MorvidVerticalSwitch2::MorvidVerticalSwitch2 (const juce::String& name)
    : juce::Slider (name)
{
    setSliderStyle (juce::Slider::LinearVertical);
    setRange (0.0, 1.0, 0.0);
}

void MorvidVerticalSwitch2::setImage (juce::Image strip, int frames)
{
    image = strip;
    const int height = frames >= 2 ? morvid::stripFrameHeight (image, frames) : 0;

    if (height > 0)
    {
        setRange (0.0, 1.0, 1.0 / (frames - 1));
        numberOfFrames = frames;
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

void MorvidVerticalSwitch2::setControllableImageHeight (int pixels)
{
    controllableImageHeight = (double) pixels;
}

void MorvidVerticalSwitch2::paint (juce::Graphics& g)
{
    if (! image.isValid() || numberOfFrames < 1)
        return;

    const int frame = morvid::sliderFrameIndex (getValue(), getMinimum(), getMaximum(), numberOfFrames);
    morvid::drawStripFrame (g, image, frame, imageWidth, frameHeight, { 0, 0, imageWidth, frameHeight });
}

double MorvidVerticalSwitch2::travelScale() const noexcept
{
    // Without a height on either side there is no travel to scale: fall back
    // to the plain mapping rather than dividing by zero.
    if (getHeight() <= 0 || ! (controllableImageHeight > 0.0))
        return 1.0;
    return (double) getHeight() / controllableImageHeight;
}

double MorvidVerticalSwitch2::proportionOfLengthToValue (double proportion)
{
    return juce::Slider::proportionOfLengthToValue (travelScale() * (1.0 - proportion));
}

double MorvidVerticalSwitch2::valueToProportionOfLength (double value)
{
    return 1.0 - juce::Slider::valueToProportionOfLength (value) / travelScale();
}
