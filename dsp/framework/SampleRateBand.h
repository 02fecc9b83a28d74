#pragma once

// Ramp, fade and glide lengths double from one sample-rate band to the next:
// below 34050 Hz, below 68000 Hz, below 136000 Hz, and above.
namespace SampleRateBand
{
// 0, 1, 2 or 3; a rate that is not a number falls in the top band.
inline int bandOf (float sampleRate) noexcept
{
    if (sampleRate < 34050.0f)
        return 0;
    if (sampleRate < 68000.0f)
        return 1;
    if (sampleRate < 136000.0f)
        return 2;
    return 3;
}

// The length of the band: shortest, doubled once per band above the lowest.
inline int lengthFor (float sampleRate, int shortest) noexcept
{
    return shortest << bandOf (sampleRate);
}
} // namespace SampleRateBand
