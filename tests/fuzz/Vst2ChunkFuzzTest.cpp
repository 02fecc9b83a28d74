// Seeded mutations of the built VST 2 plug-in's bank and program chunks,
// handed to it through its dispatcher with lying sizes, and the hostile
// documents. Every case must end, leave the bank as it was when the document
// guard refuses the chunk, and keep parameters within 0..1, the bank readable
// by a second instance and the audio finite. PANDREL_FUZZ_SEED picks another
// seed.
#include "HostStateFraming.h"
#include "HostileDocuments.h"
#include "ParameterTable.h"
#include "Vst2Host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace fuzz;

namespace
{
constexpr int numParameters = ParameterTable::numParameters;

std::string documentOf (const std::vector<char>& chunk) { return binaryxml::documentOf (chunk.data(), chunk.size()); }
} // namespace

class Vst2ChunkFuzz : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (auto* host : { &plugin, &second })
        {
            ASSERT_EQ (host->error(), "");
            host->start();
        }
        // Varied settings in several programs, then program 5 current.
        for (int program = 0; program < 12; program += 3)
        {
            plugin.dispatch (VstEffectOpcode::setProgram, 0, program);
            for (int i = 0; i < numParameters; ++i)
                plugin.setParameter (i, static_cast<float> ((program * 7 + i * 5) % 19) / 18.0f);
        }
        plugin.dispatch (VstEffectOpcode::setProgram, 0, 5);
    }

    void TearDown() override { std::printf ("%d cases, %d taken by the guard\n", cases, taken); }

    void chunkCase (bool preset, const std::string& text, std::uint32_t index)
    {
        Mutator m (seed, preset ? 21 : 20, index);
        std::string applied;
        const auto mutated = m.mutate (text, applied);
        const auto framed = frame (mutated, m, applied);
        chunkCase (preset, mutated, framed, applied, index);
    }

    void chunkCase (bool preset, const std::string& mutated, const Framed& framed, const std::string& applied, std::uint32_t index)
    {
        const auto where = std::string (preset ? "program" : "bank") + " case " + std::to_string (index)
                         + " of PANDREL_FUZZ_SEED=" + std::to_string (seed) + ": " + applied + "\n  text: " + excerpt (mutated);

        const auto before = plugin.getChunk (false);
        watchdog.arm (where);
        auto bytes = framed.bytes;
        plugin.dispatch (VstEffectOpcode::setChunk, preset ? 1 : 0, framed.size, bytes.data());
        const auto after = plugin.getChunk (false);
        watchdog.disarm();

        ++cases;
        taken += guardTakes (framed) ? 1 : 0;
        if (! guardTakes (framed))
        {
            ASSERT_TRUE (after == before) << "refused, yet changed: " << where;
        }
        ASSERT_GT (after.size(), 8u) << where;
        for (int i = 0; i < numParameters; ++i)
        {
            const auto v = plugin.getParameter (i);
            ASSERT_TRUE (v >= 0.0f && v <= 1.0f) << i << " " << where;
        }

        if (index % 8 == 0)
        {
            std::vector<std::vector<float>> in (2, std::vector<float> (64, 0.25f)), out (2, std::vector<float> (64, 0.0f));
            plugin.process (in, out);
            for (const auto& channel : out)
                for (float sample : channel)
                    ASSERT_TRUE (std::isfinite (sample)) << where;
        }
        if (after != before)
        {
            watchdog.arm (where + " (into a second instance)");
            second.setChunk (after, false);
            watchdog.disarm();
            ASSERT_TRUE (second.getChunk (false) == after) << "bank does not round-trip: " << where;
        }
    }

    Vst2Host plugin { PANDREL_VST2_PLUGIN, 48000.0f, 64 }, second { PANDREL_VST2_PLUGIN, 48000.0f, 64 };
    Watchdog watchdog;
    const std::uint32_t seed = baseSeed();
    int cases = 0, taken = 0;
};

TEST_F (Vst2ChunkFuzz, BankChunks)
{
    const auto text = documentOf (plugin.getChunk (false));
    ASSERT_FALSE (text.empty());
    for (std::uint32_t index = 0; index < 1500 && ! HasFatalFailure(); ++index)
        chunkCase (false, text, index);
}

TEST_F (Vst2ChunkFuzz, ProgramChunks)
{
    const auto text = documentOf (plugin.getChunk (true));
    ASSERT_FALSE (text.empty());
    for (std::uint32_t index = 0; index < 2500 && ! HasFatalFailure(); ++index)
        chunkCase (true, text, index);
}

TEST_F (Vst2ChunkFuzz, HostileDocuments)
{
    const auto documents = hostile::documents();
    for (std::uint32_t d = 0; d < documents.size() && ! HasFatalFailure(); ++d)
        for (bool preset : { false, true })
        {
            const auto framed = frame (documents[d].text);
            ASSERT_FALSE (guardTakes (framed)) << documents[d].what;
            chunkCase (preset, documents[d].text, framed, documents[d].what, d);
        }
}
