#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// The demo signal the tool renders through the models: strummed plucked-string
// chords (Karplus-Strong), stereo, made here so nothing is downloaded.
namespace DemoSignal
{
// A few seconds of audio at the given rate, peaking at -6 dBFS.
juce::AudioBuffer<float> make (double sampleRate, double seconds = 6.0);
} // namespace DemoSignal
