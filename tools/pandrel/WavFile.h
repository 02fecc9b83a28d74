#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_core/juce_core.h>

// WAV files of float audio, shared by the tool and the host tests.
namespace WavFile
{
// Writes audio at bitsPerSample (24, or 32 for float); a file that cannot be
// written whole leaves any earlier one as it was. False on failure.
bool write (const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate, int bitsPerSample);

// The whole file as float samples; empty when it cannot be read.
juce::AudioBuffer<float> read (const juce::File& file);
} // namespace WavFile
