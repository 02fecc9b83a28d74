#pragma once

#include <juce_core/juce_core.h>

// Where preset files live, and the one place that decides whether a preset
// path (from a host's saved state, a program name or a typed name) may be
// used: it must lead to something inside the preset root.
namespace MorvidPresetFolder
{
// File name extension and listing pattern of preset files.
inline constexpr const char* extension = ".mdtz";
inline constexpr const char* wildcard = "*.mdtz";

// "Audio Music Apps" in the user's Music folder.
juce::File getAudioMusicAppsFolder();

// The plug-in's own preset folder below "Audio Music Apps".
juce::File getPresetFolder();

// Resolves path (absolute, or relative to root; "\" taken as "/") and returns
// the file only when it lies strictly inside root; otherwise returns File().
juce::File resolveInside (const juce::File& root, const juce::String& path);

// True for the folder itself and for anything below it, by path after the
// framework's normalisation ("a/b/../c" is "a/c"); letter case counts, so a
// sibling whose name only starts with the folder's, or differs from it in
// case, is outside.
bool isFolderOrInside (const juce::File& folder, const juce::File& file);

// Natural, case-insensitive order of file names ("Lead 2" before "lead 10");
// names that differ only in case keep a fixed order.
bool isBefore (const juce::File& a, const juce::File& b);
} // namespace MorvidPresetFolder
