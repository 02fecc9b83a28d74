// The built VST 2 plug-in, loaded from its .so by our test host as a host
// would load it, compared with the processor run in-process.
#include "PandrelTQ4418AudioProcessor.h"
#include "PandrelVersion.h"
#include "ReferenceProcessor.h"
#include "Vst2TestHost.h"

#include <gtest/gtest.h>

#include "HostWindow.h" // after gtest: Xlib defines None and Bool

#include <dlfcn.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <thread>

namespace Op = VstEffectOpcode;

namespace
{
constexpr float hostRate = 48000.0f;
constexpr int hostBlock = 512;
constexpr double bpm = 100.0;

// "Type 2", tempo sync, stereo spread, feedback and some delay.
const std::vector<float> settings { 1.0f, 0.5f, 0.3f, 6.0f / 18.0f, 0.7f, 0.3f, 0.75f, 0.5f, 0.5f, 1.0f, 1.0f };

bool allFinite (const Channels& channels)
{
    for (const auto& channel : channels)
        for (float sample : channel)
            if (! std::isfinite (sample))
                return false;
    return true;
}

void sleepMs (int ms)
{
    std::this_thread::sleep_for (std::chrono::milliseconds (ms));
}

// The plug-in in our test host, with a transport at 100 BPM.
struct Plugin : Vst2TestHost
{
    Plugin() : Vst2TestHost (PANDREL_VST2_PLUGIN, hostRate, hostBlock)
    {
        time.sampleRate = hostRate;
        time.tempo = bpm;
        time.flags = VstTimeInfoFlag::tempoValid | VstTimeInfoFlag::transportPlaying;
        timeInfo = &time;
    }

    void startWith (const std::vector<float>& values)
    {
        for (size_t i = 0; i < values.size(); ++i)
            setParameter (static_cast<int> (i), values[i]);
        start();
    }

    // One call of the host's process entry, frames long.
    void processRaw (float** in, float** out, int frames) { effect()->processReplacing (effect(), in, out, frames); }

    VstHostTimeInfo time {};
};

// The processor fed as the wrapper feeds it: parameters set before it is
// prepared.
struct Reference : ReferenceProcessor
{
    explicit Reference (const std::vector<float>& values)
    {
        for (size_t i = 0; i < values.size(); ++i)
            set (static_cast<int> (i), values[i]);
        prepare (hostRate, hostBlock);
    }
};

// A document in the framing the processor's host state uses.
std::vector<char> framed (const std::string& document)
{
    std::vector<char> chunk;
    const auto append = [&chunk] (std::uint32_t word) {
        for (int byte = 0; byte < 4; ++byte)
            chunk.push_back (static_cast<char> ((word >> (8 * byte)) & 0xff));
    };
    append (0x21324356); // JUCE's mark of an XML document in binary state
    append (static_cast<std::uint32_t> (document.size() + 1));
    chunk.insert (chunk.end(), document.begin(), document.end());
    chunk.push_back (0);
    return chunk;
}
} // namespace

TEST (Vst2Plugin, ShowsItselfToTheHost)
{
    Plugin plugin;
    ASSERT_EQ (plugin.error(), "");
    const auto& record = *plugin.effect();
    EXPECT_EQ (record.numInputs, 2);
    EXPECT_EQ (record.numOutputs, 2);
    EXPECT_EQ (record.numParams, 11);
    EXPECT_EQ (record.numPrograms, 12);
    EXPECT_EQ (record.uniqueID, ('P' << 24) | ('t' << 16) | ('q' << 8) | '4');
    EXPECT_EQ (record.version, PandrelVersion::code);
    EXPECT_EQ (record.flags, VstEffectFlag::hasEditor | VstEffectFlag::canReplacing | VstEffectFlag::programChunks);

    EXPECT_EQ (plugin.text (Op::getEffectName), "Pandrel TQ4418");
    EXPECT_EQ (plugin.text (Op::getVendorString), "Morvid");
    EXPECT_EQ (plugin.text (Op::getProductString), "Pandrel TQ4418");
    EXPECT_EQ (plugin.dispatch (Op::getVendorVersion), PandrelVersion::code);
    EXPECT_EQ (plugin.dispatch (Op::getPlugCategory), VstCategory::effect);
    EXPECT_EQ (plugin.dispatch (Op::identify), kVstIdentifyAnswer);
    EXPECT_EQ (plugin.dispatch (Op::canDo, 0, 0, const_cast<char*> ("receiveVstTimeInfo")), 1);
    EXPECT_EQ (plugin.dispatch (Op::canDo, 0, 0, const_cast<char*> ("receiveVstMidiEvent")), -1);
    EXPECT_EQ (plugin.dispatch (Op::canDo, 0, 0, const_cast<char*> ("somethingElse")), 0);

    // Nothing but the two entry points is visible.
    auto* library = dlopen (PANDREL_VST2_PLUGIN, RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
    ASSERT_NE (library, nullptr);
    EXPECT_NE (dlsym (library, "main_macho"), nullptr);
    EXPECT_EQ (dlsym (library, "createPluginFilter"), nullptr);
    dlclose (library);
}

TEST (Vst2Plugin, ReportsTheTailInSamples)
{
    // The settings that ring longest (see the VST3 test): an impulse falls
    // 120 dB below its peak well within the tail reported.
    Plugin plugin;
    plugin.startWith ({ 1.0f, 0.0f, 0.0f, 1.0f / 6.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.5f, 1.0f, 0.0f });
    const auto tail = plugin.dispatch (Op::getTailSize);
    EXPECT_EQ (tail, static_cast<std::intptr_t> (PandrelTQ4418AudioProcessor().getTailLengthSeconds() * hostRate));

    auto audio = Channels (2, std::vector<float> (static_cast<size_t> (tail)));
    audio[0][0] = audio[1][0] = 0.01f;
    plugin.process (audio, audio);
    float peak = 0.0f;
    size_t last = 0;
    for (const auto& channel : audio)
        for (float sample : channel)
            peak = std::max (peak, std::abs (sample));
    for (const auto& channel : audio)
        for (size_t k = 0; k < channel.size(); ++k)
            last = std::abs (channel[k]) > peak * 1e-6f ? std::max (last, k) : last;
    EXPECT_GT (last, static_cast<size_t> (hostRate / 2));
    EXPECT_LT (last, static_cast<size_t> (tail * 3 / 4));
}

TEST (Vst2Plugin, PlaysLikeTheProcessor)
{
    const auto dry = noise (2, 4 * 48000 / 10, 1);
    const auto expected = Reference (settings).render (dry, hostBlock);
    ASSERT_TRUE (allFinite (expected));
    EXPECT_GT (residualDb (expected, dry), -10.0); // flanged

    // In place in the host's blocks; separate buffers in blocks of odd
    // sizes, some longer than prepared; outputs aliasing the other input.
    enum Buffers { inPlace, separate, crossed };
    for (auto [buffers, sizes] : { std::pair { inPlace, std::vector<int> { hostBlock } },
                                   { separate, { 1, 7, 0, 1500, 511, 4096, 3 } }, { crossed, { hostBlock } } })
    {
        Plugin plugin;
        plugin.startWith (settings);
        auto in = dry;
        Channels out (2, std::vector<float> (dry[0].size(), 9.0f));
        auto& written = buffers == separate ? out : in;
        for (int start = 0, i = 0; start < static_cast<int> (dry[0].size()); ++i)
        {
            const int n = std::min (sizes[i % sizes.size()], static_cast<int> (dry[0].size()) - start);
            float* ins[] = { in[0].data() + start, in[1].data() + start };
            float* outs[] = { written[0].data() + start, written[1].data() + start };
            if (buffers == crossed)
                std::swap (outs[0], outs[1]);
            plugin.processRaw (ins, outs, n);
            start += n;
        }
        EXPECT_TRUE (buffers != separate || in == dry); // inputs left as they were
        EXPECT_LT (residualDb (buffers == crossed ? Channels { in[1], in[0] } : written, expected), -120.0) << buffers;
        EXPECT_GT (plugin.count (VstHostOpcode::getTime), 0); // the tempo came from the host
    }
}

// Without an editor the plug-in's own message thread runs the processor's
// timer; with one open, the host's idle calls do.
TEST (Vst2Plugin, ModelSwitchFollowsTheMessageLoop)
{
    auto audio = noise (2, 48000, 2);
    auto expected = audio;
    Plugin plugin;
    plugin.startWith ({});
    Reference reference ({});

    const auto play = [&] (int& start, int blocks) {
        for (int b = 0; b < blocks; ++b, start += hostBlock)
        {
            float* io[] = { audio[0].data() + start, audio[1].data() + start };
            plugin.processRaw (io, io, hostBlock);
            reference.process (expected, start, hostBlock);
        }
    };

    int start = 0;
    play (start, 10);
    plugin.setParameter (1, 0.5f);
    reference.set (1, 0.5f);
    sleepMs (150);
    reference.runTimer();
    play (start, 30);
    EXPECT_LT (residualDb (audio, expected), -120.0);

    HostWindow host;
    if (host.display == nullptr)
        GTEST_SKIP() << "no display for the editor";
    ASSERT_EQ (plugin.dispatch (Op::editorOpen, 0, 0, host.handle()), 1);
    plugin.setParameter (1, 1.0f);
    reference.set (1, 1.0f);
    sleepMs (150);
    play (start, 10); // no idle call yet: still "Type 2"
    for (int i = 0; i < 5; ++i, sleepMs (20))
        plugin.dispatch (Op::editorIdle);
    reference.runTimer();
    play (start, 30);
    EXPECT_LT (residualDb (audio, expected), -120.0);
    plugin.dispatch (Op::editorClose);
}

TEST (Vst2Plugin, ParametersAndTheirTexts)
{
    Plugin plugin;
    plugin.start();
    EXPECT_EQ (plugin.text (Op::getParameterName, 0), "onBypass");
    EXPECT_EQ (plugin.text (Op::getParameterName, 10), "sync");
    EXPECT_EQ (plugin.text (Op::getParameterLabel, 2), "");

    EXPECT_EQ (plugin.getParameter (3), 1.0f / 6.0f);
    plugin.setParameter (1, 0.5f);
    plugin.setParameter (2, 0.3f);
    EXPECT_EQ (plugin.getParameter (1), 0.5f);
    EXPECT_EQ (plugin.text (Op::getParameterDisplay, 1), "Type 2");
    EXPECT_EQ (plugin.text (Op::getParameterDisplay, 2), "3.00");
    EXPECT_EQ (plugin.text (Op::getParameterDisplay, 0), "On");

    // Values that are no numbers are refused.
    plugin.setParameter (2, std::nanf (""));
    EXPECT_EQ (plugin.getParameter (2), 0.3f);

    // The host's own changes are not echoed back to it; the processor's
    // changes (here a program switch) reach it as automation.
    EXPECT_EQ (plugin.count (VstHostOpcode::automate), 0);
    plugin.dispatch (Op::setProgram, 0, 1);
    EXPECT_EQ (plugin.count (VstHostOpcode::automate), 11);
    EXPECT_GE (plugin.count (VstHostOpcode::updateDisplay), 1);
}

TEST (Vst2Plugin, TwelvePrograms)
{
    Plugin plugin;
    plugin.start();
    for (int p = 0; p < 12; ++p)
    {
        char name[64] = "x";
        EXPECT_EQ (plugin.dispatch (Op::getProgramNameIndexed, p, 0, name), 1);
        EXPECT_STREQ (name, "Init");
    }

    plugin.setParameter (4, 0.9f);
    plugin.dispatch (Op::setProgram, 0, 5);
    EXPECT_EQ (plugin.dispatch (Op::getProgram), 5);
    EXPECT_EQ (plugin.getParameter (4), 0.2f);
    plugin.dispatch (Op::setProgram, 0, 0);
    EXPECT_EQ (plugin.getParameter (4), 0.9f);
    EXPECT_EQ (plugin.text (Op::getProgramName), "Init");
}

TEST (Vst2Plugin, ChunksMoveStateIntoASecondInstance)
{
    Plugin first, second;
    first.start();
    second.start();
    for (size_t i = 0; i < settings.size(); ++i)
        first.setParameter (static_cast<int> (i), settings[i]);
    first.dispatch (Op::setProgram, 0, 7);
    first.setParameter (6, 0.25f);

    const auto chunk = first.getChunk (false);
    ASSERT_GT (chunk.size(), 100u);
    EXPECT_EQ (second.setChunk (chunk, false), 1);
    EXPECT_EQ (second.getChunk (false), chunk);
    EXPECT_EQ (second.dispatch (Op::getProgram), 7);
    EXPECT_EQ (second.getParameter (6), 0.25f);
    second.dispatch (Op::setProgram, 0, 0);
    for (size_t i = 0; i < settings.size(); ++i)
        EXPECT_EQ (second.getParameter (static_cast<int> (i)), settings[i]) << i;

    // The program chunk replaces only the current program.
    Plugin third;
    third.start();
    third.dispatch (Op::setProgram, 0, 7);
    EXPECT_EQ (third.setChunk (first.getChunk (true), true), 1);
    EXPECT_EQ (third.getParameter (6), 0.25f);
    third.dispatch (Op::setProgram, 0, 0);
    EXPECT_EQ (third.getParameter (1), 0.0f);
}

TEST (Vst2Plugin, RefusesHostileChunks)
{
    Plugin plugin;
    plugin.startWith (settings);
    const auto before = plugin.getChunk (false);

    // Junk, a truncated bank, a self-referential entity (JUCE's parser
    // recurses without end), deep nesting, too big; the guard's own cases are
    // the processor's tests.
    std::vector<std::vector<char>> hostile {
        std::vector<char> (1, 'x'),
        std::vector<char> (before.begin(), before.begin() + static_cast<long> (before.size() / 2)),
        framed ("<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY e \"&e;\">]><morvidPatch>&e;</morvidPatch>"),
        framed (std::string (200000, '<')),
        std::vector<char> ((1 << 20) + 1, '<'),
        framed ("<morvidPatch><Properties><?x?>b</Properties></morvidPatch>"), // JUCE's parser would never return
    };

    for (auto& chunk : hostile)
    {
        plugin.setChunk (chunk, false);
        plugin.setChunk (chunk, true);
    }
    EXPECT_EQ (plugin.dispatch (Op::setChunk, 0, 100, nullptr), 0);
    EXPECT_EQ (plugin.dispatch (Op::setChunk, 0, -5, const_cast<char*> (before.data())), 0);
    EXPECT_EQ (plugin.getChunk (false), before);
}

TEST (Vst2Plugin, ABankItTakesItAlsoSaves)
{
    // Long non-ASCII preset paths grow when written ("&#233;" for each
    // character): a path over 4 096 bytes is not kept, so the chunk stays
    // within what a chunk may hold.
    PandrelTQ4418AudioProcessor source;
    for (auto& program : source.programs)
        program.name[0] = program.name[1] = "@";
    const auto longPath = juce::String::repeatedString (juce::String::charToString (0xe9), 20000);
    const auto bank = source.writePreset (false).toString().replace ("presetPath=\"@\"", "presetPath=\"" + longPath + "\"");

    Plugin first, second;
    first.start();
    second.start();
    first.setChunk (framed (bank.toStdString()), false);
    const auto chunk = first.getChunk (false);
    ASSERT_GT (chunk.size(), 100u);
    EXPECT_EQ (second.setChunk (chunk, false), 1);
    EXPECT_EQ (second.getChunk (false), chunk);
}

TEST (Vst2Plugin, TakesTheThreeChannelLayouts)
{
    Plugin plugin;
    plugin.startWith (settings);

    const auto arrangement = [] (int channels, int type) {
        std::vector<char> block (vstSpeakerArrangementBytes (2));
        auto* a = reinterpret_cast<VstSpeakerArrangement*> (block.data());
        a->numChannels = channels;
        a->type = type;
        return block;
    };
    const auto set = [&] (int ins, int outs) {
        auto in = arrangement (ins, ins == 1 ? VstArrangementType::mono : VstArrangementType::stereo);
        auto out = arrangement (outs, outs == 1 ? VstArrangementType::mono : VstArrangementType::stereo);
        return plugin.dispatch (Op::setSpeakerArrangement, 0, reinterpret_cast<std::intptr_t> (in.data()), out.data());
    };
    const auto current = [&] {
        VstSpeakerArrangement* in = nullptr;
        VstSpeakerArrangement* out = nullptr;
        plugin.dispatch (Op::getSpeakerArrangement, 0, reinterpret_cast<std::intptr_t> (&in), &out);
        return std::make_pair (in->numChannels, out->numChannels);
    };

    EXPECT_EQ (set (1, 2), 1);
    EXPECT_EQ (current(), std::make_pair (1, 2));
    auto audio = noise (2, 2048, 3);
    plugin.process (audio, audio);
    EXPECT_TRUE (allFinite (audio));
    EXPECT_NE (audio[0], audio[1]); // stereo spread out of one input

    EXPECT_EQ (set (1, 1), 1);
    EXPECT_EQ (current(), std::make_pair (1, 1));
    audio = noise (2, 2048, 4);
    plugin.process (audio, audio);
    EXPECT_EQ (audio[1], std::vector<float> (2048, 0.0f)); // no second output

    EXPECT_EQ (set (2, 1), 0);
    EXPECT_EQ (set (2, 2), 1);
    EXPECT_EQ (current(), std::make_pair (2, 2));
    auto odd = arrangement (3, VstArrangementType::userDefined);
    EXPECT_EQ (plugin.dispatch (Op::setSpeakerArrangement, 0, reinterpret_cast<std::intptr_t> (odd.data()), odd.data()), 0);
    auto lying = arrangement (2, VstArrangementType::mono);
    EXPECT_EQ (plugin.dispatch (Op::setSpeakerArrangement, 0, reinterpret_cast<std::intptr_t> (lying.data()), lying.data()), 0);
    EXPECT_EQ (current(), std::make_pair (2, 2));
}

TEST (Vst2Plugin, EditorOpensIntoTheHostsWindow)
{
    Plugin plugin;
    plugin.start();
    VstEditorRect* rect = nullptr;
    ASSERT_EQ (plugin.dispatch (Op::editorGetRect, 0, 0, &rect), 1);
    EXPECT_EQ (rect->right - rect->left, 325);
    EXPECT_EQ (rect->bottom - rect->top, 454);
    EXPECT_EQ (plugin.dispatch (Op::editorOpen), 0); // no window

    HostWindow host;
    if (host.display == nullptr)
        GTEST_SKIP() << "no display for the editor";

    for (int round = 0; round < 2; ++round)
    {
        ASSERT_EQ (plugin.dispatch (Op::editorOpen, 0, 0, host.handle()), 1);
        for (int i = 0; i < 10; ++i, sleepMs (10))
            plugin.dispatch (Op::editorIdle);

        EXPECT_EQ (host.children(), 1u); // the editor is a child of the host's window

        plugin.dispatch (Op::editorClose);
        plugin.dispatch (Op::editorIdle);
    }

    // Closed while open: the close of the instance takes the editor down.
    ASSERT_EQ (plugin.dispatch (Op::editorOpen, 0, 0, host.handle()), 1);
    plugin.close();
}

TEST (Vst2Plugin, SurvivesHostileCalls)
{
    Plugin plugin;
    ASSERT_EQ (plugin.error(), "");
    auto audio = noise (2, 1024, 5);

    // Before it is prepared: silence, whatever the host hands.
    plugin.process (audio, audio);
    EXPECT_EQ (audio[0], std::vector<float> (1024, 0.0f));
    EXPECT_GT (plugin.getChunk (false).size(), 0u);
    plugin.dispatch (Op::editorClose);
    plugin.dispatch (Op::editorIdle);
    plugin.dispatch (Op::setActive, 0, 0);

    // Odd rates and sizes, and resuming twice.
    plugin.dispatch (Op::setSampleRate, 0, 0, nullptr, std::nanf (""));
    plugin.dispatch (Op::setSampleRate, 0, 0, nullptr, -1.0f);
    plugin.dispatch (Op::setBlockSize, 0, 0);
    plugin.dispatch (Op::setBlockSize, 0, -64);
    plugin.start();
    plugin.dispatch (Op::setActive, 0, 1);

    // Null pointers where the host should give some.
    for (int opcode : { Op::getParameterName, Op::getParameterDisplay, Op::getProgramName, Op::getEffectName,
                        Op::canDo, Op::getChunk, Op::editorGetRect, Op::getSpeakerArrangement,
                        Op::setSpeakerArrangement, Op::getProgramNameIndexed })
        EXPECT_EQ (plugin.dispatch (opcode, 0, 0, nullptr), 0) << opcode;

    float* ins[] = { audio[0].data(), nullptr };
    float* outs[] = { nullptr, audio[1].data() };
    plugin.processRaw (ins, outs, 1024);
    plugin.processRaw (nullptr, outs, 1024);
    plugin.processRaw (ins, nullptr, 1024);
    plugin.processRaw (ins, outs, -5);
    EXPECT_TRUE (allFinite (audio));

    double* doubles[] = { nullptr, nullptr };
    plugin.effect()->processDoubleReplacing (plugin.effect(), doubles, doubles, 64);

    // The largest block size there is: resumed, it plays (blocks go in pieces).
    plugin.dispatch (Op::setActive, 0, 0);
    plugin.dispatch (Op::setBlockSize, 0, std::numeric_limits<int>::max());
    plugin.dispatch (Op::setActive, 0, 1);
    auto longBlock = noise (2, 70000, 7), played = longBlock;
    plugin.process (played, played);
    EXPECT_TRUE (allFinite (played));
    EXPECT_GT (residualDb (played, longBlock), -20.0);

    // After it is suspended: silence again.
    plugin.dispatch (Op::setActive, 0, 0);
    plugin.dispatch (Op::setActive, 0, 0);
    audio = noise (2, 1024, 6);
    plugin.process (audio, audio);
    EXPECT_EQ (audio[1], std::vector<float> (1024, 0.0f));
    plugin.close();
    plugin.close();
}
