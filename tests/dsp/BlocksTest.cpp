// The engine's blocks: delay line, LFO, one-poles, level ramp, non-linear
// stages and the diode network.
#include "BBDNonLinear.h"
#include "Flanger117Diode.h"
#include "ModulatingDelayLine.h"
#include "OnePole.h"
#include "OnePoleHighpass.h"
#include "OpampLimiter.h"
#include "SZBase1.h"
#include "SZBaseGliding.h"
#include "SampleRateBand.h"
#include "SmoothVolume.h"
#include "WavetableTriOscILP30.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
double through (ModulatingDelayLine& line, double x, float lfo = 0.0f)
{
    line.process (x, lfo);
    return x;
}

// LFO period in samples: the mean spacing of the upward crossings of 0.5,
// each placed by linear interpolation.
double measuredPeriod (WavetableTriOscILP30& osc, int crossings)
{
    double previous = osc.getOscSignal(), first = -1.0, last = 0.0;
    int found = 0;
    for (long n = 1; found < crossings; ++n)
    {
        const double v = osc.getOscSignal();
        if (previous < 0.5 && v >= 0.5)
        {
            last = static_cast<double> (n - 1) + (0.5 - previous) / (v - previous);
            first = found++ == 0 ? last : first;
        }
        previous = v;
    }
    return (last - first) / (crossings - 1);
}
} // namespace

TEST (SampleRateBands, EdgesOnceAndEachBlocksLengthInOneBand)
{
    const std::pair<float, int> edges[] = { { 34049.0f, 0 }, { 34050.0f, 1 }, { 67999.0f, 1 },
                                            { 68000.0f, 2 }, { 135999.0f, 2 }, { 136000.0f, 3 } };
    for (auto [rate, band] : edges)
        EXPECT_EQ (SampleRateBand::bandOf (rate), band) << rate;

    // Each block's ramp, fade or glide in the third band: four times its
    // length in the first.
    struct Osc : OscBaseClass
    {
        float getOscSignal() override { return 0.0f; }
        int glide() const { return glideLength; }
    } osc;
    struct Glide : SZBase3x
    {
        void calc() override {}
        int glide() const { return glideLength; }
    } glide;
    struct Fade : SZBase1
    {
        void calc() override {}
        int fade() const { return fadeLength; }
    } fade;
    SmoothVolume level;
    ModulatingDelayLine line;
    for (auto* block : std::initializer_list<DspBase*> { &osc, &glide, &fade, &line })
        block->setSampleRate (96000.0f);
    level.setSampleRate (96000.0f);
    EXPECT_EQ (osc.glide(), 4096);
    EXPECT_EQ (glide.glide(), 4096);
    EXPECT_EQ (fade.fade(), 256);
    EXPECT_EQ (level.getRampLength(), 4096);
    EXPECT_EQ (line.getDelayGlideLength(), 65536);
    EXPECT_EQ (line.getSweepGlideLength(), 4096);
}

TEST (ModulatingDelayLine, BufferIs610MsAndSettingsAreCapped)
{
    const std::pair<float, int> rates[] = { { 22050.0f, 13450 },  { 44100.0f, 26901 },   { 48000.0f, 29280 },  { 88200.0f, 53802 },
                                            { 96000.0f, 58560 }, { 176400.0f, 107604 }, { 192000.0f, 117120 } };
    for (auto [rate, length] : rates)
    {
        ModulatingDelayLine line;
        line.setSampleRate (rate);
        EXPECT_EQ (line.getBufferLength(), length) << rate;
    }
    ModulatingDelayLine line;
    line.setDelay (800.0f);
    line.setSweepWidth (250.0f);
    EXPECT_EQ (line.getDelay(), 500.0f);
    EXPECT_EQ (line.getSweepWidth(), 100.0f);
}

TEST (ModulatingDelayLine, DelaysByTheSetTimeAndGlidesThere)
{
    ModulatingDelayLine line;
    line.setSampleRate (44100.0f);
    line.forceCalcParams();
    EXPECT_EQ (through (line, 0.25), 0.25); // no delay: the sample just written

    line.setDelay (10.0f);
    line.forceCalcParams();
    std::vector<double> out;
    for (int n = 0; n < 600; ++n)
        out.push_back (through (line, n == 0 ? 1.0 : 0.0));
    EXPECT_NEAR (out[441], 1.0, 1e-4);
    EXPECT_NEAR (out[440] + out[442], 0.0, 1e-4);

    // A new delay is reached after the glide length, and held exactly.
    line.setDelay (0.0f);
    line.calcDelay();
    for (int n = 0; n < 32766; ++n)
        through (line, 0.0);
    EXPECT_NE (through (line, 0.5), 0.5);
    EXPECT_EQ (through (line, 0.75), 0.75);
}

TEST (ModulatingDelayLine, ARateChangeKeepsItInsideItsBufferAndItsGlidesFinished)
{
    ModulatingDelayLine idle;
    EXPECT_EQ (through (idle, 0.3, 0.5f), 0.3); // no buffer yet: passes unchanged

    // Finished at 48 kHz, the delay's counter stands beyond the shorter glide
    // of 22.05 kHz: that counts as reached, so a new delay is held at once,
    // whether or not the sweep is gliding meanwhile.
    for (bool sweepGlides : { false, true })
    {
        ModulatingDelayLine line;
        line.setSampleRate (48000.0f);
        line.forceCalcParams();
        for (int n = 0; n < 20000; ++n)
            through (line, 1.0);
        line.setSampleRate (22050.0f);
        ASSERT_LT (line.getWriteIndex(), line.getBufferLength());
        line.setDelay (10.0f);
        line.setSweepWidth (5.0f);
        if (sweepGlides)
            line.calcSweepWidth();
        std::vector<double> out;
        for (int n = 0; n < 300; ++n)
            out.push_back (through (line, n == 0 ? 1.0 : 0.0));
        EXPECT_EQ (out[0], 0.0) << sweepGlides;
        EXPECT_NEAR (out[220] + out[221], 1.0, 1e-4) << sweepGlides; // 220.5 samples
    }
}

TEST (ModulatingDelayLine, ReadPositionWrappingToTheLengthReadsTheStart)
{
    // Just below 0, the read position wraps in float to exactly the buffer
    // length: the read must stay inside the buffer.
    ModulatingDelayLine line;
    line.setSampleRate (44100.0f);
    line.setSweepWidth (0.01f);
    line.forceCalcParams();
    for (int n = 0; n < line.getBufferLength(); ++n)
        through (line, 0.0);
    ASSERT_EQ (line.getWriteIndex(), 0);
    EXPECT_EQ (through (line, 0.5, 0.001f), 0.5);
}

TEST (WavetableTriOscILP30, TablesHoldTheWarpedTriangle)
{
    WavetableTriOscILP30 osc;
    EXPECT_EQ (osc.getTableA (0), 0.0f);
    EXPECT_EQ (osc.getTableA (512), 1.0f);
    EXPECT_EQ (osc.getTableB (0), 1.0f);
    EXPECT_EQ (osc.getTableB (512), 0.0f);
    EXPECT_NEAR (osc.getTableA (256), 0.4023, 1e-4); // bent: below the straight line's 0.5
    EXPECT_NEAR (osc.getTableA (100), 0.14209, 1e-5);
    EXPECT_NEAR (osc.getTableB (100), 0.73148, 1e-5);
    EXPECT_NEAR (osc.getTableA (700), 0.53522, 1e-5);
    EXPECT_NEAR (osc.getTableB (700), 0.28213, 1e-5);

    // The first values after a reset come from the start of the tables.
    osc.setSampleRate (44100.0f);
    float a, b;
    osc.getOscSignal (a, b);
    EXPECT_EQ (a, 0.0f);
    EXPECT_EQ (b, 1.0f);
}

TEST (WavetableTriOscILP30, PeriodMatchesTheFrequencyAtEveryRate)
{
    // Slowest free rate, a tempo-synced 8/1 and 1/4 at 120 bpm, the fastest rate.
    for (float rate : { 22050.0f, 44100.0f, 48000.0f, 88200.0f, 96000.0f, 176400.0f, 192000.0f })
        for (float hz : { 0.01f, 0.0625f, 2.0f, 20.0f })
        {
            WavetableTriOscILP30 osc;
            osc.setSampleRate (rate);
            osc.setFrequency (hz);
            osc.calc();
            osc.forceCalcParams();
            const double expected = rate / hz;
            EXPECT_NEAR (measuredPeriod (osc, hz < 0.1f ? 2 : 5) / expected, 1.0, 1e-3) << rate << " Hz, LFO " << hz;
        }
}

TEST (WavetableTriOscILP30, GlideLandsOnTheNewRate)
{
    for (float rate : { 44100.0f, 176400.0f, 192000.0f })
    {
        WavetableTriOscILP30 osc;
        osc.setSampleRate (rate);
        osc.setFrequency (20.0f);
        osc.calc();
        osc.forceCalcParams();
        osc.setFrequency (0.05f);
        osc.calc();
        const int glide = rate < 68000.0f ? 2048 : 8192;
        for (int n = 0; n < glide; ++n)
            osc.getOscSignal();
        EXPECT_EQ (osc.getCurrentIncrement(), static_cast<double> (osc.getTargetIncrement())) << rate;
        EXPECT_NEAR (measuredPeriod (osc, 2) / (rate / 0.05), 1.0, 1e-3) << rate;
    }
}

TEST (WavetableTriOscILP30, WildFrequenciesStayInsideTheTables)
{
    for (float hz : { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), -5.0f, 48000.0f, 1e9f })
        for (bool glide : { false, true })
        {
            WavetableTriOscILP30 osc;
            osc.setSampleRate (48000.0f);
            osc.setFrequency (hz);
            osc.calc();
            if (! glide)
                osc.forceCalcParams();
            for (int n = 0; n < 5000; ++n)
            {
                float a, b;
                osc.getOscSignal (a, b);
                ASSERT_TRUE (a >= 0.0f && a <= 1.0f && b >= 0.0f && b <= 1.0f) << hz;
            }
        }
}

TEST (OnePoles, LowpassStepAndHighpassDecay)
{
    OnePole lowpass;
    double x = 0.3;
    lowpass.process (x);
    EXPECT_EQ (x, 0.3); // idle: passes through

    lowpass.resetBuffer();
    lowpass.setSampleRate (44100.0f);
    lowpass.setFrequency (72.0f);
    std::vector<double> step;
    for (int n = 1; n <= 100; ++n)
    {
        x = 1.0;
        lowpass.process (x);
        step.push_back (x);
    }
    EXPECT_NEAR (step[0], 0.0102058, 1e-7);
    EXPECT_NEAR (step[99], 0.6414998, 1e-7);

    OnePoleHighpass highpass;
    highpass.setSampleRate (44100.0f);
    x = 0.3;
    highpass.process (x);
    EXPECT_EQ (x, 0.3);
    highpass.setFrequency (10.0f);
    double first = 1.0, later = 1.0;
    highpass.process (first);
    for (int n = 0; n < 44100; ++n)
    {
        later = 1.0;
        highpass.process (later);
    }
    EXPECT_GT (first, 0.99);
    EXPECT_LT (std::abs (later), 0.01);
}

TEST (SmoothVolume, FirstValueJumpsLaterOnesRampExactly)
{
    SmoothVolume level;
    level.setSampleRate (44100.0f);
    level.setValue (1.0f);
    level.calc();
    double x = 0.5;
    level.process (x);
    EXPECT_EQ (x, 0.5);

    level.setValue (0.0f);
    level.calc();
    for (int n = 0; n < 1024; ++n)
        level.process (x);
    EXPECT_NEAR (level.getGain(), 0.5, 1e-12);
    for (int n = 0; n < 1024; ++n)
        level.process (x);
    EXPECT_EQ (level.getGain(), 0.0);

    // A shorter ramp length stops a ramp where it stands.
    level.setValue (1.0f);
    level.calc();
    for (int n = 0; n < 1500; ++n)
        level.process (x);
    level.setSampleRate (22050.0f);
    const double held = level.getGain();
    level.process (x);
    EXPECT_EQ (level.getGain(), held);
}

TEST (NonLinearStages, CurvesAtTheirKnees)
{
    EXPECT_EQ (BBDNonLinear::shape (0.0), 0.0);
    EXPECT_NEAR (BBDNonLinear::shape (1.0), 1.0 - 0.125 - 0.0555555555555556, 1e-15);
    EXPECT_EQ (BBDNonLinear::shape (5.0), 1.0710587333780515);
    EXPECT_EQ (BBDNonLinear::shape (1.811737835407257), 1.0710587333780515);
    EXPECT_NEAR (BBDNonLinear::shape (1.8117378), 1.0710587333780515, 1e-9); // continuous
    EXPECT_EQ (BBDNonLinear::shape (-5.0), -2.664808733338052);
    EXPECT_NEAR (BBDNonLinear::shape (-3.3117378), -2.664808733338052, 1e-9);

    EXPECT_EQ (OpampLimiter::limit (4.0), 4.0);
    EXPECT_EQ (OpampLimiter::limit (4.153867856), static_cast<double> (4.153867856f));
    EXPECT_EQ (OpampLimiter::limit (10.0), static_cast<double> (4.4f));
    EXPECT_EQ (OpampLimiter::limit (-10.0), -static_cast<double> (4.4f));
    EXPECT_NEAR (OpampLimiter::limit (4.660716) / 4.660716, 0.94406, 1e-4); // both sides of the knee's end
    EXPECT_NEAR (OpampLimiter::limit (4.660717) / 4.660717, 0.94406, 1e-4);
    double previous = 0.0;
    for (double m = 4.15; m < 4.7; m += 0.001)
    {
        const double y = OpampLimiter::limit (m);
        EXPECT_EQ (y, static_cast<double> (static_cast<float> (y)));
        EXPECT_GE (y, previous);
        previous = y;
    }
}

TEST (Flanger117Diode, TableAndLookUp)
{
    Flanger117Diode diode;
    EXPECT_NEAR (diode.getTableValue (4096), 0.0f, 1e-12);
    for (int k = 1; k <= 4096; k += 5)
        EXPECT_NEAR (diode.getTableValue (8192 - k), -diode.getTableValue (k), 1e-6) << k;
    EXPECT_NEAR (diode.getTableValue (8192), 1.2969, 1e-4);
    EXPECT_NEAR (diode.getTableValue (6144), 0.8029, 1e-4);
    EXPECT_NEAR (diode.getTableValue (5120), 0.5457, 1e-4);
    EXPECT_NEAR (diode.getTableValue (4200), 0.11425, 1e-5);

    auto lookUp = [&diode] (double x) {
        diode.process (x);
        return x;
    };
    EXPECT_NEAR (lookUp (0.0), -1.1e-5, 0.1e-5);
    EXPECT_NEAR (lookUp (1.0), 0.5156, 1e-4);
    EXPECT_NEAR (lookUp (100.0), 1.2751, 1e-4);
    EXPECT_NEAR (lookUp (-100.0), -1.2751, 1e-4);
    EXPECT_TRUE (std::isfinite (lookUp (std::numeric_limits<double>::quiet_NaN())));

    // The packed stereo lookup gives the mono one's values, bit for bit.
    for (double v : { -7.0, -4.3, -1.0, -0.01, 0.0, 0.37, 2.5, 4.2, 4.5, 50.0 })
    {
        double l = v, r = -0.5 * v;
        diode.process (l, r);
        EXPECT_EQ (l, lookUp (v)) << v;
        EXPECT_EQ (r, lookUp (-0.5 * v)) << v;
    }
}
