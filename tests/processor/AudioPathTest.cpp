#include "ProcessorProbe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <thread>

using namespace testaudio;

namespace
{
constexpr int block = 512;

// Runs the processor on the next block of the test signal; returns the input.
juce::AudioBuffer<float> step (PandrelTQ4418AudioProcessor& p, juce::AudioBuffer<float>& out, int& position, int n = block)
{
    out.setSize (2, n, false, false, true);
    fill (out, position);
    juce::AudioBuffer<float> in (out);
    process (p, out);
    position += n;
    return in;
}

bool bitIdentical (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
{
    for (int ch = 0; ch < a.getNumChannels(); ++ch)
        if (std::memcmp (a.getReadPointer (ch), b.getReadPointer (ch), sizeof (float) * (size_t) a.getNumSamples()) != 0)
            return false;
    return true;
}

void waitForTypeSwitch (PandrelTQ4418AudioProcessor& p)
{
    std::this_thread::sleep_for (std::chrono::milliseconds (60));
    p.timerCallback();
}
} // namespace

TEST (ProcessorAudioPath, FadeLengthAndWorkArraysFollowRateAndBlockSize)
{
    const std::pair<double, int> bands[] = { { 32000.0, 1024 }, { 34049.0, 1024 }, { 34050.0, 2048 }, { 44100.0, 2048 },
                                             { 48000.0, 2048 }, { 68000.0, 4096 }, { 88200.0, 4096 }, { 96000.0, 4096 },
                                             { 176400.0, 8192 }, { 192000.0, 8192 } };
    for (auto [rate, length] : bands)
    {
        PandrelTQ4418AudioProcessor p;
        prepare (p, rate, block);
        EXPECT_EQ (ProcessorProbe { p }.fadeLength(), length) << rate;
    }

    PandrelTQ4418AudioProcessor p;
    prepare (p, 48000.0, 512);
    EXPECT_EQ (ProcessorProbe { p }.workLength(), 16384);
    prepare (p, 48000.0, 32768);
    EXPECT_EQ (ProcessorProbe { p }.workLength(), 32768);
    p.releaseResources();
    EXPECT_EQ (ProcessorProbe { p }.workLength(), 0);
}

TEST (ProcessorAudioPath, BypassRampsLinearlyToTheDryInputThenPassesItUntouched)
{
    PandrelTQ4418AudioProcessor p, reference;
    prepare (p, 48000.0, block);
    prepare (reference, 48000.0, block);
    int position = 0, referencePosition = 0;
    juce::AudioBuffer<float> out, expected;

    for (int b = 0; b < 4; ++b)
    {
        step (p, out, position);
        step (reference, expected, referencePosition);
        ASSERT_TRUE (bitIdentical (out, expected));
    }

    p.setParameter (0, 0.0f);
    float w = 1.0f;
    for (int b = 0; b < 4; ++b) // 2048 samples: the whole ramp
    {
        const auto in = step (p, out, position);
        step (reference, expected, referencePosition);
        for (int k = 0; k < block; ++k)
        {
            w += -1.0f / 2048.0f;
            for (int ch = 0; ch < 2; ++ch)
                ASSERT_FLOAT_EQ (out.getSample (ch, k), w * expected.getSample (ch, k) + (1.0f - w) * in.getSample (ch, k))
                    << "sample " << b * block + k;
        }
    }
    EXPECT_EQ (ProcessorProbe { p }.wetGain(), 0.0f);

    for (int b = 0; b < 3; ++b)
    {
        const auto in = step (p, out, position);
        EXPECT_TRUE (bitIdentical (out, in));
    }
}

TEST (ProcessorAudioPath, BypassRampRestartsFromItsCurrentGain)
{
    PandrelTQ4418AudioProcessor p;
    prepare (p, 48000.0, block);
    int position = 0;
    juce::AudioBuffer<float> out;

    p.setParameter (0, 0.0f);
    step (p, out, position, 1024);
    EXPECT_FLOAT_EQ (ProcessorProbe { p }.wetGain(), 0.5f);

    p.setParameter (0, 1.0f);
    step (p, out, position, 2047);
    EXPECT_LT (ProcessorProbe { p }.wetGain(), 1.0f);
    step (p, out, position, 1);
    EXPECT_EQ (ProcessorProbe { p }.wetGain(), 1.0f);
}

TEST (ProcessorAudioPath, OnlyAnExactZeroStopsTheModels)
{
    // Three processors on one signal: always on; bypassed at -0.5 (ramps to
    // dry, models keep running); bypassed at 0 (models stop). Back on, the
    // first matches the always-on one exactly, the second does not.
    PandrelTQ4418AudioProcessor on, negative, zero;
    for (auto* p : { &on, &negative, &zero })
        prepare (*p, 48000.0, block);

    negative.setParameter (0, -0.5f);
    zero.setParameter (0, 0.0f);
    int positions[3] = {};
    juce::AudioBuffer<float> outs[3];
    PandrelTQ4418AudioProcessor* all[] = { &on, &negative, &zero };

    for (int b = 0; b < 16; ++b)
        for (int i = 0; i < 3; ++i)
            step (*all[i], outs[i], positions[i]);

    negative.setParameter (0, 1.0f);
    zero.setParameter (0, 1.0f);
    for (int b = 0; b < 8; ++b)
        for (int i = 0; i < 3; ++i)
            step (*all[i], outs[i], positions[i]);

    EXPECT_TRUE (bitIdentical (outs[1], outs[0]));
    EXPECT_GT (maxDifference (outs[2], outs[0], 0), 1e-4);
}

TEST (ProcessorAudioPath, TypeChangeCrossfadesAfterFiftyMilliseconds)
{
    PandrelTQ4418AudioProcessor p, outgoing;
    prepare (p, 48000.0, block);
    prepare (outgoing, 48000.0, block);
    int position = 0, outgoingPosition = 0;
    juce::AudioBuffer<float> out, outgoingOut;

    step (p, out, position);
    step (outgoing, outgoingOut, outgoingPosition);

    // A burst of changes: nothing moves until it has settled for 50 ms.
    p.setParameter (1, 0.5f);
    p.setParameter (1, 1.0f);
    p.timerCallback();
    for (int b = 0; b < 2; ++b)
    {
        step (p, out, position);
        step (outgoing, outgoingOut, outgoingPosition);
        ASSERT_TRUE (bitIdentical (out, outgoingOut));
    }

    // The timer only posts the choice; the audio thread takes it.
    waitForTypeSwitch (p);
    ProcessorProbe probe { p };
    EXPECT_EQ (probe.activeModel(), 0);
    EXPECT_FALSE (probe.crossfading());

    // The incoming model starts from its reset state, as in a fresh processor.
    PandrelTQ4418AudioProcessor incoming;
    incoming.setParameter (1, 1.0f);
    prepare (incoming, 48000.0, block);
    int incomingPosition = position;
    juce::AudioBuffer<float> incomingOut;

    float g = 1.0f;
    for (int b = 0; b < 4; ++b)
    {
        step (p, out, position);
        step (outgoing, outgoingOut, outgoingPosition);
        step (incoming, incomingOut, incomingPosition);
        EXPECT_EQ (probe.targetModel(), 2);
        for (int k = 0; k < block; ++k)
        {
            g += -1.0f / 2048.0f;
            for (int ch = 0; ch < 2; ++ch)
                ASSERT_NEAR (out.getSample (ch, k), g * outgoingOut.getSample (ch, k) + (1.0f - g) * incomingOut.getSample (ch, k), 1e-6)
                    << "sample " << b * block + k;
        }
    }

    EXPECT_EQ (probe.activeModel(), 2);
    EXPECT_FALSE (probe.crossfading());
    step (p, out, position);
    step (incoming, incomingOut, incomingPosition);
    EXPECT_LT (maxDifference (out, incomingOut, 0), 1e-6);
}

TEST (ProcessorAudioPath, DelayAndFeedbackRouteToFlanger117sOwnNumbering)
{
    PandrelTQ4418AudioProcessor p;
    prepare (p, 48000.0, block);
    p.setParameter (5, 0.3f);
    p.setParameter (6, 0.7f);
    int position = 0;
    juce::AudioBuffer<float> out;
    step (p, out, position);

    ProcessorProbe probe { p };
    for (int m : { 0, 2 })
    {
        EXPECT_EQ (probe.modelParameter (m, 4), 0.3f);
        EXPECT_EQ (probe.modelParameter (m, 5), 0.7f);
    }
    EXPECT_EQ (probe.modelParameter (1, 5), 0.3f);
    EXPECT_EQ (probe.modelParameter (1, 4), 0.7f);
    // Bypass is the processor's own; the models stay engaged.
    for (int m = 0; m < 3; ++m)
        EXPECT_EQ (probe.modelParameter (m, 0), 1.0f);
}

TEST (ProcessorAudioPath, OnlyAFinitePositiveHostTempoReachesTheModels)
{
    struct PlayHead : juce::AudioPlayHead
    {
        std::optional<double> bpm;
        juce::Optional<PositionInfo> getPosition() const override
        {
            PositionInfo info;
            if (bpm)
                info.setBpm (*bpm);
            return info;
        }
    } playHead;

    PandrelTQ4418AudioProcessor p;
    p.setPlayHead (&playHead);
    p.setParameter (10, 1.0f);
    playHead.bpm = 100.0;
    prepare (p, 48000.0, block);
    ProcessorProbe probe { p };
    EXPECT_EQ (probe.model (1).getBpm(), 100.0f);

    int position = 0;
    juce::AudioBuffer<float> out;
    playHead.bpm = 90.0;
    step (p, out, position);
    for (int m = 0; m < 3; ++m)
        EXPECT_EQ (probe.model (m).getBpm(), 90.0f);
    // Sync on, "1/1" at the default division: four beats at 90 bpm.
    EXPECT_NEAR (probe.model (0).getLfoFrequency(), 90.0f / 60.0f / 4.0f, 1e-4f);

    for (std::optional<double> bad : { std::optional<double> (std::numeric_limits<double>::quiet_NaN()),
                                       std::optional<double> (0.0), std::optional<double> (-120.0),
                                       std::optional<double> (std::numeric_limits<double>::infinity()),
                                       std::optional<double> (1e300), std::optional<double>() })
    {
        playHead.bpm = bad;
        step (p, out, position);
        for (int m = 0; m < 3; ++m)
            EXPECT_EQ (probe.model (m).getBpm(), 90.0f);
    }
    EXPECT_TRUE (allFinite (out));
    p.setPlayHead (nullptr);
}

TEST (ProcessorAudioPath, ServesTheThreeChannelLayouts)
{
    PandrelTQ4418AudioProcessor p;
    auto supports = [&p] (int ins, int outs)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (ins));
        layout.outputBuses.add (juce::AudioChannelSet::canonicalChannelSet (outs));
        return p.checkBusesLayoutSupported (layout);
    };
    EXPECT_TRUE (supports (2, 2));
    EXPECT_TRUE (supports (1, 2));
    EXPECT_TRUE (supports (1, 1));
    EXPECT_FALSE (supports (2, 1));
    EXPECT_FALSE (supports (6, 6));
    EXPECT_EQ (p.getTotalNumInputChannels(), 2);
    EXPECT_EQ (p.getTotalNumOutputChannels(), 2);

    // Mono in, stereo out: the right channel starts as a copy of the left.
    for (float stereo : { 0.0f, 1.0f })
    {
        PandrelTQ4418AudioProcessor monoToStereo;
        monoToStereo.setParameter (9, stereo);
        prepare (monoToStereo, 48000.0, block, 1, 2);
        juce::AudioBuffer<float> buffer (2, block);
        for (int b = 0; b < 8; ++b)
        {
            fill (buffer, b * block);
            juce::AudioBuffer<float> in (buffer);
            buffer.clear (1, 0, block);
            process (monoToStereo, buffer);
            ASSERT_TRUE (allFinite (buffer));
            EXPECT_GT (maxDifference (buffer, in, 0), 1e-3);
        }
        double spread = 0.0;
        for (int k = 0; k < block; ++k)
            spread = std::max (spread, (double) std::abs (buffer.getSample (0, k) - buffer.getSample (1, k)));
        if (stereo > 0.0f)
            EXPECT_GT (spread, 1e-4);
        else
            EXPECT_EQ (spread, 0.0);
    }

    // Mono in and out: one channel, processed.
    PandrelTQ4418AudioProcessor mono;
    prepare (mono, 44100.0, block, 1, 1);
    juce::AudioBuffer<float> buffer (1, block);
    for (int b = 0; b < 8; ++b)
    {
        fill (buffer, b * block);
        juce::AudioBuffer<float> in (buffer);
        process (mono, buffer);
        ASSERT_TRUE (allFinite (buffer));
        EXPECT_GT (maxDifference (buffer, in, 0), 1e-3);
    }
}
