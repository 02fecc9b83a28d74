// Tempo-synchronised rate knob: 19 steps, shown as note values "8/1" to "1/32T".
#pragma once

#include "MorvidKnob.h"

class MorvidModDelaySyncKnob : public MorvidKnob
{
public:
    explicit MorvidModDelaySyncKnob (const juce::String& name);

    juce::String getTextFromValue (double value) override;

    // The tempo division (0..18) of a value: ceil(18 x value) on the
    // single-precision edges the engine uses.
    static int divisionIndex (double value) noexcept;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidModDelaySyncKnob)
};
