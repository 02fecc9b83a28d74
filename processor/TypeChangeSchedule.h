#pragma once

#include <atomic>
#include <cstdint>

// When "flangerType" last changed, for the one-shot model-switch timer that
// fires settleMs after the last change of a burst. A change may come from any
// thread, the audio thread included (hosts apply automation inside their
// process call), where starting a timer would lock and allocate: such a change
// is only recorded here, lock-free, for the message thread to act on.
class TypeChangeSchedule
{
public:
    static constexpr int settleMs = 50;

    // Milliseconds, wrapping: the system's counter unless a test drives it.
    using Clock = uint32_t (*)();
    void setClock (Clock newClock) noexcept { clock = newClock; }
    uint32_t now() const { return clock(); }

    // Any thread; wait-free. `unseen`: the message thread still has to
    // (re)start the timer for this change.
    void noteChange (uint32_t nowMs, bool unseen) noexcept;

    // Message thread: true once for the unseen changes noted since the last call.
    bool takeUnseenChanges() noexcept;

    // What is left of settleMs after the last change; 0 once it has passed.
    int msUntilSettled (uint32_t nowMs) const noexcept;

private:
    static uint32_t systemMs();

    Clock clock = &systemMs;
    std::atomic<uint32_t> lastChangeMs { 0 };
    std::atomic<bool> unseenChanges { false };
};
