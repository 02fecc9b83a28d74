#include "MessageThreadTick.h"

MessageThreadTick::MessageThreadTick (int intervalMs, std::function<void()> jobToRun) : job (std::move (jobToRun))
{
    startTimer (intervalMs);
}

MessageThreadTick::~MessageThreadTick() { stopTimer(); }

void MessageThreadTick::stop() { stopTimer(); }

bool MessageThreadTick::isMessageThread() const noexcept
{
    return messageThread.load (std::memory_order_relaxed) == juce::Thread::getCurrentThreadId();
}

void MessageThreadTick::timerCallback()
{
    messageThread.store (juce::Thread::getCurrentThreadId(), std::memory_order_relaxed);
    job();
}
