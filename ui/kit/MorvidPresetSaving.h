// Saving the current preset into a file of the Preset folder, shared by the
// overwrite questions and the save browser: the write through the preset
// menu, the program table's slot, and the texts the panels show.
#pragma once

#include <juce_core/juce_core.h>

class MorvidAlertComponent;
class MorvidPresetMenu;
class PandrelTQ4418AudioProcessor;

namespace MorvidPresetSaving
{
// The preset's path relative to the Preset folder ("Bass/Lead.mdtz").
juce::String relativeName (const juce::File& preset);

// "Are you sure you want to overwrite this preset?", a blank line and the
// relative name in quote marks, readable (MorvidPresetFolder::pathToShow).
juce::String overwriteQuestion (const juce::File& preset);

// Writes the current program's active slot into `preset` and points that
// slot at it. When the write fails, nothing in the program table changes, the
// menu keeps its selection and `failureAlert` (nested in the caller's panel)
// says so. True when written.
bool save (PandrelTQ4418AudioProcessor& processor, MorvidPresetMenu& presetMenu, const juce::File& preset,
           MorvidAlertComponent& failureAlert);
} // namespace MorvidPresetSaving
