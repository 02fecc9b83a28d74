#pragma once

// A straight line between 0..1 and [minimum, maximum], computed in double.
// Real values are clamped to the range; a value that is not a number (from a
// host or a restored chunk) clamps to the minimum, so it never becomes a
// parameter's value.

#include "AAX_ITaperDelegate.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

// RealPrecision 0: real values are not rounded (the only form used).
template <typename T, std::int32_t RealPrecision = 0>
class AAX_CLinearTaperDelegate : public AAX_ITaperDelegate<T>
{
    static_assert (RealPrecision == 0, "only unrounded real values are implemented");

public:
    // minimum must be below maximum.
    AAX_CLinearTaperDelegate (T minimum, T maximum) : minValue (minimum), maxValue (maximum) {}

    AAX_CLinearTaperDelegate* Clone() const override { return new AAX_CLinearTaperDelegate (*this); }
    T GetMaximumValue() const override { return maxValue; }
    T GetMinimumValue() const override { return minValue; }

    T ConstrainRealValue (T value) const override
    {
        if constexpr (std::is_floating_point_v<T>)
            if (std::isnan (value))
                return minValue;
        if (value > maxValue)
            return maxValue;
        if (value < minValue)
            return minValue;
        return value;
    }

    T NormalizedToReal (double normalizedValue) const override
    {
        const double min = static_cast<double> (minValue), max = static_cast<double> (maxValue);
        const double real = (max - min) * normalizedValue + min;
        if (std::isnan (real))
            return minValue;
        return ConstrainRealValue (narrow (real));
    }

    double RealToNormalized (T realValue) const override
    {
        const double min = static_cast<double> (minValue), max = static_cast<double> (maxValue);
        return (static_cast<double> (ConstrainRealValue (realValue)) - min) / (max - min);
    }

private:
    // Rounds to T; values beyond T's range saturate first (the conversion
    // itself would be undefined there).
    static T narrow (double value)
    {
        const double lowest = static_cast<double> (std::numeric_limits<T>::lowest());
        const double highest = static_cast<double> (std::numeric_limits<T>::max());
        if (value <= lowest)
            return std::numeric_limits<T>::lowest();
        if (value >= highest)
            return std::numeric_limits<T>::max();
        return static_cast<T> (value);
    }

    T minValue;
    T maxValue;
};
