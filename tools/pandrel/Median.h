#pragma once

#include <algorithm>
#include <vector>

// The bench's summary of repeated timings: robust against a run disturbed by
// the rest of the machine.
inline double median (std::vector<double> values)
{
    std::sort (values.begin(), values.end());
    return values[values.size() / 2];
}

// The median with the lowest and highest value, so that a figure's noise
// shows.
struct Spread
{
    double median, lowest, highest;
};

inline Spread spread (const std::vector<double>& values)
{
    const auto [lowest, highest] = std::minmax_element (values.begin(), values.end());
    return { median (values), *lowest, *highest };
}
