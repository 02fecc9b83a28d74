#pragma once

#include <cstring>
#include <type_traits>

// Small vectors of lanes, in one place. GCC and Clang provide them as
// vector_size types: per-lane operators, comparisons that yield lane masks
// (all bits set where true), ?: selection and __builtin_convertvector. Any
// other compiler, or a build with PANDREL_PORTABLE_LANES, gets plain arrays
// with the same per-lane operations, so the results are the same bit for
// bit. Lane shuffles are written lane by lane in both; no vector wider than
// 16 bytes crosses a function (without AVX that changes the calling
// convention).
namespace VectorLanes
{
#if (defined(__GNUC__) || defined(__clang__)) && ! defined(PANDREL_PORTABLE_LANES)

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

// Per lane: a where the mask is set, else b.
template <typename Mask, typename Vector>
inline Vector select (Mask mask, Vector a, Vector b) noexcept
{
    return mask ? a : b;
}

#else

template <typename T, int N>
struct Lanes
{
    using Element = T;
    static constexpr int size = N;

    T lane[N];

    T& operator[] (int i) noexcept { return lane[i]; }
    T operator[] (int i) const noexcept { return lane[i]; }
};

// A comparison's lane mask: an integer of the lane's width.
template <typename T>
using MaskOf = std::conditional_t<sizeof (T) == 8, long long, int>;

template <typename T, int N, typename Op>
inline Lanes<T, N> eachLane (Lanes<T, N> a, Lanes<T, N> b, Op op) noexcept
{
    Lanes<T, N> r;
    for (int i = 0; i < N; ++i)
        r.lane[i] = op (a.lane[i], b.lane[i]);
    return r;
}

template <typename T, int N, typename Op>
inline Lanes<MaskOf<T>, N> eachMask (Lanes<T, N> a, Lanes<T, N> b, Op op) noexcept
{
    Lanes<MaskOf<T>, N> r;
    for (int i = 0; i < N; ++i)
        r.lane[i] = op (a.lane[i], b.lane[i]) ? MaskOf<T> (-1) : MaskOf<T> (0);
    return r;
}

// A scalar operand takes every lane, converted to the lane's type.
template <typename T, int N, typename S, typename = std::enable_if_t<std::is_arithmetic_v<S>>>
inline Lanes<T, N> splatLanes (S s) noexcept
{
    Lanes<T, N> r;
    for (int i = 0; i < N; ++i)
        r.lane[i] = static_cast<T> (s);
    return r;
}

#define PANDREL_LANE_OPERATOR(op, each)                                                                     \
    template <typename T, int N>                                                                            \
    inline auto operator op (Lanes<T, N> a, Lanes<T, N> b) noexcept                                         \
    {                                                                                                       \
        return each (a, b, [] (T x, T y) { return x op y; });                                               \
    }                                                                                                       \
    template <typename T, int N, typename S, typename = std::enable_if_t<std::is_arithmetic_v<S>>>          \
    inline auto operator op (Lanes<T, N> a, S s) noexcept                                                   \
    {                                                                                                       \
        return a op splatLanes<T, N> (s);                                                                   \
    }                                                                                                       \
    template <typename T, int N, typename S, typename = std::enable_if_t<std::is_arithmetic_v<S>>>          \
    inline auto operator op (S s, Lanes<T, N> b) noexcept                                                   \
    {                                                                                                       \
        return splatLanes<T, N> (s) op b;                                                                   \
    }

PANDREL_LANE_OPERATOR (+, eachLane)
PANDREL_LANE_OPERATOR (-, eachLane)
PANDREL_LANE_OPERATOR (*, eachLane)
PANDREL_LANE_OPERATOR (/, eachLane)
PANDREL_LANE_OPERATOR (&, eachLane)
PANDREL_LANE_OPERATOR (|, eachLane)
PANDREL_LANE_OPERATOR (<, eachMask)
PANDREL_LANE_OPERATOR (<=, eachMask)
PANDREL_LANE_OPERATOR (>, eachMask)
PANDREL_LANE_OPERATOR (>=, eachMask)
PANDREL_LANE_OPERATOR (==, eachMask)
PANDREL_LANE_OPERATOR (!=, eachMask)
#undef PANDREL_LANE_OPERATOR

template <typename T, int N>
inline Lanes<T, N> operator- (Lanes<T, N> a) noexcept
{
    for (int i = 0; i < N; ++i)
        a.lane[i] = -a.lane[i];
    return a;
}

template <typename T, int N, typename Other>
inline Lanes<T, N>& operator+= (Lanes<T, N>& a, Other b) noexcept { return a = a + b; }
template <typename T, int N, typename Other>
inline Lanes<T, N>& operator-= (Lanes<T, N>& a, Other b) noexcept { return a = a - b; }
template <typename T, int N, typename Other>
inline Lanes<T, N>& operator*= (Lanes<T, N>& a, Other b) noexcept { return a = a * b; }

using TwoDoubles = Lanes<double, 2>;
using TwoFloats = Lanes<float, 2>;
using TwoInts = Lanes<int, 2>;
using TwoBits = Lanes<long long, 2>;
using FourFloats = Lanes<float, 4>;
using FourInts = Lanes<int, 4>;

template <typename To, typename From>
inline To convert (From v) noexcept
{
    To r;
    for (int i = 0; i < To::size; ++i)
        r.lane[i] = static_cast<typename To::Element> (v.lane[i]);
    return r;
}

template <typename Mask, typename Vector>
inline Vector select (Mask mask, Vector a, Vector b) noexcept
{
    for (int i = 0; i < Vector::size; ++i)
        if (mask.lane[i] == 0)
            a.lane[i] = b.lane[i];
    return a;
}

#endif

// The same bits seen as another type of the same size.
template <typename To, typename From>
inline To bitsAs (From v) noexcept
{
    static_assert (sizeof (To) == sizeof (From));
    To to;
    std::memcpy (&to, &v, sizeof to);
    return to;
}

// Lane k of a and of b, widened to double: { a[k], b[k] }.
inline TwoDoubles laneOfEach (FourFloats a, FourFloats b, int k) noexcept
{
    return convert<TwoDoubles> (TwoFloats { a[k], b[k] });
}
} // namespace VectorLanes
