#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

// A plain editor window of the final size, until the image-strip editor
// takes its place in createEditor.
class PlaceholderEditor : public juce::AudioProcessorEditor
{
public:
    static constexpr int width = 325;
    static constexpr int height = 454;

    explicit PlaceholderEditor (juce::AudioProcessor& owner);

    void paint (juce::Graphics& g) override;
};
