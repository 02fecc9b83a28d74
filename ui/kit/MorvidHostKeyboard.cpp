#include "MorvidHostKeyboard.h"

#if JUCE_LINUX || JUCE_BSD
 #include <X11/Xlib.h>
 #include <X11/Xutil.h>

 #include <algorithm>

namespace
{
Display* asDisplay (void* display) { return static_cast<Display*> (display); }

::Window windowOf (juce::ComponentPeer& peer)
{
    return static_cast<::Window> (reinterpret_cast<juce::pointer_sized_uint> (peer.getNativeHandle()));
}

// A window the host closed meanwhile answers with an error, which Xlib hands
// to the host's handler: ours ignores them while we ask.
class IgnoredErrors
{
public:
    explicit IgnoredErrors (Display* display_) : display (display_), previous (XSetErrorHandler (ignore)) {}
    ~IgnoredErrors()
    {
        XSync (display, False);
        XSetErrorHandler (previous);
    }

private:
    static int ignore (Display*, XErrorEvent*) { return 0; }
    Display* display;
    XErrorHandler previous;
};

::Window parentOf (Display* display, ::Window window, ::Window& root)
{
    ::Window parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree (display, window, &root, &parent, &children, &count) == 0)
        return 0;
    if (children != nullptr)
        XFree (children);
    return parent;
}

bool isManaged (Display* display, ::Window window)
{
    const Atom managed = XInternAtom (display, "WM_STATE", True);
    if (managed == 0)
        return false;
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty (display, window, managed, 0, 0, False, AnyPropertyType, &type, &format, &items, &after, &data);
    if (data != nullptr)
        XFree (data);
    return type != 0;
}

// The host's top-level window above `window`: the first ancestor a window
// manager manages, or without one the ancestor just below the root.
::Window topLevelOf (Display* display, ::Window window)
{
    for (::Window root = 0;;)
    {
        const auto parent = parentOf (display, window, root);
        if (parent == 0)
            return 0;
        if (parent == root || isManaged (display, window))
            return window;
        window = parent;
    }
}

bool isInside (Display* display, ::Window window, ::Window ancestor)
{
    for (::Window root = 0; window != 0; window = parentOf (display, window, root))
        if (window == ancestor)
            return true;
    return false;
}

// Asks a top-level window to take the focus, as a window manager does, when
// it takes part in that; otherwise gives it the focus.
void focusTopLevel (Display* display, ::Window window)
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

MorvidHostKeyboard::MorvidHostKeyboard (juce::Component& window_) : window (window_) {}

MorvidHostKeyboard::~MorvidHostKeyboard()
{
    if (display != nullptr)
        XCloseDisplay (asDisplay (display));
}

void MorvidHostKeyboard::watch()
{
    auto* peer = window.getPeer();
    if (peer == nullptr || (display == nullptr && (display = XOpenDisplay (nullptr)) == nullptr))
        return;

    auto* d = asDisplay (display);
    ::Window focused = 0;
    int revert = 0;
    XGetInputFocus (d, &focused, &revert);
    if (focused == lastSeen)
        return;
    lastSeen = focused;

    const IgnoredErrors errors (d);
    const auto ours = windowOf (*peer);
    if (focused > PointerRoot && ! isInside (d, focused, ours) && isInside (d, focused, topLevelOf (d, ours)))
        hostFocus = focused;
}

void MorvidHostKeyboard::giveBack()
{
    auto* peer = window.getPeer();
    if (peer == nullptr || ! peer->isFocused() || (display == nullptr && (display = XOpenDisplay (nullptr)) == nullptr))
        return;

    auto* d = asDisplay (display);
    const IgnoredErrors errors (d);
    const auto topLevel = topLevelOf (d, windowOf (*peer));
    XWindowAttributes attributes {};

    // Where the host held it inside its window, at once: a request through
    // the host's own event loop could land after the next click and take the
    // keyboard from what that click opened. The top-level window itself is
    // asked instead: a toolkit that keeps a focus window of its own ignores
    // keys given to its top-level, which a window manager's click may have
    // focused for a moment.
    if (hostFocus != 0 && hostFocus != topLevel && isInside (d, hostFocus, topLevel)
        && XGetWindowAttributes (d, hostFocus, &attributes) != 0 && attributes.map_state == IsViewable)
        XSetInputFocus (d, hostFocus, RevertToParent, CurrentTime);
    else if (topLevel != 0 && XGetWindowAttributes (d, topLevel, &attributes) != 0 && attributes.map_state == IsViewable)
        focusTopLevel (d, topLevel);
}

#else

MorvidHostKeyboard::MorvidHostKeyboard (juce::Component& window_) : window (window_) {}
MorvidHostKeyboard::~MorvidHostKeyboard() = default;
void MorvidHostKeyboard::watch() {}
void MorvidHostKeyboard::giveBack() {}

#endif
