#pragma once
// A throw-away HOME for the menu tests (set up before any fixture member asks
// for the user's Music folder), with helpers to fill the preset folder.
#include "MorvidOptionMenuTree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

class PresetMenuTestFolder : public ::testing::Test
{
protected:
    PresetMenuTestFolder()
    {
        if (const char* current = std::getenv ("HOME"))
            savedHome = current;
        EXPECT_TRUE (home.createDirectory());
        setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);
    }

    ~PresetMenuTestFolder() override
    {
        home.deleteRecursively (false);
        savedHome.isNotEmpty() ? setenv ("HOME", savedHome.toRawUTF8(), 1) : unsetenv ("HOME");
    }

    // A file, or with a target a symbolic link to it, below the preset folder.
    void put (const juce::String& path, const juce::String& content = "x", const juce::File& target = {})
    {
        const auto file = root.getChildFile (path);
        ASSERT_TRUE (file.getParentDirectory().createDirectory());
        ASSERT_TRUE (target == juce::File() ? file.replaceWithText (content) : target.createSymbolicLink (file, false));
    }

    juce::String savedHome;
    // ctest runs test cases as parallel processes: the process id keeps their
    // homes apart.
    juce::File home = juce::File::getSpecialLocation (juce::File::tempDirectory)
                          .getNonexistentChildFile ("kit-home-" + juce::String (getpid()), {});
    juce::File root = home.getChildFile ("Music/Audio Music Apps/Morvid/Presets/PandrelTQ4418");
};

// The lists of the tree's last build, as a menu shown now holds them.
inline MorvidOptionMenuTree::MenuContents shownContents (const MorvidOptionMenuTree& tree)
{
    MorvidOptionMenuTree::MenuContents shown;
    for (int i = 0; i < tree.getNumOfFiles() - 1; ++i)
        shown.filePaths.add (tree.getFilePath (i)), shown.fileNames.add (tree.getFileName (i));
    return shown;
}
