// Seeded mutations of the built AAX bundle's state chunk, in the stand-in
// host, with lying sizes; first the hostile documents as they stand. Every
// case must end, leave the state as it was when the document guard refuses
// it, and keep parameters within 0..1 and the audio finite.
// PANDREL_FUZZ_SEED picks another seed.
#include "HostStateFraming.h"
#include "HostileDocuments.h"
#include "ParameterTable.h"
#include "StandInHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace fuzz;

namespace
{
constexpr AAX_CTypeID stateChunk = 0x50747153;
} // namespace

class AaxStateFuzz : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (module.isLoaded()) << module.error;
        module.startup (&host);
        ASSERT_EQ (module.registerPlugin (&host, &definition), 0);
        ASSERT_FALSE (host.collections.empty() || host.collections.back()->effects.empty());
        const auto& effect = *host.collections.back()->effects.front().second;
        instance = std::make_unique<aaxhost::Instance> (effect, *effect.components.at (0), 48000.0f);
        ASSERT_TRUE (instance->isReady()) << instance->error;
        for (int i = 0; i < ParameterTable::numParameters; ++i)
            instance->parameters->UpdateParameterNormalizedValue (std::to_string (i).c_str(), (i * 5 % 11) / 10.0,
                                                                 AAX_eUpdateSource_Parameter);
        instance->answerRequests();
    }

    void TearDown() override
    {
        instance.reset();
        if (definition != nullptr)
            definition->Release();
        if (module.isLoaded())
            module.shutdown (&host);
        std::printf ("%d cases, %d taken by the guard\n", cases, taken);
    }

    aaxhost::Host host;
    aaxhost::Module module { PANDREL_AAX_PLUGIN };
    IACFPluginDefinition* definition = nullptr;
    std::unique_ptr<aaxhost::Instance> instance;
    Watchdog watchdog;
    const std::uint32_t seed = baseSeed();
    int cases = 0, taken = 0;
};

TEST_F (AaxStateFuzz, StateChunks)
{
    const auto valid = instance->chunk (stateChunk);
    ASSERT_GT (valid.size(), AAX_PLUGIN_CHUNK_HEADER_SIZE + 8);
    const auto text = binaryxml::documentOf (valid.data() + AAX_PLUGIN_CHUNK_HEADER_SIZE, valid.size() - AAX_PLUGIN_CHUNK_HEADER_SIZE);
    const auto documents = hostile::documents();

    for (std::uint32_t index = 0; index < documents.size() + 1500 && ! HasFatalFailure(); ++index, ++cases)
    {
        Mutator m (seed, 40, index);
        const bool handPicked = index < documents.size();
        std::string applied = handPicked ? documents[index].what : "";
        const auto mutated = handPicked ? documents[index].text : m.mutate (text, applied);
        const auto framed = handPicked ? frame (mutated) : frame (mutated, m, applied);
        const auto where = "state case " + std::to_string (index) + " of PANDREL_FUZZ_SEED=" + std::to_string (seed) + ": "
                         + applied + "\n  text: " + excerpt (mutated);

        std::vector<char> record (AAX_PLUGIN_CHUNK_HEADER_SIZE + framed.bytes.size());
        std::memcpy (record.data(), valid.data(), AAX_PLUGIN_CHUNK_HEADER_SIZE);
        std::memcpy (record.data() + AAX_PLUGIN_CHUNK_HEADER_SIZE, framed.bytes.data(), framed.bytes.size());
        reinterpret_cast<AAX_SPlugInChunk*> (record.data())->fSize = framed.size;

        const auto before = instance->chunk (stateChunk);
        watchdog.arm (where);
        instance->setChunk (stateChunk, record);
        instance->answerRequests();
        AAX_CBoolean equal = 7;
        instance->parameters->CompareActiveChunk (reinterpret_cast<const AAX_SPlugInChunk*> (record.data()), &equal);
        const auto after = instance->chunk (stateChunk);
        watchdog.disarm();

        const bool takes = guardTakes (framed);
        ASSERT_FALSE (handPicked && takes) << "taken: " << where;
        taken += takes ? 1 : 0;
        if (! takes)
        {
            ASSERT_TRUE (after == before) << "refused, yet changed: " << where;
        }
        ASSERT_FALSE (after.empty()) << where;
        ASSERT_TRUE (equal == 0 || equal == 1) << where;
        for (int i = 0; i < ParameterTable::numParameters; ++i)
        {
            double v = -1.0;
            instance->parameters->GetParameterNormalizedValue (std::to_string (i).c_str(), &v);
            ASSERT_TRUE (v >= 0.0 && v <= 1.0) << i << " " << where; // NaN fails too
        }

        if (index % 8 == 0)
        {
            std::vector<float> left (64, 0.25f), right (64, -0.25f);
            float* channels[] { left.data(), right.data() };
            instance->render (channels, channels, 64);
            for (const auto& channel : { left, right })
                for (float sample : channel)
                    ASSERT_TRUE (std::isfinite (sample)) << where;
        }
    }
}
