#include "MorvidVerticalSwitch2.h"

MorvidVerticalSwitch2::MorvidVerticalSwitch2 (const juce::String& name)
    : juce::Slider (name)
{
    setSliderStyle (juce::Slider::LinearVertical);
    setRange (0.0, 1.0, 0.0);
}

void MorvidVerticalSwitch2::setImage (juce::Image image, int frames)
{
    if (strip.set (image, frames, 2))
        setRange (0.0, 1.0, 1.0 / (frames - 1));
    repaint();
}

void MorvidVerticalSwitch2::setControllableImageHeight (int pixels)
{
    controllableImageHeight = (double) pixels;
}

void MorvidVerticalSwitch2::paint (juce::Graphics& g)
{
    // At the strip's natural size, whatever the component's size.
    strip.draw (g, strip.sliderFrame (getValue(), getMinimum(), getMaximum()),
                { 0, 0, strip.imageWidth, strip.frameHeight });
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
