#include "PandrelTQ4418AudioProcessor.h"

#include "HostParameter.h"

#include <cstring>

namespace
{
bool isParameter (int index)
{
    return static_cast<unsigned> (index) < static_cast<unsigned> (ParameterTable::numParameters);
}

bool sameBits (float a, float b) { return std::memcmp (&a, &b, sizeof (float)) == 0; }
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

    activeSlotValues()[index].store (value);
    settleCurrentValue (index);
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

// What plays follows the table's active slot. A program or slot change, or
// another thread's store to the same parameter, may fall between a store to
// the table and the one to currentValues: the value played is taken from the
// table and taken again until the table held still across it. Every store
// here is sequentially consistent, so whichever writer stores last also sees
// the table last, and the two agree once writers are done. Each writer
// settles after its own store, so the bound never leaves them apart.
void PandrelTQ4418AudioProcessor::settleCurrentValue (int index)
{
    auto& played = currentValues[static_cast<size_t> (index)];
    for (int attempt = 0; attempt < 8; ++attempt)
    {
        const float held = activeSlotValues()[index].load();
        played.store (held);
        if (sameBits (activeSlotValues()[index].load(), held))
            return;
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
