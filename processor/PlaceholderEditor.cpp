#include "PlaceholderEditor.h"

PlaceholderEditor::PlaceholderEditor (juce::AudioProcessor& owner) : juce::AudioProcessorEditor (owner)
{
    setSize (width, height);
}

void PlaceholderEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff202428));
    g.setColour (juce::Colours::lightgrey);
    g.setFont (18.0f);
    g.drawText (processor.getName(), getLocalBounds(), juce::Justification::centred);
}
