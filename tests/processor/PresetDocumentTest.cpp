#include "PresetDocumentGuard.h"
#include "ProcessorProbe.h"

#include <gtest/gtest.h>

namespace
{
std::unique_ptr<juce::XmlElement> parse (const juce::String& text) { return juce::parseXML (text); }

juce::String presetWith (const juce::String& properties, const juce::String& values)
{
    return "<morvidPatch version=\"1.0\"><DeviceName>Pandrel TQ4418</DeviceName><Properties " + properties + ">" + values
         + "</Properties></morvidPatch>";
}

const juce::String ours = "deviceProductID=\"com.morvid.PandrelTQ4418\" deviceVersion=\"1.0.1\" presetVersion=\"1.0\"";

juce::String value (const char* property, const char* text)
{
    return juce::String ("<Value property=\"") + property + "\" type=\"number\">" + text + "</Value>";
}

juce::StringArray attributeNames (const juce::XmlElement& e)
{
    juce::StringArray names;
    for (int i = 0; i < e.getNumAttributes(); ++i)
        names.add (e.getAttributeName (i));
    return names;
}

juce::StringArray childTags (const juce::XmlElement& e)
{
    juce::StringArray tags;
    for (auto* child : e.getChildIterator())
        tags.add (child->getTagName());
    return tags;
}

juce::MemoryBlock bankState (PandrelTQ4418AudioProcessor& p)
{
    juce::MemoryBlock state;
    p.getStateInformation (state);
    return state;
}
} // namespace

TEST (PresetDocument, DefaultPresetFileText)
{
    PandrelTQ4418AudioProcessor p;
    const auto text = p.writePreset (true).toString();
    const juce::String golden =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "\r\n"
        "<morvidPatch version=\"1.0\">\r\n"
        "  <DeviceName>Pandrel TQ4418</DeviceName>\r\n"
        "  <Properties deviceProductID=\"com.morvid.PandrelTQ4418\" deviceVersion=\"1.0.1\"\r\n"
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
        "</morvidPatch>\r\n";
    EXPECT_EQ (text, golden);
}

TEST (PresetDocument, BankAndProgramChunkKeepTheirOrder)
{
    PandrelTQ4418AudioProcessor p;
    p.setCurrentProgram (7);
    p.programs[7].activeChannel = 1;

    const auto bank = p.writePreset (false);
    EXPECT_EQ (attributeNames (bank).joinIntoString (","), "version");
    EXPECT_EQ (childTags (bank).joinIntoString (","), "DeviceName,Properties");
    auto* properties = bank.getChildByName ("Properties");
    EXPECT_EQ (attributeNames (*properties).joinIntoString (","), "deviceProductID,deviceVersion,presetVersion,activePreset");
    EXPECT_EQ (properties->getAttributeValue (3), "7");
    ASSERT_EQ (properties->getNumChildElements(), 12);
    auto* preset = properties->getChildElement (7);
    EXPECT_EQ (attributeNames (*preset).joinIntoString (","), "preset,activeChannel");
    EXPECT_EQ (preset->getAttributeValue (1), "1");
    EXPECT_EQ (childTags (*preset).joinIntoString (","), "Channel,Channel");
    auto* channel = preset->getChildElement (1);
    EXPECT_EQ (attributeNames (*channel).joinIntoString (","), "channel,presetPath");
    EXPECT_EQ (channel->getAttributeValue (1), "Init.mdtz");
    EXPECT_EQ (channel->getNumChildElements(), 11);
    EXPECT_EQ (attributeNames (*channel->getChildElement (0)).joinIntoString (","), "property,type");

    const auto chunk = p.writeCurrentProgram();
    auto* chunkProperties = chunk.getChildByName ("Properties");
    EXPECT_EQ (attributeNames (*chunkProperties).joinIntoString (","), "deviceProductID,deviceVersion,presetVersion,activeChannel");
    EXPECT_EQ (chunkProperties->getAttributeValue (3), "1");
    EXPECT_EQ (childTags (*chunkProperties).joinIntoString (","), "Channel,Channel");
}

TEST (PresetDocument, PresetFileRoundTripAndResultCodes)
{
    PandrelTQ4418AudioProcessor p;
    const float values[] = { 0.0f, 0.5f, 0.123456f, 5.0f / 18.0f, 0.9f, 0.33333f, 0.0f, 1.0f, 0.25f, 1.0f, 1.0f };
    for (int i = 0; i < 11; ++i)
        p.setParameter (i, values[i]);
    const auto text = p.writePreset (true).toString();
    EXPECT_FALSE (p.comparePreset (parse (text)));

    PandrelTQ4418AudioProcessor q;
    EXPECT_TRUE (q.comparePreset (parse (text)));
    EXPECT_EQ (q.readPreset (parse (text), true), 1);
    for (int i = 0; i < 11; ++i)
        EXPECT_NEAR (q.getParameter (i), values[i], 5e-6) << i;
    EXPECT_EQ (q.getParameter (3), 5.0f / 18.0f);
    EXPECT_FALSE (q.comparePreset (parse (text)));

    // Newer preset version: applied, reported.
    EXPECT_EQ (q.readPreset (parse (presetWith (ours.replace ("presetVersion=\"1.0\"", "presetVersion=\"1.1\""), value ("rate", "0.7"))), true), 4);
    EXPECT_FLOAT_EQ (q.getParameter (2), 0.7f);
    EXPECT_EQ (q.readPreset (parse (presetWith (ours.replace ("presetVersion=\"1.0\"", "presetVersion=\"0.9\""), value ("rate", "0.6"))), true), 1);
    EXPECT_EQ (q.readPreset (parse (presetWith ("deviceProductID=\"com.morvid.PandrelTQ4418\"", value ("rate", "0.5"))), true), 1);
    EXPECT_FLOAT_EQ (q.getParameter (2), 0.5f);

    // Another product, or our attributes in another order: nothing applied.
    EXPECT_EQ (q.readPreset (parse (presetWith ("deviceProductID=\"com.other.Thing\"", value ("rate", "0.1"))), true), 2);
    EXPECT_EQ (q.readPreset (parse (presetWith ("deviceVersion=\"1.0.1\" deviceProductID=\"com.morvid.PandrelTQ4418\"", value ("rate", "0.1"))), true), 2);
    EXPECT_FLOAT_EQ (q.getParameter (2), 0.5f);

    // Not a preset.
    EXPECT_EQ (q.readPreset (nullptr, true), 0);
    EXPECT_EQ (q.readPreset (parse ("<somethingElse><Properties/></somethingElse>"), true), 0);
    EXPECT_EQ (q.readPreset (parse ("<morvidPatch/>"), true), 0);
    EXPECT_EQ (q.readPreset (parse ("<morvidPatch><DeviceName/></morvidPatch>"), true), 0);
    EXPECT_EQ (q.readPreset (parse ("<somethingElse><Properties/></somethingElse>"), false), 5);
    EXPECT_FLOAT_EQ (q.getParameter (2), 0.5f);
}

TEST (PresetDocument, ValueTexts)
{
    PandrelTQ4418AudioProcessor p;
    auto read = [&p] (const char* property, const char* text, int index)
    {
        p.readPreset (parse (presetWith (ours, juce::String ("<Value property=\"") + property + "\" type=\"x\">" + text + "</Value>")), true);
        return p.getParameter (index);
    };

    EXPECT_EQ (read ("stereo", "true", 9), 1.0f);
    EXPECT_EQ (read ("stereo", "TRUE", 9), 0.0f);
    EXPECT_EQ (read ("stereo", " true ", 9), 1.0f);
    EXPECT_EQ (read ("stereo", "1", 9), 0.0f);
    EXPECT_EQ (read ("sync", "on", 10), 0.0f);
    EXPECT_EQ (read ("flangerType", "2", 1), 1.0f);
    EXPECT_EQ (read ("flangerType", "1", 1), 0.5f);
    EXPECT_EQ (read ("rateSync", "3", 3), 1.0f / 6.0f);
    EXPECT_EQ (read ("unknown", "0.3", 2), p.getParameter (2));

    // The last of a repeated ID wins.
    p.readPreset (parse (presetWith (ours, value ("mix", "0.1") + value ("mix", "0.9"))), true);
    EXPECT_FLOAT_EQ (p.getParameter (7), 0.9f);

    // Every tempo division survives a round trip.
    for (int k = 0; k <= 18; ++k)
    {
        p.setParameter (3, static_cast<float> (k) / 18.0f);
        const auto doc = p.writePreset (true);
        EXPECT_EQ (doc.getChildByName ("Properties")->getChildElement (3)->getAllSubText(), juce::String (k));
    }
}

TEST (PresetDocument, CompareUsesAToleranceOfOneHundredThousandth)
{
    PandrelTQ4418AudioProcessor p;
    p.setParameter (2, 0.5f);
    EXPECT_FALSE (p.comparePreset (parse (presetWith (ours, value ("rate", "0.500009")))));
    EXPECT_TRUE (p.comparePreset (parse (presetWith (ours, value ("rate", "0.50001")))));
    // A switch counts as on above zero; a bank has nothing to compare.
    p.setParameter (0, 0.3f);
    EXPECT_FALSE (p.comparePreset (parse (presetWith (ours, "<Value property=\"onBypass\">true</Value>"))));
    EXPECT_FALSE (p.comparePreset (std::make_unique<juce::XmlElement> (p.writePreset (false))));
    EXPECT_FALSE (p.comparePreset (nullptr));
}

TEST (PresetDocument, BankStateRestoresEveryProgramAndSlot)
{
    PandrelTQ4418AudioProcessor p;
    for (int prog = 0; prog < 12; ++prog)
    {
        p.programs[prog].activeChannel = prog % 2;
        for (int slot = 0; slot < 2; ++slot)
        {
            p.programs[prog].name[slot] = "Bank/P" + juce::String (prog) + (slot == 0 ? "A" : "B") + ".mdtz";
            for (int i = 0; i < 11; ++i)
                p.programs[prog].values[slot][i] = (i == 0 || i >= 9) ? float ((prog + slot + i) % 2)
                                                   : i == 1         ? float ((prog + slot) % 3) * 0.5f
                                                   : i == 3         ? float ((prog + slot) % 19) / 18.0f
                                                                    : float (prog * 2 + slot) / 24.0f + 0.005f * float (i);
        }
    }
    p.currentProgram = 9;
    const auto state = bankState (p);

    PandrelTQ4418AudioProcessor q;
    q.setStateInformation (state.getData(), (int) state.getSize());
    EXPECT_EQ (q.getCurrentProgram(), 9);
    for (int prog = 0; prog < 12; ++prog)
    {
        EXPECT_EQ (q.programs[prog].activeChannel, prog % 2);
        for (int slot = 0; slot < 2; ++slot)
        {
            EXPECT_EQ (q.programs[prog].name[slot], p.programs[prog].name[slot]);
            for (int i = 0; i < 11; ++i)
                EXPECT_NEAR (q.programs[prog].values[slot][i], p.programs[prog].values[slot][i], 5e-6) << prog << slot << i;
        }
    }
    EXPECT_EQ (q.getProgramName (3), "P3B");
    EXPECT_EQ (bankState (q), state);
    EXPECT_TRUE (q.programChanged.load());
}

TEST (PresetDocument, ProgramChunkReplacesOnlyTheCurrentProgram)
{
    PandrelTQ4418AudioProcessor p;
    p.setCurrentProgram (4);
    p.programs[4].activeChannel = 1;
    p.programs[4].name[0] = "A.mdtz";
    p.programs[4].name[1] = "B.mdtz";
    p.programs[4].values[0][7] = 0.1f;
    p.programs[4].values[1][7] = 0.9f;
    juce::MemoryBlock chunk;
    p.getCurrentProgramStateInformation (chunk);

    PandrelTQ4418AudioProcessor q;
    q.setCurrentProgram (2);
    q.programs[5].values[0][7] = 0.3f;
    q.setCurrentProgramStateInformation (chunk.getData(), (int) chunk.getSize());
    EXPECT_EQ (q.getCurrentProgram(), 2);
    EXPECT_EQ (q.programs[2].activeChannel, 1);
    EXPECT_EQ (q.programs[2].name[1], "B.mdtz");
    EXPECT_FLOAT_EQ (q.programs[2].values[0][7], 0.1f);
    EXPECT_FLOAT_EQ (q.getParameter (7), 0.9f);
    EXPECT_EQ (q.programs[5].values[0][7], 0.3f);
    EXPECT_EQ (q.programs[4].values[0][7], 0.5f);
}

TEST (PresetDocument, PresetFileOnDiskThroughTheGuard)
{
    const juce::TemporaryFile temp (".mdtz");
    PandrelTQ4418AudioProcessor p;
    p.setParameter (8, 0.75f);
    ASSERT_TRUE (p.writePreset (true).writeTo (temp.getFile()));

    PandrelTQ4418AudioProcessor q;
    EXPECT_EQ (q.readPreset (PresetDocumentGuard::parseFile (temp.getFile()), true), 1);
    EXPECT_FLOAT_EQ (q.getParameter (8), 0.75f);
    EXPECT_EQ (PresetDocumentGuard::parseFile (temp.getFile().getSiblingFile ("missing.mdtz")), nullptr);
}
