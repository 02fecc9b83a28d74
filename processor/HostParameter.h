#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

class PandrelTQ4418AudioProcessor;

// One of the eleven parameters as hosts see it. Value, name and default go
// through the processor's index-based operations, so the processor keeps a
// single place where values are stored and flags raised.
class HostParameter : public juce::AudioProcessorParameter
{
public:
    HostParameter (PandrelTQ4418AudioProcessor& owner, int indexToUse);

    float getValue() const override;
    void setValue (float newValue) override;
    float getDefaultValue() const override;
    juce::String getName (int maximumStringLength) const override;
    juce::String getLabel() const override;
    juce::String getText (float value, int maximumStringLength) const override;
    float getValueForText (const juce::String& text) const override;

private:
    PandrelTQ4418AudioProcessor& processor;
    const int index;
};
