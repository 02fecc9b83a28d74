#include "PresetFolder.h"

juce::File PresetFolder::audioMusicApps()
{
    return juce::File::getSpecialLocation (juce::File::userMusicDirectory).getChildFile ("Audio Music Apps");
}

juce::File PresetFolder::get()
{
    return audioMusicApps().getChildFile ("Morvid/Presets/PandrelTQ4418");
}
