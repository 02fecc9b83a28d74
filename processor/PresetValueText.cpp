#include "PresetValueText.h"

#include "ParameterTable.h"
#include "TempoDivisions.h"

#include <cmath>

namespace PresetValueText
{
namespace
{
using ParameterTable::isSwitch;

juce::String wholeNumber (float value) { return juce::String (static_cast<double> (value), 0); }
} // namespace

double number (const juce::String& text)
{
    // Found as JUCE finds it: a sign, digits with one point, "e", a sign, digits.
    auto p = text.getCharPointer().findEndOfWhitespace();
    if (*p == '-' || *p == '+')
        ++p;
    for (bool point = false; p.isDigit() || (! point && *p == '.'); ++p)
        point = point || *p == '.';
    if (*p != 'e' && *p != 'E')
        return text.getDoubleValue();
    ++p;
    if (*p == '-' || *p == '+')
        ++p;
    while (*p == '0')
        ++p;

    const auto digits = p;
    int count = 0;
    for (; p.isDigit(); ++p)
        ++count;
    if (count <= 9)
        return text.getDoubleValue();

    // Far beyond a double's range either way: nine digits say as much.
    return (juce::String (text.getCharPointer(), digits) + "999999999").getDoubleValue();
}

int integer (const juce::String& text)
{
    auto p = text.getCharPointer().findEndOfWhitespace();
    const bool negative = *p == '-';
    if (negative)
        ++p;
    juce::uint32 magnitude = 0;
    for (; p.isDigit(); ++p)
        magnitude = magnitude * 10 + static_cast<juce::uint32> (*p - '0');
    // Wraps as JUCE's does, without the undefined negation.
    return static_cast<int> (negative ? 0u - magnitude : magnitude);
}

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
        return wholeNumber (std::ceil (static_cast<float> (TempoDivisions::lastIndex) * value));
    return juce::String (value, 5);
}

float decode (int index, const juce::String& text)
{
    if (isSwitch (index))
        return text.trim() == "true" ? 1.0f : 0.0f;

    const auto value = static_cast<float> (number (text));

    if (index == ParameterTable::flangerType)
        return value * 0.5f;
    if (index == ParameterTable::rateSync)
        return value / static_cast<float> (TempoDivisions::lastIndex);
    return value;
}
} // namespace PresetValueText
