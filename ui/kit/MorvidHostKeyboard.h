#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The keyboard of a plug-in window embedded in a host's window. The
// framework takes the X keyboard focus into its window with every click; the
// host keeps it elsewhere inside its own top-level window (toolkits keep a
// focus window of their own there). This notes where, and puts it back.
class MorvidHostKeyboard
{
public:
    explicit MorvidHostKeyboard (juce::Component& window);
    ~MorvidHostKeyboard();

    // Notes where the host's window holds the keyboard, while ours does not.
    void watch();

    // When our window holds the keyboard, or one of the framework's own
    // windows (a menu), or nobody (a closing window left it to the root and
    // no window manager took it up), hands it back to the host: where the
    // host last held it, else to its top-level window the way a window
    // manager does.
    void giveBack();

    // Whether the keyboard is with the host, in the top-level window that
    // holds ours.
    bool isWithTheHostsWindow();

    // After a pop-up menu of ours closed by a pick: the framework's menu took
    // the X focus with the click and lost it to whatever the window manager
    // chose when it closed; the host's window gets it back.
    void reclaim();

private:
    juce::Component& window;
    // A connection of our own, through XCB: its errors come back with each
    // answer instead of going to the host's error handler (which may end the
    // host), so asking about a window that has just gone is harmless.
    void* connection = nullptr;
    unsigned long lastSeen = 0, hostFocus = 0;

    JUCE_DECLARE_NON_COPYABLE (MorvidHostKeyboard)
};
