#pragma once

#include <juce_core/juce_core.h>

// Where the maker's files live: "Audio Music Apps" in the user's Music folder,
// presets below it in "Morvid/Presets/PandrelTQ4418". Neither need exist.
namespace PresetFolder
{
juce::File audioMusicApps();
juce::File get();
} // namespace PresetFolder
