#pragma once
// ardour's own window on an X display of its own, with or without a window
// manager (openbox), on a session
// with a track per format ("VST3" and "VST2"), each with the plug-in. Every
// X error raised in ardour is traced (XErrorTrace.c) before ardour's own
// handler sees it. Editors are opened and closed from the mixer strips with
// real pointer events (XTest).
#include "ArdourScreen.h"
#include "XDriver.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class ArdourEditorScreen : public testing::Test
{
protected:
    struct Format
    {
        const char* track;
        int strip; // its mixer strip, left to right
    };
    static constexpr Format vst3 { "VST3", 0 }, vst2 { "VST2", 1 };
    static constexpr int editorWidth = 325, editorHeight = 454;

    void SetUp() override;
    void TearDown() override;

    // Waits, bounded, for `done`; on failure keeps a capture of the screen
    // and says where the X focus was.
    bool until (const juce::String& what, const std::function<bool()>& done, int limitMs = 5000);
    bool fail (const juce::String& what);
    void saveScreen (const juce::String& name);

    // The plug-in's window of ardour's and our editor inside it; empty when
    // not shown.
    XWindowId pluginWindow (const Format& format);
    juce::Rectangle<int> locateEditor (const Format& format);

    // Opens the editor from the mixer strip (a double click on its entry),
    // waits until it shows and moves its window aside (the strips and
    // ardour's clocks in sight); closes it as a window manager's close
    // button does, and waits until it has gone.
    bool openEditor (const Format& format);
    bool closeEditor (const Format& format);

    // Does what a window manager does when it manages and releases a window,
    // `times` times over, as fast as the server goes: puts the plug-in's
    // window of ardour's into a frame window of the test's own, moves the
    // frame (every client watching the screen hears of it), takes the
    // window out and destroys the frame.
    void reframe (const Format& format, int times);

    // Gives the X focus to the pop-up menu shown, as a click in it does.
    bool focusShownMenu();

    // Whether ardour's transport rolls: its clock changes.
    bool transportRolls();

    // The X errors traced so far (empty: none).
    juce::String tracedErrors() const;

    ArdourSandbox sandbox;
    std::unique_ptr<ArdourScreen> screen;
    std::unique_ptr<XDriver> x;
    std::vector<juce::Point<int>> entries;
    bool windowManager = false;
    juce::File errorLog;
    const juce::File captures = juce::File::getCurrentWorkingDirectory().getChildFile ("ardour-editor");
};

class ArdourWithoutWindowManager : public ArdourEditorScreen
{
};

class ArdourWithWindowManager : public ArdourEditorScreen
{
protected:
    ArdourWithWindowManager() { windowManager = true; }
};
