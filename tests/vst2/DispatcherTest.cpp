// The dispatchers as a host reaches them: through the entry function stored
// in the record, with the host's raw arguments.
#include "ProbeEffect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace
{
struct Row
{
    int opcode;
    int index;
    std::intptr_t value;
    bool withPtr;
    float opt;
    std::intptr_t expected;
    const char* calls; // what the effect saw; empty when nothing reached it
};

constexpr std::intptr_t big = std::intptr_t { 1 } << 32;
constexpr float notANumber = NAN;

// Programs 0..3, parameters 0..2, one input, two outputs. One row per kind
// of handling: forwarding with converted arguments, sign and zero extension,
// range checks, null pointers, chunk sizes, opcodes nobody knows.
const Row rows[] = {
    { 2, 0, 3, false, 0, 0, "setProgram(3)" },
    { 2, 0, 4, false, 0, 0, "" },
    { 2, 0, -1, false, 0, 0, "" },
    { 2, 0, big + 1, false, 0, 0, "" },
    { 3, 0, 0, false, 0, -5, "getProgram()" },
    { 8, 1, 0, true, 0, 0, "getParameterName(1,ptr)" },
    { 8, 1, 0, false, 0, 0, "" },
    { 8, 3, 0, true, 0, 0, "" },
    { 8, -1, 0, true, 0, 0, "" },
    { 10, 0, 0, false, 48000, 0, "setSampleRate(48000)" },
    { 10, 0, 0, false, 0, 0, "" },
    { 10, 0, 0, false, notANumber, 0, "" },
    { 11, 0, 512, false, 0, 0, "setBlockSize(512)" },
    { 11, 0, 0, false, 0, 0, "" },
    { 11, 0, big, false, 0, 0, "" },
    { 12, 0, 0, false, 0, 0, "suspend()" },
    { 12, 0, big, false, 0, 0, "resume()" },
    { 13, 0, 0, true, 0, 0, "" }, // no editor
    { 22, 0, 0, false, 0, 0x4E764566, "" },
    { 23, 1, 0, true, 0, 100, "getChunk(ptr,1)" },
    { 23, 0, 0, false, 0, 0, "" },
    { 24, 0, 100, true, 0, -5, "setChunk(ptr,100,0)" },
    { 24, 1, 1 << 20, true, 0, -5, "setChunk(ptr,1048576,1)" },
    { 24, 0, (1 << 20) + 1, true, 0, 0, "" },
    { 24, 0, -100, true, 0, 0, "" },
    { 24, 0, big + 100, true, 0, 0, "" },
    { 24, 0, 100, false, 0, 0, "" },
    { 26, 2, 0, false, 0, 1, "canParameterBeAutomated(2)" },
    { 26, 3, 0, false, 0, 0, "" },
    { 29, 3, 7, true, 0, 1, "getProgramNameIndexed(7,3,ptr)" },
    { 29, 4, 0, true, 0, 0, "" },
    { 34, 1, 0, true, 0, 1, "getOutputProperties(1,ptr)" },
    { 34, 2, 0, true, 0, 0, "" },
    { 35, 0, 0, false, 0, 0xFFFFFFFB, "getPlugCategory()" },
    { 38, 1, 2, true, 0, 1, "offlineNotify(ptr,2,1)" },
    { 44, 0, big, false, 0, 1, "setBypass(1)" },
    { 50, 3, big, true, 0.5f, 0x123456789, "vendorSpecific(3,4294967296,ptr,0.5)" },
    { 51, 0, 0, false, 0, 0, "" },
    { 56, 3, 0, true, 0, 0, "" },
    { 62, 15, 0, true, 0, -5, "getMidiProgramName(15,ptr)" },
    { 62, 16, 0, true, 0, 0, "" },
    { 63, -1, 0, false, 0, -1, "" },
    { 80, 0, 0, true, 0, 0, "" },
    { -1, 0, 0, true, 0, 0, "" },
};

std::intptr_t dispatch (AudioEffect& effect, int opcode, int index, std::intptr_t value, void* ptr, float opt)
{
    auto* record = effect.getAeffect();
    return record->dispatcher (record, opcode, index, value, ptr, opt);
}
} // namespace

TEST (Dispatcher, AnswersEachOpcodeAsAHostExpects)
{
    for (const auto& row : rows)
    {
        ProbeEffect effect;
        alignas (8) char buffer[64];
        std::memset (buffer, '~', sizeof (buffer));
        const auto result = dispatch (effect, row.opcode, row.index, row.value, row.withPtr ? buffer : nullptr, row.opt);
        EXPECT_EQ (result, row.expected) << "opcode " << row.opcode << " index " << row.index << " value " << row.value;
        EXPECT_EQ (effect.log.text, row.calls) << "opcode " << row.opcode << " index " << row.index << " value " << row.value;
    }
}

TEST (Dispatcher, RefusedTextQueriesAnswerAnEmptyText)
{
    ProbeEffect effect;
    for (auto [opcode, index] : { std::pair { 8, 3 }, { 29, 4 } })
    {
        char text[16] = "stale";
        dispatch (effect, opcode, index, 0, text, 0);
        EXPECT_STREQ (text, "") << opcode;
    }
}

TEST (Dispatcher, ChunksWithoutDataOrWithABadSizeAreNotHandedOut)
{
    for (int size : { 0, -1, (1 << 20) + 1 })
    {
        ProbeEffect effect;
        effect.chunkSize = size;
        void* data = &effect;
        EXPECT_EQ (dispatch (effect, 23, 0, 0, &data, 0), 0) << size;
        EXPECT_EQ (data, nullptr) << size;
    }
}

TEST (Dispatcher, KeyOpcodesReachAnAttachedEditorWithTheirBytes)
{
    ProbeEffect effect;
    effect.attachEditor();
    EXPECT_EQ (dispatch (effect, 59, 65, 0x1234, nullptr, 3.7f), 1);
    EXPECT_EQ (dispatch (effect, 60, 66, 0x7f, nullptr, 258.0f), 1);
    EXPECT_EQ (effect.log.text, "keyDown(65,52,3) keyUp(66,127,2)");
}

TEST (Dispatcher, SpeakerArrangementsWithNegativeChannelCountsAreRefused)
{
    VstSpeakerArrangement good {};
    good.numChannels = 2;
    VstSpeakerArrangement bad {};
    bad.numChannels = -1;

    ProbeEffect effect;
    EXPECT_EQ (dispatch (effect, 42, 0, reinterpret_cast<std::intptr_t> (&good), &good, 0), 1);
    EXPECT_EQ (dispatch (effect, 42, 0, reinterpret_cast<std::intptr_t> (&bad), &good, 0), 0);
    EXPECT_EQ (dispatch (effect, 42, 0, reinterpret_cast<std::intptr_t> (&good), &bad, 0), 0);
    EXPECT_EQ (dispatch (effect, 42, 0, 0, &good, 0), 1);
    EXPECT_EQ (effect.log.text, "setSpeakerArrangement(ptr,ptr) setSpeakerArrangement(null,ptr)");

    VstSpeakerArrangement* input = &good;
    VstSpeakerArrangement* output = &good;
    EXPECT_EQ (dispatch (effect, 69, 0, 0, &output, 0), 0);
    EXPECT_EQ (dispatch (effect, 69, 0, reinterpret_cast<std::intptr_t> (&input), &output, 0), 1);
}

TEST (EntryFunctions, NothingThrownReachesTheHostAndCloseDeletesTheObject)
{
    bool deleted = false;
    auto* effect = new ProbeEffect;
    effect->deleted = &deleted;
    effect->throwOnOpen = true;
    EXPECT_EQ (dispatch (*effect, 0, 0, 0, nullptr, 0), 0);
    EXPECT_EQ (effect->log.text, "open()");
    EXPECT_EQ (dispatch (*effect, 1, 0, 0, nullptr, 0), 1);
    EXPECT_TRUE (deleted);
}

TEST (EntryFunctions, ParameterAndProcessEntriesCheckTheirArguments)
{
    ProbeEffect effect;
    auto* record = effect.getAeffect();
    record->setParameter (record, 2, 0.25f);
    record->setParameter (record, 3, 0.25f);
    record->setParameter (record, -1, 0.25f);
    EXPECT_EQ (record->getParameter (record, 1), 0.5f);
    EXPECT_EQ (record->getParameter (record, 3), 0.0f);
    float* channels[2] = {};
    record->processReplacing (record, channels, channels, 64);
    record->processReplacing (record, channels, channels, -64);
    EXPECT_EQ (effect.log.text, "setParameter(2,0.25) getParameter(1) processReplacing(ptr,ptr,64)");
}
