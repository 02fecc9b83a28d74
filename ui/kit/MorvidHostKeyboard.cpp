#include "MorvidHostKeyboard.h"

#if JUCE_LINUX || JUCE_BSD
 #include <xcb/xcb.h>

 #include <algorithm>
 #include <cstdlib>
 #include <cstring>
 #include <memory>

namespace
{
using Window = xcb_window_t;

template <typename Reply>
using Answer = std::unique_ptr<Reply, decltype (&std::free)>;

template <typename Reply>
Answer<Reply> answer (Reply* reply)
{
    return { reply, &std::free };
}

xcb_connection_t* asConnection (void* connection) { return static_cast<xcb_connection_t*> (connection); }

Window windowOf (juce::ComponentPeer& peer)
{
    return static_cast<Window> (reinterpret_cast<juce::pointer_sized_uint> (peer.getNativeHandle()));
}

xcb_atom_t atom (xcb_connection_t* c, const char* name)
{
    const auto reply = answer (xcb_intern_atom_reply (c, xcb_intern_atom (c, 1, (uint16_t) std::strlen (name), name), nullptr));
    return reply != nullptr ? reply->atom : xcb_atom_t { XCB_ATOM_NONE };
}

// 0 when the window has gone.
Window parentOf (xcb_connection_t* c, Window window, Window& root)
{
    const auto reply = answer (xcb_query_tree_reply (c, xcb_query_tree (c, window), nullptr));
    if (reply == nullptr)
        return 0;
    root = reply->root;
    return reply->parent;
}

bool hasProperty (xcb_connection_t* c, Window window, xcb_atom_t property)
{
    const auto reply = answer (xcb_get_property_reply (c, xcb_get_property (c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 0), nullptr));
    return reply != nullptr && reply->type != XCB_ATOM_NONE;
}

// The host's top-level window above `window`: the first ancestor a window
// manager manages (it carries WM_STATE), or without one the ancestor just
// below the root.
Window topLevelOf (xcb_connection_t* c, Window window)
{
    const auto managed = atom (c, "WM_STATE");
    for (Window root = 0;;)
    {
        const auto parent = parentOf (c, window, root);
        if (parent == 0)
            return 0;
        if (parent == root || (managed != XCB_ATOM_NONE && hasProperty (c, window, managed)))
            return window;
        window = parent;
    }
}

bool isInside (xcb_connection_t* c, Window window, Window ancestor)
{
    for (Window root = 0; window != 0; window = parentOf (c, window, root))
        if (window == ancestor)
            return true;
    return false;
}

bool isViewable (xcb_connection_t* c, Window window)
{
    const auto reply = answer (xcb_get_window_attributes_reply (c, xcb_get_window_attributes (c, window), nullptr));
    return reply != nullptr && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

Window focusedWindow (xcb_connection_t* c)
{
    const auto reply = answer (xcb_get_input_focus_reply (c, xcb_get_input_focus (c), nullptr));
    return reply != nullptr ? reply->focus : 0;
}

void setFocus (xcb_connection_t* c, Window window)
{
    // Checked, so that a refusal comes back here rather than anywhere else.
    if (auto* error = xcb_request_check (c, xcb_set_input_focus_checked (c, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME)))
        std::free (error);
}

// Asks a top-level window to take the focus, as a window manager does, when
// it takes part in that; otherwise gives it the focus.
void focusTopLevel (xcb_connection_t* c, Window window)
{
    const auto protocols = atom (c, "WM_PROTOCOLS");
    const auto takeFocus = atom (c, "WM_TAKE_FOCUS");
    bool asks = false;

    if (protocols != XCB_ATOM_NONE && takeFocus != XCB_ATOM_NONE)
        if (const auto reply = answer (xcb_get_property_reply (c, xcb_get_property (c, 0, window, protocols, XCB_ATOM_ATOM, 0, 64), nullptr)))
        {
            const auto* list = static_cast<const xcb_atom_t*> (xcb_get_property_value (reply.get()));
            const auto count = xcb_get_property_value_length (reply.get()) / (int) sizeof (xcb_atom_t);
            asks = std::find (list, list + count, takeFocus) != list + count;
        }

    if (! asks)
    {
        setFocus (c, window);
        return;
    }

    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = protocols;
    event.data.data32[0] = takeFocus;
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event (c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*> (&event));
    xcb_flush (c);
}

// One of the framework's passing windows in this process (a pop-up menu,
// which takes the keyboard with a click in it and, closing, leaves it to the
// root); not another editor's window.
bool isFrameworkWindow (Window window)
{
    for (int i = juce::ComponentPeer::getNumPeers(); --i >= 0;)
        if (auto* peer = juce::ComponentPeer::getPeer (i);
            windowOf (*peer) == window && (peer->getStyleFlags() & juce::ComponentPeer::windowIsTemporary) != 0)
            return true;
    return false;
}

void focusHost (xcb_connection_t* c, Window ours, Window hostFocus)
{
    // Where the host held it inside its window, at once: a request through
    // the host's own event loop could land after the next click and take the
    // keyboard from what that click opened. The top-level window itself is
    // asked instead: a toolkit that keeps a focus window of its own ignores
    // keys given to its top-level, which a window manager's click may have
    // focused for a moment.
    const auto topLevel = topLevelOf (c, ours);
    if (hostFocus != 0 && hostFocus != topLevel && isInside (c, hostFocus, topLevel) && isViewable (c, hostFocus))
        setFocus (c, hostFocus);
    else if (topLevel != 0 && isViewable (c, topLevel))
        focusTopLevel (c, topLevel);
}
} // namespace

MorvidHostKeyboard::MorvidHostKeyboard (juce::Component& window_) : window (window_) {}

MorvidHostKeyboard::~MorvidHostKeyboard()
{
    if (connection != nullptr)
        xcb_disconnect (asConnection (connection));
}

// Connects on first use, and only then: a window that never takes the
// keyboard costs no connection.
static xcb_connection_t* connected (void*& connection)
{
    if (connection == nullptr)
    {
        auto* c = xcb_connect (nullptr, nullptr);
        if (xcb_connection_has_error (c) != 0)
        {
            xcb_disconnect (c);
            return nullptr;
        }
        connection = c;
    }
    return asConnection (connection);
}

void MorvidHostKeyboard::watch()
{
    auto* peer = window.getPeer();
    auto* c = peer != nullptr ? connected (connection) : nullptr;
    if (c == nullptr)
        return;

    const auto focused = focusedWindow (c);
    if (focused == lastSeen)
        return;
    lastSeen = focused;

    const auto ours = windowOf (*peer);
    if (focused > XCB_INPUT_FOCUS_POINTER_ROOT && ! isInside (c, focused, ours) && isInside (c, focused, topLevelOf (c, ours)))
        hostFocus = focused;
}

void MorvidHostKeyboard::giveBack()
{
    auto* peer = window.getPeer();
    auto* c = peer != nullptr ? connected (connection) : nullptr;
    if (c == nullptr)
        return;

    const auto ours = windowOf (*peer);
    const auto focused = focusedWindow (c);
    Window root = 0;
    parentOf (c, ours, root);
    const bool nobodys = focused <= XCB_INPUT_FOCUS_POINTER_ROOT || focused == root;
    if (nobodys || isInside (c, focused, ours) || isFrameworkWindow (focused))
        focusHost (c, ours, hostFocus);
}

bool MorvidHostKeyboard::isWithTheHostsWindow()
{
    auto* peer = window.getPeer();
    auto* c = peer != nullptr ? connected (connection) : nullptr;
    if (c == nullptr)
        return false;

    const auto ours = windowOf (*peer);
    const auto focused = focusedWindow (c);
    return focused > XCB_INPUT_FOCUS_POINTER_ROOT && ! isInside (c, focused, ours) && isInside (c, focused, topLevelOf (c, ours));
}

void MorvidHostKeyboard::reclaim()
{
    auto* peer = window.getPeer();
    auto* c = peer != nullptr ? connected (connection) : nullptr;
    if (c == nullptr)
        return;

    const auto ours = windowOf (*peer);
    if (! isInside (c, focusedWindow (c), topLevelOf (c, ours)))
        focusHost (c, ours, hostFocus);
}

#else

MorvidHostKeyboard::MorvidHostKeyboard (juce::Component& window_) : window (window_) {}
MorvidHostKeyboard::~MorvidHostKeyboard() = default;
void MorvidHostKeyboard::watch() {}
void MorvidHostKeyboard::giveBack() {}
bool MorvidHostKeyboard::isWithTheHostsWindow() { return false; }
void MorvidHostKeyboard::reclaim() {}

#endif
