// Preparing to play: the sample rates the plug-in plays at and the ones it
// refuses, any block size a host announces, and preparing again after playing.
#include "ProcessorProbe.h"

#include <gtest/gtest.h>

#include <limits>

using namespace testaudio;

namespace
{
// A given type with strong feedback, some delay and depth, stereo spread.
void strongSettings (PandrelTQ4418AudioProcessor& p, float type)
{
    p.setParameter (ParameterTable::flangerType, type);
    p.setParameter (ParameterTable::feedback, 1.0f);
    p.setParameter (ParameterTable::delay, 0.3f);
    p.setParameter (ParameterTable::depth, 0.7f);
    p.setParameter (ParameterTable::stereo, 1.0f);
}

struct Take
{
    bool finite = true;
    float peak = 0.0f;
    double inputEnergy = 0.0, changeEnergy = 0.0;
};

// Blocks of 512 from position on, for samples in all.
Take play (PandrelTQ4418AudioProcessor& p, int position, int samples, juce::AudioBuffer<float>* all = nullptr)
{
    Take take;
    juce::AudioBuffer<float> out;
    for (int done = 0; done < samples; done += 512)
    {
        const auto in = step (p, out, position);
        take.finite = take.finite && allFinite (out);
        for (int ch = 0; ch < out.getNumChannels(); ++ch)
        {
            take.peak = std::max (take.peak, out.getMagnitude (ch, 0, out.getNumSamples()));
            for (int k = 0; k < out.getNumSamples(); ++k)
            {
                const double x = in.getSample (ch, k), d = out.getSample (ch, k) - x;
                take.inputEnergy += x * x;
                take.changeEnergy += d * d;
            }
            if (all != nullptr)
                all->copyFrom (ch, done, out, ch, 0, std::min (512, all->getNumSamples() - done));
        }
    }
    return take;
}
} // namespace

TEST (Prepare, PlaysFromEightToSevenHundredSixtyEightKilohertz)
{
    for (double rate : { PandrelTQ4418AudioProcessor::lowestSampleRate, PandrelTQ4418AudioProcessor::highestSampleRate })
        for (float type : { 0.0f, 0.5f, 1.0f })
        {
            PandrelTQ4418AudioProcessor p;
            strongSettings (p, type);
            prepare (p, rate, 512);
            const auto take = play (p, 0, static_cast<int> (rate / 2));
            EXPECT_TRUE (take.finite) << rate << " Hz, type " << type;
            EXPECT_LT (take.peak, 4.0f) << rate << " Hz, type " << type;
            EXPECT_GT (take.changeEnergy / take.inputEnergy, 0.01) << rate << " Hz, type " << type; // flanged
        }
}

TEST (Prepare, OtherRatesLeaveItUnpreparedPassingAudioThrough)
{
    const double refused[] = { 0.0, -48000.0, 1.0, 7999.0, 768001.0, 1e9, std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity() };
    for (double rate : refused)
        for (bool playedBefore : { false, true })
        {
            PandrelTQ4418AudioProcessor p;
            strongSettings (p, 0.0f);
            if (playedBefore)
            {
                prepare (p, 48000.0, 512);
                play (p, 0, 2048);
            }
            p.prepareToPlay (rate, 512);
            EXPECT_EQ (ProcessorProbe { p }.workCapacity(), 0) << rate;
            juce::AudioBuffer<float> out;
            int position = 0;
            const auto in = step (p, out, position);
            EXPECT_TRUE (identical (out, in)) << rate << (playedBefore ? " after playing" : "");
        }
}

TEST (Prepare, AnyAnnouncedBlockSizeAllocatesAtMostSixtyFiveThousandFrames)
{
    const int sizes[][2] = { { -5, 16384 }, { 512, 16384 }, { 32768, 32768 }, { 65536, 65536 }, { 100000, 65536 },
                             { std::numeric_limits<int>::max(), 65536 } };
    for (auto [announced, allocated] : sizes)
    {
        PandrelTQ4418AudioProcessor p;
        prepare (p, 48000.0, announced);
        EXPECT_EQ (ProcessorProbe { p }.workCapacity(), allocated) << announced;
    }

    // A block longer than that goes in pieces, as in a processor prepared
    // for small blocks.
    PandrelTQ4418AudioProcessor huge, small;
    prepare (huge, 48000.0, std::numeric_limits<int>::max());
    prepare (small, 48000.0, 512);
    juce::AudioBuffer<float> a (2, 140000), b;
    fill (a, 0);
    b = a;
    juce::MidiBuffer midi;
    huge.processBlock (a, midi);
    small.processBlock (b, midi);
    EXPECT_TRUE (identical (a, b));
}

TEST (Prepare, PreparedAgainItPlaysLikeAFreshInstance)
{
    // Filter coefficients made for the earlier rate must not survive: after
    // the lowest rate they glided through unstable sets.
    for (double earlier : { 8000.0, 44100.0, 48000.0 })
        for (float type : { 0.0f, 0.5f, 1.0f })
        {
            PandrelTQ4418AudioProcessor again, fresh;
            strongSettings (again, type);
            strongSettings (fresh, type);
            prepare (again, earlier, 512);
            play (again, 0, static_cast<int> (earlier));
            prepare (again, 48000.0, 512);
            prepare (fresh, 48000.0, 512);

            juce::AudioBuffer<float> a (2, 96000), b (2, 96000);
            EXPECT_TRUE (play (again, 0, 96000, &a).finite);
            play (fresh, 0, 96000, &b);
            EXPECT_TRUE (identical (a, b)) << "after " << earlier << " Hz, type " << type;
        }
}
