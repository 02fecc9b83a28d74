#include "ModelRouting.h"
#include "ProcessorProbe.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <thread>

#include <sched.h>

namespace P = ParameterTable;

TEST (ProcessorParameters, NamesDefaultsAndTextsAsHostsSeeThem)
{
    const char* const ids[] = { "onBypass", "flangerType", "rate", "rateSync", "depth", "delay",
                                "feedback", "mix", "level", "stereo", "sync" };
    PandrelTQ4418AudioProcessor p;
    ASSERT_EQ (p.getParameters().size(), p.getNumParameters());
    for (int i = 0; i < P::numParameters; ++i)
    {
        auto* parameter = p.getParameters()[i];
        EXPECT_EQ (p.getParameterName (i) + parameter->getName (100), juce::String (ids[i]) + ids[i]);
        const float value = ParameterTable::defaultValue (i);
        EXPECT_TRUE (p.getParameter (i) == value && parameter->getDefaultValue() == value) << i;
    }
    EXPECT_TRUE (p.getParameterName (P::numParameters).isEmpty() && p.getParameter (-1) == 0.0f);

    // The models keep defaults of their own: the table's, but for the stereo
    // switch (on in Types 1 and 3), which the processor always sets.
    ProcessorProbe probe { p };
    for (int m = 0; m < 3; ++m)
        for (int i = 0; i < P::numParameters; ++i)
            if (i != P::flangerType && i != P::stereo)
            {
                EXPECT_EQ (probe.model (m).getDefaultParameter (ModelRouting::modelParameterIndex (i, probe.model (m))), P::defaultValue (i))
                    << m << "/" << i;
            }

    const struct { int index; float value; const char* text; } texts[] = {
        { P::flangerType, 0.0f, "Type 1" },   { P::flangerType, 0.25f, "Type 2" },
        { P::flangerType, 0.5f, "Type 2" },   { P::flangerType, 0.5001f, "Type 3" },
        { P::flangerType, std::numeric_limits<float>::quiet_NaN(), "Type 3" },
        { P::onBypass, 0.3f, "On" },          { P::onBypass, -0.1f, "On" },
        { P::onBypass, 0.0f, "Off" },         { P::feedback, 0.5f, "5.00" },
        { P::rateSync, 1.0f / 6.0f, "1.67" },
    };
    for (const auto& t : texts)
    {
        p.setParameter (t.index, t.value);
        EXPECT_EQ (p.getParameterText (t.index), t.text) << t.index << " " << t.value;
        EXPECT_TRUE (std::isnan (t.value) || p.getParameters()[t.index]->getText (t.value, 99) == t.text); // any value
    }
    EXPECT_EQ (p.getParameters()[P::flangerType]->getValueForText ("Type 2"), 0.5f);

    const std::unique_ptr<juce::AudioProcessorEditor> editor (p.createEditor());
    EXPECT_EQ (editor->getBounds(), juce::Rectangle<int> (325, 454));
}

TEST (ProcessorParameters, AValueGoesUnclampedIntoTheActiveSlotOfTheCurrentProgram)
{
    PandrelTQ4418AudioProcessor p;
    p.setCurrentProgram (3);
    p.programs[3].activeChannel = 1;
    p.parametersChanged.exchange (false);
    p.setParameter (P::numParameters, 0.3f);
    p.setParameter (-1, 0.3f);
    EXPECT_FALSE (p.parametersChanged.load());

    p.setParameter (P::depth, 0.7f);
    p.setParameter (P::delay, -3.0f);
    EXPECT_EQ (p.programs[3].values[1][P::depth], 0.7f);
    EXPECT_EQ (p.programs[3].values[0][P::depth] + p.programs[0].values[1][P::depth], 0.4f);
    EXPECT_EQ (p.getParameters()[P::delay]->getValue(), -3.0f);
    EXPECT_TRUE (p.parametersChanged.exchange (false));
}

TEST (ProcessorPrograms, ProgramChangeAndABSlotsReachTheHostAndTheFlags)
{
    struct Listener : juce::AudioProcessorListener
    {
        int values = 0, displays = 0;
        void audioProcessorParameterChanged (juce::AudioProcessor*, int, float) override { ++values; }
        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override { ++displays; }
    } listener;

    PandrelTQ4418AudioProcessor p;
    EXPECT_EQ (p.getProgramName (11), "Init");
    p.programs[5].values[0][P::rate] = 0.9f;
    p.programs[5].values[1][P::rate] = 0.1f;
    p.programs[5].name[0] = "Clean/Slow.mdtz";
    p.programChanged.exchange (false);
    p.addListener (&listener);

    p.setCurrentProgram (12);
    EXPECT_EQ (listener.values + listener.displays + (int) p.programChanged.load(), 0);
    p.setCurrentProgram (5);
    EXPECT_EQ (p.getParameterText (P::rate) + " " + p.getProgramName (5), "9.00 Slow");
    EXPECT_TRUE (listener.values == 11 && listener.displays == 1);
    EXPECT_TRUE (p.programChanged.exchange (false) && p.parametersChanged.exchange (false) && p.channelChanged.exchange (false));

    // The editor's A/B switch: set the slot, push its values to the host.
    p.programs[5].activeChannel = 1;
    for (int i = 0; i < P::numParameters; ++i)
        p.setParameterNotifyingHost (i, p.getParameter (i));
    EXPECT_EQ (p.getParameterText (P::rate) + " " + p.getProgramName (5), "1.00 Init");
    p.removeListener (&listener);
}

TEST (ProcessorPrograms, ABurstOfTypeChangesSwitchesOnceFiftyMillisecondsAfterTheLast)
{
    PandrelTQ4418AudioProcessor p;
    ProcessorProbe probe { p };
    probe.driveClock();
    ASSERT_TRUE (probe.awaitMessageThread());
    std::set<int> posted;
    // Time passes on the driven clock, and the timer fires as the message
    // loop would fire it.
    const auto pass = [&] (int ms)
    {
        ManualClock::ms += static_cast<uint32_t> (ms);
        if (p.isTimerRunning())
            p.timerCallback();
        posted.insert (probe.postedModel());
    };
    p.programs[4].values[0][P::flangerType] = 1.0f;

    // On the message thread the timer starts at once, for the type only.
    p.setParameter (P::depth, 0.7f);
    EXPECT_FALSE (p.isTimerRunning());
    p.setParameter (P::flangerType, 0.5f);
    EXPECT_TRUE (p.isTimerRunning());
    pass (30);
    p.setCurrentProgram (4); // to a program of another type
    pass (49);
    EXPECT_EQ (probe.postedModel(), 0) << "posted before the timer fired";
    EXPECT_TRUE (p.isTimerRunning());
    pass (1);
    EXPECT_EQ (probe.postedModel(), 2);
    EXPECT_FALSE (p.isTimerRunning());

    // On the audio thread the change is only noted; the tick starts the timer.
    std::thread ([&] { p.setParameter (P::flangerType, 0.5f); ManualClock::ms += 30; p.setParameter (P::flangerType, 0.0f); }).join();
    EXPECT_FALSE (p.isTimerRunning());
    probe.messageThreadTick();
    EXPECT_TRUE (p.isTimerRunning());
    pass (49);
    EXPECT_EQ (probe.postedModel(), 2);
    pass (1);
    EXPECT_EQ (probe.postedModel(), 0);
    EXPECT_FALSE (p.isTimerRunning());

    EXPECT_EQ (posted, (std::set<int> { 0, 2 })); // never the passing model
}

// Automation from the audio thread while the message thread switches
// programs: whichever way the two interleave, what plays is what the host
// reads, not a value left behind in the program switched away from.
TEST (ProcessorPrograms, AutomationDuringAProgramChangeLeavesNothingTheHostCannotSee)
{
    PandrelTQ4418AudioProcessor p;
    constexpr int rounds = 400;
    // Both threads on one core: the automation is then stopped by the
    // scheduler at any point of a store, the program change runs, and the
    // store goes on after it.
    cpu_set_t before, one;
    ASSERT_EQ (sched_getaffinity (0, sizeof (before), &before), 0);
    CPU_ZERO (&one);
    CPU_SET (sched_getcpu(), &one);
    ASSERT_EQ (sched_setaffinity (0, sizeof (one), &one), 0);

    // In round r the automation stores until stopped, saying so in stored
    // and, once it is out, in finished.
    std::atomic<int> round { -1 }, stored { -1 }, finished { -1 };
    std::atomic<bool> stop { false }, quit { false };
    std::thread automation ([&]
                            {
                                for (int seen = -1; ! quit.load();)
                                {
                                    const int r = round.load();
                                    if (r == seen)
                                    {
                                        std::this_thread::yield();
                                        continue;
                                    }
                                    while (! stop.load())
                                    {
                                        p.setParameter (P::mix, 0.2f);
                                        stored = r;
                                    }
                                    finished = seen = r;
                                }
                            });
    const auto waitFor = [] (const std::atomic<int>& what, int r)
    {
        while (what.load() != r)
            std::this_thread::yield();
    };

    int disagreements = 0;
    for (int r = 0; r < rounds; ++r)
    {
        const int to = 1 - r % 2;
        p.programs[to].values[p.programs[to].activeSlot()][P::mix] = 0.8f;
        stop = false;
        round = r;
        waitFor (stored, r);
        p.setCurrentProgram (to);
        stop = true;
        waitFor (finished, r);

        if (p.getParameterText (P::mix) != P::text (P::mix, p.getParameter (P::mix)))
            ++disagreements;
    }
    quit = true;
    automation.join();
    sched_setaffinity (0, sizeof (before), &before);

    EXPECT_EQ (disagreements, 0) << "rounds of " << rounds << " where the processor plays a value the host cannot see";
}
