#pragma once

// The compiler's vector types, in one place: GCC and Clang both give
// vector_size types per-lane operators, comparisons that yield lane masks,
// selection with ?: and __builtin_convertvector. Lane shuffles, which each
// compiler spells its own way, are written lane by lane; the compilers turn
// them into unpack instructions. No vector wider than 16 bytes crosses a
// function: without AVX that would change the calling convention.
namespace VectorLanes
{
using TwoDoubles = double __attribute__ ((vector_size (16)));
using TwoFloats = float __attribute__ ((vector_size (8)));
using TwoInts = int __attribute__ ((vector_size (8)));
using TwoBits = long long __attribute__ ((vector_size (16)));
using FourFloats = float __attribute__ ((vector_size (16)));
using FourInts = int __attribute__ ((vector_size (16)));

// Lane by lane, as static_cast would convert each (toward zero for ints).
template <typename To, typename From>
inline To convert (From v) noexcept
{
    return __builtin_convertvector (v, To);
}

// The same bits seen as another type of the same size.
template <typename To, typename From>
inline To bitsAs (From v) noexcept
{
    static_assert (sizeof (To) == sizeof (From));
    return reinterpret_cast<To> (v);
}

// Lane k of a and of b, widened to double: { a[k], b[k] }.
inline TwoDoubles laneOfEach (FourFloats a, FourFloats b, int k) noexcept
{
    return convert<TwoDoubles> (TwoFloats { a[k], b[k] });
}
} // namespace VectorLanes
