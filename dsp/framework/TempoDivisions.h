#pragma once

// The tempo divisions of the synced LFO: what each lasts in beats and how it
// is written, and which "rateSync" value (0..1) selects which. Read by the
// models, the sync knob's text and the preset reader and writer.
namespace TempoDivisions
{
constexpr int count = 19;

// The last index: a value v selects ceil(lastIndex x v), on the
// single-precision edges k / 18.
constexpr int lastIndex = count - 1;

// Beats (quarter notes) per LFO cycle; the triplets are exact thirds, so that
// a synced LFO stays on the beat.
struct Division
{
    float beats;
    const char* text;
};

inline constexpr Division table[count] = {
    { 32.0f, "8/1" },         { 16.0f, "4/1" },          { 8.0f, "2/1" },     { 4.0f, "1/1" },
    { 3.0f, "1/2D" },         { 2.0f, "1/2" },           { 4.0f / 3.0f, "1/2T" }, { 1.5f, "1/4D" },
    { 1.0f, "1/4" },          { 2.0f / 3.0f, "1/4T" },   { 0.75f, "1/8D" },   { 0.5f, "1/8" },
    { 1.0f / 3.0f, "1/8T" },  { 0.375f, "1/16D" },       { 0.25f, "1/16" },   { 1.0f / 6.0f, "1/16T" },
    { 0.1875f, "1/32D" },     { 0.125f, "1/32" },        { 1.0f / 12.0f, "1/32T" },
};

// The division value v selects: 0 at or below 0, then k for v up to the edge
// k / 18 in single precision, compared in the caller's precision (an edge
// belongs to the division below it), the last above 17 / 18 (and for a
// value that is not a number).
template <typename Value>
inline int indexFor (Value v) noexcept
{
    if (v <= Value (0))
        return 0;
    for (int k = 1; k < lastIndex; ++k)
        if (v <= static_cast<Value> (static_cast<float> (k) / static_cast<float> (lastIndex)))
            return k;
    return lastIndex;
}
} // namespace TempoDivisions
