#pragma once

#include "ArdourSandbox.h"

#include <juce_graphics/juce_graphics.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// ardour's own window, on an X display of the test's own with a window
// manager (openbox), opening the sandbox's saved session. The X server, the
// window manager and ardour are each ended by their id when the object goes,
// also when a step failed.
class ArdourScreen
{
public:
    explicit ArdourScreen (ArdourSandbox& sandbox);
    // Without a window manager when asked, and ardour with variables of its
    // own beside the sandbox's.
    ArdourScreen (ArdourSandbox& sandbox, bool withWindowManager, std::map<std::string, std::string> ardourVariables);
    ~ArdourScreen();

    // Starts all three and waits, bounded, for ardour's main window; false
    // with a reason in problem() if any of them does not come up.
    bool start();

    // Ends ardour and opens the session again (as saved last) on the same
    // display; false with a reason when its window does not come.
    bool reopen();

    const std::string& displayName() const { return display; }
    const std::string& problem() const { return lastProblem; }
    // False once ardour has ended, whatever ended it.
    bool isArdourRunning() { return ardour != nullptr && ardour->running(); }
    static constexpr int width = 1280, height = 1024;

    // The processor entries of the mixer strips in a capture of the screen,
    // left to right.
    static std::vector<juce::Point<int>> pluginEntries (const juce::Image& screen);

private:
    bool fail (const std::string& why);
    bool startArdour (const char* logName);

    ArdourSandbox& sandbox;
    bool withWindowManager = true;
    std::map<std::string, std::string> ardourVariables;
    std::string display, lastProblem;
    std::unique_ptr<RunningProgram> server, windowManager, ardour;
};
