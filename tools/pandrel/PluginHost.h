#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

// Loads a VST3 bundle the way a host does, through JUCE's VST3 hosting.
namespace PluginHost
{
std::unique_ptr<juce::AudioPluginInstance> loadVst3 (const juce::File& bundle, double sampleRate, int blockSize,
                                                     juce::String& error);
}
