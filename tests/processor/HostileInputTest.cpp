#include "HostileDocuments.h"
#include "ModelRouting.h"
#include "PresetDocumentGuard.h"
#include "PresetPathText.h"
#include "PresetValueText.h"
#include "ProcessorProbe.h"

#include <gtest/gtest.h>

#include <limits>
#include <thread>

using namespace testaudio;
using testdocs::bankOf;
using testdocs::framed;
namespace P = ParameterTable;

// Counts the heap allocations of the thread that raises `counting`; with
// `failing` at n or more, that thread's allocation number n fails.
namespace
{
thread_local bool counting = false;
thread_local std::size_t allocations = 0;
thread_local long failing = -1;
#ifdef PANDREL_RUNTIME_OPERATOR_NEW
constexpr bool countsAllocations = false;
#else
constexpr bool countsAllocations = true;
#endif
} // namespace

void* operator new (std::size_t size)
{
    allocations += counting ? 1 : 0;
    if (failing >= 0 && failing-- == 0)
        throw std::bad_alloc();
    if (void* p = std::malloc (size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
// Kept out of line: inlined, GCC pairs the free with the library's operator
// new and warns of a mismatch that is not there.
[[gnu::noinline]] void operator delete (void* p) noexcept { std::free (p); }
[[gnu::noinline]] void operator delete (void* p, std::size_t) noexcept { std::free (p); }

TEST (HostileDocuments, HarmlessFormsPassTreesParsedElsewhereAreLimited)
{
    // What it must refuse is the fuzzers' (HostileDocuments.h). Eight levels
    // pass; nesting in comments, CDATA, instructions and quotes does not
    // count; a prologue may hold instructions.
    using hostile::nested;
    EXPECT_NE (PresetDocumentGuard::parseText (nested (8)), nullptr);
    EXPECT_NE (PresetDocumentGuard::parseText ("<?pi <a><a>?>" + nested (7, "<!--<a><a>--><![CDATA[<a><a>]]><b x=\"<a><a>\"/>")), nullptr);
    PandrelTQ4418AudioProcessor p;
    const auto prologue = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<?other x?><!--c-->\n"
                        + testdocs::text (testdocs::ours, "<Value property=\"depth\">0.25</Value>");
    EXPECT_EQ (p.readPreset (PresetDocumentGuard::parseText (prologue), true), 1);
    EXPECT_EQ (p.getParameter (P::depth), 0.25f);

    // Parsed elsewhere: the same depth limit, result 0.
    EXPECT_EQ (p.readPreset (juce::parseXML (nested (20)), false), 0);
    EXPECT_FALSE (p.readCurrentProgram (juce::parseXML (nested (20))));
}

TEST (HostileDocuments, NeverOutsideTheTableAndDecodedValuesMadeSafe)
{
    // Program p's slot A carries case p; slot B and everything beyond the
    // table's 12 programs and 2 slots carries a value that must not land.
    const struct { const char* property; const char* text; int index; float expected; } cases[] = {
        { "rate", "nan", P::rate, 0.2f },      { "depth", "inf", P::depth, 1.0f },
        { "delay", "-inf", P::delay, 0.0f },   { "feedback", "-3", P::feedback, 0.0f },
        { "mix", "1e30", P::mix, 1.0f },       { "flangerType", "7", P::flangerType, 1.0f },
        { "flangerType", "-4", P::flangerType, 0.0f }, { "rateSync", "40", P::rateSync, 1.0f },
        { "level", "0.25", P::level, 0.25f },
    };
    juce::String bank;
    for (int prog = 0; prog < 14; ++prog)
    {
        bank << "<Preset preset=\"" << prog << "\" activeChannel=\"" << (prog == 2 ? 7 : prog == 3 ? -2 : 0) << "\">";
        for (int c = 0; c < 3; ++c)
        {
            const auto& k = cases[prog % 9];
            bank << "<Channel channel=\"" << c << "\" presetPath=\"P" << prog << "C" << c << "\"><Value property=\""
                 << (c == 0 && prog < 12 ? k.property : "mix") << "\">" << (c == 0 && prog < 12 ? k.text : "0.99") << "</Value></Channel>";
        }
        bank << "</Preset>";
    }
    PandrelTQ4418AudioProcessor p;
    p.setCurrentProgram (5);
    const auto state = framed (testdocs::text (testdocs::ours + " activePreset=\"99\"", bank));
    p.setStateInformation (state.getData(), (int) state.getSize());

    EXPECT_EQ (p.getCurrentProgram(), 0); // no selection matched
    EXPECT_EQ (p.programs[2].activeChannel, 1);
    EXPECT_EQ (p.programs[3].activeChannel, 0);
    for (int prog = 0; prog < 12; ++prog)
    {
        EXPECT_EQ (p.programs[prog].values[0][cases[prog % 9].index], cases[prog % 9].expected) << prog;
        EXPECT_EQ (p.programs[prog].values[1][P::mix], 0.99f);
        EXPECT_EQ (p.programs[prog].name[1], "P" + juce::String (prog) + "C1");
    }
    EXPECT_EQ (p.programs[0].values[0][P::mix], 0.5f);

    // A preset file and a program chunk: the same clamping, two slots only.
    EXPECT_EQ (p.readPreset (testdocs::parsed (testdocs::ours, "<Value property=\"depth\">-7</Value>"), true), 1);
    EXPECT_EQ (p.getParameter (P::depth), 0.0f);
    juce::String chunk;
    for (int c = 0; c < 3; ++c)
        chunk << "<Channel channel=\"" << c << "\" presetPath=\"x\"><Value property=\"level\">0." << c + 1 << "</Value></Channel>";
    EXPECT_TRUE (p.readCurrentProgram (testdocs::parsed (testdocs::ours + " activeChannel=\"5\"", chunk)));
    EXPECT_EQ (p.programs[0].activeChannel, 1);
    EXPECT_FLOAT_EQ (p.getParameter (P::level), 0.2f);

    auto value = juce::parseXML ("<Value property=\"mix\">0.7</Value>");
    for (auto [prog, slot] : { std::pair (12, 0), std::pair (-1, 0), std::pair (0, 2) })
        p.storePresetElement (value.get(), prog, slot);
}

TEST (HostileDocuments, NumbersOfManyDigitsReadAsWhatTheySay)
{
    // JUCE's readers overflow a signed int on these (undefined; in practice
    // 1e-4294967297 read as 0.1).
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ (PresetValueText::number ("1e-4294967297"), 0.0);
    EXPECT_EQ (PresetValueText::number (" -2.5E+99999999999x"), -inf);
    EXPECT_EQ (PresetValueText::number ("12345678901234567890e2147483647"), inf);
    EXPECT_EQ (PresetValueText::number ("0.5e000000000001"), 5.0);
    EXPECT_EQ (PresetValueText::number ("1.5.e99999999999"), 1.5);
    EXPECT_EQ (PresetValueText::number ("-.25"), -0.25);
    EXPECT_EQ (PresetValueText::integer ("-2147483648"), std::numeric_limits<int>::min());
    EXPECT_EQ (PresetValueText::integer (" 4294967297 "), 1); // wraps as JUCE's does
    EXPECT_EQ (PresetValueText::integer ("-12x"), -12);

    PandrelTQ4418AudioProcessor p;
    EXPECT_EQ (p.readPreset (testdocs::parsed (testdocs::ours, "<Value property=\"rate\">1e-4294967297</Value>"), true), 1);
    EXPECT_EQ (p.getParameter (P::rate), 0.0f);
    const auto bank = framed (testdocs::text (testdocs::ours + " activePreset=\"-2147483648\"", "<Preset/>"));
    p.setStateInformation (bank.getData(), (int) bank.getSize());
    EXPECT_EQ (p.getCurrentProgram(), 0);
}

TEST (HostileHostValues, ANotANumberReachesTheModelsAsTheDefault)
{
    // Values beyond 0..1 are the random host's (HostFuzz); the models hold
    // those to 0..1 themselves, but would take a NaN as 0.
    PandrelTQ4418AudioProcessor p;
    ProcessorProbe probe { p };
    probe.driveClock();
    prepare (p, 48000.0, 512);
    for (int i = P::flangerType; i < P::numParameters; ++i)
        p.setParameter (i, std::numeric_limits<float>::quiet_NaN());
    probe.settleTypeChange();
    juce::AudioBuffer<float> out;
    int position = 0;
    step (p, out, position);
    EXPECT_EQ (probe.activeModel(), 0);
    for (int i = P::rate; i <= P::level; ++i)
        EXPECT_EQ (probe.model (1).getParameter (ModelRouting::modelParameterIndex (i, probe.model (1))), P::defaultValue (i)) << i;
}

TEST (HostileHostValues, LongBlocksGoInPiecesAndUnpreparedAudioPassesThrough)
{
    PandrelTQ4418AudioProcessor whole, pieces, unprepared;
    prepare (whole, 48000.0, 512);
    prepare (pieces, 48000.0, 512);
    juce::AudioBuffer<float> big (2, 40000);
    fill (big, 0);
    juce::AudioBuffer<float> expected (big), in (big);
    juce::MidiBuffer midi;
    whole.processBlock (big, midi);
    for (int start = 0; start < 40000; start += 16384)
    {
        juce::AudioBuffer<float> piece (expected.getArrayOfWritePointers(), 2, start, std::min (16384, 40000 - start));
        pieces.processBlock (piece, midi);
    }
    EXPECT_TRUE (identical (big, expected));

    juce::AudioBuffer<float> through (in);
    unprepared.processBlock (through, midi);
    unprepared.prepareToPlay (0.0, 512); // no usable rate: still unprepared
    unprepared.processBlock (through, midi);
    EXPECT_TRUE (identical (through, in));
}

TEST (HostileHostValues, TheAudioThreadNeverAllocates)
{
    PandrelTQ4418AudioProcessor p;
    ProcessorProbe probe { p };
    probe.driveClock();
    prepare (p, 48000.0, 512);
    juce::AudioBuffer<float> buffer (2, 512), big (2, 20000);
    juce::MidiBuffer midi;
    std::size_t total = 0;
    auto audioThread = [&] (juce::AudioBuffer<float>& b, auto&& automation)
    {
        fill (b, 0);
        std::thread ([&]
                     {
                         counting = true;
                         automation(); // hosts apply automation on the audio thread
                         p.processBlock (b, midi);
                         counting = false;
                         total += allocations;
                     })
            .join();
    };

    for (int b = 0; b < 8; ++b)
        audioThread (buffer, [&] { p.setParameter (P::rate + b % 7, 0.1f * float (b)); p.setParameter (P::flangerType, 0.5f * float (b % 3)); });
    probe.settleTypeChange();
    for (int b = 0; b < 4; ++b) // the crossfade
        audioThread (buffer, [] {});
    audioThread (big, [] {}); // in pieces
    for (int b = 0; b < 6; ++b) // bypass ramp, full bypass
        audioThread (buffer, [&] { p.setParameter (P::onBypass, 0.0f); });
    EXPECT_EQ (probe.activeModel(), 1);
    EXPECT_TRUE (total == 0u || ! countsAllocations) << total;
}

TEST (HostileDocuments, ABankItTakesItCanSaveAndLoadAgain)
{
    // Preset paths of up to 4 096 bytes are kept, written and read alike;
    // longer ones are neither (one that would take the bank past what the
    // readers accept, too). Written back, a byte may take six ("&quot;"),
    // and a path that is no UTF-8 is escaped and marked: 24 paths at the
    // limit still fit the readers' limit (and a VST 2 chunk's).
    const auto quotes = juce::String::repeatedString ("\"", 4096);
    const auto escaped = PresetPathText::fromBytes (std::string (4095, '"') + "\xff");
    const auto wide = juce::String::repeatedString (juce::String::charToString (0x10ffff), 1024);
    const juce::String cut[] { juce::String::repeatedString (juce::String::charToString (0xe9), 200000), quotes + "a" };
    PandrelTQ4418AudioProcessor source, first, second;
    for (int slot = 0; slot < 24; ++slot)
        source.programs[slot / 2].name[slot % 2] = slot < 22 ? (slot % 2 == 0 ? quotes : wide) : cut[slot % 2];
    const auto state = bankOf (source);
    first.setStateInformation (state.getData(), (int) state.getSize());
    for (int slot = 0; slot < 24; ++slot)
        EXPECT_EQ (first.programs[slot / 2].name[slot % 2], slot < 22 ? source.programs[slot / 2].name[slot % 2] : "") << slot;

    for (auto& program : first.programs)
        program.name[0] = quotes, program.name[1] = escaped;
    const auto saved = bankOf (first);
    EXPECT_LE (saved.getSize(), (size_t) PresetDocumentGuard::maxBytes);
    second.setStateInformation (saved.getData(), (int) saved.getSize());
    EXPECT_EQ (bankOf (second), saved);
    EXPECT_TRUE (second.programs[11].name[1] == escaped);

    // The program chunk reads its paths the same way; the limit holds for
    // the unescaped bytes.
    const auto written = juce::String::repeatedString ("&quot;", 4095);
    const auto chunk = framed (first.writeCurrentProgram().toString().replace (written + "&quot;", written + "&quot;a")
                                                                    .replace (written + "%FF", written + "%FF%FF"));
    second.setCurrentProgramStateInformation (chunk.getData(), (int) chunk.getSize());
    EXPECT_EQ (second.programs[0].name[0] + second.programs[0].name[1], "");
}

TEST (HostileHostValues, MemoryRunningOutWhilePreparingLeavesItPassingAudioThrough)
{
    if (! countsAllocations)
        GTEST_SKIP() << "the sanitizer runtime's operator new is used: no allocation can be made to fail";

    // Each allocation of prepareToPlay in turn fails, in a first prepare and
    // in one that follows playing at another rate.
    for (bool playedBefore : { false, true })
        for (long n = 0;; ++n)
        {
            PandrelTQ4418AudioProcessor p;
            juce::AudioBuffer<float> out;
            int position = 0;
            if (playedBefore)
            {
                prepare (p, 44100.0, 512);
                step (p, out, position);
            }
            failing = n;
            p.prepareToPlay (96000.0, 1024);
            const bool failed = failing < 0;
            failing = -1;
            if (! failed)
                break;

            EXPECT_EQ (ProcessorProbe { p }.workCapacity(), 0) << n;
            const auto in = step (p, out, position);
            EXPECT_TRUE (identical (out, in)) << "allocation " << n << (playedBefore ? " after playing" : "");

            // Memory back: it plays again.
            p.prepareToPlay (96000.0, 1024);
            step (p, out, position);
            const auto next = step (p, out, position);
            EXPECT_TRUE (allFinite (out));
            EXPECT_GT (maxDifference (out, next, 0), 0.01f) << n;
        }
}
