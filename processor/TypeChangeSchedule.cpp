#include "TypeChangeSchedule.h"

void TypeChangeSchedule::noteChange (uint32_t nowMs) noexcept
{
    lastChangeMs.store (nowMs, std::memory_order_relaxed);
    changeCount.fetch_add (1, std::memory_order_release);
}

bool TypeChangeSchedule::isDue (uint32_t nowMs) noexcept
{
    // The count is read first: a change that lands after it is seen on a
    // later call, since its count differs from the one handled here.
    const auto count = changeCount.load (std::memory_order_acquire);
    if (count == handledCount)
        return false;

    if (nowMs - lastChangeMs.load (std::memory_order_relaxed) < settleMs)
        return false;

    handledCount = count;
    return true;
}
