#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The keyboard of a plug-in window embedded in a host's window.
namespace MorvidHostKeyboard
{
// When the window holds the X keyboard focus, hands it to the host's
// top-level window, so the host's own keys work again. Does nothing
// elsewhere, or when the window does not hold the focus.
void giveBack (juce::Component& window);
} // namespace MorvidHostKeyboard
