#include "ArdourEditorScreen.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <algorithm>
#include <iostream>
#include <thread>

namespace
{

// ardour's clocks, in its transport bar (lower with a window manager's title bar).
const juce::Rectangle<int> clocks { 490, 25, 320, 55 };
} // namespace

void ArdourEditorScreen::SetUp()
{
    std::string problem;
    ASSERT_TRUE (ArdourSandbox::isInstalled (problem)) << problem;
    const bool ready = sandbox.installAndScan (ArdourSandbox::Format::vst2, juce::File (PANDREL_VST2_PLUGIN))
                       && sandbox.installAndScan (ArdourSandbox::Format::vst3, juce::File (PANDREL_VST3_BUNDLE))
                       && sandbox.createWindowSession ({});
    ASSERT_TRUE (ready) << sandbox.problem();

    errorLog = sandbox.folder().getChildFile ("x-errors.log");
    screen = std::make_unique<ArdourScreen> (
        sandbox, windowManager,
        std::map<std::string, std::string> { { "LD_PRELOAD", PANDREL_XERROR_TRACE },
                                             { "PANDREL_XERROR_LOG", errorLog.getFullPathName().toStdString() } });
    ASSERT_TRUE (screen->start()) << screen->problem();
    x = std::make_unique<XDriver> (screen->displayName(), [] (int ms) { std::this_thread::sleep_for (std::chrono::milliseconds (ms)); });
    ASSERT_TRUE (x->ok()) << "no test extension on " << screen->displayName();
    captures.createDirectory();

    // The mixer, and the plug-in entries of its two strips. Without a window
    // manager the keys go where the pointer is: over ardour's window.
    x->click (640, 600);
    x->chord (XK_Alt_L, XK_m);
    ASSERT_TRUE (until ("the mixer strips", [this] {
        entries = ArdourScreen::pluginEntries (x->captureScreen ({ 0, 0, ArdourScreen::width, ArdourScreen::height }));
        return entries.size() >= 2;
    }, 10000));
}

void ArdourEditorScreen::TearDown()
{
    if (HasFailure())
    {
        sandbox.keep();
        std::cout << "ardour's folder kept: " << sandbox.folder().getFullPathName() << "\n";
        if (const auto errors = tracedErrors(); errors.isNotEmpty())
            std::cout << "X errors in ardour:\n" << errors << "\n";
    }
    x.reset();
    screen.reset();
}

bool ArdourEditorScreen::until (const juce::String& what, const std::function<bool()>& done, int limitMs)
{
    // The check itself may take a while: the limit is on the clock.
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) limitMs;
    while (! done())
    {
        if (juce::Time::getMillisecondCounter() > deadline)
            return fail (what);
        x->pump (10);
    }
    return true;
}

bool ArdourEditorScreen::fail (const juce::String& what)
{
    saveScreen ("failed-" + what.replaceCharacter ('/', '_'));
    ADD_FAILURE() << "timed out waiting for " << what << " (X focus on 0x"
                  << juce::String::toHexString ((juce::int64) x->focusedWindow()) << ")";
    return false;
}

void ArdourEditorScreen::saveScreen (const juce::String& name)
{
    const auto picture = x->captureScreen ({ 0, 0, ArdourScreen::width, ArdourScreen::height });
    juce::FileOutputStream stream (captures.getChildFile (name + ".png"));
    stream.setPosition (0);
    stream.truncate();
    juce::PNGImageFormat().writeImageToStream (picture, stream);
}

XWindowId ArdourEditorScreen::pluginWindow (const Format& format)
{
    return x->findWindow (juce::String (format.track) + ": " + ArdourSandbox::pluginName);
}

juce::Rectangle<int> ArdourEditorScreen::locateEditor (const Format& format)
{
    // The editor's own window where it has one of its size (the VST 2
    // editor, placed in the middle of the host's area), else the view the
    // host made wider, with the picture in its middle (the VST3 view).
    juce::Rectangle<int> editor;
    const auto window = pluginWindow (format);
    for (const auto& placed : window != 0 ? x->windowAndBelow (window) : std::vector<XDriver::Placed> {})
        if (placed.screen.getHeight() == editorHeight && placed.screen.getWidth() >= editorWidth
            && (editor.getWidth() != editorWidth || placed.screen.getWidth() == editorWidth))
            editor = placed.screen;
    x->setOrigin (editor.getPosition() + juce::Point<int> ((editor.getWidth() - editorWidth) / 2, 0));
    return editor;
}

bool ArdourEditorScreen::openEditor (const Format& format)
{
    x->setOrigin ({});
    x->doubleClick (entries[(size_t) format.strip].x, entries[(size_t) format.strip].y);
    if (! until (juce::String (format.track) + " editor open", [&] { return ! locateEditor (format).isEmpty(); }, 20000))
        return false;
    // Aside, as a user drags it, so that the mixer strips and ardour's
    // clocks show.
    const auto window = pluginWindow (format);
    x->moveWindow (window, ArdourScreen::width - 420, 300);
    return until (juce::String (format.track) + " editor aside", [&] { return locateEditor (format).getX() > ArdourScreen::width / 2; });
}

bool ArdourEditorScreen::closeEditor (const Format& format)
{
    x->closeWindow (pluginWindow (format));
    return until (juce::String (format.track) + " editor closed", [&] { return pluginWindow (format) == 0; }, 10000);
}

void ArdourEditorScreen::reframe (const Format& format, int times)
{
    const auto top = pluginWindow (format);
    Display* d = XOpenDisplay (screen->displayName().c_str());
    if (d == nullptr || top == 0)
    {
        ADD_FAILURE() << "nothing to reframe";
        return;
    }
    const auto root = DefaultRootWindow (d);
    XWindowAttributes at {};
    XGetWindowAttributes (d, top, &at);
    for (int i = 0; i < times; ++i)
    {
        const auto frame = XCreateSimpleWindow (d, root, at.x, at.y, (unsigned) at.width + 2, (unsigned) at.height + 22, 0, 0, 0);
        XReparentWindow (d, top, frame, 1, 21);
        XMapWindow (d, frame);
        XMoveWindow (d, frame, at.x + 1 + i % 2, at.y);
        XSync (d, False);
        XReparentWindow (d, top, root, at.x, at.y);
        XDestroyWindow (d, frame);
        XSync (d, False);
    }
    XCloseDisplay (d);
}

bool ArdourEditorScreen::focusShownMenu()
{
    Display* d = XOpenDisplay (screen->displayName().c_str());
    if (d == nullptr)
        return false;
    ::Window root = 0, parent = 0, *children = nullptr, menu = 0;
    unsigned count = 0;
    if (XQueryTree (d, DefaultRootWindow (d), &root, &parent, &children, &count) != 0)
    {
        // Children come bottom first: the last mapped override-redirect one is on top.
        for (unsigned i = count; i-- > 0 && menu == 0;)
        {
            XWindowAttributes attributes;
            if (XGetWindowAttributes (d, children[i], &attributes) && attributes.map_state == IsViewable
                && attributes.override_redirect)
                menu = children[i];
        }
    }
    if (children != nullptr)
        XFree (children);
    if (menu != 0)
        XSetInputFocus (d, menu, RevertToParent, CurrentTime);
    XSync (d, False);
    XCloseDisplay (d);
    return menu != 0 && x->focusedWindow() == menu;
}

bool ArdourEditorScreen::transportRolls()
{
    const auto before = x->captureScreen (clocks);
    return x->pumpUntil ([&] { return ! XDriver::shows (x->captureScreen (clocks), before.getBounds(), before, 0); }, 1500);
}

juce::String ArdourEditorScreen::tracedErrors() const
{
    return errorLog.existsAsFile() ? errorLog.loadFileAsString() : juce::String();
}
