#pragma once
// A throw-away home folder for the preset menu tests: HOME points at it while
// a test runs, so the user's Music folder (and the preset folder below it)
// are fresh, empty folders.
#include <gtest/gtest.h>
#include <juce_core/juce_core.h>

#include <cstdlib>

class PresetMenuTestFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (const char* current = std::getenv ("HOME"))
            savedHome = current;

        home = juce::File::getSpecialLocation (juce::File::tempDirectory)
                   .getNonexistentChildFile ("pandrel-kit-home", {});
        ASSERT_TRUE (home.createDirectory());
        setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);

        root = home.getChildFile ("Music/Audio Music Apps/Morvid/Presets/PandrelTQ4418");
    }

    void TearDown() override
    {
        home.deleteRecursively (false);

        if (savedHome.isNotEmpty())
            setenv ("HOME", savedHome.toRawUTF8(), 1);
        else
            unsetenv ("HOME");
    }

    // Writes a file below the preset folder, creating its folders.
    juce::File put (const juce::String& relativePath, const juce::String& content = "x")
    {
        auto file = root.getChildFile (relativePath);
        EXPECT_TRUE (file.getParentDirectory().createDirectory());
        EXPECT_TRUE (file.replaceWithText (content));
        return file;
    }

    // A symbolic link at relativePath (below the preset folder) to target.
    void link (const juce::String& relativePath, const juce::File& target)
    {
        auto at = root.getChildFile (relativePath);
        EXPECT_TRUE (at.getParentDirectory().createDirectory());
        EXPECT_TRUE (target.createSymbolicLink (at, false));
    }

    juce::File home;
    juce::File root;
    juce::String savedHome;
};
