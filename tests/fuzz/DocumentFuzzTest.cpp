// Seeded mutations of a valid bank, program state and preset file, through
// the document guard, the processor and the preset menu. Every case must end
// (a watchdog aborts one that does not, naming its seed and case), change
// nothing when it is refused, leave only finite values within 0..1 for the
// models, and round-trip when it is taken. PANDREL_FUZZ_SEED picks another
// seed; a failure prints the one to run again.
#include "MorvidPresetFolder.h"
#include "MorvidPresetMenu.h"
#include "PresetDocumentGuard.h"
#include "PresetMenuTestFolder.h"
#include "ProcessorProbe.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

// The undefined-behaviour sanitizer has a runtime of its own, which knows no
// death callback: it is to abort, so that the handler below names the case.
extern "C" __attribute__ ((visibility ("default"))) const char* __ubsan_default_options() { return "abort_on_error=1"; }

namespace
{
std::uint32_t baseSeed()
{
    const char* text = std::getenv ("PANDREL_FUZZ_SEED");
    return text != nullptr ? static_cast<std::uint32_t> (std::strtoul (text, nullptr, 10)) : 4418u;
}

// A case that has not finished after this long never will (the slowest
// legitimate one takes well under a second in a sanitizer build).
constexpr auto caseBound = std::chrono::seconds (20);

// The case under way, for a last word when the program dies in it (an abort,
// a sanitizer's report): written as it stands, without allocating.
char lastCase[4096];

void tellLastCase()
{
    const char intro[] = "\nDied in ";
    [[maybe_unused]] auto written = ::write (2, intro, sizeof intro - 1);
    written = ::write (2, lastCase, ::strnlen (lastCase, sizeof lastCase));
    written = ::write (2, "\n", 1);
}

extern "C" void dieTellingLastCase (int signal)
{
    tellLastCase();
    std::signal (signal, SIG_DFL);
    std::raise (signal);
}

// Aborts the whole program when the case it was told of overruns its bound;
// a hung parser can be stopped no other way.
class Watchdog
{
public:
    Watchdog()
        : thread ([this] { watch(); })
    {
        std::signal (SIGABRT, dieTellingLastCase);
        std::signal (SIGSEGV, dieTellingLastCase);
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback (tellLastCase);
#endif
    }

    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock (mutex);
            stopping = true;
        }
        wake.notify_all();
        thread.join();
    }

    void arm (const std::string& description)
    {
        std::lock_guard<std::mutex> lock (mutex);
        std::snprintf (lastCase, sizeof lastCase, "%s", description.c_str());
        deadline = std::chrono::steady_clock::now() + caseBound;
        armed = true;
    }

    void disarm()
    {
        std::lock_guard<std::mutex> lock (mutex);
        armed = false;
        lastCase[0] = 0;
    }

private:
    void watch()
    {
        std::unique_lock<std::mutex> lock (mutex);
        while (! stopping)
        {
            wake.wait_for (lock, std::chrono::milliseconds (200));
            if (armed && std::chrono::steady_clock::now() > deadline)
            {
                std::fprintf (stderr, "\nCase did not finish within %d s.", static_cast<int> (caseBound.count()));
                std::fflush (stderr);
                std::abort();
            }
        }
    }

    std::mutex mutex;
    std::condition_variable wake;
    std::chrono::steady_clock::time_point deadline;
    bool armed = false, stopping = false;
    std::thread thread;
};

// The first bytes of a text, printable.
std::string excerpt (const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size() && out.size() < 240; ++i)
    {
        const auto c = static_cast<unsigned char> (text[i]);
        if (c >= 0x20 && c < 0x7f)
            out += static_cast<char> (c);
        else
        {
            char hex[8];
            std::snprintf (hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out + (text.size() > 240 ? "... (" + std::to_string (text.size()) + " bytes)" : "");
}

// Mutations of a document's bytes, each case from its own seed.
class Mutator
{
public:
    Mutator (std::uint32_t seed, std::uint32_t stream, std::uint32_t index)
    {
        std::seed_seq sequence { seed, stream, index };
        random.seed (sequence);
    }

    size_t below (size_t n) { return n == 0 ? 0 : static_cast<size_t> (random() % n); }
    template <typename T, size_t n>
    const T& pick (const T (&items)[n]) { return items[below (n)]; }

    // One to three mutations; `applied` names them.
    std::string mutate (std::string text, std::string& applied)
    {
        for (size_t k = 0, n = 1 + below (3); k < n; ++k)
            mutateOnce (text, applied);
        return text;
    }

    std::mt19937 random;

private:
    void insert (std::string& text, const std::string& piece, std::string& applied, const char* kind)
    {
        const auto at = below (text.size() + 1);
        text.insert (at, piece);
        applied += std::string (kind) + "(" + excerpt (piece.substr (0, 24)) + ")@" + std::to_string (at) + " ";
    }

    // The span of a random element text ("...>HERE<") or attribute value.
    bool findValue (const std::string& text, size_t& start, size_t& end, bool attribute)
    {
        const char open = attribute ? '"' : '>', close = attribute ? '"' : '<';
        for (int tries = 0; tries < 8; ++tries)
        {
            start = text.find (open, below (text.size()));
            if (start == std::string::npos)
                continue;
            end = text.find (close, ++start);
            if (end != std::string::npos && end - start < 64)
                return true;
        }
        return false;
    }

    void mutateOnce (std::string& text, std::string& applied)
    {
        static const char* const entities[] { "&amp;", "&LT;", "&#60;", "&#x3c;", "&#0;", "&#xFFFFFFFF;", "&#999999999999;",
                                              "&#x110000;", "&#xD800;", "&foo;", "&#;", "&#x;", "&", "&#1234567890123;",
                                              "&lt;a&gt;", "&#60;a&#62;", "&a;",
                                              "<!DOCTYPE m [<!ENTITY a \"&a;\">]>", "<!ENTITY e \"x\">" };
        static const char* const markup[] { "<?x?>", "<?pi x?>", "<?xml version=\"1.0\"?>", "<!--c-->", "<!---->", "<?",
                                            "?>", "<!--", "-->", "<![CDATA[x]]>", "<![CDATA[", "]]>", "<!DOCTYPE a>",
                                            "<!x>", "<?x?>y", "<!--c--><?x?>z", "</a>", "<a>", "<a/>", "< a>", "<a b>",
                                            "<a b=c>", "=\"", "</>", "<>" };
        static const char* const numbers[] { "nan", "NaN", "-nan", "inf", "-inf", "+Infinity", "1e39", "-1e39",
                                             "1e99999999999", "1e-4294967297", "-2147483648", "4294967297",
                                             "3.4028236e38", "1e-46", "-0", "0x1p3", "99999999999999999999999999", "",
                                             ".", "-", "1e", " 0.5 ", "1,5", "0.5.5", "true", " true ", "TRUE",
                                             "12345678901234567890e2147483647", "0.000000000000000000000000001" };
        static const char* const badUtf8[] { "\xc0\xbc", "\xed\xa0\x80", "\xf5\x80\x80\x80", "\xff", "\x80", "\xe2\x82",
                                             "\xf0\x9f", "\xef\xbb\xbf", "\xfe\xff", "\xf4\x90\x80\x80", "\xe0\x80\xbc" };
        static const char runChars[] { '<', '>', '&', ';', '"', '\'', 'a', '0', '.', '-', '?', '!', '/', ' ', '\t', '\n', '\xc3', '=' };
        static const char specials[] { '<', '>', '&', '"', '\'', '/', '?', '!', '=', ';', '#', 'x', '\0', '[', ']' };

        switch (below (10))
        {
            case 0:
            {
                const auto flips = 1 + below (8);
                for (size_t i = 0; i < flips && ! text.empty(); ++i)
                    text[below (text.size())] ^= static_cast<char> (1u << below (8));
                applied += "flip" + std::to_string (flips) + " ";
                break;
            }
            case 1:
            {
                const auto at = below (text.size() + 1);
                text.resize (at);
                applied += "cut@" + std::to_string (at) + " ";
                break;
            }
            case 2:
            {
                static const size_t depths[] { 1, 2, 3, 5, 6, 7, 12, 100, 5000 };
                const auto depth = pick (depths);
                std::string nest;
                for (size_t i = 0; i < depth; ++i)
                    nest += "<a>";
                if (below (4) != 0)
                    for (size_t i = 0; i < depth; ++i)
                        nest += "</a>";
                insert (text, nest, applied, ("nest" + std::to_string (depth)).c_str());
                break;
            }
            case 3: insert (text, pick (entities), applied, "entity"); break;
            case 4: insert (text, pick (markup), applied, "markup"); break;
            case 5:
            {
                size_t start = 0, end = 0;
                const bool attribute = below (3) == 0;
                if (findValue (text, start, end, attribute))
                {
                    const std::string number = pick (numbers);
                    text.replace (start, end - start, number);
                    applied += std::string (attribute ? "attribute" : "number") + "(" + number + ")@" + std::to_string (start) + " ";
                }
                break;
            }
            case 6: insert (text, pick (badUtf8), applied, "utf8"); break;
            case 7:
            {
                static const size_t lengths[] { 1, 7, 100, 1000, 100000 };
                const auto length = pick (lengths);
                const auto c = pick (runChars);
                insert (text, c == '\xc3' ? std::string (length, 'x').replace (0, length, length / 2, '\xc3') : std::string (length, c),
                        applied, "run");
                break;
            }
            case 8:
            {
                const auto from = below (text.size()), length = below (200);
                const auto slice = text.substr (from, length);
                if (below (2) == 0)
                    insert (text, slice, applied, "copy");
                else
                {
                    text.erase (from, length);
                    applied += "erase@" + std::to_string (from) + " ";
                }
                break;
            }
            default:
                if (! text.empty())
                {
                    const auto at = below (text.size());
                    text[at] = pick (specials);
                    applied += "byte(" + excerpt (text.substr (at, 1)) + ")@" + std::to_string (at) + " ";
                }
                break;
        }
    }
};

juce::MemoryBlock bankOf (PandrelTQ4418AudioProcessor& p)
{
    juce::MemoryBlock state;
    p.getStateInformation (state);
    return state;
}

juce::MemoryBlock programOf (PandrelTQ4418AudioProcessor& p)
{
    juce::MemoryBlock state;
    p.getCurrentProgramStateInformation (state);
    return state;
}

// The document inside host state, as written.
std::string documentOf (const juce::MemoryBlock& state)
{
    const auto* text = static_cast<const char*> (state.getData()) + 8;
    return std::string (text, ::strnlen (text, state.getSize() - 8));
}

// Host state as copyXmlToBinary frames it, its length field and the size the
// host passes sometimes lying; every size stays within the buffer, as a
// host's buffer would.
struct Framed
{
    std::vector<char> bytes;
    int size = 0;
};

Framed frame (const std::string& text, Mutator& m, std::string& applied)
{
    static const std::uint32_t lengths[] { 0, 1, 0xffffffff, 0x7fffffff, 0x80000000 };
    const auto length = static_cast<std::uint32_t> (text.size() + 1);
    std::uint32_t declared = length, magic = 0x21324356;
    int size = static_cast<int> (text.size() + 9);
    switch (m.below (12))
    {
        case 0: declared = m.pick (lengths); break;
        case 1: declared = length + static_cast<std::uint32_t> (static_cast<int> (m.below (41)) - 20); break;
        case 2: declared = static_cast<std::uint32_t> (m.random()); break;
        case 3: size = static_cast<int> (m.below (static_cast<size_t> (size) + 1)); break;
        case 4: size += static_cast<int> (m.below (64)); break;
        case 5: magic ^= 1u << m.below (32); break;
        default: break;
    }
    applied += "frame(" + std::to_string (declared) + "," + std::to_string (size) + ") ";

    Framed f;
    for (auto word : { magic, declared })
        for (int b = 0; b < 4; ++b)
            f.bytes.push_back (static_cast<char> ((word >> (8 * b)) & 0xff));
    f.bytes.insert (f.bytes.end(), text.begin(), text.end());
    f.bytes.push_back (0);
    f.bytes.resize (std::max (static_cast<size_t> (size), f.bytes.size()) + 64, '<');
    f.size = size;
    return f;
}

// Whether the guard lets host state through to the parser.
bool guardTakes (const Framed& f)
{
    if (f.size <= 8)
        return false;
    std::uint32_t declared = 0;
    for (int b = 3; b >= 0; --b)
        declared = (declared << 8) | static_cast<unsigned char> (f.bytes[static_cast<size_t> (4 + b)]);
    const auto length = std::min (f.size - 8, static_cast<int> (declared));
    return length > 0 && PresetDocumentGuard::isAcceptableText (f.bytes.data() + 8, static_cast<size_t> (length));
}

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
            p.programs[program].name[slot] = juce::String::fromUTF8 ("Folder/Pr\xc3\xa9set &<") + juce::String (program * 2 + slot) + ">.mdtz";
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
            for (int i = 0; i < 10; ++i)
                ASSERT_TRUE (probe.model (m).getParameter (i) >= 0.0f && probe.model (m).getParameter (i) <= 1.0f) << where;
    }

    // Bank or program state through the processor's host-state operations.
    void hostStateCase (bool bank, std::string mutated, Mutator& m, std::string applied, size_t index)
    {
        const auto framed = frame (mutated, m, applied);
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
    mutations (1, 0, 5000, documentOf (bankOf (p)), [this] (const std::string& mutated, Mutator& m, const std::string& applied, size_t index) {
        hostStateCase (true, mutated, m, applied, index);
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
        ASSERT_NO_FATAL_FAILURE (hostStateCase (false, std::string (text).insert (at, piece), m, piece + "@" + std::to_string (at) + " ", index));
    }
    mutations (2, index, 8000, text, [this] (const std::string& mutated, Mutator& m, const std::string& applied, size_t i) {
        hostStateCase (false, mutated, m, applied, i);
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
