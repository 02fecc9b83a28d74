#pragma once
// Real pointer and key events through the X server's test extension (XTest),
// a host window for the editor, and captures of what the server shows.
#include <juce_graphics/juce_graphics.h>


#include <functional>
#include <vector>

// X11's own types stay out of this header: its macros clash with others'.
using XWindowId = unsigned long;

class XDriver
{
public:
    // `pump` runs the host's loop for a while (message loop, idle calls).
    explicit XDriver (std::function<void (int ms)> pump);
    // Drives the windows of another program on the named display: no host
    // window of its own, points relative to an origin set on the screen.
    XDriver (const juce::String& displayName, std::function<void (int ms)> pump);
    ~XDriver();

    XDriver (const XDriver&) = delete;
    XDriver& operator= (const XDriver&) = delete;

    // False without a display or without the test extension.
    bool ok() const { return display != nullptr && hasXTest; }

    // A plain top-level window at a fixed place on the screen, as a host
    // gives a plug-in's editor; the editor's point (x, y) is then at
    // origin + (x, y) on the screen.
    XWindowId hostWindow() const { return window; }
    void setOrigin (juce::Point<int> onScreen) { origin = onScreen; }

    // Windows of any program: the first shown whose title contains `title`, and
    // where a window and each window below it lie on the screen.
    XWindowId findWindow (const juce::String& title);
    struct Placed
    {
        XWindowId id;
        juce::Rectangle<int> screen;
    };
    std::vector<Placed> windowAndBelow (XWindowId top);
    XWindowId focusedWindow();

    // Points are in editor coordinates.
    void click (int x, int y);
    void doubleClick (int x, int y);
    void drag (int x, int y, int dx, int dy);
    void key (unsigned long keysym);
    // A key pressed while a modifier key (Control_L, Alt_L, ...) is held.
    void chord (unsigned long modifierKeysym, unsigned long keysym);
    void type (const juce::String& text);

    // The pop-up menu shown last (the top-most override-redirect window), in
    // editor coordinates; empty when none is shown.
    juce::Rectangle<int> shownMenu();
    // Clicks the menu item of the shown menu that lies `itemCentre` pixels
    // below the menu's top edge.
    void clickMenuItem (int itemCentre);
    void hoverMenuItem (int itemCentre);

    // What the screen shows of the host window.
    juce::Image capture (int width = 325, int height = 454);
    juce::Image captureScreen (juce::Rectangle<int> area);
    // The capture written as PNG into `folder`, for people to look at.
    juce::Image captureTo (const juce::File& folder, const juce::String& name);

    void pump (int ms) { pumpHost (ms); }

    // Moves a top-level window, as a user drags it.
    void moveWindow (XWindowId top, int x, int y);
    // Asks a top-level window to close, as a window manager's close button does.
    void closeWindow (XWindowId top);

    // True when `screen` shows frame `frame` of the image strip at `place`:
    // all but a few pixels within a few levels (anti-aliased edges aside).
    static bool shows (const juce::Image& screen, juce::Rectangle<int> place, const juce::Image& strip, int frame);

    // Pumps until `done` holds, for five seconds at most; whether it came to.
    bool pumpUntil (const std::function<bool()>& done, int limitMs = 5000)
    {
        for (int waited = 0; ! done(); waited += 10)
        {
            if (waited >= limitMs)
                return false;
            pumpHost (10);
        }
        return true;
    }

private:
    void moveTo (int x, int y);
    void button (bool down);

    std::function<void (int)> pumpHost;
    struct _XDisplay* display = nullptr;
    XWindowId window = 0;
    bool ownWindow = false;
    juce::Point<int> origin { 40, 40 };
    bool hasXTest = false;
};
