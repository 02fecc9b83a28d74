// The dialogs' images (dark cards with light text areas) and the about picture.
#pragma once

#include <juce_graphics/juce_graphics.h>

namespace artwork
{
juce::Image paintDialogBackground();
juce::Image paintBrowserBackground();

// Full-panel layer holding only the browser's title.
juce::Image paintBrowserTitle (const juce::String& title);

enum class Icon { asterisk, smile, frown };
// Full-panel layer holding only the icon (the panel draws it 12 px down).
juce::Image paintIconLayer (Icon icon);

juce::Image paintAboutPicture();
} // namespace artwork
