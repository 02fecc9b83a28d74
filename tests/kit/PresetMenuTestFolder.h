#pragma once
// A throw-away HOME for the menu tests (set up before any fixture member asks
// for the user's Music folder), with helpers to fill the preset folder.
#include "MorvidOptionMenuTree.h"
#include "ThrowAwayHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

class PresetMenuTestFolder : public ::testing::Test
{
protected:
    // A file, or with a target a symbolic link to it, below the preset folder.
    void put (const juce::String& path, const juce::String& content = "x", const juce::File& target = {})
    {
        const auto file = root.getChildFile (path);
        ASSERT_TRUE (file.getParentDirectory().createDirectory());
        ASSERT_TRUE (target == juce::File() ? file.replaceWithText (content) : target.createSymbolicLink (file, false));
    }

    // A file below the preset folder named by raw bytes (names unpacked with
    // Latin-1 are no UTF-8), as the folder's listing shows it.
    juce::File putBytes (const std::string& path, const juce::String& content)
    {
        const auto file = root.getFullPathName().toStdString() + "/" + path;
        std::filesystem::create_directories (std::filesystem::path (file).parent_path());
        std::ofstream (file) << content;
        return juce::File (juce::String (juce::CharPointer_UTF8 (file.c_str())));
    }

    ThrowAwayHome throwAwayHome { "kit-home-" };
    juce::File home = throwAwayHome.folder;
    juce::File root = throwAwayHome.presetFolder();
};

// The lists of the tree's last build, as a menu shown now holds them.
inline MorvidOptionMenuTree::MenuContents shownContents (const MorvidOptionMenuTree& tree)
{
    MorvidOptionMenuTree::MenuContents shown;
    for (int i = 0; i < tree.getNumOfFiles() - 1; ++i)
        shown.filePaths.add (tree.getFilePath (i)), shown.fileNames.add (tree.getFileName (i));
    return shown;
}
