// The built AAX bundle in our AAX host, against the processor run directly:
// the checks of every format, and those only AAX has (what registration
// tells the host, unloading, the master bypass, a host that gives no rate,
// automation both ways, both chunks, editor drags).
#include "PluginSuite.h"
#include "StandInHost.h"

#include "XDriver.h"

#include <dirent.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <thread>

using namespace aaxhost;
using pluginsuite::hostBlock;
using pluginsuite::play;
using pluginsuite::settings;

// The bytes the thread that raises `counting` allocates. The plug-in takes its
// operator new from the program, so its allocations count too.
namespace
{
thread_local bool counting = false;
thread_local std::size_t allocatedBytes = 0;
#ifdef PANDREL_RUNTIME_OPERATOR_NEW
constexpr bool countsAllocations = false;
#else
constexpr bool countsAllocations = true;
#endif
} // namespace

// The nothrow forms too: each form the plain delete frees must allocate as it
// does, or the address sanitizer reports a mismatch.
void* operator new (std::size_t size, const std::nothrow_t&) noexcept
{
    allocatedBytes += counting ? size : 0;
    return std::malloc (size == 0 ? 1 : size);
}
void* operator new (std::size_t size)
{
    if (void* p = operator new (size, std::nothrow))
        return p;
    throw std::bad_alloc();
}
// Kept out of line: inlined, GCC pairs the free with the library's operator
// new and warns of a mismatch that is not there.
[[gnu::noinline]] void operator delete (void* p) noexcept { std::free (p); }
[[gnu::noinline]] void operator delete (void* p, std::size_t) noexcept { std::free (p); }
[[gnu::noinline]] void operator delete (void* p, const std::nothrow_t&) noexcept { std::free (p); }

namespace
{
template <typename Call>
std::size_t bytesAllocatedBy (Call&& call)
{
    allocatedBytes = 0;
    counting = true;
    call();
    counting = false;
    return allocatedBytes;
}

// The parameter chunk with the value of parameter "6" changed by `change`;
// the value's place is fixed by the names before it.
template <typename Change>
std::vector<char> withSix (std::vector<char> chunk, Change&& change)
{
    char* at = chunk.data() + AAX_PLUGIN_CHUNK_HEADER_SIZE + 4 + 12 * 6;
    EXPECT_EQ (std::string (at, 4), std::string ("d_6", 4));
    at += 4;
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits = (bits << 8) | static_cast<unsigned char> (at[i]);
    double value = 0.0;
    std::memcpy (&value, &bits, 8);
    value = change (value);
    std::memcpy (&bits, &value, 8);
    for (int i = 0; i < 8; ++i)
        at[i] = static_cast<char> (bits >> (56 - 8 * i));
    return chunk;
}

constexpr float hostRate = 48000.0f;
constexpr AAX_CTypeID elck = 0x656C636B;
constexpr AAX_CTypeID stateChunk = 0x50747153;

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

// What a description call was given, by the call's name.
std::string given (const CallLog& log, const std::string& call)
{
    for (const auto& c : log.calls)
        if (c.rfind (call + " ", 0) == 0)
            return c.substr (call.size() + 1);
    return {};
}

double valueOf (Instance& instance, const char* id)
{
    double value = -1.0;
    instance.parameters->GetParameterNormalizedValue (id, &value);
    return value;
}

int exportedFunctions()
{
    int count = 0;
    if (auto* pipe = popen ((std::string ("nm -D --defined-only '") + PANDREL_AAX_PLUGIN + "'").c_str(), "r"))
    {
        for (char line[512]; std::fgets (line, sizeof (line), pipe) != nullptr;)
            ++count;
        pclose (pipe);
    }
    return count;
}

int threadCount()
{
    int count = 0;
    if (auto* tasks = opendir ("/proc/self/task"))
    {
        while (auto* entry = readdir (tasks))
            count += entry->d_name[0] != '.' ? 1 : 0;
        closedir (tasks);
    }
    return count;
}

long residentBytes()
{
    long pages = 0, resident = 0;
    if (auto* statm = std::fopen ("/proc/self/statm", "r"))
    {
        resident = std::fscanf (statm, "%ld %ld", &pages, &resident) == 2 ? resident : 0;
        std::fclose (statm);
    }
    return resident * sysconf (_SC_PAGESIZE);
}
} // namespace

// The module in a session of its own, and an instance of the component for a layout.
struct AaxFormat
{
    std::string error() const { return session.error(); }

    pluginsuite::Description describe()
    {
        const auto& collection = *session.host.collections.back();
        pluginsuite::Description d { given (session.effect->log, "AddName"), given (collection.log, "SetManufacturerName"),
                                     std::atoi (given (collection.log, "SetPackageVersion").c_str()), {} };
        auto& parameters = *session.make (0, hostRate).parameters;
        std::int32_t count = 0;
        parameters.GetNumberOfParameters (&count);
        for (std::int32_t i = 0; i < count; ++i)
        {
            Text id, name;
            parameters.GetParameterIDFromIndex (i, &id);
            parameters.GetParameterName (id.Get(), &name);
            d.parameterNames.push_back (name.value);
        }
        return d;
    }

    bool takes (int ins, int outs) const { return session.componentFor (ins, outs) >= 0; }

    // Made, the instance is prepared; given values, it is initialised once
    // more, which prepares it with them.
    bool start (int ins, int outs, const std::vector<float>& values, double rate = pluginsuite::hostRate)
    {
        if (! error().empty() || ! takes (ins, outs))
            return false;
        instance = &session.make (session.componentFor (ins, outs), static_cast<float> (rate));
        if (! instance->isReady() || values.empty())
            return instance->isReady();
        for (std::size_t i = 0; i < values.size(); ++i)
            set (static_cast<int> (i), values[i]);
        instance->parameters->Uninitialize();
        return instance->initialize() == 0;
    }

    void set (const std::string& id, double value)
    {
        instance->parameters->UpdateParameterNormalizedValue (id.c_str(), value, AAX_eUpdateSource_Parameter);
    }
    void set (int index, float value) { set (std::to_string (index), value); }
    float get (int index) { return static_cast<float> (valueOf (*instance, std::to_string (index).c_str())); }
    void process (float* const* ins, float* const* outs, int frames) { instance->render (ins, outs, frames); }

    std::vector<char> state()
    {
        const auto chunk = instance->chunk (stateChunk);
        return chunk.empty() ? chunk : std::vector<char> (chunk.begin() + AAX_PLUGIN_CHUNK_HEADER_SIZE, chunk.end());
    }
    void setState (const std::vector<char>& state)
    {
        std::vector<char> chunk (AAX_PLUGIN_CHUNK_HEADER_SIZE + state.size());
        std::copy (state.begin(), state.end(), chunk.begin() + AAX_PLUGIN_CHUNK_HEADER_SIZE);
        auto* header = reinterpret_cast<AAX_SPlugInChunk*> (chunk.data());
        header->fChunkID = stateChunk;
        header->fSize = static_cast<std::int32_t> (state.size());
        instance->setChunk (stateChunk, chunk);
        instance->answerRequests();
    }

    bool openEditor (const HostWindow& window) { return instance->openGUI (window.window); }
    void idle() { instance->gui->TimerWakeup(); }
    std::pair<int, int> editorSize()
    {
        AAX_Point size;
        instance->gui->GetViewSize (&size);
        return { static_cast<int> (size.horz), static_cast<int> (size.vert) };
    }
    void closeEditor() { instance->closeGUI(); }

    Session session { PANDREL_AAX_PLUGIN };
    Instance* instance = nullptr;
};

INSTANTIATE_TYPED_TEST_SUITE_P (Aax, PluginFormat, AaxFormat, pluginsuite::ByIndex);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST (PluginTail); // hosts ask an AAX plug-in for no tail

TEST (AaxPlugin, LoadsDescribesAndUnloadsCleanly)
{
    const int threadsBefore = threadCount();
    EXPECT_EQ (exportedFunctions(), 7);
    {
        Session session (PANDREL_AAX_PLUGIN);
        ASSERT_EQ (session.error(), "");
        std::uint64_t version = 0;
        EXPECT_EQ (session.module.getSDKVersion (&version), 0);
        EXPECT_EQ (version, 0x0000020200B45B38u);
        ASSERT_NE (session.definition, nullptr);

        const auto& collection = *session.host.collections.back();
        EXPECT_EQ (collection.effects.front().first, "com.morvid.PandrelTQ4418");
        EXPECT_TRUE (collection.log.contains ("AddPackageName TQ4418") && collection.log.contains ("AddPackageName Pandrel TQ4418"));
        EXPECT_EQ (session.effect->procs.size(), 2u);

        // One component per layout, in the order offered, each with the same fields.
        ASSERT_EQ (session.effect->components.size(), 3u);
        EXPECT_EQ (std::vector<int> ({ session.componentFor (2, 2), session.componentFor (1, 2), session.componentFor (1, 1) }),
                   std::vector<int> ({ 0, 1, 2 }));
        for (int k = 0; k < 3; ++k)
        {
            const auto& component = *session.effect->components[static_cast<std::size_t> (k)];
            ASSERT_NE (component.ourProperties, nullptr);
            EXPECT_EQ (component.ourProperties->get (AAX_eProperty_ManufacturerID), ('M' << 24) | ('V' << 16) | ('D' << 8) | '_');
            EXPECT_EQ (component.fields.at (3).kind, "data in");
            EXPECT_EQ (component.fields.at (3).size, 4u);
            EXPECT_EQ (component.fields.at (4).kind, "private data");

            auto& instance = session.make (k, hostRate);
            ASSERT_TRUE (instance.isReady()) << instance.error;
            EXPECT_EQ (instance.initResult, 0);
        }

        // The parameters as the host sees them: ours and the master bypass.
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
        for (int i = 0; i < 12; ++i)
        {
            EXPECT_EQ (p.GetParameterIDFromIndex (i, &text), 0);
            EXPECT_EQ (text.value, i < 11 ? std::to_string (i) : "MasterBypassID");
        }
        EXPECT_EQ (instance.automation.registered.size(), 12u);

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

// Master bypass: after the processor's ramp of 2048 samples, the input bit for
// bit, mono to both outputs. A controller that gives no sample rate: prepared
// at 44100 Hz for 1024 frames, and a host block three times that is run in
// 1024-frame pieces.
TEST (AaxPlugin, MasterBypassPassesTheInputAndNoRateGivesTheFallback)
{
    for (auto [ins, outs] : { std::pair (2, 2), std::pair (1, 2), std::pair (1, 1) })
    {
        const auto dry = noise (ins, 48000 / 5, ins + outs);
        AaxFormat plugin;
        ASSERT_TRUE (plugin.start (ins, outs, settings));
        plugin.set ("MasterBypassID", 1.0);
        const auto passed = play (plugin, dry, outs, ins == outs);
        for (int c = 0; c < outs; ++c)
        {
            const auto& in = dry[static_cast<std::size_t> (std::min (c, ins - 1))];
            EXPECT_TRUE (std::equal (in.begin() + 2048, in.end(), passed[static_cast<std::size_t> (c)].begin() + 2048)) << ins << outs;
        }
    }

    // Set after the instance is prepared: the model type stays as it is.
    auto steady = settings;
    steady[ParameterTable::flangerType] = 0.0f;
    const auto dry = noise (2, 44100 / 4, 9);
    ReferenceProcessor processor;
    processor.prepare (44100.0, 1024);
    for (std::size_t i = 0; i < steady.size(); ++i)
        processor.set (static_cast<int> (i), steady[i]);
    const auto expected = processor.render (dry, 1024);
    for (const float unknownRate : { 0.0f, std::nanf ("") })
    {
        AaxFormat plugin;
        ASSERT_TRUE (plugin.start (2, 2, {}, unknownRate));
        for (std::size_t i = 0; i < steady.size(); ++i)
            plugin.set (static_cast<int> (i), steady[i]);
        EXPECT_LT (residualDb (play (plugin, dry, 2, false, 3 * 1024), expected), -120.0) << unknownRate;
    }
}

// The master bypass takes the processor's own ramps, and nothing the
// processor held before it plays after it.
TEST (AaxPlugin, MasterBypassRampsBothWaysAndForgetsWhatCameBefore)
{
    AaxFormat plugin;
    ASSERT_TRUE (plugin.start (2, 2, {}));
    plugin.set (6, 0.9f);
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
        processor->set (6, 0.9f);
        processor->prepare (hostRate, 1024);
    }
    up.set (0, 1.0f);
    down.render (dry, hostBlock);
    down.set (0, 0.0f);

    play (plugin, dry, 2, false);
    plugin.set ("MasterBypassID", 1.0);
    EXPECT_LT (residualDb (play (plugin, dry, 2, false), down.render (dry, hostBlock)), -120.0);
    play (plugin, Channels (2, std::vector<float> (200 * hostBlock)), 2, false);
    plugin.set ("MasterBypassID", 0.0);
    EXPECT_LT (residualDb (play (plugin, after, 2, false), up.render (after, hostBlock)), -120.0);
}

TEST (AaxPlugin, AutomationGoesBothWaysWithoutEcho)
{
    AaxFormat a, b, c;
    ASSERT_TRUE (a.start (2, 2, {}) && b.start (2, 2, {}));
    const auto dry = noise (2, 4096, 3);
    const auto before = play (a, dry, 2, false);
    const auto stateBefore = a.state();
    a.instance->automation.log.take();

    // The host's value reaches the processor's audio and state, and is only
    // reported back, never asked for again.
    a.set ("7", 0.0);
    a.set ("6", 0.9);
    EXPECT_EQ (a.instance->automation.log.take(), (std::vector<std::string> { "current 7 0", "current 6 0.9" }));
    EXPECT_NE (a.state(), stateBefore);
    const auto unchanged = play (b, dry, 2, false);
    EXPECT_LT (residualDb (unchanged, before), -120.0);
    EXPECT_GT (residualDb (play (a, dry, 2, false), unchanged), -60.0);

    // A state restored into b comes back to the host as requests, which b
    // takes once the host confirms them.
    auto& automation = b.instance->automation;
    automation.log.take();
    ASSERT_EQ (b.instance->setChunk (stateChunk, a.instance->chunk (stateChunk)), 0);
    const auto asked = automation.log.take();
    EXPECT_EQ (asked.size(), 3 * 11u); // each value once, when the restore is done
    const auto last = std::find (asked.rbegin(), asked.rend(), "touch 7");
    ASSERT_GE (std::distance (asked.rbegin(), last), 2);
    const auto at = last.base() - 1;
    EXPECT_EQ (std::vector<std::string> (at, at + 3), (std::vector<std::string> { "touch 7", "request 7 0", "release 7" }));
    EXPECT_NE (b.get (7), 0.0f); // not yet confirmed
    b.instance->answerRequests();
    const auto confirmed = automation.log.take();
    EXPECT_NE (std::find (confirmed.begin(), confirmed.end(), "current 7 0"), confirmed.end());
    EXPECT_EQ (b.get (7), 0.0f);

    // Initialised again (after Uninitialize too, or after a state restored
    // before it), the host starts from the values the processor holds.
    ASSERT_TRUE (c.start (2, 2, {}));
    c.instance->parameters->Uninitialize();
    c.instance->setChunk (stateChunk, a.instance->chunk (stateChunk));
    for (auto [instance, uninitialise] : { std::pair { c.instance, false }, std::pair { a.instance, false }, std::pair { a.instance, true } })
    {
        if (uninitialise)
            instance->parameters->Uninitialize();
        EXPECT_EQ (instance->initialize(), 0);
        EXPECT_EQ (valueOf (*instance, "6"), double (0.9f));
        EXPECT_EQ (valueOf (*instance, "7"), 0.0);
    }
}

// Values the preset document's text does not carry exactly, restored in
// either order of the two chunks: each comes back exactly.
TEST (AaxPlugin, BothChunksMoveExactValuesInEitherOrder)
{
    AaxFormat a;
    ASSERT_TRUE (a.start (2, 2, {}));
    const float exact[] = { 0.81008f, 0.0f, 0.215315f, 0.636188f, 0.7f, 0.3f, 0.75f, 0.123456f, 0.5f, 0.9f, 0.1f };
    for (int i = 0; i < 11; ++i)
        a.set (i, exact[i]);
    std::int32_t chunks = 0;
    a.instance->parameters->GetNumberOfChunks (&chunks);
    EXPECT_EQ (chunks, 2);
    const auto parameterChunk = a.instance->chunk (elck);
    const auto state = a.instance->chunk (stateChunk);
    ASSERT_FALSE (parameterChunk.empty() || state.empty());
    EXPECT_EQ (reinterpret_cast<const AAX_SPlugInChunk*> (parameterChunk.data())->fSize, 140);
    EXPECT_STREQ (reinterpret_cast<const AAX_SPlugInChunk*> (state.data())->fName, "Pandrel TQ4418 State");

    for (const auto& order : { std::pair { elck, stateChunk }, std::pair { stateChunk, elck } })
    {
        auto& b = a.session.make (0, hostRate);
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

    // 16 MiB of fields no parameter reads, and of one value again and again:
    // the instance holds no more memory for them, nor afterwards.
    auto& b = *a.session.instances.back();
    const int size = 16 << 20;
    std::vector<char> hostile (AAX_PLUGIN_CHUNK_HEADER_SIZE + size, 0);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (hostile.data());
    chunk->fSize = size;
    chunk->fChunkID = elck;
    for (int at = 4; at + 16 <= size; at += 16)
        std::memcpy (chunk->fData + at, "q_\0\0d_0\0\x3f\xd0\0\0\0\0\0", 16);
    std::memset (chunk->fData, 1, 4);
    const long before = residentBytes();
    AAX_Result result = -1;
    const auto setting = bytesAllocatedBy ([&] { result = b.parameters->SetChunk (elck, chunk); });
    EXPECT_EQ (result, 0);
    AAX_CBoolean equal = 1;
    const auto comparing = bytesAllocatedBy ([&] { result = b.parameters->CompareActiveChunk (chunk, &equal); });
    EXPECT_EQ (result, 0);
    EXPECT_EQ (equal, 0);
    EXPECT_FALSE (b.chunk (elck).empty());
    EXPECT_LT (residentBytes() - before, 8 << 20);
    // Nor while reading it: what it costs follows the parameters, not its
    // size. (The count sees the plug-in's allocations, such as its state's.)
    std::uint32_t stateSize = 0;
    const auto sizing = bytesAllocatedBy ([&] { b.parameters->GetChunkSize (stateChunk, &stateSize); });
    std::printf ("a flood of 16 MiB: %zu bytes allocated to set it, %zu to compare it\n", setting, comparing);
    if (countsAllocations)
    {
        EXPECT_GT (sizing, 0u);
        EXPECT_LT (setting, 256u << 10);
        EXPECT_LT (comparing, 256u << 10);
    }
    b.answerRequests();
    EXPECT_EQ (valueOf (b, "0"), 0.25);
    EXPECT_EQ (valueOf (b, "2"), double (0.215315f));
}

// The host asks whether a chunk is what the instance holds: a value apart by
// any amount, however small, is not.
TEST (AaxPlugin, ChunksCompareEqualOnlyWithTheSameValues)
{
    AaxFormat a;
    ASSERT_TRUE (a.start (2, 2, {}));
    a.set (6, 0.75f);
    const auto own = a.instance->chunk (elck);
    ASSERT_FALSE (own.empty());
    const auto compare = [&a] (const std::vector<char>& chunk) {
        AAX_CBoolean equal = 7;
        EXPECT_EQ (a.instance->parameters->CompareActiveChunk (reinterpret_cast<const AAX_SPlugInChunk*> (chunk.data()), &equal), 0);
        return static_cast<int> (equal);
    };
    EXPECT_EQ (compare (own), 1);
    EXPECT_EQ (compare (withSix (own, [] (double v) { return v; })), 1);
    EXPECT_EQ (compare (withSix (own, [] (double v) { return v + 0.0004; })), 0);
    EXPECT_EQ (compare (withSix (own, [] (double v) { return v - 0.0004; })), 0);
    EXPECT_EQ (compare (withSix (own, [] (double v) { return double (std::nextafter (float (v), 1.0f)); })), 0);
    EXPECT_EQ (compare (withSix (own, [] (double v) { return double (std::nextafter (float (v), 0.0f)); })), 0);
}

TEST (AaxPlugin, EditorDragsReachTheHostAsGestures)
{
    AaxFormat a, b;
    ASSERT_TRUE (a.start (2, 2, {}) && b.start (2, 2, {}));
    auto& automation = a.instance->automation;

    // The host's timer runs the editor; requests wait for the host.
    XDriver x ([&a] (int ms) {
        for (int waited = 0; waited < ms; waited += 5)
        {
            a.idle();
            std::this_thread::sleep_for (std::chrono::milliseconds (5));
        }
    });
    if (! x.ok())
        GTEST_SKIP() << "no X display with the test extension";
    ASSERT_TRUE (a.instance->openGUI (x.hostWindow()));
    x.pump (300);
    automation.log.take();
    const float before = a.get (7);

    // The mix knob ("7") dragged up: each step of the drag a touch, a set
    // request and a release.
    x.drag (50, 162, 0, -50);
    const auto gesture = automation.log.take();
    const auto requested = automation.takeRequests();
    ASSERT_GE (requested.size(), 2u);
    ASSERT_EQ (gesture.size(), 3 * requested.size());
    for (std::size_t i = 0; i < gesture.size(); i += 3)
    {
        EXPECT_EQ (gesture[i], "touch 7");
        EXPECT_EQ (gesture[i + 1].rfind ("request 7 ", 0), 0u) << gesture[i + 1];
        EXPECT_EQ (gesture[i + 2], "release 7");
    }
    EXPECT_EQ (a.get (7), before); // not yet confirmed

    // Confirmed: the processor holds the host's value, and nothing is asked again.
    const double last = requested.back().second;
    EXPECT_GT (last, before + 0.1);
    for (const auto& [id, v] : requested)
        a.set (id, v);
    x.pump (100);
    const auto reported = automation.log.take();
    EXPECT_EQ (reported.size(), requested.size());
    for (const auto& call : reported)
        EXPECT_EQ (call.rfind ("current 7 ", 0), 0u) << call;
    EXPECT_EQ (valueOf (*a.instance, "7"), last);
    a.closeEditor();

    b.set ("7", last);
    EXPECT_EQ (a.state(), b.state());
}
