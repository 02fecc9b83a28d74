#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_core/juce_core.h>

#include <limits>
#include <vector>

// Audio files the host wrote, and how two takes compare.
namespace Takes
{
// The whole file as float samples; empty when it cannot be read.
juce::AudioBuffer<float> read (const juce::File& wav);

// Writes a 32-bit float WAV; false when it cannot.
bool write (const juce::AudioBuffer<float>& audio, double sampleRate, const juce::File& wav);

// What the processor makes of a take played the way a host plays it: the
// parameters set before it is prepared, the tempo reported only while it
// processes, blocks of the host's size, and leadIn frames of silence before
// the take (a host runs its plug-ins while the transport still stands).
// Returns the frames that line up with the take.
juce::AudioBuffer<float> renderThroughProcessor (const juce::AudioBuffer<float>& dry, double sampleRate, int blockSize,
                                                  double bpm, const std::vector<float>& parameters, int leadIn);

// Frames [start, end) of a take.
struct Span
{
    int start = 0;
    int end = std::numeric_limits<int>::max();
};

// Energy of (take - reference) against the energy of reference, in dB, over
// the frames of span that both hold.
double residualDb (const juce::AudioBuffer<float>& take, const juce::AudioBuffer<float>& reference, Span span = {});

struct Alignment
{
    int leadIn = 0;
    double residualDb = 0.0;
};

// Aligns the processor's timeline with the host's: the silent lead-in, up to
// maxLeadIn frames, after which the processor's rendering of the dry take
// comes closest to the host's wet take over span.
Alignment alignWithProcessor (const juce::AudioBuffer<float>& wet, const juce::AudioBuffer<float>& dry,
                              double sampleRate, int blockSize, double bpm, const std::vector<float>& parameters,
                              int maxLeadIn, Span span);
} // namespace Takes
