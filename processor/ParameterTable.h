#pragma once

#include <juce_core/juce_core.h>

// The eleven host parameters: their IDs, defaults, display texts, and the
// finite 0..1 value that is all the flanger models may ever see of them.
namespace ParameterTable
{
constexpr int numParameters = 11;

enum Index
{
    onBypass = 0,
    flangerType,
    rate,
    rateSync,
    depth,
    delay,
    feedback,
    mix,
    level,
    stereo,
    sync
};

// The parameter ID: host name and the "property" of a preset Value element.
// Empty outside 0..10.
const char* id (int index);

// 0 outside 0..10.
float defaultValue (int index);

// "onBypass", "stereo" and "sync": on or off, "boolean" in preset documents.
bool isSwitch (int index);

// The host display text of a value: "On"/"Off", "Type 1".."Type 3", or the
// value times ten with two decimals.
juce::String text (int index, float value);

// The value a display text stands for (host text entry).
float valueForText (int index, const juce::String& text);

// Hosts, files and editors may hand over any float; the models get a finite
// value within 0..1, NaN giving the parameter's default.
float toModelValue (int index, float value);

// The model a "flangerType" value selects: 0, 1 or 2, whatever the value.
int modelIndexFor (float typeValue);

// The tempo division a "rateSync" value selects: 0..18, ceil(18 x value) on
// the single-precision edges k / 18 the models use.
int tempoDivisionFor (float rateSyncValue);

// Whether a switch value ("onBypass", "stereo", "sync") counts as on.
inline bool isOn (float value) { return value > 0.0f; }
} // namespace ParameterTable
