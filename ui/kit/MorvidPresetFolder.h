#pragma once

#include <juce_core/juce_core.h>

#include <string_view>

// Where preset files live, and the one place that decides whether a preset
// path (from a host's saved state, a program name or a typed name) may be
// used: it must lead to something inside the preset root.
namespace MorvidPresetFolder
{
// File name extension and listing pattern of preset files.
inline constexpr const char* extension = ".mdtz";
inline constexpr const char* wildcard = "*.mdtz";

// A path's own bytes, and a String of bytes exactly as given. JUCE's String
// counts bytes that are no UTF-8 one way when it searches and another when
// it cuts, so File::getParentDirectory of such a path can return the path
// itself and File::isAChildOf never ends: paths are compared and cut as bytes.
std::string_view bytesOf (const juce::String& path);
juce::String fromBytes (std::string_view bytes);

// The path with every "\\" taken as "/", its other bytes as they are.
juce::String withForwardSlashes (const juce::String& path);

// A file's name may hold a backslash: a path that names an existing file as
// it is spelled (absolute, or relative to folder) stays as it is; any other
// has every "\\" taken as "/" (a path from another system).
juce::String withSeparators (const juce::File& folder, const juce::String& path);

// "Audio Music Apps" in the user's Music folder.
juce::File getAudioMusicAppsFolder();

// The plug-in's own preset folder below "Audio Music Apps".
juce::File getPresetFolder();

// The file at path, absolute or relative to folder, its "." and ".." parts
// and doubled "/" resolved as bytes: the framework's own parsing may never
// end on a path whose bytes are no UTF-8 ("//" after such a byte). A path
// that starts with "~" (a home folder) is the framework's, and File() when
// it is no UTF-8.
juce::File childOf (const juce::File& folder, const juce::String& path);

// Resolves path (absolute, or relative to root; "\" read as withSeparators
// reads it) and returns the file only when it lies strictly inside root;
// otherwise returns File().
juce::File resolveInside (const juce::File& root, const juce::String& path);

// Strictly below the folder, by path after the framework's normalisation
// ("a/b/../c" is "a/c"), compared as bytes in one pass whatever they are;
// letter case counts, and a "." or ".." left in the path is never inside.
bool isInside (const juce::File& folder, const juce::File& file);

// The folder itself (the same bytes) or anything below it, as isInside.
bool isFolderOrInside (const juce::File& folder, const juce::File& file);

// Makes the folders above file that are missing; true when its folder is there.
bool createParentFolder (const juce::File& file);

// The last part of a path to show, without its extension when asked, and a
// whole path to show: a byte that is no UTF-8 shows as U+FFFD.
juce::String nameToShow (const juce::String& path, bool withoutExtension);
juce::String pathToShow (const juce::String& path);

// The file's path below folder, cut from its bytes; a file elsewhere as the
// framework gives it (File::getRelativePathFrom).
juce::String relativePath (const juce::File& folder, const juce::File& file);

// Natural, case-insensitive order of names ("Lead 2" before "lead 10");
// names that differ only in case keep a fixed order.
bool isBefore (const juce::String& nameA, const juce::String& nameB);
} // namespace MorvidPresetFolder
