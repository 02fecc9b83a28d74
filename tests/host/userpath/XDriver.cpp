#include "XDriver.h"

#include <X11/Xlib.h>

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdlib>

XDriver::XDriver (std::function<void (int)> pump) : pumpHost (std::move (pump))
{
    if (std::getenv ("DISPLAY") == nullptr || (display = XOpenDisplay (nullptr)) == nullptr)
        return;

    int event = 0, error = 0, major = 0, minor = 0;
    hasXTest = XTestQueryExtension (display, &event, &error, &major, &minor);
    window = XCreateSimpleWindow (display, DefaultRootWindow (display), origin.x, origin.y, 325, 454, 0, 0, 0);
    ownWindow = true;
    XMapWindow (display, window);
    XSync (display, False);
}

XDriver::XDriver (const juce::String& displayName, std::function<void (int)> pump) : pumpHost (std::move (pump))
{
    if ((display = XOpenDisplay (displayName.toRawUTF8())) == nullptr)
        return;

    // Another program's windows come and go between two questions about them.
    XSetErrorHandler ([] (Display*, XErrorEvent*) { return 0; });

    int event = 0, error = 0, major = 0, minor = 0;
    hasXTest = XTestQueryExtension (display, &event, &error, &major, &minor);
    window = DefaultRootWindow (display);
    origin = {};
}

XDriver::~XDriver()
{
    if (display == nullptr)
        return;
    if (ownWindow)
        XDestroyWindow (display, window);
    XCloseDisplay (display);
}

XWindowId XDriver::findWindow (const juce::String& title)
{
    std::vector<::Window> toVisit { DefaultRootWindow (display) };
    while (! toVisit.empty())
    {
        const auto candidate = toVisit.back();
        toVisit.pop_back();
        char* name = nullptr;
        XWindowAttributes attributes;
        if (XGetWindowAttributes (display, candidate, &attributes) != 0 && attributes.map_state == IsViewable
            && XFetchName (display, candidate, &name) != 0 && name != nullptr)
        {
            const bool found = juce::String::fromUTF8 (name).contains (title);
            XFree (name);
            if (found)
                return candidate;
        }
        ::Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        if (XQueryTree (display, candidate, &root, &parent, &children, &count) != 0 && children != nullptr)
        {
            toVisit.insert (toVisit.end(), children, children + count);
            XFree (children);
        }
    }
    return 0;
}

std::vector<XDriver::Placed> XDriver::windowAndBelow (XWindowId top)
{
    std::vector<Placed> found;
    std::vector<::Window> toVisit { top };
    while (! toVisit.empty())
    {
        const auto candidate = toVisit.back();
        toVisit.pop_back();
        XWindowAttributes attributes;
        int x = 0, y = 0;
        ::Window child = 0;
        if (XGetWindowAttributes (display, candidate, &attributes) == 0
            || XTranslateCoordinates (display, candidate, DefaultRootWindow (display), 0, 0, &x, &y, &child) == 0)
            continue;
        found.push_back ({ candidate, { x, y, attributes.width, attributes.height } });
        ::Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        if (XQueryTree (display, candidate, &root, &parent, &children, &count) != 0 && children != nullptr)
        {
            toVisit.insert (toVisit.end(), children, children + count);
            XFree (children);
        }
    }
    return found;
}

void XDriver::moveWindow (XWindowId top, int x, int y)
{
    XMoveWindow (display, top, x, y);
    XFlush (display);
}

void XDriver::closeWindow (XWindowId top)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = top;
    event.xclient.message_type = XInternAtom (display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long) XInternAtom (display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent (display, top, False, NoEventMask, &event);
    XFlush (display);
}

bool XDriver::shows (const juce::Image& screen, juce::Rectangle<int> place, const juce::Image& strip, int frame)
{
    // Only the strip's opaque pixels: the others show what lies below.
    int differing = 0, compared = 0;
    for (int y = 0; y < place.getHeight(); ++y)
        for (int x = 0; x < place.getWidth(); ++x)
        {
            const auto b = strip.getPixelAt (x, frame * place.getHeight() + y);
            if (b.getAlpha() < 255)
                continue;
            const auto a = screen.getPixelAt (place.getX() + x, place.getY() + y);
            ++compared;
            differing += std::abs (a.getRed() - b.getRed()) > 6 || std::abs (a.getGreen() - b.getGreen()) > 6
                         || std::abs (a.getBlue() - b.getBlue()) > 6;
        }
    return compared > 0 && differing * 50 < compared;
}

XWindowId XDriver::focusedWindow()
{
    ::Window focused = 0;
    int revert = 0;
    XGetInputFocus (display, &focused, &revert);
    return focused;
}

void XDriver::moveTo (int x, int y)
{
    XTestFakeMotionEvent (display, DefaultScreen (display), origin.x + x, origin.y + y, CurrentTime);
    XSync (display, False);
    pumpHost (50);
}

void XDriver::button (bool down)
{
    XTestFakeButtonEvent (display, 1, down ? True : False, CurrentTime);
    XSync (display, False);
    pumpHost (60);
}

void XDriver::click (int x, int y)
{
    moveTo (x, y);
    button (true);
    button (false);
    pumpHost (100);
}

void XDriver::doubleClick (int x, int y)
{
    moveTo (x, y);
    for (int i = 0; i < 2; ++i)
    {
        XTestFakeButtonEvent (display, 1, True, CurrentTime);
        XTestFakeButtonEvent (display, 1, False, CurrentTime);
    }
    XFlush (display);
    pumpHost (200);
}

void XDriver::drag (int x, int y, int dx, int dy)
{
    moveTo (x, y);
    button (true);
    const int steps = 8;
    for (int i = 1; i <= steps; ++i)
        moveTo (x + dx * i / steps, y + dy * i / steps);
    button (false);
    pumpHost (100);
}

void XDriver::key (unsigned long keysym)
{
    const auto code = XKeysymToKeycode (display, keysym);
    XTestFakeKeyEvent (display, code, True, CurrentTime);
    XTestFakeKeyEvent (display, code, False, CurrentTime);
    XFlush (display);
    pumpHost (60);
}

void XDriver::chord (unsigned long modifierKeysym, unsigned long keysym)
{
    const auto modifier = XKeysymToKeycode (display, modifierKeysym);
    XTestFakeKeyEvent (display, modifier, True, CurrentTime);
    key (keysym);
    XTestFakeKeyEvent (display, modifier, False, CurrentTime);
    XFlush (display);
    pumpHost (60);
}

void XDriver::type (const juce::String& text)
{
    for (auto c : text)
    {
        const bool upper = juce::CharacterFunctions::isUpperCase (c);
        const auto shift = XKeysymToKeycode (display, XK_Shift_L);
        if (upper)
            XTestFakeKeyEvent (display, shift, True, CurrentTime);
        key (juce::CharacterFunctions::toLowerCase (c));
        if (upper)
            XTestFakeKeyEvent (display, shift, False, CurrentTime);
    }
    XFlush (display);
    pumpHost (60);
}

juce::Rectangle<int> XDriver::shownMenu()
{
    XSync (display, False);
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    juce::Rectangle<int> found;
    if (! XQueryTree (display, DefaultRootWindow (display), &root, &parent, &children, &count))
        return found;

    // Children come bottom first: the last mapped override-redirect one is on top.
    for (unsigned i = count; i-- > 0;)
    {
        XWindowAttributes attributes;
        if (children[i] != window && XGetWindowAttributes (display, children[i], &attributes)
            && attributes.map_state == IsViewable && attributes.override_redirect)
        {
            found = { attributes.x - origin.x, attributes.y - origin.y, attributes.width, attributes.height };
            break;
        }
    }
    if (children != nullptr)
        XFree (children);
    return found;
}

void XDriver::hoverMenuItem (int itemCentre)
{
    const auto menu = shownMenu();
    moveTo (menu.getX() + menu.getWidth() / 3, menu.getY() + itemCentre);
    pumpHost (300);
}

void XDriver::clickMenuItem (int itemCentre)
{
    const auto menu = shownMenu();
    click (menu.getX() + menu.getWidth() / 3, menu.getY() + itemCentre);
}

juce::Image XDriver::capture (int width, int height)
{
    return captureScreen ({ origin.x, origin.y, width, height });
}

juce::Image XDriver::captureScreen (juce::Rectangle<int> area)
{
    XSync (display, False);
    // A window of its own is read directly; anything else through the root.
    const auto source = ownWindow ? window : DefaultRootWindow (display);
    const auto at = ownWindow ? area.getPosition() - origin : area.getPosition();
    juce::Image picture (juce::Image::RGB, area.getWidth(), area.getHeight(), true);
    if (auto* shot = XGetImage (display, source, at.x, at.y, (unsigned) area.getWidth(), (unsigned) area.getHeight(),
                                AllPlanes, ZPixmap))
    {
        for (int y = 0; y < area.getHeight(); ++y)
            for (int x = 0; x < area.getWidth(); ++x)
            {
                const auto p = XGetPixel (shot, x, y);
                picture.setPixelAt (x, y, juce::Colour ((juce::uint8) ((p >> 16) & 0xff), (juce::uint8) ((p >> 8) & 0xff),
                                                        (juce::uint8) (p & 0xff)));
            }
        XDestroyImage (shot);
    }
    return picture;
}

juce::Image XDriver::captureTo (const juce::File& folder, const juce::String& name)
{
    const auto picture = capture();
    folder.createDirectory();
    const auto file = folder.getChildFile (name + ".png");
    file.deleteFile();
    juce::FileOutputStream stream (file);
    juce::PNGImageFormat().writeImageToStream (picture, stream);
    return picture;
}
