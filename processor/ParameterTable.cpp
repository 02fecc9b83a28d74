#include "ParameterTable.h"

#include "PresetValueText.h"
#include "TempoDivisions.h"

#include <cmath>

namespace ParameterTable
{
namespace
{
struct Entry
{
    const char* id;
    float defaultValue;
    bool isSwitch;
};

constexpr Entry entries[numParameters] = {
    { "onBypass", 1.0f, true },  { "flangerType", 0.0f, false }, { "rate", 0.2f, false },
    { "rateSync", 1.0f / 6.0f, false }, { "depth", 0.2f, false }, { "delay", 0.0f, false },
    { "feedback", 0.5f, false }, { "mix", 0.5f, false },         { "level", 0.5f, false },
    { "stereo", 0.0f, true },    { "sync", 0.0f, true },
};

bool isInTable (int index) { return static_cast<unsigned> (index) < static_cast<unsigned> (numParameters); }
} // namespace

const char* id (int index) { return isInTable (index) ? entries[index].id : ""; }

float defaultValue (int index) { return isInTable (index) ? entries[index].defaultValue : 0.0f; }

bool isSwitch (int index) { return isInTable (index) && entries[index].isSwitch; }

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
    return TempoDivisions::indexFor (toModelValue (rateSync, rateSyncValue));
}
} // namespace ParameterTable
