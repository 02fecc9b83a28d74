// Value-to-text operations, each into a buffer with guard bytes after it.
#include "ProbeEffect.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <functional>

namespace
{
using Convert = void (AudioEffect::*) (float, char*, int);

struct Row
{
    std::function<void (AudioEffect&, char*, int)> write;
    const char* what;
    int maxLen;
    const char* expected;
};

auto floatText (Convert convert, float value)
{
    return [convert, value] (AudioEffect& fx, char* text, int maxLen) { (fx.*convert) (value, text, maxLen); };
}

auto intText (int value)
{
    return [value] (AudioEffect& fx, char* text, int maxLen) { fx.int2string (value, text, maxLen); };
}

const Convert f = &AudioEffect::float2string;
const Convert dB = &AudioEffect::dB2string;
const Convert hz = &AudioEffect::Hz2string;
const Convert ms = &AudioEffect::ms2string;

const Row rows[] = {
    { floatText (f, 1.5f), "1.5", 8, "1.500000" },
    { floatText (f, 123.456f), "123.456", 8, "123.4560" },
    { floatText (f, -2.25f), "-2.25", 8, "-2.25000" },
    { floatText (f, 9999999.0f), "9999999", 8, "9999999." },
    { floatText (f, -999999.0f), "-999999", 8, "-999999." },
    { floatText (f, 10000000.0f), "eight digits", 8, "Huge!" },
    { floatText (f, -1000000.0f), "seven digits, negative", 8, "Huge!" },
    { floatText (f, NAN), "NaN", 8, "Huge!" },
    { floatText (f, -INFINITY), "-inf", 8, "Huge!" },
    { floatText (f, 123.456f), "123.456", 2, "12" },
    { floatText (f, 100000000.0f), "1e8", 3, "Hug" },
    { intText (-7), "-7", 10, "-7" },
    { intText (0), "0", 10, "" },
    { intText (99999999), "99999999", 10, "99999999" },
    { intText (100000000), "1e8", 10, "Huge!" },
    { intText (-999999999), "-999999999", 10, "-999999999" },
    { intText (-1000000000), "-1e9", 10, "Huge!" },
    { intText (INT_MIN), "INT_MIN", 10, "Huge!" },
    { intText (123456), "123456", 3, "123" },
    { intText (-123456), "-123456", 1, "-" },
    { floatText (dB, 1.0f), "dB 1", 8, "0.000000" },
    { floatText (dB, 0.0f), "dB 0", 8, "-oo" },
    { floatText (dB, NAN), "dB NaN", 8, "Huge!" },
    { floatText (hz, 441.0f), "Hz 441", 8, "100.0000" },
    { floatText (hz, 0.0f), "Hz 0", 8, "0.000000" },
    { floatText (ms, 44100.0f), "ms 44100", 8, "1000.000" },
};
} // namespace

TEST (ValueText, WritesTheTextAndNothingBeyondMaxLen)
{
    for (const auto& row : rows)
    {
        ProbeEffect effect;
        char buffer[32];
        std::memset (buffer, '~', sizeof (buffer));
        row.write (effect, buffer, row.maxLen);
        EXPECT_STREQ (buffer, row.expected) << row.what << " maxLen " << row.maxLen;
        EXPECT_EQ (buffer[row.maxLen], 0) << row.what << " maxLen " << row.maxLen;
        for (auto i = static_cast<std::size_t> (row.maxLen) + 1; i < sizeof (buffer); ++i)
            ASSERT_EQ (buffer[i], '~') << row.what << " maxLen " << row.maxLen << " wrote byte " << i;
    }
}

TEST (ValueText, NegativeMaxLenOrNoBufferWritesNothing)
{
    ProbeEffect effect;
    char buffer[8];
    std::memset (buffer, '~', sizeof (buffer));
    effect.float2string (1.5f, buffer, -1);
    effect.int2string (42, buffer, -1);
    effect.dB2string (0.0f, buffer, -1);
    EXPECT_EQ (std::string (buffer, sizeof (buffer)), std::string (sizeof (buffer), '~'));
    effect.float2string (1.5f, nullptr, 8);
    effect.int2string (-42, nullptr, 8);
}
