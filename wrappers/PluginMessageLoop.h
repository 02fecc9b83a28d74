#pragma once

#include <memory>

// JUCE's message loop inside a Linux host (VST 2, AAX). Nothing in the host
// runs it, so a plug-in runs it on a thread of its own (timers, async
// updates); while an editor is open the host's idle or timer calls drive it
// instead, on the host's GUI thread, so the editor lives on the thread the
// host talks to.
// Both are JUCE's own classes for its Linux plug-in wrappers, shared by every
// instance in the process.

// Keeps the plug-in's own message thread alive while held.
class PluginMessageThread
{
public:
    PluginMessageThread();
    ~PluginMessageThread();

    PluginMessageThread (const PluginMessageThread&) = delete;
    PluginMessageThread& operator= (const PluginMessageThread&) = delete;

private:
    struct Holder;
    std::unique_ptr<Holder> holder;
};

// While held, the message thread is stopped and the thread that created this
// object (and that calls processPendingEvents) is JUCE's message thread.
class HostDrivenMessageLoop
{
public:
    HostDrivenMessageLoop();
    ~HostDrivenMessageLoop();

    HostDrivenMessageLoop (const HostDrivenMessageLoop&) = delete;
    HostDrivenMessageLoop& operator= (const HostDrivenMessageLoop&) = delete;

    // Makes the calling thread the message thread and dispatches everything
    // pending: timers, repaints, X events.
    void processPendingEvents();

    // Makes the calling thread the message thread without dispatching.
    static void attachToThisThread();

private:
    struct Holder;
    std::unique_ptr<Holder> holder;
};
