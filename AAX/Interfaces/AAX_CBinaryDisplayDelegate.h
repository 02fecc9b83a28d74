#pragma once

// One text for false and one for true; reading compares exactly (case
// included), and true wins when both texts are the same.

#include "AAX_IDisplayDelegate.h"

#include <algorithm>
#include <cstdint>
#include <vector>

template <typename T>
class AAX_CBinaryDisplayDelegate : public AAX_IDisplayDelegate<T>
{
public:
    // Shortened text pairs for short displays. Nothing here adds any, so the
    // list stays empty and the full texts are always shown.
    struct StringTable
    {
        std::int32_t mMaxStrLength;
        AAX_CString mFalseString;
        AAX_CString mTrueString;
    };

    // Null texts read as empty.
    AAX_CBinaryDisplayDelegate (const char* falseText, const char* trueText)
        : falseString (falseText), trueString (trueText),
          maxStrLength (static_cast<std::int32_t> (std::max (falseString.Length(), trueString.Length())))
    {
    }

    AAX_CBinaryDisplayDelegate* Clone() const override { return new AAX_CBinaryDisplayDelegate (*this); }

    bool ValueToString (T value, AAX_CString* valueString) const override
    {
        if (valueString == nullptr)
            return false;
        *valueString = value ? trueString : falseString;
        return true;
    }

    bool ValueToString (T value, std::int32_t, AAX_CString* valueString) const override
    {
        return ValueToString (value, valueString);
    }

    bool StringToValue (const AAX_CString& valueString, T* value) const override
    {
        if (value == nullptr)
            return false;
        if (valueString == trueString)
        {
            *value = T (true);
            return true;
        }
        *value = T (false);
        return valueString == falseString;
    }

private:
    AAX_CString falseString;
    AAX_CString trueString;
    std::int32_t maxStrLength;
    std::vector<StringTable> shortenedStrings;
};
