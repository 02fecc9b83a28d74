#include "MorvidModDelaySyncKnob.h"

#include "TempoDivisions.h"

namespace
{
// 1 / 18.1 in single precision: 19 steps that each fall inside their division.
constexpr double stepInterval = (double) (1.0f / 18.1f);
} // namespace

MorvidModDelaySyncKnob::MorvidModDelaySyncKnob (const juce::String& name)
    : MorvidKnob (name)
{
    setRange (0.0, 1.0, stepInterval);
}

int MorvidModDelaySyncKnob::divisionIndex (double value) noexcept { return TempoDivisions::indexFor (value); }

juce::String MorvidModDelaySyncKnob::getTextFromValue (double value)
{
    return TempoDivisions::table[divisionIndex (value)].text;
}
