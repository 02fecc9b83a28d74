#include "MorvidHostKeyboard.h"

#if JUCE_LINUX || JUCE_BSD
 #include <X11/Xlib.h>
 #include <X11/Xutil.h>

 #include <algorithm>

namespace
{
// The host's top-level window above ours: the first ancestor a window
// manager manages (it carries WM_STATE), or without one the ancestor just
// below the root.
::Window hostTopLevel (Display* display, ::Window ours)
{
    const Atom managed = XInternAtom (display, "WM_STATE", True);
    ::Window window = ours;

    for (;;)
    {
        ::Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;

        if (XQueryTree (display, window, &root, &parent, &children, &count) == 0)
            return 0;
        if (children != nullptr)
            XFree (children);
        if (parent == 0 || parent == root)
            return window != ours ? window : 0;

        window = parent;

        if (managed != 0)
        {
            Atom type = 0;
            int format = 0;
            unsigned long items = 0, after = 0;
            unsigned char* data = nullptr;
            XGetWindowProperty (display, window, managed, 0, 0, False, AnyPropertyType, &type, &format, &items, &after, &data);
            if (data != nullptr)
                XFree (data);
            if (type != 0)
                return window;
        }
    }
}
// A window that takes the focus itself (toolkits keep a focus window of
// their own inside) is asked to, as a window manager asks it; any other is
// given the focus.
void focus (Display* display, ::Window window)
{
    const Atom protocols = XInternAtom (display, "WM_PROTOCOLS", True);
    const Atom takeFocus = XInternAtom (display, "WM_TAKE_FOCUS", True);
    Atom* list = nullptr;
    int count = 0;
    bool asks = false;

    if (protocols != 0 && takeFocus != 0 && XGetWMProtocols (display, window, &list, &count) != 0)
    {
        asks = std::find (list, list + count, takeFocus) != list + count;
        XFree (list);
    }

    if (! asks)
    {
        XSetInputFocus (display, window, RevertToParent, CurrentTime);
        return;
    }

    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long> (takeFocus);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent (display, window, False, NoEventMask, &event);
}
} // namespace

namespace MorvidHostKeyboard
{
void giveBack (juce::Component& window)
{
    auto* peer = window.getPeer();

    if (peer == nullptr || ! peer->isFocused())
        return;

    // A connection of our own: the framework keeps its own to itself.
    Display* display = XOpenDisplay (nullptr);

    if (display == nullptr)
        return;

    const auto ours = static_cast<::Window> (reinterpret_cast<juce::pointer_sized_uint> (peer->getNativeHandle()));
    XWindowAttributes attributes {};

    if (const auto host = hostTopLevel (display, ours);
        host != 0 && XGetWindowAttributes (display, host, &attributes) != 0 && attributes.map_state == IsViewable)
        focus (display, host);

    XSync (display, False);
    XCloseDisplay (display);
}
} // namespace MorvidHostKeyboard

#else

namespace MorvidHostKeyboard
{
void giveBack (juce::Component&) {}
} // namespace MorvidHostKeyboard

#endif
