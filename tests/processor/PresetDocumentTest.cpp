#include "PandrelVersion.h"
#include "PresetDocument.h"
#include "PresetDocumentGuard.h"
#include "PresetPathText.h"
#include "ProcessorProbe.h"

#include <gtest/gtest.h>

using namespace testdocs;
namespace P = ParameterTable;

namespace
{
juce::String value (const char* property, const char* text)
{
    return juce::String ("<Value property=\"") + property + "\" type=\"number\">" + text + "</Value>";
}

// "tag:attribute,attribute" of an element.
juce::String shape (const juce::XmlElement* e)
{
    juce::StringArray names;
    for (int i = 0; i < e->getNumAttributes(); ++i)
        names.add (e->getAttributeName (i));
    return e->getTagName() + ":" + names.joinIntoString (",");
}
} // namespace

TEST (PresetDocument, DefaultPresetFileText)
{
    PandrelTQ4418AudioProcessor p;
    EXPECT_EQ (p.writePreset (true).toString(),
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n"
               "<morvidPatch version=\"1.0\">\r\n"
               "  <DeviceName>Pandrel TQ4418</DeviceName>\r\n"
               "  <Properties deviceProductID=\"com.morvid.PandrelTQ4418\" deviceVersion=\"" + juce::String (PandrelVersion::text) + "\"\r\n"
               "              presetVersion=\"1.0\">\r\n"
               "    <Value property=\"onBypass\" type=\"boolean\">true</Value>\r\n"
               "    <Value property=\"flangerType\" type=\"number\">0</Value>\r\n"
               "    <Value property=\"rate\" type=\"number\">0.20000</Value>\r\n"
               "    <Value property=\"rateSync\" type=\"number\">3</Value>\r\n"
               "    <Value property=\"depth\" type=\"number\">0.20000</Value>\r\n"
               "    <Value property=\"delay\" type=\"number\">0.00000</Value>\r\n"
               "    <Value property=\"feedback\" type=\"number\">0.50000</Value>\r\n"
               "    <Value property=\"mix\" type=\"number\">0.50000</Value>\r\n"
               "    <Value property=\"level\" type=\"number\">0.50000</Value>\r\n"
               "    <Value property=\"stereo\" type=\"boolean\">false</Value>\r\n"
               "    <Value property=\"sync\" type=\"boolean\">false</Value>\r\n"
               "  </Properties>\r\n"
               "</morvidPatch>\r\n");
}

TEST (PresetDocument, BankAndProgramChunkKeepTheirOrder)
{
    PandrelTQ4418AudioProcessor p;
    p.setCurrentProgram (7);
    p.programs[7].activeChannel = 1;
    const auto bank = p.writePreset (false), chunk = p.writeCurrentProgram();
    auto* preset7 = bank.getChildElement (1)->getChildElement (7);
    EXPECT_EQ (shape (&bank) + " " + shape (bank.getChildElement (0)) + " " + shape (bank.getChildElement (1)),
               "morvidPatch:version DeviceName: Properties:deviceProductID,deviceVersion,presetVersion,activePreset");
    EXPECT_EQ (shape (preset7) + " " + shape (preset7->getChildElement (1)) + " " + shape (preset7->getChildElement (1)->getChildElement (P::sync)),
               "Preset:preset,activeChannel Channel:channel,presetPath Value:property,type");
    EXPECT_EQ (bank.getChildElement (1)->getAttributeValue (3) + preset7->getAttributeValue (1) + preset7->getChildElement (1)->getAttributeValue (0), "711");
    EXPECT_EQ (bank.getChildElement (1)->getNumChildElements(), 12);
    EXPECT_EQ (shape (chunk.getChildElement (1)) + " " + chunk.getChildElement (1)->getAttributeValue (3),
               "Properties:deviceProductID,deviceVersion,presetVersion,activeChannel 1");
    EXPECT_EQ (chunk.getChildElement (1)->getNumChildElements(), 2);
}

TEST (PresetDocument, PresetFileRoundTripAndResultCodes)
{
    PandrelTQ4418AudioProcessor p, q;
    const float values[P::numParameters] = { 0.0f, 0.5f, 0.123456f, 5.0f / 18.0f, 0.9f, 0.33333f, 0.0f, 1.0f, 0.25f, 1.0f, 1.0f };
    for (int i = 0; i < P::numParameters; ++i)
        p.setParameter (i, values[i]);

    // Written to disk and read back through the guard.
    const juce::TemporaryFile file (".mdtz");
    ASSERT_TRUE (p.writePreset (true).writeTo (file.getFile()));
    EXPECT_FALSE (p.comparePreset (PresetDocumentGuard::parseFile (file.getFile())));
    EXPECT_TRUE (q.comparePreset (PresetDocumentGuard::parseFile (file.getFile())));
    EXPECT_EQ (q.readPreset (PresetDocumentGuard::parseFile (file.getFile()), true), 1);
    for (int i = 0; i < P::numParameters; ++i)
        EXPECT_NEAR (q.getParameter (i), values[i], 5e-6) << i;
    EXPECT_EQ (q.getParameter (P::rateSync), 5.0f / 18.0f);

    // Result codes; 2 (another product, or our attributes reordered) applies nothing.
    const auto version = [] (const char* v) { return ours.replace ("presetVersion=\"1.0\"", v); };
    const struct { juce::String properties; const char* rate; int result; float rateAfter; } cases[] = {
        { version ("presetVersion=\"1.1\""), "0.7", 4, 0.7f }, { version ("presetVersion=\"0.9\""), "0.6", 1, 0.6f },
        { "deviceProductID=\"com.morvid.PandrelTQ4418\"", "0.5", 1, 0.5f }, { "deviceProductID=\"com.other.Thing\"", "0.1", 2, 0.5f },
        { "deviceVersion=\"" + juce::String (PandrelVersion::text) + "\" deviceProductID=\"com.morvid.PandrelTQ4418\"", "0.1", 2, 0.5f },
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ (q.readPreset (parsed (c.properties, value ("rate", c.rate)), true), c.result);
        EXPECT_FLOAT_EQ (q.getParameter (P::rate), c.rateAfter) << c.properties;
    }
    for (const char* notPreset : { "<other><Properties/></other>", "<morvidPatch/>", "<morvidPatch><DeviceName/></morvidPatch>" })
        EXPECT_EQ (q.readPreset (juce::parseXML (notPreset), true), 0);
    EXPECT_EQ (q.readPreset (nullptr, true), 0);
    EXPECT_EQ (q.readPreset (juce::parseXML ("<other><Properties/></other>"), false), 5);
    EXPECT_FLOAT_EQ (q.getParameter (P::rate), 0.5f);
}

TEST (PresetDocument, ValueTextsAndComparison)
{
    const struct { const char* property; const char* text; int index; float expected; } cases[] = {
        { "stereo", "true", P::stereo, 1.0f },   { "stereo", "TRUE", P::stereo, 0.0f },
        { "stereo", " true ", P::stereo, 1.0f }, { "stereo", "1", P::stereo, 0.0f },
        { "sync", "on", P::sync, 0.0f },         { "flangerType", "2", P::flangerType, 1.0f },
        { "flangerType", "1", P::flangerType, 0.5f }, { "rateSync", "3", P::rateSync, 1.0f / 6.0f },
    };
    PandrelTQ4418AudioProcessor p;
    for (const auto& c : cases)
    {
        p.readPreset (parsed (ours, value (c.property, c.text)), true);
        EXPECT_EQ (p.getParameter (c.index), c.expected) << c.property << " " << c.text;
    }
    // A Value is known by its first attribute alone.
    p.readPreset (parsed (ours, value ("mix", "0.1") + value ("mix", "0.9") + value ("unknown", "0.3")
                                    + "<Value type=\"number\" property=\"mix\">0.3</Value>"), true);
    EXPECT_FLOAT_EQ (p.getParameter (P::mix), 0.9f);

    // Values are written in the table's order.
    const auto written = [&p] (int i) { return p.writePreset (true).getChildElement (1)->getChildElement (i)->getAllSubText(); };
    for (int k = 0; k <= 18; ++k)
    {
        p.setParameter (P::rateSync, float (k) / 18.0f);
        EXPECT_EQ (written (P::rateSync), juce::String (k));
    }

    p.setParameter (P::rate, 0.5f);
    EXPECT_FALSE (p.comparePreset (parsed (ours, value ("rate", "0.500009"))));
    EXPECT_TRUE (p.comparePreset (parsed (ours, value ("rate", "0.50001"))));
    p.setParameter (P::sync, 0.3f); // a switch counts as on above zero
    EXPECT_FALSE (p.comparePreset (parsed (ours, "<Value property=\"sync\">true</Value>")));
    EXPECT_FALSE (p.comparePreset (std::make_unique<juce::XmlElement> (p.writePreset (false))));

    // A value a host sent outside 0..1 is written as it stands and compares
    // equal once saved; reading it back makes it safe.
    p.setParameter (P::depth, 1.5f);
    const auto saved = p.writePreset (true);
    EXPECT_EQ (written (P::depth), "1.50000");
    EXPECT_FALSE (p.comparePreset (std::make_unique<juce::XmlElement> (saved)));
    EXPECT_EQ (p.readPreset (std::make_unique<juce::XmlElement> (saved), true), 1);
    EXPECT_EQ (p.getParameter (P::depth), 1.0f);

    // Off the grid: the model and the division that play, by ceiling.
    p.setParameter (P::flangerType, 0.2f);
    p.setParameter (P::rateSync, 0.17f);
    EXPECT_EQ (written (P::flangerType) + written (P::rateSync), "14");
}

TEST (PresetDocument, BankStateRestoresEveryProgramAndSlotProgramChunkOnlyTheCurrent)
{
    PandrelTQ4418AudioProcessor p, q, r;
    for (int prog = 0; prog < 12; ++prog)
    {
        p.programs[prog].activeChannel = prog % 2;
        for (int slot = 0; slot < 2; ++slot)
        {
            p.programs[prog].name[slot] = juce::String::fromUTF8 ("B\xc3\xa4nk \"&<'>\n/P") + juce::String (prog * 2 + slot) + ".mdtz";
            for (int i = 0; i < P::numParameters; ++i) // values the text forms carry exactly
                p.programs[prog].values[slot][i] = P::isSwitch (i)      ? float ((prog + slot + i) % 2)
                                                 : i == P::flangerType ? float ((prog + slot) % 3) * 0.5f
                                                 : i == P::rateSync    ? float ((prog + slot) % 19) / 18.0f
                                                                       : float (prog * 2 + slot) / 32.0f + 0.0625f * float (i % 4);
        }
    }
    p.currentProgram = 9;
    const auto bank = bankOf (p);

    // Presets and Channels count by position, whatever their tags and index
    // attributes say.
    auto doc = p.writePreset (false);
    for (auto* preset : doc.getChildElement (1)->getChildIterator())
    {
        preset->setTagName ("P");
        preset->setAttribute ("preset", 11 - preset->getIntAttribute ("preset"));
        for (auto* channel : preset->getChildIterator())
            channel->setAttribute ("channel", 1 - channel->getIntAttribute ("channel"));
    }
    const auto shuffled = framed (doc.toString());
    q.setStateInformation (shuffled.getData(), (int) shuffled.getSize());
    EXPECT_EQ (q.getCurrentProgram(), 9);
    for (int prog = 0; prog < 12; ++prog)
    {
        EXPECT_EQ (q.programs[prog].activeChannel, prog % 2);
        for (int slot = 0; slot < 2; ++slot)
            EXPECT_TRUE (q.programs[prog].name[slot] == p.programs[prog].name[slot]
                         && std::equal (q.programs[prog].values[slot], q.programs[prog].values[slot] + P::numParameters, p.programs[prog].values[slot]));
    }
    EXPECT_EQ (bankOf (q), bank);

    // Program 9's chunk into program 2 of another processor.
    const auto chunk = programOf (p);
    r.setCurrentProgram (2);
    r.setCurrentProgramStateInformation (chunk.getData(), (int) chunk.getSize());
    EXPECT_TRUE (r.getCurrentProgram() == 2 && r.programs[2].activeChannel == 1);
    EXPECT_EQ (r.programs[2].name[0], p.programs[9].name[0]);
    EXPECT_EQ (r.getParameter (P::mix), p.programs[9].values[1][P::mix]);
    EXPECT_EQ (r.programs[3].values[0][P::mix], 0.5f);
}

TEST (PresetDocument, PathsInBytesThatAreNoUtf8KeepThemThroughHostState)
{
    // Folders unpacked with another encoding; the last one with "%" too.
    const std::string paths[] { "Caf\xe9/B.mdtz", "\xff/B.mdtz", "a\200b/B.mdtz", "S\xc3/B.mdtz", "100%\xff/%41\xc3.mdtz" };
    const auto utf8 = juce::String::fromUTF8 ("50% Caf\xc3\xa9/A.mdtz");
    const auto bytes = [] (const juce::String& name) { return std::string (PresetPathText::bytesOf (name)); };
    PandrelTQ4418AudioProcessor p, q, r;
    for (int k = 0; k < 5; ++k)
    {
        p.programs[k].activeChannel = k % 2;
        p.programs[k].name[k % 2] = PresetPathText::fromBytes (paths[k]);
    }
    p.programs[6].name[0] = utf8;
    p.setCurrentProgram (3);

    // Hosts are told the file's name, readable.
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ (p.getProgramName (k), "B") << k;
    EXPECT_EQ (p.getProgramName (4), juce::String::fromUTF8 ("%41\xef\xbf\xbd"));

    // Escaped and marked so; a path in UTF-8 is written as it always was.
    const auto bank = p.writePreset (false);
    const auto channel = [&bank] (int program, int slot) { return bank.getChildElement (1)->getChildElement (program)->getChildElement (slot); };
    EXPECT_EQ (shape (channel (0, 0)) + " " + channel (0, 0)->getAttributeValue (1) + " " + channel (0, 0)->getAttributeValue (2),
               "Channel:channel,presetPath,presetPathEncoding Caf%E9/B.mdtz percent");
    EXPECT_EQ (channel (4, 0)->getAttributeValue (1), "100%25%FF/%2541%C3.mdtz");
    EXPECT_EQ (shape (channel (6, 0)) + " " + channel (6, 0)->getAttributeValue (1), "Channel:channel,presetPath " + utf8);

    // The bank, and the program chunk into another program: byte for byte.
    const auto state = bankOf (p);
    q.setStateInformation (state.getData(), (int) state.getSize());
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ (bytes (q.programs[k].name[k % 2]), paths[k]) << k;
    EXPECT_EQ (q.programs[6].name[0], utf8);
    EXPECT_EQ (bankOf (q), state);
    EXPECT_EQ (q.getProgramName (3), "B");
    const auto chunk = programOf (p);
    r.setCurrentProgram (8);
    r.setCurrentProgramStateInformation (chunk.getData(), (int) chunk.getSize());
    EXPECT_EQ (bytes (r.programs[8].name[1]), paths[3]);
    EXPECT_EQ (programOf (r), chunk);

    // Unescaped only where marked (earlier sessions read as they always
    // did), and only within the limit; a malformed escape, or one of a
    // zero byte, reads as "".
    const auto readBack = [&q] (const juce::String& attributes)
    {
        const auto text = framed (testdocs::text (ours + " activePreset=\"0\"", "<Preset preset=\"0\" activeChannel=\"0\"><Channel channel=\"0\" "
                                                                         + attributes + "/></Preset>"));
        q.setStateInformation (text.getData(), (int) text.getSize());
        return std::string (PresetPathText::bytesOf (q.programs[0].name[0]));
    };
    const auto marked = [] (const juce::String& path) { return "presetPath=\"" + path + "\" presetPathEncoding=\"percent\""; };
    EXPECT_EQ (readBack ("presetPath=\"Caf%E9/B.mdtz\""), "Caf%E9/B.mdtz");
    EXPECT_EQ (readBack ("presetPath=\"Caf%E9/B.mdtz\" other=\"x\""), "Caf%E9/B.mdtz");
    EXPECT_EQ (readBack (marked ("Caf%e9/%c3%A9%25.mdtz")), "Caf\xe9/\xc3\xa9%.mdtz");
    const auto limit = juce::String::repeatedString ("%FF", PresetDocument::maxPresetPathBytes);
    EXPECT_EQ (readBack (marked (limit)), std::string ((size_t) PresetDocument::maxPresetPathBytes, '\xff'));
    for (const auto& bad : juce::StringArray { limit + "a", "%zz", "a%4", "a%", "a%00b", "%%41" })
    {
        q.programs[0].name[0] = "before";
        EXPECT_EQ (readBack (marked (bad)), "") << bad;
    }
}
