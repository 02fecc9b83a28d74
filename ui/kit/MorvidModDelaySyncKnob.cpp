#include "MorvidModDelaySyncKnob.h"

namespace
{
// 1 / 18.1 in single precision: 19 steps that each fall inside their division.
constexpr double stepInterval = (double) (1.0f / 18.1f);

constexpr int divisionCount = 19;

const char* const noteTexts[divisionCount] = {
    "8/1", "4/1", "2/1", "1/1", "1/2D", "1/2", "1/2T", "1/4D", "1/4", "1/4T",
    "1/8D", "1/8", "1/8T", "1/16D", "1/16", "1/16T", "1/32D", "1/32", "1/32T"
};
} // namespace

MorvidModDelaySyncKnob::MorvidModDelaySyncKnob (const juce::String& name)
    : MorvidKnob (name)
{
    setRange (0.0, 1.0, stepInterval);
}

int MorvidModDelaySyncKnob::divisionIndex (double value) noexcept
{
    if (value <= 0.0)
        return 0;

    // A value on an edge belongs to the division below it.
    for (int k = 1; k < divisionCount - 1; ++k)
        if (value <= (double) ((float) k / 18.0f))
            return k;

    return divisionCount - 1;
}

juce::String MorvidModDelaySyncKnob::getTextFromValue (double value)
{
    return noteTexts[divisionIndex (value)];
}
