#pragma once

#include <juce_graphics/juce_graphics.h>

// Text a capture of ardour's window shows, read by an OCR program
// (tesseract): ardour draws its own widgets, and what they say is seen only
// on the screen. The capture is made black text on white and four times
// larger first, which the reader needs for text this small.
namespace ScreenText
{
// False, with a reason, when the reader is not installed.
bool isInstalled (juce::String& problem);

// The lines read in a capture, each trimmed, empty ones left out; as one
// line when `oneLine` (a button's label). Light text on dark unless
// `darkText`. Empty when the reader fails or takes longer than ten seconds
// (it is then ended).
juce::StringArray read (const juce::Image& capture, bool oneLine = false, bool darkText = false);

// Whether what was read holds the text. The reader now and then takes a
// zero for the letter O (beside ardour's "modified" star, say): the two
// count as one.
bool says (const juce::String& read, const juce::String& text);
bool same (const juce::String& read, const juce::String& text);
} // namespace ScreenText
