#pragma once

#include <juce_core/juce_core.h>

// Replaces a file the user keeps (a preset, a rendering, an image) all or
// nothing: the content goes beside it under a ".part" name no listing picks
// up, and moves over it only once all of it is known to be on disk. On any
// failure the ".part" file is removed and an earlier file stays as it was.
namespace FileReplacement
{
bool replaceWith (const juce::File& target, const juce::MemoryBlock& content);
}
