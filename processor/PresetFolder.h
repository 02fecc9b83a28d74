#pragma once

#include <juce_core/juce_core.h>

// Where preset files live: the user's Music folder, then
// "Audio Music Apps/Morvid/Presets/PandrelTQ4418". It need not exist.
namespace PresetFolder
{
juce::File get();
}
