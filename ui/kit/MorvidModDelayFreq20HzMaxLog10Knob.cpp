#include "MorvidModDelayFreq20HzMaxLog10Knob.h"

#include "PotTaper.h"

#include <algorithm>
#include <cmath>

MorvidModDelayFreq20HzMaxLog10Knob::MorvidModDelayFreq20HzMaxLog10Knob (const juce::String& name)
    : MorvidKnob (name)
{
}

juce::String MorvidModDelayFreq20HzMaxLog10Knob::getTextFromValue (double value)
{
    // The LFO's own taper, so the text reads what the engine runs; never
    // below the float nearest 0.01 Hz.
    const double hertz = PotTaper::log81 (value) * 20.0;
    return juce::String (std::max ((double) 0.01f, hertz), 2) + " Hz";
}
