#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

// A VST3 bundle loaded the way a host loads it, through JUCE's VST3 hosting.
namespace Vst3Host
{
// The bundle's first plug-in type; an empty description when there is none.
juce::PluginDescription describe (const juce::File& bundle);

std::unique_ptr<juce::AudioPluginInstance> load (const juce::File& bundle, double sampleRate, int blockSize,
                                                 juce::String& error);
} // namespace Vst3Host
