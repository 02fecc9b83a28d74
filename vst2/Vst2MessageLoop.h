#pragma once

#include <memory>

// JUCE's message loop inside a VST 2 host on Linux. Nothing in the host runs
// it, so a plug-in runs it on a thread of its own (timers, async updates);
// while an editor is open the host's idle calls drive it instead, on the
// host's GUI thread, so the editor lives on the thread the host talks to.
// Both are JUCE's own classes for its Linux plug-in wrappers, shared by every
// instance in the process.

// Keeps the plug-in's own message thread alive while held.
class Vst2MessageThread
{
public:
    Vst2MessageThread();
    ~Vst2MessageThread();

    Vst2MessageThread (const Vst2MessageThread&) = delete;
    Vst2MessageThread& operator= (const Vst2MessageThread&) = delete;

private:
    struct Holder;
    std::unique_ptr<Holder> holder;
};

// While held, the message thread is stopped and the thread that created this
// object (and that calls processPendingEvents) is JUCE's message thread.
class Vst2HostDrivenLoop
{
public:
    Vst2HostDrivenLoop();
    ~Vst2HostDrivenLoop();

    Vst2HostDrivenLoop (const Vst2HostDrivenLoop&) = delete;
    Vst2HostDrivenLoop& operator= (const Vst2HostDrivenLoop&) = delete;

    // Makes the calling thread the message thread and dispatches everything
    // pending: timers, repaints, X events.
    void processPendingEvents();

    // Makes the calling thread the message thread without dispatching.
    static void attachToThisThread();

private:
    struct Holder;
    std::unique_ptr<Holder> holder;
};
