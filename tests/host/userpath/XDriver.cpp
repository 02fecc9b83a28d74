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
    window = XCreateSimpleWindow (display, DefaultRootWindow (display), originX, originY, 325, 454, 0, 0, 0);
    XMapWindow (display, window);
    XSync (display, False);
}

XDriver::~XDriver()
{
    if (display == nullptr)
        return;
    XDestroyWindow (display, window);
    XCloseDisplay (display);
}

void XDriver::moveTo (int x, int y)
{
    XTestFakeMotionEvent (display, DefaultScreen (display), originX + x, originY + y, CurrentTime);
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
            found = { attributes.x - originX, attributes.y - originY, attributes.width, attributes.height };
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
    XSync (display, False);
    juce::Image picture (juce::Image::RGB, width, height, true);
    if (auto* shot = XGetImage (display, window, 0, 0, (unsigned) width, (unsigned) height, AllPlanes, ZPixmap))
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
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
