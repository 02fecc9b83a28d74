#include "Vst2HostArea.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace
{
template <typename Reply>
std::unique_ptr<Reply, decltype (&std::free)> answer (Reply* reply)
{
    return { reply, &std::free };
}

xcb_connection_t* asConnection (void* connection) { return static_cast<xcb_connection_t*> (connection); }

// One 8-bit channel scaled into the bits of a true-colour visual's mask.
std::uint32_t channel (juce::uint8 value, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0)
        ++shift;
    const std::uint32_t top = mask >> shift;
    return ((value * top + 127u) / 255u) << shift;
}

// The window's pixel value for a colour; false unless its visual is true
// colour (the only kind hosts use now).
bool pixelOf (xcb_connection_t* c, xcb_window_t window, juce::Colour colour, std::uint32_t& pixel)
{
    const auto attributes = answer (xcb_get_window_attributes_reply (c, xcb_get_window_attributes (c, window), nullptr));
    if (attributes == nullptr)
        return false;

    for (auto screens = xcb_setup_roots_iterator (xcb_get_setup (c)); screens.rem > 0; xcb_screen_next (&screens))
        for (auto depths = xcb_screen_allowed_depths_iterator (screens.data); depths.rem > 0; xcb_depth_next (&depths))
            for (auto visuals = xcb_depth_visuals_iterator (depths.data); visuals.rem > 0; xcb_visualtype_next (&visuals))
                if (visuals.data->visual_id == attributes->visual)
                {
                    if (visuals.data->_class != XCB_VISUAL_CLASS_TRUE_COLOR)
                        return false;
                    pixel = channel (colour.getRed(), visuals.data->red_mask)
                            | channel (colour.getGreen(), visuals.data->green_mask)
                            | channel (colour.getBlue(), visuals.data->blue_mask);
                    return true;
                }
    return false;
}
} // namespace

Vst2HostArea::Vst2HostArea (unsigned long hostWindow) : window (static_cast<std::uint32_t> (hostWindow))
{
    auto* c = xcb_connect (nullptr, nullptr);
    if (xcb_connection_has_error (c) != 0)
    {
        xcb_disconnect (c);
        return;
    }
    connection = c;

    // Its changes of size reach this connection only: event masks are each
    // client's own.
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes (c, window, XCB_CW_EVENT_MASK, &mask);
    xcb_flush (c);
}

Vst2HostArea::~Vst2HostArea()
{
    if (connection != nullptr)
        xcb_disconnect (asConnection (connection));
}

juce::Rectangle<int> Vst2HostArea::changedSize()
{
    auto* c = asConnection (connection);
    if (c == nullptr)
        return {};

    juce::Rectangle<int> size = lastSize;
    if (! asked)
    {
        asked = true;
        if (const auto geometry = answer (xcb_get_geometry_reply (c, xcb_get_geometry (c, window), nullptr)))
            size = { geometry->width, geometry->height };
    }

    // Errors arrive here too, as events of type 0, and are dropped.
    while (auto* event = xcb_poll_for_event (c))
    {
        if ((event->response_type & 0x7f) == XCB_CONFIGURE_NOTIFY)
        {
            const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*> (event);
            if (configure->window == window)
                size = { configure->width, configure->height };
        }
        std::free (event);
    }

    if (size == lastSize || size.isEmpty())
        return {};
    lastSize = size;
    return size;
}

void Vst2HostArea::setBackground (juce::Colour colour)
{
    auto* c = asConnection (connection);
    std::uint32_t pixel = 0;
    if (c == nullptr || ! pixelOf (c, window, colour, pixel))
        return;

    xcb_change_window_attributes (c, window, XCB_CW_BACK_PIXEL, &pixel);
    xcb_clear_area (c, 0, window, 0, 0, 0, 0);
    xcb_flush (c);
}

juce::Point<int> Vst2HostArea::placeIn (juce::Rectangle<int> area, int width, int height)
{
    return { juce::jmax (0, (area.getWidth() - width) / 2), juce::jmax (0, (area.getHeight() - height) / 2) };
}
