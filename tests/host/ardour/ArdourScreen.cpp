#include "ArdourScreen.h"

#include <X11/Xlib.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <utility>
#include <thread>

namespace
{
// Polls until `done` holds, for at most `seconds`.
bool within (double seconds, const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double> (seconds);
    while (! done())
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for (std::chrono::milliseconds (50));
    }
    return true;
}

// Asks the display something once it answers at all.
bool withDisplay (const std::string& name, const std::function<bool (Display*)>& ask)
{
    Display* display = XOpenDisplay (name.c_str());
    if (display == nullptr)
        return false;
    const bool answer = ask (display);
    XCloseDisplay (display);
    return answer;
}

bool hasWindowManager (Display* display)
{
    const Atom check = XInternAtom (display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None)
        return false;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty (display, DefaultRootWindow (display), check, 0, 1, False, AnyPropertyType, &type, &format,
                        &items, &after, &data);
    if (data != nullptr)
        XFree (data);
    return items == 1;
}

bool hasWindowNamed (Display* display, ::Window window, const std::string& title)
{
    char* name = nullptr;
    if (XFetchName (display, window, &name) != 0 && name != nullptr)
    {
        const bool found = std::string (name).find (title) != std::string::npos;
        XFree (name);
        if (found)
            return true;
    }
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    bool found = false;
    if (XQueryTree (display, window, &root, &parent, &children, &count) != 0 && children != nullptr)
    {
        for (unsigned i = 0; i < count && ! found; ++i)
            found = hasWindowNamed (display, children[i], title);
        XFree (children);
    }
    return found;
}
} // namespace

ArdourScreen::ArdourScreen (ArdourSandbox& sandbox_) : sandbox (sandbox_) {}

ArdourScreen::ArdourScreen (ArdourSandbox& sandbox_, bool withWindowManager_, std::map<std::string, std::string> ardourVariables_)
    : sandbox (sandbox_), withWindowManager (withWindowManager_), ardourVariables (std::move (ardourVariables_))
{
}

ArdourScreen::~ArdourScreen()
{
    // ardour first: it should not see its display go.
    ardour.reset();
    windowManager.reset();
    server.reset();
}

bool ArdourScreen::fail (const std::string& why)
{
    lastProblem = why + " (logs in " + sandbox.folder().getFullPathName().toStdString() + ")";
    return false;
}

bool ArdourScreen::start()
{
    for (const char* program : { "/usr/bin/Xvfb", "/usr/bin/openbox", "/usr/bin/ardour" })
        if (! juce::File (program).existsAsFile() && (withWindowManager || std::string (program) != "/usr/bin/openbox"))
            return fail (std::string (program) + " is missing (scripts/setup-debian.sh installs it)");

    // The X server picks a display nobody holds and says which once it
    // takes connections.
    int ready[2] = { -1, -1 };
    if (pipe (ready) != 0)
        return fail ("no pipe for the X server");
    const auto log = [this] (const char* name) { return sandbox.folder().getChildFile (name).getFullPathName().toStdString(); };
    auto environment = sandbox.environment();
    server = std::make_unique<RunningProgram> (
        std::vector<std::string> { "/usr/bin/Xvfb", "-displayfd", std::to_string (ready[1]), "-screen", "0",
                                   std::to_string (width) + "x" + std::to_string (height) + "x24", "-nolisten", "tcp" },
        environment, log ("xvfb.log"));
    close (ready[1]);
    std::string number;
    pollfd answer { ready[0], POLLIN, 0 };
    for (char c = 0; poll (&answer, 1, 10000) > 0 && read (ready[0], &c, 1) == 1 && c != '\n';)
        number += c;
    close (ready[0]);
    if (number.empty())
        return fail ("the X server did not start");
    display = ":" + number;

    environment["DISPLAY"] = display;
    if (withWindowManager)
    {
        windowManager = std::make_unique<RunningProgram> (std::vector<std::string> { "/usr/bin/openbox", "--sm-disable" },
                                                          environment, log ("openbox.log"));
        if (! within (10, [this] { return withDisplay (display, hasWindowManager); }))
            return fail ("openbox did not start");
    }
    else if (! within (10, [this] { return withDisplay (display, [] (Display*) { return true; }); }))
    {
        return fail ("the X server takes no connection");
    }

    for (const auto& [name, value] : ardourVariables)
        environment[name] = value;

    return startArdour ("ardour-window.log");
}

bool ArdourScreen::reopen()
{
    if (server == nullptr)
        return fail ("no X server to open ardour on");
    ardour.reset();
    // Its windows gone first: the new one is told by its title.
    const std::string title = std::string (ArdourSandbox::sessionName) + " - Ardour";
    if (! within (10, [this, &title] {
            return withDisplay (display, [&title] (Display* d) { return ! hasWindowNamed (d, DefaultRootWindow (d), title); });
        }))
        return fail ("ardour's window stayed after it ended");
    return startArdour ("ardour-window-again.log");
}

bool ArdourScreen::startArdour (const char* logName)
{
    auto environment = sandbox.environment();
    environment["DISPLAY"] = display;
    ardour = std::make_unique<RunningProgram> (
        std::vector<std::string> { "/usr/bin/ardour", "--no-splash", "--no-announcements",
                                   sandbox.sessionFile().getFullPathName().toStdString() },
        environment, sandbox.folder().getChildFile (logName).getFullPathName().toStdString());
    const std::string title = std::string (ArdourSandbox::sessionName) + " - Ardour";
    if (! within (60, [this, &title] {
            return withDisplay (display, [&title] (Display* d) { return hasWindowNamed (d, DefaultRootWindow (d), title); });
        }))
        return fail ("ardour's window did not open");
    return true;
}

// The plug-ins' dark red buttons in the strips' processor boxes.
std::vector<juce::Point<int>> ArdourScreen::pluginEntries (const juce::Image& screen)
{
    std::vector<juce::Rectangle<int>> found;
    for (int y = 100; y < 420; ++y)
        for (int x = 260; x < 900; ++x)
        {
            const auto c = screen.getPixelAt (x, y);
            if (c.getRed() < 85 || c.getRed() > 115 || c.getGreen() > 58 || c.getBlue() > 58 || c.getRed() < c.getGreen() + 35)
                continue;
            const juce::Rectangle<int> pixel { x, y, 1, 1 };
            auto near = std::find_if (found.begin(), found.end(), [&] (auto r) { return r.expanded (12).intersects (pixel); });
            if (near == found.end())
                found.push_back (pixel);
            else
                *near = near->getUnion (pixel);
        }
    std::vector<juce::Point<int>> centres;
    for (auto r : found)
        if (r.getWidth() > 40 && r.getHeight() > 8)
            centres.push_back (r.getCentre());
    std::sort (centres.begin(), centres.end(), [] (auto a, auto b) { return a.x < b.x; });
    return centres;
}
