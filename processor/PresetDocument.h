#pragma once

#include <juce_core/juce_core.h>

// The shape of a preset document ("morvidPatch"): the same format for a
// preset file, the host's bank state and the host's program state. Readers
// find attributes by position, so writers keep the order given here.
namespace PresetDocument
{
constexpr const char* rootTag = "morvidPatch";
constexpr const char* propertiesTag = "Properties";
constexpr const char* productId = "com.morvid.PandrelTQ4418";

// The root with "version", "DeviceName" and "Properties" with its first three
// attributes; returns "Properties" for the variant's content.
juce::XmlElement* addHeader (juce::XmlElement& root);

// The eleven Value elements of one slot, in parameter order.
void addValues (juce::XmlElement& parent, const float* values);

// A "Channel": slot index, preset path, then its values. A path that is no
// UTF-8 would not survive JUCE's XML writer and reader: it is written escaped
// (PresetPathText::escaped) and marked so by a third attribute, which only
// such a path has; every other path is written as it is.
void addChannel (juce::XmlElement& parent, int slot, const juce::String& presetPath, const float* values);
constexpr const char* escapedPathAttribute = "presetPathEncoding";
constexpr const char* escapedPathValue = "percent";

// Readers: the attribute at a position ("" when there is none).
inline const juce::String& attributeAt (const juce::XmlElement& element, int position)
{
    return element.getAttributeValue (position);
}

int intAttributeAt (const juce::XmlElement& element, int position);

// The longest preset path kept, in bytes (unescaped): long enough for real
// folders, and written back (a byte may take six, "&quot;"; escaped, three)
// the 24 of a bank stay well within what the readers accept. A longer one is
// neither written nor read: it stands as "".
constexpr int maxPresetPathBytes = 4096;
bool isStorablePresetPath (const juce::String& path);

// A Channel's preset path (attribute 1, unescaped when attribute 2 says it
// is escaped), "" when it is too long or its escapes are malformed.
juce::String presetPathOf (const juce::XmlElement& channel);

// The parameter a Value element stands for (by attribute 0), or -1.
int parameterIndexOf (const juce::XmlElement& value);

// A Value element's text decoded and made safe for the table and the models.
float decodedValue (int parameterIndex, const juce::XmlElement& value);
} // namespace PresetDocument
