// A host behaving at random: the audio thread prepares at any rate, plays
// blocks of any size and automates every parameter with any value, while the
// message thread switches types, changes programs and loads state. Whatever
// happens, input within +-1 comes out finite and bounded. The actions are
// drawn from one seed (PANDREL_FUZZ_SEED overrides it), printed on failure;
// when the model switches land depends on the message thread's timing.
#include "FuzzKit.h"
#include "ProcessorProbe.h"

#include <gtest/gtest.h>

#include <atomic>
#include <limits>
#include <random>
#include <thread>

namespace
{
constexpr float outputBound = 16.0f;

float anyValue (std::mt19937& random)
{
    const float specials[] = { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                               -std::numeric_limits<float>::infinity(), -1.0f, 2.0f, 1e30f, 0.0f, 1.0f, 0.5f };
    if (random() % 4 == 0)
        return specials[random() % std::size (specials)];
    return std::uniform_real_distribution<float> (0.0f, 1.0f) (random);
}

double anyRate (std::mt19937& random)
{
    const double rates[] = { 8000.0,  11025.0, 16000.0, 22050.0, 32000.0, 34050.0, 44100.0, 48000.0,  68000.0,
                             88200.0, 96000.0, 136000.0, 176400.0, 192000.0, 384000.0, 705600.0, 768000.0,
                             // refused
                             0.0, -48000.0, 1.0, 7999.0, 768001.0, 1e9, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity() };
    if (random() % 3 == 0)
        return std::uniform_real_distribution<double> (8000.0, 768000.0) (random);
    return rates[random() % std::size (rates)];
}

int anyBlockSize (std::mt19937& random)
{
    switch (random() % 8)
    {
        case 0: return 0;
        case 1: return 1 + static_cast<int> (random() % 4096);
        case 2: return 60000 + static_cast<int> (random() % 80000); // beyond what any prepare holds
        default: return 1 + static_cast<int> (random() % 16);      // a change every few samples
    }
}

// Noise, a full-scale square or an impulse; always within +-1.
void anyInput (std::mt19937& random, juce::AudioBuffer<float>& buffer)
{
    const int kind = static_cast<int> (random() % 3);
    std::uniform_real_distribution<float> uniform (-1.0f, 1.0f);
    for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
        for (int k = 0; k < buffer.getNumSamples(); ++k)
            buffer.setSample (ch, k, kind == 0 ? uniform (random) : kind == 1 ? ((k / 37) % 2 ? 1.0f : -1.0f) : (k == 0 ? 1.0f : 0.0f));
}

struct Failure
{
    int step = -1;
    std::string what;
};

// The audio thread's part: steps actions, the first failure noted.
Failure playAtRandom (PandrelTQ4418AudioProcessor& p, std::uint32_t seed, int steps)
{
    std::mt19937 random (seed);
    juce::AudioBuffer<float> buffer;
    juce::MidiBuffer midi;
    std::string last = "start";
    for (int s = 0; s < steps; ++s)
    {
        switch (random() % 16)
        {
            case 0:
            {
                const int layouts[][2] = { { 2, 2 }, { 1, 2 }, { 1, 1 } };
                const auto* layout = layouts[random() % 3];
                const double rate = anyRate (random);
                const int block = static_cast<int> (random() % 3 == 0 ? random() : random() % 8192);
                testaudio::prepare (p, rate, block, layout[0], layout[1]);
                last = "prepare at " + std::to_string (rate) + " Hz for " + std::to_string (block);
                break;
            }
            case 1: p.releaseResources(); last = "release"; break;
            case 2:
            {
                const float values[] = { 0.0f, 1.0f, 0.0f, -0.5f, anyValue (random) };
                p.setParameter (ParameterTable::onBypass, values[random() % 5]);
                last = "bypass";
                break;
            }
            default:
            {
                const int i = ParameterTable::rate + static_cast<int> (random() % 9);
                p.setParameter (i, anyValue (random));
                last = "parameter " + std::to_string (i);
                break;
            }
        }

        const int n = anyBlockSize (random);
        buffer.setSize (std::max (p.getTotalNumInputChannels(), p.getTotalNumOutputChannels()), n, false, false, true);
        anyInput (random, buffer);
        p.processBlock (buffer, midi);
        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
        {
            const auto range = buffer.findMinMax (ch, 0, n);
            if (! std::isfinite (range.getStart()) || ! std::isfinite (range.getEnd())
                || std::max (-range.getStart(), range.getEnd()) > outputBound)
                return { s, "after " + last + ": " + std::to_string (n) + " samples within " + std::to_string (range.getStart())
                                + ".." + std::to_string (range.getEnd()) };
        }
    }
    return {};
}

// The message thread's part: one action, then its messages (timers) run.
void messageThreadAction (PandrelTQ4418AudioProcessor& p, std::mt19937& random, const juce::MemoryBlock& bank)
{
    switch (random() % 4)
    {
        case 0: p.setParameter (ParameterTable::flangerType, anyValue (random)); break;
        case 1: p.setCurrentProgram (static_cast<int> (random() % 14) - 1); break;
        case 2: p.setStateInformation (bank.getData(), static_cast<int> (bank.getSize())); break;
        default:
        {
            // Cut short somewhere.
            const auto size = static_cast<int> (random() % bank.getSize());
            p.setStateInformation (bank.getData(), size);
            break;
        }
    }
}
} // namespace

TEST (HostFuzz, RandomHostBehaviourKeepsTheOutputFiniteAndBounded)
{
    const auto seed = fuzz::baseSeed();
    SCOPED_TRACE ("seed " + std::to_string (seed) + " (PANDREL_FUZZ_SEED)");

    // A bank with other values everywhere, as a host would load it.
    juce::MemoryBlock bank;
    {
        PandrelTQ4418AudioProcessor other;
        std::mt19937 random (seed + 1);
        for (auto& program : other.programs)
            for (auto& slot : program.values)
                for (auto& value : slot)
                    value = std::uniform_real_distribution<float> (0.0f, 1.0f) (random);
        other.getStateInformation (bank);
    }

    PandrelTQ4418AudioProcessor p;
    std::atomic<bool> done { false };
    Failure failure;
    std::thread audio ([&] {
        failure = playAtRandom (p, seed, 3000);
        done = true;
    });

    std::mt19937 random (seed + 2);
    while (! done)
    {
        messageThreadAction (p, random, bank);
        for (int polls = 0; polls < 4 && ! done; ++polls)
        {
            while (juce::dispatchNextMessageOnSystemQueue (true))
            {
            }
            std::this_thread::sleep_for (std::chrono::milliseconds (5));
        }
    }
    audio.join();
    EXPECT_EQ (failure.step, -1) << failure.what;
}
