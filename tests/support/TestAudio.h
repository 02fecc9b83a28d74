#pragma once
// Test signals, and how far one take is from another: as plain channels
// (the models, the plug-in hosts) and as JUCE's buffers (the processor).
#include <juce_audio_basics/juce_audio_basics.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace testaudio
{
using Channels = std::vector<std::vector<float>>;

// Seeded noise within +-amplitude, different per channel.
inline Channels noise (int channels, int frames, int seed, float amplitude = 0.3f)
{
    juce::Random random (seed);
    Channels audio (static_cast<std::size_t> (channels), std::vector<float> (static_cast<std::size_t> (frames)));
    for (auto& channel : audio)
        for (auto& sample : channel)
            sample = amplitude * (random.nextFloat() * 2.0f - 1.0f);
    return audio;
}

inline Channels sine (int channels, int frames, double hz, double sampleRate, float amplitude)
{
    std::vector<float> wave (static_cast<std::size_t> (frames));
    for (std::size_t k = 0; k < wave.size(); ++k)
        wave[k] = amplitude * static_cast<float> (std::sin (2.0 * M_PI * hz * static_cast<double> (k) / sampleRate));
    return Channels (static_cast<std::size_t> (channels), wave);
}

// The largest magnitude from sample `from` on, over every channel.
inline float peak (const Channels& audio, std::size_t from = 0)
{
    float most = 0.0f;
    for (const auto& channel : audio)
        for (std::size_t k = from; k < channel.size(); ++k)
            most = std::max (most, std::abs (channel[k]));
    return most;
}

// The take's error against the reference, relative to the reference's energy.
inline double residualDb (const Channels& take, const Channels& reference)
{
    double error = 0.0, energy = 0.0;
    for (std::size_t c = 0; c < reference.size(); ++c)
        for (std::size_t i = 0; i < reference[c].size(); ++i)
        {
            const double d = take[c][i] - reference[c][i];
            error += d * d;
            energy += static_cast<double> (reference[c][i]) * reference[c][i];
        }
    return error == 0.0 ? -400.0 : 10.0 * std::log10 (error / energy);
}

// Two sines and a little noise, different per channel, continuous over blocks
// that start at `start`.
inline void fill (juce::AudioBuffer<float>& b, int start)
{
    juce::Random random (start);
    for (int ch = 0; ch < b.getNumChannels(); ++ch)
        for (int k = 0; k < b.getNumSamples(); ++k)
            b.setSample (ch, k, 0.4f * std::sin (0.0288f * float (start + k) + float (ch)) + 0.2f * std::sin (0.18f * float (start + k))
                                    + 0.05f * (random.nextFloat() - 0.5f));
}

inline bool allFinite (const juce::AudioBuffer<float>& b)
{
    for (int ch = 0; ch < b.getNumChannels(); ++ch)
        for (int k = 0; k < b.getNumSamples(); ++k)
            if (! std::isfinite (b.getSample (ch, k)))
                return false;
    return true;
}

inline float maxDifference (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b, int ch)
{
    float worst = 0.0f;
    for (int k = 0; k < a.getNumSamples(); ++k)
        worst = std::max (worst, std::abs (a.getSample (ch, k) - b.getSample (ch, k)));
    return worst;
}

inline bool identical (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
{
    for (int ch = 0; ch < a.getNumChannels(); ++ch)
        if (std::memcmp (a.getReadPointer (ch), b.getReadPointer (ch), sizeof (float) * (size_t) a.getNumSamples()) != 0)
            return false;
    return true;
}
} // namespace testaudio

// The plug-in host tests name these without the namespace.
using testaudio::Channels;
using testaudio::noise;
using testaudio::residualDb;
