// Seeded mutations of the built VST3 bundle's state, through JUCE's VST3
// hosting: the document, its framing, and the size before "JUCEPrivateData"
// in the trailer the wrapper adds; first the hostile documents as they stand.
// Every case must end, leave the state as it was when the wrapper or the
// document guard refuses it, and keep parameters within 0..1 and the audio
// finite. PANDREL_FUZZ_SEED picks another seed.
#include "HostStateFraming.h"
#include "HostileDocuments.h"
#include "ParameterTable.h"
#include "Vst3Hosting.h"

#include <cmath>
#include <cstring>

using namespace fuzz;

TEST (Vst3StateFuzz, StateAndItsTrailer)
{
    Watchdog watchdog;
    const auto seed = baseSeed();
    auto plugin = vst3hosting::load();
    ASSERT_NE (plugin, nullptr);
    auto& parameters = plugin->getParameters();
    for (int i = 0; i < ParameterTable::numParameters; ++i)
        parameters[i]->setValueNotifyingHost (static_cast<float> (i * 5 % 11) / 10.0f);

    // Our framed document, then the wrapper's trailer, which ends in the size
    // of its private data and "JUCEPrivateData" (8 + 15 bytes).
    const auto valid = vst3hosting::pluginStateOf (vst3hosting::stateOf (*plugin));
    const auto* bytes = static_cast<const char*> (valid.getData());
    const std::string text (bytes + 8);
    const std::string trailer (bytes + text.size() + 9, valid.getSize() - text.size() - 9);
    ASSERT_GT (trailer.size(), 23u);
    int taken = 0;
    const auto documents = hostile::documents();

    for (std::uint32_t index = 0; index < documents.size() + 1000 && ! HasFatalFailure(); ++index)
    {
        Mutator m (seed, 30, index);
        const bool handPicked = index < documents.size();
        std::string applied = handPicked ? documents[index].what + std::string (" ") : "";
        const bool documentToo = ! handPicked && m.below (3) != 0;
        const auto mutated = handPicked ? documents[index].text : documentToo ? m.mutate (text, applied) : text;
        const auto framed = handPicked ? frame (mutated) : frame (mutated, m, applied);
        auto state = std::string (framed.bytes.data(), static_cast<size_t> (framed.size)) + trailer;

        std::uint64_t size = 0;
        std::memcpy (&size, state.data() + state.size() - 23, 8);
        static const std::uint64_t sizes[] { 0x80000000, 0x7fffffff, 0xffffffff, 0x7fffffffffffffff, ~0ull, 0 };
        switch (handPicked ? 4 : m.below (documentToo ? 8 : 4))
        {
            case 0: size = m.pick (sizes); break;
            case 1: size += m.below (41) - 20; break;
            case 2: size = (std::uint64_t (m.random()) << 32) | m.random(); break;
            case 3: size = state.size() - 31 + m.below (2); break; // the largest that fits, and one more
            default: break;
        }
        std::memcpy (state.data() + state.size() - 23, &size, 8);
        const auto where = "case " + std::to_string (index) + " of PANDREL_FUZZ_SEED=" + std::to_string (seed) + ": " + applied
                         + "trailer size " + std::to_string (size) + "\n  text: " + excerpt (mutated);

        // What the wrapper passes on: nothing when the trailer does not fit.
        Framed passed { std::vector<char> (state.begin(), state.end()), 0 };
        if (size <= state.size() - 31)
            passed.size = static_cast<int> (state.size() - 31 - size);
        const bool takes = guardTakes (passed);
        ASSERT_FALSE (handPicked && takes) << "taken: " << where;
        taken += takes ? 1 : 0;

        const auto before = vst3hosting::stateOf (*plugin);
        const auto hostState = vst3hosting::hostState (state.data(), state.size());
        watchdog.arm (where);
        plugin->setStateInformation (hostState.getData(), static_cast<int> (hostState.getSize()));
        const auto after = vst3hosting::stateOf (*plugin);
        watchdog.disarm();

        if (! takes)
        {
            ASSERT_TRUE (after == before) << "refused, yet changed: " << where;
        }
        for (int i = 0; i < ParameterTable::numParameters; ++i)
        {
            const float v = parameters[i]->getValue();
            ASSERT_TRUE (v >= 0.0f && v <= 1.0f) << i << " " << where; // NaN fails too
        }
        if (index % 8 == 0)
        {
            juce::AudioBuffer<float> block (2, 64);
            juce::MidiBuffer midi;
            block.clear();
            block.setSample (0, 0, 0.5f);
            plugin->prepareToPlay (48000.0, 64);
            plugin->processBlock (block, midi);
            plugin->releaseResources();
            for (int ch = 0; ch < 2; ++ch)
                ASSERT_TRUE (std::isfinite (block.getRMSLevel (ch, 0, 64))) << where;
        }
    }
    std::printf ("%d of %zu cases taken by the guard\n", taken, documents.size() + 1000);
}
