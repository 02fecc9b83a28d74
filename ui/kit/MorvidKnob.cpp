#include "MorvidKnob.h"

MorvidKnob::MorvidKnob (const juce::String& name)
    : juce::Slider (name)
{
    setTextBoxStyle (juce::Slider::NoTextBox, true, 0, 0);
    setRange (0.0, 1.0, 0.0);
    setSliderStyle (juce::Slider::RotaryVerticalDrag);
}

void MorvidKnob::setImage (juce::Image image, int frames, bool flag)
{
    if (strip.set (image, frames))
        imageFlag = flag;
    repaint();
}

void MorvidKnob::paint (juce::Graphics& g)
{
    strip.draw (g, strip.sliderFrame (getValue(), getMinimum(), getMaximum()), getLocalBounds());
}
