// The modal rules every panel of the kit follows. A panel is modal while
// open; a nested panel (browser > new folder or question > alert) takes the
// modal state from its parent while it is open and gives it back when it
// closes, so only the innermost open panel is modal.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace MorvidModalPanel
{
// Before a nested panel opens: its parent leaves modal state.
void takeFromParent (juce::Component& panel, bool changeParentModal);

// Makes the panel modal (and visible). The framework refuses a second entry,
// so a panel that is already modal stays as it is.
void enter (juce::Component& panel);

// Ends the panel's modal state; a nested panel that was open gives it back to
// its parent, if that parent is still open and not modal already.
void leave (juce::Component& panel, bool changeParentModal);

// Modal state is process-wide, but a panel only speaks for its own window:
// events for components in other windows (another instance's editor) pass.
bool letsThrough (const juce::Component& panel, const juce::Component* target);
} // namespace MorvidModalPanel
