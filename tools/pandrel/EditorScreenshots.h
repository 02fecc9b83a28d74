#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// Pictures of the editor on a real processor: at its defaults, at a setting
// far from them, and with each of its panels open. They are for people to
// look at, not for comparing pixels. The headless tool writes them; the
// tests call the same code.
namespace EditorScreenshots
{
struct Shot
{
    juce::String name; // file name without extension
    juce::Image picture;
};

// Renders every shot. Works in a throw-away HOME of its own (presets and the
// preset folder are made there), so the user's files are never touched.
// Needs JUCE's message manager; no display.
std::vector<Shot> renderAll();

// Writes each shot as DIR/<name>.png; the names written, or an empty list
// when the folder or a file could not be written.
juce::StringArray writeAll (const juce::File& folder);
} // namespace EditorScreenshots
