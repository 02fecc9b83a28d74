#include "PandrelTQ4418AudioProcessor.h"

#include "PresetDocument.h"

// Values come from the program table, never from currentValues.
juce::XmlElement PandrelTQ4418AudioProcessor::writePreset (bool isPreset)
{
    juce::XmlElement root (PresetDocument::rootTag);
    auto* properties = PresetDocument::addHeader (root);

    if (isPreset)
    {
        const auto& program = currentRecord();
        PresetDocument::addValues (*properties, program.slotValues (program.activeSlot()).data());
        return root;
    }

    properties->setAttribute ("activePreset", getCurrentProgram());

    for (int p = 0; p < ProgramTable::numPrograms; ++p)
    {
        const auto& program = programs[p];
        auto* preset = properties->createNewChildElement ("Preset");
        preset->setAttribute ("preset", p);
        preset->setAttribute ("activeChannel", program.activeChannel);

        for (int slot = 0; slot < ProgramTable::numSlots; ++slot)
            PresetDocument::addChannel (*preset, slot, program.name[slot], program.slotValues (slot).data());
    }

    return root;
}

juce::XmlElement PandrelTQ4418AudioProcessor::writeCurrentProgram()
{
    juce::XmlElement root (PresetDocument::rootTag);
    auto* properties = PresetDocument::addHeader (root);

    const auto& program = currentRecord();
    properties->setAttribute ("activeChannel", program.activeChannel);

    for (int slot = 0; slot < ProgramTable::numSlots; ++slot)
        PresetDocument::addChannel (*properties, slot, program.name[slot], program.slotValues (slot).data());

    return root;
}
