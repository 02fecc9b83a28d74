// Every call into the host, through a host callback that records it.
#include "ProbeEffect.h"
#include "RecordingHost.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
int marker;
void* const mark = &marker;
template <typename T>
T* marked()
{
    return static_cast<T*> (mark);
}
const auto markValue = reinterpret_cast<std::intptr_t> (mark);
constexpr std::intptr_t big = std::intptr_t { 1 } << 40;

struct Row
{
    const char* name;
    std::function<std::intptr_t (AudioEffectX&)> call;
    int opcode, index;
    std::intptr_t value;
    bool passesMark;
    float opt;
    std::intptr_t hostAnswer, expected, withoutHost;
};

using X = AudioEffectX&;
template <typename T>
std::intptr_t asInt (T value)
{
    if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<std::intptr_t> (value);
    else
        return static_cast<std::intptr_t> (value);
}
#define CALL(expression) [] (X fx) { return asInt (fx.expression); }
#define CALL_VOID(expression) [] (X fx) { return fx.expression, std::intptr_t { 0 }; }

// One row per kind of handling: where each argument goes, how the host's
// answer is read (as given, as a yes, inverted, 64 bits, a pointer), what a
// refused answer keeps, and what each call gives without a host.
const Row rows[] = {
    { "setParameterAutomated", CALL_VOID (setParameterAutomated (2, 0.25f)), 0, 2, 0, false, 0.25f, 0, 0, 0 },
    { "getMasterVersion 0", CALL (getMasterVersion()), 1, 0, 0, false, 0, 0, 1, 1 },
    { "getMasterVersion", CALL (getMasterVersion()), 1, 0, 0, false, 0, 2400, 2400, 1 },
    { "inputConnected", CALL (__isInputConnectedDeprecated (1)), 4, 1, 0, false, 0, 0, 1, 1 },
    { "outputNotConnected", CALL (__isOutputConnectedDeprecated (1)), 4, 1, 1, false, 0, 1, 0, 1 },
    { "getTimeInfo", CALL (getTimeInfo (0x202)), 7, 0, 0x202, false, 0, markValue, markValue, 0 },
    { "sizeWindow", CALL (sizeWindow (325, 454)), 15, 325, 454, false, 0, 3, 1, 0 },
    { "updateSampleRate 0", CALL (updateSampleRate()), 16, 0, 0, false, 0, 0, 44100, 44100 },
    { "updateBlockSize", CALL (updateBlockSize()), 17, 0, 0, false, 0, 256, 256, 1024 },
    { "updateBlockSize -1", CALL (updateBlockSize()), 17, 0, 0, false, 0, -1, 1024, 1024 },
    { "inputLatency", CALL (getInputLatency()), 18, 0, 0, false, 0, 64, 64, 0 },
    { "outputLatency", CALL (getOutputLatency()), 19, 0, 0, false, 0, 128, 128, 0 },
    { "offlineStart", CALL (offlineStart (marked<VstAudioFile>(), 2, 3)), 25, 3, 2, true, 0, 1, 1, 0 },
    { "offlineRead", CALL (offlineRead (marked<VstOfflineTask>(), 4, true)), 26, 1, 4, true, 0, 1, 1, 0 },
    { "currentPass", CALL (offlineGetCurrentPass()), 28, 0, 0, false, 0, 5, 1, 0 },
    { "vendorString", CALL (getHostVendorString (marked<char>())), 32, 0, 0, true, 0, 1, 1, 0 },
    { "productString", CALL (getHostProductString (marked<char>())), 33, 0, 0, true, 0, 1, 1, 0 },
    { "hostVersion", CALL (getHostVendorVersion()), 34, 0, 0, false, 0, 1234, 1234, 0 },
    { "hostVendorSpecific", CALL (hostVendorSpecific (5, big, mark, 1.5f)), 35, 5, big, true, 1.5f, big + 1, big + 1, 0 },
    { "canHostDo yes", CALL (canHostDo (marked<char>())), 37, 0, 0, true, 0, 1, 1, 0 },
    { "canHostDo no", CALL (canHostDo (marked<char>())), 37, 0, 0, true, 0, -1, 0, 0 },
    { "canHostDo unknown", CALL (canHostDo (marked<char>())), 37, 0, 0, true, 0, 0, 0, 0 },
    { "beginEdit", CALL (beginEdit (7)), 43, 7, 0, false, 0, 1, 1, 0 },
    { "endEdit", CALL (endEdit (7)), 44, 7, 0, false, 0, 1, 1, 0 },
    { "openFileSelector", CALL (openFileSelector (marked<VstFileSelectorRecord>())), 45, 0, 0, true, 0, 1, 1, 0 },
};
} // namespace

TEST (HostCalls, EachCallReachesTheHostWithItsArgumentsAndAnswers)
{
    for (const auto& row : rows)
    {
        RecordingHost host;
        host.answer = row.hostAnswer;
        ProbeEffect effect (RecordingHost::callback);
        host.attach (effect);
        EXPECT_EQ (row.call (effect), row.expected) << row.name;
        ASSERT_EQ (host.calls.size(), 1u) << row.name;
        const auto& call = host.calls[0];
        EXPECT_EQ (call.opcode, row.opcode) << row.name;
        EXPECT_EQ (call.index, row.index) << row.name;
        EXPECT_EQ (call.value, row.value) << row.name;
        EXPECT_EQ (call.ptr, row.passesMark ? mark : nullptr) << row.name;
        EXPECT_EQ (call.opt, row.opt) << row.name;

        ProbeEffect alone;
        EXPECT_EQ (row.call (alone), row.withoutHost) << row.name << " without a host";
    }
}

TEST (HostCalls, SideEffectsOnTheEffect)
{
    RecordingHost host;
    ProbeEffect effect (RecordingHost::callback);
    host.attach (effect);

    effect.setParameterAutomated (1, 0.75f);
    EXPECT_EQ (effect.log.text, "setParameter(1,0.75)");

    host.answer = 48000;
    effect.updateSampleRate();
    host.answer = 0;
    effect.updateSampleRate();
    EXPECT_EQ (effect.getSampleRate(), 48000.0f);

    host.calls.clear();
    EXPECT_FALSE (effect.openFileSelector (nullptr));
    EXPECT_FALSE (effect.__getChunkFileDeprecated (nullptr));
    EXPECT_TRUE (host.calls.empty());
}

TEST (HostCalls, ResumeAsksForMidiEventsOnlyWhenTheEffectWantsThem)
{
    for (auto [synth, midiAnswer, asks] : { std::tuple { false, -1, false }, { false, 2, false }, { false, 1, true }, { true, 0, true } })
    {
        RecordingHost host;
        ProbeEffect effect (RecordingHost::callback);
        host.attach (effect);
        effect.isSynth (synth);
        effect.midiEventAnswer = midiAnswer;
        effect.resume();
        EXPECT_EQ (effect.AudioEffectX::getPlugCategory(), synth ? 2 : 0);
        ASSERT_EQ (host.calls.size(), asks ? 1u : 0u) << synth << " " << midiAnswer;
        if (asks)
        {
            EXPECT_EQ (host.calls[0].opcode, 6);
            EXPECT_EQ (host.calls[0].value, 1);
        }
    }
}
