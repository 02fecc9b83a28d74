// The built AAX bundle in our stand-in host: loaded from its .so, described,
// instantiated in each layout (and at the rate a host leaves out), rendered
// against the processor run directly, automated both ways (from the host and
// by dragging in its editor), saved and restored through its chunks, shown,
// and unloaded again.
#include "PandrelTQ4418AudioProcessor.h"
#include "PandrelVersion.h"
#include "ReferenceProcessor.h"
#include "StandInHost.h"

#include <gtest/gtest.h>

#include "HostWindow.h" // after gtest: Xlib defines None and Bool
#include "XDriver.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <thread>

using namespace standin;

namespace
{
constexpr float hostRate = 48000.0f;
constexpr int hostBlock = 512;
constexpr AAX_CTypeID elck = 0x656C636B;
constexpr AAX_CTypeID stateChunk = 0x50747153;

// Feedback, delay, mix and a fast rate; the model type stays as it is.
const std::vector<std::pair<int, float>> settings { { 2, 0.3f }, { 4, 0.7f }, { 5, 0.3f }, { 6, 0.75f }, { 7, 0.5f },
                                                    { 9, 1.0f } };

std::vector<float*> pointers (Channels& audio, int start)
{
    std::vector<float*> result;
    for (auto& channel : audio)
        result.push_back (channel.data() + start);
    return result;
}

// The processor driven as the wrapper drives it: prepared first, values set
// afterwards; a mono input feeds both outputs of a (1, 2) layout.
Channels reference (int ins, int outs, Channels audio, double rate = hostRate, int block = hostBlock)
{
    ReferenceProcessor processor;
    processor.setLayout (ins, outs);
    processor.prepare (rate, 1024);
    for (auto [index, value] : settings)
        processor.set (index, value);
    audio.resize (static_cast<std::size_t> (outs), std::vector<float> (audio[0].size()));
    return processor.render (audio, block);
}

// The module loaded, started and registered.
struct Session
{
    Session()
    {
        if (! module.isLoaded())
            return;
        module.startup (&host);
        registered = module.registerPlugin (&host, &definition);
        if (registered == 0 && ! host.collections.empty() && ! host.collections.back()->effects.empty())
            effect = host.collections.back()->effects.front().second;
    }

    ~Session()
    {
        instances.clear();
        if (definition != nullptr)
            definition->Release();
        if (module.isLoaded())
            module.shutdown (&host);
    }

    Instance& make (int component, float rate = hostRate)
    {
        instances.push_back (std::make_unique<Instance> (*effect, *effect->components.at (static_cast<std::size_t> (component)),
                                                         rate));
        return *instances.back();
    }

    Host host;
    Module module { PANDREL_AAX_PLUGIN };
    IACFPluginDefinition* definition = nullptr;
    AAX_Result registered = -1;
    EffectDescriptor* effect = nullptr;
    std::vector<std::unique_ptr<Instance>> instances;
};

// A host's own text type.
struct Text : AAX_IString
{
    std::uint32_t Length() const override { return static_cast<std::uint32_t> (value.size()); }
    std::uint32_t MaxLength() const override { return 255; }
    const char* Get() const override { return value.c_str(); }
    void Set (const char* t) override { value = t != nullptr ? t : ""; }
    AAX_IString& operator= (const AAX_IString& other) override { return Set (other.Get()), *this; }
    AAX_IString& operator= (const char* t) override { return Set (t), *this; }
    std::string value;
};

// Renders audio through an instance in host blocks; separate buffers unless
// inPlace (then the outputs are the inputs, the extra output its own).
Channels play (Instance& instance, const Channels& dry, int outs, bool inPlace, int block = hostBlock)
{
    Channels in = dry;
    Channels out (static_cast<std::size_t> (outs), std::vector<float> (dry[0].size(), 9.0f));
    if (inPlace)
        for (std::size_t c = 0; c < in.size() && c < out.size(); ++c)
            out[c].clear();
    for (int start = 0; start < static_cast<int> (dry[0].size()); start += block)
    {
        const int n = std::min (block, static_cast<int> (dry[0].size()) - start);
        auto ins = pointers (in, start);
        auto outPointers = std::vector<float*> (static_cast<std::size_t> (outs));
        for (int c = 0; c < outs; ++c)
            outPointers[static_cast<std::size_t> (c)] = inPlace && c < static_cast<int> (in.size())
                                                            ? ins[static_cast<std::size_t> (c)]
                                                            : out[static_cast<std::size_t> (c)].data() + start;
        instance.render (ins.data(), outPointers.data(), n);
    }
    if (inPlace)
        for (std::size_t c = 0; c < in.size() && c < out.size(); ++c)
            out[c] = in[c];
    return out;
}

void setAll (Instance& instance, const std::vector<std::pair<int, float>>& values = settings)
{
    for (auto [index, value] : values)
        instance.parameters->UpdateParameterNormalizedValue (std::to_string (index).c_str(), value,
                                                            AAX_eUpdateSource_Parameter);
}

void bypass (Instance& instance, double on)
{
    instance.parameters->UpdateParameterNormalizedValue ("MasterBypassID", on, AAX_eUpdateSource_Parameter);
}

double valueOf (Instance& instance, const char* id)
{
    double value = -1.0;
    instance.parameters->GetParameterNormalizedValue (id, &value);
    return value;
}

int exportedFunctions()
{
    const std::string command = std::string ("nm -D --defined-only '") + PANDREL_AAX_PLUGIN + "'";
    int count = 0;
    if (auto* pipe = popen (command.c_str(), "r"))
    {
        char line[512];
        while (std::fgets (line, sizeof (line), pipe) != nullptr)
            ++count;
        pclose (pipe);
    }
    return count;
}
} // namespace

TEST (AaxPlugin, LoadsDescribesAndUnloadsCleanly)
{
    const int threadsBefore = threadCount();
    EXPECT_EQ (exportedFunctions(), 7);
    {
        Session session;
        ASSERT_TRUE (session.module.isLoaded()) << session.module.error;
        std::uint64_t version = 0;
        EXPECT_EQ (session.module.getSDKVersion (&version), 0);
        EXPECT_EQ (version, 0x0000020200B45B38u);
        ASSERT_EQ (session.registered, 0);
        ASSERT_NE (session.definition, nullptr);
        ASSERT_NE (session.effect, nullptr);

        const auto& collection = *session.host.collections.back();
        EXPECT_EQ (collection.effects.front().first, "com.morvid.PandrelTQ4418");
        EXPECT_EQ (collection.manufacturer, "Morvid");
        EXPECT_EQ (collection.packageNames, (std::vector<std::string> { "TQ4418", "Pandrel TQ4418" }));
        EXPECT_EQ (collection.packageVersion, static_cast<std::uint32_t> (PandrelVersion::code));
        EXPECT_EQ (session.effect->names, (std::vector<std::string> { "Pandrel TQ4418" }));
        EXPECT_EQ (session.effect->procs.size(), 2u);

        // One component per layout, in the order offered; the same fields.
        const std::pair<int, int> layouts[] = { { 2, 2 }, { 1, 2 }, { 1, 1 } };
        ASSERT_EQ (session.effect->components.size(), 3u);
        for (int k = 0; k < 3; ++k)
        {
            const auto& component = *session.effect->components[static_cast<std::size_t> (k)];
            ASSERT_NE (component.properties, nullptr);
            EXPECT_EQ (component.properties->get (AAX_eProperty_InputStemFormat) & 0xFFFF, layouts[k].first);
            EXPECT_EQ (component.properties->get (AAX_eProperty_OutputStemFormat) & 0xFFFF, layouts[k].second);
            EXPECT_EQ (component.properties->get (AAX_eProperty_ManufacturerID), ('M' << 24) | ('V' << 16) | ('D' << 8) | '_');
            EXPECT_EQ (component.fields.at (3).kind, "data in");
            EXPECT_EQ (component.fields.at (3).size, 4u);
            EXPECT_EQ (component.fields.at (4).kind, "private data");

            auto& instance = session.make (k);
            ASSERT_TRUE (instance.isReady()) << instance.error;
            EXPECT_EQ (instance.initResult, 0);
        }

        // The parameters as the host sees them.
        auto& instance = *session.instances.front();
        auto& p = *instance.parameters;
        std::int32_t count = 0, steps = 0;
        EXPECT_EQ (p.GetNumberOfParameters (&count), 0);
        EXPECT_EQ (count, 12);
        Text text;
        EXPECT_EQ (p.GetParameterName ("MasterBypassID", &text), 0);
        EXPECT_EQ (text.value, "Master Bypass");
        EXPECT_EQ (p.GetParameterNumberOfSteps ("MasterBypassID", &steps), 0);
        EXPECT_EQ (steps, 2);
        AAX_EParameterType type = AAX_eParameterType_Continuous;
        p.GetParameterType ("MasterBypassID", &type);
        EXPECT_EQ (type, AAX_eParameterType_Discrete);
        p.GetParameterType ("10", &type);
        EXPECT_EQ (type, AAX_eParameterType_Continuous);
        p.GetParameterName ("6", &text);
        EXPECT_EQ (text.value, "feedback");
        for (int i = 0; i < 12; ++i)
        {
            EXPECT_EQ (p.GetParameterIDFromIndex (i, &text), 0);
            EXPECT_EQ (text.value, i < 11 ? std::to_string (i) : "MasterBypassID");
        }
        EXPECT_EQ (instance.automation.registered().size(), 12u);

        instance.parameters->UpdateParameterNormalizedValue ("6", 0.5, AAX_eUpdateSource_Parameter);
        EXPECT_EQ (p.GetParameterValueString ("6", &text, 8), 0);
        EXPECT_EQ (text.value, "0.500");
        EXPECT_EQ (p.GetParameterStringFromValue ("MasterBypassID", 1.0, &text, 8), 0);
        EXPECT_EQ (text.value, "on");
        EXPECT_EQ (p.GetParameterStringFromValue ("MasterBypassID", 0.0, &text, 8), 0);
        EXPECT_EQ (text.value, "bypass");

        EXPECT_GT (session.module.canUnloadNow (&session.host), 0);
        session.instances.clear();
        EXPECT_EQ (session.module.canUnloadNow (&session.host), 0);
        session.definition->Release();
        session.definition = nullptr;
        EXPECT_EQ (session.module.shutdown (&session.host), 0);
        EXPECT_EQ (session.host.referencesHeld(), 0);
        session.module.unload();
    }
    EXPECT_EQ (threadCount(), threadsBefore);
}

TEST (AaxPlugin, RendersLikeTheProcessorInEachLayout)
{
    Session session;
    ASSERT_NE (session.effect, nullptr) << session.module.error;
    const std::pair<int, int> layouts[] = { { 2, 2 }, { 1, 2 }, { 1, 1 } };
    for (int k = 0; k < 3; ++k)
    {
        const auto [ins, outs] = layouts[k];
        const auto dry = noise (ins, 48000 / 5, k + 1);
        const auto expected = reference (ins, outs, dry);
        EXPECT_GT (residualDb (expected, Channels (static_cast<std::size_t> (outs), dry[0])), -10.0); // flanged
        for (const bool inPlace : { true, false })
        {
            auto& instance = session.make (k);
            ASSERT_TRUE (instance.isReady()) << instance.error;
            setAll (instance);
            EXPECT_LT (residualDb (play (instance, dry, outs, inPlace), expected), -120.0) << k << inPlace;
            EXPECT_GT (instance.transport.tempoAsked.load(), 0);

            // Master bypass: after the processor's ramp of 2048 samples, the
            // input bit for bit, mono to both outputs.
            bypass (instance, 1.0);
            const auto passed = play (instance, dry, outs, inPlace);
            for (int c = 0; c < outs; ++c)
            {
                const auto& in = dry[static_cast<std::size_t> (std::min (c, ins - 1))];
                EXPECT_TRUE (std::equal (in.begin() + 2048, in.end(), passed[static_cast<std::size_t> (c)].begin() + 2048)) << k;
            }
        }
    }

    // A controller that gives no sample rate: prepared at 44100 Hz for 1024
    // frames, and a host block three times that is run in 1024-frame pieces.
    const auto dry = noise (2, 44100 / 4, 9);
    const auto expected = reference (2, 2, dry, 44100.0, 1024);
    EXPECT_GT (residualDb (reference (2, 2, dry, hostRate, 1024), expected), -60.0);
    for (const float unknownRate : { 0.0f, std::nanf ("") })
    {
        auto& instance = session.make (0, unknownRate);
        ASSERT_TRUE (instance.isReady()) << instance.error;
        setAll (instance);
        EXPECT_LT (residualDb (play (instance, dry, 2, false, 3 * 1024), expected), -120.0) << unknownRate;
    }
}

// The master bypass takes the processor's own ramps, and nothing the
// processor held before it plays after it.
TEST (AaxPlugin, MasterBypassRampsBothWaysAndForgetsWhatCameBefore)
{
    Session session;
    ASSERT_NE (session.effect, nullptr) << session.module.error;
    auto& instance = session.make (0);
    ASSERT_TRUE (instance.isReady()) << instance.error;
    setAll (instance, { { 6, 0.9f } });
    const auto dry = noise (2, 100 * hostBlock, 5);
    Channels after (2, std::vector<float> (20 * hostBlock));
    for (auto& channel : after)
        channel.insert (channel.end(), dry[0].begin(), dry[0].end());

    // The processor switched off by its own switch; and one starting switched
    // off, then switched on.
    ReferenceProcessor down, up;
    up.set (0, 0.0f);
    for (auto* processor : { &down, &up })
    {
        processor->setLayout (2, 2);
        processor->set (6, 0.9f);
        processor->prepare (hostRate, 1024);
    }
    up.set (0, 1.0f);
    down.render (dry, hostBlock);
    down.set (0, 0.0f);

    play (instance, dry, 2, false);
    bypass (instance, 1.0);
    EXPECT_LT (residualDb (play (instance, dry, 2, false), down.render (dry, hostBlock)), -120.0);
    play (instance, Channels (2, std::vector<float> (200 * hostBlock)), 2, false);
    bypass (instance, 0.0);
    EXPECT_LT (residualDb (play (instance, after, 2, false), up.render (after, hostBlock)), -120.0);
}

TEST (AaxPlugin, AutomationGoesBothWaysWithoutEcho)
{
    Session session;
    ASSERT_NE (session.effect, nullptr) << session.module.error;
    auto& a = session.make (0);
    ASSERT_TRUE (a.isReady()) << a.error;
    const auto dry = noise (2, 4096, 3);
    const auto before = play (a, dry, 2, false);
    const auto stateBefore = a.chunk (stateChunk);
    a.automation.takeLog();

    // The host's value reaches the processor's audio and state, and is only
    // reported back, never asked for again.
    a.parameters->UpdateParameterNormalizedValue ("7", 0.0, AAX_eUpdateSource_Parameter);
    a.parameters->UpdateParameterNormalizedValue ("6", 0.9, AAX_eUpdateSource_Parameter);
    EXPECT_EQ (a.automation.takeLog(), (std::vector<std::string> { "current 7 0", "current 6 0.9" }));
    EXPECT_NE (a.chunk (stateChunk), stateBefore);
    auto& b = session.make (0);
    const auto unchanged = play (b, dry, 2, false);
    EXPECT_LT (residualDb (unchanged, before), -120.0);
    EXPECT_GT (residualDb (play (a, dry, 2, false), unchanged), -60.0);

    // A state restored into b comes back to the host as requests, which b
    // takes once the host confirms them.
    b.automation.takeLog();
    ASSERT_EQ (b.setChunk (stateChunk, a.chunk (stateChunk)), 0);
    const auto asked = b.automation.takeLog();
    EXPECT_EQ (asked.size(), 3 * 11u); // each value once, when the restore is done
    const auto last = std::find (asked.rbegin(), asked.rend(), "touch 7");
    ASSERT_GE (std::distance (asked.rbegin(), last), 2);
    const auto at = last.base() - 1;
    EXPECT_EQ (std::vector<std::string> (at, at + 3), (std::vector<std::string> { "touch 7", "request 7 0", "release 7" }));
    double value = -1.0;
    b.parameters->GetParameterNormalizedValue ("7", &value);
    EXPECT_NE (value, 0.0); // not yet confirmed
    b.answerRequests();
    const auto confirmed = b.automation.takeLog();
    EXPECT_NE (std::find (confirmed.begin(), confirmed.end(), "current 7 0"), confirmed.end());
    b.parameters->GetParameterNormalizedValue ("7", &value);
    EXPECT_EQ (value, 0.0);

    // Initialised again (after Uninitialize too, or after a state restored
    // before it), the host starts from the values the processor holds.
    auto& c = session.make (0);
    c.parameters->Uninitialize();
    c.setChunk (stateChunk, a.chunk (stateChunk));
    for (auto [instance, uninitialise] : { std::pair { &c, false }, std::pair { &a, false }, std::pair { &a, true } })
    {
        if (uninitialise)
            instance->parameters->Uninitialize();
        EXPECT_EQ (instance->initialize(), 0);
        EXPECT_EQ (valueOf (*instance, "6"), double (0.9f));
        EXPECT_EQ (valueOf (*instance, "7"), 0.0);
    }
}

// Values the preset document's text does not carry exactly, restored in
// either order of the chunks: each comes back exactly.
TEST (AaxPlugin, ChunksMoveEverythingIntoASecondInstance)
{
    Session session;
    ASSERT_NE (session.effect, nullptr) << session.module.error;
    auto& a = session.make (0);
    ASSERT_TRUE (a.isReady()) << a.error;
    setAll (a, { { 0, 0.81008f }, { 2, 0.215315f }, { 3, 0.636188f }, { 4, 0.7f }, { 5, 0.3f }, { 6, 0.75f },
                 { 7, 0.123456f }, { 8, 0.5f }, { 9, 0.9f }, { 10, 0.1f } });
    std::int32_t chunks = 0;
    a.parameters->GetNumberOfChunks (&chunks);
    EXPECT_EQ (chunks, 2);
    const auto parameterChunk = a.chunk (elck);
    const auto state = a.chunk (stateChunk);
    ASSERT_FALSE (parameterChunk.empty());
    ASSERT_FALSE (state.empty());
    EXPECT_EQ (reinterpret_cast<const AAX_SPlugInChunk*> (parameterChunk.data())->fSize, 140);
    EXPECT_STREQ (reinterpret_cast<const AAX_SPlugInChunk*> (state.data())->fName, "Pandrel TQ4418 State");

    for (const auto& order : { std::pair { elck, stateChunk }, std::pair { stateChunk, elck } })
    {
        auto& b = session.make (0);
        AAX_CBoolean equal = 1;
        b.parameters->CompareActiveChunk (reinterpret_cast<const AAX_SPlugInChunk*> (state.data()), &equal);
        EXPECT_EQ (equal, 0);
        for (const auto id : { order.first, order.second })
            EXPECT_EQ (b.setChunk (id, id == elck ? parameterChunk : state), 0);
        b.answerRequests();
        EXPECT_EQ (b.chunk (elck), parameterChunk) << order.first;
        EXPECT_EQ (b.chunk (stateChunk), state) << order.first;
        for (const auto* chunk : { &parameterChunk, &state })
        {
            equal = 0;
            EXPECT_EQ (b.parameters->CompareActiveChunk (reinterpret_cast<const AAX_SPlugInChunk*> (chunk->data()), &equal), 0);
            EXPECT_EQ (equal, 1) << order.first;
        }
    }
    auto& b = *session.instances.back();
    const auto dry = noise (2, 8192, 4);
    EXPECT_LT (residualDb (play (b, dry, 2, true), play (a, dry, 2, true)), -120.0);

    // A state chunk the processor cannot read changes nothing.
    auto garbage = state;
    std::memset (garbage.data() + AAX_PLUGIN_CHUNK_HEADER_SIZE, 'x', garbage.size() - AAX_PLUGIN_CHUNK_HEADER_SIZE);
    EXPECT_EQ (b.setChunk (stateChunk, garbage), 0);
    EXPECT_EQ (b.chunk (stateChunk), state);

    // 16 MiB of fields no parameter reads, and of one value again and again:
    // the instance holds no more memory for them, nor afterwards.
    const int size = 16 << 20;
    std::vector<char> hostile (AAX_PLUGIN_CHUNK_HEADER_SIZE + size, 0);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (hostile.data());
    chunk->fSize = size;
    chunk->fChunkID = elck;
    for (int at = 4; at + 16 <= size; at += 16)
        std::memcpy (chunk->fData + at, "q_\0\0d_0\0\x3f\xd0\0\0\0\0\0", 16);
    std::memset (chunk->fData, 1, 4);
    const long before = residentBytes();
    EXPECT_EQ (b.setChunk (elck, hostile), 0);
    AAX_CBoolean equal = 1;
    EXPECT_EQ (b.parameters->CompareActiveChunk (chunk, &equal), 0);
    EXPECT_FALSE (b.chunk (elck).empty());
    EXPECT_LT (residentBytes() - before, 8 << 20);
    b.answerRequests();
    EXPECT_EQ (valueOf (b, "0"), 0.25);
    EXPECT_EQ (valueOf (b, "2"), double (0.215315f));
}

TEST (AaxPlugin, ShowsItsEditorInTheHostsWindow)
{
    HostWindow host;
    if (host.display == nullptr)
        GTEST_SKIP() << "no display for the editor";

    {
        Session session;
        ASSERT_NE (session.effect, nullptr) << session.module.error;
        auto& instance = session.make (0);
        ASSERT_TRUE (instance.isReady()) << instance.error;
        for (int round = 0; round < 2; ++round)
        {
            ASSERT_TRUE (instance.openGUI (host.window));
            AAX_Point size;
            EXPECT_EQ (instance.gui->GetViewSize (&size), 0);
            EXPECT_EQ (size.horz, 325.0f);
            EXPECT_EQ (size.vert, 454.0f);
            for (int i = 0; i < 10; ++i)
                EXPECT_EQ (instance.gui->TimerWakeup(), 0);
            EXPECT_EQ (host.children(), 1u);
            instance.closeGUI();
            EXPECT_EQ (host.children(), 0u);
        }

        // Left open: the instance's end takes it down.
        ASSERT_TRUE (instance.openGUI (host.window));
        instance.gui->TimerWakeup();
    }
    EXPECT_EQ (host.children(), 0u);
}

TEST (AaxPlugin, EditorDragsReachTheHostAsGestures)
{
    Session session;
    ASSERT_NE (session.effect, nullptr) << session.module.error;
    auto& a = session.make (0);
    ASSERT_TRUE (a.isReady()) << a.error;

    // The host's timer runs the editor; requests wait for the host.
    XDriver x ([&a] (int ms) {
        for (int waited = 0; waited < ms; waited += 5)
        {
            a.gui->TimerWakeup();
            std::this_thread::sleep_for (std::chrono::milliseconds (5));
        }
    });
    if (! x.ok())
        GTEST_SKIP() << "no X display with the test extension";
    ASSERT_TRUE (a.openGUI (x.hostWindow()));
    x.pump (300);
    a.automation.takeLog();
    double before = -1.0, value = -1.0;
    a.parameters->GetParameterNormalizedValue ("7", &before);

    // The mix knob ("7") dragged up: each step of the drag a touch, a set
    // request and a release.
    x.drag (50, 162, 0, -50);
    const auto gesture = a.automation.takeLog();
    const auto requested = a.automation.takeRequests();
    ASSERT_GE (requested.size(), 2u);
    ASSERT_EQ (gesture.size(), 3 * requested.size());
    for (std::size_t i = 0; i < gesture.size(); i += 3)
    {
        EXPECT_EQ (gesture[i], "touch 7");
        EXPECT_EQ (gesture[i + 1].rfind ("request 7 ", 0), 0u) << gesture[i + 1];
        EXPECT_EQ (gesture[i + 2], "release 7");
    }
    a.parameters->GetParameterNormalizedValue ("7", &value);
    EXPECT_EQ (value, before); // not yet confirmed

    // Confirmed: the processor holds the host's value, and nothing is asked again.
    const double last = requested.back().second;
    EXPECT_GT (last, before + 0.1);
    for (const auto& [id, v] : requested)
        a.parameters->UpdateParameterNormalizedValue (id.c_str(), v, AAX_eUpdateSource_Parameter);
    x.pump (100);
    const auto reported = a.automation.takeLog();
    EXPECT_EQ (reported.size(), requested.size());
    for (const auto& call : reported)
        EXPECT_EQ (call.rfind ("current 7 ", 0), 0u) << call;
    a.parameters->GetParameterNormalizedValue ("7", &value);
    EXPECT_EQ (value, last);
    a.closeGUI();

    auto& b = session.make (0);
    b.parameters->UpdateParameterNormalizedValue ("7", last, AAX_eUpdateSource_Parameter);
    EXPECT_EQ (a.chunk (stateChunk), b.chunk (stateChunk));
}
