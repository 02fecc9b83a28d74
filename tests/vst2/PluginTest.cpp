// The built VST 2 plug-in, loaded from its .so by our VST 2 host as a host
// would load it, compared with the processor run in-process: the checks of
// every format, and those only VST 2 has.
#include "PluginSuite.h"
#include "Vst2Host.h"

#include <X11/Xutil.h> // after the suite, which includes X11 after gtest

#include <dlfcn.h>

#include <chrono>
#include <cstring>
#include <limits>
#include <thread>

namespace Op = VstEffectOpcode;
using pluginsuite::hostBlock;
using pluginsuite::settings;

namespace
{
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

// A speaker arrangement block as a host passes it.
std::vector<char> arrangement (int channels, int type)
{
    std::vector<char> block (vstSpeakerArrangementBytes (2));
    auto* a = reinterpret_cast<VstSpeakerArrangement*> (block.data());
    a->numChannels = channels;
    a->type = type;
    return block;
}

} // namespace

// The plug-in in our host, with a transport at 100 BPM.
struct Vst2Format : Vst2Host
{
    using Vst2Host::process;
    using Vst2Host::start;

    Vst2Format() : Vst2Host (PANDREL_VST2_PLUGIN, static_cast<float> (pluginsuite::hostRate), hostBlock)
    {
        time.sampleRate = pluginsuite::hostRate;
        time.tempo = 100.0;
        time.flags = VstTimeInfoFlag::tempoValid | VstTimeInfoFlag::transportPlaying;
        timeInfo = &time;
    }

    pluginsuite::Description describe()
    {
        pluginsuite::Description d { text (Op::getEffectName), text (Op::getVendorString), effect()->version, {} };
        for (int i = 0; i < effect()->numParams; ++i)
            d.parameterNames.push_back (text (Op::getParameterName, i));
        return d;
    }

    std::intptr_t arrange (int ins, int outs)
    {
        auto in = arrangement (ins, ins == 1 ? VstArrangementType::mono : VstArrangementType::stereo);
        auto out = arrangement (outs, outs == 1 ? VstArrangementType::mono : VstArrangementType::stereo);
        return dispatch (Op::setSpeakerArrangement, 0, reinterpret_cast<std::intptr_t> (in.data()), out.data());
    }
    bool takes (int ins, int outs) { return arrange (ins, outs) == 1; }

    // Values set before it is resumed, as hosts restore a session.
    bool start (int ins, int outs, const std::vector<float>& values, double rate = pluginsuite::hostRate)
    {
        if (! error().empty() || ! takes (ins, outs))
            return false;
        for (std::size_t i = 0; i < values.size(); ++i)
            setParameter (static_cast<int> (i), values[i]);
        dispatch (Op::open);
        dispatch (Op::setSampleRate, 0, 0, nullptr, static_cast<float> (rate));
        dispatch (Op::setBlockSize, 0, hostBlock);
        dispatch (Op::setActive, 0, 1);
        layout = { ins, outs };
        playingRate = rate;
        return true;
    }

    void set (int index, float value) { setParameter (index, value); }
    float get (int index) { return getParameter (index); }

    // The record keeps two inputs and two outputs whatever the layout.
    void process (float* const* ins, float* const* outs, int frames)
    {
        float* in[] = { ins[0], layout.first > 1 ? ins[1] : silence.data() };
        float* out[] = { outs[0], layout.second > 1 ? outs[1] : nowhere.data() };
        processRaw (in, out, frames);
    }
    // One call of the host's process entry, frames long.
    void processRaw (float** in, float** out, int frames) { effect()->processReplacing (effect(), in, out, frames); }

    std::vector<char> state() { return getChunk (false); }
    void setState (std::vector<char> state) { setChunk (std::move (state), false); }

    bool openEditor (const HostWindow& window) { return dispatch (Op::editorOpen, 0, 0, window.handle()) == 1; }
    void idle() { dispatch (Op::editorIdle); }
    std::pair<int, int> editorSize()
    {
        VstEditorRect* rect = nullptr;
        dispatch (Op::editorGetRect, 0, 0, &rect);
        return rect != nullptr ? std::make_pair (rect->right - rect->left, rect->bottom - rect->top) : std::make_pair (0, 0);
    }
    void closeEditor()
    {
        dispatch (Op::editorClose);
        dispatch (Op::editorIdle);
    }
    double tailSeconds() { return static_cast<double> (dispatch (Op::getTailSize)) / playingRate; }

    VstHostTimeInfo time {};
    std::pair<int, int> layout { 2, 2 };
    double playingRate = pluginsuite::hostRate;
    std::vector<float> silence = std::vector<float> (hostBlock), nowhere = std::vector<float> (hostBlock);
};

using Plugin = Vst2Format;

INSTANTIATE_TYPED_TEST_SUITE_P (Vst2, PluginFormat, Vst2Format, pluginsuite::ByIndex);
INSTANTIATE_TYPED_TEST_SUITE_P (Vst2, PluginTail, Vst2Format, pluginsuite::ByIndex);

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
    EXPECT_EQ (record.flags, VstEffectFlag::hasEditor | VstEffectFlag::canReplacing | VstEffectFlag::programChunks);

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

// Blocks of odd sizes, some longer than prepared; outputs aliasing the other
// input.
TEST (Vst2Plugin, PlaysBlocksOfAnySizeAndCrossedBuffers)
{
    const auto dry = noise (2, 4 * 48000 / 10, 1);
    const auto expected = pluginsuite::reference (2, 2, dry);
    for (auto [crossed, sizes] : { std::pair { false, std::vector<int> { 1, 7, 0, 1500, 511, 4096, 3 } },
                                   std::pair { true, std::vector<int> { hostBlock } } })
    {
        Plugin plugin;
        ASSERT_TRUE (plugin.start (2, 2, settings));
        auto in = dry;
        Channels out (2, std::vector<float> (dry[0].size(), 9.0f));
        auto& written = crossed ? in : out;
        for (int start = 0, i = 0; start < static_cast<int> (dry[0].size()); ++i)
        {
            const int n = std::min (sizes[i % sizes.size()], static_cast<int> (dry[0].size()) - start);
            float* ins[] = { in[0].data() + start, in[1].data() + start };
            float* outs[] = { written[0].data() + start, written[1].data() + start };
            if (crossed)
                std::swap (outs[0], outs[1]);
            plugin.processRaw (ins, outs, n);
            start += n;
        }
        EXPECT_TRUE (crossed || in == dry); // inputs left as they were
        EXPECT_LT (residualDb (crossed ? Channels { in[1], in[0] } : written, expected), -120.0) << crossed;
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
    plugin.start();
    ReferenceProcessor reference;
    reference.prepare (pluginsuite::hostRate, hostBlock);

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
    ASSERT_TRUE (plugin.openEditor (host));
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

// The bank chunk carries the current program; a program chunk replaces only
// the current program, and one the processor cannot read nothing.
TEST (Vst2Plugin, ChunksCarryTheProgramAndAProgramChunkOnlyItsOwn)
{
    Plugin first, second, third;
    for (auto* plugin : { &first, &second, &third })
        plugin->start();
    first.dispatch (Op::setProgram, 0, 7);
    first.setParameter (6, 0.25f);
    EXPECT_EQ (second.setChunk (first.getChunk (false), false), 1);
    EXPECT_EQ (second.dispatch (Op::getProgram), 7);
    EXPECT_EQ (second.getParameter (6), 0.25f);

    third.setParameter (1, 0.5f);
    third.dispatch (Op::setProgram, 0, 7);
    const auto program = first.getChunk (true);
    EXPECT_EQ (third.setChunk (program, true), 1);
    EXPECT_EQ (third.getParameter (6), 0.25f);
    third.dispatch (Op::setProgram, 0, 0);
    EXPECT_EQ (third.getParameter (1), 0.5f);

    const auto before = third.getChunk (false);
    for (auto& chunk : pluginsuite::hostileStates (program))
        third.setChunk (chunk, true);
    EXPECT_EQ (third.dispatch (Op::setChunk, 0, 100, nullptr), 0);
    EXPECT_EQ (third.dispatch (Op::setChunk, 0, -5, const_cast<char*> (before.data())), 0);
    EXPECT_EQ (third.getChunk (false), before);
}

TEST (Vst2Plugin, TakesTheThreeChannelLayoutsAndSaysWhichItPlays)
{
    Plugin plugin;
    plugin.start();
    const auto current = [&] {
        VstSpeakerArrangement* in = nullptr;
        VstSpeakerArrangement* out = nullptr;
        plugin.dispatch (Op::getSpeakerArrangement, 0, reinterpret_cast<std::intptr_t> (&in), &out);
        return std::make_pair (in->numChannels, out->numChannels);
    };
    EXPECT_EQ (plugin.arrange (1, 2), 1);
    EXPECT_EQ (current(), std::make_pair (1, 2));
    EXPECT_EQ (plugin.arrange (1, 1), 1);
    EXPECT_EQ (current(), std::make_pair (1, 1));
    auto audio = noise (2, 2048, 4);
    plugin.process (audio, audio);
    EXPECT_EQ (audio[1], std::vector<float> (2048, 0.0f)); // the record's second output is silent

    EXPECT_EQ (plugin.arrange (2, 2), 1);
    auto odd = arrangement (3, VstArrangementType::userDefined);
    EXPECT_EQ (plugin.dispatch (Op::setSpeakerArrangement, 0, reinterpret_cast<std::intptr_t> (odd.data()), odd.data()), 0);
    auto lying = arrangement (2, VstArrangementType::mono);
    EXPECT_EQ (plugin.dispatch (Op::setSpeakerArrangement, 0, reinterpret_cast<std::intptr_t> (lying.data()), lying.data()), 0);
    EXPECT_EQ (current(), std::make_pair (2, 2));
}

TEST (Vst2Plugin, EditorNeedsTheHostsWindow)
{
    Plugin plugin;
    plugin.start();
    EXPECT_EQ (plugin.editorSize(), std::make_pair (325, 454)); // asked before it opens
    EXPECT_EQ (plugin.dispatch (Op::editorOpen), 0);
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

// A host whose window is larger than the editor asked for (ardour's is as
// wide as its tool bar, and a few rows taller): the editor keeps its size (a
// host may take any change of it for a request) and sits in the middle, and
// what it leaves of the window takes its edge colour, not the window's black.
TEST (Vst2Plugin, EditorSitsInTheMiddleOfALargerHostWindow)
{
    Plugin plugin;
    plugin.start();
    HostWindow host;
    if (host.display == nullptr)
        GTEST_SKIP() << "no display for the editor";
    ASSERT_TRUE (plugin.openEditor (host));
    XResizeWindow (host.display, host.window, 392, 460);
    XSync (host.display, False);

    const auto editorWindow = [&] {
        XWindowAttributes placed {};
        ::Window root = 0, parent = 0, *list = nullptr;
        unsigned count = 0;
        XQueryTree (host.display, host.window, &root, &parent, &list, &count);
        if (count > 0)
            XGetWindowAttributes (host.display, list[0], &placed);
        if (list != nullptr)
            XFree (list);
        return placed;
    };
    const auto pixel = [&] (int x, int y) {
        XImage* image = XGetImage (host.display, host.window, x, y, 1, 1, AllPlanes, ZPixmap);
        const auto value = image != nullptr ? XGetPixel (image, 0, 0) : 0ul;
        if (image != nullptr)
            XDestroyImage (image);
        return value;
    };

    bool centred = false;
    for (int i = 0; i < 200 && ! centred; ++i, sleepMs (10))
    {
        plugin.idle();
        const auto placed = editorWindow();
        centred = placed.x == 33 && placed.y == 3 && placed.width == 325 && placed.height == 454;
    }
    EXPECT_TRUE (centred) << editorWindow().x << ", " << editorWindow().y;
    EXPECT_EQ (plugin.editorSize(), std::make_pair (325, 454));

    // The margins, right and left, above and below, and the picture's edge.
    bool painted = false;
    for (int i = 0; i < 200 && ! painted; ++i, sleepMs (10))
    {
        plugin.idle();
        const auto edge = pixel (33, 230);
        painted = edge != 0 && pixel (10, 230) == edge && pixel (380, 230) == edge && pixel (200, 1) == edge && pixel (200, 458) == edge;
    }
    EXPECT_TRUE (painted) << std::hex << pixel (33, 230) << " at the edge, " << pixel (380, 230) << " beside it";
    plugin.closeEditor();
}
