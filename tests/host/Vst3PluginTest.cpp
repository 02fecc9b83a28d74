// The built bundle, loaded the way a host loads it: JUCE's VST3 hosting
// classes, no display, no event loop on the host side.
#include "PandrelTQ4418AudioProcessor.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <thread>

namespace
{
const juce::String bundlePath = PANDREL_VST3_BUNDLE;

juce::PluginDescription describe()
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> types;
    format.findAllTypesForFile (types, bundlePath);
    return types.isEmpty() ? juce::PluginDescription() : *types[0];
}

std::unique_ptr<juce::AudioPluginInstance> load()
{
    juce::VST3PluginFormat format;
    juce::String error;
    auto instance = format.createInstanceFromDescription (describe(), 48000.0, 512, error);
    EXPECT_NE (instance, nullptr) << error;
    return instance;
}

juce::AudioProcessor::BusesLayout layoutOf (int ins, int outs)
{
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (ins));
    layout.outputBuses.add (juce::AudioChannelSet::canonicalChannelSet (outs));
    return layout;
}

} // namespace

// JUCE's own message dispatch (internal): the tests run their host's message
// loop by hand, as a host application's loop would.
namespace juce
{
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

namespace
{
// Values the plug-in changes itself (a program change) reach a VST3 host as
// output parameter changes of the next processed block, and the host
// re-reads them when the plug-in asks it to, through its message loop.
bool eventually (juce::AudioPluginInstance& plugin, const std::function<bool()>& condition)
{
    juce::AudioBuffer<float> silence (2, 64);
    juce::MidiBuffer midi;
    plugin.prepareToPlay (48000.0, 64);
    for (int i = 0; i < 100 && ! condition(); ++i)
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

struct Rendered
{
    juce::AudioBuffer<float> in, out;
};

// A second of two sines through the instance in blocks of 512.
Rendered render (juce::AudioPluginInstance& plugin, int ins, int outs)
{
    const int length = 48000, block = 512;
    Rendered r;
    r.in.setSize (ins, length);
    for (int ch = 0; ch < ins; ++ch)
        for (int k = 0; k < length; ++k)
            r.in.setSample (ch, k, 0.3f * std::sin (0.0287f * (float) k + (float) ch) + 0.2f * std::sin (0.1718f * (float) k));

    r.out.setSize (std::max (ins, outs), length);
    r.out.clear();
    plugin.prepareToPlay (48000.0, block);
    juce::MidiBuffer midi;
    for (int start = 0; start < length; start += block)
    {
        const int n = std::min (block, length - start);
        juce::AudioBuffer<float> chunk (r.out.getArrayOfWritePointers(), r.out.getNumChannels(), start, n);
        for (int ch = 0; ch < ins; ++ch)
            chunk.copyFrom (ch, 0, r.in, ch, start, n);
        plugin.processBlock (chunk, midi);
    }
    plugin.releaseResources();
    return r;
}

bool finite (const juce::AudioBuffer<float>& b)
{
    for (int ch = 0; ch < b.getNumChannels(); ++ch)
        for (int k = 0; k < b.getNumSamples(); ++k)
            if (! std::isfinite (b.getSample (ch, k)))
                return false;
    return true;
}

// How far the output strays from the input, relative to the input.
double change (const Rendered& r, int outChannel)
{
    double diff = 0.0, level = 0.0;
    const int inChannel = std::min (outChannel, r.in.getNumChannels() - 1);
    for (int k = 0; k < r.in.getNumSamples(); ++k)
    {
        const double x = r.in.getSample (inChannel, k), y = r.out.getSample (outChannel, k);
        diff += (y - x) * (y - x);
        level += x * x;
    }
    return std::sqrt (diff / level);
}

juce::MemoryBlock stateOf (juce::AudioPluginInstance& plugin)
{
    juce::MemoryBlock state;
    plugin.getStateInformation (state);
    return state;
}

// Host state around plug-in state bytes, as JUCE's VST3 host stores it.
juce::MemoryBlock hostStateAround (const void* pluginState, size_t size)
{
    juce::XmlElement state ("VST3PluginState");
    state.createNewChildElement ("IComponent")->addTextElement (juce::MemoryBlock (pluginState, size).toBase64Encoding());
    juce::MemoryBlock block;
    juce::AudioProcessor::copyXmlToBinary (state, block);
    return block;
}

juce::AudioProcessorParameter& parameter (juce::AudioPluginInstance& plugin, int i) { return *plugin.getParameters()[i]; }
} // namespace

TEST (Vst3Plugin, DescribesItself)
{
    const auto d = describe();
    EXPECT_EQ (d.name, "Pandrel TQ4418");
    EXPECT_EQ (d.manufacturerName, "Morvid");
    EXPECT_EQ (d.pluginFormatName, "VST3");
    EXPECT_EQ (d.category, "Fx|Modulation");
    EXPECT_EQ (d.version, "1.0.1");
    EXPECT_FALSE (d.isInstrument);
    EXPECT_EQ (d.numInputChannels, 2);
    EXPECT_EQ (d.numOutputChannels, 2);

    auto plugin = load();
    ASSERT_NE (plugin, nullptr);
    EXPECT_FALSE (plugin->acceptsMidi());
    EXPECT_FALSE (plugin->producesMidi());
    EXPECT_TRUE (plugin->hasEditor());
    EXPECT_TRUE (plugin->checkBusesLayoutSupported (layoutOf (2, 2)));
    EXPECT_TRUE (plugin->checkBusesLayoutSupported (layoutOf (1, 2)));
    EXPECT_TRUE (plugin->checkBusesLayoutSupported (layoutOf (1, 1)));
    EXPECT_FALSE (plugin->checkBusesLayoutSupported (layoutOf (2, 1)));
}

TEST (Vst3Plugin, ParametersAndPrograms)
{
    auto plugin = load();
    ASSERT_NE (plugin, nullptr);
    const char* const ids[] = { "onBypass", "flangerType", "rate", "rateSync", "depth", "delay",
                                "feedback", "mix", "level", "stereo", "sync" };

    // Ours, then the wrapper's "Bypass" and "Program".
    ASSERT_EQ (plugin->getParameters().size(), 13);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ (parameter (*plugin, i).getName (100), ids[i]);
    EXPECT_EQ (parameter (*plugin, 11).getName (100), "Bypass");

    EXPECT_EQ (parameter (*plugin, 0).getCurrentValueAsText(), "On");
    EXPECT_EQ (parameter (*plugin, 1).getCurrentValueAsText(), "Type 1");
    EXPECT_EQ (parameter (*plugin, 3).getCurrentValueAsText(), "1.67");
    EXPECT_EQ (parameter (*plugin, 1).getText (0.5f, 100), "Type 2");
    EXPECT_EQ (parameter (*plugin, 1).getText (1.0f, 100), "Type 3");
    EXPECT_EQ (parameter (*plugin, 6).getText (0.5f, 100), "5.00");
    EXPECT_EQ (parameter (*plugin, 9).getText (0.0f, 100), "Off");
    EXPECT_FLOAT_EQ (parameter (*plugin, 2).getDefaultValue(), 0.2f);

    ASSERT_EQ (plugin->getNumPrograms(), 12);
    for (int p = 0; p < 12; ++p)
        EXPECT_EQ (plugin->getProgramName (p), "Init");

    // Automation on the audio thread reaches the text hosts show.
    parameter (*plugin, 7).setValueNotifyingHost (0.25f);
    render (*plugin, 2, 2);
    EXPECT_EQ (parameter (*plugin, 7).getCurrentValueAsText(), "2.50");
}

TEST (Vst3Plugin, AudioIsFiniteAndFlangedInEveryLayout)
{
    const std::pair<int, int> layouts[] = { { 2, 2 }, { 1, 2 }, { 1, 1 } };
    for (auto [ins, outs] : layouts)
    {
        auto plugin = load();
        ASSERT_NE (plugin, nullptr);
        ASSERT_TRUE (plugin->setBusesLayout (layoutOf (ins, outs))) << ins << "x" << outs;
        EXPECT_EQ (plugin->getTotalNumInputChannels(), ins);
        EXPECT_EQ (plugin->getTotalNumOutputChannels(), outs);

        const auto r = render (*plugin, ins, outs);
        EXPECT_TRUE (finite (r.out));
        for (int ch = 0; ch < outs; ++ch)
        {
            EXPECT_GT (change (r, ch), 0.1) << ins << "x" << outs << " channel " << ch;
            EXPECT_GT (r.out.getRMSLevel (ch, 0, r.out.getNumSamples()), 0.05f);
        }
    }
}

TEST (Vst3Plugin, ProgramChangesShowInValuesAndAudio)
{
    // A bank where program 3 is another sound altogether.
    PandrelTQ4418AudioProcessor bank;
    const float program3[] = { 1.0f, 1.0f, 0.8f, 0.5f, 1.0f, 0.6f, 0.9f, 0.7f, 0.3f, 1.0f, 0.0f };
    for (int i = 0; i < 11; ++i)
        bank.programs[3].values[0][i] = program3[i];
    bank.programs[3].name[0] = "Factory/Jet.mdtz";
    juce::MemoryBlock bankState;
    bank.getStateInformation (bankState);

    auto plugin = load();
    ASSERT_NE (plugin, nullptr);
    const auto hostState = hostStateAround (bankState.getData(), bankState.getSize());
    plugin->setStateInformation (hostState.getData(), (int) hostState.getSize());
    EXPECT_EQ (plugin->getCurrentProgram(), 0);
    const auto before = render (*plugin, 2, 2);

    plugin->setCurrentProgram (3);
    EXPECT_TRUE (eventually (*plugin, [&] { return std::abs (parameter (*plugin, 2).getValue() - 0.8f) < 1e-6f; }));
    EXPECT_TRUE (eventually (*plugin, [&] { return parameter (*plugin, 1).getCurrentValueAsText() == "Type 3"; }));
    EXPECT_FLOAT_EQ (parameter (*plugin, 8).getValue(), 0.3f);
    EXPECT_EQ (plugin->getCurrentProgram(), 3);

    // The model switch settles on the plug-in's own timer.
    std::this_thread::sleep_for (std::chrono::milliseconds (200));
    const auto after = render (*plugin, 2, 2);
    double difference = 0.0;
    for (int k = 0; k < after.out.getNumSamples(); ++k)
        difference = std::max (difference, (double) std::abs (after.out.getSample (0, k) - before.out.getSample (0, k)));
    EXPECT_GT (difference, 0.1);
    EXPECT_TRUE (finite (after.out));
}

TEST (Vst3Plugin, StateMovesToASecondInstanceWithNothingLost)
{
    // Values the preset text carries exactly: divisions of 18 for "rateSync".
    auto valueFor = [] (int p, int i) { return i == 3 ? (float) (p + 2) / 18.0f : 0.05f * (float) (p + i); };
    auto first = load();
    ASSERT_NE (first, nullptr);
    for (int p : { 1, 5, 11 })
    {
        first->setCurrentProgram (p);
        ASSERT_TRUE (eventually (*first, [&] { return first->getCurrentProgram() == p; }));
        for (int i = 2; i < 9; ++i)
            parameter (*first, i).setValueNotifyingHost (valueFor (p, i));
        parameter (*first, 9).setValueNotifyingHost (1.0f);
    }
    const auto state = stateOf (*first);

    auto second = load();
    ASSERT_NE (second, nullptr);
    second->setStateInformation (state.getData(), (int) state.getSize());
    EXPECT_EQ (stateOf (*second), state);

    for (int p : { 1, 5, 11 })
    {
        second->setCurrentProgram (p);
        for (int i = 2; i < 9; ++i)
            EXPECT_TRUE (eventually (*second, [&] { return std::abs (parameter (*second, i).getValue() - valueFor (p, i)) < 1e-5f; }))
                << "program " << p << " parameter " << i;
    }
}

TEST (Vst3Plugin, JunkAndHostileStateAreRefusedSafely)
{
    auto plugin = load();
    ASSERT_NE (plugin, nullptr);
    parameter (*plugin, 4).setValueNotifyingHost (0.9f);
    const auto before = stateOf (*plugin);

    juce::Random random (3);
    juce::MemoryBlock junk (3000);
    for (size_t i = 0; i < junk.getSize(); ++i)
        junk[i] = (char) random.nextInt (256);

    const juce::String hostile[] = {
        "<!DOCTYPE morvidPatch [<!ENTITY a \"&a;\">]><morvidPatch>&a;</morvidPatch>",
        "<morvidPatch>" + juce::String::repeatedString ("<a>", 6000) + juce::String::repeatedString ("</a>", 6000) + "</morvidPatch>",
    };

    plugin->setStateInformation (junk.getData(), (int) junk.getSize());
    auto wrapped = hostStateAround (junk.getData(), junk.getSize());
    plugin->setStateInformation (wrapped.getData(), (int) wrapped.getSize());
    for (const auto& text : hostile)
    {
        juce::MemoryOutputStream framed;
        framed.writeInt (0x21324356);
        framed.writeInt ((int) text.getNumBytesAsUTF8());
        framed << text;
        framed.writeByte (0);
        auto state = hostStateAround (framed.getData(), framed.getDataSize());
        plugin->setStateInformation (state.getData(), (int) state.getSize());
    }

    EXPECT_EQ (stateOf (*plugin), before);
    EXPECT_FLOAT_EQ (parameter (*plugin, 4).getValue(), 0.9f);
    EXPECT_TRUE (finite (render (*plugin, 2, 2).out));
}
