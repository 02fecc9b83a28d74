#pragma once

// A left and a right sample (lanes 0 and 1) in one SSE2 register. The stereo
// chains run both channels through the same packed instructions. Each lane
// computes exactly what the scalar code computes (the same IEEE operations in
// the same order, never contracted), so results do not change; the mono
// paths work on lane 0, the left channel's state.
using StereoPair = double __attribute__ ((vector_size (16)));

inline StereoPair splat (double value) noexcept { return StereoPair { value, value }; }
