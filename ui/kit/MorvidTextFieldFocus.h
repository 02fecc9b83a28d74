#pragma once

#include "MorvidHostKeyboard.h"

#include <juce_gui_basics/juce_gui_basics.h>

// Keyboard focus inside a plug-in window embedded in a host's window.
//
// Only text fields take the keyboard. The framework takes the X focus with
// every click in its window; unless a field is being typed into, it goes
// back to the host's window once the click is done (or the pop-up menu it
// opened has closed), so the host keeps its space bar and shortcuts.
//
// The field the user is typing into keeps the keyboard until its panel
// closes, whatever order the host's window and ours exchange the X focus
// in: when that focus comes back to our window, the framework hands the
// keyboard to whichever component had it before, which is often not the
// field just clicked.
class MorvidTextFieldFocus : private juce::FocusChangeListener,
                             private juce::MouseListener,
                             private juce::Timer
{
public:
    // Call once the window's children are all made.
    explicit MorvidTextFieldFocus (juce::Component& window);
    ~MorvidTextFieldFocus() override;

    // The field being typed into, if any.
    juce::TextEditor* field() const { return editing.getComponent(); }

private:
    void globalFocusChanged (juce::Component* focused) override;
    void mouseDown (const juce::MouseEvent& event) override;
    void mouseUp (const juce::MouseEvent& event) override;
    void timerCallback() override;

    bool isOurs (const juce::Component* component) const;
    bool canType (const juce::TextEditor* textField) const;
    static bool isMenuOpen();
    void giveKeysBack();

    juce::Component& window;
    MorvidHostKeyboard hostKeyboard;
    juce::Component::SafePointer<juce::TextEditor> editing;
    bool menuWasOpen = false, pickedInMenu = false;
    int ticksSinceMenuClosed = -1;
    juce::uint32 fieldClickedAt = 0;

    JUCE_DECLARE_NON_COPYABLE (MorvidTextFieldFocus)
};
