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

    // The stored value as it stands, even one a host sent outside 0..1: the
    // readers make it safe.
    if (index == ParameterTable::flangerType)
        return wholeNumber (std::ceil (2.0f * value));
    if (index == ParameterTable::rateSync)
        return wholeNumber (std::ceil (18.0f * value));
    return juce::String (value, 5);
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
