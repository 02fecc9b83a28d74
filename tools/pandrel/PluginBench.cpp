// pandrel bench plugin: what the plug-in costs the host per stereo frame at
// 48 kHz in blocks of 512: steady with the default program, while a model
// crossfade runs (two models, plus bringing the incoming one up to date), and
// in full bypass, where no model runs and the cost should be close to none.
#include "PluginBench.h"

#include "PandrelTQ4418AudioProcessor.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace
{
constexpr double sampleRate = 48000.0;
constexpr int blockSize = 512;
constexpr int steadyFrames = 48000;
constexpr int runs = 15;

using Clock = std::chrono::steady_clock;

double median (std::vector<double> values)
{
    std::sort (values.begin(), values.end());
    return values[values.size() / 2];
}

juce::AudioBuffer<float> noise (int frames)
{
    juce::AudioBuffer<float> audio (2, frames);
    juce::Random random (1);
    for (int c = 0; c < 2; ++c)
        for (int n = 0; n < frames; ++n)
            audio.setSample (c, n, random.nextFloat() - 0.5f);
    return audio;
}

// ns per frame for one pass of the input through the processor.
double timePass (PandrelTQ4418AudioProcessor& p, const juce::AudioBuffer<float>& input)
{
    juce::AudioBuffer<float> work (input);
    juce::MidiBuffer midi;
    const auto start = Clock::now();
    for (int n = 0; n < work.getNumSamples(); n += blockSize)
    {
        juce::AudioBuffer<float> block (work.getArrayOfWritePointers(), 2, n, std::min (blockSize, work.getNumSamples() - n));
        p.processBlock (block, midi);
    }
    const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
    return elapsed.count() / work.getNumSamples();
}

std::unique_ptr<PandrelTQ4418AudioProcessor> prepared()
{
    auto p = std::make_unique<PandrelTQ4418AudioProcessor>();
    p->setRateAndBufferSizeDetails (sampleRate, blockSize);
    p->prepareToPlay (sampleRate, blockSize);
    return p;
}

double steady (const juce::AudioBuffer<float>& input)
{
    auto p = prepared();
    timePass (*p, input);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
        times.push_back (timePass (*p, input));
    return median (times);
}

// Each run flips the model and times the fade itself (fadeLength frames, the
// first block bringing the incoming model up to date).
double crossfade (const juce::AudioBuffer<float>& input, int fadeFrames)
{
    auto p = prepared();
    juce::AudioBuffer<float> fade (2, fadeFrames);
    for (int c = 0; c < 2; ++c)
        fade.copyFrom (c, 0, input, c, 0, fadeFrames);

    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
    {
        p->setParameter (1, run % 2 == 0 ? 1.0f : 0.0f);
        std::this_thread::sleep_for (std::chrono::milliseconds (60));
        p->timerCallback();
        times.push_back (timePass (*p, fade));
    }
    return median (times);
}

double fullBypass (const juce::AudioBuffer<float>& input)
{
    auto p = prepared();
    p->setParameter (0, 0.0f);
    timePass (*p, input); // the ramp down
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
        times.push_back (timePass (*p, input));
    return median (times);
}
} // namespace

int pandrel::runPluginBench (int argc, char**)
{
    if (argc != 0)
    {
        std::fprintf (stderr, "usage: pandrel bench plugin\n");
        return 2;
    }

    const auto input = noise (steadyFrames);
    const double steadyCost = steady (input);
    const double fadeCost = crossfade (input, 2048);
    const double bypassCost = fullBypass (input);

    std::printf ("The plug-in processor, stereo in and out, 48 kHz, blocks of %d, noise at -6 dBFS\n"
                 "(median ns per stereo frame over %d runs):\n",
                 blockSize, runs);
    std::printf ("  steady, Type 1 defaults   %8.1f ns/frame\n", steadyCost);
    std::printf ("  model crossfade           %8.1f ns/frame  (%.2f x steady)\n", fadeCost, fadeCost / steadyCost);
    std::printf ("  full bypass               %8.2f ns/frame  (%.4f x steady)\n", bypassCost, bypassCost / steadyCost);
    std::printf ("  one frame lasts %.0f ns at 48 kHz: steady use is %.2f %% of one core\n", 1e9 / sampleRate,
                 100.0 * steadyCost * sampleRate / 1e9);
    return 0;
}
