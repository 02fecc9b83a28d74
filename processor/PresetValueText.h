#pragma once

#include <juce_core/juce_core.h>

// The text form of one parameter value in a preset document's Value element:
// switches as "true"/"false", the model type as 0..2, the tempo division as
// 0..18, everything else with five decimals.
namespace PresetValueText
{
// The "type" attribute: "boolean" or "number".
const char* typeName (int index);

juce::String encode (int index, float value);

// JUCE's readers of a decimal number and an integer, without the signed
// overflow theirs run into on an exponent or a negative integer of many
// digits; every other text reads exactly as juce::String reads it.
double number (const juce::String& text);
int integer (const juce::String& text);

// The value a Value element's text stands for, as written; the readers make
// it safe with ParameterTable::toModelValue before storing it.
float decode (int index, const juce::String& text);
} // namespace PresetValueText
