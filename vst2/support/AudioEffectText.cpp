// Value-to-text operations of AudioEffect. The caller's buffer holds maxLen + 1
// bytes; nothing here writes beyond text[maxLen].
#include "AudioEffect.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
constexpr const char* hugeText = "Huge!";

// At most maxLen characters of source, zeros up to maxLen, text[maxLen] = 0.
void copyWithLimit (char* text, const char* source, int maxLen)
{
    if (text == nullptr || maxLen < 0)
        return;
    std::strncpy (text, source, static_cast<std::size_t> (maxLen));
    text[maxLen] = 0;
}

// Appends what still fits before text[maxLen], then text[maxLen] = 0.
void appendWithLimit (char* text, const char* source, int maxLen)
{
    if (text == nullptr || maxLen < 0)
        return;
    const auto limit = static_cast<std::size_t> (maxLen);
    const auto length = strnlen (text, limit);
    const auto count = std::min (std::strlen (source), limit - length);
    std::memcpy (text + length, source, count);
    text[length + count] = 0;
    text[maxLen] = 0;
}

char digitOf (double value)
{
    return static_cast<char> ('0' + static_cast<int> (std::fmod (value, 10.0)));
}
} // namespace

// Eight cells: sign, digits and point. Integer parts that would not fit
// whole (8 digits, or 7 with a sign) and NaN show "Huge!".
void AudioEffect::float2string (float value, char* text, int maxLen)
{
    const bool negative = value < 0.0f;
    const double v = negative ? -static_cast<double> (value) : static_cast<double> (value);
    const double limit = negative ? 1000000.0 : 10000000.0;
    if (! (v < limit))
    {
        copyWithLimit (text, hugeText, maxLen);
        return;
    }

    constexpr int cells = 8;
    char integerText[cells + 2];
    int pos = cells + 1;
    integerText[pos] = 0;
    integerText[--pos] = '.';

    const double whole = std::floor (v);
    integerText[--pos] = digitOf (whole);
    int count = negative ? 3 : 2;
    for (double i = whole / 10.0; i >= 1.0 && count < cells; i /= 10.0, ++count)
        integerText[--pos] = digitOf (i);
    if (negative)
        integerText[--pos] = '-';

    copyWithLimit (text, integerText + pos, maxLen);
    if (count >= cells)
        return;

    const int fractionDigits = cells - count;
    double m = std::fmod (v, 1.0) * std::pow (10.0, fractionDigits);
    char fractionText[cells + 1];
    fractionText[fractionDigits] = 0;
    for (int d = fractionDigits - 1; d >= 0; --d, m /= 10.0)
        fractionText[d] = m <= 0.0 ? '0' : digitOf (m);
    appendWithLimit (text, fractionText, maxLen);
}

// Zero gives an empty text; values from 100000000 up, and those too long for
// nine digits below zero, show "Huge!".
void AudioEffect::int2string (int value, char* text, int maxLen)
{
    if (text == nullptr || maxLen < 0)
        return;
    if (value >= 100000000 || value <= -1000000000)
    {
        copyWithLimit (text, hugeText, maxLen);
        return;
    }

    if (value < 0)
    {
        copyWithLimit (text, "-", maxLen);
        value = -value;
    }
    else
    {
        std::memset (text, 0, static_cast<std::size_t> (maxLen));
        text[maxLen] = 0;
    }

    bool started = false;
    for (int divisor = 100000000; divisor >= 1; divisor /= 10)
    {
        const int digit = value / divisor;
        value %= divisor;
        started = started || digit > 0;
        if (started)
        {
            const char digitText[2] = { static_cast<char> ('0' + digit), 0 };
            appendWithLimit (text, digitText, maxLen);
        }
    }
}

void AudioEffect::dB2string (float value, char* text, int maxLen)
{
    if (value <= 0.0f)
        copyWithLimit (text, "-oo", maxLen);
    else
        float2string (static_cast<float> (20.0 * std::log10 (static_cast<double> (value))), text, maxLen);
}

void AudioEffect::Hz2string (float samples, char* text, int maxLen)
{
    if (samples == 0.0f)
        float2string (0.0f, text, maxLen);
    else
        float2string (getSampleRate() / samples, text, maxLen);
}

void AudioEffect::ms2string (float samples, char* text, int maxLen)
{
    float2string (static_cast<float> (static_cast<double> (samples) * 1000.0 / getSampleRate()), text, maxLen);
}
