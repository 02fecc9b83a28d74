#pragma once

#include "StereoPair.h"

// The direct-form-I arithmetic shared by the s-to-z filter variants.
// Coefficients are stored as pairs with equal lanes, so the stereo form needs
// no broadcast; the mono form reads lane 0 and keeps to the left memory.
namespace SZSection
{
// The memory of an order-N section for both channels: the last N inputs and
// outputs, index 0 the most recent.
template <int N>
struct Memory
{
    StereoPair x[N] {};
    StereoPair y[N] {};

    void clear() noexcept
    {
        for (int k = 0; k < N; ++k)
            x[k] = y[k] = StereoPair {};
    }
};

// One sample (mono) or one pair (stereo) through a[1..N], b[0..N]. Sums run
// from the oldest term; adding and removing 1e-20 flushes vanishing outputs
// to exactly 0, so decaying memory never turns subnormal.
template <int N, typename Sample>
inline Sample run (const StereoPair* a, const StereoPair* b, Memory<N>& m, Sample x) noexcept
{
    auto lanes = [] (const StereoPair& v) { return lanesOf<Sample> (v); };

    Sample t = lanes (b[N]) * lanes (m.x[N - 1]);
    for (int k = N - 1; k >= 1; --k)
        t = lanes (b[k]) * lanes (m.x[k - 1]) + t;
    t = lanes (b[0]) * x + t;
    for (int k = N; k >= 1; --k)
        t = t - lanes (a[k]) * lanes (m.y[k - 1]);
    const Sample y = (t + (-1e-20)) + 1e-20;

    for (int k = N - 1; k >= 1; --k)
    {
        storeLanes (m.x[k], lanes (m.x[k - 1]));
        storeLanes (m.y[k], lanes (m.y[k - 1]));
    }
    storeLanes (m.x[0], x);
    storeLanes (m.y[0], y);
    return y;
}

// Coefficients of a section that outputs 0: a0 = 1, everything else 0.
inline void setIdle (StereoPair* a, StereoPair* b, int order) noexcept
{
    for (int k = 0; k <= order; ++k)
        a[k] = b[k] = StereoPair {};
    a[0] = splat (1.0);
}
} // namespace SZSection
