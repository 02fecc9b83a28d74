#include "AAX_CString.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

namespace
{
const char* orEmpty (const char* text) { return text != nullptr ? text : ""; }

bool isSpace (char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit (char c) { return c >= '0' && c <= '9'; }

// The largest number of decimals a double can need: its smallest subnormal
// has 1074 binary places, each one a decimal digit. Further digits are zeros.
constexpr int maxExactDecimals = 1074;
} // namespace

AAX_CString::AAX_CString (const char* t) : text (orEmpty (t)) {}

AAX_CString::AAX_CString (const AAX_CString& other) : AAX_IString(), text (other.text) {}

AAX_CString::AAX_CString (const AAX_IString& other) : text (orEmpty (other.Get())) {}

AAX_CString& AAX_CString::operator= (const AAX_CString& other)
{
    text = other.text;
    return *this;
}

AAX_CString& AAX_CString::operator= (const AAX_IString& other)
{
    // Through Get() up to its first NUL, whatever the other string holds.
    if (&other != this)
        text = orEmpty (other.Get());
    return *this;
}

AAX_CString& AAX_CString::operator= (const char* t)
{
    Set (t);
    return *this;
}

std::uint32_t AAX_CString::Length() const { return static_cast<std::uint32_t> (text.size()); }

std::uint32_t AAX_CString::MaxLength() const { return 0xFFFFFFFEu; }

const char* AAX_CString::Get() const { return text.c_str(); }

void AAX_CString::Set (const char* t) { text = orEmpty (t); }

void AAX_CString::Clear() { text.clear(); }

AAX_CString& AAX_CString::Erase (std::uint32_t pos, std::uint32_t count)
{
    if (pos < text.size())
        text.erase (pos, std::min<std::size_t> (count, text.size() - pos));
    return *this;
}

AAX_CString& AAX_CString::AppendNumber (double value, std::int32_t precision)
{
    if (std::isnan (value))
    {
        text += "nan";
        return *this;
    }
    if (std::isinf (value))
    {
        text += value < 0.0 ? "-inf" : "inf";
        return *this;
    }

    const int decimals = std::clamp (precision, 0, maxExactDecimals);
    // Sign, 309 integer digits, point, decimals.
    char buffer[2 + std::numeric_limits<double>::max_exponent10 + 2 + maxExactDecimals];
    const auto result = std::to_chars (buffer, buffer + sizeof (buffer), value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return *this; // cannot happen with the buffer above
    text.append (buffer, result.ptr);
    if (precision > decimals)
        text.append (static_cast<std::size_t> (precision - decimals), '0');
    return *this;
}

bool AAX_CString::ToDouble (double* out) const
{
    const char* p = text.c_str();
    while (isSpace (*p))
        ++p;

    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';

    // The mantissa needs a digit before or after the point.
    const char* mantissa = p;
    int integerDigits = 0, fractionDigits = 0;
    while (isDigit (*p))
        ++p, ++integerDigits;
    const char* mantissaEnd = p;
    if (*p == '.')
    {
        const char* q = p + 1;
        while (isDigit (*q))
            ++q, ++fractionDigits;
        if (integerDigits + fractionDigits > 0)
            mantissaEnd = p = q;
    }
    if (integerDigits + fractionDigits == 0)
    {
        if (out != nullptr)
            *out = 0.0;
        return false;
    }

    // An exponent counts only with at least one digit ("1e" reads 1).
    long long exponent = 0;
    const char* end = mantissaEnd;
    if (*p == 'e' || *p == 'E')
    {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (*q == '+' || *q == '-')
            negativeExponent = *q++ == '-';
        if (isDigit (*q))
        {
            for (; isDigit (*q); ++q)
                exponent = std::min (exponent * 10 + (*q - '0'), 1000000000LL);
            if (negativeExponent)
                exponent = -exponent;
            end = q;
        }
    }

    double value = 0.0;
    const auto result = std::from_chars (mantissa, end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
    {
        // Beyond double range: which side depends on the first non-zero
        // digit's decimal place, shifted by the exponent.
        long long place = 0;
        bool found = false;
        for (const char* q = mantissa; q < mantissaEnd && ! found; ++q)
        {
            if (*q == '.')
                continue;
            const long long index = q < mantissa + integerDigits ? integerDigits - 1 - (q - mantissa)
                                                                  : -(q - (mantissa + integerDigits));
            if (*q != '0')
                place = index, found = true;
        }
        value = found && place + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    if (out != nullptr)
        *out = negative ? -value : value;
    return true;
}

void AAX_CString::SubString (std::uint32_t pos, std::uint32_t count, AAX_IString* out) const
{
    if (out == nullptr)
        return;
    const std::size_t start = std::min<std::size_t> (pos, text.size());
    out->Set (text.substr (start, count).c_str());
}

bool AAX_CString::operator== (const AAX_CString& other) const
{
    return std::strcmp (text.c_str(), other.text.c_str()) == 0;
}

char& AAX_CString::operator[] (std::uint32_t index)
{
    if (index < text.size())
        return text[index];
    thread_local char scratch;
    scratch = '\0';
    return scratch;
}
