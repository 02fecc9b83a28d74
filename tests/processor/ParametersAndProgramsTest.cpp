#include "ProcessorProbe.h"
#include "TypeChangeSchedule.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{
const char* const ids[] = { "onBypass", "flangerType", "rate", "rateSync", "depth", "delay",
                            "feedback", "mix", "level", "stereo", "sync" };
const float defaults[] = { 1.0f, 0.0f, 0.2f, 1.0f / 6.0f, 0.2f, 0.0f, 0.5f, 0.5f, 0.5f, 0.0f, 0.0f };

void clearFlags (PandrelTQ4418AudioProcessor& p)
{
    p.programChanged.exchange (false);
    p.parametersChanged.exchange (false);
    p.channelChanged.exchange (false);
}
} // namespace

TEST (ProcessorParameters, TableOfNamesDefaultsAndHostObjects)
{
    PandrelTQ4418AudioProcessor p;
    ASSERT_EQ (p.getNumParameters(), 11);
    ASSERT_EQ (p.getParameters().size(), 11);

    for (int i = 0; i < 11; ++i)
    {
        EXPECT_EQ (p.getParameterName (i), ids[i]);
        EXPECT_EQ (p.getParameterDefaultValue (i), defaults[i]);
        EXPECT_EQ (p.getParameter (i), defaults[i]);

        auto* parameter = p.getParameters()[i];
        EXPECT_EQ (parameter->getName (100), ids[i]);
        EXPECT_EQ (parameter->getDefaultValue(), defaults[i]);
        EXPECT_EQ (parameter->getParameterIndex(), i);
    }

    EXPECT_EQ (p.getParameterName (11), "");
    EXPECT_EQ (p.getParameter (11), 0.0f);
    EXPECT_EQ (p.getParameterDefaultValue (-1), 0.0f);
    EXPECT_EQ (p.getName(), "Pandrel TQ4418");
    EXPECT_FALSE (p.acceptsMidi());
    EXPECT_FALSE (p.producesMidi());
    EXPECT_EQ (p.getInputChannelName (1), "2");
}

TEST (ProcessorParameters, TextsAtTheEdges)
{
    PandrelTQ4418AudioProcessor p;
    auto textFor = [&p] (int i, float v)
    {
        p.setParameter (i, v);
        return p.getParameterText (i);
    };

    EXPECT_EQ (textFor (1, 0.0f), "Type 1");
    EXPECT_EQ (textFor (1, 0.25f), "Type 2");
    EXPECT_EQ (textFor (1, 0.5f), "Type 2");
    EXPECT_EQ (textFor (1, 0.5001f), "Type 3");
    EXPECT_EQ (textFor (1, 1.0f), "Type 3");
    EXPECT_EQ (textFor (1, std::numeric_limits<float>::quiet_NaN()), "Type 3");
    EXPECT_EQ (textFor (0, 0.3f), "On");
    EXPECT_EQ (textFor (0, -0.1f), "On");
    EXPECT_EQ (textFor (0, 0.0f), "Off");
    EXPECT_EQ (textFor (6, 0.5f), "5.00");
    EXPECT_EQ (textFor (3, 1.0f / 6.0f), "1.67");
    EXPECT_EQ (textFor (2, 0.2f), "2.00");

    // Hosts ask the parameter object for the text of any value.
    auto* type = p.getParameters()[1];
    EXPECT_EQ (type->getText (0.5f, 100), "Type 2");
    EXPECT_EQ (type->getValueForText ("Type 3"), 1.0f);
    EXPECT_EQ (p.getParameters()[7]->getText (0.25f, 100), "2.50");
    EXPECT_FLOAT_EQ (p.getParameters()[7]->getValueForText ("2.50"), 0.25f);
}

TEST (ProcessorParameters, SetParameterStoresIntoTheActiveSlotOnly)
{
    PandrelTQ4418AudioProcessor p;
    p.setCurrentProgram (3);
    p.programs[3].activeChannel = 1;
    clearFlags (p);

    p.setParameter (11, 0.3f);
    p.setParameter (-1, 0.3f);
    EXPECT_FALSE (p.parametersChanged.load());

    p.setParameter (4, 0.7f);
    EXPECT_EQ (p.programs[3].values[1][4], 0.7f);
    EXPECT_EQ (p.programs[3].values[0][4], 0.2f);
    EXPECT_EQ (p.programs[0].values[1][4], 0.2f);
    EXPECT_EQ (p.getParameter (4), 0.7f);
    EXPECT_TRUE (p.parametersChanged.exchange (false));
    EXPECT_FALSE (p.programChanged.load());

    // Stored as given; only what reaches the models is made safe.
    p.setParameter (5, -3.0f);
    EXPECT_EQ (p.getParameter (5), -3.0f);
    EXPECT_EQ (p.getParameters()[5]->getValue(), -3.0f);
}

TEST (ProcessorPrograms, ProgramChangeAndABSlots)
{
    PandrelTQ4418AudioProcessor p;
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ (p.getProgramName (i), "Init");
    EXPECT_EQ (p.getProgramName (12), "");

    p.programs[5].values[0][2] = 0.9f;
    p.programs[5].values[1][2] = 0.1f;
    p.programs[5].name[0] = "Clean/Slow.mdtz";
    clearFlags (p);

    p.setCurrentProgram (12);
    EXPECT_EQ (p.getCurrentProgram(), 0);
    EXPECT_FALSE (p.programChanged.load());

    p.setCurrentProgram (5);
    EXPECT_EQ (p.getCurrentProgram(), 5);
    EXPECT_EQ (p.getParameter (2), 0.9f);
    EXPECT_EQ (p.getParameterText (2), "9.00");
    EXPECT_EQ (p.getProgramName (5), "Slow");
    EXPECT_TRUE (p.programChanged.exchange (false));
    EXPECT_TRUE (p.parametersChanged.exchange (false));
    EXPECT_TRUE (p.channelChanged.exchange (false));

    // The editor's A/B switch: set the slot, push its values to the host.
    p.programs[5].activeChannel = 1;
    for (int i = 0; i < 11; ++i)
        p.setParameterNotifyingHost (i, p.getParameter (i));
    EXPECT_EQ (p.getParameterText (2), "1.00");
    EXPECT_EQ (p.getParameters()[2]->getValue(), 0.1f);
    EXPECT_EQ (p.getProgramName (5), "Init");

    p.initDefaultPreset();
    EXPECT_EQ (p.getCurrentProgram(), 0);
    EXPECT_EQ (p.programs[5].activeChannel, 0);
    EXPECT_EQ (p.programs[5].values[1][2], 0.2f);
}

TEST (ProcessorPrograms, ProgramChangeNotifiesHostListeners)
{
    struct Listener : juce::AudioProcessorListener
    {
        int parameterCalls = 0, changeCalls = 0;
        void audioProcessorParameterChanged (juce::AudioProcessor*, int, float) override { ++parameterCalls; }
        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override { ++changeCalls; }
    } listener;

    PandrelTQ4418AudioProcessor p;
    p.addListener (&listener);
    p.setCurrentProgram (2);
    p.removeListener (&listener);

    EXPECT_EQ (listener.parameterCalls, 11);
    EXPECT_GE (listener.changeCalls, 1);
}

TEST (TypeChangeSchedule, ABurstGivesOneSwitchFiftyMillisecondsAfterItsLastChange)
{
    TypeChangeSchedule schedule;
    EXPECT_FALSE (schedule.isDue (1000));

    schedule.noteChange (1000);
    schedule.noteChange (1030);
    schedule.noteChange (1060);
    EXPECT_FALSE (schedule.isDue (1070));
    EXPECT_FALSE (schedule.isDue (1109));
    EXPECT_TRUE (schedule.isDue (1110));
    EXPECT_FALSE (schedule.isDue (1200));

    // A change after the switch starts the next countdown.
    schedule.noteChange (1300);
    EXPECT_FALSE (schedule.isDue (1340));
    EXPECT_TRUE (schedule.isDue (1350));

    // The millisecond counter wraps.
    schedule.noteChange (0xffffffe0u);
    EXPECT_FALSE (schedule.isDue (0xfffffff0u));
    EXPECT_TRUE (schedule.isDue (0x00000020u));
}
