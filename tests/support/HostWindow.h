#pragma once
// A top-level X window of the editor's size, as a host gives one to a
// plug-in's editor (none without a display).
#include <X11/Xlib.h>

#include <cstdlib>

struct HostWindow
{
    Display* display = std::getenv ("DISPLAY") != nullptr ? XOpenDisplay (nullptr) : nullptr;
    ::Window window = display != nullptr ? XCreateSimpleWindow (display, DefaultRootWindow (display), 0, 0, 325, 454, 0, 0, 0) : 0;

    HostWindow()
    {
        if (display != nullptr)
            XMapWindow (display, window), XFlush (display);
    }
    ~HostWindow()
    {
        if (display != nullptr)
            XDestroyWindow (display, window), XCloseDisplay (display);
    }
    HostWindow (const HostWindow&) = delete;
    HostWindow& operator= (const HostWindow&) = delete;

    void* handle() const { return reinterpret_cast<void*> (window); }

    // How many windows the plug-in has put into this one.
    unsigned children() const
    {
        ::Window root = 0, parent = 0, *list = nullptr;
        unsigned count = 0;
        XSync (display, False);
        XQueryTree (display, window, &root, &parent, &list, &count);
        if (list != nullptr)
            XFree (list);
        return count;
    }
};
