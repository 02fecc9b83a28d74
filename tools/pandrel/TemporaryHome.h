#pragma once

#include <juce_core/juce_core.h>

#include <cstdlib>
#include <unistd.h>

// HOME pointed at a fresh folder for the object's life, so that the tool's
// presets never touch the user's own.
class TemporaryHome
{
public:
    explicit TemporaryHome (const juce::String& prefix)
        : folder (juce::File::getSpecialLocation (juce::File::tempDirectory)
                      .getNonexistentChildFile (prefix + juce::String (getpid()), {}))
    {
        if (const char* current = std::getenv ("HOME"))
            saved = current;
        folder.createDirectory();
        setenv ("HOME", folder.getFullPathName().toRawUTF8(), 1);
    }
    ~TemporaryHome()
    {
        folder.deleteRecursively (false);
        saved.isNotEmpty() ? setenv ("HOME", saved.toRawUTF8(), 1) : unsetenv ("HOME");
    }
    TemporaryHome (const TemporaryHome&) = delete;
    TemporaryHome& operator= (const TemporaryHome&) = delete;

    const juce::File folder;

private:
    juce::String saved;
};
