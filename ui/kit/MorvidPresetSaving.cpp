#include "MorvidPresetSaving.h"

#include "MorvidAlertComponent.h"
#include "MorvidPresetFolder.h"
#include "MorvidPresetMenu.h"
#include "PandrelTQ4418AudioProcessor.h"
#include "PresetDocument.h"

namespace MorvidPresetSaving
{
namespace
{
juce::String quoted (const juce::File& preset)
{
    return "\n\n\"" + MorvidPresetFolder::pathToShow (relativeName (preset)) + "\"";
}
} // namespace

juce::String relativeName (const juce::File& preset)
{
    return MorvidPresetFolder::relativePath (MorvidPresetFolder::getPresetFolder(), preset);
}

juce::String overwriteQuestion (const juce::File& preset)
{
    return "Are you sure you want to overwrite this preset?" + quoted (preset);
}

bool save (PandrelTQ4418AudioProcessor& processor, MorvidPresetMenu& presetMenu, const juce::File& preset,
           MorvidAlertComponent& failureAlert)
{
    const auto selected = presetMenu.getSelectedFilePath();

    // The slot is to name the file: only a path a session can store.
    if (! PresetDocument::isStorablePresetPath (relativeName (preset)))
    {
        failureAlert.setTitle ("Couldn't save the preset! Its path in the preset folder is longer than "
                               + juce::String (PresetDocument::maxPresetPathBytes) + " bytes.");
        failureAlert.show (1, 4);
        return false;
    }

    if (! presetMenu.writePreset (&processor, preset.getFullPathName()))
    {
        // The menu goes on showing the slot's preset, not the file that
        // never came to be.
        presetMenu.setSelectedFilePath (selected);
        presetMenu.compareAndMarkPreset (&processor);
        failureAlert.setTitle ("Couldn't save the preset! Check the folder and try again." + quoted (preset));
        failureAlert.show (1, 4);
        return false;
    }

    if (ProgramTable::isProgram (processor.currentProgram))
    {
        auto& program = processor.programs[processor.currentProgram];

        if (ProgramTable::isSlot (program.activeChannel))
            program.name[program.activeChannel] = presetMenu.getSelectedFilePath();
    }

    return true;
}
} // namespace MorvidPresetSaving
