#pragma once

// A number as text with Precision decimals, '.' as the point; no unit.
// Reading takes the number at the start of the text and ignores the rest.

#include "AAX_IDisplayDelegate.h"

#include <cmath>
#include <cstdint>
#include <limits>

// Reserved: only 0 is used.
template <typename T, std::int32_t Precision = 2, std::int32_t Reserved = 0>
class AAX_CNumberDisplayDelegate : public AAX_IDisplayDelegate<T>
{
    static_assert (Reserved == 0, "only the plain form is implemented");

public:
    AAX_CNumberDisplayDelegate* Clone() const override { return new AAX_CNumberDisplayDelegate (*this); }

    bool ValueToString (T value, AAX_CString* valueString) const override
    {
        if (valueString == nullptr)
            return false;
        valueString->Clear();
        valueString->AppendNumber (static_cast<double> (value), Precision);
        return true;
    }

    // Cut to maxNumChars bytes (none for a negative count); a cut that ends
    // on the decimal point drops it.
    bool ValueToString (T value, std::int32_t maxNumChars, AAX_CString* valueString) const override
    {
        if (! ValueToString (value, valueString))
            return false;
        const std::uint32_t limit = maxNumChars < 0 ? 0u : static_cast<std::uint32_t> (maxNumChars);
        if (valueString->Length() > limit)
            valueString->Erase (limit, valueString->Length() - limit);
        if (limit != 0 && valueString->Length() == limit && (*valueString)[limit - 1] == '.')
            valueString->Erase (limit - 1, 1);
        return true;
    }

    bool StringToValue (const AAX_CString& valueString, T* value) const override
    {
        if (value == nullptr)
            return false;
        double number = 0.0;
        const bool read = valueString.ToDouble (&number);
        *value = read ? narrow (number) : T (0);
        return read;
    }

private:
    static T narrow (double value)
    {
        // Beyond T's range the conversion would be undefined: saturate to
        // the infinities (or the extremes of an integer type).
        constexpr bool hasInfinity = std::numeric_limits<T>::has_infinity;
        const double highest = static_cast<double> (std::numeric_limits<T>::max());
        if (value > highest)
            return hasInfinity ? std::numeric_limits<T>::infinity() : std::numeric_limits<T>::max();
        if (value < -highest)
            return hasInfinity ? -std::numeric_limits<T>::infinity() : std::numeric_limits<T>::lowest();
        return static_cast<T> (value);
    }
};
