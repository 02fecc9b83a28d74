// The AAX layer's text type.
#include "AAX_CString.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

namespace
{
std::string appended (const char* start, double value, int precision)
{
    AAX_CString s (start);
    return s.AppendNumber (value, precision).Get();
}

struct Read
{
    bool ok;
    double value;
};

Read read (const char* text)
{
    double v = 123.0;
    const bool ok = AAX_CString (text).ToDouble (&v);
    return { ok, v };
}
} // namespace

TEST (AaxString, EditsBytesAndClampsPositionsPastTheEnd)
{
    AAX_CString hello ("hello");
    EXPECT_STREQ (AAX_CString (hello).Erase (3, 1).Get(), "helo");
    for (std::uint32_t count : { 2u, 3u, 10u, 0xFFFFFFFFu })
        EXPECT_STREQ (AAX_CString (hello).Erase (3, count).Get(), "hel");
    EXPECT_STREQ (AAX_CString (hello).Erase (5, 1).Get(), "hello");
    EXPECT_STREQ (AAX_CString (hello).Erase (99, 1).Get(), "hello");

    AAX_CString part;
    hello.SubString (1, 3, &part);
    EXPECT_STREQ (part.Get(), "ell");
    hello.SubString (3, 100, &part);
    EXPECT_STREQ (part.Get(), "lo");
    hello.SubString (99, 1, &part);
    EXPECT_STREQ (part.Get(), "");
    hello.SubString (0, 1, nullptr);

    AAX_CString copy (hello);
    copy[0] = 'j';
    EXPECT_STREQ (copy.Get(), "jello");
    EXPECT_STREQ (hello.Get(), "hello");
    copy[5] = 'x'; // at the end: lands nowhere
    copy[1000] = 'x';
    EXPECT_STREQ (copy.Get(), "jello");

    EXPECT_EQ (AAX_CString (nullptr).Length(), 0u);
    AAX_CString s ("abc");
    s.Set (nullptr);
    EXPECT_EQ (s.Length(), 0u);
    s = "xyz";
    s = static_cast<const char*> (nullptr);
    EXPECT_STREQ (s.Get(), "");

    EXPECT_EQ (AAX_CString().MaxLength(), 4294967294u);
    EXPECT_EQ (hello.MaxLength(), 4294967294u);
}

TEST (AaxString, ComparesAndCopiesUpToTheFirstNul)
{
    AAX_CString a ("ab"), b ("ab");
    a[1] = '\0';
    b[1] = '\0';
    a[0] = 'x';
    b[0] = 'x';
    EXPECT_TRUE (a == b);
    AAX_CString c ("xbz"), d ("xbq");
    c[1] = '\0';
    d[1] = '\0';
    EXPECT_EQ (c.Length(), 3u);
    EXPECT_TRUE (c == d);
    EXPECT_FALSE (c != d);

    const AAX_IString& asInterface = c;
    AAX_CString copied (asInterface);
    EXPECT_EQ (copied.Length(), 1u);
    AAX_CString assigned ("long text");
    static_cast<AAX_IString&> (assigned) = asInterface;
    EXPECT_STREQ (assigned.Get(), "x");
    EXPECT_TRUE (AAX_CString ("a") != AAX_CString ("b"));
}

TEST (AaxString, AppendsNumbersExactlyWithTiesToEven)
{
    EXPECT_EQ (appended ("", 0.5, 3), "0.500");
    EXPECT_EQ (appended ("x=", 12.0, 0), "x=12");
    EXPECT_EQ (appended ("", -1.5, 2), "-1.50");
    EXPECT_EQ (appended ("", 0.125, 2), "0.12"); // an exact tie goes to the even digit
    EXPECT_EQ (appended ("", 0.375, 2), "0.38");
    EXPECT_EQ (appended ("", 2.675, 2), "2.67"); // the double lies below 2.675
    EXPECT_EQ (appended ("", 2.5, 0), "2");
    EXPECT_EQ (appended ("", 123.456, 3), "123.456");
    EXPECT_EQ (appended ("", 1e20, 1), "100000000000000000000.0");
    EXPECT_EQ (appended ("", 0.5, -4), "0");
    EXPECT_EQ (appended ("", 0.1, 1100).size(), 1102u);
    // No digits for these: a fixed text, never a loop or garbage.
    EXPECT_EQ (appended ("v=", std::nan (""), 3), "v=nan");
    EXPECT_EQ (appended ("", HUGE_VAL, 3), "inf");
    EXPECT_EQ (appended ("", -HUGE_VAL, 3), "-inf");
}

TEST (AaxString, ReadsNumbersOfItsOwnGrammarOnly)
{
    const std::pair<const char*, double> numbers[] {
        { " 2.5dB", 2.5 },  { "-3", -3.0 },        { "\t+0.75 Hz", 0.75 }, { ".5", 0.5 },
        { "5.", 5.0 },      { "1.5e3x", 1500.0 },  { "2E-1", 0.2 },        { "7e", 7.0 },
        { "7e+", 7.0 },     { "0x10", 0.0 }, // the number ends at the x
        { "1e999", HUGE_VAL }, { "-1e999", -HUGE_VAL }, { "1e-999", 0.0 }, { "0.00001e-320", 0.0 },
    };
    for (const auto& [text, expected] : numbers)
    {
        const auto r = read (text);
        EXPECT_TRUE (r.ok) << text;
        EXPECT_EQ (r.value, expected) << text;
    }
    for (const char* text : { "abc", "", ".", "-", " .e5", "inf", "nan", "e5" })
    {
        const auto r = read (text);
        EXPECT_FALSE (r.ok) << text;
        EXPECT_EQ (r.value, 0.0) << text;
    }
}
