#pragma once
// Audio for the tests that play a built plug-in against the processor: seeded
// noise, and how far a take is from a reference.
#include <juce_core/juce_core.h>

#include <cmath>
#include <vector>

using Channels = std::vector<std::vector<float>>;

inline Channels noise (int channels, int frames, int seed)
{
    juce::Random random (seed);
    Channels audio (static_cast<std::size_t> (channels), std::vector<float> (static_cast<std::size_t> (frames)));
    for (auto& channel : audio)
        for (auto& sample : channel)
            sample = 0.3f * (random.nextFloat() * 2.0f - 1.0f);
    return audio;
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
