#include "ProcessorProbe.h"

#include <gtest/gtest.h>

#include <limits>
#include <thread>

using namespace testaudio;
namespace P = ParameterTable;

TEST (ProcessorAudioPath, FadeLengthByRateBandWorkArraysByBlockSize)
{
    for (auto [rate, length, block] : { std::tuple (32000.0, 1024, 512), std::tuple (34050.0, 2048, 16385),
                                        std::tuple (88200.0, 4096, 32768), std::tuple (192000.0, 8192, 16) })
    {
        PandrelTQ4418AudioProcessor p;
        prepare (p, rate, block);
        ProcessorProbe probe { p };
        EXPECT_EQ (probe.fadeLength(), length) << rate;
        EXPECT_EQ (probe.workCapacity(), std::max (block, 16384)) << block;
        for (int m = 0; m < 3; ++m)
            EXPECT_EQ (probe.model (m).getExpectedSampleFrame(), std::max (block, 16384)) << block;
    }
}

TEST (ProcessorAudioPath, BypassRampsLinearlyToTheDryInputThenPassesItUntouched)
{
    PandrelTQ4418AudioProcessor p, reference; // reference: always on
    prepare (p, 48000.0, 512);
    prepare (reference, 48000.0, 512);
    int position = 0, referencePosition = 0;
    juce::AudioBuffer<float> out, wet;
    step (p, out, position);
    step (reference, wet, referencePosition);
    ASSERT_TRUE (identical (out, wet));

    p.setParameter (P::onBypass, 0.0f);
    float w = 1.0f;
    for (int b = 0; b < 4; ++b) // 2048 samples at 48 kHz
    {
        const auto in = step (p, out, position);
        step (reference, wet, referencePosition);
        for (int k = 0; k < 512; ++k)
        {
            w -= 1.0f / 2048.0f;
            for (int ch = 0; ch < 2; ++ch)
                ASSERT_FLOAT_EQ (out.getSample (ch, k), w * wet.getSample (ch, k) + (1.0f - w) * in.getSample (ch, k));
        }
    }
    for (int b = 0; b < 3; ++b)
        EXPECT_TRUE (identical (out, step (p, out, position)));

    // Back on mid-ramp: the full length again, from the gain reached.
    p.setParameter (P::onBypass, 1.0f);
    step (p, out, position, 1024);
    p.setParameter (P::onBypass, 0.0f);
    step (p, out, position, 1024);
    EXPECT_FLOAT_EQ (ProcessorProbe { p }.wetGain(), 0.25f);

    // Prepared again mid-ramp: no ramp runs, the output starts dry.
    prepare (p, 48000.0, 512);
    EXPECT_TRUE (identical (out, step (p, out, position)));
}

TEST (ProcessorAudioPath, OnlyAnExactZeroStopsTheModels)
{
    // Bypassed at -0.5 the output is dry but the models keep running, so once
    // back on it matches an always-on processor; bypassed at 0 it does not.
    PandrelTQ4418AudioProcessor on, negative, zero;
    PandrelTQ4418AudioProcessor* all[] = { &on, &negative, &zero };
    int positions[3] = {};
    juce::AudioBuffer<float> outs[3];
    for (auto* p : all)
        prepare (*p, 48000.0, 512);

    for (auto [negativeValue, zeroValue] : { std::pair (-0.5f, 0.0f), std::pair (1.0f, 1.0f) })
    {
        negative.setParameter (P::onBypass, negativeValue);
        zero.setParameter (P::onBypass, zeroValue);
        for (int b = 0; b < 12; ++b)
            for (int i = 0; i < 3; ++i)
                step (*all[i], outs[i], positions[i]);
    }
    EXPECT_TRUE (identical (outs[1], outs[0]));
    EXPECT_GT (maxDifference (outs[2], outs[0], 0), 1e-4f);
}

TEST (ProcessorAudioPath, TypeChangeCrossfadesToAFreshModelThatAloneRecalculates)
{
    PandrelTQ4418AudioProcessor p, outgoing, incoming;
    ProcessorProbe probe { p };
    probe.driveClock();
    prepare (p, 48000.0, 512);
    prepare (outgoing, 48000.0, 512);
    int position = 0, outgoingPosition = 0;
    juce::AudioBuffer<float> out, a, b;

    p.setParameter (P::flangerType, 0.5f);
    step (p, out, position); // nothing moves before the timer
    step (outgoing, a, outgoingPosition);
    ASSERT_TRUE (identical (out, a));

    probe.settleTypeChange(); // posts the choice; the audio thread takes it
    EXPECT_EQ (probe.activeModel(), 0);
    EXPECT_FALSE (probe.crossfading());

    incoming.setParameter (P::flangerType, 0.5f);
    prepare (incoming, 48000.0, 512);
    int incomingPosition = position;
    float g = 1.0f;
    for (int block = 0; block < 4; ++block)
    {
        // Halfway, "delay" moves: Flanger117, and only it, recalculates it
        // as its own parameter, as when told so directly.
        if (block == 2)
        {
            p.setParameter (P::delay, 0.8f);
            auto& flanger117 = ProcessorProbe { incoming }.model (1);
            flanger117.setParameter (flanger117.delayParameter(), 0.8f);
            flanger117.calcParameter (flanger117.delayParameter());
        }
        step (p, out, position);
        step (outgoing, a, outgoingPosition);
        step (incoming, b, incomingPosition);
        EXPECT_EQ (probe.targetModel(), 1);
        for (int k = 0; block < 2 && k < 512; ++k)
        {
            g -= 1.0f / 2048.0f;
            ASSERT_NEAR (out.getSample (1, k), g * a.getSample (1, k) + (1.0f - g) * b.getSample (1, k), 1e-6f) << block << " " << k;
        }
    }
    EXPECT_TRUE (probe.activeModel() == 1 && ! probe.crossfading());
    step (p, out, position);
    step (incoming, b, incomingPosition);
    EXPECT_LT (maxDifference (out, b, 0) + maxDifference (out, b, 1), 1e-6f);

    // A type chosen during a fade is taken up once that fade has ended.
    p.setParameter (P::flangerType, 1.0f);
    probe.settleTypeChange();
    step (p, out, position);
    p.setParameter (P::flangerType, 0.0f);
    probe.settleTypeChange();
    for (int block = 0; block < 3; ++block)
    {
        step (p, out, position);
        EXPECT_EQ (probe.targetModel(), 2);
    }
    EXPECT_TRUE (probe.activeModel() == 2 && ! probe.crossfading());
    step (p, out, position);
    EXPECT_TRUE (probe.targetModel() == 0 && probe.crossfading());

    // Prepared again mid-fade: none runs, the chosen model plays.
    prepare (p, 48000.0, 512);
    EXPECT_TRUE (probe.activeModel() == 0 && ! probe.crossfading());
}

TEST (ProcessorAudioPath, DelayAndFeedbackFollowFlanger117sNumberingAndTempoOnlyWhenUsable)
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
    playHead.bpm = 100.0;
    prepare (p, 48000.0, 512);
    ProcessorProbe probe { p };
    EXPECT_EQ (probe.model (1).getBpm(), 100.0f);

    p.setParameter (P::delay, 0.3f);
    p.setParameter (P::feedback, 0.7f);
    p.setParameter (P::sync, 1.0f);
    playHead.bpm = 90.0;
    int position = 0;
    juce::AudioBuffer<float> out;
    step (p, out, position);
    for (int m = 0; m < 3; ++m)
    {
        auto& model = probe.model (m);
        EXPECT_EQ (model.getParameter (model.delayParameter()), 0.3f);
        EXPECT_EQ (model.getParameter (model.feedbackParameter()), 0.7f);
        EXPECT_EQ (model.getParameter (FlangerModelBase::bypassParameter), 1.0f); // bypass is the processor's own
        EXPECT_EQ (model.getBpm(), 90.0f);
    }
    EXPECT_NEAR (probe.model (0).getLfoFrequency(), 90.0f / 60.0f / 4.0f, 1e-4f); // "1/1" at 90 bpm

    for (std::optional<double> bad : { std::optional (std::numeric_limits<double>::quiet_NaN()), std::optional (0.0),
                                       std::optional (-120.0), std::optional (1e300), std::optional<double>() })
    {
        playHead.bpm = bad;
        step (p, out, position);
        EXPECT_EQ (probe.model (2).getBpm(), 90.0f);
    }
    p.setPlayHead (nullptr);
}

// (One in, one out: through the built plug-in, in every layout.)
TEST (ProcessorAudioPath, OneInTwoOut)
{
    // The right channel starts as a copy of the left, whatever the host left
    // in it; the models run in stereo. Fully bypassed, both leave as the left.
    for (auto [stereo, bypass] : { std::pair (0.0f, 1.0f), std::pair (1.0f, 1.0f), std::pair (1.0f, 0.0f) })
    {
        PandrelTQ4418AudioProcessor p;
        p.setParameter (P::stereo, stereo);
        p.setParameter (P::onBypass, bypass);
        prepare (p, 48000.0, 512, 1, 2);
        juce::AudioBuffer<float> buffer (2, 512);
        juce::MidiBuffer midi;
        float spread = 0.0f;
        for (int b = 0; b < 8; ++b)
        {
            fill (buffer, b * 512);
            buffer.applyGain (1, 0, 512, -7.0f);
            p.processBlock (buffer, midi);
            ASSERT_TRUE (allFinite (buffer));
            for (int k = 0; k < 512; ++k)
                spread = std::max (spread, std::abs (buffer.getSample (0, k) - buffer.getSample (1, k)));
        }
        EXPECT_EQ (spread > 1e-4f, stereo * bypass > 0.0f);
    }
}
