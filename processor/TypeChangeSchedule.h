#pragma once

#include <atomic>
#include <cstdint>

// "flangerType" may change on any thread, the audio thread included (hosts
// apply automation inside their process call), where starting a timer would
// lock and allocate. A change is therefore only recorded here, lock-free,
// and the message thread's timer asks when a burst of changes has settled:
// one model switch, 50 ms after the last change.
class TypeChangeSchedule
{
public:
    static constexpr uint32_t settleMs = 50;

    // Any thread; wait-free.
    void noteChange (uint32_t nowMs) noexcept;

    // Message thread only: true once per burst, when settleMs have passed
    // since its last change.
    bool isDue (uint32_t nowMs) noexcept;

private:
    std::atomic<uint32_t> lastChangeMs { 0 };
    std::atomic<uint32_t> changeCount { 0 };
    uint32_t handledCount = 0;
};
