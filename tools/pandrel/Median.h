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
