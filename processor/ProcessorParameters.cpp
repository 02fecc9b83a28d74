#include "PandrelTQ4418AudioProcessor.h"

#include "HostParameter.h"

namespace
{
bool isParameter (int index)
{
    return static_cast<unsigned> (index) < static_cast<unsigned> (ParameterTable::numParameters);
}
} // namespace

int PandrelTQ4418AudioProcessor::getNumParameters() { return ParameterTable::numParameters; }

const juce::String PandrelTQ4418AudioProcessor::getParameterName (int index) { return ParameterTable::id (index); }

float PandrelTQ4418AudioProcessor::getParameter (int index)
{
    return isParameter (index) ? activeSlotValues()[index].load (std::memory_order_relaxed) : 0.0f;
}

const juce::String PandrelTQ4418AudioProcessor::getParameterText (int index)
{
    return isParameter (index) ? ParameterTable::text (index, currentValue (index)) : juce::String();
}

float PandrelTQ4418AudioProcessor::getParameterDefaultValue (int index) { return ParameterTable::defaultValue (index); }

void PandrelTQ4418AudioProcessor::setParameter (int index, float value)
{
    if (! isParameter (index))
        return;

    activeSlotValues()[index].store (value, std::memory_order_relaxed);
    currentValues[static_cast<size_t> (index)].store (value, std::memory_order_relaxed);
    parametersChanged.store (true);

    // A burst of type changes switches the model once, 50 ms after the last.
    // Off the message thread (the audio thread among them) starting a timer
    // would lock: the change is only noted, and the tick restarts the timer.
    if (index == ParameterTable::flangerType)
    {
        const bool onMessageThread = tick.isMessageThread();
        typeChanges.noteChange (typeChanges.now(), ! onMessageThread);
        if (onMessageThread)
            startTimer (TypeChangeSchedule::settleMs);
    }
}

void PandrelTQ4418AudioProcessor::setParameterNotifyingHost (int index, float value)
{
    if (isParameter (index))
        hostParameters[index]->setValueNotifyingHost (value);
}

void PandrelTQ4418AudioProcessor::initDefaultPreset()
{
    currentProgram = 0;

    for (auto& program : programs)
    {
        program.activeChannel = 0;
        for (int slot = 0; slot < ProgramTable::numSlots; ++slot)
        {
            program.name[slot] = "Init.mdtz";
            for (int i = 0; i < ParameterTable::numParameters; ++i)
            {
                const float value = getParameterDefaultValue (i);
                program.values[slot][i] = value;
                currentValues[static_cast<size_t> (i)].store (value, std::memory_order_relaxed);
            }
        }
    }
}

// The editor and the kit write the table directly; whatever they left there,
// the processor never indexes outside it.
ProgramRecord& PandrelTQ4418AudioProcessor::currentRecord()
{
    return programs[juce::jlimit (0, ProgramTable::numPrograms - 1, currentProgram.load())];
}

std::atomic<float>* PandrelTQ4418AudioProcessor::activeSlotValues()
{
    auto& program = currentRecord();
    return program.values[program.activeSlot()];
}
