#pragma once

#include <juce_events/juce_events.h>

#include <atomic>
#include <functional>

// A periodic job on the message thread, which also tells any thread,
// lock-free, whether it is that thread (JUCE's own test takes a lock, and on
// Linux a plug-in's message thread is a thread of JUCE's own, not the host's
// main thread).
class MessageThreadTick : private juce::Timer
{
public:
    MessageThreadTick (int intervalMs, std::function<void()> jobToRun);
    ~MessageThreadTick() override;

    void stop();

    // False until the first tick has run.
    bool isMessageThread() const noexcept;

private:
    void timerCallback() override;

    std::function<void()> job;
    std::atomic<juce::Thread::ThreadID> messageThread { nullptr };
};
