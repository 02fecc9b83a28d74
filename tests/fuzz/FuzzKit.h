#pragma once
// What the fuzz tests share: the seed, a watchdog that names the case a
// program dies in, and seeded mutations of a document's bytes.
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

// The undefined-behaviour sanitizer has a runtime of its own, which knows no
// death callback: it is to abort, so that the handler below names the case.
extern "C" __attribute__ ((weak, visibility ("default"))) const char* __ubsan_default_options() { return "abort_on_error=1"; }

namespace fuzz
{
inline std::uint32_t baseSeed()
{
    const char* text = std::getenv ("PANDREL_FUZZ_SEED");
    return text != nullptr ? static_cast<std::uint32_t> (std::strtoul (text, nullptr, 10)) : 4418u;
}

// A case that has not finished after this long never will (the slowest
// legitimate one takes well under a second in a sanitizer build).
inline constexpr auto caseBound = std::chrono::seconds (20);

// The case under way, for a last word when the program dies in it (an abort,
// a sanitizer's report): written as it stands, without allocating.
inline char lastCase[4096];

inline void tellLastCase()
{
    const char intro[] = "\nDied in ";
    [[maybe_unused]] auto written = ::write (2, intro, sizeof intro - 1);
    written = ::write (2, lastCase, ::strnlen (lastCase, sizeof lastCase));
    written = ::write (2, "\n", 1);
}

extern "C" inline void dieTellingLastCase (int signal)
{
    tellLastCase();
    std::signal (signal, SIG_DFL);
    std::raise (signal);
}

extern "C" inline void dieOfTimeout (int)
{
    const char text[] = "\nCase did not finish within its bound.";
    [[maybe_unused]] auto written = ::write (2, text, sizeof text - 1);
    std::abort(); // the SIGABRT handler names the case
}

// Aborts the whole program when the case it was told of overruns its bound;
// a hung parser can be stopped no other way.
class Watchdog
{
public:
    Watchdog()
    {
        std::signal (SIGABRT, dieTellingLastCase);
        std::signal (SIGSEGV, dieTellingLastCase);
        std::signal (SIGALRM, dieOfTimeout);
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback (tellLastCase);
#endif
    }
    ~Watchdog() { disarm(); }
    Watchdog (const Watchdog&) = delete;
    Watchdog& operator= (const Watchdog&) = delete;

    void arm (const std::string& description)
    {
        std::snprintf (lastCase, sizeof lastCase, "%s", description.c_str());
        ::alarm (static_cast<unsigned> (caseBound.count()));
    }

    void disarm()
    {
        ::alarm (0);
        lastCase[0] = 0;
    }
};

// The first bytes of a text, printable.
inline std::string excerpt (const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size() && out.size() < 240; ++i)
    {
        const auto c = static_cast<unsigned char> (text[i]);
        if (c >= 0x20 && c < 0x7f)
            out += static_cast<char> (c);
        else
        {
            char hex[8];
            std::snprintf (hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out + (text.size() > 240 ? "... (" + std::to_string (text.size()) + " bytes)" : "");
}

// Mutations of a document's bytes, each case from its own seed.
class Mutator
{
public:
    Mutator (std::uint32_t seed, std::uint32_t stream, std::uint32_t index)
    {
        std::seed_seq sequence { seed, stream, index };
        random.seed (sequence);
    }

    size_t below (size_t n) { return n == 0 ? 0 : static_cast<size_t> (random() % n); }
    template <typename T, size_t n>
    const T& pick (const T (&items)[n]) { return items[below (n)]; }

    // One to three mutations; `applied` names them.
    std::string mutate (std::string text, std::string& applied)
    {
        for (size_t k = 0, n = 1 + below (3); k < n; ++k)
            mutateOnce (text, applied);
        return text;
    }

    std::mt19937 random;

private:
    void insert (std::string& text, const std::string& piece, std::string& applied, const char* kind)
    {
        const auto at = below (text.size() + 1);
        text.insert (at, piece);
        applied += std::string (kind) + "(" + excerpt (piece.substr (0, 24)) + ")@" + std::to_string (at) + " ";
    }

    // The span of a random element text ("...>HERE<") or attribute value.
    bool findValue (const std::string& text, size_t& start, size_t& end, bool attribute)
    {
        const char open = attribute ? '"' : '>', close = attribute ? '"' : '<';
        for (int tries = 0; tries < 8; ++tries)
        {
            start = text.find (open, below (text.size()));
            if (start == std::string::npos)
                continue;
            end = text.find (close, ++start);
            if (end != std::string::npos && end - start < 64)
                return true;
        }
        return false;
    }

    void mutateOnce (std::string& text, std::string& applied)
    {
        static const char* const entities[] { "&amp;", "&LT;", "&#60;", "&#x3c;", "&#0;", "&#xFFFFFFFF;", "&#999999999999;",
                                              "&#x110000;", "&#xD800;", "&foo;", "&#;", "&#x;", "&", "&#1234567890123;",
                                              "&lt;a&gt;", "&#60;a&#62;", "&a;",
                                              "<!DOCTYPE m [<!ENTITY a \"&a;\">]>", "<!ENTITY e \"x\">" };
        static const char* const markup[] { "<?x?>", "<?pi x?>", "<?xml version=\"1.0\"?>", "<!--c-->", "<!---->", "<?",
                                            "?>", "<!--", "-->", "<![CDATA[x]]>", "<![CDATA[", "]]>", "<!DOCTYPE a>",
                                            "<!x>", "<?x?>y", "<!--c--><?x?>z", "</a>", "<a>", "<a/>", "< a>", "<a b>",
                                            "<a b=c>", "=\"", "</>", "<>" };
        static const char* const numbers[] { "nan", "NaN", "-nan", "inf", "-inf", "+Infinity", "1e39", "-1e39",
                                             "1e99999999999", "1e-4294967297", "-2147483648", "4294967297",
                                             "3.4028236e38", "1e-46", "-0", "0x1p3", "99999999999999999999999999", "",
                                             ".", "-", "1e", " 0.5 ", "1,5", "0.5.5", "true", " true ", "TRUE",
                                             "12345678901234567890e2147483647", "0.000000000000000000000000001" };
        static const char* const badUtf8[] { "\xc0\xbc", "\xed\xa0\x80", "\xf5\x80\x80\x80", "\xff", "\x80", "\xe2\x82",
                                             "\xf0\x9f", "\xef\xbb\xbf", "\xfe\xff", "\xf4\x90\x80\x80", "\xe0\x80\xbc" };
        static const char runChars[] { '<', '>', '&', ';', '"', '\'', 'a', '0', '.', '-', '?', '!', '/', ' ', '\t', '\n', '\xc3', '=' };
        static const char specials[] { '<', '>', '&', '"', '\'', '/', '?', '!', '=', ';', '#', 'x', '\0', '[', ']' };

        switch (below (10))
        {
            case 0:
            {
                const auto flips = 1 + below (8);
                for (size_t i = 0; i < flips && ! text.empty(); ++i)
                    text[below (text.size())] ^= static_cast<char> (1u << below (8));
                applied += "flip" + std::to_string (flips) + " ";
                break;
            }
            case 1:
            {
                const auto at = below (text.size() + 1);
                text.resize (at);
                applied += "cut@" + std::to_string (at) + " ";
                break;
            }
            case 2:
            {
                static const size_t depths[] { 1, 2, 3, 5, 6, 7, 12, 100, 5000 };
                const auto depth = pick (depths);
                std::string nest;
                for (size_t i = 0; i < depth; ++i)
                    nest += "<a>";
                if (below (4) != 0)
                    for (size_t i = 0; i < depth; ++i)
                        nest += "</a>";
                insert (text, nest, applied, ("nest" + std::to_string (depth)).c_str());
                break;
            }
            case 3: insert (text, pick (entities), applied, "entity"); break;
            case 4: insert (text, pick (markup), applied, "markup"); break;
            case 5:
            {
                size_t start = 0, end = 0;
                const bool attribute = below (3) == 0;
                if (findValue (text, start, end, attribute))
                {
                    const std::string number = pick (numbers);
                    text.replace (start, end - start, number);
                    applied += std::string (attribute ? "attribute" : "number") + "(" + number + ")@" + std::to_string (start) + " ";
                }
                break;
            }
            case 6: insert (text, pick (badUtf8), applied, "utf8"); break;
            case 7:
            {
                static const size_t lengths[] { 1, 7, 100, 1000, 100000 };
                const auto length = pick (lengths);
                const auto c = pick (runChars);
                insert (text, c == '\xc3' ? std::string (length, 'x').replace (0, length, length / 2, '\xc3') : std::string (length, c),
                        applied, "run");
                break;
            }
            case 8:
            {
                const auto from = below (text.size()), length = below (200);
                const auto slice = text.substr (from, length);
                if (below (2) == 0)
                    insert (text, slice, applied, "copy");
                else
                {
                    text.erase (from, length);
                    applied += "erase@" + std::to_string (from) + " ";
                }
                break;
            }
            default:
                if (! text.empty())
                {
                    const auto at = below (text.size());
                    text[at] = pick (specials);
                    applied += "byte(" + excerpt (text.substr (at, 1)) + ")@" + std::to_string (at) + " ";
                }
                break;
        }
    }
};
} // namespace fuzz
