#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_core/juce_core.h>

// Renders audio through built plug-ins, once per flanger type at its default
// settings, and writes one stereo WAV file per plug-in and type. A plug-in is
// a VST3 bundle (loaded by JUCE's VST3 hosting), a VST 2 .so or an AAX bundle
// (loaded by our own hosts). All of them play the same processor, so each
// plug-in's files are compared with the first plug-in's.
namespace PluginRender
{
// Prints each file with its peak and RMS level and its largest difference
// from the first plug-in's file; 0 on success.
int renderEachType (const juce::StringArray& plugins, const juce::AudioBuffer<float>& input, double sampleRate,
                    const juce::File& folder);
} // namespace PluginRender
