#pragma once
// HOME pointed at a fresh folder for the object's life, so the plug-in finds
// a fresh preset folder and the user's own presets are never touched. The
// process id in the name keeps the homes of parallel processes apart.
#include <juce_core/juce_core.h>

#include <cstdlib>
#include <unistd.h>

class ThrowAwayHome
{
public:
    explicit ThrowAwayHome (const juce::String& prefix)
        : folder (juce::File::getSpecialLocation (juce::File::tempDirectory)
                      .getNonexistentChildFile (prefix + juce::String (getpid()), {}))
    {
        if (const char* current = std::getenv ("HOME"))
            saved = current;
        folder.createDirectory();
        setenv ("HOME", folder.getFullPathName().toRawUTF8(), 1);
    }
    ~ThrowAwayHome()
    {
        folder.deleteRecursively (false);
        saved.isNotEmpty() ? setenv ("HOME", saved.toRawUTF8(), 1) : unsetenv ("HOME");
    }
    ThrowAwayHome (const ThrowAwayHome&) = delete;
    ThrowAwayHome& operator= (const ThrowAwayHome&) = delete;

    juce::File presetFolder() const { return folder.getChildFile ("Music/Audio Music Apps/Morvid/Presets/PandrelTQ4418"); }

    const juce::File folder;

private:
    juce::String saved;
};
