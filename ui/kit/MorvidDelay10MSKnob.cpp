#include "MorvidDelay10MSKnob.h"

MorvidDelay10MSKnob::MorvidDelay10MSKnob (const juce::String& name)
    : MorvidKnob (name)
{
}

juce::String MorvidDelay10MSKnob::getTextFromValue (double value)
{
    return juce::String (value * 10.0, 2) + " ms";
}
