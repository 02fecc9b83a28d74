#include "ParameterTable.h"

#include "PresetValueText.h"

#include <cmath>

namespace ParameterTable
{
namespace
{
struct Entry
{
    const char* id;
    float defaultValue;
};

constexpr Entry entries[numParameters] = {
    { "onBypass", 1.0f },    { "flangerType", 0.0f }, { "rate", 0.2f },  { "rateSync", 1.0f / 6.0f },
    { "depth", 0.2f },       { "delay", 0.0f },       { "feedback", 0.5f }, { "mix", 0.5f },
    { "level", 0.5f },       { "stereo", 0.0f },      { "sync", 0.0f },
};

bool isInTable (int index) { return static_cast<unsigned> (index) < static_cast<unsigned> (numParameters); }

bool isSwitch (int index) { return index == onBypass || index == stereo || index == sync; }
} // namespace

const char* id (int index) { return isInTable (index) ? entries[index].id : ""; }

float defaultValue (int index) { return isInTable (index) ? entries[index].defaultValue : 0.0f; }

juce::String text (int index, float value)
{
    if (! isInTable (index))
        return {};

    if (isSwitch (index))
        return value == 0.0f ? "Off" : "On";

    if (index == flangerType)
    {
        if (value <= 0.0f)
            return "Type 1";
        if (value <= 0.5f)
            return "Type 2";
        return "Type 3";
    }

    return juce::String (value * 10.0f, 2);
}

float valueForText (int index, const juce::String& text)
{
    const auto t = text.trim();

    if (isSwitch (index))
        return (t.equalsIgnoreCase ("On") || static_cast<float> (PresetValueText::number (t)) > 0.0f) ? 1.0f : 0.0f;

    if (index == flangerType)
    {
        const auto number = PresetValueText::integer (t.startsWithIgnoreCase ("Type") ? t.substring (4) : t);
        return juce::jlimit (0.0f, 1.0f, (static_cast<float> (number) - 1.0f) * 0.5f);
    }

    return isInTable (index) ? juce::jlimit (0.0f, 1.0f, static_cast<float> (PresetValueText::number (t)) * 0.1f) : 0.0f;
}

float toModelValue (int index, float value)
{
    if (std::isnan (value))
        return defaultValue (index);
    return juce::jlimit (0.0f, 1.0f, value);
}

int modelIndexFor (float typeValue)
{
    return static_cast<int> (std::ceil (2.0f * toModelValue (flangerType, typeValue)));
}

int tempoDivisionFor (float rateSyncValue)
{
    const float v = toModelValue (rateSync, rateSyncValue);
    if (v <= 0.0f)
        return 0;
    for (int k = 1; k <= 17; ++k)
        if (v <= static_cast<float> (k) / 18.0f)
            return k;
    return 18;
}
} // namespace ParameterTable
