// Seeded mutations of a valid bank, program state and preset file, and of
// hand-picked hostile documents, through the document guard, the processor
// and the preset menu. Every case must end (a watchdog aborts one that does
// not, naming its seed and case), change nothing when it is refused, leave
// only finite values within 0..1 for the models, and round-trip when it is
// taken; the hostile documents themselves must be refused.
// PANDREL_FUZZ_SEED picks another seed; a failure prints the one to run again.
#include "HostStateFraming.h"
#include "HostileDocuments.h"
#include "MorvidPresetFolder.h"
#include "MorvidPresetMenu.h"
#include "PresetDocumentGuard.h"
#include "PresetPathText.h"
#include "PresetMenuTestFolder.h"
#include "ProcessorProbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

using namespace fuzz;
using testdocs::bankOf;
using testdocs::programOf;

namespace
{
// The document inside host state, as written.
std::string documentOf (const juce::MemoryBlock& state) { return binaryxml::documentOf (state.getData(), state.getSize()); }

// Everything a document may change, compared far quicker than written state.
struct Snapshot
{
    explicit Snapshot (PandrelTQ4418AudioProcessor& p)
        : current (p.getCurrentProgram())
    {
        for (const auto& program : p.programs)
        {
            channels.push_back (program.activeChannel);
            for (int slot = 0; slot < ProgramTable::numSlots; ++slot)
            {
                names.add (program.name[slot]);
                values.insert (values.end(), program.values[slot], program.values[slot] + ParameterTable::numParameters);
            }
        }
    }

    bool operator== (const Snapshot& other) const
    {
        // Bit for bit: a NaN written over a NaN is a change too.
        return current == other.current && channels == other.channels && names == other.names
            && std::memcmp (values.data(), other.values.data(), values.size() * sizeof (float)) == 0;
    }
    bool operator!= (const Snapshot& other) const { return ! operator== (other); }

    int current;
    std::vector<int> channels;
    juce::StringArray names;
    std::vector<float> values;
};

// A processor with varied, exactly written settings in every slot.
void fillVaried (PandrelTQ4418AudioProcessor& p)
{
    for (int program = 0; program < ProgramTable::numPrograms; ++program)
    {
        p.programs[program].activeChannel = program % 2;
        for (int slot = 0; slot < ProgramTable::numSlots; ++slot)
        {
            // Some in folders named in bytes that are no UTF-8: written
            // escaped, so that mutations reach the unescaping.
            p.programs[program].name[slot] = (program + slot) % 3 == 0
                                                 ? PresetPathText::fromBytes ("Caf\xe9 100%/\xff" + std::to_string (program * 2 + slot) + "\xc3.mdtz")
                                                 : juce::String::fromUTF8 ("Folder/Pr\xc3\xa9set &<") + juce::String (program * 2 + slot) + ">.mdtz";
            for (int i = 0; i < ParameterTable::numParameters; ++i)
                p.programs[program].values[slot][i] = static_cast<float> ((program * 7 + slot * 3 + i * 5) % 19) / 18.0f;
        }
    }
    p.setCurrentProgram (5);
}
} // namespace

// Runs the cases of one kind of document and checks what every case must keep.
class DocumentFuzz : public PresetMenuTestFolder
{
protected:
    void SetUp() override
    {
        fillVaried (p);
        testaudio::prepare (p, 48000.0, 64);
    }

    std::string describe (const char* kind, size_t index, const std::string& applied, const std::string& text) const
    {
        return std::string (kind) + " case " + std::to_string (index) + " of PANDREL_FUZZ_SEED=" + std::to_string (seed) + ": "
             + applied + "\n  text: " + excerpt (text);
    }

    // Values the models may see, and audio that stays finite.
    void expectSafeValues (const std::string& where)
    {
        for (const auto& program : p.programs)
        {
            ASSERT_TRUE (program.activeChannel == 0 || program.activeChannel == 1) << where;
            for (const auto& slot : program.values)
                for (float v : slot)
                    ASSERT_TRUE (v >= 0.0f && v <= 1.0f) << where; // NaN fails too
        }
        ProcessorProbe probe { p };
        for (int i = 0; i < ParameterTable::numParameters; ++i)
            ASSERT_TRUE (probe.currentValue (i) >= 0.0f && probe.currentValue (i) <= 1.0f) << where;

        if (++blocks % 8 != 0)
            return;
        juce::AudioBuffer<float> out;
        testaudio::step (p, out, position, 64);
        ASSERT_TRUE (testaudio::allFinite (out)) << where;
        for (int m = 0; m < 3; ++m)
            for (int i = 0; i < FlangerModelBase::numParameters; ++i)
                ASSERT_TRUE (probe.model (m).getParameter (i) >= 0.0f && probe.model (m).getParameter (i) <= 1.0f) << where;
    }

    // Bank or program state through the processor's host-state operations.
    void hostStateCase (bool bank, const std::string& mutated, const Framed& framed, const std::string& applied, size_t index)
    {
        const auto where = describe (bank ? "bank" : "program", index, applied, mutated);
        ++cases;

        const Snapshot before (p);
        watchdog.arm (where);
        if (bank)
            p.setStateInformation (framed.bytes.data(), framed.size);
        else
            p.setCurrentProgramStateInformation (framed.bytes.data(), framed.size);
        watchdog.disarm();

        const bool takes = guardTakes (framed);
        taken += takes ? 1 : 0;
        if (! takes)
        {
            ASSERT_TRUE (Snapshot (p) == before) << "refused, yet changed: " << where;
        }
        ASSERT_NO_FATAL_FAILURE (expectSafeValues (where));

        // Taken: what it left saves, and loads into another instance alike.
        if (Snapshot (p) != before)
        {
            const auto after = bankOf (p);
            watchdog.arm (where + " (round trip)");
            q.setStateInformation (after.getData(), static_cast<int> (after.getSize()));
            const auto program = programOf (p);
            q.setCurrentProgramStateInformation (program.getData(), static_cast<int> (program.getSize()));
            watchdog.disarm();
            ASSERT_EQ (programOf (q), program) << "program state does not round-trip: " << where;
            ASSERT_EQ (bankOf (q), after) << "bank does not round-trip: " << where;
        }
    }

    // A preset file's text through the guard and the processor's readers.
    void presetCase (const std::string& mutated, const std::string& applied, size_t index)
    {
        const auto where = describe ("preset", index, applied, mutated);
        ++cases;
        const auto text = juce::String::createStringFromData (mutated.data(), static_cast<int> (mutated.size()));
        const bool takes = PresetDocumentGuard::isAcceptableText (text);

        const Snapshot before (p);
        watchdog.arm (where);
        const int result = p.readPreset (PresetDocumentGuard::parseText (text), true);
        const bool differs = p.comparePreset (PresetDocumentGuard::parseText (text));
        watchdog.disarm();

        taken += takes ? 1 : 0;
        if (! takes)
        {
            ASSERT_EQ (result, 0) << where;
            ASSERT_FALSE (differs) << where;
            ASSERT_TRUE (Snapshot (p) == before) << "refused, yet changed: " << where;
        }
        ASSERT_NO_FATAL_FAILURE (expectSafeValues (where));

        if (result == 1 || result == 4)
        {
            const auto written = p.writePreset (true).toString();
            ASSERT_EQ (q.readPreset (PresetDocumentGuard::parseText (written), true), 1) << where;
            ASSERT_EQ (q.writePreset (true).toString(), written) << "preset does not round-trip: " << where;
        }
    }

    // `count` seeded mutations of the text, numbered from `index` on; stops
    // at the first fatal failure.
    template <typename Case>
    void mutations (std::uint32_t kind, size_t index, size_t count, const std::string& text, Case&& run)
    {
        for (const auto end = index + count; index < end && ! HasFatalFailure(); ++index)
        {
            Mutator m (seed, kind, static_cast<std::uint32_t> (index));
            std::string applied;
            const auto mutated = m.mutate (text, applied);
            run (mutated, m, applied, index);
        }
    }

    void TearDown() override { std::printf ("%d cases, %d taken by the guard\n", cases, taken); }

    PandrelTQ4418AudioProcessor p, q;
    Watchdog watchdog;
    const std::uint32_t seed = baseSeed();
    int blocks = 0, position = 0, cases = 0, taken = 0;
};

TEST_F (DocumentFuzz, BankState)
{
    mutations (1, 0, 5000, documentOf (bankOf (p)), [this] (const std::string& mutated, Mutator& m, std::string applied, size_t index) {
        const auto framed = frame (mutated, m, applied);
        hostStateCase (true, mutated, framed, applied, index);
    });
}

TEST_F (DocumentFuzz, ProgramState)
{
    // An instruction or a comment at every position, then random mutations.
    const auto text = documentOf (programOf (p));
    size_t index = 0;
    for (size_t at = 0; at <= text.size(); ++at, ++index)
    {
        Mutator m (seed, 2, static_cast<std::uint32_t> (index));
        const std::string piece = at % 2 == 0 ? "<?x?>y" : "<!--c-->";
        const auto inserted = std::string (text).insert (at, piece);
        std::string applied = piece + "@" + std::to_string (at) + " ";
        const auto framed = frame (inserted, m, applied);
        ASSERT_NO_FATAL_FAILURE (hostStateCase (false, inserted, framed, applied, index));
    }
    mutations (2, index, 8000, text, [this] (const std::string& mutated, Mutator& m, std::string applied, size_t i) {
        const auto framed = frame (mutated, m, applied);
        hostStateCase (false, mutated, framed, applied, i);
    });
}

TEST_F (DocumentFuzz, PresetFile)
{
    const auto text = p.writePreset (true).toString().toStdString();
    size_t index = 0;
    for (const std::string piece : { "<?x?>", "<?x?>y", "<!--c-->" })
        for (size_t at = 0; at <= text.size(); ++at, ++index)
            ASSERT_NO_FATAL_FAILURE (presetCase (std::string (text).insert (at, piece), piece + "@" + std::to_string (at), index));
    mutations (3, index, 15000, text, [this] (const std::string& mutated, Mutator&, const std::string& applied, size_t i) {
        presetCase (mutated, applied, i);
    });
}

TEST_F (DocumentFuzz, HostileDocuments)
{
    // Each refused as it stands, as bank, program state and preset file;
    // then mutations of it.
    const auto documents = hostile::documents();
    for (std::uint32_t d = 0; d < documents.size() && ! HasFatalFailure(); ++d)
    {
        const auto& [what, text] = documents[d];
        ASSERT_FALSE (guardTakes (frame (text))
                      || PresetDocumentGuard::isAcceptableText (juce::String::createStringFromData (text.data(), static_cast<int> (text.size()))))
            << "taken: " << what;
        for (bool bank : { true, false })
            ASSERT_NO_FATAL_FAILURE (hostStateCase (bank, text, frame (text), what, d));
        ASSERT_NO_FATAL_FAILURE (presetCase (text, what, d));

        mutations (10 + d, 0, 30, text, [this] (const std::string& mutated, Mutator& m, std::string applied, size_t i) {
            const auto framed = frame (mutated, m, applied);
            hostStateCase (i % 2 == 0, mutated, framed, applied, i);
            if (! HasFatalFailure())
                presetCase (mutated, applied, i);
        });
    }
}

TEST_F (DocumentFuzz, PresetFileThroughTheMenu)
{
    MorvidPresetMenu menu { "presetName_" };
    menu.setDirectoryPath (MorvidPresetFolder::getPresetFolder().getFullPathName());
    menu.setFileExtension (MorvidPresetFolder::wildcard);
    const auto text = p.writePreset (true).toString().toStdString();
    put ("Fuzz.mdtz", text);
    menu.setSelectedFilePath ("Fuzz.mdtz");
    const auto file = root.getChildFile ("Fuzz.mdtz");

    mutations (4, 0, 1000, text, [&] (const std::string& mutated, Mutator&, const std::string& applied, size_t index) {
        ASSERT_TRUE (file.replaceWithData (mutated.data(), mutated.size()));
        const auto where = describe ("menu", index, applied, mutated);
        ++cases;
        const bool takes = mutated.size() <= static_cast<size_t> (PresetDocumentGuard::maxBytes)
                        && PresetDocumentGuard::isAcceptableText (juce::String::createStringFromData (mutated.data(), static_cast<int> (mutated.size())));

        const Snapshot before (p);
        watchdog.arm (where);
        const int result = menu.readPreset (&p, "Fuzz.mdtz");
        menu.compareAndMarkPreset (&p);
        watchdog.disarm();

        taken += takes ? 1 : 0;
        if (! takes)
        {
            ASSERT_EQ (result, 0) << where;
            ASSERT_TRUE (Snapshot (p) == before) << "refused, yet changed: " << where;
        }
        ASSERT_NO_FATAL_FAILURE (expectSafeValues (where));
    });
}
