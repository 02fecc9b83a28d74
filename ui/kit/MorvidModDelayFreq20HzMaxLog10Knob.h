// Rate knob: shows its value on the pot's logarithmic 0.01 to 20 Hz scale.
#pragma once

#include "MorvidKnob.h"

class MorvidModDelayFreq20HzMaxLog10Knob : public MorvidKnob
{
public:
    explicit MorvidModDelayFreq20HzMaxLog10Knob (const juce::String& name);

    juce::String getTextFromValue (double value) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidModDelayFreq20HzMaxLog10Knob)
};
