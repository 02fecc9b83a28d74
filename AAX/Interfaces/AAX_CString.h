#pragma once

// The AAX layer's text: a growable byte string with value semantics. Texts
// are bytes (UTF-8 passes through unchanged); lengths count bytes. Positions
// past the end are clamped and null texts read as empty, so no operation
// throws on bad input.

#include "ACF/AAX_ACFTypes.h"

#include <cstdint>
#include <string>

class AAX_CString : public AAX_IString
{
public:
    AAX_CString() = default;
    AAX_CString (const char* text);
    AAX_CString (const AAX_CString& other);
    AAX_CString (const AAX_IString& other);
    ~AAX_CString() override = default;

    AAX_CString& operator= (const AAX_CString& other);
    AAX_CString& operator= (const AAX_IString& other) override;
    AAX_CString& operator= (const char* text) override;

    std::uint32_t Length() const override;
    std::uint32_t MaxLength() const override;
    const char* Get() const override;
    void Set (const char* text) override;

    const char* CString() const { return Get(); }
    void Clear();
    AAX_CString& Erase (std::uint32_t pos, std::uint32_t count);

    // Fixed-point with exactly `precision` decimals (0 for a negative
    // precision), correctly rounded with ties to even, '.' whatever the
    // locale; "nan", "inf" or "-inf" for values that have no digits.
    AAX_CString& AppendNumber (double value, std::int32_t precision);

    // Reads [space] [sign] digits [. digits] [e [sign] digits] from the
    // start; what follows is ignored. No number: *out = 0.0 and false.
    bool ToDouble (double* out) const;

    void SubString (std::uint32_t pos, std::uint32_t count, AAX_IString* out) const;

    bool operator== (const AAX_CString& other) const;
    bool operator!= (const AAX_CString& other) const { return ! (*this == other); }

    // A writable byte; an index at or past the end yields a scratch byte
    // that belongs to no string.
    char& operator[] (std::uint32_t index);

private:
    std::string text;
};
