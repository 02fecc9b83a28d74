// Delay knob: shows its value as 0.00 to 10.00 ms.
#pragma once

#include "MorvidKnob.h"

class MorvidDelay10MSKnob : public MorvidKnob
{
public:
    explicit MorvidDelay10MSKnob (const juce::String& name);

    juce::String getTextFromValue (double value) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidDelay10MSKnob)
};
