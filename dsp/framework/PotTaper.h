#pragma once

#include <cmath>

// The log taper of the rate and feedback pots: (81^v - 1) / 80 (0 at v = 0,
// 1 at v = 1), in the precision of its caller.
namespace PotTaper
{
inline float log81 (float v) noexcept { return (std::pow (81.0f, v) - 1.0f) * 0.0125f; }
inline double log81 (double v) noexcept { return (std::pow (81.0, v) - 1.0) * 0.0125; }
} // namespace PotTaper
