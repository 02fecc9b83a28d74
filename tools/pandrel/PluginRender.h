#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_core/juce_core.h>

// Renders audio through a built VST3 plug-in, loaded by JUCE's VST3 hosting,
// once per flanger type, and writes one stereo WAV file per type.
namespace PluginRender
{
// Prints each file with its peak and RMS level; 0 on success.
int renderEachType (const juce::File& bundle, const juce::AudioBuffer<float>& input, double sampleRate,
                    const juce::File& folder);
}
