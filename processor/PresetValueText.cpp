#include "PresetValueText.h"

#include "ParameterTable.h"

#include <cmath>

namespace PresetValueText
{
namespace
{
bool isSwitch (int index)
{
    return index == ParameterTable::onBypass || index == ParameterTable::stereo || index == ParameterTable::sync;
}

juce::String wholeNumber (float value) { return juce::String (static_cast<double> (value), 0); }
} // namespace

const char* typeName (int index) { return isSwitch (index) ? "boolean" : "number"; }

juce::String encode (int index, float value)
{
    if (isSwitch (index))
        return ParameterTable::isOn (value) ? "true" : "false";

    // Hosts may have stored any float; a file only ever holds what reading it
    // back would give anyway.
    const float v = ParameterTable::toModelValue (index, value);

    if (index == ParameterTable::flangerType)
        return wholeNumber (std::ceil (2.0f * v));
    if (index == ParameterTable::rateSync)
        return wholeNumber (std::ceil (18.0f * v));
    return juce::String (v, 5);
}

float decode (int index, const juce::String& text)
{
    if (isSwitch (index))
        return text.trim() == "true" ? 1.0f : 0.0f;

    const float number = text.getFloatValue();

    if (index == ParameterTable::flangerType)
        return number * 0.5f;
    if (index == ParameterTable::rateSync)
        return number / 18.0f;
    return number;
}
} // namespace PresetValueText
