#include "TypeChangeSchedule.h"

#include <juce_core/juce_core.h>

uint32_t TypeChangeSchedule::systemMs() { return juce::Time::getMillisecondCounter(); }

void TypeChangeSchedule::noteChange (uint32_t nowMs, bool unseen) noexcept
{
    lastChangeMs.store (nowMs, std::memory_order_relaxed);
    if (unseen)
        unseenChanges.store (true, std::memory_order_release);
}

bool TypeChangeSchedule::takeUnseenChanges() noexcept
{
    return unseenChanges.exchange (false, std::memory_order_acq_rel);
}

int TypeChangeSchedule::msUntilSettled (uint32_t nowMs) const noexcept
{
    // Unsigned difference: right across the counter's wrap.
    const uint32_t elapsed = nowMs - lastChangeMs.load (std::memory_order_relaxed);
    return elapsed >= static_cast<uint32_t> (settleMs) ? 0 : settleMs - static_cast<int> (elapsed);
}
