#pragma once
// What every format of the built plug-in must do in a host, written once over
// a small adapter per format, which each format's test program instantiates:
// describe itself, play like the processor in each channel layout, move its
// state into a second instance, refuse hostile state, show its editor in the
// host's window, and (where the format reports one) a tail longer than the
// longest ring. An adapter offers:
//   Format()                          the plug-in loaded; error() empty then
//   Description describe()            as the format tells it to a host
//   bool takes (ins, outs)            whether it takes that channel layout
//   bool start (ins, outs, values, rate)   values set, then prepared in that
//                                     layout for blocks of 512, a transport
//                                     at 100 BPM
//   set (index, value), get (index)   the processor's parameters
//   process (ins, outs, frames)       one host call, outputs maybe the inputs
//   state(), setState (bytes)         the processor's state as the format
//                                     carries it; setState takes any bytes
//   openEditor (window), idle(), editorSize(), closeEditor()
//   double tailSeconds()              PluginTail only
#include "ParameterTable.h"
#include "PandrelVersion.h"
#include "ProcessorProbe.h"
#include "ReferenceProcessor.h"

#include <gtest/gtest.h>

#include "HostWindow.h" // after gtest: Xlib defines None and Bool

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace pluginsuite
{
constexpr double hostRate = 48000.0;
constexpr int hostBlock = 512;

// Names a format's tests as GoogleTest does by default; Clang's pedantic
// warnings want the namer given.
struct ByIndex
{
    template <class Format>
    static std::string GetName (int index)
    {
        return std::to_string (index);
    }
};

struct Description
{
    std::string name, vendor;
    int version = 0;
    std::vector<std::string> parameterNames; // ours first, in order
};

// "Type 2", tempo sync, stereo spread, feedback and some delay: values the
// preset document carries exactly.
inline const std::vector<float> settings { 1.0f, 0.5f, 0.3f, 6.0f / 18.0f, 0.7f, 0.3f, 0.75f, 0.5f, 0.5f, 1.0f, 1.0f };

// The processor as a host would play it: the settings, then prepared.
inline Channels reference (int ins, int outs, Channels audio)
{
    ReferenceProcessor processor;
    processor.setLayout (ins, outs);
    for (std::size_t i = 0; i < settings.size(); ++i)
        processor.set (static_cast<int> (i), settings[i]);
    processor.prepare (hostRate, hostBlock);
    audio.resize (static_cast<std::size_t> (outs), std::vector<float> (audio[0].size()));
    return processor.render (audio, hostBlock);
}

// Audio through a started plug-in in host blocks: separate buffers, or in
// place (the outputs are the inputs; an output beyond them its own).
template <class Format>
Channels play (Format& plugin, const Channels& dry, int outs, bool inPlace, int block = hostBlock)
{
    Channels in = dry, out (static_cast<std::size_t> (outs), std::vector<float> (dry[0].size(), 9.0f));
    const int length = static_cast<int> (dry[0].size());
    for (int start = 0; start < length; start += block)
    {
        std::vector<float*> ins, outputs;
        for (auto& channel : in)
            ins.push_back (channel.data() + start);
        for (std::size_t c = 0; c < out.size(); ++c)
            outputs.push_back (inPlace && c < in.size() ? ins[c] : out[c].data() + start);
        plugin.process (ins.data(), outputs.data(), std::min (block, length - start));
    }
    for (std::size_t c = 0; inPlace && c < in.size() && c < out.size(); ++c)
        out[c] = in[c];
    return out;
}

// States no processor may take: junk, its own cut in half, a document that
// recurses without end in JUCE's parser, one nested too deep, one JUCE's
// parser never returns from, and too many bytes.
inline std::vector<std::vector<char>> hostileStates (const std::vector<char>& own)
{
    const auto framed = [] (const juce::String& text) {
        const auto block = testdocs::framed (text);
        const auto* bytes = static_cast<const char*> (block.getData());
        return std::vector<char> (bytes, bytes + block.getSize());
    };
    std::vector<char> junk (3000);
    juce::Random random (3);
    for (auto& byte : junk)
        byte = static_cast<char> (random.nextInt (256));
    return { junk,
             std::vector<char> (own.begin(), own.begin() + static_cast<long> (own.size() / 2)),
             framed ("<!DOCTYPE morvidPatch [<!ENTITY a \"&a;\">]><morvidPatch>&a;</morvidPatch>"),
             framed ("<morvidPatch>" + juce::String::repeatedString ("<a>", 6000) + "</morvidPatch>"),
             framed ("<morvidPatch><Properties><?x?>b</Properties></morvidPatch>"),
             std::vector<char> ((1 << 20) + 1, '<') };
}
} // namespace pluginsuite

template <class Format>
class PluginFormat : public ::testing::Test
{
};
TYPED_TEST_SUITE_P (PluginFormat);

TYPED_TEST_P (PluginFormat, DescribesItselfAndItsLayouts)
{
    TypeParam plugin;
    ASSERT_EQ (plugin.error(), "");
    const auto d = plugin.describe();
    EXPECT_EQ (d.name, "Pandrel TQ4418");
    EXPECT_EQ (d.vendor, "Morvid");
    EXPECT_EQ (d.version, PandrelVersion::code);
    ASSERT_GE (d.parameterNames.size(), std::size_t { ParameterTable::numParameters });
    for (int i = 0; i < ParameterTable::numParameters; ++i)
        EXPECT_EQ (d.parameterNames[static_cast<std::size_t> (i)], ParameterTable::id (i));
    for (auto [ins, outs, ok] : { std::tuple (2, 2, true), std::tuple (1, 2, true), std::tuple (1, 1, true), std::tuple (2, 1, false) })
        EXPECT_EQ (plugin.takes (ins, outs), ok) << ins << "x" << outs;
}

TYPED_TEST_P (PluginFormat, PlaysLikeTheProcessorInEachLayout)
{
    for (auto [ins, outs] : { std::pair (2, 2), std::pair (1, 2), std::pair (1, 1) })
    {
        const auto dry = noise (ins, 48000 / 5, ins + outs);
        const auto expected = pluginsuite::reference (ins, outs, dry);
        EXPECT_GT (residualDb (expected, Channels (static_cast<std::size_t> (outs), dry[0])), -10.0); // flanged
        for (const bool inPlace : { true, false })
        {
            TypeParam plugin;
            ASSERT_TRUE (plugin.start (ins, outs, pluginsuite::settings));
            EXPECT_LT (residualDb (pluginsuite::play (plugin, dry, outs, inPlace), expected), -120.0)
                << ins << "x" << outs << (inPlace ? " in place" : " separate");
        }
    }
}

TYPED_TEST_P (PluginFormat, StateMovesIntoASecondInstance)
{
    TypeParam a, b;
    ASSERT_TRUE (a.start (2, 2, {}) && b.start (2, 2, {}));
    for (int i = 0; i < ParameterTable::numParameters; ++i)
        if (i != ParameterTable::flangerType)
            a.set (i, pluginsuite::settings[static_cast<std::size_t> (i)]);
    const auto state = a.state();
    ASSERT_GT (state.size(), 100u);
    b.setState (state);
    EXPECT_EQ (b.state(), state);
    for (int i = 0; i < ParameterTable::numParameters; ++i)
        EXPECT_EQ (b.get (i), a.get (i)) << i;
    const auto dry = noise (2, 8192, 4);
    EXPECT_LT (residualDb (pluginsuite::play (b, dry, 2, true), pluginsuite::play (a, dry, 2, true)), -120.0);
}

TYPED_TEST_P (PluginFormat, RefusesHostileStateAndPlaysOn)
{
    TypeParam plugin;
    ASSERT_TRUE (plugin.start (2, 2, {}));
    plugin.set (4, 0.9f);
    const auto before = plugin.state();
    for (const auto& state : pluginsuite::hostileStates (before))
        plugin.setState (state);
    EXPECT_EQ (plugin.state(), before);
    EXPECT_EQ (plugin.get (4), 0.9f);
    for (const auto& channel : pluginsuite::play (plugin, noise (2, 4096, 5), 2, true))
        EXPECT_TRUE (std::all_of (channel.begin(), channel.end(), [] (float x) { return std::isfinite (x); }));
}

TYPED_TEST_P (PluginFormat, ShowsItsEditorInTheHostsWindow)
{
    HostWindow host;
    if (host.display == nullptr)
        GTEST_SKIP() << "no display for the editor";
    {
        TypeParam plugin;
        ASSERT_TRUE (plugin.start (2, 2, {}));
        for (int round = 0; round < 2; ++round)
        {
            ASSERT_TRUE (plugin.openEditor (host));
            EXPECT_EQ (plugin.editorSize(), std::make_pair (325, 454));
            for (int i = 0; i < 10; ++i)
                plugin.idle();
            EXPECT_EQ (host.children(), 1u); // the editor is a child of the host's window
            plugin.closeEditor();
            EXPECT_EQ (host.children(), 0u);
        }
        ASSERT_TRUE (plugin.openEditor (host)); // left open: the instance's end takes it down
        plugin.idle();
    }
    EXPECT_EQ (host.children(), 0u);
}

REGISTER_TYPED_TEST_SUITE_P (PluginFormat, DescribesItselfAndItsLayouts, PlaysLikeTheProcessorInEachLayout,
                             StateMovesIntoASecondInstance, RefusesHostileStateAndPlaysOn, ShowsItsEditorInTheHostsWindow);

// Formats that report a tail: longer than the longest ring (feedback, delay
// and depth full, the LFO at its slowest, the spread on: one channel then
// reads the longest delay), for how long a small impulse takes to fall 120 dB
// below its peak, at the lowest and highest rates.
template <class Format>
class PluginTail : public ::testing::Test
{
};
TYPED_TEST_SUITE_P (PluginTail);

TYPED_TEST_P (PluginTail, IsLongerThanTheLongestRing)
{
    for (float type : { 0.0f, 0.5f, 1.0f })
        for (double rate : { 48000.0, 768000.0 })
        {
            TypeParam plugin;
            ASSERT_TRUE (plugin.start (2, 2, { 1.0f, type, 0.0f, 1.0f / 6.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.5f, 1.0f, 0.0f }, rate));
            const double tail = plugin.tailSeconds();
            EXPECT_GT (tail, 1.0);
            EXPECT_LE (tail, 8.0);

            Channels block (2, std::vector<float> (pluginsuite::hostBlock));
            std::vector<float> magnitudes;
            for (int start = 0; start < int ((std::min (tail, 8.0) + 1.0) * rate); start += pluginsuite::hostBlock)
            {
                for (auto& channel : block)
                {
                    std::fill (channel.begin(), channel.end(), 0.0f);
                    channel[0] = start == 0 ? 0.01f : 0.0f;
                }
                float* io[] = { block[0].data(), block[1].data() };
                plugin.process (io, io, pluginsuite::hostBlock);
                for (int k = 0; k < pluginsuite::hostBlock; ++k)
                    magnitudes.push_back (std::max (std::abs (block[0][static_cast<std::size_t> (k)]),
                                                    std::abs (block[1][static_cast<std::size_t> (k)])));
            }
            const float peak = *std::max_element (magnitudes.begin(), magnitudes.end());
            const auto lastAbove = std::find_if (magnitudes.rbegin(), magnitudes.rend(), [peak] (float m) { return m > peak * 1e-6f; });
            const double ring = double (magnitudes.rend() - lastAbove) / rate;
            EXPECT_GT (ring, 0.5) << "type " << type << " at " << rate;
            EXPECT_LT (ring, tail) << "type " << type << " at " << rate;
        }
}

REGISTER_TYPED_TEST_SUITE_P (PluginTail, IsLongerThanTheLongestRing);
