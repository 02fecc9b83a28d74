#pragma once

// The direct-form-I arithmetic shared by the s-to-z filter variants.
namespace SZSection
{
// One channel's memory of an order-N section: the last N inputs and outputs,
// index 0 the most recent.
template <int N>
struct Memory
{
    double x[N] {};
    double y[N] {};

    void clear() noexcept
    {
        for (int k = 0; k < N; ++k)
            x[k] = y[k] = 0.0;
    }
};

// One sample through a[1..N], b[0..N]. Sums run from the oldest term; adding
// and removing 1e-20 flushes vanishing outputs to exactly 0, so decaying
// memory never turns subnormal.
template <int N>
inline double run (const double* a, const double* b, Memory<N>& m, double x) noexcept
{
    double t = b[N] * m.x[N - 1];
    for (int k = N - 1; k >= 1; --k)
        t = b[k] * m.x[k - 1] + t;
    t = b[0] * x + t;
    for (int k = N; k >= 1; --k)
        t = t - a[k] * m.y[k - 1];
    const double y = (t + (-1e-20)) + 1e-20;

    for (int k = N - 1; k >= 1; --k)
    {
        m.x[k] = m.x[k - 1];
        m.y[k] = m.y[k - 1];
    }
    m.x[0] = x;
    m.y[0] = y;
    return y;
}

// Coefficients of a section that outputs 0: a0 = 1, everything else 0.
inline void setIdle (double* a, double* b, int order) noexcept
{
    for (int k = 0; k <= order; ++k)
        a[k] = b[k] = 0.0;
    a[0] = 1.0;
}
} // namespace SZSection
