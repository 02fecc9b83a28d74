#include "PresetFolder.h"

juce::File PresetFolder::get()
{
    return juce::File::getSpecialLocation (juce::File::userMusicDirectory)
        .getChildFile ("Audio Music Apps")
        .getChildFile ("Morvid/Presets/PandrelTQ4418");
}
