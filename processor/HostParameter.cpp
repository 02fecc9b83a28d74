#include "HostParameter.h"

#include "PandrelTQ4418AudioProcessor.h"
#include "ParameterTable.h"

HostParameter::HostParameter (PandrelTQ4418AudioProcessor& owner, int indexToUse)
    : processor (owner), index (indexToUse)
{
}

float HostParameter::getValue() const { return processor.getParameter (index); }

void HostParameter::setValue (float newValue) { processor.setParameter (index, newValue); }

float HostParameter::getDefaultValue() const { return processor.getParameterDefaultValue (index); }

juce::String HostParameter::getName (int maximumStringLength) const
{
    return processor.getParameterName (index).substring (0, maximumStringLength);
}

juce::String HostParameter::getLabel() const { return {}; }

// Hosts ask for the text of any value, not only the current one.
juce::String HostParameter::getText (float value, int maximumStringLength) const
{
    return ParameterTable::text (index, value).substring (0, maximumStringLength);
}

float HostParameter::getValueForText (const juce::String& text) const
{
    return ParameterTable::valueForText (index, text);
}
