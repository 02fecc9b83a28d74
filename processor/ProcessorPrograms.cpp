#include "PandrelTQ4418AudioProcessor.h"

#include "PresetFolder.h"
#include "PresetPathText.h"

int PandrelTQ4418AudioProcessor::getNumPrograms() { return ProgramTable::numPrograms; }

int PandrelTQ4418AudioProcessor::getCurrentProgram() { return currentProgram; }

void PandrelTQ4418AudioProcessor::setCurrentProgram (int program)
{
    if (! ProgramTable::isProgram (program))
        return;

    currentProgram = program;

    for (int i = 0; i < ParameterTable::numParameters; ++i)
        setParameterNotifyingHost (i, activeSlotValues()[i]);

    programChanged.store (true);
    parametersChanged.store (true);
    channelChanged.store (true);

    // Without this, hosts keep showing the previous program's values.
    updateHostDisplay();
}

const juce::String PandrelTQ4418AudioProcessor::getProgramName (int program)
{
    if (! ProgramTable::isProgram (program))
        return {};

    const auto& name = programs[program].name[programs[program].activeSlot()];

    // juce::File reads the path as UTF-8: bytes that are no UTF-8 would come
    // out as some other part of the path, or none.
    if (! PresetPathText::isUtf8 (PresetPathText::bytesOf (name)))
        return PresetPathText::nameToShow (name, true);

    return PresetFolder::get().getChildFile (name).getFileNameWithoutExtension();
}

void PandrelTQ4418AudioProcessor::changeProgramName (int, const juce::String&) {}
