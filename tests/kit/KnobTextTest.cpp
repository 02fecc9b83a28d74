// The texts the rate, tempo-division and delay knobs show while dragged.
#include <MorvidDelay10MSKnob.h>
#include <MorvidModDelayFreq20HzMaxLog10Knob.h>
#include <MorvidModDelaySyncKnob.h>
#include <TempoDivisions.h>

#include <gtest/gtest.h>

TEST (KnobText, RateReadsHertzOnThePotTaperNeverBelowTheFloor)
{
    MorvidModDelayFreq20HzMaxLog10Knob knob ("rateKnob_");
    EXPECT_EQ (knob.getTextFromValue (0.0), "0.01 Hz");
    EXPECT_EQ (knob.getTextFromValue (0.001), "0.01 Hz");
    EXPECT_EQ (knob.getTextFromValue (0.25), "0.50 Hz");
    EXPECT_EQ (knob.getTextFromValue (0.5), "2.00 Hz");
    EXPECT_EQ (knob.getTextFromValue (1.0), "20.00 Hz");
}

TEST (KnobText, DelayReadsMillisecondsWithTwoDecimals)
{
    MorvidDelay10MSKnob knob ("delayKnob_");
    EXPECT_EQ (knob.getTextFromValue (0.0), "0.00 ms");
    EXPECT_EQ (knob.getTextFromValue (0.123), "1.23 ms");
    EXPECT_EQ (knob.getTextFromValue (1.0), "10.00 ms");
}

TEST (KnobText, SyncStepsReadTheirNoteValuesAndEdgesBelongBelow)
{
    MorvidModDelaySyncKnob knob ("rateSyncKnob_");
    const double step = (double) (1.0f / 18.1f);
    EXPECT_DOUBLE_EQ (knob.getInterval(), step); // 19 steps

    for (int k = 0; k <= 18; ++k)
        EXPECT_EQ (knob.getTextFromValue (k * step), TempoDivisions::table[k].text) << "step " << k;

    EXPECT_EQ (knob.getTextFromValue (-0.5), "8/1");
    EXPECT_EQ (knob.getTextFromValue (2.0), "1/32T");

    // 0.5 is the edge 9/18: it reads division 9, like the engine's ceil(18 x 0.5).
    EXPECT_EQ (knob.getTextFromValue (0.5), "1/4T");
    const double edge8 = (double) (8.0f / 18.0f);
    EXPECT_EQ (knob.getTextFromValue (edge8), "1/4");
    EXPECT_EQ (knob.getTextFromValue (std::nextafter (edge8, 1.0)), "1/4T");
    EXPECT_EQ (knob.getTextFromValue ((double) (17.0f / 18.0f)), "1/32");
    EXPECT_EQ (knob.getTextFromValue (std::nextafter ((double) (17.0f / 18.0f), 1.0)), "1/32T");
}
