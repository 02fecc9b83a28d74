#include "AllocationCounter.h"
#include "PresetDocumentGuard.h"
#include "ProcessorProbe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <thread>

using namespace testaudio;

namespace
{
// Host state exactly as copyXmlToBinary frames it, around any text.
juce::MemoryBlock framed (const juce::String& text)
{
    juce::MemoryOutputStream out;
    out.writeInt (0x21324356);
    out.writeInt ((int) text.getNumBytesAsUTF8());
    out.write (text.toRawUTF8(), text.getNumBytesAsUTF8());
    out.writeByte (0);
    return out.getMemoryBlock();
}

juce::MemoryBlock bankState (PandrelTQ4418AudioProcessor& p)
{
    juce::MemoryBlock state;
    p.getStateInformation (state);
    return state;
}

juce::String nested (int depth, const juce::String& inner = {})
{
    juce::String text = "<morvidPatch><Properties>";
    for (int i = 2; i < depth; ++i)
        text << "<a>";
    text << inner;
    for (int i = 2; i < depth; ++i)
        text << "</a>";
    return text + "</Properties></morvidPatch>";
}

const juce::String header = "<morvidPatch version=\"1.0\"><DeviceName>Pandrel TQ4418</DeviceName>"
                            "<Properties deviceProductID=\"com.morvid.PandrelTQ4418\" deviceVersion=\"1.0.1\" presetVersion=\"1.0\"";

// A processor whose table differs everywhere from the defaults.
void makeDistinct (PandrelTQ4418AudioProcessor& p)
{
    for (int prog = 0; prog < 12; ++prog)
        for (int slot = 0; slot < 2; ++slot)
            for (int i = 2; i < 9; ++i)
                p.programs[prog].values[slot][i] = 0.3f;
    p.setCurrentProgram (6);
}
} // namespace

TEST (HostileDocuments, RefusedBeforeParsingAndChangeNothing)
{
    const juce::String hostile[] = {
        // A self-referential entity sends the parser into endless recursion.
        "<?xml version=\"1.0\"?><!DOCTYPE morvidPatch [<!ENTITY a \"&a;\">]><morvidPatch>&a;</morvidPatch>",
        // Entity expansion bomb.
        "<!DOCTYPE m [<!ENTITY l \"lol\"><!ENTITY l1 \"&l;&l;&l;&l;&l;&l;&l;&l;\"><!ENTITY l2 \"&l1;&l1;&l1;&l1;&l1;&l1;&l1;&l1;\">]>"
        "<morvidPatch>&l2;</morvidPatch>",
        // A DTD that names a file to read.
        "<!DOCTYPE morvidPatch SYSTEM \"/etc/passwd\"><morvidPatch>&x;</morvidPatch>",
        // Thousands of levels crash the parser's recursion.
        nested (5000),
        nested (9),
        header + ">" + juce::String::repeatedString ("<Value property=\"mix\">0.9</Value>", 40000) + "</Properties></morvidPatch>",
    };

    for (const auto& text : hostile)
    {
        PandrelTQ4418AudioProcessor p;
        makeDistinct (p);
        const auto before = bankState (p);

        auto state = framed (text);
        p.setStateInformation (state.getData(), (int) state.getSize());
        p.setCurrentProgramStateInformation (state.getData(), (int) state.getSize());
        EXPECT_EQ (p.readPreset (PresetDocumentGuard::parseText (text), true), 0);
        EXPECT_EQ (PresetDocumentGuard::parseText (text), nullptr);
        EXPECT_EQ (bankState (p), before) << text.substring (0, 60);
    }

    // Eight levels are fine; comments, CDATA and quoted text do not count.
    EXPECT_NE (PresetDocumentGuard::parseText (nested (8)), nullptr);
    EXPECT_NE (PresetDocumentGuard::parseText (nested (7, "<!-- <a><a><a> --><![CDATA[<a><a>]]><b x=\"<a><a>\"/>")), nullptr);
    EXPECT_NE (PresetDocumentGuard::parseText (nested (8, "<?pi <a><a><a> ?>")), nullptr);

    // A tree parsed elsewhere gets the same depth limit.
    PandrelTQ4418AudioProcessor p;
    makeDistinct (p);
    const auto before = bankState (p);
    EXPECT_EQ (p.readPreset (juce::parseXML (nested (20)), false), 0);
    EXPECT_FALSE (p.readCurrentProgram (juce::parseXML (nested (20))));
    EXPECT_EQ (bankState (p), before);
}

TEST (HostileDocuments, JunkHostStateChangesNothing)
{
    PandrelTQ4418AudioProcessor p;
    makeDistinct (p);
    const auto before = bankState (p);

    juce::Random random (7);
    for (int size : { 0, 1, 8, 9, 100, 5000 })
    {
        juce::MemoryBlock junk ((size_t) size);
        for (size_t i = 0; i < junk.getSize(); ++i)
            junk[i] = (char) random.nextInt (256);
        p.setStateInformation (junk.getData(), size);
        p.setCurrentProgramStateInformation (junk.getData(), size);
    }
    p.setStateInformation (nullptr, 0);

    // A length field that lies, and a truncated document.
    auto state = bankState (p);
    static_cast<juce::uint32*> (state.getData())[1] = 0x7fffffff;
    p.setStateInformation (state.getData(), (int) state.getSize() / 2);
    auto valid = bankState (p);
    p.setStateInformation (valid.getData(), 8);

    EXPECT_EQ (bankState (p), before);
}

TEST (HostileDocuments, NeverReadOrWriteOutsideTheTable)
{
    juce::String bank = header + " activePreset=\"99\">";
    for (int prog = 0; prog < 14; ++prog)
    {
        bank << "<Preset preset=\"" << prog << "\" activeChannel=\"" << (prog == 2 ? 7 : prog == 3 ? -2 : 0) << "\">";
        for (int c = 0; c < 3; ++c)
            bank << "<Channel channel=\"" << c << "\" presetPath=\"P" << prog << "C" << c << ".mdtz\">"
                 << "<Value property=\"mix\">" << (prog >= 12 || c >= 2 ? "0.99" : "0.25") << "</Value></Channel>";
        bank << "</Preset>";
    }
    bank << "</Properties></morvidPatch>";

    PandrelTQ4418AudioProcessor p;
    p.setCurrentProgram (5);
    auto state = framed (bank);
    p.setStateInformation (state.getData(), (int) state.getSize());

    // No matching selection: program 0, slot A.
    EXPECT_EQ (p.getCurrentProgram(), 0);
    EXPECT_EQ (p.programs[2].activeChannel, 1);
    EXPECT_EQ (p.programs[3].activeChannel, 0);
    for (int prog = 0; prog < 12; ++prog)
        for (int slot = 0; slot < 2; ++slot)
        {
            EXPECT_EQ (p.programs[prog].values[slot][7], 0.25f);
            EXPECT_EQ (p.programs[prog].name[slot], "P" + juce::String (prog) + "C" + juce::String (slot) + ".mdtz");
        }

    // The program chunk: an active channel outside the table, three channels.
    p.setCurrentProgram (4);
    const juce::String chunk = header + " activeChannel=\"5\">"
                             + "<Channel channel=\"0\" presetPath=\"a\"><Value property=\"level\">0.1</Value></Channel>"
                             + "<Channel channel=\"1\" presetPath=\"b\"><Value property=\"level\">0.2</Value></Channel>"
                             + "<Channel channel=\"2\" presetPath=\"c\"><Value property=\"level\">0.3</Value></Channel>"
                             + "</Properties></morvidPatch>";
    EXPECT_TRUE (p.readCurrentProgram (juce::parseXML (chunk)));
    EXPECT_EQ (p.programs[4].activeChannel, 1);
    EXPECT_FLOAT_EQ (p.getParameter (8), 0.2f);
    EXPECT_EQ (p.programs[4].name[1], "b");

    // Stores into programs or slots that do not exist are ignored.
    auto value = juce::parseXML ("<Value property=\"mix\">0.7</Value>");
    p.storePresetElement (value.get(), 12, 0);
    p.storePresetElement (value.get(), -1, 0);
    p.storePresetElement (value.get(), 0, 2);
    p.storePresetElement (nullptr, 0, 0);
    p.readPresetElement (nullptr);
}

TEST (HostileDocuments, DecodedValuesAreMadeSafe)
{
    struct Case
    {
        const char* property;
        const char* text;
        int index;
        float expected;
    };
    const Case cases[] = {
        { "rate", "nan", 2, 0.2f },      { "depth", "inf", 4, 1.0f },       { "delay", "-inf", 5, 0.0f },
        { "feedback", "-3", 6, 0.0f },   { "mix", "1e30", 7, 1.0f },        { "flangerType", "7", 1, 1.0f },
        { "flangerType", "-4", 1, 0.0f }, { "rateSync", "40", 3, 1.0f },    { "level", "0.4", 8, 0.4f },
    };

    for (const auto& c : cases)
    {
        PandrelTQ4418AudioProcessor p;
        const juce::String values = juce::String ("<Value property=\"") + c.property + "\">" + c.text + "</Value>";
        EXPECT_EQ (p.readPreset (juce::parseXML (header + ">" + values + "</Properties></morvidPatch>"), true), 1);
        EXPECT_EQ (p.getParameter (c.index), c.expected) << c.property << " " << c.text;

        auto state = framed (header + " activePreset=\"0\"><Preset preset=\"0\" activeChannel=\"0\"><Channel channel=\"0\" presetPath=\"x\">"
                             + values + "</Channel></Preset></Properties></morvidPatch>");
        PandrelTQ4418AudioProcessor q;
        q.setStateInformation (state.getData(), (int) state.getSize());
        EXPECT_EQ (q.programs[0].values[0][c.index], c.expected) << c.property << " " << c.text;
    }
}

TEST (HostileHostValues, ModelsOnlyEverSeeFiniteValuesWithinZeroAndOne)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();

    for (float bad : { nan, inf, -inf, -1.0f, 5.0f, -1e30f })
    {
        PandrelTQ4418AudioProcessor p;
        prepare (p, 48000.0, 512);
        for (int i = 0; i < 11; ++i)
            p.setParameter (i, i == 0 ? 1.0f : bad);
        EXPECT_TRUE (std::isnan (bad) ? std::isnan (p.getParameter (4)) : p.getParameter (4) == bad);

        std::this_thread::sleep_for (std::chrono::milliseconds (60));
        p.timerCallback();

        juce::AudioBuffer<float> buffer (2, 512);
        for (int b = 0; b < 12; ++b)
        {
            fill (buffer, b * 512);
            process (p, buffer);
            ASSERT_TRUE (allFinite (buffer)) << bad;
        }

        ProcessorProbe probe { p };
        EXPECT_GE (probe.activeModel(), 0);
        EXPECT_LE (probe.activeModel(), 2);
        EXPECT_EQ (probe.activeModel(), std::isnan (bad) ? 0 : bad > 0.0f ? 2 : 0) << bad;
        for (int m = 0; m < 3; ++m)
            for (int i = 0; i < 10; ++i)
            {
                const float v = probe.modelParameter (m, i);
                EXPECT_TRUE (v >= 0.0f && v <= 1.0f) << "model " << m << " parameter " << i << " = " << v;
            }
        // NaN gives the default.
        if (std::isnan (bad))
        {
            EXPECT_EQ (probe.modelParameter (0, 1), 0.2f);
        }
    }
}

TEST (HostileHostValues, LongBlocksAreProcessedInPiecesAndUnpreparedAudioPassesThrough)
{
    PandrelTQ4418AudioProcessor whole, pieces;
    prepare (whole, 48000.0, 512);
    prepare (pieces, 48000.0, 512);

    juce::AudioBuffer<float> big (2, 40000);
    fill (big, 0);
    juce::AudioBuffer<float> expected (big);
    process (whole, big);
    for (int start = 0; start < 40000; start += 16384)
    {
        const int n = std::min (16384, 40000 - start);
        juce::AudioBuffer<float> piece (expected.getArrayOfWritePointers(), 2, start, n);
        process (pieces, piece);
    }
    EXPECT_TRUE (allFinite (big));
    for (int ch = 0; ch < 2; ++ch)
        EXPECT_EQ (std::memcmp (big.getReadPointer (ch), expected.getReadPointer (ch), sizeof (float) * 40000), 0);

    PandrelTQ4418AudioProcessor unprepared;
    juce::AudioBuffer<float> buffer (2, 100000);
    fill (buffer, 0);
    juce::AudioBuffer<float> in (buffer);
    process (unprepared, buffer);
    EXPECT_EQ (maxDifference (buffer, in, 0), 0.0);
    EXPECT_EQ (maxDifference (buffer, in, 1), 0.0);

    whole.releaseResources();
    process (whole, buffer);
    EXPECT_EQ (maxDifference (buffer, in, 1), 0.0);

    // A host that gives no sample rate: passed through as well.
    PandrelTQ4418AudioProcessor noRate;
    noRate.prepareToPlay (0.0, 512);
    process (noRate, buffer);
    EXPECT_EQ (maxDifference (buffer, in, 0), 0.0);
}

TEST (HostileHostValues, TheAudioThreadNeverAllocates)
{
    PandrelTQ4418AudioProcessor p;
    prepare (p, 48000.0, 512);
    juce::AudioBuffer<float> buffer (2, 512);
    juce::AudioBuffer<float> big (2, 20000);
    juce::MidiBuffer midi;

    std::size_t allocations = 0;
    auto audioBlocks = [&] (int count, auto&& beforeEach)
    {
        for (int b = 0; b < count; ++b)
        {
            fill (buffer, b * 512);
            ScopedAllocationCounter counter;
            beforeEach (b);
            p.processBlock (buffer, midi);
            allocations += counter.count();
        }
    };

    // Automation applied on the audio thread, a type change among it.
    audioBlocks (8, [&] (int b) {
        p.setParameter (2 + b % 7, 0.1f * (float) b);
        p.setParameter (1, b < 4 ? 0.5f : 1.0f);
    });
    std::this_thread::sleep_for (std::chrono::milliseconds (60));
    p.timerCallback();
    audioBlocks (8, [&] (int) {}); // the crossfade
    EXPECT_EQ (ProcessorProbe { p }.activeModel(), 2);
    audioBlocks (8, [&] (int b) { p.setParameter (0, b < 2 ? 0.0f : 1.0f); }); // bypass ramp, full bypass
    {
        fill (big, 0);
        ScopedAllocationCounter counter;
        p.processBlock (big, midi);
        allocations += counter.count();
    }
    EXPECT_EQ (allocations, 0u);
}
