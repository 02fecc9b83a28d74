#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_core/juce_core.h>

// A rendered signal written as a 24-bit WAV file, reported on one line with
// its peak and RMS level and a note (or the failure on stderr).
namespace RenderedFile
{
bool save (const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate, const juce::String& label,
           const juce::String& note = {});
}
