#include "PandrelTQ4418AudioProcessor.h"

#include "PresetDocumentGuard.h"

// Host state is the preset document: the whole bank, or the current program
// with both slots. Data that is refused or does not parse changes nothing.

void PandrelTQ4418AudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    copyXmlToBinary (writePreset (false), destData);
}

void PandrelTQ4418AudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    stateXml = PresetDocumentGuard::parseHostState (data, sizeInBytes);
    if (stateXml != nullptr)
        readPreset (std::move (stateXml), false);
}

void PandrelTQ4418AudioProcessor::getCurrentProgramStateInformation (juce::MemoryBlock& destData)
{
    copyXmlToBinary (writeCurrentProgram(), destData);
}

void PandrelTQ4418AudioProcessor::setCurrentProgramStateInformation (const void* data, int sizeInBytes)
{
    stateXml = PresetDocumentGuard::parseHostState (data, sizeInBytes);
    if (stateXml != nullptr)
        readCurrentProgram (std::move (stateXml));
}
