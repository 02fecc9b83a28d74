#include "MorvidPresetFolder.h"

#include "PresetFolder.h"

namespace
{
// A "~name" path of no such user stays relative in juce::File, and its
// isAChildOf never ends on a relative path longer than the folder's (the
// stack runs out): only a rooted path can lie inside.
bool isBelow (const juce::File& file, const juce::File& folder)
{
    return file.getFullPathName().startsWithChar ('/') && file.isAChildOf (folder);
}
} // namespace

namespace MorvidPresetFolder
{
juce::File getAudioMusicAppsFolder()
{
    return PresetFolder::audioMusicApps();
}

juce::File getPresetFolder()
{
    return PresetFolder::get();
}

juce::File resolveInside (const juce::File& root, const juce::String& path)
{
    if (root == juce::File() || path.trim().isEmpty())
        return {};

    const auto slashed = path.replaceCharacter ('\\', '/');
    const auto file = juce::File::isAbsolutePath (slashed) ? juce::File (slashed)
                                                           : root.getChildFile (slashed);

    // File resolves "./" and "../" inside a path, but not a trailing "." or
    // "..": such a path names a folder, never a preset file.
    const auto full = file.getFullPathName();

    if (full.endsWith ("/.") || full.endsWith ("/.."))
        return {};

    return isBelow (file, root) ? file : juce::File();
}

bool isFolderOrInside (const juce::File& folder, const juce::File& file)
{
    return folder != juce::File() && (file == folder || isBelow (file, folder));
}

bool isBefore (const juce::File& a, const juce::File& b)
{
    const auto nameA = a.getFileName();
    const auto nameB = b.getFileName();
    const auto order = nameA.compareNatural (nameB, false);
    return order != 0 ? order < 0 : nameA.compare (nameB) < 0;
}
} // namespace MorvidPresetFolder
