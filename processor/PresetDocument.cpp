#include "PresetDocument.h"

#include "PandrelVersion.h"
#include "ParameterTable.h"
#include "PresetPathText.h"
#include "PresetValueText.h"

#include <cstring>

namespace PresetDocument
{
juce::XmlElement* addHeader (juce::XmlElement& root)
{
    root.setAttribute ("version", "1.0");

    auto* deviceName = root.createNewChildElement ("DeviceName");
    deviceName->addTextElement ("Pandrel TQ4418");

    auto* properties = root.createNewChildElement (propertiesTag);
    properties->setAttribute ("deviceProductID", productId);
    properties->setAttribute ("deviceVersion", PandrelVersion::text);
    properties->setAttribute ("presetVersion", "1.0");
    return properties;
}

void addValues (juce::XmlElement& parent, const float* values)
{
    for (int i = 0; i < ParameterTable::numParameters; ++i)
    {
        auto* value = parent.createNewChildElement ("Value");
        value->setAttribute ("property", ParameterTable::id (i));
        value->setAttribute ("type", PresetValueText::typeName (i));
        value->addTextElement (PresetValueText::encode (i, values[i]));
    }
}

void addChannel (juce::XmlElement& parent, int slot, const juce::String& presetPath, const float* values)
{
    auto* channel = parent.createNewChildElement ("Channel");
    channel->setAttribute ("channel", slot);
    const auto path = isStorablePresetPath (presetPath) ? presetPath : juce::String();

    if (PresetPathText::isUtf8 (PresetPathText::bytesOf (path)))
    {
        channel->setAttribute ("presetPath", path);
    }
    else
    {
        channel->setAttribute ("presetPath", PresetPathText::escaped (PresetPathText::bytesOf (path)));
        channel->setAttribute (escapedPathAttribute, escapedPathValue);
    }

    addValues (*channel, values);
}

int intAttributeAt (const juce::XmlElement& element, int position)
{
    return PresetValueText::integer (attributeAt (element, position));
}

bool isStorablePresetPath (const juce::String& path)
{
    return std::strlen (path.toRawUTF8()) <= static_cast<size_t> (maxPresetPathBytes);
}

juce::String presetPathOf (const juce::XmlElement& channel)
{
    const auto& path = attributeAt (channel, 1);

    if (attributeAt (channel, 2) != escapedPathValue)
        return isStorablePresetPath (path) ? path : juce::String();

    const auto bytes = PresetPathText::unescaped (PresetPathText::bytesOf (path));
    return bytes.has_value() && bytes->size() <= static_cast<size_t> (maxPresetPathBytes) ? PresetPathText::fromBytes (*bytes)
                                                                                           : juce::String();
}

int parameterIndexOf (const juce::XmlElement& value)
{
    const auto& property = attributeAt (value, 0);
    for (int i = 0; i < ParameterTable::numParameters; ++i)
        if (property == ParameterTable::id (i))
            return i;
    return -1;
}

float decodedValue (int parameterIndex, const juce::XmlElement& value)
{
    return ParameterTable::toModelValue (parameterIndex,
                                         PresetValueText::decode (parameterIndex, value.getAllSubText()));
}
} // namespace PresetDocument
