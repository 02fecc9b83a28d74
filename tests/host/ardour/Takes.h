#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_core/juce_core.h>

#include <limits>
#include <vector>

// How the processor renders a take, and how two takes compare.
namespace Takes
{
// How a host started the plug-in: with its settings in place before it was
// prepared, or prepared first and handed the settings afterwards (they then
// reach the models at the first block), and how many frames of silence it
// played before the take (hosts run plug-ins while the transport stands).
struct HostStart
{
    bool settingsAfterPrepare = false;
    int leadIn = 0;
};

// What the processor makes of a take played the way a host plays it: the
// tempo reported only while it processes, in blocks of the host's size,
// started as given. Returns the frames that line up with the take.
juce::AudioBuffer<float> renderThroughProcessor (const juce::AudioBuffer<float>& dry, double sampleRate, int blockSize,
                                                  double bpm, const std::vector<float>& parameters, HostStart start);

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
    HostStart start;
    double residualDb = 0.0;
};

// Aligns the processor's timeline with the host's: the way of starting, with
// a silent lead-in of up to maxLeadIn frames, after which the processor's
// rendering of the dry take comes closest to the host's wet take over span.
Alignment alignWithProcessor (const juce::AudioBuffer<float>& wet, const juce::AudioBuffer<float>& dry,
                              double sampleRate, int blockSize, double bpm, const std::vector<float>& parameters,
                              int maxLeadIn, Span span);
} // namespace Takes
