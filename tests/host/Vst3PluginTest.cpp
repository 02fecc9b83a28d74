// The built bundle, loaded the way a host loads it: JUCE's VST3 hosting.
#include "ProcessorProbe.h"
#include "Vst3Hosting.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <thread>

// JUCE's message dispatch (internal): the tests run their host's message loop
// by hand, as a host application's loop would.
namespace juce
{
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

using namespace vst3hosting;

namespace
{
juce::AudioProcessor::BusesLayout layoutOf (int ins, int outs)
{
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (ins));
    layout.outputBuses.add (juce::AudioChannelSet::canonicalChannelSet (outs));
    return layout;
}

juce::AudioProcessorParameter& param (juce::AudioPluginInstance& plugin, int i) { return *plugin.getParameters()[i]; }

// Values the plug-in changes itself reach a VST3 host as output parameter
// changes of a processed block; the host re-reads them when the plug-in asks
// it to, through its message loop. Polled for five seconds at most.
bool eventually (juce::AudioPluginInstance& plugin, const std::function<bool()>& condition)
{
    juce::AudioBuffer<float> silence (2, 64);
    juce::MidiBuffer midi;
    plugin.prepareToPlay (48000.0, 64);
    for (int i = 0; i < 500 && ! condition(); ++i)
    {
        silence.clear();
        plugin.processBlock (silence, midi);
        std::this_thread::sleep_for (std::chrono::milliseconds (10));
        while (juce::dispatchNextMessageOnSystemQueue (true))
        {
        }
    }
    plugin.releaseResources();
    return condition();
}

// One second of two sines through the plug-in in blocks of 512: the input in
// the first channels, the output in the rest.
juce::AudioBuffer<float> render (juce::AudioPluginInstance& plugin, int ins, int outs)
{
    const int length = 48000;
    juce::AudioBuffer<float> audio (ins + std::max (ins, outs), length);
    for (int ch = 0; ch < ins; ++ch)
        for (int k = 0; k < length; ++k)
            audio.setSample (ch, k, 0.3f * std::sin (0.0287f * float (k) + float (ch)) + 0.2f * std::sin (0.1718f * float (k)));

    plugin.prepareToPlay (48000.0, 512);
    juce::MidiBuffer midi;
    for (int start = 0; start < length; start += 512)
    {
        const int n = std::min (512, length - start);
        juce::AudioBuffer<float> block (audio.getArrayOfWritePointers() + ins, std::max (ins, outs), start, n);
        for (int ch = 0; ch < block.getNumChannels(); ++ch)
            block.copyFrom (ch, 0, audio, std::min (ch, ins - 1), start, n);
        plugin.processBlock (block, midi);
    }
    plugin.releaseResources();
    return audio;
}

// RMS of (output - input) over RMS of the input.
float change (const juce::AudioBuffer<float>& audio, int ins, int outChannel)
{
    juce::AudioBuffer<float> d (audio);
    d.addFrom (ins + outChannel, 0, audio, std::min (outChannel, ins - 1), 0, audio.getNumSamples(), -1.0f);
    return d.getRMSLevel (ins + outChannel, 0, d.getNumSamples()) / audio.getRMSLevel (0, 0, audio.getNumSamples());
}

} // namespace

TEST (Vst3Plugin, DescriptionLayoutsParametersAndPrograms)
{
    const auto d = describe();
    EXPECT_EQ (d.name + "|" + d.manufacturerName + "|" + d.category + "|" + d.version, "Pandrel TQ4418|Morvid|Fx|Modulation|" + juce::String (PandrelVersion::text));
    EXPECT_FALSE (d.isInstrument);
    EXPECT_EQ (d.numInputChannels + d.numOutputChannels, 4);

    auto plugin = load();
    ASSERT_NE (plugin, nullptr);
    EXPECT_FALSE (plugin->acceptsMidi() || plugin->producesMidi());
    EXPECT_TRUE (plugin->hasEditor());
    for (auto [ins, outs, ok] : { std::tuple (2, 2, true), std::tuple (1, 2, true), std::tuple (1, 1, true), std::tuple (2, 1, false) })
        EXPECT_EQ (plugin->checkBusesLayoutSupported (layoutOf (ins, outs)), ok);

    // Ours in order, then the wrapper's "Bypass" and "Program".
    ASSERT_EQ (plugin->getParameters().size(), 13);
    EXPECT_EQ (param (*plugin, 0).getName (100) + " " + param (*plugin, 5).getName (100) + " " + param (*plugin, 10).getName (100)
                   + " " + param (*plugin, 11).getName (100),
               "onBypass delay sync Bypass");
    EXPECT_EQ (param (*plugin, 3).getCurrentValueAsText(), "1.67");
    EXPECT_EQ (param (*plugin, 1).getText (0.5f, 100), "Type 2");
    EXPECT_FLOAT_EQ (param (*plugin, 2).getDefaultValue(), 0.2f);

    ASSERT_EQ (plugin->getNumPrograms(), 12);
    for (int p = 0; p < 12; ++p)
        EXPECT_EQ (plugin->getProgramName (p), "Init");
}

TEST (Vst3Plugin, AudioIsFiniteAndFlangedInEveryLayout)
{
    for (auto [ins, outs] : { std::pair (2, 2), std::pair (1, 2), std::pair (1, 1) })
    {
        auto plugin = load();
        ASSERT_NE (plugin, nullptr);
        ASSERT_TRUE (plugin->setBusesLayout (layoutOf (ins, outs)));
        const auto audio = render (*plugin, ins, outs);
        for (int ch = 0; ch < outs; ++ch)
        {
            EXPECT_TRUE (std::isfinite (audio.getRMSLevel (ins + ch, 0, audio.getNumSamples())));
            EXPECT_GT (change (audio, ins, ch), 0.1f) << ins << "x" << outs << " channel " << ch;
            EXPECT_GT (audio.getRMSLevel (ins + ch, 0, audio.getNumSamples()), 0.05f);
        }
    }
}

TEST (Vst3Plugin, ProgramChangesShowInValuesAndAudio)
{
    PandrelTQ4418AudioProcessor bank; // program 3: another sound altogether
    const float jet[] = { 1.0f, 1.0f, 0.8f, 0.5f, 1.0f, 0.6f, 0.9f, 0.7f, 0.3f, 1.0f, 0.0f };
    std::copy (jet, jet + 11, bank.programs[3].values[0]);
    juce::MemoryBlock bankState;
    bank.getStateInformation (bankState);

    auto plugin = load();
    ASSERT_NE (plugin, nullptr);
    const auto state = hostState (bankState.getData(), bankState.getSize());
    plugin->setStateInformation (state.getData(), (int) state.getSize());
    const auto before = render (*plugin, 2, 2);

    plugin->setCurrentProgram (3);
    EXPECT_TRUE (eventually (*plugin, [&] { return std::abs (param (*plugin, 2).getValue() - 0.8f) < 1e-6f; }));
    EXPECT_EQ (param (*plugin, 1).getCurrentValueAsText(), "Type 3");
    EXPECT_EQ (plugin->getCurrentProgram(), 3);

    // The plug-in's own timer switches the model: poll for the other sound.
    const auto switched = [&]
    {
        auto after = render (*plugin, 2, 2);
        after.addFrom (2, 0, before, 2, 0, after.getNumSamples(), -1.0f);
        return after.getRMSLevel (2, 0, after.getNumSamples()) > 0.05f;
    };
    bool done = switched();
    for (int i = 0; i < 500 && ! done; ++i)
    {
        std::this_thread::sleep_for (std::chrono::milliseconds (10));
        done = switched();
    }
    EXPECT_TRUE (done);
}

TEST (Vst3Plugin, StateMovesToASecondInstanceWithNothingLost)
{
    auto valueFor = [] (int p, int i) { return i == 3 ? float (p + 2) / 18.0f : 0.05f * float (p + i); };
    auto first = load(), second = load();
    ASSERT_TRUE (first != nullptr && second != nullptr);
    for (int p : { 1, 5, 11 })
    {
        first->setCurrentProgram (p);
        for (int i = 2; i < 9; ++i)
            param (*first, i).setValueNotifyingHost (valueFor (p, i));
    }
    const auto state = stateOf (*first);
    second->setStateInformation (state.getData(), (int) state.getSize());
    EXPECT_EQ (stateOf (*second), state);

    for (int p : { 1, 5, 11 })
    {
        second->setCurrentProgram (p);
        EXPECT_TRUE (eventually (*second, [&]
                                 {
                                     for (int i = 2; i < 9; ++i)
                                         if (std::abs (param (*second, i).getValue() - valueFor (p, i)) >= 1e-5f)
                                             return false;
                                     return true;
                                 }))
            << "program " << p;
    }
}

TEST (Vst3Plugin, JunkAndHostileStateAreRefusedSafely)
{
    auto plugin = load();
    ASSERT_NE (plugin, nullptr);
    param (*plugin, 4).setValueNotifyingHost (0.3f);
    const auto other = stateOf (*plugin);
    param (*plugin, 4).setValueNotifyingHost (0.9f);
    const auto before = stateOf (*plugin);

    // Another state whose 8-byte size before "JUCEPrivateData" (the wrapper's
    // trailer) does not fit: refused whole.
    auto component = pluginStateOf (other);
    ASSERT_EQ (juce::String (static_cast<const char*> (component.getData()) + component.getSize() - 15, 15), "JUCEPrivateData");
    for (juce::uint64 size : { 0x80000000ull, 0x7fffffffull, 0xffffffffull, 0x7fffffffffffffffull })
    {
        component.copyFrom (&size, component.getSize() - 23, 8);
        const auto state = hostState (component.getData(), component.getSize());
        plugin->setStateInformation (state.getData(), (int) state.getSize());
    }

    juce::MemoryBlock junk (3000);
    juce::Random random (3);
    for (size_t i = 0; i < junk.getSize(); ++i)
        junk[i] = (char) random.nextInt (256);
    plugin->setStateInformation (junk.getData(), (int) junk.getSize());
    auto wrapped = hostState (junk.getData(), junk.getSize());
    plugin->setStateInformation (wrapped.getData(), (int) wrapped.getSize());

    for (const juce::String& text : { juce::String ("<!DOCTYPE morvidPatch [<!ENTITY a \"&a;\">]><morvidPatch>&a;</morvidPatch>"),
                                     "<morvidPatch>" + juce::String::repeatedString ("<a>", 6000) + "</morvidPatch>",
                                     juce::String ("<morvidPatch><Properties><?x?>b</Properties></morvidPatch>") })
    {
        const auto plain = testdocs::framed (text), state = hostState (plain.getData(), plain.getSize());
        plugin->setStateInformation (state.getData(), (int) state.getSize());
    }

    EXPECT_EQ (stateOf (*plugin), before);
    EXPECT_FLOAT_EQ (param (*plugin, 4).getValue(), 0.9f);
    const auto audio = render (*plugin, 2, 2);
    EXPECT_TRUE (std::isfinite (audio.getRMSLevel (2, 0, audio.getNumSamples())));
}

TEST (Vst3Plugin, ReportsATailLongerThanTheLongestRing)
{
    auto plugin = load();
    ASSERT_NE (plugin, nullptr);
    const double tail = plugin->getTailLengthSeconds();
    EXPECT_GT (tail, 1.0);
    EXPECT_LE (tail, 8.0);

    // Feedback, delay and depth full, the LFO at its slowest and the spread
    // on (one channel then reads the longest delay): the settings that ring
    // longest. How long a small impulse takes to fall 120 dB below its peak.
    for (float type : { 0.0f, 0.5f, 1.0f })
        for (double rate : { 48000.0, 768000.0 })
        {
            PandrelTQ4418AudioProcessor bank;
            const float longest[] = { 1.0f, type, 0.0f, 1.0f / 6.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.5f, 1.0f, 0.0f };
            std::copy (longest, longest + 11, bank.programs[0].values[0]);
            juce::MemoryBlock bankState;
            bank.getStateInformation (bankState);
            const auto state = hostState (bankState.getData(), bankState.getSize());
            plugin->setStateInformation (state.getData(), (int) state.getSize());
            plugin->prepareToPlay (rate, 4096);
            juce::AudioBuffer<float> block (2, 4096);
            juce::MidiBuffer midi;
            std::vector<float> magnitudes;
            for (int start = 0; start < int ((tail + 1.0) * rate); start += block.getNumSamples())
            {
                block.clear();
                if (start == 0)
                    block.setSample (0, 0, 0.01f), block.setSample (1, 0, 0.01f);
                plugin->processBlock (block, midi);
                for (int k = 0; k < block.getNumSamples(); ++k)
                    magnitudes.push_back (std::max (std::abs (block.getSample (0, k)), std::abs (block.getSample (1, k))));
            }
            plugin->releaseResources();

            const float peak = *std::max_element (magnitudes.begin(), magnitudes.end());
            const auto lastAbove = std::find_if (magnitudes.rbegin(), magnitudes.rend(), [peak] (float m) { return m > peak * 1e-6f; });
            const double ring = double (magnitudes.rend() - lastAbove) / rate;
            EXPECT_GT (ring, 0.5) << "type " << type << " at " << rate;
            EXPECT_LT (ring, tail) << "type " << type << " at " << rate;
        }
}
