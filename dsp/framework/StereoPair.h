#pragma once

#include "VectorLanes.h"

// A left and a right sample (lanes 0 and 1) in one SSE2 register. The stereo
// chains run both channels through the same packed instructions. Each lane
// computes exactly what the scalar code computes (the same IEEE operations in
// the same order, never contracted), so results do not change; the mono
// paths work on lane 0, the left channel's state.
using StereoPair = VectorLanes::TwoDoubles;

inline StereoPair splat (double value) noexcept { return StereoPair { value, value }; }

// Blocks write one template for both forms: Sample is double (mono, lane 0,
// the left channel's state) or StereoPair (both channels).
template <typename Sample>
inline Sample lanesOf (const StereoPair& v) noexcept
{
    if constexpr (sizeof (Sample) == sizeof (StereoPair))
        return v;
    else
        return v[0];
}

template <typename Sample>
inline void storeLanes (StereoPair& to, Sample value) noexcept
{
    if constexpr (sizeof (Sample) == sizeof (StereoPair))
        to = value;
    else
        to[0] = value;
}

// A block's two-channel process(double&, double&) through its packed form.
template <typename Block>
inline void processAsPair (Block& block, double& left, double& right) noexcept
{
    StereoPair x { left, right };
    block.process (x);
    left = x[0];
    right = x[1];
}

namespace StereoPairs
{
using Bits = VectorLanes::TwoBits;
using FourFloats = VectorLanes::FourFloats;
using TwoFloats = VectorLanes::TwoFloats;
using VectorLanes::bitsAs;
using VectorLanes::convert;

// |x| per lane: the sign bits cleared.
inline StereoPair abs (StereoPair x) noexcept
{
    const Bits magnitude { 0x7fffffffffffffffLL, 0x7fffffffffffffffLL };
    return bitsAs<StereoPair> (bitsAs<Bits> (x) & magnitude);
}

// x per lane, or 0 where it is infinite or not a number.
inline StereoPair finiteOrZero (StereoPair x) noexcept
{
    return bitsAs<StereoPair> (bitsAs<Bits> (x) & (x - x == 0.0));
}

// Both lanes narrowed to single precision; lanes 2 and 3 are 0.
inline FourFloats toFloats (StereoPair x) noexcept
{
    const TwoFloats narrowed = convert<TwoFloats> (x);
    return FourFloats { narrowed[0], narrowed[1], 0.0f, 0.0f };
}

// Both lanes through single precision and back.
inline StereoPair roundedToFloat (StereoPair x) noexcept
{
    return convert<StereoPair> (convert<TwoFloats> (x));
}
} // namespace StereoPairs
